#pragma once

#include "foundation/datasession.h"
#include "search/queryparser.h"
#include "search/resultfile.h"
#include "search/resultlist.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tirta {
class DataSession;
class Recordset;
} // namespace tirta

/// The search over the active translation ("Cari Semua") and the parts a sister search reuses.
///
/// A window gathers a `Request`, runs `searchAll` with its progress dialog as the `Progress`, and
/// acts on the `Outcome`:
///
///     const Outcome outcome = searchAll(request, session, &progressDialog);
///     if (!outcome.message.isEmpty())
///         MessageBox::info(this, outcome.message);         // refusals and failures
///     if (outcome.showsResults())
///         showInResultsWindow(readResultFile(outcome.path)); // complete, stopped or reused
///     if (outcome.status == Status::Complete)
///         resultList.AddToResultList(outcome.entry, request.optimal);
///
/// A search over another table builds its own `ResultText` and `LineFilter` and calls `scanRows`.
namespace tirta::search {

/// Where "Cari Semua" searches: the entries of the scope box, in their order.
enum class Scope
{
    Chapter = 0, ///< "Cari di Pasal aktif"
    Book = 1, ///< "Cari di Kitab aktif"
    Testament = 2, ///< "Cari di Perjanjian aktif"
    Bible = 3, ///< "Pencarian di Seluruh Alkitab"
};

/// The texts of the scope box, indexed by `Scope`.
QStringList scopeNames();
/// The text of one scope box entry.
QString scopeName(Scope scope);

/// A search over a table of its own instead of the Bible's chapters (the deuterocanonical books):
/// no scope, reference lines from a book-name column of that table, a result file named by the
/// caller's key and a result-list entry of the caller's. The request's `column` is the text column,
/// its `caption` the first line of the result file and its `translationName` the second.
struct TableTarget
{
    QString table; ///< the table searched ("UsysDeuterokanonika")
    QString bookColumn; ///< the column whose value opens each reference line ("Buku1")
    QString key; ///< the search key that names the result file
    tirta::Role role = tirta::Role::DeuteroSearch; ///< the session's recordset that keeps the preselection
    bool stopMarker = false; ///< whether a stopped search ends with "--PENCARIAN DIHENTIKAN--"
    /// Told instead of "Kata tidak ditemukan" when the text column holds no text at all; empty
    /// means no such test.
    QString noTextMessage;
    /// The result-list entry of a complete search from its file, hits and time.
    std::function<ResultEntry(const QString& path, int hits, const QString& elapsed)> entry;
};

/// Everything a search over the active translation needs, gathered by the main window when the
/// user presses "Cari Semua".
struct Request
{
    QString text; ///< the search box text, as typed
    Scope scope = Scope::Bible;
    bool matchCase = false; ///< "Kata Tepat"
    QString column; ///< text column of the active translation ("Kitab1")
    QString translationName; ///< its display name, for the result list
    QString caption; ///< the main window's caption, the first line of the result file
    QString bookListText; ///< the selected book-list entry as the list shows it
    QString book; ///< the canonical name of that entry (the `Buku` value)
    bool oldTestament = true; ///< the "Lama" option is chosen (else "Baru")
    int chapterIndex = -1; ///< the chapter list index; the chapter is index + 1
    QString testament; ///< `Perjanjian` of the chapter on screen ("Lama" or "Baru")
    bool optimal = true; ///< "Pencarian Optimal": reuse stored results and list new ones
    QString tempFolder; ///< folder of the result files; empty means `tirta::TempFolder()`
    std::optional<TableTarget> target; ///< another table than the chapters; the scope then plays no part
};

/// How a search ended.
enum class Status
{
    Complete, ///< scanned to the end; the result file is written, `entry` is ready for the list
    Stopped, ///< the user stopped it; the result file is written with the stop lines, not listed
    Reused, ///< "Pencarian Optimal" found the stored result file of the same search
    TooShort, ///< fewer than three characters
    BadSyntax, ///< nothing before the first "+" or "^"
    NotFound, ///< the preselection found no chapter
    QueryFailed, ///< the data file rejected the preselection
    WriteFailed, ///< the result file could not be written
};

/// What a search hands back to its window. The window shows `message` when it is not empty, and
/// loads `path` into the results view when `showsResults()`.
struct Outcome
{
    Status status = Status::Complete;
    QString message; ///< Indonesian text for a message box (OK only, no icon), or empty
    QString path; ///< the result file
    int hits = 0; ///< lines found (Complete, Stopped)
    QString elapsed; ///< scan time "hh:mm:ss" (Complete, Stopped)
    QString sql; ///< the preselection query, once built
    QString scopeCaption; ///< second line of the result file
    ResultEntry entry; ///< for `ResultList::AddToResultList` (Complete)

    bool showsResults() const
    {
        return status == Status::Complete || status == Status::Stopped || status == Status::Reused;
    }
};

/// The window's side of a running search: the progress dialog. Every call comes from the search,
/// on the caller's thread.
class Progress
{
public:
    virtual ~Progress() = default;
    /// The scan starts: the dialog's count field shows its waiting text, the time field 00:00:00.
    virtual void started() { }
    /// The scan is running: `hits` so far and the time since it started. Called by time, about
    /// every `kTickInterval` ms (never more than 15 ms apart, rows of ordinary size assumed) and
    /// never in a scan that ends sooner: this is where the window updates its fields and lets its
    /// event loop run, so a quick search costs no event processing at all.
    virtual void tick(int hits, qint64 elapsedMs) = 0;
    /// Whether the user asked to stop (ESC or the stop button). Asked once before the first chapter
    /// and then at the first chapter boundary after each `tick`.
    virtual bool stopRequested() = 0;
    /// The scan is over, stopped or not (the dialog hides).
    virtual void finished(int /*hits*/, qint64 /*elapsedMs*/) { }
};

/// The interval between two `Progress::tick` calls, in milliseconds.
inline constexpr qint64 kTickInterval = 10;

/// A monotonic clock in milliseconds. Tests pass their own to control the elapsed time.
using Clock = std::function<qint64()>;
/// The system's monotonic clock.
Clock steadyClock();

/// The text with every single quote doubled, as it goes into a quoted SQL text.
QString doubleQuotes(const QString& text);
/// The text with every doubled single quote made single again.
QString undoubleQuotes(const QString& text);

/// The key that names a search's result file: the column and the quote-doubled text, then the
/// scope's own choices (scope box text, book-list entry, "True"/"False" for "Lama", "Kata Tepat" as
/// "0"/"1", chapter list index; the whole-Bible scope uses "2" and the "Kata Tepat" value only).
/// A search over another table uses its target's key.
QString searchKey(const Request& request);
/// The SQL condition that a text column holds a text (quotes already doubled) as it is typed:
/// column LIKE '*text*' with the dialect's wildcards in the text ("*", "?", "#", "[") bracketed so
/// that they stand for themselves. "Cari" and "Cari Semua" both build their conditions with it.
QString likeTerm(const QString& column, QStringView quotedText);
/// The SQL condition for the alternatives of `WordList1` (quotes already doubled): a `likeTerm` per
/// alternative, joined by " or " (in nested groups when there are very many).
QString likeCriterion(const QString& column, const QString& wordList1);
/// The preselection query of a scope around a criterion; over another table, that table's rows
/// that meet the criterion.
QString preselectionSql(const Request& request, const QString& criterion);
/// The second line of the result file: where the search ran, with " -- Kata Tepat" when on; over
/// another table, the translation's name.
QString scopeCaption(const Request& request);

/// Paces the calls of a `Progress`: ticks by time and tells when the stop flag may be read.
class Pacer
{
public:
    Pacer(Progress* progress, Clock clock);
    /// Starts the clock and tells the progress that the scan starts.
    void start();
    /// Cheap: ticks when the interval has passed. Call it often.
    void poll(int hits);
    /// At a chapter boundary: whether the user asked to stop. Asks the progress only before the
    /// first chapter and after a tick.
    bool shouldStop();
    /// Milliseconds since `start`.
    qint64 elapsed() const;
    /// Tells the progress that the scan ended.
    void finish(int hits);

private:
    Progress* m_progress = nullptr;
    Clock m_clock;
    qint64 m_start = 0;
    qint64 m_lastTick = 0;
    bool m_askStop = true;
};

/// Filters the lines of one chapter text (lines end in CR LF) and appends every hit under
/// `header` to `out`, counting it in `hits`. Polls `pacer` while it works, when given.
void AppendMatchingLines(const LineFilter& filter, QStringView rowText, QStringView header, ResultText& out,
    int& hits, Pacer* pacer = nullptr);

/// How a scan over a recordset ended.
struct ScanResult
{
    int hits = 0;
    bool stopped = false;
    qint64 elapsedMs = 0;
};

/// Scans every row of `rows` from the first: the text of `textColumn` through the filter, each hit
/// under the reference `bookField` value + " " + `Bab`. Stops at a chapter boundary when asked.
ScanResult scanRows(Recordset& rows, const QString& textColumn, const QString& bookField,
    const LineFilter& filter, ResultText& out, Pacer& pacer);

/// "Cari Semua": searches the active translation as the request says, writes the result file and
/// leaves the preselection as the session's search recordset. Never shows anything itself: every
/// message comes back in the outcome. `progress` may be null (no dialog, no stopping).
Outcome searchAll(
    const Request& request, DataSession& session, Progress* progress = nullptr, const Clock& clock = {});

} // namespace tirta::search
