#pragma once

#include <QByteArray>
#include <QString>

namespace tirta {

/// Writes a file whole or not at all: the bytes go to a sibling file that replaces the target only
/// when everything was written. On failure the old file is untouched and `error` says why.
bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);

/// The text with every line break as CR LF, the line ends of the files the program writes.
QString toCrLf(QStringView text);

/// The text with every CR LF (and lone CR) as a single "\n", the line breaks of the text views.
QString fromCrLf(QStringView text);

} // namespace tirta
