#pragma once

#include "tools/passage.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace tirta::databuilder {

/// One entry of a module dump as `mod2imp` writes it: the key after "$$$" and the markup lines
/// up to the next key, joined by blanks.
struct DumpEntry
{
    QString key;
    int line = 0; ///< the line of the key
    QString markup;
};

/// The entries of a module dump in file order.
std::vector<DumpEntry> dumpEntries(QStringView content);

/// The verse a commentary or Bible key names ("II Samuel 7:14"); nothing for headings and for
/// books outside the 66.
struct VerseKey
{
    int book = -1;
    int chapter = 0;
    int verse = 0;
};
std::optional<VerseKey> verseKey(QStringView key);

/// Plain text of a piece of markup, one line per paragraph, list item or table row (items begin
/// with "- "); notes and titles are left out, as in verse text.
QString proseText(QStringView markup);

/// How many references of a source were left out, and why.
struct DroppedReferences
{
    int unresolved = 0; ///< naming no verse of translation 1 (a verse it lacks, a slip of the source)
    int crossChapter = 0; ///< ranges running into another chapter, where one chapter is needed
    int overflow = 0; ///< past the room the program has (150 verses of a chapter, 200 pericopes)
    int total() const { return unresolved + crossChapter + overflow; }
    DroppedReferences& operator+=(const DroppedReferences& other);
};

/// A section heading of a book with its passage.
struct Pericope
{
    Passage passage;
    QString heading;
    int line = 0; ///< the key line of its dump entry
};

/// Reads the section outlines of a commentary dump: the chapter outline tables ("heading" and
/// "(1-2)" cells), the outlines written as prose ("heading. (Jr 42:1-6)"), and a chapter's one-line
/// summary, which covers the whole chapter. Chapters without any of these get no heading.
std::vector<Pericope> readSectionOutlines(
    const std::vector<DumpEntry>& entries, const VerseIndex& verses, DroppedReferences* dropped);

/// Reads the book introductions of a commentary dump, by book index: the "introduction" division
/// before a book's first chapter heading, or a "Book Introduction" section up to its outline.
std::map<int, QString> readBookIntroductions(const std::vector<DumpEntry>& entries);

/// The cross references of one verse.
using CrossReferences = std::map<std::tuple<int, int, int>, std::vector<Passage>>;

/// Adds the references a dump gives per verse: the cross-reference notes of a Bible text, and the
/// references in the verse notes of a commentary (not those of its book introductions, nor its
/// pointers to its own notes). A verse's own passage is not a reference of it.
void readNoteReferences(const std::vector<DumpEntry>& entries, const VerseIndex& verses,
    CrossReferences* references, DroppedReferences* dropped);

/// One headword of a dictionary source.
struct Headword
{
    QString word;
    QString text; ///< plain text, lines joined by "\n"
    int line = 0;
};

/// Reads the glossary division ("<div type="glossary">") a Bible dump carries after its last book:
/// every list item with a keyword. Empty when there is no glossary.
std::vector<Headword> readGlossary(const std::vector<DumpEntry>& entries);

/// One topic of a topical index with the passages it lists.
struct Topic
{
    QString name; ///< proper case ("Love")
    QString text; ///< readable text, references in display form with the canonical names
    std::vector<Passage> passages; ///< in order of first mention, each once
    int line = 0;
};

/// Reads a topical index dumped from a dictionary module ("$$$TOPIC" and its entry markup).
std::vector<Topic> readTopics(
    const std::vector<DumpEntry>& entries, const VerseIndex& verses, DroppedReferences* dropped);

} // namespace tirta::databuilder
