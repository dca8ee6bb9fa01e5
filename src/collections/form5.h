#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QListWidget;
class QStatusBar;
class QTextEdit;

namespace tirta::ui {
class Reader;
}

/// The prophecies "Nubuat dan Penggenapannya di Alkitab": the titles in a list and, for the chosen
/// prophecy, the passage where it is spoken above the passage where it is fulfilled. Not modal, a
/// child window of the main window, kept once opened.
class Form5 final : public QWidget
{
    Q_OBJECT

public:
    /// The prophecies of `reader`'s data file, opened at the first one.
    explicit Form5(tirta::ui::Reader& reader);

protected:
    bool event(QEvent* event) override;

private:
    void buildUi();
    void connectSignals();
    void Form_Load();
    void Form_Activate();
    void List1_Click(int row);

    tirta::ui::Reader& m_reader;
    struct Ui
    {
        QFrame* Frame1 = nullptr;
        QLabel* Label1 = nullptr;
        QListWidget* List1 = nullptr;
        QLabel* Label3 = nullptr;
        QTextEdit* rt1 = nullptr;
        QLabel* Label4 = nullptr;
        QTextEdit* rt2 = nullptr;
        QLabel* Label5 = nullptr; ///< the hover tip of the list
        QStatusBar* picStatusBar = nullptr;
    } m_ui;
};
