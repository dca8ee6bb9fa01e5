#include "deutero/form11.h"
#include "support/deuterofixture.h"
#include "support/fakereader.h"
#include "support/testenv.h"
#include "support/widgettexts.h"
#include "uikit/widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTextEdit>

using namespace Qt::StringLiterals;

class Form11Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<tirta::DataSession> m_session;
    std::unique_ptr<tirta::test::FakeReader> m_reader;
    std::unique_ptr<Form11> m_form;

    /// Opens the window on the sample books, after a row whose third translation holds `kitab3`.
    bool open(const QString& kitab3 = {})
    {
        cleanup();
        tirta::test::FixtureBuilder builder({ 2, true, true });
        builder.version(1, u"Versi A"_s, 1, true, true, {}, u"\r\nVersi A (VA)\r\n\r\nDomain publik."_s)
            .version(2, u"Versi Toba"_s);
        tirta::test::deuteroChapter(builder, 0, 0, {}, { u"x"_s, {}, kitab3 });
        m_session = tirta::test::addDeuteroSample(builder).open(m_dir.filePath(u"Purnaka2000.dat"_s));
        if (!m_session)
            return false;
        m_reader = std::make_unique<tirta::test::FakeReader>(*m_session, m_dir.path());
        m_form = std::make_unique<Form11>(*m_reader);
        m_form->show();
        m_form->activateWindow();
        return QTest::qWaitForWindowActive(m_form.get());
    }

    template <class T> T* control(const char* name) { return tirta::ui::named<T>(m_form.get(), name); }
    QString view() { return control<QTextEdit>("rt1")->toPlainText(); }
    void choose(int book) { control<QListWidget>("List1")->setCurrentRow(book); }
    void trigger(const char* item) { control<QAction>(item)->trigger(); }

private Q_SLOTS:
    void cleanup()
    {
        m_form.reset();
        m_reader.reset();
        m_session.reset();
    }

    void readsChaptersAndKeepsThemAcrossTranslations()
    {
        QVERIFY(open());
        // The first activation shows Tobit 1; the caption comes from the catalogue. "Tambahan
        // Daniel" lists its three chapters, the first of which has no text.
        QVERIFY(view().startsWith(u"1:1 Kitab riwayat Tobit.\n1:2 Tobit"_s));
        QCOMPARE(m_form->windowTitle(), u"Deuterokanonika - Versi A (VA)"_s);
        choose(6);
        QCOMPARE(
            tirta::test::itemTexts(control<QListWidget>("List2")), QStringList({ u"3"_s, u"13"_s, u"14"_s }));
        QCOMPARE(view(), u"(Pasal ini tidak ada dalam terjemahan Versi A.)"_s);
        choose(4);
        trigger("MenuDeuterokanonika2");
        QCOMPARE(control<QLabel>("Label2")->text(), u"Jesus anak ni si Sirak"_s);
        QCOMPARE(view(), u"1:1 Sude habisuhon sian Tuhan do."_s);
    }

    void thirdTranslationNeedsThreeCharacters()
    {
        QVERIFY(open(u"1:"_s));
        QVERIFY(!control<QAction>("MenuDeuterokanonika3")->isVisible());
        QVERIFY(open(u"1:1"_s));
        QVERIFY(control<QAction>("MenuDeuterokanonika3")->isVisible());
    }

    void copiesWithTheBookAsReference()
    {
        QVERIFY(open());
        choose(4);
        QTextEdit* rt1 = control<QTextEdit>("rt1");
        Q_EMIT rt1->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(!control<QAction>("mnuCopyClipbook")->isEnabled());
        control<QMenu>("mnuEdit")->hide();
        trigger("mnuPilihAyat");
        Q_EMIT rt1->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(control<QAction>("mnuCopy")->isEnabled());
        control<QMenu>("mnuEdit")->hide();
        trigger("mnuCopyClipbook");
        trigger("mnuCopy");
        QCOMPARE(QApplication::clipboard()->text(), u"1:1 Segala kebijaksanaan berasal dari Tuhan.\n"_s);
        trigger("MenuDeuterokanonika2");
        trigger("mnuPilihSemua");
        trigger("mnuCopyClipbook");
        QCOMPARE(m_reader->clipped,
            QStringList(
                { u"Deuterokanonika -- Sirakh "_s, u"Deuterokanonika -- Jesus anak ni si Sirak "_s }));
    }
};

TIRTA_TEST_MAIN(Form11Test)
#include "tst_form11.moc"
