#include "foundation/datasession.h"
#include "foundation/safefile.h"
#include "foundation/schema.h"
#include "support/fixture.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace tirta;

namespace {

test::FixtureBuilder smallBible(schema::Shape shape = {})
{
    test::FixtureBuilder b(shape);
    b.version(1, u"Terjemahan Satu"_s)
        .book(u"Kejadian"_s, { u"Kejadian"_s }, 2)
        .book(u"Matius"_s, { u"Matius"_s }, 1)
        .chapter(
            u"Kejadian"_s, 1, { { u"Pada mulanya"_s, u"Bumi belum berbentuk"_s, u"Berfirmanlah Allah"_s } })
        .chapter(u"Kejadian"_s, 2, { { u"Demikianlah diselesaikan"_s } })
        .chapter(u"Matius"_s, 1, { { u"Inilah silsilah"_s, u"Abraham memperanakkan Ishak"_s } });
    return b;
}

} // namespace

class DataSessionTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_files = 0;

    QString path() { return m_dir.filePath(u"data%1.dat"_s.arg(++m_files)); }

    std::unique_ptr<DataSession> openBuilt(
        const test::FixtureBuilder& builder, DataFailure* failure = nullptr)
    {
        QString error;
        const QString file = builder.write(path(), &error);
        if (file.isEmpty())
            qWarning() << error;
        DataFailure ignored;
        return DataSession::open(file, failure ? failure : &ignored);
    }

private Q_SLOTS:
    void opensTheRolesOfItsShape_data()
    {
        QTest::addColumn<bool>("themes");
        QTest::newRow("with themes") << true;
        QTest::newRow("without themes") << false;
    }
    void opensTheRolesOfItsShape()
    {
        QFETCH(bool, themes);
        DataFailure failure;
        auto session = openBuilt(smallBible({ 1, themes, true }), &failure);
        QVERIFY2(session, qPrintable(describe(failure)));
        for (int r = 1; r <= kRoleCount; ++r) {
            const auto role = static_cast<Role>(r);
            const bool themeRole = role == Role::Themes || role == Role::ThemeNames;
            QVERIFY2(session->has(role) == (themes || !themeRole), qPrintable(roleQuery(role)));
        }
        QCOMPARE(session->themesAvailable(), themes);
        QCOMPARE(session->recordset(Role::Chapters).recordCount(), 3);
        QCOMPARE(session->recordset(Role::OldBooks).recordCount(), 1);
        QCOMPARE(session->recordset(Role::NewBooks).recordCount(), 1);
    }

    void thirdDeuteroTranslationNeedsThreeCharacters_data()
    {
        QTest::addColumn<bool>("column");
        QTest::addColumn<QVariant>("firstRow");
        QTest::addColumn<bool>("offered");
        QTest::newRow("no column") << false << QVariant() << false;
        QTest::newRow("null") << true << QVariant() << false;
        QTest::newRow("two characters") << true << QVariant(u"1:"_s) << false;
        QTest::newRow("three characters") << true << QVariant(u"1:1"_s) << true;
    }
    void thirdDeuteroTranslationNeedsThreeCharacters()
    {
        QFETCH(bool, column);
        QFETCH(QVariant, firstRow);
        QFETCH(bool, offered);
        auto builder = smallBible({ 1, true, column });
        DataFileWriter::Row first { { u"Urutan"_s, 1 }, { u"Bab"_s, 1 }, { u"Kitab1"_s, u"1:1 Tobit"_s } };
        if (column)
            first.emplace_back(u"Kitab3"_s, firstRow);
        // The test looks at the first row in order, not at the first row written.
        builder.row(
            u"UsysDeuterokanonika"_s, { { u"Urutan"_s, 2 }, { u"Bab"_s, 1 }, { u"Kitab1"_s, u"x"_s } });
        builder.row(u"UsysDeuterokanonika"_s, first);
        auto session = openBuilt(builder);
        QVERIFY(session);
        QCOMPARE(session->thirdDeuteroAvailable(), offered);
    }

    void cursorsNavigateAndFind()
    {
        auto session = openBuilt(smallBible());
        Recordset& rs = session->recordset(Role::Chapters);
        rs.moveFirst();
        QVERIFY(!rs.bof() && !rs.eof());
        QCOMPARE(rs.absolutePosition(), 0);
        rs.movePrevious();
        QVERIFY(rs.bof());
        QCOMPARE(rs.absolutePosition(), -1);
        QVERIFY(!rs.value(u"Buku").isValid());
        rs.moveLast();
        QCOMPARE(rs.text(u"Buku"), u"Matius"_s);
        rs.moveNext();
        QVERIFY(rs.eof());
        QCOMPARE(rs.text(u"Buku"), QString());

        QVERIFY(rs.findFirst(u"Buku='Kejadian'"_s));
        QCOMPARE(rs.number(u"Bab"), 1);
        QVERIFY(rs.findNext(u"Buku='Kejadian'"_s));
        QCOMPARE(rs.number(u"Bab"), 2);
        // No further match: the flag is set and the cursor stays on the last match.
        QVERIFY(!rs.findNext(u"Buku='Kejadian'"_s));
        QVERIFY(rs.noMatch());
        QCOMPARE(rs.number(u"Bab"), 2);
        QVERIFY(rs.findPrevious(u"Buku='Kejadian'"_s));
        QVERIFY(!rs.noMatch());
        QCOMPARE(rs.number(u"Bab"), 1);
        QVERIFY(rs.findLast(u"Perjanjian='Lama'"_s));
        QCOMPARE(rs.number(u"Urutan"), 2);
        QVERIFY(!rs.findFirst(u"Buku='Wahyu'"_s));
        QCOMPARE(rs.number(u"Urutan"), 2);

        // A role is one cursor, shared by all who ask for it; another role moves on its own.
        Recordset& excerpt = session->recordset(Role::Excerpt);
        QVERIFY(rs.findFirst(u"Buku='Kejadian' AND Bab=2"_s));
        QCOMPARE(session->recordset(Role::Chapters).number(u"Bab"), 2);
        QVERIFY(excerpt.findFirst(u"Buku='Matius' AND Bab=1"_s));
        QCOMPARE(rs.text(u"Buku"), u"Kejadian"_s);
        QCOMPARE(rs.number(u"Bab"), 2);
        QCOMPARE(excerpt.text(u"Buku"), u"Matius"_s);

        // A recordset without rows is before its first and after its last row at once.
        const auto none = session->database().openRecordset(u"SELECT * FROM UsysAlkitab WHERE Bab=9"_s);
        none->moveFirst();
        QVERIFY(none->bof());
        QVERIFY(none->eof());
    }

    void nullIsNotEmptyAndFieldsAreKnown()
    {
        auto builder = smallBible({ 2, true, true });
        builder.rawChapter(u"Matius"_s, 2, 1, { u""_s, QString() });
        auto session = openBuilt(builder);
        Recordset& rs = session->recordset(Role::Chapters);
        QVERIFY(rs.findFirst(u"Buku='Matius' AND Bab=2"_s));
        QVERIFY(!rs.isNull(u"Kitab1"));
        QVERIFY(rs.value(u"Kitab1").isValid());
        QCOMPARE(rs.text(u"Kitab1"), QString());
        QVERIFY(rs.isNull(u"Kitab2"));
        QVERIFY(rs.value(u"Kitab2").isValid());
        QVERIFY(rs.value(u"Kitab2").isNull());
        QVERIFY(rs.hasField(u"kitab2"));
        QVERIFY(!rs.hasField(u"Kitab3"));
        QVERIFY(!rs.value(u"Kitab3").isValid());
        QCOMPARE(rs.number(u"Kitab2"), 0);
    }

    void badFilesAreReportedNotOpened()
    {
        DataFailure failure;
        QVERIFY(!DataSession::open(m_dir.filePath(u"tidak-ada.dat"_s), &failure));
        QCOMPARE(failure.error, DataError::FileMissing);
        QVERIFY(describe(failure).contains(u"tidak ditemukan"_s));

        const QString empty = path();
        QVERIFY(writeFileWhole(empty, {}));
        QVERIFY(!DataSession::open(empty, &failure));
        QCOMPARE(failure.error, DataError::NotADatabase);
        QVERIFY(QFileInfo(empty).size() == 0); // opening must not turn it into a database

        const QString foreign = path();
        QVERIFY(writeFileWhole(foreign, QByteArray(4096, 'x')));
        QVERIFY(!DataSession::open(foreign, &failure));
        QCOMPARE(failure.error, DataError::NotADatabase);
        // The user reads which file is at fault, in Indonesian, without the engine's own words.
        QVERIFY(describe(failure).contains(foreign));
        QVERIFY(!failure.engineMessage.isEmpty());
        QVERIFY(!describe(failure).contains(failure.engineMessage));
    }

    void missingTablesAndFieldsAreNamed_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::newRow("table") << u"DROP TABLE UsysKamus"_s << int(DataError::MissingTable) << u"UsysKamus"_s
                               << QString();
        QTest::newRow("field") << u"ALTER TABLE UsysAlkitab DROP COLUMN Ayat"_s
                               << int(DataError::MissingField) << u"UsysAlkitab"_s << u"Ayat"_s;
        QTest::newRow("catalogue column") << u"UPDATE UsysVersi SET NamaTabel='Kitab7'"_s
                                          << int(DataError::MissingField) << u"UsysAlkitab"_s << u"Kitab7"_s;
        // Counts size the chapter lists: a huge one once made the start allocate gigabytes.
        QTest::newRow("chapter count") << u"UPDATE UsysKitab SET JumlahBuku=2000000000"_s
                                       << int(DataError::Damaged) << u"UsysKitab"_s << u"JumlahBuku"_s;
        QTest::newRow("negative chapter count")
            << u"UPDATE UsysKitab SET JumlahBuku=-1"_s << int(DataError::Damaged) << u"UsysKitab"_s
            << u"JumlahBuku"_s;
    }
    void missingTablesAndFieldsAreNamed()
    {
        QFETCH(QString, damage);
        QFETCH(int, error);
        QFETCH(QString, table);
        QFETCH(QString, field);
        auto builder = smallBible();
        builder.statement(damage);
        DataFailure failure;
        QVERIFY(!openBuilt(builder, &failure));
        QCOMPARE(int(failure.error), error);
        QCOMPARE(failure.table, table);
        QCOMPARE(failure.field, field);
        QVERIFY(describe(failure).contains(table));
    }

    void aDamagedPageIsReportedNotReadAsEmpty()
    {
        // A chapter long enough to run over many pages, one of which is then overwritten.
        auto builder = smallBible();
        builder.chapter(u"Matius"_s, 2, { { QString(20000, u'x') + u"TANDA"_s + QString(200000, u'y') } });
        const QString file = builder.write(path());
        QFile data(file);
        QVERIFY(data.open(QIODevice::ReadWrite));
        const qsizetype mark = data.readAll().indexOf("TANDA");
        QVERIFY(mark > 0);
        data.seek(mark - mark % 4096);
        data.write(QByteArray(4096, '\xff'));
        data.close();

        DataFailure failure;
        auto session = DataSession::open(file, &failure);
        QVERIFY2(session, qPrintable(describe(failure)));
        Recordset& chapters = session->recordset(Role::Chapters);
        QVERIFY(chapters.findFirst(u"Buku='Matius' AND Bab=1"_s));
        QVERIFY(!chapters.text(u"Kitab1").isEmpty());
        QVERIFY(!session->database().takeReadFailure().failed());
        QVERIFY(chapters.findFirst(u"Buku='Matius' AND Bab=2"_s));
        QVERIFY(chapters.value(u"Kitab1").isNull());
        failure = session->database().takeReadFailure();
        QCOMPARE(failure.error, DataError::Damaged);
        QVERIFY(describe(failure).contains(file));
        // A search reads every chapter: the damage is its answer, not "not found".
        QVERIFY(!session->database().openRecordset(
            u"SELECT * FROM UsysAlkitab WHERE Kitab1 LIKE '*Allah*'"_s, &failure));
        QCOMPARE(failure.error, DataError::Damaged);
    }

    void aFailedWriteLeavesNoFile()
    {
        auto builder = smallBible();
        builder.statement(u"INSERT INTO TidakAda VALUES (1)"_s);
        const QString target = path();
        QString error;
        QVERIFY(builder.write(target, &error).isEmpty());
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(target));
        QCOMPARE(QDir(m_dir.path()).entryList({ u"*.part*"_s }), QStringList());
    }

    void anInterruptedBuildLeavesNoPartFile()
    {
        const QString target = m_dir.filePath(u"terputus.dat"_s);
        const pid_t child = ::fork();
        if (child == 0) {
            DataFileWriter::removePartFileOnSignals();
            QString error;
            const auto writer = DataFileWriter::create(target, {}, &error);
            ::raise(writer && !QDir(m_dir.path()).entryList({ u"terputus.dat.part-*"_s }).isEmpty()
                    ? SIGTERM
                    : SIGABRT);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), SIGTERM);
        QCOMPARE(QDir(m_dir.path()).entryList({ u"terputus.dat*"_s }), QStringList());
    }
};

TIRTA_TEST_MAIN_CORE(DataSessionTest)
#include "tst_datasession.moc"
