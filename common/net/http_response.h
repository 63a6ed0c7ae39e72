#pragma once
// Reads the head of an HTTP response into what the download engine acts on.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "common/net/content_range.h"

namespace net {

struct ResponseHead {
    enum class Kind {
        kBody = 0,      // below 300 with a usable Content-Length
        kRetry = 1,     // 500 and above
        kRedirect = 2,  // 300-399 with a Location
        kFatal = 3,     // bad status line, 4xx, missing or malformed length or location
    };
    Kind kind = Kind::kFatal;
    int status = 0;
    std::int64_t contentLength = 0;
    std::time_t lastModified = 0;  // `now` unless a dated Last-Modified came
    std::string location;          // trimmed, in the case the server sent it
    // Validators and range of a body, trimmed and in the case the server sent them (an
    // ETag compares case-sensitively); empty or nothing when absent.
    std::string etag;
    std::string lastModifiedText;
    std::optional<ContentRange> contentRange;
    // Why a retry or fatal answer is one, for the log ("status 404", "no Content-Length").
    std::string problem;
};

// `headerText` is the head as received: lines joined by CR LF, ending with one. Field names
// and dates are matched without regard to case.
ResponseHead ReadResponseHead(std::string_view headerText, std::time_t now);

}  // namespace net
