#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tirta::ui {
class Reader;
}

/// The about box: the program's name and version, who distributes it, the information text of the
/// data file and, on request, the data file's version. Modal, owned by the main window, hidden
/// rather than closed.
class Form7 final : public QDialog
{
    Q_OBJECT

public:
    /// The about box of `reader`'s main window, which becomes its parent.
    explicit Form7(tirta::ui::Reader& reader);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUi();
    void connectSignals();
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Text1_DblClick(bool shift);
    QString infoText(int id) const;

    tirta::ui::Reader& m_reader;
    struct Ui
    {
        QLabel* Label1 = nullptr;
        QLabel* Label2 = nullptr;
        QLabel* Label4 = nullptr;
        QLabel* Label3 = nullptr;
        QPlainTextEdit* Text1 = nullptr;
        QPushButton* Command2 = nullptr;
        QPushButton* Command1 = nullptr;
    } m_ui;
};
