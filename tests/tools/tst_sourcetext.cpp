// Reading the Bible texts: the markup of a module dump, and the two kinds of source file.

#include "inputs.h"

#include "support/testenv.h"
#include "tools/osistext.h"
#include "tools/sourcetext.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::databuilder;

Q_DECLARE_METATYPE(tirta::databuilder::Problem)

namespace {

/// "code chapter:verse text" of each verse, as the data file will see them.
QStringList describe(const SourceText& text)
{
    QStringList lines;
    for (const SourceVerse& v : text.verses)
        lines << v.book.code + u' ' + QString::number(v.chapter) + u':' + QString::number(v.verse) + u' '
                + v.text;
    return lines;
}

} // namespace

class SourceTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plainText_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<bool>("verseOne");
        QTest::addColumn<QString>("expected");

        // Spacing where markup is removed.
        QTest::newRow("note between quotations")
            << u"<q marker=''><w>only</w> born</q><note placement='foot'>Greek word</note><q marker=''><w>Son</w>, that</q>"_s
            << false << u"only born Son, that"_s;
        QTest::newRow("blanks around a note before a question mark")
            << u"<q>two assaria coins</q> <note placement='foot'>A small coin.</note> <q>? Not one</q>"_s
            << false << u"two assaria coins? Not one"_s;
        QTest::newRow("note after an opening quote")
            << u"said, “<note>n</note>Let there be"_s << false << u"said, “Let there be"_s;
        QTest::newRow("nested notes") << u"a<note>x<note>y</note>z</note>b"_s << false << u"a b"_s;
        QTest::newRow("added words glued on both sides")
            << u"<w>allí</w><transChange type='added'>también</transChange><w>bdelio</w>"_s << false
            << u"allí también bdelio"_s;
        QTest::newRow("added words before a comma")
            << u"<w>sangre</w>, <transChange type='added'>que es</transChange>, su vida"_s << false
            << u"sangre, que es, su vida"_s;
        // Added words written onto the word before them: a pronoun the verb takes joins it; after a
        // name or a negation, and any other added word, it stands apart.
        QTest::newRow("pronoun between a verb and the next word")
            << u"<w>dános</w><transChange type='added'>lo</transChange><w>hoy</w>."_s << false
            << u"dánoslo hoy."_s;
        QTest::newRow("pronoun after a name")
            << u"la cual <w>Josué</w><transChange type='added'>los</transChange> circuncidó"_s << false
            << u"la cual Josué los circuncidó"_s;
        QTest::newRow("pronoun after a negation")
            << u"<w>Y no</w><transChange type='added'>lo</transChange><w>hizo</w>"_s << false
            << u"Y no lo hizo"_s;
        QTest::newRow("added word that is no pronoun")
            << u"<w>que</w><transChange type='added'>estaba</transChange> en ella"_s << false
            << u"que estaba en ella"_s;
        QTest::newRow("word after a closing quotation")
            << u"<w>righteousness</w>.”</q><w>Then</w> he"_s << false << u"righteousness.” Then he"_s;
        QTest::newRow("divine name in small capitals")
            << u"<transChange>the <divineName>Lord</divineName></transChange> and the "
               u"<divineName><w>LORD’s</w></divineName> law"_s
            << false << u"the LORD and the LORD’s law"_s;
        QTest::newRow("line group markers between lines")
            << u"than wine!<l eID='g1' level='2'/><lb type='x-p'/><l level='1' sID='g2'/>They are"_s << false
            << u"than wine! They are"_s;
        QTest::newRow("a possessive stays on its name")
            << u"the <divineName><w>LORD</w></divineName>’s law"_s << false << u"the LORD’s law"_s;
        QTest::newRow("a hyphen stays between word elements")
            << u"<w>Ar</w>-<w>moab</w> fell"_s << false << u"Ar-moab fell"_s;

        // What is left out and what stays.
        QTest::newRow("book heading") << u"<title type='main'>Genesis</title> <w>In</w> the beginning"_s
                                      << true << u"In the beginning"_s;
        QTest::newRow("psalm superscription in verse 1")
            << u"<div sID='pv1' type='x-milestone'/><title canonical='true' type='psalm'>A Psalm by David.</title> <lg sID='a'/><l sID='b'/>Yahweh, how"_s
            << true << u"A Psalm by David. Yahweh, how"_s;
        QTest::newRow("acrostic letter inside a psalm")
            << u"<title canonical='true' type='psalm'>BETH</title> <l sID='b'/>How can"_s << false
            << u"BETH How can"_s;
        QTest::newRow("subscription after the last verse")
            << u"<w>Amen</w>. <title>Written to the <transChange>Romans</transChange></title>"_s << true
            << u"Amen."_s;
        QTest::newRow("speaker label")
            << u"his rooms.<l eID='a'/> <speaker>Friends</speaker> <l sID='b'/>We will"_s << false
            << u"his rooms. We will"_s;
        QTest::newRow("paragraph sign at the start")
            << u"<div eID='pv2' type='x-milestone'/><q marker=''>¶ <w>For</w> God so loved</q>"_s << false
            << u"For God so loved"_s;
        QTest::newRow("quotation mark carried by the markup")
            << u"<q marker='“'>Go</q> now"_s << false << u"“Go now"_s;
        QTest::newRow("entities") << u"Tom &amp; Jerry &lt;3&gt; &quot;x&quot; &#233;t&#xE9; &unknown;"_s
                                  << false << u"Tom & Jerry <3> \"x\" été &unknown;"_s;
        QTest::newRow("white space") << u"  In \t the\n\n beginning  "_s << false << u"In the beginning"_s;
        QTest::newRow("a verse without words")
            << u"<chapter eID='Jonah.1'/><div eID='g9' type='x-p'/>"_s << false << QString();
    }

    void plainText()
    {
        QFETCH(QString, markup);
        QFETCH(bool, verseOne);
        QFETCH(QString, expected);
        const Conversion result = osisToPlainText(markup, verseOne);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.text, expected);
    }

    void bookNamesComeFromTheBookDivision()
    {
        OsisBookNames names;
        // A preface before the first book names itself, not the book after it.
        names.read(u"<div sID='f' type='front'/> <milestone n='Preface' type='x-usfm-toc2'/> <div eID='f' "
                   u"type='front'/>"
                   u" <div canonical='true' osisID='Gen' sID='g1' type='book'/> <milestone n='Génesis' "
                   u"type='x-usfm-h'/>"
                   u" <milestone n='Gén' type='x-usfm-toc2'/>"_s);
        // A book with only a running head is named by it.
        names.read(u"<div osisID='Exod' sID='g2' type='book'/><milestone n='&#201;xodo' type='x-usfm-h'/>"_s);
        // The end of a division does not start another book.
        names.read(u"<div eID='g2' osisID='Exod' type='book'/><milestone n='Otro' type='x-usfm-toc2'/>"_s);
        const QHash<QString, QString> found = names.names();
        QCOMPARE(found.value(u"Gen"_s), u"Gén"_s);
        QCOMPARE(found.value(u"Exod"_s), u"Éxodo"_s);
        QCOMPARE(found.size(), 2);
    }

    void moduleBookNamesResolve_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("canonical");
        QTest::newRow("three-word name") << u"Song of Solomon"_s << u"Kidung Agung"_s;
        QTest::newRow("last Old Testament book") << u"Malachi"_s << u"Maleakhi"_s;
        QTest::newRow("first New Testament book") << u"Matthew"_s << u"Matius"_s;
        QTest::newRow("third letter of John") << u"III John"_s << u"III Yohanes"_s;
        QTest::newRow("Revelation") << u"Revelation of John"_s << u"Wahyu"_s;
        QTest::newRow("OSIS code in other case") << u"phlm"_s << u"Filemon"_s;
    }

    void moduleBookNamesResolve()
    {
        QFETCH(QString, name);
        QFETCH(QString, canonical);
        const std::optional<SourceBook> book = findSourceBook(name);
        QVERIFY(book);
        QCOMPARE(book->group, BookGroup::Bible);
        QCOMPARE(bibleBooks().at(book->index).canonical, canonical);
    }

    void moduleDump()
    {
        const QString dump
            = u"$$$[ Module Heading ]\n"
              "<milestone type='x-importer'/>\n"
              "$$$[ Testament 1 Heading ]\n"
              "$$$Genesis 0:0\n"
              "<div osisID='Gen' sID='g1' type='book'/> <milestone n='Génesis' type='x-usfm-toc2'/>\n"
              "$$$Genesis 1:0\n"
              "<chapter n='1' osisID='Gen.1' sID='Gen.1'/>\n"
              "$$$Genesis 1:1\n"
              "<w>EN</w> el principio<note>n</note><w>crió</w> Dios\n"
              "los cielos y la tierra.\n"
              "$$$Genesis 1:2\n"
              "<chapter eID='Gen.1'/>\n"
              "$$$Tobit 1:1\n"
              "The book of Tobit.\n"
              "$$$Bel and the Dragon 1:3\n"
              "Now the Babylonians had an idol.\n"
              "$$$I Esdras 1:1\n"
              "Josiah kept the passover.\n"
              "$$$Psalms 3:1\n"
              "<title type='psalm'>A Psalm.</title>Yahweh, how\n"
              "$$$Psalms 3:2\n"
              "<title type='psalm'>Not here.</title>Many\n"_s;
        Diagnostics diagnostics;
        const std::optional<SourceText> text = readModuleDump(dump, u"modul.imp"_s, &diagnostics);
        QVERIFY2(text, qPrintable(diagnostics.value(0).toString()));
        QCOMPARE(describe(*text),
            QStringList({ u"Gen 1:1 EN el principio crió Dios los cielos y la tierra."_s, u"Gen 1:2 "_s,
                u"Tob 1:1 The book of Tobit."_s, u"Bel 14:3 Now the Babylonians had an idol."_s,
                u"Ps 3:1 A Psalm. Yahweh, how"_s, u"Ps 3:2 Many"_s }));
        // The addition to Daniel lands in its book's chapter 14.
        QCOMPARE(deuteroBooks().at(text->verses[3].book.index).code, u"AddDan"_s);
        QCOMPARE(text->verses[0].line, 8);
        QCOMPARE(text->bookNames.value(u"Gen"_s), u"Génesis"_s);
        QCOMPARE(text->skippedBooks, QStringList { u"I Esdras"_s });
    }

    void verseFile()
    {
        const QString content = u"\uFEFF# kode, pasal, ayat, teks\n"
                                "Gen\t1\t1\tPada mulanya   Allah\r\n"
                                "\n"
                                "  # catatan\n"
                                "Gen\t1\t2\t\n"
                                "gen\t2\t1\tDemikianlah\tdiselesaikan\n"
                                "EpJer\t1\t1\tSurat Yeremia\n"_s;
        const QString path = tirta::test::writeInput(m_dir.path(), u"ayat.txt"_s, content.toUtf8());
        Diagnostics diagnostics;
        const std::optional<SourceText> text = readSourceText(path, &diagnostics);
        QVERIFY2(text, qPrintable(diagnostics.value(0).toString()));
        QCOMPARE(describe(*text),
            QStringList({ u"Gen 1:1 Pada mulanya Allah"_s, u"Gen 1:2 "_s,
                u"Gen 2:1 Demikianlah diselesaikan"_s, u"EpJer 6:1 Surat Yeremia"_s }));
        QCOMPARE(text->verses[2].line, 6);
    }

    void refusals_data()
    {
        QTest::addColumn<bool>("dump"); ///< read as a module dump; else as a verse file on disk
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("says");

        QTest::newRow("unknown book in a dump")
            << true << "$$$Genesis 1:1\na\n$$$Genesys 1:2\nb\n"_ba << Problem::UnknownBook << 3
            << u"kitab tidak dikenal: \"Genesys\""_s;
        QTest::newRow("verse out of order in a dump")
            << true << "$$$Genesis 1:2\na\n$$$Genesis 1:1\nb\n"_ba << Problem::VerseOutOfOrder << 3
            << u"Genesis 1:1 tidak berurutan: sesudah 1:2 (baris 1)"_s;
        QTest::newRow("chapter out of order in a dump")
            << true << "$$$Genesis 2:1\na\n$$$Exodus 1:1\nb\n$$$Genesis 1:5\nc\n"_ba
            << Problem::VerseOutOfOrder << 5 << u"Genesis 1:5 tidak berurutan: sesudah 2:1"_s;
        QTest::newRow("verse repeated in a dump")
            << true << "$$$John 3:16\na\n$$$John 3:16\nb\n"_ba << Problem::VerseRepeated << 3
            << u"John 3:16 berulang (baris 1)"_s;
        QTest::newRow("key without chapter and verse")
            << true << "$$$Genesis 1:1\na\n$$$Genesis\nb\n"_ba << Problem::MissingMark << 3
            << u"kunci tanpa pasal:ayat: \"Genesis\""_s;
        QTest::newRow("text before the first key")
            << true << "\nstray words\n$$$Genesis 1:1\na\n"_ba << Problem::MissingMark << 2
            << u"teks sebelum kunci \"$$$\" yang pertama"_s;
        QTest::newRow("broken markup") << true << "$$$Genesis 1:1\na\n$$$Genesis 1:2\nthe <w lemma='x'\n"_ba
                                       << Problem::BadMarkup << 3 << u"markup rusak: \"<\" tanpa \">\""_s;
        QTest::newRow("note that never closes")
            << true << "$$$Genesis 1:1\nword<note>a footnote\n"_ba << Problem::BadMarkup << 1
            << u"markup rusak: <note> tidak ditutup"_s;
        QTest::newRow("huge chapter in a dump")
            << true << "$$$Genesis 99999999999:1\na\n"_ba << Problem::OutOfRange << 1
            << u"pasal 99999999999 melebihi 150"_s;
        // An unknown code is named once, however many lines use it.
        QTest::newRow("unknown book code") << false << "Gen\t1\t1\ta\nKej\t1\t2\tb\nKej\t1\t3\tc\n"_ba
                                           << Problem::UnknownBook << 2 << u"kitab tidak dikenal: \"Kej\""_s;
        QTest::newRow("verse repeated") << false << "# x\nGen\t1\t1\ta\nGen\t1\t1\tb\n"_ba
                                        << Problem::VerseRepeated << 3 << u"Gen 1:1 berulang (baris 2)"_s;
        QTest::newRow("line without any tab") << false << "Gen 1:1 Pada mulanya\n"_ba << Problem::MissingMark
                                              << 1 << u"baris tanpa tanda kitab, pasal dan ayat"_s;
        QTest::newRow("no verse") << false << "Gen\t1\n"_ba << Problem::MissingMark << 1
                                  << u"tanpa nomor ayat"_s;
        QTest::newRow("no text") << false << "Gen\t1\t2\n"_ba << Problem::MissingText << 1 << u"tanpa teks"_s;
        QTest::newRow("blank for the tab")
            << false << "Gen\t1\t1 Pada\n"_ba << Problem::MissingMark << 1 << u"bukan spasi"_s;
        QTest::newRow("chapter that is not a number")
            << false << "Gen\tI\t1\ta\n"_ba << Problem::BadNumber << 1 << u"pasal harus bilangan bulat"_s;
        QTest::newRow("range") << false << "Gen\t1\t5-6\ta\n"_ba << Problem::BadNumber << 1
                               << u"\"5-6\" adalah rentang"_s;
        QTest::newRow("chapter 0") << false << "Gen\t0\t1\ta\n"_ba << Problem::BadNumber << 1
                                   << u"pasal 0 tidak ada"_s;
        QTest::newRow("chapter 151") << false << "Gen\t151\t1\ta\n"_ba << Problem::OutOfRange << 1
                                     << u"pasal 151 melebihi 150"_s;
        QTest::newRow("huge verse") << false << "Gen\t1\t2147483647\ta\n"_ba << Problem::OutOfRange << 1
                                    << u"ayat 2147483647 melebihi 176"_s;
        QTest::newRow("Windows-1252")
            << false << "Gen\t1\t1\ta\nGen\t1\t2\tG\xe9nesis\n"_ba << Problem::NotText << 2 << u"0xE9"_s;
        QTest::newRow("data file") << false << QByteArray("SQLite format 3\0", 16) << Problem::NotText << 0
                                   << u"basis data"_s;
    }

    void refusals()
    {
        QFETCH(bool, dump);
        QFETCH(QByteArray, content);
        QFETCH(Problem, problem);
        QFETCH(int, line);
        QFETCH(QString, says);
        Diagnostics diagnostics;
        QString path = u"modul.imp"_s;
        if (dump) {
            QVERIFY(!readModuleDump(QString::fromUtf8(content), path, &diagnostics));
        } else {
            path = tirta::test::writeInput(m_dir.path(), u"ayat.txt"_s, content);
            QVERIFY(!readSourceText(path, &diagnostics));
        }
        QCOMPARE(diagnostics.size(), 1);
        QCOMPARE(diagnostics[0].problem, problem);
        QCOMPARE(diagnostics[0].file, path);
        QCOMPARE(diagnostics[0].line, line);
        QVERIFY2(diagnostics[0].message.contains(says), qPrintable(diagnostics[0].message));
    }

    void missingFileIsReported()
    {
        Diagnostics diagnostics;
        QVERIFY(!readSourceText(m_dir.filePath(u"tidak-ada.imp"_s), &diagnostics));
        QCOMPARE(diagnostics.value(0).problem, Problem::FileUnreadable);
    }

private:
    QTemporaryDir m_dir;
};

TIRTA_TEST_MAIN_CORE(SourceTextTest)
#include "tst_sourcetext.moc"
