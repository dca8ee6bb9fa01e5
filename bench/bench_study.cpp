// Opens the reader on a data file with the pericope list docked and times what the list does
// while a person reads: a book change that refills it, a rebuild alone and a scroll step. Run by
// hand, headless:
//     QT_QPA_PLATFORM=offscreen build/bench/bench_study data
#include "reader/form1.h"
#include "study/docked.h"
#include "study/form12.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

/// Runs `step` `count` times and prints the median and the worst time.
void timeSteps(const char* what, int count, const std::function<void(int)>& step)
{
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < count; ++i) {
        clock.start();
        step(i);
        QCoreApplication::processEvents();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.2f ms, worst %.2f ms\n", what, times[times.size() / 2], times.back());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_study DATA-FOLDER\n");
        return 2;
    }
    QTemporaryDir settings;
    Form1 reader({ QString::fromLocal8Bit(argv[1]), settings.path() });
    if (!reader.Form_Load())
        return 1;
    tirta::study::installPericopes(reader);
    reader.show();
    QCoreApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    reader.findChild<QAction*>(u"MenuPerikop"_s)->trigger();
    QCoreApplication::processEvents();
    std::printf("open the pericope list for Kejadian: %.1f ms\n", clock.nsecsElapsed() / 1e6);

    auto* books = reader.findChild<QListWidget*>(u"List1"_s);
    auto* list = reader.findChild<Form12*>();
    // Kejadian and Mazmur in turn, the books with the longest lists of the Old Testament.
    timeSteps("book change with the list refilled", 20, [&](int i) { books->setCurrentRow(i % 2 ? 0 : 18); });
    timeSteps("rebuild of the list alone", 20, [&](int) { list->GetPerikop(); });
    auto* scroll = list->findChild<QScrollBar*>(u"VScroll1"_s);
    timeSteps("scroll step", 50, [&](int i) { scroll->setValue((i * 640) % 32000); });
    return 0;
}
