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

QByteArray toolName(int index)
{
    return "ToolButton_" + QByteArray::number(index);
}

QByteArray blueName(int index)
{
    return "blueBtn_" + QByteArray::number(index);
}

QImage picture(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage picture(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool hasInk(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
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
/// pop-up panel sees it first (QTest's widget clicks go to the widget directly).
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

    QToolButton* tool(int index) const { return named<QToolButton>(m_band, toolName(index).constData()); }
    QAbstractButton* blue(int index) const
    {
        return named<QAbstractButton>(m_band, blueName(index).constData());
    }
    QWidget* dropDown() const { return named<QFrame>(m_band, "picDropDown"); }

    void openDropDown()
    {
        click(named<QToolButton>(m_band, "btnDropDown"));
        QTRY_VERIFY(m_band->isDropDownOpen());
    }

private Q_SLOTS:
    void init()
    {
        // The band above a line edit: the line edit is "elsewhere" for the drop-down panel.
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

    void cleanup()
    {
        m_window.reset();
        m_band = nullptr;
        m_elsewhere = nullptr;
    }

    void toolTipsFollowTheButtonTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("tip");
        QTest::newRow("parallel") << 1 << u"Padanan Ayat"_s;
        QTest::newRow("pericopes") << 2 << u"Perikop"_s;
        QTest::newRow("introduction") << 3 << u"Pengantar"_s;
        QTest::newRow("parables") << 4 << u"Perumpamaan"_s;
        QTest::newRow("prophecies") << 5 << u"Nubuat dan Penggenapannya"_s;
        QTest::newRow("map") << 6 << u"Peta"_s;
        QTest::newRow("dictionary") << 7 << u"Kamus"_s;
        QTest::newRow("deuterocanon") << 8 << u"Deuterokanonika"_s;
        QTest::newRow("bookmark") << 9 << u"Bookmark"_s;
        QTest::newRow("results") << 10 << u"Hasil Pencarian"_s;
        QTest::newRow("clipbook") << 11 << u"ClipBook"_s;
        QTest::newRow("list") << 12 << u"Daftar Hasil Pencarian"_s;
        QTest::newRow("search") << 13 << u"Hasil Pencarian"_s;
    }

    void toolTipsFollowTheButtonTable()
    {
        QFETCH(int, index);
        QFETCH(QString, tip);
        QCOMPARE(tool(index)->toolTip(), tip);
        QCOMPARE(blue(index)->toolTip(), tip);
        QCOMPARE(m_band->toolTipOf(index), tip);
    }

    void dropDownHoldsOnlyButtonsElevenToThirteen()
    {
        for (int i = 1; i <= ToolbarBand::kButtonCount; ++i)
            QCOMPARE(dropDown()->isAncestorOf(tool(i)), i >= 11);
        QVERIFY(!m_band->isDropDownOpen());
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

            click(tool(10));
            QTRY_COMPARE(seen.size(), 2 * step + 2);
            QCOMPARE(seen.last().index, 10);
            QCOMPARE(seen.last().tag, tag);
        }
    }

    void blueButtonsSwitchButtonTenToo()
    {
        m_band->setBlueStyle(true);
        QSignalSpy clicks(m_band, &ToolbarBand::toolClicked);
        click(blue(12));
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.last().at(0).toInt(), 12);
        QCOMPARE(m_band->resultsTag(), u"daftar"_s);
        QCOMPARE(blue(10)->toolTip(), u" Daftar Hasil Pencarian "_s);
        QCOMPARE(tool(10)->toolTip(), u" Daftar Hasil Pencarian "_s);
        click(blue(10));
        QCOMPARE(clicks.last().at(0).toInt(), 10);
        QCOMPARE(m_band->resultsTag(), u"daftar"_s);
    }

    void dropDownOpensBelowTheBarAndItsButtonClosesIt()
    {
        openDropDown();
        const QPoint panelTop = dropDown()->mapToGlobal(QPoint(0, 0));
        const QWidget* bar = named<QWidget>(m_band, "Picture1");
        QVERIFY(panelTop.y() >= tool(10)->mapToGlobal(QPoint(0, tool(10)->height())).y());
        QVERIFY(panelTop.y() <= bar->mapToGlobal(QPoint(0, bar->height())).y() + 2);

        click(named<QToolButton>(m_band, "btnDropDown"));
        QTRY_VERIFY(!m_band->isDropDownOpen());
        // The same click must not have opened it again.
        QCoreApplication::processEvents();
        QVERIFY(!m_band->isDropDownOpen());
    }

    void anyToolButtonClosesTheDropDown_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("parallel") << 1;
        QTest::newRow("map") << 6;
        QTest::newRow("results") << 10;
    }

    void anyToolButtonClosesTheDropDown()
    {
        QFETCH(int, index);
        QSignalSpy clicks(m_band, &ToolbarBand::toolClicked);
        openDropDown();
        click(tool(index));
        QTRY_VERIFY(!m_band->isDropDownOpen());
        QTRY_COMPARE(clicks.size(), 1);
        QCOMPARE(clicks.last().at(0).toInt(), index);
    }

    void toolClickedClosesTheDropDownFirst()
    {
        // The window may open another window from the signal; the panel is gone by then.
        bool openAtSignal = true;
        connect(m_band, &ToolbarBand::toolClicked, this, [&] { openAtSignal = m_band->isDropDownOpen(); });
        openDropDown();
        tool(4)->click();
        QVERIFY(!openAtSignal);
        QVERIFY(!m_band->isDropDownOpen());
    }

    void clickElsewhereClosesTheDropDown()
    {
        QSignalSpy clicks(m_band, &ToolbarBand::toolClicked);
        openDropDown();
        // Near the left end: the panel hangs over the middle of the line edit.
        click(m_elsewhere, QPoint(4, 4));
        QTRY_VERIFY(!m_band->isDropDownOpen());
        QCOMPARE(clicks.size(), 0);
    }

    void escapeOrMovingTheWindowClosesTheDropDown()
    {
        openDropDown();
        QTest::keyClick(m_elsewhere, Qt::Key_Escape);
        QVERIFY(!m_band->isDropDownOpen());

        // Left open, the panel would hang in the air beside the moved window.
        openDropDown();
        m_window->move(m_window->pos() + QPoint(30, 10));
        QTRY_VERIFY(!m_band->isDropDownOpen());
    }

    void hoverShowsTheToolTipAndLeavingTheIdleText()
    {
        const QString idle = tirta::ui::mainStatusIdleText();
        QVERIFY(idle.startsWith(u"Program Tirtamaya "_s));
        QSignalSpy status(m_band, &ToolbarBand::statusText);

        enter(tool(5));
        QCOMPARE(status.last().at(0).toString(), u"Nubuat dan Penggenapannya"_s);
        leave(tool(5));
        QCOMPARE(status.last().at(0).toString(), idle);

        // Button 10 announces the page it opens now.
        openDropDown();
        click(tool(11));
        QTRY_VERIFY(!m_band->isDropDownOpen());
        enter(tool(10));
        QCOMPARE(status.last().at(0).toString(), u" ClipBook "_s);
        leave(tool(10));

        m_band->setBlueStyle(true);
        enter(blue(7));
        QCOMPARE(status.last().at(0).toString(), u"Kamus"_s);
        leave(blue(7));
        QCOMPARE(status.last().at(0).toString(), idle);
    }

    void pointerMovesOverTheBarReportStatus()
    {
        QSignalSpy status(m_band, &ToolbarBand::statusText);
        QTest::mouseMove(tool(2));
        QTRY_VERIFY(!status.isEmpty() && status.last().at(0).toString() == u"Perikop"_s);
        QTest::mouseMove(m_elsewhere);
        QTRY_COMPARE(status.last().at(0).toString(), tirta::ui::mainStatusIdleText());
    }

    void closingTheDropDownUnderThePointerRestoresTheIdleText()
    {
        QSignalSpy status(m_band, &ToolbarBand::statusText);
        openDropDown();
        enter(tool(12));
        QCOMPARE(status.last().at(0).toString(), u"Daftar Hasil Pencarian"_s);
        m_band->closeDropDown();
        QCOMPARE(status.last().at(0).toString(), tirta::ui::mainStatusIdleText());
    }

    void switchedOffFeatureIsDisabledInBothStyles_data()
    {
        QTest::addColumn<bool>("blueStyle");
        QTest::newRow("standard") << false;
        QTest::newRow("blue") << true;
    }

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

    void styleSwitchShowsOneBarOnly()
    {
        QWidget* standard = named<QWidget>(m_band, "Picture1");
        QWidget* blueBar = named<QWidget>(m_band, "blueBar");
        QVERIFY(standard->isVisible());
        QVERIFY(!blueBar->isVisible());

        openDropDown();
        m_band->setBlueStyle(true);
        QVERIFY(m_band->isBlueStyle());
        QTRY_VERIFY(!m_band->isDropDownOpen());
        QVERIFY(!standard->isVisible());
        QVERIFY(blueBar->isVisible());
        QVERIFY(blue(13)->isVisible());
        // The blue bar has no drop-down panel.
        m_band->openDropDown();
        QVERIFY(!m_band->isDropDownOpen());

        m_band->setBlueStyle(false);
        QVERIFY(standard->isVisible());
        QVERIFY(!blueBar->isVisible());
    }

    void hiddenButtonLeavesNoGap()
    {
        QWidget* standard = named<QWidget>(m_band, "Picture1");
        const int before = standard->sizeHint().width();
        const int nextLeft = tool(8)->x();
        m_band->setButtonVisible(7, false);
        QVERIFY(tool(7)->isHidden());
        QVERIFY(blue(7)->isHidden());
        QVERIFY(standard->sizeHint().width() < before);
        QTRY_VERIFY(tool(8)->x() < nextLeft);

        m_band->setButtonVisible(7, true);
        QVERIFY(!tool(7)->isHidden() && !blue(7)->isHidden());
        QTRY_COMPARE(tool(8)->x(), nextLeft);
    }

    void narrowBandWrapsWithoutClipping_data()
    {
        QTest::addColumn<bool>("blueStyle");
        QTest::newRow("standard") << false;
        QTest::newRow("blue") << true;
    }

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

    void everyFunctionHasItsOwnPictogram()
    {
        QList<QImage> seen;
        for (int n = 0; n < tirta::reader::kPictogramCount; ++n) {
            const QImage image = picture(tirta::reader::toolIcon(Pictogram(n)).pixmap(24, 24));
            QVERIFY2(hasInk(image), qPrintable(u"pictogram %1 is empty"_s.arg(n)));
            QVERIFY2(!seen.contains(image), qPrintable(u"pictogram %1 repeats another"_s.arg(n)));
            seen.append(image);
        }
        // Buttons 10 and 13 both open the search results; every other button shows its own.
        QCOMPARE(tirta::reader::pictogramForButton(13), tirta::reader::pictogramForButton(10));
        QList<Pictogram> used;
        for (int i = 1; i <= 12; ++i) {
            QVERIFY(!used.contains(tirta::reader::pictogramForButton(i)));
            used.append(tirta::reader::pictogramForButton(i));
        }
    }

    void standardIconHasItsOwnDisabledLook()
    {
        for (int n = 0; n < tirta::reader::kPictogramCount; ++n) {
            const QIcon icon = tirta::reader::toolIcon(Pictogram(n));
            QVERIFY(
                picture(icon.pixmap(24, 24, QIcon::Normal)) != picture(icon.pixmap(24, 24, QIcon::Disabled)));
        }
    }

    void blueLooksDifferForEveryPictogram()
    {
        const QList<BlueLook> looks
            = { BlueLook::Normal, BlueLook::Hover, BlueLook::Pressed, BlueLook::Disabled };
        for (int n = 0; n < tirta::reader::kPictogramCount; ++n) {
            QList<QImage> seen;
            for (BlueLook look : looks) {
                const QImage image = picture(tirta::reader::bluePicture(Pictogram(n), look));
                QCOMPARE(image.size(), tirta::reader::blueButtonSize());
                QVERIFY2(!seen.contains(image), qPrintable(u"pictogram %1 repeats a look"_s.arg(n)));
                seen.append(image);
            }
        }
        // Sharp on a scaled screen: drawn at the device resolution, not stretched.
        const QPixmap doubled = tirta::reader::bluePicture(Pictogram::Map, BlueLook::Normal, { 28, 30 }, 2.0);
        QCOMPARE(doubled.size(), QSize(56, 60));
        QCOMPARE(doubled.devicePixelRatio(), 2.0);
    }
};

TIRTA_TEST_MAIN(ToolbarBandTest)
#include "tst_toolbarband.moc"
