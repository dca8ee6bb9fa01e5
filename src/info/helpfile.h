#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tirta::info {

/// The name of a help file that a distribution may place beside the data or the program.
inline constexpr QStringView kHelpFileName = u"ty200.chm";

/// The help file to open: the one in the data folder, else the one in the program folder; nothing
/// when neither folder holds one (the program then shows its own handbook).
std::optional<QString> findHelpFile(const QString& dataFolder, const QString& programFolder);

} // namespace tirta::info
