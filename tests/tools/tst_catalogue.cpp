#include "support/testenv.h"
#include "tools/catalogue.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::databuilder;

Q_DECLARE_METATYPE(tirta::databuilder::Problem)

namespace {

const QString kMenu
    = u"[Menu]\nPerikop = 0\nPengantar = 0\nPerumpamaan = 1\nPeta = 0\nKamus = 0\nNubuat = 0\n"
      "Commentary = 0\nDeuterokanonika = 1\nKeterangan = 0\nTematik = 0\n"_s;

/// Two translations, the second one first; line numbers below count from here.
const QString kTwoVersions = u"[Versi]\n" // 1
                             "nr = 2\n" // 2
                             "NamaVersi = Dua\n" // 3
                             "NamaTabel = Kitab2\n" // 4
                             "Teks = dua.imp\n" // 5
                             "NamaKitab = modul\n" // 6
                             "[Versi]\n" // 7
                             "nr = 1\n" // 8
                             "NamaVersi = Satu\n" // 9
                             "NamaTabel = Kitab1\n" // 10
                             "Teks = satu.txt\n" // 11
                             "HakCipta = hak/satu.txt\n"_s; // 12

} // namespace

class CatalogueTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTranslationsInNumberOrder()
    {
        Diagnostics diagnostics;
        QString text = kTwoVersions
            + u"[Deuterokanonika]\nnr = 1\nTeks = satu.txt\nNamaKitab = deutero.txt\n"
              "[Info]\n99 = versi.txt\n1 = tentang.txt\n"_s
            + kMenu;
        // Keys are found in any case; a column is written as the program spells it.
        text.replace(u"NamaTabel = Kitab2"_s, u"namatabel = KITAB2"_s);
        const std::optional<Catalogue> catalogue
            = Catalogue::parse(text, u"/data/katalog.txt"_s, u"/teks"_s, &diagnostics);
        QVERIFY2(catalogue, qPrintable(diagnostics.value(0).toString()));
        // In number order; what each field holds is checked where the builder writes it.
        QCOMPARE(catalogue->versions.size(), size_t(2));
        QCOMPARE(catalogue->versions[0].nr, 1);
        QCOMPARE(catalogue->versions[1].column, u"Kitab2"_s);
        // Texts come from the texts folder, everything else from the catalogue's folder.
        QCOMPARE(catalogue->versions[0].textPath, u"/teks/satu.txt"_s);
        QCOMPARE(catalogue->versions[0].copyrightPath, u"/data/hak/satu.txt"_s);
        QCOMPARE(catalogue->deutero.at(0).names.path, u"/data/deutero.txt"_s);
        QCOMPARE(catalogue->info.size(), size_t(2));
        QCOMPARE(catalogue->info[0].id, 1);
        QCOMPARE(catalogue->info[1].id, 99);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<int>("line");

        QTest::newRow("column beyond the translations")
            << u"NamaTabel = Kitab2"_s << u"NamaTabel = Kitab3"_s << Problem::UnknownColumn << 4;
        QTest::newRow("column of another table")
            << u"NamaTabel = Kitab2"_s << u"NamaTabel = Buku2"_s << Problem::UnknownColumn << 4;
        QTest::newRow("column used twice")
            << u"NamaTabel = Kitab2"_s << u"NamaTabel = Kitab1"_s << Problem::Duplicate << 10;
        QTest::newRow("catalogue key that is no field")
            << u"NamaVersi = Dua"_s << u"NamaVersion = Dua"_s << Problem::UnknownKey << 3;
        QTest::newRow("key given twice")
            << u"Teks = dua.imp\n"_s << u"Teks = dua.imp\nTeks = tiga.imp\n"_s << Problem::Duplicate << 6;
        QTest::newRow("required key left out")
            << u"NamaVersi = Satu\n"_s << QString() << Problem::MissingValue << 7;
        QTest::newRow("number out of range") << u"nr = 2"_s << u"nr = 3"_s << Problem::BadValue << 1;
        QTest::newRow("number used twice") << u"nr = 2"_s << u"nr = 1"_s << Problem::Duplicate << 7;
        QTest::newRow("number that is not one") << u"nr = 2"_s << u"nr = dua"_s << Problem::BadValue << 2;
        QTest::newRow("switch that is not 1 or 0")
            << u"Teks = dua.imp"_s << u"Teks = dua.imp\nLama = ya"_s << Problem::BadValue << 6;
        QTest::newRow("translation without book names")
            << u"NamaKitab = modul\n"_s << QString() << Problem::MissingBookNames << 1;
        QTest::newRow("unknown section")
            << u"[Versi]\nnr = 1"_s << u"[Versie]\nnr = 1"_s << Problem::UnknownSection << 7;
        QTest::newRow("line without a value")
            << u"NamaVersi = Satu"_s << u"NamaVersi Satu"_s << Problem::BadValue << 9;
        QTest::newRow("unknown feature")
            << u"Peta = 0"_s << u"Peta = 0\nGambar = 1"_s << Problem::UnknownKey << 18;
        QTest::newRow("feature left out") << u"Kamus = 0\n"_s << QString() << Problem::MissingValue << 13;
        QTest::newRow("feature switch not 1 or 0")
            << u"Kamus = 0"_s << u"Kamus = tidak"_s << Problem::BadValue << 18;
        QTest::newRow("fourth deuterocanonical translation")
            << u"[Menu]"_s << u"[Deuterokanonika]\nnr = 4\nTeks = d.imp\nNamaKitab = d.txt\n[Menu]"_s
            << Problem::UnknownColumn << 13;
        QTest::newRow("information page without a number")
            << u"[Menu]"_s << u"[Info]\netika = etika.txt\n[Menu]"_s << Problem::UnknownKey << 14;
    }

    void refusals()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(Problem, problem);
        QFETCH(int, line);
        QString text = kTwoVersions + kMenu;
        QVERIFY(text.contains(from));
        text.replace(text.indexOf(from), from.size(), to);
        Diagnostics diagnostics;
        QVERIFY(!Catalogue::parse(text, u"katalog.txt"_s, {}, &diagnostics));
        QVERIFY(!diagnostics.isEmpty());
        QCOMPARE(diagnostics[0].problem, problem);
        QCOMPARE(diagnostics[0].file, u"katalog.txt"_s);
        QCOMPARE(diagnostics[0].line, line);
    }

    void catalogueOffersATranslation()
    {
        QString text = kTwoVersions + kMenu;
        text.replace(u"Teks ="_s, u"Aktif = 0\nTeks ="_s);
        Diagnostics diagnostics;
        QVERIFY(!Catalogue::parse(text, u"katalog.txt"_s, {}, &diagnostics));
        QCOMPARE(diagnostics.size(), 1);
        QCOMPARE(diagnostics[0].problem, Problem::MissingValue);
        QVERIFY(diagnostics[0].message.contains(u"Aktif = 1"_s));
        text.replace(text.lastIndexOf(u"Aktif = 0"_s), 9, u"Aktif = 1"_s);
        QVERIFY(Catalogue::parse(text, u"katalog.txt"_s, {}, &diagnostics));
    }
};

TIRTA_TEST_MAIN_CORE(CatalogueTest)
#include "tst_catalogue.moc"
