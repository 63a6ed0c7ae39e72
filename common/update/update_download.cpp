#include "common/update/update_download.h"

#include "common/platform/files.h"
#include "common/platform/log.h"
#include "common/platform/paths.h"
#include "common/update/update_name.h"

namespace update {

std::string ListedFilePath(const std::string& folder, const std::string& name) {
    return platform::JoinPath(folder, name);
}

std::vector<std::string> UpdateDownload::Fetch(const std::string& base,
                                               const std::vector<std::string>& names,
                                               const std::string& folder, const FileDone& fileDone) {
    std::vector<std::string> arrived;
    if (base.empty() || folder.empty()) return arrived;
    for (const std::string& name : names) {
        if (stopped_) break;
        if (!IsSafeUpdateName(name)) {
            platform::Log(platform::LogLevel::Warning, "quorvel.update",
                          "refused listed file name \"" + name + "\": it could leave its folder");
            continue;
        }
        const std::string path = ListedFilePath(folder, name);
        if (!platform::CreateDirectories(platform::DirectoryOf(path))) continue;
        // The engine clears its stop flag when a download begins: a Stop() landing between
        // the check above and that moment is lost to this download (see the header).
        const net::DownloadResult result = engine_.Download(UpdateFileUrl(base, name), path, false);
        if (stopped_) break;
        if (result != net::DownloadResult::kComplete) continue;
        arrived.push_back(name);
        if (fileDone) fileDone(name);
    }
    return arrived;
}

void UpdateDownload::Stop() {
    stopped_ = true;
    engine_.Stop();
}

}  // namespace update
