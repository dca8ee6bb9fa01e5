#include "inputs.h"

#include "foundation/datasession.h"
#include "foundation/schema.h"
#include "support/testenv.h"
#include "tools/databuilder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta;
using namespace tirta::databuilder;

Q_DECLARE_METATYPE(tirta::databuilder::Problem)

class DataBuilderTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<DataSession> m_session;
    BuildReport m_report;

    /// Builds from the inputs in `folder`; the output goes to `output`.
    static bool build(
        const QString& folder, const QString& output, BuildReport* report, Diagnostics* diagnostics)
    {
        const std::optional<Catalogue> catalogue
            = Catalogue::read(QDir(folder).filePath(u"katalog.txt"_s), {}, diagnostics);
        return catalogue && DataBuilder(*catalogue).build(output, report, diagnostics);
    }

    Recordset& chapters() { return m_session->recordset(Role::Chapters); }

    /// Moves the chapter recordset onto a chapter; false when there is no such row.
    bool findChapter(const QString& book, int chapter)
    {
        return chapters().findFirst(u"Buku='"_s + book + u"' AND Bab="_s + QString::number(chapter));
    }

private Q_SLOTS:
    void initTestCase()
    {
        const tirta::test::SmallInputs inputs { m_dir.filePath(u"masukan"_s) };
        QVERIFY(QDir().mkpath(inputs.folder));
        QVERIFY(inputs.write());
        const QString output = m_dir.filePath(u"keluaran/Purnaka2000.dat"_s);
        Diagnostics diagnostics;
        QVERIFY2(build(inputs.folder, output, &m_report, &diagnostics),
            qPrintable(diagnostics.value(0).toString()));
        DataFailure failure;
        m_session = DataSession::open(output, &failure);
        QVERIFY2(m_session, qPrintable(describe(failure)));
    }

    void chapterTextIsOneMarkedLinePerVerse()
    {
        QVERIFY(findChapter(u"Kejadian"_s, 1));
        // The empty verse 3 is left out; blanks are collapsed; lines end in CR LF but the last.
        QCOMPARE(chapters().text(u"Kitab1"),
            u"1:1 Pada mulanya Allah menciptakan langit dan bumi.\r\n"
            "1:2 Bumi belum berbentuk dan kosong.\r\n"
            "1:4 Allah melihat bahwa terang itu baik."_s);
        QCOMPARE(chapters().number(u"Ayat"), 4);
        QCOMPARE(chapters().text(u"Perjanjian"), u"Lama"_s);
        QCOMPARE(chapters().number(u"Urutan"), 1);
        QVERIFY(chapters().isNull(u"Kitab2"));
    }

    void markupBecomesPlainText()
    {
        QVERIFY(findChapter(u"Yohanes"_s, 3));
        QCOMPARE(chapters().text(u"Kitab2"),
            u"3:16 Porque de tal manera amó Dios al mundo, que ha dado á su Hijo unigénito para que todo "
            u"aquel que "
            "en él cree, no se pierda.\r\n"
            "3:17 Porque no envió Dios á su Hijo al mundo para condenar al mundo."_s);
        QCOMPARE(chapters().text(u"Kitab1"),
            u"3:16 Karena begitu besar kasih Allah akan dunia ini.\r\n3:17 Sebab Allah mengutus Anak-Nya."_s);
        QCOMPARE(chapters().text(u"Perjanjian"), u"Baru"_s);
        QCOMPARE(chapters().number(u"Ayat"), 17);
    }

    void everyChapterUpToTheLastHasItsRow()
    {
        // Kejadian 2 has no verse in any translation, yet the reader must find its row.
        QVERIFY(findChapter(u"Kejadian"_s, 2));
        QVERIFY(chapters().isNull(u"Kitab1"));
        QCOMPARE(chapters().number(u"Ayat"), 0);
        QVERIFY(findChapter(u"Mazmur"_s, 1));
        QVERIFY(!findChapter(u"Mazmur"_s, 4));
        QVERIFY(!findChapter(u"Keluaran"_s, 1));

        // Kejadian 1-3, Mazmur 1-3, Yohanes 1-3, Yudas 1, in canonical order.
        QStringList order;
        for (chapters().moveFirst(); !chapters().eof(); chapters().moveNext())
            order << chapters().text(u"Buku") + u' ' + chapters().text(u"Bab") + u'='
                    + QString::number(chapters().number(u"Urutan"));
        QCOMPARE(order,
            QStringList({ u"Kejadian 1=1"_s, u"Kejadian 2=2"_s, u"Kejadian 3=3"_s, u"Mazmur 1=4"_s,
                u"Mazmur 2=5"_s, u"Mazmur 3=6"_s, u"Yohanes 1=7"_s, u"Yohanes 2=8"_s, u"Yohanes 3=9"_s,
                u"Yudas 1=10"_s }));
        QCOMPARE(m_report.chapterRows, 10);
    }

    void booksCarryEachTranslationsNames()
    {
        Recordset& books = m_session->recordset(Role::Books);
        QCOMPARE(books.recordCount(), 66);
        QVERIFY(books.findFirst(u"Kitab1='Kidung Agung'"_s));
        QCOMPARE(books.number(u"Urutan"), 22);
        QCOMPARE(books.text(u"Perjanjian"), u"Lama"_s);
        QCOMPARE(books.number(u"JumlahBuku"), 0);
        // The second translation has no Old Testament, so it names none of its books.
        QVERIFY(books.isNull(u"Kitab2"));
        QVERIFY(books.findFirst(u"Kitab1='Yohanes'"_s));
        QCOMPARE(books.text(u"Kitab2"), u"Juan"_s);
        QCOMPARE(books.number(u"JumlahBuku"), 3);
        QCOMPARE(books.text(u"Perjanjian"), u"Baru"_s);
        QCOMPARE(m_session->recordset(Role::OldBooks).recordCount(), 39);
        QCOMPARE(m_session->recordset(Role::NewBooks).recordCount(), 27);
    }

    void catalogueSaysWhatEachTranslationHolds()
    {
        Recordset& versions = m_session->recordset(Role::Versions);
        QCOMPARE(versions.recordCount(), 2);
        versions.moveFirst();
        QCOMPARE(versions.number(u"nr"), 1);
        QCOMPARE(versions.text(u"NamaVersi"), u"Terjemahan Satu"_s);
        QCOMPARE(versions.text(u"NamaTabel"), u"Kitab1"_s);
        QCOMPARE(versions.number(u"Aktif"), 1);
        QCOMPARE(versions.number(u"Lama"), schema::kTrue);
        QCOMPARE(versions.number(u"Baru"), schema::kTrue);
        QVERIFY(versions.isNull(u"HakCipta"));
        versions.moveNext();
        QCOMPARE(versions.text(u"NamaTabel"), u"Kitab2"_s);
        QCOMPARE(versions.number(u"Lama"), schema::kFalse);
        QCOMPARE(versions.number(u"Baru"), schema::kTrue);
        QCOMPARE(versions.text(u"HakCipta"), u"Baris satu\r\nBaris dua"_s);
        QVERIFY(versions.findFirst(u"nr=2AND Aktif=1"_s));
    }

    void deuterocanonicalBooksHaveEveryListedChapter()
    {
        Recordset& deutero = m_session->recordset(Role::Deutero);
        // Tobit 14, Yudit 16, Tambahan Ester 6, Kebijaksanaan 19, Sirakh 51, Barukh 6,
        // Tambahan Daniel 3, I Makabe 16, II Makabe 15.
        QCOMPARE(deutero.recordCount(), 14 + 16 + 6 + 19 + 51 + 6 + 3 + 16 + 15);
        QCOMPARE(m_report.deuteroRows, deutero.recordCount());
        deutero.moveFirst();
        QCOMPARE(deutero.number(u"Urutan"), 1);
        QCOMPARE(deutero.number(u"Bab"), 1);
        QCOMPARE(deutero.text(u"Kitab1"), u"1:1 Libro de las palabras de Tobit."_s);
        QCOMPARE(deutero.text(u"Buku1"), u"Tobit"_s);
        QVERIFY(deutero.isNull(u"Kitab2"));
        QVERIFY(deutero.isNull(u"Buku3"));
        // An addition without words keeps its rows, named but empty.
        QVERIFY(deutero.findFirst(u"urutan=7 AND Bab=13"_s));
        QVERIFY(deutero.isNull(u"Kitab1"));
        QCOMPARE(deutero.text(u"Buku1"), u"Tambahan Daniel"_s);
        QVERIFY(!m_session->thirdDeuteroAvailable());
    }

    void projectTablesAreWritten()
    {
        Recordset& menu = m_session->recordset(Role::MenuSwitches);
        QCOMPARE(menu.recordCount(), 10);
        QVERIFY(menu.findFirst(u"NamaMenu='Deuterokanonika'"_s));
        QCOMPARE(menu.number(u"Aktif"), schema::kTrue);
        QVERIFY(menu.findFirst(u"NamaMenu='Kamus'"_s));
        QCOMPARE(menu.number(u"Aktif"), schema::kFalse);

        Recordset& info = m_session->recordset(Role::Info);
        QVERIFY(info.findFirst(u"id=3"_s));
        QCOMPARE(info.text(u"Keterangan"), u"Kutiplah apa adanya.\r\nSebutkan sumbernya."_s);
        QVERIFY(info.findFirst(u"id=1"_s));
        QVERIFY(!info.findFirst(u"id=4"_s));

        // Study material has its tables, empty for now.
        QVERIFY(m_session->themesAvailable());
        QCOMPARE(m_session->recordset(Role::Themes).recordCount(), 0);
        QCOMPARE(m_session->recordset(Role::Dictionary).recordCount(), 0);
    }

    void reportCountsWhatWasWritten()
    {
        QCOMPARE(m_report.versions.size(), size_t(2));
        const TranslationSummary& first = m_report.versions[0];
        QCOMPARE(first.column, u"Kitab1"_s);
        QCOMPARE(first.books, 3);
        QCOMPARE(first.chapters, 4);
        QCOMPARE(first.verses, 7);
        QCOMPARE(first.emptyVerses, QStringList { u"Gen 1:3"_s });
        const TranslationSummary& second = m_report.versions[1];
        QCOMPARE(second.name, u"Terjemahan Dua"_s);
        QCOMPARE(second.books, 2);
        QCOMPARE(second.verses, 3);
        QCOMPARE(second.emptyVerses, QStringList { u"John 3:18"_s });
        QCOMPARE(second.skippedBooks, QStringList { u"I Esdras"_s });
        QCOMPARE(m_report.deutero.size(), size_t(1));
        QCOMPARE(m_report.deutero[0].verses, 1);
        QCOMPARE(m_report.deutero[0].emptyVerses, QStringList { u"AddDan 3:1"_s });
    }

    void refusedBuildWritesNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<QString>("citedFile");
        QTest::addColumn<QString>("citedText"); ///< the complaint points at the last line holding it

        QTest::newRow("unknown book") << u"ayat-satu.txt"_s << u"Ps\t3"_s << u"Mzm\t3"_s
                                      << Problem::UnknownBook << u"ayat-satu.txt"_s << u"Mzm"_s;
        QTest::newRow("verse out of order")
            << u"ayat-satu.txt"_s << u"Gen\t1\t4"_s << u"Gen\t1\t1"_s << Problem::VerseOutOfOrder
            << u"ayat-satu.txt"_s << u"Allah melihat"_s;
        QTest::newRow("verse repeated") << u"modul-dua.imp"_s << u"$$$John 3:17"_s << u"$$$John 3:16"_s
                                        << Problem::VerseRepeated << u"modul-dua.imp"_s << u"$$$John 3:16"_s;
        QTest::newRow("line without its mark")
            << u"ayat-satu.txt"_s << u"John\t3\t17\t"_s << u"John 3:17 "_s << Problem::MissingMark
            << u"ayat-satu.txt"_s << u"John 3:17"_s;
        QTest::newRow("catalogue column that does not exist")
            << u"katalog.txt"_s << u"NamaTabel = Kitab2"_s << u"NamaTabel = Kitab5"_s
            << Problem::UnknownColumn << u"katalog.txt"_s << u"Kitab5"_s;
        QTest::newRow("catalogue field that does not exist")
            << u"katalog.txt"_s << u"HakCipta = "_s << u"Hakcipta2 = "_s << Problem::UnknownKey
            << u"katalog.txt"_s << u"Hakcipta2"_s;
        QTest::newRow("book name missing")
            << u"nama-dua.txt"_s << u"Jude = Kitab Jude\n"_s << QString() << Problem::MissingBookNames
            << u"katalog.txt"_s << u"nama-dua.txt"_s;
        QTest::newRow("book names missing from the module")
            << u"katalog.txt"_s << u"NamaKitab = nama-dua.txt"_s << u"NamaKitab = modul"_s
            << Problem::MissingBookNames << u"katalog.txt"_s << u"NamaKitab = modul"_s;
        QTest::newRow("book names from a verse file")
            << u"katalog.txt"_s << u"Teks = modul-dua.imp\nNamaKitab = nama-dua.txt"_s
            << u"Teks = ayat-satu.txt\nNamaKitab = modul"_s << Problem::MissingBookNames << u"katalog.txt"_s
            << u"NamaKitab = modul"_s;
        QTest::newRow("deuterocanonical book name missing")
            << u"nama-deutero.txt"_s << u"AddDan = Tambahan Daniel\n"_s << QString()
            << Problem::MissingBookNames << u"katalog.txt"_s << u"nama-deutero.txt"_s;
        QTest::newRow("key column not canonical")
            << u"katalog.txt"_s << u"Teks = ayat-satu.txt"_s
            << u"Teks = ayat-satu.txt\nNamaKitab = nama-dua.txt"_s << Problem::WrongKeyName
            << u"katalog.txt"_s << u"NamaKitab = nama-dua.txt"_s;
        QTest::newRow("testament the text does not hold")
            << u"katalog.txt"_s << u"Aktif = 1"_s << u"Lama = 1"_s << Problem::TestamentMismatch
            << u"katalog.txt"_s << u"Lama = 1"_s;
        QTest::newRow("text file missing")
            << u"katalog.txt"_s << u"Teks = ayat-satu.txt"_s << u"Teks = ayat-hilang.txt"_s
            << Problem::FileUnreadable << u"katalog.txt"_s << u"ayat-hilang.txt"_s;
        QTest::newRow("information page missing")
            << u"katalog.txt"_s << u"1 = tentang.txt"_s << u"1 = tentang-hilang.txt"_s
            << Problem::FileUnreadable << u"katalog.txt"_s << u"tentang-hilang.txt"_s;
        QTest::newRow("translation without a verse of the Bible")
            << u"katalog.txt"_s << u"Teks = ayat-satu.txt"_s << u"Teks = ayat-tobit.txt"_s << Problem::NoText
            << u"katalog.txt"_s << u"Teks = ayat-tobit.txt"_s;
    }

    void refusedBuildWritesNothing()
    {
        QFETCH(QString, file);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(Problem, problem);
        QFETCH(QString, citedFile);
        QFETCH(QString, citedText);

        QTemporaryDir dir;
        const tirta::test::SmallInputs inputs { dir.path() };
        QVERIFY(inputs.write(file, from, to));
        const QString output = dir.filePath(u"keluaran/Purnaka2000.dat"_s);
        Diagnostics diagnostics;
        BuildReport report;
        QVERIFY(!build(inputs.folder, output, &report, &diagnostics));
        // One fault may give more than one complaint; the expected one must be among them.
        const auto found = std::find_if(diagnostics.cbegin(), diagnostics.cend(),
            [&](const Diagnostic& d) { return d.problem == problem; });
        QVERIFY2(found != diagnostics.cend(), qPrintable(diagnostics.value(0).toString()));
        const QString cited = dir.filePath(citedFile);
        QCOMPARE(QFileInfo(found->file).canonicalFilePath(), QFileInfo(cited).canonicalFilePath());
        QCOMPARE(found->line, tirta::test::lineOf(cited, citedText, tirta::test::Occurrence::Last));
        QVERIFY(!QFile::exists(output));
        QCOMPARE(QDir(dir.filePath(u"keluaran"_s)).entryList(QDir::Files), QStringList());
    }

    void refusedBuildKeepsTheFileThatWasThere()
    {
        QTemporaryDir dir;
        const tirta::test::SmallInputs inputs { dir.path() };
        QVERIFY(inputs.write(u"ayat-satu.txt"_s, u"Ps\t3"_s, u"Ps\t1:3"_s));
        const QString output = tirta::test::writeInput(dir.path(), u"Purnaka2000.dat"_s, u"berkas lama"_s);
        Diagnostics diagnostics;
        QVERIFY(!build(inputs.folder, output, nullptr, &diagnostics));
        QCOMPARE(diagnostics.value(0).problem, Problem::BadNumber);
        QCOMPARE(tirta::test::readBytes(output), QByteArray("berkas lama"));
        QCOMPARE(QDir(dir.path()).entryList({ u"*.part*"_s }, QDir::Files), QStringList());
    }

    void outputThatIsAnInputIsRefused_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("says");
        QTest::newRow("catalogue") << u"katalog.txt"_s << u"KATALOG itu sendiri"_s;
        QTest::newRow("verse file, by another path") << u"keluaran/../ayat-satu.txt"_s << u"katalog.txt:15"_s;
        QTest::newRow("name file") << u"nama-deutero.txt"_s << u"katalog.txt:20"_s;
        QTest::newRow("a folder") << u"keluaran"_s << u"ini sebuah folder"_s;
    }

    void outputThatIsAnInputIsRefused()
    {
        QFETCH(QString, output);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const tirta::test::SmallInputs inputs { dir.path() };
        QVERIFY(inputs.write() && QDir(dir.path()).mkdir(u"keluaran"_s));
        const QByteArray before = tirta::test::readBytes(dir.filePath(output));
        Diagnostics diagnostics;
        QVERIFY(!build(inputs.folder, dir.filePath(output), nullptr, &diagnostics));
        QCOMPARE(diagnostics.size(), 1);
        QVERIFY2(diagnostics[0].message.contains(says), qPrintable(diagnostics[0].message));
        QCOMPARE(tirta::test::readBytes(dir.filePath(output)), before);
    }

    void badNameFileIsOneComplaint()
    {
        QTemporaryDir dir;
        const tirta::test::SmallInputs inputs { dir.path() };
        QVERIFY(inputs.write(u"nama-dua.txt"_s, u"Jude = Kitab Jude"_s, u"Jude Kitab Jude"_s));
        Diagnostics diagnostics;
        QVERIFY(!build(inputs.folder, dir.filePath(u"Purnaka2000.dat"_s), nullptr, &diagnostics));
        QCOMPARE(diagnostics.size(), 1);
        QCOMPARE(diagnostics[0].line, tirta::test::lineOf(dir.filePath(u"nama-dua.txt"_s), u"Jude Kitab"_s));
    }

    void warnings_data()
    {
        QTest::addColumn<QString>("from"); ///< in the verse file
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("citedFile");
        QTest::addColumn<QString>("citedText");
        QTest::addColumn<QString>("says");
        QTest::newRow("books a translation lacks")
            << QString() << QString() << u"katalog.txt"_s << u"Teks = modul-dua.imp"_s
            << u"Terjemahan Dua: 25 kitab tidak ada"_s;
        QTest::newRow("chapters missing inside a book")
            << u"Gen\t3\t1"_s << u"Gen\t9\t1"_s << u"ayat-satu.txt"_s << u"Gen\t9"_s
            << u"Gen: pasal 2 sampai 8 tidak ada"_s;
    }

    void warnings()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, citedFile);
        QFETCH(QString, citedText);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const tirta::test::SmallInputs inputs { dir.path() };
        QVERIFY(inputs.write(from.isEmpty() ? QString() : u"ayat-satu.txt"_s, from, to));
        Diagnostics diagnostics;
        BuildReport report;
        QVERIFY(build(inputs.folder, dir.filePath(u"Purnaka2000.dat"_s), &report, &diagnostics));
        const auto found = std::find_if(report.warnings.cbegin(), report.warnings.cend(),
            [&](const Diagnostic& d) { return d.message.contains(says); });
        QVERIFY2(found != report.warnings.cend(), qPrintable(report.warnings.value(0).message));
        QCOMPARE(found->line, tirta::test::lineOf(dir.filePath(citedFile), citedText));
    }

    void collidingSourcesAreRefused()
    {
        // The letter of Jeremiah is chapter 6 of Barukh; a source with both may not overlap.
        QTemporaryDir dir;
        const tirta::test::SmallInputs inputs { dir.path() };
        QVERIFY(inputs.write(u"modul-dua.imp"_s, u"$$$Prayer of Azariah 1:1\n"_s,
            u"$$$Baruch 6:1\nThe copy of a letter.\n$$$Epistle of Jeremiah 1:1\nThe copy again.\n"
            "$$$Prayer of Azariah 1:1\n"_s));
        Diagnostics diagnostics;
        QVERIFY(!build(inputs.folder, dir.filePath(u"Purnaka2000.dat"_s), nullptr, &diagnostics));
        QCOMPARE(diagnostics.value(0).problem, Problem::VerseRepeated);
        QCOMPARE(
            diagnostics.value(0).line, tirta::test::lineOf(dir.filePath(u"modul-dua.imp"_s), u"Epistle"_s));
    }
};

TIRTA_TEST_MAIN_CORE(DataBuilderTest)
#include "tst_databuilder.moc"
