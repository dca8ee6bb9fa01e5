#include "infotext.h"

#include "foundation/recordset.h"

using namespace Qt::StringLiterals;

namespace tirta::info {

std::optional<QString> infoPage(tirta::Recordset& info, int id)
{
    info.findFirst(u"id="_s + QString::number(id));
    if (info.noMatch())
        return std::nullopt;
    return info.text(u"Keterangan");
}

QString InfoText(tirta::Recordset& info, int id)
{
    if (std::optional<QString> text = infoPage(info, id))
        return *text;
    return id == kDataVersionId ? kDefaultDataVersion.toString() : QString();
}

} // namespace tirta::info
