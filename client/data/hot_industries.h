#pragma once
// CHotIndustries: the hottest industries of the day with their index change (at most 10).
#include <cstddef>
#include <string>
#include <vector>

#include "client/data/anchor_rows.h"

struct HotIndustryRow {
    std::string industryName;
    std::string avgUpDown;  // the industry index change
    std::string num;
    std::string tradingTime;
    std::vector<std::string> Texts() const;
};

class CHotIndustries : public AnchorRows<HotIndustryRow, 10> {
public:
    static constexpr const char* kPath = "/clientweb/GetRmhy.aspx";

    // Reads the loaded list document.
    explicit CHotIndustries(LoadedDocument& document);
    // Fetches the document from `source` and reads it (blocks while it is fetched).
    static CHotIndustries Fetch(DocumentSource& source);
};
