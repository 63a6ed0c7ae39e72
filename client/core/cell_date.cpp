#include "client/core/cell_date.h"

namespace listview {
namespace {

constexpr std::string_view kYearGbk = "\xC4\xEA";   // 年
constexpr std::string_view kMonthGbk = "\xD4\xC2";  // 月
constexpr std::string_view kDayGbk = "\xC8\xD5";    // 日

// Walks the text left to right; every reader leaves the position unchanged on failure.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    std::size_t Position() const { return pos_; }
    void Rewind(std::size_t pos) { pos_ = pos; }

    // Between `least` and `most` decimal digits.
    std::optional<int> Digits(int least, int most) {
        int count = 0, value = 0;
        while (count < most && pos_ + count < text_.size() && IsDigit(text_[pos_ + count])) {
            value = value * 10 + (text_[pos_ + count] - '0');
            ++count;
        }
        if (count < least) return std::nullopt;
        if (pos_ + count < text_.size() && IsDigit(text_[pos_ + count])) return std::nullopt;  // too many digits
        pos_ += count;
        return value;
    }

    bool Literal(std::string_view literal) {
        if (text_.substr(pos_, literal.size()) != literal) return false;
        pos_ += literal.size();
        return true;
    }

    int SkipBlanks() {
        int skipped = 0;
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_, ++skipped;
        return skipped;
    }

private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    std::string_view text_;
    std::size_t pos_ = 0;
};

struct Date {
    int year, month, day;
};

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool Exists(const Date& d) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.month < 1 || d.month > 12 || d.day < 1) return false;
    const int last = kDays[d.month - 1] + (d.month == 2 && IsLeap(d.year) ? 1 : 0);
    return d.day <= last;
}

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(const Date& d) {
    const int y = d.year - (d.month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

// A date written as three digit fields, each followed by its literal (which may be empty).
struct DateForm {
    struct Field {
        int leastDigits, mostDigits;
        std::string_view after;
    };
    Field fields[3];
    int yearAt, monthAt, dayAt;  // which field holds what
    bool timeMayTouch;           // the time may follow without a blank
};

const DateForm kDateForms[] = {
    {{{4, 4, "-"}, {1, 2, "-"}, {1, 2, ""}}, 0, 1, 2, false},
    {{{4, 4, "/"}, {1, 2, "/"}, {1, 2, ""}}, 0, 1, 2, false},
    {{{1, 2, "/"}, {1, 2, "/"}, {4, 4, ""}}, 2, 0, 1, false},
    {{{4, 4, kYearGbk}, {1, 2, kMonthGbk}, {1, 2, kDayGbk}}, 0, 1, 2, true},
};

std::optional<Date> ReadDate(Cursor& c, const DateForm& form) {
    const std::size_t start = c.Position();
    int values[3] = {};
    for (int i = 0; i < 3; ++i) {
        const auto value = c.Digits(form.fields[i].leastDigits, form.fields[i].mostDigits);
        if (!value || !c.Literal(form.fields[i].after)) {
            c.Rewind(start);
            return std::nullopt;
        }
        values[i] = *value;
    }
    return Date{values[form.yearAt], values[form.monthAt], values[form.dayAt]};
}

// hh:mm or hh:mm:ss as seconds of the day.
std::optional<int> TimeOfDay(Cursor& c) {
    const std::size_t start = c.Position();
    const auto hour = c.Digits(1, 2);
    if (hour && c.Literal(":")) {
        if (const auto minute = c.Digits(2, 2)) {
            std::optional<int> second = 0;
            const std::size_t beforeSeconds = c.Position();
            if (c.Literal(":")) {
                second = c.Digits(2, 2);
                if (!second) c.Rewind(beforeSeconds);
            }
            if (second && *hour < 24 && *minute < 60 && *second < 60) return *hour * 3600 + *minute * 60 + *second;
        }
    }
    c.Rewind(start);
    return std::nullopt;
}

constexpr std::int64_t kOleEpochDays = -25569;  // 1899-12-30 counted from 1970-01-01
constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace

std::optional<std::int64_t> ReadDateTime(std::string_view text) {
    Cursor c(text);
    c.SkipBlanks();
    std::optional<Date> date;
    bool timeMayTouch = false;
    for (const DateForm& form : kDateForms) {
        if ((date = ReadDate(c, form))) {
            timeMayTouch = form.timeMayTouch;
            break;
        }
    }
    if (date && !Exists(*date)) return std::nullopt;

    std::optional<int> time;
    if (!date) {
        time = TimeOfDay(c);
        if (!time) return std::nullopt;
    } else {
        const std::size_t afterDate = c.Position();
        if (c.SkipBlanks() > 0 || timeMayTouch) time = TimeOfDay(c);
        if (!time) c.Rewind(afterDate);
    }
    c.SkipBlanks();
    if (!c.AtEnd()) return std::nullopt;

    const std::int64_t days = date ? DaysFromCivil(*date) - kOleEpochDays : 0;
    return days * kSecondsPerDay + time.value_or(0);
}

}  // namespace listview
