#include "foundation/criteria.h"
#include "foundation/database.h"
#include "foundation/dialect.h"
#include "foundation/recordset.h"
#include "support/fixture.h"
#include "support/testenv.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

using namespace Qt::StringLiterals;
using namespace tirta;

class DialectTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Database> m_db;

    std::unique_ptr<Recordset> open(const QString& query)
    {
        DataFailure failure;
        auto rs = m_db->openRecordset(query, &failure);
        if (!rs)
            qWarning() << describe(failure);
        return rs;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QString error;
        const QString path
            = test::FixtureBuilder({ 2, true, true })
                  .version(1, u"Terjemahan Satu"_s)
                  .version(2, u"Terjemahan Dua"_s, 0)
                  .version(3, u"Tanpa Kolom"_s, 1, true, true, u"Lain"_s)
                  .book(u"Kejadian"_s, { u"Kejadian"_s, u"Genesis"_s })
                  .book(u"Yoel"_s, { u"Yo\u00e9l"_s, u"Joel"_s })
                  .chapter(u"Kejadian"_s, 1, { { u"Pada mulanya Allah"_s, u"Bumi belum berbentuk"_s } })
                  .chapter(u"Kejadian"_s, 2, { { u"Demikianlah diselesaikan kasih"_s } })
                  .chapter(u"Yoel"_s, 1,
                      { { u"Firman TUHAN yang datang kepada Yo\u00ebl"_s,
                          u"Dengarlah ini, hai orang-orang tua, cinta"_s } })
                  .row(u"UsysMenu"_s, { { u"NamaMenu"_s, u"Tafsiran"_s }, { u"Aktif"_s, true } })
                  .row(u"UsysMenu"_s, { { u"NamaMenu"_s, u"Peta"_s }, { u"Aktif"_s, false } })
                  .row(u"UsysKamus"_s, { { u"Entri"_s, u"Abba"_s }, { u"Penjelasan"_s, u"Bapa"_s } })
                  .row(u"UsysKamus"_s,
                      { { u"Entri"_s, u"Anak Domba O'Allah"_s }, { u"Penjelasan"_s, u"Yesus"_s } })
                  .row(u"UsysGambar"_s, { { u"Kategori"_s, u"Peta"_s }, { u"Judul"_s, u"Kanaan"_s } })
                  .row(u"UsysGambar"_s, { { u"Kategori"_s, u"peta"_s }, { u"Judul"_s, u"Mesir"_s } })
                  .row(u"UsysGambar"_s, { { u"Kategori"_s, u"Bait"_s }, { u"Judul"_s, u"Bait Allah"_s } })
                  .write(m_dir.filePath(u"Purnaka2000.dat"_s), &error);
        QVERIFY2(!path.isEmpty(), qPrintable(error));
        m_path = path;
        DataFailure failure;
        m_db = Database::open(path, &failure);
        QVERIFY2(m_db, qPrintable(describe(failure)));
    }

    void translatesTheDialectOutsideQuotesOnly_data()
    {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("sqlite");
        const QString c = u" COLLATE JETTEXT"_s;
        QTest::newRow("number glued to AND") << u"nr=1AND Aktif=1"_s << u"nr=1 AND Aktif=1"_s;
        QTest::newRow("quoted text untouched") << u"Buku='1AND True'"_s << u"Buku='1AND True'"_s + c;
        QTest::newRow("doubled quotes kept") << u"Entri='O''Allah'"_s << u"Entri='O''Allah'"_s + c;
        QTest::newRow("double quotes with a single one") << u"Buku=\"O'A\""_s << u"Buku='O''A'"_s + c;
        QTest::newRow("booleans") << u"Aktif=True OR Aktif=false"_s << u"Aktif=-1 OR Aktif=0"_s;
        QTest::newRow("bracketed name") << u"[Buku]='Rut'"_s << u"[Buku]='Rut'"_s + c;
        QTest::newRow("patterns keep their own rule") << u"Kitab30 LIKE '*x*' AND NamaTabel NOT LIKE 'K*'"_s
                                                      << u"Kitab30 LIKE '*x*' AND NamaTabel NOT LIKE 'K*'"_s;
        QTest::newRow("decimals stay") << u"Bab=1.5"_s << u"Bab=1.5"_s;
        QTest::newRow("number order keeps its index")
            << u"SELECT * FROM UsysDeuterokanonika ORDER BY Urutan, Bab"_s
            << u"SELECT * FROM UsysDeuterokanonika ORDER BY Urutan, Bab"_s;
        QTest::newRow("mixed order") << u"SELECT * FROM T ORDER BY Urutan DESC, [Topik] ASC LIMIT 3"_s
                                     << u"SELECT * FROM T ORDER BY Urutan DESC, [Topik]"_s + c
                + u" ASC LIMIT 3"_s;
        QTest::newRow("expression order untouched")
            << u"SELECT * FROM T ORDER BY length(Entri)"_s << u"SELECT * FROM T ORDER BY length(Entri)"_s;
        QTest::newRow("distinct and group")
            << u"SELECT DISTINCT Kategori FROM UsysGambar GROUP BY Kategori"_s
            << u"SELECT DISTINCT Kategori"_s + c + u" AS Kategori FROM UsysGambar GROUP BY Kategori"_s + c;
        QTest::newRow("qualified distinct") << u"SELECT DISTINCT g.Kategori, Judul FROM UsysGambar g"_s
                                            << u"SELECT DISTINCT g.Kategori"_s + c + u" AS Kategori, Judul"_s
                + c + u" AS Judul FROM UsysGambar g"_s;
    }
    void translatesTheDialectOutsideQuotesOnly()
    {
        QFETCH(QString, jet);
        QFETCH(QString, sqlite);
        QCOMPARE(dialect::toSqlite(jet), sqlite);
    }

    void likeFollowsTheDialectWildcards_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("matches");
        QTest::newRow("star prefix") << u"Kitab12"_s << u"Kitab*"_s << true;
        QTest::newRow("star needs the prefix") << u"Lain"_s << u"Kitab*"_s << false;
        QTest::newRow("contains, any case") << u"Allah adalah KASIH."_s << u"*kasih*"_s << true;
        QTest::newRow("percent is a plain character") << u"abc"_s << u"a%"_s << false;
        QTest::newRow("underscore is a plain character") << u"a_c"_s << u"a_c"_s << true;
        QTest::newRow("underscore not a wildcard") << u"abc"_s << u"a_c"_s << false;
        QTest::newRow("question mark") << u"Rut"_s << u"R?t"_s << true;
        QTest::newRow("question mark is one character") << u"Ruut"_s << u"R?t"_s << false;
        QTest::newRow("hash is a digit") << u"Kitab3"_s << u"Kitab#"_s << true;
        QTest::newRow("hash refuses a letter") << u"KitabX"_s << u"Kitab#"_s << false;
        QTest::newRow("list") << u"Bab"_s << u"[ABC]ab"_s << true;
        QTest::newRow("negated list") << u"Bab"_s << u"[!ABC]ab"_s << false;
        QTest::newRow("range") << u"m"_s << u"[a-z]"_s << true;
        QTest::newRow("bracket makes star literal") << u"a*b"_s << u"a[*]b"_s << true;
        QTest::newRow("accented letters ignore case") << u"YO\u00c9L"_s << u"*yo\u00e9l*"_s << true;
        QTest::newRow("accent still counts") << u"Yoel"_s << u"Yo\u00e9l"_s << false;
        QTest::newRow("text longer than pattern") << u"kasihnya"_s << u"kasih"_s << false;
        QTest::newRow("empty pattern") << u""_s << u""_s << true;
        QTest::newRow("star alone") << u"apa saja"_s << u"*"_s << true;
        QTest::newRow("many letters longer when folded")
            << QString(300, u'\u023e') + u" kasih"_s << u"*KASIH*"_s << true;
        QTest::newRow("folded letter equals its small form") << u"\u023a"_s << u"\u2c65"_s << true;
        QTest::newRow("stars take what the rest leaves") << u"aXbYbc"_s << u"a*b*c"_s << true;
        QTest::newRow("stars cannot skip the end") << u"aXbYbd"_s << u"a*b*c"_s << false;
        QTest::newRow("star then one character") << u"abcabd"_s << u"*ab?"_s << true;
        QTest::newRow("star then list") << u"x1y2"_s << u"*#*[!0-9]"_s << false;
    }
    void likeFollowsTheDialectWildcards()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, matches);
        QCOMPARE(dialect::like(text, pattern), matches);
    }

    void likeTakesLinearTimeOnAnyPattern()
    {
        // A backtracking matcher tries every split of the text among the stars: this took minutes.
        const QString text = QString(20000, u'a');
        QVERIFY(!dialect::like(text, u"a*a*a*a*a*a*~"_s));
        QVERIFY(dialect::like(QString(text + u'~'), u"*a*a*a*a*a*~"_s));
    }

    void textComparisonIgnoresCaseAndKeepsAccents()
    {
        QCOMPARE(dialect::compareText(u"Yo\u00e9l", u"YO\u00c9L"), 0);
        QVERIFY(dialect::compareText(u"Yoel", u"Yo\u00e9l") != 0);
        QVERIFY(dialect::compareText(u"abba", u"Anak") < 0);
        QVERIFY(dialect::compareText(u"ANAK", u"abba") > 0);
    }

    void everyCriterionOfTheProgramRuns()
    {
        auto chapters = open(u"SELECT * FROM UsysAlkitab ORDER BY Urutan"_s);
        QVERIFY(chapters);
        QVERIFY(chapters->findFirst(u"Buku='Kejadian' AND Bab=2"_s));
        QCOMPARE(chapters->number(u"Urutan"), 2);
        QVERIFY(chapters->findFirst(u"buku='KEJADIAN' AND Bab=1"_s));
        QCOMPARE(chapters->number(u"Urutan"), 1);

        auto versions = open(u"SELECT * FROM UsysVersi order by nr"_s);
        QVERIFY(versions->findFirst(u"nr=1AND Aktif=1"_s));
        QCOMPARE(versions->text(u"NamaVersi"), u"Terjemahan Satu"_s);
        QVERIFY(!versions->findFirst(u"nr=2AND Aktif=1"_s));

        // First and next offered translation: 2 is not offered, 3 has no Kitab column.
        QVERIFY(versions->findFirst(u"NamaTabel LIKE 'Kitab*' AND Aktif=1"_s));
        QCOMPARE(versions->number(u"nr"), 1);
        QVERIFY(!versions->findNext(u"NamaTabel LIKE 'Kitab*' AND Aktif=1"_s));
        QCOMPARE(versions->number(u"nr"), 1);

        auto menus = open(u"SELECT * FROM UsysMenu"_s);
        QVERIFY(menus->findFirst(u"NamaMenu='Tafsiran'"_s));
        QCOMPARE(menus->number(u"Aktif"), -1);
        QVERIFY(menus->findFirst(u"Aktif=True"_s));
        QCOMPARE(menus->text(u"NamaMenu"), u"Tafsiran"_s);
        QVERIFY(menus->findFirst(u"Aktif=False"_s));
        QCOMPARE(menus->text(u"NamaMenu"), u"Peta"_s);

        auto dictionary = open(u"SELECT * FROM UsysKamus ORDER BY Entri"_s);
        QVERIFY(dictionary->findFirst(u"Entri='Anak Domba O''Allah'"_s));
        QCOMPARE(dictionary->text(u"Penjelasan"), u"Yesus"_s);
        // A headword inserted without doubling its quote is a broken criterion, not a crash.
        QVERIFY(!dictionary->findFirst(u"Entri='Anak Domba O'Allah'"_s));
        QVERIFY(dictionary->noMatch());
        QVERIFY(!dictionary->lastError().isEmpty());
        // Quoted as a criterion wants it, the same headword is found.
        QVERIFY(dictionary->findFirst(u"Entri="_s + tirta::quoted(u"Anak Domba O'Allah")));
        QCOMPARE(dictionary->text(u"Penjelasan"), u"Yesus"_s);

        auto books = open(u"SELECT * FROM UsysKitab ORDER BY Urutan"_s);
        QVERIFY(books->findFirst(u"Kitab1='YO\u00c9L'"_s));
        QCOMPARE(books->text(u"Kitab2"), u"Joel"_s);
    }

    void distinctCategoriesFoldCase()
    {
        auto categories = open(u"SELECT DISTINCT Kategori FROM UsysGambar GROUP BY Kategori"_s);
        QVERIFY(categories);
        QCOMPARE(categories->recordCount(), 2);
        QStringList seen;
        for (categories->moveFirst(); !categories->eof(); categories->moveNext())
            seen << categories->text(u"Kategori");
        QCOMPARE(seen.at(0), u"Bait"_s);
        QCOMPARE(seen.at(1).toLower(), u"peta"_s);
        QVERIFY(categories->findFirst(u"Kategori='PETA'"_s));
        QCOMPARE(open(u"SELECT DISTINCT Kategori FROM UsysGambar"_s)->recordCount(), 2);
    }

    // Any SQLite tool (the sqlite3 shell, a browser, a script) checks and reads the file without
    // knowing the program's collation.
    void theFileReadsWithoutTheProgram()
    {
        sqlite3* raw = nullptr;
        QCOMPARE(
            sqlite3_open_v2(m_path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        const auto answer = [raw](const char* sql) {
            sqlite3_stmt* statement = nullptr;
            QString result;
            if (sqlite3_prepare_v2(raw, sql, -1, &statement, nullptr) != SQLITE_OK)
                return QString::fromUtf8(sqlite3_errmsg(raw));
            while (sqlite3_step(statement) == SQLITE_ROW)
                result += QString::fromUtf8(reinterpret_cast<const char*>(
                              sqlite3_column_text(statement, sqlite3_column_count(statement) - 1)))
                    + u'|';
            sqlite3_finalize(statement);
            return result;
        };
        QCOMPARE(answer("PRAGMA integrity_check"), u"ok|"_s);
        QCOMPARE(answer("SELECT DISTINCT Buku FROM UsysAlkitab ORDER BY Buku LIMIT 3"), u"Kejadian|Yoel|"_s);
        QCOMPARE(answer("SELECT Entri FROM UsysKamus WHERE Entri > 'Ab' ORDER BY Entri"),
            u"Abba|Anak Domba O'Allah|"_s);
        sqlite3_close(raw);
    }

    // The reader looks a chapter up on every change: its criterion must find the row by an index.
    void chapterLookupUsesAnIndex()
    {
        auto plan
            = open(u"EXPLAIN QUERY PLAN SELECT rowid FROM UsysAlkitab WHERE Buku='Kejadian' AND Bab=2"_s);
        QVERIFY(plan);
        QVERIFY2(plan->text(u"detail").contains(u"INDEX"_s), qPrintable(plan->text(u"detail")));
    }

    // A file written before the text fields were plain still opens and compares as before.
    void anOlderFileStillOpens()
    {
        QString error;
        const QString path = test::FixtureBuilder()
                                 .version(1, u"Satu"_s)
                                 .book(u"Yoel"_s, { u"Yo\u00e9l"_s })
                                 .chapter(u"Yoel"_s, 1, { { u"Firman TUHAN"_s } })
                                 .statement(u"CREATE INDEX Lama ON UsysKitab (Kitab1 COLLATE JETTEXT)"_s)
                                 .write(m_dir.filePath(u"lama.dat"_s), &error);
        QVERIFY2(!path.isEmpty(), qPrintable(error));
        DataFailure failure;
        auto db = Database::open(path, &failure);
        QVERIFY2(db, qPrintable(describe(failure)));
        auto books = db->openRecordset(u"SELECT * FROM UsysKitab ORDER BY Kitab1"_s);
        QVERIFY(books && books->findFirst(u"Kitab1='YO\u00c9L'"_s));
    }

    void aRejectedQueryKeepsTheEngineMessageForTheLog()
    {
        DataFailure failure;
        QVERIFY(!m_db->openRecordset(u"SELECT * FROM TidakAda"_s, &failure));
        QCOMPARE(failure.error, DataError::QueryFailed);
        QVERIFY(failure.engineMessage.contains(u"TidakAda"_s));
        QVERIFY(!describe(failure).contains(u"no such"_s));
    }
};

TIRTA_TEST_MAIN_CORE(DialectTest)
#include "tst_dialect.moc"
