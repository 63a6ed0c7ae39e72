// Trading costs of Shanghai and Shenzhen A shares under the two fee schedules of
// fee_schedule.h.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "client/core/client_util.h"

namespace {

constexpr double kStampTaxRate = 0.001;
constexpr double kCommissionRate = 0.003;
constexpr double kMinimumCommission = 5;
constexpr double kTransferFeeRate = 0.001;
constexpr double kMinimumTransferFee = 1;
constexpr double kOrderFee = 5;

constexpr double kCurrentStampDutyRate = 0.0005;    // sell side only
constexpr double kCurrentTransferFeeRate = 0.00001;  // both sides, no minimum

enum class Exchange { Shanghai, Shenzhen, None };

Exchange ExchangeOf(const std::string& code) {
    if (code.starts_with("600")) return Exchange::Shanghai;
    if (code.starts_with("00")) return Exchange::Shenzhen;
    return Exchange::None;
}

double AtLeast(double value, double minimum) {
    return value < minimum ? minimum : value;
}
double Commission(double amount) {
    return AtLeast(amount * kCommissionRate, kMinimumCommission);
}
double Commission(double amount, const CommissionTerms& terms) {
    return AtLeast(amount * terms.rate, terms.minimum);
}
double ReadNumber(const std::string& text) {
    return std::atof(text.c_str());
}

// "%.2f"; a value that is not finite (a zero quantity, an absurd input) reads as 0.
std::string Format(double value) {
    if (!std::isfinite(value)) value = 0;
    char text[64];
    std::snprintf(text, sizeof(text), "%.2f", value);
    return text;
}

// A price rounded up to the cent; the small allowance keeps an exact cent (held as
// 10.0100000001) from going up a cent.
double UpToCent(double price) {
    return std::ceil(price * 100 - 1e-6) / 100;
}

bool IsSixDigits(const std::string& code) {
    return code.size() == 6 && CClientUtil().IsDigits(code);
}

}  // namespace

std::string CClientUtil::BreakEvenPrice(const std::string& code, const std::string& buyPrice,
                                        const std::string& quantity) const {
    const Exchange exchange = ExchangeOf(code);
    if (exchange == Exchange::None) return Format(0);
    const double price = ReadNumber(buyPrice);
    const double shares = ReadNumber(quantity);
    const double amount = price * shares;
    const double stampTax = amount * kStampTaxRate;
    const double commission = Commission(amount);
    if (exchange == Exchange::Shanghai) {
        // Here the transfer fee is reckoned from the stamp tax, which equals 0.1% of amount.
        const double transferFee = AtLeast(stampTax, kMinimumTransferFee);
        return Format((stampTax + 2 * (transferFee + commission + kOrderFee) + amount) / shares);
    }
    return Format((2 * commission + stampTax + amount) / shares);
}

std::string CClientUtil::TradeProfit(const std::string& code, const std::string& buyPrice,
                                     const std::string& sellPrice,
                                     const std::string& quantity) const {
    const Exchange exchange = ExchangeOf(code);
    if (exchange == Exchange::None) return Format(0);
    const double buy = ReadNumber(buyPrice);
    const double sell = ReadNumber(sellPrice);
    const double shares = ReadNumber(quantity);
    const double sellAmount = shares * sell;
    const double buyAmount = shares * buy;
    const double stampTax = sellAmount * kStampTaxRate;
    const double buyCommission = Commission(buyAmount);
    const double sellCommission = Commission(sellAmount);
    const double gross = (sell - buy) * shares;
    if (exchange == Exchange::Shanghai) {
        const double buyTransferFee = AtLeast(buyAmount * kTransferFeeRate, kMinimumTransferFee);
        const double sellTransferFee = AtLeast(stampTax, kMinimumTransferFee);
        return Format(gross - (sellTransferFee + buyTransferFee + sellCommission + buyCommission +
                               stampTax + 2 * kOrderFee));
    }
    return Format(gross - (sellCommission + buyCommission + stampTax));
}

StockMarket CClientUtil::MarketOf(const std::string& code) const {
    if (!IsSixDigits(code)) return StockMarket::None;
    if (code.starts_with("60") || code.starts_with("688")) return StockMarket::Shanghai;
    if (code.starts_with("00") || code.starts_with("30")) return StockMarket::Shenzhen;
    if (code.starts_with("4") || code.starts_with("8") || code.starts_with("92"))
        return StockMarket::Beijing;
    return StockMarket::None;
}

std::string CClientUtil::BreakEvenPrice(const std::string& code, const std::string& buyPrice,
                                        const std::string& quantity,
                                        const CommissionTerms& terms) const {
    const StockMarket market = MarketOf(code);
    if (market != StockMarket::Shanghai && market != StockMarket::Shenzhen) return Format(0);
    const double shares = ReadNumber(quantity);
    const double amount = ReadNumber(buyPrice) * shares;
    const double cost = amount + amount * kCurrentTransferFeeRate + Commission(amount, terms);
    // The sell amount X must satisfy X - X * (stamp + transfer) - commission(X) = cost.
    // Try the minimum commission first; when X then earns more than the minimum, the
    // rate applies instead.
    const double kept = 1 - kCurrentStampDutyRate - kCurrentTransferFeeRate;
    double sellAmount = (cost + terms.minimum) / kept;
    if (sellAmount * terms.rate > terms.minimum) sellAmount = cost / (kept - terms.rate);
    const double price = sellAmount / shares;
    return Format(std::isfinite(price) ? UpToCent(price) : price);
}

std::string CClientUtil::TradeProfit(const std::string& code, const std::string& buyPrice,
                                     const std::string& sellPrice, const std::string& quantity,
                                     const CommissionTerms& terms) const {
    const StockMarket market = MarketOf(code);
    if (market != StockMarket::Shanghai && market != StockMarket::Shenzhen) return Format(0);
    const double buy = ReadNumber(buyPrice);
    const double sell = ReadNumber(sellPrice);
    const double shares = ReadNumber(quantity);
    const double sellAmount = shares * sell;
    const double buyAmount = shares * buy;
    const double costs = sellAmount * kCurrentStampDutyRate +
                         (sellAmount + buyAmount) * kCurrentTransferFeeRate +
                         Commission(sellAmount, terms) + Commission(buyAmount, terms);
    return Format((sell - buy) * shares - costs);
}
