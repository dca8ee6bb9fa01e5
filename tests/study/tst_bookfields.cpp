#include "study/crossrefs.h"
#include "study/pericopes.h"
#include "support/fixture.h"
#include "support/testenv.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::study;

/// The study lists of the book table: the pericopes (field Perikop) and the cross references
/// (field Referensi) of a book.
class BookFieldsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void threeLinesFillLabelsZeroToFive()
    {
        for (const QString& end : { QString(), u"\r\n"_s }) {
            const PericopeLabels labels = pericopeLabels(
                u"Firman==(Yoh#1:1-18)\r\nKana==(Yoh#2:1-11)\r\nBait Allah==(Yoh#2:12-25)"_s + end);
            QCOMPARE(labels.usedCount, 4);
            QCOMPARE(labels.lastLaidOut(), 5);
            QCOMPARE(labels.texts[0], u"Firman"_s);
            QCOMPARE(labels.texts[3], u"(Yoh#2:1-11)"_s);
            QCOMPARE(labels.texts[5], u"(Yoh#2:12-25)"_s);
            for (int i = 6; i <= kLastPericopeLabel; ++i)
                QCOMPARE(labels.texts[i], u" "_s);
        }
    }

    void moreThanTwoHundredPericopesKeepTheFirstHeadingsOnly()
    {
        QStringList lines;
        for (int k = 0; k < 230; ++k)
            lines << u"Judul %1==(Yoh#%2:1)"_s.arg(k).arg(k + 1);
        const PericopeLabels labels = pericopeLabels(lines.join(u"\r\n"_s));
        QCOMPARE(labels.usedCount, 458);
        QCOMPARE(labels.lastLaidOut(), kLastPericopeLabel);
        QCOMPARE(labels.texts[399], u"(Yoh#200:1)"_s);
        // The 201st entry shows its heading; there is no label for its passage.
        QCOMPARE(labels.texts[400], u"Judul 200"_s);
    }

    void malformedPericopesAreSkippedPieceByPiece()
    {
        const PericopeLabels labels = pericopeLabels(u"Tanpa tanda\r\n\r\nAkhir==(Yoh#3:1)"_s);
        QCOMPARE(labels.texts[0], u"Tanpa tanda"_s);
        QCOMPARE(labels.texts[1], u" "_s);
        QCOMPARE(labels.texts[2], u" "_s);
        QCOMPARE(labels.texts[4], u"Akhir"_s);
        QCOMPARE(pericopeLabels(QString()).lastLaidOut(), 0);
    }

    void pericopeJumpPutsTheCaretAtTheEndOfTheFirstVerse_data()
    {
        QTest::addColumn<QString>("passage");
        QTest::addColumn<QString>("chapter");
        // The verse line whose end takes the caret; 0 for the end of the text.
        QTest::addColumn<int>("caretLine");

        QTest::newRow("one verse") << u"[Yoh#5:1]"_s << u"5"_s << 1;
        QTest::newRow("verse 1 before verse 10") << u"(Yoh#5:1-15)"_s << u"5"_s << 1;
        QTest::newRow("last verse") << u"(Yoh#5:12)"_s << u"5"_s << 0;
        QTest::newRow("across chapters") << u"(Yoh#5:10-6:2)"_s << u"5"_s << 10;
        QTest::newRow("verse not in the chapter") << u"(Yoh#5:40)"_s << u"5"_s << 1;
        QTest::newRow("no chapter mark") << u"(Yohanes 5)"_s << QString() << 1;
        QTest::newRow("no verse") << u"(Yoh#5)"_s << u"5"_s << 1;
    }

    void pericopeJumpPutsTheCaretAtTheEndOfTheFirstVerse()
    {
        QFETCH(QString, passage);
        QFETCH(QString, chapter);
        QFETCH(int, caretLine);
        // Chapter 5 as the reading pane holds it: "\n" between verse lines.
        QStringList lines;
        for (int v = 1; v <= 12; ++v)
            lines << tirta::test::verseLine(5, v, u"ayat nomor %1"_s.arg(v));
        const QString text = lines.join(u'\n');
        const std::optional<PericopeTarget> target = pericopeTarget(u"  "_s + passage + u' ');
        QVERIFY(target);
        QCOMPARE(target->chapter, chapter);
        const qsizetype caret = pericopeCaret(text, *target);
        if (caretLine == 0) {
            QCOMPARE(caret, text.size());
            return;
        }
        QCOMPARE(text.at(caret), u'\n');
        QVERIFY(text.left(caret).section(u'\n', -1).startsWith(u"5:%1 "_s.arg(caretLine)));
    }

    void emptyPassageLeadsNowhere()
    {
        QVERIFY(!pericopeTarget(u" "_s));
        QVERIFY(!pericopeTarget(u"(Pendahuluan)"_s)->chapterNumber());
        QCOMPARE(pericopeTarget(u"(Yoh# 7 :2)"_s)->chapterNumber(), 7);
    }

    void pericopeScrollValueMapsOntoTheContentHeight()
    {
        QCOMPARE(pericopeContentTop(0, 5000), 0);
        QCOMPARE(pericopeContentTop(kPericopeScrollMaximum / 2, 5000), -2500);
        QCOMPARE(pericopeContentTop(kPericopeScrollMaximum, 12345), -12345);
        QCOMPARE(pericopeContentTop(1, 48000), -2); // rounded
    }

    void chapterCrossRefs_data()
    {
        QTest::addColumn<QString>("referensi");
        QTest::addColumn<int>("chapter");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<bool>("malformed");
        QTest::newRow("text before the first entry")
            << u"#3#lihat@16 Bilangan 21:9, Yohanes 12:32@17 Yohanes 12:47"_s << 3
            << QStringList { u"16 -> Bilangan 21:9, Yohanes 12:32"_s, u"17 -> Yohanes 12:47"_s } << false;
        QTest::newRow("chapter one after eleven") << u"#11#@5 Roma 5:8\r\n#1#@1 Yohanes 1:1"_s << 1
                                                  << QStringList { u"1 -> Yohanes 1:1"_s } << false;
        QTest::newRow("only eleven") << u"#11#@5 Roma 5:8"_s << 1 << QStringList {} << false;
        QTest::newRow("tag alone") << u"#3#@16 Roma 5:8\r\n#4#\r\n#5#@1 Roma 1:1"_s << 4 << QStringList {}
                                   << false;
        QTest::newRow("line ends at its break")
            << u"#1#@1 Roma 1:1\n#2#@2 Roma 2:2"_s << 1 << QStringList { u"1 -> Roma 1:1"_s } << false;
        QTest::newRow("empty field") << QString() << 1 << QStringList {} << false;
        QTest::newRow("entry without space")
            << u"#2#@16 Roma 5:8@17"_s << 2 << QStringList { u"16 -> Roma 5:8"_s } << true;
    }

    void chapterCrossRefs()
    {
        QFETCH(QString, referensi);
        QFETCH(int, chapter);
        QFETCH(QStringList, captions);
        QFETCH(bool, malformed);
        const auto refs = tirta::study::chapterCrossRefs(referensi, chapter);
        QCOMPARE(refs.captions, captions);
        QCOMPARE(refs.malformed, malformed);
    }

    void moreCrossRefsThanSlotsAreMalformed()
    {
        QString line = u"#1#"_s;
        for (int v = 1; v <= kCrossRefSlots; ++v)
            line += u'@' + QString::number(v) + u" Roma 1:1"_s;
        QVERIFY(!tirta::study::chapterCrossRefs(line, 1).malformed);
        const auto refs = tirta::study::chapterCrossRefs(line + u"@151 Roma 1:1"_s, 1);
        QVERIFY(refs.malformed);
        QCOMPARE(refs.captions.size(), kCrossRefSlots);
    }

    void crossRefTargetsStarTheOldTestamentWhereItIsMissing()
    {
        const QString mixed = u"1 -> Kejadian 1:1, Yohanes 1:1"_s;
        QCOMPARE(crossRefTargets(mixed, false), (QStringList { u"Kejadian 1:1*"_s, u"Yohanes 1:1"_s }));
        QCOMPARE(crossRefTargets(mixed, true), (QStringList { u"Kejadian 1:1"_s, u"Yohanes 1:1"_s }));
        QCOMPARE(crossRefTargets(u"2 -> Kisah Para Rasul 2:1,I Samuel 3:4"_s, false),
            (QStringList { u"Kisah Para Rasul 2:1"_s, u"I Samuel 3:4*"_s }));
        QCOMPARE(crossRefTargets(u"7 ->  Roma 5:8 ,, I Yohanes 4:9-10 "_s, true),
            (QStringList { u"Roma 5:8"_s, u"I Yohanes 4:9-10"_s }));
        QCOMPARE(crossRefTargets(u"<tidak ada referensi>"_s, true), QStringList {});
    }
};

TIRTA_TEST_MAIN_CORE(BookFieldsTest)
#include "tst_bookfields.moc"
