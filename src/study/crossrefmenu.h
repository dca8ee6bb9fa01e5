#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class Form13;
class QAction;
class QMenu;

namespace tirta::ui {
class Reader;
}

namespace tirta::study {

/// Lets the reading pane's edit menu offer the cross references of the chapter on screen, and
/// the chooser move the reader to one of them.
void installCrossReferences(tirta::ui::Reader& reader);

/// The cross-reference submenu `MenuRef` of the main window with its 150 items `MenuRefs`, and
/// the chooser `Form13` behind them. Owned by the main window.
class CrossReferences final : public QObject
{
    Q_OBJECT

public:
    /// Takes over `reader`'s submenu: adds items 2 to 150 (hidden) and follows the edit menu.
    explicit CrossReferences(tirta::ui::Reader& reader);

    /// Refills the submenu for the chapter on screen; hides it when the stored list is malformed.
    void BuildCrossRefMenu();
    /// Opens the chooser for item k (1 to 150), unless the item stands for no reference at all.
    void MenuRefs_Click(int k);
    /// Fills the chooser with the targets of a submenu caption.
    void FillCrossRefTargets(const QString& caption);

    /// The chooser, created on first use.
    Form13& chooser();

private:
    tirta::ui::Reader& m_reader;
    QMenu* m_menu = nullptr;
    std::vector<QAction*> m_items; ///< `MenuRefs` 1 to 150 at 0 to 149
    QPointer<Form13> m_chooser;
};

} // namespace tirta::study
