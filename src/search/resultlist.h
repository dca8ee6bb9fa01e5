#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tirta::search {

/// One recorded search: what the list shows, the result file, and the summary shown under
/// "Keterangan" when the entry is selected.
struct ResultEntry
{
    QString label;
    QString path;
    QString summary;

    bool operator==(const ResultEntry&) const = default;
};

/// The entry of a search over the Bible: label "text (translation + scope caption)" and the
/// summary lines (translation, syntax, scope, count, time) joined by CR LF.
ResultEntry resultEntry(const QString& searchText, const QString& translationName,
    const QString& scopeCaption, const QString& path, int hits, const QString& elapsed);

/// The searches recorded while "Pencarian Optimal" is on, in the order they ran ("Daftar Hasil").
/// Removing an entry deletes its result file; files of searches that were never listed are left alone.
class ResultList
{
public:
    /// Appends an entry when the Optimal option is on; otherwise does nothing.
    void AddToResultList(const ResultEntry& entry, bool optimal);

    int size() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    const ResultEntry& at(int index) const { return m_entries.at(static_cast<size_t>(index)); }
    const std::vector<ResultEntry>& entries() const { return m_entries; }
    /// The labels in list order, for the visible list.
    QStringList labels() const;

    /// Deletes the result file of entry `index` when it exists and removes the entry. False (and no
    /// change) when there is no such entry.
    bool removeAt(int index);
    /// Deletes the result files of every entry that still exist and empties the list.
    void clear();

    /// The caption of the "Temp Files" menu item that deletes an entry: Hapus "label".
    static QString deleteItemCaption(const ResultEntry& entry);

private:
    std::vector<ResultEntry> m_entries;
};

} // namespace tirta::search
