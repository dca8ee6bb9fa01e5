#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace tirta::search {

/// The third line of a result file: " -- Sintaks Pencarian: " and the search text as typed.
QString syntaxLine(const QString& searchText);
/// An elapsed time as the result file and the progress dialog show it: "hh:mm:ss".
QString formatElapsed(qint64 milliseconds);
/// The tag that follows the time line of a stopped search: " -- (PENCARIAN DIHENTIKAN)".
QString stopTag();
/// The reference header written before every hit: two line breaks, then book, a space, chapter.
QString hitHeader(const QString& book, const QString& chapter);

/// The text of a result file, built while a search runs and written whole when it ends. With
/// CR LF after every line, a finished file reads:
///
///     caption
///     scope caption
///      -- Sintaks Pencarian: <search text>
///      -- Ditemukan : <n> ayat
///      -- Waktu Pencarian : hh:mm:ss
///     <stop tag or nothing>
///     <empty line>
///     <book> <chapter>
///     <hit line>
///     ...                                       (a stopped search ends with two line
///     --PENCARIAN DIHENTIKAN--                   breaks and this line)
///
/// The count and time lines are known only after the scan, so they are written by `opening`
/// once the hits are in.
class ResultText
{
public:
    ResultText(const QString& caption, const QString& scopeCaption, const QString& syntaxLine);

    /// The heading lines (caption, scope caption, syntax line), each ended by CR LF.
    QString heading() const { return m_head; }
    /// Appends one hit: the header (see `hitHeader`), a line break, the line as stored, a line break.
    void appendHit(QStringView header, QStringView line);
    /// The same for a header and a line in UTF-8, taken as they are.
    void appendHitUtf8(QByteArrayView header, QByteArrayView line);
    /// Appends the closing line of a stopped search.
    void appendStopMarker();
    /// The start of the file in UTF-8: the heading lines, the count and time lines and the stop tag
    /// (empty after a complete search). The hits follow it.
    QByteArray opening(int hits, const QString& elapsed, const QString& stopTag) const;
    /// The hits (and the stop marker) in UTF-8.
    const QByteArray& hits() const { return m_body; }

private:
    QString m_head;
    QByteArray m_body;
};

/// "~ty" + `SearchKeyChecksum`(key) + ".tmp".
QString resultFileName(const QString& searchKey);
/// The result file of a search key in `folder` (which ends in "/").
QString resultFilePath(const QString& searchKey, const QString& folder);
/// Whether a file name is that of a result file: "~ty", decimal digits, optionally "-" and a
/// second number (see `chooseResultFile`), ".tmp". The bookmark file "~tyBookmarks.tmp" lives in
/// the same folder and is not one.
bool isResultFileName(QStringView name);

/// The file a search uses: its own when it exists, else a free name.
struct ResultFileChoice
{
    QString path;
    bool exists = false; ///< the search's own file is there (from an earlier run of the same search)
};

/// Finds the file of the search whose file opens with `heading` (its heading lines in UTF-8) among
/// `basePath` and its numbered siblings. Many keys share a checksum ("cinta" and "injil" over the
/// whole Bible do), so a file counts as the search's own only when it opens with the same heading;
/// a file of another search keeps its name and this search takes "~ty<n>-2.tmp", "~ty<n>-3.tmp"
/// and so on. Every sibling is looked at, so a search finds its file even after the file before it
/// was deleted; without one it takes the first free name.
ResultFileChoice chooseResultFile(const QString& basePath, const QByteArray& heading);

/// Reads a result file as text (UTF-8, line breaks as stored); an empty text and `error` when it
/// cannot be read.
QString readResultFile(const QString& path, QString* error = nullptr);
/// Writes a result file whole, in UTF-8, as given (the text already has its CR LF line ends).
bool writeResultFile(const QString& path, const QString& text, QString* error = nullptr);
/// Writes a finished search's result file whole: `ResultText::opening`, then the hits.
bool writeResultFile(const QString& path, const ResultText& text, int hits, const QString& elapsed,
    const QString& stopTag, QString* error = nullptr);

/// Deletes every result file in `folder` and returns how many were deleted. The caller decides
/// when: the main window does it at exit while "Hapus Hasil Pencarian saat keluar dari program" is
/// ticked. Only files named as `isResultFileName` says are touched.
int DeleteResultFiles(const QString& folder);

} // namespace tirta::search
