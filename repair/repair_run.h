#pragma once
// One repair of an installation: every file of the server's list is downloaded into a
// private temporary folder and then installed over the program directory, each file by
// an atomic replace. A name that could leave its folder, or that names one of the
// user's own files, is refused and nothing is written for it. A file is installed only
// when it arrived whole; a stopped run installs nothing.
#include <functional>
#include <string>
#include <vector>

#include "common/net/download_notice.h"
#include "common/update/update_download.h"
#include "common/update/update_folder.h"
#include "common/update/update_list_walk.h"

namespace repair {

enum class FileOutcome {
    Installed,
    Refused,        // unsafe name or a user's file: nothing fetched or written
    NotDownloaded,  // the download failed or did not finish
    NotInstalled,   // downloaded, but the program directory's copy could not be replaced
};

struct FileResult {
    update::ListedFile file;
    FileOutcome outcome = FileOutcome::NotDownloaded;
};

struct RepairReport {
    std::vector<FileResult> files;  // in list order
    bool stopped = false;           // the run was stopped; nothing was installed

    int FailedCount() const;
    // True when every listed file is installed.
    bool Complete() const { return !stopped && FailedCount() == 0; }
};

class CRepairRun {
public:
    CRepairRun(update::FileList list, std::string programDirectory);

    // Download notices go to `notify` on the running thread.
    void SetNotify(net::DownloadNotify notify) { notify_ = std::move(notify); }

    // Downloads and installs; `fileDone` is called on the running thread after each file
    // that arrived whole, and `installing` once the downloads are over, just before the
    // files are installed (never for a stopped run).
    RepairReport Run(const update::UpdateDownload::FileDone& fileDone = {},
                     const std::function<void()>& installing = {});

    // From any thread: the download under way stops, no further file starts and nothing
    // is installed. Calling it again until Run returns makes sure the run sees it.
    void Stop() { download_.Stop(); }

private:
    update::FileList list_;
    std::string programDirectory_;
    net::DownloadNotify notify_;
    update::UpdateFolder folder_;
    update::UpdateDownload download_;
};

}  // namespace repair
