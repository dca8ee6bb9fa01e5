#pragma once

#include <QByteArray>
#include <QString>

namespace tirta {

/// Text bytes as text: UTF-8 (with or without its byte order mark), UTF-16 with a byte order mark,
/// or, when the bytes are not UTF-8, Windows-1252. Line ends are kept as stored.
QString decodeText(const QByteArray& bytes);

} // namespace tirta
