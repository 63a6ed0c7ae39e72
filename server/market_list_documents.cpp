#include "server/market_list_documents.h"

#include <algorithm>

#include "server/industry_catalog.h"
#include "server/market_calendar.h"
#include "server/number_text.h"
#include "server/seeded_random.h"
#include "server/xml_text.h"

namespace server {
namespace {

// Industries from the strongest day to the weakest.
std::vector<const IndustryDay*> IndustriesByChange(const MarketModel& model) {
    std::vector<const IndustryDay*> order;
    for (const auto& day : model.IndustryDays()) order.push_back(&day);
    std::stable_sort(order.begin(), order.end(), [](const IndustryDay* a, const IndustryDay* b) {
        return a->averageChange > b->averageChange;
    });
    return order;
}

const char* IndustryName(int industry) { return Industries()[static_cast<std::size_t>(industry)].name; }

// A concept sector's change on the day: the same for every stock that belongs to it.
double SectorChange(const std::string& sector) {
    SeededRandom random("sector/" + sector);
    return random.Normal() * 1.6 + 0.15;
}

}  // namespace

std::string AnalysisTime() { return LastTradingDay().Iso() + " 15:00"; }

std::string IndustryHotStocksDocument(const MarketModel& model) {
    XmlBuilder xml;
    xml.Open("KRClientInfo");
    for (const IndustryDay* day : IndustriesByChange(model)) {
        std::vector<std::size_t> byRise = day->members;
        std::stable_sort(byRise.begin(), byRise.end(), [&](std::size_t a, std::size_t b) {
            return model.Profile(a).dayChange > model.Profile(b).dayChange;
        });
        std::vector<std::size_t> byTurnover = day->members;
        std::stable_sort(byTurnover.begin(), byTurnover.end(), [&](std::size_t a, std::size_t b) {
            return model.Profile(a).TurnoverToday() > model.Profile(b).TurnoverToday();
        });
        auto rise = [&](std::size_t i) {
            if (i >= byRise.size()) return std::string("--");
            const auto& p = model.Profile(byRise[i]);
            return p.stock.name + "（" + SignedFixed(p.dayChange, 2) + "）";
        };
        auto turnover = [&](std::size_t i) {
            if (i >= byTurnover.size()) return std::string("--");
            const auto& p = model.Profile(byTurnover[i]);
            return p.stock.name + "（" + Whole(p.TurnoverToday()) + "）";
        };
        xml.Empty("InfoHyrg", {{"IndustryName", IndustryName(day->industry)},
                               {"LedShares1", rise(0)},
                               {"LedShares2", rise(1)},
                               {"MaxTurnover1", turnover(0)},
                               {"MaxTurnover2", turnover(1)},
                               {"Tradingtime", AnalysisTime()}});
    }
    return xml.Document();
}

std::string HotIndustriesDocument(const MarketModel& model) {
    XmlBuilder xml;
    xml.Open("KRClientInfo");
    const auto order = IndustriesByChange(model);
    for (std::size_t i = 0; i < order.size() && i < 10; ++i) {
        xml.Empty("InfoRmhy", {{"IndustryName", IndustryName(order[i]->industry)},
                               {"AvgUpDown", SignedPercent(order[i]->averageChange)},
                               {"Num", std::to_string(order[i]->members.size())},
                               {"Tradingtime", AnalysisTime()}});
    }
    return xml.Document();
}

std::string StockSectorsDocument(const MarketModel& model, std::size_t index) {
    const StockProfile& p = model.Profile(index);
    const IndustryDay& industry = model.IndustryOf(index);
    const IndustrySpec& spec = Industries()[static_cast<std::size_t>(p.industry)];

    struct Row {
        std::string sector, kind;
        double change;
    };
    std::vector<Row> rows = {{spec.name, "行业", industry.averageChange}};
    SeededRandom random(p.stock.code + "/sectors");
    for (const char* sector : spec.concepts)
        if (rows.size() == 1 || random.Chance(0.6)) rows.push_back({sector, "概念", SectorChange(sector)});
    if (p.MarketValue() > 120) rows.push_back({"融资融券", "概念", SectorChange("融资融券")});
    const std::string index300 = p.stock.code.rfind("300", 0) == 0 ? "创业板指"
                                 : p.MarketValue() > 800          ? "沪深300"
                                                                  : "中证500";
    rows.push_back({index300, "指数", SectorChange(index300)});
    const std::string board = p.stock.code[0] == '6' ? "沪股通" : "深股通";
    if (p.MarketValue() > 200) rows.push_back({board, "概念", SectorChange(board)});

    XmlBuilder xml;
    xml.Open("KRClientInfo");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        XmlBuilder::Attributes attributes;
        if (i == 0) attributes.push_back({"SecuName", p.stock.name});
        attributes.push_back({"BKName", rows[i].sector});
        attributes.push_back({"AvgUpDown", SignedPercent(rows[i].change)});
        attributes.push_back({"Concept", rows[i].kind});
        attributes.push_back({"Tradingtime", AnalysisTime()});
        xml.Empty("InfoSsbk", attributes);
    }
    return xml.Document();
}

}  // namespace server
