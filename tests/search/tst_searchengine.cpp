#include "foundation/checksum.h"
#include "foundation/datasession.h"
#include "foundation/recordset.h"
#include "foundation/safefile.h"
#include "foundation/tempfolder.h"
#include "search/searchengine.h"
#include "support/fixture.h"
#include "support/searchrequests.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::search;
using tirta::test::busyClock;
using tirta::test::fileBytes;
using tirta::test::stillClock;

namespace {

/// A progress dialog stand-in that counts what the search tells it and stops when told to.
class FakeProgress : public Progress
{
public:
    int starts = 0;
    int ticks = 0;
    int ends = 0;
    int stopQuestions = 0;
    int lastHits = -1;
    int stopAfterTicks = -1; ///< answer "stop" once this many ticks have passed; -1 never

    void started() override { ++starts; }
    void tick(int hits, qint64) override
    {
        ++ticks;
        lastHits = hits;
    }
    bool stopRequested() override
    {
        ++stopQuestions;
        return stopAfterTicks >= 0 && ticks >= stopAfterTicks;
    }
    void finished(int hits, qint64) override
    {
        ++ends;
        lastHits = hits;
    }
};

/// The hits of "Allah" in translation 1, as the result file lists them.
const QByteArray kGen11 = "\r\n\r\nKejadian 1\r\n1:1 Pada mulanya Allah menciptakan langit dan bumi.\r\n";
const QByteArray kGen13 = "\r\n\r\nKejadian 1\r\n1:3 Berfirmanlah Allah: Jadilah terang.\r\n";
const QByteArray kGen22 = "\r\n\r\nKejadian 2\r\n2:2 Lalu ALLAH memberkati hari ketujuh.\r\n";
const QByteArray kMat21 = "\r\n\r\nMatius 2\r\n2:1 Lihatlah Anak Domba O'Allah.\r\n";
const QByteArray kYoh33 = "\r\n\r\nYohanes 3\r\n3:3 Karena begitu besar kasih Allah akan dunia ini.\r\n";

/// A result file of a search in "Versi A" that took no time: heading, count lines, hits.
QByteArray resultFile(
    const QString& scope, const QString& text, int hits, const QByteArray& body, bool stopped)
{
    const QByteArray opening = "Tirtamaya \xe2\x80\x94 Versi A\r\n" + scope.toUtf8()
        + "\r\n -- Sintaks Pencarian: " + text.toUtf8() + "\r\n -- Ditemukan : " + QByteArray::number(hits)
        + " ayat \r\n -- Waktu Pencarian : 00:00:00\r\n";
    if (stopped)
        return opening + " -- (PENCARIAN DIHENTIKAN)" + body + "\r\n\r\n--PENCARIAN DIHENTIKAN--\r\n";
    return opening + body;
}

/// `length` pieces drawn from `alphabet`.
QString draw(QRandomGenerator& random, const QStringList& alphabet, int length)
{
    QString s;
    for (int i = 0; i < length; ++i)
        s += alphabet[random.bounded(static_cast<int>(alphabet.size()))];
    return s;
}

} // namespace

class SearchEngineTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dataDir;
    std::unique_ptr<tirta::DataSession> m_session;
    std::unique_ptr<QTemporaryDir> m_results;

    Request wholeBible(const QString& text) const
    {
        return tirta::test::wholeBibleRequest(text, m_results->path());
    }

    Outcome run(const Request& request, Progress* progress = nullptr, Clock clock = stillClock())
    {
        return searchAll(request, *m_session, progress, clock);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QString error;
        m_session
            = tirta::test::FixtureBuilder({ 2, true, true })
                  .version(1, u"Versi A"_s)
                  .version(2, u"Versi B"_s)
                  .book(u"Kejadian"_s, { u"Kejadian"_s, u"Genesis"_s }, 2)
                  .book(u"Keluaran"_s, { u"Keluaran"_s, u"Exodus"_s })
                  .book(u"Matius"_s, { u"Matius"_s, u"Matthew"_s }, 2)
                  .book(u"Markus"_s, { u"Markus"_s, u"Mark"_s })
                  .book(u"Yohanes"_s, { u"Yohanes"_s, u"John"_s }, 3)
                  .chapter(u"Kejadian"_s, 1,
                      { { u"Pada mulanya Allah menciptakan langit dan bumi."_s,
                          u"Bumi belum berbentuk dan kosong."_s, u"Berfirmanlah Allah: Jadilah terang."_s } })
                  .chapter(u"Kejadian"_s, 2,
                      { { u"Demikianlah diselesaikan langit dan bumi."_s,
                          u"Lalu ALLAH memberkati hari ketujuh."_s } })
                  .chapter(u"Keluaran"_s, 1,
                      { { u"Inilah nama-nama anak Israel."_s, u"Ruben, Simeon, Lewi dan Yehuda."_s,
                          u"Tanda [x]*? dan #1 di sini."_s } })
                  .chapter(u"Matius"_s, 2,
                      { { u"Lihatlah Anak Domba O'Allah."_s, u"Orang majus dari Timur."_s },
                          { u"Behold the Lamb of God."_s, u"Wise men from the east."_s } })
                  .chapter(u"Markus"_s, 1,
                      { { u"Inilah permulaan Injil tentang Yesus."_s, u"Cinta-Nya kekal."_s } })
                  .chapter(u"Yohanes"_s, 3,
                      { { u"Ada seorang Farisi bernama Nikodemus."_s,
                          u"Ia datang kepada Yesus pada waktu malam."_s,
                          u"Karena begitu besar kasih Allah akan dunia ini."_s } })
                  .rawChapter(u"Yohanes"_s, 4, 2, { u"4:1 Ada sumur\n4:2 Air hidup"_s, QString() })
                  .open(m_dataDir.filePath(u"Purnaka2000.dat"_s), &error);
        QVERIFY2(m_session, qPrintable(error));
    }

    void init()
    {
        m_results = std::make_unique<QTemporaryDir>();
        QVERIFY(m_results->isValid());
    }

    // How a search over the whole Bible ends, quick or slow, stopped or not, with "Kata Tepat" or
    // without. Run again under "Pencarian Optimal", it shows its stored file and starts nothing.
    void runs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("slow");
        QTest::addColumn<int>("stopAfterTicks");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("stopQuestions");
        QTest::addColumn<int>("hits");
        QTest::addColumn<QByteArray>("body");

        const QByteArray all = kGen11 + kGen13 + kGen22 + kMat21 + kYoh33;
        // Only the look before the first chapter.
        QTest::newRow("quick") << u"Allah"_s << false << false << -1 << 0 << 1 << 5 << all;
        // One tick at every chapter (four are preselected), each followed by one look at the flag.
        QTest::newRow("slow") << u"Allah"_s << false << true << -1 << 4 << 4 << 5 << all;
        QTest::newRow("stopped before the first chapter")
            << u"Allah"_s << false << false << 0 << 0 << 1 << 0 << QByteArray();
        // The first tick comes before the first chapter, the second before the second, where the stop
        // is answered.
        QTest::newRow("stopped mid search")
            << u"Allah"_s << false << true << 2 << 2 << 2 << 2 << kGen11 + kGen13;
        QTest::newRow("exact words keep case")
            << u"Allah"_s << true << false << -1 << 0 << 1 << 4 << kGen11 + kGen13 + kMat21 + kYoh33;
        QTest::newRow("exact words, none")
            << u"aLLah"_s << true << false << -1 << 0 << 1 << 0 << QByteArray();
    }

    void runs()
    {
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(bool, slow);
        QFETCH(int, stopAfterTicks);
        QFETCH(int, ticks);
        QFETCH(int, stopQuestions);
        QFETCH(int, hits);
        QFETCH(QByteArray, body);
        Request request = wholeBible(text);
        request.matchCase = matchCase;
        FakeProgress progress;
        progress.stopAfterTicks = stopAfterTicks;
        const Outcome outcome = run(request, &progress, slow ? busyClock() : stillClock());
        const bool stopped = stopAfterTicks >= 0;
        QCOMPARE(outcome.status, stopped ? Status::Stopped : Status::Complete);
        QVERIFY(outcome.message.isEmpty());
        QCOMPARE(outcome.hits, hits);
        QCOMPARE(progress.starts, 1);
        QCOMPARE(progress.ticks, ticks);
        QCOMPARE(progress.stopQuestions, stopQuestions);
        QCOMPARE(progress.ends, 1);
        QCOMPARE(progress.lastHits, hits);
        const QString scope
            = u" -- Pencarian di seluruh Alkitab "_s + (matchCase ? u" -- Kata Tepat"_s : QString());
        const QByteArray file = resultFile(scope, text, hits, body, stopped);
        QCOMPARE(fileBytes(outcome.path), file);

        FakeProgress again;
        const Outcome reused = run(request, &again, busyClock());
        QCOMPARE(reused.status, Status::Reused);
        QVERIFY(reused.showsResults());
        QVERIFY(reused.message.isEmpty());
        QCOMPARE(reused.path, outcome.path);
        QCOMPARE(again.starts, 0);
        QCOMPARE(again.ticks, 0);
        QCOMPARE(fileBytes(reused.path), file);
    }

    void scopes_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("hits");
        QTest::addColumn<QByteArray>("body");

        QTest::newRow("chapter") << 0 << u" AND Buku ='Kejadian' AND Bab=2"_s
                                 << u" -- Pencarian di Kejadian 2"_s << 1 << kGen22;
        QTest::newRow("book") << 1 << u" AND Buku ='Kejadian'"_s << u" -- Pencarian di Kitab Kejadian"_s << 3
                              << kGen11 + kGen13 + kGen22;
        QTest::newRow("testament") << 2 << u" AND Perjanjian = 'Baru'"_s
                                   << u" --Pencarian di perjanjian Baru"_s << 2 << kMat21 + kYoh33;
        QTest::newRow("bible") << 3 << QString() << u" -- Pencarian di seluruh Alkitab "_s << 5
                               << kGen11 + kGen13 + kGen22 + kMat21 + kYoh33;
    }

    void scopes()
    {
        QFETCH(int, scope);
        QFETCH(QString, condition);
        QFETCH(QString, caption);
        QFETCH(int, hits);
        QFETCH(QByteArray, body);
        Request request = wholeBible(u"Allah"_s);
        request.scope = static_cast<Scope>(scope);
        request.chapterIndex = 1;
        request.testament = u"Baru"_s;
        const Outcome outcome = run(request);
        const QString sql = u"SELECT * FROM UsysAlkitab WHERE (Kitab1 LIKE '*Allah*'  )"_s + condition;
        QCOMPARE(outcome.status, Status::Complete);
        QCOMPARE(outcome.sql, sql);
        QCOMPARE(outcome.scopeCaption, caption);
        QCOMPARE(outcome.hits, hits);
        QCOMPARE(fileBytes(outcome.path), resultFile(caption, u"Allah"_s, hits, body, false));
        QCOMPARE(m_session->recordset(tirta::Role::Search).query(), sql);
        QVERIFY(outcome.path.startsWith(m_results->path() + u"/~ty"_s));
        QVERIFY(outcome.path.endsWith(u".tmp"_s));
        QCOMPARE(outcome.entry.summary,
            u"Versi A\r\n-- Sintaks pencarian : Allah\r\n"_s + caption
                + u"\r\n-- Ditemukan : %1 ayat\r\n-- Waktu pencarian : 00:00:00"_s.arg(hits));
    }

    // The preselection asks for the alternatives of the first list as typed: quotes doubled and
    // wildcards standing for themselves. The file repeats the text as typed and ends with `lastHit`.
    void criteria_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<int>("hits");
        QTest::addColumn<QByteArray>("lastHit");

        QTest::newRow("alternatives")
            << u"Nikodemus&majus"_s << u"Kitab1 LIKE '*Nikodemus*'  or Kitab1 LIKE '*majus*'  "_s << 2
            << QByteArray("Yohanes 3\r\n3:1 Ada seorang Farisi bernama Nikodemus.\r\n");
        QTest::newRow("wildcards") << u"[x]*? dan #1"_s << u"Kitab1 LIKE '*[[]x][*][?] dan [#]1*'  "_s << 1
                                   << QByteArray("Keluaran 1\r\n1:3 Tanda [x]*? dan #1 di sini.\r\n");
        QTest::newRow("quote") << u"O'Allah"_s << u"Kitab1 LIKE '*O''Allah*'  "_s << 1 << kMat21;
        QTest::newRow("three characters") << u"a+b"_s << u"Kitab1 LIKE '*a*'  "_s << 9 << kYoh33;
        QTest::newRow("more words and an exclusion")
            << u"Allah+a^langit"_s << u"Kitab1 LIKE '*Allah*'  "_s << 4 << kYoh33;
        // A chapter saved with other line ends is still read verse by verse.
        QTest::newRow("other line ends") << u"sumur"_s << u"Kitab1 LIKE '*sumur*'  "_s << 1
                                         << QByteArray("\r\n\r\nYohanes 4\r\n4:1 Ada sumur\r\n");
    }

    void criteria()
    {
        QFETCH(QString, text);
        QFETCH(QString, criterion);
        QFETCH(int, hits);
        QFETCH(QByteArray, lastHit);
        const Outcome outcome = run(wholeBible(text));
        QCOMPARE(outcome.status, Status::Complete);
        QCOMPARE(outcome.sql, u"SELECT * FROM UsysAlkitab WHERE ("_s + criterion + u')');
        QCOMPARE(outcome.hits, hits);
        const QByteArray file = fileBytes(outcome.path);
        QVERIFY(file.contains(QByteArray("\r\n -- Sintaks Pencarian: " + text.toUtf8() + "\r\n")));
        QVERIFY(file.endsWith(lastHit));
        QCOMPARE(outcome.entry.label, text + u" (Versi A -- Pencarian di seluruh Alkitab )"_s);
    }

    // The key names the result file: the column and the text with its quotes doubled, then what the
    // scope depends on. The changed rows take another column, book, chapter, testament and
    // "Kata Tepat".
    void searchKeys_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("key");
        QTest::newRow("chapter") << 0 << false << u"Kitab1O''AllahCari di Pasal aktifKejadianTrue04"_s;
        QTest::newRow("book") << 1 << false << u"Kitab1O''AllahCari di Kitab aktifKejadianTrue0"_s;
        QTest::newRow("testament") << 2 << false << u"Kitab1O''AllahCari di Perjanjian aktifTrue0"_s;
        QTest::newRow("chapter, changed")
            << 0 << true << u"Kitab2O''AllahCari di Pasal aktifKeluaranFalse17"_s;
        QTest::newRow("bible, changed") << 3 << true << u"Kitab2O''Allah21"_s;
    }

    void searchKeys()
    {
        QFETCH(int, scope);
        QFETCH(bool, changed);
        QFETCH(QString, key);
        Request request = wholeBible(u"O'Allah"_s);
        request.scope = static_cast<Scope>(scope);
        request.chapterIndex = 4;
        if (changed) {
            request.column = u"Kitab2"_s;
            request.bookListText = request.book = u"Keluaran"_s;
            request.chapterIndex = 7;
            request.oldTestament = false;
            request.matchCase = true;
        }
        QCOMPARE(searchKey(request), key);
        QCOMPARE(resultFilePath(key, request.tempFolder),
            request.tempFolder + u"~ty"_s + tirta::SearchKeyChecksum(key) + u".tmp"_s);
    }

    // "cinta" and "injil" over the whole Bible have keys with the same checksum: each search keeps
    // a file of its own and finds it again, also after the file before it is gone.
    void searchesSharingAChecksumKeepTheirOwnFiles()
    {
        QCOMPARE(tirta::SearchKeyChecksum(searchKey(wholeBible(u"cinta"_s))),
            tirta::SearchKeyChecksum(searchKey(wholeBible(u"injil"_s))));
        const Outcome cinta = run(wholeBible(u"cinta"_s));
        const Outcome injil = run(wholeBible(u"injil"_s));
        QCOMPARE(cinta.status, Status::Complete);
        QCOMPARE(injil.status, Status::Complete);
        QCOMPARE(injil.path, QString(cinta.path).replace(u".tmp"_s, u"-2.tmp"_s));
        QVERIFY(fileBytes(cinta.path).contains("1:2 Cinta-Nya kekal."));
        QVERIFY(fileBytes(injil.path).contains("1:1 Inilah permulaan Injil tentang Yesus."));
        const Outcome cintaAgain = run(wholeBible(u"cinta"_s));
        QCOMPARE(cintaAgain.status, Status::Reused);
        QCOMPARE(cintaAgain.path, cinta.path);

        // Without the Optimal option a search runs again and replaces its own file, not the other one's.
        Request request = wholeBible(u"injil"_s);
        request.optimal = false;
        const QByteArray written = fileBytes(injil.path);
        QVERIFY(tirta::writeFileWhole(injil.path, written + "lama"));
        const Outcome injilAnew = run(request);
        QCOMPARE(injilAnew.status, Status::Complete);
        QCOMPARE(injilAnew.path, injil.path);
        QCOMPARE(fileBytes(injil.path), written);
        QVERIFY(fileBytes(cinta.path).contains("Cinta-Nya"));

        QVERIFY(QFile::remove(cinta.path));
        const Outcome injilAgain = run(wholeBible(u"injil"_s));
        QCOMPARE(injilAgain.status, Status::Reused);
        QCOMPARE(injilAgain.path, injil.path);
        // A new search of that checksum takes the freed name.
        QCOMPARE(run(wholeBible(u"cinta"_s)).path, cinta.path);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("two characters")
            << u"ab"_s << int(Status::TooShort) << u"Kata yang dicari terlalu pendek"_s;
        QTest::newRow("leading plus")
            << u"+kasih"_s << int(Status::BadSyntax) << u"Lihat panduan untuk penggunaan syntax pencarian"_s;
        QTest::newRow("nowhere") << u"zzzz"_s << int(Status::NotFound) << u"Kata tidak ditemukan"_s;
    }

    void refusals()
    {
        QFETCH(QString, text);
        QFETCH(int, status);
        QFETCH(QString, message);
        FakeProgress progress;
        const Outcome outcome = run(wholeBible(text), &progress);
        QCOMPARE(int(outcome.status), status);
        QCOMPARE(outcome.message, message);
        QVERIFY(!outcome.showsResults());
        QCOMPARE(progress.starts, 0);
        QVERIFY(QDir(m_results->path()).entryList(QDir::Files).isEmpty());
    }

    // The column names the translation searched; an unknown one is refused by the engine and the
    // search recordset keeps the last good query.
    void columnChoosesTheTranslation()
    {
        Request request = wholeBible(u"God"_s);
        request.column = u"Kitab2"_s;
        const Outcome outcome = run(request);
        QCOMPARE(outcome.hits, 1);
        QVERIFY(fileBytes(outcome.path).endsWith("\r\n\r\nMatius 2\r\n2:1 Behold the Lamb of God.\r\n"));
        request.column = u"KitabX"_s;
        const Outcome rejected = run(request);
        QCOMPARE(rejected.status, Status::QueryFailed);
        QVERIFY(!rejected.message.isEmpty());
        QVERIFY(m_session->has(tirta::Role::Search));
        QCOMPARE(m_session->recordset(tirta::Role::Search).query(),
            u"SELECT * FROM UsysAlkitab WHERE (Kitab2 LIKE '*God*'  )"_s);
    }

    // Without a folder the results go to the temporary folder; a folder that cannot take them is
    // reported, and so is a full disk.
    void resultFolder()
    {
        Request request = wholeBible(u"Allah"_s);
        request.tempFolder.clear();
        const Outcome inTemp = run(request);
        QCOMPARE(inTemp.status, Status::Complete);
        QCOMPARE(QFileInfo(inTemp.path).absolutePath() + u'/', tirta::TempFolder());
        QFile::remove(inTemp.path);

        request.tempFolder = m_results->path() + u"/missing/folder/"_s;
        const Outcome outcome = run(request);
        QCOMPARE(outcome.status, Status::WriteFailed);
        QVERIFY(outcome.message.startsWith(u"Hasil pencarian tidak dapat disimpan"_s));
        QVERIFY(!outcome.showsResults());

        // A full disk once left an empty result file that was listed as done.
        request.tempFolder = m_results->path() + u'/';
        const tirta::SimulatedFullDisk full(100);
        const Outcome full100 = run(request);
        QCOMPARE(full100.status, Status::WriteFailed);
        QVERIFY(full100.message.endsWith(u"Ruang disk tidak cukup."_s));
        QVERIFY(!QFile::exists(full100.path));
    }

    // Straight through the stored text or through the preselection query and the decoded text, a
    // search writes, byte for byte, the lines of the preselected chapters that the plain predicates
    // take one by one, and keeps the preselection's rows as the search recordset.
    void everyQueryGivesWhatThePredicatesGive()
    {
        QRandomGenerator random(2024);
        // Letters that lower-case by arithmetic, by table, into two units (the dotted capital I) or
        // into ASCII (long s, Kelvin sign), letters beyond the basic plane (Deseret), a quote that has
        // no case, and every kind of line break.
        const QStringList textAlphabet { u"the"_s, u"The"_s, u"THE"_s, u"a"_s, u"B"_s, u" "_s, u"k"_s, u"s"_s,
            u"i"_s, u"\u0130"_s, u"\u017f"_s, u"\u212a"_s, u"\u00e9"_s, u"\u00c9"_s, u"\u03a3"_s, u"\u2019"_s,
            QString::fromUcs4(U"\U00010400"), u"\r\n"_s, u"\n"_s, u"\r"_s };
        const QStringList queryAlphabet { u"t"_s, u"h"_s, u"e"_s, u"T"_s, u"a"_s, u"b"_s, u"k"_s, u"s"_s,
            u"i"_s, u" "_s, u"&"_s, u"+"_s, u"^"_s, u"\u00e9"_s, u"\u03c3"_s, u"\u0307"_s,
            QString::fromUcs4(U"\U00010428") };
        tirta::test::FixtureBuilder builder;
        builder.version(1, u"Versi A"_s);
        for (const QString& book : { u"Kejadian"_s, u"Keluaran"_s, u"Matius"_s }) {
            builder.book(book, { book }, 8);
            for (int chapter = 1; chapter <= 8; ++chapter)
                builder.rawChapter(book, chapter, 1, { draw(random, textAlphabet, random.bounded(40)) });
        }
        // A chapter that opens with a byte order mark, and one with bytes that are not UTF-8.
        builder.statement(u"UPDATE UsysAlkitab SET Kitab1=CAST(X'EFBBBF7468652061' AS TEXT) WHERE Bab=1"_s)
            .statement(u"UPDATE UsysAlkitab SET Kitab1=CAST(X'74C368746865FF0D0A41' AS TEXT) WHERE Bab=2"_s);
        QTemporaryDir dir;
        QString error;
        const auto session = builder.open(dir.filePath(u"Purnaka2000.dat"_s), &error);
        QVERIFY2(session, qPrintable(error));

        static const QRegularExpression lineBreak(u"\r\n|\n|\r"_s);
        for (int round = 0; round < 500; ++round) {
            Request request = wholeBible(draw(random, queryAlphabet, 3 + random.bounded(4)));
            request.optimal = false;
            request.matchCase = random.bounded(2) == 1;
            request.scope = random.bounded(3) == 0 ? Scope::Book : Scope::Bible;
            const Outcome outcome = searchAll(request, *session, nullptr, stillClock());
            ParseQuery parsed;
            parsed.Query(request.text);
            if (parsed.WordList1().isEmpty())
                continue;
            const QString what = u"query '%1', matchCase %2"_s.arg(request.text).arg(request.matchCase);
            const auto rows = session->database().openRecordset(outcome.sql);
            QVERIFY2(rows, qPrintable(what));
            if (rows->recordCount() == 0) {
                QVERIFY2(outcome.status == Status::NotFound, qPrintable(what));
                continue;
            }
            ResultText expected(request.caption, outcome.scopeCaption, syntaxLine(request.text));
            int hits = 0;
            for (rows->moveFirst(); !rows->eof(); rows->moveNext()) {
                const QString text = rows->text(u"Kitab1");
                for (const QString& line : text.isEmpty() ? QStringList() : text.split(lineBreak)) {
                    if (ParseQuery::MatchLine(parsed.WordList1(), parsed.WordList2(), parsed.WordList3(),
                            line, request.matchCase)) {
                        ++hits;
                        expected.appendHit(hitHeader(rows->text(u"Buku"), rows->text(u"Bab")), line);
                    }
                }
            }
            QVERIFY2(outcome.status == Status::Complete, qPrintable(what));
            QVERIFY2(fileBytes(outcome.path) == expected.opening(hits, u"00:00:00"_s, {}) + expected.hits(),
                qPrintable(what));
            tirta::Recordset& search = session->recordset(tirta::Role::Search);
            QCOMPARE(search.recordCount(), rows->recordCount());
            for (rows->moveFirst(), search.moveFirst(); !rows->eof(); rows->moveNext(), search.moveNext())
                QCOMPARE(search.text(u"Kitab1"), rows->text(u"Kitab1"));
        }
    }

    // The engine refuses an expression about a thousand levels deep; a query of that many
    // alternatives still runs, with ASCII words and without.
    void thousandsOfAlternativesRun_data()
    {
        QTest::addColumn<QString>("last");
        QTest::newRow("ascii") << u"Nikodemus"_s;
        QTest::newRow("beyond ascii") << u"Nikod\u00e9mus&Nikodemus"_s;
    }
    void thousandsOfAlternativesRun()
    {
        QFETCH(QString, last);
        QStringList alternatives;
        for (int i = 0; i < 1500; ++i)
            alternatives << u"zq"_s + QString::number(i);
        const Outcome outcome = run(wholeBible(alternatives.join(u'&') + u'&' + last));
        QCOMPARE(outcome.status, Status::Complete);
        QCOMPARE(outcome.hits, 1);
        QVERIFY(m_session->recordset(tirta::Role::Search)
                    .query()
                    .startsWith(u"SELECT * FROM UsysAlkitab WHERE ("_s));
    }

    // Without a pacer and whatever its line ends, a chapter is tested by the lines that hold its words,
    // or line by line when the first list has an empty word; an empty chapter has no lines.
    void matchingLinesOfAChapter_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QByteArray>("hits");
        QTest::newRow("by its words") << u"kasih"_s << QByteArray("H\r\n1:1 Kasih\r\nH\r\n1:3 kasih\r\n");
        QTest::newRow("line by line")
            << u"kasih&"_s << QByteArray("H\r\n1:1 Kasih\r\nH\r\n1:2 benci\r\nH\r\n1:3 kasih\r\n");
    }

    void matchingLinesOfAChapter()
    {
        QFETCH(QString, words);
        QFETCH(QByteArray, hits);
        const LineFilter filter(words, {}, {}, false);
        ResultText out(u"c"_s, u"s"_s, u"q"_s);
        int count = 0;
        AppendMatchingLines(filter, u"1:1 Kasih\r\n1:2 benci\n1:3 kasih\r"_s, u"H"_s, out, count);
        AppendMatchingLines(filter, QString(), u"H"_s, out, count);
        QCOMPARE(out.hits(), hits);
        QCOMPARE(count, int(hits.count("H\r\n")));
    }

    void elapsedTime_data()
    {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("under a second") << qint64(999) << u"00:00:00"_s;
        QTest::newRow("minutes") << qint64(62'500) << u"00:01:02"_s;
        QTest::newRow("hours") << qint64(3'723'000) << u"01:02:03"_s;
    }

    void elapsedTime()
    {
        QFETCH(qint64, milliseconds);
        QFETCH(QString, text);
        QCOMPARE(formatElapsed(milliseconds), text);
    }

    void deleteResultFiles()
    {
        const QString folder = m_results->path() + u'/';
        const QStringList names { u"~ty123.tmp"_s, u"~ty.tmp"_s, u"~ty123-2.tmp"_s, u"~tyBookmarks.tmp"_s,
            u"lain.tmp"_s, u"~ty12a.tmp"_s, u"~ty45.txt"_s, u"~ty45-.tmp"_s };
        for (const QString& name : names)
            QVERIFY(tirta::writeFileWhole(folder + name, "x"));
        QVERIFY(QDir().mkdir(folder + u"~ty77.tmp"_s));
        QCOMPARE(DeleteResultFiles(folder), 3);
        QStringList left
            = QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        left.sort();
        QCOMPARE(left,
            QStringList({ u"lain.tmp"_s, u"~ty12a.tmp"_s, u"~ty45-.tmp"_s, u"~ty45.txt"_s, u"~ty77.tmp"_s,
                u"~tyBookmarks.tmp"_s }));
    }

    void resultList()
    {
        ResultList list;
        const Outcome one = run(wholeBible(u"Allah"_s));
        const Outcome two = run(wholeBible(u"kasih"_s));
        Request unlistedRequest = wholeBible(u"bumi"_s);
        unlistedRequest.optimal = false;
        const Outcome unlisted = run(unlistedRequest);
        list.AddToResultList(one.entry, true);
        list.AddToResultList(two.entry, true);
        list.AddToResultList(unlisted.entry, false);
        QCOMPARE(list.labels(),
            QStringList({ u"Allah (Versi A -- Pencarian di seluruh Alkitab )"_s,
                u"kasih (Versi A -- Pencarian di seluruh Alkitab )"_s }));
        QCOMPARE(ResultList::deleteItemCaption(list.at(1)),
            u"Hapus \"kasih (Versi A -- Pencarian di seluruh Alkitab )\""_s);

        QVERIFY(!list.removeAt(2));
        QVERIFY(list.removeAt(0));
        QVERIFY(!QFile::exists(one.path));
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.at(0).path, two.path);

        // A file removed behind the list's back is skipped; unlisted files stay.
        QVERIFY(QFile::remove(two.path));
        list.AddToResultList(one.entry, true);
        list.clear();
        QVERIFY(list.isEmpty());
        QVERIFY(QFile::exists(unlisted.path));
    }
};

TIRTA_TEST_MAIN_CORE(SearchEngineTest)
#include "tst_searchengine.moc"
