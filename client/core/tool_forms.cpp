#include "client/core/tool_forms.h"

#include "client/core/client_util.h"
#include "client/core/gbk.h"

namespace {

// The question items and how each builds its content text.
enum class QuestionForm { Prompt, AfterCode, AfterCodeAndPrice, Alone };

struct QuestionEntry {
    const char* item;  // UTF-8
    QuestionForm form;
    const char* text;  // what follows the code (and price), or the whole text
};

constexpr QuestionEntry kQuestions[] = {
    {"您可以选择常见的一些问题进行提问", QuestionForm::Prompt, ""},
    {"XX短期走势，后市如何操作为宜？", QuestionForm::AfterCode, "短期走势，后市如何操作为宜？"},
    {"XX中线走势，后市如何操作为宜？", QuestionForm::AfterCode, "中线走势，后市如何操作为宜？"},
    {"XX成本价XX元，能否继续持有？", QuestionForm::AfterCodeAndPrice, "元，能否继续持有？"},
    {"XX成本价XX元，能否有望解套？", QuestionForm::AfterCodeAndPrice, "元，能否有望解套？"},
    {"XX成本价XX元，现价能否补仓？", QuestionForm::AfterCodeAndPrice, "元，现价能否补仓？"},
    {"XX能否介入，适宜做短线还是中长线？", QuestionForm::AfterCode, "能否介入，适宜做短线还是中长线？"},
    {"XX庄家是否在吸货？", QuestionForm::AfterCode, "庄家是否在吸货？"},
    {"XX庄家是否在出货？", QuestionForm::AfterCode, "庄家是否在出货？"},
    {"近期可重点关注哪些热门板块或个股？", QuestionForm::Alone, "近期可重点关注哪些热门板块或个股？"},
    {"大盘短期内将以何种走势为主？", QuestionForm::Alone, "大盘短期内将以何种走势为主？"},
    {"大盘的后市如何，中期偏多还是偏空？", QuestionForm::Alone, "大盘的后市如何，中期偏多还是偏空？"},
};

}  // namespace

std::vector<std::string> TitleItems() { return {Gbk("先生"), Gbk("女士")}; }

std::string SexOfTitle(int index) {
    if (index == 0) return Gbk("男");
    if (index == 1) return Gbk("女");
    return "";
}

std::vector<std::string> QuestionItems() {
    std::vector<std::string> items;
    for (const QuestionEntry& entry : kQuestions) items.push_back(Gbk(entry.item));
    return items;
}

std::string QuestionText(std::size_t index, const std::string& code, const std::string& price) {
    if (index >= std::size(kQuestions)) return "";
    const QuestionEntry& entry = kQuestions[index];
    switch (entry.form) {
        case QuestionForm::Prompt:
            return "";
        case QuestionForm::AfterCode:
            return code + Gbk(entry.text);
        case QuestionForm::AfterCodeAndPrice:
            return code + Gbk("购入价位") + price + Gbk(entry.text);
        case QuestionForm::Alone:
            return Gbk(entry.text);
    }
    return "";
}

std::string MissingQuestionField(const ExpertQuestion& question) {
    if (question.name.empty()) return Gbk("用户名不能为空!");
    if (question.phone.empty()) return Gbk("手机号不能为空!");
    if (question.content.empty()) return Gbk("咨询内容不能为空!");
    return "";
}

std::string MissingSmsField(const std::string& phone) {
    return phone.empty() ? Gbk("手机号不能为空!") : "";
}

std::string ExpertQuestionBody(const ExpertQuestion& q) {
    const CClientUtil util;
    return "fromsource=730kr&name=" + util.UrlEncode(q.name) +
           "&sex=" + util.UrlEncode(SexOfTitle(q.titleIndex)) + "&tel=" + util.UrlEncode(q.phone) +
           "&telquhao=&phone=&province=&stock=" + util.UrlEncode(q.stockCode) +
           "&price=" + util.UrlEncode(q.price) + "&question=select question&sm=" +
           util.UrlEncode(q.content) + "&imageField2.x=24&imageField2.y=13";
}

std::string SmsRequestBody(const std::string& phone) {
    // The second field is the submit button: "提交" as percent-escaped UTF-8 and a blank.
    return "tel=" + CClientUtil().UrlEncode(phone) + "&=%E6%8F%90%E4%BA%A4+";
}

std::string PostOutcomeMessage(bool reached, const std::string& response) {
    if (!reached) return Gbk("提交失败，请稍后再试!");
    return response.empty() ? "" : Gbk("提交成功!");
}
