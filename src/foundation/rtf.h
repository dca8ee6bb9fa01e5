#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace tirta::rtf {

/// A colour by its red, green and blue parts, each 0 to 255.
struct Colour
{
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Colour&) const = default;
};

/// A stretch of text with one look. A line break ("\n") in the text is a paragraph end.
struct Run
{
    QString text;
    bool bold = false;
    std::optional<Colour> colour; ///< none: the reader's own text colour

    bool operator==(const Run&) const = default;
};

/// The look of a written document apart from its runs.
struct WriteOptions
{
    QString fontName = QStringLiteral("Times New Roman");
    int fontSize = 10; ///< points
};

/// Writes runs as a rich-text document that word processors open with its colours: a standard
/// header (code page 1252, one font, a colour table of the colours used), plain ASCII text with
/// `\uN?` for every other character, `\b` for bold, `\cfN` for colours and `\par` for line breaks.
QByteArray write(const std::vector<Run>& runs, const WriteOptions& options = {});

/// Why a document could not be read whole.
enum class ReadError
{
    None,
    NotRtf, ///< the bytes do not begin with "{\rtf"
    Unterminated, ///< the document ends before its groups are closed; the text so far is kept
};

/// What `read` finds: the text in runs of one look each, and an error with its byte position.
struct ReadResult
{
    std::vector<Run> runs;
    ReadError error = ReadError::None;
    qsizetype position = -1; ///< where the error was found, or -1

    bool ok() const { return error == ReadError::None; }
    /// The text without its formatting.
    QString plainText() const;
};

/// Reads a rich-text document: text, bold, colours, paragraphs, tabs, `\uN` and `\'hh` characters
/// and the usual typographic symbols. Everything else (font and style tables, document information,
/// pictures, `\*` destinations, unknown control words) is skipped, so files of other word processors
/// open with their text. Adjacent runs of the same look are merged.
ReadResult read(const QByteArray& document);

/// The text of runs without their formatting.
QString plainText(const std::vector<Run>& runs);

} // namespace tirta::rtf
