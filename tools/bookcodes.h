#pragma once

#include "foundation/books.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tirta::databuilder {

/// Where a book of a source text belongs in the data file.
enum class BookGroup
{
    Bible, ///< one of the 66 books of the chapter table
    Deutero, ///< one of the nine books of the deuterocanonical table
    Elsewhere ///< a book the data file has no place for (1 Esdras, 3 Maccabees, ...): skipped
};

/// The most chapters a book has (Mazmur) and the most verses a chapter has (Mazmur 119): a
/// number beyond them is a mistake in the source, never a longer book.
constexpr int kMostChapters = 150;
constexpr int kMostVerses = 176;

/// A book of the data file: a chapter-table book or a deuterocanonical book.
struct BookEntry
{
    QString code; ///< the key in verse files and name files ("Gen", "Tob", "AddDan")
    BookGroup group = BookGroup::Bible;
    int order = 0; ///< `Urutan`: 1 to 66, or 1 to 9 for the deuterocanonical books
    QString canonical; ///< the canonical Indonesian name (Bible books only)
    Testament testament = Testament::Old; ///< Bible books only
    std::vector<int> listedChapters; ///< deuterocanonical books: the chapters the reader lists
};

/// A book name as a source text spells it, resolved.
struct SourceBook
{
    QString code; ///< the source's own book ("PrAzar"); verse order is checked per source book
    BookGroup group = BookGroup::Bible;
    int index = -1; ///< into `bibleBooks()` or `deuteroBooks()`; -1 for `Elsewhere`
    int chapter = 0; ///< the target chapter when the whole source book is one chapter, else 0
};

/// The 66 books in canonical order.
const std::vector<BookEntry>& bibleBooks();
/// The nine deuterocanonical books in the order of the deuterocanonical reader.
const std::vector<BookEntry>& deuteroBooks();

/// Resolves an OSIS code ("1Sam") or a module's key name ("I Samuel"), without regard to case.
std::optional<SourceBook> findSourceBook(QStringView name);

/// The Bible or deuterocanonical book of a code in a name file; nullptr when there is none.
const BookEntry* findBook(QStringView code, BookGroup group);

} // namespace tirta::databuilder
