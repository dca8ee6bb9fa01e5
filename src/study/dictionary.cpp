#include "dictionary.h"

#include "foundation/criteria.h"
#include "foundation/recordset.h"

#include <algorithm>

namespace tirta::study {

using namespace Qt::StringLiterals;

HeadwordIndex::HeadwordIndex(const QStringList& headwords)
{
    m_folded.reserve(headwords.size());
    for (const QString& headword : headwords) {
        m_folded.push_back(headword.toCaseFolded());
        if (m_folded.size() > 1 && m_folded.back() < m_folded[m_folded.size() - 2])
            m_sorted = false;
    }
}

int HeadwordIndex::findPrefix(QStringView prefix) const
{
    const QString folded = prefix.toString().toCaseFolded();
    if (m_sorted) {
        // Every headword that begins with the text follows the first one directly, which is the
        // first headword not less than the text.
        const auto it = std::lower_bound(m_folded.cbegin(), m_folded.cend(), folded);
        if (it == m_folded.cend() || !it->startsWith(folded))
            return -1;
        return static_cast<int>(it - m_folded.cbegin());
    }
    const auto it = std::find_if(m_folded.cbegin(), m_folded.cend(),
        [&folded](const QString& headword) { return headword.startsWith(folded); });
    return it == m_folded.cend() ? -1 : static_cast<int>(it - m_folded.cbegin());
}

QStringList loadHeadwords(Recordset& dictionary)
{
    QStringList headwords;
    headwords.reserve(dictionary.recordCount());
    for (dictionary.moveFirst(); !dictionary.eof(); dictionary.moveNext())
        headwords << dictionary.text(u"Entri");
    return headwords;
}

std::optional<QString> explanationOf(Recordset& dictionary, const QString& headword)
{
    if (!dictionary.findFirst(u"Entri="_s + tirta::quoted(headword)) || dictionary.isNull(u"Penjelasan"))
        return std::nullopt;
    return dictionary.text(u"Penjelasan");
}

} // namespace tirta::study
