#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tirta {
class Database;
}

/// The deuterocanonical books: the fixed book list of the reader, its chapter lists, and the names
/// the three translations go by.
namespace tirta::deutero {

/// The translations of the deuterocanonical table: columns Kitab1 … Kitab3 and Buku1 … Buku3.
inline constexpr int kTranslations = 3;
/// The books of the list, in the order of `Urutan`.
inline constexpr int kBooks = 9;

/// The name and chapter tables of the book list (`InitDeuteroArray`).
class DeuteroBooks
{
public:
    DeuteroBooks();

    /// The nine book names of translation n (1 to 3); translation 2 is in the Toba language.
    const QStringList& names(int translation) const;
    /// The chapters the chapter list offers for book `index` (0-based) as translation n names it:
    /// "1" to the book's count, or "3", "13", "14" for a book whose name holds "Daniel".
    QStringList chapters(int index, int translation) const;

private:
    std::array<QStringList, kTranslations> m_names;
    std::array<int, kBooks> m_chapterCounts {};
};

/// The chapter list of a book by its name: "1" to `count`, or "3", "13", "14" when the name holds
/// "Daniel" (case-sensitive).
QStringList chapterList(const QString& bookName, int count);

/// How the catalogue names a deuterocanonical translation.
struct TranslationNames
{
    QString shortName; ///< the name in the window's label, the menus and the search results
    QString caption; ///< the window caption: "Deuterokanonika - " and the copyright line
};

/// The names of translation n, from the row of the translation catalogue (`UsysVersi`) with the same
/// number: its display name, and its copyright text's first line in the caption. A number the
/// catalogue lacks is called "Deuterokanonika n".
TranslationNames translationNames(Database& database, int translation);

/// The column of translation n's chapter text: "Kitab" + n.
QString textColumn(int translation);

/// The reference a copy to the ClipBook starts with: "Deuterokanonika -- " + book + " ".
QString clipBookReference(const QString& book);

/// What the chapter view shows for a chapter the translation has no text for.
QString emptyChapterText(const QString& shortName);

} // namespace tirta::deutero
