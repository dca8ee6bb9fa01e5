#pragma once

#include <QFont>
#include <QSizeF>

#include <memory>

class QPaintDevice;
class QPainter;
class QPrinter;
class QTextDocument;

namespace tirta::results {

/// A copy of a text laid out in pages, for printing with the program's own margins: the printer's
/// page area inside the margins is the page, with no further margin and no page numbers (which
/// `QTextDocument::print` would add). A line is never cut across two pages.
class PagedText
{
public:
    /// Lays out `source` in `font` for `device` in pages of `pageSize` (device pixels).
    PagedText(const QTextDocument& source, const QFont& font, QPaintDevice* device, const QSizeF& pageSize);
    ~PagedText();
    PagedText(const PagedText&) = delete;
    PagedText& operator=(const PagedText&) = delete;

    int pageCount() const;
    /// Paints page `page` (from 0) with its top left corner at the painter's origin.
    void paintPage(QPainter& painter, int page) const;

private:
    std::unique_ptr<QTextDocument> m_document;
    QSizeF m_pageSize;
};

/// The margin of printed text on every side, in twips.
inline constexpr int kPrintMarginTwips = 1000;

/// Prints `source` in `font` on `printer` with margins of `kPrintMarginTwips` on every side. The
/// number of pages printed, or -1 when the printer could not be opened or failed on the way.
int printText(const QTextDocument& source, const QFont& font, QPrinter& printer);

} // namespace tirta::results
