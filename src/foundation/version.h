#pragma once

#include <QLatin1StringView>
#include <QString>

namespace tirta {

/// The product name that titles every message box and window caption.
inline constexpr QLatin1StringView kProductName { "Tirtamaya" };

inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

/// Major, minor and revision joined with "." (for example "2.0.0").
inline QString versionNumbers()
{
    return QString::number(kVersionMajor) + u'.' + QString::number(kVersionMinor) + u'.'
        + QString::number(kVersionRevision);
}

/// The version text used in captions: the numbers with a space before and after.
inline QString versionText()
{
    return u' ' + versionNumbers() + u' ';
}

} // namespace tirta
