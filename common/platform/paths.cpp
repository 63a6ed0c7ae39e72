#include "common/platform/paths.h"

#include <unistd.h>

#include <cstdlib>
#include <mutex>

namespace platform {
namespace {

std::mutex& OverrideMutex() {
    static std::mutex m;
    return m;
}
std::string& Override() {
    static std::string value;
    return value;
}

}  // namespace

std::string ProgramDirectory() {
    {
        std::lock_guard lock(OverrideMutex());
        if (!Override().empty()) return Override();
    }
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (n <= 0) return ".";
    return DirectoryOf(std::string_view(buffer, static_cast<size_t>(n)));
}

void SetProgramDirectoryForTesting(std::string directory) {
    std::lock_guard lock(OverrideMutex());
    Override() = std::move(directory);
}

std::string NativeRelativePath(std::string_view relativeName) {
    std::string out(relativeName);
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

std::string JoinPath(std::string_view directory, std::string_view relativeName) {
    std::string relative = NativeRelativePath(relativeName);
    if (directory.empty()) return relative;
    std::string out(directory);
    if (out.back() != '/') out.push_back('/');
    size_t skip = 0;
    while (skip < relative.size() && relative[skip] == '/') ++skip;
    out.append(relative, skip);
    return out;
}

std::string TempDirectory() {
    const char* tmp = std::getenv("TMPDIR");
    std::string dir = (tmp && *tmp) ? tmp : "/tmp";
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

std::string ProgramFileName(std::string_view baseName) {
#ifdef _WIN32
    return std::string(baseName) + ".exe";
#else
    return std::string(baseName);
#endif
}

std::string DirectoryOf(std::string_view path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string_view::npos) return "";
    if (slash == 0) return "/";
    return std::string(path.substr(0, slash));
}

}  // namespace platform
