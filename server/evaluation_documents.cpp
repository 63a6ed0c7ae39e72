#include "server/evaluation_documents.h"

#include "server/number_text.h"
#include "server/site_catalog.h"
#include "server/xml_text.h"

namespace server {
namespace {

std::string Yuan(double millions) { return Whole(millions * 1e6); }

void WriteSlot(XmlBuilder& xml, const char* element, const StockProfile& p, const Evaluation& e,
               const std::string& host) {
    xml.Open(element);
    xml.Leaf("time", e.date);
    xml.Leaf("Fraction", Fixed(e.total, 1));
    xml.Leaf("Result", e.verdict);

    xml.Open("JBM");
    xml.Leaf("shiyinglu", p.eps > 0 ? Fixed(p.price / p.eps, 2) : "亏损");
    xml.Leaf("jinglirun", Percent(p.profitGrowth));
    xml.Leaf("zhuyingshouru", Percent(p.revenueGrowth));
    xml.Leaf("meigushouyi", Fixed(p.eps, 3));
    xml.Leaf("jingzichan", Fixed(p.bookPerShare, 2));
    xml.Leaf("Fraction", std::to_string(e.scores[kBasic]));
    xml.Close();

    xml.Open("SCM");
    xml.Leaf("wrijunjia", Fixed(p.average5, 2));
    xml.Leaf("srijunjia", Fixed(p.average10, 2));
    xml.Leaf("wrijunliang", Whole(p.volume5));
    xml.Leaf("srijunliang", Whole(p.volume10));
    xml.Leaf("Fraction", std::to_string(e.scores[kMarket]));
    xml.Close();

    xml.Open("JSM");
    xml.Leaf("YZXDDPZD", SignedPercent(p.weekChange - p.marketWeekChange));
    xml.Leaf("YZXDHYZD", SignedPercent(p.weekChange - p.industryWeekChange));
    xml.Leaf("YZGJQJ", Fixed(p.weekLow, 2) + "-" + Fixed(p.weekHigh, 2));
    xml.Leaf("YZZDF", SignedPercent(p.weekChange));
    xml.Leaf("Fraction", std::to_string(e.scores[kTechnical]));
    xml.Close();

    double today = 0, five = 0, month = 0;
    for (std::size_t i = 0; i < p.flows.size(); ++i) {
        const double net = p.flows[i].Net();
        month += net;
        if (i + 5 >= p.flows.size()) five += net;
        if (i + 1 == p.flows.size()) today = net;
    }
    xml.Open("JJM");
    xml.Leaf("JRZLZC", Yuan(today));
    xml.Leaf("ZLWRZC", Yuan(five));
    xml.Leaf("ZLYYZC", Yuan(month));
    xml.Leaf("Fraction", std::to_string(e.scores[kFunds]));
    xml.Close();

    xml.Open("XXM");
    const auto& catalog = NewsSiteCategories();
    for (std::size_t c = 0; c < e.news.size(); ++c) {
        const SiteCategory& category = e.news[c];
        xml.Open(category.element, {{"count", std::to_string(category.count)}});
        for (std::size_t s = 0; s < category.sites.size(); ++s) {
            const SiteMention& site = category.sites[s];
            const std::string link = "http://" + host + "/sites/" + catalog[c].slug + "/" +
                                     std::to_string(site.siteIndex + 1) + ".html?stock=" + p.stock.code;
            xml.Empty("info", {{"count", std::to_string(site.count)},
                               {"NetName", site.site},
                               {"LinkUrl", link}});
        }
        xml.Close();
    }
    xml.Leaf("Fraction", std::to_string(e.scores[kNews]));
    xml.Close();

    xml.Close();  // the slot

    xml.Open("ZJP");
    xml.Leaf("Opinion", e.opinion);
    xml.Leaf("Fraction", std::to_string(e.scores[kExpert]));
    xml.Close();
}

}  // namespace

std::string StockLabel(const StockEntry& stock) { return stock.code + " " + stock.name; }

std::string ComprehensiveDocument(const MarketModel& model, std::size_t index,
                                  const std::string& host) {
    const StockProfile& latest = model.Profile(index, 0);
    XmlBuilder xml;
    xml.Open("KRClientInfo");
    xml.Open("S" + latest.stock.code, {{"name", latest.stock.name}});
    WriteSlot(xml, "FirstInfo", latest, model.EvaluationOf(index, 0), host);
    WriteSlot(xml, "SecondInfo", model.Profile(index, 1), model.EvaluationOf(index, 1), host);
    return xml.Document();
}

std::string RecommendStockDocument(const MarketModel& model) {
    static const std::pair<const char*, Dimension> kGroups[] = {
        {"JBMZHG", kBasic}, {"SCMZHG", kMarket}, {"JSMZHG", kTechnical},
        {"JJMZHG", kFunds}, {"XXMZHG", kNews},   {"ZJPZHG", kExpert}};
    XmlBuilder xml;
    xml.Open("KRClientInfo");
    xml.Open("ZHZD");
    for (const auto& [group, dimension] : kGroups) {
        xml.Open(group);
        const auto best = model.BestByDimension(dimension);
        for (std::size_t i = 0; i < 6; ++i) {
            xml.Leaf("stock" + std::to_string(i + 1),
                     i < best.size() ? StockLabel(model.Profile(best[i]).stock) : "");
        }
        xml.Close();
    }
    return xml.Document();
}

}  // namespace server
