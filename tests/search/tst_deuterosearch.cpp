#include "foundation/datasession.h"
#include "search/deuterosearch.h"
#include "support/deuterofixture.h"
#include "support/searchrequests.h"
#include "support/testenv.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::search;
using tirta::test::fileBytes;

namespace {

/// Answers "stop" at its first question, before the first chapter.
class StopAtOnce : public Progress
{
public:
    void tick(int, qint64) override { }
    bool stopRequested() override { return true; }
};

const QByteArray kHeading
    = "Pencarian di Kitab Deuterokanonika\r\nDeutero 1\r\n -- Sintaks Pencarian: kasih\r\n";

} // namespace

class DeuteroSearchTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dataDir;
    QTemporaryDir m_results;
    std::unique_ptr<tirta::DataSession> m_session;

    Outcome run(const QString& text, int translation, Progress* progress = nullptr)
    {
        const Request request = deuteroRequest(
            text, translation, u"Deutero "_s + QString::number(translation), false, false, m_results.path());
        return searchAll(request, *m_session, progress, tirta::test::stillClock());
    }

private Q_SLOTS:
    void initTestCase()
    {
        tirta::test::FixtureBuilder builder;
        builder.version(1, u"Versi A"_s).book(u"Kejadian"_s, { u"Kejadian"_s });
        m_session = tirta::test::addDeuteroSample(builder).open(m_dataDir.filePath(u"Purnaka2000.dat"_s));
        QVERIFY(m_session);
    }

    void keyAndFileNamePerTranslation_data()
    {
        QTest::addColumn<int>("translation");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("fileName");
        // Keys "1kasih0" …: weights 1, 2, 3, 4, 2, 3, 4 over the code page values.
        QTest::newRow("first") << 1 << false << u"~ty1728.tmp"_s;
        QTest::newRow("second") << 2 << false << u"~ty1729.tmp"_s;
        QTest::newRow("third") << 3 << false << u"~ty1730.tmp"_s;
        QTest::newRow("exact words") << 1 << true << u"~ty1732.tmp"_s;
    }

    void keyAndFileNamePerTranslation()
    {
        QFETCH(int, translation);
        QFETCH(bool, matchCase);
        QFETCH(QString, fileName);
        const Request request = deuteroRequest(u"kasih"_s, translation, {}, matchCase, true);
        QCOMPARE(resultFileName(searchKey(request)), fileName);
    }

    void completeSearchWritesTheFileAndTheEntry()
    {
        const Outcome outcome = run(u"kasih"_s, 1);
        QCOMPARE(outcome.status, Status::Complete);
        QCOMPARE(outcome.sql, u"SELECT * FROM UsysDeuterokanonika WHERE Kitab1 LIKE '*kasih*'  "_s);
        QCOMPARE(fileBytes(outcome.path),
            kHeading + " -- Ditemukan : 3 ayat \r\n -- Waktu Pencarian : 00:00:00\r\n"
                + "\r\n\r\nTobit 1\r\n1:2 Tobit hidup dalam kasih setia.\r\n"
                + "\r\n\r\nTobit 2\r\n2:2 Kasih dan O'Tuhan.\r\n"
                + "\r\n\r\nSirakh 1\r\n1:2 Kasih akan Tuhan adalah kebijaksanaan yang mulia.\r\n");
        QCOMPARE(outcome.entry.label, u"kasih (Deutero 1)"_s);
        QCOMPARE(outcome.entry.summary,
            u"Deutero 1\r\n-- Sintaks pencarian : kasih  \r\n-- Pencarian di seluruh Kitab Deuterokanonika "
            u"\r\n-- Ditemukan : 3 ayat\r\n-- Waktu pencarian : 00:00:00"_s);
        QCOMPARE(deuteroEntry(u"kasih"_s, u"D"_s, true, {}, 0, {}).summary.section(u"\r\n"_s, 1, 1),
            u"-- Sintaks pencarian : kasih  -- Kata Tepat "_s);
        // The preselection is the deuterocanonical search recordset; the Bible's stays as it was.
        QCOMPARE(m_session->recordset(tirta::Role::DeuteroSearch).query(), outcome.sql);
        QCOMPARE(m_session->recordset(tirta::Role::Search).query(), u"SELECT * FROM UsysAlkitab"_s);
    }

    void stoppedSearchHasTheTagButNoClosingLine()
    {
        StopAtOnce progress;
        const Outcome outcome = run(u"kasih"_s, 1, &progress);
        QCOMPARE(outcome.status, Status::Stopped);
        QCOMPARE(fileBytes(outcome.path),
            kHeading
                + " -- Ditemukan : 0 ayat \r\n -- Waktu Pencarian : 00:00:00\r\n -- (PENCARIAN DIHENTIKAN)");
    }

    void referencesUseTheTranslationsBookNames()
    {
        QVERIFY(fileBytes(run(u"Tuhan"_s, 2).path)
                    .endsWith("\r\n\r\nJesus anak ni si Sirak 1\r\n1:1 Sude habisuhon sian Tuhan do.\r\n"));
    }

    void translationWithoutTextSaysSo()
    {
        const Outcome outcome = run(u"zzzz"_s, 3);
        QCOMPARE(outcome.status, Status::NotFound);
        QCOMPARE(outcome.message,
            u"Terjemahan Deutero 3 tidak memuat teks Kitab Deuterokanonika, jadi tidak ada yang dapat dicari."_s);
        QCOMPARE(run(u"zzzz"_s, 1).message, u"Kata tidak ditemukan"_s);
    }
};

TIRTA_TEST_MAIN_CORE(DeuteroSearchTest)
#include "tst_deuterosearch.moc"
