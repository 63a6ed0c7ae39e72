#include "server/market_calendar.h"

#include <cstdio>

namespace server {
namespace {

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// 0 = Sunday ... 6 = Saturday (Sakamoto's method).
int Weekday(const MarketDate& d) {
    static const int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = d.year - (d.month < 3 ? 1 : 0);
    return (y + y / 4 - y / 100 + y / 400 + kOffsets[d.month - 1] + d.day) % 7;
}

MarketDate PreviousDay(MarketDate d) {
    if (--d.day == 0) {
        if (--d.month == 0) {
            d.month = 12;
            --d.year;
        }
        d.day = DaysInMonth(d.year, d.month);
    }
    return d;
}

bool IsTradingDay(const MarketDate& d) {
    const int weekday = Weekday(d);
    return weekday != 0 && weekday != 6;
}

}  // namespace

std::string MarketDate::Iso() const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}

std::string MarketDate::Mmdd() const {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d%02d", month, day);
    return buffer;
}

MarketDate LastTradingDay() { return MarketDate{2026, 12, 4}; }

MarketDate TradingDaysBefore(const MarketDate& date, int days) {
    MarketDate d = date;
    while (days > 0) {
        d = PreviousDay(d);
        if (IsTradingDay(d)) --days;
    }
    return d;
}

std::vector<MarketDate> TradingDaysUpTo(const MarketDate& last, int count) {
    std::vector<MarketDate> days;
    MarketDate d = last;
    while (static_cast<int>(days.size()) < count) {
        if (IsTradingDay(d)) days.insert(days.begin(), d);
        d = PreviousDay(d);
    }
    return days;
}

}  // namespace server
