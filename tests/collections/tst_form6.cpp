#include "collections/form6.h"
#include "foundation/safefile.h"
#include "support/fakereader.h"
#include "support/testenv.h"
#include "support/widgettexts.h"
#include "uikit/widgets.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::named;

/// The maps and pictures: the category chooser, the two picture folders, pictures that cannot be
/// shown, and the scroll bars of the viewer.
class Form6Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_data;
    QTemporaryDir m_program;
    std::unique_ptr<tirta::DataSession> m_session;
    std::unique_ptr<tirta::test::FakeReader> m_reader;

    static bool draw(const QString& path, const QSize& size)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        return QDir().mkpath(QFileInfo(path).path()) && picture.save(path);
    }
    static void choose(Form6& form, const QString& title)
    {
        auto* list = named<QListWidget>(&form, "List1");
        list->setCurrentItem(list->findItems(title, Qt::MatchExactly).value(0));
    }
    static QSize shownSize(Form6& form) { return named<QLabel>(&form, "Picture2")->pixmap().size(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(draw(m_data.filePath(u"Peta/israel.png"_s), { 40, 30 }));
        QVERIFY(draw(m_program.filePath(u"peta/besar.png"_s), { 50, 3000 }));
        QVERIFY(draw(m_program.filePath(u"peta/kemah.png"_s), { 20, 10 }));
        QVERIFY(tirta::writeFileWhole(m_program.filePath(u"peta/rusak.png"_s), "bukan gambar"));
        tirta::test::FixtureBuilder builder;
        const QStringList rows[] = { { u"Peta"_s, u"Israel"_s, u"israel.png"_s },
            { u"Peta"_s, u"Besar"_s, u"besar.png"_s }, { u"Denah"_s, u"Kemah's"_s, u"kemah.png"_s },
            { u"Denah"_s, u"Hilang"_s, u"hilang.png"_s }, { u"Peta"_s, u"Rusak"_s, u"rusak.png"_s } };
        for (const QStringList& row : rows)
            builder.row(u"UsysGambar"_s,
                { { u"Kategori"_s, row[0] }, { u"Judul"_s, row[1] }, { u"Gambar"_s, row[2] } });
        m_session = builder.open(m_data.filePath(u"gambar.dat"_s));
        QVERIFY(m_session);
        m_reader = std::make_unique<tirta::test::FakeReader>(*m_session, m_data.path());
        m_reader->folderShown = m_data.path() + u'/';
        m_reader->programFolderPath = m_program.path();
    }

    void categoriesChooseTheListedPictures_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QStringList>("expected");
        // Every picture whose file is in either folder; a category lists its rows as they are.
        QTest::newRow("all pictures")
            << 0 << QStringList { u"Israel"_s, u"Besar"_s, u"Kemah's"_s, u"Rusak"_s };
        QTest::newRow("Denah") << 1 << QStringList { u"Kemah's"_s, u"Hilang"_s };
        QTest::newRow("Peta") << 2 << QStringList { u"Israel"_s, u"Besar"_s, u"Rusak"_s };
    }

    void categoriesChooseTheListedPictures()
    {
        QFETCH(int, category);
        QFETCH(QStringList, expected);
        Form6 form(*m_reader);
        auto* chooser = named<QComboBox>(&form, "Combo1");
        QCOMPARE(chooser->itemText(category),
            (QStringList { u" - Semua Gambar - "_s, u"Denah"_s, u"Peta"_s })[category]);
        chooser->setCurrentIndex(category);
        QCOMPARE(tirta::test::itemTexts(named<QListWidget>(&form, "List1")), expected);
    }

    void picturesThatCannotBeShownLeaveTheLastOne()
    {
        Form6 form(*m_reader);
        auto* status = named<QLabel>(&form, "labelStatus");
        QCOMPARE(shownSize(form), QSize(40, 30)); // the first, from the data folder's "Peta"
        choose(form, u"Kemah's"_s);
        QCOMPARE(shownSize(form), QSize(20, 10));
        choose(form, u"Rusak"_s);
        QCOMPARE(shownSize(form), QSize(20, 10));
        QVERIFY2(status->text().contains(u"tidak dapat dibaca"_s), qPrintable(status->text()));
        named<QComboBox>(&form, "Combo1")->setCurrentIndex(1);
        choose(form, u"Hilang"_s);
        QVERIFY2(status->text().contains(u"tidak ditemukan"_s), qPrintable(status->text()));
        QCOMPARE(shownSize(form), QSize(20, 10));
    }

    void scrollBarsFollowThePictureAndTheViewer()
    {
        Form6 form(*m_reader);
        form.resize(600, 400);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* vertical = named<QScrollBar>(&form, "VScroll1");
        auto* horizontal = named<QScrollBar>(&form, "HScroll1");
        auto* viewport = named<QWidget>(&form, "Picture1");
        choose(form, u"Kemah's"_s);
        QVERIFY(!vertical->isEnabled());
        QVERIFY(!horizontal->isEnabled());

        choose(form, u"Besar"_s);
        QVERIFY(vertical->isEnabled());
        QVERIFY(!horizontal->isEnabled());
        QCOMPARE(vertical->maximum(), 3000 - viewport->height());
        QCOMPARE(vertical->pageStep(), viewport->height() / 2);
        vertical->setValue(120);
        QCOMPARE(named<QLabel>(&form, "Picture2")->pos(), QPoint(0, -120));
        // One notch of the wheel back moves by one small change.
        vertical->setValue(vertical->maximum());
        QWheelEvent notch(QPointF(5, 5), viewport->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, 120),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &notch);
        QCOMPARE(vertical->value(), vertical->maximum() - vertical->singleStep());

        // Folding the list panel gives the viewer its width; unfolding takes it back.
        const int width = viewport->width();
        auto* toggle = named<QPushButton>(&form, "Command1");
        toggle->click();
        QTRY_VERIFY(viewport->width() > width);
        QVERIFY(!named<QListWidget>(&form, "List1")->isVisible());
        toggle->click();
        QTRY_COMPARE(viewport->width(), width);
        QVERIFY(named<QListWidget>(&form, "List1")->isVisible());
    }
};

TIRTA_TEST_MAIN(Form6Test)
#include "tst_form6.moc"
