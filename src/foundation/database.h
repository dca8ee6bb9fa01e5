#pragma once

#include "foundation/datafailure.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tirta {

class Recordset;

/// One row of `Database::forEachRow`, readable only while the visitor runs.
class RowView
{
public:
    /// A column as the file stores it, in UTF-8, without a copy; empty for NULL.
    QByteArrayView utf8(int column) const;
    /// A column as a recordset gives it (a null variant of type nullptr_t for NULL).
    QVariant value(int column) const;

private:
    friend class Database;
    explicit RowView(sqlite3_stmt* statement)
        : m_statement(statement)
    { }
    sqlite3_stmt* m_statement;
};

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

    /// Runs a query in the file's dialect and hands its rows, in order, to `visit` until it returns
    /// false. The rows' texts are not copied, so a scan through every chapter costs little. False (and
    /// a failure) when the engine rejects the query or cannot read a row.
    bool forEachRow(const QString& query, const std::function<bool(const RowView&)>& visit,
        DataFailure* failure = nullptr);
    /// A recordset over the given rows of a table, in the given order, as if `query` had found them:
    /// for a caller that already knows which rows a query would give.
    std::unique_ptr<Recordset> recordsetOfRows(
        const QString& query, const QString& table, std::vector<qint64> rowids);

    /// A slot for data a caller derives from the file and keeps for the rest of the run (the file
    /// does not change while it is open): empty at first, it lives as long as the database.
    std::shared_ptr<void>& kept(const QString& key) { return m_kept[key]; }

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
    QHash<QString, std::shared_ptr<void>> m_kept;
    DataFailure m_readFailure;
};

} // namespace tirta
