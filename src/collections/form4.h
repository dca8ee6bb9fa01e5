#pragma once

#include <QWidget>

#include <array>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QStatusBar;
class QTextEdit;

namespace tirta::ui {
class Reader;
}

/// The parables "Perumpamaan Yesus": the titles in a list and the chosen parable's passage in each
/// gospel that tells it, chosen with the gospel options. Not modal, a child window of the main
/// window, kept once opened.
class Form4 final : public QWidget
{
    Q_OBJECT

public:
    /// The parables of `reader`'s data file, opened at the first one.
    explicit Form4(tirta::ui::Reader& reader);

protected:
    bool event(QEvent* event) override;

private:
    void buildUi();
    void connectSignals();
    void Form_Load();
    void Form_Activate();
    void List1_Click(int row);
    void Option_Click(int gospel);

    tirta::ui::Reader& m_reader;
    QString m_title; ///< the parable chosen last
    std::array<QString, 4> m_passages; ///< its passage in each gospel, empty where it is not told
    struct Ui
    {
        QFrame* Frame1 = nullptr;
        QLabel* Label1 = nullptr;
        QListWidget* List1 = nullptr;
        QGroupBox* Frame2 = nullptr;
        std::array<QRadioButton*, 4> Option {}; ///< `Option1` ... `Option4`
        QButtonGroup* options = nullptr;
        QTextEdit* rt1 = nullptr;
        QLabel* Label3 = nullptr; ///< the hover tip of the list
        QStatusBar* picStatusBar = nullptr;
    } m_ui;
};
