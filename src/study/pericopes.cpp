#include "pericopes.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace tirta::study {

int PericopeLabels::lastLaidOut() const
{
    return std::clamp(usedCount + 1, 0, kLastPericopeLabel);
}

PericopeLabels pericopeLabels(const QString& list)
{
    PericopeLabels labels;
    // The stored lists end their lines with CR LF; a list written with bare line feeds reads alike.
    QStringList lines = list.split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (lines[k].isEmpty())
            continue;
        const QStringList pieces = lines[k].split(u"=="_s);
        const qsizetype heading = 2 * k;
        if (heading > kLastPericopeLabel)
            break;
        labels.texts[heading] = pieces[0];
        if (pieces.size() > 1 && heading + 1 <= kLastPericopeLabel)
            labels.texts[heading + 1] = pieces[1];
    }
    labels.usedCount
        = static_cast<int>(std::min<qsizetype>(2 * (lines.size() - 1), std::numeric_limits<int>::max()));
    return labels;
}

std::optional<int> PericopeTarget::chapterNumber() const
{
    bool ok = false;
    const int number = chapter.trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

std::optional<PericopeTarget> pericopeTarget(const QString& passageLabel)
{
    const QString label = passageLabel.trimmed();
    if (label.isEmpty())
        return std::nullopt;
    PericopeTarget target;
    const QString inner = label.mid(1, label.size() - 2);
    const qsizetype hash = inner.indexOf(u'#');
    if (hash < 0)
        return target;
    const QString chapterAndVerse = inner.mid(hash + 1).trimmed();
    if (chapterAndVerse.isEmpty())
        return target;
    const QStringList pieces = chapterAndVerse.split(u':');
    target.chapter = pieces[0];
    if (pieces.size() > 1)
        target.firstVerse = pieces[1].section(u'-', 0, 0).trimmed();
    return target;
}

qsizetype pericopeCaret(const QString& paneText, const PericopeTarget& target)
{
    const qsizetype at = paneText.indexOf(target.chapter + u':' + target.firstVerse);
    const qsizetype lineEnd = paneText.indexOf(u'\n', at < 0 ? 0 : at + 1);
    return lineEnd < 0 ? paneText.size() : lineEnd;
}

int pericopeContentTop(int scrollValue, int scrollRange)
{
    return -static_cast<int>(
        std::lround(double(scrollValue) * double(scrollRange) / double(kPericopeScrollMaximum)));
}

} // namespace tirta::study
