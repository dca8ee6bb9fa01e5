#include "widgets.h"

#include "foundation/reference.h"
#include "foundation/safefile.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QTextEdit>

#include <algorithm>

namespace tirta::ui {

UpdatesGuard::UpdatesGuard(QWidget* window)
    : m_window(window)
{
    if (m_window) {
        // An inner guard finds the window already frozen and leaves it so for the outer one.
        m_wasEnabled = m_window->updatesEnabled();
        m_window->setUpdatesEnabled(false);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

UpdatesGuard::~UpdatesGuard()
{
    QApplication::restoreOverrideCursor();
    if (m_window && m_wasEnabled)
        m_window->setUpdatesEnabled(true);
}

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

QTextEdit* createTextView(const char* name, QWidget* parent)
{
    auto* view = new QTextEdit(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setReadOnly(true);
    view->setAcceptRichText(false);
    return view;
}

bool ShowReferenceText(const QString& reference, Recordset& chapters, QTextEdit* view)
{
    if (!view)
        return false;
    const std::optional<QString> excerpt = cutExcerpt(reference, chapters);
    view->setPlainText(excerpt ? fromCrLf(*excerpt) : QString());
    return excerpt.has_value();
}

namespace {

/// Watches a menu's items and hides or shows the menu's entry accordingly.
class EmptyMenuWatch final : public QObject
{
public:
    explicit EmptyMenuWatch(QMenu* menu)
        : QObject(menu)
        , m_menu(menu)
    {
        menu->installEventFilter(this);
        update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_menu
            && (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged
                || event->type() == QEvent::ActionRemoved)) {
            update();
        }
        return false;
    }

private:
    void update()
    {
        const QList<QAction*> items = m_menu->actions();
        const bool empty = std::none_of(items.cbegin(), items.cend(),
            [](const QAction* a) { return a->isVisible() && !a->isSeparator(); });
        QAction* entry = m_menu->menuAction();
        if (empty && entry->isVisible()) {
            m_hidden = true;
            entry->setVisible(false);
        } else if (!empty && m_hidden) {
            m_hidden = false;
            entry->setVisible(true);
        }
    }

    QMenu* m_menu;
    bool m_hidden = false; ///< the entry was hidden here, so it may be shown here
};

} // namespace

void hideMenuWhileEmpty(QMenu* menu)
{
    if (menu)
        new EmptyMenuWatch(menu);
}

} // namespace tirta::ui
