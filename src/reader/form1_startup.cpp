// Start-up and shutdown of the reader.
#include "form1.h"

#include "foundation/checksum.h"
#include "foundation/tempfolder.h"
#include "foundation/version.h"
#include "reader/form15.h"
#include "reader/splash.h"
#include "reader/toolbarband.h"
#include "search/resultfile.h"
#include "search/searchengine.h"
#include "uikit/messagebox.h"
#include "uikit/sizing.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using tirta::setting::location;

Q_LOGGING_CATEGORY(lcStart, "tirtamaya.reader")

bool Form1::Form_Load()
{
    m_settings = std::make_unique<tirta::SettingsStore>(
        m_environment.settingsFolder, tirta::applicationNameForFolder(m_environment.programFolder));
    m_versionText = tirta::versionText();
    m_filesFolder = m_environment.filesFolder();

    m_splash = new Splash;
    m_splash->show();
    tirta::ui::placeCentredOnTop(m_splash);
    QCoreApplication::processEvents();

    if (!resolveDataLocation())
        return false;

    tirta::ui::BusyCursor busy;
    const tirta::DisplaySettings display = tirta::restoreDisplay(*m_settings);
    applyDisplaySettings(display);
    setPaneMode(u"kitab"_s);
    m_parallelHidden = m_settings->isOn(tirta::setting::padanan);

    m_sizeText = tirta::reader::windowSizeText(tirta::ui::screenHeightOf(this));
    restoreRecordedSize();

    selectStartTranslations();
    CheckAvailableMenu();

    m_ui.Combo2->clear();
    m_ui.Combo2->addItems(tirta::search::scopeNames());
    m_ui.Combo2->setCurrentIndex(0);
    m_ui.Combo2->setMinimumWidth(m_ui.Combo2->sizeHint().width());
    m_ui.Combo1->clear();

    updateCaption();
    m_menus.MenuAbout->setText(tr("Tentang ") + QLatin1StringView(tirta::kProductName));
    m_menus.MenuTips->setVisible(QFileInfo::exists(m_filesFolder + u"/TY_tips.dat"_s));

    if (m_splash)
        m_splash->hide();
    return true;
}

bool Form1::openDataFile(const QString& path, const QString& advice)
{
    tirta::DataFailure failure;
    m_session = tirta::DataSession::open(path, &failure);
    if (m_session)
        return true;
    qCWarning(lcStart) << "cannot open" << path << failure.engineMessage;
    if (m_splash)
        m_splash->hide();
    tirta::ui::MessageBox::show(this, tirta::reader::dataFileProblem(failure, path) + u"\r\n"_s + advice,
        QMessageBox::Ok, QMessageBox::Critical);
    return false;
}

bool Form1::resolveDataLocation()
{
    if (!m_environment.dataFile.isEmpty())
        return openNamedDataFile();
    const tirta::SettingKey key = location(m_environment.programFolder);
    // Without a stored location the file beside the program is used, else the installed one.
    const QString stored = m_settings->read(key.section, key.key, QString());
    QString lookedIn = tirta::reader::displayedFolder(stored.isEmpty() ? key.fallback : stored);
    QString found = stored.isEmpty() ? m_environment.defaultDataFile() : tirta::reader::findDataFile(stored);
    // A stored file that does not open is treated as a missing one: after saying why, the program
    // asks for the folder again instead of ending at every start.
    const bool opened
        = !found.isEmpty() && openDataFile(found, tr("Pilih folder yang berisi file data yang benar."));
    if (!opened) {
        if (m_splash)
            m_splash->hide();
        const QString folder = browseForDataFolder(this);
        found.clear();
        if (!folder.isEmpty()) {
            lookedIn = tirta::reader::withSlash(folder);
            found = tirta::reader::findDataFile(lookedIn + QStringView(tirta::reader::kDataFileName));
        }
        if (found.isEmpty()) {
            closeSplash();
            tirta::ui::MessageBox::show(this,
                u"Data "_s + QLatin1StringView(tirta::kProductName) + u" tidak ditemukan "_s + u"\r\n"_s
                    + u"pada direktori : "_s + lookedIn + u"."_s + u"\r\n"_s
                    + u"Jalankan kembali program dan pilih folder yang sesuai."_s);
            return false;
        }
        if (!openDataFile(found, tr("Jalankan kembali program dan pilih folder yang sesuai."))) {
            closeSplash();
            return false;
        }
    }
    // Only a file that opened is remembered.
    useDataFile(found);
    m_settings->write(key, found);
    if (!m_settings->lastError().isEmpty())
        tirta::ui::MessageBox::warning(this, tirta::notSavedMessage(*m_settings));
    return true;
}

bool Form1::openNamedDataFile()
{
    // A file named on the command line serves this run only: nothing is asked and nothing is kept.
    const QString found = tirta::reader::findDataFile(m_environment.dataFile);
    if (found.isEmpty()) {
        if (m_splash)
            m_splash->hide();
        tirta::ui::MessageBox::show(this,
            u"File data tidak ditemukan:"_s + u"\r\n"_s + m_environment.dataFile, QMessageBox::Ok,
            QMessageBox::Critical);
    }
    if (found.isEmpty() || !openDataFile(found, tr("Periksa file data yang disebut pada baris perintah."))) {
        closeSplash();
        return false;
    }
    useDataFile(found);
    return true;
}

void Form1::useDataFile(const QString& path)
{
    m_dataPath = path;
    m_displayedFolder = tirta::reader::displayedFolder(path);
}

void Form1::closeSplash()
{
    if (m_splash)
        m_splash->close();
    m_splash = nullptr;
}

void Form1::applyDisplaySettings(const tirta::DisplaySettings& d)
{
    auto& m = m_menus;
    m.menuSettingSimpan->setChecked(d.saveSettings);
    m.MenuShowTip->setChecked(d.showTip);
    m.MenuPencarianHapus->setChecked(d.flushResults);
    m.menuSettingStatus->setChecked(d.statusBar);
    m_ui.picStatusBar->setVisible(d.statusBar);
    m.menuSettingToolbar->setChecked(d.toolbar);
    m_ui.toolbar->setVisible(d.toolbar);
    m.menuToolbarTY->setChecked(d.blueToolbar);
    m_ui.toolbar->setBlueStyle(d.blueToolbar);
    m.menuSettingKitab->setChecked(d.bookPanel);
    m_ui.Frame1->setVisible(d.bookPanel);
    m.menuSettingPencarian->setChecked(d.searchBar);
    m_ui.picSearchBar->setVisible(d.searchBar);
    m.MenuPencarianOptimal->setChecked(d.optimalSearch);
    m.MenuSettingTerpisah->setChecked(d.separateIntro);
    m_separateIntro = d.separateIntro;
    QFont font(d.fontName);
    font.setPointSizeF(d.fontSize);
    applyReadingFont(font);
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_firstActivation && m_session)
        Form_Activate();
}

void Form1::Form_Activate()
{
    tirta::ui::UpdatesGuard frozen(this);
    const bool oldTestament = m_settings->number(tirta::setting::perj) == 1;
    const int book = m_settings->number(tirta::setting::buku);
    const int chapter = m_settings->number(tirta::setting::pasal);
    // An Old Testament position in a translation without one falls back to the New Testament.
    if (oldTestament && m_ui.Option1->isEnabled()) {
        m_ui.Option1->setChecked(true);
        fillBookList(true);
    } else {
        m_ui.Option2->setChecked(true);
        fillBookList(false);
    }
    m_ui.List1->setCurrentRow(-1);
    m_ui.List1->setCurrentRow(book >= 0 && book < m_ui.List1->count() ? book : 0);
    // Choosing the book has shown its first chapter: show the stored one only when it is another,
    // so a chapter that cannot be read is reported once.
    const int chapterRow = chapter >= 0 && chapter < m_ui.List2->count() ? chapter : 0;
    if (m_ui.List2->currentRow() != chapterRow) {
        m_ui.List2->setCurrentRow(-1);
        m_ui.List2->setCurrentRow(chapterRow);
    }
    m_history.clear();
    m_ui.ListHistory->clear();

    m_menus.menuPadanan->setChecked(!m_parallelHidden);
    toggleParallelPane();
    m_ui.List1->setFocus();
    m_firstActivation = false;
    closeSplash();
    Q_EMIT m_events.firstActivated();
}

void Form1::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

tirta::ExitState Form1::exitState() const
{
    tirta::ExitState s;
    const auto& m = m_menus;
    s.display.saveSettings = m.menuSettingSimpan->isChecked();
    s.display.showTip = m.MenuShowTip->isChecked();
    s.display.flushResults = m.MenuPencarianHapus->isChecked();
    s.display.statusBar = m.menuSettingStatus->isChecked();
    s.display.toolbar = m.menuSettingToolbar->isChecked();
    s.display.blueToolbar = m.menuToolbarTY->isChecked();
    s.display.bookPanel = m.menuSettingKitab->isChecked();
    s.display.searchBar = m.menuSettingPencarian->isChecked();
    s.display.optimalSearch = m.MenuPencarianOptimal->isChecked();
    s.display.separateIntro = m.MenuSettingTerpisah->isChecked();
    s.display.fontSize = m_ui.rtf1->font().pointSizeF();
    s.display.fontName = m_ui.rtf1->font().family();
    s.mainTranslation = m_mainNumber;
    s.parallelTranslation = m_parallelNumber;
    s.oldTestament = m_ui.Option1->isChecked();
    s.bookIndex = m_ui.List1->currentRow();
    s.chapterIndex = m_ui.List2->currentRow();
    s.parallelHidden = !m_menus.menuPadanan->isChecked();
    return s;
}

void Form1::Form_Unload()
{
    if (m_unloaded || !m_session)
        return;
    m_unloaded = true;
    tirta::applyExitSettings(*m_settings, exitState());
    if (!m_settings->lastError().isEmpty())
        tirta::ui::MessageBox::warning(this, tirta::notSavedMessage(*m_settings));
    if (m_menus.MenuPencarianHapus->isChecked())
        tirta::search::DeleteResultFiles(tirta::TempFolder());
    Q_EMIT m_events.unloading();
    m_ui.ListHistory->close();
}

void Form1::quitAtOnce()
{
    // Nothing is saved or removed: the program simply stops.
    m_unloaded = true;
    QCoreApplication::exit(0);
}
