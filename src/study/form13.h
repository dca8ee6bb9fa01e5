#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace tirta::ui {
class Reader;
}

/// The cross-reference chooser: lists the passages one verse points to and moves the main window
/// to the one the reader picks. Modal, without title text; hidden rather than closed.
class Form13 final : public QDialog
{
    Q_OBJECT

public:
    /// The chooser of `reader`'s main window, which becomes its parent.
    explicit Form13(tirta::ui::Reader& reader);

    /// Lists `targets`, selects the first and enables "OK" only when it may be chosen.
    void setTargets(const QStringList& targets);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildUi();
    void connectSignals();
    void Form_Activate();
    void List1_Click();
    void List1_DblClick();
    void Command2_Click();

    tirta::ui::Reader& m_reader;
    struct Ui
    {
        QLabel* Label2 = nullptr;
        QLabel* Label1 = nullptr;
        QListWidget* List1 = nullptr;
        QPushButton* Command2 = nullptr;
        QPushButton* Command1 = nullptr;
    } m_ui;
};
