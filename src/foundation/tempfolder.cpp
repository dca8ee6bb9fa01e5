#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace tirta {

using namespace Qt::StringLiterals;

namespace {

/// Whether a path is a real folder of this user that only this user can enter.
bool isPrivateFolder(const QByteArray& path)
{
    struct stat info
    { };
    if (::lstat(path.constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

QString withSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

/// The system's temporary folder: the one TMPDIR names when that is an existing absolute folder
/// other than the root, else /tmp. Never an empty, relative or root path.
QString systemTempFolder()
{
    const QString named = QDir::tempPath();
    const QFileInfo info(named);
    if (!named.isEmpty() && info.isAbsolute() && info.isDir() && QDir(named).canonicalPath() != u"/"_s)
        return named;
    return u"/tmp"_s;
}

} // namespace

QString TempFolder()
{
    const QString system = systemTempFolder();
    const QString wanted = system + u"/tirtamaya-"_s + QString::number(::geteuid());
    const QByteArray encoded = QFile::encodeName(wanted);
    if (::mkdir(encoded.constData(), 0700) == 0 || errno == EEXIST) {
        if (isPrivateFolder(encoded))
            return withSlash(wanted);
    }
    // The usual name is taken by something we must not trust: use a new folder of our own for
    // the rest of this run.
    static QString fallback;
    if (fallback.isEmpty() || !isPrivateFolder(QFile::encodeName(fallback))) {
        QByteArray templ = QFile::encodeName(system + u"/tirtamaya-XXXXXX"_s);
        if (::mkdtemp(templ.data()))
            fallback = QFile::decodeName(templ);
        else
            fallback = system; // nothing better is left; files are still written whole
    }
    return withSlash(fallback);
}

} // namespace tirta
