#include "client/data/stock_sectors.h"

std::vector<std::string> StockSectorRow::Texts() const {
    return {category, avgUpDown, bkName, tradingTime};
}

std::string CStockSectors::Path(const std::string& code) {
    return "/clientweb/GetSsbk.aspx?stockid=" + code;
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
