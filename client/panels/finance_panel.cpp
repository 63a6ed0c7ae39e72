#include "client/panels/finance_panel.h"

#include <QMouseEvent>

#include <utility>

#include "client/core/current_stock_code.h"
#include "client/core/gbk.h"
#include "client/data/finance_analysis.h"
#include "client/panels/color_label.h"
#include "client/panels/column_list_ctrl.h"
#include "client/panels/panel_label.h"
#include "client/panels/code_entry.h"
#include "common/skin/analysis_layout.h"
#include "common/ui/text.h"

namespace {

namespace layout = skin::analysis::finance;

constexpr const char* kNotFound = "找不到该股票或该股票无评测内容！";
constexpr const char* kHeaderTitles[] = {"代码", "名称", "每股收益（元）", "每股净资产（元）", "净利润（亿元）",
                                         "主营收入（亿元）", "每股公积金（元）", "资产负债率（%）"};
// Added to the title of the header label the list is sorted by.
constexpr const char* kDescendingArrow = "↓";

static_assert(std::size(kHeaderTitles) == layout::kColumnWidths.size());
static_assert(static_cast<std::size_t>(CFinancePanel::kFirstFigureColumn + CFinancePanel::kFigures) == std::size(kHeaderTitles));
static_assert(kFinanceFigureCount == static_cast<std::size_t>(CFinancePanel::kFigures));

// Code and name centred, the figures right-aligned as numbers are. The list's own titles
// are blank: its header is hidden and the labels above stand for it.
std::vector<listview::ColumnFormat> Columns() {
    std::vector<listview::ColumnFormat> columns;
    for (std::size_t i = 0; i < layout::kColumnWidths.size(); ++i) {
        const bool figure = i >= static_cast<std::size_t>(CFinancePanel::kFirstFigureColumn);
        columns.push_back({" ", layout::kColumnWidths[i],
                           figure ? listview::ColumnAlign::Right : listview::ColumnAlign::Centre});
    }
    return columns;
}

QString FigureTitle(int figure) {
    return QString::fromUtf8(kHeaderTitles[CFinancePanel::kFirstFigureColumn + figure]);
}

}  // namespace

CFinancePanel::CFinancePanel(PanelServices services, QWidget* parent)
    : CAnalysisPanel(kDialogId, services, layout::kActionButton, parent) {
    AddLabel(kPromptId, panel_look::kPromptColour, layout::kPrompt, "输入股票代码：");
    entry_ = AddCodeEntry(layout::kCodeEdit);
    stockLabel_ = AddPanelLabel(this, kStockLabelId, panel_look::kStockColour, layout::kStockLabel, kHeadingPixelSize);

    std::vector<int> ids{kCodeHeaderId, kNameHeaderId};
    for (int figure = 0; figure < kFigures; ++figure) ids.push_back(kFirstFigureHeaderId + figure);
    const std::vector<const char*> titles(std::begin(kHeaderTitles), std::end(kHeaderTitles));
    const std::vector<int> widths(layout::kColumnWidths.begin(), layout::kColumnWidths.end());
    const std::vector<CColorLabel*> labels = AddHeaderLabels(ids, titles, layout::kList.rect, widths);
    for (int figure = 0; figure < kFigures; ++figure) {
        headers_[figure] = labels[kFirstFigureColumn + figure];
        headers_[figure]->setCursor(Qt::PointingHandCursor);
    }

    list_ = AddList(kListId, layout::kList, Columns());
    AddWrappingLabel(kNoteId, panel_look::kCaptionColour, layout::kNote,
                     "说明：默认按每股收益从大到小排序，选取了A股中排名前50名个股。方便用户快速选出财务数据更好的个股。");
}

void CFinancePanel::Activate() {
    entry_->SetCode(services_.currentCode.Get());
    LoadTopList();
}

void CFinancePanel::LoadTopList() {
    if (ui::QueryRunning(this)) {
        reloadWhenIdle_ = true;
        return;
    }
    FetchAndShow([&documents = services_.documents] { return CFinanceAnalysis::FetchList(documents); }, kNotFound,
                 [this](const CFinanceAnalysis& list) { ShowTopList(list); }, [this] { ReloadIfAskedMeanwhile(); });
}

void CFinancePanel::ReloadIfAskedMeanwhile() {
    if (std::exchange(reloadWhenIdle_, false)) LoadTopList();
}

void CFinancePanel::StartAction() {
    const std::string code = entry_->TakeCode();
    if (code.empty()) {
        LoadTopList();
        return;
    }
    FetchAndShow([&documents = services_.documents, code] { return CFinanceAnalysis::FetchStock(code, documents); },
                 kNotFound, [this](const CFinanceAnalysis& stock) { ShowStock(stock); },
                 [this] {
                     Refresh();
                     entry_->FocusAndSelect();
                     ReloadIfAskedMeanwhile();
                 });
}

void CFinancePanel::ShowTopList(const CFinanceAnalysis& list) {
    stockLabel_->clear();  // it names a stock only while the list shows that stock alone
    list_->DeleteAllRows();
    // Every slot of the list, each at the top; slots the server did not fill are blank rows.
    for (std::size_t i = 0; i < kFinanceListCapacity; ++i) {
        const FinanceRow& row = list.Row(i);
        AddRow(0, row.stockId, row.stockName, row.figures);
    }
    SortByFigure(static_cast<int>(FinanceFigure::PerIncome));
}

void CFinancePanel::ShowStock(const CFinanceAnalysis& stock) {
    services_.currentCode.Set(stock.Code());
    stockLabel_->setText(ui::ToQString(stock.Code() + " " + stock.Name()));
    list_->DeleteAllRows();
    AddRow(0, stock.Code(), stock.Name(), stock.Figures());
}

void CFinancePanel::AddRow(int index, const std::string& code, const std::string& name,
                           const std::array<std::string, kFigures>& figures) {
    const int row = list_->InsertRow(index, code);
    list_->SetCellText(row, 1, name);
    for (int figure = 0; figure < kFigures; ++figure)
        list_->SetCellText(row, kFirstFigureColumn + figure, figures[figure]);
}

void CFinancePanel::SortByFigure(int figure) {
    if (figure < 0 || figure >= kFigures) return;
    list_->SortColumn(kFirstFigureColumn + figure, false);  // always from high to low
    for (int other = 0; other < kFigures; ++other) headers_[other]->setText(FigureTitle(other));
    headers_[figure]->setText(FigureTitle(figure) + QString::fromUtf8(kDescendingArrow));
    Refresh();
}

void CFinancePanel::mousePressEvent(QMouseEvent* event) {
    // The pop-up is already hidden by the code entry.
    const QPoint at = event->position().toPoint();
    for (int figure = 0; figure < kFigures; ++figure) {
        if (headers_[figure]->geometry().contains(at)) {
            SortByFigure(figure);
            event->accept();
            return;
        }
    }
    CAnalysisPanel::mousePressEvent(event);
}
