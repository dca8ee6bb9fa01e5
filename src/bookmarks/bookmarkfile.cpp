#include "bookmarkfile.h"

#include "foundation/safefile.h"
#include "foundation/tempfolder.h"
#include "foundation/textdecoding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tirta::bookmarks {

using namespace Qt::StringLiterals;

void BookmarkLists::append(const QString& note, const QString& versionTag, const QString& position)
{
    notes << note;
    versionTags << versionTag;
    positions << position;
}

void BookmarkLists::removeAt(qsizetype i)
{
    notes.removeAt(i);
    versionTags.removeAt(i);
    positions.removeAt(i);
}

void BookmarkLists::clear()
{
    notes.clear();
    versionTags.clear();
    positions.clear();
}

QString noteFromText(QStringView typed)
{
    // Only blanks are trimmed, before the line breaks become blanks: a break at the very end
    // leaves one trailing blank.
    qsizetype first = 0;
    qsizetype last = typed.size();
    while (first < last && typed[first] == u' ')
        ++first;
    while (last > first && typed[last - 1] == u' ')
        --last;
    QString note = typed.mid(first, last - first).toString();
    note.replace(u"\r\n"_s, u" "_s);
    note.replace(u'\r', u' ');
    note.replace(u'\n', u' ');
    note.replace(QChar::ParagraphSeparator, u' ');
    note.replace(QChar::LineSeparator, u' ');
    return note;
}

BookmarkLists parseBookmarkFile(const QByteArray& bytes)
{
    BookmarkLists lists;
    const QStringList lines = tirta::decodeText(bytes).split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(kFieldSeparator);
        lists.append(fields.value(0), fields.value(1), fields.value(2));
    }
    return lists;
}

QByteArray formatBookmarkFile(const BookmarkLists& lists)
{
    QString text;
    for (qsizetype i = 0; i < lists.count(); ++i)
        text += lists.notes[i] + kFieldSeparator + lists.versionTags.value(i) + kFieldSeparator
            + lists.positions.value(i) + u"\r\n"_s;
    return text.toUtf8();
}

BookmarkFile::BookmarkFile(QString folder, QString leftoverFolder)
    : m_folder(std::move(folder))
    , m_leftoverFolder(std::move(leftoverFolder))
{ }

BookmarkFile BookmarkFile::forUser()
{
    return BookmarkFile(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), tirta::TempFolder());
}

QString BookmarkFile::path() const
{
    return QDir(m_folder).filePath(kBookmarkFileName);
}

QString BookmarkFile::leftoverPath() const
{
    return QDir(m_leftoverFolder).filePath(kBookmarkFileName);
}

namespace {

/// The whole content of a file, or why it cannot be read.
bool readAll(const QString& path, QByteArray& bytes, QString& detail)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        detail = file.errorString();
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        detail = file.errorString();
        return false;
    }
    return true;
}

} // namespace

FileResult BookmarkFile::adoptLeftover()
{
    const QString leftover = leftoverPath();
    if (QFileInfo(leftover).absoluteFilePath() == QFileInfo(path()).absoluteFilePath()
        || !QFileInfo::exists(leftover))
        return {};
    QByteArray old;
    QString detail;
    if (!readAll(leftover, old, detail))
        return { FileError::Unreadable, leftover, detail };
    QByteArray current;
    if (QFileInfo::exists(path()) && !readAll(path(), current, detail))
        return { FileError::Unreadable, path(), detail };

    BookmarkLists lists = parseBookmarkFile(current);
    const BookmarkLists adopted = parseBookmarkFile(old);
    for (qsizetype i = 0; i < adopted.count(); ++i)
        lists.append(adopted.notes[i], adopted.versionTags[i], adopted.positions[i]);
    if (lists.count() > 0) {
        const FileResult written = write(formatBookmarkFile(lists));
        if (!written.ok())
            return written;
    }
    QFile file(leftover);
    if (!file.remove())
        return { FileError::Irremovable, leftover, file.errorString() };
    return {};
}

FileResult BookmarkFile::load(BookmarkLists& lists)
{
    lists.clear();
    if (!QFileInfo::exists(path()))
        return {};
    QByteArray bytes;
    QString detail;
    if (!readAll(path(), bytes, detail)) {
        m_protected = true;
        return { FileError::Unreadable, path(), detail };
    }
    m_protected = false;
    lists = parseBookmarkFile(bytes);
    return {};
}

FileResult BookmarkFile::save(const BookmarkLists& lists)
{
    if (m_protected)
        return { FileError::Protected, path(), {} };
    if (lists.count() > 0)
        return write(formatBookmarkFile(lists));
    QFile file(path());
    if (file.exists() && !file.remove())
        return { FileError::Irremovable, path(), file.errorString() };
    return {};
}

FileResult BookmarkFile::write(const QByteArray& bytes) const
{
    // The folder is the user's own: made readable by nobody else when it is created.
    QDir folder(m_folder);
    if (!folder.exists()) {
        const QString parent = QFileInfo(folder.absolutePath()).path();
        if (!QDir().mkpath(parent)
            || !QDir().mkdir(folder.absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return { FileError::Unwritable, path(),
                QCoreApplication::translate("tirta::bookmarks", "folder tidak dapat dibuat") };
    }
    QString detail;
    if (!tirta::writeFileWhole(path(), bytes, &detail))
        return { FileError::Unwritable, path(), detail };
    return {};
}

} // namespace tirta::bookmarks
