// The search bar: "Cari" steps through the places a word occurs, "Cari Semua" lists them all.
#include "foundation/tempfolder.h"
#include "results/form2.h"
#include "support/readerwindow.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

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

    std::unique_ptr<tirta::test::ReaderWindow> m_reader;

    tirta::test::ReaderWindow& reader() { return *m_reader; }
    Form1& form() { return m_reader->form(); }
    QLineEdit* searchBox() { return m_reader->control<QLineEdit>("Text1"); }
    QPushButton* button(const char* name) { return m_reader->control<QPushButton>(name); }
    QTextEdit* pane() { return m_reader->control<QTextEdit>("rtf1"); }

    /// Fills in the search bar and presses "Cari".
    void search(const QString& text, int scope, bool exact = false)
    {
        searchBox()->setText(text);
        m_reader->control<QComboBox>("Combo2")->setCurrentIndex(scope);
        m_reader->control<QCheckBox>("Check1")->setChecked(exact);
        button("Command1")->click();
    }

    /// Fills in the search bar and presses Enter: "Cari Semua".
    void searchAll(const QString& text, int scope)
    {
        searchBox()->setText(text);
        m_reader->control<QComboBox>("Combo2")->setCurrentIndex(scope);
        QTest::keyClick(searchBox(), Qt::Key_Return);
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

    /// The result files in the temporary folder.
    static QStringList resultFiles() { return QDir(tirta::TempFolder()).entryList({ u"~ty*.tmp"_s }); }

private Q_SLOTS:
    void init()
    {
        m_reader = std::make_unique<tirta::test::ReaderWindow>();
        QVERIFY(m_reader->open(bibleWithLeviticus()));
        QDir(tirta::TempFolder()).removeRecursively();
    }

    void cleanup()
    {
        QCOMPARE(MessageBox::pendingAnswers(), 0);
        m_reader.reset();
    }

    void jumpSearchWalksThroughTheBook()
    {
        QString start = u"Imamat#2:1"_s;
        form().JumpLocation(start);
        search(u"kasih"_s, 1);
        QCOMPARE(reader().heading(), u"Imamat 1"_s);
        QCOMPARE(boldRuns(), QStringList { u"kasih"_s });
        QVERIFY(button("Command3")->isEnabled());
        QVERIFY(!button("Command2")->isEnabled());

        button("Command3")->click();
        QCOMPARE(reader().heading(), u"Imamat 3"_s);
        // "kasihkasih": the second occurrence touches the first and stays unmarked.
        QCOMPARE(boldRuns(), QStringList({ u"Kasih"_s, u"kasih"_s }));
        QCOMPARE(reader().text(), u"3:1 Kasih Boas\n3:2 kasihkasih lagi"_s);
        QVERIFY(button("Command2")->isEnabled());

        button("Command3")->click();
        QCOMPARE(reader().heading(), u"Imamat 4"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        button("Command3")->click();
        QCOMPARE(MessageBox::lastText(), u"Kata sudah tidak ditemukan lagi"_s);
        QVERIFY(!button("Command3")->isEnabled());
        QCOMPARE(reader().heading(), u"Imamat 4"_s);

        button("Command2")->click();
        QCOMPARE(reader().heading(), u"Imamat 3"_s);
        // Typing disables both arrows.
        QTest::keyClick(searchBox(), Qt::Key_A);
        QVERIFY(!button("Command2")->isEnabled());
        QVERIFY(!button("Command3")->isEnabled());
    }

    void jumpSearchThatFindsNothingOrIsRefusedStaysPut()
    {
        // A quote is searched as itself.
        MessageBox::setNextAnswer(QMessageBox::Ok);
        search(u"O'Allah"_s, 3);
        QCOMPARE(MessageBox::lastText(), u"Kata tidak ditemukan"_s);
        QCOMPARE(reader().heading(), u"Kejadian 1"_s);
        QVERIFY(!button("Command3")->isEnabled());
        // The reader's recordset is back on the chapter shown: marking still finds its verses.
        reader().chooseVerse(1);
        QCOMPARE(reader().text("rtf2"), u"1:2 awal 2"_s);

        // "+" and "^" belong to "Cari Semua"; two letters are too few to mark.
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
        QCOMPARE(reader().heading(), found.isEmpty() ? u"Kejadian 1"_s : found);
    }

    void hiddenCommandsRunFromTheSearchBox()
    {
        searchBox()->setText(u"\\\\  data "_s);
        QCOMPARE(button("Command1")->text(), u"Check"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::keyClick(searchBox(), Qt::Key_Return);
        QCOMPARE(MessageBox::lastText(),
            u"Data yang sedang digunakan : "_s + reader().harness.programFolder() + u'/');
        searchBox()->setText(u"\\\\resetlocation"_s);
        button("Command1")->click();
        QCOMPARE(reader().harness.store().read(u"Opsi"_s, u"Location"_s, QString()), u"XYZ"_s);
        // The quotation comes from the chapter table; the sample holds none of the nine passages,
        // so the pane is left as it was while the label names the passage.
        searchBox()->setText(u"\\\\ADVICE"_s);
        button("Command1")->click();
        QVERIFY(reader().heading().startsWith(u"Kutipan dari Kitab "_s));
        QCOMPARE(reader().control<QListWidget>("List1")->currentRow(), -1);
        QCOMPARE(reader().control<QListWidget>("List2")->currentRow(), -1);
        searchBox()->setText(u"kasih"_s);
        QCOMPARE(button("Command1")->text(), u"Cari"_s);
    }

    void longSearchTextsHaveTheirOwnBox()
    {
        QLineEdit* box = searchBox();
        box->setText(u"kasih"_s);
        QTest::mouseDClick(box, Qt::LeftButton);
        auto* dialog = named<QWidget>(&form(), "Form16");
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

    void copiesTakeExactlyTheSelection()
    {
        QTextCursor cursor = pane()->textCursor();
        cursor.clearSelection();
        pane()->setTextCursor(cursor);
        reader().action("menuCopy")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"\n"_s);

        cursor.setPosition(4);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        pane()->setTextCursor(cursor);
        reader().action("menuCopy")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"awal 1\n"_s);

        // ClipBook entries are separated by one empty line.
        // Verse 1 is marked when the chapter opens; choosing it still selects its line.
        reader().chooseVerse(0);
        QCOMPARE(reader().selection(), u"1:1 awal 1\u2029"_s);
        reader().chooseVerse(1);
        reader().action("MenuPilihAyat")->trigger();
        reader().action("MenuCopyClipBook")->trigger();
        QCOMPARE(form().results().clipBookText(), u"Kejadian 1:2 awal 2\n\n"_s);

        cursor = pane()->textCursor();
        cursor.clearSelection();
        pane()->setTextCursor(cursor);
        reader().action("MenuCopyClipBook")->trigger();
        QCOMPARE(form().results().clipBookText(), u"Kejadian 1:2 awal 2\n\nKejadian \n\n"_s);

        // From the parallel pane, under the book list's entry in the active translation.
        reader().action("VersiKitab_2")->trigger();
        reader().control<QTextEdit>("rtf2")->selectAll();
        reader().action("menuCopyPadanan")->trigger();
        QVERIFY(form().results().clipBookText().endsWith(u"\n\nGenesis 1:1 awal 1\n\n"_s));
    }

    void enterSearchesEverythingAndShowsTheResults()
    {
        // Refusals are told and show nothing.
        MessageBox::setNextAnswer(QMessageBox::Ok);
        searchAll(u"ta"_s, 3);
        QCOMPARE(MessageBox::lastText(), u"Kata yang dicari terlalu pendek"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        searchAll(u"tidakada"_s, 1);
        QCOMPARE(MessageBox::lastText(), u"Kata tidak ditemukan"_s);
        Form2& results = form().results();
        QVERIFY(!results.isVisible());

        searchAll(u"taman"_s, 3);
        QTRY_VERIFY(results.isVisible());
        QCOMPARE(results.mode(), Form2::kModeResults);
        const QString text = results.resultsText();
        QVERIFY2(text.startsWith(u"Tirtamaya 2.0.0 - Terjemahan Baru"_s), qPrintable(text));
        QVERIFY(text.contains(u" -- Pencarian di seluruh Alkitab "_s));
        QVERIFY(text.contains(u"2:3 taman 3"_s));
        QVERIFY(!text.contains(u"awal"_s));
        QCOMPARE(results.resultList().size(), 1);
        QVERIFY(reader().control<QWidget>("picSearchBar")->isEnabled());

        // "Pencarian Optimal" shows the stored file again without listing it twice.
        searchAll(u"taman"_s, 3);
        QCOMPARE(results.resultList().size(), 1);
    }

    void menusAndToolButtonsOpenTheirPages()
    {
        const auto page = [this] { return form().results().mode(); };
        reader().action("MenuClipBook")->trigger();
        QCOMPARE(page(), Form2::kModeClipBook);
        reader().action("MenuDaftar")->trigger();
        QCOMPARE(page(), Form2::kModeList);
        reader().action("menuToolbarTY")->trigger(); // the standard bar with its drop-down
        reader().control<QToolButton>("btnDropDown")->click();
        reader().control<QToolButton>("ToolButton_13")->click();
        QCOMPARE(page(), Form2::kModeResults);
        reader().control<QToolButton>("btnDropDown")->click();
        reader().control<QToolButton>("ToolButton_11")->click();
        QCOMPARE(page(), Form2::kModeClipBook);
        // Button 10 now opens the page the drop-down chose last.
        reader().action("MenuHasil")->trigger();
        QCOMPARE(page(), Form2::kModeResults);
        reader().control<QToolButton>("ToolButton_10")->click();
        QCOMPARE(page(), Form2::kModeClipBook);
    }

    void resultFilesGoAtExitWhenAsked()
    {
        searchAll(u"taman"_s, 3);
        QTRY_VERIFY(form().results().isVisible());
        QFile bookmarks(tirta::TempFolder() + u"~tyBookmarks.tmp"_s);
        QVERIFY(bookmarks.open(QIODevice::WriteOnly));
        bookmarks.close();
        QCOMPARE(resultFiles().size(), 2);
        reader().action("MenuPencarianHapus")->setChecked(true);
        reader().close();
        QCOMPARE(resultFiles(), QStringList { u"~tyBookmarks.tmp"_s });
    }
};

TIRTA_TEST_MAIN(Form1FindTest)
#include "tst_form1_find.moc"
