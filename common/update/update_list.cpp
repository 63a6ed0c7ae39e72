#include "common/update/update_list.h"

#include <algorithm>

#include "common/platform/files.h"
#include "common/platform/log.h"
#include "common/platform/paths.h"
#include "common/update/update_install.h"
#include "common/update/update_name.h"
#include "common/xml/xml_file.h"

namespace {

const update::ListedFile* FindListed(const std::vector<update::ListedFile>& files, const std::string& name) {
    auto it = std::find_if(files.begin(), files.end(), [&](const update::ListedFile& f) { return f.name == name; });
    return it == files.end() ? nullptr : &*it;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::string CUpdateList::ReadLocalVersion(const std::string& path) { return update::ReadLocalListVersion(path); }

std::string CUpdateList::ReadServerVersion(const std::string& url) {
    CXmlFile list;
    if (!list.LoadUrlRaw(url)) return "";
    return update::ReadListVersion(list.Doc());
}

bool CUpdateList::Compare(const std::string& localListName, const std::string& listUrl,
                          const std::string& programDirectory) {
    localListName_ = localListName;
    listUrl_ = listUrl;
    programDirectory_ = programDirectory;
    changed_.clear();

    CXmlDoc local;
    local.LoadFile(platform::JoinPath(programDirectory, localListName));
    local_ = update::ReadFileList(local);
    // A list that cannot be fetched or read names no file.
    CXmlFile server;
    server.LoadUrlRaw(listUrl);
    server_ = update::ReadFileList(server.Doc());
    if (server_.hasBase) base_ = server_.base;

    for (const update::ListedFile& file : server_.files) {
        const update::ListedFile* installed = FindListed(local_.files, file.name);
        if (!installed || installed->version != file.version) changed_.push_back(file);
    }
    return !server_.files.empty();
}

std::vector<std::string> CUpdateList::DownloadChanged(const update::UpdateDownload::FileDone& fileDone) {
    downloaded_.clear();
    const std::string& folder = folder_.Fresh();
    std::vector<std::string> names;
    for (const update::ListedFile& file : changed_) {
        if (file.name == localListName_) continue;
        if (update::IsUserStateFile(file.name)) {
            platform::Log(platform::LogLevel::Warning, "quorvel.update",
                          "the data-file list names the user's file " + file.name + "; it is left alone");
            continue;
        }
        names.push_back(file.name);
    }
    downloaded_ = download_.Fetch(base_, names, folder, fileDone);
    return downloaded_;
}

bool CUpdateList::Install() {
    const std::vector<std::string> installed =
        folder_.Path().empty() ? std::vector<std::string>{}
                               : update::InstallFiles(folder_.Path(), downloaded_, programDirectory_);
    folder_.Remove();
    downloaded_.clear();

    bool all = true;
    bool anyResolved = false;
    for (const update::ListedFile& file : changed_) {
        const bool done = file.name == localListName_ || Contains(installed, file.name);
        all = all && done;
        anyResolved = anyResolved || done;
    }
    if (anyResolved) {
        // Written last, so that it never records a version whose file is not in place.
        const std::string text = update::FileListDocument(local_.base, NewLocalEntries(installed));
        if (!platform::ReplaceFileAtomically(platform::JoinPath(programDirectory_, localListName_), text))
            return false;
    }
    return all;
}

// The server's entries whose files are in place (current before, installed now, or the
// list itself), the old entry of a file that did not arrive, and any other old entries.
std::vector<update::ListedFile> CUpdateList::NewLocalEntries(const std::vector<std::string>& installed) const {
    std::vector<update::ListedFile> entries;
    for (const update::ListedFile& file : server_.files) {
        const bool changed = FindListed(changed_, file.name) != nullptr;
        if (!changed || file.name == localListName_ || Contains(installed, file.name)) {
            entries.push_back(file);
        } else if (const update::ListedFile* old = FindListed(local_.files, file.name)) {
            entries.push_back(*old);
        }
    }
    for (const update::ListedFile& old : local_.files)
        if (!FindListed(server_.files, old.name)) entries.push_back(old);
    return entries;
}
