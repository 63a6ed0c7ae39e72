// The site lines of a news category: taken while the category total lasts, numbered from
// 1, never more than ten, safe with counts that are not numbers.
#include "client/data/site_lines.h"

#include <gtest/gtest.h>

#include "support/memory_document_source.h"

namespace {

SiteCategory Category(const std::string& total, std::initializer_list<const char*> counts) {
    SiteCategory category;
    category.count = total;
    std::size_t i = 0;
    for (const char* count : counts) {
        category.entries[i] = {"site" + std::to_string(i + 1), count, "http://s/" + std::to_string(i + 1)};
        ++i;
    }
    return category;
}

std::vector<std::string> Texts(const std::vector<SiteLine>& lines) {
    std::vector<std::string> texts;
    for (const SiteLine& line : lines) texts.push_back(line.text);
    return texts;
}

TEST(SiteLines, TotalUsedUpByTheCountsEndsTheList) {
    const auto lines = SiteLines(Category("3", {"2", "1", "5"}));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, Gbk("1。site1出现2次"));
    EXPECT_EQ(lines[0].link, "http://s/1");
    EXPECT_EQ(lines[1].text, Gbk("2。site2出现1次"));
    EXPECT_EQ(lines[1].link, "http://s/2");

    // The entry that passes the total is still listed; an exact fit stops after it.
    EXPECT_EQ(SiteLines(Category("3", {"1", "5", "1"})).size(), 2u);
    EXPECT_EQ(SiteLines(Category("4", {"4", "1"})).size(), 1u);
}

TEST(SiteLines, NoTotalNoLines) {
    EXPECT_TRUE(SiteLines(Category("0", {"2", "1"})).empty());
    EXPECT_TRUE(SiteLines(Category("", {"2", "1"})).empty());
    EXPECT_TRUE(SiteLines(Category("-4", {"2", "1"})).empty());
    EXPECT_TRUE(SiteLines(Category(Gbk("很多"), {"2", "1"})).empty());
}

TEST(SiteLines, TheTenthEntryIsNumberedTen) {
    const auto lines = SiteLines(Category("500", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[9].text, Gbk("10。site10出现10次"));
    EXPECT_EQ(lines[9].link, "http://s/10");
}

TEST(SiteLines, CountsThatAreNotNumbersTakeNothingOffTheTotal) {
    // Shown as the server wrote them; the list runs on to the tenth entry.
    const auto lines = SiteLines(Category("2", {"x", "", "1.5", "-3", "+1", " 1", "99999999999999999999",
                                                "abc", "1", "1"}));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].text, Gbk("1。site1出现x次"));
    EXPECT_EQ(lines[2].text, Gbk("3。site3出现1.5次"));
    // "1.5" counts 1, "-3" gives 3 back, "+1" and " 1" take 1 each: total 2 - 1 + 3 - 1 - 1 = 2,
    // then the huge count uses it up.
}

TEST(SiteLines, AnEmptyEntryEndsTheList) {
    // The server listed two sites but claims five appearances: no blank lines after them.
    EXPECT_EQ(Texts(SiteLines(Category("5", {"2", "1"}))),
              (std::vector<std::string>{Gbk("1。site1出现2次"), Gbk("2。site2出现1次")}));
}

}  // namespace
