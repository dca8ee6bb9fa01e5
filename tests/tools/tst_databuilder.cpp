#include "inputs.h"

#include "foundation/datasession.h"
#include "support/testenv.h"

#include <QDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta;
using namespace tirta::databuilder;

Q_DECLARE_METATYPE(tirta::databuilder::Problem)

namespace {

/// Fields of the current row as "name=value", joined by "|"; NULL shows as "-".
QString fields(const Recordset& rows, const QStringList& names)
{
    QStringList shown;
    for (const QString& name : names)
        shown << name + u'=' + (rows.isNull(name) ? u"-"_s : rows.text(name));
    return shown.join(u'|');
}

} // namespace

class DataBuilderTest : public QObject
{
    Q_OBJECT

private:
    tirta::test::SmallInputs m_inputs;
    std::unique_ptr<DataSession> m_session;
    BuildReport m_report;

    /// The chapter row of a book, moved onto; "no row" when there is none.
    QString chapter(const QString& book, int number, const QStringList& names)
    {
        Recordset& chapters = m_session->recordset(Role::Chapters);
        if (!chapters.findFirst(u"Buku='"_s + book + u"' AND Bab="_s + QString::number(number)))
            return u"no row"_s;
        return fields(chapters, names);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_inputs.write());
        const QString output = m_inputs.path(u"keluaran/Purnaka2000.dat"_s);
        Diagnostics diagnostics;
        QVERIFY2(
            m_inputs.build(output, &m_report, &diagnostics), qPrintable(diagnostics.value(0).toString()));
        DataFailure failure;
        m_session = DataSession::open(output, &failure);
        QVERIFY2(m_session, qPrintable(describe(failure)));
    }

    void chapterTextIsOneMarkedLinePerVerse()
    {
        // The empty verse 3 is left out; blanks are collapsed; lines end in CR LF but the last.
        QCOMPARE(
            chapter(u"Kejadian"_s, 1, { u"Kitab1"_s, u"Kitab2"_s, u"Ayat"_s, u"Perjanjian"_s, u"Urutan"_s }),
            u"Kitab1=1:1 Pada mulanya Allah menciptakan langit dan bumi.\r\n"
            "1:2 Bumi belum berbentuk dan kosong.\r\n"
            "1:4 Allah melihat bahwa terang itu baik.|Kitab2=-|Ayat=4|Perjanjian=Lama|Urutan=1"_s);
    }

    void markupBecomesPlainText()
    {
        QCOMPARE(chapter(u"Yohanes"_s, 3, { u"Kitab2"_s, u"Kitab1"_s, u"Ayat"_s, u"Perjanjian"_s }),
            u"Kitab2=3:16 Porque de tal manera amó Dios al mundo, que ha dado á su Hijo unigénito para que "
            "todo aquel que en él cree, no se pierda.\r\n"
            "3:17 Porque no envió Dios á su Hijo al mundo para condenar al mundo.|"
            "Kitab1=3:16 Karena begitu besar kasih Allah akan dunia ini.\r\n"
            "3:17 Sebab Allah mengutus Anak-Nya.|Ayat=17|Perjanjian=Baru"_s);
    }

    void everyChapterUpToTheLastHasItsRow()
    {
        // Kejadian 2 has no verse in any translation, yet the reader must find its row.
        QCOMPARE(chapter(u"Kejadian"_s, 2, { u"Kitab1"_s, u"Ayat"_s }), u"Kitab1=-|Ayat=0"_s);
        QCOMPARE(chapter(u"Mazmur"_s, 4, {}), u"no row"_s);
        QCOMPARE(chapter(u"Keluaran"_s, 1, {}), u"no row"_s);

        // Kejadian 1-3, Mazmur 1-3, Yohanes 1-3, Yudas 1, in canonical order.
        Recordset& chapters = m_session->recordset(Role::Chapters);
        QStringList order;
        for (chapters.moveFirst(); !chapters.eof(); chapters.moveNext())
            order << chapters.text(u"Buku") + u' ' + chapters.text(u"Bab") + u'=' + chapters.text(u"Urutan");
        QCOMPARE(order,
            QStringList({ u"Kejadian 1=1"_s, u"Kejadian 2=2"_s, u"Kejadian 3=3"_s, u"Mazmur 1=4"_s,
                u"Mazmur 2=5"_s, u"Mazmur 3=6"_s, u"Yohanes 1=7"_s, u"Yohanes 2=8"_s, u"Yohanes 3=9"_s,
                u"Yudas 1=10"_s }));
        QCOMPARE(m_report.chapterRows, 10);
    }

    void booksCarryEachTranslationsNames()
    {
        Recordset& books = m_session->recordset(Role::Books);
        const QStringList names { u"Kitab2"_s, u"Urutan"_s, u"Perjanjian"_s, u"JumlahBuku"_s };
        QCOMPARE(books.recordCount(), 66);
        // The second translation has no Old Testament, so it names none of its books.
        QVERIFY(books.findFirst(u"Kitab1='Kidung Agung'"_s));
        QCOMPARE(fields(books, names), u"Kitab2=-|Urutan=22|Perjanjian=Lama|JumlahBuku=0"_s);
        QVERIFY(books.findFirst(u"Kitab1='Yohanes'"_s));
        QCOMPARE(fields(books, names), u"Kitab2=Juan|Urutan=43|Perjanjian=Baru|JumlahBuku=3"_s);
        QCOMPARE(m_session->recordset(Role::OldBooks).recordCount(), 39);
        QCOMPARE(m_session->recordset(Role::NewBooks).recordCount(), 27);
    }

    void catalogueSaysWhatEachTranslationHolds()
    {
        Recordset& versions = m_session->recordset(Role::Versions);
        const QStringList names { u"nr"_s, u"NamaVersi"_s, u"NamaTabel"_s, u"Aktif"_s, u"Lama"_s, u"Baru"_s,
            u"HakCipta"_s };
        QCOMPARE(versions.recordCount(), 2);
        versions.moveFirst();
        QCOMPARE(fields(versions, names),
            u"nr=1|NamaVersi=Terjemahan Satu|NamaTabel=Kitab1|Aktif=1|Lama=-1|Baru=-1|HakCipta=-"_s);
        versions.moveNext();
        QCOMPARE(fields(versions, names),
            u"nr=2|NamaVersi=Terjemahan Dua|NamaTabel=Kitab2|Aktif=1|Lama=0|Baru=-1|"
            "HakCipta=Baris satu\r\nBaris dua"_s);
        QVERIFY(versions.findFirst(u"nr=2AND Aktif=1"_s));
    }

    void deuterocanonicalBooksHaveEveryListedChapter()
    {
        Recordset& deutero = m_session->recordset(Role::Deutero);
        const QStringList names { u"Urutan"_s, u"Bab"_s, u"Kitab1"_s, u"Buku1"_s, u"Kitab2"_s, u"Buku3"_s };
        // Tobit 14, Yudit 16, Tambahan Ester 6, Kebijaksanaan 19, Sirakh 51, Barukh 6,
        // Tambahan Daniel 3, I Makabe 16, II Makabe 15.
        QCOMPARE(deutero.recordCount(), 14 + 16 + 6 + 19 + 51 + 6 + 3 + 16 + 15);
        QCOMPARE(m_report.deuteroRows, deutero.recordCount());
        deutero.moveFirst();
        QCOMPARE(fields(deutero, names),
            u"Urutan=1|Bab=1|Kitab1=1:1 Libro de las palabras de Tobit.|Buku1=Tobit|Kitab2=-|Buku3=-"_s);
        // An addition without words keeps its rows, named but empty.
        QVERIFY(deutero.findFirst(u"urutan=7 AND Bab=13"_s));
        QCOMPARE(
            fields(deutero, names), u"Urutan=7|Bab=13|Kitab1=-|Buku1=Tambahan Daniel|Kitab2=-|Buku3=-"_s);
        QVERIFY(!m_session->thirdDeuteroAvailable());
    }

    void projectTablesAreWritten()
    {
        Recordset& menu = m_session->recordset(Role::MenuSwitches);
        QStringList switches;
        for (menu.moveFirst(); !menu.eof(); menu.moveNext())
            switches << fields(menu, { u"NamaMenu"_s, u"Aktif"_s });
        QCOMPARE(switches,
            QStringList({ u"NamaMenu=Perikop|Aktif=0"_s, u"NamaMenu=Pengantar|Aktif=0"_s,
                u"NamaMenu=Perumpamaan|Aktif=-1"_s, u"NamaMenu=Peta|Aktif=0"_s, u"NamaMenu=Kamus|Aktif=0"_s,
                u"NamaMenu=Nubuat|Aktif=0"_s, u"NamaMenu=Commentary|Aktif=0"_s,
                u"NamaMenu=Deuterokanonika|Aktif=-1"_s, u"NamaMenu=Keterangan|Aktif=0"_s,
                u"NamaMenu=Tematik|Aktif=0"_s }));

        Recordset& info = m_session->recordset(Role::Info);
        QVERIFY(info.findFirst(u"id=3"_s));
        QCOMPARE(info.text(u"Keterangan"), u"Kutiplah apa adanya.\r\nSebutkan sumbernya."_s);
        QVERIFY(info.findFirst(u"id=1"_s));
        QVERIFY(!info.findFirst(u"id=4"_s));

        // The study tables not fed stay empty.
        QVERIFY(m_session->themesAvailable());
        QCOMPARE(m_session->recordset(Role::Themes).recordCount(), 0);
        QCOMPARE(m_session->recordset(Role::Dictionary).recordCount(), 0);
    }

    void studyFieldsAreStoredAsTheProgramReadsThem()
    {
        Recordset& books = m_session->recordset(Role::Books);
        QVERIFY(books.findFirst(u"Kitab1='Yohanes'"_s));
        QCOMPARE(books.text(u"Perikop"), u"Kasih Allah==(Yohanes#3:16-17)"_s);
        QCOMPARE(books.text(u"Referensi"), u"#3#@16 Kejadian 1:1, Kejadian 1:2"_s);
        QVERIFY(books.text(u"Survai").contains(u"\r\nPasal 3\r\n   3:16-17   Kasih Allah"_s));
        QVERIFY(books.text(u"CiriKhas").contains(u"Jumlah ayat: 2 (menurut Terjemahan Satu)"_s));
        QVERIFY(books.findFirst(u"Kitab1='Kejadian'"_s));
        QCOMPARE(books.text(u"Perikop"), u"Penciptaan==(Kejadian#1:1-2)"_s);

        Recordset& parables = m_session->recordset(Role::Parables);
        QVERIFY(parables.findFirst(u"Perumpamaan='kasih'"_s));
        QVERIFY(parables.isNull(u"Matius"));
        QCOMPARE(parables.text(u"Yohanes"), u"Yohanes#3:16-17"_s);
        // The tips go to a file beside the data file, where the program finds them.
        QCOMPARE(m_report.tipsFile, m_inputs.path(u"keluaran/TY_tips.dat"_s));
        QCOMPARE(tirta::test::readBytes(m_report.tipsFile), "Tip satu.\r\nTip dua.\r\n");
    }

    void translationsAloneNeedNoStudyMaterial()
    {
        // A user's own translations, without any study section: the book fields stay empty.
        tirta::test::SmallInputs plain;
        const QString study
            = u"[Kitab]\nPerikop = perikop.txt\nReferensi = referensi.txt\nSurvai = 1\n"
              u"CiriKhas = 1\n\n[Perumpamaan]\nBerkas = umpama.txt\n\n[Tip]\nBerkas = tip.txt\n"_s;
        QVERIFY(plain.write({ { u"katalog.txt"_s, study, QString() },
            { u"katalog.txt"_s, u"Perumpamaan = 1"_s, u"Perumpamaan = 0"_s } }));
        BuildReport report;
        Diagnostics diagnostics;
        const QString output = plain.path(u"Purnaka2000.dat"_s);
        QVERIFY2(plain.build(output, &report, &diagnostics), qPrintable(diagnostics.value(0).toString()));
        QVERIFY(report.tipsFile.isEmpty());
        DataFailure failure;
        auto session = DataSession::open(output, &failure);
        QVERIFY2(session, qPrintable(describe(failure)));
        Recordset& books = session->recordset(Role::Books);
        QVERIFY(books.findFirst(u"Kitab1='Yohanes'"_s));
        for (const char16_t* field : { u"Perikop", u"Referensi", u"Survai", u"CiriKhas" })
            QVERIFY2(books.text(field).isEmpty(), qPrintable(QString::fromUtf16(field)));
        QCOMPARE(session->recordset(Role::Parables).recordCount(), 0);
    }

    void refusedBuildKeepsTheOutputAsItWas_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<QString>("citedFile");
        QTest::addColumn<QString>("citedText"); ///< the complaint points at the last line holding it
        QTest::addColumn<QString>("says");

        // Each fault a source text reader finds stops the build as this one does.
        QTest::newRow("unknown book")
            << u"ayat-satu.txt"_s << u"Ps\t3"_s << u"Mzm\t3"_s << Problem::UnknownBook << u"ayat-satu.txt"_s
            << u"Mzm"_s << u"kitab tidak dikenal: \"Mzm\""_s;
        // The letter of Jeremiah is chapter 6 of Barukh; a source with both may not overlap.
        QTest::newRow("sources colliding in one chapter")
            << u"modul-dua.imp"_s << u"$$$Prayer of Azariah 1:1\n"_s
            << u"$$$Baruch 6:1\nThe copy of a letter.\n$$$Epistle of Jeremiah 1:1\nThe copy again.\n"
               "$$$Prayer of Azariah 1:1\n"_s
            << Problem::VerseRepeated << u"modul-dua.imp"_s << u"Epistle"_s
            << u"Bar 6:1 bertabrakan dengan ayat 1 pasal yang sama"_s;
        QTest::newRow("verse too long")
            << u"ayat-satu.txt"_s << u"Anak-Nya."_s << u"Anak-Nya. "_s + QString(1500, u'x')
            << Problem::TooLong << u"ayat-satu.txt"_s << u"Anak-Nya."_s
            << u"John 3:17 panjangnya 1531 karakter, lebih dari 1500"_s;
        QTest::newRow("catalogue column that does not exist")
            << u"katalog.txt"_s << u"NamaTabel = Kitab2"_s << u"NamaTabel = Kitab5"_s
            << Problem::UnknownColumn << u"katalog.txt"_s << u"Kitab5"_s
            << u"kolom \"Kitab5\" tidak ada: berkas ini memuat Kitab1 sampai Kitab2"_s;
        QTest::newRow("catalogue field that does not exist")
            << u"katalog.txt"_s << u"HakCipta = "_s << u"Hakcipta2 = "_s << Problem::UnknownKey
            << u"katalog.txt"_s << u"Hakcipta2"_s << u"kolom katalog tidak ada: \"Hakcipta2\""_s;
        QTest::newRow("book name missing")
            << u"nama-dua.txt"_s << u"Jude = Kitab Jude\n"_s << QString() << Problem::MissingBookNames
            << u"katalog.txt"_s << u"nama-dua.txt"_s << u"nama kitab tidak ada untuk: Jude"_s;
        QTest::newRow("name file line without its name")
            << u"nama-dua.txt"_s << u"Jude = Kitab Jude"_s << u"Jude Kitab Jude"_s << Problem::MissingMark
            << u"nama-dua.txt"_s << u"Jude Kitab"_s << u"baris tanpa \"kode = nama\""_s;
        QTest::newRow("name file with an unknown code")
            << u"nama-dua.txt"_s << u"Jude = Kitab Jude"_s << u"Kej = Kitab Jude"_s << Problem::UnknownBook
            << u"nama-dua.txt"_s << u"Kej ="_s << u"kode kitab tidak dikenal: \"Kej\""_s;
        QTest::newRow("Bible code among the deuterocanonical names")
            << u"nama-deutero.txt"_s << u"Tob = Tobit"_s << u"Gen = Tobit"_s << Problem::UnknownBook
            << u"nama-deutero.txt"_s << u"Gen ="_s << u"kode kitab tidak dikenal: \"Gen\""_s;
        QTest::newRow("book named twice")
            << u"nama-deutero.txt"_s << u"Tob = Tobit\n"_s << u"Tob = Tobit\ntob = Tobias\n"_s
            << Problem::Duplicate << u"nama-deutero.txt"_s << u"tob = Tobias"_s
            << u"nama kitab Tob ditulis dua kali"_s;
        QTest::newRow("book names missing from the module")
            << u"katalog.txt"_s << u"NamaKitab = nama-dua.txt"_s << u"NamaKitab = modul"_s
            << Problem::MissingBookNames << u"katalog.txt"_s << u"NamaKitab = modul"_s
            << u"nama kitab tidak ada untuk: Matt"_s;
        QTest::newRow("book names from a verse file")
            << u"katalog.txt"_s << u"Teks = modul-dua.imp\nNamaKitab = nama-dua.txt"_s
            << u"Teks = ayat-satu.txt\nNamaKitab = modul"_s << Problem::MissingBookNames << u"katalog.txt"_s
            << u"NamaKitab = modul"_s << u"NamaKitab = modul mengambil nama dari judul kitab hasil mod2imp"_s;
        QTest::newRow("deuterocanonical book name missing")
            << u"nama-deutero.txt"_s << u"AddDan = Tambahan Daniel\n"_s << QString()
            << Problem::MissingBookNames << u"katalog.txt"_s << u"nama-deutero.txt"_s
            << u"nama kitab tidak ada untuk: AddDan"_s;
        QTest::newRow("key column not canonical")
            << u"katalog.txt"_s << u"Teks = ayat-satu.txt"_s
            << u"Teks = ayat-satu.txt\nNamaKitab = nama-dua.txt"_s << Problem::WrongKeyName
            << u"katalog.txt"_s << u"NamaKitab = nama-dua.txt"_s
            << u"Kitab1 adalah kunci pencarian kitab dan harus memakai nama kanonik: "_s;
        QTest::newRow("testament the text does not hold")
            << u"katalog.txt"_s << u"Aktif = 1"_s << u"Lama = 1"_s << Problem::TestamentMismatch
            << u"katalog.txt"_s << u"Lama = 1"_s
            << u"Lama = 1, tetapi teksnya tidak memuat kitab Perjanjian Lama"_s;
        QTest::newRow("text file missing")
            << u"katalog.txt"_s << u"Teks = ayat-satu.txt"_s << u"Teks = ayat-hilang.txt"_s
            << Problem::FileUnreadable << u"katalog.txt"_s << u"ayat-hilang.txt"_s
            << u"teks tidak ditemukan: "_s;
        QTest::newRow("information page missing")
            << u"katalog.txt"_s << u"1 = tentang.txt"_s << u"1 = tentang-hilang.txt"_s
            << Problem::FileUnreadable << u"katalog.txt"_s << u"tentang-hilang.txt"_s
            << u"berkas tidak dapat dibaca: "_s;
        QTest::newRow("translation without a verse of the Bible")
            << u"katalog.txt"_s << u"Teks = ayat-satu.txt"_s << u"Teks = ayat-tobit.txt"_s << Problem::NoText
            << u"katalog.txt"_s << u"Teks = ayat-tobit.txt"_s
            << u"ayat-tobit.txt tidak memuat satu ayat pun dari 66 kitab Alkitab"_s;
        QTest::newRow("feature switched on without its table")
            << u"katalog.txt"_s << u"Kamus = 0"_s << u"Kamus = 1"_s << Problem::EmptyFeature
            << u"katalog.txt"_s << u"[Menu]"_s << u"fitur menyala tetapi datanya kosong: Kamus"_s;
        QTest::newRow("verse cut at words it lacks")
            << u"katalog.txt"_s << u"Teks = ayat-satu.txt\n"_s
            << u"Teks = ayat-satu.txt\nPotong = John 3:17 Amin.\n"_s << Problem::BadValue << u"katalog.txt"_s
            << u"Potong"_s << u"Potong: John 3:17 tidak ada atau tidak memuat \"Amin.\""_s;
    }

    void refusedBuildKeepsTheOutputAsItWas()
    {
        QFETCH(QString, file);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(Problem, problem);
        QFETCH(QString, citedFile);
        QFETCH(QString, citedText);
        QFETCH(QString, says);

        const tirta::test::SmallInputs inputs;
        QVERIFY(inputs.write({ { file, from, to } }));
        const QString output = inputs.path(u"keluaran/Purnaka2000.dat"_s);
        QVERIFY(QDir(inputs.folder()).mkdir(u"keluaran"_s));
        QVERIFY(
            !tirta::test::writeInput(inputs.path(u"keluaran"_s), u"Purnaka2000.dat"_s, "lama"_ba).isEmpty());
        Diagnostics diagnostics;
        QVERIFY(!inputs.build(output, nullptr, &diagnostics));
        // One fault, one complaint; a key column named from a New Testament list also lacks names.
        QCOMPARE(diagnostics.size(), problem == Problem::WrongKeyName ? 2 : 1);
        const auto found = std::find_if(diagnostics.cbegin(), diagnostics.cend(),
            [&](const Diagnostic& d) { return d.problem == problem; });
        QVERIFY2(found != diagnostics.cend(), qPrintable(diagnostics.value(0).toString()));
        QVERIFY2(found->message.contains(says), qPrintable(found->toString()));
        const QString cited = inputs.path(citedFile);
        QCOMPARE(QFileInfo(found->file).canonicalFilePath(), QFileInfo(cited).canonicalFilePath());
        QCOMPARE(found->line, tirta::test::lineOf(cited, citedText));
        // The file that was there stays as it was, with nothing left beside it.
        QCOMPARE(tirta::test::readBytes(output), QByteArray("lama"));
        QCOMPARE(
            QDir(inputs.path(u"keluaran"_s)).entryList(QDir::Files), QStringList { u"Purnaka2000.dat"_s });
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
        const tirta::test::SmallInputs inputs;
        QVERIFY(inputs.write() && QDir(inputs.folder()).mkdir(u"keluaran"_s));
        const QByteArray before = tirta::test::readBytes(inputs.path(output));
        Diagnostics diagnostics;
        QVERIFY(!inputs.build(inputs.path(output), nullptr, &diagnostics));
        QCOMPARE(diagnostics.size(), 1);
        QVERIFY2(diagnostics[0].message.contains(says), qPrintable(diagnostics[0].message));
        QCOMPARE(tirta::test::readBytes(inputs.path(output)), before);
    }
};

TIRTA_TEST_MAIN_CORE(DataBuilderTest)
#include "tst_databuilder.moc"
