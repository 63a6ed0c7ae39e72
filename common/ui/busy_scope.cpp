#include "common/ui/busy_scope.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

#include "common/ui/query_ticket.h"

namespace ui {
namespace {

constexpr char kKeepActiveProperty[] = "quorvelKeepActiveDuringQueries";

}  // namespace

void KeepActiveDuringQueries(QWidget* control) {
    control->setProperty(kKeepActiveProperty, true);
}

BusyScope* BusyScope::Of(QWidget* widget) {
    if (BusyScope* scope = Find(widget)) return scope;
    return new BusyScope(widget);
}

BusyScope* BusyScope::Find(const QWidget* widget) {
    return widget->findChild<BusyScope*>(QString(), Qt::FindDirectChildrenOnly);
}

BusyScope::BusyScope(QWidget* widget) : QObject(widget), widget_(widget) {}

BusyScope::~BusyScope() {
    // The widget is going away: end its queries while this object is still whole, and
    // leave the widget itself alone.
    dying_ = true;
    const std::vector<QueryTicket*> tickets = running_;
    for (QueryTicket* ticket : tickets) delete ticket;
    QCoreApplication::instance()->removeEventFilter(this);
}

void BusyScope::Enter(QueryTicket* ticket) {
    running_.push_back(ticket);
    if (running_.size() > 1) return;
    hadCursor_ = widget_->testAttribute(Qt::WA_SetCursor);
    if (hadCursor_) savedCursor_ = widget_->cursor();
    widget_->setCursor(Qt::WaitCursor);
    QCoreApplication::instance()->installEventFilter(this);
}

void BusyScope::Leave(QueryTicket* ticket) {
    const auto it = std::find(running_.begin(), running_.end(), ticket);
    if (it == running_.end()) return;
    running_.erase(it);
    if (!running_.empty() || dying_) return;
    QCoreApplication::instance()->removeEventFilter(this);
    if (hadCursor_)
        widget_->setCursor(savedCursor_);
    else
        widget_->unsetCursor();
}

void BusyScope::AbandonAll() {
    const std::vector<QueryTicket*> tickets = running_;
    for (QueryTicket* ticket : tickets) ticket->Abandon();
}

bool BusyScope::Inside(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && (widget == widget_ || widget_->isAncestorOf(widget));
}

bool BusyScope::KeptActive(QObject* object) const {
    for (QObject* o = object; o && o != widget_; o = o->parent())
        if (o->property(kKeepActiveProperty).toBool()) return true;
    return false;
}

bool BusyScope::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Hide:
            // The program hid the widget's window (closed it); a minimised window stays
            // visible, and a panel hidden inside its window still wants its result.
            if (watched == widget_->window() && !event->spontaneous()) AbandonAll();
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return Inside(watched) && !KeptActive(watched);
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            return Inside(watched) && static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape;
        case QEvent::Shortcut:
        case QEvent::InputMethod:
            return Inside(watched);
        default:
            return false;
    }
}

}  // namespace ui
