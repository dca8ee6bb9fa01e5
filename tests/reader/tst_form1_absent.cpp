// A book or chapter the active translation does not have: the reading pane says so.
#include "support/readerharness.h"

#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using tirta::ui::named;

class Form1AbsentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void absentBookOrChapterIsShownAsAbsent_data()
    {
        QTest::addColumn<QString>("version"); ///< the translation's menu entry
        QTest::addColumn<int>("book"); ///< row of the book list after the first
        QTest::addColumn<QString>("heading");
        QTest::newRow("book no translation has") << u"VersiKitab_1"_s << 2 << u"Imamat"_s;
        QTest::newRow("book another translation has") << u"VersiKitab_3"_s << 1 << u"Markus 1"_s;
    }

    void absentBookOrChapterIsShownAsAbsent()
    {
        QFETCH(QString, version);
        QFETCH(int, book);
        QFETCH(QString, heading);
        // Imamat has no chapter in any translation; Markus 1 is in the first two only.
        tirta::test::FixtureBuilder bible = tirta::test::sampleBible();
        bible.book(u"Imamat"_s, { u"Imamat"_s, u"Leviticus"_s, QString() }, 0)
            .book(u"Markus"_s, { u"Markus"_s, u"Mark"_s, u"Mrk"_s }, 1)
            .chapter(u"Markus"_s, 1, { tirta::test::numberedVerses(u"Yohanes"_s, 3), {}, {} });
        tirta::test::ReaderHarness harness;
        auto form = harness.open(bible);
        QVERIFY(form);
        if (version == u"VersiKitab_3"_s)
            tirta::ui::MessageBox::setNextAnswer(QMessageBox::Ok); // "Hanya PB" has no Old Testament
        form->findChild<QAction*>(version)->trigger();
        auto* books = named<QListWidget>(form.get(), "List1");
        named<QListWidget>(form.get(), "List2")->setCurrentRow(1); // a second chapter, Kejadian 2 or Matius 2

        books->setCurrentRow(book);
        QCOMPARE(named<QLabel>(form.get(), "Label1")->text(), heading);
        QCOMPARE(
            named<QTextEdit>(form.get(), "rtf1")->toPlainText(), heading + u" tidak ada dalam versi ini."_s);
        QCOMPARE(named<QTextEdit>(form.get(), "rtf2")->toPlainText(), QString());
        QCOMPARE(named<QComboBox>(form.get(), "Combo1")->count(), 0);
    }
};

TIRTA_TEST_MAIN(Form1AbsentTest)
#include "tst_form1_absent.moc"
