#pragma once
// The main window's three background threads (data-file cycle, version check,
// connectivity watch) and their way back to the window: every call that shows something
// is carried over to the window's thread; a thread that waits for the user's answer waits
// on its own thread, never the window's. The closing flag ends pauses, web requests and
// downloads under way at once, and a thread waiting for an answer gives up; Stop() waits
// until every thread has ended.
#include "client/app/window_layer.h"

#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "client/core/background_host.h"
#include "client/core/client_config.h"
#include "client/core/online_flag.h"
#include "client/core/stop_signal.h"
#include "client/panels/news_popup.h"

class QObject;

// Whether a main window starts its background threads and its news checks, and their
// pauses; tests change them.
struct BackgroundOptions {
    bool enabled = true;
    BackgroundTimings timings;
    CNewsPopup::Timings news;
};
BackgroundOptions& DefaultBackgroundOptions();

// What the threads show; each runs on the window's thread. The warning and the question
// return at once and leave the rest of the window usable; they call `dismissed` or
// `answered` (true for yes) when the user closes them, and the asking thread waits
// for that.
struct BackgroundWindow {
    std::function<void(std::function<void()> dismissed)> warnNetworkDown;
    std::function<void(const std::string& local)> showSameVersion;
    std::function<void(const std::string& local, const std::string& server)> showNewVersion;
    std::function<void(std::function<void(bool)> answered)> askToUpdate;
    std::function<void()> startUpdater;
};

class BackgroundWork : public BackgroundHost {
public:
    // `window` is the object whose thread runs the calls; they are dropped once it is gone.
    // `config.programDirectory` must be set; `online` must outlive this object.
    BackgroundWork(QObject* window, BackgroundWindow calls, ClientConfig config, OnlineFlag& online);
    ~BackgroundWork() override;
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    // Starts the data-file cycle, the version check and the watch, in this order.
    void Start(const BackgroundTimings& timings);
    // Sets the closing flag; the threads end at their next check. Returns at once.
    void RequestStop();
    // Sets the closing flag and waits for every thread to end.
    void Stop();
    bool Running() const { return !threads_.empty(); }
    // True when every started thread has ended (they end on their own only after Stop).
    bool AllEnded() const;

    // BackgroundHost, on the worker threads.
    void WarnNetworkDown(StopSignal& stop) override;
    void ShowSameVersion(const std::string& local) override;
    void ShowNewVersion(const std::string& local, const std::string& server) override;
    bool AskToUpdate(StopSignal& stop) override;
    void StartUpdater() override;

private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };
    void Launch(std::function<void()> body);
    // Runs `call` on the window's thread and returns at once. False when it cannot.
    bool OnWindowThread(std::function<void()> call);
    // Runs `call` on the window's thread and waits until it calls the `finished` it is
    // given (at once or later) or the stop signal comes. False when it did not finish.
    bool OnWindowThreadUntilFinished(std::function<void(std::function<void()> finished)> call);

    QPointer<QObject> window_;
    BackgroundWindow calls_;
    const ClientConfig config_;
    OnlineFlag& online_;
    StopSignal stop_;
    std::vector<Worker> threads_;
};
