#include "client/data/site_lines.h"

#include <cstdint>
#include <string_view>

#include "common/platform/code_page.h"

namespace {

// Large enough for any real count, small enough that no sum of ten of them overflows.
constexpr std::int64_t kCountLimit = 1'000'000'000;

// Leading blanks, an optional sign and the digits after them; 0 when there are none.
std::int64_t ReadCount(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value < kCountLimit) value = value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

}  // namespace

std::vector<SiteLine> SiteLines(const SiteCategory& category) {
    static const std::string kStop = platform::Utf8ToLocalText("。");
    static const std::string kAppeared = platform::Utf8ToLocalText("出现");
    static const std::string kTimes = platform::Utf8ToLocalText("次");

    std::vector<SiteLine> lines;
    std::int64_t total = ReadCount(category.count);
    for (const SiteEntry& entry : category.entries) {
        if (total <= 0) break;
        if (entry.netName.empty() && entry.count.empty()) break;
        const std::string number = std::to_string(lines.size() + 1);
        lines.push_back({number + kStop + entry.netName + kAppeared + entry.count + kTimes, entry.linkUrl});
        total -= ReadCount(entry.count);
    }
    return lines;
}
