#include "studymaterial.h"

#include "tools/bookcodes.h"
#include "tools/sourcetext.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>

#include <set>

namespace tirta::databuilder {

using namespace Qt::StringLiterals;

namespace {

/// The program has 200 places for the pericopes of a book and 150 for the verses of a chapter
/// with cross references.
constexpr int kMostPericopes = 200;
constexpr int kMostReferenceVerses = 150;

bool isDump(QStringView content)
{
    for (const QStringView line : content.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            return line.startsWith(u"$$$");
    }
    return false;
}

QString names(const SourceList& list)
{
    QStringList files;
    for (const QString& path : list.paths)
        files << QFileInfo(path).fileName();
    return files.join(u", "_s);
}

/// A heading as one line of the pericope list, which splits at "==".
QString headingLine(QString heading)
{
    heading.replace(u"=="_s, u"="_s);
    return heading.simplified();
}

QString crLf(const QStringList& lines)
{
    return lines.join(u"\r\n"_s);
}

} // namespace

StudyMaterial::StudyMaterial(const StudySpec& spec, const VerseIndex& verses, const QString& translation,
    const QString& pictureFolder, Diagnostics* diagnostics)
    : m_spec(spec)
    , m_verses(verses)
    , m_translation(translation)
    , m_pictureFolder(pictureFolder)
    , m_diagnostics(diagnostics)
    , m_books(bibleBooks().size())
    , m_pericopes(bibleBooks().size())
{ }

StudyMaterial::~StudyMaterial() = default;

bool StudyMaterial::read()
{
    readBookTexts();
    readPericopes();
    readCrossReferences();
    writeSurveyAndFacts(m_pericopes);
    readDictionaryAndThemes();
    readProjectTables();
    return !m_failed;
}

StudyTableSummary& StudyMaterial::table(const QString& name, const SourceList& list)
{
    m_summary.push_back({ name, names(list), 0, 0, {} });
    return m_summary.back();
}

std::optional<QString> StudyMaterial::projectFile(const QString& path, const Location& where)
{
    QString content;
    if (!readTextFile(path, &content, m_diagnostics, where.file, where.line)) {
        m_failed = true;
        return std::nullopt;
    }
    return content;
}

const std::vector<DumpEntry>* StudyMaterial::dump(const QString& path, const Location& where, bool* notDump)
{
    if (notDump)
        *notDump = false;
    if (const auto known = m_dumps.find(path); known != m_dumps.end()) {
        if (notDump)
            *notDump = !known->second;
        return known->second.get();
    }
    const std::optional<QString> content = projectFile(path, where);
    if (!content)
        return nullptr;
    std::unique_ptr<std::vector<DumpEntry>>& slot = m_dumps[path];
    if (isDump(*content))
        slot = std::make_unique<std::vector<DumpEntry>>(dumpEntries(*content));
    else if (notDump)
        *notDump = true;
    return slot.get();
}

void StudyMaterial::readBookTexts()
{
    for (const auto& [list, field, name] : { std::tuple { &m_spec.intro, &BookStudy::intro, u"Intro"_s },
             std::tuple { &m_spec.notes, &BookStudy::notes, u"Pengantar"_s } }) {
        if (list->isEmpty())
            continue;
        QElapsedTimer timer;
        timer.start();
        StudyTableSummary& summary = table(u"UsysKitab."_s + name, *list);
        for (const QString& path : list->paths) {
            bool notDump = false;
            const std::vector<DumpEntry>* entries = dump(path, list->where, &notDump);
            if (notDump)
                m_diagnostics->append({ Problem::BadValue, list->where.file, list->where.line,
                    path + u" bukan hasil mod2imp dari sebuah tafsiran"_s });
            if (!entries) {
                m_failed = true;
                continue;
            }
            for (const auto& [book, text] : readBookIntroductions(*entries)) {
                QString& target = m_books[book].*field;
                if (target.isEmpty()) {
                    target = QString(text).replace(u"\n"_s, u"\r\n"_s);
                    ++summary.rows;
                }
            }
        }
        summary.milliseconds = timer.elapsed();
    }
}

void StudyMaterial::readPericopes()
{
    if (m_spec.pericopes.isEmpty())
        return;
    QElapsedTimer timer;
    timer.start();
    StudyTableSummary& summary = table(u"UsysKitab.Perikop"_s, m_spec.pericopes);
    for (const QString& path : m_spec.pericopes.paths) {
        bool notDump = false;
        if (const std::vector<DumpEntry>* entries = dump(path, m_spec.pericopes.where, &notDump)) {
            for (Pericope& p : readSectionOutlines(*entries, m_verses, &summary.dropped))
                m_pericopes[p.passage.book].push_back(std::move(p));
        } else if (const std::optional<QString> content
            = notDump ? projectFile(path, m_spec.pericopes.where) : std::nullopt) {
            const auto list = ProjectTables(m_verses, m_diagnostics).pericopes(path, *content);
            m_failed = m_failed || !list;
            for (const auto& [heading, passage] : list.value_or(decltype(list)::value_type {}))
                m_pericopes[passage.book].push_back({ passage, heading, 0 });
        }
    }
    for (size_t b = 0; b < m_pericopes.size(); ++b) {
        std::vector<Pericope>& list = m_pericopes[b];
        std::stable_sort(list.begin(), list.end(), [](const Pericope& x, const Pericope& y) {
            return std::pair(x.passage.chapter, x.passage.first)
                < std::pair(y.passage.chapter, y.passage.first);
        });
        if (list.size() > kMostPericopes) {
            // Every chapter keeps its first heading; the further headings fill the places left.
            summary.dropped.overflow += static_cast<int>(list.size()) - kMostPericopes;
            std::set<int> chapters;
            std::vector<bool> keep(list.size());
            for (size_t i = 0; i < list.size(); ++i)
                keep[i] = chapters.insert(list[i].passage.chapter).second;
            size_t room = kMostPericopes - chapters.size();
            for (size_t i = 0; i < list.size(); ++i) {
                if (!keep[i] && room > 0) {
                    keep[i] = true;
                    --room;
                }
            }
            std::vector<Pericope> kept;
            for (size_t i = 0; i < list.size(); ++i) {
                if (keep[i])
                    kept.push_back(std::move(list[i]));
            }
            list = std::move(kept);
        }
        QStringList lines;
        for (const Pericope& p : list)
            lines << headingLine(p.heading) + u"==("_s + p.passage.reference() + u')';
        m_books[b].pericopes = crLf(lines);
        summary.rows += static_cast<int>(list.size());
    }
    summary.milliseconds = timer.elapsed();
}

void StudyMaterial::readCrossReferences()
{
    if (m_spec.crossReferences.isEmpty())
        return;
    QElapsedTimer timer;
    timer.start();
    StudyTableSummary& summary = table(u"UsysKitab.Referensi"_s, m_spec.crossReferences);
    CrossReferences references;
    for (const QString& path : m_spec.crossReferences.paths) {
        bool notDump = false;
        if (const std::vector<DumpEntry>* entries = dump(path, m_spec.crossReferences.where, &notDump)) {
            readNoteReferences(*entries, m_verses, &references, &summary.dropped);
        } else if (const std::optional<QString> content
            = notDump ? projectFile(path, m_spec.crossReferences.where) : std::nullopt) {
            const auto list = ProjectTables(m_verses, m_diagnostics).crossReferences(path, *content);
            m_failed = m_failed || !list;
            for (const auto& [source, targets] : list.value_or(decltype(list)::value_type {})) {
                std::vector<Passage>& known = references[{ source.book, source.chapter, source.first }];
                for (const Passage& target : targets) {
                    if (std::find(known.cbegin(), known.cend(), target) == known.cend())
                        known.push_back(target);
                }
            }
        }
    }
    // One line per chapter: "#chapter#" and "@verse targets" for each verse, at most 150 verses.
    std::map<std::pair<int, int>, QStringList> chapters;
    int targets = 0;
    for (const auto& [verse, list] : references) {
        const auto [book, chapter, number] = verse;
        QStringList& entries = chapters[{ book, chapter }];
        if (entries.size() >= kMostReferenceVerses) {
            summary.dropped.overflow += static_cast<int>(list.size());
            continue;
        }
        QStringList shown;
        for (const Passage& p : list)
            shown << p.display();
        entries << u'@' + QString::number(number) + u' ' + shown.join(u", "_s);
        targets += static_cast<int>(list.size());
    }
    std::vector<QStringList> lines(m_books.size());
    for (const auto& [chapter, entries] : chapters)
        lines[chapter.first] << u'#' + QString::number(chapter.second) + u'#' + entries.join(QString());
    for (size_t b = 0; b < m_books.size(); ++b)
        m_books[b].crossReferences = crLf(lines[b]);
    summary.rows = static_cast<int>(references.size());
    summary.source += u" ("_s + QString::number(targets) + u" target)"_s;
    summary.milliseconds = timer.elapsed();
}

void StudyMaterial::writeSurveyAndFacts(const std::vector<std::vector<Pericope>>& pericopes)
{
    const QLocale indonesian(QLocale::Indonesian);
    const auto& books = bibleBooks();
    StudyTableSummary* survey = m_spec.survey ? &table(u"UsysKitab.Survai"_s, m_spec.pericopes) : nullptr;
    StudyTableSummary* facts
        = m_spec.facts ? &table(u"UsysKitab.CiriKhas"_s, { { m_translation }, {} }) : nullptr;
    int testamentStart = 0;
    for (int b = 0; b < static_cast<int>(books.size()); ++b) {
        const BookEntry& book = books[b];
        if (b > 0 && book.testament != books[b - 1].testament)
            testamentStart = b;
        const std::vector<Pericope>& list = pericopes[b];
        if (survey && !list.empty()) {
            QStringList lines { u"Garis besar kitab "_s + book.canonical + u", disusun dari "_s
                + QString::number(list.size()) + u" judul perikopnya."_s };
            int chapter = 0;
            for (const Pericope& p : list) {
                if (p.passage.chapter != chapter) {
                    chapter = p.passage.chapter;
                    lines << QString() << u"Pasal "_s + QString::number(chapter);
                }
                lines << u"   "_s + p.passage.verses() + u"   "_s + headingLine(p.heading);
            }
            m_books[b].survey = crLf(lines);
            ++survey->rows;
        }
        const int chapters = m_verses.chapters(b);
        if (!facts || chapters == 0)
            continue;
        int verses = 0;
        std::pair<int, int> longest { 0, 0 }; // verses, chapter
        std::pair<int, int> shortest { 1 << 30, 0 };
        for (int c = 1; c <= chapters; ++c) {
            const int n = m_verses.verses(b, c) ? static_cast<int>(m_verses.verses(b, c)->size()) : 0;
            verses += n;
            if (n > longest.first)
                longest = { n, c };
            if (n < shortest.first)
                shortest = { n, c };
        }
        const bool old = book.testament == Testament::Old;
        QStringList lines { book.canonical,
            u"Kitab ke-"_s + QString::number(b + 1) + u" dari 66 kitab Alkitab; kitab ke-"_s
                + QString::number(b - testamentStart + 1)
                + (old ? u" dari 39 kitab Perjanjian Lama."_s : u" dari 27 kitab Perjanjian Baru."_s),
            u"Jumlah pasal: "_s + indonesian.toString(chapters),
            u"Jumlah ayat: "_s + indonesian.toString(verses) + u" (menurut "_s + m_translation + u')' };
        if (chapters > 1) {
            lines << u"Pasal terpanjang: pasal "_s + QString::number(longest.second) + u" ("_s
                    + QString::number(longest.first) + u" ayat)"_s
                  << u"Pasal terpendek: pasal "_s + QString::number(shortest.second) + u" ("_s
                    + QString::number(shortest.first) + u" ayat)"_s
                  << u"Rata-rata: "_s + indonesian.toString(double(verses) / chapters, 'f', 1)
                    + u" ayat per pasal"_s;
        }
        if (!list.empty()) {
            lines << u"Bagian pertama: "_s + headingLine(list.front().heading) + u" ("_s
                    + list.front().passage.verses() + u')'
                  << u"Bagian terakhir: "_s + headingLine(list.back().heading) + u" ("_s
                    + list.back().passage.verses() + u')';
        }
        m_books[b].facts = crLf(lines);
        ++facts->rows;
    }
}

void StudyMaterial::readDictionaryAndThemes()
{
    auto topicsOf = [&](const SourceList& list, StudyTableSummary& summary) {
        std::vector<Topic> topics;
        for (const QString& path : list.paths) {
            if (const std::vector<DumpEntry>* entries = dump(path, list.where)) {
                std::vector<Topic> read = readTopics(*entries, m_verses, &summary.dropped);
                std::move(read.begin(), read.end(), std::back_inserter(topics));
            }
        }
        return topics;
    };

    if (!m_spec.glossary.isEmpty() || !m_spec.dictionaryTopics.isEmpty()) {
        QElapsedTimer timer;
        timer.start();
        SourceList both { m_spec.glossary.paths + m_spec.dictionaryTopics.paths, m_spec.glossary.where };
        StudyTableSummary& summary = table(u"UsysKamus"_s, both);
        // One row per headword; a headword of several sources (or written twice by one) collects
        // their explanations, the glossary's first.
        std::map<QString, size_t> rows;
        auto add = [&](const QString& word, const QString& text) {
            const QString key = word.toLower();
            const QString stored = QString(text).replace(u"\n"_s, u"\r\n"_s);
            if (const auto it = rows.find(key); it != rows.end()) {
                m_dictionary[it->second].second += u"\r\n\r\n"_s + stored;
                return;
            }
            rows.emplace(key, m_dictionary.size());
            m_dictionary.emplace_back(word, stored);
        };
        for (const QString& path : m_spec.glossary.paths) {
            if (const std::vector<DumpEntry>* entries = dump(path, m_spec.glossary.where)) {
                for (const Headword& h : readGlossary(*entries))
                    add(h.word, h.text);
            }
        }
        for (const Topic& topic : topicsOf(m_spec.dictionaryTopics, summary))
            add(topic.name, topic.text);
        summary.rows = static_cast<int>(m_dictionary.size());
        summary.milliseconds = timer.elapsed();
    }

    if (!m_spec.themeTopics.isEmpty()) {
        QElapsedTimer timer;
        timer.start();
        StudyTableSummary& summary = table(u"UsysTematik"_s, m_spec.themeTopics);
        std::map<QString, std::pair<QString, std::vector<Passage>>> themes; // by lower-case name
        std::vector<QString> order;
        for (Topic& topic : topicsOf(m_spec.themeTopics, summary)) {
            auto [it, added] = themes.try_emplace(topic.name.toLower(), topic.name, std::vector<Passage> {});
            if (added)
                order.push_back(it->first);
            for (const Passage& p : topic.passages) {
                if (std::find(it->second.second.cbegin(), it->second.second.cend(), p)
                    == it->second.second.cend())
                    it->second.second.push_back(p);
            }
        }
        int kept = 0;
        for (const QString& key : order) {
            const auto& [name, passages] = themes[key];
            const int n = static_cast<int>(passages.size());
            if (n < m_spec.themeMinimum || n > m_spec.themeMaximum)
                continue;
            ++kept;
            for (const Passage& p : passages)
                m_themes.emplace_back(name, p.reference());
        }
        summary.rows = static_cast<int>(m_themes.size());
        summary.source += u" ("_s + QString::number(kept) + u" topik dengan "_s
            + QString::number(m_spec.themeMinimum) + u"–"_s + QString::number(m_spec.themeMaximum)
            + u" ayat)"_s;
        summary.milliseconds = timer.elapsed();
    }
}

void StudyMaterial::readProjectTables()
{
    ProjectTables tables(m_verses, m_diagnostics);
    auto each = [&](const SourceList& list, const QString& name, auto read) {
        if (list.isEmpty())
            return;
        QElapsedTimer timer;
        timer.start();
        StudyTableSummary& summary = table(name, list);
        for (const QString& path : list.paths) {
            if (const std::optional<QString> content = projectFile(path, list.where))
                summary.rows += read(path, *content);
        }
        summary.milliseconds = timer.elapsed();
    };
    auto append = [&](auto* target, auto result) {
        m_failed = m_failed || !result;
        if (!result)
            return 0;
        const int n = static_cast<int>(result->size());
        for (auto& item : *result)
            target->push_back(std::move(item));
        return n;
    };
    each(m_spec.parables, u"UsysUmpama"_s,
        [&](const QString& path, const QString& c) { return append(&m_parables, tables.parables(path, c)); });
    each(m_spec.prophecies, u"UsysNubuat"_s, [&](const QString& path, const QString& c) {
        return append(&m_prophecies, tables.prophecies(path, c));
    });
    each(m_spec.pictures, u"UsysGambar"_s, [&](const QString& path, const QString& c) {
        return append(&m_pictures, tables.pictures(path, c, m_pictureFolder));
    });
    each(m_spec.tips, u"TY_tips.dat"_s,
        [&](const QString& path, const QString& c) { return append(&m_tips, tables.tips(path, c)); });
}

std::optional<bool> StudyMaterial::filled(const QString& feature) const
{
    auto anyBook = [&](QString BookStudy::*field) {
        return std::any_of(
            m_books.cbegin(), m_books.cend(), [&](const BookStudy& b) { return !(b.*field).isEmpty(); });
    };
    if (feature == u"Perikop")
        return anyBook(&BookStudy::pericopes);
    if (feature == u"Pengantar")
        return anyBook(&BookStudy::intro);
    if (feature == u"Keterangan")
        return anyBook(&BookStudy::notes) || anyBook(&BookStudy::facts) || anyBook(&BookStudy::survey);
    if (feature == u"Perumpamaan")
        return !m_parables.empty();
    if (feature == u"Nubuat")
        return !m_prophecies.empty();
    if (feature == u"Peta")
        return !m_pictures.empty();
    if (feature == u"Kamus")
        return !m_dictionary.empty();
    if (feature == u"Tematik")
        return !m_themes.empty();
    return std::nullopt;
}

} // namespace tirta::databuilder
