// The study material: references, the readers of commentary and dictionary dumps and the project's
// own tables. How a built data file stores the fields is checked with the data builder.

#include "inputs.h"

#include "support/testenv.h"
#include "tools/studysources.h"
#include "tools/studytables.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta;
using namespace tirta::databuilder;

namespace {

/// Kejadian 1 with verses 1-3, Yohanes 3 with verses 1-21 (verse 4 missing), Yudas 1 with 1-25.
VerseIndex smallIndex()
{
    VerseIndex index;
    for (int v = 1; v <= 3; ++v)
        index.add(0, 1, v);
    for (int v = 1; v <= 21; ++v) {
        if (v != 4)
            index.add(42, 3, v);
    }
    for (int v = 1; v <= 25; ++v)
        index.add(64, 1, v);
    return index;
}

QString shown(const ResolvedReference& r)
{
    return r.passage ? r.passage->reference() : r.crossesChapters ? u"lintas"_s : u"-"_s;
}

} // namespace

class StudyTest : public QObject
{
    Q_OBJECT

private:
    const VerseIndex m_verses = smallIndex();
    QTemporaryDir m_dir;

private Q_SLOTS:
    void referencesResolveAgainstTranslationOne_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("osis");
        QTest::addColumn<QString>("expected");
        QTest::newRow("osis verse") << u"Gen.1.2"_s << true << u"Kejadian#1:2"_s;
        QTest::newRow("osis range") << u"John.3.16-John.3.18"_s << true << u"Yohanes#3:16-18"_s;
        QTest::newRow("osis whole chapter") << u"Gen.1"_s << true << u"Kejadian#1:1-3"_s;
        QTest::newRow("osis into the next chapter") << u"John.3.20-John.4.2"_s << true << u"lintas"_s;
        QTest::newRow("verse the translation lacks") << u"John.3.4"_s << true << u"-"_s;
        QTest::newRow("range ending past the chapter") << u"Gen.1.2-Gen.1.9"_s << true << u"-"_s;
        QTest::newRow("english name") << u"Genesis 1:1-2"_s << false << u"Kejadian#1:1-2"_s;
        QTest::newRow("short form") << u"joh 3:16"_s << false << u"Yohanes#3:16"_s;
        QTest::newRow("canonical name") << u"Yudas 1:24-25"_s << false << u"Yudas#1:24-25"_s;
        QTest::newRow("book repeated after the dash") << u"ge 1:1-ge 1:3"_s << false << u"Kejadian#1:1-3"_s;
        QTest::newRow("unknown book") << u"Hezekiah 1:1"_s << false << u"-"_s;
    }

    void referencesResolveAgainstTranslationOne()
    {
        QFETCH(QString, text);
        QFETCH(bool, osis);
        QFETCH(QString, expected);
        QCOMPARE(shown(osis ? resolveOsisReference(text, m_verses) : resolveWrittenReference(text, m_verses)),
            expected);
    }

    void referenceListsCarryTheBookOver()
    {
        QCOMPARE(splitReferenceList(u"Exodus 21:17; Leviticus 20:9"),
            QStringList({ u"Exodus 21:17"_s, u"Leviticus 20:9"_s }));
        QCOMPARE(
            splitReferenceList(u"Isaiah 13:10; 34:4"), QStringList({ u"Isaiah 13:10"_s, u"Isaiah 34:4"_s }));
        QCOMPARE(splitReferenceList(u"lu 17:26-29,32"), QStringList({ u"lu 17:26-29"_s, u"lu 17:32"_s }));
        QCOMPARE(splitReferenceList(u"joh 5:28 joh 5:29"), QStringList({ u"joh 5:28"_s, u"joh 5:29"_s }));
        QCOMPARE(splitReferenceList(u"2 Samuel 7:14"), QStringList({ u"2 Samuel 7:14"_s }));
    }

    void headwordsGetProperCase()
    {
        QCOMPARE(properCase(u"ARK OF THE COVENANT"), u"Ark of the Covenant"_s);
        QCOMPARE(properCase(u"FULLER'S FIELD"), u"Fuller\u2019s Field"_s);
        QCOMPARE(properCase(u"BETH-HORON"), u"Beth-Horon"_s);
    }

    void outlinesOfACommentary()
    {
        const std::vector<DumpEntry> entries = dumpEntries(
            u"$$$Genesis 1:1\n"
            "<title type=\"x-ms\">Genesis</title> <div type=\"introduction\"/> Genesis is a name taken from "
            "the Greek. <title type=\"x-s2\">Chapter 1</title> <title type=\"x-IS\">Chapter Outline</title> "
            "<table> <row><cell>God creates heaven and earth.</cell><cell>(1-2)</cell></row> </table> "
            "<table> <row><cell>Light.</cell><cell>(3-9)</cell></row> </table>\n"
            "$$$John 3:1\n"
            "<title type=\"x-s2\">Chapter 3</title> <div sID=\"a\" type=\"x-p\"/>Nicodemus comes. "
            "(<reference "
            "osisRef=\"John.3.1-John.3.8\">Jn 3:1-8</reference>) God so loved. (<reference "
            "osisRef=\"John.3.16-John.3.21\">Jn 3:16-21</reference>) <div eID=\"a\" type=\"x-p\"/>\n"
            "$$$Jude 1:1\n"
            "<title type=\"x-s2\">Chapter 1</title> <div sID=\"b\" type=\"x-p\"/>An exhortation to stand "
            "fast. <div eID=\"b\" type=\"x-p\"/>\n"_s);
        DroppedReferences dropped;
        QStringList lines;
        for (const Pericope& p : readSectionOutlines(entries, m_verses, &dropped))
            lines << p.heading + u"=="_s + p.passage.reference();
        QCOMPARE(lines,
            QStringList(
                { u"God creates heaven and earth.==Kejadian#1:1-2"_s, u"Nicodemus comes.==Yohanes#3:1-8"_s,
                    u"God so loved.==Yohanes#3:16-21"_s, u"An exhortation to stand fast.==Yudas#1:1-25"_s }));
        QCOMPARE(dropped.unresolved, 1); // Kejadian 1:3-9 runs past the chapter
        QCOMPARE(readBookIntroductions(entries).at(0), u"Genesis is a name taken from the Greek."_s);
    }

    void notesGiveCrossReferences()
    {
        const std::vector<DumpEntry> bible
            = dumpEntries(u"$$$Genesis 1:1\n<w>In</w> the beginning<note type=\"crossReference\"><reference "
                          u"type=\"annotateRef\">1:1 "
                          "</reference><reference>John 3:16; 3:17</reference></note>\n"_s);
        const std::vector<DumpEntry> commentary = dumpEntries(
            u"$$$John 3:16\n<title type=\"x-s\">Book Introduction - John</title> <reference osisRef=\"ge "
            u"1:3\">x"
            "</reference> <list><item>a</item></list> Note: <reference osisRef=\"ge 1:2 joh "
            "3:16\">x</reference> "
            "<reference osisRef=\"Scofield:Ge 1:1\">y</reference> <reference osisRef=\"jude 1:3\">z</reference>\n"_s);
        CrossReferences refs;
        DroppedReferences dropped;
        readNoteReferences(bible, m_verses, &refs, &dropped);
        readNoteReferences(commentary, m_verses, &refs, &dropped);
        auto targets = [&](int book, int chapter, int verse) {
            QStringList list;
            for (const Passage& p : refs[{ book, chapter, verse }])
                list << p.display();
            return list;
        };
        QCOMPARE(targets(0, 1, 1), QStringList({ u"Yohanes 3:16"_s, u"Yohanes 3:17"_s }));
        // Not the introduction's reference, not the verse itself, not a pointer to a note.
        QCOMPARE(targets(42, 3, 16), QStringList({ u"Kejadian 1:2"_s, u"Yudas 1:3"_s }));
        QCOMPARE(dropped.total(), 0);
    }

    void glossaryAndTopicsBecomeHeadwords()
    {
        const std::vector<DumpEntry> bible
            = dumpEntries(u"$$$Revelation of John 22:21\nAmen. <div type=\"glossary\"/> <list> <item><seg "
                          "type=\"keyword\">amen</seg> Amen means \u201cSo be it.\u201d</item> </list>\n"_s);
        const std::vector<Headword> glossary = readGlossary(bible);
        QCOMPARE(glossary.size(), size_t(1));
        QCOMPARE(glossary[0].word, u"Amen"_s);
        QCOMPARE(glossary[0].text, u"Amen means \u201cSo be it.\u201d"_s);

        const std::vector<DumpEntry> index = dumpEntries(
            u"$$$LOVE\n<entryFree n=\"LOVE\"> <def> <lb/>\u2192 Of God <ref osisRef=\"John.3.16\">Joh "
            u"3:16</ref>; "
            "<ref osisRef=\"John.3.17\">17</ref>; <ref osisRef=\"Gen.1.1\">Ge 1:1</ref> <lb/>\u2192 See <ref "
            "target=\"Nave:GOD\">GOD</ref> <ref osisRef=\"Jude.1.1\">Jude 1</ref>:21</def></entryFree>\n"_s);
        DroppedReferences dropped;
        const std::vector<Topic> topics = readTopics(index, m_verses, &dropped);
        QCOMPARE(topics.size(), size_t(1));
        QCOMPARE(topics[0].name, u"Love"_s);
        QCOMPARE(
            topics[0].text, u"\u2192 Of God Yohanes 3:16; 3:17; Kejadian 1:1\n\u2192 See God Yudas 1:21"_s);
        QCOMPARE(topics[0].passages.size(), size_t(4));
    }

    void projectTablesRefuseWhatTheProgramCannotShow_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("verse translation 1 lacks")
            << u"# x\nNikodemus | - | - | - | Yohanes 3:4\n"_s << 2 << u"tidak menunjuk ayat"_s;
        QTest::newRow("wrong gospel column")
            << u"Terang | Yohanes 3:16 | - | - | -\n"_s << 1 << u"kolom Matius"_s;
        QTest::newRow("english book name") << u"Terang | - | - | - | John 3:16\n"_s << 1 << u"kanonik"_s;
        QTest::newRow("quote in title")
            << u"Anak Tuhan's | - | - | - | Yohanes 3:16\n"_s << 1 << u"tanda '"_s;
        QTest::newRow("title twice")
            << u"Terang | - | - | - | Yohanes 3:16\nterang | - | - | - | Yohanes 3:17\n"_s << 2
            << u"dua kali"_s;
        QTest::newRow("field missing") << u"Terang | - | - | Yohanes 3:16\n"_s << 1 << u"5 bagian"_s;
        QTest::newRow("no gospel") << u"Terang | - | - | - | -\n"_s << 1 << u"tanpa satu injil"_s;
    }

    void projectTablesRefuseWhatTheProgramCannotShow()
    {
        QFETCH(QString, content);
        QFETCH(int, line);
        QFETCH(QString, message);
        Diagnostics diagnostics;
        QVERIFY(!ProjectTables(m_verses, &diagnostics).parables(u"umpama.txt"_s, content));
        QCOMPARE(diagnostics.size(), 1);
        QCOMPARE(diagnostics[0].line, line);
        QVERIFY2(diagnostics[0].message.contains(message), qPrintable(diagnostics[0].toString()));
    }

    void propheciesAndPicturesAreChecked()
    {
        Diagnostics diagnostics;
        ProjectTables tables(m_verses, &diagnostics);
        QVERIFY(!tables.prophecies(u"nubuat.txt"_s, u"Terbalik | Yohanes 3:16 | Kejadian 1:1\n"_s));
        QCOMPARE(diagnostics.size(), 2); // the prophecy must be old, its fulfilment new
        QVERIFY(tables.prophecies(u"nubuat.txt"_s, u"Terang | Kejadian 1:3 | Yohanes 3:19-21\n"_s));

        diagnostics.clear();
        QVERIFY(!tirta::test::writeInput(m_dir.path(), u"ada.png"_s, "x"_ba).isEmpty());
        QVERIFY(!tables.pictures(
            u"gambar.txt"_s, u"Peta | Ada | ada.png | -\nPeta | Hilang | hilang.png | -\n"_s, m_dir.path()));
        QCOMPARE(diagnostics.size(), 1);
        QCOMPARE(diagnostics[0].line, 2);
    }
};

TIRTA_TEST_MAIN_CORE(StudyTest)
#include "tst_study.moc"
