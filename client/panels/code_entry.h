#pragma once
// CCodeEntry: the stock code entry of every panel with a code edit. It puts the code
// edit (1009) and, where the panel has one, the 查询 button (1010) on the panel and gives them their behaviour: typing shows the
// stock search pop-up under the edit, a stock picked there for this panel fills the edit
// (no query), 查询 and Enter ask for the panel's query, Esc on the panel does nothing and
// a click on the panel hides the pop-up.
#include <QObject>

#include <string>

#include "common/skin/skin_rect.h"

class CKbcBmp;
class CStockSearchPopup;
class QLineEdit;
class QWidget;

class CCodeEntry : public QObject {
    Q_OBJECT
public:
    static constexpr int kCodeEditId = 1009;
    static constexpr int kQueryButtonId = 1010;

    CCodeEntry(QWidget* panel, CStockSearchPopup& popup, const skin::Area& edit,
               const skin::Area& button);
    // Only the edit, for a panel whose own action button queries.
    CCodeEntry(QWidget* panel, CStockSearchPopup& popup, const skin::Area& edit);

    QLineEdit* Edit() const { return edit_; }
    CKbcBmp* Button() const { return button_; }  // nullptr without a 查询 button

    // The edit's text (GBK); replacing it opens no pop-up.
    std::string Code() const;
    void SetCode(const std::string& code);
    void HidePopup();
    // Hides the pop-up and returns the typed code: the start of every query.
    std::string TakeCode();
    // The focus back in the edit with its whole text selected.
    void FocusAndSelect();

signals:
    void QueryRequested();
    void CodePicked(const std::string& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnCodeEdited();
    void OnStockPicked(QObject* owner, const std::string& code);

    QWidget* panel_;
    CStockSearchPopup& popup_;
    QLineEdit* edit_ = nullptr;
    CKbcBmp* button_ = nullptr;
};
