#pragma once

#include <initializer_list>

class QFrame;
class QLabel;
class QListWidget;
class QStatusBar;
class QWidget;

namespace tirta::ui {
class ListHoverTip;
}

namespace tirta::collections {

/// The body of a collection window: the outer frame `Frame1`, which the window fills, above the
/// status strip `picStatusBar`.
struct WindowBody
{
    QFrame* Frame1 = nullptr;
    QStatusBar* picStatusBar = nullptr;
};

/// Lays out the body of `window`; the window puts its controls into the frame.
WindowBody createWindowBody(QWidget* window);

/// Sizes the parables and prophecies windows: 0.8 of the screen wide; 500 pixels high on a screen
/// more than 700 pixels high, else 400. Returns the text size that goes with it.
int sizeListWindow(QWidget* window);

/// The hover tip of a collection list: `tip`, a label of the window, shown over the row of the
/// item under the pointer when its text does not fit in the list, hidden over `hideOver`.
tirta::ui::ListHoverTip* attachHoverTip(
    QListWidget* list, QLabel* tip, std::initializer_list<QWidget*> hideOver);

} // namespace tirta::collections
