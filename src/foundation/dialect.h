#pragma once

#include <QString>

struct sqlite3;

namespace tirta::dialect {

/// The collation that makes text comparisons ignore case, accented letters included ("Yoél" = "YOÉL").
/// It lives on each connection only: the data file itself names no collation, so any SQLite tool
/// can check and read it.
inline constexpr char kCollation[] = "JETTEXT";

/// Rewrites a criterion or query in the data file's query dialect into SQL that SQLite runs with
/// the same meaning: a number glued to a keyword ("1AND") gets its space, True and False become
/// -1 and 0, double-quoted texts become single-quoted ones. Text between quotes is left alone;
/// LIKE patterns keep their "*", "?" and "#" wildcards, which `registerFunctions` understands.
/// Texts compare as the dialect compares them, without regard to case: every quoted text outside a
/// LIKE gets the collation, and so do the text fields named as whole terms of ORDER BY, GROUP BY
/// and SELECT DISTINCT ("DISTINCT Topik" becomes "DISTINCT Topik COLLATE JETTEXT AS Topik").
QString toSqlite(QStringView jetSql);

/// Installs the case-insensitive collation and the LIKE operator of the dialect on a connection.
bool registerFunctions(sqlite3* db);

/// Dialect LIKE: "*" any run of characters, "?" one character, "#" one digit, "[abc]" / "[!abc]"
/// one character of (not of) a list or range; letters compare without regard to case.
bool like(QStringView text, QStringView pattern);

/// Compares two texts as the collation does: negative, zero or positive.
int compareText(QStringView a, QStringView b);

} // namespace tirta::dialect
