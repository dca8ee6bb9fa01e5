#pragma once

#include "tools/databuilder.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace tirta::test {

/// Writes a file into a folder and returns its path (empty when it could not).
inline QString writeInput(const QString& folder, const QString& name, const QByteArray& content)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        return {};
    return path;
}

/// The whole content of a file, or an empty array when there is none.
inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The 1-based number of the last line of a file that contains `text`, or -1.
int lineOf(const QString& path, const QString& text);

/// A complete set of small builder inputs in a temporary folder of their own: a catalogue with two
/// translations (a verse file and a module dump), one deuterocanonical translation, information
/// pages, menu switches and a little study material. Tests write it, then change the one thing
/// they are about.
class SmallInputs
{
public:
    QString folder() const { return m_dir.path(); }
    /// A path in the folder: one of the inputs, or an output beside them.
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString catalogue() const { return path(QStringLiteral("katalog.txt")); }

    /// A change to one of the files: its text `from` becomes `to`.
    struct Change
    {
        QString file;
        QString from;
        QString to;
    };

    /// Writes every file with the changes made; false when a change finds no text to change.
    bool write(const std::vector<Change>& changes = {}) const;

    /// Reads the catalogue and builds `output` from it; false, and why in `diagnostics`, when refused.
    bool build(
        const QString& output, databuilder::BuildReport* report, databuilder::Diagnostics* diagnostics) const;

private:
    QTemporaryDir m_dir;
};

} // namespace tirta::test
