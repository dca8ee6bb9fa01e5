#pragma once

#include <QString>

namespace tirta::reader {

/// Where the reader finds its program folder and keeps its settings. The program passes the real
/// folders; tests pass folders of their own.
struct Environment
{
    QString programFolder; ///< the folder the data file is looked for in by default
    QString settingsFolder; ///< the folder of the settings file
};

/// The data file's name as the existence test spells it.
inline constexpr char16_t kDataFileName[] = u"PURNAKA2000.DAT";

/// The data file at `path`, or the file in the same folder whose name differs only in case (file
/// names here are case-sensitive, the stored location may not be). Empty when there is none.
QString findDataFile(const QString& path);

/// The folder part of a data file path, upper-cased, as the data-location dialog shows it.
QString displayedFolder(const QString& path);

/// `folder` with a "/" at its end.
QString withSlash(const QString& folder);

} // namespace tirta::reader
