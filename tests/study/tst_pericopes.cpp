#include "study/pericopes.h"
#include "support/fixture.h"
#include "support/testenv.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::study;

class PericopesTest : public QObject
{
    Q_OBJECT

    /// n lines "Judul k==(Yoh#c:v)" joined by CR LF.
    static QString numberedList(int n)
    {
        QStringList lines;
        for (int k = 0; k < n; ++k)
            lines << u"Judul %1==(Yoh#%2:1)"_s.arg(k).arg(k + 1);
        return lines.join(u"\r\n"_s);
    }

    /// A chapter as the reading pane holds it: "\n" between verse lines.
    static QString chapter(int number, int verses)
    {
        QStringList lines;
        for (int v = 1; v <= verses; ++v)
            lines << tirta::test::verseLine(number, v, u"ayat nomor %1"_s.arg(v));
        return lines.join(u'\n');
    }

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

    void moreThanTwoHundredLinesKeepTheFirstHeadingsOnly()
    {
        const PericopeLabels labels = pericopeLabels(numberedList(230));
        QCOMPARE(labels.usedCount, 458);
        QCOMPARE(labels.lastLaidOut(), kLastPericopeLabel);
        QCOMPARE(labels.texts[399], u"(Yoh#200:1)"_s);
        // The 201st entry shows its heading; there is no label for its passage.
        QCOMPARE(labels.texts[400], u"Judul 200"_s);
        QCOMPARE(static_cast<int>(labels.texts.size()), kLastPericopeLabel + 1);
    }

    void malformedLinesAreSkippedPieceByPiece()
    {
        const PericopeLabels labels = pericopeLabels(u"Tanpa tanda\r\n\r\nAkhir==(Yoh#3:1)"_s);
        QCOMPARE(labels.texts[0], u"Tanpa tanda"_s);
        QCOMPARE(labels.texts[1], u" "_s);
        QCOMPARE(labels.texts[2], u" "_s);
        QCOMPARE(labels.texts[4], u"Akhir"_s);
        QCOMPARE(pericopeLabels(QString()).lastLaidOut(), 0);
    }

    void jumpPutsTheCaretAtTheEndOfTheFirstVerse_data()
    {
        QTest::addColumn<QString>("passage");
        QTest::addColumn<QString>("chapter");
        QTest::addColumn<int>(
            "caretLine"); // the verse line whose end takes the caret; 0 for the end of the text

        QTest::newRow("range") << u"(Yohanes#5:3-9)"_s << u"5"_s << 3;
        QTest::newRow("one verse") << u"[Yoh#5:1]"_s << u"5"_s << 1;
        QTest::newRow("verse 1 before verse 10") << u"(Yoh#5:1-15)"_s << u"5"_s << 1;
        QTest::newRow("last verse") << u"(Yoh#5:12)"_s << u"5"_s << 0;
        QTest::newRow("across chapters") << u"(Yoh#5:10-6:2)"_s << u"5"_s << 10;
        QTest::newRow("verse not in the chapter") << u"(Yoh#5:40)"_s << u"5"_s << 1;
        QTest::newRow("no chapter mark") << u"(Yohanes 5)"_s << QString() << 1;
        QTest::newRow("no verse") << u"(Yoh#5)"_s << u"5"_s << 1;
    }

    void jumpPutsTheCaretAtTheEndOfTheFirstVerse()
    {
        QFETCH(QString, passage);
        QFETCH(QString, chapter);
        QFETCH(int, caretLine);
        const QString text = PericopesTest::chapter(5, 12);
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

    void scrollValueMapsOntoTheContentHeight_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("top");
        QTest::newRow("half of 5000") << kPericopeScrollMaximum / 2 << 5000 << -2500;
        QTest::newRow("top") << 0 << 5000 << 0;
        QTest::newRow("bottom") << kPericopeScrollMaximum << 12345 << -12345;
        QTest::newRow("rounded") << 1 << 48000 << -2;
    }

    void scrollValueMapsOntoTheContentHeight()
    {
        QFETCH(int, value);
        QFETCH(int, range);
        QFETCH(int, top);
        QCOMPARE(pericopeContentTop(value, range), top);
    }
};

TIRTA_TEST_MAIN_CORE(PericopesTest)
#include "tst_pericopes.moc"
