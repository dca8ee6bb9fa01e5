#include "studytables.h"

#include "tools/bookcodes.h"

#include <QDir>
#include <QFileInfo>

namespace tirta::databuilder {

using namespace Qt::StringLiterals;

namespace {

constexpr int kLongestTip = 400;
const QStringList kGospels { u"Matius"_s, u"Markus"_s, u"Lukas"_s, u"Yohanes"_s };

bool isOldTestament(const Passage& p)
{
    return bibleBooks()[p.book].testament == Testament::Old;
}

} // namespace

void ProjectTables::fail(Problem problem, int line, const QString& message)
{
    m_failed = true;
    if (m_diagnostics)
        m_diagnostics->append({ problem, m_path, line, message });
}

bool ProjectTables::eachLine(const QString& path, QStringView content, QStringView separator, int fields,
    const std::function<void(const QStringList&, int)>& line)
{
    m_path = path;
    m_failed = false;
    const QList<QStringView> lines = content.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString text = lines[i].trimmed().toString();
        if (text.isEmpty() || text.startsWith(u'#'))
            continue;
        QStringList parts = fields == 1 ? QStringList { text } : text.split(separator.toString());
        for (QString& part : parts)
            part = part.trimmed();
        if (parts.size() != fields) {
            fail(Problem::MissingMark, i + 1,
                u"baris harus berisi "_s + QString::number(fields) + u" bagian dipisah \""_s
                    + separator.toString() + u"\", bukan "_s + QString::number(parts.size()));
            continue;
        }
        line(parts, i + 1);
    }
    return !m_failed;
}

std::optional<Passage> ProjectTables::passage(const QString& text, int line)
{
    // The book must be spelled as the reference strings of the data file spell it.
    const qsizetype space = text.lastIndexOf(u' ');
    const int book = space > 0 ? findBookIndex(text.first(space)) : -1;
    if (book < 0 || bibleBooks()[book].canonical != text.first(space)) {
        fail(Problem::BadReference, line,
            u"\""_s + text + u"\": tulis nama kitab kanonik, pasal:ayat (misalnya \"Matius 13:1-23\")"_s);
        return std::nullopt;
    }
    const ResolvedReference resolved = resolveWrittenReference(text, m_verses);
    if (!resolved.passage || !text.contains(u':')) {
        fail(Problem::BadReference, line,
            u"\""_s + text + u"\" tidak menunjuk ayat yang ada di terjemahan 1"_s
                + (resolved.crossesChapters ? u" (rentang harus di dalam satu pasal)"_s : QString()));
        return std::nullopt;
    }
    return resolved.passage;
}

bool ProjectTables::title(const QString& text, int line, QStringList* seen)
{
    // Titles go into the program's criteria between single quotes, and are compared without case.
    if (text.isEmpty() || text.contains(u'\'')) {
        fail(Problem::BadValue, line,
            text.isEmpty() ? u"judul kosong"_s : u"judul tidak boleh memuat tanda ' (pakai ’)"_s);
        return false;
    }
    if (seen->contains(text, Qt::CaseInsensitive)) {
        fail(Problem::Duplicate, line, u"judul \""_s + text + u"\" ditulis dua kali"_s);
        return false;
    }
    *seen << text;
    return true;
}

std::optional<std::vector<Parable>> ProjectTables::parables(const QString& path, QStringView content)
{
    std::vector<Parable> result;
    QStringList titles;
    const bool ok = eachLine(path, content, u"|", 5, [&](const QStringList& parts, int line) {
        Parable parable { parts[0], {}, line };
        bool any = false;
        for (int g = 0; g < 4; ++g) {
            if (parts[g + 1] == u"-")
                continue;
            parable.gospels[g] = passage(parts[g + 1], line);
            any = true;
            if (parable.gospels[g] && bibleBooks()[parable.gospels[g]->book].canonical != kGospels[g])
                fail(Problem::BadReference, line,
                    u"kolom "_s + kGospels[g] + u" memuat \""_s + parts[g + 1] + u'"');
        }
        if (!any)
            fail(Problem::MissingValue, line, u"perumpamaan tanpa satu injil pun"_s);
        if (title(parts[0], line, &titles))
            result.push_back(std::move(parable));
    });
    return ok ? std::optional(std::move(result)) : std::nullopt;
}

std::optional<std::vector<Prophecy>> ProjectTables::prophecies(const QString& path, QStringView content)
{
    std::vector<Prophecy> result;
    QStringList titles;
    const bool ok = eachLine(path, content, u"|", 3, [&](const QStringList& parts, int line) {
        const std::optional<Passage> spoken = passage(parts[1], line);
        const std::optional<Passage> fulfilled = passage(parts[2], line);
        if (spoken && !isOldTestament(*spoken))
            fail(Problem::BadReference, line, u"nubuat harus di Perjanjian Lama: \""_s + parts[1] + u'"');
        if (fulfilled && isOldTestament(*fulfilled))
            fail(
                Problem::BadReference, line, u"penggenapan harus di Perjanjian Baru: \""_s + parts[2] + u'"');
        if (title(parts[0], line, &titles) && spoken && fulfilled)
            result.push_back({ parts[0], *spoken, *fulfilled, line });
    });
    return ok ? std::optional(std::move(result)) : std::nullopt;
}

std::optional<std::vector<Picture>> ProjectTables::pictures(
    const QString& path, QStringView content, const QString& folder)
{
    static const QStringList kinds { u"png"_s, u"jpg"_s, u"jpeg"_s, u"gif"_s, u"bmp"_s };
    std::vector<Picture> result;
    QStringList titles;
    const bool ok = eachLine(path, content, u"|", 4, [&](const QStringList& parts, int line) {
        const QString& file = parts[2];
        if (parts[0].isEmpty() || parts[0].contains(u'\''))
            fail(Problem::BadValue, line, u"kategori kosong atau memuat tanda '"_s);
        if (file.contains(u'/') || file.contains(u'\\')
            || !kinds.contains(QFileInfo(file).suffix().toLower()))
            fail(Problem::BadValue, line,
                u"\""_s + file + u"\" harus nama berkas gambar tanpa folder (png, jpg, gif, bmp)"_s);
        else if (!QFileInfo(QDir(folder).filePath(file)).isFile())
            fail(Problem::FileUnreadable, line, u"gambar tidak ada: "_s + QDir(folder).filePath(file));
        if (title(parts[1], line, &titles))
            result.push_back({ parts[0], parts[1], file, parts[3], line });
    });
    return ok ? std::optional(std::move(result)) : std::nullopt;
}

std::optional<QStringList> ProjectTables::tips(const QString& path, QStringView content)
{
    QStringList result;
    const bool ok = eachLine(path, content, {}, 1, [&](const QStringList& parts, int line) {
        if (parts[0].size() > kLongestTip)
            fail(Problem::TooLong, line,
                u"tip lebih dari "_s + QString::number(kLongestTip)
                    + u" karakter tidak muat di jendela tip"_s);
        result << parts[0];
    });
    if (ok && result.isEmpty())
        fail(Problem::NoText, 0, u"berkas tip tanpa satu tip pun"_s);
    return ok && !m_failed ? std::optional(result) : std::nullopt;
}

std::optional<std::vector<std::pair<QString, Passage>>> ProjectTables::pericopes(
    const QString& path, QStringView content)
{
    std::vector<std::pair<QString, Passage>> result;
    const bool ok = eachLine(path, content, u"==", 2, [&](const QStringList& parts, int line) {
        if (parts[0].isEmpty())
            fail(Problem::MissingValue, line, u"perikop tanpa judul"_s);
        else if (const std::optional<Passage> p = passage(parts[1], line))
            result.emplace_back(parts[0], *p);
    });
    return ok ? std::optional(std::move(result)) : std::nullopt;
}

std::optional<std::vector<std::pair<Passage, std::vector<Passage>>>> ProjectTables::crossReferences(
    const QString& path, QStringView content)
{
    std::vector<std::pair<Passage, std::vector<Passage>>> result;
    const bool ok = eachLine(path, content, u"==", 2, [&](const QStringList& parts, int line) {
        const std::optional<Passage> source = passage(parts[0], line);
        std::vector<Passage> targets;
        for (const QString& target : parts[1].split(u',', Qt::SkipEmptyParts)) {
            if (const std::optional<Passage> p = passage(target.trimmed(), line))
                targets.push_back(*p);
        }
        if (source && source->first != source->last)
            fail(Problem::BadReference, line, u"sumber referensi harus satu ayat: \""_s + parts[0] + u'"');
        else if (source && !targets.empty())
            result.emplace_back(*source, std::move(targets));
    });
    return ok ? std::optional(std::move(result)) : std::nullopt;
}

} // namespace tirta::databuilder
