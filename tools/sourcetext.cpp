#include "sourcetext.h"

#include "tools/osistext.h"

#include <QFile>
#include <QSet>

#include <map>

namespace tirta::databuilder {

using namespace Qt::StringLiterals;

namespace {

/// Resolves book names and checks that verses come in order, for both kinds of source.
class VerseCollector
{
public:
    VerseCollector(const QString& path, Diagnostics* diagnostics)
        : m_path(path)
        , m_diagnostics(diagnostics)
    {
        m_text.path = path;
    }

    void fail(Problem problem, int line, const QString& message)
    {
        m_failed = true;
        if (m_diagnostics)
            m_diagnostics->append({ problem, m_path, line, message });
    }

    /// The book of a name; nothing (and a complaint, once per name) when the name is unknown.
    std::optional<SourceBook> book(QStringView name, int line)
    {
        std::optional<SourceBook> found = findSourceBook(name);
        if (!found) {
            if (!m_unknown.contains(name.toString()))
                fail(Problem::UnknownBook, line, u"kitab tidak dikenal: \""_s + name.toString() + u'"');
            m_unknown.insert(name.toString());
            return std::nullopt;
        }
        if (found->group == BookGroup::Elsewhere && !m_text.skippedBooks.contains(name.toString()))
            m_text.skippedBooks << name.toString();
        return found;
    }

    /// Checks that chapter and verse come after the last ones read from the same source book.
    bool inOrder(const SourceBook& book, int chapter, int verse, int line, QStringView cited)
    {
        const std::pair<int, int> here { chapter, verse };
        const auto last = m_last.find(book.code);
        if (last != m_last.end() && here <= last->second.first) {
            const auto [lastVerse, lastLine] = last->second;
            const QString verseText
                = cited.toString() + u' ' + QString::number(chapter) + u':' + QString::number(verse);
            const QString earlier = u" (baris "_s + QString::number(lastLine) + u')';
            if (here == lastVerse) {
                fail(Problem::VerseRepeated, line, verseText + u" berulang"_s + earlier);
            } else {
                fail(Problem::VerseOutOfOrder, line,
                    verseText + u" tidak berurutan: sesudah "_s + QString::number(lastVerse.first) + u':'
                        + QString::number(lastVerse.second) + earlier);
            }
            return false;
        }
        m_last[book.code] = { here, line };
        return true;
    }

    void add(const SourceBook& book, int chapter, int verse, QString text, int line)
    {
        if (book.group == BookGroup::Elsewhere)
            return;
        m_text.verses.push_back(
            { book, book.chapter > 0 ? book.chapter : chapter, verse, std::move(text), line });
    }

    SourceText& text() { return m_text; }

    std::optional<SourceText> result()
    {
        if (m_failed)
            return std::nullopt;
        return std::move(m_text);
    }

private:
    QString m_path;
    Diagnostics* m_diagnostics;
    SourceText m_text;
    bool m_failed = false;
    QSet<QString> m_unknown;
    std::map<QString, std::pair<std::pair<int, int>, int>> m_last; // code -> ((chapter, verse), line)
};

/// A positive whole number, or -1.
int positive(QStringView text, bool allowZero = false)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && (value > 0 || (allowZero && value == 0)) ? value : -1;
}

/// Splits a text into lines without their line ends; the number of a line is its index + 1.
QList<QStringView> linesOf(QStringView content)
{
    QList<QStringView> lines = content.split(u'\n');
    for (QStringView& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

bool readTextFile(
    const QString& path, QString* content, Diagnostics* diagnostics, const QString& citedFile, int citedLine)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (diagnostics) {
            diagnostics->append({ Problem::FileUnreadable, citedFile.isEmpty() ? path : citedFile, citedLine,
                u"berkas tidak dapat dibaca: "_s + path + u" ("_s + file.errorString() + u')' });
        }
        return false;
    }
    *content = QString::fromUtf8(file.readAll());
    if (content->startsWith(u'\uFEFF'))
        content->remove(0, 1);
    return true;
}

std::optional<SourceText> readSourceText(const QString& path, Diagnostics* diagnostics)
{
    QString content;
    if (!readTextFile(path, &content, diagnostics))
        return std::nullopt;
    for (const QStringView line : linesOf(content)) {
        if (line.trimmed().isEmpty())
            continue;
        if (line.startsWith(u"$$$"))
            return readModuleDump(content, path, diagnostics);
        break;
    }
    return readVerseFile(content, path, diagnostics);
}

std::optional<SourceText> readModuleDump(QStringView content, const QString& path, Diagnostics* diagnostics)
{
    VerseCollector collector(path, diagnostics);
    OsisBookNames headings;

    // The entry being read: its key and the markup lines after it.
    enum class Entry
    {
        None, ///< before the first key
        Ignored, ///< a module or testament heading, or a book the key names wrongly
        Heading, ///< chapter or verse 0 of a book
        Verse
    };
    Entry entry = Entry::None;
    SourceBook book;
    int chapter = 0;
    int verse = 0;
    int keyLine = 0;
    QString markup;

    auto finish = [&] {
        if (entry == Entry::Heading) {
            headings.read(markup);
        } else if (entry == Entry::Verse && book.group != BookGroup::Elsewhere) {
            Conversion plain = osisToPlainText(markup, verse == 1);
            if (!plain.ok())
                collector.fail(Problem::BadMarkup, keyLine, plain.error);
            else
                collector.add(book, chapter, verse, std::move(plain.text), keyLine);
        }
        markup.clear();
    };

    const QList<QStringView> lines = linesOf(content);
    for (int i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        const int number = i + 1;
        if (!line.startsWith(u"$$$")) {
            if (entry == Entry::None) {
                if (!line.trimmed().isEmpty())
                    collector.fail(
                        Problem::MissingMark, number, u"teks sebelum kunci \"$$$\" yang pertama"_s);
                continue;
            }
            if (!markup.isEmpty())
                markup += u' ';
            markup += line;
            continue;
        }
        finish();
        const QStringView key = line.sliced(3).trimmed();
        keyLine = number;
        entry = Entry::Ignored;
        if (key.startsWith(u'['))
            continue;
        const qsizetype space = key.lastIndexOf(u' ');
        const qsizetype colon = key.lastIndexOf(u':');
        chapter = space > 0 && colon > space ? positive(key.sliced(space + 1, colon - space - 1), true) : -1;
        verse = colon > space ? positive(key.sliced(colon + 1), true) : -1;
        if (chapter < 0 || verse < 0) {
            collector.fail(
                Problem::MissingMark, number, u"kunci tanpa pasal:ayat: \""_s + key.toString() + u'"');
            continue;
        }
        const QStringView bookName = key.first(space);
        const std::optional<SourceBook> found = collector.book(bookName, number);
        if (!found)
            continue;
        book = *found;
        if (!collector.inOrder(book, chapter, verse, number, bookName))
            continue;
        entry = chapter == 0 || verse == 0 ? Entry::Heading : Entry::Verse;
    }
    finish();

    // Headings name books by their OSIS id; keep those of whole books the data file holds.
    const QHash<QString, QString> names = headings.names();
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        const std::optional<SourceBook> found = findSourceBook(it.key());
        if (found && found->group != BookGroup::Elsewhere && found->chapter == 0) {
            const auto& books = found->group == BookGroup::Bible ? bibleBooks() : deuteroBooks();
            collector.text().bookNames.insert(books[found->index].code, it.value());
        }
    }
    return collector.result();
}

std::optional<SourceText> readVerseFile(QStringView content, const QString& path, Diagnostics* diagnostics)
{
    VerseCollector collector(path, diagnostics);
    const QList<QStringView> lines = linesOf(content);
    for (int i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        const int number = i + 1;
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        // Three tabs separate book, chapter, verse and text; the text may hold further tabs.
        qsizetype tabs[3] = { -1, -1, -1 };
        qsizetype from = 0;
        for (qsizetype& tab : tabs) {
            tab = line.indexOf(u'\t', from);
            if (tab < 0)
                break;
            from = tab + 1;
        }
        const int chapter = tabs[1] > 0 ? positive(line.sliced(tabs[0] + 1, tabs[1] - tabs[0] - 1)) : -1;
        const int verse = tabs[2] > 0 ? positive(line.sliced(tabs[1] + 1, tabs[2] - tabs[1] - 1)) : -1;
        if (tabs[0] <= 0 || chapter < 0 || verse < 0) {
            collector.fail(Problem::MissingMark, number,
                u"baris tanpa tanda kitab, pasal dan ayat (kode<TAB>pasal<TAB>ayat<TAB>teks)"_s);
            continue;
        }
        const QStringView code = line.first(tabs[0]).trimmed();
        const std::optional<SourceBook> book = collector.book(code, number);
        if (!book || !collector.inOrder(*book, chapter, verse, number, code))
            continue;
        collector.add(*book, chapter, verse, line.sliced(tabs[2] + 1).toString().simplified(), number);
    }
    return collector.result();
}

} // namespace tirta::databuilder
