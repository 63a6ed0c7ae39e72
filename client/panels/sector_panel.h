#pragma once
// CSectorPanel (所属版块): the sectors a stock belongs to. 立即分析 or Enter fetches them for
// the typed code; a stock with sectors becomes the current stock and its sectors fill the
// list, each inserted at the top (so the last one listed by the server comes first), its
// index change red for a rise and green otherwise. Anything else shows the tip and
// changes nothing.
#include "client/panels/analysis_panel.h"

class CStockSectors;

class CSectorPanel : public CAnalysisPanel {
    Q_OBJECT
public:
    static constexpr int kDialogId = 161;
    static constexpr int kTitleId = 1197;
    static constexpr int kPromptId = 1198;
    static constexpr int kStockLabelId = 1212;
    static constexpr int kTimeCaptionId = 1201;
    static constexpr int kSectorCaptionId = 1199;
    static constexpr int kNoteId = 1200;
    static constexpr int kListId = 1223;
    static constexpr int kChangeColumn = 2;

    CSectorPanel(PanelServices services, QWidget* parent = nullptr);

    // Copies the current stock code into the edit; no query is made.
    void Activate();

    CColumnListCtrl* List() const { return list_; }
    CColorLabel* StockLabel() const { return stockLabel_; }
    CColorLabel* TimeLabel() const { return time_; }

protected:
    void StartAction() override;

private:
    void Show(const CStockSectors& sectors);

    CCodeEntry* entry_ = nullptr;
    CColorLabel* stockLabel_ = nullptr;
    CColorLabel* time_ = nullptr;
    CColumnListCtrl* list_ = nullptr;
};
