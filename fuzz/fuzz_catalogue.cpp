// The data builder's catalogue, read from memory; the files it names are looked up in an empty
// folder, so every one of them is missing and reported.
#include "fuzzinput.h"

#include "tools/catalogue.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace tirta::databuilder;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    Diagnostics diagnostics;
    const auto catalogue = Catalogue::parse(
        tirta::fuzz::text(data, size), folder.filePath(u"katalog.txt"_s), {}, &diagnostics);
    if (!catalogue && diagnostics.isEmpty())
        __builtin_trap(); // a refused catalogue always says why
    return 0;
}
