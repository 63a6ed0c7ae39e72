#pragma once
// One query in flight for a widget: it keeps the widget busy (see BusyScope) from the
// start of the work until its result is handed over, owns the flag that cancels the
// work, and remembers whether the widget's window was closed meanwhile. It lives as a
// child of the widget's scope, so it ends with the widget.
#include <QObject>

#include "common/platform/cancellation.h"

namespace ui {

class BusyScope;

class QueryTicket : public QObject {
    Q_OBJECT
public:
    explicit QueryTicket(BusyScope* scope);
    // Cancels the work if it still runs.
    ~QueryTicket() override;

    const platform::CancelFlag& CancelFlag() const { return cancel_; }

    // The window was closed: the work is cancelled, the widget released at once and the
    // result will be dropped.
    void Abandon();
    // The work has ended: releases the widget and schedules the ticket's deletion. True
    // when the result is still wanted.
    bool Finish();

private:
    void Release();

    BusyScope* scope_;
    platform::CancelFlag cancel_ = platform::MakeCancelFlag();
    bool released_ = false;
    bool abandoned_ = false;
};

}  // namespace ui
