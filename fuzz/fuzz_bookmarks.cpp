// The bookmark file, which a person may edit by hand: read as the bookmark window reads it, then
// written and read back, which must give the same three lists.
#include "fuzzinput.h"

#include "bookmarks/bookmarkfile.h"

using namespace tirta::bookmarks;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const BookmarkLists read = parseBookmarkFile(tirta::fuzz::bytes(data, size));
    if (read.versionTags.size() != read.count() || read.positions.size() != read.count())
        __builtin_trap(); // the lists must stay parallel, however short a line is
    const BookmarkLists again = parseBookmarkFile(formatBookmarkFile(read));
    if (again.count() > read.count())
        __builtin_trap();
    return 0;
}
