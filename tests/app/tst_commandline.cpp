
#include "foundation/version.h"
#include "support/commandrun.h"
#include "support/samplebible.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using Run = tirta::test::CommandRun;

/// Runs the program; `display` false takes every way to a display away from it.
Run runProgram(const QStringList& arguments, bool display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!display) {
        for (const QString& name : { u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s })
            environment.remove(name);
    }
    environment.insert(u"TIRTA_NO_MODAL"_s, u"1"_s); // an unanswered message ends instead of waiting
    return tirta::test::runCommand(QString::fromUtf8(TIRTAMAYA), arguments, environment);
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder; ///< holds a data file under a name of its own

private Q_SLOTS:
    void initTestCase() { QVERIFY(!tirta::test::writeSampleBible(m_folder.path(), u"lain.dat"_s).isEmpty()); }

    void answersItsCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString version = u"Tirtamaya "_s + tirta::versionNumbers() + u'\n';
        QTest::newRow("help") << QStringList { u"--help"_s } << false << 0 << u"Pemakaian: tirtamaya"_s
                              << QString();
        QTest::newRow("-h after a Qt option") << QStringList { u"-style"_s, u"fusion"_s, u"-h"_s } << false
                                              << 0 << u"Pemakaian: tirtamaya"_s << QString();
        QTest::newRow("version") << QStringList { u"--version"_s } << false << 0 << version << QString();
        QTest::newRow("unknown long option")
            << QStringList { u"--cepat"_s } << false << 2 << QString() << u"Pilihan tidak dikenal: --cepat"_s;
        QTest::newRow("--data without a file")
            << QStringList { u"--data"_s } << false << 2 << QString() << u"memerlukan nama file"_s;
        QTest::newRow("unknown short option")
            << QStringList { u"-x"_s } << false << 2 << QString() << u"Pilihan tidak dikenal: -x"_s;
        QTest::newRow("a stray word after a Qt option") << QStringList { u"-style"_s, u"fusion"_s,
            u"berkas.dat"_s } << false << 2 << QString() << u"Argumen tidak dikenal: berkas.dat"_s;
        QTest::newRow("a named file that is not there")
            << QStringList { u"--data"_s, u"/tidak/ada/Purnaka2000.dat"_s } << true << 1 << QString()
            << QString();
        QTest::newRow("a named file is opened without asking")
            << QStringList { u"--data="_s + m_folder.filePath(u"lain.dat"_s), u"--measure-startup"_s } << true
            << 0 << u"first chapter painted after"_s << QString();
    }
    void answersItsCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = runProgram(arguments, display);
        QVERIFY2(run.exitCode == exitCode, qPrintable(u"exit code %1: %2"_s.arg(run.exitCode).arg(run.err)));
        QVERIFY2(run.out.startsWith(out), qPrintable(run.out));
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
        if (exitCode == 2)
            QVERIFY(run.err.contains(u"tirtamaya --help"_s));
    }
};

TIRTA_TEST_MAIN_CORE(CommandLineTest)
#include "tst_commandline.moc"
