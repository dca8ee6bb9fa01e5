// Moving through the Bible: testament, book, chapter, history and jumps from other windows.
#include "form1.h"

#include "foundation/books.h"
#include "foundation/criteria.h"
#include "foundation/reference.h"
#include "reader/toolbarband.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using tirta::Role;

bool Form1::oldTestamentSelected() const
{
    return m_ui.Option1->isChecked();
}

QString Form1::selectedBook() const
{
    return tirta::bookName(std::max(0, m_ui.List1->currentRow()), oldTestamentSelected());
}

int Form1::currentChapter() const
{
    return m_ui.List2->currentRow() + 1;
}

bool Form1::hasOldTestament() const
{
    return m_ui.Option1->isEnabled();
}

QString Form1::selectedBookEntry() const
{
    const QListWidgetItem* entry = m_ui.List1->currentItem();
    return entry ? entry->text() : QString();
}

QString Form1::currentReference() const
{
    const int verse = m_ui.Combo1->currentIndex();
    return selectedBook() + u'#' + QString::number(m_ui.List2->currentRow() + 1) + u':'
        + (verse < 0 ? u"1"_s : QString::number(verse + 1));
}

void Form1::Option_Click(bool oldTestament)
{
    if (oldTestament)
        IsiDaftarBuku1();
    else
        IsiDaftarBuku2();
    m_ui.List1->setCurrentRow(0);
}

void Form1::IsiDaftarBuku1()
{
    fillBookList(true);
}

void Form1::IsiDaftarBuku2()
{
    fillBookList(false);
}

void Form1::fillBookList(bool oldTestament)
{
    const QSignalBlocker quiet(m_ui.List1);
    m_ui.List1->clear();
    tirta::Recordset& books = session().recordset(oldTestament ? Role::OldBooks : Role::NewBooks);
    for (books.moveFirst(); !books.eof(); books.moveNext())
        m_ui.List1->addItem(books.text(m_currentColumn));
}

void Form1::List1_Click()
{
    const QString book = selectedBook();
    if (m_paneMode != u"kitab"_s) {
        // A study text follows the book list on its own: it reads the book's row. The chapter
        // list still offers the new book's chapters.
        fillChapterList(book);
        Q_EMIT m_events.bookChanged(book);
        return;
    }
    m_ui.toolbar->closeDropDown();
    tirta::ui::BusyCursor busy;
    m_ui.Label1->setText(book + u' ' + QString::number(m_ui.List2->currentRow() + 1));
    fillChapterList(book);
    if (m_ui.List2->count() == 0) {
        ShowChapter(); // the book is absent: the pane says so
        return;
    }
    m_ui.List2->setCurrentRow(-1);
    m_ui.List2->setCurrentRow(0);
    markLine(m_ui.rtf1, 1);
    Q_EMIT m_events.bookChanged(book);
}

void Form1::fillChapterList(const QString& book)
{
    const QSignalBlocker quiet(m_ui.List2);
    m_ui.List2->clear();
    tirta::Recordset& books = session().recordset(Role::Books);
    if (!books.findFirst(u"Kitab1="_s + tirta::quoted(book)))
        return;
    const qint64 chapters = std::clamp<qint64>(books.number(u"JumlahBuku"), 0, tirta::kMaxChapters);
    for (qint64 c = 1; c <= chapters; ++c)
        m_ui.List2->addItem(QString::number(c));
}

void Form1::RecordLocation()
{
    // A step through the history moves the reader without adding to the history; a jump across
    // books passes through the book's first chapter, so recording and removing one entry is not enough.
    if (m_steppingHistory)
        return;
    const bool verseChosen = m_ui.Combo1->currentIndex() >= 0;
    m_history.record(m_currentColumn, currentReference(), verseChosen);
    m_history.leaveSteps();
    const QSignalBlocker quiet(m_ui.ListHistory);
    m_ui.ListHistory->clear();
    m_ui.ListHistory->addItems(m_history.entries());
}

void Form1::historyStep(tirta::reader::History::Step step)
{
    const std::optional<QString> entry = m_history.step(step);
    if (!entry)
        return;
    QString reference = entry->section(u'@', 1);
    m_steppingHistory = true;
    JumpLocation(reference);
    m_steppingHistory = false;
    const QSignalBlocker quiet(m_ui.ListHistory);
    m_ui.ListHistory->clear();
    m_ui.ListHistory->addItems(m_history.entries());
    m_ui.ListHistory->setCurrentRow(m_history.current());
}

void Form1::toggleHistoryList()
{
    QListWidget* list = m_ui.ListHistory;
    if (list->isVisible()) {
        list->hide();
        m_ui.cmdPanel->hide();
        return;
    }
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 800, 600);
    list->setGeometry(screen.right() - 260, screen.top() + 40, 250, screen.height() - 80);
    m_ui.cmdPanel->setGeometry(4, list->height() - 32, 80, 28);
    list->show();
    m_ui.cmdPanel->show();
    m_ui.cmdPanel->raise();
}

void Form1::JumpLocation(QString& reference)
{
    tirta::normaliseSpelling(reference);
    const qsizetype hash = reference.indexOf(u'#');
    const qsizetype colon = reference.indexOf(u':', hash + 1);
    const QString book = reference.left(hash);
    bool chapterOk = false;
    const int chapter = reference.mid(hash + 1, colon - hash - 1).trimmed().toInt(&chapterOk);
    QString versePart = reference.mid(colon + 1);
    versePart = versePart.contains(u'-') ? versePart.section(u'-', 0, 0) : versePart.trimmed();
    bool verseOk = false;
    const int verse = versePart.trimmed().toInt(&verseOk);
    if (hash < 0 || colon < 0 || !chapterOk || !verseOk) {
        tirta::ui::MessageBox::show(this, tr("Referensi tidak dapat dibaca: ") + reference);
        return;
    }

    const bool oldTestament = tirta::oldTestamentIndex(book) != u"-1"_s;
    const QString index = oldTestament ? tirta::oldTestamentIndex(book) : tirta::newTestamentIndex(book);
    if (index == u"-1"_s) {
        tirta::ui::MessageBox::show(this, tr("Kitab tidak dikenal: ") + book);
        return;
    }
    if (oldTestament && !m_ui.Option1->isEnabled()) {
        // History and bookmarks may hold positions of another translation. The history stays
        // where it is; the bookmark window checks before it jumps and tells the user itself.
        return;
    }

    tirta::ui::UpdatesGuard frozen(this);
    if (oldTestament != oldTestamentSelected() || m_ui.List1->count() == 0) {
        (oldTestament ? m_ui.Option1 : m_ui.Option2)->setChecked(true);
        fillBookList(oldTestament);
    }
    m_ui.List1->setCurrentRow(index.toInt());
    if (chapter < 1 || chapter > m_ui.List2->count()) {
        tirta::ui::MessageBox::show(this, tr("Pasal %1 tidak ada dalam kitab %2.").arg(chapter).arg(book));
        return;
    }
    m_ui.List2->setCurrentRow(-1);
    m_ui.List2->setCurrentRow(chapter - 1);

    // The whole line of the first verse of the range, without its line break.
    const QString text = m_ui.rtf1->toPlainText();
    const qsizetype at = text.indexOf(QString::number(chapter) + u':' + QString::number(verse));
    if (at < 0)
        return;
    markLine(m_ui.rtf1, at, false, true);
    const qsizetype end = tirta::reader::lineBoundsAt(text, at).end;
    QTextCursor cursor = m_ui.rtf1->textCursor();
    cursor.setPosition(at);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_ui.rtf1->setTextCursor(cursor);
}

void Form1::SyncToChapterRow(tirta::Recordset& chapters, QLabel* label)
{
    const QString book = chapters.text(u"Buku");
    const QString chapter = chapters.text(u"Bab");
    const QString testament = chapters.text(u"Perjanjian");
    if (label)
        label->setText(u"Perjanjian "_s + testament + u": "_s + book + u' ' + chapter);
    const bool oldTestament = testament.toLower() == u"lama"_s;
    const QString index = oldTestament ? tirta::oldTestamentIndex(book) : tirta::newTestamentIndex(book);
    if (index == u"-1"_s)
        return;
    tirta::ui::UpdatesGuard frozen(this);
    if (oldTestament != oldTestamentSelected()) {
        (oldTestament ? m_ui.Option1 : m_ui.Option2)->setChecked(true);
        fillBookList(oldTestament);
    }
    m_ui.List1->setCurrentRow(index.toInt());
    m_ui.List2->setCurrentRow(chapter.toInt() - 1);
}
