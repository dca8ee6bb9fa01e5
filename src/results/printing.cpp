#include "printing.h"

#include "uikit/twips.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

namespace tirta::results {

int paintPages(const PageText& text, const QFont& font, QPainter& painter, const QSizeF& pageSize,
    const std::function<bool()>& nextPage)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    int pages = 1;
    qreal y = 0;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // One paragraph is laid out at a time: a result of thousands of pages needs no more memory than
    // its longest paragraph.
    for (int paragraph = 0; paragraph < text.paragraphCount(); ++paragraph) {
        QTextLayout layout(text.paragraph(paragraph).toString(), font, painter.device());
        layout.setTextOption(option);
        layout.setFormats(text.paragraphFormats(paragraph));
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(pageSize.width());
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            QTextLine line = layout.lineAt(i);
            // A line that does not fit starts the next page; a page takes at least one line.
            if (y > 0 && y + line.height() > pageSize.height()) {
                if (!nextPage()) {
                    painter.restore();
                    return -1;
                }
                ++pages;
                y = 0;
            }
            line.setPosition(QPointF(0, 0));
            line.draw(&painter, QPointF(0, y));
            y += line.height();
        }
    }
    painter.restore();
    return pages;
}

int printText(
    const PageText& text, const QFont& font, QPrinter& printer, const std::function<void()>& betweenPages)
{
    const double margin = ui::twipsToPoints(kPrintMarginTwips);
    printer.setFullPage(false);
    if (!printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Point))
        return -1;
    QPainter painter;
    if (!painter.begin(&printer))
        return -1;
    const QSizeF pageSize = printer.pageRect(QPrinter::DevicePixel).size();
    const int pages = paintPages(text, font, painter, pageSize, [&printer, &betweenPages] {
        if (betweenPages)
            betweenPages();
        return printer.newPage();
    });
    const bool ended = painter.end();
    return pages >= 0 && ended ? pages : -1;
}

} // namespace tirta::results
