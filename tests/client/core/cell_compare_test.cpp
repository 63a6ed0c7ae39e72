// The typed cell comparison and the date reader.
#include <gtest/gtest.h>

#include "client/core/cell_compare.h"
#include "client/core/cell_date.h"
#include "client/core/gbk.h"

namespace listview {
namespace {

TEST(CellCompare, WholeNumbersAreSignedDecimal) {
    EXPECT_LT(CompareCells("-5", "3"), 0);
    EXPECT_GT(CompareCells("3", "-5"), 0);
    EXPECT_LT(CompareCells("9", "10"), 0);
    EXPECT_EQ(CompareCells("007", "7"), 0);
    EXPECT_LT(CompareCells("-9223372036854775808", "9223372036854775807"), 0);
    EXPECT_EQ(ReadWholeNumber(" -42"), -42);
    for (const char* text : {"", "-", "0x10", "1A", "12 ", "5.0", "99999999999999999999"}) {
        EXPECT_FALSE(ReadWholeNumber(text)) << text;
    }
}

TEST(CellCompare, DecimalsAndPercentages) {
    EXPECT_LT(CompareCells("-1.2", "3%"), 0);
    EXPECT_LT(CompareCells("3%", "12.5%"), 0);
    EXPECT_GT(CompareCells("1e3", "999.5"), 0);
    EXPECT_EQ(ReadDecimalNumber("12.5%"), 12.5);
    EXPECT_EQ(ReadDecimalNumber("-.5"), -0.5);
    for (const char* text : {"", "%", "3%%", "3% ", "inf", "nan", "0x1p3", "1e999", "+-1", "5e"}) {
        EXPECT_FALSE(ReadDecimalNumber(text)) << text;
    }
    // Numbers beyond the whole-number range still order as numbers.
    EXPECT_LT(CompareCells("-99999999999999999999", "1"), 0);
}

TEST(CellCompare, MixedKindsCompareAsText) {
    EXPECT_GT(CompareCells("abc", "10"), 0);  // 'a' after '1'
    EXPECT_LT(CompareCells("10", "5x"), 0);   // text: '1' before '5'
    // The cycle that makes the order non-transitive: 9 < 10 < 5x < 9.
    EXPECT_LT(CompareCells("9", "10"), 0);
    EXPECT_LT(CompareCells("5x", "9"), 0);
    // GBK compares by unsigned bytes: a Chinese name sorts after ASCII.
    EXPECT_GT(CompareCells(Gbk("平安银行"), "ZZZ"), 0);
    EXPECT_GT(CompareCells(Gbk("万科A"), Gbk("平安银行")), 0);  // 0xCDF2 after 0xC6BD
}

TEST(CellDate, EachAcceptedForm) {
    const auto day = ReadDateTime("2026-12-07");
    ASSERT_TRUE(day);
    for (const std::string& text : {std::string("2026-12-7"), std::string("2026/12/07"), std::string("2026/12/7"),
                                   std::string("12/07/2026"), std::string("12/7/2026"), Gbk("2026年12月7日"),
                                   Gbk("2026年12月07日"), std::string("  2026-12-07  ")}) {
        EXPECT_EQ(ReadDateTime(text), day) << text;
    }
    const std::int64_t withMinutes = *day + 14 * 3600 + 30 * 60;
    for (const std::string& text : {std::string("2026-12-07 14:30"), std::string("2026/12/7 14:30:00"),
                                   std::string("12/07/2026 14:30"), Gbk("2026年12月7日 14:30"),
                                   Gbk("2026年12月7日14:30:00")}) {
        EXPECT_EQ(ReadDateTime(text), withMinutes) << text;
    }
    EXPECT_EQ(ReadDateTime("2026-12-07 9:05:07"), *day + 9 * 3600 + 5 * 60 + 7);
    EXPECT_EQ(ReadDateTime("14:30"), 14 * 3600 + 30 * 60);  // a time alone is on day 0
    EXPECT_EQ(*ReadDateTime("1899-12-31") - *ReadDateTime("1899-12-30"), 86400);
    EXPECT_EQ(ReadDateTime("1899-12-30"), 0);
}

TEST(CellDate, RejectsWhatIsNotADate) {
    for (const char* text : {"", "2026", "2026-13-01", "2026-02-29", "2026-04-31", "2026-12-07x", "2026-12/07",
                             "20261-12-07", "12/07/26", "2026-12-0714:30", "2026-12-07 24:00", "2026-12-07 12:60",
                             "2026-12-07 12:5", "2026-12-07 12:30:", "12:30:61", "-2026-12-07"}) {
        EXPECT_FALSE(ReadDateTime(text)) << text;
    }
    EXPECT_TRUE(ReadDateTime("2024-02-29"));  // leap year
    EXPECT_FALSE(ReadDateTime("1900-02-29"));
    EXPECT_TRUE(ReadDateTime("2000-02-29"));
}

TEST(CellCompare, DatesCompareInTimeAcrossForms) {
    EXPECT_LT(CompareCells("12/31/2025", "2026-01-01"), 0);  // text order would say otherwise
    EXPECT_LT(CompareCells(Gbk("2026年1月2日"), "2026/1/10"), 0);
    EXPECT_LT(CompareCells("2026-12-07 09:30", "2026-12-07 14:00"), 0);
    EXPECT_EQ(CompareCells("2026-12-07 00:00", "2026/12/07"), 0);
}

}  // namespace
}  // namespace listview
