// The search bar: find in the chapter on screen, jump to the next chapter holding a text, and the
// search box's own behaviour.
#include "form1.h"

#include "foundation/safefile.h"
#include "info/hiddencommands.h"
#include "reader/form16.h"
#include "search/highlight.h"
#include "search/searchengine.h"
#include "uikit/messagebox.h"
#include "uikit/twips.h"
#include "uikit/widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

using namespace Qt::StringLiterals;
using tirta::Role;

namespace {

void say(QWidget* owner, const QString& text)
{
    tirta::ui::MessageBox::show(owner, text, QMessageBox::Ok, QMessageBox::NoIcon);
}

} // namespace

void Form1::Command1_Click()
{
    const QString q = tirta::search::doubleQuotes(m_ui.Text1->text());
    if (q.contains(u'+') || q.contains(u'^')) {
        say(this,
            u"Anda menggunakan ekspresi pencarian + dan ^. "_s + u"\r\n"_s
                + u"Gunakan tanda-tanda tersebut hanya untuk fungsi \" Cari Semua \"."_s);
        return;
    }
    if (q.size() <= 2)
        return;
    if (const std::optional<QString> command = tirta::info::hiddenCommandOf(m_ui.Text1->text())) {
        tirta::info::RunHiddenCommand(*command, *this);
        return;
    }
    const bool matchCase = m_ui.Check1->isChecked();
    tirta::Recordset& chapters = session().recordset(Role::Chapters);
    const int remembered = chapters.absolutePosition();
    const QString book = chapters.text(u"Buku");
    const QString testament = chapters.text(u"Perjanjian");
    const int scope = m_ui.Combo2->currentIndex();

    if (scope <= 0) {
        const QString text = m_ui.rtf1->toPlainText();
        const QString word = m_ui.Text1->text();
        const bool present = matchCase ? text.contains(word) : text.toLower().contains(word.toLower());
        if (!present) {
            say(this,
                matchCase ? u"Kata dengan penulisan tepat tidak ditemukan."_s : u"Kata tidak ditemukan."_s);
            return;
        }
        tirta::search::HighlightWord(m_ui.rtf1, q, matchCase, {}, QColor(0, 0, 0xFF));
        return;
    }

    m_findCriterion = tirta::reader::findCriterion(scope, book, testament, m_currentColumn, q);
    session().database().takeReadFailure();
    {
        tirta::ui::BusyCursor busy;
        if (chapters.findFirst(m_findCriterion)) {
            showFoundRow(q, matchCase);
            m_ui.Command3->setEnabled(true);
            return;
        }
    }
    chapters.setAbsolutePosition(remembered);
    if (!reportReadFailure())
        say(this, u"Kata tidak ditemukan"_s);
}

void Form1::findStep(bool forward)
{
    if (m_findCriterion.isEmpty())
        return;
    const QString q = tirta::search::doubleQuotes(m_ui.Text1->text());
    tirta::Recordset& chapters = session().recordset(Role::Chapters);
    session().database().takeReadFailure();
    const bool found = forward ? chapters.findNext(m_findCriterion) : chapters.findPrevious(m_findCriterion);
    if (!found) {
        if (reportReadFailure())
            return;
        say(this, u"Kata sudah tidak ditemukan lagi"_s);
        (forward ? m_ui.Command3 : m_ui.Command2)->setEnabled(false);
        return;
    }
    showFoundRow(q, m_ui.Check1->isChecked());
    m_ui.Command2->setEnabled(true);
    m_ui.Command3->setEnabled(true);
}

void Form1::showFoundRow(const QString& q, bool matchCase)
{
    tirta::Recordset& chapters = session().recordset(Role::Chapters);
    const int row = chapters.absolutePosition();
    SyncToChapterRow(chapters, m_ui.Label1);
    // Moving the lists shows the chapter again; the found row stays the current one.
    chapters.setAbsolutePosition(row);
    showPlain(m_ui.rtf1, tirta::fromCrLf(chapters.text(m_currentColumn)));
    m_marked = { -1, -1 };
    tirta::search::HighlightWord(m_ui.rtf1, q, matchCase, {}, QColor(Qt::black));
}

void Form1::Text1_Change()
{
    m_ui.Command2->setEnabled(false);
    m_ui.Command3->setEnabled(false);
    const bool command = m_ui.Text1->text().startsWith(u"\\\\"_s);
    m_ui.Command1->setText(command ? tr("Check") : tr("Cari"));
}

void Form1::Text1_Enter(Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
        openSearchTextBox();
        return;
    }
    // The default button: the command check for hidden commands, otherwise the search of everything.
    if (m_ui.Text1->text().startsWith(u"\\\\"_s))
        m_ui.Command1->click();
    else
        m_ui.Command4->click();
}

void Form1::openSearchTextBox()
{
    if (!m_searchTextBox) {
        m_searchTextBox = new Form16(m_ui.Text1, this);
        m_searchTextBox->setWindowModality(Qt::ApplicationModal);
    }
    const QPoint left = m_ui.Text1->mapToGlobal(QPoint(0, 0));
    const QPoint band = m_ui.picSearchBar->mapToGlobal(QPoint(0, 0));
    m_searchTextBox->openAt(QPoint(left.x(), band.y() + tirta::ui::twipsToPixels(300, *this, true)));
}

void Form1::prepareSearchBar()
{
    // The list opens wide enough for its longest entry.
    m_ui.Combo2->view()->setMinimumWidth(fontMetrics().horizontalAdvance(u"Pencarian di seluruh Alkitab"_s)
        + 2 * fontMetrics().averageCharWidth());
    m_ui.Combo2->setToolTip(m_ui.Combo2->currentText());
    m_ui.Text1->installEventFilter(this);
}
