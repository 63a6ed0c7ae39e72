// Time per keystroke of the stock search pop-up: filter, model reset and one paint of the
// pop-up into an offscreen image, for every state of a recorded typing session over a
// generated directory. The same session is then run the item-per-row way (a QTreeWidget
// refilled with one item per matching stock), in the same process, for comparison.
//
//   search_bench [keystrokes (1000)] [stocks (5000)]
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "client/core/code_search.h"
#include "client/panels/stock_search_popup.h"
#include "common/ui/text.h"
#include "tools/search_bench/generated_directory.h"
#include "tools/search_bench/typing_script.h"

namespace {

using Clock = std::chrono::steady_clock;

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Spread {
    double median = 0, p99 = 0, worst = 0;
};

Spread SpreadOf(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[times.size() * 99 / 100], times.back()};
}

// Wall-clock time is what the user feels; the thread's CPU time leaves out the moments
// the process waited for a core (the machine is shared), which is the work itself.
struct Summary {
    double firstMs = 0;  // the first keystroke, fonts and glyphs not yet cached
    Spread wall, cpu;
    std::size_t rows = 0;  // rows listed over the whole session
};

using Keystroke = std::function<std::size_t(const std::string&)>;

Summary Run(const std::vector<std::string>& script, const Keystroke& keystroke) {
    Summary summary;
    const Clock::time_point coldStart = Clock::now();
    keystroke("6");
    summary.firstMs = std::chrono::duration<double, std::milli>(Clock::now() - coldStart).count();
    std::vector<double> wall, cpu;
    for (const std::string& text : script) {
        const double cpuStart = ThreadCpuMs();
        const Clock::time_point start = Clock::now();
        summary.rows += keystroke(text);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        cpu.push_back(ThreadCpuMs() - cpuStart);
    }
    summary.wall = SpreadOf(wall);
    summary.cpu = SpreadOf(cpu);
    return summary;
}

void Print(const char* name, const Summary& s, std::size_t keystrokes) {
    std::printf("%s (%.0f rows per keystroke on average; first keystroke, cold: %.2f ms)\n", name,
                static_cast<double>(s.rows) / static_cast<double>(keystrokes), s.firstMs);
    std::printf("  wall clock   median %7.3f ms   p99 %7.3f ms   worst %7.3f ms\n", s.wall.median, s.wall.p99, s.wall.worst);
    std::printf("  thread CPU   median %7.3f ms   p99 %7.3f ms   worst %7.3f ms\n", s.cpu.median, s.cpu.p99, s.cpu.worst);
}

// The list the item-per-row way: a report list of the pop-up's size with the same columns.
class ItemPerRowList {
public:
    ItemPerRowList(const CStockDirectory& directory) : directory_(directory) {
        window_.resize(CStockSearchPopup::kWidth, CStockSearchPopup::kHeight);
        tree_ = new QTreeWidget(&window_);
        tree_->setGeometry(3, 3, CStockSearchPopup::kWidth - 6, CStockSearchPopup::kHeight - 6);
        tree_->setHeaderLabels({QStringLiteral("代码"), QStringLiteral("拼音"), QStringLiteral("名称")});
        tree_->setRootIsDecorated(false);
        for (int column = 0; column < 3; ++column) tree_->header()->resizeSection(column, CStockSearchPopup::kColumnWidths[column]);
        window_.show();
    }
    std::size_t Keystroke(const std::string& text, QImage& image) {
        tree_->clear();
        const std::vector<std::size_t> matches = MatchStocks(directory_, text);
        QList<QTreeWidgetItem*> items;
        items.reserve(static_cast<qsizetype>(matches.size()));
        for (std::size_t i : matches) {
            items.append(new QTreeWidgetItem(QStringList{ui::ToQString(directory_.Code(i)),
                                                         ui::ToQString(directory_.Initials(i)),
                                                         ui::ToQString(directory_.Name(i))}));
        }
        tree_->addTopLevelItems(items);
        window_.render(&image);
        return matches.size();
    }

private:
    const CStockDirectory& directory_;
    QWidget window_;
    QTreeWidget* tree_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::size_t keystrokes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000;
    const std::size_t stocks = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 5000;
    if (keystrokes == 0 || stocks == 0) {
        std::fprintf(stderr, "usage: %s [keystrokes] [stocks]\n", argv[0]);
        return 2;
    }
    const CStockDirectory directory = GenerateDirectory(stocks);
    const std::vector<std::string> script = TypingScript(keystrokes);
    QImage image(CStockSearchPopup::kWidth, CStockSearchPopup::kHeight, QImage::Format_ARGB32_Premultiplied);
    std::printf("%zu keystrokes over %zu stocks (%zu clear the edit), platform %s\n", script.size(), stocks,
                static_cast<std::size_t>(std::count(script.begin(), script.end(), std::string())),
                qPrintable(QGuiApplication::platformName()));

    CStockSearchPopup popup;
    popup.SetDirectory(directory);
    QObject owner;
    const Summary model = Run(script, [&](const std::string& text) {
        popup.ShowMatches(text, {100, 100}, &owner);
        popup.render(&image);
        return static_cast<std::size_t>(popup.List()->model()->rowCount());
    });
    Print("pop-up (model over the directory)", model, script.size());

    ItemPerRowList items(directory);
    const Summary perRow = Run(script, [&](const std::string& text) { return items.Keystroke(text, image); });
    Print("one list item per row", perRow, script.size());
    return 0;
}
