// Emptying and copying folder trees for the data-file update.
#include <exception>

#include "client/core/client_util.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"

namespace {

// Folder arguments may be written with backslashes like every other name in the client.
std::string NativeDirectory(const std::string& directory) {
    std::string native = platform::NativeRelativePath(directory);
    while (native.size() > 1 && native.back() == '/') native.pop_back();
    return native;
}

void DeleteContents(const std::string& directory) {
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(directory)) {
        const std::string path = directory + "/" + entry.name;
        // A link is removed itself; what it points to is never touched (nor is it by the
        // tree removal, which does not follow links either).
        if (entry.isDirectory && !entry.isSymlink)
            platform::RemoveDirectoryTree(path);
        else
            platform::RemoveFile(path);
    }
}

void CopyContents(const std::string& source, const std::string& target) {
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(source)) {
        const std::string from = source + "/" + entry.name;
        // "data\b.xml" goes to target/data/b.xml.
        const std::string to = platform::JoinPath(target, entry.name);
        if (entry.isDirectory) {
            // A linked folder could lead back into the tree being copied; it is skipped.
            if (entry.isSymlink) continue;
            if (platform::CreateDirectories(to)) CopyContents(from, to);
            continue;
        }
        if (entry.name.find('\\') != std::string::npos)
            platform::CreateDirectories(platform::DirectoryOf(to));
        // Single copy failures are ignored; the next update cycle tries again.
        std::string contents;
        if (platform::ReadWholeFile(from, contents)) platform::ReplaceFileAtomically(to, contents);
    }
}

}  // namespace

void CClientUtil::DeleteDirContents(const std::string& directory) const {
    const std::string native = NativeDirectory(directory);
    if (native.empty() || !platform::DirectoryExists(native)) return;
    try {
        DeleteContents(native);
    } catch (const std::exception&) {
        // Nothing to report: the folder keeps whatever could not be deleted.
    }
}

bool CClientUtil::CopyDirContents(const std::string& source, const std::string& target) const {
    const std::string from = NativeDirectory(source);
    const std::string to = NativeDirectory(target);
    if (from.empty() || to.empty() || !platform::DirectoryExists(from)) return false;
    try {
        if (!platform::CreateDirectories(to)) return false;
        CopyContents(from, to);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}
