#pragma once
// CHotIndustries: the hottest industries of the day with their index change (at most 10).
#include <cstddef>
#include <string>
#include <vector>

#include "client/data/anchor_rows.h"

class CXmlFile;
class DocumentSource;

struct HotIndustryRow {
    std::string industryName;
    std::string avgUpDown;  // the industry index change
    std::string num;
    std::string tradingTime;
    std::vector<std::string> Texts() const;
};

class CHotIndustries : public AnchorRows<HotIndustryRow, 10> {
public:
    explicit CHotIndustries(DocumentSource& source);

};
