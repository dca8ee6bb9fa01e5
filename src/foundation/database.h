#pragma once

#include "foundation/datafailure.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace tirta {

class Recordset;

/// An open data file, read-only. Statements in the file's query dialect are translated before
/// SQLite sees them, so callers pass criteria and queries exactly as the program builds them.
class Database
{
public:
    /// Opens and checks a data file: a missing, empty or foreign file and a file without a table or
    /// field the program reads give a failure instead of a database.
    static std::unique_ptr<Database> open(const QString& path, DataFailure* failure);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    /// Opens a recordset on a query; nothing (and a failure) when the engine rejects it.
    std::unique_ptr<Recordset> openRecordset(const QString& query, DataFailure* failure = nullptr);

    /// Whether a table of this name exists (names compare without regard to case).
    bool hasTable(QStringView name) const;
    /// The field names of a table, as the file spells them.
    QStringList fieldNames(QStringView table) const;
    QString path() const { return m_path; }

    /// The first read that failed (a damaged page, a disk error) since the last call, which
    /// clears it. A read that failed gives no value, never a value that only looks empty.
    DataFailure takeReadFailure();

private:
    friend class Recordset;
    explicit Database(sqlite3* db, QString path);

    /// One field of one row, by row id; a null variant of type nullptr_t for NULL.
    QVariant fetch(const QString& table, const QString& field, qint64 rowid);
    sqlite3_stmt* prepare(const QString& sql, QString* error) const;
    /// Checks the result of a step: true for a row, false at the end or on a failure, which is
    /// remembered for `takeReadFailure` and described in `error`.
    bool stepped(sqlite3_stmt* statement, QString* error = nullptr);

    sqlite3* m_db = nullptr;
    QString m_path;
    QStringList m_tables;
    QHash<QString, sqlite3_stmt*> m_fetchStatements;
    DataFailure m_readFailure;
};

} // namespace tirta
