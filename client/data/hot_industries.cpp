#include "client/data/hot_industries.h"

#include "client/data/document_source.h"
#include "client/data/record_walk.h"
#include "common/xml/xml_file.h"

std::vector<std::string> HotIndustryRow::Texts() const {
    return {industryName, avgUpDown, num, tradingTime};
}

CHotIndustries::CHotIndustries() : CHotIndustries(ServerDocuments()) {}

CHotIndustries::CHotIndustries(DocumentSource& source) {
    CXmlFile doc;
    source.Load("/clientweb/GetRmhy.aspx", doc);
    record_walk::ReadAnchorList(doc, "InfoRmhy", kCapacity, [&](std::size_t) {
        HotIndustryRow& row = rows_.emplace_back();
        row.industryName = doc.GetAttr("IndustryName");
        row.avgUpDown = doc.GetAttr("AvgUpDown");
        row.num = doc.GetAttr("Num");
        row.tradingTime = doc.GetAttr("Tradingtime");
    });
}

const HotIndustryRow& CHotIndustries::Row(std::size_t index) const {
    static const HotIndustryRow empty;
    return index < rows_.size() ? rows_[index] : empty;
}
