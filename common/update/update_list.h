#pragma once
// CUpdateList: the data-file update of one client. Compare reads the local list and the
// server's list and keeps the files whose version differs (or that the local list lacks);
// DownloadChanged fetches them into a private temporary folder; Install puts the files
// that arrived whole in place and then, last, rewrites the local list so that it records
// exactly the versions now installed: a file that failed keeps its old entry (or none) and
// is fetched again by the next cycle. The list's own entry is never downloaded: the
// client writes its local list itself, and the files the user's own state lives in
// (config.xml, LoginInfo.xml, ClcltdDataInfo.xml) are never replaced by a server's list.
// Also reads program versions for the version check.
#include <string>
#include <vector>

#include "common/update/update_download.h"
#include "common/update/update_folder.h"
#include "common/update/update_list_walk.h"

class CUpdateList {
public:
    // Application/Version of the local version list at `path`; "" without one.
    static std::string ReadLocalVersion(const std::string& path);
    // Application/Version of the server's version list at `url`; "" when it cannot be read.
    static std::string ReadServerVersion(const std::string& url);

    // Reads programDirectory/localListName and the list at `listUrl`. True when the server's
    // list names at least one file (changed or not); ChangedCount tells how many changed.
    bool Compare(const std::string& localListName, const std::string& listUrl,
                 const std::string& programDirectory);
    int ChangedCount() const { return static_cast<int>(changed_.size()); }
    const std::vector<update::ListedFile>& Changed() const { return changed_; }
    // Text of Updater/Url of the last server list that had one.
    const std::string& DownloadBase() const { return base_; }

    // Fetches the changed files into a fresh temporary folder; gives the names that
    // arrived whole. Nothing is fetched without a download base or a folder.
    std::vector<std::string> DownloadChanged(const update::UpdateDownload::FileDone& fileDone = {});
    // Installs what DownloadChanged fetched, then the local list; removes the temporary
    // folder. True when every changed file is now installed.
    bool Install();

    // From any thread: the download under way stops, and no further file starts.
    void Stop() { download_.Stop(); }
    net::CHttpDownload& Engine() { return download_.Engine(); }
    // The temporary folder of the last DownloadChanged ("" once installed).
    const std::string& TemporaryFolder() const { return folder_.Path(); }

private:
    std::vector<update::ListedFile> NewLocalEntries(const std::vector<std::string>& installed) const;

    std::string localListName_;
    std::string listUrl_;
    std::string programDirectory_;
    std::string base_;
    update::FileList local_;
    update::FileList server_;
    std::vector<update::ListedFile> changed_;
    std::vector<std::string> downloaded_;
    update::UpdateFolder folder_;
    update::UpdateDownload download_;
};
