#pragma once
// The files behind the version list, the data-file list and the repair list: the
// installed files of the assets folder (without the user's own files: config.xml,
// LoginInfo.xml, ClcltdDataInfo.xml) plus anything placed in the data folder's payload/
// sub-folder (which wins over an asset of the same name, and is where program files go).
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

    // Every installable file, sorted by name. Read from disk on each call so that files
    // dropped in while the server runs are served.
    std::vector<PayloadFile> InstallFiles() const;
    // The data files the client refreshes in the background: the stock directory and
    // the advertisement list.
    std::vector<PayloadFile> DataFiles() const;
    // A file by its name in a URL ("image/login.gif"), compared without case.
    bool Find(const std::string& urlName, PayloadFile& file) const;

private:
    std::string assetsDirectory_;
    std::string payloadDirectory_;
};

// Version text of a file's content.
std::string ContentVersion(const std::string& content);

// The served copy of a payload: XML files have the sample server's default address
// replaced by `host` (escaped for XML), so that links in them point back at this server.
std::string ServedPayload(const PayloadFile& file, const std::string& host);

}  // namespace server
