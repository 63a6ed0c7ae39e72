#include "server/finance_documents.h"

#include "server/number_text.h"
#include "server/xml_text.h"

namespace server {
namespace {

// The six figures in the order the client reads them.
std::vector<std::pair<std::string, std::string>> Figures(const StockProfile& p) {
    return {{"PerIncome", Fixed(p.eps, 3)},
            {"PerOnlyCapital", Fixed(p.bookPerShare, 2)},
            {"OnlyProfit", Fixed(p.netProfit, 2)},
            {"Taking", Fixed(p.revenue, 2)},
            {"PerAccuFund", Fixed(p.reservePerShare, 3)},
            {"CapitalOwesRatio", Fixed(p.debtRatio, 2)}};
}

}  // namespace

std::string FinanceDocument(const MarketModel& model, std::size_t index) {
    const StockProfile& p = model.Profile(index);
    XmlBuilder xml;
    xml.Open("KRClientInfo");
    xml.Open("S" + p.stock.code, {{"name", p.stock.name}});
    for (const auto& [name, value] : Figures(p)) xml.Leaf(name, value);
    return xml.Document();
}

std::string FinanceTopListDocument(const MarketModel& model) {
    XmlBuilder xml;
    xml.Open("KRClientInfo");
    for (std::size_t index : model.HighestEarnings(50)) {
        const StockProfile& p = model.Profile(index);
        XmlBuilder::Attributes attributes = {{"StockId", p.stock.code}, {"StockName", p.stock.name}};
        for (auto& figure : Figures(p)) attributes.push_back(std::move(figure));
        xml.Empty("InfoCwfx", attributes);
    }
    return xml.Document();
}

}  // namespace server
