#pragma once

#include <QString>

namespace tirta {

/// A text value for a criterion or query: between single quotes, every quote in it doubled, so
/// that no value read from the data file, a settings file or the user changes the statement.
QString quoted(QStringView text);

/// The criterion that finds one chapter row: "Buku='Kejadian' AND Bab=1".
QString chapterCriterion(QStringView book, int chapter);

} // namespace tirta
