#pragma once
// CStockSectors: the sectors one stock belongs to, with each sector index's change
// (at most 100), and the stock's name.
#include <cstddef>
#include <string>
#include <vector>

#include "client/data/anchor_rows.h"

struct StockSectorRow {
    std::string category;   // Concept, shown under 类别
    std::string avgUpDown;  // 指数: the sector index change
    std::string bkName;     // 板块名称
    std::string tradingTime;
    std::vector<std::string> Texts() const;
};

class CStockSectors : public AnchorRows<StockSectorRow, 100> {
public:
    static std::string Path(const std::string& code);

    // Reads the loaded list document of `code`.
    CStockSectors(const std::string& code, LoadedDocument& document);
    // Fetches the document from `source` and reads it (blocks while it is fetched).
    static CStockSectors Fetch(const std::string& code, DocumentSource& source);

    const std::string& Code() const { return code_; }
    const std::string& SecuName() const { return secuName_; }

private:
    std::string code_;
    std::string secuName_;
};
