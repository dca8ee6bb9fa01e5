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

/// The colour of every bold character, by position (invalid when it has none of its own).
QMap<int, QColor> boldCharacters(QTextEdit& view)
{
    QMap<int, QColor> bold;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QBrush brush = fragment.charFormat().foreground();
            if (fragment.charFormat().fontWeight() < QFont::Bold)
                continue;
            for (int i = fragment.position(); i < fragment.position() + fragment.length(); ++i)
                bold.insert(i, brush.style() == Qt::NoBrush ? QColor() : brush.color());
        }
    }
    return bold;
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

    // Every occurrence is bold; with "Kata Tepat" those spelled exactly as the word are also blue,
    // the others black. The selection stays on the last occurrence.
    void marksEveryOccurrence_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QList<int>>("bold");
        QTest::addColumn<QList<int>>("blue");

        const QList<int> threeKasih = range(0, 5) + range(17, 5) + range(39, 5);
        QTest::newRow("any case, all black") << u"Kasih itu sabar;\nkasih itu murah hati; KASIH."_s
                                             << u"kasih"_s << false << threeKasih << QList<int>();
        QTest::newRow("exact spellings blue")
            << u"Kasih itu sabar;\nkasih itu murah hati; kasih."_s << u"kasih"_s << true << threeKasih
            << range(17, 5) + range(39, 5);
        QTest::newRow("touching occurrences mark only the first")
            << u"abcabc abc"_s << u"abc"_s << false << range(0, 3) + range(7, 3) << QList<int>();
        QTest::newRow("doubled quote counts as one")
            << u"Anak Domba O'Allah."_s << u"O''Allah"_s << false << range(11, 7) << QList<int>();
    }

    void marksEveryOccurrence()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(bool, matchCase);
        QFETCH(QList<int>, bold);
        QFETCH(QList<int>, blue);
        QTextEdit view;
        view.setPlainText(text);
        QCOMPARE(HighlightWord(&view, word, matchCase, {}, kBlue), HighlightResult::Marked);
        const QMap<int, QColor> marked = boldCharacters(view);
        QCOMPARE(marked.keys(), bold);
        for (const int at : bold)
            QCOMPARE(marked.value(at), blue.contains(at) ? kBlue : QColor(Qt::black));
        int lastStart = bold.last();
        while (bold.contains(lastStart - 1))
            --lastStart;
        QCOMPARE(view.textCursor().selectionStart(), lastStart);
        QCOMPARE(view.textCursor().selectionEnd(), bold.last() + 1);
        QCOMPARE(MessageBox::shownCount(), 0);
    }

    void aMissingWordIsToldAnEmptyOneIsNot()
    {
        QTextEdit view;
        view.setPlainText(u"Pada mulanya"_s);
        QCOMPARE(HighlightWord(&view, QString(), false), HighlightResult::NotFound);
        QCOMPARE(MessageBox::shownCount(), 0);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QCOMPARE(HighlightWord(&view, u"kasih"_s, false), HighlightResult::NotFound);
        QCOMPARE(MessageBox::lastText(), u"Kata tidak ditemukan."_s);
        QVERIFY(boldCharacters(view).isEmpty());
    }

    void stopEndsTheMarking()
    {
        QTextEdit view;
        view.setPlainText(u"satu kasih, dua kasih, tiga kasih"_s);
        int asked = 0;
        const auto stopAtThird = [&asked] { return ++asked == 3; };
        QCOMPARE(HighlightWord(&view, u"kasih"_s, false, stopAtThird), HighlightResult::Marked);
        QCOMPARE(boldCharacters(view).keys(), range(5, 5) + range(16, 5));

        // Stopped before anything was marked: no message, nothing marked.
        QTextEdit other;
        other.setPlainText(u"kasih"_s);
        QCOMPARE(HighlightWord(&other, u"kasih"_s, false, [] { return true; }), HighlightResult::Stopped);
        QVERIFY(boldCharacters(other).isEmpty());
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
        QVERIFY(boldCharacters(view).isEmpty());
        QCOMPARE(MessageBox::shownCount(), 0);
    }
};

TIRTA_TEST_MAIN(HighlightTest)
#include "tst_highlight.moc"
