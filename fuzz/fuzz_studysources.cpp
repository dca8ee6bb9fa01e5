// The data builder's study sources: commentary and dictionary dumps ("$$$key" entries with OSIS
// markup) and the tables the project writes (parables, prophecies, pericopes, cross references,
// tips). The first byte chooses the reader; the verses known are those of a small fixed index.
#include "fuzzinput.h"

#include "tools/passage.h"
#include "tools/studysources.h"
#include "tools/studytables.h"

using namespace Qt::StringLiterals;
using namespace tirta::databuilder;

namespace {

const VerseIndex& knownVerses()
{
    static const VerseIndex verses = [] {
        VerseIndex index;
        // Kejadian 1-3, Mazmur 23 and Yohanes 3, 30 verses each: enough for references to resolve.
        for (const int book : { 0, 18, 42 }) {
            for (int chapter = 1; chapter <= 3; ++chapter) {
                for (int verse = 1; verse <= 30; ++verse)
                    index.add(book, book == 18 ? chapter + 20 : chapter, verse);
            }
        }
        return index;
    }();
    return verses;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QString content = tirta::fuzz::text(data + 1, size - 1);
    const VerseIndex& verses = knownVerses();
    DroppedReferences dropped;
    Diagnostics diagnostics;
    ProjectTables tables(verses, &diagnostics);
    switch (data[0] % 8) {
    case 0:
        (void)readSectionOutlines(dumpEntries(content), verses, &dropped);
        break;
    case 1:
        (void)readBookIntroductions(dumpEntries(content));
        break;
    case 2: {
        CrossReferences references;
        readNoteReferences(dumpEntries(content), verses, &references, &dropped);
        break;
    }
    case 3:
        (void)readGlossary(dumpEntries(content));
        (void)readTopics(dumpEntries(content), verses, &dropped);
        break;
    case 4:
        (void)tables.parables(u"fuzz.txt"_s, content);
        (void)tables.prophecies(u"fuzz.txt"_s, content);
        break;
    case 5:
        (void)tables.pericopes(u"fuzz.txt"_s, content);
        (void)tables.crossReferences(u"fuzz.txt"_s, content);
        break;
    case 6:
        (void)tables.tips(u"fuzz.txt"_s, content);
        break;
    default:
        for (const QString& piece : splitReferenceList(content))
            (void)resolveWrittenReference(piece, verses);
        (void)resolveOsisReference(content, verses);
        break;
    }
    return 0;
}
