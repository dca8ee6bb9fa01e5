#pragma once

#include "support/fixture.h"

#include <QStringList>

namespace tirta::test {

/// A row of the deuterocanonical table: book order, chapter, the book's names and the chapter's texts
/// in translations 1, 2, 3 (verse lines joined by CR LF; a missing or empty text stays NULL).
inline FixtureBuilder& deuteroChapter(
    FixtureBuilder& builder, int order, int chapter, const QStringList& names, const QStringList& texts)
{
    DataFileWriter::Row row { { QStringLiteral("Urutan"), order }, { QStringLiteral("Bab"), chapter } };
    for (int n = 1; n <= 3; ++n) {
        const auto value = [](const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); };
        row.emplace_back(QStringLiteral("Buku") + QString::number(n), value(names.value(n - 1)));
        row.emplace_back(QStringLiteral("Kitab") + QString::number(n), value(texts.value(n - 1)));
    }
    return builder.row(QStringLiteral("UsysDeuterokanonika"), row);
}

/// Tobit 1 and 2 and Sirakh 1 in translations 1 and 2 and an empty "Tambahan Daniel" 3; translation
/// 3 has no text.
inline FixtureBuilder& addDeuteroSample(FixtureBuilder& builder)
{
    const QStringList tobit { QStringLiteral("Tobit"), QStringLiteral("Tobit") };
    deuteroChapter(builder, 1, 1, tobit,
        { QStringLiteral("1:1 Kitab riwayat Tobit.\r\n1:2 Tobit hidup dalam kasih setia.\r\n1:3 Ia memberi."),
            QStringLiteral("1:1 Buku ni si Tobit.") });
    deuteroChapter(builder, 1, 2, tobit, { QStringLiteral("2:1 Pada hari raya.\r\n2:2 Kasih dan O'Tuhan.") });
    deuteroChapter(builder, 5, 1, { QStringLiteral("Sirakh"), QStringLiteral("Jesus anak ni si Sirak") },
        { QStringLiteral("1:1 Segala kebijaksanaan berasal dari Tuhan.\r\n"
                         "1:2 Kasih akan Tuhan adalah kebijaksanaan yang mulia."),
            QStringLiteral("1:1 Sude habisuhon sian Tuhan do.") });
    return deuteroChapter(builder, 7, 3, { QStringLiteral("Tambahan Daniel") }, {});
}

} // namespace tirta::test
