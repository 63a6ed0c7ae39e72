// The chart's integer scale and where its bars land, for worked examples and random data.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "client/core/chart_layout.h"
#include "client/core/chart_scale.h"
#include "client/core/chart_series.h"

using chart::ChartLayout;
using chart::ComputeChartScale;
using chart::PixelRect;
using Series = std::vector<std::string>;

namespace {

void ExpectScale(const Series& first, const Series& second, int maxValue, int minValue, int step, int zeroRow) {
    const auto scale = ComputeChartScale(first, second);
    ASSERT_TRUE(scale.has_value());
    EXPECT_EQ(scale->maxValue, maxValue);
    EXPECT_EQ(scale->minValue, minValue);
    EXPECT_EQ(scale->step, step);
    EXPECT_EQ(scale->zeroRow, zeroRow);
}

}  // namespace

TEST(ChartScale, WorkedExamples) {
    // 42 / 5 = 8, rests 6 (max) and 4 (min): the step grows to 9, zero two rows up.
    ExpectScale({"30", "-12"}, {}, 30, -12, 9, 2);
    // All positive: the minimum becomes 0 and the zero line sits one row up.
    ExpectScale({"10", "20", "30"}, {}, 30, 0, 7, 1);
    // Two series: the top from the first, the bottom from the second.
    ExpectScale({"50", "20"}, {"-30", "-5"}, 50, -30, 18, 2);
    // Fractions are cut before the scale is made; a malformed value counts as 0.
    ExpectScale({"30.9", "x", "-12.8"}, {}, 30, -12, 9, 2);
    // The smallest span that has a scale.
    ExpectScale({"5"}, {}, 5, 0, 2, 1);

    const auto scale = ComputeChartScale({"30", "-12"}, {});
    EXPECT_EQ(scale->ValueAtRow(0), -18);
    EXPECT_EQ(scale->ValueAtRow(2), 0);
    EXPECT_EQ(scale->ValueAtRow(6), 36);
}

TEST(ChartScale, FlatDataAndAnEmptyFirstSeriesHaveNoScale) {
    EXPECT_FALSE(ComputeChartScale({}, {}));
    EXPECT_FALSE(ComputeChartScale({}, {"-40", "-3"}));
    EXPECT_FALSE(ComputeChartScale({"0", "0", "0"}, {}));
    EXPECT_FALSE(ComputeChartScale({"4", "1"}, {}));
    EXPECT_FALSE(ComputeChartScale({"0.7", "4.9"}, {"-0.9"}));
    EXPECT_FALSE(ComputeChartScale({"-12", "-10"}, {}));   // span 2
    EXPECT_FALSE(ComputeChartScale({"-20"}, {"-12"}));      // span negative
    EXPECT_FALSE(ComputeChartScale({"abc", ""}, {"nan"}));  // nothing readable
}

TEST(ChartLayout, BarsOfTheWorkedExample) {
    // The money-flow chart's placeholder size, two time labels, the scale of 30 and -12.
    const ChartLayout layout(741, 188, 2, 2);
    EXPECT_EQ(layout.rowHeight(), 23);
    EXPECT_EQ(layout.plotHeight(), 138);
    EXPECT_EQ(layout.slotWidth(), 222);
    EXPECT_EQ(layout.top(), 25);
    EXPECT_EQ(layout.zeroY(), 117);

    const auto up = layout.Bar(0, 30, 9);  // 30 * 23 / 9 = 76.7 pixels
    ASSERT_TRUE(up);
    EXPECT_EQ(up->rect, (PixelRect{60, 41, 70, 117}));
    EXPECT_FALSE(up->clipped);
    const auto down = layout.Bar(1, -12, 9);  // -30.7 pixels
    ASSERT_TRUE(down);
    EXPECT_EQ(down->rect, (PixelRect{282, 117, 292, 147}));

    EXPECT_FALSE(layout.Bar(0, 0, 9));
    const auto unit = layout.Bar(0, 1, 9);  // one unit: 2 pixels
    ASSERT_TRUE(unit);
    EXPECT_EQ(unit->rect.bottom - unit->rect.top, 2);
    EXPECT_FALSE(layout.Bar(0, 1, 30));  // under a pixel
}

TEST(ChartLayout, BarsOffTheScaleAreClippedToThePlot) {
    // A first series with no value >= 0 puts its zero line below the plot.
    const auto scale = ComputeChartScale({"-101", "-112"}, {});
    ASSERT_TRUE(scale);
    EXPECT_LT(scale->zeroRow, 0);
    const ChartLayout layout(741, 188, 2, scale->zeroRow);
    EXPECT_GT(layout.zeroY(), layout.Plot().bottom);
    const auto bar = layout.Bar(0, -101, scale->step);
    if (bar) {
        EXPECT_TRUE(layout.Plot().Contains(bar->rect));
    }

    // A second-series value above the first's maximum.
    const ChartLayout tall(741, 188, 1, 2);
    const auto clipped = tall.Bar(0, 500, 9);
    ASSERT_TRUE(clipped);
    EXPECT_TRUE(clipped->clipped);
    EXPECT_EQ(clipped->rect.top, tall.Plot().top);
    // A slot past the right end of the plot.
    EXPECT_FALSE(tall.Bar(5, 10, 9));
    // A zero line absurdly far away and a huge value stay finite.
    const ChartLayout far(741, 188, 1, 500'000'000);
    const auto farBar = far.Bar(0, -chart::kChartValueLimit, 1);
    if (farBar) {
        EXPECT_TRUE(far.Plot().Contains(farBar->rect));
    }
}

// Random data of the money-flow shapes: one series with at least one value >= 0, or a
// non-negative first series with a non-positive second. Every value lies on the scale and
// its bar stands inside the plot unclipped.
TEST(ChartScale, RandomDataOfTheUsualShapesLiesOnTheScale) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> tenths(0, 200000);
    std::uniform_int_distribution<int> count(1, 20);
    std::uniform_int_distribution<int> coin(0, 1);
    std::uniform_int_distribution<int> height(60, 600);
    const auto text = [](int tenthsValue) {
        const int whole = tenthsValue / 10, fraction = std::abs(tenthsValue % 10);
        return (tenthsValue < 0 && whole == 0 ? "-" : "") + std::to_string(whole) + "." + std::to_string(fraction);
    };
    int checked = 0;
    for (int round = 0; round < 2000; ++round) {
        const bool twoSeries = coin(random) == 1;
        Series first, second;
        const int n = count(random);
        for (int i = 0; i < n; ++i) {
            const int value = tenths(random) / (1 + coin(random) * 99);
            first.push_back(text(twoSeries || coin(random) ? value : -value));
            if (twoSeries) second.push_back(text(-tenths(random) / (1 + coin(random) * 99)));
        }
        if (!twoSeries) first[0] = text(std::abs(tenths(random)));  // a value >= 0
        const auto scale = ComputeChartScale(first, second);
        if (!scale) continue;
        ++checked;
        ASSERT_GE(scale->step, 1);
        ASSERT_GE(scale->zeroRow, 1);
        ASSERT_LE(scale->zeroRow, 5);
        const ChartLayout layout(75 + (n + 1) * 20, height(random), n, scale->zeroRow);
        const auto check = [&](int slot, int units) {
            SCOPED_TRACE(testing::Message() << "round " << round << " slot " << slot << " units " << units);
            ASSERT_GE(units, scale->ValueAtRow(0));
            ASSERT_LE(units, scale->ValueAtRow(6));
            if (const auto bar = layout.Bar(slot, units, scale->step)) {
                ASSERT_FALSE(bar->clipped);
                ASSERT_TRUE(layout.Plot().Contains(bar->rect));
            }
        };
        for (int i = 0; i < n; ++i) {
            check(i, chart::TruncatedValue(first[i]));
            if (twoSeries) check(i, chart::SecondSeriesValue(second[i]));
        }
    }
    EXPECT_GT(checked, 1500);
}

// Any values at all, any size of window: no bar ever leaves the plot.
TEST(ChartLayout, RandomDataNeverPaintsOutsideThePlot) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> value(-100000, 100000);
    std::uniform_int_distribution<int> count(0, 30);
    std::uniform_int_distribution<int> size(0, 900);
    for (int round = 0; round < 2000; ++round) {
        Series first(count(random)), second(count(random));
        for (auto& v : first) v = std::to_string(value(random) / (1 + size(random)));
        for (auto& v : second) v = std::to_string(value(random) / (1 + size(random)));
        const auto scale = ComputeChartScale(first, second);
        if (!scale) continue;
        const ChartLayout layout(size(random), size(random), count(random), scale->zeroRow);
        for (int slot = 0; slot < static_cast<int>(std::max(first.size(), second.size())); ++slot) {
            for (const Series* series : {&first, &second}) {
                if (slot >= static_cast<int>(series->size())) continue;
                const auto bar = layout.Bar(slot, chart::TruncatedValue((*series)[slot]), scale->step);
                if (bar) {
                    ASSERT_TRUE(layout.Plot().Contains(bar->rect)) << "round " << round;
                }
            }
        }
    }
}
