#pragma once

#include <QString>
#include <QStringList>

namespace tirta {

/// Testament of a book: "Lama" (Old) or "Baru" (New), as the data file spells it.
enum class Testament
{
    Old,
    New
};

inline constexpr int kOldTestamentBooks = 39;
inline constexpr int kNewTestamentBooks = 27;
/// The most chapters a book has (Psalms, with Psalm 151 where a translation counts it) and the most
/// verses a chapter has (Psalm 119). A count beyond these in a data file is damage, not data.
inline constexpr int kMaxChapters = 151;
inline constexpr int kMaxVerses = 176;

/// The canonical names, in canonical order; they are the `Buku` values of the chapter table.
const QStringList& oldTestamentNames();
const QStringList& newTestamentNames();

/// Old Testament index of a canonical name as decimal text, or "-1" when it is not an Old Testament name.
QString oldTestamentIndex(QStringView name);
/// New Testament index of a canonical name as decimal text, or "-1" when it is not a New Testament name.
QString newTestamentIndex(QStringView name);

/// Old Testament name of an index, or the empty text for any other index.
QString oldTestamentName(int index);
/// New Testament name of an index given as text (its numeric value is used), or a single space.
QString newTestamentName(QStringView index);

/// Canonical name of a book position: the Old Testament name when `oldTestament` is set.
QString bookName(int index, bool oldTestament);

/// The testament word stored in the data file ("Lama" or "Baru").
QString testamentWord(Testament testament);

} // namespace tirta
