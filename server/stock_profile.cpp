#include "server/stock_profile.h"

#include <algorithm>
#include <cmath>

#include "server/industry_catalog.h"
#include "server/market_calendar.h"
#include "server/seeded_random.h"

namespace server {
namespace {

// Log-uniform: small values as likely as large ones in relative terms, like prices.
double LogUniform(SeededRandom& random, double low, double high) {
    return std::exp(random.Uniform(std::log(low), std::log(high)));
}

double Round(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// The whole market's change over the week ending `weeksBack` weeks before the last day.
double MarketWeekChange(int weeksBack) {
    SeededRandom random("market/week/" + std::to_string(weeksBack));
    return Round(random.Normal() * 1.6, 2);
}

}  // namespace

double StockProfile::TurnoverToday() const {
    return volume5 * price / 1e4;
}

StockProfile BuildProfile(const StockEntry& stock, int weeksBack) {
    StockProfile p;
    p.stock = stock;
    p.industry = ClassifyIndustry(stock.code, stock.name);
    const IndustrySpec& spec = Industries()[static_cast<std::size_t>(p.industry)];

    // What does not change from week to week: the company.
    SeededRandom company(stock.code + "/company");
    p.shares = Round(LogUniform(company, spec.sharesLow, spec.sharesHigh), 2);
    const double pe = company.Uniform(spec.peLow, spec.peHigh);
    const double pb = company.Uniform(spec.pbLow, spec.pbHigh);
    double basePrice = LogUniform(company, spec.priceLow, spec.priceHigh);
    if (stock.code == "600519") basePrice = 1520.0;  // the one stock everybody knows
    const bool lossMaking = company.Chance(0.05);
    const double margin = company.Uniform(spec.marginLow, spec.marginHigh) / 100.0;
    p.debtRatio = Round(company.Uniform(spec.debtLow, spec.debtHigh), 2);
    p.profitGrowth = Round(lossMaking ? company.Uniform(-180, -40) : company.Normal() * 18 + 9, 2);
    p.revenueGrowth = Round(company.Normal() * 12 + 6, 2);

    // The week's market: the price drifts back a little each week.
    SeededRandom week(stock.code + "/week/" + std::to_string(weeksBack));
    double drift = 1.0;
    for (int w = 0; w < weeksBack; ++w) {
        SeededRandom past(stock.code + "/drift/" + std::to_string(w));
        drift /= 1.0 + past.Normal() * 0.035;
    }
    p.price = Round(std::max(1.5, basePrice * drift), 2);
    p.eps = Round(p.price / pe * (lossMaking ? -0.35 : 1.0), 3);
    p.bookPerShare = Round(p.price / pb, 2);
    p.reservePerShare = Round(p.bookPerShare * company.Uniform(0.08, 0.45), 3);
    p.netProfit = Round(p.eps * p.shares, 2);
    p.revenue = Round(std::abs(p.netProfit) / margin, 2);

    p.marketWeekChange = MarketWeekChange(weeksBack);
    p.weekChange = Round(p.marketWeekChange + week.Normal() * 3.2, 2);
    p.dayChange = Round(std::clamp(week.Normal() * 2.1 + 0.2, -9.9, 9.9), 2);
    const double weekStart = p.price / (1.0 + p.weekChange / 100.0);
    p.weekLow = Round(std::min(weekStart, p.price) * (1.0 - week.Uniform(0.005, 0.03)), 2);
    p.weekHigh = Round(std::max(weekStart, p.price) * (1.0 + week.Uniform(0.005, 0.03)), 2);
    p.average5 = Round((weekStart + p.price) / 2.0 * (1.0 + week.Normal() * 0.004), 2);
    p.average10 = Round(p.average5 * (1.0 - p.weekChange / 250.0 + week.Normal() * 0.006), 2);
    // Share of the shares traded per day: large companies trade a smaller share.
    const double sizeFactor = std::clamp(std::pow(300.0 / std::max(1.0, p.price * p.shares), 0.35), 0.25, 2.5);
    const double turnoverRate = LogUniform(week, 0.004, 0.025) * sizeFactor;
    p.volume5 = std::round(p.shares * 1e8 * turnoverRate / 100.0) * 100.0;
    p.volume10 = std::round(p.volume5 * week.Uniform(0.8, 1.2) / 100.0) * 100.0;

    // Main funds: a share of each day's turnover, tilted by the week's trend.
    const double dailyMillions = p.volume5 * p.price / 1e6;
    const auto days = TradingDaysUpTo(TradingDaysBefore(LastTradingDay(), 5 * weeksBack), 20);
    SeededRandom flow(stock.code + "/flow/" + std::to_string(weeksBack));
    const double tilt = p.weekChange / 100.0;
    for (const auto& day : days) {
        DailyFlow f;
        f.mmdd = day.Mmdd();
        const double activity = dailyMillions * flow.Uniform(0.7, 1.3);
        f.buy = Round(std::max(5.5, activity * flow.Uniform(0.12, 0.3) * (1.0 + tilt)), 2);
        f.sell = Round(std::max(5.5, activity * flow.Uniform(0.12, 0.3) * (1.0 - tilt)), 2);
        p.flows.push_back(f);
    }
    return p;
}

}  // namespace server
