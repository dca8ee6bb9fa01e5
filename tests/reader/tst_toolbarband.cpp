#include "reader/toolbarband.h"
#include "reader/toolbaricons.h"
#include "support/testenv.h"
#include "uikit/statusstrip.h"
#include "uikit/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using tirta::reader::BlueLook;
using tirta::reader::Pictogram;
using tirta::reader::ToolbarBand;
using tirta::ui::named;

namespace {

QImage picture(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage picture(QWidget* widget)
{
    return picture(widget->grab());
}

/// Whether anything at all is drawn on a picture.
bool hasInk(const QImage& image)
{
    QImage blank(image.size(), image.format());
    blank.fill(Qt::transparent);
    return image != blank;
}

void enter(QWidget* widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QEnterEvent event(centre, widget->mapTo(widget->window(), centre), widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &event);
}

void leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

/// Clicks `target` the way the window system delivers a click: to its window, so that an open
/// drop-down panel sees it first (QTest's widget clicks go to the widget directly).
void click(QWidget* target, QPoint pos = {})
{
    if (pos.isNull())
        pos = target->rect().center();
    QWidget* top = target->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, target->mapTo(top, pos));
}

} // namespace

class ToolbarBandTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> m_window;
    ToolbarBand* m_band = nullptr;
    QLineEdit* m_elsewhere = nullptr;

    QToolButton* tool(int index) const
    {
        return named<QToolButton>(m_band, QByteArray("ToolButton_" + QByteArray::number(index)).constData());
    }
    QAbstractButton* blue(int index) const
    {
        return named<QAbstractButton>(m_band, QByteArray("blueBtn_" + QByteArray::number(index)).constData());
    }
    QString lastStatus(const QSignalSpy& status) const { return status.last().at(0).toString(); }

    /// One row for each style of the band.
    static void styleRows()
    {
        QTest::addColumn<bool>("blueStyle");
        QTest::newRow("standard") << false;
        QTest::newRow("blue") << true;
    }

    void openDropDown()
    {
        click(named<QToolButton>(m_band, "btnDropDown"));
        QTRY_VERIFY(m_band->isDropDownOpen());
    }

private Q_SLOTS:
    void init()
    {
        // The band above a line edit: the line edit is "elsewhere" for the drop-down panel. The
        // window of the test before goes here.
        m_window = std::make_unique<QWidget>();
        auto* column = new QVBoxLayout(m_window.get());
        m_band = new ToolbarBand(m_window.get());
        m_elsewhere = new QLineEdit(m_window.get());
        column->addWidget(m_band);
        column->addWidget(m_elsewhere);
        column->addStretch(1);
        m_window->resize(640, 300);
        m_window->move(20, 20);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void dropDownButtonsSwitchButtonTen()
    {
        QCOMPARE(m_band->resultsTag(), u"cari"_s);
        struct Seen
        {
            int index;
            QString tag;
            QString tip;
            bool open;
        };
        QList<Seen> seen;
        connect(m_band, &ToolbarBand::toolClicked, this, [&](int index) {
            seen.append({ index, m_band->resultsTag(), tool(10)->toolTip(), m_band->isDropDownOpen() });
        });

        const QList<std::pair<int, QString>> cycle
            = { { 11, u"clipbook"_s }, { 12, u"daftar"_s }, { 13, u"cari"_s } };
        const QStringList tips = { u" ClipBook "_s, u" Daftar Hasil Pencarian "_s, u" Hasil Pencarian "_s };
        for (int step = 0; step < cycle.size(); ++step) {
            const auto& [index, tag] = cycle[step];
            openDropDown();
            click(tool(index));
            QTRY_COMPARE(seen.size(), 2 * step + 1);
            // At the signal the panel is closed and button 10 already switched.
            QCOMPARE(seen.last().index, index);
            QCOMPARE(seen.last().tag, tag);
            QCOMPARE(seen.last().tip, tips[step]);
            QVERIFY(!seen.last().open);
            QCOMPARE(blue(10)->toolTip(), tips[step]);
            QCOMPARE(m_band->toolTipOf(10), tips[step]);

            click(tool(10));
            QTRY_COMPARE(seen.size(), 2 * step + 2);
            QCOMPARE(seen.last().index, 10);
            QCOMPARE(seen.last().tag, tag);
        }
        // The blue bar's buttons switch it too.
        m_band->setBlueStyle(true);
        click(blue(12));
        QCOMPARE(seen.last().index, 12);
        QCOMPARE(seen.last().tag, u"daftar"_s);
        QCOMPARE(seen.last().tip, tips[1]);
        QCOMPARE(blue(10)->toolTip(), tips[1]);
        click(blue(10));
        QCOMPARE(seen.last().index, 10);
        QCOMPARE(seen.last().tag, u"daftar"_s);
    }

    // The panel holds buttons 11 to 13 below the bar. It closes on its own button, on a press
    // anywhere else (which still reaches what it was aimed at), on Esc, when its window moves and
    // when the style changes.
    void theDropDownOpensBelowTheBarAndClosesWhenTheUserTurnsElsewhere()
    {
        QWidget* panel = named<QFrame>(m_band, "picDropDown");
        for (int i = 1; i <= ToolbarBand::kButtonCount; ++i)
            QCOMPARE(panel->isAncestorOf(tool(i)), i >= 11);
        QVERIFY(!m_band->isDropDownOpen());
        openDropDown();
        const QPoint panelTop = panel->mapToGlobal(QPoint(0, 0));
        const QWidget* bar = named<QWidget>(m_band, "Picture1");
        QVERIFY(panelTop.y() >= tool(10)->mapToGlobal(QPoint(0, tool(10)->height())).y());
        QVERIFY(panelTop.y() <= bar->mapToGlobal(QPoint(0, bar->height())).y() + 2);
        click(named<QToolButton>(m_band, "btnDropDown"));
        QTRY_VERIFY(!m_band->isDropDownOpen());
        // The same click must not have opened it again.
        QCoreApplication::processEvents();
        QVERIFY(!m_band->isDropDownOpen());

        QSignalSpy clicks(m_band, &ToolbarBand::toolClicked);
        openDropDown();
        // Near the left end of the line edit: the panel hangs over its middle.
        click(m_elsewhere, QPoint(4, 4));
        QTRY_VERIFY(!m_band->isDropDownOpen());
        QCOMPARE(clicks.size(), 0);
        openDropDown();
        click(tool(6));
        QTRY_VERIFY(!m_band->isDropDownOpen());
        QTRY_COMPARE(clicks.size(), 1);
        QCOMPARE(clicks.last().at(0).toInt(), 6);

        openDropDown();
        QTest::keyClick(m_elsewhere, Qt::Key_Escape);
        QVERIFY(!m_band->isDropDownOpen());
        // Left open, the panel would hang in the air beside the moved window.
        openDropDown();
        m_window->move(m_window->pos() + QPoint(30, 10));
        QTRY_VERIFY(!m_band->isDropDownOpen());

        openDropDown();
        m_band->setBlueStyle(true);
        QTRY_VERIFY(!m_band->isDropDownOpen());
        QVERIFY(!named<QWidget>(m_band, "Picture1")->isVisible());
        QVERIFY(blue(13)->isVisible());
        // The blue bar has no drop-down panel.
        m_band->openDropDown();
        QVERIFY(!m_band->isDropDownOpen());
    }

    void hoverShowsTheToolTipAndLeavingTheIdleText()
    {
        const QString idle = tirta::ui::mainStatusIdleText();
        QSignalSpy status(m_band, &ToolbarBand::statusText);
        enter(tool(5));
        QCOMPARE(lastStatus(status), u"Nubuat dan Penggenapannya"_s);
        leave(tool(5));
        QCOMPARE(lastStatus(status), idle);

        // Button 10 announces the page it opens now.
        openDropDown();
        click(tool(11));
        QTRY_VERIFY(!m_band->isDropDownOpen());
        enter(tool(10));
        QCOMPARE(lastStatus(status), u" ClipBook "_s);
        leave(tool(10));

        // A panel that closes under the pointer gives no leave event of its own.
        openDropDown();
        enter(tool(12));
        QCOMPARE(lastStatus(status), u"Daftar Hasil Pencarian"_s);
        m_band->closeDropDown();
        QCOMPARE(lastStatus(status), idle);

        m_band->setBlueStyle(true);
        enter(blue(7));
        QCOMPARE(lastStatus(status), u"Kamus"_s);
        leave(blue(7));
        QCOMPARE(lastStatus(status), idle);

        // The same from the pointer's real moves.
        QTest::mouseMove(blue(2));
        QTRY_COMPARE(lastStatus(status), u"Perikop"_s);
        QTest::mouseMove(m_elsewhere);
        QTRY_COMPARE(lastStatus(status), idle);
    }

    void switchedOffFeatureIsDisabledInBothStyles_data() { styleRows(); }
    void switchedOffFeatureIsDisabledInBothStyles()
    {
        QFETCH(bool, blueStyle);
        m_band->setBlueStyle(blueStyle);
        QWidget* shown = blueStyle ? static_cast<QWidget*>(blue(6)) : tool(6);
        QTRY_VERIFY(shown->isVisible());
        const QImage available = picture(shown);

        m_band->setFeatureAvailable(6, false);
        QCOMPARE(m_band->featureMark(6), u"_NON_AKTIF"_s);
        QCOMPARE(m_band->featureMark(5), QString());
        QVERIFY(!tool(6)->isEnabled());
        QVERIFY(!blue(6)->isEnabled());
        QVERIFY(tool(5)->isEnabled() && blue(5)->isEnabled());
        QVERIFY(picture(shown) != available);

        // A disabled button neither clicks nor announces itself.
        QSignalSpy clicks(m_band, &ToolbarBand::toolClicked);
        QSignalSpy status(m_band, &ToolbarBand::statusText);
        click(shown);
        enter(shown);
        QCOMPARE(clicks.size(), 0);
        QVERIFY(status.isEmpty());

        m_band->setFeatureAvailable(6, true);
        QCOMPARE(m_band->featureMark(6), QString());
        QVERIFY(tool(6)->isEnabled() && blue(6)->isEnabled());
        leave(shown);
        QCOMPARE(picture(shown), available);
    }

    void blueButtonShowsThreeDifferentPictures()
    {
        m_band->setBlueStyle(true);
        QAbstractButton* button = blue(3);
        QTRY_VERIFY(button->isVisible());
        const QImage normal = picture(button);
        enter(button);
        const QImage hover = picture(button);
        QTest::mousePress(button, Qt::LeftButton);
        const QImage pressed = picture(button);
        QTest::mouseRelease(button, Qt::LeftButton);
        leave(button);
        const QImage back = picture(button);

        QVERIFY(hasInk(normal));
        QVERIFY(normal != hover);
        QVERIFY(normal != pressed);
        QVERIFY(hover != pressed);
        QCOMPARE(back, normal);
    }

    void narrowBandWrapsWithoutClipping_data() { styleRows(); }
    void narrowBandWrapsWithoutClipping()
    {
        QFETCH(bool, blueStyle);
        m_band->setBlueStyle(blueStyle);
        QWidget* bar = named<QWidget>(m_band, blueStyle ? "blueBar" : "Picture1");
        const int wide = bar->height();
        m_window->resize(170, 300);
        QTRY_VERIFY(bar->height() > wide);

        QList<QRect> taken;
        const int last = blueStyle ? ToolbarBand::kButtonCount : 10;
        for (int i = 1; i <= last; ++i) {
            QWidget* button = blueStyle ? static_cast<QWidget*>(blue(i)) : tool(i);
            const QRect place(button->mapTo(bar, QPoint(0, 0)), button->size());
            QVERIFY2(bar->rect().contains(place), qPrintable(u"button %1 is cut off"_s.arg(i)));
            for (const QRect& other : taken)
                QVERIFY2(!other.intersects(place), qPrintable(u"button %1 overlaps another"_s.arg(i)));
            taken.append(place);
        }
        // The band grew to hold every row and pushed what lies below it down.
        QVERIFY(m_band->rect().contains(bar->geometry()));
        QVERIFY(m_band->geometry().bottom() < m_elsewhere->geometry().top());
    }

    // Every function has a picture of its own, with a greyed look and four distinct blue looks.
    void everyPictogramHasItsOwnLooks()
    {
        QList<QImage> seen;
        for (int n = 0; n < tirta::reader::kPictogramCount; ++n) {
            const QIcon icon = tirta::reader::toolIcon(Pictogram(n));
            const QImage image = picture(icon.pixmap(24, 24));
            QVERIFY2(hasInk(image), qPrintable(u"pictogram %1 is empty"_s.arg(n)));
            QVERIFY2(!seen.contains(image), qPrintable(u"pictogram %1 repeats another"_s.arg(n)));
            QVERIFY(image != picture(icon.pixmap(24, 24, QIcon::Disabled)));
            seen.append(image);
            QList<QImage> looks;
            for (BlueLook look :
                { BlueLook::Normal, BlueLook::Hover, BlueLook::Pressed, BlueLook::Disabled }) {
                const QImage blueImage = picture(tirta::reader::bluePicture(Pictogram(n), look));
                QCOMPARE(blueImage.size(), tirta::reader::blueButtonSize());
                QVERIFY2(!looks.contains(blueImage), qPrintable(u"pictogram %1 repeats a look"_s.arg(n)));
                looks.append(blueImage);
            }
        }
        // Buttons 10 and 13 both open the search results; every other button shows its own.
        QCOMPARE(tirta::reader::pictogramForButton(13), tirta::reader::pictogramForButton(10));
        QList<Pictogram> used;
        for (int i = 1; i <= 12; ++i) {
            QVERIFY(!used.contains(tirta::reader::pictogramForButton(i)));
            used.append(tirta::reader::pictogramForButton(i));
        }
        // Sharp on a scaled screen: drawn at the device resolution, not stretched.
        const QPixmap doubled = tirta::reader::bluePicture(Pictogram::Map, BlueLook::Normal, { 28, 30 }, 2.0);
        QCOMPARE(doubled.size(), QSize(56, 60));
        QCOMPARE(doubled.devicePixelRatio(), 2.0);
    }
};

TIRTA_TEST_MAIN(ToolbarBandTest)
#include "tst_toolbarband.moc"
