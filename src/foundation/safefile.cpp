#include "safefile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tirta {

using namespace Qt::StringLiterals;

namespace {

qint64 g_fullDiskAt = -1; // a simulated full disk: bytes that still fit, or -1

QString reasonOf(int code)
{
    switch (code) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return u"Ruang disk tidak cukup."_s;
    case EACCES:
    case EPERM:
        return u"Tidak ada izin menulis di folder itu."_s;
    case EROFS:
        return u"Disk itu hanya dapat dibaca."_s;
    case ENOENT:
    case ENOTDIR:
        return u"Folder tidak ditemukan."_s;
    case EISDIR:
        return u"Nama itu adalah sebuah folder."_s;
    case ENAMETOOLONG:
        return u"Nama file terlalu panjang."_s;
    case EIO:
        return u"Disk gagal dibaca atau ditulis."_s;
    default:
        return u"Kesalahan sistem nomor "_s + QString::number(code) + u'.';
    }
}

/// Writes all bytes to `fd`, retrying short writes; false with errno set when the disk refuses.
bool writeAll(int fd, const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        qint64 chunk = size - done;
        if (g_fullDiskAt >= 0 && done + chunk > g_fullDiskAt) {
            chunk = g_fullDiskAt - done;
            if (chunk <= 0) {
                errno = ENOSPC;
                return false;
            }
        }
        const ssize_t written = ::write(fd, data + done, static_cast<size_t>(chunk));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        done += written;
    }
    return true;
}

/// The permissions a new file gets (what the user's umask leaves of rw-rw-rw-), or those of the
/// file being replaced.
mode_t modeFor(const QByteArray& target)
{
    struct stat info
    { };
    if (::stat(target.constData(), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_mode & 07777;
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

SimulatedFullDisk::SimulatedFullDisk(qint64 limit)
    : m_previous(g_fullDiskAt)
{
    g_fullDiskAt = limit;
}

SimulatedFullDisk::~SimulatedFullDisk()
{
    g_fullDiskAt = m_previous;
}

namespace {

/// Writes `parts` one after the other into a sibling of `path` that then takes the file's place.
/// A durable write waits for the disk before and after the rename; a scratch write (a file the
/// program can make again) does not, and removes the old file first, so the rename stays a write
/// into memory: meanwhile the file is absent, never partial.
bool writeParts(
    const QString& path, std::initializer_list<QByteArrayView> parts, bool durable, QString* error)
{
    // A link is followed: the file it points to is replaced, the link stays.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    const QByteArray encoded = QFile::encodeName(target);
    QByteArray temporary = encoded + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    int failure = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (::fchmod(fd, modeFor(encoded)) != 0)
            failure = errno;
        for (const QByteArrayView bytes : parts) {
            if (failure == 0 && !writeAll(fd, bytes.data(), bytes.size()))
                failure = errno;
        }
        if (failure == 0 && durable && ::fsync(fd) != 0)
            failure = errno;
        if (::close(fd) != 0 && failure == 0)
            failure = errno;
        if (failure == 0 && !durable)
            ::unlink(encoded.constData());
        if (failure == 0 && ::rename(temporary.constData(), encoded.constData()) != 0)
            failure = errno;
        if (failure != 0)
            ::unlink(temporary.constData());
    }
    if (failure != 0) {
        if (error)
            *error = reasonOf(failure);
        return false;
    }
    if (durable) {
        // The rename itself reaches the disk with the folder's entry.
        const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
    }
    return true;
}

} // namespace

bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    return writeParts(path, { QByteArrayView(bytes) }, true, error);
}

bool writeScratchFileWhole(const QString& path, std::initializer_list<QByteArrayView> parts, QString* error)
{
    return writeParts(path, parts, false, error);
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
