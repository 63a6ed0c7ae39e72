#include "server/money_flow_document.h"

#include "common/platform/ascii_case.h"
#include "server/number_text.h"
#include "server/xml_text.h"

namespace server {
namespace {

template <typename Value>
std::string TabSeparated(const std::vector<DailyFlow>& flows, Value value) {
    std::string out;
    for (std::size_t i = 0; i < flows.size(); ++i) {
        if (i) out += '\t';
        out += value(flows[i]);
    }
    return out;
}

}  // namespace

std::string MoneyFlowDocument(const MarketModel& model, std::size_t index, const std::string& folder) {
    const std::string name = platform::AsciiLower(folder);
    if (name != "topeyess" && name != "topeyesh") return "";
    const StockProfile& p = model.Profile(index);
    const auto times = TabSeparated(p.flows, [](const DailyFlow& f) { return f.mmdd; });
    XmlBuilder xml;
    xml.Open("KRClientInfo");
    xml.Open("S" + p.stock.code, {{"name", p.stock.name}});
    if (name == "topeyess") {
        xml.Leaf("UpValues", TabSeparated(p.flows, [](const DailyFlow& f) { return Fixed(f.buy, 2); }));
        xml.Leaf("DownValues", TabSeparated(p.flows, [](const DailyFlow& f) { return Fixed(-f.sell, 2); }));
    } else {
        xml.Leaf("values", TabSeparated(p.flows, [](const DailyFlow& f) { return Fixed(f.Net(), 2); }));
    }
    xml.Leaf("TimeList", times);
    return xml.Document();
}

}  // namespace server
