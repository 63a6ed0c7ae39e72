#pragma once
// The server's judgement of one stock at one evaluation date: six dimension scores
// (0 to 100), the weighted total, the verdict, the news-site mentions and the expert's
// opinion. Scores follow the stock's figures: strong earnings raise the fundamental
// score, main funds buying raises the funds score, and so on.
#include <array>
#include <string>
#include <vector>

#include "server/stock_profile.h"

namespace server {

enum Dimension { kBasic, kMarket, kTechnical, kFunds, kNews, kExpert, kDimensionCount };

struct SiteMention {
    std::string site;
    int siteIndex = 0;  // position in the category's catalogue list
    int count = 0;
};

struct SiteCategory {
    std::string element;  // ZFL, MHL, ZYL, LTL, KRCJL
    int count = 0;        // always the sum of the ten sites' counts
    std::vector<SiteMention> sites;  // exactly ten, most mentions first
};

struct Evaluation {
    std::string date;  // "2026-12-04"
    std::array<int, kDimensionCount> scores{};
    double total = 0;
    std::string verdict;
    std::vector<SiteCategory> news;  // the five categories in document order
    std::string opinion;
};

// The five verdict grades, worst first, as the comprehensive panel's note names them.
const std::vector<std::string>& VerdictGrades();
std::string VerdictFor(double total);

// Weight of each dimension in the total, in percent (they add up to 100).
const std::array<int, kDimensionCount>& DimensionWeights();

Evaluation Evaluate(const StockProfile& profile, int weeksBack);

}  // namespace server
