// Every record against quorvel-server started for this test, through config.xml in a
// temporary program directory: real documents, real values, and the number of requests
// each record makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <numeric>
#include <string>

#include "client/core/client_config.h"
#include "client/data/comprehensive_eval.h"
#include "client/data/document_source.h"
#include "client/data/diagnosis_comment.h"
#include "client/data/finance_analysis.h"
#include "client/data/history_info.h"
#include "client/data/hot_industries.h"
#include "client/data/industry_hot_stocks.h"
#include "client/data/news_info.h"
#include "client/data/stock_sectors.h"
#include "client/data/top_eyes_series.h"
#include "common/platform/code_page.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "support/sample_server.h"

namespace {

std::string Gbk(const std::string& utf8) { return platform::Utf8ToLocalText(utf8); }

bool IsNumber(const std::string& text) {
    if (text.empty()) return false;
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return *end == '\0';
}

bool IsScore(const std::string& text) {
    return IsNumber(text) && std::strtod(text.c_str(), nullptr) >= 0 &&
           std::strtod(text.c_str(), nullptr) <= 100;
}

std::vector<std::string> SplitTabs(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = text.find('\t', start);
        parts.push_back(text.substr(start, tab - start));
        if (tab == std::string::npos) return parts;
        start = tab + 1;
    }
}

class RecordsAgainstServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server_ = new SampleServer();
        directory_ = platform::MakeTempDirectory("records-server");
        std::ofstream(directory_ + "/config.xml", std::ios::binary)
            << "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<Config>\r\n  <RemotFilePath>"
            << server_->BaseHost() << "</RemotFilePath>\r\n</Config>\r\n";
        platform::SetProgramDirectoryForTesting(directory_);
        documents_ = new ServerDocumentSource(LoadConfig().serverBase);
    }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
        delete documents_;
        documents_ = nullptr;
        platform::RemoveDirectoryTree(directory_);
    }
    void SetUp() override {
        ASSERT_TRUE(server_->Running()) << server_->Error();
        requestsBefore_ = server_->RequestCount();
    }
    long RequestsMade() const { return server_->RequestCount() - requestsBefore_; }

    static SampleServer* server_;
    static ServerDocumentSource* documents_;
    static std::string directory_;
    long requestsBefore_ = 0;
};

SampleServer* RecordsAgainstServer::server_ = nullptr;
ServerDocumentSource* RecordsAgainstServer::documents_ = nullptr;
std::string RecordsAgainstServer::directory_;

TEST_F(RecordsAgainstServer, ComprehensiveEvaluationWithBothSlotsAndRecommendedStocks) {
    auto eval = CComprehensiveEval::Fetch("600000", *documents_);
    ASSERT_TRUE(eval.Found());
    EXPECT_EQ(RequestsMade(), 2);
    EXPECT_EQ(eval.Name(), Gbk("浦发银行"));

    const std::string grades[] = {Gbk("高风险"), Gbk("风险"), Gbk("观望"), Gbk("安全"),
                                  Gbk("高价值")};
    for (EvalSlot slot : {EvalSlot::First, EvalSlot::Second}) {
        EXPECT_EQ(eval.Time(slot).size(), 10u) << eval.Time(slot);  // YYYY-MM-DD
        EXPECT_TRUE(IsScore(eval.TotalScore(slot))) << eval.TotalScore(slot);
        EXPECT_NE(std::find(std::begin(grades), std::end(grades), eval.Verdict(slot)),
                  std::end(grades));
        for (std::size_t d = 0; d < kDimensionCount; ++d) {
            const DimensionBlock& block = eval.Block(slot, static_cast<Dimension>(d));
            EXPECT_TRUE(IsScore(block.score)) << d << ": " << block.score;
            for (const std::string& value : block.values) EXPECT_FALSE(value.empty()) << d;
        }
        const DimensionBlock& news = eval.Block(slot, Dimension::News);
        for (const SiteCategory& category : news.categories) {
            long sum = 0;
            for (const SiteEntry& entry : category.entries) {
                EXPECT_FALSE(entry.netName.empty());
                EXPECT_EQ(entry.linkUrl.rfind("http://" + server_->BaseHost() + "/", 0), 0u)
                    << entry.linkUrl;
                sum += std::strtol(entry.count.c_str(), nullptr, 10);
            }
            EXPECT_EQ(std::to_string(sum), category.count);
        }
    }
    EXPECT_GT(eval.Time(EvalSlot::First), eval.Time(EvalSlot::Second));  // the second is older
    EXPECT_TRUE(IsNumber(eval.Block(EvalSlot::First, Dimension::Fundamental).values[3]));
    for (std::size_t d = 0; d < kDimensionCount; ++d) {
        for (const std::string& stock :
             eval.Block(EvalSlot::First, static_cast<Dimension>(d)).recommendedStocks) {
            // "600000 浦发银行": a code, a blank, a name
            EXPECT_TRUE(stock.size() > 7 && stock[6] == ' ' &&
                        stock.find_first_not_of("0123456789") == 6)
                << stock;
        }
        for (const std::string& stock :
             eval.Block(EvalSlot::Second, static_cast<Dimension>(d)).recommendedStocks) {
            EXPECT_EQ(stock, "");
        }
    }
}

TEST_F(RecordsAgainstServer, UnknownCodeIsNotFoundAfterExactlyOneRequest) {
    auto eval = CComprehensiveEval::Fetch("999999", *documents_);
    EXPECT_FALSE(eval.Found());
    EXPECT_EQ(RequestsMade(), 1);
    EXPECT_EQ(eval.Name(), "");
    EXPECT_FALSE(CDiagnosisComment::Fetch("999999", "ZLZD", *documents_).Found());
    EXPECT_FALSE(CFinanceAnalysis::FetchStock("999999", *documents_).Found());
    EXPECT_EQ(RequestsMade(), 3);
}

TEST_F(RecordsAgainstServer, FinanceFiguresOfOneStockAndTheTopFifty) {
    auto stock = CFinanceAnalysis::FetchStock("000001", *documents_);
    ASSERT_TRUE(stock.Found());
    EXPECT_EQ(stock.Name(), Gbk("平安银行"));
    for (const std::string& figure : stock.Figures()) EXPECT_TRUE(IsNumber(figure)) << figure;

    auto list = CFinanceAnalysis::FetchList(*documents_);
    ASSERT_TRUE(list.Found());
    EXPECT_EQ(RequestsMade(), 2);
    double previous = 1e9;
    for (std::size_t i = 0; i < kFinanceListCapacity; ++i) {
        const FinanceRow& row = list.Row(i);
        EXPECT_EQ(row.stockId.size(), 6u) << i;
        EXPECT_FALSE(row.stockName.empty()) << i;
        const double eps = std::strtod(row.figures[0].c_str(), nullptr);
        EXPECT_LE(eps, previous) << i;  // highest earnings per share first
        previous = eps;
    }
}

TEST_F(RecordsAgainstServer, DiagnosesAndForecastOfEveryFolder) {
    for (const char* folder :
         {"CWZD", "DKZD", "GXZD", "JGZD", "RDZD", "YLZD", "ZCZD", "ZLZD", "YZYC"}) {
        auto comment = CDiagnosisComment::Fetch("600519", folder, *documents_);
        ASSERT_TRUE(comment.Found()) << folder;
        EXPECT_EQ(comment.Name(), Gbk("贵州茅台")) << folder;
        EXPECT_FALSE(comment.Time().empty()) << folder;
        EXPECT_GT(comment.Msg().size(), 10u) << folder;
    }
    EXPECT_NE(CDiagnosisComment::Fetch("600519", "YZYC", *documents_).Msg().find(Gbk("年")), std::string::npos);
    EXPECT_EQ(RequestsMade(), 10);
}

TEST_F(RecordsAgainstServer, MoneyFlowSeriesOfTwentyTradingDays) {
    auto two = CTopEyesSeries::Fetch("600036", "TopEyess", *documents_);
    ASSERT_TRUE(two.Found());
    const auto times = SplitTabs(two.TimeList());
    ASSERT_EQ(times.size(), 20u);
    for (const std::string& t : times) EXPECT_EQ(t.size(), 4u) << t;  // MMDD
    EXPECT_EQ(SplitTabs(two.UpValues()).size(), 20u);
    EXPECT_EQ(SplitTabs(two.DownValues()).size(), 20u);
    for (const std::string& v : SplitTabs(two.UpValues())) EXPECT_TRUE(IsNumber(v)) << v;

    auto one = CTopEyesSeries::Fetch("600036", "TopEyesh", *documents_);
    ASSERT_TRUE(one.Found());
    EXPECT_EQ(SplitTabs(one.UpValues()).size(), 20u);
    EXPECT_EQ(one.DownValues(), "");
    EXPECT_EQ(one.TimeList(), two.TimeList());
    EXPECT_EQ(RequestsMade(), 2);
}

TEST_F(RecordsAgainstServer, IndustryAndSectorLists) {
    auto hotStocks = CIndustryHotStocks::Fetch(*documents_);
    ASSERT_GT(hotStocks.Count(), 0u);
    EXPECT_LE(hotStocks.Count(), CIndustryHotStocks::kCapacity);
    for (std::size_t i = 0; i < hotStocks.Count(); ++i) {
        EXPECT_FALSE(hotStocks.Row(i).industryName.empty());
        EXPECT_FALSE(hotStocks.Row(i).ledShares1.empty());
        EXPECT_FALSE(hotStocks.Row(i).tradingTime.empty());
    }

    auto industries = CHotIndustries::Fetch(*documents_);
    ASSERT_GE(industries.Count(), 3u);
    EXPECT_LE(industries.Count(), CHotIndustries::kCapacity);
    for (std::size_t i = 0; i < industries.Count(); ++i) {
        const std::string& change = industries.Row(i).avgUpDown;  // "+1.22%"
        ASSERT_FALSE(change.empty());
        EXPECT_EQ(change.back(), '%');
        EXPECT_TRUE(IsNumber(change.substr(0, change.size() - 1))) << change;
    }

    auto sectors = CStockSectors::Fetch("600000", *documents_);
    ASSERT_GT(sectors.Count(), 0u);
    EXPECT_EQ(sectors.SecuName(), Gbk("浦发银行"));
    for (std::size_t i = 0; i < sectors.Count(); ++i) {
        EXPECT_FALSE(sectors.Row(i).bkName.empty());
        EXPECT_FALSE(sectors.Row(i).category.empty());
    }
    EXPECT_EQ(CStockSectors::Fetch("999999", *documents_).Count(), 0u);
    EXPECT_EQ(RequestsMade(), 4);
}

TEST_F(RecordsAgainstServer, HistoryAndNews) {
    auto history = CHistoryInfo::Fetch(*documents_);
    ASSERT_TRUE(history.Found());
    EXPECT_FALSE(history.Msg1().empty());
    EXPECT_FALSE(history.Msg2().empty());

    auto news = CNewsInfo::Fetch("", *documents_);
    ASSERT_TRUE(news.HasNewNews());
    EXPECT_FALSE(news.Time().empty());
    EXPECT_FALSE(news.Title().empty());
    EXPECT_FALSE(news.Summary().empty());
    EXPECT_LE(news.Summary().size(), 240u + 6u);
    EXPECT_EQ(news.Link().rfind("http://", 0), 0u);

    auto again = CNewsInfo::Fetch(news.Time(), *documents_);
    EXPECT_FALSE(again.HasNewNews());
    EXPECT_EQ(again.Summary(), "");
    EXPECT_EQ(RequestsMade(), 3);
}

}  // namespace
