#pragma once
// The colour a market change figure is shown in: red for a rise, green otherwise (a flat
// 0.00 included), as Chinese investors read them.
#include <string>

#include "client/core/market_change.h"
#include "common/ui/color.h"

inline constexpr ui::ColorRef kRiseColour = ui::Rgb(204, 0, 0);
inline constexpr ui::ColorRef kNoRiseColour = ui::Rgb(0, 100, 0);

inline ui::ColorRef ChangeColour(const std::string& change) {
    return market::IsRise(change) ? kRiseColour : kNoRiseColour;
}
