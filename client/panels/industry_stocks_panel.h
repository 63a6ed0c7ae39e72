#pragma once
// CIndustryStocksPanel (行业热股): for every industry its two stocks with the largest rise
// and the two with the largest turnover. 立即分析 fetches the list and shows the time of
// the analysis and one row per industry, in the server's order, under five header labels.
#include "client/panels/analysis_panel.h"

class CIndustryHotStocks;

class CIndustryStocksPanel : public CAnalysisPanel {
    Q_OBJECT
public:
    static constexpr int kDialogId = 160;
    static constexpr int kTitleId = 1197;
    static constexpr int kTimeCaptionId = 1204;
    static constexpr int kNoteId = 1203;
    static constexpr int kListId = 1210;
    static constexpr int kFirstHeaderId = 1198;  // 1198 to 1202, one per column

    CIndustryStocksPanel(PanelServices services, QWidget* parent = nullptr);

    CColumnListCtrl* List() const { return list_; }
    CColorLabel* TimeLabel() const { return time_; }

protected:
    void StartAction() override;

private:
    void Show(const CIndustryHotStocks& list);

    CColorLabel* time_ = nullptr;
    CColumnListCtrl* list_ = nullptr;
};
