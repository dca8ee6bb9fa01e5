#pragma once

#include "results/pagetext.h"

#include <QFont>
#include <QSizeF>

#include <functional>

class QPainter;
class QPrinter;

namespace tirta::results {

/// Lays `text` out in `font` for the painter's device in pages of `pageSize` (device pixels) and
/// paints them one after another, each from its top left corner at the painter's origin, with no
/// margin of its own and no page numbers. Every line is drawn once, whole, on the one page it
/// belongs to. `nextPage` is called between pages to start the next one; when it answers false the
/// painting ends. The number of pages painted, or -1 when a page could not be started.
int paintPages(const PageText& text, const QFont& font, QPainter& painter, const QSizeF& pageSize,
    const std::function<bool()>& nextPage);

/// The margin of printed text on every side, in twips.
inline constexpr int kPrintMarginTwips = 1000;

/// Prints `text` in `font` on `printer` with margins of `kPrintMarginTwips` on every side.
/// `betweenPages` runs after each page (the window lets its event loop in there). The number of
/// pages printed, or -1 when the printer could not be opened or failed on the way.
int printText(const PageText& text, const QFont& font, QPrinter& printer,
    const std::function<void()>& betweenPages = {});

} // namespace tirta::results
