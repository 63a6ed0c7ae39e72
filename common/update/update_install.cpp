#include "common/update/update_install.h"

#include "common/platform/files.h"
#include "common/platform/log.h"
#include "common/platform/paths.h"
#include "common/update/update_download.h"
#include "common/update/update_name.h"

namespace update {

std::vector<std::string> InstallFiles(const std::string& folder, const std::vector<std::string>& names,
                                      const std::string& programDirectory) {
    std::vector<std::string> installed;
    for (const std::string& name : names) {
        if (!IsSafeUpdateName(name)) continue;
        std::string contents;
        if (!platform::ReadWholeFile(ListedFilePath(folder, name), contents)) continue;
        const std::string target = ListedFilePath(programDirectory, name);
        if (platform::CreateDirectories(platform::DirectoryOf(target)) &&
            platform::ReplaceFileAtomically(target, contents,
                                            IsProgramFile(name) ? platform::FileAccess::Program
                                                                : platform::FileAccess::KeepExisting)) {
            installed.push_back(name);
        } else {
            platform::Log(platform::LogLevel::Warning, "quorvel.update", "cannot install " + target);
        }
    }
    return installed;
}

}  // namespace update
