#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <vector>

namespace tirta::schema {

/// Field types as the program uses them: texts compare in quotes, numbers without.
enum class FieldType
{
    Text,
    Number,
    Memo,
    Boolean
};

struct FieldDef
{
    QString name;
    FieldType type;
    bool optional = false; ///< the program tests for it before use
};

struct TableDef
{
    QString name;
    std::vector<FieldDef> fields;
    bool optional = false; ///< the program runs without it
};

/// What varies between data files of the same layout.
struct Shape
{
    int translations = 1; ///< Kitab1 ... KitabN in the chapter and book tables
    bool themes = true; ///< whether UsysTematik exists
    bool thirdDeutero = true; ///< whether UsysDeuterokanonika has Kitab3 and Buku3
};

/// Booleans are stored as the dialect stores them: True is -1, False is 0.
inline constexpr int kTrue = -1;
inline constexpr int kFalse = 0;

/// Every table of the data file with the fields of a data file of the given shape.
std::vector<TableDef> tables(const Shape& shape);

/// The fields every readable data file must have: all tables but the optional ones, and in them
/// every field but the optional and the translation columns (which the catalogue names).
std::vector<TableDef> requiredTables();

/// The statements that create an empty data file of the given shape (tables and indexes).
QStringList createStatements(const Shape& shape);

/// The column name of translation n: "Kitab" + n.
QString translationColumn(int n);

} // namespace tirta::schema
