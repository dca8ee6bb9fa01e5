#include "recordset.h"

#include "foundation/database.h"
#include "foundation/dialect.h"

#include <sqlite3.h>

namespace tirta {

using namespace Qt::StringLiterals;

Recordset::Recordset(Database& db, QString query)
    : m_db(db)
    , m_query(std::move(query))
{ }

Recordset::~Recordset() = default;

void Recordset::setAbsolutePosition(int position)
{
    if (position >= 0 && position < recordCount())
        m_position = position;
}

void Recordset::moveFirst()
{
    m_position = rowCount() > 0 ? 0 : -1;
}

void Recordset::moveLast()
{
    m_position = static_cast<qsizetype>(rowCount()) - 1;
}

void Recordset::moveNext()
{
    if (m_position < static_cast<qsizetype>(rowCount()))
        ++m_position;
}

void Recordset::movePrevious()
{
    if (m_position >= 0)
        --m_position;
}

bool Recordset::findFirst(const QString& criterion)
{
    return find(criterion, 0, Direction::Forward);
}

bool Recordset::findNext(const QString& criterion)
{
    return find(
        criterion, hasCurrent() ? m_position + 1 : (m_position < 0 ? 0 : m_position), Direction::Forward);
}

bool Recordset::findPrevious(const QString& criterion)
{
    return find(criterion, hasCurrent() ? m_position - 1 : static_cast<qsizetype>(rowCount()) - 1,
        Direction::Backward);
}

bool Recordset::findLast(const QString& criterion)
{
    return find(criterion, static_cast<qsizetype>(rowCount()) - 1, Direction::Backward);
}

bool Recordset::find(const QString& criterion, qsizetype from, Direction direction)
{
    m_lastError.clear();
    const std::vector<qsizetype> positions = matchingPositions(criterion, &m_lastError);
    qsizetype best = -1;
    for (const qsizetype p : positions) {
        if (direction == Direction::Forward && p >= from && (best < 0 || p < best))
            best = p;
        if (direction == Direction::Backward && p <= from && p > best)
            best = p;
    }
    m_noMatch = best < 0;
    if (!m_noMatch)
        m_position = best;
    return !m_noMatch;
}

std::vector<qsizetype> Recordset::matchingPositions(const QString& criterion, QString* error) const
{
    std::vector<qsizetype> positions;
    const QString condition = dialect::toSqlite(criterion);
    if (!m_table.isEmpty()) {
        sqlite3_stmt* statement
            = m_db.prepare(u"SELECT rowid FROM "_s + m_table + u" WHERE ("_s + condition + u')', error);
        if (!statement)
            return positions;
        while (m_db.stepped(statement, error)) {
            const auto it = m_positionOfRowid.constFind(sqlite3_column_int64(statement, 0));
            if (it != m_positionOfRowid.cend())
                positions.push_back(it.value());
        }
        sqlite3_finalize(statement);
        return positions;
    }
    // Rows of a grouped query have no row id: test them one by one against the criterion.
    QStringList columns;
    for (int i = 0; i < m_fields.size(); ++i) {
        columns << u'?' + QString::number(i + 1) + u" COLLATE "_s + QLatin1StringView(dialect::kCollation)
                + u" AS \""_s + m_fields.at(i) + u'"';
    }
    sqlite3_stmt* statement = m_db.prepare(
        u"SELECT 1 FROM (SELECT "_s + columns.join(u", "_s) + u") WHERE ("_s + condition + u')', error);
    if (!statement)
        return positions;
    for (size_t row = 0; row < m_rows.size(); ++row) {
        const QVariantList& values = m_rows[row];
        for (int i = 0; i < values.size(); ++i) {
            const QVariant& v = values.at(i);
            if (v.isNull()) {
                sqlite3_bind_null(statement, i + 1);
            } else if (v.typeId() == QMetaType::LongLong) {
                sqlite3_bind_int64(statement, i + 1, v.toLongLong());
            } else if (v.typeId() == QMetaType::Double) {
                sqlite3_bind_double(statement, i + 1, v.toDouble());
            } else {
                const QByteArray utf8 = v.toString().toUtf8();
                sqlite3_bind_text(
                    statement, i + 1, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
            }
        }
        if (m_db.stepped(statement, error))
            positions.push_back(static_cast<qsizetype>(row));
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
    return positions;
}

int Recordset::fieldIndex(QStringView field) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant Recordset::value(QStringView field) const
{
    const int index = fieldIndex(field);
    if (index < 0 || !hasCurrent())
        return {};
    if (m_table.isEmpty())
        return m_rows[static_cast<size_t>(m_position)].at(index);
    return m_db.fetch(m_table, m_fields.at(index), m_rowids[static_cast<size_t>(m_position)]);
}

QString Recordset::text(QStringView field) const
{
    const QVariant v = value(field);
    return v.isNull() ? QString() : v.toString();
}

bool Recordset::isNull(QStringView field) const
{
    return value(field).isNull();
}

qint64 Recordset::number(QStringView field) const
{
    const QVariant v = value(field);
    bool ok = false;
    const qint64 n = v.isNull() ? 0 : v.toLongLong(&ok);
    return ok ? n : 0;
}

} // namespace tirta
