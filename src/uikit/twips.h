#pragma once

#include <QPaintDevice>
#include <QtGlobal>

namespace tirta::ui {

/// Layout figures of the program's windows are given in twips, 1/1440 of an inch; this is the one
/// place that turns them into pixels and points.
inline constexpr int kTwipsPerInch = 1440;
/// Twips in one typographic point (1/72 inch).
inline constexpr int kTwipsPerPoint = kTwipsPerInch / 72;

/// `twips` in pixels at `dpi` dots per inch, rounded to the nearest pixel (halves away from zero).
constexpr int twipsToPixels(int twips, double dpi)
{
    return qRound(twips * dpi / kTwipsPerInch);
}

/// `pixels` in twips at `dpi` dots per inch, rounded to the nearest twip.
constexpr int pixelsToTwips(int pixels, double dpi)
{
    return qRound(pixels * double(kTwipsPerInch) / dpi);
}

/// `twips` in typographic points (20 twips a point).
constexpr double twipsToPoints(int twips)
{
    return double(twips) / kTwipsPerPoint;
}

/// `twips` in pixels at the logical DPI of `device` (a widget or a pixmap); `vertical` picks the
/// device's vertical DPI, for heights and top positions.
inline int twipsToPixels(int twips, const QPaintDevice& device, bool vertical = false)
{
    return twipsToPixels(twips, double(vertical ? device.logicalDpiY() : device.logicalDpiX()));
}

} // namespace tirta::ui
