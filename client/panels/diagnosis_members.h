#pragma once
// The ten diagnosis members of page 常用, in button order: the page button, its picture,
// the panel's dialog, its server folder, its kind, the verdict colour (verdict members)
// and the explanatory note under the panel. Texts are UTF-8; "\r\n" is a line break
// whose surrounding blanks belong to the note.
#include <array>

#include "common/ui/color.h"

enum class DiagnosisKind { kVerdict, kFlowChart };

struct DiagnosisMember {
    int buttonId;
    const char* buttonText;
    const char* picture;
    int dialogId;
    const char* panelCode;
    DiagnosisKind kind;
    ui::ColorRef verdictColour;
    const char* note;
};

inline constexpr std::array<DiagnosisMember, 10> kDiagnosisMembers{{
    {1077, "主力评测", "image\\zlpc.gif", 141, "ZLZD", DiagnosisKind::kVerdict, ui::Rgb(244, 0, 0),
     "说明：清楚掌握主力控盘情况，控盘程度越高，锁定筹码越多，该股股价越容易被主力拉升或打压。"},
    {1078, "仓位评测", "image\\cwpc.gif", 142, "CWZD", DiagnosisKind::kVerdict, ui::Rgb(204, 0, 0),
     "说明：仓位评测结果分为：空仓，1/4仓,1/2仓,3/4仓,满仓五种结果。科学的仓位操作，是你风险最小化收益持久化的有力保障。"},
    {1079, "多空评测", "image\\dkpc.gif", 143, "DKZD", DiagnosisKind::kVerdict, ui::Rgb(244, 0, 0),
     "说明：多空评测结果分为：多头主导的上升趋势；多空平衡状态；空头反攻；空头主导的下跌趋势；趋势不明朗，继续观察五种情况。紧随多空       \r\n      上升或下跌趋势，做趋势之王。"},
    {1080, "支撑评测", "image\\zcpc.gif", 144, "ZCZD", DiagnosisKind::kVerdict, ui::Rgb(244, 0, 0),
     "说明：支撑点做为股价是否继续下跌的关键点，到达此点附近如有反弹则强烈关注，若仍继续下跌则非常警惕。"},
    {1081, "压力评测", "image\\ylpc.gif", 145, "YLZD", DiagnosisKind::kVerdict, ui::Rgb(244, 0, 0),
     "说明：压力点做为股价是否继续上涨的关键点，到达此点附近如有反弹则非常警惕，若仍继续上涨则强烈关注。"},
    {1082, "热度评测", "image\\rdpc.gif", 146, "RDZD", DiagnosisKind::kVerdict, ui::Rgb(204, 0, 0),
     "说明：热度评测结果分为：冷清，活跃，狂热三种程度，热度程度越高，表示该股越活跃，用户应更关注。"},
    {1083, "股性评测", "image\\gxpc.gif", 147, "GXZD", DiagnosisKind::kVerdict, ui::Rgb(204, 0, 0),
     "说明：股性评测结果分为：股性差，股性一般，股性良好三种程度，股性越好的个股越具成长潜力，用户越应关注。"},
    {1084, "机构评测", "image\\jgpc.gif", 148, "JGZD", DiagnosisKind::kVerdict, ui::Rgb(204, 0, 0),
     "说明：汇集国内百余家顶级研究机构90天内的研究成果，统计出对个股买入，持有，减持，卖出不同建议的机构数量，方便用户掌握众多        \r\n      机构意见。"},
    {1085, "TOPEYES-S", "image\\topeyes-s.gif", 149, "TopEyess", DiagnosisKind::kFlowChart, ui::Rgb(0, 0, 0),
     "说明：核心评测功能，红色为主力买入金额，绿色为主力卖出金额，让你对主力买入卖出数目一目了然。"},
    {1086, "TOPEYES-H", "image\\topeyes-h.gif", 150, "TopEyesh", DiagnosisKind::kFlowChart, ui::Rgb(0, 0, 0),
     "说明：核心评测功能，红色为主力增仓，绿色为主力减仓，连续变红区域，应强烈关注，变绿区域，应非常警惕。"},
}};

// The profit forecast of page 常用: a verdict panel of its own folder whose message is
// laid out as lines of years and values (CForecastPanel).
inline constexpr DiagnosisMember kForecastMember{
    1076, "业绩预测", "image\\yjyc.gif", 134, "YZYC", DiagnosisKind::kVerdict, ui::Rgb(204, 0, 0),
    "说明：国内顶级机构明星分析师，结合最新权威研究数据，准确预测个股业绩盈亏，预测业绩越好，该股成长潜力越大。"};
