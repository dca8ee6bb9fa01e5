#include "plaintext.h"

#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tirta::search {

namespace {

/// How many of the sixteen bytes at `at` are ASCII before the first that is not.
int asciiPrefix16(const char* at)
{
#ifdef __SSE2__
    const int high = _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)));
    return high == 0 ? 16 : __builtin_ctz(static_cast<unsigned>(high));
#else
    int k = 0;
    while (k < 16 && static_cast<unsigned char>(at[k]) < 0x80)
        ++k;
    return k;
#endif
}

} // namespace

void lowerAscii(std::string_view text, std::string& out)
{
    out.resize(text.size());
    const char* from = text.data();
    char* to = out.data();
    size_t i = 0;
#ifdef __SSE2__
    // Sixteen bytes at a time. Compared as signed bytes, every byte beyond ASCII is below "A".
    const __m128i beforeA = _mm_set1_epi8('A' - 1);
    const __m128i afterZ = _mm_set1_epi8('Z' + 1);
    const __m128i caseBit = _mm_set1_epi8(0x20);
    for (; i + 16 <= text.size(); i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        const __m128i capital = _mm_and_si128(_mm_cmpgt_epi8(bytes, beforeA), _mm_cmplt_epi8(bytes, afterZ));
        _mm_storeu_si128(
            reinterpret_cast<__m128i*>(to + i), _mm_or_si128(bytes, _mm_and_si128(capital, caseBit)));
    }
#endif
    for (; i < text.size(); ++i) {
        const char c = from[i];
        to[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    }
}

bool isPlainText(std::string_view text)
{
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    if (n >= 3 && s[0] == 0xEF && s[1] == 0xBB && s[2] == 0xBF)
        return false;
    size_t i = 0;
    while (i < n) {
        // Runs of ASCII, the bulk of most texts, are skipped sixteen bytes at a time.
        if (i + 16 <= n) {
            const int ascii = asciiPrefix16(text.data() + i);
            i += static_cast<size_t>(ascii);
            if (ascii > 0)
                continue;
        }
        const unsigned char b = s[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
        if (length == 0 || b > 0xF4 || i + length > n)
            return false;
        char32_t c = b & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (s[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode are not valid UTF-8.
        const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (c < least || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            return false;
        if (c == 0x0130 || c == 0x017F || c == 0x212A)
            return false;
        i += length;
    }
    return true;
}

qsizetype findBytes(std::string_view text, std::string_view word, qsizetype from)
{
    const auto n = static_cast<qsizetype>(text.size());
    const auto k = static_cast<qsizetype>(word.size());
    if (from > n)
        return -1;
    qsizetype i = from;
#ifdef __SSE2__
    // Sixteen candidate positions at a time: those whose first and last bytes agree with the word's
    // are compared in full. Far quicker than a general search for the short words people look for.
    if (k >= 2) {
        const __m128i first = _mm_set1_epi8(word.front());
        const __m128i last = _mm_set1_epi8(word.back());
        for (; i + k - 1 + 16 <= n; i += 16) {
            const __m128i atFirst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
            const __m128i atLast = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i + k - 1));
            auto candidates = static_cast<unsigned>(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(atFirst, first), _mm_cmpeq_epi8(atLast, last))));
            while (candidates != 0) {
                const int bit = __builtin_ctz(candidates);
                if (std::memcmp(text.data() + i + bit + 1, word.data() + 1, static_cast<size_t>(k - 2)) == 0)
                    return i + bit;
                candidates &= candidates - 1;
            }
        }
    }
#endif
    const void* found = memmem(text.data() + i, static_cast<size_t>(n - i), word.data(), word.size());
    return found ? static_cast<const char*>(found) - text.data() : -1;
}

qsizetype findFolded(std::string_view text, std::string_view word, qsizetype from)
{
    const auto n = static_cast<qsizetype>(text.size());
    const auto k = static_cast<qsizetype>(word.size());
    if (from > n)
        return -1;
    const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c | 0x20) : c; };
    const auto equalAt = [&](qsizetype at) {
        for (qsizetype j = 0; j < k; ++j) {
            if (fold(text[at + j]) != word[j])
                return false;
        }
        return true;
    };
    qsizetype i = from;
#ifdef __SSE2__
    // As in `findBytes`, sixteen candidates at a time. A byte or-ed with 0x20 equals a lower-case
    // letter exactly when it is that letter in either case; other bytes must be equal as they are.
    if (k >= 1) {
        const auto caseBit = [](char c) { return _mm_set1_epi8(c >= 'a' && c <= 'z' ? 0x20 : 0); };
        const __m128i first = _mm_set1_epi8(word.front());
        const __m128i last = _mm_set1_epi8(word.back());
        const __m128i firstBit = caseBit(word.front());
        const __m128i lastBit = caseBit(word.back());
        for (; i + k - 1 + 16 <= n; i += 16) {
            const __m128i atFirst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
            const __m128i atLast = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i + k - 1));
            auto candidates = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(atFirst, firstBit), first),
                    _mm_cmpeq_epi8(_mm_or_si128(atLast, lastBit), last))));
            while (candidates != 0) {
                const int bit = __builtin_ctz(candidates);
                if (equalAt(i + bit))
                    return i + bit;
                candidates &= candidates - 1;
            }
        }
    }
#endif
    for (; i + k <= n; ++i) {
        if (equalAt(i))
            return i;
    }
    return -1;
}

qsizetype findLineBreak(std::string_view text, qsizetype from)
{
    const auto n = static_cast<qsizetype>(text.size());
    qsizetype i = from;
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= n; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const int breaks
            = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
        if (breaks != 0)
            return i + __builtin_ctz(static_cast<unsigned>(breaks));
    }
#endif
    while (i < n && text[i] != '\r' && text[i] != '\n')
        ++i;
    return i;
}

} // namespace tirta::search
