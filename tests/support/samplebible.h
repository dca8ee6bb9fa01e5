#pragma once

#include "support/fixture.h"

#include <QString>
#include <QStringList>

namespace tirta::test {

/// Verse texts "word 1", "word 2", ... for a fixture chapter.
QStringList numberedVerses(const QString& word, int count);

/// A small Bible in three translations for the reader's tests: 1 "Terjemahan Baru" and 2
/// "English" hold Kejadian 1 (22 verses), Kejadian 2, Keluaran 1 and Matius 1-2; 3 "Hanya PB" has
/// only the New Testament. A test may add rows to the returned builder before writing it.
FixtureBuilder sampleBible();

/// Writes `sampleBible()` as `name` into `folder`; the path, or empty on failure.
QString writeSampleBible(const QString& folder, const QString& name = QStringLiteral("Purnaka2000.dat"));

} // namespace tirta::test
