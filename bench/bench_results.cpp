// The results window with a huge result: "Cari Semua" for "the" over the whole Bible, then
// highlight, removal, saving, scrolling and page switches, timed the way a user meets them. Run by
// hand, headless, on the demo data:
//     QT_QPA_PLATFORM=offscreen build/bench/bench_results data
// Every figure is printed with its floor, measured in the same run, and the ratio to it:
//   shown       Enter until the first screen of text is painted; floor: reading the result file
//               and splitting it into lines, the least any viewer of it does
//   highlight   marking every "the" ("Kata Tepat", red); floor: finding them all in the text
//   removal     "Hilangkan highlight warna" until repainted; floor: one repaint of the page
//   memory      what the results window adds to the resident size; floor: the text itself (UTF-16)
//   blocked     the longest time the event loop did not run during each step; floor: 100 ms
// and the targets: shown <= 300 ms, highlight and removal <= 500 ms, memory <= 30 MB.
#include "resident.h"

#include "foundation/memory.h"
#include "foundation/safefile.h"
#include "foundation/tempfolder.h"
#include "reader/form1.h"
#include "results/form2.h"
#include "search/resultfile.h"
#include "uikit/filedialog.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double ms(const QElapsedTimer& clock)
{
    return clock.nsecsElapsed() / 1e6;
}

/// The longest stretch in which the event loop did not run, while it is armed.
class StallWatch final : public QObject
{
public:
    StallWatch()
    {
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_longest = std::max(m_longest, ms(m_sinceTick));
            m_sinceTick.restart();
        });
    }
    void arm()
    {
        m_longest = 0;
        m_sinceTick.start();
        m_timer.start();
    }
    /// The longest stall since `arm`, counting the one that is still going on.
    double disarm()
    {
        m_timer.stop();
        return std::max(m_longest, ms(m_sinceTick));
    }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    double m_longest = 0;
};

/// Notes when a widget is next painted.
class PaintProbe final : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void waitForPaint(PaintProbe& probe)
{
    QElapsedTimer limit;
    limit.start();
    while (!probe.painted && limit.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* what, double value, double floor, const char* unit, double target = -1)
{
    std::printf(
        "%-34s %9.1f %s   floor %8.1f %s   ratio %6.2f", what, value, unit, floor, unit, value / floor);
    if (target > 0)
        std::printf("   target %.0f %s: %s", target, unit, value <= target ? "met" : "MISSED");
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    tirta::returnLargeBlocksToSystem(); // as the program does
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_results DATA-FOLDER\n");
        return 2;
    }
    qputenv("TIRTA_NO_MODAL", "1");
    QTemporaryDir settings;
    QTemporaryDir files;
    Form1 reader({ QString::fromLocal8Bit(argv[1]), settings.path() });
    if (!reader.Form_Load())
        return 1;
    reader.show();
    QCoreApplication::processEvents();
    reader.findChild<QLineEdit*>(u"Text1"_s)->setText(u"the"_s);
    reader.findChild<QComboBox*>(u"Combo2"_s)->setCurrentIndex(3);
    reader.findChild<QAction*>(u"MenuPencarianOptimal"_s)->setChecked(false);
    auto* searchAll = reader.findChild<QPushButton*>(u"Command4"_s);
    StallWatch stall;
    PaintProbe probe;

    // A small search first, so that the windows exist and what is measured is the huge result.
    reader.findChild<QLineEdit*>(u"Text1"_s)->setText(u"Nebuchadnezzar"_s);
    searchAll->click();
    QCoreApplication::processEvents();
    reader.findChild<QLineEdit*>(u"Text1"_s)->setText(u"the"_s);
    auto* form = reader.findChild<Form2*>();
    // Any scrolling text view will do, so that older builds of the window can be measured alike.
    auto* view = form->findChild<QAbstractScrollArea*>(u"rt1"_s);
    view->viewport()->installEventFilter(&probe);
    malloc_trim(0);
    const double before = residentMegabytes();

    std::vector<double> shown;
    std::vector<double> shownStall;
    for (int round = 0; round < 5; ++round) {
        probe.painted = false;
        stall.arm();
        QElapsedTimer clock;
        clock.start();
        searchAll->click();
        waitForPaint(probe);
        shown.push_back(ms(clock));
        shownStall.push_back(stall.disarm());
    }
    const double after = residentMegabytes();
    // The window's own share: loading the finished result file and painting its first screen.
    std::vector<double> loaded;
    std::vector<double> loadedStall;
    const QString resultPath = QDir(tirta::TempFolder())
                                   .entryInfoList({ u"~ty*.tmp"_s }, QDir::Files, QDir::Time)
                                   .value(0)
                                   .absoluteFilePath();
    for (int round = 0; round < 5; ++round) {
        probe.painted = false;
        stall.arm();
        QElapsedTimer clock;
        clock.start();
        form->ShowResultFile(resultPath);
        waitForPaint(probe);
        loaded.push_back(ms(clock));
        loadedStall.push_back(stall.disarm());
    }
    malloc_trim(0);
    const double afterTrim = residentMegabytes();

    // Floors of the same run.
    const QString resultText = form->resultsText();
    std::vector<double> readFloor;
    std::vector<double> findFloor;
    const QString savedPlain = files.filePath(u"hasil.txt"_s);
    tirta::writeFileWhole(savedPlain, tirta::toCrLf(resultText).toUtf8());
    int hits = 0;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer clock;
        clock.start();
        QFile file(savedPlain);
        file.open(QIODevice::ReadOnly);
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u"\r\n"_s);
        readFloor.push_back(ms(clock));
        clock.restart();
        hits = 0;
        for (qsizetype at = resultText.indexOf(u"the"_s, 0, Qt::CaseInsensitive); at >= 0;
             at = resultText.indexOf(u"the"_s, at + 4, Qt::CaseInsensitive))
            ++hits;
        findFloor.push_back(ms(clock));
        if (lines.isEmpty())
            return 1;
    }

    // Highlight and its removal.
    form->findChild<QLineEdit*>(u"Text1"_s)->setText(u"the"_s);
    form->findChild<QCheckBox*>(u"Check1"_s)->setChecked(true);
    auto* highlight = form->findChild<QPushButton*>(u"Command8"_s);
    auto* removal = form->findChild<QPushButton*>(u"Command4"_s);
    std::vector<double> marking;
    std::vector<double> markingStall;
    std::vector<double> unmarking;
    std::vector<double> unmarkingStall;
    std::vector<double> repaint;
    double marked = 0;
    for (int round = 0; round < 5; ++round) {
        stall.arm();
        QElapsedTimer clock;
        clock.start();
        highlight->click();
        probe.painted = false;
        waitForPaint(probe);
        marking.push_back(ms(clock));
        markingStall.push_back(stall.disarm());
        marked = residentMegabytes();

        stall.arm();
        clock.restart();
        probe.painted = false;
        removal->click();
        waitForPaint(probe);
        unmarking.push_back(ms(clock));
        unmarkingStall.push_back(stall.disarm());

        clock.restart();
        probe.painted = false;
        view->viewport()->update();
        waitForPaint(probe);
        repaint.push_back(ms(clock));
    }

    // ESC during the highlight: how long until the marking has stopped.
    std::vector<double> escape;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer pressed;
        QTimer::singleShot(5, form, [&] {
            pressed.start();
            form->findChild<QAction*>(u"Esc"_s)->trigger();
        });
        highlight->click();
        escape.push_back(pressed.isValid() ? ms(pressed) : 0);
        removal->click();
    }

    // Saving, scrolling through the page, switching pages, all with the marks on.
    highlight->click();
    std::vector<std::pair<const char*, double>> stalls;
    for (const QString& name : { u"hasil-simpan.txt"_s, u"hasil-simpan.rtf"_s }) {
        tirta::ui::FileDialog::setNextFileName(files.filePath(name));
        stall.arm();
        form->findChild<QPushButton*>(u"Command2"_s)->click();
        QCoreApplication::processEvents();
        stalls.push_back({ name.endsWith(u"txt"_s) ? "save as text" : "save as rich text", stall.disarm() });
    }
    QScrollBar* bar = view->verticalScrollBar();
    double scrollWorst = 0;
    for (int value = 0; value <= bar->maximum(); value += std::max(1, bar->maximum() / 200)) {
        stall.arm();
        bar->setValue(value);
        probe.painted = false;
        waitForPaint(probe);
        scrollWorst = std::max(scrollWorst, stall.disarm());
    }
    stalls.push_back({ "scroll (200 jumps over the page)", scrollWorst });
    auto* tabs = form->findChild<QTabBar*>(u"SSTab1"_s);
    stall.arm();
    tabs->setCurrentIndex(1);
    QCoreApplication::processEvents();
    tabs->setCurrentIndex(0);
    probe.painted = false;
    waitForPaint(probe);
    stalls.push_back({ "switch to ClipBook and back", stall.disarm() });

    std::printf("\"the\" over the whole Bible: %d marks, %lld characters shown, median of 5 runs\n", hits,
        static_cast<long long>(resultText.size()));
    report("Enter -> first screen shown", median(shown), median(readFloor), "ms", 300);
    report("  of which the window (load, paint)", median(loaded), median(readFloor), "ms", 300);
    report("highlight \"the\" (Kata Tepat, red)", median(marking), median(findFloor), "ms", 500);
    report("Hilangkan highlight warna", median(unmarking), median(repaint), "ms", 500);
    report("ESC -> highlight stopped", median(escape), 100, "ms");
    const double textMegabytes = resultText.size() * 2 / 1048576.0;
    report("memory added by the window", after - before, textMegabytes, "MB", 30);
    report("  same, freed heap returned", afterTrim - before, textMegabytes, "MB", 30);
    report("  with every \"the\" marked", marked - before, textMegabytes, "MB", 30);
    report("blocked: Enter until shown", median(shownStall), 100, "ms", 100);
    report("  of which the window (load, paint)", median(loadedStall), 100, "ms", 100);
    report("blocked: highlight", median(markingStall), 100, "ms", 100);
    report("blocked: removal", median(unmarkingStall), 100, "ms", 100);
    for (const auto& [what, worst] : stalls)
        report((u"blocked: "_s + QLatin1StringView(what)).toLatin1().constData(), worst, 100, "ms", 100);
    return 0;
}
