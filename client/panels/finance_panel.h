#pragma once
// CFinancePanel (财务分析): finance figures in a list under eight header labels.
//   - The top-50 list (on opening the panel, or 立即分析 with no code): the server's 50
//     stocks with the highest earnings per share, sorted by 每股收益 from high to low, the
//     arrow "↓" on that header label.
//   - A typed code (立即分析 or Enter): that stock's figures as the only row; the stock
//     becomes the current stock. The header labels stay as they are.
//   - A click on one of the six figure header labels (the hand cursor shows over them)
//     sorts the list by that figure from high to low and moves the arrow there.
// A list or stock the server does not have shows the tip and changes nothing.
#include <array>

#include "client/panels/analysis_panel.h"

class CFinanceAnalysis;

class CFinancePanel : public CAnalysisPanel {
    Q_OBJECT
public:
    static constexpr int kDialogId = 162;
    static constexpr int kPromptId = 1197;
    static constexpr int kStockLabelId = 1036;
    static constexpr int kCodeHeaderId = 1198;
    static constexpr int kNameHeaderId = 1199;
    static constexpr int kFirstFigureHeaderId = 1200;  // 1200 to 1205, one per figure
    static constexpr int kNoteId = 1206;
    static constexpr int kListId = 1223;
    static constexpr int kFigures = 6;
    static constexpr int kFirstFigureColumn = 2;  // columns 0 and 1: code and name

    CFinancePanel(PanelServices services, QWidget* parent = nullptr);

    // Copies the current stock code into the edit, then loads the top-50 list.
    void Activate();
    // Loads the top-50 list; asked for while a query runs, it loads once that query is over.
    void LoadTopList();
    // Sorts by figure `figure` (0 to 5) from high to low and puts the arrow on its label.
    void SortByFigure(int figure);

    CColumnListCtrl* List() const { return list_; }
    CColorLabel* FigureHeader(int figure) const { return headers_.at(figure); }
    CColorLabel* StockLabel() const { return stockLabel_; }

protected:
    void StartAction() override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ShowTopList(const CFinanceAnalysis& list);
    void ReloadIfAskedMeanwhile();
    void ShowStock(const CFinanceAnalysis& stock);
    void AddRow(int index, const std::string& code, const std::string& name, const std::array<std::string, kFigures>& figures);

    CCodeEntry* entry_ = nullptr;
    CColorLabel* stockLabel_ = nullptr;
    CColumnListCtrl* list_ = nullptr;
    std::array<CColorLabel*, kFigures> headers_{};
    bool reloadWhenIdle_ = false;  // the top fifty were asked for while a query ran
};
