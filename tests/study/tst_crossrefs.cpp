#include "study/crossrefs.h"
#include "support/testenv.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::study::chapterCrossRefs;
using tirta::study::crossRefTargets;

class CrossRefsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chapterEntries_data()
    {
        QTest::addColumn<QString>("referensi");
        QTest::addColumn<int>("chapter");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<bool>("malformed");
        const QString john = u"#3#@16 Bilangan 21:9, Yohanes 12:32@17 Yohanes 12:47"_s;
        const QStringList johnCaptions { u"16 -> Bilangan 21:9, Yohanes 12:32"_s, u"17 -> Yohanes 12:47"_s };
        QTest::newRow("two entries") << john << 3 << johnCaptions << false;
        QTest::newRow("text before the first entry") << u"#3#lihat@16 Bilangan 21:9, Yohanes 12:32"
                                                        u"@17 Yohanes 12:47"_s
                                                     << 3 << johnCaptions << false;
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
    void chapterEntries()
    {
        QFETCH(QString, referensi);
        QFETCH(int, chapter);
        QFETCH(QStringList, captions);
        QFETCH(bool, malformed);
        const auto refs = chapterCrossRefs(referensi, chapter);
        QCOMPARE(refs.captions, captions);
        QCOMPARE(refs.malformed, malformed);
    }

    void moreEntriesThanSlotsAreMalformed()
    {
        QString line = u"#1#"_s;
        for (int v = 1; v <= tirta::study::kCrossRefSlots; ++v)
            line += u'@' + QString::number(v) + u" Roma 1:1"_s;
        QVERIFY(!chapterCrossRefs(line, 1).malformed);
        const auto refs = chapterCrossRefs(line + u"@151 Roma 1:1"_s, 1);
        QVERIFY(refs.malformed);
        QCOMPARE(refs.captions.size(), tirta::study::kCrossRefSlots);
    }

    void targets_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("hasOldTestament");
        QTest::addColumn<QStringList>("targets");
        const QString mixed = u"1 -> Kejadian 1:1, Yohanes 1:1"_s;
        QTest::newRow("old testament starred")
            << mixed << false << QStringList { u"Kejadian 1:1*"_s, u"Yohanes 1:1"_s };
        QTest::newRow("full translation")
            << mixed << true << QStringList { u"Kejadian 1:1"_s, u"Yohanes 1:1"_s };
        QTest::newRow("book names with spaces")
            << u"2 -> Kisah Para Rasul 2:1,I Samuel 3:4"_s << false
            << QStringList { u"Kisah Para Rasul 2:1"_s, u"I Samuel 3:4*"_s };
        QTest::newRow("blanks and empty pieces") << u"7 ->  Roma 5:8 ,, I Yohanes 4:9-10 "_s << true
                                                 << QStringList { u"Roma 5:8"_s, u"I Yohanes 4:9-10"_s };
        QTest::newRow("no arrow") << u"<tidak ada referensi>"_s << true << QStringList {};
    }
    void targets()
    {
        QFETCH(QString, caption);
        QFETCH(bool, hasOldTestament);
        QFETCH(QStringList, targets);
        QCOMPARE(crossRefTargets(caption, hasOldTestament), targets);
    }
};

TIRTA_TEST_MAIN_CORE(CrossRefsTest)
#include "tst_crossrefs.moc"
