#pragma once

#include "foundation/rtf.h"

#include <QList>
#include <QRgb>
#include <QString>
#include <QStringView>
#include <QTextLayout>

#include <optional>
#include <vector>

namespace tirta::results {

/// How a stretch of text looks: emphasised or not, in a colour of its own or in the view's.
struct Look
{
    bool bold = false;
    std::optional<QRgb> colour; ///< none: the view's own text colour

    bool isPlain() const { return !bold && !colour; }
    bool operator==(const Look&) const = default;
};

/// A stretch of text and its look.
struct Mark
{
    int start = 0;
    int length = 0;
    Look look;
};

/// Text read from a file with its CR LF (and lone CR) line ends as "\n", converted in place: a result
/// of many megabytes is not copied for it.
QString withNewlines(QString text);

/// The text of a results or ClipBook page: plain text with "\n" line breaks, split into
/// paragraphs, and the looks of its stretches kept beside it. Nothing is laid out here, so a text
/// of many megabytes loads, marks and unmarks in one pass over it.
class PageText
{
public:
    PageText() = default;
    explicit PageText(const QString& text);
    /// The text of runs with their looks.
    static PageText fromRuns(const std::vector<rtf::Run>& runs);

    const QString& text() const { return m_text; }
    int size() const { return int(m_text.size()); }
    /// At least one: an empty text is one empty paragraph.
    int paragraphCount() const { return int(m_starts.size()); }
    int paragraphStart(int paragraph) const { return m_starts[size_t(paragraph)]; }
    /// Without its line break.
    int paragraphLength(int paragraph) const;
    QStringView paragraph(int paragraph) const;
    /// The paragraph that holds `position` (a line break belongs to the paragraph it ends).
    int paragraphOf(int position) const;

    /// Replaces `length` characters at `position` by `text`, which is plain.
    void replace(int position, int length, const QString& text);
    void append(const QString& text) { replace(size(), 0, text); }

    Look lookAt(int position) const;
    /// Gives each stretch of `marks` its look; the marks are sorted and do not overlap.
    void applyMarks(const std::vector<Mark>& marks);
    /// Every stretch plain again.
    void clearLooks() { m_looks.clear(); }
    /// The stretches between `from` and `to` that are not plain.
    std::vector<Mark> marksIn(int from, int to) const;
    /// The whole text in runs of one look.
    std::vector<rtf::Run> runs() const;

    /// The looks of a paragraph as formats of its layout, positions counted in the paragraph.
    QList<QTextLayout::FormatRange> paragraphFormats(int paragraph) const;

private:
    /// Where a look begins; it lasts until the next one begins.
    struct Span
    {
        int start = 0;
        Look look;
    };
    void indexParagraphs();
    void push(std::vector<Span>& spans, const Span& span) const;

    QString m_text;
    std::vector<int> m_starts { 0 };
    std::vector<Span> m_looks; ///< empty: all plain; else the first starts at 0
};

} // namespace tirta::results
