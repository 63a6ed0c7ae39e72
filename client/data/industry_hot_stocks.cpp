#include "client/data/industry_hot_stocks.h"

#include "client/data/document_source.h"
#include "common/xml/xml_file.h"

std::vector<std::string> IndustryHotStocksRow::Texts() const {
    return {industryName, ledShares1, ledShares2, maxTurnover1, maxTurnover2, tradingTime};
}

CIndustryHotStocks::CIndustryHotStocks(DocumentSource& source) {
    CXmlFile doc;
    source.Load("/clientweb/GetHyrg.aspx", doc);
    ReadRows(doc, "InfoHyrg", [&](IndustryHotStocksRow& row, std::size_t) {
        row.industryName = doc.GetAttr("IndustryName");
        row.ledShares1 = doc.GetAttr("LedShares1");
        row.ledShares2 = doc.GetAttr("LedShares2");
        row.maxTurnover1 = doc.GetAttr("MaxTurnover1");
        row.maxTurnover2 = doc.GetAttr("MaxTurnover2");
        row.tradingTime = doc.GetAttr("Tradingtime");
    });
}
