#pragma once
// Finding and ending another program's process. Only processes of the calling user are
// looked at; a process that has exited but not yet been collected counts as gone.
#include <chrono>
#include <string>
#include <string_view>

namespace platform {

// The id of the first running process of this user whose program file is named
// ProgramFileName(baseName) (compared without regard to case) and, when `directory` is
// not empty, lives in that folder; -1 when there is none.
int FindProcess(std::string_view baseName, const std::string& directory = {});

// True while the process exists and has not exited.
bool ProcessRunning(int pid);

enum class EndOutcome {
    Ended,   // it ended when asked (SIGTERM) within the grace period
    Forced,  // it was still running after the grace period and was killed
    Failed,  // it could not be signalled or would not go
};

// Asks the process to end, waits up to `grace` for it to go, and only then forces it.
EndOutcome EndProcess(int pid, std::chrono::milliseconds grace);

}  // namespace platform
