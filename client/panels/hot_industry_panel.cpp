#include "client/panels/hot_industry_panel.h"

#include "client/core/gbk.h"
#include "client/data/hot_industries.h"
#include "client/panels/change_colour.h"
#include "client/panels/color_label.h"
#include "client/panels/panel_label.h"
#include "common/skin/analysis_layout.h"
#include "common/ui/text.h"

namespace {

namespace layout = skin::analysis::hot_industry;

constexpr int kResultPixelSize = 14;

void UseResultFont(CColorLabel* label) {
    QFont font = label->font();
    font.setPixelSize(kResultPixelSize);
    label->setFont(font);
}

}  // namespace

CHotIndustryPanel::CHotIndustryPanel(PanelServices services, QWidget* parent)
    : CAnalysisPanel(kDialogId, services, layout::kActionButton, parent) {
    AddTitle(kTitleId, layout::kTitle, "今日热门行业T+0分析");
    time_ = AddTimeLabels(kTimeCaptionId, layout::kTimeCaption, layout::kTime);
    AddLabel(kResultCaptionId, panel_look::kCaptionColour, layout::kResultCaption, "分析结果：");
    for (int row = 0; row < kRows; ++row) {
        names_[row] = AddLabel(kNameIds[row], panel_look::kPromptColour, layout::kNames[row]);
        values_[row] = AddLabel(kValueIds[row], kNoRiseColour, layout::kValues[row]);
        values_[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        UseResultFont(names_[row]);
        UseResultFont(values_[row]);
    }
    AddWrappingLabel(kNoteId, panel_look::kCaptionColour, layout::kNote,
                     "说明：按当日各行业指数的平均涨跌幅，选出涨幅居前的三个行业，红色为上涨，绿色为下跌或持平。"
                     "方便用户把握当日市场热点。");
}

void CHotIndustryPanel::StartAction() {
    FetchAndShow([&documents = services_.documents] { return CHotIndustries::Fetch(documents); }, "找不到相关信息!",
                 [this](const CHotIndustries& list) { Show(list); });
}

void CHotIndustryPanel::Show(const CHotIndustries& list) {
    time_->setText(ui::ToQString(list.Row(0).tradingTime));
    for (int row = 0; row < kRows; ++row) {
        // A list of fewer than three industries leaves the rows after it empty.
        const bool listed = static_cast<std::size_t>(row) < list.Count();
        const HotIndustryRow& industry = list.Row(row);
        names_[row]->setText(listed ? ui::ToQString(industry.industryName + Gbk("指数：")) : QString());
        values_[row]->setText(ui::ToQString(industry.avgUpDown));
        values_[row]->textColor = ChangeColour(industry.avgUpDown);
    }
    Refresh();
}
