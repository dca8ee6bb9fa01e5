#include "titles.h"

#include "foundation/criteria.h"
#include "foundation/recordset.h"

namespace tirta::collections {

using namespace Qt::StringLiterals;

QString properCase(QStringView text)
{
    QString result = text.toString().toLower();
    bool wordStart = true;
    for (QChar& c : result) {
        if (c.isSpace() || c.isNull()) {
            wordStart = true;
        } else if (wordStart) {
            c = c.toUpper();
            wordStart = false;
        }
    }
    return result;
}

QStringList titlesInProperCase(Recordset& records, QStringView field)
{
    QStringList titles;
    for (records.moveFirst(); !records.eof(); records.moveNext())
        titles << properCase(records.text(field));
    return titles;
}

bool findTitle(Recordset& records, QStringView field, const QString& title)
{
    return records.findFirst(field.toString() + u'=' + tirta::quoted(title.trimmed()));
}

std::array<QString, 4> gospelPassages(const Recordset& parables)
{
    std::array<QString, 4> passages;
    for (size_t g = 0; g < kGospels.size(); ++g)
        passages[g] = parables.text(kGospels[g]).trimmed();
    return passages;
}

int firstGospel(const std::array<QString, 4>& passages)
{
    for (size_t g = 0; g < passages.size(); ++g) {
        if (!passages[g].isEmpty())
            return static_cast<int>(g);
    }
    return -1;
}

} // namespace tirta::collections
