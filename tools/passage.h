#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <set>
#include <vector>

namespace tirta::databuilder {

/// A passage inside one chapter of one of the 66 books: a verse or a range of verses.
struct Passage
{
    int book = -1; ///< index into `bibleBooks()`
    int chapter = 0;
    int first = 0;
    int last = 0; ///< equal to `first` for a single verse

    /// The stored reference string: "Kejadian#1:1" or "Kejadian#1:1-2".
    QString reference() const;
    /// The display reference: "Kejadian 1:1" or "Kejadian 1:1-2".
    QString display() const;
    /// "1:1" or "1:1-2".
    QString verses() const;
    auto operator<=>(const Passage&) const = default;
};

/// The verses translation 1 holds: the references of the study material must land on them, since
/// the program cuts every passage it shows out of that translation's chapter text.
class VerseIndex
{
public:
    /// Records that a verse exists.
    void add(int book, int chapter, int verse);
    bool contains(int book, int chapter, int verse) const;
    /// The highest verse of a chapter, 0 when the chapter does not exist.
    int lastVerse(int book, int chapter) const;
    /// The number of chapters of a book (its highest chapter).
    int chapters(int book) const;
    /// The verses of a chapter in order.
    const std::set<int>* verses(int book, int chapter) const;
    /// True when both ends of the passage exist and the range runs forward.
    bool contains(const Passage& passage) const;

private:
    std::map<std::pair<int, int>, std::set<int>> m_chapters;
};

/// What a reference text could be resolved to.
struct ResolvedReference
{
    std::optional<Passage> passage; ///< the passage, when the text names one inside one chapter
    bool crossesChapters = false; ///< a range running into another chapter (not a passage)
};

/// The book index of a name as the sources write it: canonical Indonesian name, OSIS code
/// ("1Chr"), the modules' English names ("I Samuel", "2 Samuel", "Psalm") or the short forms of
/// commentary notes ("1co", "joh", "Mt"). Case, blanks and dots do not matter; -1 when unknown.
int findBookIndex(QStringView name);

/// Resolves an OSIS reference ("Exod.6.16-Exod.6.20", "Gen.1.1", "1Chr.24" for a whole chapter)
/// against the verses of translation 1.
ResolvedReference resolveOsisReference(QStringView osisRef, const VerseIndex& verses);

/// Resolves "Book c:v", "Book c:v-w", "Book c" (book names as `findBookIndex` reads them) and,
/// with `book` set, "c:v-w" without a book.
ResolvedReference resolveWrittenReference(QStringView text, const VerseIndex& verses, int book = -1);

/// Splits a list of written references ("Exodus 21:17; Leviticus 20:9", "Isaiah 13:10; 34:4",
/// "joh 5:28 joh 5:29") into single references, carrying the book over to pieces without one.
QStringList splitReferenceList(QStringView text);

/// Proper case for a headword or title written in capitals: "ARK OF THE COVENANT" becomes
/// "Ark of the Covenant"; apostrophes become typographic ones, since the program puts titles and
/// headwords into its criteria between single quotes.
QString properCase(QStringView text);

} // namespace tirta::databuilder
