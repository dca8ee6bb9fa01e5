#include "schema.h"

namespace tirta::schema {

using namespace Qt::StringLiterals;

namespace {

using T = FieldType;

std::vector<TableDef> baseTables()
{
    return {
        { u"UsysAlkitab"_s,
            { { u"Buku"_s, T::Text }, { u"Bab"_s, T::Number }, { u"Ayat"_s, T::Number },
                { u"Perjanjian"_s, T::Text }, { u"Urutan"_s, T::Number } } },
        { u"UsysKitab"_s,
            { { u"Urutan"_s, T::Number }, { u"Perjanjian"_s, T::Text }, { u"JumlahBuku"_s, T::Number },
                { u"Intro"_s, T::Memo }, { u"Pengantar"_s, T::Memo }, { u"CiriKhas"_s, T::Memo },
                { u"Survai"_s, T::Memo }, { u"Perikop"_s, T::Memo }, { u"Referensi"_s, T::Memo } } },
        { u"UsysVersi"_s,
            { { u"nr"_s, T::Number }, { u"NamaVersi"_s, T::Text }, { u"NamaTabel"_s, T::Text },
                { u"Aktif"_s, T::Number }, { u"Lama"_s, T::Boolean }, { u"Baru"_s, T::Boolean },
                { u"HakCipta"_s, T::Memo } } },
        { u"UsysMenu"_s, { { u"NamaMenu"_s, T::Text }, { u"Aktif"_s, T::Boolean } } },
        { u"UsysInfo"_s, { { u"id"_s, T::Number }, { u"Keterangan"_s, T::Memo } } },
        { u"UsysKamus"_s, { { u"Entri"_s, T::Text }, { u"Penjelasan"_s, T::Memo } } },
        { u"UsysUmpama"_s,
            { { u"Perumpamaan"_s, T::Text }, { u"Matius"_s, T::Text }, { u"Markus"_s, T::Text },
                { u"Lukas"_s, T::Text }, { u"Yohanes"_s, T::Text } } },
        { u"UsysNubuat"_s, { { u"Nubuat"_s, T::Text }, { u"lama"_s, T::Memo }, { u"baru"_s, T::Memo } } },
        { u"UsysGambar"_s,
            { { u"Kategori"_s, T::Text }, { u"Judul"_s, T::Text }, { u"Gambar"_s, T::Text },
                { u"Keterangan"_s, T::Memo } } },
        { u"UsysDeuterokanonika"_s,
            { { u"Urutan"_s, T::Number }, { u"Bab"_s, T::Number }, { u"Kitab1"_s, T::Memo },
                { u"Kitab2"_s, T::Memo }, { u"Kitab3"_s, T::Memo, true }, { u"Buku1"_s, T::Text },
                { u"Buku2"_s, T::Text }, { u"Buku3"_s, T::Text, true } } },
        { u"UsysTematik"_s, { { u"Topik"_s, T::Text }, { u"Ayat"_s, T::Text } }, true },
    };
}

QString sqlType(FieldType type)
{
    switch (type) {
    case T::Number:
    case T::Boolean:
        return u"INTEGER"_s;
    case T::Text:
    case T::Memo:
        break;
    }
    // Plain text: the program compares without regard to case through the SQL it writes, and the
    // file stays readable by any SQLite tool.
    return u"TEXT"_s;
}

} // namespace

QString translationColumn(int n)
{
    return u"Kitab"_s + QString::number(n);
}

std::vector<TableDef> tables(const Shape& shape)
{
    std::vector<TableDef> result;
    for (TableDef table : baseTables()) {
        if (table.name == u"UsysTematik"_s && !shape.themes)
            continue;
        if (table.name == u"UsysDeuterokanonika"_s && !shape.thirdDeutero)
            std::erase_if(table.fields, [](const FieldDef& f) { return f.optional; });
        if (table.name == u"UsysAlkitab"_s || table.name == u"UsysKitab"_s) {
            const FieldType type = table.name == u"UsysAlkitab"_s ? T::Memo : T::Text;
            for (int n = 1; n <= shape.translations; ++n)
                table.fields.push_back({ translationColumn(n), type, true });
        }
        result.push_back(std::move(table));
    }
    return result;
}

std::vector<TableDef> requiredTables()
{
    std::vector<TableDef> result;
    for (TableDef table : baseTables()) {
        if (table.optional)
            continue;
        std::erase_if(table.fields, [](const FieldDef& f) { return f.optional; });
        result.push_back(std::move(table));
    }
    return result;
}

QStringList createStatements(const Shape& shape)
{
    QStringList statements;
    for (const TableDef& table : tables(shape)) {
        QStringList columns;
        for (const FieldDef& field : table.fields)
            columns << field.name + u' ' + sqlType(field.type);
        statements << u"CREATE TABLE "_s + table.name + u" ("_s + columns.join(u", "_s) + u')';
    }
    // Lookups by book and chapter and the canonical order run on every chapter change. The program
    // compares book names without regard to case, so its lookups go by the chapter number first.
    statements << u"CREATE INDEX UsysAlkitab_BukuBab ON UsysAlkitab (Buku, Bab)"_s
               << u"CREATE INDEX UsysAlkitab_BabBuku ON UsysAlkitab (Bab, Buku)"_s
               << u"CREATE INDEX UsysAlkitab_Urutan ON UsysAlkitab (Urutan)"_s
               << u"CREATE INDEX UsysKitab_Urutan ON UsysKitab (Urutan)"_s
               << u"CREATE INDEX UsysDeuterokanonika_UrutanBab ON UsysDeuterokanonika (Urutan, Bab)"_s;
    return statements;
}

} // namespace tirta::schema
