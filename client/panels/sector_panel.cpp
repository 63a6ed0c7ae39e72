#include "client/panels/sector_panel.h"

#include "client/core/current_stock_code.h"
#include "client/core/gbk.h"
#include "client/data/stock_sectors.h"
#include "client/panels/change_colour.h"
#include "client/panels/color_label.h"
#include "client/panels/column_list_ctrl.h"
#include "client/panels/panel_label.h"
#include "client/panels/code_entry.h"
#include "common/skin/analysis_layout.h"
#include "common/ui/text.h"

namespace {

namespace layout = skin::analysis::sector;

// Sector name and kind centred, the index change right-aligned as numbers are.
std::vector<listview::ColumnFormat> Columns() {
    const auto& widths = layout::kColumnWidths;
    return {{Gbk("板块名称"), widths[0], listview::ColumnAlign::Centre},
            {Gbk(" 类别"), widths[1], listview::ColumnAlign::Centre},
            {Gbk(" 指数"), widths[2], listview::ColumnAlign::Right}};
}

}  // namespace

CSectorPanel::CSectorPanel(PanelServices services, QWidget* parent)
    : CAnalysisPanel(kDialogId, services, layout::kActionButton, parent) {
    AddTitle(kTitleId, layout::kTitle, "今日板块T+0分析");
    AddLabel(kPromptId, panel_look::kPromptColour, layout::kPrompt, "输入股票代码：");
    entry_ = AddCodeEntry(layout::kCodeEdit);
    stockLabel_ = AddPanelLabel(this, kStockLabelId, panel_look::kStockColour, layout::kStockLabel, kHeadingPixelSize);
    time_ = AddTimeLabels(kTimeCaptionId, layout::kTimeCaption, layout::kTime);
    AddLabel(kSectorCaptionId, panel_look::kCaptionColour, layout::kSectorCaption, "所属板块：");
    list_ = AddList(kListId, layout::kList, Columns());
    AddWrappingLabel(kNoteId, panel_look::kCaptionColour, layout::kNote,
                     "说明：列出该股所属的行业、概念和指数板块及各板块指数当日的涨跌幅，红色为上涨，绿色为下跌或持平。");
}

void CSectorPanel::Activate() { entry_->SetCode(services_.currentCode.Get()); }

void CSectorPanel::StartAction() {
    const std::string code = entry_->TakeCode();
    FetchAndShow([&documents = services_.documents, code] { return CStockSectors::Fetch(code, documents); },
                 "找不到该股票或该股票无评测内容！", [this](const CStockSectors& sectors) { Show(sectors); },
                 [this] {
                     Refresh();
                     entry_->FocusAndSelect();
                 });
}

void CSectorPanel::Show(const CStockSectors& sectors) {
    services_.currentCode.Set(sectors.Code());
    stockLabel_->setText(ui::ToQString(sectors.Code() + " " + sectors.SecuName()));
    list_->DeleteAllRows();
    time_->setText(ui::ToQString(sectors.Row(0).tradingTime));
    for (std::size_t i = 0; i < sectors.Count(); ++i) {
        const StockSectorRow& sector = sectors.Row(i);
        list_->InsertRow(0, sector.bkName);
        list_->SetCellText(0, 1, sector.category);
        list_->SetCellText(0, kChangeColumn, sector.avgUpDown);
        list_->SetCellTextColor(0, kChangeColumn, ChangeColour(sector.avgUpDown));
    }
}
