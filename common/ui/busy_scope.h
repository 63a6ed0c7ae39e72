#pragma once
// What a widget is while queries it asked for run: it shows the wait cursor and ignores
// keys and clicks (it is not greyed out and keeps painting), except the Escape key and
// clicks on controls marked to stay active, so the user can always close the window.
// Other windows are not affected. Hiding the widget's window (closing it) abandons its
// queries: their work is cancelled and their results are dropped.
#include <QCursor>
#include <QObject>

#include <vector>

class QWidget;

namespace ui {

class QueryTicket;

class BusyScope : public QObject {
    Q_OBJECT
public:
    // The scope of `widget` (a child of it), made on first use.
    static BusyScope* Of(QWidget* widget);
    // The scope of `widget`, or nullptr when it never ran a query.
    static BusyScope* Find(const QWidget* widget);

    bool Busy() const { return !running_.empty(); }

    // A query starts and ends (called by QueryTicket).
    void Enter(QueryTicket* ticket);
    void Leave(QueryTicket* ticket);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit BusyScope(QWidget* widget);
    ~BusyScope() override;

    bool Inside(QObject* object) const;
    bool KeptActive(QObject* object) const;
    void AbandonAll();

    QWidget* widget_;
    std::vector<QueryTicket*> running_;
    bool dying_ = false;
    bool hadCursor_ = false;
    QCursor savedCursor_;
};

// Marks `control` (for example a frameless window's close box) as still taking clicks
// while its window waits for a query.
void KeepActiveDuringQueries(QWidget* control);

}  // namespace ui
