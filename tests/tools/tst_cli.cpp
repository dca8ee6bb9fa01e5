#include "inputs.h"

#include "foundation/version.h"
#include "support/commandrun.h"
#include "support/testenv.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using Run = tirta::test::CommandRun;

Run runTool(const QStringList& arguments)
{
    return tirta::test::runCommand(QString::fromUtf8(TIRTAMAYA_DATA), arguments);
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void helpAndVersionAnswerAtOnce()
    {
        Run run = runTool({ u"--help"_s });
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith(u"Pemakaian: tirtamaya-data [pilihan] KATALOG KELUARAN"_s));
        QVERIFY(run.out.contains(u"--teks"_s));
        run = runTool({ u"--version"_s });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, u"tirtamaya-data (Tirtamaya) "_s + tirta::versionNumbers() + u'\n');
    }

    void wrongCallsExitWithTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("catalogue only") << QStringList { u"katalog.txt"_s };
        QTest::newRow("unknown option") << QStringList { u"--cepat"_s, u"a"_s, u"b"_s };
    }

    void wrongCallsExitWithTwo()
    {
        QFETCH(QStringList, arguments);
        const Run run = runTool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(u"Pemakaian:"_s));
    }

    void buildsFromTextsElsewhereAndSummarises()
    {
        const tirta::test::SmallInputs inputs;
        QVERIFY(inputs.write());
        const QString texts = inputs.path(u"teks"_s);
        QVERIFY(QDir().mkpath(texts));
        for (const QString& name :
            { u"ayat-satu.txt"_s, u"modul-dua.imp"_s, u"perikop.txt"_s, u"referensi.txt"_s })
            QVERIFY(QFile::rename(inputs.path(name), QDir(texts).filePath(name)));
        const QString output = inputs.path(u"data/Purnaka2000.dat"_s);

        QCOMPARE(runTool({ inputs.catalogue(), output }).exitCode, 1);
        Run run = runTool({ u"--rinci"_s, u"--teks"_s, texts, inputs.catalogue(), output });
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(QFile::exists(output));
        // What went in for each translation, and what was left out.
        QVERIFY2(
            run.out.contains(u"Kitab1  Terjemahan Satu: 3 kitab, 4 pasal, 7 ayat (1 ayat kosong dilewati)\n"
                             "    ayat kosong: Gen 1:3\n"
                             "Kitab2  Terjemahan Dua: 2 kitab, 2 pasal, 3 ayat (1 ayat kosong dilewati)\n"
                             "    ayat kosong: John 3:18\n"
                             "    kitab di luar daftar: I Esdras\n"
                             "Kitab1  Deuterokanonika 1: 1 kitab, 1 pasal, 1 ayat (1 ayat kosong dilewati)\n"
                             "    ayat kosong: AddDan 3:1\n"
                             "    kitab di luar daftar: I Esdras\n"_s),
            qPrintable(run.out));
        // Without --rinci only the summary line of each.
        run = runTool({ u"--teks"_s, texts, inputs.catalogue(), output });
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(u"Kitab1  Deuterokanonika 1: 1 kitab"_s));
        QVERIFY2(!run.out.contains(u"ayat kosong:"_s), qPrintable(run.out));
    }

    void refusalNamesFileAndLineAndWritesNothing()
    {
        const tirta::test::SmallInputs inputs;
        QVERIFY(inputs.write({ { u"ayat-satu.txt"_s, u"John\t3\t17"_s, u"Yoh\t3\t17"_s } }));
        const QString output = inputs.path(u"Purnaka2000.dat"_s);
        const Run run = runTool({ inputs.catalogue(), output });
        QCOMPARE(run.exitCode, 1);
        const QString source = inputs.path(u"ayat-satu.txt"_s);
        QVERIFY2(run.err.contains(
                     source + u':' + QString::number(tirta::test::lineOf(source, u"Yoh"_s)) + u": "_s),
            qPrintable(run.err));
        QVERIFY(run.err.contains(u"Tidak ada berkas yang ditulis."_s));
        QVERIFY(!QFile::exists(output));
    }

    void outputMustBeTheDataFile()
    {
        const tirta::test::SmallInputs inputs;
        QVERIFY(inputs.write());
        const QString verses = inputs.path(u"ayat-satu.txt"_s);
        const QByteArray before = tirta::test::readBytes(verses);
        Run run = runTool({ inputs.catalogue(), verses });
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(u"bernama Purnaka2000.dat"_s), qPrintable(run.err));
        QCOMPARE(runTool({ u"--nama-lain"_s, inputs.catalogue(), verses }).exitCode, 1);
        QCOMPARE(tirta::test::readBytes(verses), before);

        // Arguments the wrong way round: one line about the data file, not one per "line" of it.
        const QString dataFile = inputs.path(u"Purnaka2000.dat"_s);
        run = runTool({ u"-q"_s, inputs.catalogue(), dataFile });
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty());
        run = runTool({ dataFile, inputs.catalogue() });
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith(dataFile + u": ini berkas data, bukan katalog"_s), qPrintable(run.err));
    }

    void warningsNameTheirPlace()
    {
        // Kejadian 2 to 8 missing, and Tobit in a translation's text with no section to take it.
        const tirta::test::SmallInputs inputs;
        QVERIFY(inputs.write({ { u"ayat-satu.txt"_s, u"Gen\t3\t1"_s, u"Gen\t9\t1"_s },
            { u"katalog.txt"_s, u"Teks = modul-dua.imp\nNamaKitab = nama-deutero"_s,
                u"Teks = ayat-tobit.txt\nNamaKitab = nama-deutero"_s } }));
        const Run run = runTool({ u"--rinci"_s, inputs.catalogue(), inputs.path(u"Purnaka2000.dat"_s) });
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        for (const QString& warning :
            QStringList { inputs.path(u"ayat-satu.txt:7: peringatan: Gen: pasal 2 sampai 8 tidak ada"_s),
                inputs.catalogue() + u":7: peringatan: Terjemahan Dua: 25 kitab tidak ada dalam teks"_s,
                inputs.catalogue() + u":7: peringatan: teks ini juga memuat kitab Deuterokanonika (Tob)"_s })
            QVERIFY2(run.err.contains(warning), qPrintable(run.err));
        QVERIFY(run.out.contains(u"    kitab Deuterokanonika yang tidak dipakai: Tob\n"_s));
    }
};

TIRTA_TEST_MAIN_CORE(CliTest)
#include "tst_cli.moc"
