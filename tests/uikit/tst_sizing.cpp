#include "support/testenv.h"
#include "uikit/sizing.h"
#include "uikit/twips.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <QtTest>

using namespace tirta::ui;

/// Measures on screen: twips, text sizes by screen height, centred windows.
class TestSizing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void twipsToPixelsRoundsToTheNearestPixel()
    {
        QCOMPARE(twipsToPixels(1440, 96.0), 96);
        QCOMPARE(twipsToPixels(1440, 120.0), 120); // large fonts
        QCOMPARE(twipsToPixels(30, 72.0), 2); // 1.5
        QCOMPARE(twipsToPixels(7, 96.0), 0); // 0.47
        QCOMPARE(twipsToPixels(-1440, 96.0), -96);
    }

    void twipsToPointsAndBack()
    {
        QCOMPARE(twipsToPoints(1440), 72.0);
        QCOMPARE(twipsToPoints(30), 1.5);
        QCOMPARE(pixelsToTwips(96, 96.0), 1440);
        QCOMPARE(pixelsToTwips(1, 96.0), 15);
        for (int pixels = 0; pixels < 300; ++pixels)
            QCOMPARE(twipsToPixels(pixelsToTwips(pixels, 120.0), 120.0), pixels);
    }

    void twipsUseTheDevicesOwnDpi()
    {
        // An image carries its own resolution, so the conversion does not depend on the screen.
        QImage image(10, 10, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(144 / 0.0254));
        image.setDotsPerMeterY(qRound(72 / 0.0254));
        QCOMPARE(twipsToPixels(1440, image), 144);
        QCOMPARE(twipsToPixels(1440, image, true), 72);
    }

    void secondaryTextSizeGrowsAboveSevenHundredPixels()
    {
        QCOMPARE(secondaryTextSize(600), 10);
        QCOMPARE(secondaryTextSize(700), 10);
        QCOMPARE(secondaryTextSize(701), 11);
        QCOMPARE(secondaryTextSize(1080), 11);
    }

    void screenHeightIsThePrimaryScreensForANewWidget()
    {
        QWidget widget;
        QCOMPARE(screenHeightOf(&widget), QGuiApplication::primaryScreen()->geometry().height());
        QCOMPARE(screenHeightOf(nullptr), QGuiApplication::primaryScreen()->geometry().height());
    }

    void placeCentredOnTopCentresAndStaysOnTop_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("hidden window") << false;
        QTest::newRow("shown window stays shown") << true;
    }

    void placeCentredOnTopCentresAndStaysOnTop()
    {
        QFETCH(bool, shown);
        QWidget window;
        window.resize(320, 240);
        if (shown) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        placeCentredOnTop(&window);
        QCOMPARE(window.isVisible(), shown);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QTRY_COMPARE(window.frameGeometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    }
};

TIRTA_TEST_MAIN(TestSizing)
#include "tst_sizing.moc"
