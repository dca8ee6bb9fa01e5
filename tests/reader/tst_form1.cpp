#include "foundation/safefile.h"
#include "foundation/settings.h"
#include "support/readerwindow.h"
#include "support/testenv.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

using namespace Qt::StringLiterals;
using tirta::test::ReaderWindow;
using tirta::ui::FontDialog;
using tirta::ui::MessageBox;
using tirta::ui::named;

class Form1Test : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartShowsTheFirstChapterAndTheHistoryFollows()
    {
        ReaderWindow reader;
        QVERIFY(reader.open());
        QVERIFY(reader.control<QRadioButton>("Option1")->isChecked());
        QCOMPARE(reader.control<QTextEdit>("rtf1")->font().pointSizeF(), 10.0);
        QCOMPARE(reader.control<QListWidget>("List1")->currentItem()->text(), u"Kejadian"_s);
        QCOMPARE(reader.control<QListWidget>("List2")->count(), 2);
        QCOMPARE(reader.heading(), u"Kejadian 1"_s);
        QVERIFY(reader.text().startsWith(u"1:1 awal 1\n1:2 awal 2\n"_s));
        QCOMPARE(reader.text("rtf2"), u"1:1 awal 1"_s); // the parallel translation defaults to the first
        QCOMPARE(reader.control<QComboBox>("Combo1")->count(), 22);
        QCOMPARE(reader.control<QComboBox>("Combo1")->currentIndex(), -1);
        QCOMPARE(reader.form().windowTitle(), u"Tirtamaya 2.0.0 - Terjemahan Baru"_s);
        QVERIFY(reader.action("VersiKitab_1")->isChecked());
        QVERIFY(!reader.control<QTextEdit>("rtf2")->isVisible()); // hidden until asked for

        // A verse chosen refines the history entry of its chapter; F3 and F4 step through it.
        const tirta::reader::History& history = reader.form().history();
        QCOMPARE(history.entries(), QStringList {});
        reader.control<QListWidget>("List2")->setCurrentRow(1);
        QCOMPARE(history.entries(), QStringList { u"Kitab1@Kejadian#2:1"_s });
        reader.chooseVerse(1);
        QCOMPARE(history.entries(), QStringList { u"Kitab1@Kejadian#2:2"_s });
        QCOMPARE(reader.selection(), u"2:2 taman 2\u2029"_s); // the verse line with its break
        QCOMPARE(reader.text("rtf2"), u"2:2 taman 2"_s);

        reader.control<QListWidget>("List1")->setCurrentRow(1); // Keluaran 1
        QCOMPARE(history.entries().size(), 2);
        QCOMPARE(history.entries().last(), u"Kitab1@Keluaran#1:1"_s);

        QTest::keyClick(&reader.form(), Qt::Key_F3);
        QCOMPARE(reader.heading(), u"Kejadian 2"_s);
        QCOMPARE(reader.selection(), u"2:2 taman 2"_s);
        QCOMPARE(history.entries().size(), 2);
        QTest::keyClick(&reader.form(), Qt::Key_F3); // nothing before the first entry
        QCOMPARE(reader.heading(), u"Kejadian 2"_s);
        QTest::keyClick(&reader.form(), Qt::Key_F4);
        QCOMPARE(reader.heading(), u"Keluaran 1"_s);
        QCOMPARE(history.entries().size(), 2);
        QTest::keyClick(&reader.form(), Qt::Key_F4);
        QCOMPARE(history.entries().size(), 2);
    }

    void theParallelPaneFollowsTheMarkedVerse()
    {
        ReaderWindow reader;
        QVERIFY(reader.open());
        auto* pane = reader.control<QTextEdit>("rtf1");
        auto* parallel = reader.control<QTextEdit>("rtf2");
        const QString text = pane->toPlainText();
        const auto clickAt = [&](qsizetype position) {
            QTextCursor cursor(pane->document());
            cursor.setPosition(position);
            QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->cursorRect(cursor).center());
        };
        clickAt(text.indexOf(u"1:20 "_s) + 6);
        QCOMPARE(parallel->toPlainText(), u"1:20 awal 20"_s);
        parallel->setPlainText(u"ditandai"_s);
        clickAt(text.indexOf(u"1:20 "_s) + 2); // same line: nothing is marked again
        QCOMPARE(parallel->toPlainText(), u"ditandai"_s);
        clickAt(text.indexOf(u"1:2 "_s) + 2);
        QCOMPARE(parallel->toPlainText(), u"1:2 awal 2"_s);

        // Another parallel translation shows the marked verse; it can show the whole chapter, and a
        // click goes back to the verse.
        reader.chooseVerse(4);
        reader.action("OpsiKitab_2")->trigger();
        QCOMPARE(reader.text("rtf2"), u"1:5 beginning 5"_s);
        QVERIFY(reader.action("OpsiKitab_2")->isChecked());
        QCOMPARE(parallel->toolTip(), u" English "_s);
        reader.action("menuPadananSeluruh")->trigger();
        QVERIFY(reader.text("rtf2").startsWith(u"1:1 beginning 1\n1:2"_s));
        QTest::mouseClick(parallel->viewport(), Qt::LeftButton);
        QCOMPARE(reader.text("rtf2"), u"1:5 beginning 5"_s);
    }

    void aTranslationWithoutTheOldTestamentAsksFirst()
    {
        ReaderWindow reader;
        QVERIFY(reader.open());
        Form1& form = reader.form();
        reader.control<QListWidget>("List2")->setCurrentRow(1);

        MessageBox::setNextAnswer(QMessageBox::Cancel);
        reader.action("VersiKitab_3")->trigger();
        QCOMPARE(MessageBox::lastText(),
            u"Perjanjian Lama untuk versi ini tidak tersedia.\r\nLihat Perjanjian Baru ?"_s);
        QCOMPARE(reader.heading(), u"Kejadian 2"_s);
        QVERIFY(reader.control<QRadioButton>("Option1")->isEnabled());
        QVERIFY(reader.action("VersiKitab_1")->isChecked());
        QCOMPARE(form.mainTranslation(), 1);
        QCOMPARE(form.currentColumn(), u"Kitab1"_s);

        MessageBox::setNextAnswer(QMessageBox::Ok);
        reader.action("VersiKitab_3")->trigger();
        QVERIFY(reader.control<QRadioButton>("Option2")->isChecked());
        QVERIFY(!reader.control<QRadioButton>("Option1")->isEnabled());
        QCOMPARE(reader.heading(), u"Matius 1"_s);
        QCOMPARE(reader.control<QListWidget>("List1")->item(0)->text(), u"Mat"_s);
        QVERIFY(reader.text().startsWith(u"1:1 sil 1"_s));
        QCOMPARE(form.windowTitle(), u"Tirtamaya 2.0.0 - Hanya PB"_s);
        // A step back to an Old Testament position moves nothing and asks nothing.
        const int messages = MessageBox::shownCount();
        for (qsizetype steps = form.history().entries().size(); steps > 0; --steps)
            QTest::keyClick(&form, Qt::Key_F3);
        QCOMPARE(reader.heading(), u"Matius 1"_s);
        QCOMPARE(MessageBox::shownCount(), messages);

        reader.action("VersiKitab_2")->trigger();
        QVERIFY(reader.control<QRadioButton>("Option1")->isEnabled());
        QCOMPARE(reader.control<QListWidget>("List1")->item(0)->text(), u"Matthew"_s);
        QCOMPARE(reader.heading(), u"Matius 1"_s);
        // History entries keep the columns they were recorded with.
        QVERIFY(form.history().entries().first().startsWith(u"Kitab1@"_s));
        QVERIFY(form.history().entries().last().startsWith(u"Kitab2@"_s));
    }

    // A jump selects the first line of the verse it names; one it cannot follow says why and moves
    // nothing.
    void jumpsSelectTheFirstVerseLine_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("selected");
        QTest::newRow("verse 2 not 20") << u"Kejadian#1:2"_s << u"Kejadian 1"_s << u"1:2 awal 2"_s;
        QTest::newRow("range") << u"Matius#2:3-5"_s << u"Matius 2"_s << u"2:3 majus 3"_s;
        QTest::newRow("last verse") << u"Matius#2:6"_s << u"Matius 2"_s << u"2:6 majus 6"_s;
        for (const QString& bad : { u"Kejadian"_s, u"Kejadian#x:1"_s, u"Tobit#1:1"_s, u"Kejadian#9:1"_s })
            QTest::newRow(qPrintable(bad)) << bad << u"Kejadian 1"_s << QString();
    }
    void jumpsSelectTheFirstVerseLine()
    {
        QFETCH(QString, reference);
        QFETCH(QString, label);
        QFETCH(QString, selected);
        ReaderWindow reader;
        QVERIFY(reader.open());
        const bool refused = selected.isEmpty();
        if (refused)
            MessageBox::setNextAnswer(QMessageBox::Ok);
        reader.form().JumpLocation(reference);
        QCOMPARE(MessageBox::shownCount(), refused ? 1 : 0);
        QCOMPARE(reader.heading(), label);
        if (!refused) {
            QCOMPARE(reader.selection(), selected);
            QCOMPARE(reader.control<QComboBox>("Combo1")->currentIndex(), -1);
            QCOMPARE(reader.text("rtf2"), selected);
        }
    }

    // A book or chapter the active translation does not have: the reading pane says so.
    void absentBookOrChapterIsShownAsAbsent_data()
    {
        QTest::addColumn<QByteArray>("version"); ///< the translation's menu entry
        QTest::addColumn<int>("book"); ///< row of the book list after the first
        QTest::addColumn<QString>("heading");
        QTest::newRow("book no translation has") << QByteArray("VersiKitab_1") << 2 << u"Imamat"_s;
        QTest::newRow("book another translation has") << QByteArray("VersiKitab_3") << 1 << u"Markus 1"_s;
    }
    void absentBookOrChapterIsShownAsAbsent()
    {
        QFETCH(QByteArray, version);
        QFETCH(int, book);
        QFETCH(QString, heading);
        // Imamat has no chapter in any translation; Markus 1 is in the first two only.
        tirta::test::FixtureBuilder bible = tirta::test::sampleBible();
        bible.book(u"Imamat"_s, { u"Imamat"_s, u"Leviticus"_s, QString() }, 0)
            .book(u"Markus"_s, { u"Markus"_s, u"Mark"_s, u"Mrk"_s }, 1)
            .chapter(u"Markus"_s, 1, { tirta::test::numberedVerses(u"Yohanes"_s, 3), {}, {} });
        ReaderWindow reader;
        QVERIFY(reader.open(bible));
        if (version == "VersiKitab_3")
            MessageBox::setNextAnswer(QMessageBox::Ok); // "Hanya PB" has no Old Testament
        reader.action(version.constData())->trigger();
        reader.control<QListWidget>("List2")->setCurrentRow(1); // a second chapter, Kejadian 2 or Matius 2

        reader.control<QListWidget>("List1")->setCurrentRow(book);
        QCOMPARE(reader.heading(), heading);
        QCOMPARE(reader.text(), heading + u" tidak ada dalam versi ini."_s);
        QCOMPARE(reader.text("rtf2"), QString());
        QCOMPARE(reader.control<QComboBox>("Combo1")->count(), 0);
    }

    // The font dialog starts from the reading pane's font, so that OK alone changes nothing, also
    // when the stored family is not installed here. The font buttons keep within their limits.
    void fontDialogAndButtonsChangeTheReadingFont()
    {
        ReaderWindow reader;
        tirta::SettingsStore s = reader.harness.store();
        s.write(tirta::setting::fontName, u"Huruf Yang Tidak Ada"_s);
        s.write(tirta::setting::fontSize, u"13"_s);
        QVERIFY(reader.open());
        auto* pane = reader.control<QTextEdit>("rtf1");
        QFont font = pane->font();
        font.setBold(true);
        font.setItalic(true);
        pane->setFont(font);
        const QFontInfo before(pane->font());

        FontDialog::setNextAnswer(FontDialog::Answer::AcceptShown);
        reader.action("MenuSettingFont")->trigger();
        const QFont start = FontDialog::lastStartingFont();
        QVERIFY2(QFontDatabase::families().contains(start.family()), qPrintable(start.family()));
        QCOMPARE(start.pointSizeF(), 13.0);
        QVERIFY(start.bold() && start.italic());
        const QFontInfo after(pane->font());
        QCOMPARE(after.family(), before.family());
        QCOMPARE(after.pointSizeF(), before.pointSizeF());
        QVERIFY(after.bold() && after.italic());
        QCOMPARE(reader.control<QTextEdit>("rtf2")->font(), pane->font());

        FontDialog::setNextAnswer(FontDialog::Answer::Cancel);
        reader.action("MenuSettingFont")->trigger();
        QCOMPARE(QFontInfo(pane->font()).family(), before.family());

        reader.control<QToolButton>("bFontReset")->click();
        QCOMPARE(pane->font().family(), u"Times New Roman"_s);
        QCOMPARE(pane->font().pointSizeF(), 10.0);
        QVERIFY(!pane->font().bold());
        for (int i = 0; i < 20; ++i)
            reader.control<QToolButton>("bFontDown")->click();
        QCOMPARE(pane->font().pointSizeF(), 3.0);
        reader.control<QToolButton>("bFontUp")->click();
        QCOMPARE(pane->font().pointSizeF(), 4.0);
        QCOMPARE(reader.control<QTextEdit>("rtf2")->font().pointSizeF(), 4.0);
        // At thousands of points a chapter is never drawn and the window stops answering.
        for (int i = 0; i < 100; ++i)
            reader.control<QToolButton>("bFontUp")->click();
        QCOMPARE(pane->font().pointSizeF(), tirta::kLargestFontSize);
    }

    void editMenuFollowsTheSelection()
    {
        ReaderWindow reader;
        QVERIFY(reader.open());
        auto* pane = reader.control<QTextEdit>("rtf1");
        auto* menu = named<QMenu>(&reader.form(), "MenuEdit");
        QTextCursor cursor = pane->textCursor();
        cursor.clearSelection();
        pane->setTextCursor(cursor);
        QTest::mouseClick(pane->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!reader.action("menuCopy")->isEnabled());
        QVERIFY(!reader.action("MenuCopyClipBook")->isEnabled());
        QVERIFY(reader.action("MenuPilihAyat")->isEnabled());
        menu->hide();
        pane->selectAll();
        QTest::mouseClick(pane->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(reader.action("menuCopy")->isEnabled());
        QVERIFY(!reader.action("MenuPilihSemua")->isEnabled());
        menu->hide();
    }

    // Without "Selalu simpan setting program" the exit forgets the reader's choices; with it they
    // are kept, and the next start opens where the user left off.
    void closingForgetsOrKeepsTheSettings()
    {
        ReaderWindow reader;
        QVERIFY(reader.open());
        reader.control<QToolButton>("bFontUp")->click();
        reader.action("menuPadanan")->setChecked(true);
        reader.close();
        QCOMPARE(reader.harness.store().read(tirta::setting::fontSize), u"10"_s);
        QCOMPARE(reader.harness.store().read(tirta::setting::padanan), u"1"_s);

        QVERIFY(reader.openAgain());
        reader.action("menuSettingSimpan")->setChecked(true);
        reader.action("VersiKitab_2")->trigger();
        // A switch of translation the user cancels is not what the next start opens.
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        reader.action("VersiKitab_3")->trigger();
        reader.action("OpsiKitab_3")->trigger();
        reader.control<QToolButton>("bFontUp")->click();
        reader.control<QRadioButton>("Option2")->click();
        reader.control<QListWidget>("List2")->setCurrentRow(1);
        reader.action("menuPadanan")->setChecked(true);
        reader.close();
        const tirta::SettingsStore s = reader.harness.store();
        QCOMPARE(s.read(tirta::setting::aktif1), u"2"_s);
        QCOMPARE(s.read(tirta::setting::aktif2), u"3"_s);
        QCOMPARE(s.read(tirta::setting::fontSize), u"11"_s);
        QCOMPARE(s.read(tirta::setting::perj), u"0"_s);
        QCOMPARE(s.read(tirta::setting::buku), u"0"_s);
        QCOMPARE(s.read(tirta::setting::pasal), u"1"_s);
        QCOMPARE(s.read(tirta::setting::padanan), u"0"_s);
        QCOMPARE(s.read(tirta::setting::saveset), u"1"_s);

        QVERIFY(reader.openAgain());
        QVERIFY(reader.control<QRadioButton>("Option2")->isChecked());
        QCOMPARE(reader.control<QListWidget>("List1")->currentItem()->text(), u"Matthew"_s);
        QCOMPARE(reader.heading(), u"Matius 2"_s);
        QVERIFY(reader.text().startsWith(u"2:1 magi 1"_s));
        QCOMPARE(reader.text("rtf2"), u"2:1 maj 1"_s);
        QCOMPARE(reader.form().parallelTranslation(), 3);
        QVERIFY(reader.action("OpsiKitab_3")->isChecked());
        QCOMPARE(reader.control<QTextEdit>("rtf1")->font().pointSizeF(), 11.0);
        // The parallel pane comes back shown, and its menu item hides it.
        QVERIFY(reader.control<QTextEdit>("rtf2")->isVisible());
        QVERIFY(reader.action("menuPadanan")->isChecked());
        reader.action("menuPadanan")->trigger();
        QVERIFY(!reader.control<QTextEdit>("rtf2")->isVisible());
    }

    void aFullDiskIsReportedAndTheSettingsFileKept()
    {
        ReaderWindow reader;
        reader.harness.store().write(tirta::setting::saveset, u"1"_s);
        const QString settingsFile = reader.harness.store().filePath();
        QVERIFY(QFile::exists(settingsFile));
        const QByteArray before = tirta::test::fileBytes(settingsFile);
        const tirta::SimulatedFullDisk full(0);
        // The start keeps the data location it found; the exit saves every setting.
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(reader.open());
        QVERIFY(MessageBox::lastText().startsWith(u"Setting program tidak dapat disimpan"_s));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        reader.close();
        QCOMPARE(MessageBox::shownCount(), 2);
        QVERIFY(MessageBox::lastText().contains(u"Ruang disk tidak cukup."_s));
        QCOMPARE(tirta::test::fileBytes(settingsFile), before);
    }

    void aChapterOnADamagedPageIsReportedNotShownEmpty()
    {
        ReaderWindow reader;
        const QString path
            = tirta::test::sampleBible()
                  .statement(u"UPDATE UsysAlkitab SET Kitab1='1:1 ' || printf('%.*c', 20000, 'x') || "
                             u"'TANDA' || printf('%.*c', 200000, 'y') WHERE Buku='Kejadian' AND Bab=1"_s)
                  .write(reader.harness.programFolder() + u"/Purnaka2000.dat"_s);
        QFile data(path);
        QVERIFY(data.open(QIODevice::ReadWrite));
        const qsizetype mark = data.readAll().indexOf("TANDA");
        QVERIFY(mark > 0);
        data.seek(mark - mark % 4096);
        data.write(QByteArray(4096, '\xff'));
        data.close();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(reader.openAgain());
        QCOMPARE(MessageBox::shownCount(), 1);
        QVERIFY(MessageBox::lastText().startsWith(u"File data rusak"_s));
        QVERIFY(reader.text().isEmpty());
        reader.control<QListWidget>("List2")->setCurrentRow(1);
        QVERIFY(reader.text().startsWith(u"2:1 "_s));
    }

    void anImpossibleVerseCountIsReported()
    {
        // The verse list once took the count as it stood: two billion entries.
        ReaderWindow reader;
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(reader.open(tirta::test::sampleBible().statement(
            u"UPDATE UsysAlkitab SET Ayat=2000000000 WHERE Buku='Kejadian' AND Bab=1"_s)));
        QCOMPARE(MessageBox::shownCount(), 1);
        QVERIFY(MessageBox::lastText().contains(u"UsysAlkitab.Ayat = 2000000000"_s));
        QCOMPARE(reader.control<QComboBox>("Combo1")->count(), 0);
    }

    void aChapterOfOneHugeLineIsShownInShortLines()
    {
        // One layout line of megabytes took the text view half a minute.
        ReaderWindow reader;
        const QString line = u"1:1"_s + QString(u" kasih Allah"_s).repeated(20000);
        QVERIFY(reader.open(tirta::test::sampleBible().statement(
            u"UPDATE UsysAlkitab SET Kitab1='"_s + line + u"' WHERE Buku='Kejadian' AND Bab=1"_s)));
        const QTextDocument* document = reader.control<QTextEdit>("rtf1")->document();
        QCOMPARE(document->characterCount() - 1, line.size());
        QVERIFY(document->blockCount() > 1);
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            QVERIFY(block.length() <= tirta::reader::kLongestPaneLine + 1);
    }
};

TIRTA_TEST_MAIN(Form1Test)
#include "tst_form1.moc"
