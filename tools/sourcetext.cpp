#include "sourcetext.h"

#include "tools/osistext.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
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

/// A chapter or verse number as a source writes it, or why it is none.
struct MarkNumber
{
    int value = -1;
    Problem problem = Problem::BadNumber;
    QString error; ///< empty when the number is good
};

/// Reads a chapter (or, with `verse`, a verse) number: a whole number from 1 (from 0 with
/// `allowZero`, for the headings of a module dump) up to what the longest book holds.
MarkNumber markNumber(QStringView text, bool verse, bool allowZero = false)
{
    const QStringView number = text.trimmed();
    const QString what = verse ? u"ayat"_s : u"pasal"_s;
    if (number.isEmpty())
        return { -1, Problem::MissingMark, what + u" tidak ditulis"_s };
    const bool digits
        = std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digits) {
        static const QRegularExpression range(u"^[0-9]+ *[-–,] *[0-9]+$"_s);
        if (range.match(number.toString()).hasMatch())
            return { -1, Problem::BadNumber,
                what + u" \""_s + number.toString()
                    + u"\" adalah rentang: tulis setiap ayat pada barisnya sendiri"_s };
        return { -1, Problem::BadNumber,
            what + u" harus bilangan bulat, bukan \""_s + number.toString() + u'"' };
    }
    const int most = verse ? kMostVerses : kMostChapters;
    qsizetype first = 0;
    while (first + 1 < number.size() && number[first] == u'0')
        ++first;
    const QStringView significant = number.sliced(first);
    if (significant.size() > 3 || significant.toInt() > most) {
        return { -1, Problem::OutOfRange,
            what + u' ' + significant.toString() + u" melebihi "_s + QString::number(most)
                + (verse ? u", jumlah ayat pasal terpanjang (Mazmur 119)"_s
                         : u", jumlah pasal kitab terpanjang (Mazmur)"_s) };
    }
    const int value = significant.toInt();
    if (value == 0 && !allowZero)
        return { -1, Problem::BadNumber, what + u" 0 tidak ada: nomor "_s + what + u" mulai dari 1"_s };
    return { value, Problem::BadNumber, {} };
}

/// Where a UTF-8 text goes wrong: the offset of the first byte outside a valid sequence, or -1.
qsizetype invalidUtf8At(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int follow = lead < 0x80     ? 0
            : lead >= 0xC2 && lead <= 0xDF ? 1
            : lead >= 0xE0 && lead <= 0xEF ? 2
            : lead >= 0xF0 && lead <= 0xF4 ? 3
                                           : -1;
        if (follow < 0 || i + follow >= bytes.size())
            return i;
        for (int k = 1; k <= follow; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            // The second byte also rules out overlong forms, surrogates and code points past U+10FFFF.
            const bool low = k == 1 && ((lead == 0xE0 && next < 0xA0) || (lead == 0xF0 && next < 0x90));
            const bool high = k == 1 && ((lead == 0xED && next >= 0xA0) || (lead == 0xF4 && next >= 0x90));
            if ((next & 0xC0) != 0x80 || low || high)
                return i;
        }
        i += follow + 1;
    }
    return -1;
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
    const QByteArray bytes = file.readAll();
    auto refuse = [&](int line, const QString& message) {
        if (diagnostics)
            diagnostics->append({ Problem::NotText, path, line, message });
        return false;
    };
    // A data file or another binary file would give a complaint for every "line" it seems to have.
    if (bytes.startsWith("SQLite format 3"))
        return refuse(0, u"ini berkas basis data (misalnya Purnaka2000.dat), bukan berkas teks"_s);
    if (bytes.contains('\0'))
        return refuse(0, u"ini berkas biner, bukan berkas teks"_s);
    if (const qsizetype bad = invalidUtf8At(bytes); bad >= 0) {
        return refuse(static_cast<int>(bytes.first(bad).count('\n')) + 1,
            u"teks ini bukan UTF-8 (bita 0x"_s
                + QString::number(static_cast<unsigned char>(bytes[bad]), 16).toUpper()
                + u"): semua masukan harus UTF-8; simpan ulang berkas sebagai UTF-8, atau ubah "_s
                  u"pengodeannya, misalnya dari Windows-1252: iconv -f WINDOWS-1252 -t UTF-8 lama.txt > baru.txt"_s);
    }
    *content = QString::fromUtf8(bytes);
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
        if (space <= 0 || colon < space) {
            collector.fail(
                Problem::MissingMark, number, u"kunci tanpa pasal:ayat: \""_s + key.toString() + u'"');
            continue;
        }
        const MarkNumber chapterNumber = markNumber(key.sliced(space + 1, colon - space - 1), false, true);
        const MarkNumber verseNumber = markNumber(key.sliced(colon + 1), true, true);
        if (const MarkNumber& bad = chapterNumber.error.isEmpty() ? verseNumber : chapterNumber;
            !bad.error.isEmpty()) {
            collector.fail(bad.problem, number, bad.error + u" (kunci \""_s + key.toString() + u"\")"_s);
            continue;
        }
        chapter = chapterNumber.value;
        verse = verseNumber.value;
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
        static const QString form = u" (kode<TAB>pasal<TAB>ayat<TAB>teks)"_s;
        if (tabs[0] < 0 || tabs[1] < 0) {
            collector.fail(Problem::MissingMark, number,
                (tabs[0] < 0 ? u"baris tanpa tanda kitab, pasal dan ayat"_s : u"baris tanpa nomor ayat"_s)
                    + form);
            continue;
        }
        if (line.first(tabs[0]).trimmed().isEmpty()) {
            collector.fail(Problem::MissingMark, number, u"baris tanpa kode kitab"_s + form);
            continue;
        }
        const QStringView verseField
            = tabs[2] < 0 ? line.sliced(tabs[1] + 1) : line.sliced(tabs[1] + 1, tabs[2] - tabs[1] - 1);
        const MarkNumber chapter = markNumber(line.sliced(tabs[0] + 1, tabs[1] - tabs[0] - 1), false);
        const MarkNumber verse = markNumber(verseField, true);
        if (tabs[2] < 0 && verse.error.isEmpty()) {
            collector.fail(Problem::MissingText, number, u"baris tanpa teks ayat"_s + form);
            continue;
        }
        if (tabs[2] < 0 && verseField.trimmed().contains(u' ')) {
            collector.fail(Problem::MissingMark, number,
                u"nomor ayat dan teks harus dipisah <TAB>, bukan spasi"_s + form);
            continue;
        }
        if (const MarkNumber& bad = chapter.error.isEmpty() ? verse : chapter; !bad.error.isEmpty()) {
            collector.fail(bad.problem, number, bad.error);
            continue;
        }
        const QStringView code = line.first(tabs[0]).trimmed();
        const std::optional<SourceBook> book = collector.book(code, number);
        if (!book || !collector.inOrder(*book, chapter.value, verse.value, number, code))
            continue;
        collector.add(
            *book, chapter.value, verse.value, line.sliced(tabs[2] + 1).toString().simplified(), number);
    }
    return collector.result();
}

} // namespace tirta::databuilder
