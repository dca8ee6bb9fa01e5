#include "books.h"

#include "foundation/numeric.h"

namespace tirta {

using namespace Qt::StringLiterals;

const QStringList& oldTestamentNames()
{
    static const QStringList names {
        u"Kejadian"_s,
        u"Keluaran"_s,
        u"Imamat"_s,
        u"Bilangan"_s,
        u"Ulangan"_s,
        u"Yosua"_s,
        u"Hakim-hakim"_s,
        u"Rut"_s,
        u"I Samuel"_s,
        u"II Samuel"_s,
        u"I Raja-raja"_s,
        u"II Raja-raja"_s,
        u"I Tawarikh"_s,
        u"II Tawarikh"_s,
        u"Ezra"_s,
        u"Nehemia"_s,
        u"Ester"_s,
        u"Ayub"_s,
        u"Mazmur"_s,
        u"Amsal"_s,
        u"Pengkhotbah"_s,
        u"Kidung Agung"_s,
        u"Yesaya"_s,
        u"Yeremia"_s,
        u"Ratapan"_s,
        u"Yehezkiel"_s,
        u"Daniel"_s,
        u"Hosea"_s,
        u"Yoel"_s,
        u"Amos"_s,
        u"Obaja"_s,
        u"Yunus"_s,
        u"Mikha"_s,
        u"Nahum"_s,
        u"Habakuk"_s,
        u"Zefanya"_s,
        u"Hagai"_s,
        u"Zakharia"_s,
        u"Maleakhi"_s,
    };
    return names;
}

const QStringList& newTestamentNames()
{
    static const QStringList names {
        u"Matius"_s,
        u"Markus"_s,
        u"Lukas"_s,
        u"Yohanes"_s,
        u"Kisah Para Rasul"_s,
        u"Roma"_s,
        u"I Korintus"_s,
        u"II Korintus"_s,
        u"Galatia"_s,
        u"Efesus"_s,
        u"Filipi"_s,
        u"Kolose"_s,
        u"I Tesalonika"_s,
        u"II Tesalonika"_s,
        u"I Timotius"_s,
        u"II Timotius"_s,
        u"Titus"_s,
        u"Filemon"_s,
        u"Ibrani"_s,
        u"Yakobus"_s,
        u"I Petrus"_s,
        u"II Petrus"_s,
        u"I Yohanes"_s,
        u"II Yohanes"_s,
        u"III Yohanes"_s,
        u"Yudas"_s,
        u"Wahyu"_s,
    };
    return names;
}

QString oldTestamentIndex(QStringView name)
{
    return QString::number(oldTestamentNames().indexOf(name));
}

QString newTestamentIndex(QStringView name)
{
    return QString::number(newTestamentNames().indexOf(name));
}

QString oldTestamentName(int index)
{
    return index >= 0 && index < kOldTestamentBooks ? oldTestamentNames().at(index) : QString();
}

QString newTestamentName(QStringView index)
{
    // The numeric value counts: "2", " 2" and "2 " all name Lukas, a text without a number is 0.
    // Only a whole number in range is turned into an index: a huge one has no int.
    const double value = numericValue(index);
    if (!(value >= 0 && value < kNewTestamentBooks) || value != static_cast<int>(value))
        return u" "_s;
    return newTestamentNames().at(static_cast<int>(value));
}

QString bookName(int index, bool oldTestament)
{
    return oldTestament ? oldTestamentName(index) : newTestamentName(QString::number(index));
}

QString testamentWord(Testament testament)
{
    return testament == Testament::Old ? u"Lama"_s : u"Baru"_s;
}

} // namespace tirta
