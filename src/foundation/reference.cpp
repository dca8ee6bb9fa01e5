#include "reference.h"

#include "foundation/criteria.h"
#include "foundation/recordset.h"

namespace tirta {

using namespace Qt::StringLiterals;

ReferenceParts parseReference(QStringView reference)
{
    ReferenceParts parts;
    const QStringView trimmed = reference.trimmed();
    const qsizetype hash = trimmed.indexOf(u'#');
    parts.book = (hash < 0 ? trimmed : trimmed.left(hash)).toString();
    const QStringView rest = hash < 0 ? QStringView() : trimmed.mid(hash + 1).trimmed();
    const qsizetype colon = rest.indexOf(u':');
    parts.chapter = (colon < 0 ? rest : rest.left(colon)).trimmed().toString();
    const QStringView verses = colon < 0 ? QStringView() : rest.mid(colon + 1);
    const qsizetype dash = verses.indexOf(u'-');
    if (dash >= 0) {
        parts.firstVerse = verses.left(dash).toString();
        parts.lastVerse = verses.mid(dash + 1).toString();
    } else {
        parts.firstVerse = verses.trimmed().toString();
    }
    return parts;
}

QString displayToReference(QString& display, bool bookOnly)
{
    const qsizetype space = display.lastIndexOf(u' ');
    if (space < 0)
        return display;
    display = display.left(space) + u'#' + display.mid(space + 1);
    return bookOnly ? display.left(space) : display;
}

QString normaliseSpelling(QString& reference)
{
    reference.replace(u"Zakaria#"_s, u"Zakharia#"_s);
    reference.replace(u"Yo\u00e9l#"_s, u"Yoel#"_s);
    return reference;
}

std::optional<QString> cutVerseLines(const QString& chapterText, const ReferenceParts& reference)
{
    const QString text = chapterText + u"\r\n"_s;
    const qsizetype start = text.indexOf(reference.chapter + u':' + reference.firstVerse);
    if (start < 0)
        return std::nullopt;
    qsizetype anchor = start;
    if (reference.lastVerse) {
        anchor = text.indexOf(reference.chapter + u':' + *reference.lastVerse, start + 1);
        if (anchor < 0)
            anchor = start;
    }
    const qsizetype end = text.indexOf(u"\r\n"_s, anchor + 1);
    return text.mid(start, end - start);
}

std::optional<QString> cutExcerpt(QStringView reference, Recordset& chapters)
{
    const ReferenceParts parts = parseReference(reference);
    bool isNumber = false;
    const int chapter = parts.chapter.toInt(&isNumber);
    if (!isNumber || !chapters.findFirst(chapterCriterion(parts.book, chapter)))
        return std::nullopt;
    return cutVerseLines(chapters.text(u"Kitab1"), parts);
}

} // namespace tirta
