#include "bookmarks/bookmarkfeature.h"
#include "bookmarks/form17.h"
#include "foundation/safefile.h"
#include "foundation/tempfolder.h"
#include "support/fakereader.h"
#include "support/readerharness.h"
#include "support/testenv.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::bookmarks::BookmarkFile;
using tirta::test::fileBytes;
using tirta::ui::MessageBox;
using tirta::ui::named;

namespace {

const QString kPrompt = u"[isi dengan keterangan]"_s;

QListWidget* list(Form17& form, int i)
{
    return form.findChild<QListWidget*>(u"List_"_s + QString::number(i));
}

void clickRow(Form17& form, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QListWidget* notes = list(form, 0);
    QTest::mouseClick(notes->viewport(), button, {}, notes->visualItemRect(notes->item(row)).center());
}

/// Types a note and presses "Simpan" or "Update", answering the question with `answer`.
void store(Form17& form, const QString& note, QMessageBox::StandardButton answer = QMessageBox::Ok)
{
    named<QPlainTextEdit>(&form, "Text2")->setPlainText(note);
    MessageBox::setNextAnswer(answer);
    QTest::mouseClick(named<QPushButton>(&form, "Command3"), Qt::LeftButton);
}

QString noteBox(Form17& form)
{
    return named<QPlainTextEdit>(&form, "Text2")->toPlainText();
}

} // namespace

class Form17Test : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<tirta::DataSession> m_session;
    std::unique_ptr<tirta::test::FakeReader> m_reader;

    BookmarkFile file() const { return BookmarkFile(m_dir->filePath(u"data"_s), m_dir->filePath(u"tmp"_s)); }
    /// The main window's "Bookmark" at `reference`; the bookmark window it shows.
    Form17& bookmarkAt(const QString& reference)
    {
        m_reader->reference = reference;
        m_reader->featureAction(tirta::ui::Feature::Bookmark)->trigger();
        return *m_reader->window.findChild<Form17*>();
    }

private Q_SLOTS:
    void init()
    {
        qputenv("TIRTA_NO_MODAL", "1"); // an unanswered message fails instead of waiting
        MessageBox::resetForTest();
        m_reader.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        m_session = tirta::test::FixtureBuilder().version(1, u"TB"_s).open(m_dir->filePath(u"a.dat"_s));
        QVERIFY(m_session);
        m_reader = std::make_unique<tirta::test::FakeReader>(*m_session, m_dir->path());
        m_reader->translationNames = QStringList { u"TB"_s, u"English"_s };
        new tirta::bookmarks::BookmarkFeature(*m_reader, file());
    }
    void cleanup() { QCOMPARE(MessageBox::pendingAnswers(), 0); }

    void saveEditAndDeleteKeepTheListsParallel()
    {
        Form17& form = bookmarkAt(u"Yohanes#3:16"_s);
        QVERIFY(form.isVisible());
        QCOMPARE(noteBox(form), kPrompt);
        store(form, u"kasih\nAllah "_s);
        m_reader->column = u"Kitab2"_s;
        store(bookmarkAt(u"Kejadian#1:1"_s), u"awal"_s);

        // Edit the first, move it while editing, and update it in place.
        clickRow(form, 0);
        QCOMPARE(named<QLineEdit>(&form, "Text1")->text(), u"Yohanes#3:16"_s);
        form.findChild<QAction*>(u"MenuEditBookmark"_s)->trigger();
        QCOMPARE(noteBox(form), u"kasih Allah"_s);
        bookmarkAt(u"Roma#5:8"_s);
        QCOMPARE(noteBox(form), u"kasih Allah"_s);
        store(form, u"kasih Allah besar"_s);
        const auto lists = form.bookmarks();
        QCOMPARE(lists.notes, (QStringList { u"kasih Allah besar"_s, u"awal"_s }));
        QCOMPARE(lists.versionTags, (QStringList { u"Kitab1~~~~TB"_s, u"Kitab2~~~~English"_s }));
        QCOMPARE(lists.positions, (QStringList { u"Roma#5:8"_s, u"Kejadian#1:1"_s }));
        QCOMPARE(named<QPushButton>(&form, "Command3")->text(), u"Simpan"_s);

        // "Hapus Bookmark" removes the selected one (a right press selects nothing); with none
        // selected it is not offered.
        auto* menu = form.findChild<QMenu*>(u"MenuHapus"_s);
        auto* deleteOne = form.findChild<QAction*>(u"MenuHapusBookmark"_s);
        clickRow(form, 0);
        for (const int row : { 1, 0 }) {
            const bool selected = row == 1;
            clickRow(form, row, Qt::RightButton);
            QTRY_VERIFY(menu->isVisible());
            QCOMPARE(deleteOne->isVisible(), selected);
            menu->hide();
            if (selected)
                deleteOne->trigger();
        }
        QCOMPARE(list(form, 2)->count(), 1);
        QVERIFY(named<QLineEdit>(&form, "Text1")->text().isEmpty());
        QVERIFY(!named<QPushButton>(&form, "Command1")->isEnabled());

        // Going there: an Old Testament position in a translation without it is refused here.
        m_reader->oldTestament = false;
        clickRow(form, 0);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(named<QPushButton>(&form, "Command1"), Qt::LeftButton);
        QCOMPARE(MessageBox::lastText(), u"Versi yang sedang aktif tidak memiliki Perjanjian Lama"_s);
        m_reader->oldTestament = true;
        QTest::mouseDClick(list(form, 0)->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(m_reader->jumps, QStringList { u"Kejadian#1:1"_s });
        QTest::mouseClick(named<QPushButton>(&form, "Command2"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(fileBytes(file().path()), QByteArray("awal#@#Kitab2~~~~English#@#Kejadian#1:1\r\n"));
        form.show();
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
    }

    void notesThatAreNotStored_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message");
        const QString empty = u"Isi dahulu bagian keterangan"_s;
        QTest::newRow("only blanks and breaks") << u"  \n "_s << int(QMessageBox::Ok) << empty;
        QTest::newRow("the prompt") << kPrompt << int(QMessageBox::Ok) << empty;
        QTest::newRow("separator") << u"a #@# b"_s << int(QMessageBox::Ok)
                                   << u"Keterangan tidak boleh mengandung tanda \"#@#\"."_s;
        // Cancel keeps the note in the box, to be corrected.
        QTest::newRow("cancelled") << u"hampir benar"_s << int(QMessageBox::Cancel) << u"Pastikan"_s;
    }
    void notesThatAreNotStored()
    {
        QFETCH(QString, note);
        QFETCH(int, answer);
        QFETCH(QString, message);
        Form17& form = bookmarkAt(u"Kejadian#1:1"_s);
        store(form, note, QMessageBox::StandardButton(answer));
        QVERIFY2(MessageBox::lastText().startsWith(message), qPrintable(MessageBox::lastText()));
        QCOMPARE(list(form, 0)->count(), 0);
        QCOMPARE(noteBox(form), note);
    }

    void aLeftoverIsTakenOverAtStart()
    {
        QVERIFY(QDir().mkpath(m_dir->filePath(u"tmp"_s)));
        QVERIFY(tirta::writeFileWhole(file().leftoverPath(), "lama#@#Kitab1~~~~TB#@#Roma#5:8\r\n"));
        Q_EMIT m_reader->events().firstActivated();
        QCOMPARE(fileBytes(file().path()), QByteArray("lama#@#Kitab1~~~~TB#@#Roma#5:8\r\n"));
        QVERIFY(!m_reader->window.findChild<Form17*>()); // the window was not needed for it
    }

    void bookmarksSurviveARestart()
    {
        tirta::test::ReaderHarness harness;
        auto form = harness.open();
        QVERIFY(form);
        tirta::bookmarks::installBookmarks(*form);
        form->featureAction(tirta::ui::Feature::Bookmark)->trigger();
        store(*form->findChild<Form17*>(), u"awal mula"_s);
        form->close();
        // The machine restarts: the temporary folder is emptied.
        QVERIFY(QDir(tirta::TempFolder()).removeRecursively());

        form = harness.openAgain();
        QVERIFY(form);
        tirta::bookmarks::installBookmarks(*form);
        form->ChangeVersion(2);
        form->featureAction(tirta::ui::Feature::Bookmark)->trigger();
        auto* bookmarks = form->findChild<Form17*>();
        QCOMPARE(bookmarks->bookmarks().notes, QStringList { u"awal mula"_s });
        named<QListWidget>(form.get(), "List2")->setCurrentRow(1);
        clickRow(*bookmarks, 0);
        QTest::mouseClick(named<QPushButton>(bookmarks, "Command1"), Qt::LeftButton);
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Kejadian 1"_s);
        QVERIFY(named<QTextEdit>(form.get(), "rtf1")->toPlainText().startsWith(u"1:1 beginning 1"_s));
        QFile::remove(BookmarkFile::forUser().path());
    }
};

TIRTA_TEST_MAIN(Form17Test)
#include "tst_form17.moc"
