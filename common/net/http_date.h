#pragma once
// Reads an HTTP date such as "tue, 15 nov 1994 08:12:31 gmt" (already folded to lower case).
#include <ctime>
#include <optional>
#include <string_view>

namespace net {

// The fields are read after the first comma and made into a calendar time as local time
// (no zone conversion). An unknown month counts as January; a year without a time after it
// counts as 2000. Nothing when the text has no comma.
std::optional<std::time_t> ParseHttpDate(std::string_view folded);

}  // namespace net
