#include "readerenvironment.h"

#include <QDir>
#include <QFileInfo>

namespace tirta::reader {

using namespace Qt::StringLiterals;

QString withSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString findDataFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return path;
    const QDir folder = info.dir();
    if (!folder.exists())
        return {};
    const QStringList files = folder.entryList(QDir::Files | QDir::Readable | QDir::Hidden);
    for (const QString& name : files) {
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    }
    return {};
}

QString Environment::filesFolder() const
{
    if (!installedFolder.isEmpty() && QFileInfo(installedFolder).isDir())
        return installedFolder;
    return programFolder;
}

QString Environment::defaultDataFile() const
{
    for (const QString& folder : { programFolder, installedFolder }) {
        if (folder.isEmpty())
            continue;
        if (QString found = findDataFile(withSlash(folder) + QStringView(kDataFileName)); !found.isEmpty())
            return found;
    }
    return {};
}

QString displayedFolder(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

QString dataFileProblem(const DataFailure& failure, const QString& path)
{
    // A file whose recordsets cannot be opened is as damaged as one that is no database at all.
    const DataFailure shown = failure.error == DataError::QueryFailed
        ? DataFailure { DataError::NotADatabase, {}, {}, path, {} }
        : failure;
    const QString text = describe(shown);
    return text.contains(path) ? text : text + u"\r\n"_s + path;
}

} // namespace tirta::reader
