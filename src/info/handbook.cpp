#include "handbook.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tirta::info {

namespace {

QString readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

Handbook::Handbook()
{
    // The table of contents: one page a line, two spaces of indent per level; "#" starts a comment.
    const QString manifest = readResource(folder() + u"/isi.txt"_s);
    for (const QString& line : manifest.split(u'\n')) {
        const QString page = line.trimmed();
        if (page.isEmpty() || page.startsWith(u'#'))
            continue;
        const auto indent = line.indexOf(page);
        m_contents.push_back({ page, title(page), static_cast<int>(indent / 2) });
    }
}

QString Handbook::folder()
{
    return u":/panduan"_s;
}

QUrl Handbook::urlOf(const QString& page)
{
    const qsizetype hash = page.indexOf(u'#');
    QUrl url(u"qrc:/panduan/"_s + (hash < 0 ? page : page.left(hash)) + u".html"_s);
    if (hash >= 0)
        url.setFragment(page.mid(hash + 1));
    return url;
}

QString Handbook::pageOf(const QUrl& url)
{
    if (url.scheme() != u"qrc"_s || !url.path().startsWith(u"/panduan/"_s)
        || !url.path().endsWith(u".html"_s))
        return {};
    const QString file = url.path().mid(9);
    return file.left(file.size() - 5);
}

bool Handbook::hasPage(const QString& page) const
{
    return !page.isEmpty() && !page.contains(u'/') && QFile::exists(folder() + u'/' + page + u".html"_s);
}

QString Handbook::html(const QString& page) const
{
    return hasPage(page) ? readResource(folder() + u'/' + page + u".html"_s) : QString();
}

QString Handbook::title(const QString& page) const
{
    static const QRegularExpression kTitle(u"<title>([^<]*)</title>"_s);
    const QRegularExpressionMatch match = kTitle.match(html(page));
    return match.hasMatch() ? match.captured(1).trimmed() : page;
}

QString Handbook::plainText(const QString& page) const
{
    auto found = m_plain.constFind(page);
    if (found != m_plain.constEnd())
        return *found;
    QTextDocument document;
    document.setHtml(html(page));
    return *m_plain.insert(page, document.toPlainText());
}

std::vector<Handbook::Hit> Handbook::search(const QString& query) const
{
    const QStringList words = query.simplified().split(u' ', Qt::SkipEmptyParts);
    std::vector<Hit> hits;
    if (words.isEmpty())
        return hits;
    for (const Entry& entry : m_contents) {
        const QString text = plainText(entry.page);
        int count = 0;
        bool all = true;
        for (const QString& word : words) {
            const auto n = static_cast<int>(text.count(word, Qt::CaseInsensitive));
            all = all && n > 0;
            count += n;
        }
        if (all)
            hits.push_back({ entry.page, entry.title, count });
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.count > b.count; });
    return hits;
}

} // namespace tirta::info
