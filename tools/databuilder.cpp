#include "databuilder.h"

#include "foundation/datafilewriter.h"
#include "foundation/safefile.h"
#include "foundation/schema.h"
#include "tools/bookcodes.h"
#include "tools/sourcetext.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace tirta::databuilder {

using namespace Qt::StringLiterals;

namespace {

using VerseList = std::vector<std::pair<int, QString>>; // verse number and text, in order

/// More chapters than this missing inside a book are worth a warning: a mistyped chapter number.
constexpr int kGapWarning = 3;
using ChapterMap = std::map<int, VerseList>;

/// The text of one translation for one table, arranged by book and chapter.
struct Translation
{
    std::map<int, ChapterMap> books; ///< book index to its chapters
    std::vector<QString> names; ///< per book index; empty where there is none
    bool oldTestament = false;
    bool newTestament = false;
    TranslationSummary summary;
    std::map<std::pair<int, int>, int> chapterLines; ///< (book, chapter) to the line of its first verse

    const VerseList* chapter(int book, int chapter) const
    {
        const auto b = books.find(book);
        if (b == books.end())
            return nullptr;
        const auto c = b->second.find(chapter);
        return c == b->second.end() ? nullptr : &c->second;
    }

    int lastChapter(int book) const
    {
        const auto b = books.find(book);
        return b == books.end() || b->second.empty() ? 0 : b->second.rbegin()->first;
    }
};

/// A chapter in the stored form: one line per verse, "chapter:verse text", joined by CR LF.
QString chapterText(int chapter, const VerseList& verses)
{
    QString text;
    const QString mark = QString::number(chapter) + u':';
    for (const auto& [verse, words] : verses) {
        if (!text.isEmpty())
            text += u"\r\n"_s;
        text += mark + QString::number(verse) + u' ' + words;
    }
    return text;
}

QVariant textOrNull(const QString& text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

/// A project text (copyright, information page) with the line ends the program's views expect.
QString storedText(const QString& content)
{
    QString text = toCrLf(content);
    while (text.endsWith(u"\r\n"_s))
        text.chop(2);
    return text;
}

/// Verses longer than this are refused unless the catalogue allows them: no verse of the Bible comes
/// near it, so a longer one carries something that is no verse.
constexpr int kLongestVerse = 1500;

/// Inserts the rows of the study tables.
void writeStudyTables(
    const StudyMaterial& study, const std::function<void(const QString&, const DataFileWriter::Row&)>& insert)
{
    for (const auto& [word, text] : study.dictionary())
        insert(u"UsysKamus"_s, { { u"Entri"_s, word }, { u"Penjelasan"_s, text } });
    for (const auto& [topic, reference] : study.themes())
        insert(u"UsysTematik"_s, { { u"Topik"_s, topic }, { u"Ayat"_s, reference } });
    for (const Parable& p : study.parables()) {
        DataFileWriter::Row row { { u"Perumpamaan"_s, p.title } };
        const QStringList gospels { u"Matius"_s, u"Markus"_s, u"Lukas"_s, u"Yohanes"_s };
        for (int g = 0; g < 4; ++g)
            row.emplace_back(gospels[g], p.gospels[g] ? QVariant(p.gospels[g]->reference()) : QVariant());
        insert(u"UsysUmpama"_s, row);
    }
    for (const Prophecy& p : study.prophecies())
        insert(u"UsysNubuat"_s,
            { { u"Nubuat"_s, p.title }, { u"lama"_s, p.spoken.reference() },
                { u"baru"_s, p.fulfilled.reference() } });
    for (const Picture& p : study.pictures())
        insert(u"UsysGambar"_s,
            { { u"Kategori"_s, p.category }, { u"Judul"_s, p.title }, { u"Gambar"_s, p.file },
                { u"Keterangan"_s, p.caption } });
}

class Build
{
public:
    Build(const Catalogue& catalogue, Diagnostics* diagnostics)
        : m_catalogue(catalogue)
        , m_diagnostics(diagnostics)
    { }

    bool run(const QString& output, BuildReport* report);

private:
    void fail(Problem problem, const Location& where, const QString& message)
    {
        m_failed = true;
        m_diagnostics->append({ problem, where.file, where.line, message });
    }

    void warn(Problem problem, const Location& where, const QString& message)
    {
        m_warnings.append({ problem, where.file, where.line, message });
    }

    bool outputIsNoInput(const QString& output);
    const SourceText* source(const QString& path, const Location& where);
    std::optional<Translation> translation(BookGroup group, const QString& textPath,
        const Location& textWhere, const NameSource& names, bool keyColumn);
    void warnAboutGaps(BookGroup group, const Translation& text, const QString& path);
    void warnAboutMissingBooks(const VersionSpec& spec, const Translation& text);
    void warnAboutUnusedBooks(const VersionSpec& spec, Translation& text);
    std::optional<std::vector<QString>> names(
        BookGroup group, const NameSource& spec, const SourceText& text);
    QString projectText(const QString& path, const Location& where);
    void verseRules(const VersionSpec& spec, Translation* text);
    bool readStudy(const QString& output);
    bool write(const QString& output, BuildReport* report);

    const Catalogue& m_catalogue;
    Diagnostics* m_diagnostics;
    bool m_failed = false;
    std::map<QString, std::unique_ptr<SourceText>> m_sources; ///< by path; null when it could not be read
    std::vector<Translation> m_versions; ///< in catalogue order
    std::vector<std::optional<Translation>> m_deutero
        = std::vector<std::optional<Translation>>(3); ///< Kitab1 to Kitab3
    std::vector<QString> m_copyrights;
    std::vector<QString> m_info;
    VerseIndex m_verses; ///< the verses of translation 1, which every study reference must name
    std::unique_ptr<StudyMaterial> m_study;
    Diagnostics m_warnings;
};

bool Build::outputIsNoInput(const QString& output)
{
    const QString target = QFileInfo(output).canonicalFilePath();
    if (target.isEmpty())
        return true; // a file that does not exist yet is no input
    std::vector<std::pair<QString, Location>> inputs { { m_catalogue.path, {} } };
    auto names = [&](const NameSource& n) {
        if (n.kind == NameSource::File)
            inputs.emplace_back(n.path, n.where);
    };
    for (const VersionSpec& spec : m_catalogue.versions) {
        inputs.emplace_back(spec.textPath, spec.textWhere);
        inputs.emplace_back(spec.copyrightPath, spec.copyrightWhere);
        names(spec.names);
    }
    for (const DeuteroSpec& spec : m_catalogue.deutero) {
        inputs.emplace_back(spec.textPath, spec.textWhere);
        names(spec.names);
    }
    for (const InfoSpec& info : m_catalogue.info)
        inputs.emplace_back(info.path, info.where);
    const StudySpec& study = m_catalogue.study;
    for (const SourceList* list : { &study.intro, &study.notes, &study.pericopes, &study.crossReferences,
             &study.glossary, &study.dictionaryTopics, &study.themeTopics, &study.parables, &study.prophecies,
             &study.pictures, &study.tips }) {
        for (const QString& path : list->paths)
            inputs.emplace_back(path, list->where);
    }
    for (const auto& [path, where] : inputs) {
        if (path.isEmpty() || QFileInfo(path).canonicalFilePath() != target)
            continue;
        const QString named = where.file.isEmpty()
            ? u"KATALOG itu sendiri"_s
            : u"masukan yang disebut di "_s + where.file + u':' + QString::number(where.line);
        fail(Problem::OutputIsInput, { output, 0 },
            u"berkas keluaran ini adalah "_s + named
                + u" dan akan tertimpa; beri nama lain untuk berkas data, misalnya Purnaka2000.dat"_s);
        return false;
    }
    return true;
}

const SourceText* Build::source(const QString& path, const Location& where)
{
    const auto known = m_sources.find(path);
    if (known != m_sources.end())
        return known->second.get();
    std::unique_ptr<SourceText>& slot = m_sources[path];
    if (!QFileInfo(path).isFile()) {
        fail(Problem::FileUnreadable, where, u"teks tidak ditemukan: "_s + path);
        return nullptr;
    }
    std::optional<SourceText> text = readSourceText(path, m_diagnostics);
    if (!text) {
        m_failed = true;
        return nullptr;
    }
    slot = std::make_unique<SourceText>(std::move(*text));
    return slot.get();
}

std::optional<Translation> Build::translation(BookGroup group, const QString& textPath,
    const Location& textWhere, const NameSource& nameSpec, bool keyColumn)
{
    const SourceText* text = source(textPath, textWhere);
    if (!text)
        return std::nullopt;
    const auto& books = group == BookGroup::Bible ? bibleBooks() : deuteroBooks();
    Translation result;
    result.summary.skippedBooks = text->skippedBooks;
    bool ok = true;
    for (const SourceVerse& verse : text->verses) {
        if (verse.book.group != group)
            continue;
        const QString cited = books[verse.book.index].code + u' ' + QString::number(verse.chapter) + u':'
            + QString::number(verse.verse);
        if (verse.text.isEmpty()) {
            result.summary.emptyVerses << cited;
            continue;
        }
        VerseList& chapter = result.books[verse.book.index][verse.chapter];
        // Two source books may land on one chapter (an addition and its book): they must not overlap.
        if (!chapter.empty() && chapter.back().first >= verse.verse) {
            fail(chapter.back().first == verse.verse ? Problem::VerseRepeated : Problem::VerseOutOfOrder,
                { text->path, verse.line },
                cited + u" bertabrakan dengan ayat "_s + QString::number(chapter.back().first)
                    + u" pasal yang sama"_s);
            ok = false;
            continue;
        }
        chapter.emplace_back(verse.verse, verse.text);
        result.chapterLines.try_emplace({ verse.book.index, verse.chapter }, verse.line);
        ++result.summary.verses;
    }
    for (const auto& [book, chapters] : result.books) {
        ++result.summary.books;
        result.summary.chapters += static_cast<int>(chapters.size());
        if (group == BookGroup::Bible) {
            (bibleBooks()[book].testament == Testament::Old ? result.oldTestament : result.newTestament)
                = true;
        }
    }
    if (result.summary.verses == 0) {
        fail(Problem::NoText, textWhere,
            textPath
                + (group == BookGroup::Bible ? u" tidak memuat satu ayat pun dari 66 kitab Alkitab"_s
                                             : u" tidak memuat satu ayat pun dari kitab Deuterokanonika"_s));
        return std::nullopt;
    }

    // A name file that could not be read has said why; listing every book as unnamed adds nothing.
    std::optional<std::vector<QString>> bookNames = names(group, nameSpec, *text);
    if (!bookNames)
        return std::nullopt;
    result.names = std::move(*bookNames);
    QStringList missing;
    QStringList wrongKeys;
    for (size_t i = 0; i < books.size(); ++i) {
        // The key column names every book, since the reader finds any book by it; another
        // translation names the books of each testament it holds, since the book list shows them all.
        const bool needed = group == BookGroup::Deutero || keyColumn
            || (books[i].testament == Testament::Old ? result.oldTestament : result.newTestament);
        if (needed && result.names[i].isEmpty())
            missing << books[i].code;
        else if (keyColumn && !result.names[i].isEmpty() && result.names[i] != books[i].canonical)
            wrongKeys << books[i].code + u" \""_s + result.names[i] + u"\" (harus \""_s + books[i].canonical
                    + u"\")"_s;
    }
    if (!missing.isEmpty())
        fail(Problem::MissingBookNames, nameSpec.where,
            u"nama kitab tidak ada untuk: "_s + missing.join(u", "_s));
    if (!wrongKeys.isEmpty())
        fail(Problem::WrongKeyName, nameSpec.where,
            u"Kitab1 adalah kunci pencarian kitab dan harus memakai nama kanonik: "_s
                + wrongKeys.join(u"; "_s));
    if (!ok || !missing.isEmpty() || !wrongKeys.isEmpty())
        return std::nullopt;
    warnAboutGaps(group, result, text->path);
    return result;
}

void Build::warnAboutGaps(BookGroup group, const Translation& text, const QString& path)
{
    const auto& books = group == BookGroup::Bible ? bibleBooks() : deuteroBooks();
    for (const auto& [book, chapters] : text.books) {
        const BookEntry& entry = books[book];
        // A deuterocanonical book counts only the chapters its reader lists (Tambahan Daniel: 3, 13, 14).
        auto expected = [&](int c) {
            return group == BookGroup::Bible
                || std::find(entry.listedChapters.cbegin(), entry.listedChapters.cend(), c)
                != entry.listedChapters.cend();
        };
        int previous = 0;
        for (const auto& [chapter, verses] : chapters) {
            QList<int> absent;
            for (int c = previous + 1; c < chapter; ++c) {
                if (expected(c))
                    absent << c;
            }
            if (absent.size() > kGapWarning) {
                warn(Problem::ChapterGap, { path, text.chapterLines.at({ book, chapter }) },
                    entry.code + u": pasal "_s + QString::number(absent.first()) + u" sampai "_s
                        + QString::number(absent.last()) + u" tidak ada sebelum pasal "_s
                        + QString::number(chapter)
                        + u"; periksa nomor pasalnya (pembaca menampilkan pasal itu sebagai pasal yang tidak ada)"_s);
            }
            previous = chapter;
        }
    }
}

void Build::warnAboutMissingBooks(const VersionSpec& spec, const Translation& text)
{
    QStringList missing;
    for (const BookEntry& book : bibleBooks()) {
        const bool held = book.testament == Testament::Old ? text.oldTestament : text.newTestament;
        if (held && !text.books.contains(book.order - 1))
            missing << book.code;
    }
    if (!missing.isEmpty()) {
        warn(Problem::BooksMissing, spec.textWhere,
            spec.name + u": "_s + QString::number(missing.size())
                + u" kitab tidak ada dalam teks (pembaca menampilkannya sebagai kitab yang tidak ada): "_s
                + missing.join(u", "_s));
    }
}

void Build::warnAboutUnusedBooks(const VersionSpec& spec, Translation& text)
{
    // The deuterocanonical books of a translation's text go into the data file only through a
    // [Deuterokanonika] section that reads the same text.
    if (std::any_of(m_catalogue.deutero.cbegin(), m_catalogue.deutero.cend(),
            [&](const DeuteroSpec& d) { return d.textPath == spec.textPath; }))
        return;
    const auto found = m_sources.find(spec.textPath);
    if (found == m_sources.end() || !found->second)
        return;
    QStringList unused;
    for (const SourceVerse& verse : found->second->verses) {
        if (verse.book.group != BookGroup::Deutero || verse.text.isEmpty())
            continue;
        if (const QString& code = deuteroBooks()[verse.book.index].code; !unused.contains(code))
            unused << code;
    }
    if (unused.isEmpty())
        return;
    text.summary.unusedBooks = unused;
    warn(Problem::BooksUnused, spec.textWhere,
        u"teks ini juga memuat kitab Deuterokanonika ("_s + unused.join(u", "_s)
            + u") yang tidak masuk ke berkas data; untuk memuatnya tambahkan bagian [Deuterokanonika] dengan Teks yang sama"_s);
}

std::optional<std::vector<QString>> Build::names(
    BookGroup group, const NameSource& spec, const SourceText& text)
{
    const auto& books = group == BookGroup::Bible ? bibleBooks() : deuteroBooks();
    std::vector<QString> result(books.size());
    if (spec.kind == NameSource::Module && text.bookNames.isEmpty()) {
        fail(Problem::MissingBookNames, spec.where,
            u"NamaKitab = modul mengambil nama dari judul kitab hasil mod2imp, tetapi "_s + text.path
                + u" tidak memuatnya (berkas ayat tidak pernah memuatnya); beri berkas nama kitab"_s);
        return std::nullopt;
    }
    std::map<QString, QString> fromFile;
    if (spec.kind == NameSource::File) {
        std::optional<std::map<QString, QString>> read
            = readNameFile(spec.path, group == BookGroup::Deutero, m_diagnostics, spec.where);
        if (!read) {
            m_failed = true;
            return std::nullopt;
        }
        fromFile = std::move(*read);
    }
    for (size_t i = 0; i < books.size(); ++i) {
        switch (spec.kind) {
        case NameSource::None:
            break;
        case NameSource::Canonical:
            result[i] = books[i].canonical;
            break;
        case NameSource::Module:
            result[i] = text.bookNames.value(books[i].code);
            break;
        case NameSource::File:
            if (const auto it = fromFile.find(books[i].code); it != fromFile.end())
                result[i] = it->second;
            break;
        }
    }
    return result;
}

QString Build::projectText(const QString& path, const Location& where)
{
    if (path.isEmpty())
        return {};
    QString content;
    if (!readTextFile(path, &content, m_diagnostics, where.file, where.line)) {
        m_failed = true;
        return {};
    }
    return storedText(content);
}

void Build::verseRules(const VersionSpec& spec, Translation* text)
{
    // A verse that runs on past its end ends after the words the catalogue gives.
    std::set<std::tuple<int, int, int>> cut;
    for (const VerseCut& c : spec.cuts) {
        const std::optional<SourceBook> book = findSourceBook(c.verse.section(u' ', 0, 0));
        const QString mark = c.verse.section(u' ', 1);
        const int chapter = mark.section(u':', 0, 0).toInt();
        const int verse = mark.section(u':', 1).toInt();
        VerseList* list = book && book->group == BookGroup::Bible && text->books.contains(book->index)
                && text->books[book->index].contains(chapter)
            ? &text->books[book->index][chapter]
            : nullptr;
        const auto it = list
            ? std::find_if(list->begin(), list->end(), [&](const auto& v) { return v.first == verse; })
            : VerseList::iterator();
        const qsizetype end = list && it != list->end() ? it->second.indexOf(c.end) : -1;
        if (end < 0) {
            fail(Problem::BadValue, c.where,
                u"Potong: "_s + c.verse + u" tidak ada atau tidak memuat \""_s + c.end + u'"');
            continue;
        }
        it->second.truncate(end + c.end.size());
        cut.insert({ book->index, chapter, verse });
    }
    // Any other verse longer than the limit is an appendix or a conversion fault, unless allowed.
    std::set<std::tuple<int, int, int>> allowed = cut;
    for (const auto& [mark, where] : spec.longVerses) {
        if (const std::optional<SourceBook> book = findSourceBook(mark.section(u' ', 0, 0)))
            allowed.insert({ book->index, mark.section(u' ', 1).section(u':', 0, 0).toInt(),
                mark.section(u':', 1).toInt() });
    }
    const SourceText* source = this->source(spec.textPath, spec.textWhere);
    for (const SourceVerse& v : source ? source->verses : std::vector<SourceVerse> {}) {
        if (v.book.group != BookGroup::Bible || v.text.size() <= kLongestVerse
            || allowed.contains({ v.book.index, v.chapter, v.verse }))
            continue;
        fail(Problem::TooLong, { source->path, v.line },
            bibleBooks()[v.book.index].code + u' ' + QString::number(v.chapter) + u':'
                + QString::number(v.verse) + u" panjangnya "_s + QString::number(v.text.size())
                + u" karakter, lebih dari "_s + QString::number(kLongestVerse)
                + u"; potong dengan \"Potong = kode pasal:ayat kata-akhir\" "
                  u"atau izinkan dengan \"AyatPanjang = kode pasal:ayat\" di katalog"_s);
    }
}

bool Build::readStudy(const QString& output)
{
    const auto keyColumn = std::find_if(m_catalogue.versions.cbegin(), m_catalogue.versions.cend(),
        [](const VersionSpec& v) { return v.column == u"Kitab1"; });
    const size_t first = static_cast<size_t>(keyColumn - m_catalogue.versions.cbegin());
    if (first < m_versions.size()) {
        for (const auto& [book, chapters] : m_versions[first].books) {
            for (const auto& [chapter, verses] : chapters) {
                for (const auto& verse : verses)
                    m_verses.add(book, chapter, verse.first);
            }
        }
    }
    const QString pictures = QFileInfo(output).absoluteDir().filePath(u"Peta"_s);
    m_study = std::make_unique<StudyMaterial>(m_catalogue.study, m_verses,
        first < m_versions.size() ? keyColumn->name : QString(), pictures, m_diagnostics);
    if (!m_study->read())
        m_failed = true;

    // A feature offered with nothing behind it would open an empty window.
    QStringList empty;
    for (const auto& [key, on] : m_catalogue.menu) {
        const std::optional<bool> filled
            = key == u"Deuterokanonika" ? std::optional(!m_catalogue.deutero.empty()) : m_study->filled(key);
        if (on && !filled.value_or(false))
            empty << key;
    }
    if (!empty.isEmpty())
        fail(Problem::EmptyFeature, { m_catalogue.path, m_catalogue.menuLine },
            u"fitur menyala tetapi datanya kosong: "_s + empty.join(u", "_s)
                + u" (beri sumbernya atau matikan)"_s);
    return !m_failed;
}

bool Build::run(const QString& output, BuildReport* report)
{
    if (!outputIsNoInput(output))
        return false;
    for (const VersionSpec& spec : m_catalogue.versions) {
        std::optional<Translation> text = translation(
            BookGroup::Bible, spec.textPath, spec.textWhere, spec.names, spec.column == u"Kitab1");
        m_copyrights.push_back(projectText(spec.copyrightPath, spec.copyrightWhere));
        if (!text)
            continue;
        text->summary.name = spec.name;
        text->summary.column = spec.column;
        verseRules(spec, &*text);
        for (const auto& [given, found, word] :
            { std::tuple { spec.oldTestament, text->oldTestament, u"Lama"_s },
                std::tuple { spec.newTestament, text->newTestament, u"Baru"_s } }) {
            if (given && *given != found) {
                fail(Problem::TestamentMismatch, spec.testamentWhere.line ? spec.testamentWhere : spec.where,
                    word + u" = "_s + (*given ? u"1"_s : u"0"_s) + u", tetapi teksnya "_s
                        + (found ? u"memuat"_s : u"tidak memuat"_s) + u" kitab Perjanjian "_s + word);
            }
        }
        warnAboutMissingBooks(spec, *text);
        warnAboutUnusedBooks(spec, *text);
        m_versions.push_back(std::move(*text));
    }
    for (const DeuteroSpec& spec : m_catalogue.deutero) {
        std::optional<Translation> text
            = translation(BookGroup::Deutero, spec.textPath, spec.textWhere, spec.names, false);
        if (!text)
            continue;
        text->summary.name = u"Deuterokanonika "_s + QString::number(spec.nr);
        text->summary.column = schema::translationColumn(spec.nr);
        m_deutero[spec.nr - 1] = std::move(*text);
    }
    for (const InfoSpec& info : m_catalogue.info)
        m_info.push_back(projectText(info.path, info.where));
    if (m_failed || !readStudy(output))
        return false;
    return write(output, report);
}

bool Build::write(const QString& output, BuildReport* report)
{
    const Location target { output, 0 };
    const QFileInfo info(output);
    const QString folder = info.absolutePath();
    if (info.isDir()) {
        fail(Problem::WriteFailed, target,
            u"ini sebuah folder; beri nama berkas data, misalnya "_s
                + QDir(output).filePath(u"Purnaka2000.dat"_s));
        return false;
    }
    if (!QDir().mkpath(folder)) {
        fail(Problem::WriteFailed, target, u"folder "_s + folder + u" tidak dapat dibuat"_s);
        return false;
    }
    if (!QFileInfo(folder).isWritable()) {
        fail(Problem::WriteFailed, target,
            u"folder "_s + folder + u" tidak boleh ditulisi (periksa hak aksesnya)"_s);
        return false;
    }
    schema::Shape shape;
    shape.translations = static_cast<int>(m_versions.size());
    shape.themes = true;
    shape.thirdDeutero = true;
    QString error;
    std::unique_ptr<DataFileWriter> writer = DataFileWriter::create(output, shape, &error);
    if (!writer) {
        fail(Problem::WriteFailed, target,
            u"berkas data tidak dapat dibuat (keterangan sistem: "_s + error + u')');
        return false;
    }
    bool ok = true;
    auto insert = [&](const QString& table, const DataFileWriter::Row& row) {
        ok = ok && writer->insert(table, row);
    };

    for (size_t v = 0; v < m_versions.size(); ++v) {
        const VersionSpec& spec = m_catalogue.versions[v];
        insert(u"UsysVersi"_s,
            { { u"nr"_s, spec.nr }, { u"NamaVersi"_s, spec.name }, { u"NamaTabel"_s, spec.column },
                { u"Aktif"_s, spec.active }, { u"Lama"_s, m_versions[v].oldTestament },
                { u"Baru"_s, m_versions[v].newTestament }, { u"HakCipta"_s, textOrNull(m_copyrights[v]) } });
    }

    int order = 0;
    const auto& books = bibleBooks();
    for (int b = 0; b < static_cast<int>(books.size()); ++b) {
        const BookEntry& book = books[b];
        const QString testament = testamentWord(book.testament);
        int chapters = 0;
        for (const Translation& t : m_versions)
            chapters = std::max(chapters, t.lastChapter(b));
        DataFileWriter::Row bookRow { { u"Urutan"_s, book.order }, { u"Perjanjian"_s, testament },
            { u"JumlahBuku"_s, chapters } };
        for (size_t v = 0; v < m_versions.size(); ++v)
            bookRow.emplace_back(m_catalogue.versions[v].column, textOrNull(m_versions[v].names[b]));
        const BookStudy& study = m_study->book(b);
        for (const auto& [field, text] :
            { std::pair { u"Intro"_s, study.intro }, { u"Pengantar"_s, study.notes },
                { u"CiriKhas"_s, study.facts }, { u"Survai"_s, study.survey },
                { u"Perikop"_s, study.pericopes }, { u"Referensi"_s, study.crossReferences } })
            bookRow.emplace_back(field, textOrNull(text));
        insert(u"UsysKitab"_s, bookRow);

        // Every chapter up to the last gets its row, so the reader never finds a chapter missing.
        for (int c = 1; c <= chapters; ++c) {
            int verses = 0;
            DataFileWriter::Row row;
            for (size_t v = 0; v < m_versions.size(); ++v) {
                const VerseList* text = m_versions[v].chapter(b, c);
                if (text)
                    verses = std::max(verses, text->back().first);
                row.emplace_back(
                    m_catalogue.versions[v].column, text ? QVariant(chapterText(c, *text)) : QVariant());
            }
            row.insert(row.begin(),
                { { u"Buku"_s, book.canonical }, { u"Bab"_s, c }, { u"Ayat"_s, verses },
                    { u"Perjanjian"_s, testament }, { u"Urutan"_s, ++order } });
            insert(u"UsysAlkitab"_s, row);
        }
    }
    report->chapterRows = order;

    const auto& deutero = deuteroBooks();
    int deuteroRows = 0;
    for (int b = 0; b < static_cast<int>(deutero.size()); ++b) {
        std::set<int> chapters(deutero[b].listedChapters.cbegin(), deutero[b].listedChapters.cend());
        for (const std::optional<Translation>& t : m_deutero) {
            if (!t)
                continue;
            if (const auto it = t->books.find(b); it != t->books.end()) {
                for (const auto& [chapter, verses] : it->second)
                    chapters.insert(chapter);
            }
        }
        for (const int c : chapters) {
            DataFileWriter::Row row { { u"Urutan"_s, deutero[b].order }, { u"Bab"_s, c } };
            for (int n = 1; n <= 3; ++n) {
                const std::optional<Translation>& t = m_deutero[n - 1];
                const VerseList* text = t ? t->chapter(b, c) : nullptr;
                row.emplace_back(
                    schema::translationColumn(n), text ? QVariant(chapterText(c, *text)) : QVariant());
                row.emplace_back(u"Buku"_s + QString::number(n), t ? textOrNull(t->names[b]) : QVariant());
            }
            insert(u"UsysDeuterokanonika"_s, row);
            ++deuteroRows;
        }
    }
    report->deuteroRows = deuteroRows;

    for (const auto& [key, on] : m_catalogue.menu)
        insert(u"UsysMenu"_s, { { u"NamaMenu"_s, key }, { u"Aktif"_s, on } });
    for (size_t i = 0; i < m_catalogue.info.size(); ++i)
        insert(u"UsysInfo"_s, { { u"id"_s, m_catalogue.info[i].id }, { u"Keterangan"_s, m_info[i] } });

    writeStudyTables(*m_study, insert);

    if (!ok || !writer->commit()) {
        fail(Problem::WriteFailed, target,
            u"berkas data tidak dapat ditulis; berkas yang lama tetap seperti semula (keterangan sistem: "_s
                + writer->lastError() + u')');
        return false;
    }
    report->study = m_study->summary();
    if (!m_study->tips().isEmpty()) {
        // The program reads its tips from a file beside itself; the run command links this one there.
        const QString tips = QFileInfo(output).absoluteDir().filePath(u"TY_tips.dat"_s);
        QString error;
        if (!writeFileWhole(tips, (m_study->tips().join(u"\r\n"_s) + u"\r\n"_s).toUtf8(), &error)) {
            fail(Problem::WriteFailed, { tips, 0 }, error);
            return false;
        }
        report->tipsFile = tips;
    }
    report->warnings = m_warnings;
    for (const Translation& t : m_versions)
        report->versions.push_back(t.summary);
    for (const std::optional<Translation>& t : m_deutero) {
        if (t)
            report->deutero.push_back(t->summary);
    }
    return true;
}

} // namespace

DataBuilder::DataBuilder(Catalogue catalogue)
    : m_catalogue(std::move(catalogue))
{ }

bool DataBuilder::build(const QString& output, BuildReport* report, Diagnostics* diagnostics)
{
    Diagnostics ignored;
    BuildReport unused;
    return Build(m_catalogue, diagnostics ? diagnostics : &ignored).run(output, report ? report : &unused);
}

} // namespace tirta::databuilder
