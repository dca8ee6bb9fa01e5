#pragma once

#include <QString>

#include <optional>

class QAction;
class QFont;
class QMenu;
class QTextEdit;
class QWidget;

namespace tirta {
class DataSession;
class SettingsStore;
} // namespace tirta

namespace tirta::ui {

class ReaderEvents;

/// The features other libraries add to the main window. Each has its menu item there (some also a
/// tool button); the item stays unavailable until the feature's library installs itself.
enum class Feature
{
    Perikop, ///< `MenuPerikop`, tool button 2
    Pengantar, ///< `MenuPengantar`, tool button 3
    Perumpamaan, ///< `MenuPerumpamaan`, tool button 4
    Nubuat, ///< `MenuNubuat`, tool button 5
    Peta, ///< `MenuPeta`, tool button 6
    Kamus, ///< `MenuKamus`, tool button 7
    Deutero1, ///< `MenuDeutero1`, tool button 8
    Deutero2, ///< `MenuDeutero2`
    Deutero3, ///< `MenuDeutero3`
    Bookmark, ///< `MenuBookmark` of the reading pane's edit menu, tool button 9
    Keterangan, ///< `MenuKeterangan`
    Tematik, ///< `MenuTematik`
    Tips, ///< `MenuTips`
    Help, ///< `MenuHelp`
    Etika, ///< `menuEtika`
    HakCipta, ///< `menuHakCipta`
};

/// What the secondary windows may ask of the main window, without knowing the window itself.
class Reader
{
public:
    virtual ~Reader() = default;

    /// Shows the chapter of a reference string ("Markus#12:30-31") and marks its first verse.
    /// The spelling of the reference is normalised in place. An Old Testament reference while the
    /// main translation has none moves nothing and says nothing: a caller that may hold one (the
    /// bookmark window) checks `hasOldTestament()` first and tells the user.
    virtual void JumpLocation(QString& reference) = 0;
    /// Appends the selected text of a view to the ClipBook: the reference (or, without one, the
    /// book selected in the main window), `extra`, the text and an empty line.
    virtual void CopyToClipBook(
        const QTextEdit* view, const QString& extra, const std::optional<QString>& reference = std::nullopt)
        = 0;
    /// The open data file with its shared recordsets.
    virtual DataSession& session() = 0;
    /// The settings of this installation.
    virtual SettingsStore& settings() = 0;
    /// The main window, as parent and owner of the secondary windows.
    virtual QWidget* mainWindow() = 0;
    /// The data folder as the main window shows it (ending in "/").
    virtual QString dataFolderShown() const = 0;
    /// The folder where files that come with the program (tips, pictures, a help file) are looked
    /// for: the installed program's data folder ("share/tirtamaya"), or the program's own folder.
    virtual QString programFolder() const = 0;
    /// Shows a passage of translation 1 in the reading pane as a quotation: the book and chapter
    /// lists lose their selection and the label names the reference.
    virtual void showQuotation(const QString& reference) = 0;
    /// Ends the program at once, skipping everything that is otherwise done at exit.
    virtual void quitAtOnce() = 0;
    /// Searches every deuterocanonical book of translation n (1 to 3) for `text` and shows the
    /// result as "Cari Semua" does; `shortName` names the translation in the result.
    virtual void CariDeutro(const QString& text, int n, const QString& shortName, bool matchCase) = 0;

    /// The main window's announcements: book and chapter changes, the reading pane's mode, the
    /// first activation and the end of the program.
    virtual ReaderEvents& events() = 0;
    /// The menu item of a feature. A library that provides the feature enables it and connects to
    /// its `triggered` signal; the tool button of the feature follows the item.
    virtual QAction* featureAction(Feature feature) = 0;
    /// The menu item "Tampilkan Tip di Awal Program", which the tips window keeps in step with its
    /// check box.
    virtual QAction* showTipItem() = 0;
    /// The canonical name of the selected book ("Kejadian").
    virtual QString currentBook() const = 0;
    /// The chapter shown or selected, from 1; 0 when none is.
    virtual int currentChapter() const = 0;
    /// The position as a reference string: book "#" chapter ":" verse (verse 1 when none is chosen).
    virtual QString currentReference() const = 0;
    /// The column of the main translation ("Kitab2").
    virtual QString currentColumn() const = 0;
    /// The display name of translation n (1-based catalogue position); empty outside the catalogue.
    virtual QString translationName(int n) const = 0;
    /// Whether the main translation has the Old Testament.
    virtual bool hasOldTestament() const = 0;
    /// The reading pane's font, which the study windows follow.
    virtual QFont readingFont() const = 0;
    /// What the reading pane shows: "kitab" for a chapter, otherwise a study text.
    virtual QString paneMode() const = 0;
    /// Sets the reading pane's mode back to "kitab".
    virtual void Set_IsInfo_to_kitab() = 0;
    /// The submenu `MenuRef` ("Referensi Silang") of the reading pane's edit menu. It holds the
    /// first item of `MenuRefs`, disabled until the cross-reference library takes the submenu over.
    virtual QMenu* crossReferenceMenu() = 0;
    /// Remembers the main window's size before a side window docks; `restoreRecordedSize` gives
    /// it back. Does nothing while the main window is maximized.
    virtual void RecordWindowSize() = 0;
    /// Puts the main window on the left three fifths of the screen and `sideWindow` beside it.
    virtual void arrangeSideBySide(QWidget* sideWindow) = 0;
    /// Gives the main window its recorded size back and centres it on the screen.
    virtual void restoreRecordedSize() = 0;

    /// Sets what the reading pane shows ("kitab" or a study text's mode) and announces it.
    virtual void setPaneMode(const QString& mode) = 0;
    /// Shows a study text in the reading pane under `header`; the parallel pane steps aside until
    /// a chapter is shown again.
    virtual void showStudyText(const QString& header, const QString& text) = 0;
    /// Places a feature's `strip` between the reading pane's header and the pane.
    virtual void hostAboveReadingPane(QWidget* strip) = 0;
    /// Runs the book list's selection again for the selected book, as a click on it does.
    virtual void runBookSelection() = 0;
    /// Shows entry `index` of the chapter list as a click on it does, even when it is selected
    /// already; an index outside the list changes nothing.
    virtual void selectChapter(int index) = 0;
    /// The reading pane's text, with "\n" line breaks.
    virtual QString readingPaneText() const = 0;
    /// Puts the reading pane's caret at `position`, selecting nothing, and scrolls it into view.
    virtual void placeCaret(qsizetype position) = 0;
    /// Colours the chapter list as inactive while a study text fills the reading pane, or back.
    virtual void setChapterListInactive(bool inactive) = 0;
    /// Whether introductions and notes open in their own window (`MenuSettingTerpisah`).
    virtual bool separateIntro() const = 0;
};

} // namespace tirta::ui
