#pragma once

#include <QHash>
#include <QString>
#include <QUrl>

#include <vector>

namespace tirta::info {

/// The program's own handbook ("Panduan Program"): Indonesian HTML pages shipped inside the
/// program, with a table of contents and a search over their text. A page is named by its file name
/// without ".html" ("bahasa-pencarian"), optionally followed by "#" and an anchor.
class Handbook
{
public:
    /// One line of the table of contents.
    struct Entry
    {
        QString page;
        QString title;
        int level = 0; ///< 0 for a chapter, 1 for a section under it, …
    };
    /// A page that holds what was searched for.
    struct Hit
    {
        QString page;
        QString title;
        int count = 0; ///< how often the words occur on it
    };

    /// The handbook shipped with the program.
    Handbook();

    /// Where the pages are: a folder of the program's resources.
    static QString folder();
    /// The address of a page, with its anchor if it names one.
    static QUrl urlOf(const QString& page);
    /// The page an address shows (without its anchor); empty for an address outside the handbook.
    static QString pageOf(const QUrl& url);

    /// The table of contents, in reading order.
    const std::vector<Entry>& contents() const { return m_contents; }
    /// Whether `page` (without anchor) is a page of the handbook.
    bool hasPage(const QString& page) const;
    /// The HTML of a page; empty for a page that does not exist.
    QString html(const QString& page) const;
    /// The title of a page, from its <title>.
    QString title(const QString& page) const;

    /// The pages that hold every word of `query`, case ignored, most occurrences first (pages with
    /// as many in the order of the contents). An empty query finds nothing.
    std::vector<Hit> search(const QString& query) const;

private:
    QString plainText(const QString& page) const;

    std::vector<Entry> m_contents;
    mutable QHash<QString, QString> m_plain;
};

} // namespace tirta::info
