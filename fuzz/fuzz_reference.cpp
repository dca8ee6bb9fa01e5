// Reference strings ("Kejadian#1:1-3", lists joined by "@", the display form) and book names, and
// the cutting of verse lines from a chapter text. Input: reference NUL chapter text.
#include "fuzzinput.h"

#include "foundation/books.h"
#include "foundation/reference.h"

using namespace tirta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [first, second] = fuzz::split(data, size);
    const QString reference = QString::fromUtf8(first);
    const QString chapterText = QString::fromUtf8(second);

    for (const QString& one : reference.split(u'@')) {
        const ReferenceParts parts = parseReference(one);
        (void)cutVerseLines(chapterText, parts);
        (void)oldTestamentIndex(parts.book);
        (void)newTestamentIndex(parts.book);
        (void)newTestamentName(parts.chapter);
    }
    QString display = reference;
    (void)displayToReference(display, false);
    display = reference;
    (void)displayToReference(display, true);
    QString spelled = reference;
    (void)normaliseSpelling(spelled);
    const int index = size > 0 ? static_cast<int>(static_cast<int8_t>(data[0])) : 0;
    (void)oldTestamentName(index);
    (void)bookName(index, index % 2 == 0);
    return 0;
}
