#include "common/net/part_validator.h"

#include <algorithm>

#include "common/platform/files.h"

namespace net {

namespace {

constexpr std::string_view kEtagField = "ETag: ";
constexpr std::string_view kDateField = "Last-Modified: ";
constexpr std::uint64_t kMaxFileSize = 4096;

bool IsWeak(std::string_view etag) {
    return etag.size() >= 2 && (etag[0] == 'W' || etag[0] == 'w') && etag[1] == '/';
}

bool UsableValue(std::string_view value) {
    return !value.empty() && value.size() <= kMaxValidatorValueSize &&
           std::none_of(value.begin(), value.end(), [](char c) {
               auto byte = static_cast<unsigned char>(c);
               return byte < 0x20 || byte == 0x7f;
           });
}

}  // namespace

std::string PartValidator::IfRangeValue() const {
    if (!etag.empty() && !IsWeak(etag)) return etag;
    return lastModified;
}

bool ShowsAnotherFile(const PartValidator& saved, const PartValidator& answer) {
    bool etagDiffers = !saved.etag.empty() && !answer.etag.empty() && saved.etag != answer.etag;
    bool dateDiffers = !saved.lastModified.empty() && !answer.lastModified.empty() &&
                       saved.lastModified != answer.lastModified;
    return etagDiffers || dateDiffers;
}

std::string FormatPartValidator(const PartValidator& validator) {
    std::string text;
    if (!validator.etag.empty()) text += std::string(kEtagField) + validator.etag + "\n";
    if (!validator.lastModified.empty()) {
        text += std::string(kDateField) + validator.lastModified + "\n";
    }
    return text;
}

std::optional<PartValidator> ParsePartValidator(std::string_view text) {
    PartValidator validator;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;  // cut short
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        std::string* field = nullptr;
        std::string_view value;
        if (line.starts_with(kEtagField)) {
            field = &validator.etag;
            value = line.substr(kEtagField.size());
        } else if (line.starts_with(kDateField)) {
            field = &validator.lastModified;
            value = line.substr(kDateField.size());
        }
        if (field == nullptr || !field->empty() || !UsableValue(value)) return std::nullopt;
        *field = std::string(value);
    }
    return validator;
}

std::string PartValidatorPath(const std::string& partPath) { return partPath + ".validator"; }

std::optional<PartValidator> LoadPartValidator(const std::string& partPath) {
    std::string path = PartValidatorPath(partPath);
    std::optional<std::uint64_t> size = platform::FileSize(path);
    std::string text;
    if (!size || *size > kMaxFileSize || !platform::ReadWholeFile(path, text)) return std::nullopt;
    return ParsePartValidator(text);
}

bool SavePartValidator(const std::string& partPath, const PartValidator& validator) {
    std::string text = FormatPartValidator(validator);
    if (text.empty()) return platform::RemoveFile(PartValidatorPath(partPath));
    return platform::ReplaceFileAtomically(PartValidatorPath(partPath), text);
}

void RemovePartValidator(const std::string& partPath) {
    platform::RemoveFile(PartValidatorPath(partPath));
}

}  // namespace net
