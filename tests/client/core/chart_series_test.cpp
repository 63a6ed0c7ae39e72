// Splitting the server's TAB-separated series and reading its values, malformed ones too.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client/core/chart_series.h"

using chart::IntegerValue;
using chart::SecondSeriesValue;
using chart::SplitSeries;
using chart::TruncatedValue;
using Pieces = std::vector<std::string>;

TEST(ChartSeries, TabEndsEveryPieceAndTrailingTextFormsTheLast) {
    EXPECT_EQ(SplitSeries("12\t-3\t"), (Pieces{"12", "-3"}));
    EXPECT_EQ(SplitSeries("12\t\t5"), (Pieces{"12", "", "5"}));
    EXPECT_EQ(SplitSeries("7"), (Pieces{"7"}));
    EXPECT_EQ(SplitSeries(""), Pieces{});
    EXPECT_EQ(SplitSeries("\t"), (Pieces{""}));
    EXPECT_EQ(SplitSeries("0105\t0106"), (Pieces{"0105", "0106"}));
    EXPECT_EQ(SplitSeries("1 2\n3\t4"), (Pieces{"1 2\n3", "4"}));  // only TAB separates
}

TEST(ChartSeries, IntegerReadingCutsFractionsAndStopsAtTheFirstNonDigit) {
    EXPECT_EQ(IntegerValue("30"), 30);
    EXPECT_EQ(IntegerValue("-12"), -12);
    EXPECT_EQ(IntegerValue("  +7"), 7);
    EXPECT_EQ(IntegerValue("30.9"), 30);
    EXPECT_EQ(IntegerValue("-0.7"), 0);
    EXPECT_EQ(IntegerValue("1e3"), 1);
    EXPECT_EQ(IntegerValue("12abc"), 12);
}

TEST(ChartSeries, FloatingReadingCutsTowardsZero) {
    EXPECT_EQ(TruncatedValue("30"), 30);
    EXPECT_EQ(TruncatedValue("-12.9"), -12);
    EXPECT_EQ(TruncatedValue("0.7"), 0);
    EXPECT_EQ(TruncatedValue("-0.7"), 0);
    EXPECT_EQ(TruncatedValue(".5e1"), 5);
    EXPECT_EQ(TruncatedValue("1e3"), 1000);
    EXPECT_EQ(TruncatedValue("2.5e"), 2);
    EXPECT_EQ(TruncatedValue(" -3.99x"), -3);
}

TEST(ChartSeries, SecondSeriesCountsMoreThanHalfAUnitAsOne) {
    EXPECT_EQ(SecondSeriesValue("0.7"), 1);
    EXPECT_EQ(SecondSeriesValue("-0.7"), -1);
    EXPECT_EQ(SecondSeriesValue("0.3"), 0);
    EXPECT_EQ(SecondSeriesValue("-0.3"), 0);
    EXPECT_EQ(SecondSeriesValue("0.5"), 0);  // strictly between 0.5 and 1 only
    EXPECT_EQ(SecondSeriesValue("-0.5"), 0);
    EXPECT_EQ(SecondSeriesValue("1.7"), 1);  // other values are cut as usual
    EXPECT_EQ(SecondSeriesValue("-2.9"), -2);
}

TEST(ChartSeries, MalformedValuesReadAsZeroAndHugeOnesAreHeld) {
    for (const char* bad : {"", "abc", "-", "+", ".", "e5", "nan", "inf", "-inf", "0x1F", "\xB2\xE9"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(IntegerValue(bad), 0);
        EXPECT_EQ(TruncatedValue(bad), 0);
        EXPECT_EQ(SecondSeriesValue(bad), 0);
    }
    const std::string huge(400, '9');
    EXPECT_EQ(IntegerValue(huge), chart::kChartValueLimit);
    EXPECT_EQ(IntegerValue("-" + huge), -chart::kChartValueLimit);
    EXPECT_EQ(TruncatedValue(huge), chart::kChartValueLimit);
    EXPECT_EQ(TruncatedValue("-1e999"), -chart::kChartValueLimit);
    EXPECT_EQ(TruncatedValue("1e-999"), 0);
    EXPECT_EQ(SecondSeriesValue("1e999"), chart::kChartValueLimit);
}
