#pragma once
// The closing flag of the background work: set once when the main window closes or the
// user logs out. Pauses wait on it and end at once when it is set; web requests made under
// its cancellation flag (see common/platform/cancellation.h) give up; other stop actions
// (a download engine's stop) are called when it is set.
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>

#include "common/platform/cancellation.h"

class StopSignal {
public:
    // Sets the flag, wakes every pause and runs the stop actions. Any thread.
    void Stop();
    bool Stopped() const { return flag_->load(); }
    // Pauses up to `ms`; false when the flag was set (before or during the pause).
    bool Pause(int ms);
    // The flag web requests look at.
    const platform::CancelFlag& Flag() const { return flag_; }
    // Runs the stop actions again: for an action whose target may have missed the first
    // call (a download engine forgets a stop given in the instant a download begins).
    void Repeat();

    // While it lives, `action` runs with every Stop() and Repeat() (and at once when the
    // flag is already set). Actions run under a lock, so once the scope has ended its
    // action is never running.
    class ScopedAction {
    public:
        ScopedAction(StopSignal& signal, std::function<void()> action);
        ~ScopedAction();
        ScopedAction(const ScopedAction&) = delete;
        ScopedAction& operator=(const ScopedAction&) = delete;

    private:
        StopSignal& signal_;
        int id_;
    };

private:
    platform::CancelFlag flag_ = platform::MakeCancelFlag();
    std::mutex mutex_;
    std::condition_variable wake_;
    std::mutex actionsMutex_;
    std::map<int, std::function<void()>> actions_;
    int nextId_ = 0;
};
