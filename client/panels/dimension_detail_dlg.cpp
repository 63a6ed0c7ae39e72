#include "client/panels/dimension_detail_dlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "client/panels/color_label.h"
#include "client/panels/dimension_details.h"
#include "client/panels/panel_label.h"
#include "common/platform/paths.h"
#include "common/skin/detail_layout.h"
#include "common/ui/skin_place.h"
#include "common/ui/text.h"

namespace {

namespace layout = skin::detail_window;

constexpr ui::ColorRef kStockColour = ui::Rgb(35, 99, 133);
constexpr int kValuePixelSize = 13;

skin::Area AreaAt(const skin::Rect& rect) { return {"", rect}; }

int RowHeight(Dimension dimension) {
    return dimension == Dimension::Expert ? layout::kTallRowHeight : layout::kRowHeight;
}

// What a value column shows: one of the block's values, or for the news dimension the
// count of a site category.
std::string ColumnText(const DimensionDetail& detail, const DimensionBlock& block, std::size_t column) {
    if (detail.dimension == Dimension::News) return block.categories[column].count;
    const std::size_t index = detail.valueIndex[column];
    return index < block.values.size() ? block.values[index] : std::string();
}

}  // namespace

std::vector<int> CDimensionDetailDlg::RowIds(EvalSlot slot, std::size_t columns) {
    const bool first = slot == EvalSlot::First;
    std::vector<int> ids{first ? 1017 : 1019, first ? 1018 : 1020};
    for (std::size_t c = 1; c < columns; ++c) ids.push_back((first ? 1039 : 1043) + static_cast<int>(c));
    return ids;
}

CDimensionDetailDlg::CDimensionDetailDlg(Dimension dimension, const CComprehensiveEval& evaluation,
                                         QWidget* parent)
    : CDimensionDetailDlg(dimension, evaluation, 0, parent) {}

CDimensionDetailDlg::CDimensionDetailDlg(Dimension dimension, const CComprehensiveEval& evaluation,
                                         int gap, QWidget* parent)
    : QDialog(parent) {
    const DimensionDetail& detail = DetailOf(dimension);
    setObjectName(QString::number(detail.dialogId));
    setWindowTitle(QStringLiteral("Quorvel"));
    background_.Load(platform::JoinPath(platform::ProgramDirectory(), "image\\bg_midall.gif"));

    AddPanelLabel(this, kTitleId, 0, AreaAt(layout::kTitle), kHeadingPixelSize)
        ->setText(QString::fromUtf8(detail.title));
    AddPanelLabel(this, kHeadingId, panel_look::kStockColour, AreaAt(layout::kHeading), kHeadingPixelSize)
        ->setText(ui::ToQString(evaluation.Code() + "   " + evaluation.Name()));

    const int rowHeight = RowHeight(dimension);
    AddTable(detail, evaluation, rowHeight);
    tableBottom_ = layout::TableBottom(rowHeight);
    AddStocksAndNote(detail, evaluation, tableBottom_ + gap);
    setFixedSize(layout::kWidth, layout::WindowHeight(tableBottom_ + gap));
}

void CDimensionDetailDlg::AddTable(const DimensionDetail& detail, const CComprehensiveEval& evaluation,
                                   int rowHeight) {
    const int columns = static_cast<int>(detail.columnCount);
    const auto cell = [&](int row, int column) { return AreaAt(layout::TableCell(row, column, columns, rowHeight)); };

    captions_.push_back(AddPanelLabel(this, 0, panel_look::kCaptionColour, cell(0, 0)));
    captions_.back()->setText(QStringLiteral("时间"));
    for (int c = 0; c < columns; ++c) {
        captions_.push_back(AddPanelLabel(this, 0, panel_look::kCaptionColour, cell(0, c + 1)));
        captions_.back()->setText(QString::fromUtf8(detail.captions[static_cast<std::size_t>(c)]));
    }
    for (QLabel* caption : captions_) caption->setAlignment(Qt::AlignCenter);

    const bool wide = detail.dimension == Dimension::Expert;
    for (EvalSlot slot : {EvalSlot::First, EvalSlot::Second}) {
        const int row = slot == EvalSlot::First ? 1 : 2;
        const DimensionBlock& block = evaluation.Block(slot, detail.dimension);
        const std::vector<int> ids = RowIds(slot, detail.columnCount);
        for (int c = 0; c <= columns; ++c) {
            auto* value = new QLabel(this);
            value->setObjectName(QString::number(ids[static_cast<std::size_t>(c)]));
            QFont font = value->font();
            font.setPixelSize(kValuePixelSize);
            value->setFont(font);
            ui::Place(value, cell(row, c));
            value->setAlignment(wide && c > 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            value->setWordWrap(wide);
            value->setText(ui::ToQString(c == 0 ? evaluation.Time(slot)
                                                : ColumnText(detail, block, static_cast<std::size_t>(c - 1))));
        }
    }
}

void CDimensionDetailDlg::AddStocksAndNote(const DimensionDetail& detail, const CComprehensiveEval& evaluation,
                                           int top) {
    AddPanelLabel(this, 0, kStockColour, AreaAt(layout::StocksCaption(top)))
        ->setText(QString::fromUtf8(detail.stocksCaption));
    const DimensionBlock& block = evaluation.Block(EvalSlot::First, detail.dimension);
    for (int i = 0; i < static_cast<int>(kRecommendedStockCount); ++i) {
        AddPanelLabel(this, kFirstStockId + i, kStockColour, AreaAt(layout::Stock(top, i)))
            ->setText(ui::ToQString(block.recommendedStocks[static_cast<std::size_t>(i)]));
    }
    AddWrappingPanelLabel(this, 0, panel_look::kCaptionColour, AreaAt(layout::Note(top)))->setText(QString::fromUtf8(detail.note));
}

void CDimensionDetailDlg::paintEvent(QPaintEvent*) {
    if (!background_.IsLoaded()) return;
    QPainter painter(this);
    painter.drawImage(rect(), background_.Bitmap());
}

void CDimensionDetailDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
