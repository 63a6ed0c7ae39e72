#include "client/app/background_work.h"

#include <QMetaObject>
#include <QObject>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "client/core/background_threads.h"

namespace {

// How often a thread waiting for the window looks at the stop signal, and a joining
// window repeats the stop for a download that may have missed it.
constexpr auto kStopLook = std::chrono::milliseconds(20);

struct Completion {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
};

}  // namespace

BackgroundOptions& DefaultBackgroundOptions() {
    static BackgroundOptions options;
    return options;
}

BackgroundWork::BackgroundWork(QObject* window, BackgroundWindow calls, ClientConfig config, OnlineFlag& online)
    : window_(window), calls_(std::move(calls)), config_(std::move(config)), online_(online) {}

BackgroundWork::~BackgroundWork() { Stop(); }

void BackgroundWork::Start(const BackgroundTimings& timings) {
    if (Running() || stop_.Stopped()) return;
    Launch([this, timings] { RunDataUpdate(config_, online_, stop_, timings.dataUpdateMs); });
    Launch([this, timings] { RunVersionCheck(config_, *this, stop_, timings.versionDelayMs); });
    Launch([this, timings] { RunNetWatch(config_, online_, *this, stop_, timings.netWatchMs); });
}

void BackgroundWork::Launch(std::function<void()> body) {
    auto finished = std::make_shared<std::atomic<bool>>(false);
    threads_.push_back({std::thread([body = std::move(body), finished] {
                            body();
                            finished->store(true);
                        }),
                        finished});
}

void BackgroundWork::RequestStop() { stop_.Stop(); }

void BackgroundWork::Stop() {
    RequestStop();
    for (Worker& worker : threads_) {
        // A download that began in the instant of the stop missed it; it is told again.
        while (!worker.finished->load()) {
            stop_.Repeat();
            std::this_thread::sleep_for(kStopLook);
        }
        worker.thread.join();
    }
    threads_.clear();
}

bool BackgroundWork::AllEnded() const {
    return std::all_of(threads_.begin(), threads_.end(), [](const Worker& w) { return w.finished->load(); });
}

bool BackgroundWork::OnWindowThread(std::function<void()> call) {
    if (!call || window_.isNull()) return false;
    return QMetaObject::invokeMethod(window_.data(), std::move(call), Qt::QueuedConnection);
}

bool BackgroundWork::OnWindowThreadUntilFinished(std::function<void(std::function<void()> finished)> call) {
    if (!call) return false;
    // Shared with the window's side, which may finish after this thread stopped waiting.
    auto completion = std::make_shared<Completion>();
    auto finished = [completion] {
        {
            std::lock_guard lock(completion->mutex);
            completion->finished = true;
        }
        completion->done.notify_all();
    };
    if (!OnWindowThread([call = std::move(call), finished] { call(finished); })) return false;
    std::unique_lock lock(completion->mutex);
    while (!completion->finished) {
        if (stop_.Stopped()) return false;
        completion->done.wait_for(lock, kStopLook);
    }
    return true;
}

void BackgroundWork::WarnNetworkDown(StopSignal&) {
    if (calls_.warnNetworkDown) OnWindowThreadUntilFinished(calls_.warnNetworkDown);
}

void BackgroundWork::ShowSameVersion(const std::string& local) {
    if (calls_.showSameVersion) OnWindowThread([call = calls_.showSameVersion, local] { call(local); });
}

void BackgroundWork::ShowNewVersion(const std::string& local, const std::string& server) {
    if (calls_.showNewVersion)
        OnWindowThread([call = calls_.showNewVersion, local, server] { call(local, server); });
}

bool BackgroundWork::AskToUpdate(StopSignal&) {
    if (!calls_.askToUpdate) return false;
    auto answer = std::make_shared<std::atomic<bool>>(false);
    const bool finished = OnWindowThreadUntilFinished([call = calls_.askToUpdate, answer](std::function<void()> done) {
        call([answer, done](bool yes) {
            answer->store(yes);
            done();
        });
    });
    return finished && answer->load();
}

void BackgroundWork::StartUpdater() { OnWindowThread(calls_.startUpdater); }
