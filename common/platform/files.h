#pragma once
// File facilities: existence, size, times, copying, folders, atomic replacement.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

bool FileExists(const std::string& path);  // a regular file
bool DirectoryExists(const std::string& path);
std::optional<std::uint64_t> FileSize(const std::string& path);

// Modification time in seconds since the epoch (UTC).
std::optional<std::time_t> FileModificationTime(const std::string& path);
bool SetFileModificationTime(const std::string& path, std::time_t when);

bool ReadWholeFile(const std::string& path, std::string& out);

// Who may read a file written by the two functions below.
enum class FileAccess {
    KeepExisting,  // the mode of the file being replaced; 0644 for a new file
    OwnerOnly,     // 0600 whatever the umask, for files that hold secrets
    Program,       // as KeepExisting, and runnable by whoever may read it; 0755 for a new file
};

// Writes `contents` to a temporary file in the same folder, then renames it over `path`.
// The temporary file is created 0600, so no byte is ever readable by others before the
// final mode is set. On failure the existing file is left as it was and false is returned.
bool ReplaceFileAtomically(const std::string& path, std::string_view contents,
                           FileAccess access = FileAccess::KeepExisting);

// The same, but only when nothing named `path` exists yet: an existing file is never
// replaced (false), and the new file appears whole or not at all.
bool CreateFileAtomically(const std::string& path, std::string_view contents,
                          FileAccess access = FileAccess::KeepExisting);

bool CopyFileOverwrite(const std::string& from, const std::string& to);
bool RenameFile(const std::string& from, const std::string& to);  // replaces `to`
bool RemoveFile(const std::string& path);                         // true when gone
bool CreateDirectories(const std::string& path);                  // true when it exists after
bool RemoveDirectoryTree(const std::string& path);                // true when gone

struct DirectoryEntry {
    std::string name;
    bool isDirectory = false;  // a folder, or a link to one
    bool isSymlink = false;    // the entry itself is a symbolic link
};
// Entries of a folder (without "." and ".."), sorted by name; empty when unreadable.
std::vector<DirectoryEntry> ListDirectory(const std::string& path);

// A new empty folder under the temporary folder, named from `prefix`.
std::string MakeTempDirectory(std::string_view prefix);

}  // namespace platform
