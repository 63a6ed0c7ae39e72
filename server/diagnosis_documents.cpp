#include "server/diagnosis_documents.h"

#include <algorithm>
#include <cmath>

#include "server/market_calendar.h"
#include "server/number_text.h"
#include "server/seeded_random.h"
#include "server/xml_text.h"

namespace server {
namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

double NetFlowMillions(const StockProfile& p, std::size_t lastDays) {
    double sum = 0;
    for (std::size_t i = p.flows.size() > lastDays ? p.flows.size() - lastDays : 0; i < p.flows.size(); ++i)
        sum += p.flows[i].Net();
    return sum;
}

// Millions of yuan as "3.26亿元" or "856.20万元".
std::string Money(double millions) {
    if (std::abs(millions) >= 100) return Fixed(millions / 100.0, 2) + "亿元";
    return Fixed(millions * 100.0, 2) + "万元";
}

std::string MainFunds(const StockProfile& p, const Evaluation& e, SeededRandom& random) {
    const double holding = std::clamp(18 + e.scores[kFunds] * 0.55 + random.Normal() * 4, 5.0, 80.0);
    const char* level = holding >= 55 ? "高度控盘" : holding >= 35 ? "中度控盘" : holding >= 20 ? "轻度控盘" : "无明显控盘";
    const double net = NetFlowMillions(p, 20);
    return std::string("主力控盘程度：") + level + "。主力持仓约占流通盘的" + Fixed(holding, 1) +
           "%，近20个交易日主力" + (net >= 0 ? "净流入" : "净流出") + Money(std::abs(net)) +
           (holding >= 35 ? "，筹码趋于集中，股价容易受主力拉升或打压。" : "，筹码较为分散，主力对股价影响有限。");
}

std::string Position(const Evaluation& e) {
    if (e.total < 40) return "空仓。综合评分" + Fixed(e.total, 1) + "分，风险明显大于机会，建议空仓回避，等待企稳信号。";
    if (e.total < 52) return "1/4仓。综合评分" + Fixed(e.total, 1) + "分，走势偏弱，仅宜轻仓参与，严格设置止损。";
    if (e.total < 62) return "1/2仓。综合评分" + Fixed(e.total, 1) + "分，多空力量相当，可半仓持有，高抛低吸。";
    if (e.total < 74) return "3/4仓。综合评分" + Fixed(e.total, 1) + "分，趋势稳中向好，可保持较重仓位，逢低加仓。";
    return "满仓。综合评分" + Fixed(e.total, 1) + "分，各分析面表现优异，可满仓持有，注意跟踪业绩变化。";
}

std::string BullsAndBears(const StockProfile& p) {
    const double net5 = NetFlowMillions(p, 5);
    const double trend = p.average5 - p.average10;
    std::string verdict;
    if (p.weekChange > 3 && net5 > 0) verdict = "多头主导的上升趋势";
    else if (p.weekChange < -3 && net5 < 0) verdict = "空头主导的下跌趋势";
    else if (p.weekChange < 0 && net5 > 0) verdict = "空头反攻";
    else if (std::abs(p.weekChange) <= 1.5) verdict = "多空平衡状态";
    else verdict = "趋势不明朗，继续观察";
    return verdict + "。5日均价" + Fixed(p.average5, 2) + "元" + (trend >= 0 ? "高于" : "低于") +
           "10日均价" + Fixed(p.average10, 2) + "元，一周涨跌幅" + SignedPercent(p.weekChange) + "，主力5日" +
           (net5 >= 0 ? "净流入" : "净流出") + Money(std::abs(net5)) + "。";
}

std::string Support(const StockProfile& p, SeededRandom& random) {
    const double level = p.weekLow * (1 - random.Uniform(0.005, 0.03));
    return "支撑位：" + Fixed(level, 2) + "元。现价" + Fixed(p.price, 2) + "元，距支撑位" +
           Fixed((p.price - level) / p.price * 100, 1) +
           "%。股价回落至支撑位附近如有反弹则强烈关注，若有效跌破则需非常警惕。";
}

std::string Pressure(const StockProfile& p, SeededRandom& random) {
    const double level = p.weekHigh * (1 + random.Uniform(0.005, 0.04));
    return "压力位：" + Fixed(level, 2) + "元。现价" + Fixed(p.price, 2) + "元，距压力位" +
           Fixed((level - p.price) / p.price * 100, 1) +
           "%。股价上攻至压力位附近如遇回落则非常警惕，若放量突破则强烈关注。";
}

std::string Heat(const StockProfile& p, const Evaluation& e) {
    int mentions = 0;
    for (const auto& category : e.news) mentions += category.count;
    const double turnover = p.TurnoverToday() / 1e4;  // hundred millions
    const double heat = mentions / 2.0 + std::log10(1 + turnover) * 30;
    const char* level = heat >= 90 ? "狂热" : heat >= 45 ? "活跃" : "冷清";
    return std::string(level) + "。近一周各类网站共提及该股" + std::to_string(mentions) + "次，日均成交额" +
           Fixed(turnover, 2) + "亿元，" +
           (heat >= 90 ? "市场关注度极高，注意追高风险。" : heat >= 45 ? "市场关注度较高，可重点跟踪。" : "市场关注度较低，交投清淡。");
}

std::string Character(const StockProfile& p) {
    const double amplitude = (p.weekHigh - p.weekLow) / p.weekLow * 100;
    const double turnoverRate = p.volume5 / (p.shares * 1e8) * 100;
    const double liveliness = amplitude + turnoverRate * 3;
    const char* level = liveliness >= 12 ? "股性良好" : liveliness >= 6 ? "股性一般" : "股性差";
    return std::string(level) + "。近一周振幅" + Fixed(amplitude, 1) + "%，日均换手率" + Fixed(turnoverRate, 2) + "%，" +
           (liveliness >= 12 ? "股价弹性大，对利好反应灵敏，具备较好的成长潜力。"
                             : liveliness >= 6 ? "股价弹性一般，适合波段操作。" : "股价弹性较差，短线参与价值不高。");
}

std::string Institutions(const StockProfile& p, const Evaluation& e, SeededRandom& random) {
    const int total = std::max(1, static_cast<int>(std::lround(std::log10(1 + p.MarketValue()) * 9 + random.Uniform(-4, 4))));
    const double optimism = std::clamp(e.scores[kExpert] / 100.0 + random.Normal() * 0.08, 0.05, 0.95);
    const int buy = static_cast<int>(std::lround(total * optimism * 0.75));
    const int hold = static_cast<int>(std::lround((total - buy) * 0.65));
    const int reduce = static_cast<int>(std::lround((total - buy - hold) * 0.7));
    const int sell = total - buy - hold - reduce;
    return "近90天内共有" + std::to_string(total) + "家机构发布研究报告：建议买入" + std::to_string(buy) + "家，持有" +
           std::to_string(hold) + "家，减持" + std::to_string(reduce) + "家，卖出" + std::to_string(sell) + "家。";
}

// Words separated by single blanks; every word holding a year begins a line in the
// forecast panel.
std::string Forecast(const StockProfile& p, SeededRandom& random) {
    std::string message;
    double eps = p.eps > 0 ? p.eps : std::abs(p.eps) * 0.3;
    double profit = p.netProfit > 0 ? p.netProfit : std::abs(p.netProfit) * 0.3;
    for (int year = 2026; year <= 2028; ++year) {
        const double growth = std::clamp(p.profitGrowth * 0.4 + 8 + random.Normal() * 4, -15.0, 45.0);
        eps *= 1 + growth / 100;
        profit *= 1 + growth / 100;
        if (!message.empty()) message += ' ';
        message += std::to_string(year) + "年 每股收益" + Fixed(eps, 2) + "元，净利润" + Fixed(profit, 2) +
                   "亿元，同比增长" + Fixed(growth, 1) + "%";
    }
    return message;
}

}  // namespace

const std::vector<std::string>& DiagnosisFolders() {
    static const std::vector<std::string> kFolders = {"CWZD", "DKZD", "GXZD", "JGZD", "RDZD",
                                                      "YLZD", "ZCZD", "ZLZD", "YZYC"};
    return kFolders;
}

std::string DiagnosisMessage(const MarketModel& model, std::size_t index, const std::string& folder) {
    const std::string name = Upper(folder);
    const StockProfile& p = model.Profile(index);
    const Evaluation& e = model.EvaluationOf(index, 0);
    SeededRandom random(p.stock.code + "/diagnosis/" + name);
    if (name == "ZLZD") return MainFunds(p, e, random);
    if (name == "CWZD") return Position(e);
    if (name == "DKZD") return BullsAndBears(p);
    if (name == "ZCZD") return Support(p, random);
    if (name == "YLZD") return Pressure(p, random);
    if (name == "RDZD") return Heat(p, e);
    if (name == "GXZD") return Character(p);
    if (name == "JGZD") return Institutions(p, e, random);
    if (name == "YZYC") return Forecast(p, random);
    return "";
}

std::string DiagnosisDocument(const MarketModel& model, std::size_t index, const std::string& folder) {
    const std::string message = DiagnosisMessage(model, index, folder);
    if (message.empty()) return "";
    const StockProfile& p = model.Profile(index);
    XmlBuilder xml;
    xml.Open("KRClientInfo");
    xml.Open("S" + p.stock.code, {{"name", p.stock.name}});
    xml.Leaf("time", LastTradingDay().Iso() + " 15:30");
    xml.Leaf("msg", message);
    return xml.Document();
}

}  // namespace server
