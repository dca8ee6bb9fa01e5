#pragma once

#include "tools/diagnostic.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace tirta::databuilder {

/// A place in an input file, to point a later complaint at the line that caused it.
struct Location
{
    QString file;
    int line = 0;
};

/// Where the book names of a translation come from.
struct NameSource
{
    enum Kind
    {
        None, ///< not given
        Canonical, ///< "kanonik": the canonical Indonesian names (the only valid names of Kitab1)
        Module, ///< "modul": the names the module dump carries in its book headings
        File ///< a name file: "code = name" per line
    };
    Kind kind = None;
    QString path; ///< for `File`, resolved against the catalogue's folder
    Location where;
};

/// A verse whose text runs on past its end (a module that keeps an appendix in its last verse):
/// the verse ends after the first occurrence of `end`.
struct VerseCut
{
    QString verse; ///< "code chapter:verse" ("Rev 22:21")
    QString end; ///< the words the verse ends with ("Amen.")
    Location where;
};

/// One translation of the chapter table: a `[Versi]` section.
struct VersionSpec
{
    Location where; ///< the section heading
    int nr = 0;
    QString name; ///< `NamaVersi`
    QString column; ///< `NamaTabel`
    Location columnWhere;
    int active = 1; ///< `Aktif`: 1 offered to the user, 0 not
    std::optional<bool> oldTestament; ///< `Lama`; when left out, whether the text has Old Testament books
    std::optional<bool> newTestament; ///< `Baru`
    Location testamentWhere;
    std::vector<VerseCut> cuts; ///< `Potong`: verses that run on past their end
    std::vector<std::pair<QString, Location>> longVerses; ///< `AyatPanjang`: "code c:v" allowed to be long
    QString copyrightPath; ///< `HakCipta`: a text file, resolved against the catalogue's folder
    Location copyrightWhere;
    QString textPath; ///< `Teks`: the source text, resolved against the texts folder
    Location textWhere;
    NameSource names; ///< `NamaKitab`
};

/// One deuterocanonical translation: a `[Deuterokanonika]` section.
struct DeuteroSpec
{
    Location where;
    int nr = 0; ///< 1 to 3: the columns Kitab-nr and Buku-nr of the deuterocanonical table
    QString textPath;
    Location textWhere;
    NameSource names;
};

/// An information page: a line of the `[Info]` section.
struct InfoSpec
{
    int id = 0;
    QString path;
    Location where;
};

/// Files named by one key of a study section, in the order written.
struct SourceList
{
    QStringList paths;
    Location where;
    bool isEmpty() const { return paths.isEmpty(); }
};

/// The study material: the `[Kitab]`, `[Kamus]`, `[Tematik]`, `[Perumpamaan]`, `[Nubuat]`,
/// `[Gambar]` and `[Tip]` sections.
struct StudySpec
{
    SourceList intro; ///< `Intro`: commentary dumps with book introductions
    SourceList notes; ///< `Pengantar`: the same, for the notes section "Pengantar"
    SourceList pericopes; ///< `Perikop`: commentary dumps with section outlines, or pericope files
    SourceList crossReferences; ///< `Referensi`: dumps with notes, or cross-reference files
    std::optional<Location> survey; ///< `Survai = 1`: write the outline of each book
    std::optional<Location> facts; ///< `CiriKhas = 1`: write the facts of each book
    SourceList glossary; ///< `[Kamus] Glosarium`: Bible dumps with a glossary
    SourceList dictionaryTopics; ///< `[Kamus] Topik`: topical index dumps
    SourceList themeTopics; ///< `[Tematik] Topik`
    int themeMinimum = 5; ///< `[Tematik] Minimum`: fewest passages of a theme
    int themeMaximum = 60; ///< `[Tematik] Maksimum`: most passages of a theme
    SourceList parables; ///< `[Perumpamaan] Berkas`
    SourceList prophecies; ///< `[Nubuat] Berkas`
    SourceList pictures; ///< `[Gambar] Berkas`
    SourceList tips; ///< `[Tip] Berkas`
};

/// Everything the builder is told to put into a data file, as read from a catalogue file.
struct Catalogue
{
    QString path;
    std::vector<VersionSpec> versions; ///< ordered by nr
    std::vector<DeuteroSpec> deutero; ///< ordered by nr
    std::vector<InfoSpec> info; ///< ordered by id
    std::vector<std::pair<QString, bool>> menu; ///< feature key and switch, in the order written
    int menuLine = 0; ///< the `[Menu]` heading
    StudySpec study;

    /// Reads and checks a catalogue. `Teks` paths resolve against `textFolder` (the catalogue's own
    /// folder when empty), every other path against the catalogue's folder.
    static std::optional<Catalogue> read(
        const QString& path, const QString& textFolder, Diagnostics* diagnostics);
    /// The same from text in memory, for a catalogue at `path`.
    static std::optional<Catalogue> parse(
        QStringView content, const QString& path, const QString& textFolder, Diagnostics* diagnostics);
};

/// The feature keys the program looks up in `UsysMenu`, in the order it checks them.
const std::vector<QString>& featureKeys();

/// Reads a name file: "code = name" per line for the Bible or the deuterocanonical books.
std::optional<std::map<QString, QString>> readNameFile(
    const QString& path, bool deutero, Diagnostics* diagnostics, const Location& citedBy = {});

} // namespace tirta::databuilder
