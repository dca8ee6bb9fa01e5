#include "bookmarks/bookmarkfile.h"
#include "foundation/safefile.h"
#include "foundation/tempfolder.h"
#include "support/filesizelimit.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::bookmarks;
using tirta::test::fileBytes;

namespace {

BookmarkLists twoBookmarks()
{
    BookmarkLists lists;
    lists.append(u"kasih Allah"_s, u"Kitab1~~~~Terjemahan Baru"_s, u"Yohanes#3:16"_s);
    lists.append(u"Doa — “Bapa Kami”"_s, u"Kitab2~~~~English"_s, u"Matius#6:9"_s);
    return lists;
}

const QByteArray kTwoBookmarks = "kasih Allah#@#Kitab1~~~~Terjemahan Baru#@#Yohanes#3:16\r\n"
                                 "Doa \xE2\x80\x94 \xE2\x80\x9C"
                                 "Bapa Kami\xE2\x80\x9D#@#Kitab2~~~~English#@#Matius#6:9\r\n";

} // namespace

class BookmarkFileTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString folder() const { return m_dir->filePath(u"data/Tirtamaya"_s); }

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void notes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("note");
        QTest::newRow("break inside") << u"kasih\r\nAllah "_s << u"kasih Allah"_s;
        QTest::newRow("break at the end") << u"kasih\n"_s << u"kasih "_s;
        QTest::newRow("blank after a break") << u"kasih\n  Allah"_s << u"kasih   Allah"_s;
    }
    void notes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, note);
        QCOMPARE(noteFromText(typed), note);
    }

    void listsRoundTripByteForByte()
    {
        BookmarkFile file(folder(), m_dir->filePath(u"tmp"_s));
        QVERIFY(file.save(twoBookmarks()).ok());
        QCOMPARE(fileBytes(file.path()), kTwoBookmarks);
        QCOMPARE(QFile::permissions(folder()) & QFile::Permissions(0x0077), QFile::Permissions());
        BookmarkLists read;
        QVERIFY(file.load(read).ok());
        QCOMPARE(read, twoBookmarks());

        QVERIFY(file.save({}).ok());
        QVERIFY(!QFile::exists(file.path()));
        QVERIFY(file.load(read).ok());
        QCOMPARE(read.count(), 0);
    }

    void handEditedLinesStayParallel()
    {
        const BookmarkLists lists
            = parseBookmarkFile("hanya catatan\r\nA#@#B#@#C\r\n\r\nX#@#Y\ncaf\xE9 \x93kutip\x94#@#T#@#P");
        QCOMPARE(lists.notes, (QStringList { u"hanya catatan"_s, u"A"_s, u"X"_s, u"café “kutip”"_s }));
        QCOMPARE(lists.versionTags, (QStringList { QString(), u"B"_s, u"Y"_s, u"T"_s }));
        QCOMPARE(lists.positions, (QStringList { QString(), u"C"_s, QString(), u"P"_s }));
    }

    void failedReadsAndSavesLoseNothing()
    {
        BookmarkFile file(folder(), m_dir->filePath(u"tmp"_s));
        BookmarkLists one;
        one.append(u"lama"_s, u"Kitab1~~~~TB"_s, u"Kejadian#1:1"_s);
        QVERIFY(file.save(one).ok());
        const QByteArray old = fileBytes(file.path());

        // A full disk.
        FileResult full;
        {
            tirta::test::FileSizeLimit limit(16);
            full = file.save(twoBookmarks());
        }
        QCOMPARE(full.error, FileError::Unwritable);
        QCOMPARE(fileBytes(file.path()), old);

        // A folder that cannot be made: its name is taken by a file.
        QVERIFY(tirta::writeFileWhole(m_dir->filePath(u"blocked"_s), "x"));
        QCOMPARE(BookmarkFile(m_dir->filePath(u"blocked/sub"_s), {}).save(one).error, FileError::Unwritable);

        // A file that cannot be read is never replaced nor deleted.
        BookmarkFile unreadable(m_dir->filePath(u"dir"_s), {});
        QVERIFY(QDir().mkpath(unreadable.path()));
        BookmarkLists lists = one;
        QCOMPARE(unreadable.load(lists).error, FileError::Unreadable);
        QCOMPARE(lists.count(), 0);
        QCOMPARE(unreadable.save(one).error, FileError::Protected);
        QCOMPARE(unreadable.save({}).error, FileError::Protected);
    }

    void aLeftoverInTheTemporaryFolderIsTakenOverOnce()
    {
        const QString temp = tirta::TempFolder();
        BookmarkFile file(folder(), temp);
        QVERIFY(tirta::writeFileWhole(file.leftoverPath(), kTwoBookmarks));
        QVERIFY(file.adoptLeftover().ok());
        QVERIFY(!QFile::exists(file.leftoverPath()));
        QCOMPARE(fileBytes(file.path()), kTwoBookmarks);
        QVERIFY(file.adoptLeftover().ok());
        QCOMPARE(fileBytes(file.path()), kTwoBookmarks);

        // Lines of both are kept, those already in the data folder first.
        QVERIFY(tirta::writeFileWhole(file.leftoverPath(), "baru#@#Kitab1~~~~TB#@#Roma#5:8\r\n"));
        QVERIFY(file.adoptLeftover().ok());
        QCOMPARE(fileBytes(file.path()), kTwoBookmarks + "baru#@#Kitab1~~~~TB#@#Roma#5:8\r\n");
    }
};

TIRTA_TEST_MAIN_CORE(BookmarkFileTest)
#include "tst_bookmarkfile.moc"
