#include "widgets.h"

#include <QApplication>
#include <QCursor>

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

} // namespace tirta::ui
