#pragma once
// The main funds' money flow over 20 trading days, in millions of yuan, values and
// "MMDD" day labels separated by TABs: TopEyess holds buying (UpValues, positive) and
// selling (DownValues, negative); TopEyesh the net inflow (values).
#include <string>

#include "server/market_model.h"

namespace server {

// `folder` is compared without case; "" for a folder other than the two.
std::string MoneyFlowDocument(const MarketModel& model, std::size_t index, const std::string& folder);

}  // namespace server
