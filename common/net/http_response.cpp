#include "common/net/http_response.h"

#include <optional>

#include "common/net/http_date.h"
#include "common/net/http_text.h"

namespace net {

namespace {

// The value of the first field called `name` (folded, with its colon), trimmed and in the
// original text's case; nothing when no line starts with it.
std::optional<std::string_view> FieldValue(std::string_view original, std::string_view folded,
                                           std::string_view name) {
    std::string key = "\r\n" + std::string(name);
    std::size_t at = folded.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    std::size_t start = at + key.size();
    std::size_t end = folded.find("\r\n", start);
    if (end == std::string_view::npos) end = folded.size();
    return TrimBlanks(original.substr(start, end - start));
}

std::optional<int> StatusCode(std::string_view statusLine) {
    std::size_t first = statusLine.find(' ');
    if (first == std::string_view::npos) return std::nullopt;
    std::size_t second = statusLine.find(' ', first + 1);
    std::string_view code = statusLine.substr(first + 1, second == std::string_view::npos
                                                             ? std::string_view::npos
                                                             : second - first - 1);
    std::optional<std::int64_t> value = ParseDecimal(code);
    if (!value || *value > 999) return std::nullopt;
    return static_cast<int>(*value);
}

}  // namespace

ResponseHead ReadResponseHead(std::string_view headerText, std::time_t now) {
    using Kind = ResponseHead::Kind;
    ResponseHead head;
    head.lastModified = now;
    std::string folded = FoldToLower(headerText);

    std::size_t lineEnd = folded.find("\r\n");
    std::optional<int> status;
    if (lineEnd != std::string::npos) {
        status = StatusCode(TrimBlanks(std::string_view(folded).substr(0, lineEnd)));
    }
    if (!status) {
        head.problem = "bad status line";
        return head;
    }
    head.status = *status;
    std::string statusText = "status " + std::to_string(head.status);

    if (head.status >= 300 && head.status <= 399) {
        std::optional<std::string_view> location = FieldValue(headerText, folded, "location:");
        if (!location || location->empty()) {
            head.problem = statusText + " without a Location";
            return head;
        }
        head.location = std::string(*location);
        head.kind = Kind::kRedirect;
        return head;
    }
    if (head.status >= 400) {
        head.problem = statusText;
        if (head.status >= 500) head.kind = Kind::kRetry;
        return head;
    }

    std::optional<std::string_view> length = FieldValue(headerText, folded, "content-length:");
    if (!length) {
        head.problem = statusText + " without a Content-Length";
        return head;
    }
    std::optional<std::int64_t> contentLength = ParseDecimal(*length);
    if (!contentLength) {
        head.problem = "bad Content-Length";
        return head;
    }
    head.contentLength = *contentLength;
    if (std::optional<std::string_view> modified = FieldValue(headerText, folded, "last-modified:")) {
        head.lastModifiedText = std::string(*modified);
        if (std::optional<std::time_t> when = ParseHttpDate(FoldToLower(*modified))) {
            head.lastModified = *when;
        }
    }
    if (std::optional<std::string_view> etag = FieldValue(headerText, folded, "etag:")) {
        head.etag = std::string(*etag);
    }
    if (std::optional<std::string_view> range = FieldValue(headerText, folded, "content-range:")) {
        head.contentRange = ParseContentRange(*range);
    }
    head.kind = Kind::kBody;
    return head;
}

}  // namespace net
