#include "client/core/calculator_sheet.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "client/core/client_util.h"
#include "client/core/gbk.h"

namespace {

const CommissionTerms kDefaultTerms;
constexpr const char* kDefaultPercent = "0.025";
constexpr const char* kDefaultMinimum = "5";

// Whether the row's code can be computed under the schedule; Beijing is known but not
// supported.
StockMarket MarketUnder(FeeSchedule schedule, const std::string& code) {
    const CClientUtil util;
    if (schedule == FeeSchedule::Current) return util.MarketOf(code);
    if (!util.IsExchangeCode(code)) return StockMarket::None;
    return code.starts_with("600") ? StockMarket::Shanghai : StockMarket::Shenzhen;
}

bool AreNumbers(const TradeRow& row, TradeField first, TradeField second) {
    const CClientUtil util;
    return util.IsNumber(row[first]) && util.IsNumber(row[second]);
}

std::string Format(double value) {
    char text[64];
    std::snprintf(text, sizeof(text), "%.2f", value);
    return text;
}

// Computes one row; true when its profit was computed in this pass.
bool CalculateRow(TradeRow& row, FeeSchedule schedule, const CommissionTerms& terms) {
    const CClientUtil util;
    const StockMarket market = MarketUnder(schedule, row[TradeField::Code]);
    if (market == StockMarket::Beijing) {
        row[TradeField::BreakEven] = UnsupportedMarketText();
        row[TradeField::Profit] = UnsupportedMarketText();
        return false;
    }
    if (market == StockMarket::None) return false;
    if (!AreNumbers(row, TradeField::BuyPrice, TradeField::BuyQuantity)) return false;

    const std::string& code = row[TradeField::Code];
    const std::string& buyPrice = row[TradeField::BuyPrice];
    row[TradeField::BreakEven] =
        schedule == FeeSchedule::Current
            ? util.BreakEvenPrice(code, buyPrice, row[TradeField::BuyQuantity], terms)
            : util.BreakEvenPrice(code, buyPrice, row[TradeField::BuyQuantity]);
    if (!AreNumbers(row, TradeField::SellPrice, TradeField::SellQuantity)) return false;

    const std::string& sellPrice = row[TradeField::SellPrice];
    const std::string& sold = row[TradeField::SellQuantity];
    row[TradeField::Profit] = schedule == FeeSchedule::Current
                                  ? util.TradeProfit(code, buyPrice, sellPrice, sold, terms)
                                  : util.TradeProfit(code, buyPrice, sellPrice, sold);
    return true;
}

}  // namespace

bool TradeRow::IsEmpty() const {
    return std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); });
}

std::string UnsupportedMarketText() { return Gbk("不支持"); }

CommissionTerms SettleCommissionTerms(CalculatorSheet& sheet) {
    const CClientUtil util;
    CommissionTerms terms;
    const double rate = std::atof(sheet.commissionPercent.c_str()) / 100;
    if (util.IsNumber(sheet.commissionPercent) && rate <= kMaxCommissionRate + 1e-12) {
        terms.rate = rate;
    } else {
        sheet.commissionPercent = kDefaultPercent;
        terms.rate = kDefaultTerms.rate;
    }
    if (util.IsNumber(sheet.minimumCommission)) {
        terms.minimum = std::atof(sheet.minimumCommission.c_str());
    } else {
        sheet.minimumCommission = kDefaultMinimum;
        terms.minimum = kDefaultTerms.minimum;
    }
    return terms;
}

void Calculate(CalculatorSheet& sheet) {
    const CommissionTerms terms = SettleCommissionTerms(sheet);
    double total = 0;
    for (TradeRow& row : sheet.rows)
        if (CalculateRow(row, sheet.schedule, terms))
            total += std::atof(row[TradeField::Profit].c_str());
    sheet.total = Format(total);
}
