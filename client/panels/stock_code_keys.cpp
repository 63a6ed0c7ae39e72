#include "client/panels/stock_code_keys.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "client/panels/stock_search_popup.h"
#include "common/ui/text.h"

CStockCodeKeys::CStockCodeKeys(QLineEdit* edit, CStockSearchPopup* popup)
    : QObject(edit), edit_(edit), popup_(popup) {
    edit_->installEventFilter(this);
}

bool CStockCodeKeys::PopupShown() const {
    return popup_ && popup_->isVisible();
}

bool CStockCodeKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Down:
        case Qt::Key_Up:
            if (!PopupShown()) return false;
            popup_->MoveHighlight(key->key() == Qt::Key_Down ? +1 : -1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            const std::string code = PopupShown() ? popup_->HighlightedCode() : std::string();
            if (!code.empty()) {
                edit_->setText(ui::ToQString(code));
                popup_->Hide();
            }
            emit QueryRequested();
            return true;
        }
        case Qt::Key_Escape:
            if (!PopupShown()) return false;
            popup_->Hide();
            return true;
        default:
            return false;
    }
}
