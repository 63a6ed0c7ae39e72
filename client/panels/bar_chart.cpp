#include "client/panels/bar_chart.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "client/core/chart_layout.h"
#include "client/core/chart_series.h"
#include "common/ui/text.h"

namespace {

using chart::ChartLayout;
using chart::PixelRect;

// A small fixed-pitch face: 8 pixels high, about 4 wide, thin.
QFont ChartFont() {
    QFont font(QStringLiteral("Fixedsys"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(8);
    font.setWeight(QFont::Thin);
    const int advance = QFontMetrics(font).horizontalAdvance(QLatin1Char('0'));
    if (advance > 4) font.setStretch(400 / advance);
    return font;
}

// Text with its top-left corner at (x, y), over whatever is below.
void TextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

// Lines and rectangles as the window system draws them: the end point and the right and
// bottom edges lie outside; rectangles are filled and outlined with the pen.
void Line(QPainter& painter, int x0, int y0, int x1, int y1) {
    if (x0 == x1 && y0 != y1) painter.drawLine(x0, y0, x1, y1 > y0 ? y1 - 1 : y1 + 1);
    else if (y0 == y1 && x0 != x1) painter.drawLine(x0, y0, x1 > x0 ? x1 - 1 : x1 + 1, y1);
}

void Rectangle(QPainter& painter, const PixelRect& r, const QColor& fill) {
    if (r.IsEmpty()) return;
    painter.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), fill);
    painter.drawRect(QRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1));
}

void Bars(QPainter& painter, const ChartLayout& layout, const std::vector<std::string>& series,
          int (*units)(std::string_view), int step) {
    for (std::size_t slot = 0; slot < series.size(); ++slot) {
        const int value = units(series[slot]);
        const auto bar = layout.Bar(static_cast<int>(slot), value, step);
        if (bar) Rectangle(painter, bar->rect, ui::ToQColor(value > 0 ? CBarChart::kRiseColor : CBarChart::kFallColor));
    }
}

}  // namespace

CBarChart::CBarChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CBarChart::CreateFromStatic(int controlId, QWidget* parent) {
    QWidget* placeholder = parent ? parent->findChild<QWidget*>(QString::number(controlId), Qt::FindDirectChildrenOnly)
                                  : nullptr;
    if (!placeholder || placeholder == this) return false;
    setParent(parent);
    setGeometry(placeholder->geometry());
    setObjectName(placeholder->objectName());
    setVisible(!placeholder->isHidden());
    delete placeholder;
    return true;
}

void CBarChart::SetData(const std::string& first, const std::string& second, const std::string& times) {
    if (!first.empty()) series1_ = chart::SplitSeries(first);
    if (!second.empty()) series2_ = chart::SplitSeries(second);
    if (!times.empty()) timeLabels_ = chart::SplitSeries(times);
    scale_ = chart::ComputeChartScale(series1_, series2_);
}

void CBarChart::MarkHasData() {
    hasData_ = true;
    update();
}

void CBarChart::paintEvent(QPaintEvent*) {
    QImage buffer(size(), QImage::Format_RGB32);
    {
        QPainter painter(&buffer);
        Draw(painter);
    }
    QPainter(this).drawImage(0, 0, buffer);
}

void CBarChart::Draw(QPainter& painter) const {
    const int labelCount = static_cast<int>(timeLabels_.size());
    const ChartLayout layout(width(), height(), labelCount, scale_ ? scale_->zeroRow : 0);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(ChartFont());

    painter.fillRect(rect(), ui::ToQColor(kBackground));
    Rectangle(painter, layout.Plot(), ui::ToQColor(kPlotColor));
    TextAt(painter, width() / 2, height() - 13, QStringLiteral("(时间：月日)"));
    TextAt(painter, 3, 34, QStringLiteral("(金额：百万)"));
    if (!hasData_ || !scale_) return;

    for (int i = 0; i <= labelCount; ++i) {
        const int x = layout.SlotX(i);
        Line(painter, x, layout.TickTop(), x, layout.TickBottom());
        if (i < labelCount) TextAt(painter, x, layout.TimeLabelY(), ui::ToQString(timeLabels_[i]));
    }
    for (int row = 0; row <= chart::kRowCount; ++row) {
        if (row > 0 && row < chart::kRowCount) {
            Line(painter, chart::kLeftMargin, layout.GridY(row), width() - chart::kMargin, layout.GridY(row));
        }
        TextAt(painter, 20, layout.ScaleLabelY(row), QString::number(scale_->ValueAtRow(row)));
    }
    // Both series share a slot's bar position; the second is drawn over the first.
    Bars(painter, layout, series1_, chart::TruncatedValue, scale_->step);
    Bars(painter, layout, series2_, chart::SecondSeriesValue, scale_->step);
}
