#include "widgets.h"

#include "foundation/reference.h"
#include "foundation/safefile.h"

#include <QApplication>
#include <QCursor>
#include <QTextEdit>

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

} // namespace tirta::ui
