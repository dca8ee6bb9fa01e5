#include "support/testenv.h"
#include "uikit/sizing.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtTest>

using namespace tirta::ui;

class TestSizing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void secondaryTextSize_data();
    void secondaryTextSize();
    void screenHeightIsThePrimaryScreensForANewWidget();
    void placeCentredOnTopCentresAndStaysOnTop();
    void placeCentredOnTopKeepsAShownWindowShown();
};

void TestSizing::secondaryTextSize_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("size");
    QTest::newRow("600") << 600 << 10;
    QTest::newRow("699") << 699 << 10;
    QTest::newRow("700 is not more than 700") << 700 << 10;
    QTest::newRow("701") << 701 << 11;
    QTest::newRow("768") << 768 << 11;
    QTest::newRow("1080") << 1080 << 11;
}

void TestSizing::secondaryTextSize()
{
    QFETCH(int, height);
    QFETCH(int, size);
    QCOMPARE(tirta::ui::secondaryTextSize(height), size);
}

void TestSizing::screenHeightIsThePrimaryScreensForANewWidget()
{
    QWidget widget;
    QCOMPARE(screenHeightOf(&widget), QGuiApplication::primaryScreen()->geometry().height());
    QCOMPARE(screenHeightOf(nullptr), QGuiApplication::primaryScreen()->geometry().height());
}

void TestSizing::placeCentredOnTopCentresAndStaysOnTop()
{
    QWidget window;
    window.resize(300, 200);
    placeCentredOnTop(&window);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(window.pos(),
        QPoint(screen.x() + (screen.width() - 300) / 2, screen.y() + (screen.height() - 200) / 2));
    QVERIFY(!window.isVisible());
}

void TestSizing::placeCentredOnTopKeepsAShownWindowShown()
{
    QWidget window;
    window.resize(320, 240);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    placeCentredOnTop(&window);
    QVERIFY(window.isVisible());
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QTRY_COMPARE(window.frameGeometry().center(), screen.center());
}

TIRTA_TEST_MAIN(TestSizing)
#include "tst_sizing.moc"
