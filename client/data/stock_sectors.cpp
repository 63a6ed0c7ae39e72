#include "client/data/stock_sectors.h"

#include "client/data/document_source.h"
#include "common/xml/xml_file.h"

std::vector<std::string> StockSectorRow::Texts() const {
    return {category, avgUpDown, bkName, tradingTime};
}

CStockSectors::CStockSectors(const std::string& code, DocumentSource& source) : code_(code) {
    CXmlFile doc;
    source.Load("/clientweb/GetSsbk.aspx?stockid=" + code_, doc);
    ReadRows(doc, "InfoSsbk", [&](StockSectorRow& row, std::size_t index) {
        if (index == 0) secuName_ = doc.GetAttr("SecuName");
        row.bkName = doc.GetAttr("BKName");
        row.avgUpDown = doc.GetAttr("AvgUpDown");
        row.category = doc.GetAttr("Concept");
        row.tradingTime = doc.GetAttr("Tradingtime");
    });
}
