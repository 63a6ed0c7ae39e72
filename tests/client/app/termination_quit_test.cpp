// A request to end (SIGTERM) leaves the client's nested modal loops instead of killing
// the process, so the windows' destructors run.
#include <gtest/gtest.h>

#include <QDialog>
#include <QTimer>

#include <signal.h>

#include "client/app/termination_quit.h"

namespace {

TEST(QuitOnTerminationTest, ARequestToEndLeavesEveryModalLoop) {
    bool innerReturned = false;
    bool destroyed = false;
    {
        QuitOnTermination quit;
        QDialog outer;
        auto* inner = new QDialog(&outer);
        QObject::connect(inner, &QObject::destroyed, [&] { destroyed = true; });
        QTimer::singleShot(0, inner, [&] {
            QTimer::singleShot(0, [] { ::raise(SIGTERM); });
            inner->exec();
            innerReturned = true;
        });
        EXPECT_EQ(outer.exec(), QDialog::Rejected);
        EXPECT_TRUE(innerReturned);
    }
    EXPECT_TRUE(destroyed);
    // The handler is gone with the object: the signal's old handling is back.
    struct sigaction now {};
    ::sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

}  // namespace
