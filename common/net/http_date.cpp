#include "common/net/http_date.h"

#include "common/net/http_text.h"

namespace net {

namespace {

std::string_view Slice(std::string_view text, std::size_t offset, std::size_t count) {
    if (offset >= text.size()) return {};
    return text.substr(offset, count);
}

int MonthNumber(std::string_view name) {
    static constexpr std::string_view kMonths = "jan,feb,mar,apr,may,jun,jul,aug,sep,oct,nov,dec";
    if (name.size() != 3) return 1;
    std::size_t position = kMonths.find(name);
    return position == std::string_view::npos ? 1 : static_cast<int>(position / 4 + 1);
}

}  // namespace

std::optional<std::time_t> ParseHttpDate(std::string_view folded) {
    std::size_t comma = folded.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    std::string_view date = TrimLeft(folded.substr(comma + 1));

    std::tm fields{};
    fields.tm_mday = LeadingNumber(Slice(date, 0, 2));
    fields.tm_mon = MonthNumber(Slice(date, 3, 3)) - 1;
    std::string_view rest = TrimLeft(Slice(date, 6, std::string_view::npos));
    std::size_t blank = rest.find_first_of(" \t");
    if (blank == std::string_view::npos) {
        fields.tm_year = 2000 - 1900;
    } else {
        fields.tm_year = LeadingNumber(rest.substr(0, blank)) - 1900;
        std::string_view time = rest.substr(blank + 1);
        fields.tm_hour = LeadingNumber(Slice(time, 0, 2));
        fields.tm_min = LeadingNumber(Slice(time, 3, 2));
        fields.tm_sec = LeadingNumber(Slice(time, 6, 2));
    }
    fields.tm_isdst = -1;
    std::time_t made = std::mktime(&fields);
    if (made == static_cast<std::time_t>(-1)) return std::nullopt;
    return made;
}

}  // namespace net
