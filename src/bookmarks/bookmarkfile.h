#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

namespace tirta::bookmarks {

/// The name of the bookmark file.
inline constexpr QLatin1StringView kBookmarkFileName { "~tyBookmarks.tmp" };
/// What separates the fields of a line of the bookmark file; a note may not contain it.
inline constexpr QLatin1StringView kFieldSeparator { "#@#" };

/// The bookmarks in list order as three parallel lists: item i of each belongs to bookmark i.
struct BookmarkLists
{
    QStringList notes; ///< the reader's one-line notes
    QStringList versionTags; ///< translation column, "~~~~", translation name
    QStringList positions; ///< reference strings ("Kejadian#1:1")

    qsizetype count() const { return notes.size(); }
    void append(const QString& note, const QString& versionTag, const QString& position);
    void removeAt(qsizetype i);
    void clear();
    bool operator==(const BookmarkLists&) const = default;
};

/// A typed note as it is stored: blanks trimmed at both ends, then every line break one blank.
QString noteFromText(QStringView typed);

/// The bookmarks of a file's bytes: one per line (CR LF, LF also accepted), fields split at
/// "#@#". A line with fewer fields gets empty ones, so the lists stay parallel; empty lines are
/// skipped. UTF-8, or Windows-1252 for a file written on Windows.
BookmarkLists parseBookmarkFile(const QByteArray& bytes);

/// The bytes of the bookmark file: one line per bookmark in UTF-8, each ended by CR LF.
QByteArray formatBookmarkFile(const BookmarkLists& lists);

/// Why the bookmark file could not be read or written.
enum class FileError
{
    None,
    Unreadable, ///< the file exists but cannot be read
    Unwritable, ///< the file or its folder cannot be written; the old file is unchanged
    Irremovable, ///< the file of an empty list cannot be deleted
    Protected, ///< the file could not be read at load, so it is not overwritten
};

struct FileResult
{
    FileError error = FileError::None;
    QString path; ///< the file concerned
    QString detail; ///< the system's reason

    bool ok() const { return error == FileError::None; }
};

/// The bookmark file of one user. The file lives in a folder of the user's own that survives a
/// restart; a file that an earlier run left in the program's temporary folder is taken over.
class BookmarkFile
{
public:
    /// The file in `folder`; a file of the same name in `leftoverFolder` is taken over by
    /// `adoptLeftover()`.
    BookmarkFile(QString folder, QString leftoverFolder);

    /// The user's bookmark file: in the per-user data folder, taking over from the program's
    /// private temporary folder.
    static BookmarkFile forUser();

    QString path() const;
    QString leftoverPath() const;

    /// Appends the bookmarks of a file left in the leftover folder to the bookmark file and then
    /// removes the leftover. Nothing happens without one; on failure both files stay as they were.
    FileResult adoptLeftover();
    /// Reads the bookmark file; a missing file is an empty list. When the file cannot be read the
    /// lists are empty and the file is protected: `save()` will neither replace nor delete it.
    FileResult load(BookmarkLists& lists);
    /// Writes the lists whole, or deletes the file when there are none. On failure the previous
    /// file is unchanged.
    FileResult save(const BookmarkLists& lists);

private:
    FileResult write(const QByteArray& bytes) const;

    QString m_folder;
    QString m_leftoverFolder;
    bool m_protected = false;
};

} // namespace tirta::bookmarks
