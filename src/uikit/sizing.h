#pragma once

#include <initializer_list>

class QFont;
class QWidget;

namespace tirta::ui {

/// Screens taller than this many pixels get the larger text in the secondary windows.
inline constexpr int kTallScreenHeight = 700;

/// The text size (points) of the secondary windows: 11 on a screen more than 700 pixels high,
/// else 10.
int secondaryTextSize(int screenHeight);

/// The height in pixels of the screen `widget` is on (the primary screen when it has none yet).
int screenHeightOf(const QWidget* widget);

/// Gives each of `widgets` the text size `points`, keeping its face; a size of 0 or less changes nothing.
void applyTextSize(std::initializer_list<QWidget*> widgets, int points);

/// Gives each of `widgets` the face of `font` (its family), keeping its size.
void applyTextFace(std::initializer_list<QWidget*> widgets, const QFont& font);

/// Centres a window that is not shown yet over `owner` (the main window), kept inside the screen.
void centreOver(QWidget* window, const QWidget* owner);

/// Keeps `window` above the other windows and centres it on its screen (splash screen, progress
/// dialog, bookmark window). Call after the window has its size; a shown window stays shown.
void placeCentredOnTop(QWidget* window);

} // namespace tirta::ui
