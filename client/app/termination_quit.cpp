#include "client/app/termination_quit.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include "common/platform/log.h"

namespace {

// The signal handler may only write to a pipe; the window thread reads it.
int g_pipe[2] = {-1, -1};
struct sigaction g_previous {};

void OnTerminationRequest(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

}  // namespace

QuitOnTermination::QuitOnTermination() {
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [] {
        char bytes[16];
        while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
        }
        platform::Log(platform::LogLevel::Info, "quorvel.app", "asked to end: closing the windows");
        // Leaves every running event loop; loops started afterwards return at once.
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = OnTerminationRequest;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = ::sigaction(SIGTERM, &action, &g_previous) == 0;
}

QuitOnTermination::~QuitOnTermination() {
    if (installed_) ::sigaction(SIGTERM, &g_previous, nullptr);
    notifier_.reset();
    if (g_pipe[0] < 0) return;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}
