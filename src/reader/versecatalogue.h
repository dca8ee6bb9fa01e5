#pragma once

#include <QString>

#include <vector>

namespace tirta {

class Recordset;

/// One translation of the catalogue.
struct Translation
{
    int nr = 0;
    QString name; ///< display name
    QString column; ///< Kitab-n column in the chapter and book tables
    QString copyright;
    bool oldTestament = false;
    bool newTestament = false;
    bool offered = false;
};

/// The translation catalogue, read once at start-up. Translations are numbered 1 ... count() in
/// catalogue order, as the menus number their entries.
class TranslationCatalogue
{
public:
    /// Reads every row of the catalogue recordset in its order.
    static TranslationCatalogue load(Recordset& versions);

    int count() const { return static_cast<int>(m_entries.size()); }
    /// Translation n (1-based); an empty entry for numbers outside the catalogue.
    const Translation& at(int n) const;
    /// Translation n by its catalogue number `nr` rather than its position.
    const Translation* byNumber(int nr) const;

private:
    std::vector<Translation> m_entries;
};

/// The main and parallel translations chosen at start-up.
struct TranslationChoice
{
    int mainNumber = 0;
    QString mainColumn;
    int parallelNumber = 0;
    QString parallelColumn;
    QString parallelName;
};

/// Finds the stored translations in the catalogue, falling back to the first offered translation
/// for the main one and to the next offered one for the parallel one, as the reader starts.
TranslationChoice chooseStartTranslations(
    Recordset& versions, const QString& mainNumber, const QString& parallelNumber);

} // namespace tirta
