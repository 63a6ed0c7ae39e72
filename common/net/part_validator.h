#pragma once
// The validator the server gave for the file a part file ("<file>.down") holds, kept in a
// small file beside the part ("<file>.down.validator") so that a later download resumes the
// part only while the server still has that same file.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace net {

constexpr std::size_t kMaxValidatorValueSize = 1024;

struct PartValidator {
    std::string etag;          // as the server sent it, quotes included; "" when none
    std::string lastModified;  // the date text as the server sent it; "" when none

    // The value to send in If-Range: a strong ETag, else the date; "" when neither.
    std::string IfRangeValue() const;
    bool operator==(const PartValidator&) const = default;
};

// True when `answer` names another file than `saved`: a validator both carry differs.
bool ShowsAnotherFile(const PartValidator& saved, const PartValidator& answer);

// "ETag: <value>" and "Last-Modified: <value>" lines for the fields that are set.
std::string FormatPartValidator(const PartValidator& validator);
// Reads what FormatPartValidator wrote; nothing for any other text (an unknown or repeated
// line, a control byte, a value longer than kMaxValidatorValueSize).
std::optional<PartValidator> ParsePartValidator(std::string_view text);

std::string PartValidatorPath(const std::string& partPath);
// Nothing when the file is missing, unreadable or not one SavePartValidator wrote.
std::optional<PartValidator> LoadPartValidator(const std::string& partPath);
// Replaces the file in one step; a validator without fields removes it instead.
bool SavePartValidator(const std::string& partPath, const PartValidator& validator);
void RemovePartValidator(const std::string& partPath);

}  // namespace net
