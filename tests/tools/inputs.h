#pragma once

#include <QDir>
#include <QFile>
#include <QString>

namespace tirta::test {

/// Writes a UTF-8 text file into a folder and returns its path (empty when it could not).
inline QString writeInput(const QString& folder, const QString& name, const QString& content)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(content.toUtf8());
    return path;
}

/// The whole content of a file, or an empty array when there is none.
inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

enum class Occurrence
{
    First,
    Last
};

/// The 1-based number of the first (or last) line of a file that contains `text`, or -1.
int lineOf(const QString& path, const QString& text, Occurrence which = Occurrence::First);

/// A complete set of small builder inputs: a catalogue with two translations (a verse file and a
/// module dump), one deuterocanonical translation, information pages and menu switches. Tests
/// write it, then change the one thing they are about.
struct SmallInputs
{
    QString folder;

    QString catalogue() const { return QDir(folder).filePath(QStringLiteral("katalog.txt")); }

    /// Writes every file; with `file` given, its text `from` becomes `to` first (false when absent).
    bool write(const QString& file = {}, const QString& from = {}, const QString& to = {}) const;
};

} // namespace tirta::test
