#pragma once

#include "uikit/reader.h"
#include "uikit/sizing.h"

#include <QAction>
#include <QObject>
#include <QPointer>

class QWidget;

namespace tirta::ui {

/// Shows a feature window that may be hidden or minimised and brings it to the front.
void bringToFront(QWidget* window);

/// Makes the menu item of `feature` available and opens `Window` from it (and so from the feature's
/// tool button): the window is created with the reader on first use, as a child of the main window
/// centred over it, kept for the rest of the run and brought to the front on every further use.
template <class Window> void installFeatureWindow(Reader& reader, Feature feature)
{
    QAction* item = reader.featureAction(feature);
    if (!item)
        return;
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, item, [&reader, window = QPointer<Window>()]() mutable {
        if (!window) {
            window = new Window(reader);
            centreOver(window, reader.mainWindow());
        }
        bringToFront(window);
    });
}

} // namespace tirta::ui
