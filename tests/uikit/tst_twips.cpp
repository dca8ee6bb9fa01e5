#include "support/testenv.h"
#include "uikit/twips.h"

#include <QImage>
#include <QtTest>

using namespace tirta::ui;

class TestTwips : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void toPixels_data();
    void toPixels();
    void toPoints();
    void roundTrip();
    void usesTheDevicesOwnDpi();
};

void TestTwips::toPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("one inch at 96") << 1440 << 96.0 << 96;
    QTest::newRow("fifteen twips a pixel at 96") << 15 << 96.0 << 1;
    QTest::newRow("large fonts 120") << 1440 << 120.0 << 120;
    QTest::newRow("tip margin at 96") << 240 << 96.0 << 16;
    QTest::newRow("half pixel rounds up") << 30 << 72.0 << 2; // 1.5
    QTest::newRow("below half rounds down") << 7 << 96.0 << 0; // 0.47
    QTest::newRow("hundred twips at 144") << 100 << 144.0 << 10;
    QTest::newRow("negative") << -1440 << 96.0 << -96;
    QTest::newRow("zero") << 0 << 96.0 << 0;
}

void TestTwips::toPixels()
{
    QFETCH(int, twips);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(twipsToPixels(twips, dpi), pixels);
}

void TestTwips::toPoints()
{
    QCOMPARE(kTwipsPerInch, 1440);
    QCOMPARE(twipsToPoints(1440), 72.0);
    QCOMPARE(twipsToPoints(20), 1.0);
    QCOMPARE(twipsToPoints(30), 1.5);
}

void TestTwips::roundTrip()
{
    QCOMPARE(pixelsToTwips(96, 96.0), 1440);
    QCOMPARE(pixelsToTwips(1, 96.0), 15);
    for (int pixels = 0; pixels < 300; ++pixels)
        QCOMPARE(twipsToPixels(pixelsToTwips(pixels, 120.0), 120.0), pixels);
}

void TestTwips::usesTheDevicesOwnDpi()
{
    // An image carries its own resolution, so the conversion does not depend on the screen.
    QImage image(10, 10, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(144 / 0.0254));
    image.setDotsPerMeterY(qRound(72 / 0.0254));
    QCOMPARE(twipsToPixels(1440, image), 144);
    QCOMPARE(twipsToPixels(1440, image, true), 72);
}

TIRTA_TEST_MAIN(TestTwips)
#include "tst_twips.moc"
