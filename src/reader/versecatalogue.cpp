#include "versecatalogue.h"

#include "foundation/recordset.h"

namespace tirta {

using namespace Qt::StringLiterals;

namespace {
const QString kOffered = u"NamaTabel LIKE 'Kitab*' AND Aktif=1"_s;

// The dialect stores True as -1; any non-zero value counts.
bool flag(const Recordset& rs, QStringView field)
{
    return rs.number(field) != 0;
}

// The criterion of an offered translation by its number as the settings hold it. Anything but a
// whole number finds nothing, so a settings file can never add to the statement.
QString offeredNumber(const QString& number)
{
    bool isNumber = false;
    const int nr = number.trimmed().toInt(&isNumber);
    return isNumber ? u"nr="_s + QString::number(nr) + u"AND Aktif=1"_s : u"0=1"_s;
}
} // namespace

TranslationCatalogue TranslationCatalogue::load(Recordset& versions)
{
    TranslationCatalogue catalogue;
    for (versions.moveFirst(); !versions.eof(); versions.moveNext()) {
        catalogue.m_entries.push_back({ static_cast<int>(versions.number(u"nr")), versions.text(u"NamaVersi"),
            versions.text(u"NamaTabel"), versions.text(u"HakCipta"), flag(versions, u"Lama"),
            flag(versions, u"Baru"), versions.number(u"Aktif") == 1 });
    }
    return catalogue;
}

const Translation& TranslationCatalogue::at(int n) const
{
    static const Translation none;
    return n >= 1 && n <= count() ? m_entries[static_cast<size_t>(n - 1)] : none;
}

const Translation* TranslationCatalogue::byNumber(int nr) const
{
    for (const Translation& t : m_entries) {
        if (t.nr == nr)
            return &t;
    }
    return nullptr;
}

TranslationChoice chooseStartTranslations(
    Recordset& versions, const QString& mainNumber, const QString& parallelNumber)
{
    TranslationChoice choice;
    // The criteria run as the program always wrote them: a number without a space before AND.
    if (!versions.findFirst(offeredNumber(mainNumber)))
        versions.findFirst(kOffered);
    if (!versions.noMatch()) {
        choice.mainColumn = versions.text(u"NamaTabel");
        choice.mainNumber = static_cast<int>(versions.number(u"nr"));
    }
    if (!versions.findFirst(offeredNumber(parallelNumber)))
        versions.findNext(kOffered);
    if (!versions.noMatch()) {
        choice.parallelColumn = versions.text(u"NamaTabel");
        choice.parallelName = versions.text(u"NamaVersi");
        choice.parallelNumber = static_cast<int>(versions.number(u"nr"));
    } else if (choice.mainNumber != 0) {
        // No offered translation after the main one: show the main translation in both panes
        // rather than a parallel pane without a column.
        choice.parallelColumn = choice.mainColumn;
        choice.parallelNumber = choice.mainNumber;
        if (versions.findFirst(u"nr="_s + QString::number(choice.mainNumber)))
            choice.parallelName = versions.text(u"NamaVersi");
    }
    return choice;
}

} // namespace tirta
