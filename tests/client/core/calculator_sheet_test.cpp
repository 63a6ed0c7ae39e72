// The calculator's arithmetic under both fee schedules, row by row and in total.
#include <gtest/gtest.h>

#include "client/core/calculator_note.h"
#include "client/core/calculator_sheet.h"
#include "client/core/client_util.h"
#include "client/core/gbk.h"

namespace {

const CClientUtil util;
const CommissionTerms kUsualBroker{0.00025, 5};

TradeRow Row(const char* code, const char* buyPrice, const char* buyQuantity,
             const char* sellPrice = "", const char* sellQuantity = "") {
    TradeRow row;
    row[TradeField::Code] = code;
    row[TradeField::BuyPrice] = buyPrice;
    row[TradeField::BuyQuantity] = buyQuantity;
    row[TradeField::SellPrice] = sellPrice;
    row[TradeField::SellQuantity] = sellQuantity;
    return row;
}

TEST(CurrentFees, MarketsOfSixDigitCodes) {
    for (const char* code : {"600000", "601318", "603259", "605499", "688981"})
        EXPECT_EQ(util.MarketOf(code), StockMarket::Shanghai) << code;
    for (const char* code : {"000001", "002415", "300750", "301269"})
        EXPECT_EQ(util.MarketOf(code), StockMarket::Shenzhen) << code;
    for (const char* code : {"430047", "830799", "871981", "920002"})
        EXPECT_EQ(util.MarketOf(code), StockMarket::Beijing) << code;
    for (const char* code : {"", "60000", "6000001", "60000a", "900901", "200002", "510300"})
        EXPECT_EQ(util.MarketOf(code), StockMarket::None) << code;
}

TEST(CurrentFees, BreakEvenCoversBothSidesAndRoundsUpToTheCent) {
    // Shanghai, 10 x 1000, 0.025% with a 5 minimum. Buy: A = 10000, transfer 0.10,
    // commission 5 (minimum): cost 10005.10. Sell amount X with the minimum commission:
    // X * (1 - 0.0005 - 0.00001) = 10005.10 + 5, X = 10015.2078 (commission 2.50 < 5, so
    // the minimum holds); price 10.0152 -> 10.02. At 10.02 the sale nets
    // 10020 - 5.01 - 0.1002 - 5 = 10009.89 >= 10005.10; at 10.01 it nets 9999.89.
    EXPECT_EQ(util.BreakEvenPrice("600000", "10", "1000", kUsualBroker), "10.02");
    // Shenzhen, 10 x 100: cost 1000 + 0.01 + 5 = 1005.01; X = 1010.01 / 0.99949 =
    // 1010.5254, price 10.1053 -> 10.11 (10.10 nets 1004.48, short of 1005.01).
    EXPECT_EQ(util.BreakEvenPrice("000001", "10", "100", kUsualBroker), "10.11");
    // ChiNext, 200 x 1000: commission 50 > minimum on both sides. Cost 200000 + 2 + 50;
    // X = 200052 / (1 - 0.0005 - 0.00001 - 0.00025) = 200204.155, price 200.2042 -> 200.21.
    EXPECT_EQ(util.BreakEvenPrice("300750", "200", "1000", kUsualBroker), "200.21");
    // Without commission the stamp duty and transfer fee alone lift 10.01 x 100:
    // (1001 + 0.01) / 0.99949 = 1001.5207 -> 10.0152 -> 10.02.
    EXPECT_EQ(util.BreakEvenPrice("600000", "10.01", "100", CommissionTerms{0, 0}), "10.02");
    EXPECT_EQ(util.BreakEvenPrice("830799", "10", "1000", kUsualBroker), "0.00");
    EXPECT_EQ(util.BreakEvenPrice("600000", "10", "0", kUsualBroker), "0.00");
}

TEST(CurrentFees, ProfitAfterStampDutyTransferFeeAndCommission) {
    // Shanghai 10 -> 11 x 1000: stamp 5.50, transfer 0.11 + 0.10, commission 5 + 5 (both
    // at the minimum): 1000 - 15.71 = 984.29.
    EXPECT_EQ(util.TradeProfit("600000", "10", "11", "1000", kUsualBroker), "984.29");
    // STAR market with a broker without minimum, 50 -> 55 x 200: commission 2.50 + 2.75,
    // transfer 0.10 + 0.11, stamp 5.50: 1000 - 10.96 = 989.04.
    EXPECT_EQ(util.TradeProfit("688981", "50", "55", "200", CommissionTerms{0.00025, 0}), "989.04");
    // Shenzhen loss at an unchanged price: 0 - (0.50 + 0.02 + 5 + 5) = -10.52.
    EXPECT_EQ(util.TradeProfit("000001", "10", "10", "100", kUsualBroker), "-10.52");
}

TEST(CalculatorSheet, ClassicRowsFollowTheOldRules) {
    CalculatorSheet sheet;
    sheet.rows[0] = Row("600036", "10", "1000", "11", "1000");
    sheet.rows[1] = Row("000002", "10", "100");
    sheet.rows[2] = Row("601318", "10", "1000", "11", "1000");  // not a classic code
    sheet.rows[3] = Row("600000", "10..", "1000");             // two dots
    sheet.rows[4] = Row("600000", "10.", "1000");              // a trailing dot is fine
    sheet.rows[2][TradeField::BreakEven] = "old";
    Calculate(sheet);
    EXPECT_EQ(sheet.rows[0][TradeField::BreakEven], "10.10");
    EXPECT_EQ(sheet.rows[0][TradeField::Profit], "895.00");
    EXPECT_EQ(sheet.rows[1][TradeField::BreakEven], "10.11");
    EXPECT_EQ(sheet.rows[1][TradeField::Profit], "");
    EXPECT_EQ(sheet.rows[2][TradeField::BreakEven], "old");
    EXPECT_EQ(sheet.rows[2][TradeField::Profit], "");
    EXPECT_EQ(sheet.rows[3][TradeField::BreakEven], "");
    EXPECT_EQ(sheet.rows[4][TradeField::BreakEven], "10.10");
    EXPECT_EQ(sheet.total, "895.00");
}

TEST(CalculatorSheet, ProfitNeedsValidSellFieldsAndTheTotalIsAlwaysRewritten) {
    CalculatorSheet sheet;
    sheet.total = "123.00";
    sheet.rows[0] = Row("000002", "10", "100", "11", "");
    sheet.rows[0][TradeField::Profit] = "88.90";  // from an earlier pass
    Calculate(sheet);
    EXPECT_EQ(sheet.rows[0][TradeField::Profit], "88.90");
    EXPECT_EQ(sheet.total, "0.00");

    sheet.rows[0][TradeField::SellQuantity] = "100";
    sheet.rows[1] = Row("000002", "10", "100", "10", "100");
    Calculate(sheet);
    EXPECT_EQ(sheet.total, "77.90");  // 88.90 - 11.00
}

TEST(CalculatorSheet, CurrentScheduleTakesEveryAShareAndRefusesBeijing) {
    CalculatorSheet sheet;
    sheet.schedule = FeeSchedule::Current;
    sheet.rows[0] = Row("600000", "10", "1000", "11", "1000");
    sheet.rows[1] = Row("601318", "10", "1000");
    sheet.rows[2] = Row("830799", "10", "1000", "11", "1000");
    Calculate(sheet);
    EXPECT_EQ(sheet.rows[0][TradeField::BreakEven], "10.02");
    EXPECT_EQ(sheet.rows[0][TradeField::Profit], "984.29");
    EXPECT_EQ(sheet.rows[1][TradeField::BreakEven], "10.02");
    EXPECT_EQ(sheet.rows[2][TradeField::BreakEven], Gbk("不支持"));
    EXPECT_EQ(sheet.rows[2][TradeField::Profit], Gbk("不支持"));
    EXPECT_EQ(sheet.total, "984.29");
}

TEST(CalculatorSheet, CommissionTermsOutsideTheRulesFallBackToTheDefaults) {
    CalculatorSheet sheet;
    sheet.commissionPercent = "0.3";
    sheet.minimumCommission = "0";
    CommissionTerms terms = SettleCommissionTerms(sheet);
    EXPECT_DOUBLE_EQ(terms.rate, 0.003);
    EXPECT_EQ(terms.minimum, 0);
    EXPECT_EQ(sheet.commissionPercent, "0.3");

    sheet.commissionPercent = "0.31";  // above the legal 0.3%
    sheet.minimumCommission = "five";
    terms = SettleCommissionTerms(sheet);
    EXPECT_DOUBLE_EQ(terms.rate, 0.00025);
    EXPECT_EQ(terms.minimum, 5);
    EXPECT_EQ(sheet.commissionPercent, "0.025");
    EXPECT_EQ(sheet.minimumCommission, "5");
}

}  // namespace

namespace {

TEST(CalculatorNote, TellsTheScheduleInUseWithTheBrokersTerms) {
    CalculatorSheet sheet;
    EXPECT_EQ(ScheduleNote(sheet).rfind(Gbk("说明：沪A：印花税: 1‰；佣金: 3‰"), 0), 0u);
    EXPECT_NE(ScheduleNote(sheet).find(Gbk("\r\n深A：印花税: 1‰；佣金: 3‰，不足5元按5元收。")), std::string::npos);
    sheet.schedule = FeeSchedule::Current;
    sheet.commissionPercent = "0.02";
    sheet.minimumCommission = "5";
    EXPECT_NE(ScheduleNote(sheet).find(Gbk("佣金：买卖各0.02%，不足5元按5元收；")), std::string::npos);
    sheet.minimumCommission = "0";
    EXPECT_NE(ScheduleNote(sheet).find(Gbk("佣金：买卖各0.02%，不设最低；")), std::string::npos);
}

}  // namespace
