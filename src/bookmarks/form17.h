#pragma once

#include "bookmarks/bookmarkfile.h"

#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace tirta::ui {
class Reader;
}

/// The bookmark window: the reader's own list of Bible positions, each with a one-line note. It
/// stays on top of the other windows while the reader goes on reading, and keeps its list in the
/// bookmark file between runs. Created once, then only shown and hidden.
class Form17 final : public QWidget
{
    Q_OBJECT

public:
    /// The bookmark window of `reader`'s main window, keeping its list in `file`. Reads the file.
    Form17(tirta::ui::Reader& reader, tirta::bookmarks::BookmarkFile file);

    /// Empties the lists and fills them again from the bookmark file (taking over a file an
    /// earlier run left in the temporary folder first). Tells the user when the file cannot be read.
    void RetrieveBookmarks();
    /// Writes the lists to the bookmark file, or deletes it when there are none. False (after
    /// telling the user) when that failed; the lists stay as they are.
    bool SaveBookmarks_to_File();

    /// Takes the position and version tag that "Simpan" will store (sent by the main window).
    /// Outside an edit the note box shows its prompt again.
    void setPosition(const QString& position, const QString& versionTag);

    /// The bookmarks as the three lists hold them.
    tirta::bookmarks::BookmarkLists bookmarks() const;

    /// The message that tells the user why the bookmark file could not be read or written.
    static QString fileMessage(const tirta::bookmarks::FileResult& result);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUi();
    void createActions();
    void connectSignals();
    void Form_Load();
    void Form_Activate();
    void Command3_Click();
    void Command2_Click();
    void Command1_Click();
    void List_Click();
    void MenuEditBookmark_Click();
    void MenuHapusBookmark_Click();
    void MenuHapusDaftar_Click();
    void showHapusMenu(const QPoint& globalPos);
    /// The selected bookmark, or -1.
    int selectedRow() const;
    /// Selects row (or nothing, with -1) without it counting as the reader's click.
    void selectQuietly(int row);
    void resetNote();
    bool inUpdateMode() const;

    tirta::ui::Reader& m_reader;
    tirta::bookmarks::BookmarkFile m_file;
    bool m_placed = false;
    bool m_quiet = false;

    struct Ui
    {
        QLabel* Label1 = nullptr;
        std::array<QListWidget*, 3> List {}; ///< notes (shown), version tags, positions
        QLabel* Label2 = nullptr; ///< the position "Simpan"/"Update" stores
        QLabel* lblVersiKitab = nullptr; ///< the version tag "Simpan" stores; never shown
        QPlainTextEdit* Text2 = nullptr; ///< the note
        QLineEdit* Text1 = nullptr; ///< the stored position of the selected bookmark
        QPushButton* Command3 = nullptr; ///< "Simpan" or "Update"
        QPushButton* Command2 = nullptr; ///< "Tutup"
        QPushButton* Command1 = nullptr; ///< go to the selected bookmark
    } m_ui;

    struct Menus
    {
        QMenu* MenuHapus = nullptr;
        QAction* MenuEditBookmark = nullptr;
        QAction* MenuHapusBookmark = nullptr;
        QAction* MenuHapusDaftar = nullptr;
    } m_menus;
};
