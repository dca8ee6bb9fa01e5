#include "results/printing.h"
#include "support/testenv.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <set>

using namespace Qt::StringLiterals;
using namespace tirta::results;

namespace {

/// An image, 96 dots per inch, that keeps the text drawn on it, page by page, instead of painting it.
class TextRecorder final : public QImage, public QPaintEngine
{
public:
    struct Item
    {
        int page = 0;
        QPointF at; ///< the start of its base line
        QString text;
    };
    TextRecorder(int width, int height)
        : QImage(width, height, QImage::Format_RGB32)
    {
        setDotsPerMeterX(3780);
        setDotsPerMeterY(3780);
    }

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
};

/// The pages of a PDF file written by the printer.
int pdfPages(const QString& path)
{
    return int(QString::fromLatin1(tirta::test::fileBytes(path))
                   .count(QRegularExpression(u"/Type\\s*/Page(?!s)"_s)));
}

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
    void everyLineIsDrawnOnceWholeOnItsOwnPage()
    {
        // Paragraphs that wrap over several lines, so that page breaks fall inside them.
        const QString text
            = u"Pada mulanya Allah menciptakan langit dan bumi, dan bumi belum berbentuk.\n"_s.repeated(40);
        TextRecorder device(240, 130);
        QFont font(u"DejaVu Sans"_s);
        font.setPointSize(10);
        QPainter painter(&device);
        const int count = paintPages(PageText(text), font, painter, QSizeF(240, 130), [&device] {
            ++device.page;
            return true;
        });
        painter.end();
        const QFontMetricsF metrics(font, &device);
        std::set<std::pair<int, qreal>> lines;
        int drawn = 0;
        for (const TextRecorder::Item& item : device.items) {
            drawn += nonSpaceCharacters(item.text);
            // No margin of its own: a page begins at the corner of the area it is given.
            if (lines.empty() || lines.rbegin()->first != item.page) {
                QVERIFY2(item.at.x() < 1, qPrintable(item.text));
                QVERIFY2(item.at.y() < metrics.ascent() + 1, qPrintable(item.text));
            }
            // Whole: no line runs over the bottom of its page.
            QVERIFY2(item.at.y() + metrics.descent() <= 130, qPrintable(item.text));
            lines.insert({ item.page, item.at.y() });
        }
        // Nothing twice: a line near a page break is not drawn again, hidden, on the next page.
        QCOMPARE(drawn, nonSpaceCharacters(text));
        // No page is broken early.
        QVERIFY(count <= int(lines.size()) / (int(130 / metrics.lineSpacing()) - 1) + 1);
    }

    void printsToPdfWithMarginsOf1000Twips_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("150 lines") << 150;
        QTest::newRow("empty text") << 0;
    }

    void printsToPdfWithMarginsOf1000Twips()
    {
        QFETCH(int, lines);
        const QString path = m_dir.filePath(u"cetak.pdf"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QFont font(u"DejaVu Sans"_s);
        font.setPointSize(10);

        int between = 0;
        const int pages = printText(PageText(u"Baris dari teks yang dicetak\n"_s.repeated(lines)), font,
            printer, [&between] { ++between; });
        QCOMPARE(pdfPages(path), pages);
        // What runs between pages runs once between each two.
        QCOMPARE(between, pages - 1);
        // 150 lines of 10 points in a 742 point high area need three pages at least; no text, one empty page.
        QVERIFY2(lines > 0 ? pages >= 3 : pages == 1, qPrintable(QString::number(pages)));
        // 1000 twips are 50 points: the text area is the A4 page less 50 points on each side.
        QCOMPARE(printer.pageRect(QPrinter::Point).toRect(), QRect(50, 50, 595 - 100, 842 - 100));
    }
};

TIRTA_TEST_MAIN(PrintingTest)
#include "tst_printing.moc"
