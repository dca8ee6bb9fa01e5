// Times the deuterocanonical search ("CariDeutro") over every deuterocanonical book of translation
// 1 of a real data file, in the engine: from the preselection query to the written result file.
// Run by hand on the demo data (sh scripts/build-demo-data.sh):
//     build/bench/bench_deutero data
#include "foundation/datasession.h"
#include "foundation/safefile.h"
#include "search/deuterosearch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_deutero DATA-FOLDER\n");
        return 2;
    }
    tirta::DataFailure failure;
    auto session
        = tirta::DataSession::open(QString::fromLocal8Bit(argv[1]) + u"/Purnaka2000.dat"_s, &failure);
    if (!session) {
        std::fprintf(stderr, "%s\n", qPrintable(tirta::describe(failure)));
        return 1;
    }
    std::printf("%d deuterocanonical chapters\n", session->recordset(tirta::Role::Deutero).recordCount());

    QTemporaryDir results;
    const int rounds = 50;
    std::printf("%-22s %6s %8s %8s %8s %12s %10s\n", "query", "hits", "min ms", "median", "max",
        "preselection", "write");
    const auto median = [](std::vector<double>& v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    for (const QString& text : { u"wisdom"_s, u"Tobit"_s, u"mercy&love^sin"_s, u"the"_s }) {
        // Without "Pencarian Optimal" every round searches again.
        const tirta::search::Request request = tirta::search::deuteroRequest(
            text, 1, u"World English Bible"_s, false, false, results.path() + u'/');
        std::vector<double> times;
        tirta::search::Outcome outcome;
        for (int i = 0; i < rounds; ++i) {
            QElapsedTimer timer;
            timer.start();
            outcome = tirta::search::searchAll(request, *session);
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        // The two parts the engine does not control: the data layer's query and the durable write.
        std::vector<double> preselection;
        std::vector<double> write;
        QFile file(outcome.path);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        for (int i = 0; i < rounds; ++i) {
            QElapsedTimer timer;
            timer.start();
            session->database().openRecordset(outcome.sql);
            preselection.push_back(timer.nsecsElapsed() / 1e6);
            timer.restart();
            tirta::writeFileWhole(outcome.path, bytes);
            write.push_back(timer.nsecsElapsed() / 1e6);
        }
        const double middle = median(times);
        std::printf("%-22s %6d %8.2f %8.2f %8.2f %12.2f %10.2f\n", qPrintable(text), outcome.hits,
            times.front(), middle, times.back(), median(preselection), median(write));
    }
    return 0;
}
