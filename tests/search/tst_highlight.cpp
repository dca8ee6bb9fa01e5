#include "search/highlight.h"
#include "support/testenv.h"
#include "uikit/messagebox.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::search::HighlightResult;
using tirta::search::HighlightWord;
using tirta::ui::MessageBox;

namespace {

/// The look of the character at `position`: bold, and its colour.
struct Look
{
    bool bold = false;
    QColor colour;
};

Look lookAt(QTextEdit& view, int position)
{
    Look look;
    const QTextBlock block = view.document()->findBlock(position);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (position < fragment.position() || position >= fragment.position() + fragment.length())
            continue;
        const QTextCharFormat format = fragment.charFormat();
        look.bold = format.fontWeight() >= QFont::Bold;
        look.colour = format.foreground().style() == Qt::NoBrush ? QColor() : format.foreground().color();
    }
    return look;
}

/// The positions of the bold characters.
QList<int> boldPositions(QTextEdit& view)
{
    QList<int> positions;
    const int count = view.document()->characterCount() - 1;
    for (int i = 0; i < count; ++i)
        if (lookAt(view, i).bold)
            positions << i;
    return positions;
}

QList<int> range(int from, int length)
{
    QList<int> positions;
    for (int i = from; i < from + length; ++i)
        positions << i;
    return positions;
}

const QColor kBlue(0, 0, 255);

} // namespace

class HighlightTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { MessageBox::resetForTest(); }
    void cleanup() { QCOMPARE(MessageBox::pendingAnswers(), 0); }

    void everyOccurrenceBoldAndBlackWithoutMatchCase()
    {
        QTextEdit view;
        view.setPlainText(u"Kasih itu sabar;\nkasih itu murah hati; KASIH."_s);
        QCOMPARE(HighlightWord(&view, u"kasih"_s, false, {}, kBlue), HighlightResult::Marked);
        QCOMPARE(boldPositions(view), range(0, 5) + range(17, 5) + range(39, 5));
        QCOMPARE(lookAt(view, 17).colour, QColor(Qt::black));
        QCOMPARE(lookAt(view, 39).colour, QColor(Qt::black));
        // The selection stays on the last occurrence.
        QCOMPARE(view.textCursor().selectionStart(), 39);
        QCOMPARE(view.textCursor().selectedText(), u"KASIH"_s);
        QCOMPARE(MessageBox::shownCount(), 0);
    }

    void exactSpellingsTakeTheColourWithMatchCase()
    {
        QTextEdit view;
        view.setPlainText(u"Kasih itu sabar;\nkasih itu murah hati; kasih."_s);
        QCOMPARE(HighlightWord(&view, u"kasih"_s, true, {}, kBlue), HighlightResult::Marked);
        QCOMPARE(boldPositions(view), range(0, 5) + range(17, 5) + range(39, 5));
        QCOMPARE(lookAt(view, 0).colour, QColor(Qt::black));
        QCOMPARE(lookAt(view, 17).colour, kBlue);
        QCOMPARE(lookAt(view, 43).colour, kBlue);
        QVERIFY(!lookAt(view, 5).bold);
    }

    void touchingOccurrencesMarkOnlyTheFirst()
    {
        QTextEdit view;
        view.setPlainText(u"abcabc abc"_s);
        HighlightWord(&view, u"abc"_s, false);
        QCOMPARE(boldPositions(view), range(0, 3) + range(7, 3));
    }

    void doubledQuoteCountsAsOne()
    {
        QTextEdit view;
        view.setPlainText(u"Anak Domba O'Allah."_s);
        QCOMPARE(HighlightWord(&view, u"O''Allah"_s, false), HighlightResult::Marked);
        QCOMPARE(boldPositions(view), range(11, 7));
    }

    void missingWordIsReported()
    {
        QTextEdit view;
        view.setPlainText(u"Pada mulanya"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QCOMPARE(HighlightWord(&view, u"kasih"_s, false), HighlightResult::NotFound);
        QCOMPARE(MessageBox::lastText(), u"Kata tidak ditemukan."_s);
        QVERIFY(boldPositions(view).isEmpty());
    }

    void emptyWordDoesNothing()
    {
        QTextEdit view;
        view.setPlainText(u"Pada mulanya"_s);
        QCOMPARE(HighlightWord(&view, QString(), false), HighlightResult::NotFound);
        QCOMPARE(MessageBox::shownCount(), 0);
    }

    void stopEndsTheMarking()
    {
        QTextEdit view;
        view.setPlainText(u"satu kasih, dua kasih, tiga kasih"_s);
        int asked = 0;
        const auto stopAtThird = [&asked] { return ++asked == 3; };
        QCOMPARE(HighlightWord(&view, u"kasih"_s, false, stopAtThird), HighlightResult::Marked);
        QCOMPARE(boldPositions(view), range(5, 5) + range(16, 5));

        // Stopped before anything was marked: no message, nothing marked.
        QTextEdit other;
        other.setPlainText(u"kasih"_s);
        QCOMPARE(HighlightWord(&other, u"kasih"_s, false, [] { return true; }), HighlightResult::Stopped);
        QVERIFY(boldPositions(other).isEmpty());
        QCOMPARE(MessageBox::shownCount(), 0);
    }

    void textReplacedWhileMarkingEndsTheMarking()
    {
        // Long enough that the marking lets the event loop in at least once.
        QTextEdit view;
        QString text;
        for (int i = 0; i < 20000; ++i)
            text += u"\n\nKejadian 1\n1:1 Pada mulanya Allah menciptakan langit dan bumi."_s;
        view.setPlainText(text);
        QTimer::singleShot(0, &view, [&view] { view.setPlainText(u"Allah yang baru"_s); });
        QCOMPARE(HighlightWord(&view, u"Allah"_s, true, {}, kBlue), HighlightResult::Abandoned);
        QCOMPARE(view.toPlainText(), u"Allah yang baru"_s);
        QVERIFY(boldPositions(view).isEmpty());
        QCOMPARE(MessageBox::shownCount(), 0);
    }
};

TIRTA_TEST_MAIN(HighlightTest)
#include "tst_highlight.moc"
