#include "deutero/form11.h"
#include "deutero/install.h"
#include "foundation/tempfolder.h"
#include "results/form2.h"
#include "support/deuterofixture.h"
#include "support/readerharness.h"
#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QDir>
#include <QLineEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;
using tirta::ui::named;

/// The reader installed in the real main window.
class DeuteroFeatureTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<tirta::test::ReaderHarness> m_harness;
    std::unique_ptr<Form1> m_form;

    Form11* window() const { return m_form->findChild<Form11*>(u"Form11"_s); }

private Q_SLOTS:
    void init()
    {
        m_harness = std::make_unique<tirta::test::ReaderHarness>();
        tirta::test::FixtureBuilder builder = tirta::test::sampleBible();
        m_form = m_harness->open(tirta::test::addDeuteroSample(builder));
        QVERIFY(m_form);
        tirta::deutero::installDeuterocanon(*m_form);
        QDir(tirta::TempFolder()).removeRecursively();
    }

    void cleanup() { m_form.reset(); }

    void menusAndToolButtonOpenTheirTranslation()
    {
        QAction* second = named<QAction>(m_form.get(), "MenuDeutero2");
        QCOMPARE(second->text(), u"English"_s);
        QVERIFY(!named<QAction>(m_form.get(), "MenuDeutero3")->isVisible()); // no text in the first row
        second->trigger();
        QTRY_VERIFY(window() && window()->isVisible());
        QCOMPARE(window()->translation(), 2);
        QTest::mouseClick(named<QToolButton>(m_form.get(), "ToolButton_8"), Qt::LeftButton);
        QCOMPARE(window()->translation(), 1);
    }

    void searchShowsTheDeuterocanonicalResult()
    {
        named<QAction>(m_form.get(), "MenuDeutero1")->trigger();
        QTRY_VERIFY(window());
        named<QLineEdit>(window(), "Text1")->setText(u"kasih"_s);
        QTest::keyClick(named<QLineEdit>(window(), "Text1"), Qt::Key_Return);
        Form2& results = m_form->results();
        QTRY_VERIFY(results.isVisible());
        QVERIFY(results.resultsText().startsWith(u"Pencarian di Kitab Deuterokanonika\nTerjemahan Baru\n"
                                                 u" -- Sintaks Pencarian: kasih\n -- Ditemukan : 3 ayat"_s));
        QCOMPARE(results.resultList().at(0).label, u"kasih (Terjemahan Baru)"_s);
        // While a scan runs the search bar is off and no second search starts.
        QWidget* searchBar = named<QWidget>(m_form->centralWidget(), "picSearchBar");
        QVERIFY(searchBar->isEnabled());
        searchBar->setEnabled(false);
        m_form->CariDeutro(u"Tuhan"_s, 1, u"Terjemahan Baru"_s, false);
        QCOMPARE(results.resultList().size(), 1);
    }
};

TIRTA_TEST_MAIN(DeuteroFeatureTest)
#include "tst_feature.moc"
