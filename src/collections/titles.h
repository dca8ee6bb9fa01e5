#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tirta {
class Recordset;
}

namespace tirta::collections {

/// `text` with the first letter of every word in upper case and the other letters in lower case.
/// Words are separated by blanks only (spaces, tabs, line breaks): "PENGGARAP-PENGGARAP KEBUN"
/// becomes "Penggarap-penggarap Kebun".
QString properCase(QStringView text);

/// The titles held in `field` of every row of `records`, first to last, in proper case.
QStringList titlesInProperCase(Recordset& records, QStringView field);

/// Moves `records` to the first row whose `field` equals `title` (trimmed; the data file compares
/// texts without regard to case). The title is quoted, so an apostrophe in it finds its row too.
bool findTitle(Recordset& records, QStringView field, const QString& title);

/// The gospels a parable may be told in, in the order of its options; each is also the field of
/// the parables table that holds the parable's passage in it.
inline constexpr std::array<QStringView, 4> kGospels { u"Matius", u"Markus", u"Lukas", u"Yohanes" };

/// The passages of the parable on the current row, one per gospel of `kGospels`, as stored and
/// trimmed; empty for a gospel that does not tell it.
std::array<QString, 4> gospelPassages(const Recordset& parables);

/// The first gospel that tells the parable (index into `kGospels`); -1 when none does.
int firstGospel(const std::array<QString, 4>& passages);

} // namespace tirta::collections
