#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tirta {
class Recordset;
}

namespace tirta::study {

/// The headwords of the dictionary list with the list's incremental prefix search. Built once when
/// the list is filled, so typing never queries the data file: a binary search when the headwords
/// are in the order the search compares them (as the data file sorts them), else one pass.
class HeadwordIndex
{
public:
    explicit HeadwordIndex(const QStringList& headwords = {});

    /// The row of the first headword, from the top of the list, that begins with `prefix` without
    /// regard to case; -1 when none does. Every headword begins with an empty text.
    int findPrefix(QStringView prefix) const;
    /// Whether the quick search serves (the headwords are in ascending order of their folded case).
    bool isSorted() const { return m_sorted; }

private:
    std::vector<QString> m_folded; ///< the headwords case-folded, in list order
    bool m_sorted = true;
};

/// Every headword of the dictionary recordset, first row to last.
QStringList loadHeadwords(Recordset& dictionary);

/// The explanation of `headword`, found as the first row with that headword (the recordset stays
/// there). Nothing when no row has it or its explanation holds no value at all.
std::optional<QString> explanationOf(Recordset& dictionary, const QString& headword);

} // namespace tirta::study
