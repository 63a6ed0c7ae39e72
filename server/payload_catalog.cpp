#include "server/payload_catalog.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "common/platform/ascii_case.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/update/update_name.h"
#include "server/seeded_random.h"
#include "server/xml_text.h"

namespace server {
namespace {

// Files of a folder and of its direct sub-folders (names hold at most one '\').
void Collect(const std::string& directory, std::map<std::string, PayloadFile>& files) {
    if (directory.empty() || !platform::DirectoryExists(directory)) return;
    for (const auto& entry : platform::ListDirectory(directory)) {
        const std::string path = platform::JoinPath(directory, entry.name);
        if (!entry.isDirectory) {
            if (!update::IsUserStateFile(entry.name)) files[platform::AsciiLower(entry.name)] = {entry.name, path, ""};
            continue;
        }
        for (const auto& inner : platform::ListDirectory(path)) {
            if (inner.isDirectory) continue;
            const std::string name = entry.name + "\\" + inner.name;
            files[platform::AsciiLower(name)] = {name, platform::JoinPath(path, inner.name), ""};
        }
    }
}

constexpr const char* kDefaultHost = "127.0.0.1:8080";

}  // namespace

std::string ContentVersion(const std::string& content) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "1.0.0.%08X",
                  static_cast<unsigned>(StableHash(content) & 0xFFFFFFFFu));
    return buffer;
}

PayloadCatalog::PayloadCatalog(std::string assetsDirectory, std::string payloadDirectory)
    : assetsDirectory_(std::move(assetsDirectory)), payloadDirectory_(std::move(payloadDirectory)) {}

bool PayloadCatalog::VersionOf(const std::string& path, std::string& version) const {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    const std::int64_t modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto known = versions_.find(path);
        if (known != versions_.end() && known->second.size == st.st_size && known->second.modifiedNs == modifiedNs) {
            version = known->second.version;
            return true;
        }
    }
    std::string content;
    if (!platform::ReadWholeFile(path, content)) return false;
    version = ContentVersion(content);
    std::lock_guard<std::mutex> lock(mutex_);
    versions_[path] = {static_cast<std::int64_t>(st.st_size), modifiedNs, version};
    return true;
}

std::vector<PayloadFile> PayloadCatalog::InstallFiles() const {
    std::map<std::string, PayloadFile> byName;
    Collect(assetsDirectory_, byName);
    Collect(payloadDirectory_, byName);
    std::vector<PayloadFile> files;
    for (auto& [key, file] : byName)
        if (VersionOf(file.path, file.version)) files.push_back(std::move(file));
    std::lock_guard<std::mutex> lock(mutex_);
    std::erase_if(versions_, [&](const auto& known) {
        return std::none_of(files.begin(), files.end(), [&](const PayloadFile& f) { return f.path == known.first; });
    });
    return files;
}

std::vector<PayloadFile> PayloadCatalog::DataFiles() const {
    std::vector<PayloadFile> files;
    for (auto& file : InstallFiles()) {
        const std::string lower = platform::AsciiLower(file.name);
        if (lower == "stockinfo.xml" || lower == "advertise.xml") files.push_back(std::move(file));
    }
    return files;
}

bool PayloadCatalog::Find(const std::string& urlName, PayloadFile& file) const {
    std::string wanted = platform::AsciiLower(urlName);
    std::replace(wanted.begin(), wanted.end(), '/', '\\');
    for (auto& candidate : InstallFiles()) {
        if (platform::AsciiLower(candidate.name) == wanted) {
            file = std::move(candidate);
            return true;
        }
    }
    return false;
}

std::string ServedPayload(const PayloadFile& file, const std::string& host) {
    std::string content;
    platform::ReadWholeFile(file.path, content);
    const std::string lower = platform::AsciiLower(file.name);
    if (lower.size() < 4 || lower.compare(lower.size() - 4, 4, ".xml") != 0 || host.empty()) return content;
    // The Host header is the client's text: escaped, it cannot end the attribute or add markup.
    const std::string served = EscapeXml(host, true);
    const std::string from = kDefaultHost;
    for (std::size_t at = content.find(from); at != std::string::npos; at = content.find(from, at + served.size()))
        content.replace(at, from.size(), served);
    return content;
}

}  // namespace server
