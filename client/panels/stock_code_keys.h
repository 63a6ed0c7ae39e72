#pragma once
// Keyboard use of the stock search pop-up from a panel's code edit. Installed on the edit
// (and owned by it), it handles:
//   Down / Up   while the pop-up shows: move the highlighted row; the edit keeps the focus;
//   Enter       with a highlighted row: put its code into the edit and hide the pop-up;
//               then, highlighted row or not, emit QueryRequested (the panel's query);
//   Esc         while the pop-up shows: hide it.
// Everything else reaches the edit unchanged. Enter is taken here, so the panel connects
// QueryRequested instead of the edit's returnPressed or the dialog's default button.
#include <QObject>
#include <QPointer>

class CStockSearchPopup;
class QLineEdit;

class CStockCodeKeys : public QObject {
    Q_OBJECT
public:
    CStockCodeKeys(QLineEdit* edit, CStockSearchPopup* popup);

signals:
    void QueryRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool PopupShown() const;

    QLineEdit* edit_;
    QPointer<CStockSearchPopup> popup_;
};
