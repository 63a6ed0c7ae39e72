// Trading costs of Shanghai and Shenzhen A shares: stamp tax 0.1% of the sell amount,
// commission 0.3% per side with a minimum of 5, and for Shanghai a transfer fee of 0.1% per
// side with a minimum of 1 plus an order fee of 5 per side.
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
