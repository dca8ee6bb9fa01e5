// Opens a full-size synthetic data file the way the reader does and reports how long it takes,
// how fast a chapter is found and how much memory the open file costs. Run by hand:
//     build/bench/bench_data [folder]
#include "foundation/books.h"
#include "foundation/datasession.h"
#include "support/fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Chapters per book in canonical order: 1,189 in all.
constexpr int kChapters[66] = { 50, 40, 27, 36, 34, 24, 21, 4, 31, 24, 22, 25, 29, 36, 10, 13, 10, 42, 150,
    31, 12, 8, 66, 52, 5, 48, 12, 14, 3, 9, 1, 4, 7, 3, 3, 3, 2, 14, 4, 28, 16, 24, 21, 28, 16, 16, 13, 6, 6,
    4, 4, 5, 3, 6, 4, 3, 1, 13, 5, 5, 3, 5, 1, 1, 1, 22 };

long residentKilobytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

QString buildFile(const QString& path)
{
    tirta::test::FixtureBuilder builder({ 3, true, true });
    for (int n = 1; n <= 3; ++n)
        builder.version(n, u"Terjemahan "_s + QString::number(n));
    QStringList names = tirta::oldTestamentNames() + tirta::newTestamentNames();
    for (int b = 0; b < 66; ++b)
        builder.book(names[b], { names[b], names[b], names[b] }, kChapters[b]);
    const QString verse
        = u"Lalu berfirmanlah Allah kepada umat-Nya dengan kasih dan setia, dan mereka mendengar."_s;
    for (int b = 0; b < 66; ++b) {
        for (int c = 1; c <= kChapters[b]; ++c) {
            QStringList verses;
            for (int v = 0; v < 40; ++v)
                verses << verse;
            builder.chapter(names[b], c, { verses, verses, verses });
        }
    }
    return builder.write(path);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString path = folder + u"/Purnaka2000.dat"_s;
    if (!QFile::exists(path) && buildFile(path).isEmpty()) {
        std::fprintf(stderr, "cannot build %s\n", qPrintable(path));
        return 1;
    }
    std::printf("file: %.1f MB\n", QFileInfo(path).size() / 1e6);
    const long before = residentKilobytes();

    QElapsedTimer timer;
    timer.start();
    tirta::DataFailure failure;
    auto session = tirta::DataSession::open(path, &failure);
    const double openMs = timer.nsecsElapsed() / 1e6;
    if (!session) {
        std::fprintf(stderr, "%s\n", qPrintable(tirta::describe(failure)));
        return 1;
    }
    std::printf("open with 19 recordsets: %.2f ms\n", openMs);

    tirta::Recordset& chapters = session->recordset(tirta::Role::Chapters);
    const int rounds = 200;
    timer.restart();
    for (int i = 0; i < rounds; ++i) {
        chapters.moveFirst();
        chapters.findFirst(u"Buku='Wahyu' AND Bab=22"_s);
    }
    std::printf("find first of the last chapter: %.3f ms\n", timer.nsecsElapsed() / 1e6 / rounds);
    timer.restart();
    qsizetype characters = 0;
    for (chapters.moveFirst(); !chapters.eof(); chapters.moveNext())
        characters += chapters.text(u"Kitab1").size();
    std::printf("read every chapter of one translation: %.1f ms (%lld characters)\n",
        timer.nsecsElapsed() / 1e6, static_cast<long long>(characters));
    std::printf("resident memory: %.1f MB after opening (%.1f MB before)\n", residentKilobytes() / 1024.0,
        before / 1024.0);
    return 0;
}
