#include "safefile.h"

#include <QSaveFile>

#include <cerrno>

namespace tirta {

bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    QString reason;
    // Unbuffered, so that a write cut short (a full disk) is seen here: through the buffer the
    // shortfall is lost when commit() flushes, and the cut file would replace the old one.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        errno = 0;
        if (file.write(bytes) != bytes.size())
            reason = errno != 0 ? qt_error_string(errno) : file.errorString();
        else if (file.commit())
            return true;
    }
    if (error)
        *error = reason.isEmpty() ? file.errorString() : reason;
    file.cancelWriting();
    return false;
}

QString toCrLf(QStringView text)
{
    QString result;
    result.reserve(text.size() + text.size() / 32);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            result += u"\r\n";
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            result += u"\r\n";
        } else {
            result += c;
        }
    }
    return result;
}

QString fromCrLf(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            result += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace tirta
