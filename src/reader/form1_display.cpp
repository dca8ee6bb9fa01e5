// The reading pane: showing a chapter, marking a verse, the parallel verse and the reading font.
#include "form1.h"

#include "foundation/books.h"
#include "foundation/criteria.h"
#include "foundation/reference.h"
#include "foundation/safefile.h"
#include "reader/toolbarband.h"
#include "results/form2.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSplitter>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using tirta::Role;

void Form1::ShowChapter()
{
    m_ui.Combo1->setCurrentIndex(-1);
    m_ui.toolbar->closeDropDown();
    const QString book = selectedBook();
    const int chapter = m_ui.List2->currentRow() + 1;
    if (m_paneMode != u"kitab"_s && !m_separateIntro) {
        fillVerseList();
        return;
    }
    // A book that no translation of the file holds has no chapter to choose.
    const bool bookAbsent = m_ui.List2->count() == 0;
    if (!bookAbsent)
        RecordLocation();
    const QString place = bookAbsent ? book : book + u' ' + QString::number(chapter);
    m_ui.Label1->setText(place);
    tirta::Recordset& chapters = session().recordset(Role::Chapters);
    m_marked = { -1, -1 };
    // The parallel pane comes back if a study text had put it aside.
    m_ui.rtf2->setVisible(!m_parallelHidden);
    session().database().takeReadFailure(); // only what this chapter's reads meet counts here
    const bool found = !bookAbsent && chapters.findFirst(tirta::chapterCriterion(book, chapter));
    const QString text = found ? chapters.text(m_currentColumn) : QString();
    // A chapter that could not be read is reported, never shown as an empty one.
    const bool damaged = reportReadFailure();
    if (found && !damaged)
        m_ui.Label1->setToolTip(chapters.text(u"Buku") + u' ' + chapters.text(u"Bab"));
    if (damaged || text.isEmpty()) {
        // Say that the active translation lacks it, rather than leave the last chapter standing.
        if (damaged)
            m_ui.rtf1->clear();
        else
            showPlain(m_ui.rtf1, place + tr(" tidak ada dalam versi ini."));
        m_ui.rtf2->clear();
        const QSignalBlocker quiet(m_ui.Combo1);
        m_ui.Combo1->clear();
        Q_EMIT m_events.chapterChanged(book, chapter);
        return;
    }
    showPlain(m_ui.rtf1, tirta::fromCrLf(text));
    m_caret = 1;
    markLine(m_ui.rtf1, 1);
    fillVerseList();
    Q_EMIT m_events.chapterChanged(book, chapter);
}

bool Form1::reportReadFailure()
{
    const tirta::DataFailure failure = session().database().takeReadFailure();
    if (!failure.failed())
        return false;
    tirta::ui::MessageBox::critical(this, tirta::describe(failure));
    return true;
}

void Form1::fillVerseList()
{
    const QSignalBlocker quiet(m_ui.Combo1);
    m_ui.Combo1->clear();
    const qint64 verses = session().recordset(Role::Chapters).number(u"Ayat");
    if (const auto damage = tirta::impossibleCount(
            verses, tirta::kMaxVerses, u"UsysAlkitab"_s, u"Ayat"_s, session().database().path())) {
        // The list is filled again for the same chapter (a refill after a jump): one message is enough.
        const QString text = tirta::describe(*damage);
        if (text != m_reportedCount) {
            m_reportedCount = text;
            tirta::ui::MessageBox::critical(this, text);
        }
        return;
    }
    for (qint64 v = 1; v <= verses; ++v)
        m_ui.Combo1->addItem(QString::number(v));
    m_ui.Combo1->setCurrentIndex(-1);
}

void Form1::markLine(QTextEdit* pane, qsizetype position, bool select, bool force)
{
    // A click inside the marked verse changes nothing; choosing a verse always selects it.
    if (!force && !select && m_marked.start >= 0 && m_marked.contains(position))
        return;
    const QString text = pane->toPlainText();
    if (text.isEmpty())
        return;
    const tirta::reader::LineBounds bounds = tirta::reader::lineBoundsAt(text, position);
    QTextCursor cursor = pane->textCursor();
    if (select) {
        // The whole line with its line break, as a reader selects a verse.
        cursor.setPosition(bounds.start);
        cursor.setPosition(std::min<qsizetype>(bounds.end + 1, text.size()), QTextCursor::KeepAnchor);
        pane->setTextCursor(cursor);
    } else if (!cursor.hasSelection()) {
        // A selection the user is making stays; otherwise the caret goes to the position.
        cursor.setPosition(std::min<qsizetype>(position, text.size()));
        pane->setTextCursor(cursor);
    }
    m_marked = bounds;
    m_markedVerse = tirta::reader::verseMark(QStringView(text).mid(bounds.start, bounds.end - bounds.start));
    showParallelVerse(m_markedVerse);
}

void Form1::showParallelVerse(const QString& mark)
{
    session().database().takeReadFailure();
    const QString parallel = session().recordset(Role::Chapters).text(m_parallelColumn);
    if (reportReadFailure()) {
        m_ui.rtf2->clear();
        return;
    }
    // A translation without this verse (or chapter) leaves the parallel pane empty.
    showPlain(m_ui.rtf2, tirta::reader::verseOfMark(parallel, mark).value_or(QString()));
}

void Form1::SelectAyat(QTextEdit* pane, int verse, bool select)
{
    const qsizetype at = tirta::reader::verseSearchPosition(pane->toPlainText(), verse);
    if (at < 0)
        return;
    m_caret = at;
    if (select)
        markLine(pane, at, true);
}

void Form1::Combo1_Click(int index)
{
    if (index < 0)
        return;
    m_ui.toolbar->closeDropDown();
    m_ui.rtf1->setFocus();
    SelectAyat(m_ui.rtf1, index + 1, true);
    RecordLocation();
}

void Form1::rtf1_Release(Qt::MouseButton button)
{
    m_caret = m_ui.rtf1->textCursor().position();
    m_ui.toolbar->closeDropDown();
    if (button == Qt::LeftButton) {
        markLine(m_ui.rtf1, m_caret);
        return;
    }
    if (button == Qt::RightButton)
        showEditMenu(QCursor::pos());
}

void Form1::showEditMenu(const QPoint& globalPos)
{
    auto& m = m_menus;
    const bool chapterShown = m_paneMode == u"kitab"_s;
    m.MenuBookmark->setVisible(chapterShown);
    m.bookmarkSeparator->setVisible(chapterShown);
    m.MenuRef->menuAction()->setVisible(chapterShown);
    m.refSeparator->setVisible(chapterShown);
    const QTextCursor cursor = m_ui.rtf1->textCursor();
    const bool everything = cursor.selectionStart() == 0
        && cursor.selectionEnd() >= m_ui.rtf1->toPlainText().size() && cursor.hasSelection();
    m.MenuPilihAyat->setEnabled(!everything);
    m.MenuPilihSemua->setEnabled(!everything);
    m.MenuCopyClipBook->setEnabled(cursor.hasSelection());
    m.menuCopy->setEnabled(cursor.hasSelection());
    Q_EMIT m_events.editMenuAboutToShow();
    m.MenuEdit->popup(globalPos);
}

void Form1::showPlain(QTextEdit* pane, const QString& text)
{
    pane->setCurrentCharFormat(QTextCharFormat());
    pane->setPlainText(tirta::reader::breakLongLines(text));
}

QFont Form1::readingFont() const
{
    return m_ui.rtf1->font();
}

void Form1::setPaneMode(const QString& mode)
{
    if (mode == m_paneMode)
        return;
    m_paneMode = mode;
    Q_EMIT m_events.paneModeChanged(mode);
}

void Form1::Set_IsInfo_to_kitab()
{
    setPaneMode(u"kitab"_s);
}

void Form1::showStudyText(const QString& header, const QString& text)
{
    m_ui.Label1->setText(header);
    m_ui.Label1->setToolTip(QString());
    showPlain(m_ui.rtf1, tirta::fromCrLf(text));
    m_ui.rtf2->hide();
    m_marked = { -1, -1 };
    m_caret = 0;
}

void Form1::hostAboveReadingPane(QWidget* strip)
{
    for (QBoxLayout* box : centralWidget()->findChildren<QBoxLayout*>()) {
        if (const int at = box->indexOf(m_ui.Frame2); at >= 0) {
            box->insertWidget(at, strip);
            return;
        }
    }
}

void Form1::selectChapter(int index)
{
    if (index < 0 || index >= m_ui.List2->count())
        return;
    m_ui.List2->setCurrentRow(-1);
    m_ui.List2->setCurrentRow(index);
}

QString Form1::readingPaneText() const
{
    return m_ui.rtf1->toPlainText();
}

void Form1::placeCaret(qsizetype position)
{
    QTextCursor cursor = m_ui.rtf1->textCursor();
    m_caret = std::clamp<qsizetype>(position, 0, m_ui.rtf1->document()->characterCount() - 1);
    cursor.setPosition(static_cast<int>(m_caret));
    m_ui.rtf1->setTextCursor(cursor);
    m_ui.rtf1->ensureCursorVisible();
}

void Form1::setChapterListInactive(bool inactive)
{
    QPalette palette = m_ui.List2->palette();
    palette.setColor(QPalette::Base, inactive ? palette.color(QPalette::Button) : QColor(255, 255, 255));
    m_ui.List2->setPalette(palette);
}

void Form1::applyReadingFont(const QFont& chosen)
{
    QFont font = chosen;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::clamp(font.pointSizeF(), tirta::kSmallestFontSize, tirta::kLargestFontSize));
    m_ui.rtf1->setFont(font);
    m_ui.rtf2->setFont(font);
}

void Form1::changeFontSize(double delta)
{
    QFont font = m_ui.rtf1->font();
    if (delta < 0 && font.pointSizeF() < 4)
        return;
    font.setPointSizeF(font.pointSizeF() + delta);
    applyReadingFont(font);
}

void Form1::resetFont()
{
    QFont font(u"Times New Roman"_s);
    font.setPointSizeF(10);
    font.setBold(false);
    showPlain(m_ui.rtf1, m_ui.rtf1->toPlainText());
    applyReadingFont(font);
    m_marked = { -1, -1 };
    markLine(m_ui.rtf1, std::max<qsizetype>(m_caret, 0), false, true);
}

void Form1::copySelection()
{
    const QTextCursor cursor = m_ui.rtf1->textCursor();
    const QString text
        = tirta::reader::copiedText(m_ui.rtf1->toPlainText(), cursor.selectionStart(), cursor.selectionEnd());
    QGuiApplication::clipboard()->setText(text + u'\n');
}

void Form1::CopyToClipBook(
    const QTextEdit* view, const QString& extra, const std::optional<QString>& reference)
{
    const QTextCursor cursor = view->textCursor();
    const QString text
        = tirta::reader::copiedText(view->toPlainText(), cursor.selectionStart(), cursor.selectionEnd());
    results().AppendToClipBook(reference.value_or(selectedBookEntry()) + extra + text + u"\n\n"_s);
}

void Form1::showQuotation(const QString& reference)
{
    m_ui.List1->setCurrentRow(-1);
    m_ui.List2->setCurrentRow(-1);
    m_ui.Label1->setText(u"Kutipan dari Kitab "_s + reference);
    m_ui.Label1->setToolTip(reference);
    if (const std::optional<QString> excerpt
        = tirta::cutExcerpt(reference, session().recordset(Role::Chapters)))
        showPlain(m_ui.rtf1, tirta::fromCrLf(*excerpt));
    m_marked = { -1, -1 };
}
