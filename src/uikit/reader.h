#pragma once

#include <QString>

#include <optional>

class QAction;
class QFont;
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
    /// The spelling of the reference is normalised in place.
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
    /// The data folder as the main window shows it (upper case, ending in "/").
    virtual QString dataFolderShown() const = 0;
    /// The program's own folder, where the tips file and a help file beside the program are found.
    virtual QString programFolder() const = 0;
    /// Shows a passage of translation 1 in the reading pane as a quotation: the book and chapter
    /// lists lose their selection and the label names the reference.
    virtual void showQuotation(const QString& reference) = 0;
    /// Ends the program at once, skipping everything that is otherwise done at exit.
    virtual void quitAtOnce() = 0;

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
    /// Whether the main translation has the Old Testament.
    virtual bool hasOldTestament() const = 0;
    /// The reading pane's font, which the study windows follow.
    virtual QFont readingFont() const = 0;
    /// What the reading pane shows: "kitab" for a chapter, otherwise a study text.
    virtual QString paneMode() const = 0;
    /// Sets the reading pane's mode back to "kitab".
    virtual void Set_IsInfo_to_kitab() = 0;
    /// Remembers the main window's size before a side window docks; `restoreRecordedSize` gives
    /// it back. Does nothing while the main window is maximized.
    virtual void RecordWindowSize() = 0;
    /// Puts the main window on the left three fifths of the screen and `sideWindow` beside it.
    virtual void arrangeSideBySide(QWidget* sideWindow) = 0;
    /// Gives the main window its recorded size back and centres it on the screen.
    virtual void restoreRecordedSize() = 0;
};

} // namespace tirta::ui
