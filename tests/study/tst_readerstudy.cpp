#include "reader/form1.h"
#include "study/crossrefmenu.h"
#include "study/docked.h"
#include "study/form12.h"
#include "study/form13.h"
#include "study/form8.h"
#include "support/readerharness.h"
#include "support/samplebible.h"
#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::MessageBox;
using tirta::ui::named;

namespace {

/// A statement that sets `field` of `book` in the book table to `lines` joined by CR LF, as the
/// data file stores study texts.
QString setBookField(const QString& book, const QString& field, const QStringList& lines)
{
    return u"UPDATE UsysKitab SET %1='%2' WHERE Kitab1='%3'"_s.arg(field, lines.join(u"\r\n"_s), book);
}

/// The sample Bible with study texts named after their field and book ("Intro Keluaran"), three
/// pericopes in Matius, `kejadianPericopes` numbered ones in Kejadian and cross references in
/// Kejadian 1 and 2, Keluaran 1 (one entry without a space) and Matius 1.
tirta::test::FixtureBuilder studyBible(int kejadianPericopes)
{
    tirta::test::FixtureBuilder bible = tirta::test::sampleBible();
    for (const QString& book : { u"Kejadian"_s, u"Keluaran"_s, u"Matius"_s }) {
        for (const QString& field : { u"Intro"_s, u"Pengantar"_s, u"CiriKhas"_s, u"Survai"_s })
            bible.statement(setBookField(book, field, { field + u' ' + book }));
    }
    bible.statement(setBookField(u"Matius"_s, u"Perikop"_s,
        { u"Silsilah==(Mat#1:1-5)"_s, u"Orang majus==(Mat#2:1-3)"_s, u"Pelarian==(Mat#2:4-6)"_s }));
    QStringList kejadian;
    for (int k = 1; k <= kejadianPericopes; ++k)
        kejadian << u"Bagian %1==(Kej#1:%1)"_s.arg(k);
    bible.statement(setBookField(u"Kejadian"_s, u"Perikop"_s, kejadian));
    const QString refs = u"Referensi"_s;
    bible.statement(
        setBookField(u"Kejadian"_s, refs, { u"#2#@1 Matius 1:1"_s, u"#1#@2 Matius 2:3-5@3 Keluaran 1:2"_s }));
    bible.statement(setBookField(u"Keluaran"_s, refs, { u"#1#@1 Roma 1:1@2"_s }));
    return bible.statement(setBookField(u"Matius"_s, refs, { u"#1#@1 Kejadian 2:1, Matius 2:3-5"_s }));
}

} // namespace

/// The study features of the main window: the pericope list and the book notes window docked beside
/// it, the study texts its reading pane shows instead of a chapter, and the cross references of the
/// pane's edit menu with their chooser.
class ReaderStudyTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<tirta::test::ReaderHarness> m_harness;
    std::unique_ptr<Form1> m_form;

    /// Opens the main window on the study Bible with its study features, the introduction and the
    /// book notes shown in their own window or not.
    bool open(bool separateWindow = false, int kejadianPericopes = 3)
    {
        m_harness = std::make_unique<tirta::test::ReaderHarness>();
        m_form = m_harness->open(studyBible(kejadianPericopes));
        if (!m_form)
            return false;
        tirta::study::installPericopes(*m_form);
        tirta::study::installBookNotes(*m_form);
        tirta::study::installCrossReferences(*m_form);
        action("MenuSettingTerpisah")->setChecked(separateWindow);
        return true;
    }

    QAction* action(const char* name) const { return named<QAction>(m_form.get(), name); }
    QListWidget* books() const { return named<QListWidget>(m_form.get(), "List1"); }
    QListWidget* chapters() const { return named<QListWidget>(m_form.get(), "List2"); }
    QTextEdit* pane() const { return named<QTextEdit>(m_form.get(), "rtf1"); }
    QString paneText() const { return pane()->toPlainText(); }
    bool shown(const char* name) const { return named<QWidget>(m_form.get(), name)->isVisible(); }
    Form8* notesWindow() const { return m_form->findChild<Form8*>(); }
    QString windowText() const
    {
        Form8* window = notesWindow();
        return window && window->isVisible() ? named<QTextEdit>(window, "rtf1")->toPlainText() : QString();
    }

    /// Opens the reading pane's edit menu; the items the cross-reference submenu shows, or nothing
    /// when the submenu itself is hidden.
    QStringList crossReferences()
    {
        QTest::mouseClick(pane()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        auto* edit = m_form->findChild<QMenu*>(u"MenuEdit"_s);
        if (!QTest::qWaitFor([edit] { return edit->isVisible(); }))
            return { u"<edit menu not shown>"_s };
        edit->hide();
        QMenu* refs = m_form->crossReferenceMenu();
        QStringList shown;
        for (const QAction* item : refs->actions())
            if (item->isVisible() && refs->menuAction()->isVisible())
                shown << item->text();
        return shown;
    }

private Q_SLOTS:
    void cleanup()
    {
        m_form.reset();
        m_harness.reset();
    }

    void bookChangeFollowsTheStudyText_data()
    {
        QTest::addColumn<bool>("separate");
        QTest::addColumn<QString>("clicks"); // menu item, then the option clicked, if any
        QTest::addColumn<QString>("pane"); // expected start of the reading pane
        QTest::addColumn<QString>("window"); // expected text of the book notes window
        QTest::addColumn<bool>("options"); // Picture4 shown (Command5 is shown with any inline text)

        const QString chapter = u"1:1 Mesir 1"_s;
        const QString intro = u"MenuPengantar"_s;
        const QString notes = u"MenuKeterangan"_s;
        QTest::newRow("intro inline") << false << intro << u"Intro Keluaran"_s << QString() << false;
        QTest::newRow("intro window") << true << intro << chapter << u"Intro Keluaran"_s << false;
        QTest::newRow("notes inline") << false << notes << u"Pengantar Keluaran"_s << QString() << true;
        QTest::newRow("notes window") << true << notes << chapter << u"Pengantar Keluaran"_s << false;
        QTest::newRow("ciri khas inline")
            << false << notes + u" Option5"_s << u"CiriKhas Keluaran"_s << QString() << true;
        QTest::newRow("survai inline")
            << false << notes + u" Option4"_s << u"Survai Keluaran"_s << QString() << true;
        QTest::newRow("ciri khas in the window")
            << true << notes + u" Option2"_s << chapter << u"Pengantar Keluaran"_s << false;
        QTest::newRow("survai inline, then the window option")
            << false << notes + u" Option4 MenuSettingTerpisah"_s << chapter << QString() << false;
    }

    void bookChangeFollowsTheStudyText()
    {
        QFETCH(bool, separate);
        QFETCH(QString, clicks);
        QFETCH(QString, pane);
        QFETCH(QString, window);
        QFETCH(bool, options);
        QVERIFY(open(separate));
        chapters()->setCurrentRow(1);
        for (const QString& step : clicks.split(u' ')) {
            if (auto* item = m_form->findChild<QAction*>(step))
                item->trigger();
            else if (step == u"Option2"_s) // the book notes window's second section
                named<QRadioButton>(notesWindow(), "Option2")->click();
            else
                named<QRadioButton>(m_form.get(), qPrintable(step))->click();
        }

        books()->setCurrentRow(1);
        QVERIFY2(paneText().startsWith(pane), qPrintable(paneText()));
        QCOMPARE(windowText(), window);
        const bool inlineText = !pane.startsWith(u"1:"_s);
        QCOMPARE(shown("Command5"), inlineText);
        QCOMPARE(shown("Picture4"), options);
        // The chapter list offers the new book's chapters; only the inline introduction selects none.
        const bool inlineIntro = clicks == u"MenuPengantar"_s && !separate;
        QCOMPARE(chapters()->count(), 1);
        QCOMPARE(chapters()->currentRow(), inlineIntro ? -1 : 0);
        if (separate && clicks.startsWith(u"MenuKeterangan"_s))
            QVERIFY(named<QRadioButton>(notesWindow(), "Option1")->isChecked());
        if (inlineIntro)
            QCOMPARE(named<QLabel>(m_form.get(), "Label1")->text(), u"Keluaran"_s + QString(22, u' '));
    }

    void chapterListLeavesTheInlineTextAlone()
    {
        QVERIFY(open(false));
        action("MenuPengantar")->trigger();
        chapters()->setCurrentRow(1);
        QCOMPARE(paneText(), u"Intro Kejadian"_s);
        QCOMPARE(m_form->paneMode(), u"intro"_s);
    }

    void separateWindowOptionMovesTheIntroduction()
    {
        QVERIFY(open(true));
        QAction* option = action("MenuSettingTerpisah");
        option->trigger();
        option->trigger();
        QVERIFY(!notesWindow()); // checked in reading-pane mode "kitab": nothing moves
        action("MenuPengantar")->trigger();
        QCOMPARE(windowText(), u"Intro Kejadian"_s);

        option->trigger();
        QVERIFY(!notesWindow()->isVisible());
        QCOMPARE(paneText(), u"Intro Kejadian"_s);
        QVERIFY(shown("Command5"));
        QCOMPARE(m_form->paneMode(), u"intro"_s);

        option->trigger();
        QCOMPARE(windowText(), u"Intro Kejadian"_s);
        QVERIFY(paneText().startsWith(u"1:1 awal 1"_s));
        QVERIFY(!shown("Command5"));
    }

    void kitabButtonReturnsToTheChapter()
    {
        QVERIFY(open(false));
        action("menuPadanan")->trigger();
        chapters()->setCurrentRow(1);
        action("MenuKeterangan")->trigger();
        QCOMPARE(paneText(), u"Pengantar Kejadian"_s);
        QVERIFY(!shown("rtf2"));

        named<QPushButton>(m_form.get(), "Command5")->click();
        QVERIFY(paneText().startsWith(u"2:1 taman 1"_s));
        QCOMPARE(m_form->paneMode(), u"kitab"_s);
        QVERIFY(shown("rtf2"));
        QVERIFY(!shown("studyStrip"));
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
        QVERIFY(open(true));
        m_form->resize(520, 420);
        const QSize before = m_form->size();
        action("MenuPerikop")->trigger();
        const QSize dockedSize = m_form->size();
        QVERIFY(dockedSize != before);
        action("MenuPengantar")->trigger();
        QWidget* pericopes = m_form->findChild<Form12*>();
        QWidget* notes = notesWindow();
        QVERIFY(pericopes->isVisible() && notes->isVisible());

        (pericopesFirst ? pericopes : notes)->close();
        QCOMPARE(m_form->size(), dockedSize);
        (pericopesFirst ? notes : pericopes)->close();
        QCOMPARE(m_form->size(), before);
        QCOMPARE(m_form->paneMode(), u"kitab"_s);
    }

    void pericopeClickJumpsToTheFirstVerse()
    {
        QVERIFY(open(true));
        named<QRadioButton>(m_form.get(), "Option2")->click(); // Matius 1
        action("MenuPerikop")->trigger();
        auto* list = m_form->findChild<Form12*>();
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
        QCOMPARE(chapters()->currentRow(), 1);
        const QString text = paneText();
        const qsizetype lineEnd = text.indexOf(u'\n', text.indexOf(u"2:4 "_s));
        QCOMPARE(pane()->textCursor().position(), lineEnd);
    }

    void shortListStartsAtTheTopWithoutScrollBar()
    {
        QVERIFY(open(true, 250));
        action("MenuPerikop")->trigger();
        auto* list = m_form->findChild<Form12*>();
        auto* scroll = named<QScrollBar>(list, "VScroll1");
        auto* column = named<QWidget>(list, "Picture2");
        QVERIFY(scroll->isEnabled());
        // 250 pericopes: the 201st shows its heading only, the rest are left out.
        QVERIFY(!list->labelRect(400).isEmpty());
        QVERIFY(list->labelRect(401).isNull());
        scroll->setValue(scroll->maximum() / 2);
        QVERIFY(column->y() < 0);

        named<QRadioButton>(m_form.get(), "Option2")->click(); // Matius: three pericopes
        QVERIFY(!scroll->isEnabled());
        QCOMPARE(column->y(), 0);
        QVERIFY(list->labelRect(6).isNull());
    }

    void crossReferenceSubmenuFollowsTheChapterOnScreen()
    {
        QVERIFY(open());
        QCOMPARE(crossReferences(), (QStringList { u"2 -> Matius 2:3-5"_s, u"3 -> Keluaran 1:2"_s }));
        QCOMPARE(m_form->crossReferenceMenu()->title(), u"Ref. Silang Kejadian Bab 1"_s);
        chapters()->setCurrentRow(1);
        // Another window left the book recordset elsewhere.
        m_form->session().recordset(tirta::Role::Books).findFirst(u"Kitab1='Matius'"_s);
        QCOMPARE(crossReferences(), QStringList { u"1 -> Matius 1:1"_s });
        books()->setCurrentRow(1); // Keluaran: an entry without a space
        QCOMPARE(crossReferences(), QStringList {});
    }

    void crossReferenceChooserHonoursTheStarAndJumps()
    {
        QVERIFY(open());
        QWidget bookmarks;
        bookmarks.setObjectName(u"Form17"_s);
        bookmarks.show();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        m_form->ChangeVersion(3); // no Old Testament: Matius 1
        QCOMPARE(crossReferences().size(), 1);
        m_form->findChild<QAction*>(u"MenuRefs_0"_s)->trigger();
        QVERIFY(!bookmarks.isVisible());

        auto* chooser = m_form->findChild<Form13*>();
        QVERIFY(chooser && chooser->isVisible() && chooser->isModal());
        auto* list = named<QListWidget>(chooser, "List1");
        auto* ok = named<QPushButton>(chooser, "Command2");
        QCOMPARE(list->item(0)->text(), u"Kejadian 2:1*"_s);
        QVERIFY(!ok->isEnabled());
        const QPoint starred = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, starred);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, starred);
        QVERIFY(chooser->isVisible());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!chooser->isVisible());
        QCOMPARE(named<QLabel>(m_form.get(), "Label1")->text(), u"Matius 2"_s);
        QCOMPARE(pane()->textCursor().selectedText(), u"2:3 maj 3"_s);
    }
};

TIRTA_TEST_MAIN(ReaderStudyTest)
#include "tst_readerstudy.moc"
