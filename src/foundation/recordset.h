#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace tirta {

class Database;

/// A cursor over the rows of a query, with the navigation and find operations the windows use.
/// Every holder of a reference moves the same cursor; two recordsets never share one.
/// Large texts are read from the file when asked for, so a recordset costs little memory.
class Recordset
{
public:
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;
    ~Recordset();

    int recordCount() const { return static_cast<int>(rowCount()); }
    /// Before the first row (or no rows at all).
    bool bof() const { return m_position < 0 || rowCount() == 0; }
    /// After the last row (or no rows at all).
    bool eof() const { return m_position >= static_cast<qsizetype>(rowCount()) || rowCount() == 0; }
    /// 0-based position of the current row, or -1 when there is none.
    int absolutePosition() const { return hasCurrent() ? static_cast<int>(m_position) : -1; }
    /// Makes row `position` current; out-of-range positions are ignored.
    void setAbsolutePosition(int position);

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();

    /// Find the first, next, previous or last row that meets a criterion in the file's dialect
    /// ("Buku='Kejadian' AND Bab=1"). On success the row becomes current; otherwise the cursor
    /// stays where it was and `noMatch()` is true.
    bool findFirst(const QString& criterion);
    bool findNext(const QString& criterion);
    bool findPrevious(const QString& criterion);
    bool findLast(const QString& criterion);
    bool noMatch() const { return m_noMatch; }
    /// The engine's message when the last find could not run (an invalid criterion); else empty.
    QString lastError() const { return m_lastError; }

    bool hasField(QStringView field) const { return fieldIndex(field) >= 0; }
    QStringList fieldNames() const { return m_fields; }

    /// The value of a field of the current row. A valid but null variant stands for NULL; an
    /// invalid variant means there is no current row or no such field.
    QVariant value(QStringView field) const;
    /// The value as text; NULL, a missing field and no current row give an empty text.
    QString text(QStringView field) const;
    /// Whether the field of the current row holds NULL (or cannot be read).
    bool isNull(QStringView field) const;
    /// The value as a whole number; 0 when it is NULL or not a number.
    qint64 number(QStringView field) const;

    /// The query the recordset was opened with, as the caller wrote it.
    QString query() const { return m_query; }

private:
    friend class Database;
    explicit Recordset(Database& db, QString query);

    enum class Direction
    {
        Forward,
        Backward
    };
    bool find(const QString& criterion, qsizetype from, Direction direction);
    std::vector<qsizetype> matchingPositions(const QString& criterion, QString* error) const;
    size_t rowCount() const { return m_table.isEmpty() ? m_rows.size() : m_rowids.size(); }
    bool hasCurrent() const { return m_position >= 0 && m_position < static_cast<qsizetype>(rowCount()); }
    int fieldIndex(QStringView field) const;

    Database& m_db;
    QString m_query;
    QStringList m_fields;
    qsizetype m_position = -1;
    bool m_noMatch = false;
    QString m_lastError;

    // A query over one table keeps row ids and reads values on demand ...
    QString m_table;
    std::vector<qint64> m_rowids;
    QHash<qint64, qsizetype> m_positionOfRowid;
    // ... any other query (DISTINCT, GROUP BY) keeps its few rows.
    std::vector<QVariantList> m_rows;
};

} // namespace tirta
