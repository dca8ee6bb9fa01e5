#include "featurewindow.h"

#include <QWidget>

namespace tirta::ui {

void bringToFront(QWidget* window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tirta::ui
