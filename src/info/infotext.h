#pragma once

#include <QString>

#include <optional>

namespace tirta {
class Recordset;
}

namespace tirta::info {

/// The id of the about box's information text.
inline constexpr int kAboutTextId = 1;
/// The id of the data file's version text.
inline constexpr int kDataVersionId = 99;
/// The id of the data file's customisation history.
inline constexpr int kCustomHistoryId = 100;

/// What a data file without a version row reports as its version.
inline constexpr QStringView kDefaultDataVersion = u"Database TY v.1.0";

/// The ids of the pages about quoting the Bible and about copyright.
inline constexpr int kEthicsPageId = 3;
inline constexpr int kCopyrightPageId = 4;

/// The text of information page `id` on the shared information recordset (the first row whose id
/// matches), or nothing when the data file has no such page. The cursor moves to the row found.
std::optional<QString> infoPage(tirta::Recordset& info, int id);

/// The text of information page `id` on the shared information recordset (the first row whose id
/// matches). Without such a row: `kDefaultDataVersion` for the data version, else an empty text.
/// The recordset's cursor moves to the row found.
QString InfoText(tirta::Recordset& info, int id);

} // namespace tirta::info
