#pragma once

#include "tools/catalogue.h"
#include "tools/diagnostic.h"
#include "tools/studymaterial.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tirta::databuilder {

/// What went into the data file for one translation.
struct TranslationSummary
{
    QString name; ///< display name, or "Deuterokanonika n"
    QString column; ///< Kitab-n
    int books = 0; ///< books with at least one verse
    int chapters = 0; ///< chapters with at least one verse
    int verses = 0; ///< verse lines written
    QStringList emptyVerses; ///< verses the source has without words ("Luke 17:36"), left out
    QStringList skippedBooks; ///< books of the source the data file has no place for
    QStringList unusedBooks; ///< deuterocanonical books of a translation's text no section takes
};

/// The outcome of a build.
struct BuildReport
{
    std::vector<TranslationSummary> versions;
    std::vector<TranslationSummary> deutero;
    int chapterRows = 0; ///< rows of UsysAlkitab
    int deuteroRows = 0; ///< rows of UsysDeuterokanonika
    std::vector<StudyTableSummary> study; ///< the study tables and fields, in the order read
    QString tipsFile; ///< the tips file written beside the data file, empty when none
    Diagnostics warnings; ///< what the file lacks that the person building it should know
};

/// Reads the sources a catalogue names, checks them together and writes the data file. Every
/// check runs before the first row is written, and the file appears only once it is complete: a
/// build that finds a problem leaves the output path as it was. An output that names one of the
/// inputs (the catalogue, a text, a name file, ...) is refused.
class DataBuilder
{
public:
    explicit DataBuilder(Catalogue catalogue);

    /// Builds the data file at `output`; false with the reasons in `diagnostics` when it cannot.
    bool build(const QString& output, BuildReport* report, Diagnostics* diagnostics);

private:
    Catalogue m_catalogue;
};

} // namespace tirta::databuilder
