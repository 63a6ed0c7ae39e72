#include "client/data/hot_industries.h"

#include "client/data/document_source.h"
#include "common/xml/xml_file.h"

std::vector<std::string> HotIndustryRow::Texts() const {
    return {industryName, avgUpDown, num, tradingTime};
}

CHotIndustries::CHotIndustries(DocumentSource& source) {
    CXmlFile doc;
    source.Load("/clientweb/GetRmhy.aspx", doc);
    ReadRows(doc, "InfoRmhy", [&](HotIndustryRow& row, std::size_t) {
        row.industryName = doc.GetAttr("IndustryName");
        row.avgUpDown = doc.GetAttr("AvgUpDown");
        row.num = doc.GetAttr("Num");
        row.tradingTime = doc.GetAttr("Tradingtime");
    });
}
