#include "resultfile.h"

#include "foundation/checksum.h"
#include "foundation/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>

#include <cstring>

namespace tirta::search {

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcResultFile, "tirtamaya.search")

namespace {
constexpr QStringView kCrLf = u"\r\n";
}

QString syntaxLine(const QString& searchText)
{
    return u" -- Sintaks Pencarian: "_s + searchText;
}

QString formatElapsed(qint64 milliseconds)
{
    const qint64 seconds = std::max<qint64>(0, milliseconds) / 1000;
    const auto two = [](qint64 n) { return QString::number(n).rightJustified(2, u'0'); };
    return two(seconds / 3600) + u':' + two(seconds / 60 % 60) + u':' + two(seconds % 60);
}

QString stopTag()
{
    return u" -- (PENCARIAN DIHENTIKAN)"_s;
}

QString hitHeader(const QString& book, const QString& chapter)
{
    return u"\r\n\r\n"_s + book + u' ' + chapter;
}

ResultText::ResultText(const QString& caption, const QString& scopeCaption, const QString& syntaxLine)
    : m_head(caption + kCrLf + scopeCaption + kCrLf + syntaxLine + kCrLf)
{ }

void ResultText::appendHit(QStringView header, QStringView line)
{
    appendHitUtf8(header.toUtf8(), line.toUtf8());
}

void ResultText::appendHitUtf8(QByteArrayView header, QByteArrayView line)
{
    // One growth and plain copies: a common word gives tens of thousands of hits.
    const qsizetype at = m_body.size();
    m_body.resize(at + header.size() + line.size() + 4);
    char* to = m_body.data() + at;
    std::memcpy(to, header.data(), static_cast<size_t>(header.size()));
    to += header.size();
    std::memcpy(to, "\r\n", 2);
    std::memcpy(to + 2, line.data(), static_cast<size_t>(line.size()));
    std::memcpy(to + 2 + line.size(), "\r\n", 2);
}

void ResultText::appendStopMarker()
{
    m_body += "\r\n\r\n--PENCARIAN DIHENTIKAN--\r\n";
}

namespace {
QString countLines(int hits, const QString& elapsed, const QString& stopTag)
{
    return u" -- Ditemukan : "_s + QString::number(hits) + u" ayat \r\n -- Waktu Pencarian : "_s + elapsed
        + kCrLf + stopTag;
}
} // namespace

QByteArray ResultText::opening(int hits, const QString& elapsed, const QString& stopTag) const
{
    return QString(m_head + countLines(hits, elapsed, stopTag)).toUtf8();
}

QString resultFileName(const QString& searchKey)
{
    return u"~ty"_s + SearchKeyChecksum(searchKey) + u".tmp"_s;
}

QString resultFilePath(const QString& searchKey, const QString& folder)
{
    const QString base = folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
    return base + resultFileName(searchKey);
}

bool isResultFileName(QStringView name)
{
    static const QRegularExpression pattern(u"^~ty[0-9]*(-[0-9]+)?\\.tmp$"_s);
    return pattern.match(name).hasMatch();
}

namespace {

/// Whether the file at `path` begins with `heading`.
bool opensWith(const QString& path, const QByteArray& heading)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(heading.size()) == heading;
}

/// How many names a checksum may take before the first one is simply reused.
constexpr int kMaxSharedNames = 1000;

} // namespace

ResultFileChoice chooseResultFile(const QString& basePath, const QByteArray& heading)
{
    const QString stem = basePath.endsWith(u".tmp"_s) ? basePath.chopped(4) : basePath;
    const auto pathOf
        = [&](int n) { return n == 1 ? basePath : stem + u'-' + QString::number(n) + u".tmp"_s; };
    const QFileInfo base(basePath);
    const QString stemName = QFileInfo(stem).fileName();
    std::vector<int> taken;
    const QStringList names = base.dir().entryList({ stemName + u"*.tmp"_s },
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot | QDir::CaseSensitive);
    for (const QString& name : names) {
        // The stem itself, or the stem, "-" and a number from 2 on ("-0" and "-1" are not given).
        const QStringView middle
            = QStringView(name).sliced(stemName.size(), name.size() - stemName.size() - 4);
        bool ok = middle.isEmpty();
        const int n
            = ok ? 1 : (middle.startsWith(u'-') && middle.size() <= 10 ? middle.sliced(1).toInt(&ok) : 0);
        if (ok && (middle.isEmpty() || n >= 2))
            taken.push_back(n);
    }
    std::sort(taken.begin(), taken.end());
    for (const int n : taken) {
        const QString path = pathOf(n);
        if (QFileInfo(path).isFile() && opensWith(path, heading))
            return { path, true };
    }
    int free = 1;
    for (const int n : taken) {
        if (n == free)
            ++free;
    }
    if (free > kMaxSharedNames) {
        qCDebug(lcResultFile) << "every name of" << basePath << "is taken; the first is replaced";
        return { basePath, false };
    }
    return { pathOf(free), false };
}

QString readResultFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

bool writeResultFile(const QString& path, const QString& text, QString* error)
{
    return writeScratchFileWhole(path, { text.toUtf8() }, error);
}

bool writeResultFile(const QString& path, const ResultText& text, int hits, const QString& elapsed,
    const QString& stopTag, QString* error)
{
    return writeScratchFileWhole(path, { text.opening(hits, elapsed, stopTag), text.hits() }, error);
}

int DeleteResultFiles(const QString& folder)
{
    const QDir dir(folder);
    int deleted = 0;
    const QFileInfoList files
        = dir.entryInfoList({ u"~ty*.tmp"_s }, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& info : files) {
        if (!isResultFileName(info.fileName()))
            continue;
        if (QFile::remove(info.filePath()))
            ++deleted;
        else
            qCDebug(lcResultFile) << "could not delete" << info.filePath();
    }
    return deleted;
}

} // namespace tirta::search
