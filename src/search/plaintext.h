#pragma once

#include <QtGlobal>

#include <string>
#include <string_view>

/// Byte-level helpers that let the search read a chapter's UTF-8 text as stored, without decoding
/// it, when every word it looks for is plain ASCII.
namespace tirta::search {

/// `text` with its ASCII letters lower-cased into `out`, byte for byte: every other byte, those of
/// letters beyond ASCII included, stays as it is, so positions agree with `text`.
void lowerAscii(std::string_view text, std::string& out);

/// Whether searching `text` (UTF-8) for ASCII words byte by byte gives the answers its decoded
/// text gives, lower-cased as the line filter does and case-folded as the data file's LIKE does:
/// the text is valid UTF-8, does not begin with a byte order mark (which decoding drops), and holds
/// none of the three letters beyond ASCII that lower-case or fold into ASCII ("İ" U+0130, "ſ"
/// U+017F and the Kelvin sign U+212A).
bool isPlainText(std::string_view text);

/// The position of the first occurrence of `word` in `text` at or after `from`, or -1.
qsizetype findBytes(std::string_view text, std::string_view word, qsizetype from);
/// The same without regard to the case of ASCII letters; `word` is lower-cased.
qsizetype findFolded(std::string_view text, std::string_view word, qsizetype from);
/// The position of the first CR or LF in `text` at or after `from`, or the size of the text.
qsizetype findLineBreak(std::string_view text, qsizetype from);

} // namespace tirta::search
