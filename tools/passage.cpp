#include "passage.h"

#include "tools/bookcodes.h"

#include <QHash>
#include <QRegularExpression>

namespace tirta::databuilder {

using namespace Qt::StringLiterals;

namespace {

/// English names and the short forms commentaries and topical indexes use, per book in canonical
/// order; the OSIS codes, the modules' key names and the canonical names come from the book table.
constexpr const char16_t* kAliases[] = { u"ge gen", u"ex exo", u"le", u"nu", u"de deu", u"jos joshua",
    u"jud jdg judges", u"ru", u"1sa 1samuel", u"2sa 2samuel", u"1ki 1kin 1kings", u"2ki 2kin 2kings",
    u"1ch 1chron 1chronicles", u"2ch 2chron 2chronicles", u"ezr", u"ne", u"es est", u"job", u"psa psalm",
    u"pr pro", u"ec ecc", u"so ss songofsongs canticles", u"is", u"jr", u"la", u"eze ezk", u"da", u"ho",
    u"joe", u"am", u"ob oba", u"jon", u"mi", u"na", u"hab", u"zep", u"hag", u"zec", u"mal", u"mt mat",
    u"mr mk mar", u"lu lk luk", u"joh jn", u"ac act", u"ro", u"1co 1corinthians", u"2co 2corinthians", u"ga",
    u"eph", u"php philippians", u"col", u"1th 1thessalonians", u"2th 2thessalonians", u"1ti 1timothy",
    u"2ti 2timothy", u"tit", u"phm philemon", u"heb", u"jas jam", u"1pe 1peter", u"2pe 2peter", u"1jo 1jn",
    u"2jo 2jn", u"3jo 3jn", u"jude", u"re revelation" };

QString normalised(QStringView name)
{
    QString key;
    for (const QChar c : name) {
        if (!c.isSpace() && c != u'.')
            key += c.toLower();
    }
    return key;
}

QHash<QString, int> buildLookup()
{
    QHash<QString, int> lookup;
    const auto& books = bibleBooks();
    for (int i = 0; i < static_cast<int>(books.size()); ++i) {
        QStringList names = QString::fromUtf16(kAliases[i]).split(u' ', Qt::SkipEmptyParts);
        names << books[i].code << books[i].canonical;
        // The modules' key names ("I Samuel", "Revelation of John") through the source-book table.
        for (const QString& name : QStringList(names)) {
            if (name.size() > 1 && name[0].isDigit()) {
                static const QStringList roman { u"i"_s, u"ii"_s, u"iii"_s };
                names << roman.value(name[0].digitValue() - 1) + name.sliced(1);
            }
        }
        for (const QString& name : std::as_const(names))
            lookup.insert(normalised(name), i);
    }
    return lookup;
}

QString verseRange(int chapter, int first, int last)
{
    QString text = QString::number(chapter) + u':' + QString::number(first);
    if (last != first)
        text += u'-' + QString::number(last);
    return text;
}

/// The passage of a chapter and verse range, checked against the verses.
ResolvedReference passageIn(const VerseIndex& verses, int book, int chapter, int first, int last)
{
    if (first == 0) { // a whole chapter
        const int lastVerse = verses.lastVerse(book, chapter);
        if (lastVerse == 0)
            return {};
        const Passage whole { book, chapter, *verses.verses(book, chapter)->begin(), lastVerse };
        return { whole, false };
    }
    const Passage passage { book, chapter, first, last == 0 ? first : last };
    if (!verses.contains(passage))
        return {};
    return { passage, false };
}

int number(QStringView text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n > 0 ? n : -1;
}

} // namespace

QString Passage::verses() const
{
    return verseRange(chapter, first, last);
}

QString Passage::reference() const
{
    return bibleBooks()[book].canonical + u'#' + verses();
}

QString Passage::display() const
{
    return bibleBooks()[book].canonical + u' ' + verses();
}

void VerseIndex::add(int book, int chapter, int verse)
{
    m_chapters[{ book, chapter }].insert(verse);
}

bool VerseIndex::contains(int book, int chapter, int verse) const
{
    const std::set<int>* list = verses(book, chapter);
    return list && list->contains(verse);
}

int VerseIndex::lastVerse(int book, int chapter) const
{
    const std::set<int>* list = verses(book, chapter);
    return list && !list->empty() ? *list->rbegin() : 0;
}

int VerseIndex::chapters(int book) const
{
    const auto next = m_chapters.lower_bound({ book + 1, 0 });
    if (next == m_chapters.begin())
        return 0;
    const auto last = std::prev(next);
    return last->first.first == book ? last->first.second : 0;
}

const std::set<int>* VerseIndex::verses(int book, int chapter) const
{
    const auto it = m_chapters.find({ book, chapter });
    return it == m_chapters.end() ? nullptr : &it->second;
}

bool VerseIndex::contains(const Passage& passage) const
{
    return passage.first <= passage.last && contains(passage.book, passage.chapter, passage.first)
        && contains(passage.book, passage.chapter, passage.last);
}

int findBookIndex(QStringView name)
{
    static const QHash<QString, int> lookup = buildLookup();
    const QString key = normalised(name);
    if (const auto it = lookup.constFind(key); it != lookup.constEnd())
        return *it;
    const std::optional<SourceBook> book = findSourceBook(name);
    return book && book->group == BookGroup::Bible ? book->index : -1;
}

ResolvedReference resolveOsisReference(QStringView osisRef, const VerseIndex& verses)
{
    // Book.chapter[.verse][-Book.chapter[.verse]]
    const qsizetype dash = osisRef.indexOf(u'-');
    const QList<QStringView> from = osisRef.first(dash < 0 ? osisRef.size() : dash).trimmed().split(u'.');
    if (from.size() < 2 || from.size() > 3)
        return {};
    const int book = findBookIndex(from[0]);
    const int chapter = number(from[1]);
    const int first = from.size() == 3 ? number(from[2]) : 0;
    if (book < 0 || chapter < 0 || first < 0)
        return {};
    int last = first;
    if (dash >= 0) {
        const QList<QStringView> to = osisRef.sliced(dash + 1).trimmed().split(u'.');
        if (to.size() != 3 || findBookIndex(to[0]) != book)
            return {};
        if (number(to[1]) != chapter)
            return { std::nullopt, true };
        last = number(to[2]);
        if (last < 0 || first == 0)
            return {};
    }
    return passageIn(verses, book, chapter, first, last);
}

ResolvedReference resolveWrittenReference(QStringView text, const VerseIndex& verses, int book)
{
    static const QRegularExpression pattern(
        u"^\\s*(.*?)\\s*(\\d+)(?:\\s*:\\s*(\\d+)(?:\\s*-\\s*(?:[1-3]?\\s*[A-Za-z]+\\.?\\s+)?(?:(\\d+)\\s*:\\s*)?(\\d+))?)?\\s*$"_s);
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return {};
    if (!m.capturedView(1).isEmpty())
        book = findBookIndex(m.capturedView(1));
    if (book < 0)
        return {};
    const int chapter = number(m.capturedView(2));
    const int first = m.capturedView(3).isEmpty() ? 0 : number(m.capturedView(3));
    if (!m.capturedView(4).isEmpty() && number(m.capturedView(4)) != chapter)
        return { std::nullopt, true };
    const int last = m.capturedView(5).isEmpty() ? first : number(m.capturedView(5));
    if (chapter < 0 || first < 0 || last < 0)
        return {};
    return passageIn(verses, book, chapter, first, last);
}

QStringList splitReferenceList(QStringView text)
{
    // "joh 5:28 joh 5:29": a blank after a verse and before a book starts another reference.
    static const QRegularExpression nextBook(u"(?<=:\\d|:\\d\\d|:\\d\\d\\d)\\s+(?=[1-3]?\\s?[A-Za-z])"_s);
    static const QRegularExpression bookPart(u"^\\s*(.*?)\\s*(\\d+(?:\\s*:\\s*\\d+)?(?:\\s*-.*)?)$"_s);
    QStringList pieces;
    for (const QString& piece : text.toString().split(QRegularExpression(u"[;,]"_s), Qt::SkipEmptyParts))
        pieces << piece.split(nextBook, Qt::SkipEmptyParts);

    QStringList result;
    QString book;
    QString chapter;
    for (const QString& piece : std::as_const(pieces)) {
        const QRegularExpressionMatch m = bookPart.match(piece);
        if (!m.hasMatch())
            continue;
        QString numbers = m.captured(2).simplified();
        if (!m.captured(1).isEmpty())
            book = m.captured(1);
        else if (!numbers.contains(u':') && !chapter.isEmpty())
            numbers = chapter + u':' + numbers; // "17:26-29,32": a verse of the same chapter
        if (book.isEmpty())
            continue;
        chapter = numbers.section(u':', 0, 0).trimmed();
        result << book + u' ' + numbers;
    }
    return result;
}

QString properCase(QStringView text)
{
    static const QStringList small { u"a"_s, u"an"_s, u"and"_s, u"as"_s, u"at"_s, u"by"_s, u"for"_s,
        u"from"_s, u"in"_s, u"into"_s, u"of"_s, u"on"_s, u"or"_s, u"the"_s, u"to"_s, u"with"_s };
    QString out;
    QString word;
    auto flush = [&] {
        if (word.isEmpty())
            return;
        const QString lower = word.toLower();
        if (!out.isEmpty() && small.contains(lower))
            out += lower;
        else
            out += lower.first(1).toUpper() + lower.sliced(1);
        word.clear();
    };
    for (QChar c : text.trimmed()) {
        if (c == u'\'')
            c = u'\u2019';
        if (c.isLetterOrNumber() || c == u'\u2019') {
            word += c;
            continue;
        }
        flush();
        out += c;
    }
    flush();
    return out.simplified();
}

} // namespace tirta::databuilder
