#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;
class QTextEdit;

namespace tirta::ui {
class Reader;
}

/// The information window: the ethics of quoting the Bible or the copyright notice, both pages of
/// the data file. Its check box always speaks of the ethics window: whether it opens at start. Modal,
/// created once and afterwards only hidden and shown again.
class Form14 final : public QDialog
{
    Q_OBJECT

public:
    /// The two modes, as the menu items set them.
    static inline const QString kModeEtika = QStringLiteral("Etika");
    static inline const QString kModeHakCipta = QStringLiteral("HakCipta");

    /// The information window of `reader`'s main window, which becomes its parent.
    explicit Form14(tirta::ui::Reader& reader);

    /// Shows the window modally in `mode` ("Etika" or "HakCipta") and returns at once.
    void ShowInfo(const QString& mode);
    /// Fills heading and text for the current mode; a page the data file lacks leaves the text.
    void ChooseInfo();
    /// The mode the last menu command or the start gave ("Etika" or "HakCipta").
    QString mode() const { return m_lblEtika; }

    /// Closing in any way (the button, ESC, the frame's close box) records the check box.
    void done(int result) override;

private:
    void buildUi();
    void Form_Load();

    tirta::ui::Reader& m_reader;
    QString m_lblEtika = kModeEtika;
    struct Ui
    {
        QLabel* Label1 = nullptr;
        QTextEdit* RichTextBox1 = nullptr;
        QCheckBox* Check1 = nullptr;
        QPushButton* Command1 = nullptr;
    } m_ui;
};
