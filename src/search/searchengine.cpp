#include "searchengine.h"

#include "foundation/datafailure.h"
#include "foundation/datasession.h"
#include "foundation/recordset.h"
#include "foundation/tempfolder.h"
#include "search/plaintext.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>

#include <chrono>
#include <cstring>

namespace tirta::search {

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcSearch, "tirtamaya.search")

namespace {

QString text(const char* source)
{
    return QCoreApplication::translate("CariSemua", source);
}

QString exactTag(const Request& request)
{
    return request.matchCase ? u" -- Kata Tepat"_s : QString();
}

QString checkValue(const Request& request)
{
    return request.matchCase ? u"1"_s : u"0"_s;
}

QString trueFalse(bool value)
{
    return value ? u"True"_s : u"False"_s;
}

/// An alternative with the dialect's wildcards bracketed, so "a#b" finds the text a#b and not
/// "a", a digit, "b"; other characters (quotes already doubled) stay as they are.
QString literalPattern(QStringView alternative)
{
    QString pattern;
    pattern.reserve(alternative.size());
    for (const QChar c : alternative) {
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[') {
            pattern += u'[';
            pattern += c;
            pattern += u']';
        } else {
            pattern += c;
        }
    }
    return pattern;
}

/// Whether a character ends a line. Lines end in CR LF; a lone LF or CR ends a line too, so a
/// text saved with other line ends is still read verse by verse.
template <class Char> bool isBreak(Char c)
{
    return c == u'\r' || c == u'\n';
}

/// The position after the line break at `end` (or `end` itself at the end of the text).
template <class View> qsizetype afterBreak(View text, qsizetype end)
{
    const auto size = static_cast<qsizetype>(text.size());
    if (end < size && text[end] == u'\r' && end + 1 < size && text[end + 1] == u'\n')
        return end + 2;
    return end + 1;
}

/// The text lower-cased as `QString::toLower` does it, one UTF-16 unit at a time: ASCII by
/// arithmetic, other characters of the basic plane by their simple mapping, which is what the full
/// mapping is for all of them but the dotted capital I. That letter and characters beyond the basic
/// plane go to `QString::toLower` with the whole text.
QString lowerCased(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    const char16_t* from = text.utf16();
    char16_t* to = reinterpret_cast<char16_t*>(result.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = from[i];
        if (c < 0x80) {
            to[i] = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
        } else if (c == 0x0130 || QChar::isSurrogate(c)) {
            return text.toString().toLower();
        } else {
            to[i] = QChar::toLower(c);
        }
    }
    return result;
}

/// Walks the lines of a chapter text.
class LineReader
{
public:
    explicit LineReader(QStringView text)
        : m_text(text)
    { }

    bool next(QStringView& line)
    {
        if (m_at > m_text.size() || (m_at == m_text.size() && m_text.isEmpty()))
            return false;
        // Find the next CR and the next LF with the library's vectorised search, each only when
        // the walk has passed the one found before.
        if (m_cr != -1 && m_cr < m_at)
            m_cr = m_text.indexOf(u'\r', m_at);
        if (m_lf != -1 && m_lf < m_at)
            m_lf = m_text.indexOf(u'\n', m_at);
        qsizetype end = m_text.size();
        if (m_cr >= 0)
            end = m_cr;
        if (m_lf >= 0 && m_lf < end)
            end = m_lf;
        line = m_text.mid(m_at, end - m_at);
        m_at = afterBreak(m_text, end);
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_at = 0;
    qsizetype m_cr = -2; ///< next CR at or after the walk, -1 none left, -2 not yet looked for
    qsizetype m_lf = -2;
};

/// How many lines pass between two looks at the clock inside one chapter.
constexpr int kLinesPerPoll = 64;

} // namespace

QStringList scopeNames()
{
    return { u"Cari di Pasal aktif"_s, u"Cari di Kitab aktif"_s, u"Cari di Perjanjian aktif"_s,
        u"Pencarian di Seluruh Alkitab"_s };
}

QString scopeName(Scope scope)
{
    return scopeNames().value(static_cast<int>(scope));
}

Clock steadyClock()
{
    return [] {
        return static_cast<qint64>(std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
                                       .count());
    };
}

QString doubleQuotes(const QString& text)
{
    QString result = text;
    return result.replace(u'\'', u"''"_s);
}

QString undoubleQuotes(const QString& text)
{
    QString result = text;
    return result.replace(u"''"_s, u"'"_s);
}

QString searchKey(const Request& request)
{
    const QString q = doubleQuotes(request.text);
    const QString scope = scopeName(request.scope);
    switch (request.scope) {
    case Scope::Chapter:
        return request.column + q + scope + request.bookListText + trueFalse(request.oldTestament)
            + checkValue(request) + QString::number(request.chapterIndex);
    case Scope::Book:
        return request.column + q + scope + request.bookListText + trueFalse(request.oldTestament)
            + checkValue(request);
    case Scope::Testament:
        return request.column + q + scope + trueFalse(request.oldTestament) + checkValue(request);
    case Scope::Bible:
        break;
    }
    return request.column + q + u'2' + checkValue(request);
}

QString likeTerm(const QString& column, QStringView quotedText)
{
    return column + u" LIKE '*"_s + literalPattern(quotedText) + u"*'"_s;
}

namespace {

/// Terms joined by " or ", each followed by a space and the last by two, as the search has always
/// written them. Beyond `kFlatTerms` terms the list is cut into parenthesised groups (and groups
/// of groups), because the engine refuses an expression more than about a thousand levels deep:
/// the text then differs, the meaning does not.
constexpr qsizetype kFlatTerms = 200;

QString joinTerms(const QStringList& terms)
{
    QString criterion;
    if (terms.size() <= kFlatTerms) {
        for (qsizetype i = 0; i < terms.size(); ++i)
            criterion += terms[i] + (i + 1 < terms.size() ? u"  or "_s : u"  "_s);
        return criterion;
    }
    const qsizetype groupSize = (terms.size() + kFlatTerms - 1) / kFlatTerms;
    QStringList groups;
    for (qsizetype from = 0; from < terms.size(); from += groupSize)
        groups << u'(' + joinTerms(terms.mid(from, groupSize)) + u')';
    return joinTerms(groups);
}

} // namespace

QString likeCriterion(const QString& column, const QString& wordList1)
{
    QStringList terms;
    for (const QString& alternative : wordList1.split(u'&', Qt::KeepEmptyParts))
        terms << likeTerm(column, alternative);
    return joinTerms(terms);
}

namespace {

/// The scope's own condition on the chapters (none for the whole Bible). Book names and testaments
/// are the program's own words; their quotes are doubled all the same so that no value can end the
/// quoted text early.
QString scopeCondition(const Request& request)
{
    switch (request.scope) {
    case Scope::Chapter:
        return u"Buku ='"_s + doubleQuotes(request.book) + u"' AND Bab="_s
            + QString::number(request.chapterIndex + 1);
    case Scope::Book:
        return u"Buku ='"_s + doubleQuotes(request.book) + u'\'';
    case Scope::Testament:
        return u"Perjanjian = '"_s + doubleQuotes(request.testament) + u'\'';
    case Scope::Bible:
        break;
    }
    return {};
}

} // namespace

QString preselectionSql(const Request& request, const QString& criterion)
{
    const QString base = u"SELECT * FROM UsysAlkitab "_s + u"WHERE ("_s + criterion + u')';
    const QString scope = scopeCondition(request);
    return scope.isEmpty() ? base : base + u" AND "_s + scope;
}

QString scopeCaption(const Request& request)
{
    switch (request.scope) {
    case Scope::Chapter:
        return u" -- Pencarian di "_s + request.book + u' ' + QString::number(request.chapterIndex + 1)
            + exactTag(request);
    case Scope::Book:
        return u" -- Pencarian di Kitab "_s + request.book + exactTag(request);
    case Scope::Testament:
        return u" --Pencarian di perjanjian "_s + request.testament + exactTag(request);
    case Scope::Bible:
        break;
    }
    return u" -- Pencarian di seluruh Alkitab "_s + exactTag(request);
}

Pacer::Pacer(Progress* progress, Clock clock)
    : m_progress(progress)
    , m_clock(clock ? std::move(clock) : steadyClock())
{ }

void Pacer::start()
{
    m_start = m_lastTick = m_clock();
    m_askStop = true;
    if (m_progress)
        m_progress->started();
}

void Pacer::poll(int hits)
{
    if (!m_progress)
        return;
    const qint64 now = m_clock();
    if (now - m_lastTick < kTickInterval)
        return;
    m_lastTick = now;
    m_progress->tick(hits, now - m_start);
    m_askStop = true;
}

bool Pacer::shouldStop()
{
    if (!m_progress || !m_askStop)
        return false;
    m_askStop = false;
    return m_progress->stopRequested();
}

qint64 Pacer::elapsed() const
{
    return m_clock() - m_start;
}

void Pacer::finish(int hits)
{
    if (m_progress)
        m_progress->finished(hits, elapsed());
}

namespace {

/// Tests every line of a chapter.
void testEveryLine(const LineFilter& filter, QStringView rowText, QStringView lowered, QStringView header,
    ResultText& out, int& hits, Pacer* pacer)
{
    LineReader lines(rowText);
    LineReader loweredLines(lowered);
    QStringView line;
    QStringView loweredLine;
    int sincePoll = 0;
    while (lines.next(line)) {
        if (filter.wantsLowered())
            loweredLines.next(loweredLine);
        if (filter.matches(line, loweredLine)) {
            ++hits;
            out.appendHit(header, line);
        }
        if (pacer && ++sincePoll == kLinesPerPoll) {
            sincePoll = 0;
            pacer->poll(hits);
        }
    }
}

/// The next occurrence of a word in a text from a position on, or -1.
qsizetype findWord(QStringView text, const QString& word, qsizetype from)
{
    return text.indexOf(word, from);
}

qsizetype findWord(std::string_view text, const std::string& word, qsizetype from)
{
    return findBytes(text, word, from);
}

QStringView slice(QStringView text, qsizetype from, qsizetype n)
{
    return text.sliced(from, n);
}

std::string_view slice(std::string_view text, qsizetype from, qsizetype n)
{
    return text.substr(static_cast<size_t>(from), static_cast<size_t>(n));
}

/// Where the line holding `at` begins, looking back no further than `from`.
qsizetype lineStart(QStringView text, qsizetype from, qsizetype at)
{
    while (at > from && !isBreak(text[at - 1]))
        --at;
    return at;
}

qsizetype lineStart(std::string_view text, qsizetype from, qsizetype at)
{
    for (const char c : { '\n', '\r' }) {
        const void* found = memrchr(text.data() + from, c, static_cast<size_t>(at - from));
        if (found)
            from = static_cast<const char*>(found) - text.data() + 1;
    }
    return from;
}

/// Where the line holding `at` ends: at its line break or the end of the text.
qsizetype lineEnd(QStringView text, qsizetype at)
{
    while (at < text.size() && !isBreak(text[at]))
        ++at;
    return at;
}

qsizetype lineEnd(std::string_view text, qsizetype at)
{
    const char* from = text.data() + at;
    const auto* lf = static_cast<const char*>(std::memchr(from, '\n', text.size() - static_cast<size_t>(at)));
    const size_t before = lf ? static_cast<size_t>(lf - from) : text.size() - static_cast<size_t>(at);
    const auto* cr = static_cast<const char*>(std::memchr(from, '\r', before));
    return (cr ? cr : from + before) - text.data();
}

/// Visits only the lines that hold one of `words`, found in the whole chapter at once: `visit`
/// gets each such line of `rowText` and the same line of `searched`, the text the words are looked
/// for in, position for position the same as `rowText` (lower-cased or the row text itself).
template <class View, class Word, class Visit>
void walkAnchoredLines(
    View rowText, View searched, const std::vector<Word>& words, int& hits, Pacer* pacer, Visit&& visit)
{
    const auto size = static_cast<qsizetype>(searched.size());
    // The next occurrence of each word at or after `from`; -1 when there is none left.
    std::vector<qsizetype> next(words.size(), -2);
    qsizetype from = 0;
    int sincePoll = 0;
    while (from <= size) {
        qsizetype best = -1;
        for (size_t i = 0; i < words.size(); ++i) {
            if (next[i] != -1 && next[i] < from)
                next[i] = findWord(searched, words[i], from);
            if (next[i] >= 0 && (best < 0 || next[i] < best))
                best = next[i];
        }
        if (best < 0)
            break;
        // `from` is always the start of a line, so the line of `best` starts after the last break
        // between them.
        const qsizetype start = lineStart(searched, from, best);
        const qsizetype end = lineEnd(searched, best);
        visit(slice(rowText, start, end - start), slice(searched, start, end - start));
        from = afterBreak(searched, end);
        if (pacer && ++sincePoll == kLinesPerPoll) {
            sincePoll = 0;
            pacer->poll(hits);
        }
    }
}

/// Tests only the lines that hold one of the filter's anchor words.
void testAnchoredLines(const LineFilter& filter, QStringView rowText, QStringView searched,
    QStringView header, ResultText& out, int& hits, Pacer* pacer)
{
    walkAnchoredLines(rowText, searched, filter.anchorWords(), hits, pacer,
        [&](QStringView line, QStringView searchedLine) {
            if (filter.matches(line, searchedLine)) {
                ++hits;
                out.appendHit(header, line);
            }
        });
}

} // namespace

void AppendMatchingLines(const LineFilter& filter, QStringView rowText, QStringView header, ResultText& out,
    int& hits, Pacer* pacer)
{
    // Lower-casing keeps every line break, so the lines of both texts pair up one to one; it keeps
    // every position too unless a letter grows (as the dotted capital I does).
    const QString lowered = filter.wantsLowered() ? lowerCased(rowText) : QString();
    const QStringView searched = filter.wantsLowered() ? QStringView(lowered) : rowText;
    if (!filter.anchorWords().empty() && searched.size() == rowText.size())
        testAnchoredLines(filter, rowText, searched, header, out, hits, pacer);
    else
        testEveryLine(filter, rowText, lowered, header, out, hits, pacer);
}

ScanResult scanRows(Recordset& rows, const QString& textColumn, const QString& bookField,
    const LineFilter& filter, ResultText& out, Pacer& pacer)
{
    ScanResult result;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        pacer.poll(result.hits);
        if (pacer.shouldStop()) {
            result.stopped = true;
            break;
        }
        const QString rowText = rows.text(textColumn);
        if (rowText.isEmpty())
            continue;
        const QString header = hitHeader(rows.text(bookField), rows.text(u"Bab"));
        AppendMatchingLines(filter, rowText, header, out, result.hits, &pacer);
    }
    result.elapsedMs = pacer.elapsed();
    return result;
}

namespace {

/// The text of a field as a recordset gives it: empty for NULL.
QString textOf(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

/// How a scan straight through the chapters ended, with the rows the preselection would have given.
struct DirectScan
{
    ScanResult scan;
    std::vector<qint64> preselected;
    DataFailure failure;
};

/// "Cari Semua" for a query whose words are all plain ASCII, straight through the chapters of the
/// scope as the file stores them: no preselection query (which reads every chapter only to pick
/// most of them) and no decoding. A chapter counts exactly when the preselection's LIKE would pick
/// it; a chapter whose letters only the engine compares right (see `isPlainText`) is put to the
/// engine itself and searched as decoded text. So the hits, their order and the rows of the search
/// recordset are those the preselection gives, in the order of the chapters.
DirectScan scanDirectly(Database& db, const Request& request, const LineFilter& filter,
    const QString& criterion, ResultText& out, Pacer& pacer)
{
    DirectScan result;
    ScanResult& scan = result.scan;
    std::vector<std::string> alternatives; // as the preselection compares them: lower-cased
    for (const std::string& word : filter.anchorBytes()) {
        std::string lowered;
        lowerAscii(word, lowered);
        alternatives.push_back(std::move(lowered));
    }
    const auto preselectedByEngine = [&](qint64 rowid) {
        bool found = false;
        db.forEachRow(u"SELECT 1 FROM UsysAlkitab WHERE rowid="_s + QString::number(rowid) + u" AND ("_s
                + criterion + u')',
            [&](const RowView&) {
                found = true;
                return false;
            });
        return found;
    };
    const QString scope = scopeCondition(request);
    const QString rows = u"SELECT rowid, Buku, Bab, "_s + request.column + u" FROM UsysAlkitab"_s
        + (scope.isEmpty() ? QString() : u" WHERE "_s + scope) + u" ORDER BY rowid"_s;
    std::string lowered;
    bool started = false;
    db.forEachRow(
        rows,
        [&](const RowView& row) {
            const QByteArrayView raw = row.utf8(3);
            if (raw.isEmpty())
                return true;
            const std::string_view text(raw.data(), static_cast<size_t>(raw.size()));
            const bool plain = isPlainText(text);
            const qint64 rowid = row.value(0).toLongLong();
            if (plain) {
                lowerAscii(text, lowered);
                const bool any = std::any_of(alternatives.cbegin(), alternatives.cend(),
                    [&](const std::string& word) { return findBytes(lowered, word, 0) >= 0; });
                if (!any)
                    return true;
            } else if (!preselectedByEngine(rowid)) {
                return true;
            }
            result.preselected.push_back(rowid);
            if (scan.stopped)
                return true; // the rest only completes the preselection
            if (!started) {
                pacer.start();
                started = true;
            }
            pacer.poll(scan.hits);
            if (pacer.shouldStop()) {
                scan.stopped = true;
                return true;
            }
            const QString header = hitHeader(textOf(row.value(1)), textOf(row.value(2)));
            if (!plain) {
                AppendMatchingLines(filter, QString::fromUtf8(raw), header, out, scan.hits, &pacer);
                return true;
            }
            const QByteArray headerUtf8 = header.toUtf8();
            const std::string_view searched = filter.wantsLowered() ? std::string_view(lowered) : text;
            walkAnchoredLines(text, searched, filter.anchorBytes(), scan.hits, &pacer,
                [&](std::string_view line, std::string_view searchedLine) {
                    if (filter.anchorDecides() || filter.matchesUtf8(line, searchedLine)) {
                        ++scan.hits;
                        out.appendHitUtf8(headerUtf8, QByteArrayView(line.data(), line.size()));
                    }
                });
            return true;
        },
        &result.failure);
    scan.elapsedMs = started ? pacer.elapsed() : 0;
    return result;
}

} // namespace

Outcome searchAll(const Request& request, DataSession& session, Progress* progress, const Clock& clock)
{
    Outcome outcome;
    if (request.text.size() < 3) {
        outcome.status = Status::TooShort;
        outcome.message = text("Kata yang dicari terlalu pendek");
        return outcome;
    }
    const QString q = doubleQuotes(request.text);
    const QString folder = request.tempFolder.isEmpty() ? TempFolder() : request.tempFolder;
    outcome.scopeCaption = scopeCaption(request);
    ResultText result(request.caption, outcome.scopeCaption, syntaxLine(request.text));
    const ResultFileChoice file
        = chooseResultFile(resultFilePath(searchKey(request), folder), result.heading().toUtf8());
    outcome.path = file.path;

    if (request.optimal && file.exists) {
        outcome.status = Status::Reused;
        return outcome;
    }

    ParseQuery query;
    query.Query(q);
    if (query.WordList1().isEmpty()) {
        outcome.status = Status::BadSyntax;
        outcome.message = text("Lihat panduan untuk penggunaan syntax pencarian");
        return outcome;
    }

    const LineFilter filter(undoubleQuotes(query.WordList1()), undoubleQuotes(query.WordList2()),
        undoubleQuotes(query.WordList3()), request.matchCase);
    const QString criterion = likeCriterion(request.column, query.WordList1());
    outcome.sql = preselectionSql(request, criterion);
    Pacer pacer(progress, clock);
    ScanResult scan;
    DataFailure failure;
    const bool direct = filter.isAscii() && !filter.anchorBytes().empty();
    if (direct) {
        DirectScan scanned = scanDirectly(session.database(), request, filter, criterion, result, pacer);
        failure = scanned.failure;
        scan = scanned.scan;
        if (!failure.failed()) {
            session.setSearch(session.database().recordsetOfRows(
                outcome.sql, u"UsysAlkitab"_s, std::move(scanned.preselected)));
        }
    } else if (std::unique_ptr<Recordset> preselection
        = session.database().openRecordset(outcome.sql, &failure)) {
        session.setSearch(std::move(preselection));
    }
    if (failure.failed()) {
        // The previous search recordset stays, so no holder of the role finds it missing.
        qCDebug(lcSearch) << "preselection rejected:" << outcome.sql << failure.engineMessage;
        outcome.status = Status::QueryFailed;
        outcome.message = text("Pencarian tidak dapat dijalankan pada file data ini.");
        return outcome;
    }
    Recordset& rows = session.recordset(Role::Search);
    if (rows.recordCount() == 0) {
        outcome.status = Status::NotFound;
        outcome.message = text("Kata tidak ditemukan");
        return outcome;
    }
    if (!direct) {
        pacer.start();
        scan = scanRows(rows, request.column, u"Buku"_s, filter, result, pacer);
    }
    if (scan.stopped)
        result.appendStopMarker();
    pacer.finish(scan.hits);

    outcome.hits = scan.hits;
    outcome.elapsed = formatElapsed(scan.elapsedMs);
    QString error;
    if (!writeResultFile(
            outcome.path, result, scan.hits, outcome.elapsed, scan.stopped ? stopTag() : QString(), &error)) {
        outcome.status = Status::WriteFailed;
        outcome.message
            = text("Hasil pencarian tidak dapat disimpan ke file ") + outcome.path + u"\n"_s + error;
        return outcome;
    }
    if (scan.stopped) {
        outcome.status = Status::Stopped;
        return outcome;
    }
    outcome.status = Status::Complete;
    outcome.entry = resultEntry(request.text, request.translationName, outcome.scopeCaption, outcome.path,
        scan.hits, outcome.elapsed);
    return outcome;
}

} // namespace tirta::search
