#include "bookcodes.h"

#include <QHash>

namespace tirta::databuilder {

using namespace Qt::StringLiterals;

namespace {

/// OSIS code and the name a module's keys use, in canonical order.
struct Spelling
{
    const char16_t* code;
    const char16_t* moduleName;
};

constexpr Spelling kBibleSpellings[] = {
    { u"Gen", u"Genesis" },
    { u"Exod", u"Exodus" },
    { u"Lev", u"Leviticus" },
    { u"Num", u"Numbers" },
    { u"Deut", u"Deuteronomy" },
    { u"Josh", u"Joshua" },
    { u"Judg", u"Judges" },
    { u"Ruth", u"Ruth" },
    { u"1Sam", u"I Samuel" },
    { u"2Sam", u"II Samuel" },
    { u"1Kgs", u"I Kings" },
    { u"2Kgs", u"II Kings" },
    { u"1Chr", u"I Chronicles" },
    { u"2Chr", u"II Chronicles" },
    { u"Ezra", u"Ezra" },
    { u"Neh", u"Nehemiah" },
    { u"Esth", u"Esther" },
    { u"Job", u"Job" },
    { u"Ps", u"Psalms" },
    { u"Prov", u"Proverbs" },
    { u"Eccl", u"Ecclesiastes" },
    { u"Song", u"Song of Solomon" },
    { u"Isa", u"Isaiah" },
    { u"Jer", u"Jeremiah" },
    { u"Lam", u"Lamentations" },
    { u"Ezek", u"Ezekiel" },
    { u"Dan", u"Daniel" },
    { u"Hos", u"Hosea" },
    { u"Joel", u"Joel" },
    { u"Amos", u"Amos" },
    { u"Obad", u"Obadiah" },
    { u"Jonah", u"Jonah" },
    { u"Mic", u"Micah" },
    { u"Nah", u"Nahum" },
    { u"Hab", u"Habakkuk" },
    { u"Zeph", u"Zephaniah" },
    { u"Hag", u"Haggai" },
    { u"Zech", u"Zechariah" },
    { u"Mal", u"Malachi" },
    { u"Matt", u"Matthew" },
    { u"Mark", u"Mark" },
    { u"Luke", u"Luke" },
    { u"John", u"John" },
    { u"Acts", u"Acts" },
    { u"Rom", u"Romans" },
    { u"1Cor", u"I Corinthians" },
    { u"2Cor", u"II Corinthians" },
    { u"Gal", u"Galatians" },
    { u"Eph", u"Ephesians" },
    { u"Phil", u"Philippians" },
    { u"Col", u"Colossians" },
    { u"1Thess", u"I Thessalonians" },
    { u"2Thess", u"II Thessalonians" },
    { u"1Tim", u"I Timothy" },
    { u"2Tim", u"II Timothy" },
    { u"Titus", u"Titus" },
    { u"Phlm", u"Philemon" },
    { u"Heb", u"Hebrews" },
    { u"Jas", u"James" },
    { u"1Pet", u"I Peter" },
    { u"2Pet", u"II Peter" },
    { u"1John", u"I John" },
    { u"2John", u"II John" },
    { u"3John", u"III John" },
    { u"Jude", u"Jude" },
    { u"Rev", u"Revelation of John" },
};
static_assert(std::size(kBibleSpellings) == kOldTestamentBooks + kNewTestamentBooks);

/// A source book and where its text goes: a whole deuterocanonical book, one chapter of one
/// (the Greek additions to Daniel are chapters 3, 13 and 14 of "Tambahan Daniel"), or nowhere.
struct DeuteroSource
{
    const char16_t* code;
    QList<const char16_t*> names;
    const char16_t* target; ///< nullptr: the data file has no place for the book
    int chapter;
};

const QList<DeuteroSource>& deuteroSources()
{
    static const QList<DeuteroSource> sources {
        { u"Tob", { u"Tobit" }, u"Tob", 0 },
        { u"Jdt", { u"Judith" }, u"Jdt", 0 },
        { u"EsthGr", { u"Esther (Greek)", u"AddEsth", u"Additions to Esther" }, u"EsthGr", 0 },
        { u"Wis", { u"Wisdom", u"Wisdom of Solomon" }, u"Wis", 0 },
        { u"Sir", { u"Sirach", u"Ecclesiasticus" }, u"Sir", 0 },
        { u"Bar", { u"Baruch" }, u"Bar", 0 },
        { u"EpJer", { u"Epistle of Jeremiah", u"Letter of Jeremiah" }, u"Bar", 6 },
        { u"AddDan", {}, u"AddDan", 0 },
        { u"PrAzar", { u"Prayer of Azariah" }, u"AddDan", 3 },
        { u"Sus", { u"Susanna" }, u"AddDan", 13 },
        { u"Bel", { u"Bel and the Dragon" }, u"AddDan", 14 },
        { u"1Macc", { u"I Maccabees" }, u"1Macc", 0 },
        { u"2Macc", { u"II Maccabees" }, u"2Macc", 0 },
        { u"1Esd", { u"I Esdras" }, nullptr, 0 },
        { u"2Esd", { u"II Esdras" }, nullptr, 0 },
        { u"PrMan", { u"Prayer of Manasses", u"Prayer of Manasseh" }, nullptr, 0 },
        { u"AddPs", { u"Additional Psalm", u"Psalm 151" }, nullptr, 0 },
        { u"3Macc", { u"III Maccabees" }, nullptr, 0 },
        { u"4Macc", { u"IV Maccabees" }, nullptr, 0 },
        { u"DanGr", { u"Daniel (Greek)" }, nullptr, 0 },
    };
    return sources;
}

std::vector<int> range(int first, int last)
{
    std::vector<int> chapters;
    for (int c = first; c <= last; ++c)
        chapters.push_back(c);
    return chapters;
}

QHash<QString, SourceBook> buildLookup()
{
    QHash<QString, SourceBook> lookup;
    const auto& bible = bibleBooks();
    for (int i = 0; i < static_cast<int>(bible.size()); ++i) {
        const SourceBook book { bible[i].code, BookGroup::Bible, i, 0 };
        lookup.insert(bible[i].code.toLower(), book);
        lookup.insert(QString::fromUtf16(kBibleSpellings[i].moduleName).toLower(), book);
    }
    for (const DeuteroSource& source : deuteroSources()) {
        SourceBook book { QString::fromUtf16(source.code), BookGroup::Elsewhere, -1, source.chapter };
        if (source.target) {
            const BookEntry* target = findBook(QString::fromUtf16(source.target), BookGroup::Deutero);
            book.group = BookGroup::Deutero;
            book.index = target->order - 1;
        }
        lookup.insert(book.code.toLower(), book);
        for (const char16_t* name : source.names)
            lookup.insert(QString::fromUtf16(name).toLower(), book);
    }
    return lookup;
}

} // namespace

const std::vector<BookEntry>& bibleBooks()
{
    static const std::vector<BookEntry> books = [] {
        std::vector<BookEntry> list;
        for (int i = 0; i < kOldTestamentBooks + kNewTestamentBooks; ++i) {
            const bool old = i < kOldTestamentBooks;
            list.push_back({ QString::fromUtf16(kBibleSpellings[i].code), BookGroup::Bible, i + 1,
                old ? oldTestamentNames().at(i) : newTestamentNames().at(i - kOldTestamentBooks),
                old ? Testament::Old : Testament::New, {} });
        }
        return list;
    }();
    return books;
}

const std::vector<BookEntry>& deuteroBooks()
{
    static const std::vector<BookEntry> books {
        { u"Tob"_s, BookGroup::Deutero, 1, {}, Testament::Old, range(1, 14) },
        { u"Jdt"_s, BookGroup::Deutero, 2, {}, Testament::Old, range(1, 16) },
        { u"EsthGr"_s, BookGroup::Deutero, 3, {}, Testament::Old, range(1, 6) },
        { u"Wis"_s, BookGroup::Deutero, 4, {}, Testament::Old, range(1, 19) },
        { u"Sir"_s, BookGroup::Deutero, 5, {}, Testament::Old, range(1, 51) },
        { u"Bar"_s, BookGroup::Deutero, 6, {}, Testament::Old, range(1, 6) },
        { u"AddDan"_s, BookGroup::Deutero, 7, {}, Testament::Old, { 3, 13, 14 } },
        { u"1Macc"_s, BookGroup::Deutero, 8, {}, Testament::Old, range(1, 16) },
        { u"2Macc"_s, BookGroup::Deutero, 9, {}, Testament::Old, range(1, 15) },
    };
    return books;
}

std::optional<SourceBook> findSourceBook(QStringView name)
{
    static const QHash<QString, SourceBook> lookup = buildLookup();
    const auto it = lookup.constFind(name.trimmed().toString().toLower());
    if (it == lookup.constEnd())
        return std::nullopt;
    return *it;
}

const BookEntry* findBook(QStringView code, BookGroup group)
{
    const auto& books = group == BookGroup::Deutero ? deuteroBooks() : bibleBooks();
    for (const BookEntry& book : books) {
        if (book.code.compare(code, Qt::CaseInsensitive) == 0)
            return &book;
    }
    return nullptr;
}

} // namespace tirta::databuilder
