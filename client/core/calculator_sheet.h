#pragma once
// The profit-and-loss calculator's six trade rows, their total and the fee schedule, as
// text exactly as typed or computed (GBK), and the calculation over them.
#include <array>
#include <cstddef>
#include <string>

#include "client/core/fee_schedule.h"

// The nine fields of a row, left to right.
enum class TradeField {
    Code, BuyPrice, BuyQuantity, BreakEven, SellPrice, SellQuantity, Profit, BuyTime, SellTime
};
inline constexpr std::size_t kTradeFieldCount = 9;
inline constexpr std::size_t kTradeRowCount = 6;

struct TradeRow {
    std::array<std::string, kTradeFieldCount> fields;

    std::string& operator[](TradeField field) { return fields[static_cast<std::size_t>(field)]; }
    const std::string& operator[](TradeField field) const {
        return fields[static_cast<std::size_t>(field)];
    }
    bool IsEmpty() const;
};

// Shown in both computed fields of a row whose code belongs to the Beijing exchange.
std::string UnsupportedMarketText();  // "不支持"

struct CalculatorSheet {
    std::array<TradeRow, kTradeRowCount> rows;
    std::string total;
    FeeSchedule schedule = FeeSchedule::Classic;
    // The broker's terms under the current schedule: the rate in percent ("0.025") and the
    // minimum in yuan ("5", "0" for none).
    std::string commissionPercent = "0.025";
    std::string minimumCommission = "5";
};

// The terms the sheet's texts give. A rate that is not a number or above the legal
// maximum, or a minimum that is not a number, is replaced in the sheet by the default
// ("0.025", "5"), so the panel shows the terms the figures were computed with.
CommissionTerms SettleCommissionTerms(CalculatorSheet& sheet);

// Computes every row whose inputs pass the tests: the break-even price needs a valid code,
// buy price and buy quantity; the profit needs, besides, a valid sell price and sell
// quantity. Rows that fail keep their computed fields. The total, always rewritten, is
// the sum of the profits computed in this pass ("%.2f").
void Calculate(CalculatorSheet& sheet);
