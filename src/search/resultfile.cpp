#include "resultfile.h"

#include "foundation/checksum.h"
#include "foundation/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

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
    m_body += header;
    m_body += kCrLf;
    m_body += line;
    m_body += kCrLf;
}

void ResultText::appendStopMarker()
{
    m_body += u"\r\n\r\n--PENCARIAN DIHENTIKAN--\r\n"_s;
}

namespace {
QString countLines(int hits, const QString& elapsed, const QString& stopTag)
{
    return u" -- Ditemukan : "_s + QString::number(hits) + u" ayat \r\n -- Waktu Pencarian : "_s + elapsed
        + kCrLf + stopTag;
}
} // namespace

QString ResultText::finished(int hits, const QString& elapsed, const QString& stopTag) const
{
    return m_head + countLines(hits, elapsed, stopTag) + m_body;
}

QString insertCountLines(
    const QString& text, const QString& syntaxLine, int hits, const QString& elapsed, const QString& stopTag)
{
    qsizetype at = -1;
    const qsizetype found = syntaxLine.isEmpty() ? -1 : text.indexOf(syntaxLine);
    if (found >= 0) {
        // The start of the line after it: past the line and its CR LF.
        at = std::min(found + syntaxLine.size() + 2, text.size());
    } else {
        at = 0;
        for (int line = 0; line < 3 && at >= 0; ++line) {
            const qsizetype next = text.indexOf(kCrLf, at);
            at = next < 0 ? -1 : next + 2;
        }
        if (at < 0)
            at = text.size();
    }
    return text.left(at) + countLines(hits, elapsed, stopTag) + text.mid(at);
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
    if (!name.startsWith(u"~ty") || !name.endsWith(u".tmp"))
        return false;
    const QStringView digits = name.mid(3, name.size() - 7);
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
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
    return writeFileWhole(path, text.toUtf8(), error);
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
