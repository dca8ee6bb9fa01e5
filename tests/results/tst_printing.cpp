#include "results/printing.h"
#include "support/testenv.h"
#include "uikit/twips.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::results;

namespace {

QString numberedLines(int count)
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += u"Baris %1 dari teks yang dicetak\n"_s.arg(i);
    return text;
}

/// The pages of a PDF file written by the printer.
int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString content = QString::fromLatin1(file.readAll());
    return int(content.count(QRegularExpression(u"/Type\\s*/Page(?!s)"_s)));
}

/// The first row and column, counted from the top left, holding a dark pixel; -1 when none.
QPoint firstInk(const QImage& image)
{
    int top = -1;
    int left = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                if (top < 0)
                    top = y;
                if (left < 0 || x < left)
                    left = x;
            }
    return { left, top };
}

/// The last row holding a dark pixel; -1 when none.
int lastInkRow(const QImage& image)
{
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return y;
    return -1;
}

/// A paint device that keeps the text drawn on it, page by page, instead of showing it.
class TextRecorder final : public QPaintDevice, public QPaintEngine
{
public:
    struct Item
    {
        int page = 0;
        QPointF at;
        QString text;
    };
    TextRecorder(int width, int height)
        : m_width(width)
        , m_height(height)
    { }

    std::vector<Item> items;
    int page = 0;

    QPaintEngine* paintEngine() const override { return const_cast<TextRecorder*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override { }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        items.push_back({ page, at, item.text() });
    }
    Type type() const override { return QPaintEngine::User; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_width;
        case PdmHeight:
            return m_height;
        case PdmWidthMM:
            return m_width * 254 / 960;
        case PdmHeightMM:
            return m_height * 254 / 960;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    int m_width;
    int m_height;
};

int nonSpaceCharacters(const QString& text)
{
    return int(std::count_if(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); }));
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void pagesStartAtTheirTopLeftCorner()
    {
        const PageText source(numberedLines(60));
        QImage page(400, 300, QImage::Format_RGB32);
        page.setDotsPerMeterX(3780); // 96 dpi
        page.setDotsPerMeterY(3780);
        page.fill(Qt::white);
        QFont font(u"DejaVu Sans"_s);
        font.setPointSize(10);
        QList<QImage> pages;
        QPainter painter(&page);
        const int count = paintPages(source, font, painter, QSizeF(page.size()), [&] {
            pages << page.copy();
            page.fill(Qt::white);
            return true;
        });
        painter.end();
        pages << page;
        QCOMPARE(count, int(pages.size()));
        const int lineHeight = QFontMetrics(font, &page).lineSpacing();
        // Every line is whole on one page, so a page holds at most its height in lines.
        QVERIFY(count >= 60 / (page.height() / lineHeight));
        QVERIFY(count <= 60 / (page.height() / lineHeight - 1) + 1);
        for (const QImage& printed : pages) {
            const QPoint ink = firstInk(printed);
            // No margin of its own: the text begins at the corner of the area it is given.
            QVERIFY2(ink.x() >= 0 && ink.x() <= 3, qPrintable(u"left %1"_s.arg(ink.x())));
            QVERIFY2(ink.y() >= 0 && ink.y() < lineHeight, qPrintable(u"top %1"_s.arg(ink.y())));
            QVERIFY(lastInkRow(printed) < printed.height() - 1);
        }
    }

    void everyLineIsDrawnOnceOnItsOwnPage()
    {
        // Paragraphs that wrap over several lines, so that page breaks fall inside them.
        QString text;
        for (int i = 1; i <= 40; ++i)
            text += u"Ayat %1: Pada mulanya Allah menciptakan langit dan bumi, dan bumi belum berbentuk.\n"_s
                        .arg(i);
        const PageText source(text);
        TextRecorder device(240, 130);
        QFont font(u"DejaVu Sans"_s);
        font.setPointSize(10);
        QPainter painter(&device);
        const int count = paintPages(source, font, painter, QSizeF(240, 130), [&device] {
            ++device.page;
            return true;
        });
        painter.end();
        QVERIFY(count > 5);
        int drawn = 0;
        for (const TextRecorder::Item& item : device.items) {
            drawn += nonSpaceCharacters(item.text);
            QVERIFY2(item.at.y() > 0 && item.at.y() < 130, qPrintable(item.text));
        }
        // Nothing twice: a line near a page break is not drawn again, hidden, on the next page.
        QCOMPARE(drawn, nonSpaceCharacters(text));
    }

    void printsToPdfWithMarginsOf1000Twips()
    {
        const PageText source(numberedLines(150));
        const QString path = m_dir.filePath(u"cetak.pdf"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QFont font(u"DejaVu Sans"_s);
        font.setPointSize(10);

        const int pages = printText(source, font, printer);
        QVERIFY(pages > 1);
        QCOMPARE(pdfPages(path), pages);

        const double margin = tirta::ui::twipsToPoints(kPrintMarginTwips);
        QCOMPARE(margin, 50.0);
        QCOMPARE(printer.pageLayout().margins(QPageLayout::Point), QMarginsF(margin, margin, margin, margin));
        QVERIFY(!printer.fullPage());
        // The text area is the A4 page less 50 points on each side.
        const QRectF area = printer.pageRect(QPrinter::Point);
        QCOMPARE(qRound(area.width()), 595 - 100);
        QCOMPARE(qRound(area.height()), 842 - 100);
        QCOMPARE(qRound(area.left()), 50);
        QCOMPARE(qRound(area.top()), 50);

        // 150 lines of 10 points with a 742 point high area need at least three pages.
        QVERIFY(pages >= 3);
    }

    void emptyTextPrintsOneEmptyPage()
    {
        const PageText source;
        const QString path = m_dir.filePath(u"kosong.pdf"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QCOMPARE(printText(source, QFont(), printer), 1);
        QCOMPARE(pdfPages(path), 1);
    }

    void aPrinterThatCannotOpenIsReported()
    {
        const PageText source(u"teks"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir.filePath(u"tidak/ada/folder/cetak.pdf"_s));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QCOMPARE(printText(source, QFont(), printer), -1);
    }
};

TIRTA_TEST_MAIN(PrintingTest)
#include "tst_printing.moc"
