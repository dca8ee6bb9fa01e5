// Times the dictionary's lookup while typing, the work behind every keystroke in its search box,
// over a dictionary of demo size (or the dictionary of a data file given). Run by hand, headless:
//     QT_QPA_PLATFORM=offscreen build/bench/bench_dictionary [data/Purnaka2000.dat]
#include "foundation/datasession.h"
#include "study/dictionary.h"
#include "study/form9.h"
#include "support/fakereader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

/// 5,300 headwords of two to four syllables, each with a short explanation.
std::unique_ptr<tirta::DataSession> demoSizedDictionary(const QString& path)
{
    const QString syllables[] = { u"ba"_s, u"da"_s, u"ka"_s, u"la"_s, u"ma"_s, u"na"_s, u"ra"_s, u"sa"_s,
        u"ta"_s, u"ya"_s, u"el"_s, u"on"_s };
    tirta::test::FixtureBuilder builder;
    for (int i = 0; i < 5300; ++i) {
        QString word = syllables[i % 12] + syllables[(i / 12) % 12];
        for (int rest = i / 144; rest > 0; rest /= 12)
            word += syllables[rest % 12];
        word[0] = word[0].toUpper();
        builder.row(
            u"UsysKamus"_s, { { u"Entri"_s, word }, { u"Penjelasan"_s, QString(word + u" adalah ..."_s) } });
    }
    builder.row(u"UsysKamus"_s, { { u"Entri"_s, u"Love"_s }, { u"Penjelasan"_s, u"Kasih."_s } });
    return builder.open(path);
}

void report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.3f ms, worst %.3f ms over %zu\n", what, times[times.size() / 2], times.back(),
        times.size());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    tirta::DataFailure failure;
    auto session = argc > 1 ? tirta::DataSession::open(QString::fromLocal8Bit(argv[1]), &failure)
                            : demoSizedDictionary(folder.filePath(u"kamus.dat"_s));
    if (!session) {
        std::fprintf(stderr, "the data file does not open\n");
        return 1;
    }
    tirta::test::FakeReader reader(*session, folder.path());
    QElapsedTimer clock;
    clock.start();
    Form9 form(reader);
    std::printf("dictionary window with %d headwords built in %.1f ms\n",
        session->recordset(tirta::Role::Dictionary).recordCount(), clock.nsecsElapsed() / 1e6);

    // "Love" letter by letter and back, as a reader looks a word up; each keystroke also shows the
    // explanation of the newly selected headword.
    auto* box = form.findChild<QLineEdit*>(u"Text1"_s);
    std::vector<double> keystrokes;
    for (int round = 0; round < 50; ++round) {
        for (const QString& text :
            { u"L"_s, u"Lo"_s, u"Lov"_s, u"Love"_s, u"Lov"_s, u"Lo"_s, u"L"_s, QString() }) {
            clock.restart();
            box->setText(text);
            QCoreApplication::processEvents();
            keystrokes.push_back(clock.nsecsElapsed() / 1e6);
        }
    }
    report("keystroke in the search box", keystrokes);

    // The prefix search alone, on the sorted list and on the same list out of order.
    const QStringList headwords = tirta::study::loadHeadwords(session->recordset(tirta::Role::Dictionary));
    QStringList reversed = headwords;
    std::reverse(reversed.begin(), reversed.end());
    for (const QStringList& list : { headwords, reversed }) {
        const tirta::study::HeadwordIndex index(list);
        std::vector<double> lookups;
        for (int i = 0; i < 2000; ++i) {
            clock.restart();
            index.findPrefix(QStringView(list[(i * 37) % list.size()]).left(3));
            lookups.push_back(clock.nsecsElapsed() / 1e6);
        }
        report(index.isSorted() ? "prefix search, binary" : "prefix search, one pass", lookups);
    }
    return 0;
}
