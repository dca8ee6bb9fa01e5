#include "reader/form1.h"
#include "study/docked.h"
#include "study/form12.h"
#include "study/form8.h"
#include "support/readerharness.h"
#include "support/samplebible.h"
#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::named;

namespace {

/// The sample Bible with study texts named after their field and book ("Intro Keluaran"), three
/// pericopes in Matius and `kejadianPericopes` numbered ones in Kejadian.
tirta::test::FixtureBuilder studyBible(int kejadianPericopes = 3)
{
    tirta::test::FixtureBuilder bible = tirta::test::sampleBible();
    for (const QString& book : { u"Kejadian"_s, u"Keluaran"_s, u"Matius"_s })
        bible.statement(u"UPDATE UsysKitab SET Intro='Intro %1', Pengantar='Pengantar %1', "
                        u"CiriKhas='CiriKhas %1', Survai='Survai %1' WHERE Kitab1='%1'"_s.arg(book));
    const QString crLf = u"' || char(13, 10) || '"_s;
    bible.statement(u"UPDATE UsysKitab SET Perikop='Silsilah==(Mat#1:1-5)"_s + crLf
        + u"Orang majus==(Mat#2:1-3)"_s + crLf + u"Pelarian==(Mat#2:4-6)' WHERE Kitab1='Matius'"_s);
    QStringList kejadian;
    for (int k = 1; k <= kejadianPericopes; ++k)
        kejadian << u"Bagian %1==(Kej#1:%1)"_s.arg(k);
    bible.statement(
        u"UPDATE UsysKitab SET Perikop='"_s + kejadian.join(crLf) + u"' WHERE Kitab1='Kejadian'"_s);
    return bible;
}

} // namespace

class DockedStudyTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<tirta::test::ReaderHarness> m_harness;

    std::unique_ptr<Form1> openReader(bool separateWindow, int kejadianPericopes = 3)
    {
        auto form = m_harness->open(studyBible(kejadianPericopes));
        if (form) {
            tirta::study::installPericopes(*form);
            tirta::study::installBookNotes(*form);
            action(*form, "MenuSettingTerpisah")->setChecked(separateWindow);
        }
        return form;
    }

    static QAction* action(Form1& form, const char* name) { return named<QAction>(&form, name); }
    static QString paneText(Form1& form) { return named<QTextEdit>(&form, "rtf1")->toPlainText(); }
    static bool shown(Form1& form, const char* name) { return named<QWidget>(&form, name)->isVisible(); }
    static Form8* notesWindow(Form1& form) { return form.findChild<Form8*>(); }
    static QString windowText(Form1& form)
    {
        Form8* window = notesWindow(form);
        return window && window->isVisible() ? named<QTextEdit>(window, "rtf1")->toPlainText() : QString();
    }

private Q_SLOTS:
    void init() { m_harness = std::make_unique<tirta::test::ReaderHarness>(); }

    void bookChangeFollowsTheStudyText_data()
    {
        QTest::addColumn<bool>("separate");
        QTest::addColumn<QString>("open"); // menu item, then the option clicked, if any
        QTest::addColumn<QString>("pane"); // expected start of the reading pane
        QTest::addColumn<QString>("window"); // expected text of the book notes window
        QTest::addColumn<bool>("options"); // Picture4 shown (Command5 is shown with any inline text)

        const QString chapter = u"1:1 Mesir 1"_s;
        QTest::newRow("intro inline")
            << false << u"MenuPengantar"_s << u"Intro Keluaran"_s << QString() << false;
        QTest::newRow("intro window")
            << true << u"MenuPengantar"_s << chapter << u"Intro Keluaran"_s << false;
        QTest::newRow("notes inline")
            << false << u"MenuKeterangan"_s << u"Pengantar Keluaran"_s << QString() << true;
        QTest::newRow("notes window")
            << true << u"MenuKeterangan"_s << chapter << u"Pengantar Keluaran"_s << false;
        QTest::newRow("ciri khas inline")
            << false << u"MenuKeterangan Option5"_s << u"CiriKhas Keluaran"_s << QString() << true;
        QTest::newRow("survai inline")
            << false << u"MenuKeterangan Option4"_s << u"Survai Keluaran"_s << QString() << true;
        QTest::newRow("ciri khas in the window")
            << true << u"MenuKeterangan Option2"_s << chapter << u"Pengantar Keluaran"_s << false;
        QTest::newRow("survai inline, then the window option")
            << false << u"MenuKeterangan Option4 MenuSettingTerpisah"_s << chapter << QString() << false;
    }

    void bookChangeFollowsTheStudyText()
    {
        QFETCH(bool, separate);
        QFETCH(QString, open);
        QFETCH(QString, pane);
        QFETCH(QString, window);
        QFETCH(bool, options);
        auto form = openReader(separate);
        QVERIFY(form);
        auto* chapters = named<QListWidget>(form.get(), "List2");
        chapters->setCurrentRow(1);
        const QStringList steps = open.split(u' ');
        action(*form, qPrintable(steps[0]))->trigger();
        for (const QString& step : steps.mid(1)) {
            if (step == u"MenuSettingTerpisah"_s)
                action(*form, "MenuSettingTerpisah")->trigger();
            else
                named<QRadioButton>(
                    step == u"Option2"_s ? static_cast<QWidget*>(notesWindow(*form)) : form.get(),
                    qPrintable(step))
                    ->click();
        }

        named<QListWidget>(form.get(), "List1")->setCurrentRow(1);
        QVERIFY2(paneText(*form).startsWith(pane), qPrintable(paneText(*form)));
        QCOMPARE(windowText(*form), window);
        const bool inlineText = !pane.startsWith(u"1:"_s);
        QCOMPARE(shown(*form, "Command5"), inlineText);
        QCOMPARE(shown(*form, "Picture4"), options);
        // The chapter list offers the new book's chapters; only the inline introduction selects none.
        const bool inlineIntro = steps[0] == u"MenuPengantar"_s && !separate;
        QCOMPARE(chapters->count(), 1);
        QCOMPARE(chapters->currentRow(), inlineIntro ? -1 : 0);
        if (separate && steps[0] == u"MenuKeterangan"_s)
            QVERIFY(named<QRadioButton>(notesWindow(*form), "Option1")->isChecked());
        if (inlineIntro)
            QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Keluaran"_s + QString(22, u' '));
    }

    void chapterListLeavesTheInlineTextAlone()
    {
        auto form = openReader(false);
        QVERIFY(form);
        action(*form, "MenuPengantar")->trigger();
        named<QListWidget>(form.get(), "List2")->setCurrentRow(1);
        QCOMPARE(paneText(*form), u"Intro Kejadian"_s);
        QCOMPARE(form->paneMode(), u"intro"_s);
    }

    void separateWindowOptionMovesTheIntroduction()
    {
        auto form = openReader(true);
        QVERIFY(form);
        QAction* option = action(*form, "MenuSettingTerpisah");
        option->trigger();
        option->trigger();
        QVERIFY(!notesWindow(*form)); // checked in reading-pane mode "kitab": nothing moves
        action(*form, "MenuPengantar")->trigger();
        QCOMPARE(windowText(*form), u"Intro Kejadian"_s);

        option->trigger();
        QVERIFY(!notesWindow(*form)->isVisible());
        QCOMPARE(paneText(*form), u"Intro Kejadian"_s);
        QVERIFY(shown(*form, "Command5"));
        QCOMPARE(form->paneMode(), u"intro"_s);

        option->trigger();
        QCOMPARE(windowText(*form), u"Intro Kejadian"_s);
        QVERIFY(paneText(*form).startsWith(u"1:1 awal 1"_s));
        QVERIFY(!shown(*form, "Command5"));
    }

    void kitabButtonReturnsToTheChapter()
    {
        auto form = openReader(false);
        QVERIFY(form);
        action(*form, "menuPadanan")->trigger();
        named<QListWidget>(form.get(), "List2")->setCurrentRow(1);
        action(*form, "MenuKeterangan")->trigger();
        QCOMPARE(paneText(*form), u"Pengantar Kejadian"_s);
        QVERIFY(!shown(*form, "rtf2"));

        named<QPushButton>(form.get(), "Command5")->click();
        QVERIFY(paneText(*form).startsWith(u"2:1 taman 1"_s));
        QCOMPARE(form->paneMode(), u"kitab"_s);
        QVERIFY(shown(*form, "rtf2"));
        QVERIFY(!shown(*form, "studyStrip"));
    }

    void closingOneDockedWindowKeepsTheSize_data()
    {
        QTest::addColumn<bool>("pericopesFirst");
        QTest::newRow("pericope list first") << true;
        QTest::newRow("book notes first") << false;
    }

    void closingOneDockedWindowKeepsTheSize()
    {
        QFETCH(bool, pericopesFirst);
        auto form = openReader(true);
        QVERIFY(form);
        form->resize(520, 420);
        const QSize before = form->size();
        action(*form, "MenuPerikop")->trigger();
        const QSize dockedSize = form->size();
        QVERIFY(dockedSize != before);
        action(*form, "MenuPengantar")->trigger();
        QWidget* pericopes = form->findChild<Form12*>();
        QWidget* notes = notesWindow(*form);
        QVERIFY(pericopes->isVisible() && notes->isVisible());

        (pericopesFirst ? pericopes : notes)->close();
        QCOMPARE(form->size(), dockedSize);
        (pericopesFirst ? notes : pericopes)->close();
        QCOMPARE(form->size(), before);
        QCOMPARE(form->paneMode(), u"kitab"_s);
    }

    void pericopeClickJumpsToTheFirstVerse()
    {
        auto form = openReader(true);
        QVERIFY(form);
        named<QRadioButton>(form.get(), "Option2")->click(); // Matius 1
        action(*form, "MenuPerikop")->trigger();
        auto* list = form->findChild<Form12*>();
        QVERIFY(QTest::qWaitForWindowExposed(list));
        QCOMPARE(named<QLabel>(list, "LabelKitab")->text(), u"Matius"_s);

        // Heading and passage of the third pericope light up the same entry.
        auto* column = named<QWidget>(list, "Picture2");
        auto* overlay = named<QLabel>(list, "LabelColor");
        QTest::mouseMove(column, list->labelRect(4).center());
        QTRY_COMPARE(overlay->text(), u"Pelarian"_s);
        const QRect frame = named<QWidget>(list, "Shape1")->geometry();
        QTest::mouseMove(column, list->labelRect(5).center());
        QTRY_COMPARE(overlay->text(), u"(Mat#2:4-6)"_s);
        QCOMPARE(named<QWidget>(list, "Shape1")->geometry(), frame);

        QTest::mouseClick(overlay, Qt::LeftButton);
        QCOMPARE(named<QListWidget>(form.get(), "List2")->currentRow(), 1);
        const QString text = paneText(*form);
        const qsizetype lineEnd = text.indexOf(u'\n', text.indexOf(u"2:4 "_s));
        QCOMPARE(named<QTextEdit>(form.get(), "rtf1")->textCursor().position(), lineEnd);
    }

    void shortListStartsAtTheTopWithoutScrollBar()
    {
        auto form = openReader(true, 250);
        QVERIFY(form);
        action(*form, "MenuPerikop")->trigger();
        auto* list = form->findChild<Form12*>();
        auto* scroll = named<QScrollBar>(list, "VScroll1");
        auto* column = named<QWidget>(list, "Picture2");
        QVERIFY(scroll->isEnabled());
        // 250 pericopes: the 201st shows its heading only, the rest are left out.
        QVERIFY(!list->labelRect(400).isEmpty());
        QVERIFY(list->labelRect(401).isNull());
        scroll->setValue(scroll->maximum() / 2);
        QVERIFY(column->y() < 0);

        named<QRadioButton>(form.get(), "Option2")->click(); // Matius: three pericopes
        QVERIFY(!scroll->isEnabled());
        QCOMPARE(column->y(), 0);
        QVERIFY(list->labelRect(6).isNull());
    }
};

TIRTA_TEST_MAIN(DockedStudyTest)
#include "tst_docked.moc"
