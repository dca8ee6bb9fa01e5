#include "inputs.h"

#include "foundation/version.h"
#include "support/commandrun.h"
#include "support/testenv.h"

#include <QTemporaryDir>
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
    void helpDescribesTheCall()
    {
        const Run run = runTool({ u"--help"_s });
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith(u"Pemakaian: tirtamaya-data [pilihan] KATALOG KELUARAN"_s));
        QVERIFY(run.out.contains(u"--teks"_s));
    }

    void versionNamesTheProgramAndItsVersion()
    {
        const Run run = runTool({ u"--version"_s });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, u"tirtamaya-data (Tirtamaya) "_s + tirta::versionNumbers() + u'\n');
    }

    void wrongCallsExitWithTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList();
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

    void buildsAndSummarises()
    {
        QTemporaryDir dir;
        const tirta::test::SmallInputs inputs { dir.path() };
        QVERIFY(inputs.write());
        const QString output = dir.filePath(u"data/Purnaka2000.dat"_s);
        const Run run = runTool({ inputs.catalogue(), output });
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(QFile::exists(output));
        QVERIFY2(run.out.contains(
                     u"Kitab1  Terjemahan Satu: 3 kitab, 4 pasal, 7 ayat (1 ayat kosong dilewati)\n"_s),
            qPrintable(run.out));
        QVERIFY(run.out.contains(
            u"Kitab2  Terjemahan Dua: 2 kitab, 2 pasal, 3 ayat (1 ayat kosong dilewati)\n"_s));
    }

    void refusalNamesFileAndLineAndWritesNothing()
    {
        QTemporaryDir dir;
        const tirta::test::SmallInputs inputs { dir.path() };
        QVERIFY(inputs.write(u"ayat-satu.txt"_s, u"John\t3\t17"_s, u"Yoh\t3\t17"_s));
        const QString output = dir.filePath(u"Purnaka2000.dat"_s);
        const Run run = runTool({ inputs.catalogue(), output });
        QCOMPARE(run.exitCode, 1);
        const QString source = dir.filePath(u"ayat-satu.txt"_s);
        QVERIFY2(run.err.contains(
                     source + u':' + QString::number(tirta::test::lineOf(source, u"Yoh"_s)) + u": "_s),
            qPrintable(run.err));
        QVERIFY(run.err.contains(u"Tidak ada berkas yang ditulis."_s));
        QVERIFY(!QFile::exists(output));
    }

    void outputMustBeTheDataFile()
    {
        QTemporaryDir dir;
        const tirta::test::SmallInputs inputs { dir.path() };
        QVERIFY(inputs.write());
        const QString verses = dir.filePath(u"ayat-satu.txt"_s);
        const QByteArray before = tirta::test::readBytes(verses);
        Run run = runTool({ inputs.catalogue(), verses });
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(u"bernama Purnaka2000.dat"_s), qPrintable(run.err));
        QCOMPARE(runTool({ u"--nama-lain"_s, inputs.catalogue(), verses }).exitCode, 1);
        QCOMPARE(tirta::test::readBytes(verses), before);

        // Arguments the wrong way round: one line about the data file, not one per "line" of it.
        const QString dataFile = dir.filePath(u"Purnaka2000.dat"_s);
        QCOMPARE(runTool({ u"-q"_s, inputs.catalogue(), dataFile }).exitCode, 0);
        run = runTool({ dataFile, inputs.catalogue() });
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith(dataFile + u": ini berkas data, bukan katalog"_s), qPrintable(run.err));
    }

    void warningsAndUnusedBooksAreShown()
    {
        QTemporaryDir dir;
        const tirta::test::SmallInputs inputs { dir.path() };
        QVERIFY(inputs.write(u"katalog.txt"_s, u"Teks = modul-dua.imp\nNamaKitab = nama-deutero"_s,
            u"Teks = ayat-tobit.txt\nNamaKitab = nama-deutero"_s));
        const Run run = runTool({ u"--rinci"_s, inputs.catalogue(), dir.filePath(u"Purnaka2000.dat"_s) });
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.err.contains(inputs.catalogue()
                     + u":7: peringatan: teks ini juga memuat kitab Deuterokanonika (Tob)"_s),
            qPrintable(run.err));
        QVERIFY(run.out.contains(u"    kitab Deuterokanonika yang tidak dipakai: Tob\n"_s));
    }

    void textsMayLiveInAnotherFolder()
    {
        QTemporaryDir dir;
        const tirta::test::SmallInputs inputs { dir.filePath(u"katalog"_s) };
        QVERIFY(QDir().mkpath(inputs.folder));
        QVERIFY(inputs.write());
        const QString texts = dir.filePath(u"teks"_s);
        QVERIFY(QDir().mkpath(texts));
        for (const QString& name : { u"ayat-satu.txt"_s, u"modul-dua.imp"_s })
            QVERIFY(QFile::rename(QDir(inputs.folder).filePath(name), QDir(texts).filePath(name)));
        const QString output = dir.filePath(u"Purnaka2000.dat"_s);

        QCOMPARE(runTool({ inputs.catalogue(), output }).exitCode, 1);
        const Run run = runTool({ u"--teks"_s, texts, u"-q"_s, inputs.catalogue(), output });
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(QFile::exists(output));
    }
};

TIRTA_TEST_MAIN_CORE(CliTest)
#include "tst_cli.moc"
