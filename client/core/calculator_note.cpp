#include "client/core/calculator_note.h"

#include <cstdlib>

#include "client/core/gbk.h"

std::string ScheduleNote(const CalculatorSheet& sheet) {
    if (sheet.schedule == FeeSchedule::Classic) {
        return Gbk("说明：沪A：印花税: 1‰；佣金: 3‰，不足5元按5元收；过户费:1‰，不足1元按1元收；委托费：5元。"
                   "          \r\n深A：印花税: 1‰；佣金: 3‰，不足5元按5元收。");
    }
    const std::string& minimum = sheet.minimumCommission;
    const std::string floor = std::atof(minimum.c_str()) > 0
                                  ? Gbk("，不足") + minimum + Gbk("元按") + minimum + Gbk("元收")
                                  : Gbk("，不设最低");
    return Gbk("说明（现行费率）：沪深A股：印花税：卖出时0.5‰，买入不收；过户费：成交金额的0.01‰，"
               "买卖双向，不设最低；佣金：买卖各") +
           sheet.commissionPercent + "%" + floor + Gbk("；无委托费。\r\n北交所股票（4、8、92开头）不支持。");
}
