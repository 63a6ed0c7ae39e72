#include "client/data/stock_sectors.h"

#include "client/data/document_source.h"
#include "client/data/record_walk.h"
#include "common/xml/xml_file.h"

std::vector<std::string> StockSectorRow::Texts() const {
    return {category, avgUpDown, bkName, tradingTime};
}

CStockSectors::CStockSectors(const std::string& code)
    : CStockSectors(code, ServerDocuments()) {}

CStockSectors::CStockSectors(const std::string& code, DocumentSource& source) : code_(code) {
    CXmlFile doc;
    source.Load("/clientweb/GetSsbk.aspx?stockid=" + code_, doc);
    record_walk::ReadAnchorList(doc, "InfoSsbk", kCapacity, [&](std::size_t index) {
        if (index == 0) secuName_ = doc.GetAttr("SecuName");
        StockSectorRow& row = rows_.emplace_back();
        row.bkName = doc.GetAttr("BKName");
        row.avgUpDown = doc.GetAttr("AvgUpDown");
        row.category = doc.GetAttr("Concept");
        row.tradingTime = doc.GetAttr("Tradingtime");
    });
}

const StockSectorRow& CStockSectors::Row(std::size_t index) const {
    static const StockSectorRow empty;
    return index < rows_.size() ? rows_[index] : empty;
}
