// CComprehensiveEval against documents served from memory: the walk over the usual shape
// and the shapes its descending search also reads, the recommended stocks, and hostile
// documents.
#include "client/data/comprehensive_eval.h"

#include <gtest/gtest.h>

#include <string>

#include "support/memory_document_source.h"

namespace {

const char* const kPlainBlocks[] = {"JBM", "SCM", "JSM", "JJM"};
const char* const kCategories[] = {"ZFL", "MHL", "ZYL", "LTL", "KRCJL"};
const std::string kEvalPath = "/KRClientInfo/ZHZD/600000.xml";
const std::string kRecommendPath = "/KRClientInfo/ZHZD/RecommendStock.xml";

std::string Element(const std::string& name, const std::string& text) {
    return "<" + name + ">" + text + "</" + name + ">";
}

std::string Category(const std::string& p, const std::string& name, int entries) {
    std::string s = "<" + name + " count=\"" + p + name + "-count\">";
    for (int i = 0; i < entries; ++i) {
        const std::string id = p + name + std::to_string(i);
        s += "<info count=\"" + id + "-n\" NetName=\"" + id + "-site\" LinkUrl=\"http://" + id +
             "\"/>";
    }
    return s + "</" + name + ">";
}

// The body of an Info element; every text is prefixed with `p` so the slots differ.
std::string InfoBody(const std::string& p, int entriesPerCategory = 10) {
    std::string s = Element("time", p + "time") + Element("Fraction", p + "total") +
                    Element("Result", p + "verdict");
    for (std::size_t d = 0; d < 4; ++d) {
        std::string inner;
        for (const std::string& v : CComprehensiveEval::ValueElements(static_cast<Dimension>(d))) {
            inner += Element(v, p + v);
        }
        s += Element(kPlainBlocks[d], inner + Element("Fraction", p + kPlainBlocks[d] + "-score"));
    }
    std::string news;
    for (const char* c : kCategories) news += Category(p, c, entriesPerCategory);
    return s + Element("XXM", news + Element("Fraction", p + "XXM-score"));
}

std::string Expert(const std::string& p) {
    return Element("ZJP", Element("Opinion", p + "opinion") + Element("Fraction", p + "ZJP-score"));
}

std::string StandardDocument(const std::string& name = "浦发银行") {
    return "<Root><S600000 name=\"" + name + "\">" + Element("FirstInfo", InfoBody("a")) +
           Expert("a") + Element("SecondInfo", InfoBody("b")) + Expert("b") +
           "</S600000></Root>\r\n";
}

std::string RecommendDocument() {
    std::string groups;
    for (const char* g : {"JBMZHG", "SCMZHG", "JSMZHG", "JJMZHG", "XXMZHG", "ZJPZHG"}) {
        std::string stocks;
        for (int i = 1; i <= 6; ++i) {
            stocks += Element("stock" + std::to_string(i), std::string(g) + std::to_string(i));
        }
        groups += Element(g, stocks);
    }
    return "<Root>" + Element("ZHZD", groups) + "</Root>";
}

// Checks every text of one slot as InfoBody and Expert wrote them.
void ExpectSlot(const CComprehensiveEval& eval, EvalSlot slot, const std::string& p,
                int entriesPerCategory = 10) {
    EXPECT_EQ(eval.Time(slot), p + "time");
    EXPECT_EQ(eval.TotalScore(slot), p + "total");
    EXPECT_EQ(eval.Verdict(slot), p + "verdict");
    for (std::size_t d = 0; d < 4; ++d) {
        const auto dim = static_cast<Dimension>(d);
        const DimensionBlock& block = eval.Block(slot, dim);
        const auto& names = CComprehensiveEval::ValueElements(dim);
        ASSERT_EQ(block.values.size(), names.size());
        for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(block.values[i], p + names[i]);
        EXPECT_EQ(block.score, p + kPlainBlocks[d] + "-score");
    }
    const DimensionBlock& news = eval.Block(slot, Dimension::News);
    for (std::size_t c = 0; c < 5; ++c) {
        EXPECT_EQ(news.categories[c].count, p + kCategories[c] + "-count");
        for (int i = 0; i < 10; ++i) {
            const SiteEntry& e = news.categories[c].entries[i];
            const std::string id = p + kCategories[c] + std::to_string(i);
            if (i < entriesPerCategory) {
                EXPECT_EQ(e.netName, id + "-site");
                EXPECT_EQ(e.count, id + "-n");
                EXPECT_EQ(e.linkUrl, "http://" + id);
            } else {
                EXPECT_EQ(e.netName, "");
                EXPECT_EQ(e.count, "");
                EXPECT_EQ(e.linkUrl, "");
            }
        }
    }
    EXPECT_EQ(news.score, p + "XXM-score");
    EXPECT_EQ(eval.Block(slot, Dimension::Expert).values.at(0), p + "opinion");
    EXPECT_EQ(eval.Block(slot, Dimension::Expert).score, p + "ZJP-score");
}

TEST(ComprehensiveEval, ReadsBothSlotsAndTheRecommendedStocks) {
    MemoryDocumentSource docs;
    docs.Serve(kEvalPath, StandardDocument());
    docs.Serve(kRecommendPath, RecommendDocument());
    auto eval = CComprehensiveEval::Fetch("600000", docs);

    ASSERT_TRUE(eval.Found());
    EXPECT_EQ(eval.Code(), "600000");
    EXPECT_EQ(eval.Name(), Gbk("浦发银行"));
    ExpectSlot(eval, EvalSlot::First, "a");
    ExpectSlot(eval, EvalSlot::Second, "b");
    EXPECT_EQ(eval.Block(EvalSlot::First, Dimension::Technical).recommendedStocks[0], "JSMZHG1");
    EXPECT_EQ(eval.Block(EvalSlot::First, Dimension::Expert).recommendedStocks[5], "ZJPZHG6");
    EXPECT_EQ(eval.Block(EvalSlot::First, Dimension::News).recommendedStocks[2], "XXMZHG3");
    for (std::size_t d = 0; d < kDimensionCount; ++d) {
        for (const std::string& s :
             eval.Block(EvalSlot::Second, static_cast<Dimension>(d)).recommendedStocks) {
            EXPECT_EQ(s, "");  // the second slot never has recommended stocks
        }
    }
    EXPECT_EQ(docs.Requests(), (std::vector<std::string>{kEvalPath, kRecommendPath}));
}

TEST(ComprehensiveEval, BlockTextsComeInTheirFixedOrderAndSizes) {
    MemoryDocumentSource docs;
    docs.Serve(kEvalPath, StandardDocument());
    docs.Serve(kRecommendPath, RecommendDocument());
    auto eval = CComprehensiveEval::Fetch("600000", docs);
    const std::size_t sizes[] = {12, 11, 11, 10, 162, 8};
    for (std::size_t d = 0; d < kDimensionCount; ++d) {
        EXPECT_EQ(eval.BlockTexts(EvalSlot::Second, static_cast<Dimension>(d)).size(), sizes[d]);
        EXPECT_EQ(CComprehensiveEval().BlockTexts(EvalSlot::First, static_cast<Dimension>(d)).size(),
                  sizes[d]);
    }
    const auto jbm = eval.BlockTexts(EvalSlot::First, Dimension::Fundamental);
    EXPECT_EQ(jbm[0], "ashiyinglu");
    EXPECT_EQ(jbm[5], "aJBM-score");
    EXPECT_EQ(jbm[6], "JBMZHG1");
    const auto news = eval.BlockTexts(EvalSlot::First, Dimension::News);
    EXPECT_EQ(news[0], "aZFL-count");
    EXPECT_EQ(news[1], "aZFL0-site");
    EXPECT_EQ(news[2], "aZFL0-n");
    EXPECT_EQ(news[3], "http://aZFL0");
    EXPECT_EQ(news[31], "aMHL-count");
    EXPECT_EQ(news[155], "aXXM-score");
    EXPECT_EQ(news[161], "XXMZHG6");
}

TEST(ComprehensiveEval, DescendingSearchReadsTheOtherPlacesOfSecondInfoAndZjp) {
    // SecondInfo beside the stock element, and each ZJP as the last child of its Info.
    MemoryDocumentSource docs;
    docs.Serve(kEvalPath, "<Root><S600000 name=\"x\">" +
                              Element("FirstInfo", InfoBody("a") + Expert("a")) + "</S600000>" +
                              Element("SecondInfo", InfoBody("b") + Expert("b")) + "</Root>");
    auto eval = CComprehensiveEval::Fetch("600000", docs);
    ASSERT_TRUE(eval.Found());
    ExpectSlot(eval, EvalSlot::First, "a");
    ExpectSlot(eval, EvalSlot::Second, "b");
}

TEST(ComprehensiveEval, UnknownCodeIsNotFoundAfterOneRequestAndEmptyCodeFetchesNothing) {
    MemoryDocumentSource docs;
    docs.Serve(kRecommendPath, RecommendDocument());
    auto unknown = CComprehensiveEval::Fetch("600000", docs);
    EXPECT_FALSE(unknown.Found());
    EXPECT_EQ(docs.Requests().size(), 1u);

    docs.Serve("/KRClientInfo/ZHZD/600001.xml", StandardDocument());  // holds S600000 only
    auto wrongAnchor = CComprehensiveEval::Fetch("600001", docs);
    EXPECT_FALSE(wrongAnchor.Found());
    EXPECT_EQ(docs.Requests().size(), 2u);

    MemoryDocumentSource none;
    auto empty = CComprehensiveEval::Fetch("", none);
    EXPECT_FALSE(empty.Found());
    EXPECT_TRUE(none.Requests().empty());
    EXPECT_EQ(empty.Name(), "");
    EXPECT_EQ(empty.Time(EvalSlot::First), "");
}

TEST(ComprehensiveEval, MissingRecommendListLeavesTheStockFoundWithoutStocks) {
    MemoryDocumentSource docs;
    docs.Serve(kEvalPath, StandardDocument());
    docs.Serve(kRecommendPath, "<Root><Other/></Root>");
    auto eval = CComprehensiveEval::Fetch("600000", docs);
    EXPECT_TRUE(eval.Found());
    ExpectSlot(eval, EvalSlot::First, "a");
    EXPECT_EQ(eval.Block(EvalSlot::First, Dimension::Fundamental).recommendedStocks[0], "");
}

TEST(ComprehensiveEval, ShortSiteListsFillTenEntriesWithEmptyOnes) {
    MemoryDocumentSource docs;
    docs.Serve(kEvalPath, "<Root><S600000 name=\"x\">" + Element("FirstInfo", InfoBody("a", 3)) +
                              Expert("a") + Element("SecondInfo", InfoBody("b", 0)) + Expert("b") +
                              "</S600000></Root>");
    auto eval = CComprehensiveEval::Fetch("600000", docs);
    ExpectSlot(eval, EvalSlot::First, "a", 3);
    ExpectSlot(eval, EvalSlot::Second, "b", 0);  // categories without any info element
}

TEST(ComprehensiveEval, ElementOutOfOrderIsNotFoundAndReadsEmpty) {
    // Result before Fraction: FindNext(Fraction) skips past it, FindNext(Result) then fails.
    std::string body = InfoBody("a");
    const std::string head = Element("time", "atime") + Element("Fraction", "atotal") +
                             Element("Result", "averdict");
    body.replace(0, head.size(),
                 Element("time", "atime") + Element("Result", "averdict") +
                     Element("Fraction", "atotal"));
    MemoryDocumentSource docs;
    docs.Serve(kEvalPath, "<Root><S600000 name=\"x\">" + Element("FirstInfo", body) + Expert("a") +
                              Element("SecondInfo", InfoBody("b")) + Expert("b") +
                              "</S600000></Root>");
    auto eval = CComprehensiveEval::Fetch("600000", docs);
    EXPECT_EQ(eval.TotalScore(EvalSlot::First), "atotal");
    EXPECT_EQ(eval.Verdict(EvalSlot::First), "");
    EXPECT_EQ(eval.Block(EvalSlot::First, Dimension::Fundamental).score, "aJBM-score");
    ExpectSlot(eval, EvalSlot::Second, "b");
}

TEST(ComprehensiveEval, MissingValueElementReadsEmptyNotItsNeighbour) {
    std::string body = InfoBody("a");
    const std::string missing = Element("jinglirun", "ajinglirun");
    body.erase(body.find(missing), missing.size());
    MemoryDocumentSource docs;
    docs.Serve(kEvalPath, "<Root><S600000 name=\"x\">" + Element("FirstInfo", body) + Expert("a") +
                              "</S600000></Root>");
    auto eval = CComprehensiveEval::Fetch("600000", docs);
    const DimensionBlock& jbm = eval.Block(EvalSlot::First, Dimension::Fundamental);
    EXPECT_EQ(jbm.values[0], "ashiyinglu");
    EXPECT_EQ(jbm.values[1], "");
    EXPECT_EQ(jbm.values[2], "azhuyingshouru");
    EXPECT_EQ(jbm.score, "aJBM-score");
}

TEST(ComprehensiveEval, HostileDocumentsNeverBreakTheRecord) {
    const std::string full = StandardDocument();
    // Truncated at many points, empty, garbage.
    MemoryDocumentSource docs;
    for (std::size_t cut = 0; cut < full.size(); cut += full.size() / 23 + 1) {
        docs.Serve(kEvalPath, full.substr(0, cut));
        docs.Serve(kRecommendPath, RecommendDocument().substr(0, cut / 4));
        const std::size_t before = docs.Requests().size();
        auto eval = CComprehensiveEval::Fetch("600000", docs);
        EXPECT_EQ(eval.BlockTexts(EvalSlot::First, Dimension::News).size(), 162u);
        EXPECT_EQ(docs.Requests().size() - before, eval.Found() ? 2u : 1u);
    }
    for (const std::string& junk : {std::string(), std::string("not xml"),
                                    std::string("<<<>>></S600000>"), std::string("<S600000")}) {
        MemoryDocumentSource docs;
        docs.Serve(kEvalPath, junk);
        EXPECT_FALSE(CComprehensiveEval::Fetch("600000", docs).Found());
        EXPECT_EQ(docs.Requests().size(), 1u);
    }
}

TEST(ComprehensiveEval, HugeAttributeManySiblingsAndDeepNesting) {
    const std::string huge(1 << 20, 'N');
    {
        MemoryDocumentSource docs;
        std::string many = "<ZFL count=\"7\">";
        for (int i = 0; i < 100000; ++i) many += "<info count=\"1\" NetName=\"s\" LinkUrl=\"u\"/>";
        many += "</ZFL>";
        std::string first = InfoBody("a");
        const std::string zfl = Category("a", "ZFL", 10);
        first.replace(first.find(zfl), zfl.size(), many);
        docs.Serve(kEvalPath, "<Root><S600000 name=\"" + huge + "\">" + Element("FirstInfo", first) +
                                  Expert("a") + "</S600000></Root>");
        auto eval = CComprehensiveEval::Fetch("600000", docs);
        ASSERT_TRUE(eval.Found());
        EXPECT_EQ(eval.Name(), huge);
        const SiteCategory& zflRead = eval.Block(EvalSlot::First, Dimension::News).categories[0];
        EXPECT_EQ(zflRead.count, "7");
        EXPECT_EQ(zflRead.entries[9].netName, "s");
        EXPECT_EQ(eval.Block(EvalSlot::First, Dimension::News).categories[1].count, "aMHL-count");
        EXPECT_EQ(eval.Block(EvalSlot::First, Dimension::Expert).values[0], "aopinion");
    }
    {
        MemoryDocumentSource docs;
        std::string deep;
        for (int i = 0; i < 10000; ++i) deep += "<d>";
        deep += "x";
        for (int i = 0; i < 10000; ++i) deep += "</d>";
        docs.Serve(kEvalPath, "<Root>" + deep + "<S600000 name=\"x\">" + deep + "</S600000></Root>");
        auto eval = CComprehensiveEval::Fetch("600000", docs);
        EXPECT_TRUE(eval.Found());  // the anchor is a child of the root after the deep chain
        EXPECT_EQ(eval.Time(EvalSlot::First), "");
        EXPECT_EQ(docs.Requests().size(), 2u);
    }
}

}  // namespace
