#include "foundation/rtf.h"
#include "foundation/safefile.h"
#include "results/pagetext.h"
#include "results/pageview.h"
#include "results/textfiles.h"
#include "search/highlight.h"
#include "support/testenv.h"

#include <QApplication>
#include <QClipboard>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::results;

namespace {

const Look kBold { true, std::nullopt };
const Look kRed { true, qRgb(255, 0, 0) };

/// The looks of a page as text: one letter per character, "." plain, "b" bold, "r" red.
QString looks(const PageText& page)
{
    QString shown;
    for (int i = 0; i < page.size(); ++i) {
        const Look look = page.lookAt(i);
        shown += look.isPlain() ? u'.' : (look.colour ? u'r' : u'b');
    }
    return shown;
}

/// A result file's text as the search writes it, with `verses` hits.
QString generatedResult(int verses)
{
    QString text = u"Tirtamaya 2.0.0 - Versi A\nPencarian di seluruh Alkitab\n -- Sintaks Pencarian: the\n"_s
                   u" -- Ditemukan : %1 ayat \n -- Waktu Pencarian : 00:00:01\n"_s.arg(verses);
    for (int i = 0; i < verses; ++i)
        text += u"\n\nKejadian %1\n%1:%2 And the earth was without form, and void; and darkness was upon "
                u"the face of the deep.\n"_s.arg(i / 30 + 1)
                    .arg(i % 30 + 1);
    return text;
}

} // namespace

class PageViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paragraphsFollowEdits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("inserted");
        QTest::newRow("join two lines") << u"satu\ndua\ntiga"_s << 3 << 3 << QString();
        QTest::newRow("split a line") << u"satu dua"_s << 4 << 1 << u"\n\n"_s;
        QTest::newRow("append") << u"satu\n"_s << 5 << 0 << u"dua\ntiga\n"_s;
        QTest::newRow("replace all") << u"a\nb\nc"_s << 0 << 5 << u"x"_s;
    }

    void paragraphsFollowEdits()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(int, length);
        QFETCH(QString, inserted);
        PageText page(text);
        page.replace(position, length, inserted);
        const QString expected = QString(text).replace(position, length, inserted);
        QCOMPARE(page.text(), expected);
        const QStringList lines = expected.split(u'\n');
        QCOMPARE(page.paragraphCount(), int(lines.size()));
        for (int i = 0; i < page.paragraphCount(); ++i) {
            QCOMPARE(page.paragraph(i).toString(), lines[i]);
            QCOMPARE(page.paragraphOf(page.paragraphStart(i) + page.paragraphLength(i)), i);
        }
    }

    void marksMergeAndEditsMoveThem()
    {
        PageText page(u"kasih dan kasih\nkasih"_s);
        page.applyMarks({ { 0, 5, kRed }, { 10, 5, kBold } });
        QCOMPARE(looks(page), u"rrrrr.....bbbbb......"_s);
        // A second marking over the first: the new look wins where they overlap.
        page.applyMarks({ { 3, 4, kBold }, { 12, 9, kRed } });
        QCOMPARE(looks(page), u"rrrbbbb...bbrrrrrrrrr"_s);
        // Typed text is plain and pushes the marks along; deleted text takes its marks along.
        page.replace(5, 0, u"++"_s);
        QCOMPARE(looks(page), u"rrrbb..bb...bbrrrrrrrrr"_s);
        page.replace(0, 8, QString());
        QCOMPARE(page.text(), u"dan kasih\nkasih"_s);
        QCOMPARE(looks(page), u"b...bbrrrrrrrrr"_s);
    }

    void aLargeResultKeepsItsWholeTextAndItsMarks()
    {
        PageView view;
        view.resize(500, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QString text = generatedResult(26000);
        view.setPlainText(text);
        view.selectAll();
        view.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QCOMPARE(encodePage(view.page(), TextFormat::Plain, {}), tirta::toCrLf(text).toUtf8());

        QCOMPARE(tirta::search::HighlightWord(view, u"the"_s, true, {}, QColor(255, 0, 0)),
            tirta::search::HighlightResult::Marked);
        // Exactly the occurrences are marked: red where spelled "the", black bold elsewhere.
        const std::vector<Mark> marked = view.page().marksIn(0, view.page().size());
        QCOMPARE(marked.size(), size_t(text.count(u"the"_s, Qt::CaseInsensitive)));
        for (const Mark& mark : marked) {
            const QStringView word = QStringView(text).mid(mark.start, mark.length);
            QVERIFY2(word.compare(u"the", Qt::CaseInsensitive) == 0, qPrintable(QString::number(mark.start)));
            QVERIFY(mark.look == (Look { true, word == u"the" ? qRgb(255, 0, 0) : qRgb(0, 0, 0) }));
        }
        // A rich-text file keeps every mark.
        const tirta::rtf::ReadResult rich = tirta::rtf::read(encodePage(view.page(), TextFormat::Rich, {}));
        QVERIFY(rich.ok());
        QCOMPARE(rich.plainText(), text);
        QCOMPARE(size_t(std::count_if(rich.runs.begin(), rich.runs.end(),
                     [](const tirta::rtf::Run& run) { return run.bold && run.colour; })),
            marked.size());
        view.clearLooks();
        QVERIFY(view.page().marksIn(0, view.page().size()).empty());

        // Find goes through the whole text, forwards and back.
        view.setSelection(0, 0);
        QVERIFY(view.find(u"Kejadian 867"_s));
        QCOMPARE(view.selectionStart(), int(text.indexOf(u"Kejadian 867"_s)));
        QVERIFY(view.find(u"kejadian 1\n"_s, QTextDocument::FindBackward));
        QCOMPARE(view.selectionStart(), int(text.lastIndexOf(u"Kejadian 1\n"_s)));
        QVERIFY(!view.find(u"Keluaran"_s));

        // Appended text lands after the whole text.
        view.appendPlainText(u"Yohanes 3:16\n\n"_s);
        QCOMPARE(view.toPlainText(), text + u"Yohanes 3:16\n\n"_s);
    }

    void typingUndoAndRedo()
    {
        PageView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setPlainText(u"kasih Allah"_s);
        view.setSelection(5, 5);
        QTest::keyClicks(&view, u" besar"_s);
        QCOMPARE(view.toPlainText(), u"kasih besar Allah"_s);
        QTest::keyClick(&view, Qt::Key_Backspace);
        QTest::keyClick(&view, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(&view, Qt::Key_Delete);
        QCOMPARE(view.toPlainText(), u" Allah"_s);
        QTest::keySequence(&view, QKeySequence::Undo);
        QCOMPARE(view.toPlainText(), u"kasih besa Allah"_s);
        QTest::keySequence(&view, QKeySequence::Undo);
        QTest::keySequence(&view, QKeySequence::Undo);
        QCOMPARE(view.toPlainText(), u"kasih Allah"_s);
        QTest::keySequence(&view, QKeySequence::Redo);
        QCOMPARE(view.toPlainText(), u"kasih besar Allah"_s);
        // Keys move the caret over lines and words.
        view.setPlainText(u"satu dua\ntiga"_s);
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(view.position(), 9);
        QTest::keyClick(&view, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(view.selectedText(), u"tiga"_s);
        QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(&view, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(view.position(), 5);
    }
};

TIRTA_TEST_MAIN(PageViewTest)
#include "tst_pageview.moc"
