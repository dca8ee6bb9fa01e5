#pragma once

#include "foundation/schema.h"

#include <QHash>
#include <QString>
#include <QVariant>

#include <memory>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tirta {

/// Creates a data file from the product's schema. Rows go into a sibling file of a name of its own
/// ("Purnaka2000.dat.part-XXXXXX") that is synced to disk and replaces the target only on `commit`,
/// so a failed or interrupted build never leaves a half-written data file behind.
class DataFileWriter
{
public:
    using Row = std::vector<std::pair<QString, QVariant>>;

    static std::unique_ptr<DataFileWriter> create(
        const QString& path, const schema::Shape& shape, QString* error);
    ~DataFileWriter();
    DataFileWriter(const DataFileWriter&) = delete;
    DataFileWriter& operator=(const DataFileWriter&) = delete;

    /// Inserts one row; fields not named stay NULL. A null QVariant writes NULL.
    bool insert(const QString& table, const Row& row);
    /// Runs a statement as it stands (for files a test wants malformed on purpose).
    bool execute(const QString& sql);
    /// Finishes the file and moves it into place.
    bool commit();
    QString lastError() const { return m_error; }

    /// Makes SIGINT, SIGTERM and SIGHUP remove the sibling file of the writer still open before the
    /// process ends as the signal says. For programs that build data files.
    static void removePartFileOnSignals();

private:
    DataFileWriter(sqlite3* db, QString path, QString partPath);
    bool fail(const QString& what);

    sqlite3* m_db = nullptr;
    QString m_path;
    QString m_partPath;
    QHash<QString, sqlite3_stmt*> m_inserts;
    QString m_error;
    bool m_committed = false;
};

} // namespace tirta
