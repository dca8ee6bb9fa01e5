// Times "Cari Semua" over the whole Bible: the whole engine, from the search text to the written
// result file, against its floor, a plain "grep -c -i" over the same translation's text, run in
// turn with it in the same process so both see the same machine. Run by hand:
//     build/bench/bench_search [folder]
// A folder holding a data file (the demo data's "data" folder) is searched as it is; otherwise a
// full-size synthetic file (1,189 chapters, three translations) is built there and kept for the
// next run. The text of translation 1 is written to the folder as kitab1.txt for grep.
#include "foundation/books.h"
#include "foundation/datasession.h"
#include "search/searchengine.h"
#include "support/fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Chapters per book in canonical order: 1,189 in all.
constexpr int kChapters[66] = { 50, 40, 27, 36, 34, 24, 21, 4, 31, 24, 22, 25, 29, 36, 10, 13, 10, 42, 150,
    31, 12, 8, 66, 52, 5, 48, 12, 14, 3, 9, 1, 4, 7, 3, 3, 3, 2, 14, 4, 28, 16, 24, 21, 28, 16, 16, 13, 6, 6,
    4, 4, 5, 3, 6, 4, 3, 1, 13, 5, 5, 3, 5, 1, 1, 1, 22 };
constexpr int kVersesPerChapter = 26; // about 31,000 verses, as many as a whole Bible has

const char* const kWords[] = { "and", "the", "of", "unto", "he", "that", "shall", "lord", "for", "his", "a",
    "they", "be", "is", "him", "not", "them", "with", "all", "thou", "thy", "was", "which", "my", "god",
    "said", "me", "will", "ye", "their", "have", "from", "people", "land", "house", "king", "son", "day",
    "came", "hand", "upon", "children", "israel", "out", "men", "before", "away", "go", "should", "word",
    "heart", "spirit", "blessed", "city", "mountain", "water", "bread", "truth", "servant", "voice" };
constexpr int kWordCount = sizeof(kWords) / sizeof(kWords[0]);

/// A small fixed pseudo-random sequence, so every run builds the same text.
struct Lcg
{
    quint32 state = 12345;
    int next(int bound)
    {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<quint32>(bound));
    }
};

/// A verse of about 25 words; "love" in about 1 verse of 40, "faith" 1 of 100, "hate" 1 of 150,
/// "Nebuchadnezzar" only in the verses of a few books.
QString verse(Lcg& random, bool nebuchadnezzarBook)
{
    QString text;
    const int words = 18 + random.next(14);
    for (int w = 0; w < words; ++w) {
        if (w > 0)
            text += u' ';
        text += QLatin1StringView(kWords[random.next(kWordCount)]);
    }
    if (random.next(40) == 0)
        text += u" and love one another"_s;
    if (random.next(100) == 0)
        text += u" by faith"_s;
    if (random.next(150) == 0)
        text += u" that hate the light"_s;
    if (nebuchadnezzarBook && random.next(12) == 0)
        text += u" in the days of Nebuchadnezzar king of Babylon"_s;
    return text + u'.';
}

QString buildFile(const QString& path)
{
    tirta::test::FixtureBuilder builder({ 3, true, true });
    for (int n = 1; n <= 3; ++n)
        builder.version(n, u"Terjemahan "_s + QString::number(n));
    const QStringList names = tirta::oldTestamentNames() + tirta::newTestamentNames();
    for (int b = 0; b < 66; ++b)
        builder.book(names[b], { names[b], names[b], names[b] }, kChapters[b]);
    Lcg random;
    for (int b = 0; b < 66; ++b) {
        const bool nebuchadnezzar = names[b] == u"Daniel"_s || names[b] == u"Yeremia"_s
            || names[b] == u"II Raja-raja"_s || names[b] == u"Ezra"_s;
        for (int c = 1; c <= kChapters[b]; ++c) {
            std::vector<QStringList> translations(3);
            for (auto& verses : translations) {
                for (int v = 0; v < kVersesPerChapter; ++v)
                    verses << verse(random, nebuchadnezzar);
            }
            builder.chapter(names[b], c, translations);
        }
    }
    return builder.write(path);
}

void exportText(tirta::DataSession& session, const QString& path)
{
    QByteArray all;
    tirta::Recordset& chapters = session.recordset(tirta::Role::Chapters);
    for (chapters.moveFirst(); !chapters.eof(); chapters.moveNext())
        all += chapters.text(u"Kitab1").toUtf8() + "\r\n";
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(all);
}

/// What grep looks for as the floor of a query: its words before the first "+" or "^".
QStringList grepArguments(const QString& query, const QString& file)
{
    QStringList arguments { u"-c"_s, u"-i"_s };
    for (const QString& word : query.section(u'^', 0, 0).section(u'+', 0, 0).split(u'&'))
        arguments << u"-e"_s << word;
    return arguments << file;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString path = folder + u"/Purnaka2000.dat"_s;
    if (!QFile::exists(path)) {
        QElapsedTimer build;
        build.start();
        if (buildFile(path).isEmpty()) {
            std::fprintf(stderr, "cannot build %s\n", qPrintable(path));
            return 1;
        }
        std::printf("built the data file in %.1f s\n", build.elapsed() / 1000.0);
    }
    std::printf("file: %s, %.1f MB\n", qPrintable(path), QFileInfo(path).size() / 1e6);
    tirta::DataFailure failure;
    auto session = tirta::DataSession::open(path, &failure);
    if (!session) {
        std::fprintf(stderr, "%s\n", qPrintable(tirta::describe(failure)));
        return 1;
    }
    QTemporaryDir results;
    const QString text = results.filePath(u"kitab1.txt"_s);
    exportText(*session, text);
    std::printf("text of Kitab1: %.1f MB\n", QFileInfo(text).size() / 1e6);

    const int rounds = 31;
    std::printf("%-18s %6s %10s %10s %10s %10s %7s\n", "query", "hits", "engine min", "median", "grep min",
        "median", "ratio");
    for (const QString& query :
        { u"love"_s, u"Nebuchadnezzar"_s, u"love&faith^hate"_s, u"the"_s, u"and"_s }) {
        tirta::search::Request request;
        request.text = query;
        request.scope = tirta::search::Scope::Bible;
        request.column = u"Kitab1"_s;
        request.translationName = u"Terjemahan 1"_s;
        request.caption = u"Tirtamaya - Terjemahan 1"_s;
        request.optimal = false; // every round searches again
        request.tempFolder = results.path() + u'/';
        std::vector<double> engine;
        std::vector<double> floor;
        tirta::search::Outcome outcome;
        for (int i = 0; i < rounds; ++i) {
            QElapsedTimer timer;
            timer.start();
            outcome = tirta::search::searchAll(request, *session);
            engine.push_back(timer.nsecsElapsed() / 1e6);
            QProcess grep;
            grep.setStandardOutputFile(QProcess::nullDevice());
            timer.restart();
            grep.start(u"grep"_s, grepArguments(query, text));
            grep.waitForFinished();
            floor.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("%-18s %6d %10.2f %10.2f %10.2f %10.2f %7.2f\n", qPrintable(query), outcome.hits,
            *std::min_element(engine.begin(), engine.end()), median(engine),
            *std::min_element(floor.begin(), floor.end()), median(floor), median(engine) / median(floor));
    }
    return 0;
}
