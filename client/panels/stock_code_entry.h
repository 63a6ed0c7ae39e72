#pragma once
// The stock code entry every panel with a code edit shares. Attached to the panel and its
// edit, it
//   - opens the stock search pop-up under the edit when the user types, and takes a code
//     picked there (a double-click on a row) into the edit without querying;
//   - asks for the panel's query (QueryRequested) on Enter, in the edit or on the panel;
//   - swallows Esc on the panel, which must never close the window it stands on;
//   - hides the pop-up when the panel itself is clicked;
//   - brackets a query: BeginQuery hides the pop-up and takes the typed code, EndQuery
//     gives the edit the focus with its text selected.
// The query itself and what it shows belong to the panel.
#include <QObject>

#include <string>

class CStockSearchPopup;
class CurrentStockCode;
class QLineEdit;
class QWidget;

class CStockCodeEntry : public QObject {
    Q_OBJECT
public:
    // Owned by `panel`; `popup` and `current` outlive it.
    CStockCodeEntry(QWidget* panel, QLineEdit* edit, CStockSearchPopup& popup, CurrentStockCode& current);

    // The code of the last query begun, or the code put in by Activate or a pick.
    const std::string& QueryCode() const { return queryCode_; }

    // Copies the current stock code into the edit; no query is made.
    void Activate();
    // Hides the pop-up and returns the typed code, which becomes the query code.
    std::string BeginQuery();
    // A query found `code`: it becomes the client's current stock code.
    void Accept(const std::string& code);
    // Focus back in the edit, its whole text selected for the next code.
    void EndQuery();

signals:
    void QueryRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnCodeEdited();
    void OnStockPicked(QObject* owner, const std::string& code);
    void SetCode(const std::string& code);

    QWidget* panel_;
    QLineEdit* edit_;
    CStockSearchPopup& popup_;
    CurrentStockCode& current_;
    std::string queryCode_;
};
