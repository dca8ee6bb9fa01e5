#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

/// A roomy box for writing a long search text; "OK" puts the text into the main window's search box.
class Form16 final : public QWidget
{
    Q_OBJECT

public:
    /// `target` is the main window's search box.
    explicit Form16(QLineEdit* target, QWidget* parent = nullptr);

    /// Shows the box at `place` (global), holding the search box's text.
    void openAt(const QPoint& place);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Command1_Click();

    QLineEdit* m_target;
    struct Ui
    {
        QPlainTextEdit* Text1 = nullptr;
        QPushButton* Command1 = nullptr;
        QPushButton* Command2 = nullptr;
    } m_ui;
};
