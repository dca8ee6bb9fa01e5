#include "fixture.h"

#include "foundation/books.h"

namespace tirta::test {

using namespace Qt::StringLiterals;

QString verseLine(int chapter, int verse, const QString& text)
{
    return QString::number(chapter) + u':' + QString::number(verse) + u' ' + text;
}

QString testamentOf(const QString& canonical)
{
    return newTestamentIndex(canonical) == u"-1"_s ? testamentWord(Testament::Old)
                                                   : testamentWord(Testament::New);
}

FixtureBuilder::FixtureBuilder(schema::Shape shape)
    : m_shape(shape)
{ }

FixtureBuilder& FixtureBuilder::version(int nr, const QString& name, int active, bool oldTestament,
    bool newTestament, const QString& column, const QString& copyright)
{
    m_hasVersion = true;
    return row(u"UsysVersi"_s,
        { { u"nr"_s, nr }, { u"NamaVersi"_s, name },
            { u"NamaTabel"_s, column.isEmpty() ? schema::translationColumn(nr) : column },
            { u"Aktif"_s, active }, { u"Lama"_s, oldTestament }, { u"Baru"_s, newTestament },
            { u"HakCipta"_s, copyright } });
}

FixtureBuilder& FixtureBuilder::book(const QString& canonical, const QStringList& names, int chapters)
{
    DataFileWriter::Row r { { u"Urutan"_s, ++m_bookOrder }, { u"Perjanjian"_s, testamentOf(canonical) },
        { u"JumlahBuku"_s, chapters } };
    for (int n = 0; n < names.size() && n < m_shape.translations; ++n)
        r.emplace_back(schema::translationColumn(n + 1), names[n]);
    return row(u"UsysKitab"_s, r);
}

FixtureBuilder& FixtureBuilder::chapter(
    const QString& book, int chapter, const std::vector<QStringList>& versesPerTranslation)
{
    QStringList texts;
    int verses = 0;
    for (const QStringList& list : versesPerTranslation) {
        QStringList lines;
        for (int v = 0; v < list.size(); ++v)
            lines << verseLine(chapter, v + 1, list[v]);
        texts << (list.isEmpty() ? QString() : lines.join(u"\r\n"_s));
        verses = std::max(verses, static_cast<int>(list.size()));
    }
    return rawChapter(book, chapter, verses, texts);
}

FixtureBuilder& FixtureBuilder::rawChapter(
    const QString& book, int chapter, int verses, const QStringList& texts)
{
    DataFileWriter::Row r { { u"Buku"_s, book }, { u"Bab"_s, chapter }, { u"Ayat"_s, verses },
        { u"Perjanjian"_s, testamentOf(book) }, { u"Urutan"_s, ++m_chapterOrder } };
    for (int n = 0; n < texts.size() && n < m_shape.translations; ++n)
        r.emplace_back(schema::translationColumn(n + 1), texts[n].isNull() ? QVariant() : QVariant(texts[n]));
    return row(u"UsysAlkitab"_s, r);
}

FixtureBuilder& FixtureBuilder::row(const QString& table, const DataFileWriter::Row& row)
{
    m_rows.push_back({ table, row });
    return *this;
}

FixtureBuilder& FixtureBuilder::statement(const QString& sql)
{
    m_statements << sql;
    return *this;
}

QString FixtureBuilder::write(const QString& path, QString* error) const
{
    QString ignored;
    QString& e = error ? *error : ignored;
    auto writer = DataFileWriter::create(path, m_shape, &e);
    if (!writer)
        return {};
    // A file without any translation would not open in the reader; tests that want that say so.
    if (!m_hasVersion
        && !writer->insert(u"UsysVersi"_s,
            { { u"nr"_s, 1 }, { u"NamaVersi"_s, u"Versi Uji"_s }, { u"NamaTabel"_s, u"Kitab1"_s },
                { u"Aktif"_s, 1 }, { u"Lama"_s, true }, { u"Baru"_s, true } })) {
        e = writer->lastError();
        return {};
    }
    for (const Pending& p : m_rows) {
        if (!writer->insert(p.table, p.row)) {
            e = writer->lastError();
            return {};
        }
    }
    for (const QString& sql : m_statements) {
        if (!writer->execute(sql)) {
            e = writer->lastError();
            return {};
        }
    }
    if (!writer->commit()) {
        e = writer->lastError();
        return {};
    }
    return path;
}

} // namespace tirta::test

namespace tirta::test {

std::unique_ptr<DataSession> FixtureBuilder::open(const QString& path, QString* error) const
{
    QString ignored;
    QString& e = error ? *error : ignored;
    const QString file = write(path, &e);
    if (file.isEmpty())
        return nullptr;
    DataFailure failure;
    auto session = DataSession::open(file, &failure);
    if (!session)
        e = describe(failure) + u' ' + failure.engineMessage;
    return session;
}

} // namespace tirta::test
