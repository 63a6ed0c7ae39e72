#include "client/panels/stock_code_entry.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "client/core/current_stock_code.h"
#include "client/panels/stock_code_keys.h"
#include "client/panels/stock_search_popup.h"
#include "common/ui/text.h"

CStockCodeEntry::CStockCodeEntry(QWidget* panel, QLineEdit* edit, CStockSearchPopup& popup,
                                 CurrentStockCode& current)
    : QObject(panel), panel_(panel), edit_(edit), popup_(popup), current_(current) {
    auto* keys = new CStockCodeKeys(edit_, &popup_);
    connect(keys, &CStockCodeKeys::QueryRequested, this, &CStockCodeEntry::QueryRequested);
    // Only typing opens the pop-up: a code put in by a pick, Enter or a page button does not.
    connect(edit_, &QLineEdit::textEdited, this, &CStockCodeEntry::OnCodeEdited);
    connect(&popup_, &CStockSearchPopup::StockPicked, this, &CStockCodeEntry::OnStockPicked);
    panel_->installEventFilter(this);
}

void CStockCodeEntry::Activate() {
    queryCode_ = current_.Get();
    SetCode(queryCode_);
}

std::string CStockCodeEntry::BeginQuery() {
    popup_.Hide();
    queryCode_ = ui::FromQString(edit_->text());
    return queryCode_;
}

void CStockCodeEntry::Accept(const std::string& code) { current_.Set(code); }

void CStockCodeEntry::EndQuery() {
    edit_->setFocus();
    edit_->selectAll();
}

void CStockCodeEntry::SetCode(const std::string& code) { edit_->setText(ui::ToQString(code)); }

void CStockCodeEntry::OnCodeEdited() {
    const QPoint under = edit_->mapToGlobal(QPoint(0, edit_->height()));
    popup_.ShowMatches(ui::FromQString(edit_->text()), under, panel_);
    edit_->setFocus();
}

void CStockCodeEntry::OnStockPicked(QObject* owner, const std::string& code) {
    if (owner != panel_ || code.empty()) return;
    queryCode_ = code;
    SetCode(code);
}

bool CStockCodeEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched != panel_) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        popup_.Hide();  // the panel still handles the click
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    // Enter in the edit is taken by its key helper; these are keys that reach the panel.
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
