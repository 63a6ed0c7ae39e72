#include "common/platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "common/platform/paths.h"

namespace fs = std::filesystem;

namespace platform {

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::uint64_t> FileSize(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
}

std::optional<std::time_t> FileModificationTime(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return std::nullopt;
    return st.st_mtime;
}

bool SetFileModificationTime(const std::string& path, std::time_t when) {
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = when;
    times[1].tv_nsec = 0;
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    out.clear();
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), f)) > 0) out.append(buffer, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

static bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

namespace {

mode_t FinalMode(const std::string& path, FileAccess access) {
    if (access == FileAccess::OwnerOnly) return 0600;
    struct stat st {};
    const bool exists = stat(path.c_str(), &st) == 0;
    if (access == FileAccess::Program) {
        if (!exists) return 0755;
        const mode_t mode = st.st_mode & 07777;
        return mode | ((mode & 0444) >> 2);  // each read bit gains its execute bit
    }
    return exists ? (st.st_mode & 07777) : 0644;
}

// A complete, synced copy of `contents` in a new file beside `path`, with the mode `access`
// asks for; its name, or "" on failure. mkstemp creates the file 0600 (less any umask
// bits), so it is private from its first byte until the final mode is set.
std::string WriteTemporarySibling(const std::string& path, std::string_view contents,
                                  FileAccess access) {
    std::string dir = DirectoryOf(path);
    std::string temp = (dir.empty() ? std::string(".") : dir) + "/.quorvel-save-XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) return "";
    bool ok = WriteAll(fd, contents) && ::fsync(fd) == 0;
    // A file system without modes may refuse; only a private file must have its mode.
    bool modeSet = fchmod(fd, FinalMode(path, access)) == 0;
    ok = (::close(fd) == 0) && ok && (modeSet || access != FileAccess::OwnerOnly);
    if (ok) return temp;
    ::unlink(temp.c_str());
    return "";
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, std::string_view contents,
                           FileAccess access) {
    std::string temp = WriteTemporarySibling(path, contents, access);
    if (temp.empty()) return false;
    if (std::rename(temp.c_str(), path.c_str()) == 0) return true;
    ::unlink(temp.c_str());
    return false;
}

bool CreateFileAtomically(const std::string& path, std::string_view contents,
                          FileAccess access) {
    std::string temp = WriteTemporarySibling(path, contents, access);
    if (temp.empty()) return false;
    // link() never replaces an existing name.
    bool created = ::link(temp.c_str(), path.c_str()) == 0;
    ::unlink(temp.c_str());
    return created;
}

bool CopyFileOverwrite(const std::string& from, const std::string& to) {
    std::error_code ec;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) && !ec;
}

bool RenameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool CreateDirectories(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    return DirectoryExists(path);
}

bool RemoveDirectoryTree(const std::string& path) {
    std::error_code ec;
    fs::remove_all(path, ec);
    return !DirectoryExists(path);
}

std::vector<DirectoryEntry> ListDirectory(const std::string& path) {
    std::vector<DirectoryEntry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        bool isDirectory = it->is_directory(typeEc);
        bool isSymlink = it->is_symlink(typeEc);
        entries.push_back({it->path().filename().string(), isDirectory, isSymlink});
    }
    std::sort(entries.begin(), entries.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
    return entries;
}

std::string MakeTempDirectory(std::string_view prefix) {
    std::string pattern = TempDirectory() + "/" + std::string(prefix) + "-XXXXXX";
    if (!mkdtemp(pattern.data())) return "";
    return pattern;
}

}  // namespace platform
