#include "readerlogic.h"

#include "foundation/criteria.h"
#include "search/searchengine.h"

namespace tirta::reader {

using namespace Qt::StringLiterals;

QString verseMark(QStringView line)
{
    const qsizetype space = line.indexOf(u' ');
    QStringView mark = space < 0 ? line : line.left(space);
    const qsizetype dash = mark.indexOf(u'-');
    if (dash >= 0)
        mark = mark.left(dash);
    if (mark.endsWith(u'.'))
        mark.chop(1);
    return mark.toString();
}

LineBounds lineBoundsAt(QStringView text, qsizetype position)
{
    position = std::clamp<qsizetype>(position, 0, text.size());
    LineBounds bounds;
    bounds.start = position == 0 ? 0 : text.left(position).lastIndexOf(u'\n') + 1;
    const qsizetype end = text.indexOf(u'\n', position);
    bounds.end = end < 0 ? text.size() : end;
    return bounds;
}

std::optional<QString> verseOfMark(const QString& chapterText, const QString& mark)
{
    if (mark.isEmpty())
        return std::nullopt;
    const QString text = chapterText + u"\r\n"_s;
    const qsizetype start = text.indexOf(mark);
    if (start < 0)
        return std::nullopt;
    const qsizetype end = text.indexOf(u"\r\n"_s, start);
    QString verse = text.mid(start, end - start);
    if (verse.startsWith(u'\n'))
        verse.remove(0, 1);
    return verse.trimmed();
}

qsizetype verseSearchPosition(QStringView paneText, int verse)
{
    return paneText.indexOf(QString(u':' + QString::number(verse)));
}

QString copiedText(QStringView paneText, qsizetype selectionStart, qsizetype selectionEnd)
{
    const qsizetype start = std::clamp<qsizetype>(std::min(selectionStart, selectionEnd), 0, paneText.size());
    qsizetype end = std::clamp<qsizetype>(std::max(selectionStart, selectionEnd), 0, paneText.size());
    if (end > start && paneText[end - 1] == u'\n')
        --end;
    return paneText.mid(start, end - start).toString();
}

QString findCriterion(int scope, const QString& book, const QString& testament, const QString& column,
    const QString& quotedText)
{
    const QString like = search::likeTerm(column, quotedText);
    switch (scope) {
    case 1:
        return u"Buku="_s + tirta::quoted(book) + u" AND "_s + like;
    case 2:
        return u"Perjanjian="_s + tirta::quoted(testament) + u" AND "_s + like;
    default:
        return like;
    }
}

QString breakLongLines(const QString& text, qsizetype longest)
{
    qsizetype line = 0;
    bool tooLong = false;
    for (const QChar c : text) {
        line = c == u'\n' ? 0 : line + 1;
        tooLong = tooLong || line > longest;
    }
    if (!tooLong)
        return text;
    QString result;
    result.reserve(text.size() + text.size() / longest);
    qsizetype lineStart = 0;
    qsizetype lastSpace = -1;
    for (const QChar c : text) {
        if (c != u'\n' && result.size() - lineStart >= longest) {
            if (lastSpace >= lineStart) {
                result[lastSpace] = u'\n';
                lineStart = lastSpace + 1;
            } else {
                result += u'\n';
                lineStart = result.size();
            }
        }
        result += c;
        if (c == u'\n')
            lineStart = result.size();
        else if (c == u' ')
            lastSpace = result.size() - 1;
    }
    return result;
}

QString windowSizeText(int screenHeight)
{
    return screenHeight > 700 ? u"750@577"_s : u"640@480"_s;
}

void History::record(const QString& column, const QString& reference, bool verseChosen)
{
    if (verseChosen && !m_entries.isEmpty())
        m_entries.removeLast();
    if (m_entries.size() >= kLimit)
        m_entries.removeFirst();
    m_entries.append(column + u'@' + reference);
}

std::optional<QString> History::step(Step step)
{
    // Before any step the user stands on the newest entry.
    const int here = m_current < 0 ? static_cast<int>(m_entries.size()) - 1 : m_current;
    int target = here;
    switch (step) {
    case Step::Back:
        target = here - 1;
        break;
    case Step::Forward:
        target = m_current < 0 ? -1 : here + 1;
        break;
    case Step::Newest:
        target = static_cast<int>(m_entries.size()) - 1;
        break;
    }
    if (target < 0 || target >= m_entries.size())
        return std::nullopt;
    m_current = target;
    return m_entries.at(target);
}

void History::clear()
{
    m_entries.clear();
    m_current = -1;
}

} // namespace tirta::reader
