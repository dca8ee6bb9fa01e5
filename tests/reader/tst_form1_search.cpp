#include "support/readerharness.h"

#include "foundation/tempfolder.h"
#include "reader/form1.h"
#include "results/form2.h"
#include "support/testenv.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::MessageBox;
using tirta::ui::named;

class Form1SearchTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<tirta::test::ReaderHarness> m_harness;
    std::unique_ptr<Form1> m_form;

    /// A control of the main window itself (the results window has controls of the same names).
    template <class T> T* control(const char* name) { return named<T>(m_form->centralWidget(), name); }

    void searchAll(const QString& text, int scope)
    {
        control<QLineEdit>("Text1")->setText(text);
        control<QComboBox>("Combo2")->setCurrentIndex(scope);
        QTest::keyClick(control<QLineEdit>("Text1"), Qt::Key_Return);
    }

private Q_SLOTS:
    void init()
    {
        m_harness = std::make_unique<tirta::test::ReaderHarness>();
        m_form = m_harness->open();
        QVERIFY(m_form);
        QDir(tirta::TempFolder()).removeRecursively();
    }

    void cleanup()
    {
        QCOMPARE(MessageBox::pendingAnswers(), 0);
        m_form.reset();
    }

    void enterSearchesEverythingAndShowsTheResults()
    {
        searchAll(u"taman"_s, 3);
        Form2& results = m_form->results();
        QTRY_VERIFY(results.isVisible());
        QCOMPARE(results.mode(), Form2::kModeResults);
        const QString text = results.resultsText();
        QVERIFY2(text.startsWith(u"Tirtamaya 2.0.0 - Terjemahan Baru"_s), qPrintable(text));
        QVERIFY(text.contains(u" -- Pencarian di seluruh Alkitab "_s));
        QVERIFY(text.contains(u"2:3 taman 3"_s));
        QVERIFY(!text.contains(u"awal"_s));
        QCOMPARE(results.resultList().size(), 1);
        QVERIFY(control<QWidget>("picSearchBar")->isEnabled());

        // "Pencarian Optimal" shows the stored file again without listing it twice.
        searchAll(u"taman"_s, 3);
        QCOMPARE(results.resultList().size(), 1);
    }

    void refusalsAreToldAndShowNothing()
    {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        searchAll(u"ta"_s, 3);
        QCOMPARE(MessageBox::lastText(), u"Kata yang dicari terlalu pendek"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        searchAll(u"tidakada"_s, 1);
        QCOMPARE(MessageBox::lastText(), u"Kata tidak ditemukan"_s);
        QVERIFY(!m_form->results().isVisible());
    }

    void menusAndToolButtonsOpenTheirPages()
    {
        m_form->findChild<QAction*>(u"MenuClipBook"_s)->trigger();
        QCOMPARE(m_form->results().mode(), Form2::kModeClipBook);
        m_form->findChild<QAction*>(u"MenuDaftar"_s)->trigger();
        QCOMPARE(m_form->results().mode(), Form2::kModeList);
        m_form->findChild<QAction*>(u"menuToolbarTY"_s)->trigger(); // the standard bar with its drop-down
        control<QToolButton>("btnDropDown")->click();
        control<QToolButton>("ToolButton_13")->click();
        QCOMPARE(m_form->results().mode(), Form2::kModeResults);
        control<QToolButton>("btnDropDown")->click();
        control<QToolButton>("ToolButton_11")->click();
        QCOMPARE(m_form->results().mode(), Form2::kModeClipBook);
        // Button 10 now opens the page the drop-down chose last.
        m_form->findChild<QAction*>(u"MenuHasil"_s)->trigger();
        QCOMPARE(m_form->results().mode(), Form2::kModeResults);
        control<QToolButton>("ToolButton_10")->click();
        QCOMPARE(m_form->results().mode(), Form2::kModeClipBook);
    }

    void resultFilesGoAtExitWhenAsked()
    {
        searchAll(u"taman"_s, 3);
        QTRY_VERIFY(m_form->results().isVisible());
        const QString bookmarks = tirta::TempFolder() + u"~tyBookmarks.tmp"_s;
        QFile keep(bookmarks);
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.close();
        QCOMPARE(QDir(tirta::TempFolder()).entryList({ u"~ty*.tmp"_s }).size(), 2);
        m_form->findChild<QAction*>(u"MenuPencarianHapus"_s)->setChecked(true);
        m_form->close();
        QCOMPARE(
            QDir(tirta::TempFolder()).entryList({ u"~ty*.tmp"_s }), QStringList { u"~tyBookmarks.tmp"_s });
    }
};

TIRTA_TEST_MAIN(Form1SearchTest)
#include "tst_form1_search.moc"
