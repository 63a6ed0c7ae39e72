#include "common/platform/processes.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "common/platform/ascii_case.h"
#include "common/platform/paths.h"

namespace platform {
namespace {

std::string ProcPath(int pid, const char* what) { return "/proc/" + std::to_string(pid) + "/" + what; }

// The program file of a process, "" when it cannot be read (another user's process).
std::string ProgramPathOf(int pid) {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(ProcPath(pid, "exe").c_str(), buffer, sizeof buffer - 1);
    if (n <= 0) return "";
    std::string path(buffer, static_cast<std::size_t>(n));
    // A program file replaced while it runs (as a repair does) is shown as deleted.
    constexpr std::string_view kDeleted = " (deleted)";
    if (path.size() > kDeleted.size() && path.ends_with(kDeleted)) path.resize(path.size() - kDeleted.size());
    return path;
}

bool OwnedByThisUser(int pid) {
    struct stat st {};
    return ::stat(ProcPath(pid, "").c_str(), &st) == 0 && st.st_uid == ::getuid();
}

std::string RealDirectory(const std::string& directory) {
    char* real = ::realpath(directory.c_str(), nullptr);
    if (real == nullptr) return directory;
    std::string result(real);
    std::free(real);
    return result;
}

}  // namespace

bool ProcessRunning(int pid) {
    if (pid <= 0) return false;
    std::ifstream stat(ProcPath(pid, "stat"));
    std::string line;
    if (!std::getline(stat, line)) return false;
    // "pid (name) S ...": the state follows the last ')' (the name may hold one).
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos || close + 2 >= line.size()) return false;
    const char state = line[close + 2];
    return state != 'Z' && state != 'X' && state != 'x';
}

int FindProcess(std::string_view baseName, const std::string& directory) {
    const std::string wanted = AsciiLower(ProgramFileName(baseName));
    const std::string folder = directory.empty() ? "" : RealDirectory(directory);
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr) return -1;
    int found = -1;
    while (const dirent* entry = ::readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (*end != '\0' || pid <= 0 || pid == ::getpid()) continue;
        const int id = static_cast<int>(pid);
        if (!OwnedByThisUser(id)) continue;
        const std::string program = ProgramPathOf(id);
        const std::size_t slash = program.rfind('/');
        if (slash == std::string::npos || AsciiLower(program.substr(slash + 1)) != wanted) continue;
        if (!folder.empty() && program.substr(0, slash) != folder) continue;
        if (!ProcessRunning(id)) continue;
        found = id;
        break;
    }
    ::closedir(proc);
    return found;
}

namespace {

bool WaitForEnd(int pid, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (!ProcessRunning(pid)) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace

EndOutcome EndProcess(int pid, std::chrono::milliseconds grace) {
    if (!ProcessRunning(pid)) return EndOutcome::Ended;
    if (::kill(pid, SIGTERM) != 0) return EndOutcome::Failed;
    if (WaitForEnd(pid, grace)) return EndOutcome::Ended;
    if (::kill(pid, SIGKILL) != 0) return ProcessRunning(pid) ? EndOutcome::Failed : EndOutcome::Ended;
    return WaitForEnd(pid, std::chrono::seconds(3)) ? EndOutcome::Forced : EndOutcome::Failed;
}

}  // namespace platform
