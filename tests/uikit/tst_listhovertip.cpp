#include "support/testenv.h"
#include "uikit/listhovertip.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::ListHoverTip;

namespace {

void moveTo(QWidget* widget, const QPoint& pos)
{
    QMouseEvent event(
        QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QPoint centreOfRow(QListWidget* list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

// The pointer leaves `widget` for the middle of `pointerNowOver`.
void leave(QWidget* widget, QWidget* pointerNowOver)
{
    QCursor::setPos(pointerNowOver->mapToGlobal(pointerNowOver->rect().center()));
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestListHoverTip : public QObject
{
    Q_OBJECT

    QWidget* m_window = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_tip = nullptr;
    QWidget* m_other = nullptr;

    QPoint rowTopLeftInWindow(int row) const
    {
        return m_list->viewport()->mapTo(m_window, m_list->visualItemRect(m_list->item(row)).topLeft());
    }

private Q_SLOTS:
    void init()
    {
        m_window = new QWidget;
        m_window->resize(600, 400);
        m_list = new QListWidget(m_window);
        m_list->setGeometry(10, 10, 120, 300);
        m_list->addItems(
            { u"Kejadian"_s, u"Perumpamaan tentang penabur dan benih yang jatuh di tanah"_s, u"Rut"_s });
        for (int i = 0; i < 40; ++i)
            m_list->addItem(u"Butir %1"_s.arg(i));
        m_tip = new QLabel(m_window);
        m_other = new QWidget(m_window);
        m_other->setGeometry(200, 10, 300, 300);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
    }

    void overRowShowsOnlyCutText()
    {
        ListHoverTip hover(m_list, m_tip, ListHoverTip::Style::OverRowWhenCut);
        QSignalSpy hovered(&hover, &ListHoverTip::hovered);
        QVERIFY(!m_tip->isVisible());

        moveTo(m_list->viewport(), centreOfRow(m_list, 1));
        QCOMPARE(hover.hoveredRow(), 1);
        QVERIFY(m_tip->isVisible());
        QCOMPARE(m_tip->text(), m_list->item(1)->text());
        QVERIFY(m_tip->width() > m_list->width());
        QCOMPARE(m_tip->pos(), rowTopLeftInWindow(1));
        QCOMPARE(hovered.count(), 1);
        QCOMPARE(hovered.first().at(0).toInt(), 1);

        // Moving within the same row does not announce the row again.
        moveTo(m_list->viewport(), centreOfRow(m_list, 1) + QPoint(3, 0));
        QCOMPARE(hovered.count(), 1);

        // A text that fits needs no tip.
        moveTo(m_list->viewport(), centreOfRow(m_list, 2));
        QCOMPARE(hover.hoveredRow(), 2);
        QCOMPARE(m_tip->text(), u"Rut"_s);
        QVERIFY(!m_tip->isVisible());
        QCOMPARE(hovered.count(), 2);
    }

    void besideListAlwaysShowsTheTipToTheRight()
    {
        ListHoverTip hover(m_list, m_tip, ListHoverTip::Style::BesideList);
        moveTo(m_list->viewport(), centreOfRow(m_list, 2));
        QVERIFY(m_tip->isVisible());
        QCOMPARE(m_tip->text(), u"Rut"_s);
        QCOMPARE(m_tip->x(), m_list->geometry().right() + 1);
        QCOMPARE(m_tip->y(), rowTopLeftInWindow(2).y());

        // A refilled list no longer has the item, and a click on the tip selects nothing.
        m_list->clear();
        m_list->addItems({ u"Matius"_s, u"Markus"_s });
        QCOMPARE(hover.hoveredRow(), -1);
        QVERIFY(!m_tip->isVisible());
        QTest::mouseClick(m_tip, Qt::LeftButton);
        QCOMPARE(m_list->currentRow(), -1);
    }

    void noItemUnderThePointerChangesNothing()
    {
        while (m_list->count() > 2)
            delete m_list->takeItem(2);
        ListHoverTip hover(m_list, m_tip, ListHoverTip::Style::OverRowWhenCut);
        moveTo(m_list->viewport(), centreOfRow(m_list, 1));
        QVERIFY(m_tip->isVisible());
        const QPoint below(5, m_list->viewport()->height() - 2);
        QVERIFY(!m_list->itemAt(below));
        moveTo(m_list->viewport(), below);
        QVERIFY(m_tip->isVisible());
        QCOMPARE(hover.hoveredRow(), 1);
    }

    void clickingTheTipSelectsTheRememberedItem()
    {
        ListHoverTip hover(m_list, m_tip, ListHoverTip::Style::OverRowWhenCut);
        QSignalSpy clicked(&hover, &ListHoverTip::tipClicked);
        m_other->setFocusPolicy(Qt::StrongFocus);
        m_other->setFocus();
        moveTo(m_list->viewport(), centreOfRow(m_list, 1));
        QVERIFY(m_tip->isVisible());
        QTest::mouseClick(m_tip, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(m_list->currentRow(), 1);
        QCOMPARE(clicked.count(), 1);
        QTRY_VERIFY(m_list->hasFocus());
    }

    void tipGoesWhenThePointerOrTheListMovesOn()
    {
        ListHoverTip hover(m_list, m_tip, ListHoverTip::Style::BesideList);
        hover.hideWhenOver(m_other);
        // Over the top row, whichever it is.
        const auto showTip = [this] {
            moveTo(m_list->viewport(), QPoint(5, 5));
            return m_tip->isVisible();
        };
        QVERIFY(showTip());
        m_list->verticalScrollBar()->setValue(3);
        QVERIFY(!m_tip->isVisible());

        QVERIFY(showTip());
        moveTo(m_other, QPoint(20, 20));
        QVERIFY(!m_tip->isVisible());

        // A fast move out of the list gives no move over another widget, only the leave event.
        // Onto the tip, to click it: it stays; off the tip elsewhere: it goes.
        QVERIFY(showTip());
        leave(m_list, m_tip);
        QVERIFY(m_tip->isVisible());
        leave(m_tip, m_other);
        QVERIFY(!m_tip->isVisible());

        QVERIFY(showTip());
        leave(m_list, m_other);
        QVERIFY(!m_tip->isVisible());

        QVERIFY(showTip());
        m_list->hide();
        QVERIFY(!m_tip->isVisible());
    }
};

TIRTA_TEST_MAIN(TestListHoverTip)
#include "tst_listhovertip.moc"
