#include "server/bulletin_documents.h"

#include <algorithm>
#include <numeric>

#include "server/industry_catalog.h"
#include "server/market_calendar.h"
#include "server/number_text.h"
#include "server/xml_text.h"

namespace server {
namespace {

// Stocks ordered by the total of the evaluation a week ago, best first.
std::vector<std::size_t> ByEarlierTotal(const MarketModel& model) {
    std::vector<std::size_t> order(model.Size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return model.EvaluationOf(a, 1).total > model.EvaluationOf(b, 1).total;
    });
    return order;
}

std::string Label(const StockProfile& p) { return p.stock.name + "（" + p.stock.code + "）"; }

}  // namespace

std::string HistoryDocument(const MarketModel& model) {
    std::string first = "暂无历史评测记录。";
    std::string second;
    const auto order = ByEarlierTotal(model);
    if (!order.empty()) {
        const std::size_t pool = std::min<std::size_t>(20, order.size());
        // Among the best rated a week ago, the one that rose most since; among the worst
        // rated, the one that fell most.
        std::size_t best = order[0], worst = order[order.size() - 1];
        for (std::size_t i = 0; i < pool; ++i) {
            if (model.Profile(order[i]).weekChange > model.Profile(best).weekChange) best = order[i];
            const std::size_t w = order[order.size() - 1 - i];
            if (model.Profile(w).weekChange < model.Profile(worst).weekChange) worst = w;
        }
        const Evaluation& good = model.EvaluationOf(best, 1);
        const Evaluation& bad = model.EvaluationOf(worst, 1);
        first = good.date + " 综合评测给予" + Label(model.Profile(best)) + "“" + good.verdict + "”评级（" +
                Fixed(good.total, 1) + "分），其后一周该股上涨" + Fixed(model.Profile(best).weekChange, 2) + "%。";
        second = bad.date + " 综合评测提示" + Label(model.Profile(worst)) + "“" + bad.verdict + "”（" +
                 Fixed(bad.total, 1) + "分），其后一周该股下跌" + Fixed(-model.Profile(worst).weekChange, 2) + "%。";
    }
    XmlBuilder xml;
    xml.Open("KRClientInfo");
    xml.Open("History");
    xml.Leaf("Msg1", first);
    xml.Leaf("Msg2", second);
    return xml.Document();
}

std::vector<NewsArticle> NewsArticles(const MarketModel& model) {
    std::vector<const IndustryDay*> order;
    for (const auto& day : model.IndustryDays()) order.push_back(&day);
    std::stable_sort(order.begin(), order.end(), [](const IndustryDay* a, const IndustryDay* b) {
        return a->averageChange > b->averageChange;
    });
    auto name = [&](std::size_t i) {
        return i < order.size() ? std::string(Industries()[static_cast<std::size_t>(order[i]->industry)].name)
                                : std::string("蓝筹");
    };
    auto change = [&](std::size_t i) { return i < order.size() ? order[i]->averageChange : 0.0; };
    const std::string weakest = order.empty() ? "周期" : name(order.size() - 1);
    const MarketDate day = LastTradingDay();
    const MarketDate before = TradingDaysBefore(day, 1);
    const std::string date = std::to_string(day.month) + "月" + std::to_string(day.day) + "日";

    std::vector<NewsArticle> articles;
    articles.push_back(
        {day.Iso().substr(0, 4) + day.Mmdd(), day.Iso() + " 16:30",
         date + "收评：" + name(0) + "板块领涨 两市成交温和放大",
         date + "，沪深两市早盘小幅低开后震荡走高，午后" + name(0) + "、" + name(1) +
             "板块集体发力，带动指数翻红。截至收盘，" + name(0) + "板块平均上涨" + Fixed(change(0), 2) + "%，" +
             name(1) + "板块上涨" + Fixed(change(1), 2) + "%，" + weakest +
             "板块表现相对落后。两市成交额较上一交易日温和放大，北向资金全天净买入。分析人士认为，政策面利好持续释放，"
             "市场风险偏好有所回升，短期可关注业绩确定性较强的行业龙头，同时注意控制仓位，避免盲目追高。"
             "Quorvel综合评测已同步更新全部个股的最新评测结果，欢迎查询。"});
    articles.push_back(
        {before.Iso().substr(0, 4) + before.Mmdd(), before.Iso() + " 16:30",
         "Quorvel评测数据更新提示",
         "Quorvel已完成" + before.Iso() +
             "收盘后的全部A股评测数据更新，包括综合评测、主力评测、仓位评测、多空评测、支撑与压力评测、热度评测、"
             "股性评测、机构评测、业绩预测以及TOPEYES资金流向数据。用户可在“常用”页面输入股票代码查询。"});
    return articles;
}

std::string NewsDocument(const MarketModel& model, const std::string& host) {
    const NewsArticle latest = NewsArticles(model).front();
    XmlBuilder xml;
    xml.Open("KRClientInfo");
    xml.Leaf("Time", latest.time);
    xml.Leaf("Title", latest.title);
    xml.Leaf("Content", latest.content);
    xml.Leaf("LinkUrl", "http://" + host + "/news/" + latest.id + ".html");
    return xml.Document();
}

}  // namespace server
