#pragma once

#include <QString>

namespace tirta::study {

/// The reading pane's modes: what the main window's reading pane (or, with the separate window,
/// the book notes window) shows.
namespace paneMode {
inline const QString kitab = QStringLiteral("kitab"); ///< a Bible chapter
inline const QString intro = QStringLiteral("intro"); ///< the book's introduction, `Intro`
inline const QString info = QStringLiteral("info"); ///< notes, section "Pengantar"
inline const QString cirikhas = QStringLiteral("cirikhas"); ///< notes, section "Ciri Khas"
inline const QString survai = QStringLiteral("survai"); ///< notes, section "Survai"
inline const QString perikop = QStringLiteral("perikop"); ///< only while the pericope window docks
} // namespace paneMode

/// The three sections of a book's notes.
enum class NotesSection
{
    Pengantar, ///< `Option6` in the main window, `Option1` in the book notes window
    CiriKhas, ///< `Option5`, `Option2`
    Survai, ///< `Option4`, `Option3`
};

/// The book's field that holds a section ("Pengantar", "CiriKhas", "Survai").
QString sectionField(NotesSection section);

/// The reading-pane mode a main-window section option sets; the empty text for "Pengantar", which
/// leaves the mode as it is.
QString sectionMode(NotesSection section);

/// The header of the reading pane while it shows a book's introduction: the name and 22 spaces.
QString introHeader(const QString& book);

/// What a book change does while the reading-pane mode names a study text.
struct BookChangePlan
{
    enum class Target
    {
        Nothing, ///< the mode shows a chapter: the main window has done everything
        ReadingPane, ///< the study text stays in the main window's reading pane
        NotesWindow, ///< the study text is in the book notes window
    };
    Target target = Target::Nothing;
    /// The field of the new book to show.
    QString field;
    /// The reading pane's header becomes `introHeader` (the inline introduction).
    bool introHeader = false;
    /// The section options `Picture4` are shown next to `Command5` (inline notes).
    bool sectionOptions = false;
    /// The book notes window's `Option1` is selected.
    bool selectNotesOption1 = false;
    /// The chapter list then selects its first entry.
    bool firstChapter = false;
};

/// The plan for a book change in `mode`, with the study texts in their own window or not.
BookChangePlan bookChangePlan(const QString& mode, bool separateWindow);

} // namespace tirta::study
