// Result files as the results window reads them back: the bytes decoded as its text loader does,
// a syntax line made from them, and their names recognised in the temporary folder.
#include "fuzzinput.h"

#include "foundation/textdecoding.h"
#include "search/resultfile.h"

using namespace Qt::StringLiterals;
using namespace tirta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = decodeText(fuzz::bytes(data, size));
    (void)search::syntaxLine(text.left(40));
    (void)search::isResultFileName(text);
    return 0;
}
