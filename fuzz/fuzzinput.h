#pragma once

// Helpers shared by the fuzz targets: every target turns the bytes libFuzzer hands it into the
// kind of input its parser reads.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <utility>

namespace tirta::fuzz {

/// The bytes as a QByteArray (a deep copy: the parsers may keep what they read).
inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

/// The bytes as text, read as UTF-8 the way the program reads its files.
inline QString text(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

/// The bytes cut in two at the first NUL byte (the second part empty when there is none), for
/// targets that need two inputs, such as a text and a pattern.
inline std::pair<QByteArray, QByteArray> split(const uint8_t* data, size_t size)
{
    const QByteArray all = bytes(data, size);
    const qsizetype nul = all.indexOf('\0');
    if (nul < 0)
        return { all, {} };
    return { all.left(nul), all.mid(nul + 1) };
}

} // namespace tirta::fuzz
