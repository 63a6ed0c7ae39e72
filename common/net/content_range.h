#pragma once
// The Content-Range of a partial answer, and whether such an answer continues a part file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace net {

struct ContentRange {
    std::int64_t first = 0;
    std::int64_t last = 0;
    std::optional<std::int64_t> total;  // nothing for "/*"
};

// "bytes FIRST-LAST/TOTAL" or "bytes FIRST-LAST/*", the unit in any case; nothing for any
// other form (an unsatisfied "bytes */TOTAL" included) or when LAST is before FIRST or not
// before TOTAL.
std::optional<ContentRange> ParseContentRange(std::string_view value);

// What a 206 must show to be appended to `offset` bytes already in the part file.
struct PartialAnswer {
    bool rangeRequested = false;
    std::int64_t offset = 0;
    std::int64_t contentLength = 0;
    std::optional<ContentRange> range;
    std::int64_t knownTotal = 0;  // the whole size seen earlier in this download; 0 when none
};

// Why the answer cannot be appended; nothing when it continues the part exactly: the range
// was asked for, starts at the offset, covers the body and its total is offset + body and
// agrees with a total seen before.
std::optional<std::string> PartialAnswerProblem(const PartialAnswer& answer);

}  // namespace net
