#include "client/core/forecast_text.h"

#include <vector>

#include "common/platform/code_page.h"

namespace {

// GBK bytes of 年.
constexpr std::string_view kYear = "\xC4\xEA";

// Tokens between single blanks. Two blanks in a row give an empty token; a blank at the
// very end gives none.
std::vector<std::string_view> SplitAtBlanks(std::string_view message) {
    std::vector<std::string_view> tokens;
    std::size_t start = 0;
    while (start < message.size()) {
        std::size_t blank = message.find(' ', start);
        if (blank == std::string_view::npos) blank = message.size();
        tokens.push_back(message.substr(start, blank - start));
        start = blank + 1;
    }
    return tokens;
}

// Whether `token` holds 年 as a whole character: a trail byte followed by a lead byte
// must not pass for it.
bool NamesAYear(std::string_view token) {
    for (std::size_t i = 0; i < token.size();) {
        if (token.substr(i, kYear.size()) == kYear) return true;
        i += static_cast<std::size_t>(platform::LocalCharLength(static_cast<unsigned char>(token[i])));
    }
    return false;
}

}  // namespace

std::string FormatForecastText(std::string_view message) {
    const std::vector<std::string_view> tokens = SplitAtBlanks(message);
    std::string text;
    if (tokens.empty()) return text;
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        text += tokens[i];
        text += "  ";
        if (NamesAYear(tokens[i + 1])) text += "\r\n";
    }
    text += ' ';
    text += tokens.back();
    return text;
}
