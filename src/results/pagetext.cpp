#include "pagetext.h"

#include <algorithm>

namespace tirta::results {

QString withNewlines(QString text)
{
    if (!text.contains(u'\r'))
        return text;
    QChar* data = text.data();
    const qsizetype size = text.size();
    qsizetype kept = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] == u'\r') {
            data[kept++] = u'\n';
            if (i + 1 < size && data[i + 1] == u'\n')
                ++i;
        } else {
            data[kept++] = data[i];
        }
    }
    text.truncate(kept);
    return text;
}

PageText::PageText(const QString& text)
    : m_text(text)
{
    indexParagraphs();
}

PageText PageText::fromRuns(const std::vector<rtf::Run>& runs)
{
    PageText page;
    std::vector<Mark> marks;
    for (const rtf::Run& run : runs) {
        Look look;
        look.bold = run.bold;
        if (run.colour)
            look.colour = qRgb(run.colour->red, run.colour->green, run.colour->blue);
        if (!look.isPlain())
            marks.push_back({ int(page.m_text.size()), int(run.text.size()), look });
        page.m_text += run.text;
    }
    page.indexParagraphs();
    page.applyMarks(marks);
    return page;
}

void PageText::indexParagraphs()
{
    m_starts.assign(1, 0);
    const QChar* data = m_text.constData();
    for (int i = 0, n = size(); i < n; ++i)
        if (data[i] == u'\n')
            m_starts.push_back(i + 1);
}

int PageText::paragraphLength(int paragraph) const
{
    const int end = paragraph + 1 < paragraphCount() ? m_starts[size_t(paragraph) + 1] - 1 : size();
    return end - paragraphStart(paragraph);
}

QStringView PageText::paragraph(int paragraph) const
{
    return QStringView(m_text).mid(paragraphStart(paragraph), paragraphLength(paragraph));
}

int PageText::paragraphOf(int position) const
{
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), position);
    return std::max(0, int(after - m_starts.begin()) - 1);
}

void PageText::replace(int position, int length, const QString& text)
{
    position = std::clamp(position, 0, size());
    length = std::clamp(length, 0, size() - position);
    const int end = position + length;
    const int delta = int(text.size()) - length;
    const Look after = lookAt(end);

    // Paragraph starts: a start s stands for the line break at s - 1.
    auto first = std::upper_bound(m_starts.begin(), m_starts.end(), position);
    auto last = std::upper_bound(first, m_starts.end(), end);
    std::vector<int> inserted;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\n')
            inserted.push_back(position + int(i) + 1);
    for (auto it = last; it != m_starts.end(); ++it)
        *it += delta;
    first = m_starts.erase(first, last);
    m_starts.insert(first, inserted.begin(), inserted.end());

    m_text.replace(position, length, text);
    if (m_looks.empty())
        return;
    std::vector<Span> looks;
    looks.reserve(m_looks.size() + 2);
    for (const Span& span : m_looks)
        if (span.start < position)
            push(looks, span);
    push(looks, { position, Look() });
    push(looks, { position + int(text.size()), after });
    for (const Span& span : m_looks)
        if (span.start > end)
            push(looks, { span.start + delta, span.look });
    m_looks = std::move(looks);
    if (m_looks.size() == 1 && m_looks.front().look.isPlain())
        m_looks.clear();
}

void PageText::push(std::vector<Span>& spans, const Span& span) const
{
    if (span.start >= size())
        return;
    if (spans.empty() && span.start > 0)
        spans.push_back({ 0, Look() });
    if (!spans.empty() && spans.back().start == span.start) {
        spans.back().look = span.look;
        if (spans.size() >= 2 && spans[spans.size() - 2].look == span.look)
            spans.pop_back();
        return;
    }
    if (!spans.empty() && spans.back().look == span.look)
        return;
    spans.push_back(span);
}

Look PageText::lookAt(int position) const
{
    const auto after = std::upper_bound(
        m_looks.begin(), m_looks.end(), position, [](int at, const Span& span) { return at < span.start; });
    return after == m_looks.begin() ? Look() : std::prev(after)->look;
}

void PageText::applyMarks(const std::vector<Mark>& marks)
{
    if (marks.empty())
        return;
    std::vector<Span> looks;
    looks.reserve(m_looks.size() + 2 * marks.size() + 1);
    size_t next = 0; // the first old span not yet copied or passed
    Look current; // the old look in force before m_looks[next]
    for (const Mark& mark : marks) {
        const int from = std::clamp(mark.start, 0, size());
        const int to = std::clamp(mark.start + mark.length, from, size());
        if (from == to)
            continue;
        for (; next < m_looks.size() && m_looks[next].start < from; ++next) {
            push(looks, m_looks[next]);
            current = m_looks[next].look;
        }
        push(looks, { from, mark.look });
        for (; next < m_looks.size() && m_looks[next].start <= to; ++next)
            current = m_looks[next].look;
        push(looks, { to, current });
    }
    for (; next < m_looks.size(); ++next)
        push(looks, m_looks[next]);
    m_looks = std::move(looks);
    if (m_looks.size() == 1 && m_looks.front().look.isPlain())
        m_looks.clear();
}

std::vector<Mark> PageText::marksIn(int from, int to) const
{
    std::vector<Mark> marks;
    if (m_looks.empty() || from >= to)
        return marks;
    auto it = std::upper_bound(
        m_looks.begin(), m_looks.end(), from, [](int at, const Span& span) { return at < span.start; });
    if (it != m_looks.begin())
        --it;
    for (; it != m_looks.end() && it->start < to; ++it) {
        if (it->look.isPlain())
            continue;
        const int end = std::next(it) == m_looks.end() ? size() : std::next(it)->start;
        const int start = std::max(it->start, from);
        const int stop = std::min(end, to);
        if (start < stop)
            marks.push_back({ start, stop - start, it->look });
    }
    return marks;
}

QList<QTextLayout::FormatRange> PageText::paragraphFormats(int paragraph) const
{
    const int start = paragraphStart(paragraph);
    QList<QTextLayout::FormatRange> formats;
    for (const Mark& mark : marksIn(start, start + paragraphLength(paragraph))) {
        QTextLayout::FormatRange range;
        range.start = mark.start - start;
        range.length = mark.length;
        if (mark.look.bold)
            range.format.setFontWeight(QFont::Bold);
        if (mark.look.colour)
            range.format.setForeground(QColor::fromRgb(*mark.look.colour));
        formats << range;
    }
    return formats;
}

std::vector<rtf::Run> PageText::runs() const
{
    std::vector<rtf::Run> runs;
    const auto run = [this](int from, int to, const Look& look) {
        rtf::Run r;
        r.text = m_text.mid(from, to - from);
        r.bold = look.bold;
        if (look.colour)
            r.colour = rtf::Colour { qRed(*look.colour), qGreen(*look.colour), qBlue(*look.colour) };
        return r;
    };
    if (m_looks.empty()) {
        if (!m_text.isEmpty())
            runs.push_back(run(0, size(), Look()));
        return runs;
    }
    for (size_t i = 0; i < m_looks.size(); ++i) {
        const int end = i + 1 < m_looks.size() ? m_looks[i + 1].start : size();
        runs.push_back(run(m_looks[i].start, end, m_looks[i].look));
    }
    return runs;
}

} // namespace tirta::results
