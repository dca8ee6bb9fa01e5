#pragma once

#include "study/booknotes.h"

#include <QObject>
#include <QString>

class Form12;
class Form8;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tirta::ui {
class Reader;
}

namespace tirta::study {

/// Offers the pericope list (`MenuPerikop`, tool button "Perikop") in `reader`'s main window.
void installPericopes(tirta::ui::Reader& reader);
/// Offers the book introductions (`MenuPengantar`, tool button "Pengantar") and notes
/// (`MenuKeterangan`) in `reader`'s main window, inline in its reading pane or in their own window.
void installBookNotes(tirta::ui::Reader& reader);

/// The study windows docked beside the main window (the pericope list `Form12` and the book notes
/// window `Form8`) and the study texts the main window's reading pane shows instead of a chapter.
/// One object per main window, owned by it; the windows are created on first use.
class DockedStudy final : public QObject
{
    Q_OBJECT

public:
    /// The object of `reader`'s main window, created on first use.
    static DockedStudy& of(tirta::ui::Reader& reader);

    /// Opens the pericope list docked beside the main window, for the current book.
    void ShowPerikopList();
    /// Shows the current book's introduction, in the book notes window or in the reading pane.
    void ShowIntro();
    /// Shows the current book's notes, section "Pengantar", in the book notes window or inline.
    void ShowBookNotes();
    /// A main-window section option (`Option6_Click`, `Option5_Click`, `Option4_Click`).
    void showSection(NotesSection section);
    /// "Kitab": back from a study text to the chapter that was selected.
    void Command5_Click();
    /// `MenuSettingTerpisah` was switched: the introduction moves between the two places.
    void MenuSettingTerpisah_Click(bool on);

    /// The pericope window, created on first use.
    Form12& pericopeWindow();
    /// The book notes window, created on first use.
    Form8& notesWindow();

private:
    explicit DockedStudy(tirta::ui::Reader& reader);
    friend void installBookNotes(tirta::ui::Reader& reader);

    void createStrip();
    void setStrip(bool command5, bool picture4);
    void RecordWindowSize();
    bool docked(const QWidget* window) const;
    void onBookChanged(const QString& book);
    void onChapterShown();
    void showInline(const QString& header, const QString& text);
    QString bookField(const QString& field);

    tirta::ui::Reader& m_reader;
    Form12* m_form12 = nullptr;
    Form8* m_form8 = nullptr;
    /// The strip above the reading pane while it shows a study text.
    struct Strip
    {
        QWidget* strip = nullptr;
        QPushButton* Command5 = nullptr;
        QWidget* Picture4 = nullptr;
        QRadioButton* Option6 = nullptr;
        QRadioButton* Option5 = nullptr;
        QRadioButton* Option4 = nullptr;
    } m_ui;
};

} // namespace tirta::study
