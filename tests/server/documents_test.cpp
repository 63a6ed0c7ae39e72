// The evaluation documents, checked in the shape and order the client's walks read them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>

#include "common/platform/code_page.h"
#include "common/platform/files.h"
#include "server/evaluation.h"
#include "site_fixture.h"
#include "xml_scan.h"

namespace {

const char kBom[] = "\xEF\xBB\xBF";
const std::vector<std::string> kSampleCodes = {"600000", "600519", "000001", "002594", "300750", "601398", "001979"};

bool IsScore(const std::string& text) {
    if (text.empty() || text.size() > 3) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return std::atoi(text.c_str()) <= 100;
}

std::vector<std::string> SplitTabs(const std::string& text) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, '\t')) parts.push_back(part);
    return parts;
}

// Every byte of 0x80 and above must start a three-byte sequence (the client's URL loader
// reads no other kind) whose character has a GBK form.
void ExpectReadableByClient(const std::string& document, const std::string& what) {
    ASSERT_EQ(document.compare(0, 3, kBom), 0) << what << " lacks the byte-order mark";
    for (std::size_t i = 3; i < document.size();) {
        const auto c = static_cast<unsigned char>(document[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        ASSERT_EQ(c & 0xF0, 0xE0) << what << ": not a three-byte character at " << i;
        i += 3;
    }
    bool lost = false;
    platform::Utf8ToLocalText(document.substr(3), &lost);
    EXPECT_FALSE(lost) << what << " holds characters without a GBK form";
}

TEST(StockDirectoryAsset, ListsRealStocksInCodeOrder) {
    server::StockDirectory directory;
    ASSERT_TRUE(directory.Load(std::string(QUORVEL_TEST_ASSETS) + "/StockInfo.xml"));
    const auto& stocks = directory.All();
    ASSERT_GE(stocks.size(), 300u);
    static const std::vector<std::string> kPrefixes = {"600", "601", "603", "000", "001", "002", "300"};
    for (std::size_t i = 0; i < stocks.size(); ++i) {
        const auto& s = stocks[i];
        EXPECT_TRUE(std::any_of(kPrefixes.begin(), kPrefixes.end(),
                                [&](const std::string& p) { return s.code.rfind(p, 0) == 0; }))
            << s.code;
        if (i > 0) {
            EXPECT_LT(stocks[i - 1].code, s.code);
        }
        ASSERT_FALSE(s.initials.empty()) << s.code;
        for (char c : s.initials) EXPECT_TRUE(c >= 'A' && c <= 'Z') << s.code << " " << s.initials;
        bool lost = false;
        EXPECT_FALSE(platform::Utf8ToLocalText(s.name, &lost).empty());
        EXPECT_FALSE(lost) << s.code;
    }
    ASSERT_NE(directory.Find("600519"), nullptr);
    EXPECT_EQ(directory.Find("600519")->name, "贵州茅台");
    EXPECT_EQ(directory.Find("600519")->initials, "GZMT");
    EXPECT_EQ(directory.Find("000001")->initials, "PAYH");
}

TEST(StockDirectoryParse, SkipsBrokenAndRepeatedEntries) {
    server::StockDirectory directory;
    directory.Parse("<r><Stock StockId=\"600000\" StockChi=\"PFYH\" StockName=\"A&amp;B\"/>"
                    "<Stock StockId=\"60000\" StockName=\"short\"/><Stock StockId=\"600000\" StockName=\"again\"/>"
                    "<Stocks StockId=\"600001\"/><Stock StockId=\"600002\" StockChi='X' StockName='Y'/></r>");
    ASSERT_EQ(directory.All().size(), 2u);
    EXPECT_EQ(directory.All()[0].name, "A&B");
    EXPECT_EQ(directory.All()[1].initials, "X");
}

TEST(ComprehensiveDocument, ShapedForTheWalkWithPlausibleValues) {
    for (const auto& code : kSampleCodes) {
        SCOPED_TRACE(code);
        const std::string doc = GetBody("/KRClientInfo/ZHZD/" + code + ".xml");
        ExpectReadableByClient(doc, code);
        XmlScan scan(doc);
        ASSERT_TRUE(scan.Next("S" + code));
        EXPECT_FALSE(scan.Attr("name").empty());
        std::string times[2];
        for (int slot = 0; slot < 2; ++slot) {
            ASSERT_TRUE(scan.Next(slot == 0 ? "FirstInfo" : "SecondInfo"));
            ASSERT_TRUE(scan.Next("time"));
            times[slot] = scan.Text();
            ASSERT_TRUE(scan.Next("Fraction"));
            const double total = std::atof(scan.Text().c_str());
            ASSERT_TRUE(scan.Next("Result"));
            EXPECT_EQ(scan.Text(), server::VerdictFor(total));
            int scores[6];
            const std::vector<std::pair<std::string, std::vector<std::string>>> blocks = {
                {"JBM", {"shiyinglu", "jinglirun", "zhuyingshouru", "meigushouyi", "jingzichan"}},
                {"SCM", {"wrijunjia", "srijunjia", "wrijunliang", "srijunliang"}},
                {"JSM", {"YZXDDPZD", "YZXDHYZD", "YZGJQJ", "YZZDF"}},
                {"JJM", {"JRZLZC", "ZLWRZC", "ZLYYZC"}}};
            for (std::size_t b = 0; b < blocks.size(); ++b) {
                ASSERT_TRUE(scan.Next(blocks[b].first));
                for (const auto& value : blocks[b].second) {
                    ASSERT_TRUE(scan.Next(value)) << value;
                    EXPECT_FALSE(scan.Text().empty()) << value;
                }
                ASSERT_TRUE(scan.Next("Fraction"));
                ASSERT_TRUE(IsScore(scan.Text())) << scan.Text();
                scores[b] = std::atoi(scan.Text().c_str());
            }
            ASSERT_TRUE(scan.Next("XXM"));
            const std::vector<std::pair<std::string, std::string>> categories = {
                {"ZFL", "MHL"}, {"MHL", "ZYL"}, {"ZYL", "LTL"}, {"LTL", "KRCJL"}, {"KRCJL", "Fraction"}};
            for (const auto& [category, following] : categories) {
                ASSERT_TRUE(scan.Next(category));
                const int count = std::atoi(scan.Attr("count").c_str());
                int sum = 0;
                for (int i = 0; i < 10; ++i) {
                    ASSERT_TRUE(scan.Next("info"));
                    sum += std::atoi(scan.Attr("count").c_str());
                    EXPECT_FALSE(scan.Attr("NetName").empty());
                    EXPECT_EQ(scan.Attr("LinkUrl").rfind("http://127.0.0.1:8080/sites/", 0), 0u);
                }
                EXPECT_EQ(sum, count) << category;
                EXPECT_FALSE(scan.Before("info", following)) << "more than ten sites in " << category;
            }
            ASSERT_TRUE(scan.Next("Fraction"));
            ASSERT_TRUE(IsScore(scan.Text()));
            scores[4] = std::atoi(scan.Text().c_str());
            ASSERT_TRUE(scan.Next("ZJP"));
            ASSERT_TRUE(scan.Next("Opinion"));
            EXPECT_GT(scan.Text().size(), 30u);
            ASSERT_TRUE(scan.Next("Fraction"));
            ASSERT_TRUE(IsScore(scan.Text()));
            scores[5] = std::atoi(scan.Text().c_str());
            double weighted = 0;
            for (int d = 0; d < 6; ++d) weighted += scores[d] * server::DimensionWeights()[static_cast<std::size_t>(d)];
            EXPECT_NEAR(total, weighted / 100.0, 0.051);
        }
        EXPECT_EQ(times[0], "2026-12-04");
        EXPECT_LT(times[1], times[0]) << "the second slot must be the older evaluation";
    }
}

TEST(ComprehensiveDocument, FundFiguresAreTheSumsOfTheMoneyFlowChart) {
    const std::string eval = GetBody("/KRClientInfo/ZHZD/600036.xml");
    const std::string flow = GetBody("/KRClientInfo/TopEyesh/600036.xml");
    XmlScan f(flow);
    ASSERT_TRUE(f.Next("values"));
    const auto values = SplitTabs(f.Text());
    ASSERT_EQ(values.size(), 20u);
    double month = 0, five = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        month += std::atof(values[i].c_str());
        if (i >= 15) five += std::atof(values[i].c_str());
    }
    XmlScan e(eval);
    ASSERT_TRUE(e.Next("JRZLZC"));
    EXPECT_NEAR(std::atof(e.Text().c_str()), std::atof(values.back().c_str()) * 1e6, 1e4);
    ASSERT_TRUE(e.Next("ZLWRZC"));
    EXPECT_NEAR(std::atof(e.Text().c_str()), five * 1e6, 1e5);
    ASSERT_TRUE(e.Next("ZLYYZC"));
    EXPECT_NEAR(std::atof(e.Text().c_str()), month * 1e6, 1e5);
}

TEST(RecommendStockDocument, SixGroupsOfSixKnownStocks) {
    const std::string doc = GetBody("/KRClientInfo/ZHZD/RecommendStock.xml");
    ExpectReadableByClient(doc, "RecommendStock");
    XmlScan scan(doc);
    ASSERT_TRUE(scan.Next("ZHZD"));
    for (const char* group : {"JBMZHG", "SCMZHG", "JSMZHG", "JJMZHG", "XXMZHG", "ZJPZHG"}) {
        ASSERT_TRUE(scan.Next(group)) << group;
        for (int i = 1; i <= 6; ++i) {
            ASSERT_TRUE(scan.Next("stock" + std::to_string(i)));
            const std::string text = scan.Text();
            ASSERT_GT(text.size(), 7u);
            EXPECT_NE(SharedSite().Model().IndexOf(text.substr(0, 6)), -1) << text;
        }
    }
}

TEST(DiagnosisDocuments, EveryFolderAnswersWithItsKindOfVerdict) {
    for (const auto& code : kSampleCodes) {
        SCOPED_TRACE(code);
        std::map<std::string, std::string> messages;
        for (const char* folder : {"ZLZD", "CWZD", "DKZD", "ZCZD", "YLZD", "RDZD", "GXZD", "JGZD", "YZYC"}) {
            const std::string doc = GetBody(std::string("/KRClientInfo/") + folder + "/" + code + ".xml");
            ExpectReadableByClient(doc, folder);
            XmlScan scan(doc);
            ASSERT_TRUE(scan.Next("S" + code)) << folder;
            EXPECT_FALSE(scan.Attr("name").empty());
            ASSERT_TRUE(scan.Next("time"));
            EXPECT_EQ(scan.Text().rfind("2026-12-04", 0), 0u);
            ASSERT_TRUE(scan.Next("msg"));
            messages[folder] = scan.Text();
        }
        auto startsWithOneOf = [](const std::string& text, std::vector<std::string> starts) {
            return std::any_of(starts.begin(), starts.end(), [&](const std::string& s) { return text.rfind(s, 0) == 0; });
        };
        EXPECT_TRUE(startsWithOneOf(messages["CWZD"], {"空仓", "1/4仓", "1/2仓", "3/4仓", "满仓"})) << messages["CWZD"];
        EXPECT_TRUE(startsWithOneOf(messages["DKZD"], {"多头主导的上升趋势", "多空平衡状态", "空头反攻",
                                                       "空头主导的下跌趋势", "趋势不明朗，继续观察"}))
            << messages["DKZD"];
        EXPECT_TRUE(startsWithOneOf(messages["RDZD"], {"冷清", "活跃", "狂热"})) << messages["RDZD"];
        EXPECT_TRUE(startsWithOneOf(messages["GXZD"], {"股性差", "股性一般", "股性良好"})) << messages["GXZD"];
        EXPECT_TRUE(startsWithOneOf(messages["ZCZD"], {"支撑位："}));
        EXPECT_TRUE(startsWithOneOf(messages["YLZD"], {"压力位："}));
        EXPECT_TRUE(startsWithOneOf(messages["ZLZD"], {"主力控盘程度："}));
        EXPECT_NE(messages["JGZD"].find("机构"), std::string::npos);

        // The forecast: words separated by single blanks, each year a word of its own
        // that starts a line in the panel, values without a year in them.
        const std::string& forecast = messages["YZYC"];
        std::vector<std::string> words;
        std::istringstream in(forecast);
        for (std::string w; std::getline(in, w, ' ');) words.push_back(w);
        ASSERT_EQ(words.size(), 6u) << forecast;
        EXPECT_EQ(words[0], "2026年");
        EXPECT_EQ(words[2], "2027年");
        EXPECT_EQ(words[4], "2028年");
        for (std::size_t i = 1; i < words.size(); i += 2) EXPECT_EQ(words[i].find("年"), std::string::npos);
    }
}

TEST(MoneyFlowDocuments, TwentyTradingDaysInMillionsSeparatedByTabs) {
    const std::string s = GetBody("/KRClientInfo/TopEyess/300750.xml");
    ExpectReadableByClient(s, "TopEyess");
    XmlScan scan(s);
    ASSERT_TRUE(scan.Next("S300750"));
    ASSERT_TRUE(scan.Next("UpValues"));
    const auto up = SplitTabs(scan.Text());
    ASSERT_TRUE(scan.Next("DownValues"));
    const auto down = SplitTabs(scan.Text());
    ASSERT_TRUE(scan.Next("TimeList"));
    const auto times = SplitTabs(scan.Text());
    ASSERT_EQ(up.size(), 20u);
    ASSERT_EQ(down.size(), 20u);
    ASSERT_EQ(times.size(), 20u);
    double highest = 0, lowest = 0;
    for (std::size_t i = 0; i < 20; ++i) {
        EXPECT_GT(std::atof(up[i].c_str()), 0) << up[i];
        EXPECT_LT(std::atof(down[i].c_str()), 0) << down[i];
        highest = std::max(highest, std::atof(up[i].c_str()));
        lowest = std::min(lowest, std::atof(down[i].c_str()));
        ASSERT_EQ(times[i].size(), 4u);
        if (i > 0) {
            EXPECT_LT(times[i - 1], times[i]);
        }
    }
    EXPECT_EQ(times.back(), "1204");
    EXPECT_GE(highest - lowest, 5) << "the chart needs a span of at least 5";

    const std::string h = GetBody("/KRClientInfo/topeyesh/300750.xml");
    XmlScan net(h);
    ASSERT_TRUE(net.Next("values"));
    const auto values = SplitTabs(net.Text());
    ASSERT_EQ(values.size(), 20u);
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_NEAR(std::atof(values[i].c_str()), std::atof(up[i].c_str()) + std::atof(down[i].c_str()), 0.011);
    ASSERT_TRUE(net.Next("TimeList"));
    EXPECT_EQ(SplitTabs(net.Text()), times);
    EXPECT_FALSE(net.Next("DownValues"));
}

TEST(FinanceDocuments, OneStockAndTheTopFiftyByEarnings) {
    const std::string one = GetBody("/KRClientInfo/CWFX/600519.xml");
    ExpectReadableByClient(one, "CWFX");
    XmlScan scan(one);
    ASSERT_TRUE(scan.Next("S600519"));
    std::string eps;
    for (const char* field : {"PerIncome", "PerOnlyCapital", "OnlyProfit", "Taking", "PerAccuFund", "CapitalOwesRatio"}) {
        ASSERT_TRUE(scan.Next(field)) << field;
        EXPECT_FALSE(scan.Text().empty());
        if (eps.empty()) eps = scan.Text();
    }

    const std::string list = GetBody("/KRClientInfo/CWFX/infoCWFX.xml");
    ExpectReadableByClient(list, "infoCWFX");
    XmlScan rows(list);
    double previous = 1e9;
    int count = 0;
    bool sawMoutai = false;
    while (rows.Next("InfoCwfx")) {
        ++count;
        const double value = std::atof(rows.Attr("PerIncome").c_str());
        EXPECT_LE(value, previous);
        previous = value;
        EXPECT_EQ(rows.Attr("StockId").size(), 6u);
        EXPECT_FALSE(rows.Attr("StockName").empty());
        EXPECT_FALSE(rows.Attr("CapitalOwesRatio").empty());
        if (rows.Attr("StockId") == "600519") {
            sawMoutai = true;
            EXPECT_EQ(rows.Attr("PerIncome"), eps);
        }
    }
    EXPECT_EQ(count, 50);
    EXPECT_TRUE(sawMoutai);
}

TEST(MarketLists, IndustriesHotStocksAndSectors) {
    const std::string hot = GetBody("/clientweb/GetRmhy.aspx");
    ExpectReadableByClient(hot, "GetRmhy");
    XmlScan industries(hot);
    int count = 0;
    double previous = 1e9;
    while (industries.Next("InfoRmhy")) {
        ++count;
        const std::string change = industries.Attr("AvgUpDown");
        ASSERT_TRUE(change[0] == '+' || change[0] == '-' || change == "0.00%") << change;
        EXPECT_LE(std::atof(change.c_str()), previous);
        previous = std::atof(change.c_str());
        EXPECT_FALSE(industries.Attr("IndustryName").empty());
        EXPECT_EQ(industries.Attr("Tradingtime"), "2026-12-04 15:00");
    }
    EXPECT_EQ(count, 10);

    const std::string stocks = GetBody("/clientweb/GetHyrg.aspx");
    ExpectReadableByClient(stocks, "GetHyrg");
    XmlScan rows(stocks);
    int industriesListed = 0;
    while (rows.Next("InfoHyrg")) {
        ++industriesListed;
        for (const char* a : {"IndustryName", "LedShares1", "LedShares2", "MaxTurnover1", "MaxTurnover2", "Tradingtime"})
            EXPECT_FALSE(rows.Attr(a).empty()) << a;
    }
    EXPECT_EQ(industriesListed, static_cast<int>(SharedSite().Model().IndustryDays().size()));

    const std::string sectors = GetBody("/clientweb/GetSsbk.aspx?stockid=600036");
    ExpectReadableByClient(sectors, "GetSsbk");
    XmlScan s(sectors);
    ASSERT_TRUE(s.Next("InfoSsbk"));
    EXPECT_EQ(s.Attr("SecuName"), "招商银行");
    EXPECT_EQ(s.Attr("BKName"), "银行");
    EXPECT_EQ(s.Attr("Concept"), "行业");
    int sectorRows = 1;
    while (s.Next("InfoSsbk")) {
        ++sectorRows;
        EXPECT_EQ(s.Attr("SecuName"), "");
        EXPECT_FALSE(s.Attr("AvgUpDown").empty());
    }
    EXPECT_GE(sectorRows, 3);
    EXPECT_EQ(Get("/clientweb/GetSsbk.aspx?stockid=999999").status, 404);
    EXPECT_EQ(Get("/clientweb/GetSsbk.aspx").status, 404);
}

TEST(Bulletins, HistoryAndNews) {
    const std::string history = GetBody("/KRClientInfo/Info_History.xml");
    ExpectReadableByClient(history, "history");
    XmlScan h(history);
    ASSERT_TRUE(h.Next("History"));
    ASSERT_TRUE(h.Next("Msg1"));
    EXPECT_NE(h.Text().find("综合评测"), std::string::npos);
    ASSERT_TRUE(h.Next("Msg2"));
    EXPECT_FALSE(h.Text().empty());

    const std::string news = GetBody("/KRClientInfo/NewsInfo.xml");
    ExpectReadableByClient(news, "news");
    XmlScan n(news);
    ASSERT_TRUE(n.Next("Time"));
    EXPECT_EQ(n.Text(), "2026-12-04 16:30");
    ASSERT_TRUE(n.Next("Title"));
    EXPECT_FALSE(n.Text().empty());
    ASSERT_TRUE(n.Next("Content"));
    EXPECT_GT(platform::Utf8ToLocalText(n.Text()).size(), 240u) << "long enough to be cut into a summary";
    ASSERT_TRUE(n.Next("LinkUrl"));
    const std::string link = n.Text();
    ASSERT_EQ(link.rfind("http://127.0.0.1:8080/news/", 0), 0u);
    EXPECT_EQ(Get(link.substr(std::string("http://127.0.0.1:8080").size())).status, 200);
}

TEST(Documents, SameEveryTimeAndDifferentPerStock) {
    server::SampleSite other(TestSiteSettings());
    for (const std::string path :
         {"/KRClientInfo/ZHZD/600000.xml", "/KRClientInfo/ZHZD/RecommendStock.xml", "/KRClientInfo/ZLZD/000002.xml",
          "/KRClientInfo/TopEyess/002415.xml", "/KRClientInfo/CWFX/infoCWFX.xml", "/clientweb/GetHyrg.aspx",
          "/KRClientInfo/NewsInfo.xml"}) {
        EXPECT_EQ(Get(other, path).body, GetBody(path)) << path;
    }
    EXPECT_NE(GetBody("/KRClientInfo/ZLZD/600000.xml").substr(100), GetBody("/KRClientInfo/ZLZD/600004.xml").substr(100));
}

TEST(Documents, UnknownStocksAndFoldersAreNotFound) {
    for (const char* path : {"/KRClientInfo/ZHZD/999999.xml", "/KRClientInfo/ZHZD/.xml", "/KRClientInfo/ZLZD/60000.xml",
                             "/KRClientInfo/ZLZD/6000000.xml", "/KRClientInfo/XYZW/600000.xml",
                             "/KRClientInfo/ZLZD/600000", "/KRClientInfo/ZLZD/abc.xml", "/KRClientInfo/CWFX/../ZHZD/600000.xml",
                             "/KRClientInfo/ZHZD/600000.xml/x"}) {
        EXPECT_EQ(Get(path).status, 404) << path;
    }
}

TEST(Documents, EveryStockHasEveryDocument) {
    auto& site = SharedSite();
    std::set<std::string> verdicts;
    for (std::size_t i = 0; i < site.Model().Size(); ++i) {
        const std::string& code = site.Model().Profile(i).stock.code;
        const auto reply = Get("/KRClientInfo/ZHZD/" + code + ".xml");
        ASSERT_EQ(reply.status, 200) << code;
        XmlScan scan(reply.body);
        ASSERT_TRUE(scan.Next("Result"));
        verdicts.insert(scan.Text());
        ASSERT_EQ(Get("/KRClientInfo/YZYC/" + code + ".xml").status, 200) << code;
    }
    // Across the market every grade occurs.
    EXPECT_EQ(verdicts.size(), server::VerdictGrades().size());
}

}  // namespace
