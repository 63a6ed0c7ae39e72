#include "server/evaluation.h"

#include <algorithm>
#include <cmath>

#include "server/industry_catalog.h"
#include "server/market_calendar.h"
#include "server/number_text.h"
#include "server/seeded_random.h"
#include "server/site_catalog.h"

namespace server {
namespace {

int Score(double value) { return static_cast<int>(std::lround(std::clamp(value, 3.0, 98.0))); }

std::vector<SiteCategory> NewsMentions(const StockProfile& p, int weeksBack) {
    SeededRandom random(p.stock.code + "/news/" + std::to_string(weeksBack));
    // Larger companies are written about more.
    const double fame = std::clamp(std::log10(std::max(1.0, p.MarketValue())) / 4.0, 0.2, 1.0);
    static const double kCategoryWeight[] = {0.25, 1.0, 0.8, 1.2, 0.6};
    std::vector<SiteCategory> categories;
    const auto& catalog = NewsSiteCategories();
    for (std::size_t c = 0; c < catalog.size(); ++c) {
        SiteCategory category;
        category.element = catalog[c].element;
        const double expected = 40.0 * fame * kCategoryWeight[c] * random.Uniform(0.4, 1.6);
        int remaining = random.Chance(0.08) ? 0 : static_cast<int>(std::lround(expected));
        category.count = remaining;
        std::vector<int> counts;
        for (int i = 0; i < 10; ++i) {
            // Each site takes a share of what is left; the last takes the rest.
            const int take = i == 9 ? remaining
                                    : std::min(remaining, static_cast<int>(std::lround(
                                                              remaining * random.Uniform(0.15, 0.5))));
            counts.push_back(take);
            remaining -= take;
        }
        std::sort(counts.begin(), counts.end(), std::greater<int>());
        std::vector<std::size_t> order(catalog[c].sites.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        for (std::size_t i = order.size(); i > 1; --i)
            std::swap(order[i - 1], order[static_cast<std::size_t>(random.Int(0, static_cast<int>(i) - 1))]);
        for (int i = 0; i < 10; ++i)
            {
            const std::size_t site = order[static_cast<std::size_t>(i)];
            category.sites.push_back({catalog[c].sites[site], static_cast<int>(site), counts[static_cast<std::size_t>(i)]});
        }
        categories.push_back(std::move(category));
    }
    return categories;
}

std::string Opinion(const StockProfile& p, int expertScore, SeededRandom& random) {
    const std::string& name = p.stock.name;
    const std::string industry = Industries()[static_cast<std::size_t>(p.industry)].name;
    const std::string low = Fixed(p.weekLow, 2);
    const std::string high = Fixed(p.weekHigh, 2);
    const bool second = random.Chance(0.5);
    if (expertScore >= 75) {
        return second ? name + "业绩稳健，" + industry + "板块景气度向好，主力资金持续流入，短线可逢低积极关注，中线持股待涨。"
                      : name + "基本面优良，近期放量走强，站稳各条均线之上，具有短线投资价值，回踩" + low + "元附近可介入。";
    }
    if (expertScore >= 60) {
        return second ? name + "近期走势平稳，量能温和，短线以箱体操作为主，可在" + low + "元附近低吸，" + high + "元附近适当减仓。"
                      : name + "估值处于" + industry + "行业合理区间，中线趋势向上，短线或有震荡，持股者可继续持有。";
    }
    if (expertScore >= 45) {
        return second ? name + "短期处于整理阶段，方向尚不明朗，建议持币观望，等待放量突破" + high + "元后再做决定。"
                      : name + "量能萎缩，股价在" + low + "元至" + high + "元之间窄幅震荡，暂以观望为主。";
    }
    return second ? name + "技术形态走弱，主力资金有流出迹象，短线注意控制仓位，跌破" + low + "元应果断止损。"
                  : name + "基本面缺乏亮点，" + industry + "板块整体偏弱，反弹至" + high + "元附近宜逢高减持。";
}

}  // namespace

const std::vector<std::string>& VerdictGrades() {
    static const std::vector<std::string> kGrades = {"高风险", "风险", "观望", "安全", "高价值"};
    return kGrades;
}

std::string VerdictFor(double total) {
    const auto& grades = VerdictGrades();
    if (total < 40) return grades[0];
    if (total < 52) return grades[1];
    if (total < 62) return grades[2];
    if (total < 74) return grades[3];
    return grades[4];
}

const std::array<int, kDimensionCount>& DimensionWeights() {
    static const std::array<int, kDimensionCount> kWeights = {25, 15, 15, 20, 10, 15};
    return kWeights;
}

Evaluation Evaluate(const StockProfile& p, int weeksBack) {
    Evaluation e;
    e.date = TradingDaysBefore(LastTradingDay(), 5 * weeksBack).Iso();

    // The company's fundamentals change only with its reports, so the fundamental
    // score stays the same from one week to the next.
    SeededRandom company(p.stock.code + "/score/company");
    const double pb = p.bookPerShare > 0 ? p.price / p.bookPerShare : 10;
    double basic = 52 + p.profitGrowth * 0.55 + p.revenueGrowth * 0.25 - (pb - 2) * 2.5 -
                   std::max(0.0, p.debtRatio - 70) * 0.3 + company.Normal() * 5;
    if (p.eps <= 0) basic = std::min(basic, 25.0);

    SeededRandom week(p.stock.code + "/score/" + std::to_string(weeksBack));
    const double trend = p.average10 > 0 ? p.average5 / p.average10 - 1 : 0;
    const double volumeTrend = p.volume10 > 0 ? p.volume5 / p.volume10 - 1 : 0;
    const double market = 55 + trend * 450 + volumeTrend * 25 + week.Normal() * 5;
    const double technical =
        55 + (p.weekChange - p.marketWeekChange) * 3.5 + (p.weekChange - p.industryWeekChange) * 1.5 +
        week.Normal() * 5;
    double net5 = 0, activity5 = 0;
    for (std::size_t i = p.flows.size() >= 5 ? p.flows.size() - 5 : 0; i < p.flows.size(); ++i) {
        net5 += p.flows[i].Net();
        activity5 += p.flows[i].buy + p.flows[i].sell;
    }
    const double funds = 55 + (activity5 > 0 ? net5 / activity5 : 0) * 220 + week.Normal() * 5;

    e.news = NewsMentions(p, weeksBack);
    int mentions = 0;
    for (const auto& category : e.news) mentions += category.count;
    const double news = 30 + std::log1p(mentions) * 8 + week.Normal() * 6;

    e.scores[kBasic] = Score(basic);
    e.scores[kMarket] = Score(market);
    e.scores[kTechnical] = Score(technical);
    e.scores[kFunds] = Score(funds);
    e.scores[kNews] = Score(news);
    const double others = (basic + market + technical + funds) / 4.0;
    e.scores[kExpert] = Score(others + week.Normal() * 8);

    double total = 0;
    for (int d = 0; d < kDimensionCount; ++d) total += e.scores[d] * DimensionWeights()[d];
    e.total = std::round(total / 10.0) / 10.0;  // one decimal
    e.verdict = VerdictFor(e.total);
    e.opinion = Opinion(p, e.scores[kExpert], week);
    return e;
}

}  // namespace server
