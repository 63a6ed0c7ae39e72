#pragma once
// The six analysis dimensions as the comprehensive evaluation panel and their detail
// windows present them, in the panel's column order: the column header, the message when
// there is no evaluation yet, and the detail window's dialog, title, value columns (which
// values of the dimension's block, under which captions), the caption over the six
// recommended stocks and the explanatory note. Texts are UTF-8; "\r\n" is a line break
// whose surrounding blanks belong to the note.
#include <array>
#include <cstddef>

#include "client/data/comprehensive_eval.h"

struct DimensionDetail {
    Dimension dimension;
    const char* header;
    const char* missingMessage;
    int dialogId;
    const char* title;
    std::size_t columnCount;
    std::array<const char*, 5> captions;
    // Index into the block's values of each column; the news window shows its site
    // categories' counts instead.
    std::array<std::size_t, 5> valueIndex;
    const char* stocksCaption;
    const char* note;
};

inline constexpr std::array<DimensionDetail, kDimensionCount> kDimensionDetails{{
    {Dimension::Fundamental, "基本面", "没有基本面信息!", 135, "基本面分析", 5,
     {"市盈率", "净利润增长率", "主营收入同比增长", "每股收益(元)", "每股净资产(元)"}, {0, 1, 2, 3, 4},
     "基本面分析较好的六只个股：",
     "说明：基本面主要分析了市盈率、净利润增长率、主营收入同比增长、每股收益和每股净资产，盈利越稳定、增长越快越好。"
     "最后统计出所有A股中基本面最好的六支股票，供用户参考。"},
    {Dimension::Market, "市场面", "没有市场面信息!", 136, "市场面分析", 4,
     {"五日均价(元)", "十日均价(元)", "五日均量(股)", "十日均量(股)"}, {0, 1, 2, 3},
     "市场面分析较好的六只个股：",
     "说明：市场面主要分析了五日、十日均价和均量，均价上移、量能放大说明市场认可度提高。"
     "最后统计出所有A股中市场面最好的六支股票，供用户参考。"},
    {Dimension::Technical, "技术面", "没有技术面信息!", 137, "技术面分析", 3,
     {"一周相对大盘涨跌", "一周股价区间(元)", "一周涨跌幅"}, {0, 2, 3},
     "技术面分析较好的六只个股：",
     "说明：技术面主要分析了一周内个股相对大盘的涨跌、股价区间和涨跌幅，相对大盘越强越好。"
     "最后统计出所有A股中技术面最好的六支股票，供用户参考。"},
    {Dimension::Capital, "资金面", "没有资金面信息!", 139, "资金面分析", 3,
     {"今日主力增仓(元)", "主力五日增仓(元)", "主力一月增仓(元)"}, {0, 1, 2},
     "资金面分析较好的六只个股：",
     "说明：资金面主要分析了主力增仓，主力减仓金额，主力增仓金额越大越好，主力减仓金额越大越危       \r\n      险。"
     "最后统计出所有A股中资金面最好的六支股票，供用户参考。"},
    {Dimension::News, "消息面", "没有消息面信息!", 138, "消息面分析", 5,
     {"政府类", "门户类", "专业类", "论坛类", "Kestrun财经类"}, {0, 1, 2, 3, 4},
     "消息面分析较好的六只个股：",
     "说明：消息面统计了个股在政府类、门户类、专业类、论坛类和Kestrun财经类网站上出现的次数，点击类别可查看"
     "各网站的出现次数，点击网站可打开该网站。最后统计出所有A股中消息面最好的六支股票，供用户参考。"},
    {Dimension::Expert, "专家评", "没有专家评测信息!", 140, "Kestrun财经专家分析", 1,
     {"专家意见"}, {0},
     "专家分析具有短线投资价值的6只个股：",
     "说明：Kestrun财经专家结合个股基本面、资金面和技术形态给出短线意见，仅供用户参考，不构成投资建议。"},
}};

inline const DimensionDetail& DetailOf(Dimension dimension) {
    return kDimensionDetails[static_cast<std::size_t>(dimension)];
}
