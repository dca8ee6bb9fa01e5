#include "study/crossrefmenu.h"
#include "study/form13.h"
#include "support/fakereader.h"
#include "support/readerharness.h"
#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::named;

namespace {

/// Sets the cross-reference list of a book, lines joined with CR LF.
QString referensi(const QString& book, const QStringList& lines)
{
    return u"UPDATE UsysKitab SET Referensi='"_s + lines.join(u"\r\n"_s) + u"' WHERE Kitab1='"_s + book
        + u"'"_s;
}

QStringList shownItems(QMenu& menu)
{
    QStringList shown;
    for (const QAction* item : menu.actions())
        if (item->isVisible())
            shown << item->text();
    return shown;
}

} // namespace

class Form13Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<tirta::DataSession> m_session;
    std::unique_ptr<tirta::test::FakeReader> m_reader;

    void build()
    {
        m_reader->mode = u"kitab"_s;
        Q_EMIT m_reader->events().editMenuAboutToShow();
    }

private Q_SLOTS:
    void init()
    {
        qputenv("TIRTA_NO_MODAL", "1"); // an unanswered message fails instead of waiting
        m_reader.reset();
        m_session.reset();
        tirta::test::FixtureBuilder builder;
        builder.version(1, u"Terjemahan Baru"_s)
            .book(u"Kejadian"_s, { u"Kejadian"_s }, 1)
            .book(u"Yohanes"_s, { u"Yohanes"_s }, 3)
            .statement(referensi(u"Kejadian"_s, { u"#1#@1 Roma 1:1@2"_s }))
            .statement(referensi(u"Yohanes"_s,
                { u"#3#@16 Kejadian 1:1, Yohanes 1:1@17 Roma 5:8"_s,
                    u"#2#@1 Roma 1:1@2 Roma 2:2@3 Roma 3:3"_s }));
        m_session = builder.open(m_dir.filePath(u"data.dat"_s));
        QVERIFY(m_session);
        m_reader = std::make_unique<tirta::test::FakeReader>(*m_session, m_dir.path());
        m_reader->book = u"Yohanes"_s;
        new tirta::study::CrossReferences(*m_reader);
    }

    void submenuFollowsTheChapterOnScreen()
    {
        QMenu& menu = m_reader->refMenu;
        // Another window left the book recordset elsewhere.
        m_session->recordset(tirta::Role::Books).findFirst(u"Kitab1='Kejadian'"_s);
        m_reader->chapter = 2;
        build();
        QCOMPARE(menu.title(), u"Ref. Silang Yohanes Bab 2"_s);
        QCOMPARE(
            shownItems(menu), (QStringList { u"1 -> Roma 1:1"_s, u"2 -> Roma 2:2"_s, u"3 -> Roma 3:3"_s }));
        m_reader->chapter = 3;
        build();
        QCOMPARE(
            shownItems(menu), (QStringList { u"16 -> Kejadian 1:1, Yohanes 1:1"_s, u"17 -> Roma 5:8"_s }));
        m_reader->chapter = 1;
        build();
        QCOMPARE(shownItems(menu), QStringList { u"<tidak ada referensi>"_s });
        menu.actions().first()->trigger();
        QVERIFY(!m_reader->window.findChild<Form13*>());

        m_reader->book = u"Kejadian"_s;
        build();
        QVERIFY(!menu.menuAction()->isVisible());
    }

    void chooserHonoursTheStarAndJumps()
    {
        QWidget bookmarks;
        bookmarks.setObjectName(u"Form17"_s);
        bookmarks.show();
        m_reader->oldTestament = false;
        m_reader->chapter = 3;
        build();
        m_reader->refMenu.actions().first()->trigger();
        QVERIFY(!bookmarks.isVisible());

        auto* chooser = m_reader->window.findChild<Form13*>();
        QVERIFY(chooser && chooser->isVisible() && chooser->isModal());
        auto* list = named<QListWidget>(chooser, "List1");
        auto* ok = named<QPushButton>(chooser, "Command2");
        QCOMPARE(list->item(0)->text(), u"Kejadian 1:1*"_s);
        QVERIFY(!ok->isEnabled());
        const QPoint starred = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, starred);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, starred);
        QVERIFY(m_reader->jumps.isEmpty());
        QVERIFY(chooser->isVisible());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(m_reader->jumps, QStringList { u"Yohanes#1:1"_s });
        QVERIFY(!chooser->isVisible());
    }

    void theReaderJumpsFromItsEditMenu()
    {
        tirta::test::ReaderHarness harness;
        auto bible = tirta::test::sampleBible();
        bible.statement(referensi(u"Kejadian"_s, { u"#1#@2 Matius 2:3-5"_s }));
        auto form = harness.open(bible);
        QVERIFY(form);
        tirta::study::installCrossReferences(*form);
        auto* pane = named<QTextEdit>(form.get(), "rtf1");
        QTest::mouseClick(pane->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        auto* menu = form->findChild<QMenu*>(u"MenuRef"_s);
        QTRY_VERIFY(form->findChild<QMenu*>(u"MenuEdit"_s)->isVisible());
        QCOMPARE(menu->title(), u"Ref. Silang Kejadian Bab 1"_s);
        form->findChild<QMenu*>(u"MenuEdit"_s)->hide();
        form->findChild<QAction*>(u"MenuRefs_0"_s)->trigger();
        QTest::mouseClick(named<QPushButton>(form->findChild<Form13*>(), "Command2"), Qt::LeftButton);
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), u"Matius 2"_s);
        QCOMPARE(pane->textCursor().selectedText(), u"2:3 majus 3"_s);
    }
};

TIRTA_TEST_MAIN(Form13Test)
#include "tst_form13.moc"
