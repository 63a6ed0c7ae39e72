#pragma once
// The bodies of the three background threads the main window starts. Each runs on its own
// thread until the stop signal is set and ends at its next check after that (a pause, a
// web request or a download under way ends early). `config.programDirectory` must be set.
#include <functional>

#include "client/core/background_host.h"
#include "client/core/client_config.h"
#include "client/core/online_flag.h"
#include "client/core/stop_signal.h"

// Every `intervalMs`: probes the server base; sets the online flag when it answers, else
// clears it and warns through the host (the next check comes `intervalMs` after the
// warning was dismissed).
void RunNetWatch(const ClientConfig& config, OnlineFlag& online, BackgroundHost& host, StopSignal& stop,
                 int intervalMs);

// Once, after `delayMs`: compares the program version of the local UpdateList.xml with the
// server's (as text; an unreadable server list gives "" and so counts as different), shows
// the outcome and, when they differ, asks whether to start the updater.
void RunVersionCheck(const ClientConfig& config, BackgroundHost& host, StopSignal& stop, int delayMs);

// What one data-file cycle did, for whoever watches (tests, logs).
struct DataCycle {
    int changed = 0;         // files the server's list named as changed
    bool installed = false;  // every changed file is now in place
};

// Every `intervalMs` while online: the data-file cycle of CUpdateList over
// AutoUpdateList.xml. `cycleDone` (optional) hears of each cycle that compared the lists.
void RunDataUpdate(const ClientConfig& config, const OnlineFlag& online, StopSignal& stop, int intervalMs,
                   const std::function<void(const DataCycle&)>& cycleDone = {});
