// Every record tells "not found" (404, or a document without its anchor) from "could not
// fetch", and reads the same from a document loaded beforehand as from its source.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "client/data/comprehensive_eval.h"
#include "client/data/diagnosis_comment.h"
#include "client/data/finance_analysis.h"
#include "client/data/history_info.h"
#include "client/data/hot_industries.h"
#include "client/data/industry_hot_stocks.h"
#include "client/data/news_info.h"
#include "client/data/stock_sectors.h"
#include "client/data/top_eyes_series.h"
#include "support/memory_document_source.h"

namespace {

struct RecordCase {
    const char* name;
    std::string path;
    std::string documentWithAnchor;
    std::function<RecordStatus(DocumentSource&)> fetch;
};

std::vector<RecordCase> Cases() {
    const std::string stock = "<r><S600000 name=\"n\"><time>t</time></S600000></r>";
    return {
        {"comprehensive", CComprehensiveEval::Path("600000"), stock,
         [](DocumentSource& s) { return CComprehensiveEval::Fetch("600000", s).Status(); }},
        {"finance stock", CFinanceAnalysis::StockPath("600000"), stock,
         [](DocumentSource& s) { return CFinanceAnalysis::FetchStock("600000", s).Status(); }},
        {"finance list", CFinanceAnalysis::kListPath, "<r><InfoCwfx StockId=\"1\"/></r>",
         [](DocumentSource& s) { return CFinanceAnalysis::FetchList(s).Status(); }},
        {"diagnosis", CDiagnosisComment::Path("600000", "ZLZD"), stock,
         [](DocumentSource& s) { return CDiagnosisComment::Fetch("600000", "ZLZD", s).Status(); }},
        {"money flow", CTopEyesSeries::Path("600000", "TopEyess"), stock,
         [](DocumentSource& s) { return CTopEyesSeries::Fetch("600000", "TopEyess", s).Status(); }},
        {"industry stocks", CIndustryHotStocks::kPath, "<r><InfoHyrg/></r>",
         [](DocumentSource& s) { return CIndustryHotStocks::Fetch(s).Status(); }},
        {"hot industries", CHotIndustries::kPath, "<r><InfoRmhy/></r>",
         [](DocumentSource& s) { return CHotIndustries::Fetch(s).Status(); }},
        {"sectors", CStockSectors::Path("600000"), "<r><InfoSsbk/></r>",
         [](DocumentSource& s) { return CStockSectors::Fetch("600000", s).Status(); }},
        {"history", CHistoryInfo::kPath, "<r><History/></r>",
         [](DocumentSource& s) { return CHistoryInfo::Fetch(s).Status(); }},
        {"news", CNewsInfo::kPath, "<r><Time>t</Time></r>",
         [](DocumentSource& s) { return CNewsInfo::Fetch("", s).Status(); }},
    };
}

TEST(RecordStatus, FoundNotFoundAndFetchFailedForEveryRecord) {
    for (const RecordCase& c : Cases()) {
        MemoryDocumentSource withAnchor;
        withAnchor.Serve(c.path, c.documentWithAnchor);
        EXPECT_EQ(c.fetch(withAnchor), RecordStatus::Found) << c.name;

        MemoryDocumentSource missing;  // 404
        EXPECT_EQ(c.fetch(missing), RecordStatus::NotFound) << c.name;

        MemoryDocumentSource withoutAnchor;
        withoutAnchor.Serve(c.path, "<r><Other/></r>");
        EXPECT_EQ(c.fetch(withoutAnchor), RecordStatus::NotFound) << c.name;

        MemoryDocumentSource unreadable;
        unreadable.Serve(c.path, "<html><body>Server Error");
        EXPECT_EQ(c.fetch(unreadable), RecordStatus::NotFound) << c.name;

        MemoryDocumentSource unreachable;
        unreachable.Serve(c.path, c.documentWithAnchor);
        unreachable.SetUnreachable(true);
        EXPECT_EQ(c.fetch(unreachable), RecordStatus::FetchFailed) << c.name;
    }
}

TEST(RecordStatus, AFailedEvaluationFetchAsksForNothingMore) {
    MemoryDocumentSource docs;
    docs.SetUnreachable(true);
    EXPECT_EQ(CComprehensiveEval::Fetch("600000", docs).Status(), RecordStatus::FetchFailed);
    EXPECT_EQ(docs.Requests(), std::vector<std::string>{CComprehensiveEval::Path("600000")});
    EXPECT_EQ(CComprehensiveEval::Fetch("", docs).Status(), RecordStatus::NotFound);
    EXPECT_EQ(docs.Requests().size(), 1u);
}

TEST(RecordStatus, RecordsReadDocumentsLoadedBeforehand) {
    MemoryDocumentSource docs;
    docs.Serve(CComprehensiveEval::Path("600000"),
               "<r><S600000 name=\"n\"><FirstInfo><time>t1</time></FirstInfo></S600000></r>");
    docs.Serve(CComprehensiveEval::kRecommendPath,
               "<r><ZHZD><JBMZHG><stock1>600036</stock1></JBMZHG></ZHZD></r>");
    LoadedDocument evaluation = docs.Fetch(CComprehensiveEval::Path("600000"));
    LoadedDocument recommended = docs.Fetch(CComprehensiveEval::kRecommendPath);
    const CComprehensiveEval eval("600000", evaluation, &recommended);
    EXPECT_EQ(eval.Time(EvalSlot::First), "t1");
    EXPECT_EQ(eval.Block(EvalSlot::First, Dimension::Fundamental).recommendedStocks[0], "600036");

    LoadedDocument notFound = docs.Fetch("/nothing.xml");
    EXPECT_EQ(notFound.status, FetchStatus::NotFound);
    EXPECT_EQ(notFound.path, "/nothing.xml");
    EXPECT_EQ(CHistoryInfo(notFound).Status(), RecordStatus::NotFound);
}

}  // namespace
