#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace tirta::study {

/// The highest index of the pericope window's label column. Entry k of a book's list uses label
/// 2k for its heading and 2k + 1 for its passage, so 200 entries fit whole and a 201st shows its
/// heading only.
inline constexpr int kLastPericopeLabel = 400;

/// The texts of the label column, filled from a book's pericope list.
struct PericopeLabels
{
    /// One text per label, 0 to `kLastPericopeLabel`; a single space where nothing was put.
    std::vector<QString> texts = std::vector<QString>(kLastPericopeLabel + 1, QStringLiteral(" "));
    /// 2 × (number of lines − 1): the last label that may hold text is `usedCount + 1`.
    int usedCount = -2;

    /// The highest label that takes part in the layout: `usedCount + 1`, at most
    /// `kLastPericopeLabel`; label 0 always does.
    int lastLaidOut() const;
};

/// Splits a pericope list (lines "heading==(Kitab#c:v-w)" separated by CR LF) into the label
/// texts. Each step that cannot be done is skipped: a line without "==" gives its heading only, an
/// empty line gives nothing, and labels beyond the last index are left out. A final line break
/// ends the last line rather than starting an empty one.
PericopeLabels pericopeLabels(const QString& list);

/// The heading label of label i's entry.
constexpr int headingLabelOf(int i)
{
    return i % 2 == 0 ? i : i - 1;
}

/// The passage label of label i's entry.
constexpr int passageLabelOf(int i)
{
    return i % 2 == 1 ? i : i + 1;
}

/// The gap in twips above label i in the column: 30 between a heading and its passage, 110
/// between entries.
constexpr int gapAboveLabel(int i)
{
    return i % 2 == 0 ? 110 : 30;
}

/// Where a passage label ("(Yohanes#3:1-21)") leads: its chapter and first verse as written. A
/// piece that cannot be read stays empty.
struct PericopeTarget
{
    QString chapter;
    QString firstVerse;

    /// The chapter as a number, when the chapter text is one.
    std::optional<int> chapterNumber() const;
};

/// Reads a passage label: the delimiters at both ends are dropped and the book text before "#" is
/// not used. Nothing when the trimmed label is empty.
std::optional<PericopeTarget> pericopeTarget(const QString& passageLabel);

/// Where the caret goes in the reading pane's text ("\n" line breaks) after a jump to `target`:
/// the line break that ends the line of its first verse (the end of the text when that line is the
/// last). A verse that cannot be found gives the end of the first line.
qsizetype pericopeCaret(const QString& paneText, const PericopeTarget& target);

/// The scroll bar of the pericope column always runs from 0 to this, whatever the list's length.
inline constexpr int kPericopeScrollMaximum = 32000;
/// The scroll bar's large change, a tenth of its range.
inline constexpr int kPericopeScrollPage = kPericopeScrollMaximum / 10;

/// The top of the column inside its viewport for a scroll value, when the column is `scrollRange`
/// higher than the viewport (same unit as the result).
int pericopeContentTop(int scrollValue, int scrollRange);

} // namespace tirta::study
