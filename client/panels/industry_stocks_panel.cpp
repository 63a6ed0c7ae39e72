#include "client/panels/industry_stocks_panel.h"

#include "client/core/gbk.h"
#include "client/data/industry_hot_stocks.h"
#include "client/panels/color_label.h"
#include "client/panels/column_list_ctrl.h"
#include "client/panels/panel_label.h"
#include "common/skin/analysis_layout.h"
#include "common/ui/text.h"

namespace {

namespace layout = skin::analysis::industry_stocks;

// The list's own titles (its header is hidden: the labels above stand for it), then the
// labels' texts. The turnover figures come in ten thousands of yuan, as the list's titles
// say, so the labels name that unit too.
constexpr const char* kColumnTitles[] = {"行业名称", "领涨股1（涨幅%）", "领涨股2（涨幅%）", "最大成交额1（万）",
                                         "最大成交额2（万）"};
const std::vector<const char*> kHeaderTitles{"行业名称", "涨幅第一（涨幅%）", "涨幅第二（涨幅%）",
                                             "最大成交额第一（万元）", "最大成交额第二（万元）"};

std::vector<listview::ColumnFormat> Columns() {
    std::vector<listview::ColumnFormat> columns;
    for (std::size_t i = 0; i < layout::kColumnWidths.size(); ++i)
        columns.push_back({Gbk(kColumnTitles[i]), layout::kColumnWidths[i], listview::ColumnAlign::Centre});
    return columns;
}

}  // namespace

CIndustryStocksPanel::CIndustryStocksPanel(PanelServices services, QWidget* parent)
    : CAnalysisPanel(kDialogId, services, layout::kActionButton, parent) {
    AddTitle(kTitleId, layout::kTitle, "今日热点T+0分析");
    time_ = AddTimeLabels(kTimeCaptionId, layout::kTimeCaption, layout::kTime);
    const std::vector<int> widths(layout::kColumnWidths.begin(), layout::kColumnWidths.end());
    std::vector<int> ids;
    for (std::size_t i = 0; i < widths.size(); ++i) ids.push_back(kFirstHeaderId + static_cast<int>(i));
    AddHeaderLabels(ids, kHeaderTitles, layout::kList.rect, widths);
    list_ = AddList(kListId, layout::kList, Columns());
    AddWrappingLabel(kNoteId, panel_look::kCaptionColour, layout::kNote,
                     "说明：列出各行业当日涨幅居前的两只个股和成交额最大的两只个股，方便用户快速找到各行业的领头个股。");
}

void CIndustryStocksPanel::StartAction() {
    FetchAndShow([&documents = services_.documents] { return CIndustryHotStocks::Fetch(documents); }, "找不到相关信息!",
                 [this](const CIndustryHotStocks& list) { Show(list); });
}

void CIndustryStocksPanel::Show(const CIndustryHotStocks& list) {
    list_->DeleteAllRows();
    time_->setText(ui::ToQString(list.Row(0).tradingTime));
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const IndustryHotStocksRow& industry = list.Row(i);
        const int row = list_->InsertRow(static_cast<int>(i), industry.industryName);
        list_->SetCellText(row, 1, industry.ledShares1);
        list_->SetCellText(row, 2, industry.ledShares2);
        list_->SetCellText(row, 3, industry.maxTurnover1);
        list_->SetCellText(row, 4, industry.maxTurnover2);
    }
    Refresh();
}
