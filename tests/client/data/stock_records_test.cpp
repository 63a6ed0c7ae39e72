// The single-stock records (finance figures, diagnosis comment, money-flow series) and the
// history messages, against documents served from memory.
#include <gtest/gtest.h>

#include <string>

#include "client/data/diagnosis_comment.h"
#include "client/data/finance_analysis.h"
#include "client/data/history_info.h"
#include "client/data/top_eyes_series.h"
#include "support/memory_document_source.h"

namespace {

TEST(FinanceAnalysisStock, ReadsNameAndSixFiguresInOrder) {
    MemoryDocumentSource docs;
    docs.Serve("/KRClientInfo/CWFX/000001.xml",
               "<r><S000001 name=\"平安银行\"><PerIncome>1.23</PerIncome>"
               "<PerOnlyCapital>18.5</PerOnlyCapital><OnlyProfit>396.4</OnlyProfit>"
               "<Taking>1798.9</Taking><PerAccuFund>4.1</PerAccuFund>"
               "<CapitalOwesRatio>91.7</CapitalOwesRatio></S000001></r>");
    auto stock = CFinanceAnalysis::FetchStock("000001", docs);
    ASSERT_TRUE(stock.Found());
    EXPECT_EQ(stock.Code(), "000001");
    EXPECT_EQ(stock.Name(), Gbk("平安银行"));
    EXPECT_EQ(stock.Figures(),
              (FinanceFigures{"1.23", "18.5", "396.4", "1798.9", "4.1", "91.7"}));
    EXPECT_EQ(stock.Figure(FinanceFigure::Taking), "1798.9");
    EXPECT_EQ(docs.Requests(), std::vector<std::string>{"/KRClientInfo/CWFX/000001.xml"});
}

TEST(FinanceAnalysisStock, MissingAndReorderedFiguresReadEmpty) {
    MemoryDocumentSource docs;
    // OnlyProfit missing; PerAccuFund placed before Taking.
    docs.Serve("/KRClientInfo/CWFX/000001.xml",
               "<r><S000001 name=\"n\"><PerIncome>1</PerIncome><PerOnlyCapital>2</PerOnlyCapital>"
               "<PerAccuFund>5</PerAccuFund><Taking>4</Taking>"
               "<CapitalOwesRatio>6</CapitalOwesRatio></S000001></r>");
    auto stock = CFinanceAnalysis::FetchStock("000001", docs);
    EXPECT_EQ(stock.Figures(), (FinanceFigures{"1", "2", "", "4", "", "6"}));
}

TEST(FinanceAnalysisStock, AbsentDocumentOrAnchorIsNotFound) {
    MemoryDocumentSource docs;
    docs.Serve("/KRClientInfo/CWFX/000002.xml", "<r><S000001 name=\"n\"/></r>");
    EXPECT_FALSE(CFinanceAnalysis::FetchStock("000001", docs).Found());
    auto other = CFinanceAnalysis::FetchStock("000002", docs);
    EXPECT_FALSE(other.Found());
    EXPECT_EQ(other.Name(), "");
    // An anchor that is present but empty still counts as found.
    docs.Serve("/KRClientInfo/CWFX/000003.xml", "<r><S000003/></r>");
    auto empty = CFinanceAnalysis::FetchStock("000003", docs);
    EXPECT_TRUE(empty.Found());
    EXPECT_EQ(empty.Figures(), FinanceFigures{});
}

TEST(DiagnosisComment, ReadsNameTimeAndMessageFromTheFolder) {
    MemoryDocumentSource docs;
    docs.Serve("/KRClientInfo/ZLZD/600519.xml",
               "<r><S600519 name=\"贵州茅台\"><time>2026-12-04 15:00</time>"
               "<msg>主力资金连续三日净流入。</msg></S600519></r>");
    auto comment = CDiagnosisComment::Fetch("600519", "ZLZD", docs);
    ASSERT_TRUE(comment.Found());
    EXPECT_EQ(comment.Folder(), "ZLZD");
    EXPECT_EQ(comment.Name(), Gbk("贵州茅台"));
    EXPECT_EQ(comment.Time(), "2026-12-04 15:00");
    EXPECT_EQ(comment.Msg(), Gbk("主力资金连续三日净流入。"));
}

TEST(DiagnosisComment, MsgBeforeTimeAndMissingPiecesReadEmpty) {
    MemoryDocumentSource docs;
    docs.Serve("/KRClientInfo/YZYC/600519.xml",
               "<r><S600519 name=\"n\"><msg>m</msg><time>t</time></S600519></r>");
    auto reordered = CDiagnosisComment::Fetch("600519", "YZYC", docs);
    EXPECT_TRUE(reordered.Found());
    EXPECT_EQ(reordered.Time(), "t");
    EXPECT_EQ(reordered.Msg(), "");

    // An empty code still makes its request; the server has no such document.
    auto empty = CDiagnosisComment::Fetch("", "CWZD", docs);
    EXPECT_FALSE(empty.Found());
    EXPECT_EQ(docs.Requests().back(), "/KRClientInfo/CWZD/.xml");
}

TEST(TopEyesSeries, TwoSeriesFolderReadsUpDownAndTimesWhateverItsCase) {
    MemoryDocumentSource docs;
    const std::string doc =
        "<r><S600036 name=\"招商银行\"><UpValues>1.5\t2.5</UpValues>"
        "<DownValues>0.5\t0.7</DownValues><TimeList>1203\t1204</TimeList></S600036></r>";
    docs.Serve("/KRClientInfo/TopEyess/600036.xml", doc);
    docs.Serve("/KRClientInfo/topeyess/600036.xml", doc);
    for (const char* folder : {"TopEyess", "topeyess"}) {
        auto series = CTopEyesSeries::Fetch("600036", folder, docs);
        ASSERT_TRUE(series.Found()) << folder;
        EXPECT_EQ(series.Name(), Gbk("招商银行"));
        EXPECT_EQ(series.UpValues(), "1.5\t2.5");
        EXPECT_EQ(series.DownValues(), "0.5\t0.7");
        EXPECT_EQ(series.TimeList(), "1203\t1204");
    }
}

TEST(TopEyesSeries, OneSeriesFolderReadsValuesAndLeavesDownEmpty) {
    MemoryDocumentSource docs;
    docs.Serve("/KRClientInfo/TopEyesh/600036.xml",
               "<r><S600036 name=\"n\"><values>3\t-4</values><DownValues>9</DownValues>"
               "<TimeList>1203\t1204</TimeList></S600036></r>");
    auto series = CTopEyesSeries::Fetch("600036", "TopEyesh", docs);
    ASSERT_TRUE(series.Found());
    EXPECT_EQ(series.UpValues(), "3\t-4");
    EXPECT_EQ(series.DownValues(), "");
    EXPECT_EQ(series.TimeList(), "1203\t1204");
    EXPECT_FALSE(CTopEyesSeries::Fetch("600037", "TopEyesh", docs).Found());
}

TEST(HistoryInfo, ReadsBothMessages) {
    MemoryDocumentSource docs;
    docs.Serve("/KRClientInfo/Info_History.xml",
               "<r><History><Msg1>第一条</Msg1><Msg2>第二条</Msg2></History></r>");
    auto history = CHistoryInfo::Fetch(docs);
    ASSERT_TRUE(history.Found());
    EXPECT_EQ(history.Msg1(), Gbk("第一条"));
    EXPECT_EQ(history.Msg2(), Gbk("第二条"));

    MemoryDocumentSource reversed;
    reversed.Serve("/KRClientInfo/Info_History.xml",
                   "<r><History><Msg2>b</Msg2><Msg1>a</Msg1></History></r>");
    auto out = CHistoryInfo::Fetch(reversed);
    EXPECT_TRUE(out.Found());
    EXPECT_EQ(out.Msg1(), "a");
    EXPECT_EQ(out.Msg2(), "");

    MemoryDocumentSource none;
    EXPECT_FALSE(CHistoryInfo::Fetch(none).Found());
}

TEST(SingleStockRecords, HostileDocumentsNeverBreakThem) {
    std::string deep;
    for (int i = 0; i < 10000; ++i) deep += "<S600000>";
    const std::string huge(1 << 20, 'v');
    const std::string docsToTry[] = {
        "",
        "<r><S600000 name=\"n\"><time>t</time><msg>trunc",
        deep,
        "<r><S600000 name=\"" + huge + "\"><time>" + huge + "</time><msg/></S600000></r>",
        "<r></S600000><time>t</time></r>",
    };
    for (const std::string& text : docsToTry) {
        MemoryDocumentSource docs;
        docs.Serve("/KRClientInfo/ZLZD/600000.xml", text);
        docs.Serve("/KRClientInfo/TopEyess/600000.xml", text);
        docs.Serve("/KRClientInfo/CWFX/600000.xml", text);
        auto comment = CDiagnosisComment::Fetch("600000", "ZLZD", docs);
        auto series = CTopEyesSeries::Fetch("600000", "TopEyess", docs);
        auto finance = CFinanceAnalysis::FetchStock("600000", docs);
        if (text.find(huge) != std::string::npos) {
            EXPECT_EQ(comment.Name(), huge);
            EXPECT_EQ(comment.Time(), huge);
            EXPECT_EQ(comment.Msg(), "");
        }
        if (!comment.Found()) {
            EXPECT_EQ(comment.Time(), "");
        }
    }
}

}  // namespace
