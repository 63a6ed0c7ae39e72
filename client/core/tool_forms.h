#pragma once
// The two forms of page 辅助 without their windows: the expert question (在线交流) and the
// SMS request (明日是谁). Their fields, the question texts offered, the checks before a
// post, the form bodies and the message that tells the outcome. Texts are GBK.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Where the forms go and the pages beside them, on the community server unless noted.
inline constexpr std::string_view kQuestionPostPath = "/q&a/question.asp";
inline constexpr std::string_view kSmsPostPath = "/sms/sncode.asp?class=9&fromsource=730kr";
inline constexpr std::string_view kQuestionPagePath = "/q&a/clientquestion.html";
inline constexpr std::string_view kLivePagePath = "/live/clientlive.html";
inline constexpr std::string_view kAlmanacPagePath = "/lhl/index.htm";  // product site

// The title combo box: "先生", "女士"; submitted as "男", "女", or "" with no choice.
std::vector<std::string> TitleItems();
std::string SexOfTitle(int index);

// The question combo box: a prompt (index 0) and eleven common questions.
std::vector<std::string> QuestionItems();
// The content text question `index` puts in the content field, built from the stock code
// and price as typed ("" for the prompt and for an index out of range).
std::string QuestionText(std::size_t index, const std::string& code, const std::string& price);

struct ExpertQuestion {
    std::string name;
    int titleIndex = -1;  // -1: none chosen
    std::string phone;
    std::string stockCode;
    std::string price;
    std::string content;
};

// The message that stops the post when a required field is empty (name, then phone,
// then content); "" when all three are filled.
std::string MissingQuestionField(const ExpertQuestion& question);
// "手机号不能为空!" when the phone is empty, else "".
std::string MissingSmsField(const std::string& phone);

// The form bodies. Every field is form-encoded, so a typed '&' or '=' stays inside its
// field; digits and letters go out as typed.
std::string ExpertQuestionBody(const ExpertQuestion& question);
std::string SmsRequestBody(const std::string& phone);

// What the form shows after its post: "提交成功!" for an answer with text, nothing ("")
// for an empty answer, "提交失败，请稍后再试!" when the server could not be reached.
std::string PostOutcomeMessage(bool reached, const std::string& response);
