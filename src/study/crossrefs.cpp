#include "crossrefs.h"

#include "foundation/books.h"
#include "foundation/reference.h"

namespace tirta::study {

using namespace Qt::StringLiterals;

QString crossRefMenuCaption(const QString& book, int chapter)
{
    return u"Ref. Silang "_s + book + u" Bab "_s + QString::number(chapter);
}

ChapterCrossRefs chapterCrossRefs(const QString& referensi, int chapter)
{
    ChapterCrossRefs result;
    // Line breaks around the field let the tag of the first line and the end of the last one be
    // found like any other.
    const QString text = u"\r\n"_s + referensi + u"\r\n"_s;
    const QString tag = u'#' + QString::number(chapter) + u'#';
    const qsizetype at = text.indexOf(tag);
    if (at < 0)
        return result;
    const qsizetype from = at + tag.size();
    // The stored lines end in CR LF; a lone LF (a hand-made list) ends a line as well.
    QString content = text.mid(from, text.indexOf(u'\n', from) - from);
    if (content.endsWith(u'\r'))
        content.chop(1);

    QStringList entries = content.split(u'@');
    entries.removeFirst();
    for (const QString& entry : std::as_const(entries)) {
        const qsizetype space = entry.indexOf(u' ');
        if (space < 0) {
            result.malformed = true;
            continue;
        }
        if (result.captions.size() == kCrossRefSlots) {
            result.malformed = true;
            break;
        }
        result.captions << entry.left(space) + u" -> "_s + entry.mid(space + 1);
    }
    return result;
}

QStringList crossRefTargets(const QString& caption, bool hasOldTestament)
{
    QStringList targets;
    const qsizetype arrow = caption.indexOf(u" -> "_s);
    if (arrow < 0)
        return targets;
    const QStringList pieces = caption.mid(arrow + 4).split(u',');
    for (const QString& piece : pieces) {
        QString target = piece.trimmed();
        if (target.isEmpty())
            continue;
        QString display = target;
        const QString book = displayToReference(display, true);
        if (!hasOldTestament && oldTestamentIndex(book) != u"-1"_s)
            target += u'*';
        targets << target;
    }
    return targets;
}

bool isChoosableTarget(const QString& target)
{
    return !target.trimmed().endsWith(u'*');
}

} // namespace tirta::study
