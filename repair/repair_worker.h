#pragma once
// CRepairWorker: runs a repair on its own thread so the dialog keeps painting and can
// stop it. A client process given to it is first asked to end (and forced only when it
// will not go). Every event is handed to the owner's thread; none arrives after the
// worker is destroyed, and destroying it stops the run and waits for it to end.
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "common/net/download_notice.h"
#include "repair/repair_run.h"

namespace repair {

struct RepairResult {
    bool clientStillRunning = false;  // the client would not end: nothing was done
    RepairReport report;
};

class CRepairWorker : public QObject {
    Q_OBJECT
public:
    struct Events {
        std::function<void(const net::DownloadNotice&)> progress;
        std::function<void(const std::string& name)> fileDone;
        std::function<void()> installing;  // the downloads are over; installing begins
        std::function<void(const RepairResult&)> finished;
    };

    // `clientPid` is -1 when no client runs.
    CRepairWorker(update::FileList list, std::string programDirectory, int clientPid, Events events,
                  QObject* parent = nullptr);
    ~CRepairWorker() override;

    void Start();
    // The download under way stops and nothing is installed; `finished` still follows.
    void Stop();

private:
    void Work();
    template <class F>
    void Post(F function);

    CRepairRun run_;
    int clientPid_;
    Events events_;
    std::atomic<bool> ended_{false};
    std::atomic<bool> stopRequested_{false};
    std::thread thread_;
};

}  // namespace repair
