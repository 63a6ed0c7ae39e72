// ui_latency: how long the window thread stalls while a query waits for a slow server.
//
// A loopback server answers the history document after --delay-ms (default 3000). A
// shown window asks for it through the query loader (ui::RunQuery) while a 5 ms timer
// probes the window thread's event loop and asks the window to repaint on every tick.
// The longest gap between two ticks during the query is the longest stall the user could
// feel. --blocking loads the same document on the window thread instead, for comparison.
//
//   ui_latency [--delay-ms N] [--runs N] [--blocking]
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/data/document_source.h"
#include "client/data/history_info.h"
#include "common/net/support/http_script.h"
#include "common/net/support/script_server.h"
#include "common/ui/query_runner.h"

namespace {

struct Options {
    int delayMs = 3000;
    int runs = 3;
    bool blocking = false;
};

Options Parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--delay-ms") && i + 1 < argc) {
            options.delayMs = std::max(0, std::atoi(argv[++i]));
        } else if (!std::strcmp(argv[i], "--runs") && i + 1 < argc) {
            options.runs = std::clamp(std::atoi(argv[++i]), 1, 20);
        } else if (!std::strcmp(argv[i], "--blocking")) {
            options.blocking = true;
        } else {
            std::fprintf(stderr, "usage: ui_latency [--delay-ms N] [--runs N] [--blocking]\n");
            std::exit(2);
        }
    }
    return options;
}

const std::string kHistory =
    "\xEF\xBB\xBF<r><History><Msg1>first</Msg1><Msg2>second</Msg2></History></r>";

// The largest gap between ticks of a 5 ms timer while it runs.
class StallProbe : public QObject {
public:
    explicit StallProbe(QWidget* repainted) : repainted_(repainted) {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    }
    void Start() {
        longestNs_ = 0;
        ticks_ = 0;
        clock_.start();
        last_ = 0;
        timer_.start();
    }
    void Stop() {
        Tick();
        timer_.stop();
    }
    double LongestMs() const { return longestNs_ / 1e6; }
    long Ticks() const { return ticks_; }

private:
    void Tick() {
        const qint64 now = clock_.nsecsElapsed();
        longestNs_ = std::max(longestNs_, now - last_);
        last_ = now;
        ++ticks_;
        repainted_->update();
    }
    QWidget* repainted_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longestNs_ = 0;
    long ticks_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options options = Parse(argc, argv);

    const int delayMs = options.delayMs;
    nettest::ScriptServer server([delayMs](nettest::ScriptConnection& c, int) {
        if (c.ReadRequest().empty()) return;
        if (c.PeerClosed(delayMs)) return;  // the client gave up
        c.Send(nettest::Response(
            "200 OK", {"Content-Length: " + std::to_string(kHistory.size())}, kHistory));
    });
    ServerDocumentSource source("127.0.0.1:" + std::to_string(server.port()));

    QLabel window(QStringLiteral("waiting for the history document"));
    window.resize(480, 120);
    window.show();
    StallProbe probe(&window);

    std::printf("server answers after %d ms; %s; 5 ms probe\n", options.delayMs,
                options.blocking ? "loading on the window thread" : "loading through RunQuery");
    double worstStall = 0;
    for (int run = 1; run <= options.runs; ++run) {
        QEventLoop loop;
        QElapsedTimer queryClock;
        bool found = false;
        QTimer::singleShot(50, &window, [&] {
            probe.Start();
            queryClock.start();
            auto finish = [&](const CHistoryInfo& history) {
                found = history.Found();
                probe.Stop();
                loop.quit();
            };
            if (options.blocking)
                finish(CHistoryInfo::Fetch(source));
            else
                ui::RunQuery(&window, [&source] { return CHistoryInfo::Fetch(source); }, finish);
        });
        loop.exec();
        const double queryMs = queryClock.nsecsElapsed() / 1e6;
        worstStall = std::max(worstStall, probe.LongestMs());
        std::printf("run %d: longest stall %.1f ms, query %.0f ms, %ld probe ticks, %s\n", run,
                    probe.LongestMs(), queryMs, probe.Ticks(), found ? "found" : "NOT FOUND");
    }
    std::printf("longest stall over %d runs: %.1f ms (target: under 50 ms)\n", options.runs,
                worstStall);
    return 0;
}
