#pragma once
// CIndustryHotStocks: for every industry its two stocks with the largest rise and the two
// with the largest turnover, as listed by the server (at most 1000 industries).
#include <cstddef>
#include <string>
#include <vector>

#include "client/data/anchor_rows.h"

struct IndustryHotStocksRow {
    std::string industryName;
    std::string ledShares1;    // 领涨股1（涨幅%）
    std::string ledShares2;    // 领涨股2（涨幅%）
    std::string maxTurnover1;  // 最大成交额1（万）
    std::string maxTurnover2;  // 最大成交额2（万）
    std::string tradingTime;   // time of the analysis
    std::vector<std::string> Texts() const;
};

class CIndustryHotStocks : public AnchorRows<IndustryHotStocksRow, 1000> {
public:
    static constexpr const char* kPath = "/clientweb/GetHyrg.aspx";

    // Reads the loaded list document.
    explicit CIndustryHotStocks(LoadedDocument& document);
    // Fetches the document from `source` and reads it (blocks while it is fetched).
    static CIndustryHotStocks Fetch(DocumentSource& source);
};
