#pragma once

#include <QString>
#include <QStringList>

namespace tirta {
class Recordset;
}

namespace tirta::study {

/// The names of the theme-names recordset, first row to last; a row without a name is left out.
QStringList themeNames(Recordset& names);

/// The references of `theme`, in the order of the themes recordset: those of every row whose
/// `Topik`, trimmed and in lower case, equals the theme trimmed and in lower case.
QStringList referencesOfTheme(Recordset& themes, const QString& theme);

/// The heading of a ClipBook entry copied from `reference` under `theme`: the theme, a line break
/// (CR LF), the reference's book and a space, so that the verse lines follow the book name.
QString clipBookHeading(const QString& theme, const QString& reference);

} // namespace tirta::study
