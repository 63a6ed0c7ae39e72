// RunQuery: work off the window thread, the result back on it, the asking window busy
// (wait cursor, no input but Escape and marked controls) while other windows work, and
// nothing delivered to a window that was closed or destroyed meanwhile.
#include "common/ui/query_runner.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "support/log_capture.h"
#include "support/query_wait.h"

namespace {

// A gate the work waits at until the test opens it (or its query is cancelled); bounded
// so that a broken test cannot hang.
class Gate {
public:
    void Open() { open_ = true; }
    // Waits for the gate; true when it was opened, false when cancelled or timed out.
    bool Pass() const {
        for (int i = 0; i < 5000 && !open_; ++i) {
            if (platform::CancellationRequested()) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return open_;
    }

private:
    std::atomic<bool> open_{false};
};

void SettleAbandonedWork() {
    ui::DrainQueries();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(QueryRunner, WorkRunsOnAWorkerAndTheResultComesBackOnTheWindowThread) {
    QWidget window;
    window.setCursor(Qt::PointingHandCursor);
    window.show();
    Gate gate;
    Qt::HANDLE workThread = nullptr;
    Qt::HANDLE doneThread = nullptr;
    int result = 0;
    ui::RunQuery(
        &window,
        [&gate, &workThread] {
            workThread = QThread::currentThreadId();
            return gate.Pass() ? 42 : -1;
        },
        [&](int value) {
            doneThread = QThread::currentThreadId();
            result = value;
        });
    EXPECT_TRUE(ui::QueryRunning(&window));
    EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);

    // The window thread keeps running its event loop meanwhile.
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(5);
    EXPECT_TRUE(QTest::qWaitFor([&ticks] { return ticks > 3; }, 5000));
    EXPECT_EQ(result, 0);

    gate.Open();
    ASSERT_TRUE(WaitForQueries(&window));
    EXPECT_EQ(result, 42);
    EXPECT_EQ(doneThread, QThread::currentThreadId());
    EXPECT_NE(workThread, QThread::currentThreadId());
    EXPECT_EQ(window.cursor().shape(), Qt::PointingHandCursor);
}

TEST(QueryRunner, TheAskingWindowIgnoresInputButOtherWindowsAndItsCloseBoxWork) {
    QDialog dialog;
    auto* edit = new QLineEdit(&dialog);
    auto* ok = new QPushButton(QStringLiteral("ok"), &dialog);
    ok->move(0, 40);
    auto* closeBox = new QPushButton(QStringLiteral("x"), &dialog);
    closeBox->move(0, 80);
    ui::KeepActiveDuringQueries(closeBox);
    QObject::connect(closeBox, &QPushButton::clicked, &dialog, &QDialog::reject);
    QWidget other;
    auto* otherButton = new QPushButton(QStringLiteral("other"), &other);
    dialog.show();
    other.show();
    QSignalSpy okClicks(ok, &QPushButton::clicked);
    QSignalSpy otherClicks(otherButton, &QPushButton::clicked);

    Gate gate;
    bool delivered = false;
    ui::RunQuery(&dialog, [&gate] { return gate.Pass(); }, [&](bool) { delivered = true; });
    QTest::keyClicks(edit, QStringLiteral("abc"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QTest::mouseClick(otherButton, Qt::LeftButton);
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(okClicks.count(), 0);
    EXPECT_EQ(otherClicks.count(), 1);
    EXPECT_EQ(dialog.cursor().shape(), Qt::WaitCursor);

    // The close box closes the window and abandons the query at once.
    QTest::mouseClick(closeBox, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(ui::QueryRunning(&dialog));
    EXPECT_NE(dialog.cursor().shape(), Qt::WaitCursor);
    gate.Open();
    SettleAbandonedWork();
    EXPECT_FALSE(delivered);

    // Afterwards the window takes input again.
    dialog.show();
    QTest::keyClicks(edit, QStringLiteral("abc"));
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
}

TEST(QueryRunner, EscapeStillClosesTheWindow) {
    QDialog dialog;
    dialog.show();
    bool delivered = false;
    Gate gate;
    ui::RunQuery(&dialog, [&gate] { return gate.Pass(); }, [&](bool) { delivered = true; });
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    SettleAbandonedWork();  // the abandoned work is cancelled: the gate is not needed
    EXPECT_FALSE(delivered);
}

TEST(QueryRunner, AResultForADestroyedWindowIsDroppedAndItsWorkCancelled) {
    auto* window = new QWidget;
    window->show();
    auto* label = new QLineEdit(window);
    std::atomic<bool> cancelled{false};
    bool delivered = false;
    ui::RunQuery(
        label,
        [&cancelled] {
            Gate never;
            cancelled = !never.Pass() && platform::CancellationRequested();
            return std::string("late");
        },
        [&delivered, label](const std::string& text) {
            delivered = true;
            label->setText(QString::fromStdString(text));  // would be a use after free
        });
    delete window;
    SettleAbandonedWork();
    EXPECT_FALSE(delivered);
    EXPECT_TRUE(cancelled);
}

TEST(QueryRunner, AChainedQueryKeepsTheWindowBusyUntilTheLastResult) {
    QWidget window;
    window.show();
    std::vector<int> steps;
    ui::RunQuery(&window, [] { return 1; }, [&](int first) {
        steps.push_back(first);
        ui::RunQuery(&window, [] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            return 2;
        }, [&](int second) { steps.push_back(second); });
    });
    // Never idle in between: wait for the first answer, then check at once.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !steps.empty(); }, 5000));
    EXPECT_TRUE(ui::QueryRunning(&window));
    ASSERT_TRUE(WaitForQueries(&window));
    EXPECT_EQ(steps, (std::vector<int>{1, 2}));
}

TEST(QueryRunner, FailingWorkIsLoggedAndReleasesTheWindow) {
    ScopedLogCapture log;
    QWidget window;
    auto* child = new QWidget(&window);
    bool delivered = false;
    ui::RunQuery(child, []() -> int { throw std::runtime_error("document exploded"); },
                 [&](int) { delivered = true; });
    EXPECT_TRUE(ui::QueryRunning(&window));  // a widget inside it waits
    ASSERT_TRUE(WaitForQueries(&window));
    EXPECT_FALSE(delivered);
    EXPECT_TRUE(log.Has(platform::LogLevel::Error, "quorvel.ui", {"document exploded"}))
        << log.Text();
}

}  // namespace
