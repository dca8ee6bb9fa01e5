#include "foundation/pseudorandom.h"
#include "info/form10.h"
#include "info/tips.h"
#include "support/fakereader.h"
#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::info::TipPager;
using tirta::ui::named;

class TipsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_program;
    QTemporaryDir m_settings;
    std::unique_ptr<tirta::DataSession> m_session;

    void writeTips(const QByteArray& bytes)
    {
        QFile file(tirta::info::tipsFilePath(m_program.path()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    std::unique_ptr<tirta::test::FakeReader> reader()
    {
        auto fake = std::make_unique<tirta::test::FakeReader>(*m_session, m_settings.path());
        fake->programFolderPath = m_program.path();
        return fake;
    }

    static QString tipShown(Form10& form) { return named<QLabel>(&form, "Label2")->text(); }
    static void click(Form10& form, const char* button)
    {
        QTest::mouseClick(named<QPushButton>(&form, button), Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_session = tirta::test::openInfoPages(m_program.filePath(u"info.dat"_s), {});
        QVERIFY(m_session);
    }

    void fileLinesBecomeTips_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("tips");
        QTest::newRow("crlf") << "Satu\r\nDua\r\n"_ba << QStringList { u"Satu"_s, u"Dua"_s };
        QTest::newRow("last line unended") << "Satu\r\nDua"_ba << QStringList { u"Satu"_s, u"Dua"_s };
        QTest::newRow("lf and blank lines") << "Satu\n\n  \nDua\n"_ba << QStringList { u"Satu"_s, u"Dua"_s };
        QTest::newRow("utf-8 with bom") << "\xEF\xBB\xBFKitab \xE2\x80\x9CKejadian\xE2\x80\x9D \r\n"_ba
                                        << QStringList { u"Kitab \u201CKejadian\u201D "_s };
        QTest::newRow("empty") << QByteArray() << QStringList();
    }
    void fileLinesBecomeTips()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, tips);
        QCOMPARE(tirta::info::parseTips(bytes), tips);
    }

    void pagingWrapsAroundBothWays_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("moves"); // n = next, p = previous
        QTest::addColumn<QList<int>>("indexes");
        QTest::newRow("one tip stays") << 1 << 0.7 << 0 << u"nnpp"_s << QList<int> { 0, 0, 0, 0 };
        QTest::newRow("forward past the last") << 3 << 0.9 << 2 << u"nn"_s << QList<int> { 0, 1 };
        QTest::newRow("back past the first") << 3 << 0.1 << 0 << u"pp"_s << QList<int> { 2, 1 };
        QTest::newRow("draw rounds to nearest") << 5 << 0.62 << 2 << u"np"_s << QList<int> { 3, 2 };
    }
    void pagingWrapsAroundBothWays()
    {
        QFETCH(int, count);
        QFETCH(double, draw);
        QFETCH(int, start);
        QFETCH(QString, moves);
        QFETCH(QList<int>, indexes);
        QStringList tips;
        for (int i = 0; i < count; ++i)
            tips << u"Tip %1"_s.arg(i);
        TipPager pager(tips, draw);
        QCOMPARE(pager.index(), start);
        for (qsizetype i = 0; i < moves.size(); ++i) {
            moves[i] == u'n' ? pager.next() : pager.previous();
            QCOMPARE(pager.index(), indexes[i]);
            QCOMPARE(pager.current(), tips[indexes[i]]);
        }
    }

    void windowPagesThroughTheFileBesideTheProgram()
    {
        writeTips("Pertama\r\nKedua\r\nKetiga\r\n");
        auto fake = reader();
        tirta::PseudoRandom random;
        Form10 form(*fake, random);
        const QStringList tips { u"Pertama"_s, u"Kedua"_s, u"Ketiga"_s };
        const auto start = tips.indexOf(tipShown(form));
        QVERIFY(start >= 0);
        click(form, "Command1");
        QCOMPARE(tipShown(form), tips[(start + 1) % 3]);
        click(form, "Command3");
        click(form, "Command3");
        QCOMPARE(tipShown(form), tips[(start + 2) % 3]);
    }

    void startTipIsTheSameOnEveryRun()
    {
        QByteArray lines;
        for (int i = 0; i < 40; ++i)
            lines += "Tip nomor " + QByteArray::number(i) + "\r\n";
        writeTips(lines);
        auto fake = reader();
        // Each run of the program starts a fresh sequence; the clock plays no part.
        tirta::PseudoRandom firstRun;
        tirta::PseudoRandom secondRun;
        Form10 first(*fake, firstRun);
        Form10 second(*fake, secondRun);
        QCOMPARE(tipShown(second), tipShown(first));
        // Within one run, the next opening draws again.
        Form10 again(*fake, firstRun);
        QVERIFY(tipShown(again) != tipShown(first));
    }

    void withoutTipsNothingIsShownOrPaged()
    {
        QFile::remove(tirta::info::tipsFilePath(m_program.path()));
        auto fake = reader();
        tirta::PseudoRandom random;
        Form10 form(*fake, random);
        QCOMPARE(tipShown(form), QString());
        QVERIFY(!named<QPushButton>(&form, "Command1")->isEnabled());
        QVERIFY(!named<QPushButton>(&form, "Command3")->isEnabled());
    }

    void checkBoxAndMenuItemStayInStep_data()
    {
        QTest::addColumn<bool>("menuChecked");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<bool>("byEscape");
        QTest::addColumn<QString>("written");
        QTest::newRow("check and close") << false << true << false << u"1"_s;
        QTest::newRow("uncheck and close") << true << true << false << u"0"_s;
        QTest::newRow("leave checked, escape") << true << false << true << u"1"_s;
        QTest::newRow("check, escape") << false << true << true << u"1"_s;
    }
    void checkBoxAndMenuItemStayInStep()
    {
        QFETCH(bool, menuChecked);
        QFETCH(bool, toggle);
        QFETCH(bool, byEscape);
        QFETCH(QString, written);
        writeTips("Satu\r\n");
        auto fake = reader();
        fake->showTip.setChecked(menuChecked);
        tirta::PseudoRandom random;
        auto* form = new Form10(*fake, random);
        QPointer<Form10> alive(form);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        auto* check = named<QCheckBox>(form, "Check1");
        QCOMPARE(check->isChecked(), menuChecked);
        if (toggle)
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
        if (byEscape)
            QTest::keyClick(form, Qt::Key_Escape);
        else
            click(*form, "Command2");
        QCOMPARE(fake->settings().read(tirta::setting::tip), written);
        QCOMPARE(fake->showTip.isChecked(), written == u"1"_s);
        // Closed means unloaded: the next opening reads the file again.
        QTRY_VERIFY(!alive);
    }
};

TIRTA_TEST_MAIN(TipsTest)
#include "tst_tips.moc"
