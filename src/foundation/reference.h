#pragma once

#include <QString>

#include <optional>

namespace tirta {

class Recordset;

/// A reference string cut into its parts: book "#" chapter ":" first verse, optionally "-" last verse.
struct ReferenceParts
{
    QString book;
    QString chapter;
    QString firstVerse;
    std::optional<QString> lastVerse;
};

/// Parses a reference string such as "Markus#12:30-31". Parts that are missing stay empty.
ReferenceParts parseReference(QStringView reference);

/// Turns a display reference ("Kisah Para Rasul 2:1") into a reference string by replacing its last
/// space with "#". The text is changed in place; with `bookOnly` the result is the part before that space.
QString displayToReference(QString& display, bool bookOnly = false);

/// Replaces every "Zakaria#" by "Zakharia#" and every "Yoél#" by "Yoel#", in place; returns the result.
QString normaliseSpelling(QString& reference);

/// The verse lines of a reference cut from a chapter text whose lines end in CR LF: from the first
/// occurrence of chapter ":" first verse up to the line break that ends the last verse. Nothing
/// when the verse mark does not occur.
std::optional<QString> cutVerseLines(const QString& chapterText, const ReferenceParts& reference);

/// The excerpt of a reference, taken from translation column `Kitab1` of the chapter row that the
/// recordset finds for it (the recordset is moved there). Nothing when no row or verse matches.
std::optional<QString> cutExcerpt(QStringView reference, Recordset& chapters);

} // namespace tirta
