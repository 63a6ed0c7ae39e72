#pragma once
// The industries of the sample market, with the ranges that make each one's figures
// look like that industry's (bank prices and ratios are not a chip maker's), and the
// concept sectors its stocks belong to.
#include <string>
#include <vector>

namespace server {

struct IndustrySpec {
    const char* name;
    std::vector<const char*> keywords;  // matched against stock names, first industry wins
    double priceLow, priceHigh;         // yuan
    double peLow, peHigh;
    double pbLow, pbHigh;
    double debtLow, debtHigh;           // debt ratio, percent
    double sharesLow, sharesHigh;       // hundred millions of shares
    double marginLow, marginHigh;       // net margin, percent
    std::vector<const char*> concepts;
};

const std::vector<IndustrySpec>& Industries();

// Index into Industries() for a stock, by its code and name; the last entry is the
// catch-all.
int ClassifyIndustry(const std::string& code, const std::string& name);

}  // namespace server
