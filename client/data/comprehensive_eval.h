#pragma once
// CComprehensiveEval: the comprehensive evaluation of one stock. Two evaluation slots
// (the latest and the one before), each with a time, a total score, a verdict and six
// dimension blocks; the first slot also carries the six stocks the server recommends per
// dimension. Everything is server text, kept as it was written (GBK).
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "client/data/record_status.h"

// The six analysis dimensions, in the order the evaluation lists them.
enum class Dimension : std::size_t {
    Fundamental = 0,  // 基本面, element JBM
    Market = 1,       // 市场面, SCM
    Technical = 2,    // 技术面, JSM
    Capital = 3,      // 资金面, JJM
    News = 4,         // 消息面, XXM
    Expert = 5,       // 专家评, ZJP
};
inline constexpr std::size_t kDimensionCount = 6;

enum class EvalSlot : std::size_t { First = 0, Second = 1 };

inline constexpr std::size_t kSiteCategoryCount = 5;  // 政府类 门户类 专业类 论坛类 财经类
inline constexpr std::size_t kSiteEntriesPerCategory = 10;
inline constexpr std::size_t kRecommendedStockCount = 6;

struct SiteEntry {
    std::string netName;  // site name
    std::string count;    // appearances on that site
    std::string linkUrl;  // page address
};

struct SiteCategory {
    std::string count;  // appearances on sites of the category
    std::array<SiteEntry, kSiteEntriesPerCategory> entries;
};

struct DimensionBlock {
    // The dimension's value fields in their fixed order (none for the news dimension,
    // whose values are the site categories).
    std::vector<std::string> values;
    std::array<SiteCategory, kSiteCategoryCount> categories;  // news dimension only
    std::string score;
    std::array<std::string, kRecommendedStockCount> recommendedStocks;

    // All texts as one group: value fields (for the news dimension each category's count
    // followed by its ten entries as NetName, count, LinkUrl), the score, the six stocks.
    std::vector<std::string> Texts() const;
};

struct EvaluationSlot {
    std::string time;
    std::string totalScore;
    std::string verdict;
    std::array<DimensionBlock, kDimensionCount> blocks;
};

class CComprehensiveEval {
public:
    static constexpr const char* kRecommendPath = "/KRClientInfo/ZHZD/RecommendStock.xml";
    static std::string Path(const std::string& code);

    // Empty and not found (the state of the last evaluation before any query).
    CComprehensiveEval();
    // Reads the loaded evaluation document of `code` and, when the stock was found and
    // the recommended stocks' document is given, the recommended stocks.
    CComprehensiveEval(const std::string& code, LoadedDocument& evaluation,
                       LoadedDocument* recommended = nullptr);
    // Fetches and reads the evaluation of `code`, then, only when the stock was found,
    // the recommended stocks (blocks while they are fetched). An empty code fetches
    // nothing.
    static CComprehensiveEval Fetch(const std::string& code, DocumentSource& source);

    RecordStatus Status() const { return status_; }
    bool Found() const { return status_ == RecordStatus::Found; }
    const std::string& Code() const { return code_; }
    const std::string& Name() const { return name_; }

    const EvaluationSlot& Slot(EvalSlot slot) const;
    const std::string& Time(EvalSlot slot) const { return Slot(slot).time; }
    const std::string& TotalScore(EvalSlot slot) const { return Slot(slot).totalScore; }
    const std::string& Verdict(EvalSlot slot) const { return Slot(slot).verdict; }
    const DimensionBlock& Block(EvalSlot slot, Dimension dimension) const;
    std::vector<std::string> BlockTexts(EvalSlot slot, Dimension dimension) const {
        return Block(slot, dimension).Texts();
    }

    // Element names of a dimension's block and of its value fields.
    static const char* BlockElement(Dimension dimension);
    static const std::vector<std::string>& ValueElements(Dimension dimension);

private:
    void ReadEvaluation(LoadedDocument& evaluation);
    void ReadRecommendedStocks(CXmlFile& doc);

    std::string code_;
    std::string name_;
    RecordStatus status_ = RecordStatus::NotFound;
    std::array<EvaluationSlot, 2> slots_;
};
