#include "server/number_text.h"

#include <cmath>
#include <cstdio>

namespace server {

std::string Fixed(double value, int decimals) {
    char buffer[64];
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0) rounded = 0;  // no "-0.00"
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
    return buffer;
}

std::string SignedFixed(double value, int decimals) {
    std::string text = Fixed(value, decimals);
    if (text[0] != '-' && std::stod(text) > 0) text.insert(text.begin(), '+');
    return text;
}

std::string Percent(double value, int decimals) { return Fixed(value, decimals) + "%"; }

std::string SignedPercent(double value, int decimals) { return SignedFixed(value, decimals) + "%"; }

std::string Whole(double value) {
    char buffer[64];
    double rounded = std::round(value);
    if (rounded == 0) rounded = 0;
    std::snprintf(buffer, sizeof buffer, "%.0f", rounded);
    return buffer;
}

}  // namespace server
