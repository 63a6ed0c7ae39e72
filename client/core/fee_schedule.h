#pragma once
// The two sets of trading costs the calculator can reckon with.
//
// Classic: stamp tax 0.1% of the sell amount, commission 0.3% per side with a minimum of
// 5, and for Shanghai ("600...") a transfer fee of 0.1% per side with a minimum of 1 plus an
// order fee of 5 per side; Shenzhen means codes beginning "00". Kept as it always was.
//
// Current (exchange rules in force since 2023-08-28): stamp duty 0.05% on the sell side
// only; transfer fee 0.001% of the amount on both sides in both markets, no minimum; no
// order fee; a commission the broker sets (at most 0.3%), with or without a minimum.
// Every Shanghai and Shenzhen A-share code counts; Beijing codes are not supported.

enum class FeeSchedule { Classic, Current };

enum class StockMarket { Shanghai, Shenzhen, Beijing, None };

// The broker's commission on each side: `rate` of the amount (a fraction, 0.00025 for
// 0.025%), raised to `minimum` when below it (0: no minimum).
struct CommissionTerms {
    double rate = 0.00025;
    double minimum = 5;
};

// The highest commission rate the exchanges allow.
inline constexpr double kMaxCommissionRate = 0.003;
