// The query language of "Cari Semua": the first line is the search text, the rest the verse lines
// its filter is asked about, with and without "Kata Tepat".
#include "fuzzinput.h"

#include "search/queryparser.h"

#include <QStringList>

using namespace tirta::search;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = tirta::fuzz::text(data, size);
    const qsizetype newline = input.indexOf(u'\n');
    const QString query = newline < 0 ? input : input.left(newline);
    const QStringList lines = newline < 0 ? QStringList {} : input.mid(newline + 1).split(u'\n');

    ParseQuery parsed;
    parsed.Query(query);
    for (const bool matchCase : { false, true }) {
        const LineFilter filter(parsed.WordList1(), parsed.WordList2(), parsed.WordList3(), matchCase);
        for (const QString& line : lines) {
            // The prepared filter must answer as the parser's own test does.
            const bool slow = ParseQuery::MatchLine(
                parsed.WordList1(), parsed.WordList2(), parsed.WordList3(), line, matchCase);
            if (filter.matches(line) != slow)
                __builtin_trap();
        }
        (void)filter.anchorWords();
    }
    (void)trimSpaces(query);
    return 0;
}
