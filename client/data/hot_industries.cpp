#include "client/data/hot_industries.h"

std::vector<std::string> HotIndustryRow::Texts() const {
    return {industryName, avgUpDown, num, tradingTime};
}

CHotIndustries CHotIndustries::Fetch(DocumentSource& source) {
    return FetchRecord<CHotIndustries>(source, kPath);
}

CHotIndustries::CHotIndustries(LoadedDocument& document) {
    const CXmlFile& doc = document.xml;
    ReadRows(document, "InfoRmhy", [&](HotIndustryRow& row, std::size_t) {
        row.industryName = doc.GetAttr("IndustryName");
        row.avgUpDown = doc.GetAttr("AvgUpDown");
        row.num = doc.GetAttr("Num");
        row.tradingTime = doc.GetAttr("Tradingtime");
    });
}
