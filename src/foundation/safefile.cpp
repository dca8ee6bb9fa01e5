#include "safefile.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

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

bool writeScratchFileWhole(const QString& path, std::initializer_list<QByteArrayView> parts, QString* error)
{
    QTemporaryFile part(path + QStringLiteral(".XXXXXX"));
    bool ok = part.open();
    for (const QByteArrayView bytes : parts)
        ok = ok && part.write(bytes.data(), bytes.size()) == bytes.size();
    ok = ok && part.flush();
    // Renaming over an existing file makes some file systems write both out at once; with the old
    // file removed first this stays a write into memory. Meanwhile the file is absent, never partial.
    if (ok) {
        QFile::remove(path);
        ok = part.rename(path);
    }
    if (!ok) {
        if (error)
            *error = part.errorString();
        return false;
    }
    part.setAutoRemove(false);
    return true;
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
