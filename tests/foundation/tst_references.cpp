#include "foundation/books.h"
#include "foundation/datasession.h"
#include "foundation/reference.h"
#include "support/fixture.h"
#include "support/testenv.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta;

class ReferencesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bookIndexesAndNames()
    {
        QCOMPARE(newTestamentIndex(u"II Yohanes"), u"23"_s);
        QCOMPARE(newTestamentIndex(u"Wahyu"), u"26"_s);
        QCOMPARE(oldTestamentIndex(u"Maleakhi"), u"38"_s);
        QCOMPARE(oldTestamentIndex(u"Kejadian"), u"0"_s);
        QCOMPARE(oldTestamentIndex(u"Wahyu"), u"-1"_s);
        QCOMPARE(newTestamentIndex(u"Kejadian"), u"-1"_s);
        // Names compare exactly.
        QCOMPARE(oldTestamentIndex(u"kejadian"), u"-1"_s);
        QCOMPARE(newTestamentIndex(u"Zakaria"), u"-1"_s);
        QCOMPARE(oldTestamentIndex(u"Zakaria"), u"-1"_s);

        QCOMPARE(oldTestamentName(38), u"Maleakhi"_s);
        QCOMPARE(oldTestamentName(39), QString());
        QCOMPARE(oldTestamentName(-1), QString());
        QCOMPARE(newTestamentName(u"26"), u"Wahyu"_s);
        QCOMPARE(newTestamentName(u"27"), u" "_s);
        QCOMPARE(newTestamentName(u"99999999999999999999"), u" "_s); // no int holds it
        QCOMPARE(newTestamentName(u"abc"), u"Matius"_s); // a text without a number counts as 0
        QCOMPARE(bookName(4, true), u"Ulangan"_s);
        QCOMPARE(bookName(4, false), u"Kisah Para Rasul"_s);
        QCOMPARE(testamentWord(Testament::Old), u"Lama"_s);
        QCOMPARE(testamentWord(Testament::New), u"Baru"_s);
    }

    void parsesReferenceStrings_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("chapter");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("range") << u"Markus#12:30-31"_s << u"Markus"_s << u"12"_s << u"30"_s << u"31"_s;
        QTest::newRow("one verse") << u"Lukas#6:35"_s << u"Lukas"_s << u"6"_s << u"35"_s << QString();
        QTest::newRow("name with spaces")
            << u" I Petrus# 1 :3 "_s << u"I Petrus"_s << u"1"_s << u"3"_s << QString();
        QTest::newRow("no verse") << u"Rut#2"_s << u"Rut"_s << u"2"_s << QString() << QString();
        QTest::newRow("no chapter") << u"Rut"_s << u"Rut"_s << QString() << QString() << QString();
    }
    void parsesReferenceStrings()
    {
        QFETCH(QString, reference);
        QFETCH(QString, book);
        QFETCH(QString, chapter);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const ReferenceParts parts = parseReference(reference);
        QCOMPARE(parts.book, book);
        QCOMPARE(parts.chapter, chapter);
        QCOMPARE(parts.firstVerse, first);
        QCOMPARE(parts.lastVerse.value_or(QString()), last);
        QCOMPARE(parts.lastVerse.has_value(), !last.isEmpty());
    }

    void displayFormAndSpelling()
    {
        QString display = u"Kisah Para Rasul 2:1"_s;
        QCOMPARE(displayToReference(display), u"Kisah Para Rasul#2:1"_s);
        QCOMPARE(display, u"Kisah Para Rasul#2:1"_s);
        QString bookOnly = u"Kisah Para Rasul 2:1"_s;
        QCOMPARE(displayToReference(bookOnly, true), u"Kisah Para Rasul"_s);
        QCOMPARE(bookOnly, u"Kisah Para Rasul#2:1"_s);
        QString noSpace = u"Rut"_s;
        QCOMPARE(displayToReference(noSpace), u"Rut"_s);

        QString list = u"Zakaria#9:9@Yo\u00e9l#2:28@Zakaria 1:1"_s;
        QCOMPARE(normaliseSpelling(list), u"Zakharia#9:9@Yoel#2:28@Zakaria 1:1"_s);
        QCOMPARE(list, u"Zakharia#9:9@Yoel#2:28@Zakaria 1:1"_s);
        QCOMPARE(oldTestamentIndex(parseReference(list.section(u'@', 1, 1)).book), u"28"_s);
    }

    void cutsVerseLines_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("excerpt");
        QTest::newRow("verse 1 not 10") << u"Lukas#6:1"_s << u"6:1 satu"_s;
        QTest::newRow("verse 10") << u"Lukas#6:10"_s << u"6:10 sepuluh"_s;
        QTest::newRow("range") << u"Lukas#6:2-3"_s << u"6:2 dua\r\n6:3 tiga"_s;
        QTest::newRow("last line") << u"Lukas#6:11"_s << u"6:11 sebelas"_s;
        QTest::newRow("range to the end") << u"Lukas#6:10-11"_s << u"6:10 sepuluh\r\n6:11 sebelas"_s;
        QTest::newRow("range past the end") << u"Lukas#6:11-14"_s << u"6:11 sebelas"_s;
    }
    void cutsVerseLines()
    {
        QFETCH(QString, reference);
        QFETCH(QString, excerpt);
        QStringList lines;
        const QStringList words { u"satu"_s, u"dua"_s, u"tiga"_s, u"empat"_s, u"lima"_s, u"enam"_s,
            u"tujuh"_s, u"delapan"_s, u"sembilan"_s, u"sepuluh"_s, u"sebelas"_s };
        for (int v = 0; v < words.size(); ++v)
            lines << test::verseLine(6, v + 1, words[v]);
        QCOMPARE(cutVerseLines(lines.join(u"\r\n"_s), parseReference(reference)).value_or(u"<tidak ada>"_s),
            excerpt);
    }

    void cutsExcerptsFromTranslationOneOnly()
    {
        QTemporaryDir dir;
        auto session = test::FixtureBuilder({ 2, true, true })
                           .version(1, u"Satu"_s)
                           .version(2, u"Dua"_s)
                           .book(u"Markus"_s, { u"Markus"_s, u"Mark"_s })
                           .chapter(u"Markus"_s, 12,
                               { { u"a"_s, u"b"_s, u"Kasihilah Tuhan"_s, u"Kasihilah sesamamu"_s },
                                   { u"x"_s, u"y"_s, u"Love the Lord"_s, u"Love your neighbour"_s } })
                           .open(dir.filePath(u"d.dat"_s));
        QVERIFY(session);
        Recordset& excerpts = session->recordset(Role::Excerpt);
        QCOMPARE(cutExcerpt(u"Markus#12:3-4", excerpts).value_or(QString()),
            u"12:3 Kasihilah Tuhan\r\n12:4 Kasihilah sesamamu"_s);
        QVERIFY(!cutExcerpt(u"Markus#13:1", excerpts));
        QVERIFY(!cutExcerpt(u"Markus#12:9", excerpts));
        QCOMPARE(session->recordset(Role::Chapters).absolutePosition(), 0);
    }
};

TIRTA_TEST_MAIN_CORE(ReferencesTest)
#include "tst_references.moc"
