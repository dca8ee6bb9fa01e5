// The bands of the main window: what is shown, the enlarged view, the feature switches and the
// arrangement with side windows.
#include "form1.h"

#include "foundation/criteria.h"
#include "reader/form16.h"
#include "reader/searchbar.h"
#include "reader/toolbarband.h"
#include "uikit/fontdialog.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QEventLoop>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

/// The tool buttons that open a feature's window, with the feature behind each.
constexpr std::pair<int, tirta::ui::Feature> kFeatureButtons[] = {
    { 2, tirta::ui::Feature::Perikop },
    { 3, tirta::ui::Feature::Pengantar },
    { 4, tirta::ui::Feature::Perumpamaan },
    { 5, tirta::ui::Feature::Nubuat },
    { 6, tirta::ui::Feature::Peta },
    { 7, tirta::ui::Feature::Kamus },
    { 8, tirta::ui::Feature::Deutero1 },
    { 9, tirta::ui::Feature::Bookmark },
};

} // namespace

QAction* Form1::featureAction(tirta::ui::Feature feature)
{
    using F = tirta::ui::Feature;
    auto& m = m_menus;
    switch (feature) {
    case F::Perikop:
        return m.MenuPerikop;
    case F::Pengantar:
        return m.MenuPengantar;
    case F::Perumpamaan:
        return m.MenuPerumpamaan;
    case F::Nubuat:
        return m.MenuNubuat;
    case F::Peta:
        return m.MenuPeta;
    case F::Kamus:
        return m.MenuKamus;
    case F::Deutero1:
        return m.MenuDeutero1;
    case F::Deutero2:
        return m.MenuDeutero2;
    case F::Deutero3:
        return m.MenuDeutero3;
    case F::Bookmark:
        return m.MenuBookmark;
    case F::Keterangan:
        return m.MenuKeterangan;
    case F::Tematik:
        return m.MenuTematik;
    case F::Tips:
        return m.MenuTips;
    case F::Help:
        return m.MenuHelp;
    case F::Etika:
        return m.menuEtika;
    case F::HakCipta:
        return m.menuHakCipta;
    }
    return nullptr;
}

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
    m_featureSwitchedOn.fill(true);
    tirta::Recordset& menus = session().recordset(tirta::Role::MenuSwitches);
    for (const Switch& s : switches) {
        if (!menus.findFirst(u"NamaMenu="_s + tirta::quoted(s.key)))
            continue; // a feature the file does not mention stays offered
        if (menus.number(u"Aktif") != 0)
            continue;
        s.item->setVisible(false);
        m_featureSwitchedOn[s.toolButton] = false;
    }
    if (!session().themesAvailable())
        m.MenuTematik->setVisible(false);
    if (!session().thirdDeuteroAvailable())
        m.MenuDeutero3->setVisible(false);
    updateFeatureButtons();
}

void Form1::updateFeatureButtons()
{
    // A feature's button works when the data file offers the feature and its library is there.
    for (const auto& [button, feature] : kFeatureButtons)
        m_ui.toolbar->setFeatureAvailable(
            button, m_featureSwitchedOn[button] && featureAction(feature)->isEnabled());
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
        for (const auto& [button, feature] : kFeatureButtons) {
            QAction* item = featureAction(feature);
            if (button == index && m_featureSwitchedOn[button] && item->isEnabled())
                item->trigger();
        }
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
    const std::optional<QFont> chosen
        = tirta::ui::FontDialog::getFont(this, m_ui.rtf1->font(), tr("Ubah Ukuran dan Jenis Font"));
    if (chosen)
        applyReadingFont(*chosen);
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
    // A maximized window has no size of its own to return to.
    if (isMaximized())
        return;
    m_sizeText = QString::number(width()) + u'@' + QString::number(height());
}

void Form1::restoreRecordedSize()
{
    resize(m_sizeText.section(u'@', 0, 0).toInt(), m_sizeText.section(u'@', 1, 1).toInt());
    // The outer frame is centred, as the window manager draws it around the window.
    const QSize frame = size() + (frameGeometry().size() - geometry().size());
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.left() + (area.width() - frame.width()) / 2,
            area.top() + (area.height() - frame.height()) / 2);
    }
}

void Form1::arrangeSideBySide(QWidget* sideWindow)
{
    if (isMaximized()) {
        // The window manager gives the normal size and borders back in its own time, and the
        // widths below depend on the borders: wait for it, but not long.
        QEventLoop restored;
        QTimer::singleShot(500, &restored, &QEventLoop::quit);
        if (const QWindow* window = windowHandle()) {
            for (auto changed :
                { &QWindow::xChanged, &QWindow::yChanged, &QWindow::widthChanged, &QWindow::heightChanged })
                connect(window, changed, &restored, &QEventLoop::quit);
        }
        const QRect maximized = geometry();
        showNormal();
        if (geometry() == maximized)
            restored.exec(QEventLoop::ExcludeUserInputEvents);
    }
    const QScreen* s = screen();
    const QRect area = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    // The screen is shared by the outer frames: three fifths for this window, the rest beside it.
    // Positions are those of the frames, sizes those of the windows' insides; both windows get
    // the frame this one has.
    const QRect outer = frameGeometry();
    const QPoint inset = geometry().topLeft() - outer.topLeft();
    const int frameWidth = outer.width() - width();
    const int mainWidth = area.width() * 6 / 10;
    move(area.left(), outer.top());
    resize(mainWidth - frameWidth, height());
    if (sideWindow) {
        // Placed by its inside, which stays right whether the window was shown before or not.
        sideWindow->setGeometry(QRect(QPoint(area.left() + mainWidth, outer.top()) + inset,
            QSize(area.width() - mainWidth - frameWidth, height())));
        sideWindow->show();
    }
}
