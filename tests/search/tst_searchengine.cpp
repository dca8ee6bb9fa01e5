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

/// A clock that stands still: every search takes no time.
using tirta::test::busyClock;
using tirta::test::stillClock;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QByteArray kCrLf = "\r\n";

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
                            u"Bumi belum berbentuk dan kosong."_s, u"Berfirmanlah Allah: Jadilah terang."_s },
                          { u"In the beginning God created the heaven and the earth."_s,
                              u"And the earth was without form."_s,
                              u"And God said, Let there be light."_s } })
                  .chapter(u"Kejadian"_s, 2,
                      { { u"Demikianlah diselesaikan langit dan bumi."_s,
                            u"Lalu ALLAH memberkati hari ketujuh."_s },
                          { u"Thus the heavens and the earth were finished."_s,
                              u"And God blessed the seventh day."_s } })
                  .chapter(u"Keluaran"_s, 1,
                      { { u"Inilah nama-nama anak Israel."_s, u"Ruben, Simeon, Lewi dan Yehuda."_s,
                            u"Tanda [x] dan #1 di sini."_s },
                          { u"These are the names."_s, u"Reuben, Simeon, Levi, and Judah."_s,
                              u"A sign."_s } })
                  .chapter(u"Matius"_s, 2,
                      { { u"Lihatlah Anak Domba O'Allah."_s, u"Orang majus dari Timur."_s },
                          { u"Behold the Lamb of God."_s, u"Wise men from the east."_s } })
                  .chapter(u"Markus"_s, 1,
                      { { u"Inilah permulaan Injil tentang Yesus."_s, u"Cinta-Nya kekal."_s },
                          { u"The beginning of the gospel."_s, u"His love endures."_s } })
                  .chapter(u"Yohanes"_s, 3,
                      { { u"Ada seorang Farisi bernama Nikodemus."_s,
                            u"Ia datang kepada Yesus pada waktu malam."_s,
                            u"Karena begitu besar kasih Allah akan dunia ini."_s },
                          { u"There was a man of the Pharisees."_s, u"The same came to Jesus by night."_s,
                              u"For God so loved the world."_s } })
                  .rawChapter(u"Yohanes"_s, 4, 2, { u"4:1 Ada sumur\n4:2 Air hidup"_s, QString() })
                  .open(m_dataDir.filePath(u"Purnaka2000.dat"_s), &error);
        QVERIFY2(m_session, qPrintable(error));
    }

    void init()
    {
        m_results = std::make_unique<QTemporaryDir>();
        QVERIFY(m_results->isValid());
    }

    void completeSearchWritesTheFile()
    {
        FakeProgress progress;
        const Outcome outcome = run(wholeBible(u"Allah"_s), &progress);
        QCOMPARE(outcome.status, Status::Complete);
        QVERIFY(outcome.message.isEmpty());
        QCOMPARE(outcome.hits, 5);
        QCOMPARE(outcome.elapsed, u"00:00:00"_s);
        QCOMPARE(outcome.sql, u"SELECT * FROM UsysAlkitab WHERE (Kitab1 LIKE '*Allah*'  )"_s);
        QVERIFY(outcome.path.startsWith(m_results->path() + u"/~ty"_s));
        QVERIFY(outcome.path.endsWith(u".tmp"_s));

        const QByteArray expected = QByteArray("Tirtamaya \xe2\x80\x94 Versi A\r\n")
            + " -- Pencarian di seluruh Alkitab \r\n" + " -- Sintaks Pencarian: Allah\r\n"
            + " -- Ditemukan : 5 ayat \r\n" + " -- Waktu Pencarian : 00:00:00\r\n"
            + "\r\n\r\nKejadian 1\r\n1:1 Pada mulanya Allah menciptakan langit dan bumi.\r\n"
            + "\r\n\r\nKejadian 1\r\n1:3 Berfirmanlah Allah: Jadilah terang.\r\n"
            + "\r\n\r\nKejadian 2\r\n2:2 Lalu ALLAH memberkati hari ketujuh.\r\n"
            + "\r\n\r\nMatius 2\r\n2:1 Lihatlah Anak Domba O'Allah.\r\n"
            + "\r\n\r\nYohanes 3\r\n3:3 Karena begitu besar kasih Allah akan dunia ini.\r\n";
        QCOMPARE(readAll(outcome.path), expected);

        QCOMPARE(outcome.entry.label, u"Allah (Versi A -- Pencarian di seluruh Alkitab )"_s);
        QCOMPARE(outcome.entry.path, outcome.path);
        QCOMPARE(outcome.entry.summary,
            u"Versi A\r\n-- Sintaks pencarian : Allah\r\n -- Pencarian di seluruh Alkitab \r\n"
            u"-- Ditemukan : 5 ayat\r\n-- Waktu pencarian : 00:00:00"_s);
        QCOMPARE(progress.starts, 1);
        QCOMPARE(progress.ends, 1);
        QCOMPARE(progress.lastHits, 5);
    }

    void quickSearchNeverYields()
    {
        FakeProgress progress;
        run(wholeBible(u"Allah"_s), &progress, stillClock());
        QCOMPARE(progress.ticks, 0);
        // Only the look before the first chapter.
        QCOMPARE(progress.stopQuestions, 1);
    }

    void slowSearchTicksAndAsksAfterEachTick()
    {
        FakeProgress progress;
        const Outcome outcome = run(wholeBible(u"Allah"_s), &progress, busyClock());
        QCOMPARE(outcome.status, Status::Complete);
        // One tick at every chapter (four are preselected), each followed by one look at the flag.
        QCOMPARE(progress.ticks, 4);
        QCOMPARE(progress.stopQuestions, 4);
    }

    void stopBeforeTheFirstChapter()
    {
        FakeProgress progress;
        progress.stopAfterTicks = 0;
        const Outcome outcome = run(wholeBible(u"Allah"_s), &progress);
        QCOMPARE(outcome.status, Status::Stopped);
        QCOMPARE(outcome.hits, 0);
        QVERIFY(outcome.message.isEmpty());
        const QByteArray expected = QByteArray("Tirtamaya \xe2\x80\x94 Versi A\r\n")
            + " -- Pencarian di seluruh Alkitab \r\n" + " -- Sintaks Pencarian: Allah\r\n"
            + " -- Ditemukan : 0 ayat \r\n" + " -- Waktu Pencarian : 00:00:00\r\n"
            + " -- (PENCARIAN DIHENTIKAN)" + "\r\n\r\n--PENCARIAN DIHENTIKAN--\r\n";
        QCOMPARE(readAll(outcome.path), expected);
        QCOMPARE(progress.ends, 1);
    }

    void stopMidSearch()
    {
        // Every look at the busy clock is due for a tick: the first tick comes before the first
        // chapter, the second before the second, where the stop is answered.
        FakeProgress progress;
        progress.stopAfterTicks = 2;
        const Outcome outcome = run(wholeBible(u"Allah"_s), &progress, busyClock());
        QCOMPARE(outcome.status, Status::Stopped);
        QCOMPARE(outcome.hits, 2);
        const QByteArray expected = QByteArray("Tirtamaya \xe2\x80\x94 Versi A\r\n")
            + " -- Pencarian di seluruh Alkitab \r\n" + " -- Sintaks Pencarian: Allah\r\n"
            + " -- Ditemukan : 2 ayat \r\n" + " -- Waktu Pencarian : 00:00:00\r\n"
            + " -- (PENCARIAN DIHENTIKAN)"
            + "\r\n\r\nKejadian 1\r\n1:1 Pada mulanya Allah menciptakan langit dan bumi.\r\n"
            + "\r\n\r\nKejadian 1\r\n1:3 Berfirmanlah Allah: Jadilah terang.\r\n"
            + "\r\n\r\n--PENCARIAN DIHENTIKAN--\r\n";
        QCOMPARE(readAll(outcome.path), expected);
    }

    void zeroHitsUnderExactWords()
    {
        Request request = wholeBible(u"aLLah"_s);
        request.matchCase = true;
        const Outcome outcome = run(request);
        QCOMPARE(outcome.status, Status::Complete);
        QCOMPARE(outcome.hits, 0);
        const QByteArray expected = QByteArray("Tirtamaya \xe2\x80\x94 Versi A\r\n")
            + " -- Pencarian di seluruh Alkitab  -- Kata Tepat\r\n" + " -- Sintaks Pencarian: aLLah\r\n"
            + " -- Ditemukan : 0 ayat \r\n" + " -- Waktu Pencarian : 00:00:00\r\n";
        QCOMPARE(readAll(outcome.path), expected);
    }

    void exactWordsKeepCase()
    {
        Request request = wholeBible(u"Allah"_s);
        request.matchCase = true;
        const Outcome outcome = run(request);
        QCOMPARE(outcome.hits, 4);
        QVERIFY(!readAll(outcome.path).contains("ALLAH"));
    }

    void twoHitsInOneChapter()
    {
        Request request = wholeBible(u"Allah"_s);
        request.scope = Scope::Chapter;
        const Outcome outcome = run(request);
        QCOMPARE(outcome.status, Status::Complete);
        QCOMPARE(outcome.sql,
            u"SELECT * FROM UsysAlkitab WHERE (Kitab1 LIKE '*Allah*'  ) AND Buku ='Kejadian' AND Bab=1"_s);
        QCOMPARE(outcome.scopeCaption, u" -- Pencarian di Kejadian 1"_s);
        const QByteArray expected = QByteArray("Tirtamaya \xe2\x80\x94 Versi A\r\n")
            + " -- Pencarian di Kejadian 1\r\n" + " -- Sintaks Pencarian: Allah\r\n"
            + " -- Ditemukan : 2 ayat \r\n" + " -- Waktu Pencarian : 00:00:00\r\n"
            + "\r\n\r\nKejadian 1\r\n1:1 Pada mulanya Allah menciptakan langit dan bumi.\r\n"
            + "\r\n\r\nKejadian 1\r\n1:3 Berfirmanlah Allah: Jadilah terang.\r\n";
        QCOMPARE(readAll(outcome.path), expected);
    }

    void scopes_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("hits");

        const QString criterion = u"SELECT * FROM UsysAlkitab WHERE (Kitab1 LIKE '*Allah*'  )"_s;
        QTest::newRow("chapter") << 0 << criterion + u" AND Buku ='Kejadian' AND Bab=2"_s
                                 << u" -- Pencarian di Kejadian 2"_s << 1;
        QTest::newRow("book") << 1 << criterion + u" AND Buku ='Kejadian'"_s
                              << u" -- Pencarian di Kitab Kejadian"_s << 3;
        QTest::newRow("testament") << 2 << criterion + u" AND Perjanjian = 'Baru'"_s
                                   << u" --Pencarian di perjanjian Baru"_s << 2;
        QTest::newRow("bible") << 3 << criterion << u" -- Pencarian di seluruh Alkitab "_s << 5;
    }

    void scopes()
    {
        QFETCH(int, scope);
        QFETCH(QString, sql);
        QFETCH(QString, caption);
        QFETCH(int, hits);
        Request request = wholeBible(u"Allah"_s);
        request.scope = static_cast<Scope>(scope);
        request.chapterIndex = 1;
        request.testament = u"Baru"_s;
        const Outcome outcome = run(request);
        QCOMPARE(outcome.sql, sql);
        QCOMPARE(outcome.scopeCaption, caption);
        QCOMPARE(outcome.hits, hits);
        QCOMPARE(m_session->recordset(tirta::Role::Search).query(), sql);
    }

    void alternativesMakeOneCriterion()
    {
        QCOMPARE(likeCriterion(u"Kitab30"_s, u"kasih&cinta"_s),
            u"Kitab30 LIKE '*kasih*'  or Kitab30 LIKE '*cinta*'  "_s);
        const Outcome outcome = run(wholeBible(u"Nikodemus&majus"_s));
        QCOMPARE(outcome.hits, 2);
    }

    void wildcardsStandForThemselves()
    {
        QCOMPARE(likeCriterion(u"Kitab1"_s, u"a*b?c#d[e]"_s), u"Kitab1 LIKE '*a[*]b[?]c[#]d[[]e]*'  "_s);
        for (const QString& text : { u"#1 di"_s, u"[x] dan"_s }) {
            const Outcome outcome = run(wholeBible(text));
            QCOMPARE(outcome.status, Status::Complete);
            QCOMPARE(outcome.hits, 1);
        }
    }

    void translationColumn()
    {
        Request request = wholeBible(u"God"_s);
        request.column = u"Kitab2"_s;
        const Outcome outcome = run(request);
        QCOMPARE(outcome.hits, 5);
        QVERIFY(readAll(outcome.path).contains("\r\n\r\nMatius 2\r\n2:1 Behold the Lamb of God.\r\n"));
    }

    void otherLineEndsStillSplitIntoVerses()
    {
        const Outcome outcome = run(wholeBible(u"sumur"_s));
        QCOMPARE(outcome.hits, 1);
        QVERIFY(readAll(outcome.path).endsWith("\r\n\r\nYohanes 4\r\n4:1 Ada sumur\r\n"));
    }

    void quoteInTheSearchText()
    {
        const Outcome outcome = run(wholeBible(u"O'Allah"_s));
        QCOMPARE(outcome.status, Status::Complete);
        QCOMPARE(outcome.sql, u"SELECT * FROM UsysAlkitab WHERE (Kitab1 LIKE '*O''Allah*'  )"_s);
        QCOMPARE(outcome.hits, 1);
        const QByteArray file = readAll(outcome.path);
        QVERIFY(file.contains(" -- Sintaks Pencarian: O'Allah\r\n"));
        QVERIFY(file.contains("\r\n\r\nMatius 2\r\n2:1 Lihatlah Anak Domba O'Allah.\r\n"));
        QCOMPARE(outcome.entry.label, u"O'Allah (Versi A -- Pencarian di seluruh Alkitab )"_s);
    }

    void searchKeys_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("key");
        QTest::newRow("chapter") << 0 << u"Kitab1O''AllahCari di Pasal aktifKejadianTrue04"_s;
        QTest::newRow("book") << 1 << u"Kitab1O''AllahCari di Kitab aktifKejadianTrue0"_s;
        QTest::newRow("testament") << 2 << u"Kitab1O''AllahCari di Perjanjian aktifTrue0"_s;
        QTest::newRow("bible") << 3 << u"Kitab1O''Allah20"_s;
    }

    void searchKeys()
    {
        QFETCH(int, scope);
        QFETCH(QString, key);
        Request request = wholeBible(u"O'Allah"_s);
        request.scope = static_cast<Scope>(scope);
        request.chapterIndex = 4;
        QCOMPARE(searchKey(request), key);
        QCOMPARE(resultFilePath(key, request.tempFolder),
            request.tempFolder + u"~ty"_s + tirta::SearchKeyChecksum(key) + u".tmp"_s);
    }

    void searchKeyChangesPerScope_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<bool>("byCase");
        QTest::addColumn<bool>("byBook");
        QTest::addColumn<bool>("byChapter");
        QTest::addColumn<bool>("byTestament");
        QTest::newRow("chapter") << 0 << true << true << true << true;
        QTest::newRow("book") << 1 << true << true << false << true;
        QTest::newRow("testament") << 2 << true << false << false << true;
        QTest::newRow("bible") << 3 << true << false << false << false;
    }

    void searchKeyChangesPerScope()
    {
        QFETCH(int, scope);
        QFETCH(bool, byCase);
        QFETCH(bool, byBook);
        QFETCH(bool, byChapter);
        QFETCH(bool, byTestament);
        Request base = wholeBible(u"kasih"_s);
        base.scope = static_cast<Scope>(scope);
        const QString key = searchKey(base);

        Request changed = base;
        changed.matchCase = true;
        QCOMPARE(searchKey(changed) != key, byCase);
        changed = base;
        changed.bookListText = u"Keluaran"_s;
        changed.book = u"Keluaran"_s;
        QCOMPARE(searchKey(changed) != key, byBook);
        changed = base;
        changed.chapterIndex = 7;
        QCOMPARE(searchKey(changed) != key, byChapter);
        changed = base;
        changed.oldTestament = false;
        QCOMPARE(searchKey(changed) != key, byTestament);
        changed = base;
        changed.column = u"Kitab2"_s;
        QVERIFY(searchKey(changed) != key);
    }

    void optimalReusesTheStoredFile()
    {
        ResultList list;
        FakeProgress first;
        const Outcome outcome = run(wholeBible(u"Allah"_s), &first);
        QCOMPARE(outcome.status, Status::Complete);
        list.AddToResultList(outcome.entry, true);
        const QByteArray stored = readAll(outcome.path);

        // The same search again: the stored file, no progress, nothing new for the list.
        FakeProgress second;
        const Outcome again = run(wholeBible(u"Allah"_s), &second, busyClock());
        QCOMPARE(again.status, Status::Reused);
        QVERIFY(again.showsResults());
        QVERIFY(again.message.isEmpty());
        QCOMPARE(again.path, outcome.path);
        QCOMPARE(second.starts, 0);
        QCOMPARE(second.ticks, 0);
        QCOMPARE(readAll(again.path), stored);
        QCOMPARE(list.size(), 1);
    }

    void withoutOptimalTheSearchRunsAgain()
    {
        Request request = wholeBible(u"Allah"_s);
        request.optimal = false;
        ResultList list;
        const Outcome first = run(request);
        list.AddToResultList(first.entry, request.optimal);
        const QByteArray written = readAll(first.path);
        QVERIFY(tirta::writeFileWhole(first.path, written + "lama"));
        const Outcome second = run(request);
        QCOMPARE(second.status, Status::Complete);
        QCOMPARE(second.path, first.path);
        QCOMPARE(readAll(second.path), written);
        QVERIFY(list.isEmpty());
    }

    void stoppedSearchIsReusedWithItsStopLines()
    {
        FakeProgress progress;
        progress.stopAfterTicks = 0;
        const Outcome stopped = run(wholeBible(u"Allah"_s), &progress);
        QCOMPARE(stopped.status, Status::Stopped);
        const Outcome again = run(wholeBible(u"Allah"_s));
        QCOMPARE(again.status, Status::Reused);
        QVERIFY(readAll(again.path).endsWith("--PENCARIAN DIHENTIKAN--\r\n"));
    }

    // "cinta" and "injil" over the whole Bible have keys with the same checksum: each search keeps
    // a file of its own and finds it again.
    void searchesSharingAChecksumKeepTheirOwnFiles()
    {
        QCOMPARE(tirta::SearchKeyChecksum(searchKey(wholeBible(u"cinta"_s))),
            tirta::SearchKeyChecksum(searchKey(wholeBible(u"injil"_s))));
        const Outcome cinta = run(wholeBible(u"cinta"_s));
        const Outcome injil = run(wholeBible(u"injil"_s));
        QCOMPARE(cinta.status, Status::Complete);
        QCOMPARE(injil.status, Status::Complete);
        QCOMPARE(injil.path, QString(cinta.path).replace(u".tmp"_s, u"-2.tmp"_s));
        QVERIFY(readAll(cinta.path).contains("1:2 Cinta-Nya kekal."));
        QVERIFY(readAll(injil.path).contains("1:1 Inilah permulaan Injil tentang Yesus."));

        const Outcome cintaAgain = run(wholeBible(u"cinta"_s));
        const Outcome injilAgain = run(wholeBible(u"injil"_s));
        QCOMPARE(cintaAgain.status, Status::Reused);
        QCOMPARE(cintaAgain.path, cinta.path);
        QCOMPARE(injilAgain.status, Status::Reused);
        QCOMPARE(injilAgain.path, injil.path);

        // Without the Optimal option a search replaces its own file, not the other one's.
        Request request = wholeBible(u"injil"_s);
        request.optimal = false;
        QCOMPARE(run(request).path, injil.path);
        QVERIFY(readAll(cinta.path).contains("Cinta-Nya"));
        QCOMPARE(DeleteResultFiles(m_results->path()), 2);
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
        QTest::newRow("leading caret")
            << u"^kasih"_s << int(Status::BadSyntax) << u"Lihat panduan untuk penggunaan syntax pencarian"_s;
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

    void threeCharactersAreSearched()
    {
        const Outcome outcome = run(wholeBible(u"a+b"_s));
        QCOMPARE(outcome.status, Status::Complete);
    }

    void noChapterSelectedSearchesChapterZero()
    {
        Request request = wholeBible(u"Allah"_s);
        request.scope = Scope::Chapter;
        request.chapterIndex = -1;
        const Outcome outcome = run(request);
        QVERIFY(outcome.sql.endsWith(u"Bab=0"_s));
        QCOMPARE(outcome.status, Status::NotFound);
    }

    void rejectedQueryKeepsTheSearchRecordset()
    {
        run(wholeBible(u"Allah"_s));
        Request request = wholeBible(u"Allah"_s);
        request.column = u"KitabX"_s;
        const Outcome outcome = run(request);
        QCOMPARE(outcome.status, Status::QueryFailed);
        QVERIFY(!outcome.message.isEmpty());
        QVERIFY(m_session->has(tirta::Role::Search));
        QCOMPARE(m_session->recordset(tirta::Role::Search).query(),
            u"SELECT * FROM UsysAlkitab WHERE (Kitab1 LIKE '*Allah*'  )"_s);
    }

    void unwritableFolder()
    {
        Request request = wholeBible(u"Allah"_s);
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

    void defaultFolderIsTheTemporaryFolder()
    {
        Request request = wholeBible(u"Allah"_s);
        request.tempFolder.clear();
        const Outcome outcome = run(request);
        QCOMPARE(outcome.status, Status::Complete);
        QCOMPARE(QFileInfo(outcome.path).absolutePath() + u'/', tirta::TempFolder());
        QFile::remove(outcome.path);
    }

    // Whatever the query and the line ends, a chapter gives the hits that testing its lines one by
    // one with the plain predicates gives, in the same order.
    void chapterHitsAgreeWithLineByLine()
    {
        QRandomGenerator random(77);
        // Letters that lower-case by arithmetic, by table, into two units (the dotted capital I)
        // and beyond the basic plane (Deseret), and a quote that has no case.
        const QStringList queryAlphabet { u"a"_s, u"A"_s, u"b"_s, u" "_s, u"&"_s, u"+"_s, u"^"_s, u"\u00e9"_s,
            u"\u03c3"_s, u"i"_s, u"\u0307"_s, QString::fromUcs4(U"\U00010428") };
        const QStringList lineAlphabet { u"a"_s, u"A"_s, u"b"_s, u"B"_s, u" "_s, u"\u0130"_s, u"\u00c9"_s,
            u"\u00e9"_s, u"\u03a3"_s, u"\u2019"_s, QString::fromUcs4(U"\U00010400") };
        const QStringList breaks { u"\r\n"_s, u"\r\n"_s, u"\n"_s, u"\r"_s };
        const auto draw = [&](const QStringList& alphabet, int maxLength) {
            QString s;
            const int length = static_cast<int>(random.bounded(maxLength + 1));
            for (int i = 0; i < length; ++i)
                s += alphabet[random.bounded(static_cast<int>(alphabet.size()))];
            return s;
        };
        static const QRegularExpression lineBreak(u"\r\n|\n|\r"_s);
        for (int round = 0; round < 3000; ++round) {
            ParseQuery parsed;
            parsed.Query(draw(queryAlphabet, 6));
            QString row = draw(lineAlphabet, 5);
            const int lineCount = static_cast<int>(random.bounded(5));
            for (int l = 0; l < lineCount; ++l)
                row += breaks[random.bounded(static_cast<int>(breaks.size()))] + draw(lineAlphabet, 5);
            for (const bool matchCase : { false, true }) {
                ResultText expected(u"c"_s, u"s"_s, u"q"_s);
                int expectedHits = 0;
                const QStringList lines = row.isEmpty() ? QStringList() : row.split(lineBreak);
                for (const QString& line : lines) {
                    if (ParseQuery::MatchLine(
                            parsed.WordList1(), parsed.WordList2(), parsed.WordList3(), line, matchCase)) {
                        ++expectedHits;
                        expected.appendHit(u"H"_s, line);
                    }
                }
                ResultText actual(u"c"_s, u"s"_s, u"q"_s);
                int actualHits = 0;
                const LineFilter filter(
                    parsed.WordList1(), parsed.WordList2(), parsed.WordList3(), matchCase);
                AppendMatchingLines(filter, row, u"H"_s, actual, actualHits);
                if (actualHits != expectedHits
                    || actual.finished(0, {}, {}) != expected.finished(0, {}, {})) {
                    QFAIL(qPrintable(u"lists '%1' '%2' '%3', chapter '%4', matchCase %5"_s.arg(
                        parsed.WordList1(), parsed.WordList2(), parsed.WordList3(),
                        QString(row).replace(u'\r', u'R').replace(u'\n', u'N'),
                        matchCase ? u"on"_s : u"off"_s)));
                }
            }
        }
    }

    // Straight through the stored text or through the preselection query and the decoded text: the
    // same file byte for byte, and the same rows in the search recordset, whatever the letters.
    void everyQueryGivesWhatThePreselectionGives()
    {
        QRandomGenerator random(2024);
        // Letters that lower-case or fold into ASCII (dotted capital I, long s, Kelvin sign), others
        // beyond ASCII, and every kind of line break.
        const QStringList textAlphabet { u"the"_s, u"The"_s, u"THE"_s, u"a"_s, u"B"_s, u" "_s, u"k"_s, u"s"_s,
            u"i"_s, u"\u0130"_s, u"\u017f"_s, u"\u212a"_s, u"\u00e9"_s, u"\u2019"_s, u"\r\n"_s, u"\n"_s,
            u"\r"_s };
        const QStringList queryAlphabet { u"t"_s, u"h"_s, u"e"_s, u"T"_s, u"a"_s, u"b"_s, u"k"_s, u"s"_s,
            u"i"_s, u" "_s, u"&"_s, u"+"_s, u"^"_s, u"\u00e9"_s };
        const auto draw = [&](const QStringList& alphabet, int length) {
            QString s;
            for (int i = 0; i < length; ++i)
                s += alphabet[random.bounded(static_cast<int>(alphabet.size()))];
            return s;
        };
        tirta::test::FixtureBuilder builder;
        builder.version(1, u"Versi A"_s);
        for (const QString& book : { u"Kejadian"_s, u"Keluaran"_s, u"Matius"_s }) {
            builder.book(book, { book }, 8);
            for (int chapter = 1; chapter <= 8; ++chapter)
                builder.rawChapter(book, chapter, 1, { draw(textAlphabet, random.bounded(40)) });
        }
        // A chapter that opens with a byte order mark, and one with bytes that are not UTF-8.
        builder.statement(u"UPDATE UsysAlkitab SET Kitab1=CAST(X'EFBBBF7468652061' AS TEXT) WHERE Bab=1"_s)
            .statement(u"UPDATE UsysAlkitab SET Kitab1=CAST(X'74C368746865FF0D0A41' AS TEXT) WHERE Bab=2"_s);
        QTemporaryDir dir;
        QString error;
        const auto session = builder.open(dir.filePath(u"Purnaka2000.dat"_s), &error);
        QVERIFY2(session, qPrintable(error));

        for (int round = 0; round < 200; ++round) {
            Request request = wholeBible(draw(queryAlphabet, 3 + random.bounded(4)));
            request.optimal = false;
            request.matchCase = random.bounded(2) == 1;
            request.scope = random.bounded(3) == 0 ? Scope::Book : Scope::Bible;
            const Outcome outcome = searchAll(request, *session, nullptr, stillClock());

            ParseQuery parsed;
            parsed.Query(doubleQuotes(request.text));
            const LineFilter filter(undoubleQuotes(parsed.WordList1()), undoubleQuotes(parsed.WordList2()),
                undoubleQuotes(parsed.WordList3()), request.matchCase);
            const auto rows = session->database().openRecordset(outcome.sql);
            ResultText expected(request.caption, outcome.scopeCaption, syntaxLine(request.text));
            Pacer pacer(nullptr, stillClock());
            const ScanResult scan
                = rows ? scanRows(*rows, u"Kitab1"_s, u"Buku"_s, filter, expected, pacer) : ScanResult();
            const QString what = u"query '%1', matchCase %2"_s.arg(request.text).arg(request.matchCase);
            if (parsed.WordList1().isEmpty())
                continue;
            QVERIFY2(rows, qPrintable(what));
            if (rows->recordCount() == 0) {
                QVERIFY2(outcome.status == Status::NotFound, qPrintable(what));
                continue;
            }
            QVERIFY2(outcome.status == Status::Complete, qPrintable(what));
            QVERIFY2(
                readAll(outcome.path) == expected.opening(scan.hits, u"00:00:00"_s, {}) + expected.hits(),
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

    // Two searches share a checksum: the second lives in "-2". Its file is found again even after
    // the first one's file is gone, instead of the search running again under the freed name.
    void aSearchFindsItsFileAfterTheOneBeforeIsGone()
    {
        const Outcome cinta = run(wholeBible(u"cinta"_s));
        const Outcome injil = run(wholeBible(u"injil"_s));
        QVERIFY(injil.path.endsWith(u"-2.tmp"_s));
        QVERIFY(QFile::remove(cinta.path));
        const Outcome again = run(wholeBible(u"injil"_s));
        QCOMPARE(again.status, Status::Reused);
        QCOMPARE(again.path, injil.path);
        // A new search of that checksum takes the freed name.
        QCOMPARE(run(wholeBible(u"cinta"_s)).path, cinta.path);
    }

    void countLinesGoAfterTheSyntaxLine()
    {
        ResultText text(u"Judul"_s, u" -- Pencarian di Kitab Rut"_s, syntaxLine(u"kasih"_s));
        text.appendHit(hitHeader(u"Rut"_s, u"1"_s), u"1:1 kasih"_s);
        const QString written = u"Judul\r\n -- Pencarian di Kitab Rut\r\n -- Sintaks Pencarian: kasih\r\n"
                                u"\r\n\r\nRut 1\r\n1:1 kasih\r\n"_s;
        const QString finished = text.finished(1, u"00:01:02"_s, stopTag());
        QCOMPARE(insertCountLines(written, syntaxLine(u"kasih"_s), 1, u"00:01:02"_s, stopTag()), finished);
        QCOMPARE(finished,
            u"Judul\r\n -- Pencarian di Kitab Rut\r\n -- Sintaks Pencarian: kasih\r\n"
            u" -- Ditemukan : 1 ayat \r\n -- Waktu Pencarian : 00:01:02\r\n -- (PENCARIAN DIHENTIKAN)"
            u"\r\n\r\nRut 1\r\n1:1 kasih\r\n"_s);
    }

    void elapsedTime_data()
    {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << qint64(0) << u"00:00:00"_s;
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
