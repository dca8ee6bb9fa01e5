#include "printing.h"

#include "uikit/twips.h"

#include <QAbstractTextDocumentLayout>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

namespace tirta::results {

PagedText::PagedText(
    const QTextDocument& source, const QFont& font, QPaintDevice* device, const QSizeF& pageSize)
    : m_document(source.clone())
    , m_pageSize(pageSize)
{
    m_document->setDefaultFont(font);
    m_document->documentLayout()->setPaintDevice(device);
    // The printer's margins are the only margins.
    m_document->setDocumentMargin(0);
    m_document->setPageSize(pageSize);
}

PagedText::~PagedText() = default;

int PagedText::pageCount() const
{
    return m_document->pageCount();
}

void PagedText::paintPage(QPainter& painter, int page) const
{
    painter.save();
    const QRectF area(QPointF(0, page * m_pageSize.height()), m_pageSize);
    painter.translate(0, -area.top());
    m_document->drawContents(&painter, area);
    painter.restore();
}

int printText(const QTextDocument& source, const QFont& font, QPrinter& printer)
{
    const double margin = ui::twipsToPoints(kPrintMarginTwips);
    printer.setFullPage(false);
    if (!printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Point))
        return -1;
    QPainter painter;
    if (!painter.begin(&printer))
        return -1;
    const QSizeF pageSize = printer.pageRect(QPrinter::DevicePixel).size();
    const PagedText pages(source, font, &printer, pageSize);
    const int count = pages.pageCount();
    for (int page = 0; page < count; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return -1;
        }
        pages.paintPage(painter, page);
    }
    return painter.end() ? count : -1;
}

} // namespace tirta::results
