#pragma once
// Reads the date and time texts a Chinese user meets in a list cell. Text is GBK.
//
// Accepted, with blanks allowed around the whole text:
//   2026-12-07   2026-12-7     year-month-day with '-'
//   2026/12/07   2026/12/7     year/month/day with '/'
//   12/07/2026   12/7/2026     month/day/year (the United States order)
//   2026年12月7日              year, month, day with the Chinese characters (GBK)
// each optionally followed by a time hh:mm or hh:mm:ss (hour with one or two digits),
// after one or more blanks (the Chinese form may also run straight into the time), or a
// time alone, which counts as the time of day 0 (1899-12-30, as OLE dates do).
// The year has four digits, the month and day one or two; the date must exist (leap
// years included), hours 0-23, minutes and seconds 0-59. Anything else is not a date.
#include <cstdint>
#include <optional>
#include <string_view>

namespace listview {

// Seconds since 1899-12-30 00:00 (negative before it), so that later is greater.
std::optional<std::int64_t> ReadDateTime(std::string_view text);

}  // namespace listview
