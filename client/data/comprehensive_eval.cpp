#include "client/data/comprehensive_eval.h"

#include "client/data/record_walk.h"

using record_walk::AttrIf;
using record_walk::LeaveTimes;
using record_walk::TextIf;

namespace {

constexpr std::array<const char*, kDimensionCount> kBlockElements = {"JBM", "SCM", "JSM",
                                                                     "JJM", "XXM", "ZJP"};
constexpr std::array<const char*, kSiteCategoryCount> kCategoryElements = {"ZFL", "MHL", "ZYL",
                                                                           "LTL", "KRCJL"};
constexpr std::array<const char*, kDimensionCount> kRecommendGroups = {
    "JBMZHG", "SCMZHG", "JSMZHG", "JJMZHG", "XXMZHG", "ZJPZHG"};
constexpr std::array<const char*, kRecommendedStockCount> kStockElements = {
    "stock1", "stock2", "stock3", "stock4", "stock5", "stock6"};

const std::array<std::vector<std::string>, kDimensionCount>& AllValueElements() {
    static const std::array<std::vector<std::string>, kDimensionCount> elements = {{
        {"shiyinglu", "jinglirun", "zhuyingshouru", "meigushouyi", "jingzichan"},
        {"wrijunjia", "srijunjia", "wrijunliang", "srijunliang"},
        {"YZXDDPZD", "YZXDHYZD", "YZGJQJ", "YZZDF"},
        {"JRZLZC", "ZLWRZC", "ZLYYZC"},
        {},
        {"Opinion"},
    }};
    return elements;
}

EvaluationSlot EmptySlot() {
    EvaluationSlot slot;
    for (std::size_t d = 0; d < kDimensionCount; ++d) {
        slot.blocks[d].values.assign(AllValueElements()[d].size(), std::string());
    }
    return slot;
}

// A block whose value elements sit directly below it: Descend to the first value, FindNext
// to each further one and to Fraction. Used for the four plain blocks and the expert block.
// Returns with the position on the block's last element read.
void ReadValueBlock(CXmlFile& doc, bool blockFound, const std::vector<std::string>& names,
                    DimensionBlock& block) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        const bool found = i == 0 ? doc.Descend(names[i]) : doc.FindNext(names[i]);
        block.values[i] = TextIf(blockFound && found, doc);
    }
    const bool scoreFound = doc.FindNext("Fraction");
    block.score = TextIf(blockFound && scoreFound, doc);
}

// One site category of the news block: its count and exactly ten entries, read from the
// current `info` element and stepped with FindNext, the way the server lists them.
void ReadSiteCategory(CXmlFile& doc, bool categoryFound, SiteCategory& category) {
    category.count = AttrIf(categoryFound, doc, "count");
    bool onEntry = doc.Descend("info");
    for (SiteEntry& entry : category.entries) {
        const bool readable = categoryFound && onEntry;
        entry.count = AttrIf(readable, doc, "count");
        entry.netName = AttrIf(readable, doc, "NetName");
        entry.linkUrl = AttrIf(readable, doc, "LinkUrl");
        onEntry = doc.FindNext("info");
    }
}

// Steps 3 to 6 of the evaluation walk for one Info element.
void ReadSlot(CXmlFile& doc, const char* infoElement, EvaluationSlot& slot) {
    const bool infoFound = doc.Descend(infoElement);
    const bool timeFound = doc.Descend("time");
    slot.time = TextIf(infoFound && timeFound, doc);
    const bool totalFound = doc.FindNext("Fraction");
    slot.totalScore = TextIf(infoFound && totalFound, doc);
    const bool verdictFound = doc.FindNext("Result");
    slot.verdict = TextIf(infoFound && verdictFound, doc);
    doc.Leave();  // back at the Info element

    for (Dimension d : {Dimension::Fundamental, Dimension::Market, Dimension::Technical,
                        Dimension::Capital}) {
        const auto index = static_cast<std::size_t>(d);
        const bool blockFound = doc.Descend(kBlockElements[index]);
        ReadValueBlock(doc, infoFound && blockFound, AllValueElements()[index],
                       slot.blocks[index]);
        LeaveTimes(doc, 2);  // back at the Info element
    }

    DimensionBlock& news = slot.blocks[static_cast<std::size_t>(Dimension::News)];
    const bool newsBlockFound = doc.Descend("XXM");
    const bool newsFound = infoFound && newsBlockFound;
    for (std::size_t c = 0; c < kSiteCategoryCount; ++c) {
        const bool categoryFound = doc.Descend(kCategoryElements[c]);
        ReadSiteCategory(doc, newsFound && categoryFound, news.categories[c]);
        LeaveTimes(doc, 2);  // back at XXM
    }
    const bool newsScoreFound = doc.Descend("Fraction");
    news.score = TextIf(newsFound && newsScoreFound, doc);
    LeaveTimes(doc, 3);  // back at the stock element

    const auto expertIndex = static_cast<std::size_t>(Dimension::Expert);
    const bool expertFound = doc.Descend(kBlockElements[expertIndex]);
    ReadValueBlock(doc, infoFound && expertFound, AllValueElements()[expertIndex],
                   slot.blocks[expertIndex]);
}

}  // namespace

std::vector<std::string> DimensionBlock::Texts() const {
    std::vector<std::string> texts(values);
    if (values.empty()) {
        for (const SiteCategory& category : categories) {
            texts.push_back(category.count);
            for (const SiteEntry& entry : category.entries) {
                texts.push_back(entry.netName);
                texts.push_back(entry.count);
                texts.push_back(entry.linkUrl);
            }
        }
    }
    texts.push_back(score);
    texts.insert(texts.end(), recommendedStocks.begin(), recommendedStocks.end());
    return texts;
}

CComprehensiveEval::CComprehensiveEval() : slots_{EmptySlot(), EmptySlot()} {}

std::string CComprehensiveEval::Path(const std::string& code) {
    return record_walk::StockDocumentPath("ZHZD", code);
}

CComprehensiveEval CComprehensiveEval::Fetch(const std::string& code, DocumentSource& source) {
    LoadedDocument evaluation;
    if (!code.empty()) evaluation = source.Fetch(Path(code));
    CComprehensiveEval eval(code, evaluation);
    if (!eval.Found()) return eval;
    LoadedDocument recommended = source.Fetch(kRecommendPath);
    eval.ReadRecommendedStocks(recommended.xml);
    return eval;
}

CComprehensiveEval::CComprehensiveEval(const std::string& code, LoadedDocument& evaluation,
                                       LoadedDocument* recommended)
    : CComprehensiveEval() {
    code_ = code;
    if (code_.empty()) return;
    ReadEvaluation(evaluation);
    if (Found() && recommended) ReadRecommendedStocks(recommended->xml);
}

void CComprehensiveEval::ReadEvaluation(LoadedDocument& evaluation) {
    CXmlFile& doc = evaluation.xml;
    status_ = DescendToStock(evaluation, code_);
    if (status_ != RecordStatus::Found) return;
    name_ = doc.GetAttr("name");
    ReadSlot(doc, "FirstInfo", slots_[0]);
    doc.LeaveAll();
    ReadSlot(doc, "SecondInfo", slots_[1]);
}

void CComprehensiveEval::ReadRecommendedStocks(CXmlFile& doc) {
    if (!doc.Descend("ZHZD")) return;
    EvaluationSlot& first = slots_[0];
    for (std::size_t d = 0; d < kDimensionCount; ++d) {
        const bool groupFound = doc.Descend(kRecommendGroups[d]);
        for (std::size_t s = 0; s < kRecommendedStockCount; ++s) {
            const bool found = s == 0 ? doc.Descend(kStockElements[s])
                                      : doc.FindNext(kStockElements[s]);
            first.blocks[d].recommendedStocks[s] = TextIf(groupFound && found, doc);
        }
        LeaveTimes(doc, 2);  // back at ZHZD
    }
}

const EvaluationSlot& CComprehensiveEval::Slot(EvalSlot slot) const {
    return slots_[static_cast<std::size_t>(slot) == 0 ? 0 : 1];
}

const DimensionBlock& CComprehensiveEval::Block(EvalSlot slot, Dimension dimension) const {
    const auto index = static_cast<std::size_t>(dimension);
    return Slot(slot).blocks[index < kDimensionCount ? index : 0];
}

const char* CComprehensiveEval::BlockElement(Dimension dimension) {
    const auto index = static_cast<std::size_t>(dimension);
    return index < kDimensionCount ? kBlockElements[index] : "";
}

const std::vector<std::string>& CComprehensiveEval::ValueElements(Dimension dimension) {
    const auto index = static_cast<std::size_t>(dimension);
    return AllValueElements()[index < kDimensionCount ? index : 0];
}
