// The translation catalogue: choosing the main and the parallel translation.
#include "form1.h"

#include "foundation/safefile.h"
#include "foundation/version.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QActionGroup>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTextEdit>

using namespace Qt::StringLiterals;

void Form1::selectStartTranslations()
{
    tirta::Recordset& versions = session().recordset(tirta::Role::Versions);
    const tirta::TranslationChoice choice = tirta::chooseStartTranslations(
        versions, m_settings->read(tirta::setting::aktif1), m_settings->read(tirta::setting::aktif2));
    m_currentColumn = choice.mainColumn;
    m_mainNumber = choice.mainNumber;
    m_parallelColumn = choice.parallelColumn;
    m_parallelName = choice.parallelName;
    m_parallelNumber = choice.parallelNumber;

    loadCatalogue();
    // The catalogue numbers translations by position; the stored numbers are `nr` values, which
    // the catalogue keeps in the same order.
    const bool hasOld = m_catalogue.at(m_mainNumber).oldTestament;
    m_ui.Option1->setEnabled(hasOld);
    m_ui.Option1->setChecked(hasOld);
    m_ui.Option2->setChecked(!hasOld);
    fillBookList(hasOld);
    checkVersionMenus();
    m_ui.rtf2->setToolTip(u' ' + m_parallelName + u' ');
}

void Form1::loadCatalogue()
{
    m_catalogue = tirta::TranslationCatalogue::load(session().recordset(tirta::Role::Versions));
    auto& m = m_menus;
    for (int n = 1; n <= m_catalogue.count(); ++n) {
        const tirta::Translation& t = m_catalogue.at(n);
        QAction* main = m.MenuVersi->addAction(t.name);
        main->setObjectName(u"VersiKitab_"_s + QString::number(n));
        main->setCheckable(true);
        main->setVisible(t.offered);
        m.versiGroup->addAction(main);
        connect(main, &QAction::triggered, this, [this, n] { ChangeVersion(n); });
        m.VersiKitab.push_back(main);

        QAction* parallel = m.OpsiVersiKitab->addAction(t.name);
        parallel->setObjectName(u"OpsiKitab_"_s + QString::number(n));
        parallel->setCheckable(true);
        parallel->setVisible(t.offered);
        m.opsiGroup->addAction(parallel);
        connect(parallel, &QAction::triggered, this, [this, n] { ChooseParallel(n); });
        m.OpsiKitab.push_back(parallel);
    }
    m.VersiKitab[0]->setVisible(false);
    m.OpsiKitab[0]->setVisible(false);
    // Qt lays a long menu out in columns by itself when it does not fit the screen.
}

void Form1::checkVersionMenus()
{
    for (size_t n = 1; n < m_menus.VersiKitab.size(); ++n)
        m_menus.VersiKitab[n]->setChecked(static_cast<int>(n) == m_mainNumber);
    for (size_t n = 1; n < m_menus.OpsiKitab.size(); ++n)
        m_menus.OpsiKitab[n]->setChecked(static_cast<int>(n) == m_parallelNumber);
}

void Form1::updateCaption()
{
    setWindowTitle(
        QLatin1StringView(tirta::kProductName) + m_versionText + u"- "_s + m_catalogue.at(m_mainNumber).name);
}

void Form1::ChangeVersion(int n)
{
    const tirta::Translation& t = m_catalogue.at(n);
    if (t.column.isEmpty())
        return;
    int chapter = m_ui.List2->currentRow();
    int book = m_ui.List1->currentRow();
    bool oldTestament = m_ui.Option1->isChecked();
    if (oldTestament && !t.oldTestament) {
        const auto answer = tirta::ui::MessageBox::show(this,
            u"Perjanjian Lama untuk versi ini tidak tersedia."_s + u"\r\n"_s + u"Lihat Perjanjian Baru ?"_s,
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question);
        if (answer != QMessageBox::Ok) {
            // The menu goes on showing the translation that is still on screen.
            for (size_t i = 1; i < m_menus.VersiKitab.size(); ++i)
                m_menus.VersiKitab[i]->setChecked(
                    m_catalogue.at(static_cast<int>(i)).column == m_currentColumn);
            return;
        }
        m_ui.Option2->setChecked(true);
        oldTestament = false;
        book = 0;
        chapter = 0;
    }
    // Only a switch that goes ahead changes the translation, on screen and in the settings.
    m_mainNumber = n;
    tirta::ui::UpdatesGuard frozen(this);
    m_ui.Option1->setEnabled(t.oldTestament);
    m_currentColumn = t.column;
    checkVersionMenus();
    showPlain(m_ui.rtf1, tirta::fromCrLf(session().recordset(tirta::Role::Chapters).text(m_currentColumn)));
    updateCaption();
    fillBookList(oldTestament);
    m_ui.List1->setCurrentRow(std::clamp(book, 0, std::max(0, m_ui.List1->count() - 1)));
    m_ui.List2->setCurrentRow(-1);
    m_ui.List2->setCurrentRow(std::clamp(chapter, 0, std::max(0, m_ui.List2->count() - 1)));
}

void Form1::ChooseParallel(int n)
{
    const tirta::Translation& t = m_catalogue.at(n);
    if (t.column.isEmpty())
        return;
    m_parallelNumber = n;
    m_parallelColumn = t.column;
    m_parallelName = t.name;
    checkVersionMenus();
    m_ui.rtf2->setToolTip(u' ' + m_parallelName + u' ');
    markLine(m_ui.rtf1, std::max<qsizetype>(m_caret, 1), false, true);
}
