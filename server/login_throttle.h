#pragma once
// Slows password guessing: after a few failed logins for a user name, each further
// attempt for that name waits its turn before its password is checked, the waits
// doubling up to a ceiling; attempts sent in parallel queue behind each other. A right
// password clears the name's record. Only a few attempts may wait at once (each holds a
// server worker), and one whose turn lies beyond the ceiling is refused without a check.
// Safe to use from several threads.
#include <chrono>
#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace server {

struct ThrottleSettings {
    int freeFailures = 5;                          // failures before attempts wait
    std::chrono::milliseconds firstDelay{250};     // the wait after those
    std::chrono::milliseconds maxDelay{4000};      // the doubling stops here
    std::chrono::minutes forgetAfter{15};          // a name with no failure for this long starts over
    int maxWaiting = 2;                            // attempts waiting at once, over every name
    std::size_t maxNames = 10000;                  // names remembered
};

class LoginThrottle {
public:
    using Clock = std::chrono::steady_clock;

    explicit LoginThrottle(ThrottleSettings settings = {}) : settings_(settings) {}

    // Waits until this attempt may check its password. False when it is refused (the
    // caller answers "try later" and checks nothing).
    bool AwaitTurn(const std::string& user);
    // The result of the check AwaitTurn allowed.
    void Record(const std::string& user, bool accepted);

private:
    struct NameRecord {
        int failures = 0;
        Clock::time_point lastFailure;
        Clock::time_point nextTurn;  // the earliest the next attempt may be checked
    };
    Clock::duration DelayAfter(int failures) const;
    void Forget(Clock::time_point now);

    ThrottleSettings settings_;
    std::mutex mutex_;
    std::map<std::string, NameRecord> names_;
    int waiting_ = 0;
};

}  // namespace server
