#include "foundation/checksum.h"
#include "foundation/safefile.h"
#include "foundation/settings.h"
#include "reader/form1.h"
#include "reader/form15.h"
#include "support/readerharness.h"
#include "support/samplebible.h"
#include "support/testenv.h"
#include "uikit/filedialog.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::FileDialog;
using tirta::ui::FontDialog;
using tirta::ui::MessageBox;
using tirta::ui::named;

namespace {

QString writeBible(const QString& folder, const QString& name = u"Purnaka2000.dat"_s)
{
    return tirta::test::writeSampleBible(folder, name);
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

    std::unique_ptr<tirta::test::ReaderHarness> m_harness;

    tirta::reader::Environment environment() const { return m_harness->environment(); }
    tirta::SettingsStore store() const { return m_harness->store(); }
    QString programFolder() const { return m_harness->programFolder(); }
    std::unique_ptr<Form1> openReader() { return m_harness->openAgain(); }

    static QString rtf(Form1& form, const char* name) { return named<QTextEdit>(&form, name)->toPlainText(); }
    static QString selection(Form1& form)
    {
        return named<QTextEdit>(&form, "rtf1")->textCursor().selectedText();
    }

private Q_SLOTS:
    void init() { m_harness = std::make_unique<tirta::test::ReaderHarness>(); }

    void firstStartShowsTheFirstChapterWithItsParallelVerse()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        auto form = openReader();
        QVERIFY(form);
        QCOMPARE(MessageBox::shownCount(), 0);
        QCOMPARE(FileDialog::shownCount(), 0);
        QVERIFY(named<QRadioButton>(form.get(), "Option1")->isChecked());
        QCOMPARE(named<QListWidget>(form.get(), "List1")->currentItem()->text(), u"Kejadian"_s);
        QCOMPARE(named<QListWidget>(form.get(), "List2")->count(), 2);
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Kejadian 1"_s);
        QVERIFY(rtf(*form, "rtf1").startsWith(u"1:1 awal 1\n1:2 awal 2\n"_s));
        QCOMPARE(rtf(*form, "rtf2"), u"1:1 awal 1"_s); // the parallel translation defaults to the first
        QCOMPARE(named<QComboBox>(form.get(), "Combo1")->count(), 22);
        QCOMPARE(named<QComboBox>(form.get(), "Combo1")->currentIndex(), -1);
        QCOMPARE(form->windowTitle(), u"Tirtamaya 2.0.0 - Terjemahan Baru"_s);
        QCOMPARE(named<QComboBox>(form.get(), "Combo2")->itemText(3), u"Pencarian di Seluruh Alkitab"_s);
        QVERIFY(form->findChild<QAction*>(u"VersiKitab_1"_s)->isChecked());
        // The found location is kept, with the file's own spelling.
        QCOMPARE(
            store().read(tirta::setting::location(programFolder())), programFolder() + u"/Purnaka2000.dat"_s);
        QVERIFY(!named<QTextEdit>(form.get(), "rtf2")->isVisible()); // hidden until asked for
    }

    void aMovedDataFileIsLookedForOnce()
    {
        QTemporaryDir elsewhere;
        QVERIFY(!writeBible(elsewhere.path(), u"PURNAKA2000.DAT"_s).isEmpty());
        FileDialog::setNextFileName(elsewhere.path());
        auto form = openReader();
        QVERIFY(form);
        QCOMPARE(FileDialog::shownCount(), 1);
        QCOMPARE(FileDialog::lastCaption(), u"Pilih lokasi database Tirtamaya"_s);
        QCOMPARE(store().read(tirta::setting::location(programFolder())),
            elsewhere.path() + u"/PURNAKA2000.DAT"_s);
        form->close();
        form.reset();

        auto again = openReader();
        QVERIFY(again);
        QCOMPARE(FileDialog::shownCount(), 1);
    }

    void aFolderWithoutTheFileEndsTheProgram_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("cancelled") << true;
        QTest::newRow("wrong folder") << false;
    }
    void aFolderWithoutTheFileEndsTheProgram()
    {
        QFETCH(bool, cancel);
        QTemporaryDir empty;
        FileDialog::setNextFileName(cancel ? QString() : empty.path());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        Form1 form(environment());
        QVERIFY(!form.Form_Load());
        // The folder named is the one looked in last: the program's own, or the one chosen.
        const QString folder = cancel ? programFolder() + u'/' : empty.path() + u'/';
        QCOMPARE(MessageBox::lastText(),
            u"Data Tirtamaya tidak ditemukan \r\npada direktori : "_s + folder
                + u".\r\nJalankan kembali program dan pilih folder yang sesuai."_s);
        QCOMPARE(store().read(u"Opsi"_s, u"Location"_s, u"-"_s), u"-"_s);
    }

    // A damaged or foreign file never locks the user out: it is not remembered, and a remembered
    // one that no longer opens is reported and then asked for like a missing one.
    void aDamagedDataFileIsNeverKept_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("empty");
        QTest::newRow("stored, foreign") << true << false;
        QTest::newRow("stored, empty") << true << true;
        QTest::newRow("chosen, foreign") << false << false;
    }
    void aDamagedDataFileIsNeverKept()
    {
        QFETCH(bool, stored);
        QFETCH(bool, empty);
        QTemporaryDir damaged;
        QFile junk(damaged.filePath(u"Purnaka2000.dat"_s));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(empty ? "" : "bukan data");
        junk.close();
        QTemporaryDir good;
        QVERIFY(!writeBible(good.path()).isEmpty());
        if (stored) {
            store().write(tirta::setting::location(programFolder()), junk.fileName());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            FileDialog::setNextFileName(good.path());
            auto form = openReader();
            QVERIFY(form);
            QCOMPARE(
                store().read(tirta::setting::location(programFolder())), good.path() + u"/Purnaka2000.dat"_s);
        } else {
            FileDialog::setNextFileName(damaged.path());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            Form1 form(environment());
            QVERIFY(!form.Form_Load());
            QCOMPARE(store().read(u"Opsi"_s, u"Location"_s, u"-"_s), u"-"_s);
        }
        QCOMPARE(FileDialog::shownCount(), 1);
        QCOMPARE(MessageBox::pendingAnswers(), 0);
        // Indonesian, naming the file, without the engine's own words.
        QVERIFY(MessageBox::lastText().contains(u"rusak"_s));
        QVERIFY(MessageBox::lastText().contains(junk.fileName()));
        QVERIFY(!MessageBox::lastText().contains(u"database"_s));
    }

    void storedPositionAndTranslationsAreRestored()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        {
            tirta::SettingsStore s = store();
            s.write(tirta::setting::perj, u"0"_s);
            s.write(tirta::setting::buku, u"0"_s);
            s.write(tirta::setting::pasal, u"1"_s);
            s.write(tirta::setting::aktif1, u"2"_s);
            s.write(tirta::setting::aktif2, u"3"_s);
            s.write(tirta::setting::padanan, u"0"_s);
        }
        auto form = openReader();
        QVERIFY(form);
        QVERIFY(named<QRadioButton>(form.get(), "Option2")->isChecked());
        QCOMPARE(named<QListWidget>(form.get(), "List1")->currentItem()->text(), u"Matthew"_s);
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Matius 2"_s);
        QVERIFY(rtf(*form, "rtf1").startsWith(u"2:1 magi 1"_s));
        QCOMPARE(rtf(*form, "rtf2"), u"2:1 maj 1"_s);
        QVERIFY(named<QTextEdit>(form.get(), "rtf2")->isVisible());
        QCOMPARE(form->parallelTranslation(), 3);
        QVERIFY(form->findChild<QAction*>(u"OpsiKitab_3"_s)->isChecked());
    }

    void verseChoiceRefinesHistoryAndKeysStepThroughIt()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        auto form = openReader();
        QVERIFY(form);
        QCOMPARE(form->history().entries(), QStringList {});
        auto* chapters = named<QListWidget>(form.get(), "List2");
        auto* verseBox = named<QComboBox>(form.get(), "Combo1");
        chapters->setCurrentRow(1);
        QCOMPARE(form->history().entries(), QStringList { u"Kitab1@Kejadian#2:1"_s });
        verseBox->setCurrentIndex(1);
        Q_EMIT verseBox->activated(1);
        QCOMPARE(form->history().entries(), QStringList { u"Kitab1@Kejadian#2:2"_s });
        QCOMPARE(selection(*form), u"2:2 taman 2\u2029"_s); // the verse line with its break
        QCOMPARE(rtf(*form, "rtf2"), u"2:2 taman 2"_s);

        named<QListWidget>(form.get(), "List1")->setCurrentRow(1); // Keluaran 1
        QCOMPARE(form->history().entries().size(), 2);
        QCOMPARE(form->history().entries().last(), u"Kitab1@Keluaran#1:1"_s);

        QTest::keyClick(form.get(), Qt::Key_F3);
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Kejadian 2"_s);
        QCOMPARE(selection(*form), u"2:2 taman 2"_s);
        QCOMPARE(form->history().entries().size(), 2);
        QTest::keyClick(form.get(), Qt::Key_F3); // nothing before the first entry
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Kejadian 2"_s);
        QTest::keyClick(form.get(), Qt::Key_F4);
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Keluaran 1"_s);
        QCOMPARE(form->history().entries().size(), 2);
        QTest::keyClick(form.get(), Qt::Key_F4);
        QCOMPARE(form->history().entries().size(), 2);
    }

    void clickingMarksAVerseOnlyOnce()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        auto form = openReader();
        QVERIFY(form);
        auto* pane = named<QTextEdit>(form.get(), "rtf1");
        auto* parallel = named<QTextEdit>(form.get(), "rtf2");
        const QString text = pane->toPlainText();
        const auto clickAt = [&](qsizetype position) {
            QTextCursor cursor(pane->document());
            cursor.setPosition(position);
            const QPoint point = pane->cursorRect(cursor).center();
            QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, point);
        };
        clickAt(text.indexOf(u"1:20 "_s) + 6);
        QCOMPARE(parallel->toPlainText(), u"1:20 awal 20"_s);
        parallel->setPlainText(u"ditandai"_s);
        clickAt(text.indexOf(u"1:20 "_s) + 2); // same line: nothing is marked again
        QCOMPARE(parallel->toPlainText(), u"ditandai"_s);
        clickAt(text.indexOf(u"1:2 "_s) + 2);
        QCOMPARE(parallel->toPlainText(), u"1:2 awal 2"_s);
    }

    void parallelTranslationFollowsTheMarkedVerse()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        auto form = openReader();
        QVERIFY(form);
        auto* verseBox = named<QComboBox>(form.get(), "Combo1");
        verseBox->setCurrentIndex(4);
        Q_EMIT verseBox->activated(4);
        form->findChild<QAction*>(u"OpsiKitab_2"_s)->trigger();
        QCOMPARE(rtf(*form, "rtf2"), u"1:5 beginning 5"_s);
        QVERIFY(form->findChild<QAction*>(u"OpsiKitab_2"_s)->isChecked());
        QCOMPARE(named<QTextEdit>(form.get(), "rtf2")->toolTip(), u" English "_s);
        // The whole chapter, then a click back to the verse.
        form->findChild<QAction*>(u"menuPadananSeluruh"_s)->trigger();
        QVERIFY(rtf(*form, "rtf2").startsWith(u"1:1 beginning 1\n1:2"_s));
        QTest::mouseClick(named<QTextEdit>(form.get(), "rtf2")->viewport(), Qt::LeftButton);
        QCOMPARE(rtf(*form, "rtf2"), u"1:5 beginning 5"_s);
    }

    void aTranslationWithoutTheOldTestamentAsksFirst()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        auto form = openReader();
        QVERIFY(form);
        named<QListWidget>(form.get(), "List2")->setCurrentRow(1);

        MessageBox::setNextAnswer(QMessageBox::Cancel);
        form->findChild<QAction*>(u"VersiKitab_3"_s)->trigger();
        QCOMPARE(MessageBox::lastText(),
            u"Perjanjian Lama untuk versi ini tidak tersedia.\r\nLihat Perjanjian Baru ?"_s);
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Kejadian 2"_s);
        QVERIFY(named<QRadioButton>(form.get(), "Option1")->isEnabled());
        QVERIFY(form->findChild<QAction*>(u"VersiKitab_1"_s)->isChecked());
        QCOMPARE(form->mainTranslation(), 1);
        QCOMPARE(form->currentColumn(), u"Kitab1"_s);

        MessageBox::setNextAnswer(QMessageBox::Ok);
        form->findChild<QAction*>(u"VersiKitab_3"_s)->trigger();
        QVERIFY(named<QRadioButton>(form.get(), "Option2")->isChecked());
        QVERIFY(!named<QRadioButton>(form.get(), "Option1")->isEnabled());
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Matius 1"_s);
        QCOMPARE(named<QListWidget>(form.get(), "List1")->item(0)->text(), u"Mat"_s);
        QVERIFY(rtf(*form, "rtf1").startsWith(u"1:1 sil 1"_s));
        QCOMPARE(form->windowTitle(), u"Tirtamaya 2.0.0 - Hanya PB"_s);
        // A step back to an Old Testament position moves nothing and asks nothing.
        const int messages = MessageBox::shownCount();
        for (qsizetype steps = form->history().entries().size(); steps > 0; --steps)
            QTest::keyClick(form.get(), Qt::Key_F3);
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Matius 1"_s);
        QCOMPARE(MessageBox::shownCount(), messages);

        form->findChild<QAction*>(u"VersiKitab_2"_s)->trigger();
        QVERIFY(named<QRadioButton>(form.get(), "Option1")->isEnabled());
        QCOMPARE(named<QListWidget>(form.get(), "List1")->item(0)->text(), u"Matthew"_s);
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Matius 1"_s);
        // History entries keep the columns they were recorded with.
        QVERIFY(form->history().entries().first().startsWith(u"Kitab1@"_s));
        QVERIFY(form->history().entries().last().startsWith(u"Kitab2@"_s));
    }

    void aCancelledSwitchIsNotWhatTheNextStartOpens()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        {
            auto form = openReader();
            QVERIFY(form);
            form->findChild<QAction*>(u"menuSettingSimpan"_s)->setChecked(true);
            named<QListWidget>(form.get(), "List2")->setCurrentRow(1);
            MessageBox::setNextAnswer(QMessageBox::Cancel);
            form->findChild<QAction*>(u"VersiKitab_3"_s)->trigger();
            form->close();
        }
        QCOMPARE(store().read(tirta::setting::aktif1), u"1"_s);
        auto form = openReader();
        QVERIFY(form);
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Kejadian 2"_s);
        QCOMPARE(form->currentColumn(), u"Kitab1"_s);
    }

    void jumpsSelectTheFirstVerseLine_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("selected");
        QTest::newRow("verse 2 not 20") << u"Kejadian#1:2"_s << u"Kejadian 1"_s << u"1:2 awal 2"_s;
        QTest::newRow("range") << u"Matius#2:3-5"_s << u"Matius 2"_s << u"2:3 majus 3"_s;
        QTest::newRow("last verse") << u"Matius#2:6"_s << u"Matius 2"_s << u"2:6 majus 6"_s;
    }
    void jumpsSelectTheFirstVerseLine()
    {
        QFETCH(QString, reference);
        QFETCH(QString, label);
        QFETCH(QString, selected);
        QVERIFY(!writeBible(programFolder()).isEmpty());
        auto form = openReader();
        QVERIFY(form);
        form->JumpLocation(reference);
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), label);
        QCOMPARE(selection(*form), selected);
        QCOMPARE(named<QComboBox>(form.get(), "Combo1")->currentIndex(), -1);
        QCOMPARE(rtf(*form, "rtf2"), selected);
    }

    void badJumpsSayWhyAndMoveNothing()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        auto form = openReader();
        QVERIFY(form);
        for (QString reference : { u"Kejadian"_s, u"Kejadian#x:1"_s, u"Tobit#1:1"_s, u"Kejadian#9:1"_s }) {
            MessageBox::setNextAnswer(QMessageBox::Ok);
            form->JumpLocation(reference);
            QVERIFY2(!MessageBox::lastText().isEmpty(), qPrintable(reference));
            QCOMPARE(MessageBox::pendingAnswers(), 0);
        }
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Kejadian 1"_s);
    }

    void fontButtonsKeepTheirLimits()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        auto form = openReader();
        QVERIFY(form);
        auto* pane = named<QTextEdit>(form.get(), "rtf1");
        QCOMPARE(pane->font().pointSizeF(), 10.0);
        for (int i = 0; i < 20; ++i)
            named<QToolButton>(form.get(), "bFontDown")->click();
        QCOMPARE(pane->font().pointSizeF(), 3.0);
        named<QToolButton>(form.get(), "bFontUp")->click();
        QCOMPARE(pane->font().pointSizeF(), 4.0);
        QCOMPARE(named<QTextEdit>(form.get(), "rtf2")->font().pointSizeF(), 4.0);
        // At thousands of points a chapter is never drawn and the window stops answering.
        for (int i = 0; i < 100; ++i)
            named<QToolButton>(form.get(), "bFontUp")->click();
        QCOMPARE(pane->font().pointSizeF(), tirta::kLargestFontSize);
        QFont bold = pane->font();
        bold.setBold(true);
        pane->setFont(bold);
        named<QToolButton>(form.get(), "bFontReset")->click();
        QCOMPARE(pane->font().family(), u"Times New Roman"_s);
        QCOMPARE(pane->font().pointSizeF(), 10.0);
        QVERIFY(!pane->font().bold());
    }

    // The font dialog starts from the reading pane's font, so that OK alone changes nothing, also
    // when the stored family is not installed here.
    void fontDialogStartsFromTheReadingFont()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        tirta::SettingsStore s = store();
        s.write(tirta::setting::fontName, u"Huruf Yang Tidak Ada"_s);
        s.write(tirta::setting::fontSize, u"13"_s);
        auto form = openReader();
        QVERIFY(form);
        auto* pane = named<QTextEdit>(form.get(), "rtf1");
        QFont font = pane->font();
        font.setBold(true);
        font.setItalic(true);
        pane->setFont(font);
        const QFontInfo before(pane->font());

        FontDialog::setNextAnswer(FontDialog::Answer::AcceptShown);
        form->findChild<QAction*>(u"MenuSettingFont"_s)->trigger();
        const QFont start = FontDialog::lastStartingFont();
        QVERIFY2(QFontDatabase::families().contains(start.family()), qPrintable(start.family()));
        QCOMPARE(start.pointSizeF(), 13.0);
        QVERIFY(start.bold() && start.italic());
        const QFontInfo after(pane->font());
        QCOMPARE(after.family(), before.family());
        QCOMPARE(after.pointSizeF(), before.pointSizeF());
        QVERIFY(after.bold() && after.italic());
        QCOMPARE(named<QTextEdit>(form.get(), "rtf2")->font(), pane->font());

        FontDialog::setNextAnswer(FontDialog::Answer::Cancel);
        form->findChild<QAction*>(u"MenuSettingFont"_s)->trigger();
        QCOMPARE(QFontInfo(pane->font()).family(), before.family());
    }

    void editMenuFollowsTheSelection()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        auto form = openReader();
        QVERIFY(form);
        auto* pane = named<QTextEdit>(form.get(), "rtf1");
        auto* menu = form->findChild<QMenu*>(u"MenuEdit"_s);
        QTextCursor cursor = pane->textCursor();
        cursor.clearSelection();
        pane->setTextCursor(cursor);
        QTest::mouseClick(pane->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!form->findChild<QAction*>(u"menuCopy"_s)->isEnabled());
        QVERIFY(!form->findChild<QAction*>(u"MenuCopyClipBook"_s)->isEnabled());
        QVERIFY(form->findChild<QAction*>(u"MenuPilihAyat"_s)->isEnabled());
        menu->hide();
        pane->selectAll();
        QTest::mouseClick(pane->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(form->findChild<QAction*>(u"menuCopy"_s)->isEnabled());
        QVERIFY(!form->findChild<QAction*>(u"MenuPilihSemua"_s)->isEnabled());
        menu->hide();
    }

    void closingForgetsOrKeepsTheSettings()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        {
            auto form = openReader();
            QVERIFY(form);
            named<QToolButton>(form.get(), "bFontUp")->click();
            form->findChild<QAction*>(u"menuPadanan"_s)->setChecked(true);
            form->close();
        }
        QCOMPARE(store().read(tirta::setting::fontSize), u"10"_s);
        QCOMPARE(store().read(tirta::setting::padanan), u"1"_s);
        {
            auto form = openReader();
            QVERIFY(form);
            form->findChild<QAction*>(u"menuSettingSimpan"_s)->setChecked(true);
            named<QToolButton>(form.get(), "bFontUp")->click();
            named<QRadioButton>(form.get(), "Option2")->click();
            named<QListWidget>(form.get(), "List2")->setCurrentRow(1);
            form->findChild<QAction*>(u"menuPadanan"_s)->setChecked(true);
            form->close();
        }
        tirta::SettingsStore s = store();
        QCOMPARE(s.read(tirta::setting::fontSize), u"11"_s);
        QCOMPARE(s.read(tirta::setting::perj), u"0"_s);
        QCOMPARE(s.read(tirta::setting::buku), u"0"_s);
        QCOMPARE(s.read(tirta::setting::pasal), u"1"_s);
        QCOMPARE(s.read(tirta::setting::padanan), u"0"_s);
        QCOMPARE(s.read(tirta::setting::saveset), u"1"_s);
    }

    void dataLocationDialogRefusesADamagedFile()
    {
        tirta::SettingsStore s(m_harness->settingsFolder(), u"lokasi"_s);
        QTemporaryDir damaged;
        QFile junk(damaged.filePath(u"PURNAKA2000.DAT"_s));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("bukan data");
        junk.close();
        Form15 dialog(s, u"/data/Lama/"_s);
        FileDialog::setNextFileName(damaged.path());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        named<QPushButton>(&dialog, "cmdBrowse")->click();
        QVERIFY(MessageBox::lastText().contains(junk.fileName()));
        QCOMPARE(named<QLineEdit>(&dialog, "txtLocation")->text(), u"/data/Lama/"_s);
        named<QPushButton>(&dialog, "cmdOK")->click();
        QCOMPARE(s.read(u"Opsi"_s, u"Location"_s, u"-"_s), u"-"_s);
    }

    void dataLocationDialogConfirmsAFolderWithoutTheFile()
    {
        tirta::SettingsStore s(m_harness->settingsFolder(), u"lokasi"_s);
        QTemporaryDir empty;
        Form15 dialog(s, u"/DATA/LAMA/"_s);
        QCOMPARE(named<QLineEdit>(&dialog, "txtLocation")->text(), u"/DATA/LAMA/"_s);
        QCOMPARE(dialog.windowTitle(), u"Pilih lokasi data"_s);

        FileDialog::setNextFileName(empty.path());
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        named<QPushButton>(&dialog, "cmdBrowse")->click();
        QCOMPARE(MessageBox::lastTitle(), u"Lokasi Data"_s);
        QCOMPARE(MessageBox::lastText(),
            u"File Purnaka2000.DAT tidak ditemukan di lokasi yang anda pilih. \r\nTetap gunakan lokasi baru ini?"_s);
        QCOMPARE(named<QLineEdit>(&dialog, "txtLocation")->text(), u"/DATA/LAMA/"_s);

        FileDialog::setNextFileName(empty.path());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        named<QPushButton>(&dialog, "cmdBrowse")->click();
        auto* location = named<QLineEdit>(&dialog, "txtLocation");
        QCOMPARE(location->text(), empty.path() + u'/');
        QCOMPARE(location->palette().color(QPalette::Text), QColor(Qt::red));
        {
            // A location that could not be kept is reported, and the dialog stays open.
            const tirta::SimulatedFullDisk full(0);
            MessageBox::setNextAnswer(QMessageBox::Ok);
            dialog.show();
            named<QPushButton>(&dialog, "cmdOK")->click();
            QVERIFY(MessageBox::lastText().contains(u"Ruang disk tidak cukup."_s));
            QVERIFY(dialog.isVisible());
        }
        named<QPushButton>(&dialog, "cmdOK")->click();
        QCOMPARE(s.read(u"Opsi"_s, u"Location"_s, QString()), empty.path() + u"/Purnaka2000.dat"_s);
    }

    void aFullDiskIsReportedAndTheSettingsFileKept()
    {
        QVERIFY(!writeBible(programFolder()).isEmpty());
        {
            tirta::SettingsStore kept = store();
            kept.write(tirta::setting::saveset, u"1"_s);
        }
        QFile file(store().filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        const tirta::SimulatedFullDisk full(0);
        // The start keeps the data location it found; the exit saves every setting.
        MessageBox::setNextAnswer(QMessageBox::Ok);
        auto form = openReader();
        QVERIFY(form);
        QVERIFY(MessageBox::lastText().startsWith(u"Setting program tidak dapat disimpan"_s));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        form->close();
        QCOMPARE(MessageBox::shownCount(), 2);
        QVERIFY(MessageBox::lastText().contains(u"Ruang disk tidak cukup."_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    void aChapterOnADamagedPageIsReportedNotShownEmpty()
    {
        const QString path
            = tirta::test::sampleBible()
                  .statement(u"UPDATE UsysAlkitab SET Kitab1='1:1 ' || printf('%.*c', 20000, 'x') || "
                             u"'TANDA' || printf('%.*c', 200000, 'y') WHERE Buku='Kejadian' AND Bab=1"_s)
                  .write(programFolder() + u"/Purnaka2000.dat"_s);
        QFile data(path);
        QVERIFY(data.open(QIODevice::ReadWrite));
        const qsizetype mark = data.readAll().indexOf("TANDA");
        QVERIFY(mark > 0);
        data.seek(mark - mark % 4096);
        data.write(QByteArray(4096, '\xff'));
        data.close();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        auto form = openReader();
        QVERIFY(form);
        QVERIFY(MessageBox::lastText().startsWith(u"File data rusak"_s));
        QVERIFY(rtf(*form, "rtf1").isEmpty());
        named<QListWidget>(form.get(), "List2")->setCurrentRow(1);
        QVERIFY(rtf(*form, "rtf1").startsWith(u"2:1 "_s));
    }

    void anImpossibleVerseCountIsReported()
    {
        // The verse list once took the count as it stood: two billion entries.
        MessageBox::setNextAnswer(QMessageBox::Ok);
        auto form = m_harness->open(tirta::test::sampleBible().statement(
            u"UPDATE UsysAlkitab SET Ayat=2000000000 WHERE Buku='Kejadian' AND Bab=1"_s));
        QVERIFY(form);
        QCOMPARE(MessageBox::shownCount(), 1);
        QVERIFY(MessageBox::lastText().contains(u"UsysAlkitab.Ayat = 2000000000"_s));
        QCOMPARE(named<QComboBox>(form.get(), "Combo1")->count(), 0);
    }

    void aChapterOfOneHugeLineIsShownInShortLines()
    {
        // One layout line of megabytes took the text view half a minute.
        const QString line = u"1:1"_s + QString(u" kasih Allah"_s).repeated(20000);
        auto form = m_harness->open(tirta::test::sampleBible().statement(
            u"UPDATE UsysAlkitab SET Kitab1='"_s + line + u"' WHERE Buku='Kejadian' AND Bab=1"_s));
        QVERIFY(form);
        const QTextDocument* document = named<QTextEdit>(form.get(), "rtf1")->document();
        QCOMPARE(document->characterCount() - 1, line.size());
        QVERIFY(document->blockCount() > 1);
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            QVERIFY(block.length() <= tirta::reader::kLongestPaneLine + 1);
    }
};

TIRTA_TEST_MAIN(Form1Test)
#include "tst_form1.moc"
