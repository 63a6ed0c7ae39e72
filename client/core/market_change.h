#pragma once
// How a market change figure is read for its colour: "+1.22%", "-0.50%", "0.00", "3.1".
// Red stands for a rise, green for everything else, so a flat or unreadable figure is
// shown the way a fall is.
#include <string_view>

namespace market {

// True when `change`, blanks around it ignored, is a decimal number (optionally signed,
// optionally followed by one '%') greater than zero.
bool IsRise(std::string_view change);

}  // namespace market
