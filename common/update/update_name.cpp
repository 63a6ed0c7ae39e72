#include "common/update/update_name.h"

#include <algorithm>

#include "common/platform/ascii_case.h"
#include "common/platform/paths.h"

namespace update {
namespace {

bool IsSafePart(std::string_view part) {
    if (part.empty() || part == "." || part == "..") return false;
    return std::none_of(part.begin(), part.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || c == ':' || c == '/' || c == '%';
    });
}

}  // namespace

bool IsSafeUpdateName(std::string_view name) {
    const std::size_t slash = name.find('\\');
    if (slash == std::string_view::npos) return IsSafePart(name);
    if (name.find('\\', slash + 1) != std::string_view::npos) return false;
    return IsSafePart(name.substr(0, slash)) && IsSafePart(name.substr(slash + 1));
}

bool IsUserStateFile(std::string_view name) {
    const std::string lower = platform::AsciiLower(name);
    return lower == "config.xml" || lower == "logininfo.xml" || lower == "clcltddatainfo.xml";
}

bool IsProgramFile(std::string_view name) {
    const std::string lower = platform::AsciiLower(name);
    for (const char* program : {"krclient", "krRestoration", "krupdate"})
        if (lower == platform::AsciiLower(platform::ProgramFileName(program))) return true;
    return false;
}

std::string UpdateFileUrl(std::string_view base, std::string_view name) {
    std::string url(base);
    const std::size_t slash = name.size() > 1 ? name.find('\\', 1) : std::string_view::npos;
    if (slash == std::string_view::npos) return url.append(name);
    url.append(name.substr(0, slash)).append("/").append(name.substr(slash + 1));
    return url;
}

}  // namespace update
