#include "catalogue.h"

#include "tools/bookcodes.h"
#include "tools/sourcetext.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <map>

namespace tirta::databuilder {

using namespace Qt::StringLiterals;

namespace {

enum class Section
{
    None,
    Version,
    Deutero,
    Info,
    Menu,
    Study
};

/// Keys of a section, as written in the catalogue; the translation keys are the catalogue fields
/// of the data file plus `Teks` and `NamaKitab`.
const QStringList kVersionKeys { u"nr"_s, u"NamaVersi"_s, u"NamaTabel"_s, u"Aktif"_s, u"Lama"_s, u"Baru"_s,
    u"HakCipta"_s, u"Teks"_s, u"NamaKitab"_s, u"Potong"_s, u"AyatPanjang"_s };
const QStringList kDeuteroKeys { u"nr"_s, u"Teks"_s, u"NamaKitab"_s };

/// The spelling of `key` in `keys`, compared without regard to case as the data file's fields are.
QString knownKey(const QStringList& keys, QStringView key)
{
    for (const QString& k : keys) {
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return k;
    }
    return {};
}

class Parser
{
public:
    Parser(const QString& path, const QString& textFolder, Diagnostics* diagnostics)
        : m_path(path)
        , m_base(QFileInfo(path).absolutePath())
        , m_textFolder(textFolder.isEmpty() ? m_base : textFolder)
        , m_diagnostics(diagnostics)
    {
        m_catalogue.path = path;
    }

    std::optional<Catalogue> parse(QStringView content)
    {
        const QList<QStringView> lines = content.split(u'\n');
        for (int i = 0; i < lines.size(); ++i)
            line(lines[i].trimmed(), i + 1);
        check();
        if (m_failed)
            return std::nullopt;
        return std::move(m_catalogue);
    }

private:
    void fail(Problem problem, int line, const QString& message)
    {
        m_failed = true;
        if (m_diagnostics)
            m_diagnostics->append({ problem, m_path, line, message });
    }

    Location here(int line) const { return { m_path, line }; }

    void line(QStringView text, int number)
    {
        if (text.isEmpty() || text.startsWith(u'#'))
            return;
        if (text.startsWith(u'[') && text.endsWith(u']')) {
            section(text.sliced(1, text.size() - 2).trimmed(), number);
            return;
        }
        const qsizetype equals = text.indexOf(u'=');
        if (equals <= 0) {
            fail(Problem::BadValue, number, u"baris tanpa \"kunci = nilai\": \""_s + text.toString() + u'"');
            return;
        }
        const QStringView key = text.first(equals).trimmed();
        const QString value = text.sliced(equals + 1).trimmed().toString();
        switch (m_section) {
        case Section::None:
            fail(Problem::UnknownSection, number, u"kunci di luar bagian: \""_s + key.toString() + u'"');
            break;
        case Section::Version:
            versionKey(key, value, number);
            break;
        case Section::Deutero:
            deuteroKey(key, value, number);
            break;
        case Section::Info:
            infoKey(key, value, number);
            break;
        case Section::Menu:
            menuKey(key, value, number);
            break;
        case Section::Study:
            studyKey(key, value, number);
            break;
        }
    }

    void section(QStringView name, int number)
    {
        m_keys.clear();
        if (name.compare(u"Versi", Qt::CaseInsensitive) == 0) {
            m_section = Section::Version;
            m_catalogue.versions.push_back({});
            m_catalogue.versions.back().where = here(number);
        } else if (name.compare(u"Deuterokanonika", Qt::CaseInsensitive) == 0) {
            m_section = Section::Deutero;
            m_catalogue.deutero.push_back({});
            m_catalogue.deutero.back().where = here(number);
        } else if (name.compare(u"Info", Qt::CaseInsensitive) == 0) {
            m_section = Section::Info;
        } else if (name.compare(u"Menu", Qt::CaseInsensitive) == 0) {
            m_section = Section::Menu;
            m_catalogue.menuLine = number;
        } else if (const auto study = studyKeys().find(name.toString().toLower());
                   study != studyKeys().end()) {
            m_section = Section::Study;
            m_studySection = study->first;
        } else {
            m_section = Section::None;
            fail(Problem::UnknownSection, number,
                u"bagian tidak dikenal: ["_s + name.toString()
                    + u"] (yang ada: [Versi], [Deuterokanonika], [Info], [Menu], [Kitab], [Kamus], "
                      u"[Tematik], "
                      "[Perumpamaan], [Nubuat], [Gambar], [Tip])"_s);
        }
    }

    /// The key as the section spells it; empty (and a complaint) when it is unknown or repeated.
    QString sectionKey(const QStringList& keys, QStringView key, const QString& table, int number)
    {
        const QString known = knownKey(keys, key);
        if (known.isEmpty()) {
            fail(Problem::UnknownKey, number,
                u"kolom katalog tidak ada: \""_s + key.toString() + u"\" (kolom "_s + table + u": "_s
                    + keys.join(u", "_s) + u')');
            return {};
        }
        if (m_keys.contains(known)) {
            fail(Problem::Duplicate, number, u"\""_s + known + u"\" ditulis dua kali dalam satu bagian"_s);
            return {};
        }
        m_keys.insert(known);
        return known;
    }

    std::optional<int> number(const QString& value, int line, const QString& key)
    {
        bool ok = false;
        const int n = value.toInt(&ok);
        if (!ok || n < 0) {
            fail(Problem::BadValue, line, key + u" harus bilangan bulat, bukan \""_s + value + u'"');
            return std::nullopt;
        }
        return n;
    }

    std::optional<bool> flag(const QString& value, int line, const QString& key)
    {
        if (value == u"1")
            return true;
        if (value == u"0")
            return false;
        fail(Problem::BadValue, line, key + u" harus 1 atau 0, bukan \""_s + value + u'"');
        return std::nullopt;
    }

    QString resolve(const QString& base, const QString& value) const
    {
        return QDir::cleanPath(QDir(base).absoluteFilePath(value));
    }

    NameSource names(const QString& value, int line) const
    {
        if (value.compare(u"kanonik", Qt::CaseInsensitive) == 0)
            return { NameSource::Canonical, {}, here(line) };
        if (value.compare(u"modul", Qt::CaseInsensitive) == 0)
            return { NameSource::Module, {}, here(line) };
        return { NameSource::File, resolve(m_base, value), here(line) };
    }

    void versionKey(QStringView key, const QString& value, int line)
    {
        VersionSpec& spec = m_catalogue.versions.back();
        const QString known = sectionKey(kVersionKeys, key, u"UsysVersi"_s, line);
        if (known == u"nr") {
            spec.nr = number(value, line, known).value_or(0);
        } else if (known == u"NamaVersi") {
            spec.name = value;
        } else if (known == u"NamaTabel") {
            spec.column = value;
            spec.columnWhere = here(line);
        } else if (known == u"Aktif") {
            spec.active = flag(value, line, known).value_or(true) ? 1 : 0;
        } else if (known == u"Lama") {
            spec.oldTestament = flag(value, line, known);
            spec.testamentWhere = here(line);
        } else if (known == u"Baru") {
            spec.newTestament = flag(value, line, known);
            spec.testamentWhere = here(line);
        } else if (known == u"HakCipta") {
            spec.copyrightPath = resolve(m_base, value);
            spec.copyrightWhere = here(line);
        } else if (known == u"Teks") {
            spec.textPath = resolve(m_textFolder, value);
            spec.textWhere = here(line);
        } else if (known == u"NamaKitab") {
            spec.names = names(value, line);
        } else if (known == u"Potong") {
            for (const QString& cut : value.split(u';', Qt::SkipEmptyParts)) {
                const QStringList words = cut.simplified().split(u' ');
                if (words.size() < 3 || !verseMark(words[0] + u' ' + words[1], line, known))
                    fail(Problem::BadValue, line,
                        u"Potong harus \"kode pasal:ayat kata-kata akhir\", bukan \""_s + cut.trimmed()
                            + u'"');
                else
                    spec.cuts.push_back(
                        { words[0] + u' ' + words[1], words.sliced(2).join(u' '), here(line) });
            }
        } else if (known == u"AyatPanjang") {
            for (const QString& verse : value.split(u',', Qt::SkipEmptyParts)) {
                if (verseMark(verse.simplified(), line, known))
                    spec.longVerses.emplace_back(verse.simplified(), here(line));
            }
        }
    }

    /// Checks "code chapter:verse" ("Rev 22:21").
    bool verseMark(const QString& text, int line, const QString& key)
    {
        static const QRegularExpression mark(u"^\\S+ [1-9][0-9]*:[1-9][0-9]*$"_s);
        if (mark.match(text).hasMatch() && findSourceBook(text.section(u' ', 0, 0)))
            return true;
        fail(Problem::BadValue, line, key + u": \""_s + text + u"\" bukan kode kitab dengan pasal:ayat"_s);
        return false;
    }

    /// The keys of each study section and the list each fills.
    struct StudyKey
    {
        QString name;
        SourceList StudySpec::*list; ///< null for the keys that are no file list
        bool texts; ///< the files resolve against the texts folder, as `Teks` does
    };
    static const std::map<QString, std::vector<StudyKey>>& studyKeys()
    {
        static const std::map<QString, std::vector<StudyKey>> keys {
            { u"kitab"_s,
                { { u"Intro"_s, &StudySpec::intro, true }, { u"Pengantar"_s, &StudySpec::notes, true },
                    { u"Perikop"_s, &StudySpec::pericopes, true },
                    { u"Referensi"_s, &StudySpec::crossReferences, true }, { u"Survai"_s, nullptr, false },
                    { u"CiriKhas"_s, nullptr, false } } },
            { u"kamus"_s,
                { { u"Glosarium"_s, &StudySpec::glossary, true },
                    { u"Topik"_s, &StudySpec::dictionaryTopics, true } } },
            { u"tematik"_s,
                { { u"Topik"_s, &StudySpec::themeTopics, true }, { u"Minimum"_s, nullptr, false },
                    { u"Maksimum"_s, nullptr, false } } },
            { u"perumpamaan"_s, { { u"Berkas"_s, &StudySpec::parables, false } } },
            { u"nubuat"_s, { { u"Berkas"_s, &StudySpec::prophecies, false } } },
            { u"gambar"_s, { { u"Berkas"_s, &StudySpec::pictures, false } } },
            { u"tip"_s, { { u"Berkas"_s, &StudySpec::tips, false } } },
        };
        return keys;
    }

    void studyKey(QStringView key, const QString& value, int line)
    {
        const std::vector<StudyKey>& keys = studyKeys().at(m_studySection);
        QStringList names;
        for (const StudyKey& k : keys)
            names << k.name;
        const QString known = sectionKey(names, key, u'[' + m_studySection + u']', line);
        const auto it
            = std::find_if(keys.cbegin(), keys.cend(), [&](const StudyKey& k) { return k.name == known; });
        if (it == keys.cend())
            return;
        StudySpec& study = m_catalogue.study;
        if (it->list) {
            SourceList& list = study.*(it->list);
            list.where = here(line);
            for (const QString& path : value.split(u',', Qt::SkipEmptyParts))
                list.paths << resolve(it->texts ? m_textFolder : m_base, path.trimmed());
            if (list.paths.isEmpty())
                fail(Problem::MissingValue, line, known + u" tanpa nama berkas"_s);
        } else if (known == u"Survai" || known == u"CiriKhas") {
            if (flag(value, line, known).value_or(false))
                (known == u"Survai" ? study.survey : study.facts) = here(line);
        } else {
            const int n = number(value, line, known).value_or(0);
            (known == u"Minimum" ? study.themeMinimum : study.themeMaximum) = n;
            if (n < 1)
                fail(Problem::BadValue, line, known + u" harus 1 atau lebih"_s);
        }
    }

    void deuteroKey(QStringView key, const QString& value, int line)
    {
        DeuteroSpec& spec = m_catalogue.deutero.back();
        const QString known = sectionKey(kDeuteroKeys, key, u"UsysDeuterokanonika"_s, line);
        if (known == u"nr") {
            spec.nr = number(value, line, known).value_or(0);
        } else if (known == u"Teks") {
            spec.textPath = resolve(m_textFolder, value);
            spec.textWhere = here(line);
        } else if (known == u"NamaKitab") {
            spec.names = names(value, line);
            if (spec.names.kind == NameSource::Canonical)
                fail(Problem::BadValue, line,
                    u"nama kanonik hanya untuk kitab Alkitab; beri berkas nama kitab"_s);
        }
    }

    void infoKey(QStringView key, const QString& value, int line)
    {
        bool ok = false;
        const int id = key.toInt(&ok);
        if (!ok || id <= 0) {
            fail(Problem::UnknownKey, line,
                u"kunci [Info] harus nomor halaman (id), bukan \""_s + key.toString() + u'"');
            return;
        }
        if (std::any_of(m_catalogue.info.cbegin(), m_catalogue.info.cend(),
                [&](const InfoSpec& i) { return i.id == id; })) {
            fail(Problem::Duplicate, line, u"halaman info "_s + QString::number(id) + u" ditulis dua kali"_s);
            return;
        }
        m_catalogue.info.push_back({ id, resolve(m_base, value), here(line) });
    }

    void menuKey(QStringView key, const QString& value, int line)
    {
        const auto& keys = featureKeys();
        const auto known = std::find(keys.cbegin(), keys.cend(), key);
        if (known == keys.cend()) {
            fail(Problem::UnknownKey, line,
                u"fitur tidak dikenal: \""_s + key.toString() + u"\" (yang ada: "_s
                    + QStringList(keys.cbegin(), keys.cend()).join(u", "_s) + u')');
            return;
        }
        if (std::any_of(m_catalogue.menu.cbegin(), m_catalogue.menu.cend(),
                [&](const auto& m) { return m.first == key; })) {
            fail(Problem::Duplicate, line, u"fitur \""_s + key.toString() + u"\" ditulis dua kali"_s);
            return;
        }
        if (const std::optional<bool> on = flag(value, line, *known))
            m_catalogue.menu.emplace_back(*known, *on);
    }

    /// The checks that need the whole catalogue: numbering, columns and required keys.
    void check()
    {
        auto& versions = m_catalogue.versions;
        const int count = static_cast<int>(versions.size());
        if (count == 0)
            fail(Problem::MissingValue, 0, u"katalog tanpa bagian [Versi]"_s);

        static const QRegularExpression columnPattern(
            u"^kitab([0-9]+)$"_s, QRegularExpression::CaseInsensitiveOption);
        QSet<int> numbers;
        QSet<int> columns;
        for (VersionSpec& spec : versions) {
            const int line = spec.where.line;
            for (const auto& [value, key] : { std::pair { spec.name, u"NamaVersi"_s },
                     std::pair { spec.column, u"NamaTabel"_s }, std::pair { spec.textPath, u"Teks"_s } }) {
                if (value.isEmpty())
                    fail(Problem::MissingValue, line, u"[Versi] tanpa "_s + key);
            }
            if (spec.nr < 1 || spec.nr > count)
                fail(Problem::BadValue, line,
                    u"nr harus 1 sampai "_s + QString::number(count) + u" (satu per bagian [Versi])"_s);
            else if (numbers.contains(spec.nr))
                fail(Problem::Duplicate, line, u"nr "_s + QString::number(spec.nr) + u" dipakai dua kali"_s);
            numbers.insert(spec.nr);

            if (!spec.column.isEmpty()) {
                const QRegularExpressionMatch match = columnPattern.match(spec.column);
                const int n = match.hasMatch() ? match.captured(1).toInt() : 0;
                if (n < 1 || n > count) {
                    fail(Problem::UnknownColumn, spec.columnWhere.line,
                        u"kolom \""_s + spec.column + u"\" tidak ada: berkas ini memuat Kitab1 sampai Kitab"_s
                            + QString::number(count) + u", satu per versi"_s);
                } else if (columns.contains(n)) {
                    fail(Problem::Duplicate, spec.columnWhere.line,
                        u"kolom Kitab"_s + QString::number(n) + u" dipakai dua kali"_s);
                } else {
                    spec.column = u"Kitab"_s + QString::number(n);
                    columns.insert(n);
                }
            }
            // Kitab1 is the key the reader finds books by, so its names are the canonical ones.
            if (spec.names.kind == NameSource::None && spec.column == u"Kitab1")
                spec.names = { NameSource::Canonical, {}, spec.where };
            if (spec.names.kind == NameSource::None)
                fail(Problem::MissingBookNames, line,
                    u"[Versi] tanpa NamaKitab (kanonik, modul atau berkas nama)"_s);
        }
        std::sort(versions.begin(), versions.end(), [](const auto& a, const auto& b) { return a.nr < b.nr; });
        // The reader opens on an offered translation; with none it would show an empty window.
        if (count > 0
            && std::none_of(versions.cbegin(), versions.cend(), [](const auto& v) { return v.active; }))
            fail(Problem::MissingValue, 0,
                u"tidak ada versi yang ditawarkan: beri sedikitnya satu [Versi] Aktif = 1"_s);

        QSet<int> deuteroNumbers;
        for (const DeuteroSpec& spec : m_catalogue.deutero) {
            const int line = spec.where.line;
            if (spec.nr < 1 || spec.nr > 3)
                fail(Problem::UnknownColumn, line,
                    u"nr [Deuterokanonika] harus 1, 2 atau 3 (kolom Kitab1 sampai Kitab3)"_s);
            else if (deuteroNumbers.contains(spec.nr))
                fail(Problem::Duplicate, line, u"nr "_s + QString::number(spec.nr) + u" dipakai dua kali"_s);
            deuteroNumbers.insert(spec.nr);
            if (spec.textPath.isEmpty())
                fail(Problem::MissingValue, line, u"[Deuterokanonika] tanpa Teks"_s);
            if (spec.names.kind == NameSource::None)
                fail(Problem::MissingBookNames, line, u"[Deuterokanonika] tanpa NamaKitab"_s);
        }
        std::sort(m_catalogue.deutero.begin(), m_catalogue.deutero.end(),
            [](const auto& a, const auto& b) { return a.nr < b.nr; });
        std::sort(m_catalogue.info.begin(), m_catalogue.info.end(),
            [](const auto& a, const auto& b) { return a.id < b.id; });

        // The program reads every switch; one left out would leave its feature to chance.
        QStringList missing;
        for (const QString& key : featureKeys()) {
            if (std::none_of(m_catalogue.menu.cbegin(), m_catalogue.menu.cend(),
                    [&](const auto& m) { return m.first == key; }))
                missing << key;
        }
        if (m_catalogue.study.themeMinimum > m_catalogue.study.themeMaximum)
            fail(Problem::BadValue, m_catalogue.study.themeTopics.where.line,
                u"[Tematik] Minimum lebih besar daripada Maksimum"_s);
        if (!missing.isEmpty())
            fail(Problem::MissingValue, m_catalogue.menuLine,
                u"[Menu] tanpa fitur: "_s + missing.join(u", "_s));
    }

    QString m_path;
    QString m_base;
    QString m_textFolder;
    Diagnostics* m_diagnostics;
    Catalogue m_catalogue;
    Section m_section = Section::None;
    QSet<QString> m_keys; ///< keys seen in the current section
    QString m_studySection; ///< the study section being read, in lower case
    bool m_failed = false;
};

} // namespace

const std::vector<QString>& featureKeys()
{
    static const std::vector<QString> keys { u"Perikop"_s, u"Pengantar"_s, u"Perumpamaan"_s, u"Peta"_s,
        u"Kamus"_s, u"Nubuat"_s, u"Commentary"_s, u"Deuterokanonika"_s, u"Keterangan"_s, u"Tematik"_s };
    return keys;
}

std::optional<Catalogue> Catalogue::read(
    const QString& path, const QString& textFolder, Diagnostics* diagnostics)
{
    QString content;
    if (!readTextFile(path, &content, diagnostics))
        return std::nullopt;
    return parse(content, path, textFolder, diagnostics);
}

std::optional<Catalogue> Catalogue::parse(
    QStringView content, const QString& path, const QString& textFolder, Diagnostics* diagnostics)
{
    return Parser(path, textFolder, diagnostics).parse(content);
}

std::optional<std::map<QString, QString>> readNameFile(
    const QString& path, bool deutero, Diagnostics* diagnostics, const Location& citedBy)
{
    QString content;
    if (!readTextFile(path, &content, diagnostics, citedBy.file, citedBy.line))
        return std::nullopt;
    std::map<QString, QString> names;
    bool failed = false;
    auto fail = [&](Problem problem, int line, const QString& message) {
        failed = true;
        if (diagnostics)
            diagnostics->append({ problem, path, line, message });
    };
    const QList<QStringView> lines = QStringView(content).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        const QStringView code = equals > 0 ? line.first(equals).trimmed() : QStringView();
        const QString name = equals > 0 ? line.sliced(equals + 1).trimmed().toString() : QString();
        if (code.isEmpty() || name.isEmpty()) {
            fail(Problem::MissingMark, i + 1, u"baris tanpa \"kode = nama\""_s);
            continue;
        }
        const BookEntry* book = findBook(code, deutero ? BookGroup::Deutero : BookGroup::Bible);
        if (!book) {
            fail(Problem::UnknownBook, i + 1, u"kode kitab tidak dikenal: \""_s + code.toString() + u'"');
            continue;
        }
        if (names.contains(book->code)) {
            fail(Problem::Duplicate, i + 1, u"nama kitab "_s + book->code + u" ditulis dua kali"_s);
            continue;
        }
        names.emplace(book->code, name);
    }
    if (failed)
        return std::nullopt;
    return names;
}

} // namespace tirta::databuilder
