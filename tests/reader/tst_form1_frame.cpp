#include "reader/searchbar.h"
#include "reader/toolbarband.h"
#include "support/readerwindow.h"
#include "support/testenv.h"
#include "uikit/statusstrip.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;
using tirta::reader::ToolbarBand;
using tirta::test::ReaderWindow;
using tirta::ui::named;

namespace {

/// The bands of the window that are shown, top to bottom.
QStringList visibleBands(Form1& form)
{
    QStringList shown;
    for (const char* band : { "toolbarBand", "picSearchBar", "Frame1", "picStatusBar", "RestoreBar" }) {
        if (named<QWidget>(&form, band)->isVisible())
            shown << QLatin1StringView(band);
    }
    return shown;
}

/// The sample Bible whose menu switches turn the features `off` off.
tirta::test::FixtureBuilder bibleWithout(const QStringList& off)
{
    auto builder = tirta::test::sampleBible();
    for (const QString& key : off)
        builder.row(u"UsysMenu"_s, { { u"NamaMenu"_s, key }, { u"Aktif"_s, false } });
    return builder;
}

} // namespace

class Form1FrameTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What the data file switches off is hidden; what other libraries provide waits for them; the
    // reader's own items work at once.
    void featuresFollowTheDataFileAndTheirLibraries()
    {
        auto builder = bibleWithout({ u"Peta"_s, u"Commentary"_s });
        builder.row(u"UsysMenu"_s, { { u"NamaMenu"_s, u"Kamus"_s }, { u"Aktif"_s, true } });
        ReaderWindow reader;
        QVERIFY(reader.open(builder));
        QVERIFY(!reader.action("MenuPeta")->isVisible());
        QVERIFY(!reader.action("MenuCommentary")->isVisible());
        QVERIFY(reader.action("MenuKamus")->isVisible());
        QVERIFY(reader.action("MenuPerikop")->isVisible()); // not mentioned: offered
        // The sample file has themes and a third deuterocanonical column without text.
        QVERIFY(reader.action("MenuTematik")->isVisible());
        QVERIFY(!reader.action("MenuDeutero3")->isVisible());
        for (const char* own : { "MenuAbout", "MenuSettingFont", "menuSettingLokasiData", "MenuHasil",
                 "MenuDaftar", "MenuClipBook", "menuPadanan", "MenuPencarianOptimal", "MenuPencarianHapus",
                 "menuSettingSimpan", "menuToolbarTY", "menuSettingToolbar", "menuSettingPencarian",
                 "menuSettingKitab", "menuSettingStatus", "MenuPilihSemua", "MenuPilihAyat" })
            QVERIFY2(reader.action(own)->isEnabled() && reader.action(own)->isVisible(), own);

        // Nothing installed: every feature waits, whatever the data file says.
        QAction* dictionary = reader.form().featureAction(tirta::ui::Feature::Kamus);
        QVERIFY(!dictionary->isEnabled());
        QVERIFY(!reader.control<QToolButton>("ToolButton_7")->isEnabled());
        QVERIFY(reader.control<QToolButton>("ToolButton_1")->isEnabled());
        QSignalSpy opened(dictionary, &QAction::triggered);
        dictionary->setEnabled(true);
        reader.form().featureAction(tirta::ui::Feature::Peta)->setEnabled(true);
        QVERIFY(reader.control<QToolButton>("ToolButton_7")->isEnabled());
        reader.control<QToolButton>("ToolButton_7")->click();
        QCOMPARE(opened.count(), 1);
        // A feature the data file switches off keeps its button off even when installed.
        QVERIFY(!reader.control<QToolButton>("ToolButton_6")->isEnabled());
    }

    void followersHearOfBooksChaptersAndTheEnd()
    {
        ReaderWindow reader;
        QVERIFY(reader.open());
        tirta::ui::ReaderEvents& events = reader.form().events();
        QSignalSpy books(&events, &tirta::ui::ReaderEvents::bookChanged);
        QSignalSpy chapters(&events, &tirta::ui::ReaderEvents::chapterChanged);
        QSignalSpy ending(&events, &tirta::ui::ReaderEvents::unloading);
        reader.control<QListWidget>("List1")->setCurrentRow(1);
        QCOMPARE(books.count(), 1);
        QCOMPARE(books.at(0).at(0).toString(), u"Keluaran"_s);
        QCOMPARE(reader.form().currentBook(), u"Keluaran"_s);
        QCOMPARE(chapters.last().at(0).toString(), u"Keluaran"_s);
        QCOMPARE(chapters.last().at(1).toInt(), 1);

        QString reference = u"Kejadian#2:1"_s;
        reader.form().JumpLocation(reference);
        QCOMPARE(chapters.last().at(1).toInt(), 2);
        QCOMPARE(reader.form().currentChapter(), 2);
        QCOMPARE(ending.count(), 0);
        reader.close();
        QCOMPARE(ending.count(), 1);
    }

    // "Artikel" on a file without study material: the menu does not open empty.
    void aMenuWithEveryItemSwitchedOffIsHidden_data()
    {
        QTest::addColumn<QStringList>("off");
        QTest::addColumn<bool>("artikel");
        QTest::addColumn<bool>("deutero");
        const QStringList study { u"Perikop"_s, u"Pengantar"_s, u"Perumpamaan"_s, u"Peta"_s, u"Kamus"_s,
            u"Nubuat"_s, u"Commentary"_s, u"Keterangan"_s, u"Tematik"_s };
        QTest::newRow("no study material") << study << false << true;
        QTest::newRow("one item left") << study.mid(1) << true << true;
        QTest::newRow("no deuterocanonical books") << QStringList { u"Deuterokanonika"_s } << true << false;
    }
    void aMenuWithEveryItemSwitchedOffIsHidden()
    {
        QFETCH(QStringList, off);
        QFETCH(bool, artikel);
        QFETCH(bool, deutero);
        ReaderWindow reader;
        QVERIFY(reader.open(bibleWithout(off)));
        QCOMPARE(named<QMenu>(&reader.form(), "MenuArtikel")->menuAction()->isVisible(), artikel);
        QCOMPARE(named<QMenu>(&reader.form(), "MenuDeuterokanonika")->menuAction()->isVisible(), deutero);
        QVERIFY(named<QMenu>(&reader.form(), "MenuVersi")->menuAction()->isVisible());
    }

    // At every width the window allows, no control of the search bar lies over another or is
    // squeezed below the width its caption needs, and the bar lies inside its band. A window made
    // smaller than that snaps to the least it allows.
    void aNarrowWindowKeepsEveryCaptionWhole()
    {
        ReaderWindow reader;
        QVERIFY(reader.open());
        auto* band = reader.control<QWidget>("picSearchBar");
        auto* bar = reader.control<QWidget>("SearchBar");
        const auto problem = [&]() -> QString {
            if (!band->rect().contains(bar->geometry()))
                return u"the bar leaves its band"_s;
            const QList<QWidget*> controls = bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (const QWidget* c : controls) {
                const int needed
                    = std::min(std::max(c->minimumSizeHint().width(), c->minimumWidth()), c->maximumWidth());
                if (!bar->rect().contains(c->geometry()) || c->width() < needed)
                    return c->objectName() + u" is cut"_s;
                for (const QWidget* other : controls) {
                    if (other != c && other->geometry().intersects(c->geometry()))
                        return c->objectName() + u" lies over "_s + other->objectName();
                }
            }
            return {};
        };
        Form1& form = reader.form();
        for (const int width : { 750, 400, 640, 750, 400 }) {
            form.resize(width, 480);
            QTRY_COMPARE(form.width(), width);
            QTRY_COMPARE(problem(), QString());
        }
        form.resize(405, 600);
        QTRY_COMPARE(form.width(), 400);
        QCOMPARE(form.height(), 600);
        form.resize(500, 385);
        QTRY_COMPARE(form.height(), 380);
        QCOMPARE(form.width(), 500);
        form.resize(640, 480);
        QTRY_COMPARE(form.size(), QSize(640, 480));
    }

    void toolbarFollowsTheViewMenu()
    {
        ReaderWindow reader;
        QVERIFY(reader.open());
        auto* band = reader.control<ToolbarBand>("toolbarBand");
        QVERIFY(band->isBlueStyle()); // the first start uses the blue bar
        reader.action("menuToolbarTY")->trigger();
        QVERIFY(!band->isBlueStyle());
        QVERIFY(reader.control<QWidget>("Picture1")->isVisible());
        QVERIFY(!reader.control<QWidget>("blueBar")->isVisible());

        band->openDropDown();
        QTRY_VERIFY(band->isDropDownOpen());
        Q_EMIT reader.control<QComboBox>("Combo1")->activated(2);
        QVERIFY(!band->isDropDownOpen());

        // Button 1 shows and hides the parallel pane.
        auto* parallel = reader.control<QTextEdit>("rtf2");
        auto* button = reader.control<QToolButton>("ToolButton_1");
        QVERIFY(!parallel->isVisible());
        button->click();
        QVERIFY(parallel->isVisible());
        QVERIFY(reader.action("menuPadanan")->isChecked());
        button->click();
        QVERIFY(!parallel->isVisible());

        // The status bar names the button under the pointer.
        auto* status = named<QLabel>(&reader.form(), "labelStatus");
        QCOMPARE(status->text(), tirta::ui::mainStatusIdleText());
        QTest::mouseMove(button);
        QTRY_COMPARE(status->text(), u"Padanan Ayat"_s);
    }

    void enlargedViewRestoresExactlyTheBandsThatWereShown()
    {
        ReaderWindow reader;
        QVERIFY(reader.open());
        Form1& form = reader.form();
        const QStringList all { u"toolbarBand"_s, u"picSearchBar"_s, u"Frame1"_s, u"picStatusBar"_s };
        QCOMPARE(visibleBands(form), all);
        // The book name beside the list goes with the book panel, not staying over the text.
        auto* books = reader.control<QListWidget>("List1");
        const QPoint row = books->visualItemRect(books->item(0)).center();
        QMouseEvent move(QEvent::MouseMove, row, books->viewport()->mapToGlobal(row), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(books->viewport(), &move);
        QVERIFY(reader.control<QLabel>("Label3")->isVisible());
        QTest::keyClick(&form, Qt::Key_F11);
        QCOMPARE(visibleBands(form), QStringList { u"RestoreBar"_s });
        QVERIFY(!reader.control<QLabel>("Label3")->isVisible());
        QTest::keyClick(&form, Qt::Key_F11);
        QCOMPARE(visibleBands(form), all);

        // "Tampilan Normal" is offered only when a band other than the status bar is hidden.
        const auto normalViewOffered = [&] {
            Q_EMIT named<QMenu>(&form, "menuTampilan")->aboutToShow();
            return reader.action("menuSettingNormal")->isEnabled();
        };
        QVERIFY(!normalViewOffered());
        reader.action("menuSettingStatus")->trigger();
        QVERIFY(!normalViewOffered());
        reader.action("menuSettingKitab")->trigger();
        QVERIFY(normalViewOffered());
        reader.action("menuSettingPencarian")->trigger();
        const QStringList before = visibleBands(form);
        QCOMPARE(before, QStringList { u"toolbarBand"_s });
        QTest::keyClick(&form, Qt::Key_F11);
        QCOMPARE(visibleBands(form), QStringList { u"RestoreBar"_s });
        QTest::keyClick(&form, Qt::Key_F11);
        QCOMPARE(visibleBands(form), before);
        QTest::keyClick(&form, Qt::Key_F11);
        reader.control<QPushButton>("rbCommand")->click();
        QCOMPARE(visibleBands(form), before);
        // Showing a band from the menu ends the enlarged view as well.
        QTest::keyClick(&form, Qt::Key_F11);
        reader.action("menuSettingStatus")->trigger();
        QCOMPARE(visibleBands(form), QStringList { u"picStatusBar"_s });
    }

    void searchBarGoesBackHome()
    {
        ReaderWindow reader;
        QVERIFY(reader.open());
        reader.form().resize(1000, 600);
        auto* bar = reader.control<tirta::reader::DraggableBar>("SearchBar");
        auto* reset = reader.control<QToolButton>("cmdResetPos");
        QTRY_VERIFY(bar->parentWidget()->width() > bar->width());
        QVERIFY(!reset->isVisible());
        const QPoint grip(bar->width() - 2, bar->height() / 2);
        QTest::mousePress(bar, Qt::LeftButton, {}, grip);
        QMouseEvent move(QEvent::MouseMove, QPointF(grip - QPoint(40, 0)),
            bar->mapToGlobal(QPointF(grip - QPoint(40, 0))), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, grip - QPoint(40, 0));
        // Dragging left from home is held at the band's edge.
        QCOMPARE(bar->x(), 0);
        bar->shift(60);
        QCOMPARE(bar->x(), 60);
        QVERIFY(reset->isVisible());
        reset->click();
        QCOMPARE(bar->x(), 0);
        QVERIFY(!reset->isVisible());
        bar->shift(30);
        QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 2, 2));
        QCOMPARE(bar->x(), 0);
    }

    void sideBySideUsesThreeFifthsOfTheScreen_data()
    {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("normal") << false;
        QTest::newRow("maximized") << true;
    }
    void sideBySideUsesThreeFifthsOfTheScreen()
    {
        QFETCH(bool, maximized);
        ReaderWindow reader;
        QVERIFY(reader.open());
        Form1& form = reader.form();
        QWidget side;
        form.RecordWindowSize();
        const QSize recorded = form.size();
        if (maximized)
            form.showMaximized();
        form.arrangeSideBySide(&side);
        QVERIFY(!form.isMaximized());
        QCOMPARE(form.height(), recorded.height());
        // The outer frames share the screen: three fifths, the rest beside, touching.
        const QRect screen = form.screen()->availableGeometry();
        QCOMPARE(form.frameGeometry().width(), screen.width() * 6 / 10);
        QCOMPARE(side.frameGeometry().x(), form.frameGeometry().right() + 1);
        QCOMPARE(side.frameGeometry().right(), screen.right());
        QCOMPARE(form.frameGeometry().x(), screen.x());
        QCOMPARE(side.height(), form.height());
        QVERIFY(side.isVisible());
        form.restoreRecordedSize();
        QCOMPARE(form.size(), recorded);
    }
};

TIRTA_TEST_MAIN(Form1FrameTest)
#include "tst_form1_frame.moc"
