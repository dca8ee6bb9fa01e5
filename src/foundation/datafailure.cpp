#include "datafailure.h"

namespace tirta {

using namespace Qt::StringLiterals;

std::optional<DataFailure> impossibleCount(
    qint64 count, qint64 most, const QString& table, const QString& field, const QString& path)
{
    if (count >= 0 && count <= most)
        return std::nullopt;
    return DataFailure { DataError::Damaged, table, field,
        path + u" ("_s + table + u'.' + field + u" = "_s + QString::number(count) + u')', {} };
}

QString describe(const DataFailure& failure)
{
    switch (failure.error) {
    case DataError::None:
        return {};
    case DataError::FileMissing:
        return u"File data tidak ditemukan: "_s + failure.detail;
    case DataError::NotADatabase:
        return u"File data rusak atau bukan file data Tirtamaya: "_s + failure.detail;
    case DataError::MissingTable:
        return u"File data tidak memiliki tabel "_s + failure.table + u'.';
    case DataError::MissingField:
        return u"File data tidak memiliki kolom "_s + failure.field + u" pada tabel "_s + failure.table
            + u'.';
    case DataError::QueryFailed:
        return u"Permintaan data tidak dapat dijalankan pada file data ini."_s;
    case DataError::WriteFailed:
        return u"File data tidak dapat ditulis: "_s + failure.detail;
    case DataError::Damaged:
        return u"File data rusak dan tidak dapat dibaca seluruhnya: "_s + failure.detail
            + u"\r\nPasang kembali file data yang utuh."_s;
    }
    return {};
}

} // namespace tirta
