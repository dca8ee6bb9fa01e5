#pragma once

#include "foundation/datafilewriter.h"
#include "foundation/datasession.h"
#include "foundation/schema.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace tirta::test {

/// A verse line: chapter ":" verse, a space and the text.
QString verseLine(int chapter, int verse, const QString& text);

/// Builds small data files with the rows a test chooses, from the product's schema.
///
///     const QString path = FixtureBuilder().version(1, u"Versi A"_s)
///                              .book(u"Kejadian"_s, { u"Kejadian"_s })
///                              .chapter(u"Kejadian"_s, 1, { { u"Pada mulanya"_s, u"Bumi belum"_s } })
///                              .write(dir.filePath(u"Purnaka2000.dat"_s));
class FixtureBuilder
{
public:
    explicit FixtureBuilder(schema::Shape shape = {});

    /// A translation of the catalogue; its column is "Kitab" + nr unless given.
    FixtureBuilder& version(int nr, const QString& name, int active = 1, bool oldTestament = true,
        bool newTestament = true, const QString& column = {}, const QString& copyright = {});
    /// A book in canonical order, with its name in each translation (the first is the key).
    FixtureBuilder& book(const QString& canonical, const QStringList& names, int chapters = 1);
    /// A chapter with the verse texts of each translation (an empty list leaves that column NULL).
    FixtureBuilder& chapter(
        const QString& book, int chapter, const std::vector<QStringList>& versesPerTranslation);
    /// A chapter whose translation columns hold the given texts exactly (line ends included).
    FixtureBuilder& rawChapter(const QString& book, int chapter, int verses, const QStringList& texts);
    /// Any other row.
    FixtureBuilder& row(const QString& table, const DataFileWriter::Row& row);
    /// A statement run after the rows (to damage a file on purpose).
    FixtureBuilder& statement(const QString& sql);

    /// Writes the file; an empty text (and a test failure message in `error`) when it could not.
    QString write(const QString& path, QString* error = nullptr) const;
    /// Writes the file and opens it as the reader does; nothing (and why in `error`) when either fails.
    std::unique_ptr<DataSession> open(const QString& path, QString* error = nullptr) const;

private:
    struct Pending
    {
        QString table;
        DataFileWriter::Row row;
    };
    schema::Shape m_shape;
    std::vector<Pending> m_rows;
    QStringList m_statements;
    int m_chapterOrder = 0;
    int m_bookOrder = 0;
    bool m_hasVersion = false;
};

/// The testament word ("Lama" or "Baru") of a canonical book name.
QString testamentOf(const QString& canonical);

} // namespace tirta::test
