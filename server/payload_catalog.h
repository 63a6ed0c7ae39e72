#pragma once
// The files behind the version list, the data-file list and the repair list: the
// installed files of the assets folder (without the user's own files: config.xml,
// LoginInfo.xml, ClcltdDataInfo.xml) plus anything placed in the data folder's payload/
// sub-folder (which wins over an asset of the same name, and is where program files go).
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace server {

struct PayloadFile {
    std::string name;     // as the lists write it: "StockInfo.xml", "image\\login.gif"
    std::string path;     // on disk
    std::string version;  // from the content: "1.0.0.3F2A9C1B"
};

class PayloadCatalog {
public:
    PayloadCatalog(std::string assetsDirectory, std::string payloadDirectory);

    // Every installable file, sorted by name. The folders are listed on each call so that
    // files dropped in while the server runs are served; a file's content is read again
    // only when its size or modification time changed.
    std::vector<PayloadFile> InstallFiles() const;
    // The data files the client refreshes in the background: the stock directory and
    // the advertisement list.
    std::vector<PayloadFile> DataFiles() const;
    // A file by its name in a URL ("image/login.gif"), compared without case.
    bool Find(const std::string& urlName, PayloadFile& file) const;

private:
    struct KnownVersion {
        std::int64_t size = 0;
        std::int64_t modifiedNs = 0;
        std::string version;
    };
    // False when the file cannot be read.
    bool VersionOf(const std::string& path, std::string& version) const;

    std::string assetsDirectory_;
    std::string payloadDirectory_;
    mutable std::mutex mutex_;  // guards versions_
    mutable std::map<std::string, KnownVersion> versions_;  // by path, of the files last listed
};

// Version text of a file's content.
std::string ContentVersion(const std::string& content);

// The served copy of a payload: XML files have the sample server's default address
// replaced by `host` (escaped for XML), so that links in them point back at this server.
std::string ServedPayload(const PayloadFile& file, const std::string& host);

}  // namespace server
