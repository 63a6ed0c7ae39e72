#pragma once
// Widget-test helper: spins the event loop until no query of `widget` (or of a widget
// inside it) runs any more, for at most `timeoutMs`. False when it was still running.
#include <QTest>
#include <QWidget>

#include "common/ui/query_runner.h"

inline bool WaitForQueries(const QWidget* widget, int timeoutMs = 10000) {
    return QTest::qWaitFor([widget] { return !ui::QueryRunning(widget); }, timeoutMs);
}
