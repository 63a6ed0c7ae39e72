#include "common/ui/query_runner.h"

#include <QCoreApplication>
#include <QThreadPool>

#include <string>

#include "common/platform/log.h"

namespace ui {
namespace query_detail {

// A few workers: each window has at most one query at a time, and a query that waits
// for a dead server must not hold up the next window's.
constexpr int kWorkers = 4;

QThreadPool& Pool() {
    static QPointer<QThreadPool> pool;
    if (!pool) {
        // Owned by the application, whose end waits for the work still running.
        pool = new QThreadPool(QCoreApplication::instance());
        pool->setMaxThreadCount(kWorkers);
    }
    return *pool;
}

void StartOnPool(std::function<void()> task) { Pool().start(std::move(task)); }

void LogFailedWork(std::string_view what) {
    platform::Log(platform::LogLevel::Error, "quorvel.ui",
                  "a query's work failed: " + std::string(what));
}

}  // namespace query_detail

bool QueryRunning(const QWidget* widget) {
    if (const BusyScope* own = BusyScope::Find(widget); own && own->Busy()) return true;
    for (const BusyScope* scope : widget->findChildren<BusyScope*>())
        if (scope->Busy()) return true;
    return false;
}

void DrainQueries() { query_detail::Pool().waitForDone(); }

}  // namespace ui
