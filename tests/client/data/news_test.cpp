// The news summary cut and the news record.
#include <gtest/gtest.h>

#include <string>

#include "client/data/news_info.h"
#include "client/data/news_summary.h"
#include "support/memory_document_source.h"

namespace {

const std::string kHan = "\xD6\xD0";  // one GBK double-byte character (中)

TEST(NewsSummary, ShortContentIsTakenWholeLongContentIsCut) {
    EXPECT_EQ(MakeNewsSummary(""), "");
    EXPECT_EQ(MakeNewsSummary(std::string(240, 'a')), std::string(240, 'a'));
    EXPECT_EQ(MakeNewsSummary(std::string(241, 'a')), std::string(240, 'a') + "......");
    // 120 double-byte characters are exactly 240 bytes: whole.
    std::string han120;
    for (int i = 0; i < 120; ++i) han120 += kHan;
    EXPECT_EQ(MakeNewsSummary(han120), han120);
    EXPECT_EQ(MakeNewsSummary(han120 + "x"), han120 + "......");
}

TEST(NewsSummary, CutNeverSplitsADoubleByteCharacter) {
    // A character occupying bytes 239 and 240 (1-based) ends before the limit: kept.
    const std::string before = std::string(238, 'a') + kHan;
    EXPECT_EQ(MakeNewsSummary(before + kHan + "tail"), before + "......");
    // A character occupying bytes 240 and 241 would be split: cut before it.
    const std::string straddle = std::string(239, 'a');
    EXPECT_EQ(MakeNewsSummary(straddle + kHan + "tail"), straddle + "......");
    // Odd alignment throughout: one ASCII byte, then double-byte characters.
    std::string odd = "a";
    for (int i = 0; i < 130; ++i) odd += kHan;
    const std::string summary = MakeNewsSummary(odd);
    EXPECT_EQ(summary, odd.substr(0, 239) + "......");
}

std::string NewsDocument(const std::string& time, const std::string& content) {
    return "<News><Time>" + time + "</Time><Title>沪指收涨</Title><Content>" + content +
           "</Content><LinkUrl>http://news.example/1</LinkUrl></News>";
}

TEST(NewsInfo, NewTimeGivesTheNewsWithItsSummary) {
    MemoryDocumentSource docs;
    docs.Serve("/KRClientInfo/NewsInfo.xml", NewsDocument("2026-12-07 09:30", "今日两市高开。"));
    auto news = CNewsInfo::Fetch("2026-12-06 15:00", docs);
    EXPECT_TRUE(news.HasNewNews());
    EXPECT_EQ(news.Time(), "2026-12-07 09:30");
    EXPECT_EQ(news.Title(), Gbk("沪指收涨"));
    EXPECT_EQ(news.Summary(), Gbk("今日两市高开。"));
    EXPECT_EQ(news.Link(), "http://news.example/1");
}

TEST(NewsInfo, SameTimeIsNoNewsAndLongChineseContentIsCutOnACharacter) {
    MemoryDocumentSource docs;
    std::string content;
    for (int i = 0; i < 200; ++i) content += "涨";
    docs.Serve("/KRClientInfo/NewsInfo.xml", NewsDocument("t1", "a" + content));
    auto same = CNewsInfo::Fetch("t1", docs);
    EXPECT_FALSE(same.HasNewNews());
    EXPECT_EQ(same.Summary(), "");
    EXPECT_EQ(same.Time(), "t1");

    auto fresh = CNewsInfo::Fetch("", docs);
    ASSERT_TRUE(fresh.HasNewNews());
    const std::string gbk = Gbk("a" + content);
    EXPECT_EQ(fresh.Summary(), gbk.substr(0, 239) + "......");
}

TEST(NewsInfo, UnreadableDocumentIsNeverNews) {
    MemoryDocumentSource docs;  // nothing served
    auto unreachable = CNewsInfo::Fetch("2026-12-06 15:00", docs);
    EXPECT_FALSE(unreachable.HasNewNews());
    EXPECT_EQ(unreachable.Time(), "");
    EXPECT_EQ(unreachable.Summary(), "");

    for (const std::string& text :
         {std::string("<News><Title>x</Title></News>"), std::string("<News><Ti"),
          std::string("garbage")}) {
        MemoryDocumentSource bad;
        bad.Serve("/KRClientInfo/NewsInfo.xml", text);
        EXPECT_FALSE(CNewsInfo::Fetch("t", bad).HasNewNews()) << text;
    }
}

TEST(NewsInfo, OutOfOrderElementsReadEmpty) {
    MemoryDocumentSource docs;
    docs.Serve("/KRClientInfo/NewsInfo.xml",
               "<News><Time>t2</Time><Content>c</Content><Title>x</Title>"
               "<LinkUrl>l</LinkUrl></News>");
    auto news = CNewsInfo::Fetch("t1", docs);
    EXPECT_TRUE(news.HasNewNews());
    EXPECT_EQ(news.Title(), "x");
    EXPECT_EQ(news.Summary(), "");  // Content comes before Title: not found
    EXPECT_EQ(news.Link(), "l");
}

}  // namespace
