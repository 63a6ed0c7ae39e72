// The list records (industry hot stocks, hot industries, a stock's sectors, the top-50
// finance list): document order, counts, and capacities under long lists.
#include <gtest/gtest.h>

#include <string>

#include "client/data/finance_analysis.h"
#include "client/data/hot_industries.h"
#include "client/data/industry_hot_stocks.h"
#include "client/data/stock_sectors.h"
#include "support/memory_document_source.h"

namespace {

std::string Repeat(const std::string& element, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += element;
    return s;
}

TEST(IndustryHotStocks, ReadsRowsInDocumentOrder) {
    MemoryDocumentSource docs;
    docs.Serve("/clientweb/GetHyrg.aspx",
               "<r><InfoHyrg IndustryName=\"银行\" LedShares1=\"招商银行(2.1)\" "
               "LedShares2=\"工商银行(1.2)\" MaxTurnover1=\"88000\" MaxTurnover2=\"65000\" "
               "Tradingtime=\"2026-12-04\"/>"
               "<Other IndustryName=\"skipped\"/>"
               "<InfoHyrg IndustryName=\"白酒\" Tradingtime=\"2026-12-04\"/></r>");
    auto list = CIndustryHotStocks::Fetch(docs);
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Row(0).Texts(),
              (std::vector<std::string>{Gbk("银行"), Gbk("招商银行(2.1)"), Gbk("工商银行(1.2)"),
                                        "88000", "65000", "2026-12-04"}));
    EXPECT_EQ(list.Row(1).industryName, Gbk("白酒"));
    EXPECT_EQ(list.Row(1).ledShares1, "");
    EXPECT_EQ(list.Row(2).industryName, "");  // beyond the count: an empty row
}

TEST(HotIndustries, CountsOneZeroAndStopsAtItsCapacity) {
    MemoryDocumentSource docs;
    docs.Serve("/clientweb/GetRmhy.aspx",
               "<r><InfoRmhy IndustryName=\"券商\" AvgUpDown=\"+3.21\" Num=\"45\" "
               "Tradingtime=\"15:00\"/></r>");
    auto one = CHotIndustries::Fetch(docs);
    ASSERT_EQ(one.Count(), 1u);
    EXPECT_EQ(one.Row(0).Texts(),
              (std::vector<std::string>{Gbk("券商"), "+3.21", "45", "15:00"}));

    MemoryDocumentSource empty;
    empty.Serve("/clientweb/GetRmhy.aspx", "<r></r>");
    EXPECT_EQ(CHotIndustries::Fetch(empty).Count(), 0u);

    MemoryDocumentSource many;
    many.Serve("/clientweb/GetRmhy.aspx",
               "<r>" + Repeat("<InfoRmhy IndustryName=\"i\" AvgUpDown=\"1\"/>", 100000) + "</r>");
    auto capped = CHotIndustries::Fetch(many);
    EXPECT_EQ(capped.Count(), CHotIndustries::kCapacity);
    EXPECT_EQ(capped.Row(9).industryName, "i");
    EXPECT_EQ(capped.Row(10).industryName, "");
}

TEST(IndustryHotStocks, StopsAtOneThousandRows) {
    MemoryDocumentSource docs;
    docs.Serve("/clientweb/GetHyrg.aspx",
               "<r>" + Repeat("<InfoHyrg IndustryName=\"i\"/>", 100000) + "</r>");
    auto list = CIndustryHotStocks::Fetch(docs);
    EXPECT_EQ(list.Count(), CIndustryHotStocks::kCapacity);
    EXPECT_EQ(list.Row(999).industryName, "i");
}

TEST(StockSectors, TakesTheNameFromTheFirstEntryAndRowsInDocumentOrder) {
    MemoryDocumentSource docs;
    docs.Serve("/clientweb/GetSsbk.aspx?stockid=600000",
               "<r><InfoSsbk SecuName=\"浦发银行\" BKName=\"上海本地\" AvgUpDown=\"0.85\" "
               "Concept=\"地域\" Tradingtime=\"2026-12-04\"/>"
               "<InfoSsbk SecuName=\"other\" BKName=\"银行\" AvgUpDown=\"-0.32\" Concept=\"行业\" "
               "Tradingtime=\"2026-12-04\"/></r>");
    auto sectors = CStockSectors::Fetch("600000", docs);
    EXPECT_EQ(sectors.Code(), "600000");
    EXPECT_EQ(sectors.SecuName(), Gbk("浦发银行"));
    ASSERT_EQ(sectors.Count(), 2u);
    EXPECT_EQ(sectors.Row(0).Texts(),
              (std::vector<std::string>{Gbk("地域"), "0.85", Gbk("上海本地"), "2026-12-04"}));
    EXPECT_EQ(sectors.Row(1).bkName, Gbk("银行"));
    EXPECT_EQ(sectors.Row(1).avgUpDown, "-0.32");

    MemoryDocumentSource many;
    many.Serve("/clientweb/GetSsbk.aspx?stockid=600000",
               "<r>" + Repeat("<InfoSsbk BKName=\"b\"/>", 100000) + "</r>");
    EXPECT_EQ(CStockSectors::Fetch("600000", many).Count(), CStockSectors::kCapacity);

    MemoryDocumentSource none;
    auto missing = CStockSectors::Fetch("600000", none);
    EXPECT_EQ(missing.Count(), 0u);
    EXPECT_EQ(missing.SecuName(), "");
}

TEST(StockSectors, TypedCodeCannotAddToTheQuery) {
    EXPECT_EQ(CStockSectors::Path("600000"), "/clientweb/GetSsbk.aspx?stockid=600000");
    EXPECT_EQ(CStockSectors::Path("1&stockid=2#x"), "/clientweb/GetSsbk.aspx?stockid=1%26stockid%3D2%23x");
}

TEST(FinanceAnalysisList, ReadsEightAttributesPerRowAndKeepsFiftyRows) {
    MemoryDocumentSource docs;
    docs.Serve("/KRClientInfo/CWFX/infoCWFX.xml",
               "<r><InfoCwfx StockId=\"600519\" StockName=\"贵州茅台\" PerIncome=\"59.5\" "
               "PerOnlyCapital=\"180.1\" OnlyProfit=\"747.3\" Taking=\"1476.9\" "
               "PerAccuFund=\"1.1\" CapitalOwesRatio=\"19.4\"/>"
               "<InfoCwfx StockId=\"000858\"/></r>");
    auto list = CFinanceAnalysis::FetchList(docs);
    ASSERT_TRUE(list.Found());
    EXPECT_EQ(list.Row(0).Texts(),
              (std::vector<std::string>{"59.5", "180.1", "747.3", "1476.9", "1.1", "19.4",
                                        Gbk("贵州茅台"), "600519"}));
    EXPECT_EQ(list.Row(1).stockId, "000858");
    EXPECT_EQ(list.Row(2).stockId, "");
    EXPECT_EQ(list.Row(49).stockId, "");
    EXPECT_EQ(list.Row(50).stockId, "");  // out of range reads as an empty row

    MemoryDocumentSource many;
    many.Serve("/KRClientInfo/CWFX/infoCWFX.xml",
               "<r>" + Repeat("<InfoCwfx StockId=\"1\"/>", 100000) + "</r>");
    auto capped = CFinanceAnalysis::FetchList(many);
    EXPECT_EQ(capped.Row(49).stockId, "1");

    MemoryDocumentSource none;
    EXPECT_FALSE(CFinanceAnalysis::FetchList(none).Found());
}

TEST(ListRecords, HostileDocumentsNeverBreakThem) {
    std::string deep;
    for (int i = 0; i < 10000; ++i) deep += "<InfoRmhy IndustryName=\"d\">";
    const std::string huge(1 << 20, 'h');
    const std::string texts[] = {
        "",
        "<r><InfoRmhy IndustryName=\"a\"/><InfoRmhy IndustryName=\"tr",
        deep,
        "<r><InfoRmhy IndustryName=\"" + huge + "\"/></r>",
        "<InfoRmhy IndustryName=\"root\"/>",
    };
    for (const std::string& text : texts) {
        MemoryDocumentSource docs;
        docs.Serve("/clientweb/GetRmhy.aspx", text);
        auto list = CHotIndustries::Fetch(docs);
        EXPECT_LE(list.Count(), CHotIndustries::kCapacity);
        if (text.find(huge) != std::string::npos) {
            ASSERT_EQ(list.Count(), 1u);
            EXPECT_EQ(list.Row(0).industryName, huge);
        }
    }
}

}  // namespace
