#pragma once
// The profit forecast as the forecast panel shows it. The server writes the forecast as
// one line of blank-separated tokens (years and values); the panel puts two blanks after
// each token, starts a new line before every token that names a year (holds 年), and
// puts one more blank before the last token.
#include <string>
#include <string_view>

// `message` and the result are GBK text. An empty message gives an empty text.
std::string FormatForecastText(std::string_view message);
