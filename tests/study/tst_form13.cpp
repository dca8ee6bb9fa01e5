#include "study/crossrefmenu.h"
#include "study/form13.h"
#include "support/readerharness.h"
#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::MessageBox;
using tirta::ui::named;

namespace {

/// Sets the cross-reference list of a book, lines joined with CR LF.
QString referensi(const QString& book, const QStringList& lines)
{
    return u"UPDATE UsysKitab SET Referensi='"_s + lines.join(u"\r\n"_s) + u"' WHERE Kitab1='"_s + book
        + u"'"_s;
}

} // namespace

class Form13Test : public QObject
{
    Q_OBJECT

    std::unique_ptr<tirta::test::ReaderHarness> m_harness;
    std::unique_ptr<Form1> m_form;

    /// Opens the reading pane's edit menu; the items the cross-reference submenu shows, or nothing
    /// when the submenu itself is hidden.
    QStringList crossReferences()
    {
        QTest::mouseClick(
            named<QTextEdit>(m_form.get(), "rtf1")->viewport(), Qt::RightButton, {}, QPoint(5, 5));
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
    void init()
    {
        m_form.reset();
        m_harness = std::make_unique<tirta::test::ReaderHarness>();
        auto bible = tirta::test::sampleBible();
        bible
            .statement(
                referensi(u"Kejadian"_s, { u"#2#@1 Matius 1:1"_s, u"#1#@2 Matius 2:3-5@3 Keluaran 1:2"_s }))
            .statement(referensi(u"Keluaran"_s, { u"#1#@1 Roma 1:1@2"_s }))
            .statement(referensi(u"Matius"_s, { u"#1#@1 Kejadian 2:1, Matius 2:3-5"_s }));
        m_form = m_harness->open(bible);
        QVERIFY(m_form);
        tirta::study::installCrossReferences(*m_form);
    }

    void submenuFollowsTheChapterOnScreen()
    {
        QCOMPARE(crossReferences(), (QStringList { u"2 -> Matius 2:3-5"_s, u"3 -> Keluaran 1:2"_s }));
        QCOMPARE(m_form->crossReferenceMenu()->title(), u"Ref. Silang Kejadian Bab 1"_s);
        named<QListWidget>(m_form.get(), "List2")->setCurrentRow(1);
        // Another window left the book recordset elsewhere.
        m_form->session().recordset(tirta::Role::Books).findFirst(u"Kitab1='Matius'"_s);
        QCOMPARE(crossReferences(), QStringList { u"1 -> Matius 1:1"_s });
        named<QListWidget>(m_form.get(), "List1")->setCurrentRow(1); // Keluaran: an entry without a space
        QCOMPARE(crossReferences(), QStringList {});
    }

    void chooserHonoursTheStarAndJumps()
    {
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
        QCOMPARE(named<QTextEdit>(m_form.get(), "rtf1")->textCursor().selectedText(), u"2:3 maj 3"_s);
    }
};

TIRTA_TEST_MAIN(Form13Test)
#include "tst_form13.moc"
