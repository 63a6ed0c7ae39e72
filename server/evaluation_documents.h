#pragma once
// The comprehensive evaluation of a stock ("/KRClientInfo/ZHZD/<code>.xml") and the
// recommended stocks of every dimension ("/KRClientInfo/ZHZD/RecommendStock.xml").
#include <string>

#include "server/market_model.h"

namespace server {

// `host` ("127.0.0.1:PORT") is used for the news sites' page addresses.
std::string ComprehensiveDocument(const MarketModel& model, std::size_t index,
                                  const std::string& host);
std::string RecommendStockDocument(const MarketModel& model);

// "600519 贵州茅台": how a recommended stock is written.
std::string StockLabel(const StockEntry& stock);

}  // namespace server
