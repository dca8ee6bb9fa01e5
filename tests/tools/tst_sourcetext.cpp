#include "inputs.h"

#include "support/testenv.h"
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
    void moduleBookNamesResolve_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("canonical");
        QTest::newRow("numbered book") << u"I Samuel"_s << u"I Samuel"_s;
        QTest::newRow("three-word name") << u"Song of Solomon"_s << u"Kidung Agung"_s;
        QTest::newRow("Psalms") << u"Psalms"_s << u"Mazmur"_s;
        QTest::newRow("last Old Testament book") << u"Malachi"_s << u"Maleakhi"_s;
        QTest::newRow("first New Testament book") << u"Matthew"_s << u"Matius"_s;
        QTest::newRow("third letter of John") << u"III John"_s << u"III Yohanes"_s;
        QTest::newRow("Revelation") << u"Revelation of John"_s << u"Wahyu"_s;
        QTest::newRow("OSIS code") << u"1Thess"_s << u"I Tesalonika"_s;
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
        const QString folder = m_dir.path();
        const QString path = tirta::test::writeInput(folder, u"ayat.txt"_s, content);
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
        QTest::addColumn<bool>("dump");
        QTest::addColumn<QString>("content");
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<int>("line");

        QTest::newRow("unknown book in a dump")
            << true << u"$$$Genesis 1:1\na\n$$$Genesys 1:2\nb\n"_s << Problem::UnknownBook << 3;
        QTest::newRow("verse out of order in a dump")
            << true << u"$$$Genesis 1:2\na\n$$$Genesis 1:1\nb\n"_s << Problem::VerseOutOfOrder << 3;
        QTest::newRow("chapter out of order in a dump")
            << true << u"$$$Genesis 2:1\na\n$$$Exodus 1:1\nb\n$$$Genesis 1:5\nc\n"_s
            << Problem::VerseOutOfOrder << 5;
        QTest::newRow("verse repeated in a dump")
            << true << u"$$$John 3:16\na\n$$$John 3:16\nb\n"_s << Problem::VerseRepeated << 3;
        QTest::newRow("key without chapter and verse")
            << true << u"$$$Genesis 1:1\na\n$$$Genesis\nb\n"_s << Problem::MissingMark << 3;
        QTest::newRow("text before the first key")
            << true << u"\nstray words\n$$$Genesis 1:1\na\n"_s << Problem::MissingMark << 2;
        QTest::newRow("broken markup")
            << true << u"$$$Genesis 1:1\na\n$$$Genesis 1:2\nthe <w lemma='x'\n"_s << Problem::BadMarkup << 3;
        QTest::newRow("unknown book code")
            << false << u"Gen\t1\t1\ta\nKej\t1\t2\tb\n"_s << Problem::UnknownBook << 2;
        QTest::newRow("verse out of order")
            << false << u"Gen\t1\t2\ta\nGen\t1\t1\tb\n"_s << Problem::VerseOutOfOrder << 2;
        QTest::newRow("verse repeated")
            << false << u"# x\nGen\t1\t1\ta\nGen\t1\t1\tb\n"_s << Problem::VerseRepeated << 3;
        QTest::newRow("line without its verse")
            << false << u"Gen\t1\t1\ta\nGen\t1\tb\n"_s << Problem::BadNumber << 2;
        QTest::newRow("line without any tab")
            << false << u"Gen 1:1 Pada mulanya\n"_s << Problem::MissingMark << 1;
        QTest::newRow("chapter that is not a number")
            << false << u"Gen\tI\t1\ta\n"_s << Problem::BadNumber << 1;
        QTest::newRow("verse zero") << false << u"Gen\t1\t0\ta\n"_s << Problem::BadNumber << 1;
    }

    void refusals()
    {
        QFETCH(bool, dump);
        QFETCH(QString, content);
        QFETCH(Problem, problem);
        QFETCH(int, line);
        const QString path = dump ? u"modul.imp"_s : u"ayat.txt"_s;
        Diagnostics diagnostics;
        const std::optional<SourceText> text
            = dump ? readModuleDump(content, path, &diagnostics) : readVerseFile(content, path, &diagnostics);
        QVERIFY(!text);
        QCOMPARE(diagnostics.size(), 1);
        QCOMPARE(diagnostics[0].problem, problem);
        QCOMPARE(diagnostics[0].file, path);
        QCOMPARE(diagnostics[0].line, line);
        QVERIFY(diagnostics[0].toString().startsWith(path + u':' + QString::number(line) + u": "_s));
    }

    void eachFaultOfALineIsNamed_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<QString>("says");
        QTest::newRow("no verse") << u"Gen\t1\n"_s << Problem::MissingMark << u"tanpa nomor ayat"_s;
        QTest::newRow("no text") << u"Gen\t1\t2\n"_s << Problem::MissingText << u"tanpa teks"_s;
        QTest::newRow("blank for the tab")
            << u"Gen\t1\t1 Pada\n"_s << Problem::MissingMark << u"bukan spasi"_s;
        QTest::newRow("part verse") << u"Gen\t1\t5a\ta\n"_s << Problem::BadNumber << u"bukan \"5a\""_s;
        QTest::newRow("range") << u"Gen\t1\t5-6\ta\n"_s << Problem::BadNumber << u"\"5-6\" adalah rentang"_s;
        QTest::newRow("chapter 0") << u"Gen\t0\t1\ta\n"_s << Problem::BadNumber << u"pasal 0 tidak ada"_s;
        QTest::newRow("chapter 151") << u"Gen\t151\t1\ta\n"_s << Problem::OutOfRange
                                     << u"pasal 151 melebihi 150"_s;
        QTest::newRow("huge verse") << u"Gen\t1\t2147483647\ta\n"_s << Problem::OutOfRange
                                    << u"ayat 2147483647 melebihi 176"_s;
        QTest::newRow("huge chapter in a dump") << u"$$$Genesis 99999999999:1\na\n"_s << Problem::OutOfRange
                                                << u"pasal 99999999999 melebihi 150"_s;
    }

    void eachFaultOfALineIsNamed()
    {
        QFETCH(QString, content);
        QFETCH(Problem, problem);
        QFETCH(QString, says);
        Diagnostics diagnostics;
        const QString path = tirta::test::writeInput(m_dir.path(), u"teks.txt"_s, content);
        QVERIFY(!readSourceText(path, &diagnostics));
        QCOMPARE(diagnostics.size(), 1);
        QCOMPARE(diagnostics[0].problem, problem);
        QCOMPARE(diagnostics[0].line, 1);
        QVERIFY2(diagnostics[0].message.contains(says), qPrintable(diagnostics[0].message));
    }

    void textThatIsNotUtf8IsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("says");
        QTest::newRow("Windows-1252")
            << QByteArray("Gen\t1\t1\ta\nGen\t1\t2\tG\xe9nesis\n") << 2 << u"0xE9"_s;
        QTest::newRow("data file") << QByteArray("SQLite format 3\0", 16) << 0 << u"basis data"_s;
    }

    void textThatIsNotUtf8IsRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, says);
        QFile file(m_dir.filePath(u"ayat.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
        file.close();
        Diagnostics diagnostics;
        QVERIFY(!readSourceText(file.fileName(), &diagnostics));
        QCOMPARE(diagnostics.size(), 1);
        QCOMPARE(diagnostics[0].problem, Problem::NotText);
        QCOMPARE(diagnostics[0].line, line);
        QVERIFY2(diagnostics[0].message.contains(says), qPrintable(diagnostics[0].message));
    }

    void everyUnknownBookIsNamedOnce()
    {
        Diagnostics diagnostics;
        const auto text
            = readVerseFile(u"Kej\t1\t1\ta\nKej\t1\t2\tb\nKel\t1\t1\tc\n"_s, u"ayat.txt"_s, &diagnostics);
        QVERIFY(!text);
        QCOMPARE(diagnostics.size(), 2);
        QCOMPARE(diagnostics[0].line, 1);
        QCOMPARE(diagnostics[1].line, 3);
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
