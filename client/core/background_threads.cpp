#include "client/core/background_threads.h"

#include "common/platform/internet.h"
#include "common/platform/paths.h"
#include "common/update/update_list.h"
#include "common/update/update_list_walk.h"

namespace {

constexpr const char* kVersionList = "UpdateList.xml";
constexpr const char* kDataFileList = "AutoUpdateList.xml";

// Where a list is fetched: the local list's Updater/Url followed by the list's name, or
// the server's default folder for it.
std::string ListUrl(const ClientConfig& config, const std::string& listName, const std::string& folder) {
    return update::ListLocation(platform::JoinPath(config.programDirectory, listName), listName,
                                config.ServerUrl("//" + folder + "/" + listName));
}

}  // namespace

void RunNetWatch(const ClientConfig& config, OnlineFlag& online, BackgroundHost& host, StopSignal& stop,
                 int intervalMs) {
    platform::ScopedCancellation cancellation(stop.Flag());
    const std::string base = config.ServerUrl("");
    while (stop.Pause(intervalMs)) {
        const bool reachable = platform::CheckConnection(base);
        if (stop.Stopped()) break;
        online.Set(reachable);
        if (!reachable) host.WarnNetworkDown(stop);
    }
}

void RunVersionCheck(const ClientConfig& config, BackgroundHost& host, StopSignal& stop, int delayMs) {
    platform::ScopedCancellation cancellation(stop.Flag());
    const std::string listUrl = ListUrl(config, kVersionList, "KRClientUpdate");
    if (!stop.Pause(delayMs)) return;
    const std::string local = CUpdateList::ReadLocalVersion(platform::JoinPath(config.programDirectory, kVersionList));
    const std::string server = CUpdateList::ReadServerVersion(listUrl);
    if (stop.Stopped()) return;
    if (local == server) {
        host.ShowSameVersion(local);
        return;
    }
    host.ShowNewVersion(local, server);
    if (host.AskToUpdate(stop) && !stop.Stopped()) host.StartUpdater();
}

void RunDataUpdate(const ClientConfig& config, const OnlineFlag& online, StopSignal& stop, int intervalMs,
                   const std::function<void(const DataCycle&)>& cycleDone) {
    platform::ScopedCancellation cancellation(stop.Flag());
    const std::string listUrl = ListUrl(config, kDataFileList, "KRClientAutoUpdate");
    CUpdateList list;
    StopSignal::ScopedAction stopDownloads(stop, [&list] { list.Stop(); });
    while (stop.Pause(intervalMs)) {
        if (!online.IsOnline()) continue;
        DataCycle cycle;
        list.Compare(kDataFileList, listUrl, config.programDirectory);
        cycle.changed = list.ChangedCount();
        if (cycle.changed > 0 && !stop.Stopped()) {
            list.DownloadChanged();
            // A stopped run installs nothing: its files may not all have arrived.
            if (stop.Stopped()) break;
            cycle.installed = list.Install();
        }
        if (cycleDone) cycleDone(cycle);
    }
}
