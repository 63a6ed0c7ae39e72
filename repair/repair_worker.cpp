#include "repair/repair_worker.h"

#include <QMetaObject>

#include <chrono>

#include "common/platform/log.h"
#include "common/platform/processes.h"

namespace repair {
namespace {

// How long a client asked to end may take to save and go before it is forced.
constexpr std::chrono::seconds kClientGrace{5};

int Percent(const net::DownloadNotice& notice) {
    return notice.total > 0 ? static_cast<int>(notice.done * 100 / notice.total) : 0;
}

}  // namespace

CRepairWorker::CRepairWorker(update::FileList list, std::string programDirectory, int clientPid, Events events,
                             QObject* parent)
    : QObject(parent), run_(std::move(list), std::move(programDirectory)), clientPid_(clientPid),
      events_(std::move(events)) {}

CRepairWorker::~CRepairWorker() {
    if (!thread_.joinable()) return;
    // The engine may miss a stop that lands just as a file's download begins: repeat it
    // until the run has ended.
    while (!ended_) {
        Stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    thread_.join();
}

template <class F>
void CRepairWorker::Post(F function) {
    QMetaObject::invokeMethod(this, std::move(function), Qt::QueuedConnection);
}

void CRepairWorker::Start() {
    if (thread_.joinable()) return;
    thread_ = std::thread([this] { Work(); });
}

void CRepairWorker::Stop() {
    stopRequested_ = true;
    run_.Stop();
}

void CRepairWorker::Work() {
    RepairResult result;
    if (clientPid_ > 0 && !stopRequested_) {
        const platform::EndOutcome ended = platform::EndProcess(clientPid_, kClientGrace);
        if (ended == platform::EndOutcome::Forced)
            platform::Log(platform::LogLevel::Warning, "quorvel.repair", "the client did not end when asked; forced");
        result.clientStillRunning = ended == platform::EndOutcome::Failed;
    }
    if (!result.clientStillRunning) {
        int lastPercent = -1;
        std::string lastName;
        run_.SetNotify([this, &lastPercent, &lastName](const net::DownloadNotice& notice) {
            // One notice per block would flood the dialog: pass on changes it can show.
            const int percent = Percent(notice);
            if (percent == lastPercent && notice.name == lastName) return;
            lastPercent = percent;
            lastName = notice.name;
            Post([this, notice] { if (events_.progress) events_.progress(notice); });
        });
        result.report = run_.Run(
            [this](const std::string& name) {
                Post([this, name] { if (events_.fileDone) events_.fileDone(name); });
            },
            [this] { Post([this] { if (events_.installing) events_.installing(); }); });
    }
    Post([this, result] { if (events_.finished) events_.finished(result); });
    ended_ = true;
}

}  // namespace repair
