#include "support/testenv.h"
#include "uikit/statusstrip.h"

#include <QLabel>
#include <QStatusBar>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::ui;

class TestStatusStrip : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void texts();
    void drawShowsTheTextInOneLabel();
    void drawTakesTheMainWindowsLook();
};

void TestStatusStrip::texts()
{
    QCOMPARE(sharedStatusText(), u"Tirtamaya versi 2.0.0"_s);
    QCOMPARE(mainStatusIdleText(), u"Program Tirtamaya  2.0.0 "_s);
}

void TestStatusStrip::drawShowsTheTextInOneLabel()
{
    QStatusBar bar;
    drawSharedStatus(&bar);
    drawSharedStatus(&bar); // every activation draws again
    const QList<QLabel*> labels = bar.findChildren<QLabel*>(u"labelStatus"_s);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first()->text(), u"Tirtamaya versi 2.0.0"_s);
    QCOMPARE(statusLabel(&bar), labels.first());
}

void TestStatusStrip::drawTakesTheMainWindowsLook()
{
    QWidget mainStrip;
    QPalette stripPalette = mainStrip.palette();
    stripPalette.setColor(QPalette::Window, QColor(0, 0, 128));
    mainStrip.setPalette(stripPalette);
    mainStrip.setAutoFillBackground(true);
    QLabel mainLabel(u"Program Tirtamaya"_s);
    QPalette labelPalette = mainLabel.palette();
    labelPalette.setColor(QPalette::WindowText, QColor(255, 255, 0));
    mainLabel.setPalette(labelPalette);
    QFont bold = mainLabel.font();
    bold.setBold(true);
    mainLabel.setFont(bold);

    QStatusBar bar;
    drawSharedStatus(&bar, &mainStrip, &mainLabel);
    QLabel* label = statusLabel(&bar);
    QCOMPARE(bar.palette().color(QPalette::Window), QColor(0, 0, 128));
    QVERIFY(bar.autoFillBackground());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QVERIFY(label->font().bold());

    // The main window's status text turned plain again: the next activation follows it.
    bold.setBold(false);
    mainLabel.setFont(bold);
    drawSharedStatus(&bar, &mainStrip, &mainLabel);
    QVERIFY(!label->font().bold());
}

TIRTA_TEST_MAIN(TestStatusStrip)
#include "tst_statusstrip.moc"
