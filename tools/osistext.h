#pragma once

#include <QHash>
#include <QString>

namespace tirta::databuilder {

/// The plain text of one verse, or why its markup could not be read.
struct Conversion
{
    QString text;
    QString error; ///< empty when the markup was read
    bool ok() const { return error.isEmpty(); }
};

/// Turns the OSIS markup of one verse, as a module dump holds it, into the plain text of a verse
/// line: notes, headings and speaker labels go, words keep the spacing a reader expects, the
/// divine name keeps its capitals, entities are decoded and runs of white space become one blank.
/// A title the text carries (canonical) at the very start of a verse stays, and so does a psalm
/// title at the start of verse 1 (`verseOne`): a superscription is the start of verse 1 in print.
Conversion osisToPlainText(QStringView markup, bool verseOne);

/// Collects the book names a module carries in its book headings (the short table-of-contents
/// name, else the running head), keyed by the OSIS id of the book division they stand in.
class OsisBookNames
{
public:
    /// Reads the markup of one entry; entries are fed in the order of the dump.
    void read(QStringView markup);
    /// OSIS id ("Gen") to name ("Génesis").
    QHash<QString, QString> names() const;

private:
    QString m_book; ///< the book division the last entries belong to
    QHash<QString, QString> m_shortNames;
    QHash<QString, QString> m_heads;
};

} // namespace tirta::databuilder
