#pragma once

#include <QColor>
#include <QString>

#include <functional>

class QTextEdit;
class QWidget;

namespace tirta::search {

/// A text that `HighlightWord` marks: the reading pane's rich-text view or a page of the results
/// window.
class HighlightTarget
{
public:
    virtual ~HighlightTarget() = default;
    /// The text the positions count in, one position for each line break.
    virtual QString highlightText() const = 0;
    /// Emphasises `length` characters at `position` and gives them `colour`.
    virtual void markWord(int position, int length, const QColor& colour) = 0;
    /// Shows the marks made so far; called before the event loop runs and when the marking ends.
    virtual void showMarks() = 0;
    /// Selects `length` characters at `position`.
    virtual void selectWord(int position, int length) = 0;
    /// Changes whenever someone else changes the text; such a change ends the marking.
    virtual quint64 textRevision() const = 0;
    /// The widget that shows the text: the owner of the message, and gone when the text is gone.
    virtual QWidget* highlightWidget() = 0;
};

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
HighlightResult HighlightWord(HighlightTarget& target, QString word, bool matchCase,
    const std::function<bool()>& stopRequested = {}, const QColor& colour = QColor(Qt::black));
/// `HighlightWord` on a rich-text view: the marks are the characters' own formats.
HighlightResult HighlightWord(QTextEdit* view, QString word, bool matchCase,
    const std::function<bool()>& stopRequested = {}, const QColor& colour = QColor(Qt::black));

} // namespace tirta::search
