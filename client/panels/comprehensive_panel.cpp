#include "client/panels/comprehensive_panel.h"

#include <QLineEdit>
#include <QPainter>

#include "client/core/client_config.h"
#include "client/core/current_stock_code.h"
#include "client/core/gbk.h"
#include "client/core/main_advert.h"
#include "client/core/online_flag.h"
#include "client/data/last_evaluation.h"
#include "client/panels/code_entry.h"
#include "client/panels/color_label.h"
#include "client/panels/dimension_detail_dlg.h"
#include "client/panels/dimension_details.h"
#include "client/panels/news_dimension_dlg.h"
#include "client/panels/panel_link.h"
#include "client/panels/query_failure.h"
#include "client/panels/tip.h"
#include "client/widgets/ad_wnd.h"
#include "client/widgets/html_label.h"
#include "common/platform/paths.h"
#include "common/skin/panel_layouts.h"
#include "common/ui/query_runner.h"
#include "common/ui/skin_place.h"
#include "common/ui/text.h"

namespace {

namespace layout = skin::comprehensive;

constexpr ui::ColorRef kChangedColour = ui::Rgb(204, 0, 0);
constexpr ui::ColorRef kSameColour = ui::Rgb(0, 0, 0);
constexpr int kCellPixelSize = 14;

const char* const kPlainCaptions[] = {"时间", "总评分", "评测结果"};

skin::Area CellArea(int row, int column) { return {"", layout::TableCell(row, column).Inset(2)}; }

// What a table cell shows for an evaluation slot.
const std::string& CellText(const CComprehensiveEval& evaluation, EvalSlot slot, int column) {
    if (column == 0) return evaluation.Time(slot);
    if (column == CComprehensivePanel::kTotalColumn) return evaluation.TotalScore(slot);
    if (column == CComprehensivePanel::kVerdictColumn) return evaluation.Verdict(slot);
    return evaluation.Block(slot, static_cast<Dimension>(column - 1)).score;
}

}  // namespace

CComprehensivePanel::CComprehensivePanel(PanelServices services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QString::number(kDialogId));
    resize(layout::kSize.w, layout::kSize.h);
    shaped_ = LoadBackground();
    AddEntry();
    AddTable();
    AddAdvert();
    AddNotes();
}

bool CComprehensivePanel::LoadBackground() {
    if (!background_.Load(platform::JoinPath(platform::ProgramDirectory(), "image\\bg_mid2.gif"))) return false;
    if (!background_.ShapeWindow(this)) return false;
    update();
    return true;
}

void CComprehensivePanel::AddEntry() {
    AddPanelLabel(this, 0, panel_look::kPromptColour, layout::kPrompt)->setText(QStringLiteral("输入评测股票代码："));
    entry_ = new CCodeEntry(this, services_.popup, layout::kCodeEdit, layout::kQueryButton);
    connect(entry_, &CCodeEntry::QueryRequested, this, &CComprehensivePanel::Query);
    stockLabel_ = AddPanelLabel(this, kStockLabelId, panel_look::kStockColour, layout::kStockLabel, kHeadingPixelSize);
}

void CComprehensivePanel::AddTable() {
    for (int column = 0; column < kColumns; ++column) {
        const bool dimension = column >= 1 && column <= static_cast<int>(kDimensionCount);
        if (dimension) {
            const DimensionDetail& detail = kDimensionDetails[static_cast<std::size_t>(column - 1)];
            auto* header = new CHtmlLabel(this);
            header->setObjectName(QString::number(kFirstHeaderId + column - 1));
            ui::Place(header, CellArea(0, column));
            SetUpPanelLink(header, services_.shell, Gbk(detail.header), CHtmlLabel::kNoNavigationUrl,
                           kHeadingPixelSize);
            header->SetAlign(CHtmlLabel::kAlignHCenter | CHtmlLabel::kAlignVCenter);
            connect(header, &CHtmlLabel::clicked, this, [this, d = detail.dimension] { OpenDetail(d); });
            headers_[static_cast<std::size_t>(column - 1)] = header;
        } else {
            const char* caption = kPlainCaptions[column == 0 ? 0 : column - kTotalColumn + 1];
            CColorLabel* label = AddPanelLabel(this, 0, panel_look::kPromptColour, CellArea(0, column), kHeadingPixelSize);
            label->setAlignment(Qt::AlignCenter);
            label->setText(QString::fromUtf8(caption));
        }
        for (EvalSlot slot : {EvalSlot::First, EvalSlot::Second}) {
            const int row = slot == EvalSlot::First ? 1 : 2;
            CColorLabel* cell = AddPanelLabel(this, CellId(slot, column), kSameColour, CellArea(row, column), kCellPixelSize);
            cell->setAlignment(Qt::AlignCenter);
            cells_[static_cast<std::size_t>(CellId(slot, column) - kFirstCellId)] = cell;
        }
    }
    AddPanelLabel(this, 0, panel_look::kCaptionColour, layout::kHint)
        ->setText(QStringLiteral("点击表头的分析面名称，可查看该面的详细分析。"));
}

void CComprehensivePanel::AddAdvert() {
    auto* place = new QWidget(this);
    place->setObjectName(QString::number(kAdvertPlaceId));
    ui::Place(place, layout::kAdvert);
    place->hide();
    const AdvertChoice choice = ChooseComprehensiveAdvert(services_.config.hosts);
    advert_ = new CAdWnd(this, services_.shell, choice.link, choice.picture);
    advert_->move(place->pos());
    if (advert_->IsCreated()) advert_->show();
}

void CComprehensivePanel::AddNotes() {
    AddPanelLabel(this, kNoteIds[0], panel_look::kCaptionColour, layout::kNote1)
        ->setText(QStringLiteral("各分析面采用0~100分制，分值越大越好，总评分由各分析面根据一定百分比汇总而得到，"
                                 "分值越大越好。评测结果按效果从小到大分为 "));
    AddPanelLabel(this, kNoteIds[1], panel_look::kCaptionColour, layout::kNote2)
        ->setText(QStringLiteral("六个等级：高风险，风险，观望，安全，高价值。"));
}

QLineEdit* CComprehensivePanel::CodeEdit() const { return entry_->Edit(); }

CColorLabel* CComprehensivePanel::Cell(EvalSlot slot, int column) const {
    return cells_[static_cast<std::size_t>(CellId(slot, column) - kFirstCellId)];
}

void CComprehensivePanel::Activate() {
    entry_->SetCode(services_.currentCode.Get());
}

void CComprehensivePanel::Query() {
    if (ui::QueryRunning(this)) return;
    const std::string code = entry_->TakeCode();
    // Offline, nothing is asked; an empty code is not asked for either, and says nothing.
    if (!services_.online.IsOnline()) {
        ShowTip(this, Gbk("您的网络链接有问题!"));
        EndQuery();
        return;
    }
    if (code.empty()) {
        EndQuery();
        return;
    }
    ui::RunQuery(
        this,
        [&documents = services_.documents, code] { return CComprehensiveEval::Fetch(code, documents); },
        [this](CComprehensiveEval evaluation) {
            if (evaluation.Found()) {
                ShowEvaluation(evaluation);
                services_.lastEvaluation.Offer(std::move(evaluation));
            } else {
                ShowRecordFailure(this, evaluation.Status());
            }
            EndQuery();
        });
}

void CComprehensivePanel::ShowEvaluation(const CComprehensiveEval& evaluation) {
    services_.currentCode.Set(evaluation.Code());
    // A score that moved between the two evaluations is red in both rows; the time and
    // the verdict keep their colour.
    for (int column = 1; column < kVerdictColumn; ++column) {
        const bool changed = CellText(evaluation, EvalSlot::First, column) != CellText(evaluation, EvalSlot::Second, column);
        for (EvalSlot slot : {EvalSlot::First, EvalSlot::Second}) {
            Cell(slot, column)->textColor = changed ? kChangedColour : kSameColour;
            Cell(slot, column)->RedrawOnParent();
        }
    }
    stockLabel_->setText(ui::ToQString(evaluation.Code() + " " + evaluation.Name()));
    for (int column = 0; column < kColumns; ++column)
        for (EvalSlot slot : {EvalSlot::First, EvalSlot::Second})
            Cell(slot, column)->setText(ui::ToQString(CellText(evaluation, slot, column)));
    update();
}

void CComprehensivePanel::EndQuery() {
    entry_->FocusAndSelect();
}

void CComprehensivePanel::OpenDetail(Dimension dimension) {
    const CComprehensiveEval& last = services_.lastEvaluation.Get();
    if (!last.Found()) {
        ShowTip(this, Gbk(DetailOf(dimension).missingMessage));
        return;
    }
    if (dimension == Dimension::News) {
        CNewsDimensionDlg window(last, services_.shell, this);
        window.exec();
    } else {
        CDimensionDetailDlg window(dimension, last, this);
        window.exec();
    }
}

void CComprehensivePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    background_.Draw(painter);
}
