#include "support/readerharness.h"

#include "foundation/checksum.h"
#include "reader/form1.h"
#include "results/form2.h"
#include "support/samplebible.h"
#include "support/testenv.h"
#include "uikit/filedialog.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::MessageBox;
using tirta::ui::named;

namespace {

/// The sample Bible with Imamat, whose chapters 1, 3 and 4 speak of "kasih".
tirta::test::FixtureBuilder bibleWithLeviticus()
{
    auto b = tirta::test::sampleBible();
    b.book(u"Imamat"_s, { u"Imamat"_s, u"Leviticus"_s, QString() }, 4)
        .chapter(
            u"Imamat"_s, 1, { { u"Naomi dan kasih setia"_s, u"pulang"_s }, { u"Naomi"_s, u"home"_s }, {} })
        .chapter(
            u"Imamat"_s, 2, { { u"Boas"_s, u"ladang k?sih [k]asih #2"_s }, { u"Boaz"_s, u"field"_s }, {} })
        .chapter(u"Imamat"_s, 3, { { u"Kasih Boas"_s, u"kasihkasih lagi"_s }, { u"love"_s, u"love"_s }, {} })
        .chapter(u"Imamat"_s, 4, { { u"kasih di pintu gerbang"_s }, { u"gate"_s }, {} });
    return b;
}

} // namespace

class Form1FindTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<tirta::test::ReaderHarness> m_harness;
    std::unique_ptr<Form1> m_form;

    Form1& form() { return *m_form; }
    /// A control of the main window itself (the results window has controls of the same names).
    template <class T> T* control(const char* name) { return named<T>(m_form->centralWidget(), name); }
    QLineEdit* searchBox() { return control<QLineEdit>("Text1"); }
    QPushButton* button(const char* name) { return named<QPushButton>(m_form.get(), name); }
    QTextEdit* pane() { return named<QTextEdit>(m_form.get(), "rtf1"); }
    QString label() { return named<QLabel>(m_form.get(), "Label1")->text(); }

    void search(const QString& text, int scope, bool exact = false)
    {
        searchBox()->setText(text);
        named<QComboBox>(m_form.get(), "Combo2")->setCurrentIndex(scope);
        named<QCheckBox>(m_form.get(), "Check1")->setChecked(exact);
        button("Command1")->click();
    }

    /// The words of the pane in bold, in order.
    QStringList boldRuns()
    {
        QStringList runs;
        for (QTextBlock block = pane()->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().fontWeight() == QFont::Bold)
                    runs << it.fragment().text();
            }
        }
        return runs;
    }

    void selectLine(int verseIndex)
    {
        auto* verseBox = named<QComboBox>(m_form.get(), "Combo1");
        verseBox->setCurrentIndex(verseIndex);
        Q_EMIT verseBox->activated(verseIndex);
    }

private Q_SLOTS:
    void init()
    {
        m_harness = std::make_unique<tirta::test::ReaderHarness>();
        m_form = m_harness->open(bibleWithLeviticus());
        QVERIFY(m_form);
    }

    void cleanup()
    {
        QCOMPARE(MessageBox::pendingAnswers(), 0);
        m_form.reset();
    }

    void jumpSearchWalksThroughTheBook()
    {
        QString start = u"Imamat#2:1"_s;
        form().JumpLocation(start);
        search(u"kasih"_s, 1);
        QCOMPARE(label(), u"Imamat 1"_s);
        QCOMPARE(boldRuns(), QStringList { u"kasih"_s });
        QVERIFY(button("Command3")->isEnabled());
        QVERIFY(!button("Command2")->isEnabled());

        button("Command3")->click();
        QCOMPARE(label(), u"Imamat 3"_s);
        // "kasihkasih": the second occurrence touches the first and stays unmarked.
        QCOMPARE(boldRuns(), QStringList({ u"Kasih"_s, u"kasih"_s }));
        QCOMPARE(pane()->toPlainText(), u"3:1 Kasih Boas\n3:2 kasihkasih lagi"_s);
        QVERIFY(button("Command2")->isEnabled());

        button("Command3")->click();
        QCOMPARE(label(), u"Imamat 4"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        button("Command3")->click();
        QCOMPARE(MessageBox::lastText(), u"Kata sudah tidak ditemukan lagi"_s);
        QVERIFY(!button("Command3")->isEnabled());
        QCOMPARE(label(), u"Imamat 4"_s);

        button("Command2")->click();
        QCOMPARE(label(), u"Imamat 3"_s);
        // Typing disables both arrows.
        QTest::keyClick(searchBox(), Qt::Key_A);
        QVERIFY(!button("Command2")->isEnabled());
        QVERIFY(!button("Command3")->isEnabled());
    }

    void jumpSearchThatFindsNothingStaysPut()
    {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        search(u"tidakada"_s, 3);
        QCOMPARE(MessageBox::lastText(), u"Kata tidak ditemukan"_s);
        QCOMPARE(label(), u"Kejadian 1"_s);
        QVERIFY(!button("Command3")->isEnabled());
        // The reader's recordset is back on the chapter shown: marking still finds its verses.
        selectLine(1);
        QCOMPARE(named<QTextEdit>(m_form.get(), "rtf2")->toPlainText(), u"1:2 awal 2"_s);
    }

    void findInChapterFollowsExactSpelling()
    {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        search(u"AWAL 2"_s, 0, true);
        QCOMPARE(MessageBox::lastText(), u"Kata dengan penulisan tepat tidak ditemukan."_s);
        search(u"AWAL 2"_s, 0, false);
        // "awal 2" and the start of "awal 20", "awal 21", "awal 22".
        QCOMPARE(boldRuns().size(), 4);
        search(u"awal 2"_s, 0, true);
        QTextCursor cursor(pane()->document());
        cursor.setPosition(pane()->toPlainText().indexOf(u"awal 2"_s) + 1);
        QCOMPARE(cursor.charFormat().foreground().color(), QColor(0, 0, 0xFF));
    }

    void oddSearchTextsAreRefused()
    {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        search(u"kasih+Allah"_s, 0);
        QCOMPARE(MessageBox::lastText(),
            u"Anda menggunakan ekspresi pencarian + dan ^. \r\nGunakan tanda-tanda tersebut hanya untuk fungsi \" Cari Semua \"."_s);
        const int shown = MessageBox::shownCount();
        search(u"aw"_s, 0);
        QCOMPARE(MessageBox::shownCount(), shown);
        QVERIFY(boldRuns().isEmpty());
        search(u"awa"_s, 0);
        QVERIFY(!boldRuns().isEmpty());
        // A quote is searched as itself.
        MessageBox::setNextAnswer(QMessageBox::Ok);
        search(u"O'Allah"_s, 3);
        QCOMPARE(MessageBox::lastText(), u"Kata tidak ditemukan"_s);
    }

    // "Cari" finds what is typed, as "Cari Semua" does: "*", "?", "#" and "[" are no wildcards.
    void wildcardsAreSearchedAsThemselves_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found");
        QTest::newRow("question mark") << u"k?sih"_s << u"Imamat 2"_s;
        QTest::newRow("bracket") << u"[k]asih"_s << u"Imamat 2"_s;
        QTest::newRow("hash") << u"asih #2"_s << u"Imamat 2"_s;
        QTest::newRow("hash as a digit") << u"awal #"_s << QString();
        QTest::newRow("star") << u"k*sih"_s << QString();
    }
    void wildcardsAreSearchedAsThemselves()
    {
        QFETCH(QString, text);
        QFETCH(QString, found);
        if (found.isEmpty())
            MessageBox::setNextAnswer(QMessageBox::Ok);
        search(text, 3);
        QCOMPARE(label(), found.isEmpty() ? u"Kejadian 1"_s : found);
    }

    void hiddenCommandsRunFromTheSearchBox()
    {
        searchBox()->setText(u"\\\\  data "_s);
        QCOMPARE(button("Command1")->text(), u"Check"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::keyClick(searchBox(), Qt::Key_Return);
        QCOMPARE(
            MessageBox::lastText(), u"Data yang sedang digunakan : "_s + m_harness->programFolder() + u'/');
        searchBox()->setText(u"\\\\resetlocation"_s);
        button("Command1")->click();
        const tirta::SettingsStore store = m_harness->store();
        QCOMPARE(store.read(u"Opsi"_s, u"Location"_s, QString()), u"XYZ"_s);
        searchBox()->setText(u"kasih"_s);
        QCOMPARE(button("Command1")->text(), u"Cari"_s);
    }

    void adviceShowsAQuotationFromTheFirstTranslation()
    {
        // The quotation comes from the chapter table; the sample holds none of the nine passages,
        // so the pane is left as it was while the label names the passage.
        searchBox()->setText(u"\\\\ADVICE"_s);
        button("Command1")->click();
        QVERIFY(label().startsWith(u"Kutipan dari Kitab "_s));
        QCOMPARE(named<QListWidget>(m_form.get(), "List1")->currentRow(), -1);
        QCOMPARE(named<QListWidget>(m_form.get(), "List2")->currentRow(), -1);
    }

    void longSearchTextsHaveTheirOwnBox()
    {
        auto* box = control<QLineEdit>("Text1");
        box->setText(u"kasih"_s);
        QTest::mouseDClick(box, Qt::LeftButton);
        auto* dialog = m_form->findChild<QWidget*>(u"Form16"_s);
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        auto* text = named<QPlainTextEdit>(dialog, "Text1");
        QCOMPARE(text->toPlainText(), u"kasih"_s);
        text->setPlainText(u"kasih\nsetia"_s);
        named<QPushButton>(dialog, "Command1")->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(box->text(), u"kasih setia"_s);

        // Shift+Enter opens it too; Esc leaves the search box as it was.
        QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
        QTRY_VERIFY(dialog->isVisible());
        text->setPlainText(u"lain"_s);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(box->text(), u"kasih setia"_s);
    }

    void copyTakesExactlyTheSelection()
    {
        QTextCursor cursor = pane()->textCursor();
        cursor.clearSelection();
        pane()->setTextCursor(cursor);
        form().findChild<QAction*>(u"menuCopy"_s)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"\n"_s);

        cursor.setPosition(4);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        pane()->setTextCursor(cursor);
        form().findChild<QAction*>(u"menuCopy"_s)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"awal 1\n"_s);
    }

    void choosingTheMarkedVerseSelectsIt()
    {
        // Verse 1 is marked when the chapter opens; choosing it still selects its line.
        selectLine(0);
        QCOMPARE(pane()->textCursor().selectedText(), u"1:1 awal 1\u2029"_s);
    }

    void clipBookEntriesAreSeparatedByOneEmptyLine()
    {
        selectLine(1);
        form().findChild<QAction*>(u"MenuPilihAyat"_s)->trigger();
        form().findChild<QAction*>(u"MenuCopyClipBook"_s)->trigger();
        QCOMPARE(form().results().clipBookText(), u"Kejadian 1:2 awal 2\n\n"_s);

        QTextCursor cursor = pane()->textCursor();
        cursor.clearSelection();
        pane()->setTextCursor(cursor);
        form().findChild<QAction*>(u"MenuCopyClipBook"_s)->trigger();
        QCOMPARE(form().results().clipBookText(), u"Kejadian 1:2 awal 2\n\nKejadian \n\n"_s);

        // From the parallel pane, under the book list's entry in the active translation.
        form().findChild<QAction*>(u"VersiKitab_2"_s)->trigger();
        auto* parallel = named<QTextEdit>(m_form.get(), "rtf2");
        parallel->selectAll();
        form().findChild<QAction*>(u"menuCopyPadanan"_s)->trigger();
        QVERIFY(form().results().clipBookText().endsWith(u"\n\nGenesis 1:1 awal 1\n\n"_s));
    }
};

TIRTA_TEST_MAIN(Form1FindTest)
#include "tst_form1_find.moc"
