#pragma once

#include "study/dictionary.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTextEdit;

namespace tirta::ui {
class Reader;
}

/// The dictionary "Kamus Alkitab": every headword in a list, a search box that selects the first
/// headword beginning with what is typed, and the explanation of the selected headword. Not modal,
/// a child window of the main window, kept for the rest of the run once opened.
class Form9 final : public QWidget
{
    Q_OBJECT

public:
    /// The dictionary of `reader`'s data file; fills its list at once.
    explicit Form9(tirta::ui::Reader& reader);

protected:
    bool event(QEvent* event) override;

private:
    void buildUi();
    void connectSignals();
    void Form_Load();
    void Form_Activate();
    void Text1_Change(const QString& text);
    void List1_Click(int row);

    tirta::ui::Reader& m_reader;
    tirta::study::HeadwordIndex m_headwords;
    struct Ui
    {
        QGroupBox* Frame1 = nullptr;
        QListWidget* List1 = nullptr;
        QLabel* Label1 = nullptr;
        QLineEdit* Text1 = nullptr;
        QTextEdit* rtf = nullptr;
    } m_ui;
};

namespace tirta::study {

/// Offers the dictionary from the main window's "Kamus Alkitab" and its tool button.
void installDictionary(tirta::ui::Reader& reader);

} // namespace tirta::study
