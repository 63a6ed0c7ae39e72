#pragma once
// Finance figures: one stock ("/KRClientInfo/CWFX/<code>.xml") and the list of the 50
// stocks with the highest earnings per share ("/KRClientInfo/CWFX/infoCWFX.xml").
#include <string>

#include "server/market_model.h"

namespace server {

std::string FinanceDocument(const MarketModel& model, std::size_t index);
std::string FinanceTopListDocument(const MarketModel& model);

}  // namespace server
