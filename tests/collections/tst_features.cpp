#include "collections/collectionfeatures.h"
#include "study/form18.h"
#include "study/form9.h"
#include "support/readerharness.h"
#include "support/testenv.h"
#include "uikit/help.h"

#include <QAction>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::Feature;

/// The study and collection windows open from the main window's menu items and tool buttons, as
/// far as the data file's switches offer them.
class FeaturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowsFollowTheirSwitches_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("feature");
        QTest::addColumn<int>("button"); // 0: menu item only
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("page"); // of the handbook, opened by F1 in the window
        for (const bool on : { true, false }) {
            const char* state = on ? "on" : "off";
            const auto row = [&](const char* key, Feature feature, int button, const QString& window,
                                 const QString& page) {
                QTest::addRow("%s %s", key, state)
                    << on << static_cast<int>(feature) << button << window << page;
            };
            row("Kamus", Feature::Kamus, 7, u"Form9"_s, u"kamus"_s);
            row("Tematik", Feature::Tematik, 0, u"Form18"_s, u"tematik"_s);
            row("Perumpamaan", Feature::Perumpamaan, 4, u"Form4"_s, u"perumpamaan"_s);
            row("Nubuat", Feature::Nubuat, 5, u"Form5"_s, u"nubuat"_s);
            row("Peta", Feature::Peta, 6, u"Form6"_s, u"peta"_s);
        }
    }

    void windowsFollowTheirSwitches()
    {
        QFETCH(bool, on);
        QFETCH(int, feature);
        QFETCH(int, button);
        QFETCH(QString, window);
        QFETCH(QString, page);
        tirta::test::ReaderHarness harness;
        auto builder = tirta::test::sampleBible();
        const QString key = QString::fromLatin1(QTest::currentDataTag()).section(u' ', 0, 0);
        builder.row(u"UsysMenu"_s, { { u"NamaMenu"_s, key }, { u"Aktif"_s, on } });
        auto form = harness.open(builder);
        QVERIFY(form);
        tirta::study::installDictionary(*form);
        tirta::study::installThemes(*form);
        tirta::collections::installParables(*form);
        tirta::collections::installProphecies(*form);
        tirta::collections::installPictures(*form);

        QAction* item = form->featureAction(static_cast<Feature>(feature));
        QCOMPARE(item->isVisible(), on);
        auto* toolButton = form->findChild<QToolButton*>(u"ToolButton_"_s + QString::number(button));
        if (toolButton)
            QCOMPARE(toolButton->isEnabled(), on);
        if (!on)
            return;
        toolButton ? toolButton->click() : item->trigger();
        auto* opened = form->findChild<QWidget*>(window);
        QVERIFY(opened && opened->isVisible());
        // F1 in the window opens its own page of the handbook, not the main window's.
        QString asked;
        tirta::ui::help::setOpener([&asked](const QString& name) { asked = name; });
        QTest::keyClick(opened, Qt::Key_F1);
        tirta::ui::help::setOpener({});
        QCOMPARE(asked, page);
        // Opening it again brings back the same window.
        opened->hide();
        item->trigger();
        QVERIFY(opened->isVisible());
        QCOMPARE(form->findChildren<QWidget*>(window).size(), 1);
    }
};

TIRTA_TEST_MAIN(FeaturesTest)
#include "tst_features.moc"
