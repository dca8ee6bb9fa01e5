// The bands of the main window: what is shown, the enlarged view, the feature switches and the
// arrangement with side windows.
#include "form1.h"

#include "foundation/criteria.h"
#include "reader/form16.h"
#include "reader/searchbar.h"
#include "reader/toolbarband.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QFontDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

void Form1::CheckAvailableMenu()
{
    struct Switch
    {
        const char16_t* key;
        QAction* item;
        int toolButton;
    };
    auto& m = m_menus;
    const Switch switches[] = {
        { u"Perikop", m.MenuPerikop, 2 },
        { u"Pengantar", m.MenuPengantar, 3 },
        { u"Perumpamaan", m.MenuPerumpamaan, 4 },
        { u"Peta", m.MenuPeta, 6 },
        { u"Kamus", m.MenuKamus, 7 },
        { u"Nubuat", m.MenuNubuat, 5 },
        { u"Commentary", m.MenuCommentary, 0 },
        { u"Deuterokanonika", m.MenuDeuterokanonika->menuAction(), 8 },
        { u"Keterangan", m.MenuKeterangan, 0 },
        { u"Tematik", m.MenuTematik, 0 },
    };
    tirta::Recordset& menus = session().recordset(tirta::Role::MenuSwitches);
    for (const Switch& s : switches) {
        if (!menus.findFirst(u"NamaMenu="_s + tirta::quoted(s.key)))
            continue; // a feature the file does not mention stays offered
        if (menus.number(u"Aktif") != 0)
            continue;
        s.item->setVisible(false);
        if (s.toolButton > 0)
            m_ui.toolbar->setFeatureAvailable(s.toolButton, false);
    }
    // Buttons whose windows are not part of the program yet wait, as their menu items do.
    for (const int pending : { 2, 3, 4, 5, 6, 7, 8, 9 })
        m_ui.toolbar->setFeatureAvailable(pending, false);
    if (!session().themesAvailable())
        m.MenuTematik->setVisible(false);
    if (!session().thirdDeuteroAvailable())
        m.MenuDeutero3->setVisible(false);
}

void Form1::ToolButton_Click(int index)
{
    switch (index) {
    case 1:
        m_menus.menuPadanan->toggle();
        toggleParallelPane();
        break;
    case 10:
        showResultsPage(m_ui.toolbar->resultsTag());
        break;
    case 11:
        showResultsPage(u"clipbook"_s);
        break;
    case 12:
        showResultsPage(u"daftar"_s);
        break;
    case 13:
        showResultsPage(u"cari"_s);
        break;
    default:
        // The other buttons open windows that are switched on as they join the program.
        break;
    }
}

void Form1::toggleBand(QAction* item, QWidget* band)
{
    band->setVisible(item->isChecked());
    // Showing a band ends the enlarged view.
    if (item->isChecked())
        m_ui.RestoreBar->hide();
}

void Form1::toggleParallelPane()
{
    m_parallelHidden = !m_menus.menuPadanan->isChecked();
    m_ui.rtf2->setVisible(!m_parallelHidden);
    if (!m_parallelHidden) {
        const int total = m_ui.Frame2->height();
        m_ui.Frame2->setSizes({ total * 3 / 4, total / 4 });
    }
}

void Form1::toggleEnlargedView()
{
    if (!m_ui.RestoreBar->isVisible()) {
        const std::initializer_list<QWidget*> bands { m_ui.picSearchBar, m_ui.picStatusBar, m_ui.Frame1,
            m_ui.toolbar };
        for (QWidget* band : bands)
            band->hide();
        m_ui.RestoreBar->show();
        return;
    }
    m_ui.RestoreBar->hide();
    auto& m = m_menus;
    m_ui.toolbar->setVisible(m.menuSettingToolbar->isChecked());
    m_ui.picSearchBar->setVisible(m.menuSettingPencarian->isChecked());
    m_ui.Frame1->setVisible(m.menuSettingKitab->isChecked());
    m_ui.picStatusBar->setVisible(m.menuSettingStatus->isChecked());
}

void Form1::updateNormalViewItem()
{
    const bool allShown
        = m_ui.Frame1->isVisible() && m_ui.toolbar->isVisible() && m_ui.picSearchBar->isVisible();
    m_menus.menuSettingNormal->setEnabled(!allShown);
}

void Form1::chooseFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, m_ui.rtf1->font(), this, tr("Ubah Ukuran dan Jenis Font"));
    if (ok)
        applyReadingFont(chosen);
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const QSize size = event->size();
    if (size.width() < 410 || size.height() < 390)
        resize(size.width() < 410 ? 400 : size.width(), size.height() < 390 ? 380 : size.height());
}

void Form1::RecordWindowSize()
{
    m_sizeText = QString::number(width()) + u'@' + QString::number(height());
}

void Form1::restoreRecordedSize()
{
    resize(m_sizeText.section(u'@', 0, 0).toInt(), m_sizeText.section(u'@', 1, 1).toInt());
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void Form1::arrangeSideBySide(QWidget* sideWindow)
{
    if (isMaximized())
        showNormal();
    const QScreen* s = screen();
    const int screenWidth = s ? s->availableGeometry().width() : 1024;
    const int left = s ? s->availableGeometry().left() : 0;
    // Positions are those of the outer frames, sizes those of the windows' insides.
    const int top = frameGeometry().top();
    move(left, top);
    resize(screenWidth * 6 / 10, height());
    if (sideWindow) {
        sideWindow->resize(screenWidth * 4 / 10, height());
        sideWindow->move(frameGeometry().right() + 1, top);
        sideWindow->show();
    }
}
