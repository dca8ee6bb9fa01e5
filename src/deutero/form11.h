#pragma once

#include "deutero/deuterobooks.h"

#include <QMainWindow>
#include <QString>

#include <array>

class QAction;
class QActionGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QStatusBar;
class QTextEdit;

namespace tirta::ui {
class ListHoverTip;
class Reader;
} // namespace tirta::ui

/// The deuterocanonical reader: one of three translations, a book from the fixed list of nine and a
/// chapter, shown as plain text, with copying to the clipboard or the ClipBook and a search over all
/// the books of the translation. Modeless; created on first use and kept for the rest of the run.
class Form11 final : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form11(tirta::ui::Reader& reader);

    /// Makes translation n (1 to 3) active: its book names, menu tick, caption and label; the book
    /// and chapter on screen stay and are shown in that translation.
    void ShowDeutero(int n);
    /// Fills the book list with the nine names of translation n.
    void DeuteroList(int n);
    /// Builds the name and chapter tables and lists translation 1's names.
    void InitDeuteroArray();
    /// The active translation, 1 to 3.
    int translation() const { return m_translation; }

protected:
    bool event(QEvent* event) override;

private:
    void buildUi();
    void createActions();
    void connectSignals();
    void Form_Activate();
    /// The menu item of translation n.
    QAction* translationItem(int n) const;

    void List1_Click(int row);
    void List2_Click(int row);
    void showChapterText(const QString& text);
    void rt1_ContextMenu(const QPoint& position);
    void mnuPilihSemua_Click();
    void mnuPilihAyat_Click();
    void mnuCopy_Click();
    void mnuCopyClipbook_Click();
    void Command1_Click();

    tirta::ui::Reader& m_reader;
    struct Ui
    {
        QLineEdit* Text1 = nullptr; ///< the search box
        QCheckBox* Check1 = nullptr; ///< "Kata Tepat"
        QPushButton* Command1 = nullptr; ///< "Cari Semua"
        QLabel* Label1 = nullptr; ///< the translation's short name
        QLabel* Label2 = nullptr; ///< the book's name
        QListWidget* List1 = nullptr; ///< the books
        QListWidget* List2 = nullptr; ///< the chapters
        QTextEdit* rt1 = nullptr; ///< the chapter view
        QLabel* Label3 = nullptr; ///< the hover label: the book under the pointer
        QStatusBar* picStatusBar = nullptr;
    } m_ui;
    struct Menus
    {
        QMenu* MenuDeuterokanonika = nullptr;
        QAction* MenuDeuterokanonika1 = nullptr;
        QAction* MenuDeuterokanonika2 = nullptr;
        QAction* MenuDeuterokanonika3 = nullptr;
        QActionGroup* translations = nullptr;
        QMenu* mnuEdit = nullptr; ///< the chapter view's pop-up
        QAction* mnuPilihSemua = nullptr;
        QAction* mnuPilihAyat = nullptr;
        QAction* mnuCopy = nullptr;
        QAction* mnuCopyClipbook = nullptr;
    } m_menus;
    tirta::ui::ListHoverTip* m_hoverTip = nullptr;

    tirta::deutero::DeuteroBooks m_books;
    std::array<tirta::deutero::TranslationNames, tirta::deutero::kTranslations> m_names;
    int m_translation = 1;
    QString m_versiKitab; ///< the active translation's text column ("Kitab1")
    bool m_firstActivation = true;
};
