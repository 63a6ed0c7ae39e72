#include "client/data/stock_sectors.h"

#include "client/core/client_util.h"

std::vector<std::string> StockSectorRow::Texts() const {
    return {category, avgUpDown, bkName, tradingTime};
}

std::string CStockSectors::Path(const std::string& code) {
    // The code is what the user typed: encoded, it can add nothing to the query.
    return "/clientweb/GetSsbk.aspx?stockid=" + CClientUtil().PathSegmentEncode(code);
}

CStockSectors CStockSectors::Fetch(const std::string& code, DocumentSource& source) {
    return FetchRecord<CStockSectors>(source, Path(code), code);
}

CStockSectors::CStockSectors(const std::string& code, LoadedDocument& document) : code_(code) {
    const CXmlFile& doc = document.xml;
    ReadRows(document, "InfoSsbk", [&](StockSectorRow& row, std::size_t index) {
        if (index == 0) secuName_ = doc.GetAttr("SecuName");
        row.bkName = doc.GetAttr("BKName");
        row.avgUpDown = doc.GetAttr("AvgUpDown");
        row.category = doc.GetAttr("Concept");
        row.tradingTime = doc.GetAttr("Tradingtime");
    });
}
