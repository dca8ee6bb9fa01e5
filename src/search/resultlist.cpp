#include "resultlist.h"

#include <QFile>
#include <QFileInfo>

namespace tirta::search {

using namespace Qt::StringLiterals;

namespace {

void deleteFile(const QString& path)
{
    // A file deleted outside the program is skipped silently.
    if (!path.isEmpty() && QFileInfo(path).isFile())
        QFile::remove(path);
}

} // namespace

ResultEntry resultEntry(const QString& searchText, const QString& translationName,
    const QString& scopeCaption, const QString& path, int hits, const QString& elapsed)
{
    ResultEntry entry;
    entry.label = searchText + u" ("_s + translationName + scopeCaption + u')';
    entry.path = path;
    entry.summary = translationName + u"\r\n-- Sintaks pencarian : "_s + searchText + u"\r\n"_s + scopeCaption
        + u"\r\n-- Ditemukan : "_s + QString::number(hits) + u" ayat\r\n-- Waktu pencarian : "_s + elapsed;
    return entry;
}

void ResultList::AddToResultList(const ResultEntry& entry, bool optimal)
{
    if (optimal)
        m_entries.push_back(entry);
}

QStringList ResultList::labels() const
{
    QStringList result;
    result.reserve(size());
    for (const ResultEntry& entry : m_entries)
        result << entry.label;
    return result;
}

bool ResultList::removeAt(int index)
{
    if (index < 0 || index >= size())
        return false;
    deleteFile(m_entries[static_cast<size_t>(index)].path);
    m_entries.erase(m_entries.begin() + index);
    return true;
}

void ResultList::clear()
{
    for (const ResultEntry& entry : m_entries)
        deleteFile(entry.path);
    m_entries.clear();
}

QString ResultList::deleteItemCaption(const ResultEntry& entry)
{
    return u"Hapus \""_s + entry.label + u'"';
}

} // namespace tirta::search
