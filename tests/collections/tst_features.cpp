#include "collections/collectionfeatures.h"
#include "study/form18.h"
#include "study/form9.h"
#include "support/readerharness.h"
#include "support/testenv.h"
#include "uikit/widgets.h"

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
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("feature");
        QTest::addColumn<int>("button"); // 0: menu item only
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("on");
        const std::tuple<QString, Feature, int, QString> features[] = {
            { u"Kamus"_s, Feature::Kamus, 7, u"Form9"_s },
            { u"Tematik"_s, Feature::Tematik, 0, u"Form18"_s },
            { u"Perumpamaan"_s, Feature::Perumpamaan, 4, u"Form4"_s },
            { u"Nubuat"_s, Feature::Nubuat, 5, u"Form5"_s },
            { u"Peta"_s, Feature::Peta, 6, u"Form6"_s },
        };
        for (const auto& [key, feature, button, window] : features) {
            for (const bool on : { true, false }) {
                QTest::addRow("%s %s", qPrintable(key), on ? "on" : "off")
                    << key << static_cast<int>(feature) << button << window << on;
            }
        }
    }

    void windowsFollowTheirSwitches()
    {
        QFETCH(QString, key);
        QFETCH(int, feature);
        QFETCH(int, button);
        QFETCH(QString, window);
        QFETCH(bool, on);
        tirta::test::ReaderHarness harness;
        auto builder = tirta::test::sampleBible();
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
        if (toolButton)
            toolButton->click();
        else
            item->trigger();
        auto* opened = form->findChild<QWidget*>(window);
        QVERIFY(opened);
        QTRY_VERIFY(opened->isVisible());
        // Opening again brings back the same window.
        opened->hide();
        item->trigger();
        QCOMPARE(form->findChildren<QWidget*>(window).size(), 1);
        QVERIFY(opened->isVisible());
    }
};

TIRTA_TEST_MAIN(FeaturesTest)
#include "tst_features.moc"
