#pragma once

#include "study/booknotes.h"

#include <QWidget>

class QFrame;
class QLabel;
class QRadioButton;
class QStatusBar;
class QTextEdit;

namespace tirta::ui {
class Reader;
}

/// The book notes window: the introduction ("Pengantar Alkitab") or the notes in three sections
/// ("Keterangan Alkitab") of the book open in the main window, when they are shown in a window of
/// their own. Docked to the right of the main window; closing only hides it.
class Form8 final : public QWidget
{
    Q_OBJECT

public:
    /// The book notes window of `reader`'s main window, which becomes its parent.
    explicit Form8(tirta::ui::Reader& reader);

    /// Names the window and lays its header out for the notes (with the section options) or the
    /// introduction (without them).
    void prepare(bool notes);
    /// Shows a study text (CR LF or "\n" line breaks).
    void showText(const QString& text);
    /// Selects the section "Pengantar" (`Option1`) without showing its text.
    void selectOption1();

Q_SIGNALS:
    /// The user closed the window (it is hidden, not destroyed).
    void closedByUser();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUi();
    void connectSignals();
    void Form_Load();
    void Form_Activate();
    void layoutHeader();
    void Option_Click(tirta::study::NotesSection section);

    tirta::ui::Reader& m_reader;
    struct Ui
    {
        QFrame* Frame1 = nullptr; ///< the header
        QLabel* Image1 = nullptr;
        QFrame* Shape1 = nullptr;
        QLabel* Label1 = nullptr;
        QWidget* Picture1 = nullptr; ///< the section options
        QRadioButton* Option1 = nullptr;
        QRadioButton* Option2 = nullptr;
        QRadioButton* Option3 = nullptr;
        QFrame* Frame2 = nullptr;
        QTextEdit* rtf1 = nullptr;
        QStatusBar* picStatusBar = nullptr;
    } m_ui;
    bool m_notes = false;
};
