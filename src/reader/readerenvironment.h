#pragma once

#include "foundation/datafailure.h"

#include <QString>

namespace tirta::reader {

/// Where the reader finds its program folder and keeps its settings. The program passes the real
/// folders; tests pass folders of their own.
struct Environment
{
    /// The program's folder: it names the settings, and the data file is looked for there first.
    QString programFolder;
    QString settingsFolder; ///< the folder of the settings file
    /// The folder an installed program keeps its files in ("share/tirtamaya" beside "bin"); empty
    /// when there is none.
    QString installedFolder = {};
    /// A data file named for this run only: opened instead of the stored location, which stays.
    QString dataFile = {};

    /// The folder of the files that come with the program (tips, pictures in "peta", a help file):
    /// the installed folder when it exists, otherwise the program folder (a build folder).
    QString filesFolder() const;
    /// The data file of a first start (no location stored): the one in the program folder, else
    /// the one in the installed folder; empty when neither holds one.
    QString defaultDataFile() const;
};

/// The data file's name as the existence test spells it.
inline constexpr char16_t kDataFileName[] = u"PURNAKA2000.DAT";

/// The data file at `path`, or the file in the same folder whose name differs only in case (file
/// names here are case-sensitive, the stored location may not be). Empty when there is none.
QString findDataFile(const QString& path);

/// The folder part of a data file path, as the data-location dialog shows it. File names here
/// are case-sensitive, so it is shown as it is spelled.
QString displayedFolder(const QString& path);

/// Why the data file at `path` cannot be used: Indonesian, naming the file, without the database
/// engine's own words.
QString dataFileProblem(const DataFailure& failure, const QString& path);

/// `folder` with a "/" at its end.
QString withSlash(const QString& folder);

} // namespace tirta::reader
