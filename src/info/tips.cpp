#include "tips.h"

#include <QFile>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace tirta::info {

QString tipsFilePath(const QString& programFolder)
{
    // A folder given with its trailing slash (a root) does not get a second one.
    QString path = programFolder + u'/' + kTipsFileName;
    path.replace(u"//"_s, u"/"_s);
    return path;
}

QStringList parseTips(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList tips;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            tips.append(line);
    }
    return tips;
}

QStringList readTips(const QString& programFolder)
{
    QFile file(tipsFilePath(programFolder));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseTips(file.readAll());
}

TipPager::TipPager(QStringList tips, double draw)
    : m_tips(std::move(tips))
{
    if (m_tips.isEmpty())
        return;
    const auto last = static_cast<int>(m_tips.size() - 1);
    m_index = std::clamp(static_cast<int>(std::lround(draw * last)), 0, last);
}

QString TipPager::current() const
{
    return m_index < 0 ? QString() : m_tips.at(m_index);
}

void TipPager::next()
{
    if (!m_tips.isEmpty())
        m_index = m_index + 1 > m_tips.size() - 1 ? 0 : m_index + 1;
}

void TipPager::previous()
{
    if (!m_tips.isEmpty())
        m_index = m_index - 1 < 0 ? static_cast<int>(m_tips.size() - 1) : m_index - 1;
}

} // namespace tirta::info
