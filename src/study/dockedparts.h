#pragma once

#include <array>

class QBoxLayout;
class QRadioButton;
class QStatusBar;
class QWidget;

namespace tirta::ui {
class Reader;
}

namespace tirta::study {

/// Adds the shared status strip `picStatusBar` (with its `labelStatus`) of a docked window at the
/// end of `layout`.
QStatusBar* addStatusStrip(QWidget* window, QBoxLayout* layout);

/// Draws a docked window's status strip like the main window's, when the window is activated.
void drawStatusStrip(QStatusBar* strip, tirta::ui::Reader& reader);

/// Fills `strip` with the option buttons of the three notes sections, "Pengantar", "Ciri Khas"
/// and "Survai", named `names` in that order.
std::array<QRadioButton*, 3> addSectionOptions(QWidget* strip, const std::array<const char*, 3>& names);

} // namespace tirta::study
