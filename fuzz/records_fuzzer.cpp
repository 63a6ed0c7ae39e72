// Any byte sequence, served as every server document at once, is walked by every
// evaluation record without a crash, an overread or a hang, and no record holds more
// rows than its capacity.
#include <cstddef>
#include <cstdint>
#include <string>

#include "client/data/comprehensive_eval.h"
#include "client/data/diagnosis_comment.h"
#include "client/data/document_source.h"
#include "client/data/finance_analysis.h"
#include "client/data/history_info.h"
#include "client/data/hot_industries.h"
#include "client/data/industry_hot_stocks.h"
#include "client/data/news_info.h"
#include "client/data/stock_sectors.h"
#include "client/data/top_eyes_series.h"
#include "common/xml/xml_file.h"
#include "fuzz/fuzz_support.h"

namespace {

class SameTextEverywhere : public DocumentSource {
public:
    explicit SameTextEverywhere(std::string text) : text_(std::move(text)) {}
    FetchStatus Load(const std::string&, CXmlFile& doc) override {
        doc.Doc().SetDoc(text_);
        return FetchStatus::Loaded;
    }

private:
    std::string text_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SameTextEverywhere source(std::string(reinterpret_cast<const char*>(data), size));
    auto eval = CComprehensiveEval::Fetch("600000", source);
    fuzz::Require(eval.BlockTexts(EvalSlot::First, Dimension::News).size() == 162,
                  "news block texts");
    auto stock = CFinanceAnalysis::FetchStock("600000", source);
    auto list = CFinanceAnalysis::FetchList(source);
    auto comment = CDiagnosisComment::Fetch("600000", "ZLZD", source);
    auto two = CTopEyesSeries::Fetch("600000", "TopEyess", source);
    auto one = CTopEyesSeries::Fetch("600000", "TopEyesh", source);
    fuzz::Require(one.DownValues().empty(), "one series only");
    fuzz::Require(CIndustryHotStocks::Fetch(source).Count() <= CIndustryHotStocks::kCapacity,
                  "industry hot stocks capacity");
    fuzz::Require(CHotIndustries::Fetch(source).Count() <= CHotIndustries::kCapacity,
                  "hot industries capacity");
    fuzz::Require(CStockSectors::Fetch("600000", source).Count() <= CStockSectors::kCapacity,
                  "sectors capacity");
    auto history = CHistoryInfo::Fetch(source);
    auto news = CNewsInfo::Fetch("t", source);
    fuzz::Require(news.Summary().size() <= 246, "summary length");
    return 0;
}
