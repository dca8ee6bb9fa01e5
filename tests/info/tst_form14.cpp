#include "info/form14.h"
#include "support/fakereader.h"
#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::test::FakeReader;
using tirta::ui::named;

class Form14Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
    int m_files = 0;

    std::unique_ptr<tirta::DataSession> open(const std::vector<std::pair<int, QString>>& pages)
    {
        return tirta::test::openInfoPages(m_dir.filePath(u"info%1.dat"_s.arg(++m_files)), pages);
    }

    static QString shownText(Form14& form) { return named<QTextEdit>(&form, "RichTextBox1")->toPlainText(); }

private Q_SLOTS:
    void eachModeShowsItsPage()
    {
        auto session = open({ { 4, u"Hak cipta\r\nbaris dua"_s }, { 3, u"Kutiplah dengan jujur."_s } });
        QVERIFY(session);
        FakeReader reader(*session, m_settingsDir.path());
        Form14 form(reader);

        form.ShowInfo(Form14::kModeHakCipta);
        QVERIFY(form.isVisible() && form.isModal());
        QCOMPARE(named<QLabel>(&form, "Label1")->text(), u"Hak Cipta"_s);
        QCOMPARE(shownText(form), u"Hak cipta\nbaris dua"_s);

        form.ShowInfo(Form14::kModeEtika);
        QCOMPARE(named<QLabel>(&form, "Label1")->text(), u"Etika Pengutipan Alkitab"_s);
        QCOMPARE(shownText(form), u"Kutiplah dengan jujur."_s);
    }

    void aMissingPageLeavesTheTextShown()
    {
        auto session = open({ { 3, u"Etika"_s } });
        QVERIFY(session);
        FakeReader reader(*session, m_settingsDir.path());
        Form14 form(reader);
        form.ShowInfo(Form14::kModeEtika);
        form.ShowInfo(Form14::kModeHakCipta);
        QCOMPARE(named<QLabel>(&form, "Label1")->text(), u"Hak Cipta"_s);
        QCOMPARE(shownText(form), u"Etika"_s);
    }

    void checkBoxAlwaysSpeaksOfTheEthicsWindow_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<bool>("byEscape");
        QTest::addColumn<QString>("written");
        for (const QString& mode : { Form14::kModeEtika, Form14::kModeHakCipta }) {
            const QByteArray m = mode.toLatin1();
            QTest::newRow(QByteArray(m + " check").constData()) << mode << u"0"_s << true << false << u"1"_s;
            QTest::newRow(QByteArray(m + " uncheck").constData())
                << mode << u"1"_s << true << false << u"0"_s;
            QTest::newRow(QByteArray(m + " keep, escape").constData())
                << mode << u"1"_s << false << true << u"1"_s;
            QTest::newRow(QByteArray(m + " check, escape").constData())
                << mode << u"0"_s << true << true << u"1"_s;
        }
    }
    void checkBoxAlwaysSpeaksOfTheEthicsWindow()
    {
        QFETCH(QString, mode);
        QFETCH(QString, stored);
        QFETCH(bool, toggle);
        QFETCH(bool, byEscape);
        QFETCH(QString, written);
        auto session = open({ { 3, u"Etika"_s }, { 4, u"Hak cipta"_s } });
        QVERIFY(session);
        FakeReader reader(*session, m_settingsDir.path());
        reader.settings().write(tirta::setting::etika, stored);
        Form14 form(reader);
        form.ShowInfo(mode);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* check = named<QCheckBox>(&form, "Check1");
        QCOMPARE(check->isChecked(), stored == u"1"_s);
        if (toggle)
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
        if (byEscape)
            QTest::keyClick(&form, Qt::Key_Escape);
        else
            QTest::mouseClick(named<QPushButton>(&form, "Command1"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(reader.settings().read(tirta::setting::etika), written);
    }
};

TIRTA_TEST_MAIN(Form14Test)
#include "tst_form14.moc"
