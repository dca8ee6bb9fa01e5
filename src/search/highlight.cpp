#include "highlight.h"

#include "uikit/messagebox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QScopeGuard>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace tirta::search {

namespace {

/// How long the marking runs before it lets the event loop in, in milliseconds.
constexpr qint64 kYieldInterval = 15;

} // namespace

HighlightResult HighlightWord(QTextEdit* view, QString word, bool matchCase,
    const std::function<bool()>& stopRequested, const QColor& colour)
{
    word.replace(u"''"_s, u"'"_s);
    if (!view || word.isEmpty())
        return HighlightResult::NotFound;

    QPointer<QTextDocument> document = view->document();
    const QPointer<QTextEdit> guardedView = view;
    // The positions below belong to this text; any change made by someone else ends the marking.
    const QString text = document->toRawText();
    bool ownChange = false;
    bool foreignChange = false;
    const QMetaObject::Connection watch = QObject::connect(
        document, &QTextDocument::contentsChange, view, [&ownChange, &foreignChange](int, int, int) {
            if (!ownChange)
                foreignChange = true;
        });
    const auto unwatch = qScopeGuard([watch] { QObject::disconnect(watch); });

    const QString exact = word.trimmed();
    QElapsedTimer sinceYield;
    sinceYield.start();
    QTextCursor cursor(document);
    bool found = false;
    HighlightResult result = HighlightResult::Marked;
    qsizetype start = 0;
    // Marks go in batches: every change outside an edit block would lay out the text again.
    const auto beginBatch = [&cursor] { cursor.beginEditBlock(); };
    const auto endBatch = [&cursor, &ownChange] {
        ownChange = true;
        cursor.endEditBlock();
        ownChange = false;
    };
    beginBatch();
    while (true) {
        if (sinceYield.elapsed() >= kYieldInterval) {
            endBatch();
            QCoreApplication::processEvents();
            sinceYield.restart();
            if (!guardedView || !document || guardedView->document() != document || foreignChange) {
                result = HighlightResult::Abandoned;
                break;
            }
            beginBatch();
        }
        // Case-insensitive search on the text itself: lower-casing a copy could move positions.
        const qsizetype at = text.indexOf(word, start, Qt::CaseInsensitive);
        if (at < 0)
            break;
        if (stopRequested && stopRequested()) {
            if (!found)
                result = HighlightResult::Stopped;
            break;
        }
        found = true;
        cursor.setPosition(int(at));
        cursor.setPosition(int(at + word.size()), QTextCursor::KeepAnchor);
        QTextCharFormat mark;
        mark.setFontWeight(QFont::Bold);
        mark.setForeground(QColor(Qt::black));
        if (matchCase && QStringView(text).mid(at, word.size()).trimmed() == exact)
            mark.setForeground(colour);
        ownChange = true;
        cursor.mergeCharFormat(mark);
        ownChange = false;
        start = at + word.size() + 1;
    }
    if (result != HighlightResult::Abandoned)
        endBatch();
    if (found && result != HighlightResult::Abandoned)
        guardedView->setTextCursor(cursor);
    if (!found && result == HighlightResult::Marked) {
        tirta::ui::MessageBox::show(view->window(),
            QCoreApplication::translate("HighlightWord", "Kata tidak ditemukan."), QMessageBox::Ok,
            QMessageBox::NoIcon);
        return HighlightResult::NotFound;
    }
    return result;
}

} // namespace tirta::search
