#pragma once

#include "foundation/rtf.h"
#include "results/pagetext.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace tirta::results {

/// How a text file is stored: plain text or rich text, chosen by the file name.
enum class TextFormat
{
    Plain,
    Rich,
};

/// Rich text for a name ending in ".rtf" (any case), plain text for every other name.
TextFormat formatForFileName(const QString& fileName);

/// The bytes of a file holding a page's text: plain text in UTF-8 with CR LF line ends, or rich text
/// with bold and colours in `options`' font.
QByteArray encodePage(const PageText& page, TextFormat format, const rtf::WriteOptions& options);

/// Why a text file could not be opened.
enum class LoadError
{
    None,
    Unreadable, ///< the file cannot be read
    TooLarge, ///< larger than `kMaxTextFileSize`
    NotText, ///< a plain-text name, but the bytes are not text (NUL bytes)
    NotRtf, ///< a rich-text name, but the bytes are not rich text
    DamagedRtf, ///< rich text that ends before its groups are closed
};

/// The largest file "Buka File Teks" opens, in bytes.
inline constexpr qint64 kMaxTextFileSize = 64 * 1024 * 1024;

/// A text file read for a text view: its runs (one plain run for a plain-text file) or the error.
struct LoadedText
{
    TextFormat format = TextFormat::Plain;
    std::vector<rtf::Run> runs; ///< line breaks as "\n"
    LoadError error = LoadError::None;

    bool ok() const { return error == LoadError::None; }
};

/// Reads a text file as its name says (see `formatForFileName`). Nothing is returned from a file
/// that is not whole: a damaged rich-text file gives an error, not the part before the damage.
LoadedText readTextFile(const QString& path);

} // namespace tirta::results
