#include "foundation/datasession.h"
#include "reader/readerenvironment.h"
#include "reader/readerlogic.h"
#include "reader/versecatalogue.h"
#include "support/fixture.h"
#include "support/testenv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta;
using namespace tirta::reader;

class ReaderLogicTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void verseMarks_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("mark");
        QTest::newRow("plain") << u"3:16 Karena begitu besar"_s << u"3:16"_s;
        QTest::newRow("range") << u"3:16-17 Karena"_s << u"3:16"_s;
        QTest::newRow("full stop") << u"3:16. Karena"_s << u"3:16"_s;
        QTest::newRow("range and stop") << u"3:16-17. Karena"_s << u"3:16"_s;
        QTest::newRow("no text") << u"3:16"_s << u"3:16"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void verseMarks()
    {
        QFETCH(QString, line);
        QFETCH(QString, mark);
        QCOMPARE(verseMark(line), mark);
    }

    void lineBoundsCountOnePositionPerBreak()
    {
        const QString text = u"1:1 a\n1:2 bb\n1:3 c"_s;
        LineBounds b = lineBoundsAt(text, 0);
        QCOMPARE(b.start, 0);
        QCOMPARE(b.end, 5);
        b = lineBoundsAt(text, 7);
        QCOMPARE(b.start, 6);
        QCOMPARE(b.end, 12);
        QVERIFY(b.contains(6) && b.contains(11) && !b.contains(12) && !b.contains(5));
        // The caret right after a break belongs to the next line, at the very end to the last one.
        QCOMPARE(lineBoundsAt(text, 13).start, 13);
        QCOMPARE(lineBoundsAt(text, text.size()).start, 13);
        QCOMPARE(lineBoundsAt(text, text.size()).end, text.size());
        QCOMPARE(lineBoundsAt(text, 99).end, text.size());
    }

    void parallelVerseAndVerseSearch()
    {
        const QString chapter = u"2:1 satu\r\n2:2 dua \r\n2:10 sepuluh\r\n2:20 dua puluh"_s;
        QCOMPARE(verseOfMark(chapter, u"2:2"_s).value_or(u"-"_s), u"2:2 dua"_s);
        QCOMPARE(verseOfMark(chapter, u"2:20"_s).value_or(u"-"_s), u"2:20 dua puluh"_s);
        QCOMPARE(verseOfMark(chapter, u"2:1"_s).value_or(u"-"_s), u"2:1 satu"_s);
        QVERIFY(!verseOfMark(chapter, u"2:30"_s));
        QVERIFY(!verseOfMark(QString(), u"2:1"_s));
        QVERIFY(!verseOfMark(chapter, QString()));
        // Verse 2 is found before verse 20.
        const QString pane = u"2:1 satu\n2:2 dua\n2:20 dua puluh"_s;
        QCOMPARE(verseSearchPosition(pane, 2), pane.indexOf(u"2:2 "_s) + 1);
        QCOMPARE(verseSearchPosition(pane, 7), -1);
    }

    void copiesTakeTheSelectionWithoutItsClosingBreak_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("copied");
        QTest::newRow("nothing") << 4 << 4 << QString();
        QTest::newRow("a word") << 4 << 9 << u"satu."_s;
        QTest::newRow("backwards") << 9 << 4 << u"satu."_s;
        QTest::newRow("a verse line with its break") << 10 << 19 << u"1:2 dua."_s;
        QTest::newRow("two lines") << 0 << 19 << u"1:1 satu.\n1:2 dua."_s;
        QTest::newRow("past the end") << 10 << 99 << u"1:2 dua.\n1:3 tiga."_s;
    }
    void copiesTakeTheSelectionWithoutItsClosingBreak()
    {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, copied);
        QCOMPARE(copiedText(u"1:1 satu.\n1:2 dua.\n1:3 tiga.", start, end), copied);
    }

    void longLinesBreakAtSpacesKeepingPositions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short lines stay") << u"ab cd\n1:2 e"_s << u"ab cd\n1:2 e"_s;
        QTest::newRow("at the last space") << u"1:1 ab cd ef\n1:2"_s << u"1:1\nab\ncd ef\n1:2"_s;
        QTest::newRow("every part short") << u"ab cd ef gh ij"_s << u"ab\ncd\nef\ngh ij"_s;
        QTest::newRow("no space to use") << u"abcdefghijk"_s << u"abcde\nfghij\nk"_s;
    }
    void longLinesBreakAtSpacesKeepingPositions()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(breakLongLines(text, 5), shown);
    }

    void findCriteriaPerScope()
    {
        QCOMPARE(findCriterion(1, u"Rut"_s, u"Lama"_s, u"Kitab2"_s, u"O''Allah"_s),
            u"Buku='Rut' AND Kitab2 LIKE '*O''Allah*'"_s);
        QCOMPARE(findCriterion(2, u"Rut"_s, u"Lama"_s, u"Kitab1"_s, u"kasih"_s),
            u"Perjanjian='Lama' AND Kitab1 LIKE '*kasih*'"_s);
        QCOMPARE(findCriterion(3, u"Rut"_s, u"Lama"_s, u"Kitab1"_s, u"kasih"_s), u"Kitab1 LIKE '*kasih*'"_s);
        // Names from the data file are quoted like any text.
        QCOMPARE(findCriterion(1, u"Ki'dung' OR 1=1 OR 'x"_s, u"Lama"_s, u"Kitab1"_s, u"kasih"_s),
            u"Buku='Ki''dung'' OR 1=1 OR ''x' AND Kitab1 LIKE '*kasih*'"_s);
    }

    void windowSizeFollowsTheScreenHeightOnly()
    {
        QCOMPARE(windowSizeText(700), u"640@480"_s);
        QCOMPARE(windowSizeText(701), u"750@577"_s);
    }

    void historyRefinesCapsAndSteps()
    {
        History h;
        h.record(u"Kitab1"_s, u"Kejadian#1:1"_s, false);
        h.record(u"Kitab1"_s, u"Kejadian#1:5"_s, true);
        QCOMPARE(h.entries(), QStringList { u"Kitab1@Kejadian#1:5"_s });
        for (int i = 2; i <= 101; ++i)
            h.record(u"Kitab2"_s, u"Mazmur#%1:1"_s.arg(i), false);
        QCOMPARE(h.entries().size(), History::kLimit);
        QCOMPARE(h.entries().first(), u"Kitab2@Mazmur#2:1"_s); // the first entry went
        QCOMPARE(h.entries().last(), u"Kitab2@Mazmur#101:1"_s);

        QCOMPARE(h.step(History::Step::Forward), std::nullopt); // nothing after the newest
        QCOMPARE(h.step(History::Step::Back).value_or(QString()), u"Kitab2@Mazmur#100:1"_s);
        QCOMPARE(h.step(History::Step::Back).value_or(QString()), u"Kitab2@Mazmur#99:1"_s);
        QCOMPARE(h.step(History::Step::Forward).value_or(QString()), u"Kitab2@Mazmur#100:1"_s);
        QCOMPARE(h.step(History::Step::Newest).value_or(QString()), u"Kitab2@Mazmur#101:1"_s);
        QCOMPARE(h.current(), 99);
        h.leaveSteps();
        QCOMPARE(h.current(), -1);

        History empty;
        QVERIFY(!empty.step(History::Step::Back));
        QVERIFY(!empty.step(History::Step::Newest));
        QVERIFY(!empty.step(History::Step::Forward));
    }

    void startTranslationsFallBack_data()
    {
        QTest::addColumn<QString>("main");
        QTest::addColumn<QString>("parallel");
        QTest::addColumn<int>("mainNumber");
        QTest::addColumn<int>("parallelNumber");
        QTest::newRow("stored and offered") << u"3"_s << u"2"_s << 3 << 2;
        QTest::newRow("same translation twice") << u"2"_s << u"2"_s << 2 << 2;
        QTest::newRow("main not offered") << u"1"_s << u"3"_s << 2 << 3;
        QTest::newRow("parallel unknown: next offered") << u"2"_s << u"9"_s << 2 << 3;
        QTest::newRow("not a number") << u"abc"_s << u""_s << 2 << 3;
        QTest::newRow("statement in the value") << u"1 OR nr=1"_s << u"3"_s << 2 << 3;
        QTest::newRow("nothing after the main one") << u"3"_s << u"9"_s << 3 << 3;
    }
    void startTranslationsFallBack()
    {
        QFETCH(QString, main);
        QFETCH(QString, parallel);
        QFETCH(int, mainNumber);
        QFETCH(int, parallelNumber);
        QTemporaryDir dir;
        auto session = test::FixtureBuilder({ 3, true, true })
                           .version(1, u"Tersembunyi"_s, 0)
                           .version(2, u"Dua"_s)
                           .version(3, u"Tiga"_s, 1, false, true)
                           .open(dir.filePath(u"d.dat"_s));
        QVERIFY(session);
        Recordset& versions = session->recordset(Role::Versions);
        const TranslationChoice choice = chooseStartTranslations(versions, main, parallel);
        QCOMPARE(choice.mainNumber, mainNumber);
        QCOMPARE(choice.mainColumn, u"Kitab"_s + QString::number(mainNumber));
        QCOMPARE(choice.parallelNumber, parallelNumber);
        QCOMPARE(choice.parallelColumn, u"Kitab"_s + QString::number(parallelNumber));
        QVERIFY(!choice.parallelName.isEmpty());

        const TranslationCatalogue catalogue = TranslationCatalogue::load(versions);
        QCOMPARE(catalogue.count(), 3);
        QVERIFY(!catalogue.at(1).offered);
        QVERIFY(catalogue.at(2).oldTestament);
        QVERIFY(!catalogue.at(3).oldTestament);
        QVERIFY(catalogue.at(3).newTestament);
        QVERIFY(catalogue.at(4).column.isEmpty());
    }

    void dataFileIsFoundWhateverItsCase()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(u"Purnaka2000.dat"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(findDataFile(dir.filePath(u"PURNAKA2000.DAT"_s)), file.fileName());
        QCOMPARE(findDataFile(file.fileName()), file.fileName());
        QCOMPARE(findDataFile(dir.filePath(u"lain.dat"_s)), QString());
        QCOMPARE(findDataFile(u"/tidak/ada/PURNAKA2000.DAT"_s), QString());
        // File names are case-sensitive: the folder is shown as spelled, or it could not be found.
        QCOMPARE(displayedFolder(u"/home/Ruang/data/Purnaka2000.dat"_s), u"/home/Ruang/data/"_s);
    }
};

TIRTA_TEST_MAIN_CORE(ReaderLogicTest)
#include "tst_readerlogic.moc"
