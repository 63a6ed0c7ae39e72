#pragma once
// The single diagnoses of a stock, one folder each ("/KRClientInfo/<folder>/<code>.xml"):
// main funds (ZLZD), position (CWZD), bulls and bears (DKZD), support (ZCZD), pressure
// (YLZD), heat (RDZD), character (GXZD), institutions (JGZD) and the profit forecast
// (YZYC).
#include <string>
#include <vector>

#include "server/market_model.h"

namespace server {

// Folder names as the client writes them.
const std::vector<std::string>& DiagnosisFolders();

// The message of one diagnosis; "" for an unknown folder (compared without case).
std::string DiagnosisMessage(const MarketModel& model, std::size_t index, const std::string& folder);

// The whole document; "" for an unknown folder.
std::string DiagnosisDocument(const MarketModel& model, std::size_t index, const std::string& folder);

}  // namespace server
