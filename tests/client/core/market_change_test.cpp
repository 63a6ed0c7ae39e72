// Which change figures count as a rise (shown red) and which do not (shown green).
#include <gtest/gtest.h>

#include "client/core/market_change.h"

namespace market {
namespace {

TEST(MarketChange, OnlyAFigureAboveZeroIsARise) {
    for (const char* rise : {"+1.22%", "1.22%", "0.01", "+3", " 2.5% ", "1e-3"}) EXPECT_TRUE(IsRise(rise)) << rise;
    for (const char* notRise : {"-0.50%", "-3", "0", "0.00", "+0.00%", "-0.00", "-0"}) {
        EXPECT_FALSE(IsRise(notRise)) << notRise;
    }
}

TEST(MarketChange, TextThatIsNoNumberIsNotARise) {
    for (const char* text : {"", "  ", "--", "N/A", "1.22%%", "+", "涨1%", "1.2.3"}) EXPECT_FALSE(IsRise(text)) << text;
}

}  // namespace
}  // namespace market
