#pragma once
// The summary of a news content: the content itself when it is short, otherwise its
// beginning followed by "......". The cut never splits a GBK double-byte character.
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kNewsSummaryMaxBytes = 240;

std::string MakeNewsSummary(std::string_view content);
