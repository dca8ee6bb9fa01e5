#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tirta::info {

/// The name of the tips file beside the program.
inline constexpr QStringView kTipsFileName = u"TY_tips.dat";

/// The path of the tips file in `programFolder`.
QString tipsFilePath(const QString& programFolder);

/// The tips in the bytes of a tips file: UTF-8 text, one tip per line, lines ended by CR LF (a
/// lone LF serves too). Each tip is the line as stored; blank lines hold no tip.
QStringList parseTips(const QByteArray& bytes);

/// The tips of the tips file in `programFolder`; none when the file is missing or unreadable.
QStringList readTips(const QString& programFolder);

/// Pages through the tips, wrapping around at both ends.
class TipPager
{
public:
    /// Starts at the tip `draw` × last index, rounded to the nearest index, where `draw` is a value
    /// in [0, 1) of the program's pseudo-random sequence.
    TipPager(QStringList tips, double draw);

    /// The tip shown; empty when there are none.
    QString current() const;
    /// Its index; -1 when there are no tips.
    int index() const { return m_index; }
    /// Whether there is no tip at all (nothing to show or page through).
    bool isEmpty() const { return m_tips.isEmpty(); }

    /// The following tip, the first after the last.
    void next();
    /// The preceding tip, the last before the first.
    void previous();

private:
    QStringList m_tips;
    int m_index = -1;
};

} // namespace tirta::info
