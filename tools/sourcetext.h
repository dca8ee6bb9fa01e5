#pragma once

#include "tools/bookcodes.h"
#include "tools/diagnostic.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tirta::databuilder {

/// One verse of a source text, already plain text (empty when the source has the verse but no
/// words for it).
struct SourceVerse
{
    SourceBook book;
    int chapter = 0; ///< the chapter in the data file (a one-chapter addition lands on its chapter)
    int verse = 0;
    QString text;
    int line = 0; ///< where the verse starts in its file
};

/// The verses of one source file with what the file says about its books.
struct SourceText
{
    QString path;
    std::vector<SourceVerse> verses; ///< Bible and deuterocanonical verses in file order
    QHash<QString, QString> bookNames; ///< book code ("Gen", "Tob") to the name the source gives it
    QStringList skippedBooks; ///< books the data file has no place for, as the file names them
};

/// Reads a source text: a module dump when its first line with content is a "$$$" key, else a
/// verse file. Problems go to `diagnostics` and give no text.
std::optional<SourceText> readSourceText(const QString& path, Diagnostics* diagnostics);

/// Reads a module dump: "$$$Book C:V" keys, each followed by the verse's OSIS markup. Entries of
/// chapter or verse 0 hold headings; they give the book names and no verse.
std::optional<SourceText> readModuleDump(QStringView content, const QString& path, Diagnostics* diagnostics);

/// Reads a verse file: "code TAB chapter TAB verse TAB text" per line; blank lines and lines
/// beginning with "#" are left alone.
std::optional<SourceText> readVerseFile(QStringView content, const QString& path, Diagnostics* diagnostics);

/// Reads a UTF-8 text file (a byte-order mark is dropped); false and a diagnostic when it cannot.
bool readTextFile(const QString& path, QString* content, Diagnostics* diagnostics,
    const QString& citedFile = {}, int citedLine = 0);

} // namespace tirta::databuilder
