#pragma once

#include <QString>

namespace tirta {

/// The Windows-1252 code of a character. Characters that code page cannot represent count as
/// "?" (63), the replacement a Windows ANSI conversion writes, so names stay stable.
int windows1252Code(char32_t character);

/// The weighted sum behind result-file names and the settings application name: weights run
/// 1, 2, 3, 4, 2, 3, 4, ... over the Windows-1252 codes. An empty text gives an empty result.
QString SearchKeyChecksum(QStringView key);

/// The settings application name of an installation folder (the checksum of its path).
inline QString applicationNameForFolder(QStringView folder)
{
    return SearchKeyChecksum(folder);
}

} // namespace tirta
