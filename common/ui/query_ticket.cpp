#include "common/ui/query_ticket.h"

#include "common/ui/busy_scope.h"

namespace ui {

QueryTicket::QueryTicket(BusyScope* scope) : QObject(scope), scope_(scope) {
    scope_->Enter(this);
}

QueryTicket::~QueryTicket() {
    cancel_->store(true);
    Release();
}

void QueryTicket::Abandon() {
    abandoned_ = true;
    cancel_->store(true);
    Release();
}

bool QueryTicket::Finish() {
    Release();
    deleteLater();
    return !abandoned_;
}

void QueryTicket::Release() {
    if (released_) return;
    released_ = true;
    scope_->Leave(this);
}

}  // namespace ui
