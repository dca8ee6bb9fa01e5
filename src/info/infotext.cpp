#include "infotext.h"

#include "foundation/recordset.h"

using namespace Qt::StringLiterals;

namespace tirta::info {

QString InfoText(tirta::Recordset& info, int id)
{
    info.findFirst(u"id="_s + QString::number(id));
    if (!info.noMatch())
        return info.text(u"Keterangan");
    return id == kDataVersionId ? kDefaultDataVersion.toString() : QString();
}

} // namespace tirta::info
