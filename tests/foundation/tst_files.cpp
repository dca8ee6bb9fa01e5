#include "foundation/numeric.h"
#include "foundation/pseudorandom.h"
#include "foundation/safefile.h"
#include "foundation/tempfolder.h"
#include "support/filesizelimit.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace tirta;

class FilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesWholeOrNotAtAll_data()
    {
        QTest::addColumn<bool>("scratch");
        QTest::newRow("kept file") << false;
        QTest::newRow("scratch file") << true;
    }
    void writesWholeOrNotAtAll()
    {
        QFETCH(bool, scratch);
        const auto write = [scratch](const QString& path, const QByteArray& bytes, QString* error = nullptr) {
            return scratch ? writeScratchFileWhole(path, { bytes.left(2), bytes.mid(2) }, error)
                           : writeFileWhole(path, bytes, error);
        };
        QTemporaryDir dir;
        const QString path = dir.filePath(u"hasil.tmp"_s);
        QVERIFY(write(path, "lama\r\n"));
        QVERIFY(write(path, "baru\r\n"));
        QCOMPARE(test::fileBytes(path), QByteArray("baru\r\n"));

        QString error;
        QVERIFY(!write(dir.filePath(u"tidak-ada/hasil.tmp"_s), "x", &error));
        QVERIFY(!error.isEmpty());
        // The target is a folder: nothing may replace it and the old file elsewhere stays.
        QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
        QVERIFY(!write(dir.filePath(u"folder"_s), "x"));
        QVERIFY(QFileInfo(dir.filePath(u"folder"_s)).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { u"hasil.tmp"_s });

        // The disk fills up in the middle of the write.
        {
            tirta::test::FileSizeLimit full(8);
            QVERIFY(!writeFileWhole(path, "panjang sekali\r\n", &error));
        }
        QCOMPARE(test::fileBytes(path), QByteArray("baru\r\n"));
        QCOMPARE(error, u"Ruang disk tidak cukup."_s);
    }

    void aFullDiskLeavesTheOldFile_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::newRow("nothing fits") << qint64(0);
        QTest::newRow("under a buffer's size") << qint64(100);
        QTest::newRow("all but the last byte") << qint64(39999);
    }
    void aFullDiskLeavesTheOldFile()
    {
        QFETCH(qint64, room);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"setting.ini"_s);
        QVERIFY(writeFileWhole(path, "lama\r\n"));
        QString error;
        {
            const SimulatedFullDisk full(room);
            QVERIFY(!writeFileWhole(path, QByteArray(40000, 'x'), &error));
        }
        QCOMPARE(error, u"Ruang disk tidak cukup."_s);
        QCOMPARE(test::fileBytes(path), QByteArray("lama\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { u"setting.ini"_s });
        const SimulatedFullDisk justEnough(40000);
        QVERIFY(writeFileWhole(path, QByteArray(40000, 'x')));
    }

    void lineEndsConvertBothWays_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << u"a\nb"_s << u"a\r\nb"_s;
        QTest::newRow("empty lines") << u"\n\na\n"_s << u"\r\n\r\na\r\n"_s;
        QTest::newRow("no breaks") << u"ayat"_s << u"ayat"_s;
    }
    void lineEndsConvertBothWays()
    {
        QFETCH(QString, view);
        QFETCH(QString, file);
        QCOMPARE(toCrLf(view), file);
        QCOMPARE(fromCrLf(file), view);
        QCOMPARE(toCrLf(file), file); // already converted text stays as it is
        QCOMPARE(fromCrLf(u"a\rb"), u"a\nb"_s);
    }

    void tempFolderIsPrivate()
    {
        const QString folder = TempFolder();
        QVERIFY(folder.endsWith(u'/'));
        QVERIFY(folder.startsWith(QDir::tempPath()));
        QVERIFY(folder != QDir::tempPath() + u'/');
        struct stat info
        { };
        QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &info), 0);
        QVERIFY(S_ISDIR(info.st_mode));
        QCOMPARE(info.st_mode & 0777, 0700u);
        QCOMPARE(TempFolder(), folder);
    }

    void tempFolderRefusesAPlantedLink()
    {
        const QString usual = QDir::tempPath() + u"/tirtamaya-"_s + QString::number(::geteuid());
        QDir(usual).removeRecursively();
        QTemporaryDir elsewhere;
        QVERIFY(QFile::link(elsewhere.path(), usual));
        const QString folder = TempFolder();
        QVERIFY(!folder.startsWith(usual + u'/'));
        QVERIFY(!folder.startsWith(elsewhere.path()));
        QVERIFY(QFileInfo(folder).isDir());
        QFile::remove(usual);

        // A folder that others may write into is not private either.
        QVERIFY(QDir().mkdir(usual));
        QFile::setPermissions(usual, QFileDevice::Permissions(0x7777));
        QVERIFY(TempFolder() != usual + u'/');
        QDir(usual).removeRecursively();
        QCOMPARE(TempFolder(), usual + u'/');
    }

    void tempFolderNeverFallsToTheRoot_data()
    {
        QTest::addColumn<QByteArray>("tmpdir");
        QTest::newRow("missing folder") << QByteArray("/tidak/ada/sama/sekali");
        QTest::newRow("relative folder") << QByteArray("relatif");
        QTest::newRow("the root") << QByteArray("/");
    }
    void tempFolderNeverFallsToTheRoot()
    {
        QFETCH(QByteArray, tmpdir);
        const QByteArray saved = qgetenv("TMPDIR");
        qputenv("TMPDIR", tmpdir);
        const QString folder = TempFolder();
        qputenv("TMPDIR", saved);
        QVERIFY2(folder.startsWith(u"/tmp/tirtamaya-"_s), qPrintable(folder));
        QVERIFY(QFileInfo(folder).isDir());
    }

    void numbersAreReadFromTheStartOfATextLikeTheProgramDoes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << u"12"_s << 12.0;
        QTest::newRow("blanks and words") << u"  7 ayat"_s << 7.0;
        QTest::newRow("no number") << u"abc"_s << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("negative") << u"-1"_s << -1.0;
        QTest::newRow("decimal") << u"2.5x"_s << 2.5;
        QTest::newRow("sign alone") << u"-"_s << 0.0;
    }
    void numbersAreReadFromTheStartOfATextLikeTheProgramDoes()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(numericValue(text), value);
    }

    void pseudoRandomSequenceIsTheSameEveryRun()
    {
        tirta::PseudoRandom a;
        tirta::PseudoRandom b;
        // The classic sequence of this generator starts 0.7055475, 0.533424, 0.5795186.
        QCOMPARE(qRound(a.next() * 1e7), 7055475);
        QCOMPARE(qRound(a.next() * 1e6), 533424);
        QCOMPARE(qRound(a.next() * 1e7), 5795186);
        for (int i = 0; i < 3; ++i)
            b.next();
        for (int i = 0; i < 10000; ++i) {
            const double r = a.next();
            QCOMPARE(b.next(), r);
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }
};

TIRTA_TEST_MAIN_CORE(FilesTest)
#include "tst_files.moc"
