#include "sizing.h"

#include <QFont>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tirta::ui {

namespace {

QScreen* screenOf(const QWidget* widget)
{
    QScreen* screen = widget ? widget->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

int secondaryTextSize(int screenHeight)
{
    return screenHeight > kTallScreenHeight ? 11 : 10;
}

int screenHeightOf(const QWidget* widget)
{
    const QScreen* screen = screenOf(widget);
    return screen ? screen->geometry().height() : 0;
}

void applyTextSize(std::initializer_list<QWidget*> widgets, int points)
{
    if (points <= 0)
        return; // a font sized in pixels has no point size to pass on
    for (QWidget* widget : widgets) {
        QFont font = widget->font();
        font.setPointSize(points);
        widget->setFont(font);
    }
}

void applyTextFace(std::initializer_list<QWidget*> widgets, const QFont& face)
{
    for (QWidget* widget : widgets) {
        QFont font = widget->font();
        font.setFamily(face.family());
        widget->setFont(font);
    }
}

void centreOver(QWidget* window, const QWidget* owner)
{
    if (!window || !owner)
        return;
    const QScreen* screen = screenOf(owner);
    const QRect ownerFrame = owner->frameGeometry();
    QRect placed(QPoint(), window->size());
    placed.moveCenter(ownerFrame.center());
    if (screen) {
        const QRect area = screen->availableGeometry();
        placed.moveLeft(
            std::clamp(placed.left(), area.left(), std::max(area.left(), area.right() - placed.width())));
        placed.moveTop(
            std::clamp(placed.top(), area.top(), std::max(area.top(), area.bottom() - placed.height())));
    }
    window->move(placed.topLeft());
}

void placeCentredOnTop(QWidget* window)
{
    if (!window)
        return;
    // Changing window flags hides a shown window; show it again so callers need not care.
    const bool wasVisible = window->isVisible();
    if (!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        if (wasVisible)
            window->show();
    }
    const QScreen* screen = screenOf(window);
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = wasVisible ? window->frameGeometry().size() : window->size();
    window->move(
        area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

} // namespace tirta::ui
