// What a server controls in a download, read without a crash, an overread or a hang, and
// with the results the engine relies on: a response head (status, lengths, dates, validators,
// Content-Range), a redirect location resolved against a URL, the URL itself, and the
// validator file kept beside a part file. The input is split at NUL bytes into: head, URL,
// location, validator file text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/net/content_range.h"
#include "common/net/http_date.h"
#include "common/net/http_request.h"
#include "common/net/http_response.h"
#include "common/net/http_text.h"
#include "common/net/http_url.h"
#include "common/net/part_validator.h"
#include "fuzz/fuzz_support.h"

namespace {

using fuzz::Require;

std::vector<std::string_view> Fields(std::string_view bytes, std::size_t count) {
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        std::size_t cut = bytes.find('\0');
        if (cut == std::string_view::npos) break;
        fields.push_back(bytes.substr(0, cut));
        bytes.remove_prefix(cut + 1);
    }
    fields.push_back(bytes);
    fields.resize(count);
    return fields;
}

bool HasLineFeed(std::string_view text) { return text.find('\n') != std::string_view::npos; }

// The head as the engine hands it over: lines up to the first empty one, each without the CR
// before its LF and followed by CR LF (a lone CR inside a line stays).
std::string HeadAsReceived(std::string_view raw) {
    std::string head;
    while (!raw.empty()) {
        std::size_t end = raw.find('\n');
        std::string_view line = raw.substr(0, end);
        raw.remove_prefix(end == std::string_view::npos ? raw.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) break;
        head.append(line).append("\r\n");
    }
    return head;
}

// A URL the engine would request: it parses back to itself and yields a request whose only
// line breaks are the ones ending its lines.
void CheckUrl(const net::HttpUrl& url, const net::PartValidator& validator) {
    Require(!url.host.empty() && url.port != 0, "host and port");
    Require(!url.path.empty() && url.path.front() == '/', "path from its slash");
    std::string text = net::FormatHttpUrl(url);
    std::optional<net::HttpUrl> again = net::ParseHttpUrl(text);
    Require(again && again->host == url.host && again->port == url.port && again->path == url.path,
            "a formatted URL parses back to itself");

    net::RequestLines lines;
    lines.method = "GET";
    lines.url = text;
    lines.target = url;
    lines.referer = text;
    lines.rangeStart = 1;
    lines.ifRange = validator.IfRangeValue();
    std::string request = net::BuildRequest(lines);
    Require(request.ends_with("\r\n\r\n") && request.find("\r\n\r\n") == request.size() - 4,
            "one empty line, at the end");
    std::size_t lineCount = 0;
    for (std::size_t at = 0; (at = request.find('\n', at)) != std::string::npos; ++at) {
        Require(at > 0 && request[at - 1] == '\r', "every LF ends a CR LF");
        ++lineCount;
    }
    Require(std::count(request.begin(), request.end(), '\r') == static_cast<long>(lineCount),
            "no lone CR");
}

void CheckHead(std::string_view text, const net::HttpUrl* current) {
    using Kind = net::ResponseHead::Kind;
    net::ResponseHead head = net::ReadResponseHead(text, 1000);
    switch (head.kind) {
        case Kind::kBody:
            Require(head.status < 300 && head.contentLength >= 0, "a body answer");
            Require(head.problem.empty(), "no problem with a body");
            Require(!HasLineFeed(head.etag) && !HasLineFeed(head.lastModifiedText),
                    "validators within their lines");
            break;
        case Kind::kRedirect:
            Require(head.status >= 300 && head.status <= 399 && !head.location.empty(),
                    "a redirect has a location");
            Require(!HasLineFeed(head.location), "location within its line");
            if (current != nullptr) {
                std::optional<std::string> next =
                    net::ResolveLocation(net::FormatHttpUrl(*current), head.location);
                if (next) Require(net::ParseHttpUrl(*next).has_value(), "redirect target parses");
            }
            break;
        case Kind::kRetry:
            Require(head.status >= 500 && !head.problem.empty(), "a retry says why");
            break;
        case Kind::kFatal:
            Require(!head.problem.empty(), "a failure says why");
            break;
    }
    if (head.contentRange) {
        const net::ContentRange& range = *head.contentRange;
        Require(range.first >= 0 && range.first <= range.last, "range in order");
        Require(!range.total || *range.total > range.last, "range inside the file");
        for (std::int64_t offset : {std::int64_t{0}, range.first, range.last}) {
            net::PartialAnswer answer{true, offset, head.contentLength, head.contentRange, 0};
            if (!net::PartialAnswerProblem(answer)) {
                Require(range.first == offset && range.total &&
                            *range.total == offset + head.contentLength,
                        "an accepted range continues the part exactly");
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string_view> fields =
        Fields(std::string_view(reinterpret_cast<const char*>(data), size), 4);
    std::string_view headText = fields[0], urlText = fields[1], location = fields[2],
                     validatorText = fields[3];

    net::PartValidator validator;
    if (std::optional<net::PartValidator> parsed = net::ParsePartValidator(validatorText)) {
        validator = *parsed;
        std::optional<net::PartValidator> again =
            net::ParsePartValidator(net::FormatPartValidator(validator));
        Require(again && *again == validator, "a validator file reads back as written");
    }

    std::optional<net::HttpUrl> url = net::ParseHttpUrl(urlText);
    if (!url) url = net::ParseHttpUrl("http://" + std::string(net::TrimBlanks(urlText)));
    if (url) CheckUrl(*url, validator);

    CheckHead(HeadAsReceived(headText), url ? &*url : nullptr);
    net::ReadResponseHead(headText, 0);  // any text at all, whatever its line ends
    if (url) {
        std::optional<std::string> next = net::ResolveLocation(net::FormatHttpUrl(*url),
                                                               std::string(location));
        if (next) {
            std::optional<net::HttpUrl> target = net::ParseHttpUrl(*next);
            Require(target.has_value(), "a resolved location parses");
            CheckUrl(*target, validator);
        }
    }
    net::ParseHttpDate(net::FoldToLower(location));
    return 0;
}
