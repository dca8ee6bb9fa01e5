#pragma once

#include <QString>

#include <optional>

class QTextEdit;
class QWidget;

namespace tirta {
class DataSession;
class SettingsStore;
} // namespace tirta

namespace tirta::ui {

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
    /// Shows a passage of translation 1 in the reading pane as a quotation: the book and chapter
    /// lists lose their selection and the label names the reference.
    virtual void showQuotation(const QString& reference) = 0;
    /// Ends the program at once, skipping everything that is otherwise done at exit.
    virtual void quitAtOnce() = 0;
};

} // namespace tirta::ui
