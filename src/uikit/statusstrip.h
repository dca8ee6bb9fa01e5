#pragma once

#include <QString>

class QLabel;
class QStatusBar;
class QWidget;

namespace tirta::ui {

/// The text of the status strip of the secondary windows: "Tirtamaya versi 2.0.0".
QString sharedStatusText();

/// The main window's status text while the pointer is on no tool button: "Program Tirtamaya "
/// followed by the version text (" 2.0.0 ").
QString mainStatusIdleText();

/// The label `labelStatus` of a secondary window's status bar, created and added on first use.
QLabel* statusLabel(QStatusBar* bar);

/// The status strip `picStatusBar` of a secondary window, with its label `labelStatus`; the window
/// places it.
QStatusBar* createStatusStrip(QWidget* window);

/// Draws the shared status strip of a secondary window, called when the window is activated: the
/// label shows `sharedStatusText()`; the bar takes the background of the main window's status strip
/// `mainStrip` and the label the text colour and bold state of the main window's `mainLabel`. Either
/// may be null (the look is then left as it is).
void drawSharedStatus(QStatusBar* bar, const QWidget* mainStrip = nullptr, const QLabel* mainLabel = nullptr);

/// `drawSharedStatus` with the status strip `picStatusBar` of `mainWindow` and its `labelStatus`.
void drawSharedStatusOf(QStatusBar* bar, const QWidget* mainWindow);

} // namespace tirta::ui
