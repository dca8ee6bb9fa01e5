#include "foundation/datasession.h"
#include "foundation/safefile.h"
#include "foundation/settings.h"
#include "results/colourdialog.h"
#include "results/form2.h"
#include "results/pageview.h"
#include "search/searchengine.h"
#include "support/fakereader.h"
#include "support/fixture.h"
#include "support/searchrequests.h"
#include "support/testenv.h"
#include "support/widgettexts.h"
#include "uikit/filedialog.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;
using tirta::results::ColourDialog;
using tirta::results::PageView;
using tirta::search::ResultEntry;
using tirta::test::FakeReader;
using tirta::test::fileBytes;
using tirta::ui::FileDialog;
using tirta::ui::MessageBox;
using tirta::ui::named;

namespace {

/// The marked words of a view in order, each with its colour: "kasih: blue bold".
QStringList marks(const PageView* view)
{
    const QHash<QRgb, QString> names { { qRgb(0, 0, 0), u"black"_s }, { qRgb(0, 0, 255), u"blue"_s },
        { qRgb(255, 0, 0), u"red"_s } };
    QStringList found;
    for (const tirta::results::Mark& mark : view->page().marksIn(0, view->page().size())) {
        QString look = mark.look.colour ? names.value(*mark.look.colour, u"other"_s) : u"own colour"_s;
        if (mark.look.bold)
            look += u" bold"_s;
        found << view->page().text().mid(mark.start, mark.length) + u": "_s + look;
    }
    return found;
}

int pdfPages(const QString& path)
{
    return int(QString::fromLatin1(fileBytes(path)).count(QRegularExpression(u"/Type\\s*/Page(?!s)"_s)));
}

} // namespace

class Form2Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dataDir;
    QTemporaryDir m_settingsDir;
    std::unique_ptr<tirta::DataSession> m_session;
    std::unique_ptr<FakeReader> m_reader;
    std::unique_ptr<QTemporaryDir> m_files;

    QString file(const QString& name) const { return m_files->filePath(name); }

    static PageView* rt1(Form2& form) { return named<PageView>(&form, "rt1"); }
    static PageView* rt2(Form2& form) { return named<PageView>(&form, "rt2"); }
    static QListWidget* list1(Form2& form) { return named<QListWidget>(&form, "List1"); }
    static QLabel* summary(Form2& form) { return named<QLabel>(&form, "lblKeterangan"); }
    static void click(Form2& form, const char* button)
    {
        QTest::mouseClick(named<QPushButton>(&form, button), Qt::LeftButton);
    }
    static void clickRow(Form2& form, int row)
    {
        QListWidget* list = list1(form);
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    /// "Highlight" of `word`, by default with "Kata Tepat" ticked.
    static void highlight(Form2& form, const QString& word, bool exact = true)
    {
        named<QLineEdit>(&form, "Text1")->setText(word);
        named<QCheckBox>(&form, "Check1")->setChecked(exact);
        click(form, "Command8");
    }
    /// "Buka" (Command1) or "Simpan" (Command2), the file dialog answered with `name`; empty cancels it.
    static void useFile(Form2& form, const char* button, const QString& name)
    {
        FileDialog::setNextFileName(name);
        click(form, button);
    }

    /// A recorded search with a result file of its own.
    ResultEntry listedSearch(const QString& text)
    {
        const tirta::search::Outcome outcome
            = tirta::search::searchAll(tirta::test::wholeBibleRequest(text, m_files->path()), *m_session);
        if (outcome.status != tirta::search::Status::Complete)
            qWarning("search for %s: %s", qPrintable(text), qPrintable(outcome.message));
        return outcome.entry;
    }

    /// Shows the form and waits until the window system has it.
    static bool shown(Form2& form, const QString& mode)
    {
        form.ShowPage(mode);
        return QTest::qWaitForWindowExposed(&form);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QString error;
        m_session = tirta::test::FixtureBuilder()
                        .version(1, u"Versi A"_s)
                        .book(u"Kejadian"_s, { u"Kejadian"_s })
                        .chapter(u"Kejadian"_s, 1,
                            { { u"Pada mulanya Allah menciptakan langit dan bumi."_s,
                                u"Karena begitu besar Kasih Allah \u2014 kasih & setia."_s } })
                        .open(m_dataDir.filePath(u"Purnaka2000.dat"_s), &error);
        QVERIFY2(m_session, qPrintable(error));
        m_reader = std::make_unique<FakeReader>(*m_session, m_settingsDir.path());
    }

    void init()
    {
        MessageBox::resetForTest();
        FileDialog::resetForTest();
        ColourDialog::resetForTest();
        m_files = std::make_unique<QTemporaryDir>();
        QVERIFY(m_files->isValid());
    }

    void cleanup()
    {
        QCOMPARE(MessageBox::pendingAnswers(), 0);
        QVERIFY(m_reader->untouched());
    }

    // ---- pages --------------------------------------------------------------------------------

    void pagesShowTheirToolsAndTabsLeadToThem_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("page");
        QTest::newRow("ClipBook") << u"clipbook"_s << u"clipbook"_s << 1 << u"rt2"_s;
        QTest::newRow("list") << u"daftar"_s << u"daftar"_s << 2 << u"Frame2"_s;
        QTest::newRow("results, also for an unknown tag") << u"lain"_s << u"cari"_s << 0 << u"rt1"_s;
    }

    void pagesShowTheirToolsAndTabsLeadToThem()
    {
        QFETCH(QString, tag);
        QFETCH(QString, mode);
        QFETCH(int, tab);
        QFETCH(QString, page);
        Form2 form(*m_reader);
        auto* tabs = named<QTabBar>(&form, "SSTab1");
        auto* pages = named<QStackedWidget>(&form, "pages");
        QVERIFY(shown(form, tag));
        QCOMPARE(form.mode(), mode);
        QCOMPARE(tabs->currentIndex(), tab);
        QCOMPARE(pages->currentWidget()->objectName(), page);
        // The list page alone has no text tools, nor the picture beside them.
        QCOMPARE(named<QFrame>(&form, "Frame1")->isVisible(), mode != u"daftar"_s);
        QCOMPARE(named<QLabel>(&form, "Picture2")->isVisible(), mode != u"daftar"_s);
        // From another page, the tab leads back to this one.
        form.ShowPage(tab == 2 ? u"cari"_s : u"daftar"_s);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        QCOMPARE(form.mode(), mode);
        QCOMPARE(pages->currentWidget()->objectName(), page);
    }

    void takesItsPlaceAndFontFromTheMainWindow()
    {
        m_reader->window.setGeometry(100, 80, 800, 600);
        auto* bar = new QWidget(&m_reader->window);
        bar->setObjectName(u"picSearchBar"_s);
        bar->setGeometry(0, 60, 800, 40);
        const QFont before = m_reader->font;
        m_reader->font = QFont(u"Liberation Serif"_s, 14);
        m_reader->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_reader->window));
        const QRect searchBar(bar->mapToGlobal(QPoint(0, 0)), bar->size());
        {
            // First placed clear of the search bar, then where the user puts it.
            Form2 form(*m_reader);
            QVERIFY(shown(form, u"cari"_s));
            QVERIFY2(!form.frameGeometry().intersects(searchBar),
                qPrintable(u"%1,%2"_s.arg(form.frameGeometry().top()).arg(searchBar.bottom())));
            // The texts and the list are in the reading pane's font.
            for (const QWidget* widget :
                std::initializer_list<QWidget*> { rt1(form), rt2(form), list1(form), summary(form) })
                QVERIFY2(widget->font().family() == u"Liberation Serif"_s, qPrintable(widget->objectName()));
            form.move(150, 300);
            QTRY_VERIFY(!m_reader->settings().read(tirta::setting::posHasil).isEmpty());
        }
        Form2 again(*m_reader);
        QVERIFY(shown(again, u"cari"_s));
        QCOMPARE(again.pos(), QPoint(150, 300));
        m_reader->settings().remove(tirta::setting::posHasil);
        m_reader->font = before;
        delete bar;
        m_reader->window.hide();
    }

    void clipBookAppendsAndBothTextsLast()
    {
        Form2 form(*m_reader);
        form.AppendToClipBook(u"Yohanes 3:16 Allah kasih"_s);
        QVERIFY(shown(form, u"clipbook"_s));
        highlight(form, u"kasih"_s);
        // The mark at the end stays and does not run on into the appended text.
        form.AppendToClipBook(u"\r\n\r\nKejadian 1:1 Pada mulanya\r\n\r\n"_s);
        QCOMPARE(form.clipBookText(), u"Yohanes 3:16 Allah kasih\n\nKejadian 1:1 Pada mulanya\n\n"_s);
        QCOMPARE(marks(rt2(form)), QStringList { u"kasih: blue bold"_s });
        // Appending does not bring the ClipBook to the front.
        form.ShowPage(u"cari"_s);
        form.AppendToClipBook(u"lagi"_s);
        QCOMPARE(form.mode(), u"cari"_s);

        // Both texts last over changing pages and closing, which only hides the window.
        rt1(form)->setPlainText(u"hasil pencarian"_s);
        rt1(form)->setSelection(6, 12);
        form.ShowPage(u"clipbook"_s);
        QVERIFY(!form.close());
        QVERIFY(!form.isVisible());
        QVERIFY(shown(form, u"cari"_s));
        QCOMPARE(form.resultsText(), u"hasil pencarian"_s);
        QCOMPARE(rt1(form)->selectedText(), u"pencar"_s);
        QCOMPARE(form.clipBookText(), u"Yohanes 3:16 Allah kasih\n\nKejadian 1:1 Pada mulanya\n\nlagi"_s);
    }

    // ---- result files -------------------------------------------------------------------------

    void searchResultIsShownAsWritten()
    {
        const ResultEntry entry = listedSearch(u"kasih"_s);
        Form2 form(*m_reader);
        rt1(form)->setPlainText(u"kasih satu"_s);
        highlight(form, u"kasih"_s);
        form.ShowPage(u"daftar"_s);
        QVERIFY(form.ShowResultFile(entry.path));
        QVERIFY(form.isVisible());
        QCOMPARE(form.mode(), u"cari"_s);
        const QString written = QString::fromUtf8(fileBytes(entry.path));
        QVERIFY(written.contains(u"\r\n"_s));
        QCOMPARE(form.resultsText(), tirta::fromCrLf(written));
        // The marks of the text before do not stay on the new one.
        QCOMPARE(marks(rt1(form)), QStringList());

        // Saved again under a name without extension, as plain text, the file comes out byte for byte.
        const QString saved = file(u"hasil"_s);
        useFile(form, "Command2", saved);
        QCOMPARE(fileBytes(saved), fileBytes(entry.path));
        QCOMPARE(MessageBox::shownCount(), 0);
    }

    void theFileDialogsOpenIntoAndSaveFromThePageInFront()
    {
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"cari"_s));
        rt1(form)->setPlainText(u"Yohanes 3\n3:16 Karena begitu besar kasih Allah \u2014 Kasih.\n"_s);
        highlight(form, u"kasih"_s);
        // Cancelled, they change nothing.
        useFile(form, "Command1", QString());
        useFile(form, "Command2", QString());
        QCOMPARE(FileDialog::shownCount(), 2);
        QCOMPARE(marks(rt1(form)).size(), 2);
        QCOMPARE(QDir(m_files->path()).entryList(QDir::Files), QStringList());

        // Saved under an upper-case extension, the text is rich text.
        const QString saved = file(u"HASIL.RTF"_s);
        useFile(form, "Command2", saved);
        QVERIFY(fileBytes(saved).startsWith("{\\rtf1"));

        // Opened again into the ClipBook, it keeps its text, emphasis and colours.
        form.ShowPage(u"clipbook"_s);
        useFile(form, "Command1", saved);
        QCOMPARE(form.clipBookText(), form.resultsText());
        QCOMPARE(marks(rt2(form)), (QStringList { u"kasih: blue bold"_s, u"Kasih: black bold"_s }));

        // A plain-text file opened into the results page takes the place of its text and marks.
        form.ShowPage(u"cari"_s);
        const QString plain = file(u"catatan.txt"_s);
        QVERIFY(tirta::writeFileWhole(plain, "baris satu\r\nbaris \xe2\x80\x94 dua\r\n"));
        useFile(form, "Command1", plain);
        QCOMPARE(form.resultsText(), u"baris satu\nbaris \u2014 dua\n"_s);
        QCOMPARE(marks(rt1(form)), QStringList());
        QCOMPARE(marks(rt2(form)).size(), 2);
    }

    void fileErrorsSayWhatToDoInIndonesian_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // what the file holds
        QTest::addColumn<QString>("advice");
        const QString gone = u"File itu tidak ada (lagi)."_s;
        const QByteArray none; // the file is not there
        const QByteArray cut("{\\rtf1\\ansi Kasih {\\b Allah");
        QTest::newRow("result file gone") << u"result"_s << u"~ty1.tmp"_s << none << gone;
        QTest::newRow("listed result file gone") << u"list"_s << u"~ty2.tmp"_s << none << gone;
        QTest::newRow("opened file gone") << u"open"_s << u"hilang.txt"_s << none << gone;
        QTest::newRow("folder opened") << u"open"_s << u"map.txt"_s << none << u"bukan file"_s;
        QTest::newRow("cut rtf") << u"open"_s << u"rusak.rtf"_s << cut << u"rusak atau tidak lengkap"_s;
        QTest::newRow("not rtf") << u"open"_s << u"bukan.rtf"_s << QByteArray("teks")
                                 << u"bukan file Rich Text"_s;
        QTest::newRow("binary") << u"open"_s << u"gambar.txt"_s << QByteArray("\x89PNG\0", 5)
                                << u"bukan file teks"_s;
        QTest::newRow("save, no folder")
            << u"save"_s << u"hilang/x.txt"_s << none << u"Folder tujuan tidak ada."_s;
        // A full disk once left an empty file over the old one, without a word.
        QTest::newRow("save on a full disk") << u"save on a full disk"_s << u"lama.txt"_s
                                             << QByteArray("isi lama") << u"Ruang disk tidak cukup."_s;
        QTest::newRow("save over a folder")
            << u"save"_s << u"map.txt"_s << none << u"Ketik nama file yang lain."_s;
    }

    void fileErrorsSayWhatToDoInIndonesian()
    {
        QFETCH(QString, how);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, advice);
        const QString path = file(name);
        QVERIFY(QDir(m_files->path()).mkdir(u"map.txt"_s));
        QVERIFY(bytes.isNull() || tirta::writeFileWhole(path, bytes));
        std::optional<tirta::SimulatedFullDisk> full;
        if (how == u"save on a full disk"_s)
            full.emplace(2);
        Form2 form(*m_reader);
        rt1(form)->setPlainText(u"tetap"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        if (how == u"result"_s) {
            QVERIFY(!form.ShowResultFile(path));
        } else if (how == u"list"_s) {
            form.AddToResultList({ u"hilang"_s, path, {} }, true);
            form.ShowPage(u"daftar"_s);
            list1(form)->setCurrentRow(0);
            click(form, "cmdShow");
        } else {
            useFile(form, how == u"open"_s ? "Command1" : "Command2", path);
        }
        // The message names the file, after what could not be done.
        QString opening; // an opened file's message begins with its name
        if (how.startsWith(u"save"_s))
            opening = u"Teks tidak dapat disimpan ke file "_s;
        else if (how != u"open"_s)
            opening = u"Hasil pencarian tidak dapat dibaca dari file "_s;
        const QString text = MessageBox::lastText();
        QVERIFY2(text.startsWith(opening + path), qPrintable(text));
        QVERIFY2(text.contains(advice), qPrintable(text));
        // The system's own (English) reason is not shown.
        for (const QString& english : { u"No such"_s, u"directory"_s, u"denied"_s, u"Unknown error"_s })
            QVERIFY2(!text.contains(english, Qt::CaseInsensitive), qPrintable(text));
        // Neither the page nor the file changes.
        QCOMPARE(form.mode(), how == u"list"_s ? u"daftar"_s : u"cari"_s);
        QCOMPARE(form.resultsText(), u"tetap"_s);
        if (bytes.isNull())
            QVERIFY(!QFileInfo(path).isFile());
        else
            QCOMPARE(fileBytes(path), bytes);
    }

    // ---- printing -----------------------------------------------------------------------------

    void printAsksFirstThenPrintsThePageInFrontOrSaysItCannot_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("manyPages"); // the long result rather than the short ClipBook
        QTest::newRow("results") << u"cari"_s << u"Cetak teks di Window hasil pencarian ?"_s << true;
        QTest::newRow("ClipBook") << u"clipbook"_s << u"Cetak teks di ClipBook ?"_s << false;
    }

    void printAsksFirstThenPrintsThePageInFrontOrSaysItCannot()
    {
        QFETCH(QString, mode);
        QFETCH(QString, question);
        QFETCH(bool, manyPages);
        Form2 form(*m_reader);
        const QString pdf = file(u"cetak.pdf"_s);
        form.setPrinterOutputFile(pdf);
        rt1(form)->setPlainText(u"Kejadian 1\n1:1 Pada mulanya Allah\n"_s.repeated(200));
        form.AppendToClipBook(u"Yohanes 3:16\n\n"_s);
        form.ApplyMode(mode);
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        click(form, "Command3");
        QCOMPARE(MessageBox::lastText(), question);
        QVERIFY(!QFile::exists(pdf));

        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command3");
        QCOMPARE(MessageBox::shownCount(), 2);
        const int pages = pdfPages(pdf);
        QVERIFY2(manyPages ? pages > 2 : pages == 1, qPrintable(QString::number(pages)));

        // A printer that fails is reported.
        form.setPrinterOutputFile(file(u"tidak-ada/cetak.pdf"_s));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        click(form, "Command3");
        QVERIFY(MessageBox::lastText().startsWith(u"Teks tidak dapat dicetak."_s));
    }

    // ---- highlight ----------------------------------------------------------------------------

    void highlightMarksTheWordEverywhere_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<QStringList>("marked");
        QTest::addColumn<QString>("message");
        const QString blue = u"kasih: blue bold"_s;
        const QString black = u"kasih: black bold"_s;
        const QString other = u"Kasih: black bold"_s;
        // With "Kata Tepat" the other spelling is emphasised in black; without, every one is.
        QTest::newRow("Kata Tepat") << u"kasih"_s << true << QStringList { blue, blue, blue, other }
                                    << QString();
        QTest::newRow("any case") << u"kasih"_s << false << QStringList { black, black, black, other }
                                  << QString();
        QTest::newRow("missing") << u"surga"_s << true << QStringList() << u"Kata tidak ditemukan."_s;
        QTest::newRow("empty") << QString() << true << QStringList() << QString();
    }

    void highlightMarksTheWordEverywhere()
    {
        QFETCH(QString, word);
        QFETCH(bool, exact);
        QFETCH(QStringList, marked);
        QFETCH(QString, message);
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"cari"_s));
        rt1(form)->setPlainText(u"kasih satu\nkasih dua\ndan kasih tiga, Kasih."_s);
        if (!message.isEmpty())
            MessageBox::setNextAnswer(QMessageBox::Ok);
        highlight(form, word, exact);
        QCOMPARE(marks(rt1(form)), marked);
        QCOMPARE(MessageBox::lastText(), message);
        // The selection stays on the last occurrence.
        QCOMPARE(rt1(form)->selectedText(), marked.isEmpty() ? QString() : u"Kasih"_s);
    }

    void swatchChoosesTheColour()
    {
        Form2 form(*m_reader);
        auto* swatch = named<QToolButton>(&form, "PicClr");
        ColourDialog::setNextColour(QColor());
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(form.highlightColour(), QColor(Qt::blue));
        ColourDialog::setNextColour(QColor(Qt::red));
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(ColourDialog::shownCount(), 2);
        QVERIFY(swatch->styleSheet().contains(QColor(Qt::red).name()));

        rt1(form)->setPlainText(u"kasih"_s);
        highlight(form, u"kasih"_s);
        QCOMPARE(marks(rt1(form)), QStringList { u"kasih: red bold"_s });
    }

    void aRunningHighlightStops_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("escape"); // ESC rather than a second press of the button
        QTest::newRow("Stop on the results page") << u"cari"_s << false;
        QTest::newRow("ESC in the ClipBook") << u"clipbook"_s << true;
    }

    void aRunningHighlightStops()
    {
        QFETCH(QString, mode);
        QFETCH(bool, escape);
        Form2 form(*m_reader);
        QVERIFY(shown(form, mode));
        QVERIFY(QTest::qWaitForWindowActive(&form));
        PageView* text = mode == u"cari"_s ? rt1(form) : rt2(form);
        // A text long enough that marking every word in it takes many slices.
        text->setPlainText(u"\n\nKejadian 1\n1:1 Pada mulanya Allah."_s.repeated(400000));
        named<QLineEdit>(&form, "Text1")->setText(u"Allah"_s);
        auto* button = named<QPushButton>(&form, "Command8");
        QString captionWhileRunning;
        size_t markedAtStop = 0;
        // The stop comes when the marking first lets the event loop in; no word is marked after it.
        QTimer::singleShot(0, button, [&] {
            captionWhileRunning = button->text();
            markedAtStop = text->page().marksIn(0, text->page().size()).size();
            if (escape)
                QTest::keyClick(&form, Qt::Key_Escape);
            else
                QTest::mouseClick(button, Qt::LeftButton);
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(captionWhileRunning, u"Stop"_s);
        QCOMPARE(button->text(), u"Highlight"_s);
        QVERIFY(markedAtStop > 0);
        QCOMPARE(text->page().marksIn(0, text->page().size()).size(), markedAtStop);
        QVERIFY(!text->page().lookAt(int(text->toPlainText().lastIndexOf(u"Allah"_s))).bold);
    }

    void removeHighlightKeepsTextAndCaret()
    {
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"clipbook"_s));
        PageView* text = rt2(form);
        text->setPlainText(u"Abraham memperanakkan Isaac,\nIsaac memperanakkan Yakub."_s);
        highlight(form, u"Isaac"_s);
        QCOMPARE(marks(text).size(), 2);
        // The caret is still on the last marked word, as the marking leaves it.
        const int caret = text->position();
        // Nothing happens on the list page.
        form.ShowPage(u"daftar"_s);
        QMetaObject::invokeMethod(named<QPushButton>(&form, "Command4"), &QPushButton::click);
        QCOMPARE(marks(text).size(), 2);

        form.ShowPage(u"clipbook"_s);
        click(form, "Command4");
        QCOMPARE(marks(text), QStringList());
        QCOMPARE(text->toPlainText(), u"Abraham memperanakkan Isaac,\nIsaac memperanakkan Yakub."_s);
        QCOMPARE(text->position(), caret);
        QVERIFY(text->selectedText().isEmpty());
        QTRY_VERIFY(text->hasFocus());
    }

    // ---- the result list ----------------------------------------------------------------------

    void theListShowsOpensAndClearsItsResults()
    {
        Form2 form(*m_reader);
        const ResultEntry first = listedSearch(u"Allah"_s);
        const ResultEntry second = listedSearch(u"langit"_s);
        const ResultEntry unlisted = listedSearch(u"bumi"_s);
        form.AddToResultList(first, true);
        form.AddToResultList(second, true);
        form.AddToResultList(unlisted, false); // "Pencarian Optimal" off
        form.AddToResultList(first, true); // the same file again
        QVERIFY(shown(form, u"daftar"_s));
        QCOMPARE(tirta::test::itemTexts(list1(form)), (QStringList { first.label, second.label }));
        QCOMPARE(form.resultList().size(), 2);

        // "Lihat" shows the chosen result.
        clickRow(form, 1);
        click(form, "cmdShow");
        QCOMPARE(form.mode(), u"cari"_s);
        QCOMPARE(form.resultsText(), tirta::fromCrLf(QString::fromUtf8(fileBytes(second.path))));
        // So does a double click.
        form.ShowPage(u"daftar"_s);
        clickRow(form, 0);
        QTest::mouseDClick(list1(form)->viewport(), Qt::LeftButton, {},
            list1(form)->visualItemRect(list1(form)->item(0)).center());
        QCOMPARE(form.mode(), u"cari"_s);
        QCOMPARE(form.resultsText(), tirta::fromCrLf(QString::fromUtf8(fileBytes(first.path))));

        // "Hapus Daftar" asks first; the menu's item is the same command.
        form.ShowPage(u"daftar"_s);
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        click(form, "cmdClear");
        QCOMPARE(MessageBox::lastText(), u"Hapus daftar pencarian ?"_s);
        QCOMPARE(list1(form)->count(), 2);
        QVERIFY(QFile::exists(first.path));
        QVERIFY(!summary(form)->text().isEmpty());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        named<QAction>(&form, "menuTempHapusSemua")->trigger();
        QCOMPARE(list1(form)->count(), 0);
        QVERIFY(form.resultList().isEmpty());
        QCOMPARE(summary(form)->text(), QString());
        QVERIFY(!QFile::exists(first.path));
        QVERIFY(!QFile::exists(second.path));
        // A search that was never listed keeps its file.
        QVERIFY(QFile::exists(unlisted.path));
    }

    void theChosenEntryHasTheSummaryAndTheMenuAndGoesWithItsFile()
    {
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"daftar"_s));
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* menu = named<QMenu>(&form, "menuTemp");
        auto* viewport = list1(form)->viewport();
        auto rightClick = [viewport](const QPoint& at) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
            QApplication::sendEvent(viewport, &event);
        };
        // An empty list has no menu.
        rightClick(QPoint(5, 5));
        QVERIFY(!menu->isVisible());

        const ResultEntry first = listedSearch(u"kasih&setia"_s);
        const ResultEntry second = listedSearch(u"Allah"_s);
        form.AddToResultList(first, true);
        form.AddToResultList(second, true);
        // Taking the focus gives the list a current row, but nothing is chosen yet.
        list1(form)->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(list1(form)->hasFocus());
        QCOMPARE(summary(form)->text(), QString());
        QTest::keyClick(list1(form), Qt::Key_Down);
        QCOMPARE(summary(form)->text(),
            tirta::fromCrLf(list1(form)->currentRow() == 0 ? first.summary : second.summary));
        clickRow(form, 0);
        QCOMPARE(summary(form)->text(), tirta::fromCrLf(first.summary));

        // The menu names the chosen entry, wherever the pointer is.
        rightClick(list1(form)->visualItemRect(list1(form)->item(1)).center());
        QTRY_VERIFY(menu->isVisible());
        auto* deleteOne = named<QAction>(&form, "menuTempHapus");
        QCOMPARE(deleteOne->text(), u"Hapus \"kasih&&setia (Versi A -- Pencarian di seluruh Alkitab )\""_s);
        menu->close();
        // Deleted, the entry takes its file and summary along; the next one is not chosen by that.
        deleteOne->trigger();
        QCOMPARE(tirta::test::itemTexts(list1(form)), QStringList { second.label });
        QCOMPARE(form.resultList().at(0), second);
        QVERIFY(!QFile::exists(first.path));
        QVERIFY(QFile::exists(second.path));
        QCOMPARE(summary(form)->text(), QString());
        // "Lihat" works on the chosen entry only.
        click(form, "cmdShow");
        QCOMPARE(form.mode(), u"daftar"_s);
        QCOMPARE(MessageBox::shownCount(), 0);

        // Deleting the result files, listed or not, drops their entries; the bookmarks' file is no result.
        listedSearch(u"langit"_s);
        const QString bookmarks = file(u"~tyBookmarks.tmp"_s);
        QVERIFY(tirta::writeFileWhole(bookmarks, "Kejadian#1:1"));
        QCOMPARE(form.DeleteResultFiles(m_files->path()), 2);
        QVERIFY(!QFile::exists(second.path));
        QVERIFY(QFile::exists(bookmarks));
        QCOMPARE(list1(form)->count(), 0);
        QVERIFY(form.resultList().isEmpty());
    }
};

TIRTA_TEST_MAIN(Form2Test)
#include "tst_form2.moc"
