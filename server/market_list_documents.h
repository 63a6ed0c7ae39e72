#pragma once
// The market-wide lists: hot stocks of every industry ("/clientweb/GetHyrg.aspx"), the
// ten hottest industries ("/clientweb/GetRmhy.aspx") and the sectors of one stock
// ("/clientweb/GetSsbk.aspx?stockid=<code>").
#include <string>

#include "server/market_model.h"

namespace server {

std::string IndustryHotStocksDocument(const MarketModel& model);
std::string HotIndustriesDocument(const MarketModel& model);
std::string StockSectorsDocument(const MarketModel& model, std::size_t index);

// "2026-12-04 15:00": when the lists were computed.
std::string AnalysisTime();

}  // namespace server
