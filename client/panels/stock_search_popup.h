#pragma once
// CStockSearchPopup: the one stock search pop-up of the whole client. The main window
// owns it and hands it to every panel with a code edit. As the user types, a panel calls
// ShowMatches with the edit's text; the pop-up opens under the edit, translucent where
// the window system composites, and lists every stock whose code, pinyin initials or
// name begins with the text. It never takes the focus from the edit. A double-click on a
// row emits StockPicked to the panel that opened the pop-up last.
//
// The directory (StockInfo.xml in the program directory) is read once, the first time
// the pop-up is used.
#include <QPointer>
#include <QWidget>

#include <cstddef>
#include <string>

#include "client/core/stock_directory.h"

class CStockListModel;
class QModelIndex;
class QTreeView;

class CStockSearchPopup : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDialogId = 131;
    static constexpr int kListId = 1006;
    // The window message number the pick stands for (WM_USER + 502).
    static constexpr int kStockPickedMessage = 0x0400 + 502;
    static constexpr int kWidth = 240;
    static constexpr int kHeight = 150;
    static constexpr int kAlpha = 158;  // of 255
    static constexpr int kColumnWidths[] = {60, 50, 80};

    explicit CStockSearchPopup(std::string directoryFile = "StockInfo.xml");
    ~CStockSearchPopup() override;

    // Uses `directory` instead of reading the file (tools and tests).
    void SetDirectory(CStockDirectory directory);
    std::size_t DirectorySize();

    // Lists the stocks matching `text` at `screenPos` (the edit's bottom-left corner), shows
    // the pop-up and remembers `owner`. Returns the first match's code, "" when none.
    // No row is highlighted afterwards.
    std::string ShowMatches(const std::string& text, QPoint screenPos, QObject* owner);
    // The code of the selected row (by mouse or keys), "" when none is selected.
    std::string GetChosenCode() const;
    QObject* Owner() const { return owner_; }

    // Keyboard use from the owner's edit. MoveHighlight selects the next (+1) or previous
    // (-1) row, starting from the first or the last one, and stops at the ends.
    void MoveHighlight(int step);
    // The row highlighted with MoveHighlight since the list was last filled; a mouse
    // click does not count. "" when there is none.
    std::string HighlightedCode() const;
    void Hide();

    QTreeView* List() const { return list_; }

signals:
    // Double-click on a row. `owner` is the window given to the last ShowMatches.
    void StockPicked(QObject* owner, const std::string& code);

private:
    void EnsureDirectory();
    void ApplyColumnWidths();
    void OnDoubleClicked(const QModelIndex& index);
    int SelectedRow() const;

    std::string directoryFile_;
    bool directoryLoaded_ = false;
    CStockListModel* model_ = nullptr;
    QTreeView* list_ = nullptr;
    QPointer<QObject> owner_;
    bool keyHighlight_ = false;
};
