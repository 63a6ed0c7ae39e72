#pragma once
// The made-up but consistent market figures of one stock, derived from its code alone:
// price, earnings, balance sheet, trading and the main funds' daily money flow. Every
// document about the stock is written from this one profile, so the figures agree with
// each other (the P/E is the price over the earnings, the fund flows of the evaluation
// are the sums of the money-flow chart, and so on).
#include <string>
#include <vector>

#include "server/stock_directory.h"

namespace server {

struct DailyFlow {
    std::string mmdd;  // trading day, "MMDD"
    double buy = 0;    // main funds' buying, millions of yuan (positive)
    double sell = 0;   // main funds' selling, millions of yuan (positive)
    double Net() const { return buy - sell; }
};

struct StockProfile {
    StockEntry stock;
    int industry = 0;  // index into Industries()

    double price = 0;            // last close, yuan
    double dayChange = 0;        // percent, on the last trading day
    double weekChange = 0;       // percent over five trading days
    double weekLow = 0, weekHigh = 0;
    double marketWeekChange = 0;    // the whole market's, percent
    double industryWeekChange = 0;  // filled in by the market model
    double average5 = 0, average10 = 0;  // yuan
    double volume5 = 0, volume10 = 0;    // shares per day

    double shares = 0;          // hundred millions of shares
    double eps = 0;             // earnings per share, yuan
    double bookPerShare = 0;    // yuan
    double reservePerShare = 0; // capital reserve per share, yuan
    double netProfit = 0;       // hundred millions of yuan
    double revenue = 0;         // hundred millions of yuan
    double profitGrowth = 0;    // percent
    double revenueGrowth = 0;   // percent
    double debtRatio = 0;       // percent

    std::vector<DailyFlow> flows;  // 20 trading days, oldest first

    double MarketValue() const { return price * shares; }  // hundred millions of yuan
    double TurnoverToday() const;                           // ten thousands of yuan
};

// `weeksBack` 0 gives the latest figures, 1 those of the evaluation one week earlier.
StockProfile BuildProfile(const StockEntry& stock, int weeksBack = 0);

}  // namespace server
