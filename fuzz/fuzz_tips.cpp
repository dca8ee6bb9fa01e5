// The tips file beside the program, one tip per line.
#include "fuzzinput.h"

#include "info/tips.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList tips = tirta::info::parseTips(tirta::fuzz::bytes(data, size));
    for (const QString& tip : tips) {
        if (tip.contains(u'\n'))
            __builtin_trap(); // a tip is one line (a lone CR is part of its text, as stored)
    }
    return 0;
}
