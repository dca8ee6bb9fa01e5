#include "collectionwindow.h"

#include "uikit/listhovertip.h"
#include "uikit/sizing.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

namespace tirta::collections {

int sizeListWindow(QWidget* window)
{
    const int screenHeight = ui::screenHeightOf(window);
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 800;
    window->resize(screenWidth * 8 / 10, screenHeight > ui::kTallScreenHeight ? 500 : 400);
    return ui::secondaryTextSize(screenHeight);
}

ui::ListHoverTip* attachHoverTip(QListWidget* list, QLabel* tip, std::initializer_list<QWidget*> hideOver)
{
    auto* hoverTip = new ui::ListHoverTip(list, tip, ui::ListHoverTip::Style::OverRowWhenCut, list);
    for (QWidget* widget : hideOver)
        hoverTip->hideWhenOver(widget);
    return hoverTip;
}

} // namespace tirta::collections
