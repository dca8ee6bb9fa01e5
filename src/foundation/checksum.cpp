#include "checksum.h"

#include <QList>

namespace tirta {

namespace {

// Windows-1252 assigns these characters to 0x80..0x9F; 0 marks the five unassigned codes.
constexpr char16_t kHighRange[32] = {
    0x20AC,
    0,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0,
    0x017D,
    0,
    0,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0,
    0x017E,
    0x0178,
};

constexpr int kReplacement = '?';

} // namespace

int windows1252Code(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<int>(character);
    // The five codes Windows-1252 leaves unassigned round-trip as the C1 characters of the same value.
    if (character == 0x81 || character == 0x8D || character == 0x8F || character == 0x90 || character == 0x9D)
        return static_cast<int>(character);
    for (int i = 0; i < 32; ++i) {
        if (kHighRange[i] != 0 && kHighRange[i] == character)
            return 0x80 + i;
    }
    return kReplacement;
}

QString SearchKeyChecksum(QStringView key)
{
    if (key.isEmpty())
        return {};
    qint64 sum = 0;
    int weight = 0;
    // Whole characters, not UTF-16 units: a character outside the BMP is one "?" to the code page.
    const QList<uint> characters = key.toUcs4();
    for (const uint character : characters) {
        weight += 1;
        if (weight == 5)
            weight = 2;
        sum += static_cast<qint64>(weight) * windows1252Code(character);
    }
    return QString::number(sum);
}

} // namespace tirta
