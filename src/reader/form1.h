#pragma once

#include "foundation/datasession.h"
#include "foundation/settings.h"
#include "reader/readerenvironment.h"
#include "reader/readerlogic.h"
#include "reader/versecatalogue.h"
#include "uikit/reader.h"
#include "uikit/readerevents.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QSplitter;
class QStatusBar;
class QTextEdit;
class QToolButton;
class Splash;
class Form16;
class Form7;
class Form2;
class Form3;

namespace tirta::search {
struct Request;
}

namespace tirta::reader {
class DraggableBar;
class ToolbarBand;
} // namespace tirta::reader

/// The reader: the main window, first created and last closed. It opens the data file, shows one
/// chapter of the chosen translation with the same verse of a second one, and moves through the
/// Bible by testament, book, chapter and verse, remembering where it has been.
class Form1 final : public QMainWindow, public tirta::ui::Reader
{
    Q_OBJECT

public:
    explicit Form1(tirta::reader::Environment environment, QWidget* parent = nullptr);
    ~Form1() override;

    /// Finds the data file (asking for its folder when needed), opens it and restores the user's
    /// choices. False when the program must end.
    bool Form_Load();

    // tirta::ui::Reader
    void JumpLocation(QString& reference) override;
    void CopyToClipBook(const QTextEdit* view, const QString& extra,
        const std::optional<QString>& reference = std::nullopt) override;
    tirta::DataSession& session() override { return *m_session; }
    tirta::SettingsStore& settings() override { return *m_settings; }
    QWidget* mainWindow() override { return this; }
    QString dataFolderShown() const override { return m_displayedFolder; }
    QString programFolder() const override { return m_filesFolder; }
    void showQuotation(const QString& reference) override;
    void quitAtOnce() override;
    void CariDeutro(const QString& text, int n, const QString& shortName, bool matchCase) override;
    tirta::ui::ReaderEvents& events() override { return m_events; }
    QAction* featureAction(tirta::ui::Feature feature) override;
    QAction* showTipItem() override { return m_menus.MenuShowTip; }
    QString currentBook() const override { return selectedBook(); }
    int currentChapter() const override;
    bool hasOldTestament() const override;
    QFont readingFont() const override;
    QString paneMode() const override { return m_paneMode; }
    void Set_IsInfo_to_kitab() override;
    QMenu* crossReferenceMenu() override { return m_menus.MenuRef; }
    QString translationName(int n) const override { return m_catalogue.at(n).name; }
    void RecordWindowSize() override;
    void arrangeSideBySide(QWidget* sideWindow) override;
    void restoreRecordedSize() override;
    void setPaneMode(const QString& mode) override;
    void showStudyText(const QString& header, const QString& text) override;
    void hostAboveReadingPane(QWidget* strip) override;
    void runBookSelection() override { List1_Click(); }
    void selectChapter(int index) override;
    QString readingPaneText() const override;
    void placeCaret(qsizetype position) override;
    void setChapterListInactive(bool inactive) override;
    bool separateIntro() const override { return m_separateIntro; }

    /// Searches the active translation with the search bar's text and scope and shows the result.
    void CariSemua();
    /// The results, ClipBook and result-list window, created when first needed.
    Form2& results();

    /// Makes translation n (1-based catalogue position) the main one and shows it.
    void ChangeVersion(int n);
    /// Makes translation n the parallel one and shows the marked verse in it.
    void ChooseParallel(int n);
    /// Adds the current position to the history.
    void RecordLocation();
    /// Finds verse v in a pane and, with `select`, marks its line.
    void SelectAyat(QTextEdit* pane, int verse, bool select);
    /// Positions the selectors on the current row of a chapter recordset and names it in `label`.
    void SyncToChapterRow(tirta::Recordset& chapters, QLabel* label);

    const tirta::TranslationCatalogue& catalogue() const { return m_catalogue; }
    QString currentColumn() const override { return m_currentColumn; }
    QString parallelColumn() const { return m_parallelColumn; }
    int mainTranslation() const { return m_mainNumber; }
    int parallelTranslation() const { return m_parallelNumber; }
    const tirta::reader::History& history() const { return m_history; }
    /// The position as a reference string: book "#" chapter ":" verse.
    QString currentReference() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // form1.cpp: construction
    void buildUi();
    void createActions();
    void connectSignals();

    // form1_startup.cpp
    bool resolveDataLocation();
    /// Opens the data file; when it does not open, says why, followed by `advice`.
    bool openDataFile(const QString& path, const QString& advice);
    /// Opens the data file named for this run (`Environment::dataFile`); false when it cannot.
    bool openNamedDataFile();
    /// Makes the opened file at `path` the data location of this run.
    void useDataFile(const QString& path);
    void closeSplash();
    void applyDisplaySettings(const tirta::DisplaySettings& display);
    void Form_Activate();
    void Form_Unload();
    tirta::ExitState exitState() const;

    // form1_versions.cpp
    void loadCatalogue();
    void selectStartTranslations();
    void updateCaption();
    void checkVersionMenus();

    // form1_navigation.cpp
    void Option_Click(bool oldTestament);
    void IsiDaftarBuku1();
    void IsiDaftarBuku2();
    void fillBookList(bool oldTestament);
    void List1_Click();
    void fillChapterList(const QString& book);
    void historyStep(tirta::reader::History::Step step);
    void toggleHistoryList();
    QString selectedBook() const;
    /// The book list's selected entry, as the active translation names the book.
    QString selectedBookEntry() const;
    bool oldTestamentSelected() const;

    // form1_layout.cpp
    void CheckAvailableMenu();
    void updateFeatureButtons();
    void toggleBand(QAction* item, QWidget* band);
    void toggleParallelPane();
    void ToolButton_Click(int index);
    void toggleEnlargedView();
    void updateNormalViewItem();
    void chooseFont();
    void openSearchTextBox();
    void copySelection();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // form1_find.cpp
    void Command1_Click();
    void findStep(bool forward);
    void showFoundRow(const QString& quotedText, bool matchCase);
    void Text1_Change();
    void Text1_Enter(Qt::KeyboardModifiers modifiers);
    void prepareSearchBar();

    // form1_search.cpp
    tirta::search::Request searchRequestFromControls() const;
    /// Runs a search with the progress dialog while the search bar is disabled, then shows and
    /// lists its result; messages go over `owner` (this window when null). Does nothing while
    /// another search runs.
    void runSearch(const tirta::search::Request& request, QWidget* owner = nullptr);
    void showResultsPage(const QString& mode);

    // form1_display.cpp
    void ShowChapter();
    /// Shows the message of a read of the data file that failed since the last check; true then.
    bool reportReadFailure();
    void fillVerseList();
    void markLine(QTextEdit* pane, qsizetype position, bool select = false, bool force = false);
    void showParallelVerse(const QString& mark);
    void Combo1_Click(int index);
    void rtf1_Release(Qt::MouseButton button);
    void showEditMenu(const QPoint& globalPos);
    void changeFontSize(double delta);
    void resetFont();
    void applyReadingFont(const QFont& font);
    /// Puts plain text into a pane, dropping any marking left from before.
    static void showPlain(QTextEdit* pane, const QString& text);

    tirta::reader::Environment m_environment;
    QString m_filesFolder; // Environment::filesFolder(), found once at load
    tirta::ui::ReaderEvents m_events;
    std::unique_ptr<tirta::SettingsStore> m_settings;
    std::unique_ptr<tirta::DataSession> m_session;
    QPointer<Splash> m_splash;

    struct Ui
    {
        tirta::reader::ToolbarBand* toolbar = nullptr; ///< the toolbar band, in either style
        QWidget* picSearchBar = nullptr; ///< the search band
        tirta::reader::DraggableBar* SearchBar = nullptr;
        QToolButton* cmdResetPos = nullptr;
        QWidget* RestoreBar = nullptr; ///< shown instead of the bands in the enlarged view
        QPushButton* rbCommand = nullptr;
        QLineEdit* Text1 = nullptr;
        QComboBox* Combo2 = nullptr;
        QCheckBox* Check1 = nullptr;
        QPushButton* Command1 = nullptr;
        QPushButton* Command2 = nullptr;
        QPushButton* Command3 = nullptr;
        QPushButton* Command4 = nullptr;
        QGroupBox* Frame1 = nullptr; ///< the book panel
        QRadioButton* Option1 = nullptr;
        QRadioButton* Option2 = nullptr;
        QListWidget* List1 = nullptr;
        QListWidget* List2 = nullptr;
        QComboBox* Combo1 = nullptr;
        QLabel* Label1 = nullptr;
        QLabel* Label3 = nullptr; ///< the full name of the book under the pointer
        QToolButton* bFontDown = nullptr;
        QToolButton* bFontUp = nullptr;
        QToolButton* bFontReset = nullptr;
        QSplitter* Frame2 = nullptr; ///< the reading area: rtf1 above rtf2
        QTextEdit* rtf1 = nullptr;
        QTextEdit* rtf2 = nullptr;
        QStatusBar* picStatusBar = nullptr;
        QLabel* labelStatus = nullptr;
        QListWidget* ListHistory = nullptr;
        QPushButton* cmdPanel = nullptr;
    } m_ui;

    struct Menus
    {
        QMenu* MenuVersi = nullptr;
        std::vector<QAction*> VersiKitab; ///< index 0 is the design's hidden entry
        QActionGroup* versiGroup = nullptr;
        QMenu* MenuDeuterokanonika = nullptr;
        QAction* MenuDeutero1 = nullptr;
        QAction* MenuDeutero2 = nullptr;
        QAction* MenuDeutero3 = nullptr;
        QMenu* MenuArtikel = nullptr;
        QAction* MenuPerikop = nullptr;
        QAction* MenuKeterangan = nullptr;
        QAction* MenuPengantar = nullptr;
        QAction* MenuCommentary = nullptr;
        QAction* MenuPerumpamaan = nullptr;
        QAction* MenuNubuat = nullptr;
        QAction* MenuPeta = nullptr;
        QAction* MenuKamus = nullptr;
        QAction* MenuTematik = nullptr;
        QMenu* MenuLihat = nullptr;
        QAction* menuPadanan = nullptr;
        QAction* MenuHasil = nullptr;
        QAction* MenuDaftar = nullptr;
        QAction* MenuClipBook = nullptr;
        QAction* MenuTips = nullptr;
        QMenu* menuSetting = nullptr;
        QAction* MenuSettingFont = nullptr;
        QAction* MenuPencarianOptimal = nullptr;
        QAction* MenuPencarianHapus = nullptr;
        QAction* menuSettingLokasiData = nullptr;
        QAction* menuSettingSimpan = nullptr;
        QMenu* menuTampilan = nullptr;
        QAction* menuToolbarTY = nullptr;
        QAction* MenuSettingTerpisah = nullptr;
        QAction* MenuShowTip = nullptr;
        QAction* menuSettingNormal = nullptr;
        QAction* menuSettingToolbar = nullptr;
        QAction* menuSettingPencarian = nullptr;
        QAction* menuSettingKitab = nullptr;
        QAction* menuSettingStatus = nullptr;
        QMenu* MenuInfo = nullptr;
        QAction* MenuHelp = nullptr;
        QAction* MenuAbout = nullptr;
        QAction* menuEtika = nullptr;
        QAction* menuHakCipta = nullptr;
        QMenu* MenuEdit = nullptr;
        QAction* MenuBookmark = nullptr;
        QAction* MenuPilihSemua = nullptr;
        QAction* MenuPilihAyat = nullptr;
        QAction* menuCopy = nullptr;
        QAction* MenuCopyClipBook = nullptr;
        QMenu* MenuRef = nullptr;
        std::vector<QAction*> MenuRefs;
        QAction* bookmarkSeparator = nullptr;
        QAction* refSeparator = nullptr;
        QMenu* OpsiVersiKitab = nullptr;
        std::vector<QAction*> OpsiKitab;
        QActionGroup* opsiGroup = nullptr;
        QMenu* menuOpsiPadanan = nullptr;
        QAction* menuPadananPilihSemua = nullptr;
        QAction* menuCopyPadanan = nullptr;
        QAction* menuPadananSeluruh = nullptr;
    } m_menus;

    // State the windows share through the main window.
    tirta::TranslationCatalogue m_catalogue;
    QString m_versionText; ///< " 2.0.0 ", shown after the product name
    QString m_dataPath; ///< full path of the data file
    QString m_displayedFolder; ///< the data folder as the data-location dialog shows it
    QString m_sizeText; ///< width "@" height the window starts with
    QString m_currentColumn;
    QString m_parallelColumn;
    QString m_parallelName;
    int m_mainNumber = 1;
    int m_parallelNumber = 1;
    bool m_firstActivation = true;
    QString m_paneMode = QStringLiteral("kitab");
    bool m_parallelHidden = true;
    bool m_separateIntro = true;
    qsizetype m_caret = 0;
    tirta::reader::LineBounds m_marked { -1, -1 };
    QString m_markedVerse; ///< verse mark of the marked line
    tirta::reader::History m_history;
    bool m_steppingHistory = false;
    bool m_unloaded = false;
    QString m_reportedCount; ///< the last impossible count reported, shown once
    Form16* m_searchTextBox = nullptr;
    Form7* m_aboutBox = nullptr;
    Form2* m_results = nullptr;
    Form3* m_progress = nullptr;
    QString m_findCriterion; ///< the criterion of the last jump search, for the arrow buttons
    /// Per tool button: whether the data file switches its feature on (index 0 unused).
    std::array<bool, 14> m_featureSwitchedOn {};
};
