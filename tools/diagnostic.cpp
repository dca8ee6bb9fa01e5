#include "diagnostic.h"

namespace tirta::databuilder {

using namespace Qt::StringLiterals;

QString Diagnostic::toString() const
{
    QString place = file;
    if (line > 0)
        place += u':' + QString::number(line);
    return place.isEmpty() ? message : place + u": "_s + message;
}

QString Diagnostic::toWarningString() const
{
    return Diagnostic { problem, file, line, u"peringatan: "_s + message }.toString();
}

} // namespace tirta::databuilder
