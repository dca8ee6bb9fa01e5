#include "bookmarks/bookmarkfeature.h"
#include "bookmarks/form17.h"
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
using tirta::ui::MessageBox;
using tirta::ui::named;

namespace {

const QString kPrompt = u"[isi dengan keterangan]"_s;

QListWidget* list(Form17& form, int i)
{
    return form.findChild<QListWidget*>(u"List_"_s + QString::number(i));
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
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
    click(named<QPushButton>(&form, "Command3"));
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

} // namespace

class Form17Test : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<tirta::DataSession> m_session;
    std::unique_ptr<tirta::test::FakeReader> m_reader;

    BookmarkFile file(const QString& folder = u"data"_s) const
    {
        return BookmarkFile(m_dir->filePath(folder), m_dir->filePath(u"tmp"_s));
    }
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
        QCOMPARE(named<QPlainTextEdit>(&form, "Text2")->toPlainText(), kPrompt);
        store(form, u"kasih\nAllah "_s);
        m_reader->column = u"Kitab2"_s;
        store(bookmarkAt(u"Kejadian#1:1"_s), u"awal"_s);
        QCOMPARE(list(form, 0)->count(), 2);
        QCOMPARE(list(form, 1)->item(1)->text(), u"Kitab2~~~~English"_s);

        // Edit the first, move it while editing, and update it in place.
        clickRow(form, 0);
        QCOMPARE(named<QLineEdit>(&form, "Text1")->text(), u"Yohanes#3:16"_s);
        form.findChild<QAction*>(u"MenuEditBookmark"_s)->trigger();
        QCOMPARE(named<QPlainTextEdit>(&form, "Text2")->toPlainText(), u"kasih Allah"_s);
        bookmarkAt(u"Roma#5:8"_s);
        QCOMPARE(named<QPlainTextEdit>(&form, "Text2")->toPlainText(), u"kasih Allah"_s);
        store(form, u"kasih Allah besar"_s);
        const auto lists = form.bookmarks();
        QCOMPARE(lists.notes, (QStringList { u"kasih Allah besar"_s, u"awal"_s }));
        QCOMPARE(lists.versionTags, (QStringList { u"Kitab1~~~~TB"_s, u"Kitab2~~~~English"_s }));
        QCOMPARE(lists.positions, (QStringList { u"Roma#5:8"_s, u"Kejadian#1:1"_s }));
        QCOMPARE(named<QPushButton>(&form, "Command3")->text(), u"Simpan"_s);

        clickRow(form, 0);
        form.findChild<QAction*>(u"MenuHapusBookmark"_s)->trigger();
        QCOMPARE(list(form, 2)->count(), 1);
        QVERIFY(named<QLineEdit>(&form, "Text1")->text().isEmpty());
        QVERIFY(!named<QPushButton>(&form, "Command1")->isEnabled());
        click(named<QPushButton>(&form, "Command2"));
        QVERIFY(!form.isVisible());
        QCOMPARE(contents(file().path()), QByteArray("awal#@#Kitab2~~~~English#@#Kejadian#1:1\r\n"));
    }

    void notesThatCannotBeStored_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("message");
        const QString empty = u"Isi dahulu bagian keterangan"_s;
        QTest::newRow("empty") << QString() << empty;
        QTest::newRow("only blanks and breaks") << u"  \n "_s << empty;
        QTest::newRow("the prompt") << kPrompt << empty;
        QTest::newRow("separator") << u"a #@# b"_s << u"Keterangan tidak boleh mengandung tanda \"#@#\"."_s;
    }
    void notesThatCannotBeStored()
    {
        QFETCH(QString, note);
        QFETCH(QString, message);
        Form17& form = bookmarkAt(u"Kejadian#1:1"_s);
        named<QPlainTextEdit>(&form, "Text2")->setPlainText(note);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(named<QPushButton>(&form, "Command3"));
        QVERIFY2(MessageBox::lastText().startsWith(message), qPrintable(MessageBox::lastText()));
        QCOMPARE(list(form, 0)->count(), 0);
        QCOMPARE(named<QPlainTextEdit>(&form, "Text2")->toPlainText(), note);
    }

    void cancelKeepsTheNoteToCorrect()
    {
        Form17& form = bookmarkAt(u"Kejadian#1:1"_s);
        store(form, u"hampir benar"_s, QMessageBox::Cancel);
        QCOMPARE(list(form, 0)->count(), 0);
        QCOMPARE(named<QPlainTextEdit>(&form, "Text2")->toPlainText(), u"hampir benar"_s);
    }

    void hapusMenuOffersWhatFits()
    {
        Form17& form = bookmarkAt(u"Kejadian#1:1"_s);
        store(form, u"satu"_s);
        store(form, u"dua"_s);
        auto* menu = form.findChild<QMenu*>(u"MenuHapus"_s);
        auto* deleteOne = form.findChild<QAction*>(u"MenuHapusBookmark"_s);
        clickRow(form, 1, Qt::RightButton);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!deleteOne->isVisible());
        QCOMPARE(list(form, 0)->currentRow(), -1); // the press selects nothing
        menu->hide();
        clickRow(form, 0);
        clickRow(form, 1, Qt::RightButton);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(deleteOne->isVisible());
        menu->hide();
        form.findChild<QAction*>(u"MenuHapusDaftar"_s)->trigger();
        QCOMPARE(form.bookmarks().count(), 0);
        QCOMPARE(list(form, 1)->count() + list(form, 2)->count(), 0);
    }

    void goingToABookmarkInTheCurrentTranslation()
    {
        Form17& form = bookmarkAt(u"Kejadian#1:1"_s);
        store(form, u"awal"_s);
        store(bookmarkAt(u"Zakaria#2:3"_s), u"nabi"_s);
        m_reader->oldTestament = false;
        clickRow(form, 0);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(named<QPushButton>(&form, "Command1"));
        QCOMPARE(MessageBox::lastText(), u"Versi yang sedang aktif tidak memiliki Perjanjian Lama"_s);
        QVERIFY(m_reader->jumps.isEmpty());
        m_reader->oldTestament = true;
        clickRow(form, 1);
        QTest::mouseDClick(list(form, 0)->viewport(), Qt::LeftButton, {},
            list(form, 0)->visualItemRect(list(form, 0)->item(1)).center());
        QCOMPARE(m_reader->jumps, QStringList { u"Zakharia#2:3"_s });
    }

    void aFailedSaveKeepsTheWindowAndTheList()
    {
        QFile blocker(m_dir->filePath(u"blocked"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        auto* form = new Form17(*m_reader, file(u"blocked/data"_s));
        form->setPosition(u"Kejadian#1:1"_s, u"Kitab1~~~~TB"_s);
        form->show();
        store(*form, u"awal"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(named<QPushButton>(form, "Command2"));
        QVERIFY(MessageBox::lastText().startsWith(u"Daftar bookmark tidak dapat disimpan"_s));
        QVERIFY(form->isVisible());
        QCOMPARE(form->bookmarks().count(), 1);
        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(!form->isVisible());
    }

    void aLeftoverIsTakenOverAtStart()
    {
        QVERIFY(QDir().mkpath(m_dir->filePath(u"tmp"_s)));
        QFile leftover(file().leftoverPath());
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.write("lama#@#Kitab1~~~~TB#@#Roma#5:8\r\n");
        leftover.close();
        Q_EMIT m_reader->events().firstActivated();
        QVERIFY(!QFile::exists(file().leftoverPath()));
        QCOMPARE(contents(file().path()), QByteArray("lama#@#Kitab1~~~~TB#@#Roma#5:8\r\n"));
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
        click(named<QPushButton>(bookmarks, "Command1"));
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Kejadian 1"_s);
        QVERIFY(named<QTextEdit>(form.get(), "rtf1")->toPlainText().startsWith(u"1:1 beginning 1"_s));
        QFile::remove(BookmarkFile::forUser().path());
    }
};

TIRTA_TEST_MAIN(Form17Test)
#include "tst_form17.moc"
