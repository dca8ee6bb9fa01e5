#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QApplication>
#include <QCursor>
#include <QListWidget>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::ui;

namespace {

bool waitCursorShown()
{
    return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void namedFindsADescendantByNameAndType();
    void updatesGuardFreezesAndRestores();
    void nestedGuardsRestoreOnlyAtTheOutermost();
    void guardLeavesAWindowFrozenByItsOwnerFrozen();
    void guardSurvivesTheWindowGoingAway();
    void busyCursorNestsWithGuards();
};

void TestWidgets::namedFindsADescendantByNameAndType()
{
    QWidget window;
    auto* panel = new QWidget(&window);
    auto* list = new QListWidget(panel);
    list->setObjectName(u"List1"_s);
    auto* text = new QTextEdit(&window);
    text->setObjectName(u"rtf1"_s);
    QCOMPARE(named<QListWidget>(&window, "List1"), list);
    QCOMPARE(named<QTextEdit>(&window, "rtf1"), text);
    QCOMPARE(named<QWidget>(&window, "List1"), static_cast<QWidget*>(list));
}

void TestWidgets::updatesGuardFreezesAndRestores()
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

void TestWidgets::nestedGuardsRestoreOnlyAtTheOutermost()
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

void TestWidgets::guardLeavesAWindowFrozenByItsOwnerFrozen()
{
    QWidget window;
    window.setUpdatesEnabled(false);
    {
        UpdatesGuard guard(&window);
    }
    QVERIFY(!window.updatesEnabled());
}

void TestWidgets::guardSurvivesTheWindowGoingAway()
{
    auto* window = new QWidget;
    {
        UpdatesGuard guard(window);
        delete window;
    }
    QVERIFY(!QApplication::overrideCursor());
}

void TestWidgets::busyCursorNestsWithGuards()
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

TIRTA_TEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
