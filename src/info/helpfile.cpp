#include "helpfile.h"

#include <QDir>
#include <QFileInfo>

namespace tirta::info {

std::optional<QString> findHelpFile(const QString& dataFolder, const QString& programFolder)
{
    for (const QString& folder : { dataFolder, programFolder }) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(kHelpFileName.toString());
        if (QFileInfo(path).isFile())
            return path;
    }
    return std::nullopt;
}

} // namespace tirta::info
