#include "help.h"

#include "uikit/messagebox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace tirta::ui::help {

namespace {

constexpr char kPageProperty[] = "tirtaHelpPage";

/// Catches F1 before any control of any window sees it.
class HelpKey final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        return open(pageOf(static_cast<QWidget*>(watched)));
    }
};

struct State
{
    Opener opener;
    QPointer<HelpKey> key;
};

State& state()
{
    static State s;
    return s;
}

} // namespace

void setPage(QWidget* window, QStringView page)
{
    window->setProperty(kPageProperty, page.toString());
}

QString pageOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QString page = w->property(kPageProperty).toString();
        if (!page.isEmpty())
            return page;
    }
    return page::kStart.toString();
}

void setOpener(Opener opener)
{
    State& s = state();
    s.opener = std::move(opener);
    if (s.opener && !s.key && qApp) {
        s.key = new HelpKey(qApp);
        qApp->installEventFilter(s.key);
    } else if (!s.opener && s.key) {
        delete s.key;
    }
}

bool open(const QString& page)
{
    const Opener& opener = state().opener;
    if (!opener)
        return false;
    opener(page);
    return true;
}

void messageWithGuide(QWidget* parent, const QString& text, QStringView page)
{
    // Without anyone to show the handbook the button would do nothing, so it is left out.
    const QMessageBox::StandardButtons buttons
        = state().opener ? QMessageBox::Ok | QMessageBox::Help : QMessageBox::Ok;
    if (MessageBox::show(parent, text, buttons, QMessageBox::NoIcon) == QMessageBox::Help)
        open(page.toString());
}

} // namespace tirta::ui::help
