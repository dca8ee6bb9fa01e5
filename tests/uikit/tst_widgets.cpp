#include "support/testenv.h"
#include "uikit/statusstrip.h"
#include "uikit/widgets.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QStatusBar>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::ui;

namespace {

bool waitCursorShown()
{
    return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

} // namespace

/// The helpers every window uses: the redisplay guard, the busy pointer and the shared status strip.
class TestWidgets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void updatesGuardFreezesAndRestores()
    {
        QWidget window;
        auto* child = new QWidget(&window);
        QVERIFY(window.updatesEnabled());
        {
            UpdatesGuard guard(&window);
            QVERIFY(!window.updatesEnabled());
            QVERIFY(!child->updatesEnabled());
            QVERIFY(waitCursorShown());
        }
        QVERIFY(window.updatesEnabled());
        QVERIFY(child->updatesEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    void nestedGuardsRestoreOnlyAtTheOutermost()
    {
        QWidget window;
        {
            UpdatesGuard outer(&window);
            {
                UpdatesGuard inner(&window);
                QVERIFY(!window.updatesEnabled());
            }
            // The outer redisplay is still running.
            QVERIFY(!window.updatesEnabled());
            QVERIFY(waitCursorShown());
        }
        QVERIFY(window.updatesEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    void guardLeavesAWindowFrozenByItsOwnerFrozen()
    {
        QWidget window;
        window.setUpdatesEnabled(false);
        {
            UpdatesGuard guard(&window);
        }
        QVERIFY(!window.updatesEnabled());
    }

    void guardSurvivesTheWindowGoingAway()
    {
        auto* window = new QWidget;
        {
            UpdatesGuard guard(window);
            delete window;
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    void busyCursorNestsWithGuards()
    {
        QWidget window;
        QApplication::setOverrideCursor(Qt::IBeamCursor);
        {
            BusyCursor busy;
            QVERIFY(waitCursorShown());
            {
                UpdatesGuard guard(&window);
                QVERIFY(waitCursorShown());
            }
            QVERIFY(waitCursorShown());
        }
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::IBeamCursor);
        QApplication::restoreOverrideCursor();
        QVERIFY(!QApplication::overrideCursor());
    }

    void statusStripShowsTheTextInOneLabel()
    {
        QStatusBar bar;
        drawSharedStatus(&bar);
        drawSharedStatus(&bar); // every activation draws again
        const QList<QLabel*> labels = bar.findChildren<QLabel*>(u"labelStatus"_s);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first()->text(), u"Tirtamaya versi 2.0.0"_s);
        QCOMPARE(statusLabel(&bar), labels.first());
    }

    void statusStripTakesTheMainWindowsLook()
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
};

TIRTA_TEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
