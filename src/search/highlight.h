#pragma once

#include <QColor>
#include <QString>

#include <functional>

class QTextEdit;

namespace tirta::search {

/// How `HighlightWord` ended.
enum class HighlightResult
{
    Marked, ///< every occurrence is marked (or those up to a stop request)
    NotFound, ///< the word does not occur; the user was told
    Stopped, ///< asked to stop before the first occurrence was marked
    Abandoned, ///< the text changed underneath (a new file, an append, typing); marking stopped there
};

/// Marks every occurrence of `word` in a view, case ignored: bold and black, and with `matchCase`
/// the occurrences spelled exactly as `word` also take `colour`. Doubled single quotes in `word`
/// count as one. An occurrence is looked for from one character after the end of the previous one,
/// so of two that touch only the first is marked. The selection stays on the last marked one.
///
/// `stopRequested` is asked at every occurrence; when it answers true the marking ends. A long text
/// lets the event loop run about every 15 ms, so a stop button and ESC work; when the view's text
/// changes meanwhile the marking ends where it is. Says "Kata tidak ditemukan." when there is no
/// occurrence. An empty word marks nothing and says nothing.
HighlightResult HighlightWord(QTextEdit* view, QString word, bool matchCase,
    const std::function<bool()>& stopRequested = {}, const QColor& colour = QColor(Qt::black));

} // namespace tirta::search
