#include "foundation/datasession.h"
#include "foundation/rtf.h"
#include "foundation/safefile.h"
#include "foundation/settings.h"
#include "results/colourdialog.h"
#include "results/form2.h"
#include "results/pageview.h"
#include "search/resultfile.h"
#include "search/searchengine.h"
#include "support/fakereader.h"
#include "support/fixture.h"
#include "support/searchrequests.h"
#include "support/testenv.h"
#include "uikit/filedialog.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using tirta::results::ColourDialog;
using tirta::results::PageView;
using tirta::search::ResultEntry;
using tirta::test::FakeReader;
using tirta::ui::FileDialog;
using tirta::ui::MessageBox;
using tirta::ui::named;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// The look of the character at `position`.
struct Look
{
    bool bold = false;
    QColor colour; ///< invalid: the view's own colour
};

Look lookAt(const PageView* view, int position)
{
    const tirta::results::Look look = view->page().lookAt(position);
    return { look.bold, look.colour ? QColor::fromRgb(*look.colour) : QColor() };
}

/// Where `word` occurs in the view's text, case ignored.
QList<int> occurrences(const PageView* view, const QString& word)
{
    QList<int> found;
    const QString text = view->toPlainText();
    for (qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(word, at + word.size(), Qt::CaseInsensitive))
        found << int(at);
    return found;
}

bool anyMarked(const PageView* view)
{
    return !view->page().marksIn(0, view->page().size()).empty();
}

/// A text long enough that marking every word in it takes many slices.
QString manyLines(const QString& line)
{
    return line.repeated(400000);
}

int pdfPages(const QString& path)
{
    return int(QString::fromLatin1(readAll(path)).count(QRegularExpression(u"/Type\\s*/Page(?!s)"_s)));
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
    /// "Highlight" of `word` with "Kata Tepat" ticked.
    static void highlightExact(Form2& form, const QString& word)
    {
        named<QLineEdit>(&form, "Text1")->setText(word);
        named<QCheckBox>(&form, "Check1")->setChecked(true);
        click(form, "Command8");
    }

    tirta::search::Request request(const QString& text) const
    {
        return tirta::test::wholeBibleRequest(text, m_files->path());
    }

    /// A recorded search with a result file of its own.
    ResultEntry listedSearch(const QString& text)
    {
        const tirta::search::Outcome outcome = tirta::search::searchAll(request(text), *m_session);
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
                        .book(u"Kejadian"_s, { u"Kejadian"_s }, 2)
                        .book(u"Yohanes"_s, { u"Yohanes"_s }, 3)
                        .chapter(u"Kejadian"_s, 1,
                            { { u"Pada mulanya Allah menciptakan langit dan bumi."_s,
                                u"Roh Allah melayang-layang di atas permukaan air \u2014 kasih-Nya."_s } })
                        .chapter(u"Kejadian"_s, 2, { { u"Demikianlah diselesaikan langit dan bumi."_s } })
                        .chapter(u"Yohanes"_s, 3,
                            { { u"Ada seorang Farisi bernama Nikodemus."_s,
                                u"Karena begitu besar Kasih Allah akan dunia ini, kasih & setia."_s } })
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

    void tabsAndLayoutPerMode()
    {
        Form2 form(*m_reader);
        QCOMPARE(form.objectName(), u"Form2"_s);
        QCOMPARE(form.parentWidget(), m_reader->mainWindow());
        QVERIFY(form.isWindow());
        auto* tabs = named<QTabBar>(&form, "SSTab1");
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), u"Hasil Pencarian"_s);
        QCOMPARE(tabs->tabText(1), u"ClipBook"_s);
        QCOMPARE(tabs->tabText(2), u"Daftar Hasil"_s);
        QCOMPARE(form.mode(), u"cari"_s);

        auto* tools = named<QFrame>(&form, "Frame1");
        auto* listPanel = named<QFrame>(&form, "Frame2");
        auto* pages = named<QStackedWidget>(&form, "pages");
        auto* picture = named<QLabel>(&form, "Picture2");
        QVERIFY(shown(form, u"clipbook"_s));
        QCOMPARE(form.mode(), u"clipbook"_s);
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(form.windowTitle(), u"Jendela ClipBook"_s);
        QVERIFY(tools->isVisible());
        QVERIFY(!listPanel->isVisible());
        QCOMPARE(pages->currentWidget(), rt2(form));
        QVERIFY(picture->isVisible());
        const QImage clipBookIcon = picture->pixmap().toImage();
        QVERIFY(!clipBookIcon.isNull());

        form.ShowPage(u"daftar"_s);
        QCOMPARE(tabs->currentIndex(), 2);
        QCOMPARE(form.windowTitle(), u"jendela Daftar Hasil"_s);
        QVERIFY(!tools->isVisible());
        QVERIFY(listPanel->isVisible());
        QCOMPARE(pages->currentWidget(), listPanel);
        QVERIFY(!picture->isVisible());
        QCOMPARE(named<QLabel>(&form, "lblHeader")->text(), u"Daftar Hasil Pencarian"_s);
        QCOMPARE(named<QLabel>(&form, "Label1")->text(), u"Keterangan"_s);
        QCOMPARE(named<QPushButton>(&form, "cmdShow")->text(), u"Lihat"_s);
        QCOMPARE(named<QPushButton>(&form, "cmdClear")->text(), u"Hapus Daftar"_s);

        form.ShowPage(u"cari"_s);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(form.windowTitle(), u"Jendela Hasil Pencarian"_s);
        QVERIFY(tools->isVisible());
        QCOMPARE(pages->currentWidget(), rt1(form));
        QVERIFY(picture->isVisible());
        QVERIFY(picture->pixmap().toImage() != clipBookIcon);
        QCOMPARE(named<QPushButton>(&form, "Command1")->text(), u"Buka File Teks"_s);
        QCOMPARE(named<QPushButton>(&form, "Command2")->text(), u"Simpan Teks ke File"_s);
        QCOMPARE(named<QPushButton>(&form, "Command3")->text(), u"Cetak Teks"_s);
        QCOMPARE(named<QPushButton>(&form, "Command4")->text(), u"Hilangkan highlight warna"_s);
        QCOMPARE(named<QPushButton>(&form, "Command8")->text(), u"Highlight"_s);

        // A tag the window does not know shows the results page.
        form.ShowPage(u"lain"_s);
        QCOMPARE(form.mode(), u"cari"_s);
    }

    void firstPlacedClearOfTheSearchBarThenWhereTheUserPutsIt()
    {
        m_reader->window.setGeometry(100, 80, 800, 600);
        auto* bar = new QWidget(&m_reader->window);
        bar->setObjectName(u"picSearchBar"_s);
        bar->setGeometry(0, 60, 800, 40);
        m_reader->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_reader->window));
        const QRect searchBar(bar->mapToGlobal(QPoint(0, 0)), bar->size());
        {
            Form2 form(*m_reader);
            QVERIFY(shown(form, u"cari"_s));
            QVERIFY2(!form.frameGeometry().intersects(searchBar),
                qPrintable(u"%1,%2"_s.arg(form.frameGeometry().top()).arg(searchBar.bottom())));
            form.move(150, 300);
            QTRY_VERIFY(!m_reader->settings().read(tirta::setting::posHasil).isEmpty());
        }
        Form2 again(*m_reader);
        QVERIFY(shown(again, u"cari"_s));
        QCOMPARE(again.pos(), QPoint(150, 300));
        m_reader->settings().remove(tirta::setting::posHasil);
        delete bar;
        m_reader->window.hide();
    }

    void clickingATabChangesTheMode()
    {
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"cari"_s));
        auto* tabs = named<QTabBar>(&form, "SSTab1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        QCOMPARE(form.mode(), u"daftar"_s);
        QCOMPARE(form.windowTitle(), u"jendela Daftar Hasil"_s);
        QVERIFY(!named<QFrame>(&form, "Frame1")->isVisible());
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(form.mode(), u"clipbook"_s);
        QCOMPARE(named<QStackedWidget>(&form, "pages")->currentWidget(), rt2(form));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        QCOMPARE(form.mode(), u"cari"_s);
    }

    void bothTextsSurviveChangingPages()
    {
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"cari"_s));
        rt1(form)->setPlainText(u"hasil pencarian"_s);
        rt1(form)->setSelection(6, 12);
        form.AppendToClipBook(u"Kejadian 1:1 Pada mulanya\r\n\r\n"_s);

        form.ShowPage(u"clipbook"_s);
        form.ShowPage(u"cari"_s);
        QCOMPARE(form.resultsText(), u"hasil pencarian"_s);
        QCOMPARE(rt1(form)->selectedText(), u"pencar"_s);
        QCOMPARE(form.clipBookText(), u"Kejadian 1:1 Pada mulanya\n\n"_s);
    }

    void clipBookAppendsKeepMarks()
    {
        Form2 form(*m_reader);
        form.AppendToClipBook(u"Yohanes 3:16 kasih Allah\n\n"_s);
        QVERIFY(shown(form, u"clipbook"_s));
        QCOMPARE(form.mode(), u"clipbook"_s);
        highlightExact(form, u"kasih"_s);
        QCOMPARE(lookAt(rt2(form), 13).colour, kBlue);

        form.AppendToClipBook(u"Kejadian 1:1 Pada mulanya\n\n"_s);
        QCOMPARE(form.clipBookText(), u"Yohanes 3:16 kasih Allah\n\nKejadian 1:1 Pada mulanya\n\n"_s);
        // The earlier mark stays; the appended text does not take it over.
        QCOMPARE(lookAt(rt2(form), 13).colour, kBlue);
        QVERIFY(!lookAt(rt2(form), 26).bold);
        QVERIFY(!lookAt(rt2(form), 26).colour.isValid());
        // Appending does not bring the ClipBook to the front.
        form.ShowPage(u"cari"_s);
        form.AppendToClipBook(u"lagi"_s);
        QCOMPARE(form.mode(), u"cari"_s);
    }

    void closingOnlyHides()
    {
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"clipbook"_s));
        form.AppendToClipBook(u"simpan aku"_s);
        QVERIFY(!form.close());
        QVERIFY(!form.isVisible());
        QCOMPARE(form.clipBookText(), u"simpan aku"_s);
        QVERIFY(shown(form, u"clipbook"_s));
        QCOMPARE(form.clipBookText(), u"simpan aku"_s);
    }

    void viewsTakeTheReadingPaneFont()
    {
        const QFont before = m_reader->font;
        m_reader->font = QFont(u"Liberation Serif"_s, 14);
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"cari"_s));
        QCOMPARE(rt1(form)->font().family(), u"Liberation Serif"_s);
        QCOMPARE(rt2(form)->font().family(), u"Liberation Serif"_s);
        QCOMPARE(list1(form)->font().family(), u"Liberation Serif"_s);
        QCOMPARE(summary(form)->font().family(), u"Liberation Serif"_s);
        m_reader->font = before;
    }

    // ---- result files -------------------------------------------------------------------------

    void searchResultIsShownAsWritten()
    {
        const tirta::search::Outcome outcome = tirta::search::searchAll(request(u"kasih"_s), *m_session);
        QCOMPARE(outcome.status, tirta::search::Status::Complete);
        Form2 form(*m_reader);
        form.ShowPage(u"daftar"_s);
        QVERIFY(form.ShowResultFile(outcome.path));
        QVERIFY(form.isVisible());
        QCOMPARE(form.mode(), u"cari"_s);
        QCOMPARE(named<QTabBar>(&form, "SSTab1")->currentIndex(), 0);
        const QString written = QString::fromUtf8(readAll(outcome.path));
        QVERIFY(written.contains(u"\r\n"_s));
        QCOMPARE(form.resultsText(), tirta::fromCrLf(written));

        // Saved again as text, the file comes out byte for byte.
        const QString saved = file(u"hasil.txt"_s);
        FileDialog::setNextFileName(saved);
        click(form, "Command2");
        QCOMPARE(FileDialog::lastCaption(), u"Simpan file"_s);
        QCOMPARE(readAll(saved), readAll(outcome.path));
        QCOMPARE(MessageBox::shownCount(), 0);
    }

    void missingResultFileKeepsThePage()
    {
        Form2 form(*m_reader);
        rt1(form)->setPlainText(u"hasil lama"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(!form.ShowResultFile(file(u"~ty123.tmp"_s)));
        QVERIFY(MessageBox::lastText().contains(u"~ty123.tmp"_s));
        QCOMPARE(form.resultsText(), u"hasil lama"_s);
    }

    void savedAsRichTextByAnUpperCaseExtension()
    {
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"cari"_s));
        rt1(form)->setPlainText(u"Yohanes 3\n3:16 Karena begitu besar kasih Allah \u2014 Kasih.\n"_s);
        highlightExact(form, u"kasih"_s);

        const QString saved = file(u"HASIL.RTF"_s);
        FileDialog::setNextFileName(saved);
        click(form, "Command2");
        const QByteArray bytes = readAll(saved);
        QVERIFY(bytes.startsWith("{\\rtf1"));
        const tirta::rtf::ReadResult read = tirta::rtf::read(bytes);
        QVERIFY(read.ok());
        QCOMPARE(read.plainText(), form.resultsText());
        bool blueKasih = false;
        bool blackKasih = false;
        for (const tirta::rtf::Run& run : read.runs) {
            if (run.text == u"kasih"_s && run.bold && run.colour == tirta::rtf::Colour { 0, 0, 255 })
                blueKasih = true;
            if (run.text == u"Kasih"_s && run.bold && run.colour == tirta::rtf::Colour { 0, 0, 0 })
                blackKasih = true;
        }
        QVERIFY(blueKasih);
        QVERIFY(blackKasih);

        // And opened again into the ClipBook, it keeps its colours.
        form.ShowPage(u"clipbook"_s);
        FileDialog::setNextFileName(saved);
        click(form, "Command1");
        QCOMPARE(FileDialog::lastCaption(), u"Buka File"_s);
        QCOMPARE(form.clipBookText(), form.resultsText());
        const int at = int(form.clipBookText().indexOf(u"kasih"_s));
        QCOMPARE(lookAt(rt2(form), at).colour, kBlue);
        QVERIFY(lookAt(rt2(form), at).bold);
    }

    void savedWithoutExtensionAsPlainText()
    {
        Form2 form(*m_reader);
        rt1(form)->setPlainText(u"teks"_s);
        // The save dialog's seam answers only the name; the type shown first is plain text.
        FileDialog::setNextFileName(file(u"catatan"_s));
        click(form, "Command2");
        QCOMPARE(readAll(file(u"catatan"_s)), QByteArray("teks"));
    }

    void cancelledDialogsChangeNothing()
    {
        Form2 form(*m_reader);
        rt1(form)->setPlainText(u"tetap"_s);
        FileDialog::setNextFileName(QString());
        click(form, "Command1");
        FileDialog::setNextFileName(QString());
        click(form, "Command2");
        QCOMPARE(FileDialog::shownCount(), 2);
        QCOMPARE(form.resultsText(), u"tetap"_s);
        QCOMPARE(QDir(m_files->path()).entryList(QDir::Files), QStringList());
        QCOMPARE(MessageBox::shownCount(), 0);
    }

    void failedSaveIsReported()
    {
        Form2 form(*m_reader);
        rt1(form)->setPlainText(u"teks"_s);
        FileDialog::setNextFileName(file(u"tidak-ada/hasil.txt"_s));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command2");
        QVERIFY(MessageBox::lastText().startsWith(u"Teks tidak dapat disimpan ke file "_s));
        QVERIFY(!QFile::exists(file(u"tidak-ada/hasil.txt"_s)));

        // A full disk once left an empty file over the old one, without a word.
        const QString old = file(u"lama.txt"_s);
        QVERIFY(writeBytes(old, "isi lama"));
        const tirta::SimulatedFullDisk full(2);
        FileDialog::setNextFileName(old);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command2");
        QVERIFY(MessageBox::lastText().contains(u"Ruang disk tidak cukup."_s));
        QCOMPARE(readAll(old), QByteArray("isi lama"));
    }

    void fileErrorsSayWhatToDoInIndonesian_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("advice");
        QTest::newRow("result file gone") << u"result"_s << u"File itu tidak ada (lagi)."_s;
        QTest::newRow("opened file gone") << u"open"_s << u"File itu tidak ada (lagi)."_s;
        QTest::newRow("folder opened as a file") << u"open folder"_s << u"bukan file"_s;
        QTest::newRow("save into a missing folder") << u"save"_s << u"Folder tujuan tidak ada."_s;
        QTest::newRow("save over a folder") << u"save folder"_s << u"Ketik nama file yang lain."_s;
    }

    void fileErrorsSayWhatToDoInIndonesian()
    {
        QFETCH(QString, how);
        QFETCH(QString, advice);
        Form2 form(*m_reader);
        QVERIFY(QDir(m_files->path()).mkdir(u"map.txt"_s));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        if (how == u"result"_s) {
            form.ShowResultFile(file(u"~ty1.tmp"_s));
        } else if (how.startsWith(u"open"_s)) {
            FileDialog::setNextFileName(how == u"open"_s ? file(u"hilang.txt"_s) : file(u"map.txt"_s));
            click(form, "Command1");
        } else {
            FileDialog::setNextFileName(how == u"save"_s ? file(u"hilang/hasil.txt"_s) : file(u"map.txt"_s));
            click(form, "Command2");
        }
        const QString text = MessageBox::lastText();
        QVERIFY2(text.contains(advice), qPrintable(text));
        // The system's own (English) reason is not shown.
        for (const QString& english : { u"No such"_s, u"directory"_s, u"denied"_s, u"Unknown error"_s })
            QVERIFY2(!text.contains(english, Qt::CaseInsensitive), qPrintable(text));
    }

    void openPlainTextIntoTheResultsPage()
    {
        Form2 form(*m_reader);
        const QString name = file(u"catatan.txt"_s);
        QVERIFY(writeBytes(name, "baris satu\r\nbaris \xe2\x80\x94 dua\r\n"));
        FileDialog::setNextFileName(name);
        click(form, "Command1");
        QCOMPARE(form.resultsText(), u"baris satu\nbaris \u2014 dua\n"_s);
        QCOMPARE(form.clipBookText(), QString());
    }

    void damagedFileLosesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("cut rtf") << u"rusak.rtf"_s << QByteArray("{\\rtf1\\ansi Kasih {\\b Allah")
                                 << u"rusak atau tidak lengkap"_s;
        QTest::newRow("not rtf") << u"bukan.rtf"_s << QByteArray("teks biasa") << u"bukan file Rich Text"_s;
        QTest::newRow("binary") << u"gambar.txt"_s << QByteArray("\x89PNG\0\0\0", 7) << u"bukan file teks"_s;
    }

    void damagedFileLosesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        Form2 form(*m_reader);
        form.ApplyMode(u"clipbook"_s);
        form.AppendToClipBook(u"ClipBook yang berharga\n"_s);
        const QString path = file(name);
        QVERIFY(writeBytes(path, bytes));
        FileDialog::setNextFileName(path);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command1");
        QVERIFY2(MessageBox::lastText().contains(reason), qPrintable(MessageBox::lastText()));
        QVERIFY(MessageBox::lastText().contains(path));
        QCOMPARE(form.clipBookText(), u"ClipBook yang berharga\n"_s);
        QCOMPARE(readAll(path), bytes);
    }

    // ---- printing -----------------------------------------------------------------------------

    void printAsksFirst()
    {
        Form2 form(*m_reader);
        const QString pdf = file(u"cetak.pdf"_s);
        form.setPrinterOutputFile(pdf);
        rt1(form)->setPlainText(u"hasil"_s);
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        click(form, "Command3");
        QCOMPARE(MessageBox::lastText(), u"Cetak teks di Window hasil pencarian ?"_s);
        QCOMPARE(MessageBox::lastTitle(), u"Tirtamaya"_s);
        QVERIFY(!QFile::exists(pdf));

        form.ApplyMode(u"clipbook"_s);
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        click(form, "Command3");
        QCOMPARE(MessageBox::lastText(), u"Cetak teks di ClipBook ?"_s);
        QVERIFY(!QFile::exists(pdf));
    }

    void printsThePageInFront()
    {
        Form2 form(*m_reader);
        const QString pdf = file(u"cetak.pdf"_s);
        form.setPrinterOutputFile(pdf);
        QString text;
        for (int i = 1; i <= 200; ++i)
            text += u"Kejadian 1\n1:%1 Pada mulanya Allah\n"_s.arg(i);
        rt1(form)->setPlainText(text);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command3");
        QCOMPARE(MessageBox::shownCount(), 1);
        const int resultPages = pdfPages(pdf);
        QVERIFY(resultPages > 2);

        // The short ClipBook fits on one page.
        form.ApplyMode(u"clipbook"_s);
        form.AppendToClipBook(u"Yohanes 3:16\n\n"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command3");
        QCOMPARE(pdfPages(pdf), 1);

        // The margins are 1000 twips (50 points) on every side.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file(u"sendiri.pdf"_s));
        form.ApplyMode(u"cari"_s);
        QCOMPARE(form.printView(printer), resultPages);
        QCOMPARE(printer.pageLayout().margins(QPageLayout::Point), QMarginsF(50, 50, 50, 50));
    }

    void failedPrintIsReported()
    {
        Form2 form(*m_reader);
        form.setPrinterOutputFile(file(u"tidak-ada/cetak.pdf"_s));
        rt1(form)->setPlainText(u"hasil"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        click(form, "Command3");
        QVERIFY(MessageBox::lastText().startsWith(u"Teks tidak dapat dicetak."_s));
    }

    // ---- highlight ----------------------------------------------------------------------------

    void highlightColoursTheWordEverywhere()
    {
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"cari"_s));
        QCOMPARE(form.highlightColour(), kBlue);
        rt1(form)->setPlainText(u"kasih satu\nkasih dua\ndan kasih tiga, Kasih."_s);
        highlightExact(form, u"kasih"_s);
        const QList<int> found = occurrences(rt1(form), u"kasih"_s);
        QCOMPARE(found.size(), 4);
        for (int at : found.mid(0, 3))
            for (int i = at; i < at + 5; ++i) {
                QVERIFY(lookAt(rt1(form), i).bold);
                QCOMPARE(lookAt(rt1(form), i).colour, kBlue);
            }
        // The other spelling is emphasised in black.
        QCOMPARE(lookAt(rt1(form), found[3]).colour, QColor(Qt::black));
        QVERIFY(lookAt(rt1(form), found[3]).bold);
        QVERIFY(!lookAt(rt1(form), 5).bold);
        QCOMPARE(named<QPushButton>(&form, "Command8")->text(), u"Highlight"_s);
        // The selection stays on the last occurrence.
        QCOMPARE(rt1(form)->selectionStart(), found[3]);
    }

    void swatchChoosesTheColour()
    {
        Form2 form(*m_reader);
        auto* swatch = named<QToolButton>(&form, "PicClr");
        QVERIFY(swatch->styleSheet().contains(kBlue.name()));
        ColourDialog::setNextColour(QColor());
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(form.highlightColour(), kBlue);
        ColourDialog::setNextColour(kRed);
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(ColourDialog::shownCount(), 2);
        QCOMPARE(form.highlightColour(), kRed);
        QVERIFY(swatch->styleSheet().contains(kRed.name()));

        rt1(form)->setPlainText(u"kasih"_s);
        highlightExact(form, u"kasih"_s);
        QCOMPARE(lookAt(rt1(form), 0).colour, kRed);
    }

    void highlightWithoutMatchCaseIsBlack()
    {
        Form2 form(*m_reader);
        rt1(form)->setPlainText(u"Kasih dan kasih"_s);
        named<QLineEdit>(&form, "Text1")->setText(u"kasih"_s);
        click(form, "Command8");
        QVERIFY(lookAt(rt1(form), 0).bold);
        QCOMPARE(lookAt(rt1(form), 0).colour, QColor(Qt::black));
        QCOMPARE(lookAt(rt1(form), 10).colour, QColor(Qt::black));
    }

    void highlightOfAnEmptyOrMissingWord()
    {
        Form2 form(*m_reader);
        rt1(form)->setPlainText(u"Pada mulanya"_s);
        click(form, "Command8");
        QCOMPARE(MessageBox::shownCount(), 0);
        named<QLineEdit>(&form, "Text1")->setText(u"kasih"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command8");
        QCOMPARE(MessageBox::lastText(), u"Kata tidak ditemukan."_s);
        QCOMPARE(named<QPushButton>(&form, "Command8")->text(), u"Highlight"_s);
    }

    void stopButtonEndsARunningHighlight()
    {
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"cari"_s));
        rt1(form)->setPlainText(manyLines(u"\n\nKejadian 1\n1:1 Pada mulanya Allah."_s));
        named<QLineEdit>(&form, "Text1")->setText(u"Allah"_s);
        auto* button = named<QPushButton>(&form, "Command8");
        QString captionWhileRunning;
        // The second press comes while the marking lets the event loop in.
        QTimer::singleShot(0, button, [&] {
            captionWhileRunning = button->text();
            QTest::mouseClick(button, Qt::LeftButton);
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(captionWhileRunning, u"Stop"_s);
        QCOMPARE(button->text(), u"Highlight"_s);
        const QList<int> found = occurrences(rt1(form), u"Allah"_s);
        QVERIFY(lookAt(rt1(form), found.first()).bold);
        QVERIFY(!lookAt(rt1(form), found.last()).bold);
    }

    void escapeEndsARunningHighlight()
    {
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"clipbook"_s));
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.AppendToClipBook(manyLines(u"Yohanes 3:16 kasih\n"_s));
        named<QLineEdit>(&form, "Text1")->setText(u"kasih"_s);
        // ESC comes when the marking first lets the event loop in; no word is marked after it.
        size_t markedAtEscape = 0;
        QTimer::singleShot(0, &form, [&] {
            markedAtEscape = rt2(form)->page().marksIn(0, rt2(form)->page().size()).size();
            QTest::keyClick(&form, Qt::Key_Escape);
        });
        click(form, "Command8");
        QCOMPARE(named<QPushButton>(&form, "Command8")->text(), u"Highlight"_s);
        QVERIFY(markedAtEscape > 0);
        QCOMPARE(rt2(form)->page().marksIn(0, rt2(form)->page().size()).size(), markedAtEscape);
        const QList<int> found = occurrences(rt2(form), u"kasih"_s);
        QVERIFY(!lookAt(rt2(form), found.last()).bold);
    }

    void removeHighlightKeepsTextAndCaret()
    {
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"cari"_s));
        rt1(form)->setPlainText(u"kasih satu\nkasih dua"_s);
        highlightExact(form, u"kasih"_s);
        QVERIFY(anyMarked(rt1(form)));
        rt1(form)->setSelection(7, 7);

        // Nothing happens on the list page.
        form.ShowPage(u"daftar"_s);
        QMetaObject::invokeMethod(named<QPushButton>(&form, "Command4"), &QPushButton::click);
        QVERIFY(anyMarked(rt1(form)));

        form.ShowPage(u"cari"_s);
        click(form, "Command4");
        QVERIFY(!anyMarked(rt1(form)));
        QCOMPARE(form.resultsText(), u"kasih satu\nkasih dua"_s);
        QCOMPARE(rt1(form)->position(), 7);
        QTRY_VERIFY(rt1(form)->hasFocus());
    }

    void removeHighlightRightAfterMarking_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("results") << u"cari"_s;
        QTest::newRow("clipbook") << u"clipbook"_s;
    }

    void removeHighlightRightAfterMarking()
    {
        // The caret is still on the last marked word, as the marking leaves it.
        QFETCH(QString, mode);
        Form2 form(*m_reader);
        QVERIFY(shown(form, mode));
        auto* view = mode == u"cari"_s ? rt1(form) : rt2(form);
        view->setPlainText(u"Abraham memperanakkan Isaac,\nIsaac memperanakkan Yakub."_s);
        ColourDialog::setNextColour(kRed);
        QTest::mouseClick(named<QToolButton>(&form, "PicClr"), Qt::LeftButton);
        highlightExact(form, u"Isaac"_s);
        QCOMPARE(lookAt(view, 22).colour, kRed);
        click(form, "Command4");
        QVERIFY(!anyMarked(view));
        QCOMPARE(view->toPlainText(), u"Abraham memperanakkan Isaac,\nIsaac memperanakkan Yakub."_s);
    }

    void nextTextShownIsPlain_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("search result") << u"search"_s;
        QTest::newRow("Lihat") << u"list"_s;
        QTest::newRow("opened text file") << u"open"_s;
    }

    void nextTextShownIsPlain()
    {
        QFETCH(QString, how);
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"cari"_s));
        rt1(form)->setPlainText(u"kasih satu\nkasih dua"_s);
        highlightExact(form, u"kasih"_s);
        QVERIFY(anyMarked(rt1(form)));

        const ResultEntry entry = listedSearch(u"Allah"_s);
        if (how == u"search"_s) {
            QVERIFY(form.ShowResultFile(entry.path));
        } else if (how == u"list"_s) {
            form.AddToResultList(entry, true);
            form.ShowPage(u"daftar"_s);
            list1(form)->setCurrentRow(0);
            click(form, "cmdShow");
        } else {
            const QString name = file(u"catatan.txt"_s);
            QVERIFY(writeBytes(name, "Pada mulanya Allah\r\n"));
            FileDialog::setNextFileName(name);
            click(form, "Command1");
        }
        QVERIFY(!form.resultsText().contains(u"kasih satu"_s));
        QVERIFY(!anyMarked(rt1(form)));
    }

    // ---- the result list ----------------------------------------------------------------------

    void listShowsSummaryAndOpensItsFile()
    {
        Form2 form(*m_reader);
        const ResultEntry first = listedSearch(u"Allah"_s);
        const ResultEntry second = listedSearch(u"langit"_s);
        form.AddToResultList(first, true);
        form.AddToResultList(second, true);
        form.AddToResultList(listedSearch(u"bumi"_s), false); // "Pencarian Optimal" off
        form.AddToResultList(first, true); // the same file again
        QVERIFY(shown(form, u"daftar"_s));
        QCOMPARE(list1(form)->count(), 2);
        QCOMPARE(list1(form)->item(0)->text(), first.label);
        QCOMPARE(form.resultList().size(), 2);
        QCOMPARE(summary(form)->text(), QString());

        QTest::mouseClick(list1(form)->viewport(), Qt::LeftButton, {},
            list1(form)->visualItemRect(list1(form)->item(1)).center());
        QCOMPARE(list1(form)->currentRow(), 1);
        QCOMPARE(summary(form)->text(), tirta::fromCrLf(second.summary));

        click(form, "cmdShow");
        QCOMPARE(form.mode(), u"cari"_s);
        QCOMPARE(form.resultsText(), tirta::fromCrLf(QString::fromUtf8(readAll(second.path))));

        form.ShowPage(u"daftar"_s);
        const QPoint firstItem = list1(form)->visualItemRect(list1(form)->item(0)).center();
        QTest::mouseClick(list1(form)->viewport(), Qt::LeftButton, {}, firstItem);
        QTest::mouseDClick(list1(form)->viewport(), Qt::LeftButton, {}, firstItem);
        QCOMPARE(form.mode(), u"cari"_s);
        QCOMPARE(form.resultsText(), tirta::fromCrLf(QString::fromUtf8(readAll(first.path))));
    }

    void showingAVanishedFileIsReported()
    {
        Form2 form(*m_reader);
        const ResultEntry entry = listedSearch(u"Allah"_s);
        form.AddToResultList(entry, true);
        QVERIFY(shown(form, u"daftar"_s));
        list1(form)->setCurrentRow(0);
        QVERIFY(QFile::remove(entry.path));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "cmdShow");
        QVERIFY(MessageBox::lastText().contains(entry.path));
        QCOMPARE(form.mode(), u"daftar"_s);
        // "Lihat" without a selection does nothing.
        list1(form)->setCurrentRow(-1);
        click(form, "cmdShow");
        QCOMPARE(MessageBox::shownCount(), 1);
    }

    void rightClickMenuDeletesTheSelectedEntry()
    {
        Form2 form(*m_reader);
        QVERIFY(shown(form, u"daftar"_s));
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
        list1(form)->setCurrentRow(0);
        // The menu names the selected entry, wherever the pointer is.
        rightClick(list1(form)->visualItemRect(list1(form)->item(1)).center());
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->title(), u"Temp Files"_s);
        auto* deleteOne = named<QAction>(&form, "menuTempHapus");
        QCOMPARE(deleteOne->text(), u"Hapus \"kasih&&setia (Versi A -- Pencarian di seluruh Alkitab )\""_s);
        QCOMPARE(named<QAction>(&form, "menuTempHapusSemua")->text(), u"Hapus Daftar"_s);
        menu->close();

        deleteOne->trigger();
        QCOMPARE(list1(form)->count(), 1);
        QCOMPARE(list1(form)->item(0)->text(), second.label);
        QCOMPARE(form.resultList().at(0), second);
        QVERIFY(!QFile::exists(first.path));
        QVERIFY(QFile::exists(second.path));
        QCOMPARE(MessageBox::shownCount(), 0);
    }

    void summaryBelongsToTheChosenEntryOnly()
    {
        Form2 form(*m_reader);
        const ResultEntry first = listedSearch(u"Allah"_s);
        const ResultEntry second = listedSearch(u"langit"_s);
        form.AddToResultList(first, true);
        form.AddToResultList(second, true);
        QVERIFY(shown(form, u"daftar"_s));
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // Taking the focus gives the list a current row, but nothing is chosen yet.
        list1(form)->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(list1(form)->hasFocus());
        QCOMPARE(summary(form)->text(), QString());

        QTest::keyClick(list1(form), Qt::Key_Down);
        QCOMPARE(summary(form)->text(),
            tirta::fromCrLf(list1(form)->currentRow() == 0 ? first.summary : second.summary));
        QTest::mouseClick(list1(form)->viewport(), Qt::LeftButton, {},
            list1(form)->visualItemRect(list1(form)->item(0)).center());
        QCOMPARE(summary(form)->text(), tirta::fromCrLf(first.summary));
        // Deleted, the entry takes its summary along; the next one is not chosen by that.
        named<QAction>(&form, "menuTempHapus")->trigger();
        QCOMPARE(list1(form)->count(), 1);
        QCOMPARE(summary(form)->text(), QString());
        // "Lihat" works on the chosen entry only.
        click(form, "cmdShow");
        QCOMPARE(form.mode(), u"daftar"_s);
    }

    void clearingTheListAsksFirst()
    {
        Form2 form(*m_reader);
        const ResultEntry first = listedSearch(u"Allah"_s);
        const ResultEntry second = listedSearch(u"langit"_s);
        QVERIFY(first.path != second.path);
        const QString unlistedFile = tirta::search::searchAll(request(u"bumi"_s), *m_session).path;
        QVERIFY(QFile::exists(unlistedFile));
        form.AddToResultList(first, true);
        form.AddToResultList(second, true);
        QVERIFY(shown(form, u"daftar"_s));
        list1(form)->setCurrentRow(1);

        MessageBox::setNextAnswer(QMessageBox::Cancel);
        click(form, "cmdClear");
        QCOMPARE(MessageBox::lastText(), u"Hapus daftar pencarian ?"_s);
        QCOMPARE(list1(form)->count(), 2);
        QVERIFY(QFile::exists(first.path));
        QVERIFY(!summary(form)->text().isEmpty());

        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "cmdClear");
        QCOMPARE(list1(form)->count(), 0);
        QVERIFY(form.resultList().isEmpty());
        QCOMPARE(summary(form)->text(), QString());
        QVERIFY(!QFile::exists(first.path));
        QVERIFY(!QFile::exists(second.path));
        // A search that was never listed keeps its file.
        QVERIFY(QFile::exists(unlistedFile));
    }

    void menuClearsTheListToo()
    {
        Form2 form(*m_reader);
        const ResultEntry entry = listedSearch(u"Allah"_s);
        form.AddToResultList(entry, true);
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        named<QAction>(&form, "menuTempHapusSemua")->trigger();
        QCOMPARE(list1(form)->count(), 1);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        named<QAction>(&form, "menuTempHapusSemua")->trigger();
        QCOMPARE(list1(form)->count(), 0);
        QVERIFY(!QFile::exists(entry.path));
    }

    void deleteResultFilesEmptiesTheFolder()
    {
        Form2 form(*m_reader);
        const ResultEntry entry = listedSearch(u"Allah"_s);
        listedSearch(u"langit"_s);
        form.AddToResultList(entry, true);
        const QString bookmarks = file(u"~tyBookmarks.tmp"_s);
        QVERIFY(writeBytes(bookmarks, "Kejadian#1:1"));
        QCOMPARE(form.DeleteResultFiles(m_files->path()), 2);
        QVERIFY(!QFile::exists(entry.path));
        QVERIFY(QFile::exists(bookmarks));
        QCOMPARE(list1(form)->count(), 0);
        QVERIFY(form.resultList().isEmpty());
    }
};

TIRTA_TEST_MAIN(Form2Test)
#include "tst_form2.moc"
