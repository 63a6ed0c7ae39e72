#include "client/core/stop_signal.h"

#include <chrono>

void StopSignal::Stop() {
    {
        std::lock_guard lock(mutex_);
        flag_->store(true);
    }
    wake_.notify_all();
    Repeat();
}

bool StopSignal::Pause(int ms) {
    std::unique_lock lock(mutex_);
    return !wake_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return flag_->load(); });
}

void StopSignal::Repeat() {
    std::lock_guard lock(actionsMutex_);
    if (!Stopped()) return;
    for (const auto& [id, action] : actions_) action();
}

StopSignal::ScopedAction::ScopedAction(StopSignal& signal, std::function<void()> action) : signal_(signal) {
    std::lock_guard lock(signal.actionsMutex_);
    id_ = signal.nextId_++;
    if (signal.Stopped()) action();
    signal.actions_.emplace(id_, std::move(action));
}

StopSignal::ScopedAction::~ScopedAction() {
    std::lock_guard lock(signal_.actionsMutex_);
    signal_.actions_.erase(id_);
}
