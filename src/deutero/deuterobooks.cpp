#include "deuterobooks.h"

#include "foundation/database.h"
#include "foundation/recordset.h"

#include <QCoreApplication>

#include <memory>

namespace tirta::deutero {

using namespace Qt::StringLiterals;

DeuteroBooks::DeuteroBooks()
{
    const QStringList indonesian { u"Tobit"_s, u"Yudit"_s, u"Tambahan Ester"_s, u"Kebijaksanaan Salomo"_s,
        u"Sirakh"_s, u"Barukh"_s, u"Tambahan Daniel"_s, u"I Makabe"_s, u"II Makabe"_s };
    const QStringList toba { u"Tobit"_s, u"Judit"_s, u"Tambatamba ni buku ni buku ni si Ester"_s,
        u"KHabisuhon ni si Salomo"_s, u"Jesus anak ni si Sirak"_s, u"Baruk"_s,
        u"Tambatamba ni buku ni buku ni si Daniel"_s, u"Buku ni si Makkabetus na parjolo"_s,
        u"Buku ni si Makkabetus na paduahon"_s };
    m_names = { indonesian, toba, indonesian };
    // "Tambahan Daniel" keeps no count: its list is fixed.
    m_chapterCounts = { 14, 16, 6, 19, 51, 6, 0, 16, 15 };
}

const QStringList& DeuteroBooks::names(int translation) const
{
    return m_names[static_cast<size_t>(std::clamp(translation, 1, kTranslations) - 1)];
}

QStringList DeuteroBooks::chapters(int index, int translation) const
{
    if (index < 0 || index >= kBooks)
        return {};
    return chapterList(names(translation).at(index), m_chapterCounts[static_cast<size_t>(index)]);
}

QStringList chapterList(const QString& bookName, int count)
{
    if (bookName.contains(u"Daniel"_s, Qt::CaseSensitive))
        return { u"3"_s, u"13"_s, u"14"_s };
    QStringList chapters;
    for (int c = 1; c <= count; ++c)
        chapters << QString::number(c);
    return chapters;
}

TranslationNames translationNames(Database& database, int translation)
{
    const QString caption = QCoreApplication::translate("Form11", "Deuterokanonika");
    TranslationNames names { caption + u' ' + QString::number(translation), caption };
    const std::unique_ptr<Recordset> row
        = database.openRecordset(u"SELECT * FROM UsysVersi WHERE nr="_s + QString::number(translation));
    if (!row || row->eof() || row->text(u"NamaVersi").trimmed().isEmpty())
        return names;
    names.shortName = row->text(u"NamaVersi").trimmed();
    // The copyright text opens with the line that names the translation and its holder.
    QString line;
    for (const QString& candidate : row->text(u"HakCipta").split(u'\n')) {
        line = candidate.trimmed();
        if (!line.isEmpty())
            break;
    }
    names.caption = caption + u" - "_s + (line.isEmpty() ? names.shortName : line);
    return names;
}

QString textColumn(int translation)
{
    return u"Kitab"_s + QString::number(translation);
}

QString clipBookReference(const QString& book)
{
    return u"Deuterokanonika -- "_s + book + u' ';
}

QString emptyChapterText(const QString& shortName)
{
    return QCoreApplication::translate("Form11", "(Pasal ini tidak ada dalam terjemahan %1.)").arg(shortName);
}

} // namespace tirta::deutero
