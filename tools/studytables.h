#pragma once

#include "tools/diagnostic.h"
#include "tools/passage.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace tirta::databuilder {

/// A parable and where each gospel tells it (`UsysUmpama`).
struct Parable
{
    QString title;
    std::array<std::optional<Passage>, 4> gospels; ///< Matius, Markus, Lukas, Yohanes
    int line = 0;
};

/// A prophecy and its fulfilment (`UsysNubuat`).
struct Prophecy
{
    QString title;
    Passage spoken; ///< the Old Testament passage
    Passage fulfilled; ///< the New Testament passage
    int line = 0;
};

/// A map or picture of the catalogue (`UsysGambar`).
struct Picture
{
    QString category;
    QString title;
    QString file; ///< a file name without a folder
    QString caption;
    int line = 0;
};

/// Reads the tables the project writes itself. Each reader checks every line and reports each
/// problem as file:line; nothing is returned when there is any. References are written in display
/// form with the canonical Indonesian book names ("Matius 13:1-23") and must name verses of
/// translation 1.
class ProjectTables
{
public:
    ProjectTables(const VerseIndex& verses, Diagnostics* diagnostics)
        : m_verses(verses)
        , m_diagnostics(diagnostics)
    { }

    /// "title | Matius | Markus | Lukas | Yohanes", "-" where a gospel does not tell it.
    std::optional<std::vector<Parable>> parables(const QString& path, QStringView content);
    /// "title | Old Testament passage | New Testament passage".
    std::optional<std::vector<Prophecy>> prophecies(const QString& path, QStringView content);
    /// "category | title | file | caption"; every file must exist in `folder`.
    std::optional<std::vector<Picture>> pictures(
        const QString& path, QStringView content, const QString& folder);
    /// One tip per line.
    std::optional<QStringList> tips(const QString& path, QStringView content);
    /// "heading == passage", per book in reading order: the pericope lists of the books.
    std::optional<std::vector<std::pair<QString, Passage>>> pericopes(
        const QString& path, QStringView content);
    /// "passage == target, target, ...": the cross references of a verse.
    std::optional<std::vector<std::pair<Passage, std::vector<Passage>>>> crossReferences(
        const QString& path, QStringView content);

private:
    /// Calls `line` with the fields of every line that is not blank or a comment.
    bool eachLine(const QString& path, QStringView content, QStringView separator, int fields,
        const std::function<void(const QStringList&, int)>& line);
    std::optional<Passage> passage(const QString& text, int line);
    bool title(const QString& text, int line, QStringList* seen);
    void fail(Problem problem, int line, const QString& message);

    const VerseIndex& m_verses;
    Diagnostics* m_diagnostics;
    QString m_path;
    bool m_failed = false;
};

} // namespace tirta::databuilder
