#include "client/core/market_change.h"

#include "client/core/cell_compare.h"

namespace market {

bool IsRise(std::string_view change) {
    const auto last = change.find_last_not_of(" \t\r\n");
    if (last == std::string_view::npos) return false;
    const std::optional<double> value = listview::ReadDecimalNumber(change.substr(0, last + 1));
    return value && *value > 0;
}

}  // namespace market
