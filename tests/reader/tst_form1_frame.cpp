#include "reader/form1.h"
#include "reader/searchbar.h"
#include "reader/toolbarband.h"
#include "support/readerharness.h"
#include "support/samplebible.h"
#include "support/testenv.h"
#include "uikit/filedialog.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::named;

class Form1FrameTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<tirta::test::ReaderHarness> m_harness;

    std::unique_ptr<Form1> openReader(const tirta::test::FixtureBuilder& builder = tirta::test::sampleBible())
    {
        return m_harness->open(builder);
    }

    static QAction* action(Form1& form, const QString& name) { return form.findChild<QAction*>(name); }

    static QStringList visibleBands(Form1& form)
    {
        QStringList shown;
        for (const char* band : { "toolbarBand", "picSearchBar", "Frame1", "picStatusBar", "RestoreBar" }) {
            if (named<QWidget>(&form, band)->isVisible())
                shown << QLatin1StringView(band);
        }
        return shown;
    }

private Q_SLOTS:
    void init() { m_harness = std::make_unique<tirta::test::ReaderHarness>(); }

    void everyMenuItemIsThereWithItsCaption_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const QList<std::pair<const char*, const char*>> items {
            { "MenuPerikop", "Daftar Perikop Alkitab" },
            { "MenuKeterangan", "Keterangan Alkitab" },
            { "MenuPengantar", "Pengantar Kitab" },
            { "MenuPerumpamaan", "Daftar Perumpamaan Yesus" },
            { "MenuNubuat", "Daftar Nubuat dan Penggenapan" },
            { "MenuPeta", "Peta Alkitab" },
            { "MenuKamus", "Kamus Alkitab" },
            { "MenuTematik", "Ayat-ayat Tematik" },
            { "menuPadanan", "Padanan Alkitab" },
            { "MenuHasil", "Jendela Hasil Pencarian" },
            { "MenuDaftar", "Daftar Hasil Pencarian" },
            { "MenuClipBook", "ClipBook" },
            { "MenuTips", "Tip Penggunaan Program" },
            { "MenuSettingFont", "Ubah Ukuran dan Jenis Font..." },
            { "MenuPencarianOptimal", "Pencarian Optimal" },
            { "MenuPencarianHapus", "Hapus Hasil Pencarian saat keluar dari program" },
            { "menuSettingLokasiData", "Lokasi Data..." },
            { "menuSettingSimpan", "Selalu simpan setting program" },
            { "menuToolbarTY", "Toolbar Khas TY" },
            { "MenuSettingTerpisah", "Tampilkan Pengantar di Jendela Terpisah" },
            { "MenuShowTip", "Tampilkan Tip di Awal Program" },
            { "menuSettingNormal", "Tampilan Normal" },
            { "menuSettingToolbar", "Tampilkan Toolbar" },
            { "menuSettingPencarian", "Tampilkan Kotak Pencarian" },
            { "menuSettingKitab", "Tampilkan Daftar Kitab" },
            { "menuSettingStatus", "Tampilkan Status Bar" },
            { "MenuHelp", "Panduan Program" },
            { "MenuAbout", "Tentang Tirtamaya" },
            { "menuEtika", "Etika Pengutipan Alkitab" },
            { "menuHakCipta", "Hak Cipta" },
            { "MenuBookmark", "Bookmark" },
            { "MenuPilihSemua", "Pilih Semua" },
            { "MenuPilihAyat", "Pilih ayat" },
            { "menuCopy", "Copy" },
            { "MenuCopyClipBook", "Copy ke ClipBook" },
            { "menuPadananPilihSemua", "Pilih Semua" },
            { "menuCopyPadanan", "Copy ke ClipBook" },
            { "menuPadananSeluruh", "Tampilkan Seluruh Pasal" },
        };
        for (const auto& [name, caption] : items)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption);
    }
    void everyMenuItemIsThereWithItsCaption()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        auto form = openReader();
        QVERIFY(form);
        QAction* item = action(*form, name);
        QVERIFY2(item, qPrintable(name));
        QCOMPARE(item->text(), caption);
    }

    void itemsOfThisProgramAreAvailable_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : { "MenuAbout", "MenuSettingFont", "menuSettingLokasiData", "MenuHasil",
                 "MenuDaftar", "MenuClipBook", "menuPadanan", "MenuPencarianOptimal", "MenuPencarianHapus",
                 "menuSettingSimpan", "menuToolbarTY", "menuSettingToolbar", "menuSettingPencarian",
                 "menuSettingKitab", "menuSettingStatus", "MenuPilihSemua", "MenuPilihAyat" })
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void itemsOfThisProgramAreAvailable()
    {
        QFETCH(QString, name);
        auto form = openReader();
        QVERIFY(form);
        QVERIFY(action(*form, name)->isEnabled());
        QVERIFY(action(*form, name)->isVisible());
    }

    void menuBarCaptionsCarryTheirAccelerators()
    {
        auto form = openReader();
        QVERIFY(form);
        QStringList captions;
        for (QAction* top : form->menuBar()->actions())
            captions << top->text();
        QCOMPARE(captions,
            QStringList({ u"&Alkitab"_s, u"&Deuterokanonika"_s, u"A&rtikel"_s, u"&Lihat"_s, u"&Setting"_s,
                u"&Tampilan"_s, u"Info"_s }));
    }

    void switchedOffFeaturesAreHidden()
    {
        auto builder = tirta::test::sampleBible();
        builder.row(u"UsysMenu"_s, { { u"NamaMenu"_s, u"Peta"_s }, { u"Aktif"_s, false } });
        builder.row(u"UsysMenu"_s, { { u"NamaMenu"_s, u"Kamus"_s }, { u"Aktif"_s, true } });
        builder.row(u"UsysMenu"_s, { { u"NamaMenu"_s, u"Commentary"_s }, { u"Aktif"_s, false } });
        auto form = openReader(builder);
        QVERIFY(form);
        QVERIFY(!action(*form, u"MenuPeta"_s)->isVisible());
        QVERIFY(!action(*form, u"MenuCommentary"_s)->isVisible());
        QVERIFY(action(*form, u"MenuKamus"_s)->isVisible());
        QVERIFY(action(*form, u"MenuPerikop"_s)->isVisible()); // not mentioned: offered
        // The sample file has themes and a third deuterocanonical column without text.
        QVERIFY(action(*form, u"MenuTematik"_s)->isVisible());
        QVERIFY(!action(*form, u"MenuDeutero3"_s)->isVisible());
        auto* band = named<tirta::reader::ToolbarBand>(form.get(), "toolbarBand");
        QCOMPARE(band->featureMark(6), u"_NON_AKTIF"_s);
        QVERIFY(!named<QWidget>(form.get(), "ToolButton_6")->isEnabled());
        QVERIFY(!named<QWidget>(form.get(), "blueBtn_6")->isEnabled());
        QVERIFY(named<QWidget>(form.get(), "ToolButton_1")->isEnabled());
    }

    void featureButtonsFollowTheLibrariesAndTheSwitches()
    {
        auto builder = tirta::test::sampleBible();
        builder.row(u"UsysMenu"_s, { { u"NamaMenu"_s, u"Peta"_s }, { u"Aktif"_s, false } });
        auto form = openReader(builder);
        QVERIFY(form);
        auto* dictionary = form->featureAction(tirta::ui::Feature::Kamus);
        auto* maps = form->featureAction(tirta::ui::Feature::Peta);
        // Nothing installed: every feature waits, whatever the data file says.
        QVERIFY(!dictionary->isEnabled());
        QVERIFY(!named<QWidget>(form.get(), "ToolButton_7")->isEnabled());

        QSignalSpy opened(dictionary, &QAction::triggered);
        dictionary->setEnabled(true);
        maps->setEnabled(true);
        QVERIFY(named<QWidget>(form.get(), "ToolButton_7")->isEnabled());
        QVERIFY(named<QWidget>(form.get(), "blueBtn_7")->isEnabled());
        named<QToolButton>(form.get(), "ToolButton_7")->click();
        QCOMPARE(opened.count(), 1);
        // A feature the data file switches off keeps its button off even when installed.
        QVERIFY(!named<QWidget>(form.get(), "ToolButton_6")->isEnabled());
    }

    void followersHearOfBooksChaptersAndTheEnd()
    {
        auto form = openReader();
        QVERIFY(form);
        tirta::ui::ReaderEvents& events = form->events();
        QSignalSpy books(&events, &tirta::ui::ReaderEvents::bookChanged);
        QSignalSpy chapters(&events, &tirta::ui::ReaderEvents::chapterChanged);
        QSignalSpy ending(&events, &tirta::ui::ReaderEvents::unloading);
        named<QListWidget>(form.get(), "List1")->setCurrentRow(1);
        QCOMPARE(books.count(), 1);
        QCOMPARE(books.at(0).at(0).toString(), u"Keluaran"_s);
        QCOMPARE(form->currentBook(), u"Keluaran"_s);
        QCOMPARE(chapters.last().at(0).toString(), u"Keluaran"_s);
        QCOMPARE(chapters.last().at(1).toInt(), 1);

        QString reference = u"Kejadian#2:1"_s;
        form->JumpLocation(reference);
        QCOMPARE(chapters.last().at(1).toInt(), 2);
        QCOMPARE(form->currentChapter(), 2);
        QCOMPARE(ending.count(), 0);
        form->close();
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
        auto builder = tirta::test::sampleBible();
        for (const QString& key : off)
            builder.row(u"UsysMenu"_s, { { u"NamaMenu"_s, key }, { u"Aktif"_s, false } });
        auto form = openReader(builder);
        QVERIFY(form);
        QCOMPARE(named<QMenu>(form.get(), "MenuArtikel")->menuAction()->isVisible(), artikel);
        QCOMPARE(named<QMenu>(form.get(), "MenuDeuterokanonika")->menuAction()->isVisible(), deutero);
        QVERIFY(named<QMenu>(form.get(), "MenuVersi")->menuAction()->isVisible());
    }

    // The book name beside the list goes when the book panel does (F11), not staying over the text.
    void theBookNameTipGoesWithTheBookPanel()
    {
        auto form = openReader();
        QVERIFY(form);
        auto* books = named<QListWidget>(form.get(), "List1");
        const QPoint row = books->visualItemRect(books->item(0)).center();
        QMouseEvent move(QEvent::MouseMove, row, books->viewport()->mapToGlobal(row), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(books->viewport(), &move);
        auto* tip = named<QLabel>(form.get(), "Label3");
        QVERIFY(tip->isVisible());
        action(*form, u"enlargedView"_s)->trigger();
        QVERIFY(!tip->isVisible());
    }

    // At every width the window allows, no control of the search bar lies over another or is
    // squeezed below the width its caption needs, and the bar lies inside its band.
    void searchBarKeepsEveryCaptionWhole()
    {
        auto form = openReader();
        QVERIFY(form);
        auto* band = named<QWidget>(form.get(), "picSearchBar");
        auto* bar = named<QWidget>(form.get(), "SearchBar");
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
        for (const int width : { 750, 400, 640, 750, 400 }) {
            form->resize(width, 480);
            QTRY_COMPARE(form->width(), width);
            QTRY_COMPARE(problem(), QString());
        }
    }

    void toolbarFollowsTheViewMenu()
    {
        auto form = openReader();
        QVERIFY(form);
        auto* band = named<tirta::reader::ToolbarBand>(form.get(), "toolbarBand");
        QVERIFY(band->isBlueStyle()); // the first start uses the blue bar
        action(*form, u"menuToolbarTY"_s)->trigger();
        QVERIFY(!band->isBlueStyle());
        QVERIFY(named<QWidget>(form.get(), "Picture1")->isVisible());
        QVERIFY(!named<QWidget>(form.get(), "blueBar")->isVisible());

        band->openDropDown();
        QTRY_VERIFY(band->isDropDownOpen());
        auto* verseBox = named<QComboBox>(form.get(), "Combo1");
        Q_EMIT verseBox->activated(2);
        QVERIFY(!band->isDropDownOpen());

        // Button 1 shows and hides the parallel pane.
        auto* parallel = named<QTextEdit>(form.get(), "rtf2");
        QVERIFY(!parallel->isVisible());
        named<QToolButton>(form.get(), "ToolButton_1")->click();
        QVERIFY(parallel->isVisible());
        QVERIFY(action(*form, u"menuPadanan"_s)->isChecked());
        named<QToolButton>(form.get(), "ToolButton_1")->click();
        QVERIFY(!parallel->isVisible());

        // The status bar names the button under the pointer.
        auto* status = named<QLabel>(form.get(), "labelStatus");
        QCOMPARE(status->text(), u"Program Tirtamaya  2.0.0 "_s);
    }

    void enlargedViewRestoresExactlyTheBandsThatWereShown()
    {
        auto form = openReader();
        QVERIFY(form);
        QCOMPARE(visibleBands(*form),
            QStringList({ u"toolbarBand"_s, u"picSearchBar"_s, u"Frame1"_s, u"picStatusBar"_s }));
        action(*form, u"menuSettingPencarian"_s)->trigger(); // hide the search bar
        action(*form, u"menuSettingStatus"_s)->trigger(); // and the status bar
        const QStringList before = visibleBands(*form);
        QCOMPARE(before, QStringList({ u"toolbarBand"_s, u"Frame1"_s }));

        QTest::keyClick(form.get(), Qt::Key_F11);
        QCOMPARE(visibleBands(*form), QStringList { u"RestoreBar"_s });
        QTest::keyClick(form.get(), Qt::Key_F11);
        QCOMPARE(visibleBands(*form), before);

        QTest::keyClick(form.get(), Qt::Key_F11);
        named<QPushButton>(form.get(), "rbCommand")->click();
        QCOMPARE(visibleBands(*form), before);
    }

    void normalViewItemIsOnlyOfferedWhenSomethingIsHidden()
    {
        auto form = openReader();
        QVERIFY(form);
        QMenu* view = form->findChild<QMenu*>(u"menuTampilan"_s);
        Q_EMIT view->aboutToShow();
        QVERIFY(!action(*form, u"menuSettingNormal"_s)->isEnabled());
        action(*form, u"menuSettingKitab"_s)->trigger();
        QVERIFY(!named<QGroupBox>(form.get(), "Frame1")->isVisible());
        Q_EMIT view->aboutToShow();
        QVERIFY(action(*form, u"menuSettingNormal"_s)->isEnabled());
        // The status bar does not count.
        action(*form, u"menuSettingKitab"_s)->trigger();
        action(*form, u"menuSettingStatus"_s)->trigger();
        Q_EMIT view->aboutToShow();
        QVERIFY(!action(*form, u"menuSettingNormal"_s)->isEnabled());
    }

    void aSmallWindowSnapsToItsMinimum()
    {
        auto form = openReader();
        QVERIFY(form);
        form->resize(405, 600);
        QTRY_COMPARE(form->width(), 400);
        QCOMPARE(form->height(), 600);
        form->resize(500, 385);
        QTRY_COMPARE(form->height(), 380);
        QCOMPARE(form->width(), 500);
        form->resize(640, 480);
        QTRY_COMPARE(form->size(), QSize(640, 480));
    }

    void parallelPaneStateIsKept()
    {
        {
            auto form = openReader();
            QVERIFY(form);
            QVERIFY(!named<QTextEdit>(form.get(), "rtf2")->isVisible());
            action(*form, u"menuSettingSimpan"_s)->setChecked(true);
            action(*form, u"menuPadanan"_s)->trigger();
            QVERIFY(named<QTextEdit>(form.get(), "rtf2")->isVisible());
            form->close();
        }
        auto form = openReader();
        QVERIFY(form);
        QVERIFY(named<QTextEdit>(form.get(), "rtf2")->isVisible());
        QVERIFY(action(*form, u"menuPadanan"_s)->isChecked());
        action(*form, u"menuPadanan"_s)->trigger();
        QVERIFY(!named<QTextEdit>(form.get(), "rtf2")->isVisible());
    }

    void searchBarGoesBackHome()
    {
        auto form = openReader();
        QVERIFY(form);
        form->resize(1000, 600);
        auto* bar = named<tirta::reader::DraggableBar>(form.get(), "SearchBar");
        auto* reset = named<QToolButton>(form.get(), "cmdResetPos");
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
        auto form = openReader();
        QVERIFY(form);
        QWidget side;
        form->RecordWindowSize();
        const QSize recorded = form->size();
        if (maximized)
            form->showMaximized();
        form->arrangeSideBySide(&side);
        QVERIFY(!form->isMaximized());
        QCOMPARE(form->height(), recorded.height());
        // The outer frames share the screen: three fifths, the rest beside, touching.
        const QRect screen = form->screen()->availableGeometry();
        QCOMPARE(form->frameGeometry().width(), screen.width() * 6 / 10);
        QCOMPARE(side.frameGeometry().x(), form->frameGeometry().right() + 1);
        QCOMPARE(side.frameGeometry().right(), screen.right());
        QCOMPARE(form->frameGeometry().x(), screen.x());
        QCOMPARE(side.height(), form->height());
        QVERIFY(side.isVisible());
        form->restoreRecordedSize();
        QCOMPARE(form->size(), recorded);
    }
};

TIRTA_TEST_MAIN(Form1FrameTest)
#include "tst_form1_frame.moc"
