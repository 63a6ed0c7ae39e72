#include "client/panels/code_entry.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "client/panels/stock_code_keys.h"
#include "client/panels/stock_search_popup.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"
#include "common/ui/text.h"

CCodeEntry::CCodeEntry(QWidget* panel, CStockSearchPopup& popup, const skin::Area& edit,
                       const skin::Area& button)
    : CCodeEntry(panel, popup, edit) {
    button_ = new CKbcBmp(panel);
    button_->setObjectName(QString::number(kQueryButtonId));
    button_->setText(QStringLiteral("查询"));
    ui::Place(button_, button);
    button_->SetImage("image\\botton.gif", ui::kPureBlue);
    connect(button_, &CKbcBmp::clicked, this, &CCodeEntry::QueryRequested);
}

CCodeEntry::CCodeEntry(QWidget* panel, CStockSearchPopup& popup, const skin::Area& edit)
    : QObject(panel), panel_(panel), popup_(popup) {
    edit_ = new QLineEdit(panel);
    edit_->setObjectName(QString::number(kCodeEditId));
    ui::Place(edit_, edit);

    auto* keys = new CStockCodeKeys(edit_, &popup_);
    connect(keys, &CStockCodeKeys::QueryRequested, this, &CCodeEntry::QueryRequested);
    // Only typing opens the pop-up: a code put in by a pick, Enter or a page button does not.
    connect(edit_, &QLineEdit::textEdited, this, &CCodeEntry::OnCodeEdited);
    connect(&popup_, &CStockSearchPopup::StockPicked, this, &CCodeEntry::OnStockPicked);
    panel->installEventFilter(this);
}

std::string CCodeEntry::Code() const { return ui::FromQString(edit_->text()); }

void CCodeEntry::SetCode(const std::string& code) { edit_->setText(ui::ToQString(code)); }

void CCodeEntry::HidePopup() { popup_.Hide(); }

std::string CCodeEntry::TakeCode() {
    HidePopup();
    return Code();
}

void CCodeEntry::FocusAndSelect() {
    edit_->setFocus();
    edit_->selectAll();
}

void CCodeEntry::OnCodeEdited() {
    const QPoint under = edit_->mapToGlobal(QPoint(0, edit_->height()));
    popup_.ShowMatches(Code(), under, panel_);
    edit_->setFocus();
}

void CCodeEntry::OnStockPicked(QObject* owner, const std::string& code) {
    if (owner != panel_ || code.empty()) return;
    SetCode(code);
    emit CodePicked(code);
}

bool CCodeEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched != panel_) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        popup_.Hide();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    // Esc never closes a panel. Enter in the edit is taken by its key helper; elsewhere
    // on the panel it queries here.
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Escape:
            event->accept();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            emit QueryRequested();
            return true;
        default:
            return false;
    }
}
