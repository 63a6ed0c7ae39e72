// Column formats: titles kept with their blanks, widths, alignment codes, empty pieces dropped.
#include <gtest/gtest.h>

#include "client/core/column_format.h"
#include "client/core/gbk.h"

namespace listview {
namespace {

TEST(ColumnFormat, EightBlankTitledCentredColumns) {
    const auto columns = ParseColumnFormat(" , 50,1; , 70,1; , 100, 1; , 110,1; , 100,1; , 110, 1; , 110,1; , 100,1");
    ASSERT_EQ(columns.size(), 8u);
    const int widths[] = {50, 70, 100, 110, 100, 110, 110, 100};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].title, " ");
        EXPECT_EQ(columns[i].width, widths[i]);
        EXPECT_EQ(columns[i].align, ColumnAlign::Centre);
    }
}

TEST(ColumnFormat, ChineseTitlesKeepLeadingBlanks) {
    const auto columns = ParseColumnFormat(Gbk("板块名称, 80,1; 类别, 60,1; 指数, 80, 1"));
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].title, Gbk("板块名称"));
    EXPECT_EQ(columns[1].title, Gbk(" 类别"));
    EXPECT_EQ(columns[2].title, Gbk(" 指数"));
    EXPECT_EQ(columns[1].width, 60);
}

TEST(ColumnFormat, DefaultsAndEmptyPieces) {
    EXPECT_TRUE(ParseColumnFormat("").empty());
    EXPECT_TRUE(ParseColumnFormat(";;,;,,").empty());

    const auto columns = ParseColumnFormat("Name;;Zero,0;;Right,40,2;Odd,30,7;,,Skipped,20,1");
    ASSERT_EQ(columns.size(), 5u);
    EXPECT_EQ(columns[0].width, kDefaultColumnWidth);
    EXPECT_EQ(columns[0].align, ColumnAlign::Left);
    EXPECT_EQ(columns[1].width, 0);
    EXPECT_EQ(columns[2].align, ColumnAlign::Right);
    EXPECT_EQ(columns[3].align, ColumnAlign::Left);
    // Empty fields are dropped, so the first non-empty field is the title.
    EXPECT_EQ(columns[4].title, "Skipped");
    EXPECT_EQ(columns[4].width, 20);
    EXPECT_EQ(columns[4].align, ColumnAlign::Centre);
}

TEST(ColumnFormat, UnreadableOrHostileWidthsAreSafe) {
    const auto columns = ParseColumnFormat("a,abc;b,-40;c,99999999999999999999999;d, 12px");
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[0].width, 0);
    EXPECT_EQ(columns[1].width, 0);
    EXPECT_GT(columns[2].width, 0);
    EXPECT_LE(columns[2].width, 100000);
    EXPECT_EQ(columns[3].width, 12);
}

}  // namespace
}  // namespace listview
