#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QMenu;
class QTextEdit;

namespace tirta {
class Recordset;
}

namespace tirta::ui {

/// The descendant of `root` of type T whose objectName is `name` (a control's established name,
/// "List1", "rtf1"); asserts in debug builds when there is none, returns null in release builds.
template <class T> T* named(QObject* root, const char* name)
{
    Q_ASSERT(root);
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT_X(found, "tirta::ui::named", name);
    return found;
}

/// Freezes the drawing of a window and shows the hourglass pointer while a redisplay or a search
/// runs; both are restored when the guard ends. Guards nest: an inner guard leaves the window
/// frozen for the outer one, and each pops only the pointer it pushed.
class UpdatesGuard
{
public:
    /// Freezes `window` (may be null: then only the pointer changes).
    explicit UpdatesGuard(QWidget* window);
    ~UpdatesGuard();
    UpdatesGuard(const UpdatesGuard&) = delete;
    UpdatesGuard& operator=(const UpdatesGuard&) = delete;

private:
    QPointer<QWidget> m_window;
    bool m_wasEnabled = true;
};

/// Keeps the entry of `menu` in the menu bar hidden while none of its items is visible (all of them
/// switched off, separators aside) and shows it again as soon as one is, unless the entry was hidden
/// by someone else.
void hideMenuWhileEmpty(QMenu* menu);

/// Shows the hourglass pointer for its lifetime; nests.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

/// A read-only view of plain text named `name` (a passage, an explanation).
QTextEdit* createTextView(const char* name, QWidget* parent);

/// Shows the verse lines of a reference string in `view` as plain text, cut from translation 1 of
/// the chapter that `chapters` finds (`cutExcerpt`; the recordset moves there). When the reference
/// finds no chapter or verse the view is emptied, so that no other passage stays under a heading
/// that names this one, and the result is false.
bool ShowReferenceText(const QString& reference, Recordset& chapters, QTextEdit* view);

} // namespace tirta::ui
