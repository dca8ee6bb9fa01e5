#include "support/fakereader.h"

#include "info/form7.h"
#include "support/testenv.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::test::FakeReader;
using tirta::ui::MessageBox;
using tirta::ui::named;

namespace {

const QString kAboutText = u"Alkitab untuk dibaca setiap hari.\r\nBaris kedua."_s;

} // namespace

class Form7Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
    int m_files = 0;

    std::unique_ptr<tirta::DataSession> open(const std::vector<std::pair<int, QString>>& pages)
    {
        return tirta::test::openInfoPages(m_dir.filePath(u"info%1.dat"_s.arg(++m_files)), pages);
    }

    static QString text1(Form7& form) { return named<QPlainTextEdit>(&form, "Text1")->toPlainText(); }

    static void doubleClickText1(Form7& form, Qt::KeyboardModifiers modifiers)
    {
        QWidget* viewport = named<QPlainTextEdit>(&form, "Text1")->viewport();
        QTest::mouseDClick(viewport, Qt::LeftButton, modifiers, QPoint(10, 10));
    }

private Q_SLOTS:
    void init() { MessageBox::resetForTest(); }
    void cleanup() { QCOMPARE(MessageBox::pendingAnswers(), 0); }

    void captionLabelsAndInformationText()
    {
        auto session = open({ { 1, kAboutText }, { 99, u"Database TY v.2.5"_s } });
        QVERIFY(session);
        FakeReader reader(*session, m_settingsDir.path());
        Form7 form(reader);

        QCOMPARE(form.objectName(), u"Form7"_s);
        QCOMPARE(form.windowTitle(), u"Tentang Tirtamaya"_s);
        QCOMPARE(named<QLabel>(&form, "Label1")->text(), u"Tentang"_s);
        QCOMPARE(named<QLabel>(&form, "Label2")->text(), u"Tirtamaya 2.0.0"_s);
        QCOMPARE(named<QLabel>(&form, "Label4")->text(), u"Distribusi oleh"_s);
        QVERIFY(!named<QLabel>(&form, "Label3")->text().isEmpty());
        QCOMPARE(named<QPushButton>(&form, "Command2")->text(), u"Versi DB"_s);
        QCOMPARE(named<QPushButton>(&form, "Command1")->text(), u"Tutup"_s);

        auto* text = named<QPlainTextEdit>(&form, "Text1");
        QVERIFY(text->isReadOnly());
        // The data file's line breaks become the box's own lines.
        QCOMPARE(text->toPlainText(), u"Alkitab untuk dibaca setiap hari.\nBaris kedua."_s);

        QVERIFY(form.isModal());
        QCOMPARE(form.parentWidget(), reader.mainWindow());
        QVERIFY(reader.untouched());
    }

    void dataVersionWithoutItsRowFallsBack()
    {
        auto session = open({ { 1, kAboutText } });
        QVERIFY(session);
        FakeReader reader(*session, m_settingsDir.path());
        Form7 form(reader);

        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(named<QPushButton>(&form, "Command2"), Qt::LeftButton);
        QCOMPARE(MessageBox::shownCount(), 1);
        QCOMPARE(MessageBox::lastText(), u"Database TY v.1.0"_s);
        QCOMPARE(MessageBox::lastTitle(), u"Tirtamaya"_s);
    }

    void dataVersionFromItsRow()
    {
        auto session = open({ { 99, u"Database TY v.2.5"_s }, { 1, kAboutText } });
        QVERIFY(session);
        FakeReader reader(*session, m_settingsDir.path());
        Form7 form(reader);

        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(named<QPushButton>(&form, "Command2"), Qt::LeftButton);
        QCOMPARE(MessageBox::lastText(), u"Database TY v.2.5"_s);
        // Asking for the version leaves the information text alone.
        QCOMPARE(text1(form), u"Alkitab untuk dibaca setiap hari.\nBaris kedua."_s);
    }

    void shiftDoubleClickShowsCreditsAndPlainDoubleClickRestores()
    {
        auto session = open({ { 1, kAboutText } });
        QVERIFY(session);
        FakeReader reader(*session, m_settingsDir.path());
        Form7 form(reader);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QString about = text1(form);

        doubleClickText1(form, Qt::ShiftModifier);
        const QString credits = text1(form);
        QVERIFY2(credits.startsWith(u"Diprogram oleh \n"_s), qPrintable(credits));
        QVERIFY2(
            credits.endsWith(
                u"Dengan harapan, program ini dapat tersedia bagi banyak orang dengan murah dan mudah."_s),
            qPrintable(credits));

        // Another Shift double-click keeps the credits.
        doubleClickText1(form, Qt::ShiftModifier);
        QCOMPARE(text1(form), credits);

        doubleClickText1(form, Qt::NoModifier);
        QCOMPARE(text1(form), about);
        QCOMPARE(MessageBox::shownCount(), 0);
    }

    void plainDoubleClickRereadsTheInformationText()
    {
        auto session = open({ { 1, kAboutText } });
        QVERIFY(session);
        FakeReader reader(*session, m_settingsDir.path());
        Form7 form(reader);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        // Other windows move the shared cursor; the box still finds its own page.
        session->recordset(tirta::Role::Info).moveLast();
        named<QPlainTextEdit>(&form, "Text1")->setPlainText(u"lain"_s);
        doubleClickText1(form, Qt::ControlModifier);
        QCOMPARE(text1(form), u"Alkitab untuk dibaca setiap hari.\nBaris kedua."_s);
    }

    void closeHides()
    {
        auto session = open({ { 1, kAboutText } });
        QVERIFY(session);
        FakeReader reader(*session, m_settingsDir.path());
        Form7 form(reader);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QTest::mouseClick(named<QPushButton>(&form, "Command1"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        // Hidden, not destroyed: the main window shows the same box again next time.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(named<QLabel>(&form, "Label2")->text(), u"Tirtamaya 2.0.0"_s);
    }
};

TIRTA_TEST_MAIN(Form7Test)
#include "tst_form7.moc"
