#pragma once

#include "tools/catalogue.h"
#include "tools/diagnostic.h"
#include "tools/passage.h"
#include "tools/studysources.h"
#include "tools/studytables.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

namespace tirta::databuilder {

/// The study texts of one book, in the stored forms of the book table's fields.
struct BookStudy
{
    QString intro; ///< `Intro`
    QString notes; ///< `Pengantar`
    QString facts; ///< `CiriKhas`
    QString survey; ///< `Survai`
    QString pericopes; ///< `Perikop`: "heading==(Book#c:v-w)" per line
    QString crossReferences; ///< `Referensi`: "#c#@v targets" per chapter
};

/// What went into one study table, for the builder's summary.
struct StudyTableSummary
{
    QString table; ///< the table or field ("UsysKamus", "UsysKitab.Perikop")
    QString source; ///< where its rows came from
    int rows = 0;
    qint64 milliseconds = 0; ///< time spent reading and converting
    DroppedReferences dropped;
};

/// Reads every study source a catalogue names and turns it into the rows of the study tables.
/// Problems with the project's own tables are refused with file:line; references of the module
/// sources that name no verse of translation 1 are left out and counted, since the builder cannot
/// mend the source.
class StudyMaterial
{
public:
    /// `verses`: the verses of translation 1, named `translation`; `pictureFolder`: where the
    /// picture files must be; `textName` of translation 1 for the facts of each book.
    StudyMaterial(const StudySpec& spec, const VerseIndex& verses, const QString& translation,
        const QString& pictureFolder, Diagnostics* diagnostics);
    ~StudyMaterial();

    /// Reads and converts everything; false when a problem was reported.
    bool read();

    const BookStudy& book(int index) const { return m_books[index]; }
    const std::vector<std::pair<QString, QString>>& dictionary() const { return m_dictionary; }
    const std::vector<std::pair<QString, QString>>& themes() const { return m_themes; }
    const std::vector<Parable>& parables() const { return m_parables; }
    const std::vector<Prophecy>& prophecies() const { return m_prophecies; }
    const std::vector<Picture>& pictures() const { return m_pictures; }
    const QStringList& tips() const { return m_tips; }
    const std::vector<StudyTableSummary>& summary() const { return m_summary; }

    /// Whether the table behind a feature key of `UsysMenu` has rows ("Perikop", "Kamus", ...);
    /// nothing for a key that is not about study material.
    std::optional<bool> filled(const QString& feature) const;

private:
    /// The entries of a module dump; null when the file cannot be read (reported) or, with
    /// `notDump` set, when it is no dump.
    const std::vector<DumpEntry>* dump(const QString& path, const Location& where, bool* notDump = nullptr);
    std::optional<QString> projectFile(const QString& path, const Location& where);
    void readBookTexts();
    void readPericopes();
    void readCrossReferences();
    void writeSurveyAndFacts(const std::vector<std::vector<Pericope>>& pericopes);
    void readDictionaryAndThemes();
    void readProjectTables();
    StudyTableSummary& table(const QString& name, const SourceList& list);

    const StudySpec& m_spec;
    const VerseIndex& m_verses;
    QString m_translation;
    QString m_pictureFolder;
    Diagnostics* m_diagnostics;
    bool m_failed = false;
    std::map<QString, std::unique_ptr<std::vector<DumpEntry>>> m_dumps; ///< by path
    std::vector<BookStudy> m_books;
    std::vector<std::vector<Pericope>> m_pericopes; ///< per book, for the survey and the facts
    std::vector<std::pair<QString, QString>> m_dictionary; ///< headword, explanation
    std::vector<std::pair<QString, QString>> m_themes; ///< theme, reference string
    std::vector<Parable> m_parables;
    std::vector<Prophecy> m_prophecies;
    std::vector<Picture> m_pictures;
    QStringList m_tips;
    std::vector<StudyTableSummary> m_summary;
};

} // namespace tirta::databuilder
