#pragma once

#include <QString>

#include <optional>

namespace tirta {

/// Why a data file could not be used.
enum class DataError
{
    None,
    FileMissing, ///< no file at the path
    NotADatabase, ///< empty, damaged or foreign file
    MissingTable, ///< a table the program reads is absent (`table`)
    MissingField, ///< a field the program reads is absent (`table`, `field`)
    QueryFailed, ///< the engine rejected a statement (`detail`)
    WriteFailed, ///< a data file could not be written (`detail`)
    Damaged, ///< a page of the file could not be read while the program ran (`detail`: the file)
};

/// The error value that data-file operations hand back instead of throwing.
struct DataFailure
{
    DataError error = DataError::None;
    QString table;
    QString field;
    QString detail; ///< the file (missing, damaged, unwritable) or the rejected statement
    QString engineMessage; ///< what the database engine said, for the log only: never shown to the user

    bool failed() const { return error != DataError::None; }
};

/// The damage a count read from the data file shows when it lies outside 0 ... `most` (a chapter
/// with more verses than any has): a `Damaged` failure naming the file, table, field and value.
std::optional<DataFailure> impossibleCount(
    qint64 count, qint64 most, const QString& table, const QString& field, const QString& path);

/// A short Indonesian description of a failure, for the window that reports it. It names the file
/// and never repeats the engine's own (English) words.
QString describe(const DataFailure& failure);

} // namespace tirta
