#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tirta::reader {

/// The verse mark a line starts with: up to the first space, without a "-" range and without a
/// closing "." ("3:16-17 Karena ..." and "3:16. Karena ..." both give "3:16").
QString verseMark(QStringView line);

/// Where the line holding a position lies in a text whose lines end in "\n": `start` is the first
/// character of the line, `end` the position of its "\n" (or the text's end).
struct LineBounds
{
    qsizetype start = 0;
    qsizetype end = 0;
    bool contains(qsizetype position) const { return position >= start && position < end; }
};
LineBounds lineBoundsAt(QStringView text, qsizetype position);

/// The verse of a chapter text (CR LF lines) that carries `mark`: from the first occurrence of the
/// mark to the end of its line, trimmed. Nothing when the mark does not occur.
std::optional<QString> verseOfMark(const QString& chapterText, const QString& mark);

/// Position of a verse in a pane's text: the first occurrence of ":" + verse, or -1.
qsizetype verseSearchPosition(QStringView paneText, int verse);

/// The text a copy takes from a view: exactly the selected characters, without a line break that
/// ends the selection (a verse chosen as a whole line carries its break).
QString copiedText(QStringView paneText, qsizetype selectionStart, qsizetype selectionEnd);

/// The criterion of a find in the current book (scope 1), testament (2) or whole Bible (3): the
/// rows whose text column contains `quotedText` (single quotes already doubled) as typed, by the
/// same condition "Cari Semua" uses (`search::likeTerm`).
QString findCriterion(int scope, const QString& book, const QString& testament, const QString& column,
    const QString& quotedText);

/// The longest line a reading pane is given. A text view lays out one line in time that grows
/// faster than its length (a chapter of one 12 MB line took half a minute); no real verse comes near.
inline constexpr qsizetype kLongestPaneLine = 4000;

/// A pane text (lines end in "\n") with no line longer than `longest`: a longer line is broken at
/// its spaces, each of which becomes a "\n" so that positions stay those of the text, or, in a run
/// without spaces, by a "\n" put in. Shorter lines, all of a real chapter, stay as they are.
QString breakLongLines(const QString& text, qsizetype longest = kLongestPaneLine);

/// The window size the reader starts with, as width "@" height in pixels.
QString windowSizeText(int screenHeight);

/// The positions the reader has shown, newest last, as column "@" reference string.
class History
{
public:
    static constexpr int kLimit = 100;
    enum class Step
    {
        Back = 1,
        Forward = 2,
        Newest = 3
    };

    /// Adds a position. A verse chosen in the verse box refines the entry made when its chapter
    /// was opened, so that entry is replaced rather than followed.
    void record(const QString& column, const QString& reference, bool verseChosen);
    /// The entry a step leads to, and makes it the current one; nothing beyond either end.
    std::optional<QString> step(Step step);
    /// Forgets where the user stepped to, so that the next step starts from the newest entry.
    void leaveSteps() { m_current = -1; }
    void clear();

    const QStringList& entries() const { return m_entries; }
    /// The entry last stepped to, or -1.
    int current() const { return m_current; }

private:
    QStringList m_entries;
    int m_current = -1;
};

} // namespace tirta::reader
