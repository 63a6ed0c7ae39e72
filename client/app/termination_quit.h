#pragma once
// QuitOnTermination: while it lives, a request to end (SIGTERM, as the repair tool sends
// before it replaces the client's files) leaves every modal loop of the program, so the
// windows close in order and their destructors run: background work is stopped and its
// temporary folder removed, instead of the process dying wherever it stood. Everything
// the client keeps on disk is written whole by atomic replaces, so nothing is half-written
// either way. The previous handling of the signal comes back when it goes.
#include "client/app/window_layer.h"

#include <memory>

class QSocketNotifier;

class QuitOnTermination {
public:
    QuitOnTermination();
    ~QuitOnTermination();
    QuitOnTermination(const QuitOnTermination&) = delete;
    QuitOnTermination& operator=(const QuitOnTermination&) = delete;

private:
    std::unique_ptr<QSocketNotifier> notifier_;
    bool installed_ = false;
};
