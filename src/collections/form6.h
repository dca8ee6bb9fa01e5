#pragma once

#include "collections/pictures.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QStatusBar;

namespace tirta::ui {
class Reader;
}

/// The maps and pictures "Peta Alkitab": the picture titles of a category in a panel that folds
/// away, and the chosen picture in a viewer with scroll bars. Not modal, a child window of the
/// main window, kept once opened.
class Form6 final : public QWidget
{
    Q_OBJECT

public:
    /// The picture catalogue of `reader`'s data file, opened with every picture listed and the
    /// first one shown.
    explicit Form6(tirta::ui::Reader& reader);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUi();
    void connectSignals();
    void Form_Load();
    void Form_Activate();
    void Combo1_Click();
    void List1_Click(int row);
    void Command1_Click();
    void setUpScrollBars();
    void placePicture();
    void setStatus(const QString& text);

    tirta::ui::Reader& m_reader;
    tirta::collections::PictureFolders m_folders;
    bool m_panelFolded = false;
    struct Ui
    {
        QFrame* Frame1 = nullptr;
        QFrame* picListPanel = nullptr;
        QPushButton* Command1 = nullptr;
        QLabel* Label1 = nullptr;
        QComboBox* Combo1 = nullptr;
        QListWidget* List1 = nullptr;
        QWidget* Picture1 = nullptr; ///< the viewport
        QLabel* Picture2 = nullptr; ///< the picture, moved inside the viewport
        QScrollBar* VScroll1 = nullptr;
        QScrollBar* HScroll1 = nullptr;
        QLabel* Label2 = nullptr; ///< the hover tip of the list
        QStatusBar* picStatusBar = nullptr;
    } m_ui;
};
