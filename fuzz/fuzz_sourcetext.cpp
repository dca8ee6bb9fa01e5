// The data builder's source texts: a module dump ("$$$Kitab P:A" lines with OSIS markup) and a
// verse file (code, chapter, verse and text per line); the first byte chooses which.
#include "fuzzinput.h"

#include "tools/osistext.h"
#include "tools/sourcetext.h"

using namespace Qt::StringLiterals;
using namespace tirta::databuilder;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QString content = tirta::fuzz::text(data + 1, size - 1);
    Diagnostics diagnostics;
    switch (data[0] % 3) {
    case 0:
        (void)readModuleDump(content, u"fuzz.imp"_s, &diagnostics);
        break;
    case 1:
        (void)readVerseFile(content, u"fuzz.txt"_s, &diagnostics);
        break;
    default:
        (void)osisToPlainText(content, (data[0] & 4) != 0);
        break;
    }
    return 0;
}
