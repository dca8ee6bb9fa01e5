// "Cari Semua": the window gathers its inputs, the engine does the work, the results window
// shows what it found.
#include "form1.h"

#include "foundation/tempfolder.h"
#include "results/form2.h"
#include "search/deuterosearch.h"
#include "search/form3.h"
#include "search/searchengine.h"
#include "uikit/help.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

using namespace Qt::StringLiterals;

Form2& Form1::results()
{
    if (!m_results)
        m_results = new Form2(*this);
    return *m_results;
}

tirta::search::Request Form1::searchRequestFromControls() const
{
    tirta::search::Request request;
    request.text = m_ui.Text1->text();
    request.scope = static_cast<tirta::search::Scope>(std::clamp(m_ui.Combo2->currentIndex(), 0, 3));
    request.matchCase = m_ui.Check1->isChecked();
    request.column = m_currentColumn;
    request.translationName = m_catalogue.at(m_mainNumber).name;
    request.caption = windowTitle();
    request.bookListText = selectedBookEntry();
    request.book = selectedBook();
    request.oldTestament = oldTestamentSelected();
    request.chapterIndex = m_ui.List2->currentRow();
    request.testament = m_session->recordset(tirta::Role::Chapters).text(u"Perjanjian");
    request.optimal = m_menus.MenuPencarianOptimal->isChecked();
    request.tempFolder = tirta::TempFolder();
    return request;
}

void Form1::CariSemua()
{
    runSearch(searchRequestFromControls());
}

void Form1::CariDeutro(const QString& text, int n, const QString& shortName, bool matchCase)
{
    // Its messages belong over the window that asked (the deuterocanonical reader).
    runSearch(tirta::search::deuteroRequest(text, n, shortName, matchCase,
                  m_menus.MenuPencarianOptimal->isChecked(), tirta::TempFolder()),
        QApplication::activeWindow());
}

void Form1::runSearch(const tirta::search::Request& request, QWidget* owner)
{
    // A window other than the search bar (the deuterocanonical reader) may ask while a scan runs.
    if (!m_ui.picSearchBar->isEnabled())
        return;
    if (!m_progress)
        m_progress = new Form3(this);
    tirta::search::Outcome outcome;
    {
        tirta::ui::BusyCursor busy;
        m_ui.picSearchBar->setEnabled(false);
        outcome = tirta::search::searchAll(request, session(), m_progress);
        m_ui.picSearchBar->setEnabled(true);
    }
    if (outcome.status == tirta::search::Status::BadSyntax)
        tirta::ui::help::messageWithGuide(
            owner ? owner : this, outcome.message, tirta::ui::help::page::kQueryLanguage);
    else if (!outcome.message.isEmpty())
        tirta::ui::MessageBox::show(
            owner ? owner : this, outcome.message, QMessageBox::Ok, QMessageBox::NoIcon);
    if (!outcome.showsResults())
        return;
    Form2& window = results();
    if (!window.ShowResultFile(outcome.path))
        return;
    if (outcome.status == tirta::search::Status::Complete)
        window.AddToResultList(outcome.entry, request.optimal);
    window.ShowPage(Form2::kModeResults);
}

void Form1::showResultsPage(const QString& mode)
{
    results().ShowPage(mode);
}
