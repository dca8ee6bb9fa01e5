#include "themes.h"

#include "foundation/recordset.h"
#include "foundation/reference.h"

namespace tirta::study {

using namespace Qt::StringLiterals;

QStringList themeNames(Recordset& names)
{
    QStringList list;
    for (names.moveFirst(); !names.eof(); names.moveNext()) {
        if (!names.isNull(u"Topik"))
            list << names.text(u"Topik");
    }
    return list;
}

QStringList referencesOfTheme(Recordset& themes, const QString& theme)
{
    const QString wanted = theme.trimmed().toLower();
    QStringList references;
    for (themes.moveFirst(); !themes.eof(); themes.moveNext()) {
        if (themes.text(u"Topik").trimmed().toLower() == wanted)
            references << themes.text(u"Ayat");
    }
    return references;
}

QString clipBookHeading(const QString& theme, const QString& reference)
{
    return theme + u"\r\n"_s + parseReference(reference).book + u' ';
}

} // namespace tirta::study
