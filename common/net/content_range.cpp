#include "common/net/content_range.h"

#include "common/net/http_text.h"

namespace net {

std::optional<ContentRange> ParseContentRange(std::string_view value) {
    value = TrimBlanks(value);
    constexpr std::string_view kUnit = "bytes";
    if (value.size() <= kUnit.size() || FoldToLower(value.substr(0, kUnit.size())) != kUnit) {
        return std::nullopt;
    }
    value = TrimLeft(value.substr(kUnit.size()));
    std::size_t dash = value.find('-');
    std::size_t slash = value.find('/');
    if (dash == std::string_view::npos || slash == std::string_view::npos || slash < dash) {
        return std::nullopt;
    }
    std::optional<std::int64_t> first = ParseDecimal(value.substr(0, dash));
    std::optional<std::int64_t> last = ParseDecimal(value.substr(dash + 1, slash - dash - 1));
    if (!first || !last || *last < *first) return std::nullopt;
    ContentRange range{*first, *last, std::nullopt};
    std::string_view total = value.substr(slash + 1);
    if (total != "*") {
        range.total = ParseDecimal(total);
        if (!range.total || *range.total <= *last) return std::nullopt;
    }
    return range;
}

std::optional<std::string> PartialAnswerProblem(const PartialAnswer& answer) {
    if (!answer.rangeRequested) return "206 to a request without a range";
    if (!answer.range) return "206 without a usable Content-Range";
    const ContentRange& range = *answer.range;
    std::string sent = "bytes " + std::to_string(range.first) + "-" + std::to_string(range.last) +
                       "/" + (range.total ? std::to_string(*range.total) : "*");
    if (range.first != answer.offset) {
        return "Content-Range " + sent + " does not start at " + std::to_string(answer.offset);
    }
    if (answer.contentLength - 1 != range.last - range.first) {
        return "Content-Range " + sent + " does not match Content-Length " +
               std::to_string(answer.contentLength);
    }
    if (!range.total) return "Content-Range " + sent + " without the whole size";
    // A total above LAST keeps this sum (LAST + 1) from overflowing.
    std::int64_t expected = answer.offset + answer.contentLength;
    if (*range.total != expected) {
        return "Content-Range " + sent + " where the part and the body make " +
               std::to_string(expected);
    }
    if (answer.knownTotal != 0 && *range.total != answer.knownTotal) {
        return "Content-Range " + sent + " disagrees with the size " +
               std::to_string(answer.knownTotal) + " seen before";
    }
    return std::nullopt;
}

}  // namespace net
