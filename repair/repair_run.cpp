#include "repair/repair_run.h"

#include <algorithm>

#include "common/platform/log.h"
#include "common/update/update_install.h"
#include "common/update/update_name.h"

namespace repair {
namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool Acceptable(const std::string& name) {
    if (!update::IsSafeUpdateName(name)) return false;
    if (!update::IsUserStateFile(name)) return true;
    platform::Log(platform::LogLevel::Warning, "quorvel.repair",
                  "the repair list names the user's file " + name + "; it is left alone");
    return false;
}

}  // namespace

int RepairReport::FailedCount() const {
    return static_cast<int>(std::count_if(files.begin(), files.end(),
                                          [](const FileResult& r) { return r.outcome != FileOutcome::Installed; }));
}

CRepairRun::CRepairRun(update::FileList list, std::string programDirectory)
    : list_(std::move(list)), programDirectory_(std::move(programDirectory)) {}

RepairReport CRepairRun::Run(const update::UpdateDownload::FileDone& fileDone, const std::function<void()>& installing) {
    std::vector<std::string> wanted;
    for (const update::ListedFile& file : list_.files)
        if (Acceptable(file.name)) wanted.push_back(file.name);

    net::CHttpDownload& engine = download_.Engine();
    engine.SetRetry(net::RetryMode::kLimited, 0, 5);
    engine.SetNotify(notify_, static_cast<bool>(notify_));
    const std::string& folder = folder_.Fresh();
    if (folder.empty())
        platform::Log(platform::LogLevel::Error, "quorvel.repair", "cannot create the temporary folder");
    const std::vector<std::string> arrived = download_.Fetch(list_.base, wanted, folder, fileDone);

    RepairReport report;
    report.stopped = download_.Stopped();
    if (!report.stopped && installing) installing();
    const std::vector<std::string> installed =
        report.stopped || folder.empty() ? std::vector<std::string>{}
                                         : update::InstallFiles(folder, arrived, programDirectory_);
    folder_.Remove();

    for (const update::ListedFile& file : list_.files) {
        FileOutcome outcome = FileOutcome::NotDownloaded;
        if (!Contains(wanted, file.name)) outcome = FileOutcome::Refused;
        else if (Contains(installed, file.name)) outcome = FileOutcome::Installed;
        else if (Contains(arrived, file.name) && !report.stopped) outcome = FileOutcome::NotInstalled;
        report.files.push_back({file, outcome});
    }
    return report;
}

}  // namespace repair
