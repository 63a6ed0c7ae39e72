#include "standin_process.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "common/platform/files.h"

#ifndef QUORVEL_STANDIN_PATH
#error "QUORVEL_STANDIN_PATH must name the stand-in client program"
#endif

StandInClient::StandInClient(const std::string& directory, const std::string& marker, bool ignoreTerm) {
    const std::string program = directory + "/krclient";
    if (!platform::CopyFileOverwrite(QUORVEL_STANDIN_PATH, program) || ::chmod(program.c_str(), 0755) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
        const char* ignore = ignoreTerm ? "--ignore-term" : nullptr;
        ::execl(program.c_str(), "krclient", marker.c_str(), ignore, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // Ready once it has set up its answer to the request to end.
    for (int i = 0; i < 250 && !ready_; ++i) {
        ready_ = platform::FileExists(marker + ".ready");
        if (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool StandInClient::Running() {
    if (pid_ <= 0 || collected_) return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) collected_ = true;
    return !collected_;
}

StandInClient::~StandInClient() {
    if (pid_ <= 0 || collected_) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
}
