#pragma once

#include <QList>
#include <QString>

namespace tirta::databuilder {

/// Why an input was refused.
enum class Problem
{
    FileUnreadable, ///< an input file is missing or cannot be read
    NotText, ///< an input that is not UTF-8 text: another encoding, or a binary file
    UnknownBook, ///< a book code or module book name the builder does not know
    VerseOutOfOrder, ///< a verse that comes before one already read from the same book
    VerseRepeated, ///< the same chapter and verse twice in one book
    MissingMark, ///< a line without its book, chapter and verse mark
    BadNumber, ///< a chapter or verse that is not a whole number from 1 up ("0", "5a", "5-6")
    OutOfRange, ///< a chapter or verse beyond what any book holds
    MissingText, ///< a verse line that ends after its verse number
    BadMarkup, ///< markup that does not close (an open "<" or an unclosed note)
    UnknownSection, ///< a catalogue section the builder does not know
    UnknownKey, ///< a catalogue key that names no field of its table
    UnknownColumn, ///< a translation column that does not exist in the file being built
    BadValue, ///< a value of the wrong kind (a number, a switch, ...)
    MissingValue, ///< a required catalogue key left out
    Duplicate, ///< a translation number, column, book name or key given twice
    MissingBookNames, ///< a translation without a name for a book it needs one for
    WrongKeyName, ///< a name in the key column that differs from the canonical name
    TestamentMismatch, ///< `Lama`/`Baru` say otherwise than the text holds
    NoText, ///< a translation source without a single verse for its table
    WriteFailed, ///< the data file could not be written
    BadReference, ///< a passage that names no verse of translation 1, or the wrong book
    TooLong, ///< a verse longer than the catalogue allows
    EmptyFeature, ///< a feature switched on whose table stays empty
    OutputIsInput, ///< the data file would overwrite one of the inputs

    // Warnings: the file is built, but the person running the builder should know.
    ChapterGap, ///< chapters missing inside a book
    BooksMissing, ///< books a translation lacks in a testament it holds
    BooksUnused, ///< deuterocanonical books of a translation's text that no section takes
};

/// One refusal with the place it was found: file and 1-based line (0 when it concerns a whole file).
struct Diagnostic
{
    Problem problem;
    QString file;
    int line = 0;
    QString message; ///< Indonesian, for the person running the builder

    /// "file:line: message", the form compilers use, so editors can jump to the place.
    QString toString() const;
    /// The same, marked "peringatan" for a warning.
    QString toWarningString() const;
};

using Diagnostics = QList<Diagnostic>;

} // namespace tirta::databuilder
