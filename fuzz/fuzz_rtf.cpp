// The rich-text reader ("Buka File Teks" on an .rtf file); what it reads is written back and read
// again, which must then read without error.
#include "fuzzinput.h"

#include "foundation/rtf.h"

using namespace tirta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const rtf::ReadResult result = rtf::read(fuzz::bytes(data, size));
    if (!result.ok())
        return 0;
    const rtf::ReadResult again = rtf::read(rtf::write(result.runs));
    if (!again.ok())
        __builtin_trap();
    (void)result.plainText();
    return 0;
}
