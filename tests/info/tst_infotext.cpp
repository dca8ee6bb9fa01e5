#include "support/fakereader.h"

#include "foundation/datasession.h"
#include "info/infotext.h"
#include "support/testenv.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::info::InfoText;

class InfoTextTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_files = 0;

    std::unique_ptr<tirta::DataSession> open(const std::vector<std::pair<int, QString>>& pages)
    {
        return tirta::test::openInfoPages(m_dir.filePath(u"info%1.dat"_s.arg(++m_files)), pages);
    }

private Q_SLOTS:
    void findsThePageByItsExactId()
    {
        // 10 and 100 come first: "id=1" must not take a page whose id merely starts with 1.
        auto session = open({ { 10, u"sepuluh"_s }, { 100, u"seratus"_s }, { 1, u"satu"_s } });
        QVERIFY(session);
        auto& info = session->recordset(tirta::Role::Info);
        QCOMPARE(InfoText(info, 1), u"satu"_s);
        QCOMPARE(InfoText(info, 100), u"seratus"_s);
        QCOMPARE(InfoText(info, 10), u"sepuluh"_s);
    }

    void takesTheFirstOfTwoRowsWithOneId()
    {
        auto session = open({ { 1, u"pertama"_s }, { 1, u"kedua"_s } });
        QVERIFY(session);
        auto& info = session->recordset(tirta::Role::Info);
        info.moveLast();
        QCOMPARE(InfoText(info, 1), u"pertama"_s);
    }

    void missingPageIsEmptyExceptTheDataVersion()
    {
        auto session = open({ { 1, u"satu"_s } });
        QVERIFY(session);
        auto& info = session->recordset(tirta::Role::Info);
        QCOMPARE(InfoText(info, 99), u"Database TY v.1.0"_s);
        QCOMPARE(InfoText(info, 100), QString());
        QCOMPARE(InfoText(info, 2), QString());
        // A miss leaves the cursor usable for the next lookup.
        QCOMPARE(InfoText(info, 1), u"satu"_s);
    }

    void storedDataVersionWinsOverTheFallback()
    {
        auto session = open({ { 99, u"Database TY v.3.1"_s } });
        QVERIFY(session);
        QCOMPARE(InfoText(session->recordset(tirta::Role::Info), 99), u"Database TY v.3.1"_s);
    }

    void worksWithoutAnyPage()
    {
        auto session = open({});
        QVERIFY(session);
        auto& info = session->recordset(tirta::Role::Info);
        QCOMPARE(InfoText(info, 1), QString());
        QCOMPARE(InfoText(info, 99), u"Database TY v.1.0"_s);
    }
};

TIRTA_TEST_MAIN_CORE(InfoTextTest)
#include "tst_infotext.moc"
