#pragma once
// The client's one way to ask the server something from a window without the window
// thread waiting for the network. RunQuery runs `work` on a worker thread and hands its
// result to `done` on the window's thread:
//
//   ui::RunQuery(this, [&documents, code] { return CComprehensiveEval::Fetch(code, documents); },
//                [this](CComprehensiveEval eval) { Show(eval); });
//
// While the work runs, `window` (any widget: a dialog, a panel, a single label) shows the
// wait cursor and takes no keys or clicks, so nothing the user does there can overtake
// the answer; it keeps painting, and every other window keeps working. The Escape key and
// controls marked with KeepActiveDuringQueries still work, so the window can be closed.
// Closing the window (or destroying the widget) abandons the query: its work is
// cancelled and its result is dropped; `done` is never called for it.
//
// `work` runs on a worker: it must not touch any widget. Capture inputs by value, and
// services (a document source) only when they outlive every query (DrainQueries). `done`
// may start the next query of the same window: the window stays busy across the two.
#include <QFutureWatcher>
#include <QPointer>
#include <QPromise>
#include <QWidget>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

#include "common/platform/cancellation.h"
#include "common/ui/busy_scope.h"
#include "common/ui/query_ticket.h"

class QThreadPool;

namespace ui {

// True while `widget` or any widget inside it waits for a query.
bool QueryRunning(const QWidget* widget);

// Waits until the work of every query has ended (abandoned work ends quickly, as it is
// cancelled). Call it once the windows are gone, before the services their work uses.
void DrainQueries();

// Drains the queries when it goes out of scope: declare it after the services.
class ScopedQueryDrain {
public:
    ScopedQueryDrain() = default;
    ~ScopedQueryDrain() { DrainQueries(); }
    ScopedQueryDrain(const ScopedQueryDrain&) = delete;
    ScopedQueryDrain& operator=(const ScopedQueryDrain&) = delete;
};

namespace query_detail {

QThreadPool& Pool();
void StartOnPool(std::function<void()> task);
void LogFailedWork(std::string_view what);

template <typename Work>
auto RunGuarded(Work& work) -> std::optional<std::decay_t<std::invoke_result_t<Work&>>> {
    try {
        return work();
    } catch (const std::exception& e) {
        LogFailedWork(e.what());
    } catch (...) {
        LogFailedWork("unknown exception");
    }
    return std::nullopt;
}

}  // namespace query_detail

template <typename Work, typename Done>
void RunQuery(QWidget* window, Work work, Done done) {
    using Result = std::decay_t<std::invoke_result_t<Work&>>;
    static_assert(!std::is_void_v<Result>, "a query's work returns its result");
    using Outcome = std::optional<Result>;

    auto* ticket = new QueryTicket(BusyScope::Of(window));
    auto promise = std::make_shared<QPromise<Outcome>>();
    // The watcher belongs to no window: it outlives an abandoned query until its work
    // ends, and the guard tells whether anyone still wants the result.
    auto* watcher = new QFutureWatcher<Outcome>();
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher,
                     [watcher, guard = QPointer<QueryTicket>(ticket),
                      done = std::move(done)]() mutable {
                         watcher->deleteLater();
                         if (!guard || !guard->Finish()) return;
                         QFuture<Outcome> future = watcher->future();
                         if (future.resultCount() == 0) return;
                         Outcome result = future.takeResult();
                         if (result) done(std::move(*result));
                     });
    watcher->setFuture(promise->future());
    promise->start();
    query_detail::StartOnPool(
        [promise, cancel = ticket->CancelFlag(), task = std::make_shared<Work>(std::move(work))] {
            platform::ScopedCancellation scope(cancel);
            promise->addResult(query_detail::RunGuarded(*task));
            promise->finish();
        });
}

}  // namespace ui
