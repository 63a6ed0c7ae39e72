#include "server/login_throttle.h"

#include <algorithm>
#include <thread>

namespace server {

LoginThrottle::Clock::duration LoginThrottle::DelayAfter(int failures) const {
    if (failures < settings_.freeFailures) return Clock::duration::zero();
    const int doublings = std::min(failures - settings_.freeFailures, 20);
    const auto delay = settings_.firstDelay * (1LL << doublings);
    return std::min<Clock::duration>(delay, settings_.maxDelay);
}

void LoginThrottle::Forget(Clock::time_point now) {
    std::erase_if(names_, [&](const auto& entry) { return entry.second.lastFailure + settings_.forgetAfter < now; });
    while (names_.size() >= settings_.maxNames) {
        const auto oldest = std::min_element(names_.begin(), names_.end(), [](const auto& a, const auto& b) {
            return a.second.lastFailure < b.second.lastFailure;
        });
        names_.erase(oldest);
    }
}

bool LoginThrottle::AwaitTurn(const std::string& user) {
    Clock::time_point turn;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto now = Clock::now();
        const auto found = names_.find(user);
        if (found == names_.end()) return true;
        NameRecord& record = found->second;
        if (record.lastFailure + settings_.forgetAfter < now) {
            names_.erase(found);
            return true;
        }
        const auto delay = DelayAfter(record.failures);
        if (delay == Clock::duration::zero()) return true;
        turn = std::max(now, record.nextTurn) + delay;
        if (turn - now > settings_.maxDelay || waiting_ >= settings_.maxWaiting) return false;
        record.nextTurn = turn;
        ++waiting_;
    }
    std::this_thread::sleep_until(turn);
    std::lock_guard<std::mutex> lock(mutex_);
    --waiting_;
    return true;
}

void LoginThrottle::Record(const std::string& user, bool accepted) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (accepted) {
        names_.erase(user);
        return;
    }
    const auto now = Clock::now();
    if (names_.find(user) == names_.end() && names_.size() >= settings_.maxNames) Forget(now);
    NameRecord& record = names_[user];
    ++record.failures;
    record.lastFailure = now;
}

}  // namespace server
