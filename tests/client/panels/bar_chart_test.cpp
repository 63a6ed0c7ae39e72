// CBarChart painted offscreen: the empty plot, bar colours and positions, the second
// series' rounding, and bars kept inside the plot whatever the data.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <memory>

#include "client/core/chart_layout.h"
#include "client/panels/bar_chart.h"
#include "common/ui/color.h"

namespace {

constexpr int kWidth = 741, kHeight = 188;  // the money-flow panels' chart area
const QRgb kRed = ui::ToOpaqueRgb(CBarChart::kRiseColor);
const QRgb kGreen = ui::ToOpaqueRgb(CBarChart::kFallColor);
const QRgb kGrey = ui::ToOpaqueRgb(CBarChart::kPlotColor);

// A chart of the given size that has been handed data.
std::unique_ptr<CBarChart> Filled(const char* first, const char* second, const char* times, int width = kWidth,
                                  int height = kHeight) {
    auto chart = std::make_unique<CBarChart>();
    chart->resize(width, height);
    chart->SetData(first, second, times);
    chart->MarkHasData();
    return chart;
}

QImage Shot(CBarChart& chart) {
    return chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

chart::ChartLayout LayoutOf(const CBarChart& chart) {
    return chart::ChartLayout(chart.width(), chart.height(), static_cast<int>(chart.TimeLabels().size()),
                              chart.Scale() ? chart.Scale()->zeroRow : 0);
}

// Red and green pixels in columns [left, right), all rows.
int CountInColumns(const QImage& image, int left, int right, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x) count += image.pixel(x, y) == colour;
    }
    return count;
}

// Bar-coloured pixels outside the plot rectangle, outline included.
int BarPixelsOutsidePlot(const QImage& image, const chart::PixelRect& plot) {
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inPlot = x >= plot.left && x < plot.right && y >= plot.top && y < plot.bottom;
            const QRgb pixel = image.pixel(x, y);
            if (!inPlot && (pixel == kRed || pixel == kGreen)) ++outside;
        }
    }
    return outside;
}

}  // namespace

TEST(BarChart, BeforeDataAndForFlatDataOnlyTheEmptyPlotShows) {
    CBarChart chart;
    chart.resize(kWidth, kHeight);
    const QImage empty = Shot(chart);
    const chart::PixelRect plot = LayoutOf(chart).Plot();
    EXPECT_EQ(empty.pixel(plot.left, plot.top + 40), qRgb(0, 0, 0));  // outline
    EXPECT_EQ(empty.pixel(plot.left + 1, plot.top + 1), kGrey);
    EXPECT_EQ(empty.pixel(400, 100), kGrey);
    EXPECT_EQ(empty.pixel(plot.right, 100), ui::ToOpaqueRgb(CBarChart::kBackground));
    EXPECT_EQ(CountInColumns(empty, 0, kWidth, kRed) + CountInColumns(empty, 0, kWidth, kGreen), 0);
    // The captions are there: dark pixels left of the plot and below it.
    int captionPixels = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool beside = x < plot.left || y >= plot.bottom;
            captionPixels += beside && qGray(empty.pixel(x, y)) < 160;
        }
    }
    EXPECT_GT(captionPixels, 20);

    chart.SetData("3\t1", "", "0105\t0106");  // too flat for a scale
    chart.MarkHasData();
    EXPECT_TRUE(chart.HasData());
    EXPECT_FALSE(chart.Scale());
    EXPECT_EQ(Shot(chart), empty);
}

TEST(BarChart, PositiveValuesRiseRedAndNegativeValuesFallGreen) {
    const auto filled = Filled("30\t-12", "", "0105\t0106");
    CBarChart& chart = *filled;
    ASSERT_TRUE(chart.Scale());
    EXPECT_EQ(chart.Scale()->step, 9);
    const QImage image = Shot(chart);
    const chart::ChartLayout layout = LayoutOf(chart);
    const int zero = layout.zeroY();
    EXPECT_EQ(zero, 117);
    // Slot 0: red above the zero line, 76 pixels high; slot 1: green below it.
    EXPECT_EQ(image.pixel(65, zero - 2), kRed);
    EXPECT_EQ(image.pixel(65, zero - 75), kRed);
    EXPECT_EQ(image.pixel(65, zero - 76), qRgb(0, 0, 0));  // the bar's outline
    EXPECT_EQ(image.pixel(65, zero + 5), kGrey);
    const int x1 = layout.SlotX(1);
    EXPECT_EQ(image.pixel(x1 + 15, zero + 10), kGreen);
    EXPECT_EQ(image.pixel(x1 + 15, zero - 10), kGrey);
    EXPECT_EQ(image.pixel(x1 + 5, zero + 10), kGrey);  // bars start 10 pixels into the slot
    EXPECT_EQ(BarPixelsOutsidePlot(image, layout.Plot()), 0);

    // The screen copy equals drawing straight onto a device.
    QImage direct(chart.size(), QImage::Format_RGB32);
    QPainter painter(&direct);
    chart.Draw(painter);
    painter.end();
    EXPECT_EQ(direct, image);
}

TEST(BarChart, SecondSeriesRoundsMoreThanHalfAUnitUpTheFirstDoesNot) {
    const auto filled = Filled("20\t0.7\t0", "-10\t0.7\t0.3", "0105\t0106\t0107");
    CBarChart& chart = *filled;
    ASSERT_TRUE(chart.Scale());
    ASSERT_LE(chart.Scale()->step, LayoutOf(chart).rowHeight());  // one unit is at least a pixel
    QImage image = Shot(chart);
    chart::ChartLayout layout = LayoutOf(chart);
    const auto slotRed = [&](int slot) {
        return CountInColumns(image, layout.SlotX(slot) + 10, layout.SlotX(slot) + 20, kRed);
    };
    EXPECT_GT(slotRed(1), 0);   // second series "0.7": one unit
    EXPECT_EQ(slotRed(2), 0);   // second series "0.3": nothing
    EXPECT_EQ(image.pixel(layout.SlotX(1) + 15, layout.zeroY() - 2), kRed);

    const auto first = Filled("20\t0.7", "", "0105\t0106");
    image = Shot(*first);
    layout = LayoutOf(*first);
    EXPECT_GT(slotRed(0), 0);
    EXPECT_EQ(slotRed(1), 0);  // first series "0.7": nothing
}

TEST(BarChart, EmptyTextKeepsASeriesAndTheScaleFollowsTheData) {
    CBarChart chart;
    chart.SetData("30\t-12", "-20", "0105\t0106");
    EXPECT_EQ(chart.Scale()->minValue, -20);
    chart.SetData("40", "", "");
    EXPECT_EQ(chart.Series1(), std::vector<std::string>{"40"});
    EXPECT_EQ(chart.Series2(), std::vector<std::string>{"-20"});
    EXPECT_EQ(chart.TimeLabels().size(), 2u);
    EXPECT_EQ(chart.Scale()->maxValue, 40);
    EXPECT_FALSE(chart.HasData());
}

TEST(BarChart, NoBarLeavesThePlotWhateverTheDataOrSize) {
    struct Case {
        const char* first;
        const char* second;
        const char* times;
        int width, height;
    } cases[] = {
        {"-101\t-112", "", "a\tb", kWidth, kHeight},                // zero line below the plot
        {"-12\t-30", "", "a", kWidth, kHeight},                     // zero line above it
        {"30\t5", "500\t-900\t1e999", "a\tb\tc", kWidth, kHeight},  // second series off the scale
        {"30\t-12\t8\t9\t10\t11", "", "a", kWidth, kHeight},        // more values than slots
        {"30\t-12", "-5", "a\tb", 90, 70},                          // a cramped control
        {"30\t-12", "-5", "a\tb", 40, 30},                          // smaller than the margins
        {"nan\t-\t\xB2\xE9\t999999999999", "0x10\tinf", "", kWidth, kHeight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        const auto chart = Filled(c.first, c.second, c.times, c.width, c.height);
        EXPECT_EQ(BarPixelsOutsidePlot(Shot(*chart), LayoutOf(*chart).Plot()), 0);
    }
}

TEST(BarChart, TakesThePlaceOfItsPlaceholder) {
    QWidget panel;
    auto* placeholder = new QWidget(&panel);
    placeholder->setObjectName(QStringLiteral("1071"));
    placeholder->setGeometry(16, 57, kWidth, kHeight);
    auto* chart = new CBarChart;
    ASSERT_TRUE(chart->CreateFromStatic(1071, &panel));
    EXPECT_EQ(chart->parentWidget(), &panel);
    EXPECT_EQ(chart->geometry(), QRect(16, 57, kWidth, kHeight));
    EXPECT_EQ(panel.findChild<QWidget*>(QStringLiteral("1071")), chart);
    EXPECT_FALSE(chart->CreateFromStatic(1072, &panel));
}
