#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <initializer_list>

namespace tirta {

/// Writes a file whole or not at all: the bytes go unbuffered to a new sibling file, every write is
/// checked, the file is synced to disk and only then renamed over the target. On failure the old
/// file is untouched, the sibling is removed and `error` says why in Indonesian ("Ruang disk tidak
/// cukup.").
bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);

/// Writes a scratch file of the program's temporary folder, one the program can make again (a
/// search result), whole or not at all like `writeFileWhole`, but without waiting for the disk: the
/// parts go one after the other into a sibling file that then takes the file's place.
bool writeScratchFileWhole(
    const QString& path, std::initializer_list<QByteArrayView> parts, QString* error = nullptr);
/// While an object of this class lives, every `writeFileWhole` fails as on a full disk once
/// `limit` bytes of its file are written. For tests of the callers' messages.
class SimulatedFullDisk
{
public:
    explicit SimulatedFullDisk(qint64 limit);
    ~SimulatedFullDisk();
    SimulatedFullDisk(const SimulatedFullDisk&) = delete;
    SimulatedFullDisk& operator=(const SimulatedFullDisk&) = delete;

private:
    qint64 m_previous;
};

/// The text with every line break as CR LF, the line ends of the files the program writes.
QString toCrLf(QStringView text);

/// The text with every CR LF (and lone CR) as a single "\n", the line breaks of the text views.
QString fromCrLf(QStringView text);

} // namespace tirta
