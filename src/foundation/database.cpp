#include "database.h"

#include "foundation/dialect.h"
#include "foundation/recordset.h"
#include "foundation/schema.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <sqlite3.h>

#include <utility>

namespace tirta {

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcData, "tirtamaya.data")

namespace {

QString lastMessage(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

bool containsName(const QStringList& names, QStringView name)
{
    return std::any_of(names.cbegin(), names.cend(),
        [&](const QString& n) { return n.compare(name, Qt::CaseInsensitive) == 0; });
}

} // namespace

Database::Database(sqlite3* db, QString path)
    : m_db(db)
    , m_path(std::move(path))
{ }

Database::~Database()
{
    for (sqlite3_stmt* statement : std::as_const(m_fetchStatements))
        sqlite3_finalize(statement);
    sqlite3_close(m_db);
}

std::unique_ptr<Database> Database::open(const QString& path, DataFailure* failure)
{
    DataFailure ignored;
    DataFailure& f = failure ? *failure : ignored;
    f = {};
    const QFileInfo info(path);
    if (!info.isFile()) {
        f = { DataError::FileMissing, {}, {}, path, {} };
        return nullptr;
    }
    // SQLite opens a 0-byte file as an empty database without complaint.
    if (info.size() == 0) {
        f = { DataError::NotADatabase, {}, {}, path, {} };
        return nullptr;
    }
    sqlite3* raw = nullptr;
    const QByteArray encoded = path.toUtf8();
    if (sqlite3_open_v2(encoded.constData(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr)
        != SQLITE_OK) {
        f = { DataError::NotADatabase, {}, {}, path, lastMessage(raw) };
        sqlite3_close(raw);
        return nullptr;
    }
    std::unique_ptr<Database> db(new Database(raw, path));
    dialect::registerFunctions(raw);
    // The file is never written while the program runs; holding the lock keeps it that way and
    // spares the engine from re-reading the schema on every statement.
    sqlite3_exec(
        raw, "PRAGMA locking_mode=EXCLUSIVE; PRAGMA mmap_size=268435456;", nullptr, nullptr, nullptr);

    QString error;
    sqlite3_stmt* list = db->prepare(u"SELECT name FROM sqlite_master WHERE type='table'"_s, &error);
    if (!list) {
        f = { DataError::NotADatabase, {}, {}, path, error };
        return nullptr;
    }
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(list)) == SQLITE_ROW)
        db->m_tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list, 0)));
    sqlite3_finalize(list);
    if (rc != SQLITE_DONE) {
        f = { DataError::NotADatabase, {}, {}, path, lastMessage(raw) };
        return nullptr;
    }
    for (const schema::TableDef& table : schema::requiredTables()) {
        if (!db->hasTable(table.name)) {
            f = { DataError::MissingTable, table.name, {}, path, {} };
            return nullptr;
        }
        const QStringList fields = db->fieldNames(table.name);
        for (const schema::FieldDef& field : table.fields) {
            if (!containsName(fields, field.name)) {
                f = { DataError::MissingField, table.name, field.name, path, {} };
                return nullptr;
            }
        }
    }
    return db;
}

bool Database::hasTable(QStringView name) const
{
    return containsName(m_tables, name);
}

QStringList Database::fieldNames(QStringView table) const
{
    QStringList names;
    QString error;
    sqlite3_stmt* statement = prepare(u"SELECT * FROM \""_s + table.toString() + u"\" LIMIT 0"_s, &error);
    if (!statement)
        return names;
    for (int i = 0; i < sqlite3_column_count(statement); ++i)
        names << QString::fromUtf8(sqlite3_column_name(statement, i));
    sqlite3_finalize(statement);
    return names;
}

sqlite3_stmt* Database::prepare(const QString& sql, QString* error) const
{
    sqlite3_stmt* statement = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, utf8.constData(), static_cast<int>(utf8.size()), &statement, nullptr)
        != SQLITE_OK) {
        if (error)
            *error = lastMessage(m_db);
        qCDebug(lcData) << "rejected:" << sql << lastMessage(m_db);
        sqlite3_finalize(statement);
        return nullptr;
    }
    return statement;
}

bool Database::stepped(sqlite3_stmt* statement, QString* error)
{
    const int rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE) {
        qCDebug(lcData) << "read failed:" << lastMessage(m_db);
        const DataFailure failure { DataError::Damaged, {}, {}, m_path, lastMessage(m_db) };
        if (!m_readFailure.failed())
            m_readFailure = failure;
        if (error)
            *error = describe(failure);
    }
    return false;
}

DataFailure Database::takeReadFailure()
{
    return std::exchange(m_readFailure, DataFailure {});
}

std::unique_ptr<Recordset> Database::openRecordset(const QString& query, DataFailure* failure)
{
    std::unique_ptr<Recordset> rs(new Recordset(*this, query));
    const QString sql = dialect::toSqlite(query);
    QString error;

    // "SELECT * FROM T ..." keeps row ids and reads the (large) texts only when they are asked for.
    static const QRegularExpression tableQuery(
        u"^\\s*SELECT\\s+\\*\\s+FROM\\s+([A-Za-z_][A-Za-z0-9_]*)(\\s.*)?$"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = tableQuery.match(sql);
    if (match.hasMatch() && hasTable(match.captured(1))) {
        rs->m_table = match.captured(1);
        rs->m_fields = fieldNames(rs->m_table);
        sqlite3_stmt* statement
            = prepare(u"SELECT rowid FROM "_s + rs->m_table + u' ' + match.captured(2), &error);
        if (statement) {
            while (stepped(statement, &error)) {
                const qint64 rowid = sqlite3_column_int64(statement, 0);
                rs->m_positionOfRowid.insert(rowid, static_cast<qsizetype>(rs->m_rowids.size()));
                rs->m_rowids.push_back(rowid);
            }
            sqlite3_finalize(statement);
        }
    } else {
        sqlite3_stmt* statement = prepare(sql, &error);
        if (statement) {
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                rs->m_fields << QString::fromUtf8(sqlite3_column_name(statement, i));
            while (stepped(statement, &error)) {
                QVariantList row;
                for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                    switch (sqlite3_column_type(statement, i)) {
                    case SQLITE_NULL:
                        row << QVariant::fromValue(nullptr);
                        break;
                    case SQLITE_INTEGER:
                        row << QVariant(static_cast<qlonglong>(sqlite3_column_int64(statement, i)));
                        break;
                    case SQLITE_FLOAT:
                        row << QVariant(sqlite3_column_double(statement, i));
                        break;
                    default:
                        row << QVariant(QString::fromUtf8(
                            reinterpret_cast<const char*>(sqlite3_column_text(statement, i)),
                            sqlite3_column_bytes(statement, i)));
                    }
                }
                rs->m_rows.push_back(std::move(row));
            }
            sqlite3_finalize(statement);
        }
    }
    if (!error.isEmpty()) {
        if (failure) {
            *failure = m_readFailure.failed() ? takeReadFailure()
                                              : DataFailure { DataError::QueryFailed, {}, {}, query, error };
        }
        return nullptr;
    }
    if (failure)
        *failure = {};
    rs->m_position = rs->rowCount() > 0 ? 0 : -1;
    return rs;
}

QByteArrayView RowView::utf8(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(m_statement, column)) : QByteArrayView();
}

QVariant RowView::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_NULL:
        return QVariant::fromValue(nullptr);
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    default:
        return QVariant(QString::fromUtf8(utf8(column)));
    }
}

bool Database::forEachRow(
    const QString& query, const std::function<bool(const RowView&)>& visit, DataFailure* failure)
{
    QString error;
    sqlite3_stmt* statement = prepare(dialect::toSqlite(query), &error);
    int rc = SQLITE_DONE;
    if (statement) {
        const RowView row(statement);
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            if (!visit(row)) {
                rc = SQLITE_DONE;
                break;
            }
        }
        if (rc != SQLITE_DONE)
            error = lastMessage(m_db);
        sqlite3_finalize(statement);
    }
    if (failure)
        *failure
            = error.isEmpty() ? DataFailure {} : DataFailure { DataError::QueryFailed, {}, {}, query, error };
    return error.isEmpty();
}

std::unique_ptr<Recordset> Database::recordsetOfRows(
    const QString& query, const QString& table, std::vector<qint64> rowids)
{
    std::unique_ptr<Recordset> rs(new Recordset(*this, query));
    rs->m_table = table;
    rs->m_fields = fieldNames(table);
    for (size_t i = 0; i < rowids.size(); ++i)
        rs->m_positionOfRowid.insert(rowids[i], static_cast<qsizetype>(i));
    rs->m_rowids = std::move(rowids);
    rs->m_position = rs->rowCount() > 0 ? 0 : -1;
    return rs;
}

QVariant Database::fetch(const QString& table, const QString& field, qint64 rowid)
{
    const QString key = table + u'\x1f' + field;
    sqlite3_stmt* statement = m_fetchStatements.value(key);
    if (!statement) {
        statement = prepare(u"SELECT \""_s + field + u"\" FROM "_s + table + u" WHERE rowid=?"_s, nullptr);
        if (!statement)
            return {};
        m_fetchStatements.insert(key, statement);
    }
    sqlite3_bind_int64(statement, 1, rowid);
    QVariant result;
    if (stepped(statement)) {
        switch (sqlite3_column_type(statement, 0)) {
        case SQLITE_NULL:
            result = QVariant::fromValue(nullptr);
            break;
        case SQLITE_INTEGER:
            result = QVariant(static_cast<qlonglong>(sqlite3_column_int64(statement, 0)));
            break;
        case SQLITE_FLOAT:
            result = QVariant(sqlite3_column_double(statement, 0));
            break;
        default:
            result
                = QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
                    sqlite3_column_bytes(statement, 0)));
        }
    }
    sqlite3_reset(statement);
    return result;
}

} // namespace tirta
