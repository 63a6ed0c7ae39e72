#pragma once
// Dates of the sample market. The data describe one fixed trading day so that every
// document is the same on every run.
#include <string>
#include <vector>

namespace server {

struct MarketDate {
    int year = 0;
    int month = 0;
    int day = 0;

    std::string Iso() const;   // "2026-12-04"
    std::string Mmdd() const;  // "1204"
};

// The last trading day the data describe (a Friday).
MarketDate LastTradingDay();

// `count` trading days (Monday to Friday) ending with `last`, oldest first.
std::vector<MarketDate> TradingDaysUpTo(const MarketDate& last, int count);

// The trading day `days` trading days before `date`.
MarketDate TradingDaysBefore(const MarketDate& date, int days);

}  // namespace server
