#include "client/data/industry_hot_stocks.h"

std::vector<std::string> IndustryHotStocksRow::Texts() const {
    return {industryName, ledShares1, ledShares2, maxTurnover1, maxTurnover2, tradingTime};
}

CIndustryHotStocks CIndustryHotStocks::Fetch(DocumentSource& source) {
    return FetchRecord<CIndustryHotStocks>(source, kPath);
}

CIndustryHotStocks::CIndustryHotStocks(LoadedDocument& document) {
    const CXmlFile& doc = document.xml;
    ReadRows(document, "InfoHyrg", [&](IndustryHotStocksRow& row, std::size_t) {
        row.industryName = doc.GetAttr("IndustryName");
        row.ledShares1 = doc.GetAttr("LedShares1");
        row.ledShares2 = doc.GetAttr("LedShares2");
        row.maxTurnover1 = doc.GetAttr("MaxTurnover1");
        row.maxTurnover2 = doc.GetAttr("MaxTurnover2");
        row.tradingTime = doc.GetAttr("Tradingtime");
    });
}
