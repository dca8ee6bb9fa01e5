// Opens the reader on a data file the way the program does and times a chapter change, the work
// behind every click in the chapter list. Run by hand, headless:
//     QT_QPA_PLATFORM=offscreen build/bench/bench_reader data
#include "resident.h"

#include "reader/form1.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace { } // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_reader DATA-FOLDER\n");
        return 2;
    }
    QTemporaryDir settings;
    Form1 reader({ QString::fromLocal8Bit(argv[1]), settings.path() });
    QElapsedTimer clock;
    clock.start();
    if (!reader.Form_Load())
        return 1;
    reader.show();
    QCoreApplication::processEvents();
    std::printf("load and first chapter: %.1f ms, resident memory %.1f MB\n", clock.nsecsElapsed() / 1e6,
        residentMegabytes());

    // Psalm 119, the longest chapter, and Psalm 118 in turn.
    QString psalm = u"Mazmur#118:1"_s;
    reader.JumpLocation(psalm);
    auto* chapters = reader.findChild<QListWidget*>(u"List2"_s);
    std::vector<double> times;
    for (int i = 0; i < 40; ++i) {
        clock.restart();
        chapters->setCurrentRow(i % 2 == 0 ? 118 : 117);
        QCoreApplication::processEvents();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("chapter change incl. marking and parallel verse: median %.2f ms, worst %.2f ms\n",
        times[times.size() / 2], times.back());
    std::printf("resident memory after reading: %.1f MB\n", residentMegabytes());

    // "Cari" over the whole Bible for a word of the last book only: the jump search scans it all.
    auto* box = reader.findChild<QLineEdit*>(u"Text1"_s);
    auto* scope = reader.findChild<QComboBox*>(u"Combo2"_s);
    auto* find = reader.findChild<QPushButton*>(u"Command1"_s);
    box->setText(u"Apollyon"_s);
    scope->setCurrentIndex(3);
    times.clear();
    for (int i = 0; i < 10; ++i) {
        QString start = u"Kejadian#1:1"_s;
        reader.JumpLocation(start);
        clock.restart();
        find->click();
        QCoreApplication::processEvents();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("Cari, whole Bible, word of Wahyu only: median %.2f ms, worst %.2f ms\n",
        times[times.size() / 2], times.back());

    // "Cari Semua" from the button press until the results window shows the file.
    auto* searchAll = reader.findChild<QPushButton*>(u"Command4"_s);
    const QStringList queries { u"love"_s, u"Nebuchadnezzar"_s, u"love&faith^hate"_s };
    for (const QString& query : queries) {
        box->setText(query);
        reader.findChild<QAction*>(u"MenuPencarianOptimal"_s)->setChecked(false);
        clock.restart();
        searchAll->click();
        QCoreApplication::processEvents();
        std::printf(
            "Cari Semua \"%s\" to results shown: %.1f ms\n", qPrintable(query), clock.nsecsElapsed() / 1e6);
    }
    return 0;
}
