#pragma once
// Runs the client's stand-in (a program file named krclient) from a given folder for the
// length of a test; it is ended and collected when the object goes.
#include <sys/types.h>

#include <string>

class StandInClient {
public:
    // Copies the stand-in into `directory` as krclient and starts it; it writes "saved"
    // to `marker` when asked to end, unless `ignoreTerm`.
    StandInClient(const std::string& directory, const std::string& marker, bool ignoreTerm = false);
    ~StandInClient();
    StandInClient(const StandInClient&) = delete;
    StandInClient& operator=(const StandInClient&) = delete;

    pid_t Pid() const { return pid_; }
    // True once it runs and has set up its answer to the request to end.
    bool Started() const { return pid_ > 0 && ready_; }
    // True while it runs (not yet exited).
    bool Running();

private:
    pid_t pid_ = -1;
    bool collected_ = false;
    bool ready_ = false;
};
