#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <initializer_list>

namespace tirta {

/// Writes a file whole or not at all: the bytes go to a sibling file that replaces the target only
/// when everything was written. On failure the old file is untouched and `error` says why.
bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);

/// Writes a scratch file of the program's temporary folder, one the program can make again (a
/// search result), whole or not at all like `writeFileWhole`, but without waiting for the disk: the
/// parts go one after the other into a sibling file that then takes the file's place.
bool writeScratchFileWhole(
    const QString& path, std::initializer_list<QByteArrayView> parts, QString* error = nullptr);

/// The text with every line break as CR LF, the line ends of the files the program writes.
QString toCrLf(QStringView text);

/// The text with every CR LF (and lone CR) as a single "\n", the line breaks of the text views.
QString fromCrLf(QStringView text);

} // namespace tirta
