#include "support/fakereader.h"

#include "foundation/pseudorandom.h"
#include "foundation/safefile.h"
#include "foundation/settings.h"
#include "info/hiddencommands.h"
#include "support/testenv.h"
#include "uikit/messagebox.h"

#include <QApplication>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;
using tirta::info::RunHiddenCommand;
using tirta::test::FakeReader;
using tirta::ui::MessageBox;

namespace {

bool inAdviceTable(const QString& reference)
{
    for (const QStringView entry : tirta::info::kAdviceReferences) {
        if (entry == reference)
            return true;
    }
    return false;
}

} // namespace

class HiddenCommandsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<tirta::DataSession> m_session;
    std::unique_ptr<QTemporaryDir> m_settingsDir;
    std::unique_ptr<FakeReader> m_reader;

    /// The settings as the next start would read them.
    tirta::SettingsStore storedSettings() const
    {
        return tirta::SettingsStore(m_settingsDir->path(), u"Tirtamaya-test"_s);
    }

    QString storedLocation() const
    {
        return storedSettings().read(tirta::setting::location(u"/opt/tirtamaya"_s));
    }

    /// Runs a command that must answer with exactly one message and returns its text.
    QString messageOf(const QString& command)
    {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        if (!RunHiddenCommand(command, *m_reader))
            return u"<not a command>"_s;
        if (MessageBox::shownCount() != 1 || MessageBox::pendingAnswers() != 0)
            return u"<%1 messages>"_s.arg(MessageBox::shownCount());
        return MessageBox::lastText();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_session = tirta::test::openInfoPages(m_dir.filePath(u"info.dat"_s),
            { { 1, u"Tentang data ini"_s }, { 100, u"Disesuaikan pertama\r\nDisesuaikan kedua"_s } });
        QVERIFY(m_session);
    }

    void init()
    {
        MessageBox::resetForTest();
        m_settingsDir = std::make_unique<QTemporaryDir>();
        m_reader = std::make_unique<FakeReader>(*m_session, m_settingsDir->path());
        m_reader->folderShown = u"/MEDIA/ALKITAB/"_s;
    }

    void cleanup()
    {
        QCOMPARE(MessageBox::pendingAnswers(), 0);
        m_reader.reset();
    }

    void extractsTheCommandFromASearchText_data()
    {
        QTest::addColumn<QString>("searchText");
        QTest::addColumn<bool>("isCommand");
        QTest::addColumn<QString>("command");
        QTest::newRow("plain") << u"\\\\WHO"_s << true << u"WHO"_s;
        QTest::newRow("lower case") << u"\\\\who"_s << true << u"WHO"_s;
        QTest::newRow("blanks around") << u"\\\\  quit  "_s << true << u"QUIT"_s;
        QTest::newRow("mixed case") << u"\\\\ResetLocation"_s << true << u"RESETLOCATION"_s;
        QTest::newRow("inner blank kept") << u"\\\\ who am "_s << true << u"WHO AM"_s;
        QTest::newRow("nothing after") << u"\\\\"_s << true << QString();
        QTest::newRow("one backslash") << u"\\who"_s << false << QString();
        QTest::newRow("ordinary search") << u"kasih Allah"_s << false << QString();
        QTest::newRow("backslashes later") << u"kasih \\\\who"_s << false << QString();
        QTest::newRow("blank before") << u" \\\\who"_s << false << QString();
        QTest::newRow("empty") << QString() << false << QString();
    }

    void extractsTheCommandFromASearchText()
    {
        QFETCH(QString, searchText);
        QFETCH(bool, isCommand);
        QFETCH(QString, command);
        const std::optional<QString> found = tirta::info::hiddenCommandOf(searchText);
        QCOMPARE(found.has_value(), isCommand);
        if (isCommand)
            QCOMPARE(*found, command);
    }

    void lowerCaseCommandWithBlanksRuns()
    {
        const std::optional<QString> quit = tirta::info::hiddenCommandOf(u"\\\\ quit "_s);
        QVERIFY(quit);
        QVERIFY(RunHiddenCommand(*quit, *m_reader));
        QCOMPARE(m_reader->quits, 1);

        const std::optional<QString> who = tirta::info::hiddenCommandOf(u"\\\\who"_s);
        QVERIFY(who);
        const QString text = messageOf(*who);
        QVERIFY2(text.startsWith(u"Tirtamaya 2.0.0"_s), qPrintable(text));
        QVERIFY2(text.contains(u"Diprogram oleh: "_s), qPrintable(text));
        QVERIFY2(text.contains(u"Tuhan memberkati selalu."_s), qPrintable(text));
        QCOMPARE(MessageBox::lastTitle(), u"Tirtamaya"_s);
    }

    void unknownCommandDoesNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("other word") << u"HELP"_s;
        QTest::newRow("lower case passed on as is") << u"quit"_s;
        QTest::newRow("longer word") << u"QUITNOW"_s;
        QTest::newRow("two words") << u"WHO ADVICE"_s;
        QTest::newRow("blank inside") << u"RESET LOCATION"_s;
        QTest::newRow("untrimmed") << u" DATA"_s;
        QTest::newRow("empty") << QString();
    }

    void unknownCommandDoesNothing()
    {
        QFETCH(QString, command);
        QVERIFY(!RunHiddenCommand(command, *m_reader));
        QCOMPARE(MessageBox::shownCount(), 0);
        QVERIFY(m_reader->untouched());
        QVERIFY(!QFile::exists(m_reader->settings().filePath()));
    }

    void resetLocationStoresXyzSilently()
    {
        m_reader->settings().write(
            tirta::setting::location(u"/opt/tirtamaya"_s), u"/media/alkitab/Purnaka2000.dat"_s);
        QVERIFY(RunHiddenCommand(u"RESETLOCATION"_s, *m_reader));
        QCOMPARE(MessageBox::shownCount(), 0);
        QCOMPARE(storedLocation(), u"XYZ"_s);
        QVERIFY(m_reader->untouched());

        m_reader->settings().write(
            tirta::setting::location(u"/opt/tirtamaya"_s), u"/media/alkitab/Purnaka2000.dat"_s);
        const tirta::SimulatedFullDisk full(0);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(RunHiddenCommand(u"RESETLOCATION"_s, *m_reader));
        QVERIFY(MessageBox::lastText().contains(u"Ruang disk tidak cukup."_s));
        QCOMPARE(storedLocation(), u"/media/alkitab/Purnaka2000.dat"_s);
    }

    void quitEndsAtOnceWithoutTouchingAnything()
    {
        QVERIFY(RunHiddenCommand(u"QUIT"_s, *m_reader));
        QCOMPARE(m_reader->quits, 1);
        QCOMPARE(MessageBox::shownCount(), 0);
        QVERIFY(!QFile::exists(m_reader->settings().filePath()));
    }

    void dataNamesTheFolderShown()
    {
        QCOMPARE(messageOf(u"DATA"_s), u"Data yang sedang digunakan : /MEDIA/ALKITAB/"_s);
        QCOMPARE(MessageBox::lastTitle(), u"Tirtamaya"_s);
    }

    void customisationHistoryComesFromTheDataFile()
    {
        QCOMPARE(messageOf(u"TYDBCUSTHIST"_s), u"Disesuaikan pertama\nDisesuaikan kedua"_s);
    }

    void contactMessages()
    {
        const QString email = messageOf(u"EMAIL"_s);
        QVERIFY2(email.startsWith(u"Kirimkan saran dan kritik ke: "_s), qPrintable(email));
        QVERIFY(email.size() > u"Kirimkan saran dan kritik ke: "_s.size());

        MessageBox::resetForTest();
        const QString www = messageOf(u"WWW"_s);
        QVERIFY2(www.startsWith(u"Informasi terakhir perkembangan program Tirtamaya ada di \n"_s),
            qPrintable(www));
        QVERIFY(www.section(u'\n', 1).size() > 0);
    }

    void historyRunsUpToTheRunningVersion()
    {
        const QString text = messageOf(u"HISTORY"_s);
        QVERIFY2(text.startsWith(u"Dikembangkan dan ditulis ulang dari "_s), qPrintable(text));
        QVERIFY2(text.contains(u"2.70"_s), qPrintable(text));
        const QStringList lines = text.split(u'\n');
        QVERIFY2(lines.first().size() > 0, qPrintable(text));
        QVERIFY2(lines.last().startsWith(u"Tirtamaya 2.0 "_s), qPrintable(text));
        QVERIFY2(text.contains(u"Tirtamaya 1.0 "_s), qPrintable(text));
    }

    void dedicationAndCreditsAreShown()
    {
        QVERIFY(!messageOf(u"DEDICATED"_s).isEmpty());
        MessageBox::resetForTest();
        const QString who = messageOf(u"WHO"_s);
        const QStringList lines = who.split(u'\n');
        QVERIFY2(lines.contains(
                     u"Semoga program ini dapat mendatangkan kebaikan dan berguna bagi banyak orang."_s),
            qPrintable(who));
        QVERIFY2(!lines.last().isEmpty(), qPrintable(who));
    }

    void adviceStaysInsideTheTable()
    {
        QSet<QString> seen;
        for (int draw = 0; draw < 5000; ++draw) {
            QVERIFY(RunHiddenCommand(u"ADVICE"_s, *m_reader));
            QCOMPARE(m_reader->quotations.size(), draw + 1);
            const QString reference = m_reader->quotations.last();
            QVERIFY2(inAdviceTable(reference), qPrintable(reference));
            seen.insert(reference);
        }
        // Every verse of the table comes up, the last one included.
        QCOMPARE(seen.size(), 9);
        QCOMPARE(MessageBox::shownCount(), 0);
        QVERIFY(m_reader->jumps.isEmpty());
    }

    void adviceDrawsTheProgramSequence()
    {
        // The program's generator, not one of its own or one seeded from the clock.
        tirta::PseudoRandom expected = tirta::PseudoRandom::shared();
        for (int draw = 0; draw < 20; ++draw) {
            QVERIFY(RunHiddenCommand(u"ADVICE"_s, *m_reader));
            QCOMPARE(m_reader->quotations.last(), tirta::info::adviceReference(expected.next()).toString());
        }
    }

    void adviceReferenceForADraw_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("reference");
        QTest::newRow("zero") << 0.0 << u"Matius#5:44-45"_s;
        QTest::newRow("just below a ninth") << std::nextafter(1.0 / 9.0, 0.0) << u"Matius#5:44-45"_s;
        QTest::newRow("two ninths") << 2.0 / 9.0 + 1e-9 << u"Lukas#6:35"_s;
        QTest::newRow("half") << 0.5 << u"Kolose#3:8"_s;
        QTest::newRow("largest draw") << std::nextafter(1.0, 0.0) << u"I Korintus#13:13"_s;
        QTest::newRow("one") << 1.0 << u"I Korintus#13:13"_s;
        QTest::newRow("above one") << 7.5 << u"I Korintus#13:13"_s;
        QTest::newRow("negative") << -0.25 << u"Matius#5:44-45"_s;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << u"I Korintus#13:13"_s;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << u"Matius#5:44-45"_s;
    }

    void adviceReferenceForADraw()
    {
        QFETCH(double, r);
        QFETCH(QString, reference);
        QCOMPARE(tirta::info::adviceReference(r).toString(), reference);
    }
};

TIRTA_TEST_MAIN(HiddenCommandsTest)
#include "tst_hiddencommands.moc"
