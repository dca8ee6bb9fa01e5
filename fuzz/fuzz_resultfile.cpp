// Result files as the results window reads them back: the bytes decoded as its text loader does,
// the count lines inserted into them, and their names recognised in the temporary folder.
#include "fuzzinput.h"

#include "foundation/textdecoding.h"
#include "search/resultfile.h"

using namespace Qt::StringLiterals;
using namespace tirta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = decodeText(fuzz::bytes(data, size));
    const QString syntax = search::syntaxLine(text.left(40));
    (void)search::insertCountLines(text, syntax, 12, u"00:00:01"_s, search::stopTag());
    (void)search::insertCountLines(text, u" -- Sintaks Pencarian: "_s, 0, u"00:00:00"_s, {});
    (void)search::isResultFileName(text);
    return 0;
}
