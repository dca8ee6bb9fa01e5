#pragma once

#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QStatusBar;
class QTextEdit;

namespace tirta::ui {
class Reader;
}

/// The thematic verses "Kumpulan Ayat-Ayat Tematik": a theme chooser, the references of the chosen
/// theme and the text of the chosen reference in translation 1, which can be appended to the
/// ClipBook under the theme. Not modal, a child window of the main window, kept once opened.
class Form18 final : public QWidget
{
    Q_OBJECT

public:
    /// The themes of `reader`'s data file, opened at the first theme and its first reference.
    explicit Form18(tirta::ui::Reader& reader);

protected:
    bool event(QEvent* event) override;

private:
    void buildUi();
    void createActions();
    void connectSignals();
    void FillTopics();
    void Form_Activate();
    void cbTopik_Click();
    void lstAyat_Click(int row);
    void rtfAyat_ContextMenu(const QPoint& pos);
    void mnuClipBook_Click();

    tirta::ui::Reader& m_reader;
    struct Ui
    {
        QLabel* Label1 = nullptr;
        QLabel* Label2 = nullptr;
        QComboBox* cbTopik = nullptr;
        QLabel* Label3 = nullptr;
        QListWidget* lstAyat = nullptr;
        QLabel* Label4 = nullptr;
        QTextEdit* rtfAyat = nullptr;
        QStatusBar* picStatusBar = nullptr;
    } m_ui;
    struct Menus
    {
        QMenu* mnuCopy = nullptr;
        QAction* mnuPilihSemua = nullptr;
        QAction* mnuClipBook = nullptr;
    } m_menus;
};

namespace tirta::study {

/// Offers the thematic verses from the main window's "Ayat-ayat Tematik" when the data file has
/// its themes table.
void installThemes(tirta::ui::Reader& reader);

} // namespace tirta::study
