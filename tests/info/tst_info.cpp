// The information the program shows from its data file and beside it: the pages and how they are
// looked up, the about box, the window of the ethics and copyright pages, the tips and the hidden
// commands of the search box.

#include "foundation/pseudorandom.h"
#include "foundation/safefile.h"
#include "foundation/settings.h"
#include "info/form10.h"
#include "info/form14.h"
#include "info/form7.h"
#include "info/hiddencommands.h"
#include "info/infotext.h"
#include "info/install.h"
#include "info/tips.h"
#include "support/fakereader.h"
#include "support/testenv.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;
using tirta::info::InfoText;
using tirta::info::RunHiddenCommand;
using tirta::info::TipPager;
using tirta::test::FakeReader;
using tirta::ui::MessageBox;
using tirta::ui::named;

namespace {

const QString kAboutPage = u"Alkitab untuk dibaca setiap hari.\r\nBaris kedua."_s;
/// The about page as the windows show it: the data file's line breaks become their own lines.
const QString kAboutShown = u"Alkitab untuk dibaca setiap hari.\nBaris kedua."_s;
const QString kHistoryPage = u"Disesuaikan pertama\r\nDisesuaikan kedua"_s;

QPlainTextEdit* text1(Form7& box)
{
    return named<QPlainTextEdit>(&box, "Text1");
}

void doubleClickText1(Form7& box, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseDClick(text1(box)->viewport(), Qt::LeftButton, modifiers, QPoint(10, 10));
}

QString heading(Form14& window)
{
    return named<QLabel>(&window, "Label1")->text();
}

QString pageShown(Form14& window)
{
    return named<QTextEdit>(&window, "RichTextBox1")->toPlainText();
}

QString tipShown(Form10& window)
{
    return named<QLabel>(&window, "Label2")->text();
}

void click(Form10& window, const char* button)
{
    QTest::mouseClick(named<QPushButton>(&window, button), Qt::LeftButton);
}

/// Clicks the window's check box, then closes the window by Escape or by its `closeButton`.
void toggleAndClose(QDialog& window, bool byEscape, const char* closeButton)
{
    auto* check = named<QCheckBox>(&window, "Check1");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
    if (byEscape)
        QTest::keyClick(&window, Qt::Key_Escape);
    else
        QTest::mouseClick(named<QPushButton>(&window, closeButton), Qt::LeftButton);
}

} // namespace

class InfoTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir; ///< the data files, and the program folder with its tips
    /// Pages whose ids begin like a later one's, two rows with id 1 and every page the program shows.
    std::unique_ptr<tirta::DataSession> m_session;
    std::unique_ptr<tirta::DataSession> m_ethicsOnly;
    std::unique_ptr<QTemporaryDir> m_settingsDir; ///< a fresh one for each test
    std::unique_ptr<FakeReader> m_reader; ///< over `m_session`

    /// The about box, shown; null when it could not be shown.
    std::unique_ptr<Form7> aboutBox()
    {
        auto box = std::make_unique<Form7>(*m_reader);
        box->show();
        return QTest::qWaitForWindowExposed(box.get()) ? std::move(box) : nullptr;
    }

    void writeTips(const QByteArray& bytes)
    {
        QFile file(tirta::info::tipsFilePath(m_dir.path()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    /// The data file location as the next start would read it.
    QString storedLocation() const
    {
        const tirta::SettingsStore stored(m_settingsDir->path(), u"Tirtamaya-test"_s);
        return stored.read(tirta::setting::location(u"/opt/tirtamaya"_s));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_session = tirta::test::openInfoPages(m_dir.filePath(u"info.dat"_s),
            { { 10, u"sepuluh"_s }, { 100, kHistoryPage }, { 99, u"Database TY v.2.5"_s }, { 1, kAboutPage },
                { 1, u"kedua"_s }, { 4, u"Hak cipta\r\nbaris dua"_s }, { 3, u"Kutiplah dengan jujur."_s } });
        m_ethicsOnly = tirta::test::openInfoPages(m_dir.filePath(u"etika.dat"_s), { { 3, u"Etika"_s } });
        QVERIFY(m_session && m_ethicsOnly);
    }

    void init()
    {
        MessageBox::resetForTest();
        m_settingsDir = std::make_unique<QTemporaryDir>();
        m_reader = std::make_unique<FakeReader>(*m_session, m_settingsDir->path());
        m_reader->folderShown = u"/MEDIA/ALKITAB/"_s;
        m_reader->programFolderPath = m_dir.path();
    }

    void cleanup()
    {
        QCOMPARE(MessageBox::pendingAnswers(), 0);
        m_reader.reset();
    }

    void findsTheFirstPageWithExactlyItsId()
    {
        tirta::Recordset& info = m_session->recordset(tirta::Role::Info);
        info.moveLast();
        // "id=1" must not take a page whose id merely begins with 1.
        QCOMPARE(InfoText(info, 1), kAboutPage);
        QCOMPARE(InfoText(info, 100), kHistoryPage);
        QCOMPARE(InfoText(info, 10), u"sepuluh"_s);
        QCOMPARE(InfoText(info, 2), QString());
        // A miss leaves the cursor usable for the next lookup.
        QCOMPARE(InfoText(info, 1), kAboutPage);
        // Only the data version has a text of its own when its page is missing.
        QCOMPARE(InfoText(info, 99), u"Database TY v.2.5"_s);
        QCOMPARE(InfoText(m_ethicsOnly->recordset(tirta::Role::Info), 99), u"Database TY v.1.0"_s);
        QCOMPARE(InfoText(m_ethicsOnly->recordset(tirta::Role::Info), 100), QString());
    }

    void aboutBoxTellsTheDataVersionAndClosesByHiding()
    {
        const auto box = aboutBox();
        QVERIFY(box);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(named<QPushButton>(box.get(), "Command2"), Qt::LeftButton);
        QCOMPARE(MessageBox::shownCount(), 1);
        QCOMPARE(MessageBox::lastText(), u"Database TY v.2.5"_s);
        QCOMPARE(MessageBox::lastTitle(), u"Tirtamaya"_s);
        QVERIFY(m_reader->untouched());

        QTest::mouseClick(named<QPushButton>(box.get(), "Command1"), Qt::LeftButton);
        QVERIFY(!box->isVisible());
        // Hidden, not destroyed: the main window shows the same box again next time.
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(named<QLabel>(box.get(), "Label2")->text(), u"Tirtamaya 2.0.0"_s);
        QCOMPARE(text1(*box)->toPlainText(), kAboutShown);
    }

    void shiftDoubleClickShowsCreditsAndAPlainOneTheAboutTextAgain()
    {
        const auto box = aboutBox();
        QVERIFY(box);
        doubleClickText1(*box, Qt::ShiftModifier);
        const QString credits = text1(*box)->toPlainText();
        QVERIFY2(credits.startsWith(u"Diprogram oleh \n"_s), qPrintable(credits));
        QVERIFY2(
            credits.endsWith(
                u"Dengan harapan, program ini dapat tersedia bagi banyak orang dengan murah dan mudah."_s),
            qPrintable(credits));

        // Another Shift double-click keeps the credits.
        doubleClickText1(*box, Qt::ShiftModifier);
        QCOMPARE(text1(*box)->toPlainText(), credits);

        // Any other double-click reads the page again, wherever other windows left the shared cursor.
        m_session->recordset(tirta::Role::Info).moveFirst();
        doubleClickText1(*box, Qt::ControlModifier);
        QCOMPARE(text1(*box)->toPlainText(), kAboutShown);
        QCOMPARE(MessageBox::shownCount(), 0);
    }

    void eachModeShowsItsPage()
    {
        Form14 window(*m_reader);
        window.ShowInfo(Form14::kModeHakCipta);
        QVERIFY(window.isVisible() && window.isModal());
        QCOMPARE(heading(window), u"Hak Cipta"_s);
        QCOMPARE(pageShown(window), u"Hak cipta\nbaris dua"_s);

        window.ShowInfo(Form14::kModeEtika);
        QCOMPARE(heading(window), u"Etika Pengutipan Alkitab"_s);
        QCOMPARE(pageShown(window), u"Kutiplah dengan jujur."_s);

        // A missing page leaves the text shown.
        FakeReader ethicsOnly(*m_ethicsOnly, m_settingsDir->path());
        Form14 other(ethicsOnly);
        other.ShowInfo(Form14::kModeEtika);
        other.ShowInfo(Form14::kModeHakCipta);
        QCOMPARE(heading(other), u"Hak Cipta"_s);
        QCOMPARE(pageShown(other), u"Etika"_s);
    }

    void checkBoxAlwaysSpeaksOfTheEthicsWindow_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("stored"); ///< clicked once, then the window is closed
        QTest::addColumn<bool>("byEscape");
        QTest::addColumn<QString>("written");
        QTest::newRow("ethics, check") << Form14::kModeEtika << u"0"_s << false << u"1"_s;
        QTest::newRow("copyright, uncheck") << Form14::kModeHakCipta << u"1"_s << false << u"0"_s;
        QTest::newRow("copyright, check, escape") << Form14::kModeHakCipta << u"0"_s << true << u"1"_s;
    }

    void checkBoxAlwaysSpeaksOfTheEthicsWindow()
    {
        QFETCH(QString, mode);
        QFETCH(QString, stored);
        QFETCH(bool, byEscape);
        QFETCH(QString, written);
        m_reader->settings().write(tirta::setting::etika, stored);
        Form14 window(*m_reader);
        window.ShowInfo(mode);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(named<QCheckBox>(&window, "Check1")->isChecked(), stored == u"1"_s);
        toggleAndClose(window, byEscape, "Command1");
        QVERIFY(!window.isVisible());
        QCOMPARE(m_reader->settings().read(tirta::setting::etika), written);
    }

    void fileLinesBecomeTips_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("tips");
        QTest::newRow("last line unended") << "Satu\r\nDua"_ba << QStringList { u"Satu"_s, u"Dua"_s };
        QTest::newRow("lf and blank lines") << "Satu\n\n  \nDua\n"_ba << QStringList { u"Satu"_s, u"Dua"_s };
        QTest::newRow("utf-8 with bom") << "\xEF\xBB\xBFKitab \xE2\x80\x9CKejadian\xE2\x80\x9D \r\n"_ba
                                        << QStringList { u"Kitab \u201CKejadian\u201D "_s };
        QTest::newRow("empty") << QByteArray() << QStringList();
    }

    void fileLinesBecomeTips()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, tips);
        QCOMPARE(tirta::info::parseTips(bytes), tips);
    }

    void pagingWrapsAroundBothWays_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("moves"); // n = next, p = previous
        QTest::addColumn<QList<int>>("indexes");
        QTest::newRow("one tip stays") << 1 << 0.7 << 0 << u"nnpp"_s << QList<int> { 0, 0, 0, 0 };
        QTest::newRow("forward past the last") << 3 << 0.9 << 2 << u"nn"_s << QList<int> { 0, 1 };
        QTest::newRow("back past the first") << 3 << 0.1 << 0 << u"pp"_s << QList<int> { 2, 1 };
        QTest::newRow("draw rounds to nearest") << 5 << 0.62 << 2 << u"np"_s << QList<int> { 3, 2 };
    }

    void pagingWrapsAroundBothWays()
    {
        QFETCH(int, count);
        QFETCH(double, draw);
        QFETCH(int, start);
        QFETCH(QString, moves);
        QFETCH(QList<int>, indexes);
        QStringList tips;
        for (int i = 0; i < count; ++i)
            tips << u"Tip %1"_s.arg(i);
        TipPager pager(tips, draw);
        QCOMPARE(pager.index(), start);
        for (qsizetype i = 0; i < moves.size(); ++i) {
            moves[i] == u'n' ? pager.next() : pager.previous();
            QCOMPARE(pager.index(), indexes[i]);
            QCOMPARE(pager.current(), tips[indexes[i]]);
        }
    }

    void tipsWindowStartsAlikeOnEveryRunAndPagesThroughTheFile()
    {
        QStringList tips;
        for (int i = 0; i < 40; ++i)
            tips << u"Tip nomor %1"_s.arg(i);
        writeTips((tips.join(u"\r\n"_s) + u"\r\n"_s).toUtf8());
        // Each run of the program starts a fresh sequence; the clock plays no part.
        tirta::PseudoRandom firstRun;
        tirta::PseudoRandom secondRun;
        Form10 first(*m_reader, firstRun);
        Form10 second(*m_reader, secondRun);
        QCOMPARE(tipShown(second), tipShown(first));
        // Within one run, the next opening draws again.
        Form10 again(*m_reader, firstRun);
        QVERIFY(tipShown(again) != tipShown(first));

        const auto start = tips.indexOf(tipShown(first));
        QVERIFY(start >= 0);
        click(first, "Command1");
        QCOMPARE(tipShown(first), tips[(start + 1) % 40]);
        click(first, "Command3");
        QCOMPARE(tipShown(first), tips[start]);

        // Without the file there is nothing to show or to page through.
        QVERIFY(QFile::remove(tirta::info::tipsFilePath(m_dir.path())));
        Form10 none(*m_reader, firstRun);
        QCOMPARE(tipShown(none), QString());
        QVERIFY(!named<QPushButton>(&none, "Command1")->isEnabled());
        QVERIFY(!named<QPushButton>(&none, "Command3")->isEnabled());
    }

    void checkBoxAndMenuItemStayInStep_data()
    {
        QTest::addColumn<bool>("menuChecked"); ///< the check box is clicked once, then the window closed
        QTest::addColumn<bool>("byEscape");
        QTest::addColumn<QString>("written");
        QTest::newRow("check and close") << false << false << u"1"_s;
        QTest::newRow("uncheck and close") << true << false << u"0"_s;
        QTest::newRow("check, escape") << false << true << u"1"_s;
    }

    void checkBoxAndMenuItemStayInStep()
    {
        QFETCH(bool, menuChecked);
        QFETCH(bool, byEscape);
        QFETCH(QString, written);
        writeTips("Satu\r\n");
        m_reader->showTip.setChecked(menuChecked);
        tirta::PseudoRandom random;
        auto* form = new Form10(*m_reader, random);
        QPointer<Form10> alive(form);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(named<QCheckBox>(form, "Check1")->isChecked(), menuChecked);
        toggleAndClose(*form, byEscape, "Command2");
        QCOMPARE(m_reader->settings().read(tirta::setting::tip), written);
        QCOMPARE(m_reader->showTip.isChecked(), written == u"1"_s);
        // Closed means unloaded: the next opening reads the file again.
        QTRY_VERIFY(!alive);
    }

    void startWindowsOpenOneAfterTheOther()
    {
        writeTips("Tip\r\n");
        m_reader->settings().write(tirta::setting::etika, u"1"_s);
        m_reader->settings().write(tirta::setting::tip, u"1"_s);
        tirta::info::installInfo(*m_reader);
        for (auto feature : { tirta::ui::Feature::Etika, tirta::ui::Feature::HakCipta,
                 tirta::ui::Feature::Tips, tirta::ui::Feature::Help })
            QVERIFY(m_reader->featureAction(feature)->isEnabled());

        Q_EMIT m_reader->events().firstActivated();
        QWidget& main = m_reader->window;
        QTRY_VERIFY(main.findChild<Form14*>() && main.findChild<Form14*>()->isVisible());
        auto* ethics = main.findChild<Form14*>();
        QCOMPARE(ethics->mode(), Form14::kModeEtika);
        QVERIFY(!main.findChild<Form10*>());

        QTest::mouseClick(named<QPushButton>(ethics, "Command1"), Qt::LeftButton);
        QTRY_VERIFY(main.findChild<Form10*>());
        QVERIFY(main.findChild<Form10*>()->isModal());
    }

    void extractsTheCommandFromASearchText_data()
    {
        QTest::addColumn<QString>("searchText");
        QTest::addColumn<QString>("command"); ///< "-" when the text is no command
        QTest::newRow("lower case") << u"\\\\who"_s << u"WHO"_s;
        QTest::newRow("inner blank kept") << u"\\\\ who am "_s << u"WHO AM"_s;
        QTest::newRow("nothing after") << u"\\\\"_s << QString();
        QTest::newRow("one backslash") << u"\\who"_s << u"-"_s;
        QTest::newRow("backslashes later") << u"kasih \\\\who"_s << u"-"_s;
        QTest::newRow("blank before") << u" \\\\who"_s << u"-"_s;
    }

    void extractsTheCommandFromASearchText()
    {
        QFETCH(QString, searchText);
        QFETCH(QString, command);
        QCOMPARE(tirta::info::hiddenCommandOf(searchText).value_or(u"-"_s), command);
    }

    void quitEndsAtOnceAndUnknownCommandsDoNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("quits"); ///< 1 for the one command here, 0 for text that is none
        QTest::newRow("QUIT") << u"QUIT"_s << 1;
        QTest::newRow("lower case passed on as is") << u"quit"_s << 0;
        QTest::newRow("longer word") << u"QUITNOW"_s << 0;
        QTest::newRow("untrimmed") << u" DATA"_s << 0;
    }

    void quitEndsAtOnceAndUnknownCommandsDoNothing()
    {
        QFETCH(QString, command);
        QFETCH(int, quits);
        QCOMPARE(RunHiddenCommand(command, *m_reader), quits == 1);
        QCOMPARE(m_reader->quits, quits);
        m_reader->quits = 0;
        // Nothing else is asked of the main window, shown or stored.
        QVERIFY(m_reader->untouched());
        QCOMPARE(MessageBox::shownCount(), 0);
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

    void commandsAnswerWithTheirMessage_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("pattern"); ///< the whole message; ".+" stands for the makers' names
        QTest::newRow("DATA") << u"DATA"_s << u"Data yang sedang digunakan : /MEDIA/ALKITAB/"_s;
        QTest::newRow("TYDBCUSTHIST") << u"TYDBCUSTHIST"_s << u"Disesuaikan pertama\nDisesuaikan kedua"_s;
        QTest::newRow("EMAIL") << u"EMAIL"_s << u"Kirimkan saran dan kritik ke: .+"_s;
        QTest::newRow("WWW") << u"WWW"_s
                             << u"Informasi terakhir perkembangan program Tirtamaya ada di \n.+"_s;
        QTest::newRow("DEDICATED") << u"DEDICATED"_s << u"Program ini dipersembahkan untuk .+\\."_s;
        QTest::newRow("WHO")
            << u"WHO"_s
            << u"Tirtamaya 2\\.0\\.0\n\nDiprogram oleh: .+\nIsi Alkitab dan bahan studi dari .+\n\n"
               "Semoga program ini dapat mendatangkan kebaikan dan berguna bagi banyak orang\\.\n"
               "Tuhan memberkati selalu\\.\n\n.+"_s;
        // One line per release up to the running one.
        QTest::newRow("HISTORY") << u"HISTORY"_s
                                 << u"Dikembangkan dan ditulis ulang dari .*2\\.70.*\n\n"
                                    "Tirtamaya 1\\.0 : .+\nTirtamaya 2\\.0 : .+"_s;
    }

    void commandsAnswerWithTheirMessage()
    {
        QFETCH(QString, command);
        QFETCH(QString, pattern);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(RunHiddenCommand(command, *m_reader));
        QCOMPARE(MessageBox::shownCount(), 1);
        const QString text = MessageBox::lastText();
        const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern));
        QVERIFY2(whole.match(text).hasMatch(), qPrintable(text));
        QCOMPARE(MessageBox::lastTitle(), u"Tirtamaya"_s);
        QVERIFY(m_reader->untouched());
    }

    void adviceQuotesTheProgramsNextDraw()
    {
        // The program's generator, not one of its own or one seeded from the clock.
        tirta::PseudoRandom expected = tirta::PseudoRandom::shared();
        QSet<QString> seen;
        for (int draw = 0; draw < 5000; ++draw) {
            QVERIFY(RunHiddenCommand(u"ADVICE"_s, *m_reader));
            QCOMPARE(m_reader->quotations.size(), draw + 1);
            QCOMPARE(m_reader->quotations.last(), tirta::info::adviceReference(expected.next()).toString());
            seen.insert(m_reader->quotations.last());
        }
        // Every verse of the table comes up, the last one included, and nothing else.
        QSet<QString> table;
        for (const QStringView entry : tirta::info::kAdviceReferences)
            table.insert(entry.toString());
        QCOMPARE(seen, table);
        QCOMPARE(MessageBox::shownCount(), 0);
        QVERIFY(m_reader->jumps.isEmpty());
    }

    void adviceReferenceForADraw_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("reference");
        QTest::newRow("just below a ninth") << std::nextafter(1.0 / 9.0, 0.0) << u"Matius#5:44-45"_s;
        QTest::newRow("two ninths") << 2.0 / 9.0 + 1e-9 << u"Lukas#6:35"_s;
        QTest::newRow("largest draw") << std::nextafter(1.0, 0.0) << u"I Korintus#13:13"_s;
        QTest::newRow("one") << 1.0 << u"I Korintus#13:13"_s;
        QTest::newRow("negative") << -0.25 << u"Matius#5:44-45"_s;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << u"Matius#5:44-45"_s;
    }

    void adviceReferenceForADraw()
    {
        QFETCH(double, r);
        QFETCH(QString, reference);
        QCOMPARE(tirta::info::adviceReference(r).toString(), reference);
    }
};

TIRTA_TEST_MAIN(InfoTest)
#include "tst_info.moc"
