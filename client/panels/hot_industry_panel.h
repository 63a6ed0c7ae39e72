#pragma once
// CHotIndustryPanel (热门行业): the three hottest industries of the day. 立即分析 fetches the
// list and shows the time of the analysis and, for each of the first three industries,
// "<name>指数：" with its index change beside it, red for a rise and green otherwise.
#include <array>

#include "client/panels/analysis_panel.h"

class CHotIndustries;

class CHotIndustryPanel : public CAnalysisPanel {
    Q_OBJECT
public:
    static constexpr int kDialogId = 159;
    static constexpr int kTitleId = 1197;
    static constexpr int kTimeCaptionId = 1198;
    static constexpr int kResultCaptionId = 1199;
    static constexpr int kNoteId = 1200;
    static constexpr int kRows = 3;
    static constexpr std::array<int, kRows> kNameIds{1224, 1072, 1077};
    static constexpr std::array<int, kRows> kValueIds{1074, 1075, 1076};

    CHotIndustryPanel(PanelServices services, QWidget* parent = nullptr);

    CColorLabel* TimeLabel() const { return time_; }
    CColorLabel* NameLabel(int row) const { return names_.at(row); }
    CColorLabel* ValueLabel(int row) const { return values_.at(row); }

protected:
    void StartAction() override;

private:
    void Show(const CHotIndustries& list);

    CColorLabel* time_ = nullptr;
    std::array<CColorLabel*, kRows> names_{};
    std::array<CColorLabel*, kRows> values_{};
};
