#include "client/data/news_summary.h"

#include "common/platform/code_page.h"

std::string MakeNewsSummary(std::string_view content) {
    if (content.size() <= kNewsSummaryMaxBytes) return std::string(content);
    // Step whole characters; stop before the first one that would reach past the limit.
    std::size_t cut = 0;
    while (cut < kNewsSummaryMaxBytes) {
        const auto length = static_cast<std::size_t>(
            platform::LocalCharLength(static_cast<unsigned char>(content[cut])));
        if (cut + length > kNewsSummaryMaxBytes) break;
        cut += length;
    }
    return std::string(content.substr(0, cut)) + "......";
}
