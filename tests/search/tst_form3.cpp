#include "foundation/datasession.h"
#include "search/form3.h"
#include "search/searchengine.h"
#include "support/fixture.h"
#include "support/searchrequests.h"
#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace tirta::search;
using tirta::test::fileBytes;
using tirta::ui::named;

namespace {

constexpr int kChapters = 8;
constexpr int kVersesPerChapter = 3;

/// The text of the dialog's box `name`: "Text3" holds the count, "Text2" the time.
QString boxText(Form3& form, const char* name)
{
    return named<QLineEdit>(&form, name)->text();
}

} // namespace

class Form3Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dataDir;
    std::unique_ptr<tirta::DataSession> m_session;
    std::unique_ptr<QTemporaryDir> m_results;

    Request wholeBible(const QString& text) const
    {
        return tirta::test::wholeBibleRequest(text, m_results->path());
    }

private Q_SLOTS:
    void initTestCase()
    {
        tirta::test::FixtureBuilder builder;
        builder.version(1, u"Versi A"_s).book(u"Kejadian"_s, { u"Kejadian"_s }, kChapters);
        for (int chapter = 1; chapter <= kChapters; ++chapter) {
            QStringList verses;
            for (int verse = 1; verse <= kVersesPerChapter; ++verse)
                verses << u"Kasih Allah kekal, pasal %1 ayat %2."_s.arg(chapter).arg(verse);
            builder.chapter(u"Kejadian"_s, chapter, { verses });
        }
        QString error;
        m_session = builder.open(m_dataDir.filePath(u"Purnaka2000.dat"_s), &error);
        QVERIFY2(m_session, qPrintable(error));
    }

    void init()
    {
        m_results = std::make_unique<QTemporaryDir>();
        QVERIFY(m_results->isValid());
    }

    void searchShowsItsCountAndTimeThenHides()
    {
        Form3 form;
        QStringList counts;
        QStringList times;
        const Clock clock = tirta::test::busyClock([&] {
            if (form.isVisible() && (counts.isEmpty() || counts.last() != boxText(form, "Text3"))) {
                counts << boxText(form, "Text3");
                times << boxText(form, "Text2");
            }
        });
        const Outcome outcome = searchAll(wholeBible(u"Kasih"_s), *m_session, &form, clock);
        QCOMPARE(outcome.status, Status::Complete);
        QCOMPARE(outcome.hits, kChapters * kVersesPerChapter);

        // The first tick comes before the first chapter's hits; after it the count rises.
        QVERIFY(counts.size() >= 3);
        QCOMPARE(counts.first(), Form3::waitingText());
        for (int i = 1; i < counts.size(); ++i)
            QVERIFY(counts.at(i).toInt() > (i > 1 ? counts.at(i - 1).toInt() : 0));
        for (const QString& time : times)
            QVERIFY(QRegularExpression(u"^\\d\\d:\\d\\d:\\d\\d$"_s).match(time).hasMatch());
        QCOMPARE(boxText(form, "Text3"), QString::number(outcome.hits));
        QCOMPARE(boxText(form, "Text2"), outcome.elapsed);
        QVERIFY(!form.isVisible());
    }

    void quickSearchNeverShowsTheDialog()
    {
        Form3 form;
        form.winId();
        QSignalSpy shownOrHidden(form.windowHandle(), &QWindow::visibleChanged);
        const Outcome outcome
            = searchAll(wholeBible(u"Kasih"_s), *m_session, &form, tirta::test::stillClock());
        QCOMPARE(outcome.status, Status::Complete);
        QCOMPARE(shownOrHidden.count(), 0);
    }

    // ESC waits in the queue until the search's first tick lets the dialog see it; the stop button
    // is clicked twice as soon as the dialog is up. Either stops the search once, and the next search
    // starts with the flag cleared and runs to the end.
    void stopRequestsEndARunningSearch_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("requests");
        QTest::newRow("escape") << true << 1;
        QTest::newRow("stop button twice") << false << 2;
    }

    void stopRequestsEndARunningSearch()
    {
        QFETCH(bool, escape);
        QFETCH(int, requests);
        Form3 form;
        QSignalSpy asked(&form, &Form3::stopAsked);
        if (escape) {
            QCoreApplication::postEvent(
                &form, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
            QCoreApplication::postEvent(
                &form, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier));
        }
        int clicks = 0;
        const Clock clock = tirta::test::busyClock([&] {
            if (!escape && form.isVisible() && clicks < requests) {
                ++clicks;
                QTest::mouseClick(named<QPushButton>(&form, "Command2"), Qt::LeftButton);
            }
        });
        const Outcome outcome = searchAll(wholeBible(u"Kasih"_s), *m_session, &form, clock);
        QCOMPARE(outcome.status, Status::Stopped);
        QCOMPARE(asked.count(), requests);
        QVERIFY(outcome.hits < kChapters * kVersesPerChapter);
        const QByteArray file = fileBytes(outcome.path);
        QVERIFY(file.endsWith("\r\n\r\n--PENCARIAN DIHENTIKAN--\r\n"));
        QCOMPARE(file.count("--PENCARIAN DIHENTIKAN--"), 1);
        QCOMPARE(file.count("(PENCARIAN DIHENTIKAN)"), 1);
        QVERIFY(!form.isVisible());
        QVERIFY(form.stopRequested());

        Request again = wholeBible(u"Kasih"_s);
        again.optimal = false;
        QCOMPARE(searchAll(again, *m_session, &form, tirta::test::busyClock()).status, Status::Complete);
    }

    // Shown centred and on top, the dialog stays when closed: closing only asks to stop. Every text
    // of the dialog is shown whole, not scrolled to its end ("ESC untuk menghentikan pencarian)"),
    // also once the count has replaced the waiting text.
    void shownCentredWholeAndClosingOnlyAsksToStop()
    {
        Form3 form;
        form.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const QPoint offset = form.frameGeometry().center() - form.screen()->geometry().center();
        QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
            qPrintable(u"off centre by %1,%2"_s.arg(offset.x()).arg(offset.y())));
        form.started();
        form.tick(123456, 3'600'000);
        const std::pair<const char*, QString> texts[] { { "Text4", u"PENCARIAN"_s }, { "Text3", u"123456"_s },
            { "Text2", u"01:00:00"_s }, { "Text1", u"(Tekan ESC untuk menghentikan pencarian)"_s } };
        for (const auto& [name, text] : texts) {
            auto* box = named<QLineEdit>(&form, name);
            QCOMPARE(box->text(), text);
            const int middle = box->height() / 2;
            QVERIFY2(box->cursorPositionAt(QPoint(0, middle)) == 0, name);
            QVERIFY2(box->cursorPositionAt(QPoint(box->width() - 1, middle)) == box->text().size(), name);
        }
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QVERIFY(form.stopRequested());
        form.finished(0, 0);
        QVERIFY(!form.isVisible());
        QCOMPARE(boxText(form, "Text3"), u"0"_s);
    }
};

TIRTA_TEST_MAIN(Form3Test)
#include "tst_form3.moc"
