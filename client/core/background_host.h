#pragma once
// What the background threads ask of the main window. Called on the worker thread; the
// window's side carries each call over to its own thread. The calls that wait for the user
// return early, as if dismissed or cancelled, once the stop signal is set.
#include <string>

class StopSignal;

class BackgroundHost {
public:
    virtual ~BackgroundHost() = default;

    // Tells the user the network is gone; returns when the message was dismissed.
    virtual void WarnNetworkDown(StopSignal& stop) = 0;
    // The version line: the versions are the same, or the server announces another one.
    virtual void ShowSameVersion(const std::string& local) = 0;
    virtual void ShowNewVersion(const std::string& local, const std::string& server) = 0;
    // Asks whether to update now; true for yes.
    virtual bool AskToUpdate(StopSignal& stop) = 0;
    // Starts the separate updater program; nothing is waited for.
    virtual void StartUpdater() = 0;
};

// Pauses of the background threads, shortened by tests.
struct BackgroundTimings {
    int netWatchMs = 6000;       // between two connectivity checks
    int versionDelayMs = 1000;   // before the version check
    int dataUpdateMs = 30000;    // between two data-file cycles
};
