#pragma once
// Whether the client believes the evaluation server can be reached. Set at start; the
// connectivity watch clears and sets it from its own thread, panels read it before a
// query so an offline client says so instead of waiting for a timeout.
#include <atomic>

class OnlineFlag {
public:
    bool IsOnline() const { return online_.load(std::memory_order_acquire); }
    void Set(bool online) { online_.store(online, std::memory_order_release); }

private:
    std::atomic<bool> online_{true};
};
