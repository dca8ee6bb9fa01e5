#pragma once

#include "foundation/version.h"

#include <QString>
#include <QStringView>

/// Who makes and distributes the program, as the about box and the hidden commands name them.
/// One place for all of it, so a distribution changes only these lines.
namespace tirta::info::maker {

inline constexpr QStringView kProgrammer = u"Tim Pengembang Tirtamaya";
inline constexpr QStringView kDistributor = u"Tim Pengembang Tirtamaya";
inline constexpr QStringView kContentProvider = u"para penyedia teks Alkitab dan bahan studi Tirtamaya";
inline constexpr QStringView kDedication = u"semua pembaca Alkitab";
inline constexpr QStringView kPlaceAndDate = u"Indonesia, 2026";
/// Where suggestions go; the project gives no address of its own yet.
inline constexpr QStringView kFeedbackAddress = u"Tim Pengembang Tirtamaya";
/// Where news of the program is published.
inline constexpr QStringView kWebAddress = u"halaman proyek Tirtamaya";

/// The product name with major, minor and revision ("Tirtamaya 2.0.0").
inline QString productAndVersion()
{
    return QString(tirta::kProductName) + u' ' + tirta::versionNumbers();
}

} // namespace tirta::info::maker
