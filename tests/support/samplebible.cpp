#include "samplebible.h"

namespace tirta::test {

using namespace Qt::StringLiterals;

QStringList numberedVerses(const QString& word, int count)
{
    QStringList list;
    for (int v = 1; v <= count; ++v)
        list << word + u' ' + QString::number(v);
    return list;
}

FixtureBuilder sampleBible()
{
    FixtureBuilder b({ 3, true, true });
    b.version(1, u"Terjemahan Baru"_s)
        .version(2, u"English"_s)
        .version(3, u"Hanya PB"_s, 1, false, true)
        .book(u"Kejadian"_s, { u"Kejadian"_s, u"Genesis"_s, QString() }, 2)
        .book(u"Keluaran"_s, { u"Keluaran"_s, u"Exodus"_s, QString() }, 1)
        .book(u"Matius"_s, { u"Matius"_s, u"Matthew"_s, u"Mat"_s }, 2)
        .chapter(u"Kejadian"_s, 1, { numberedVerses(u"awal"_s, 22), numberedVerses(u"beginning"_s, 22), {} })
        .chapter(u"Kejadian"_s, 2, { numberedVerses(u"taman"_s, 3), numberedVerses(u"garden"_s, 3), {} })
        .chapter(u"Keluaran"_s, 1, { numberedVerses(u"Mesir"_s, 4), numberedVerses(u"Egypt"_s, 4), {} })
        .chapter(u"Matius"_s, 1,
            { numberedVerses(u"silsilah"_s, 5), numberedVerses(u"genealogy"_s, 5),
                numberedVerses(u"sil"_s, 5) })
        .chapter(u"Matius"_s, 2,
            { numberedVerses(u"majus"_s, 6), numberedVerses(u"magi"_s, 6), numberedVerses(u"maj"_s, 6) });
    return b;
}

QString writeSampleBible(const QString& folder, const QString& name)
{
    return sampleBible().write(folder + u'/' + name);
}

} // namespace tirta::test
