#include "criteria.h"

namespace tirta {

using namespace Qt::StringLiterals;

QString quoted(QStringView text)
{
    QString result;
    result.reserve(text.size() + 2);
    result += u'\'';
    for (const QChar c : text) {
        if (c == u'\'')
            result += u'\'';
        result += c;
    }
    result += u'\'';
    return result;
}

QString chapterCriterion(QStringView book, int chapter)
{
    return u"Buku="_s + quoted(book) + u" AND Bab="_s + QString::number(chapter);
}

} // namespace tirta
