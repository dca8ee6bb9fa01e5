#include "searchengine.h"

#include "foundation/datafailure.h"
#include "foundation/datasession.h"
#include "foundation/recordset.h"
#include "foundation/tempfolder.h"
#include "search/plaintext.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSet>

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

/// Whether any row of `table` holds text in `column`.
bool hasAnyText(Database& database, const QString& table, const QString& column)
{
    const std::unique_ptr<Recordset> rows = database.openRecordset(
        u"SELECT COUNT(*) AS n FROM "_s + table + u" WHERE "_s + column + u" <> ''"_s);
    return !rows || rows->number(u"n") > 0;
}

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
    if (request.target)
        return request.target->key;
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
    if (request.target)
        return u"SELECT * FROM "_s + request.target->table + u" WHERE "_s + criterion;
    const QString base = u"SELECT * FROM UsysAlkitab "_s + u"WHERE ("_s + criterion + u')';
    const QString scope = scopeCondition(request);
    return scope.isEmpty() ? base : base + u" AND "_s + scope;
}

QString scopeCaption(const Request& request)
{
    if (request.target)
        return request.translationName;
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
    return findLineBreak(text, at);
}

/// Visits only the lines of `text` that hold one of `wordCount` words, found in the whole chapter at
/// once: `find(i, from)` gives the next occurrence of word i at or after `from` (or -1), and
/// `visit(start, end)` gets each such line's bounds.
template <class View, class Find, class Visit>
void walkAnchoredLines(View text, size_t wordCount, Find&& find, int& hits, Pacer* pacer, Visit&& visit)
{
    const auto size = static_cast<qsizetype>(text.size());
    // The next occurrence of each word at or after `from`; -1 when there is none left.
    std::vector<qsizetype> next(wordCount, -2);
    qsizetype from = 0;
    int sincePoll = 0;
    while (from <= size) {
        qsizetype best = -1;
        for (size_t i = 0; i < wordCount; ++i) {
            if (next[i] != -1 && next[i] < from)
                next[i] = find(i, from);
            if (next[i] >= 0 && (best < 0 || next[i] < best))
                best = next[i];
        }
        if (best < 0)
            break;
        // `from` is always the start of a line. Most often the word lies on that very line; else
        // its line starts after the last break between them.
        qsizetype start = from;
        qsizetype end = lineEnd(text, from);
        if (best >= end) {
            start = lineStart(text, from, best);
            end = lineEnd(text, best);
        }
        visit(start, end);
        from = afterBreak(text, end);
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
    const std::vector<QString>& words = filter.anchorWords();
    walkAnchoredLines(
        searched, words.size(), [&](size_t i, qsizetype from) { return searched.indexOf(words[i], from); },
        hits, pacer,
        [&](qsizetype start, qsizetype end) {
            const QStringView line = rowText.sliced(start, end - start);
            if (filter.matches(line, searched.sliced(start, end - start))) {
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

/// The chapters of one translation as the file stores them, read once and kept for the rest of the
/// run: the data file does not change while it is open, and reading and checking every chapter is
/// most of what a search would otherwise cost. Only the translation last searched is kept.
struct StoredChapters
{
    struct Chapter
    {
        qint64 rowid = 0;
        QByteArray header; ///< `hitHeader` of its book and chapter, in UTF-8
        std::string text; ///< as stored, UTF-8
        bool plain = false; ///< see `isPlainText`
    };
    QString column;
    std::vector<Chapter> chapters; ///< in row order; chapters without text left out
};

const StoredChapters* storedChapters(Database& db, const QString& column, DataFailure* failure)
{
    std::shared_ptr<void>& slot = db.kept(u"search/chapters"_s);
    if (auto* kept = static_cast<StoredChapters*>(slot.get()); kept && kept->column == column)
        return kept;
    slot.reset(); // the translation searched before gives its memory back first
    auto stored = std::make_shared<StoredChapters>();
    stored->column = column;
    const bool read = db.forEachRow(
        u"SELECT rowid, Buku, Bab, "_s + column + u" FROM UsysAlkitab ORDER BY rowid"_s,
        [&](const RowView& row) {
            const QByteArrayView text = row.utf8(3);
            if (text.isEmpty())
                return true;
            StoredChapters::Chapter chapter;
            chapter.rowid = row.value(0).toLongLong();
            chapter.header = hitHeader(textOf(row.value(1)), textOf(row.value(2))).toUtf8();
            chapter.text.assign(text.data(), static_cast<size_t>(text.size()));
            chapter.plain = isPlainText(chapter.text);
            stored->chapters.push_back(std::move(chapter));
            return true;
        },
        failure);
    if (!read)
        return nullptr;
    slot = stored;
    return stored.get();
}

/// How a scan straight through the chapters ended, with the rows the preselection would have given.
struct DirectScan
{
    ScanResult scan;
    std::vector<qint64> preselected;
    DataFailure failure;
};

/// "Cari Semua" for a query whose words are all plain ASCII, straight through the stored text of
/// the scope's chapters: no preselection query (which reads every chapter only to pick most of
/// them) and no decoding. A chapter counts exactly when the preselection's LIKE would pick it; a
/// chapter whose letters only the engine compares right (see `isPlainText`) is put to the engine
/// itself and searched as decoded text. So the hits, their order and the rows of the search
/// recordset are those the preselection gives, in the order of the chapters.
DirectScan scanDirectly(Database& db, const Request& request, const LineFilter& filter,
    const QString& criterion, ResultText& out, Pacer& pacer)
{
    DirectScan result;
    ScanResult& scan = result.scan;
    const StoredChapters* stored = storedChapters(db, request.column, &result.failure);
    if (!stored)
        return result;
    // The scope's chapters, unless it is the whole Bible.
    const QString scope = scopeCondition(request);
    QSet<qint64> inScope;
    if (!scope.isEmpty()
        && !db.forEachRow(
            u"SELECT rowid FROM UsysAlkitab WHERE "_s + scope,
            [&](const RowView& row) {
                inScope.insert(row.value(0).toLongLong());
                return true;
            },
            &result.failure)) {
        return result;
    }

    const std::vector<std::string>& words = filter.anchorBytes();
    std::vector<std::string> alternatives; // as the preselection compares them: lower-cased
    for (const std::string& word : words) {
        std::string lowered;
        lowerAscii(word, lowered);
        alternatives.push_back(std::move(lowered));
    }
    const bool matchCase = !filter.wantsLowered();
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
    std::string loweredLine;
    bool started = false;
    for (const StoredChapters::Chapter& chapter : stored->chapters) {
        if (!scope.isEmpty() && !inScope.contains(chapter.rowid))
            continue;
        const std::string_view text = chapter.text;
        const bool preselected = chapter.plain ? std::any_of(alternatives.cbegin(), alternatives.cend(),
                                     [&](const std::string& word) { return findFolded(text, word, 0) >= 0; })
                                               : preselectedByEngine(chapter.rowid);
        if (!preselected)
            continue;
        result.preselected.push_back(chapter.rowid);
        if (scan.stopped)
            continue; // the rest only completes the preselection
        if (!started) {
            pacer.start();
            started = true;
        }
        pacer.poll(scan.hits);
        if (pacer.shouldStop()) {
            scan.stopped = true;
            continue;
        }
        if (!chapter.plain) {
            AppendMatchingLines(filter, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                QString::fromUtf8(chapter.header), out, scan.hits, &pacer);
            continue;
        }
        const auto find = [&](size_t i, qsizetype from) {
            return matchCase ? findBytes(text, words[i], from) : findFolded(text, alternatives[i], from);
        };
        walkAnchoredLines(text, words.size(), find, scan.hits, &pacer, [&](qsizetype start, qsizetype end) {
            const std::string_view line
                = text.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
            bool hit = filter.anchorDecides();
            if (!hit) {
                if (!matchCase)
                    lowerAscii(line, loweredLine);
                hit = filter.matchesUtf8(line, loweredLine);
            }
            if (hit) {
                ++scan.hits;
                out.appendHitUtf8(
                    chapter.header, QByteArrayView(line.data(), static_cast<qsizetype>(line.size())));
            }
        });
    }
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
    // The chapters of the Bible can be scanned without the database; other tables go through it.
    const bool direct = !request.target && filter.isAscii() && !filter.anchorBytes().empty();
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
        session.setSearch(std::move(preselection), request.target ? request.target->role : Role::Search);
    }
    if (failure.failed()) {
        // The previous search recordset stays, so no holder of the role finds it missing.
        qCDebug(lcSearch) << "preselection rejected:" << outcome.sql << failure.engineMessage;
        outcome.status = Status::QueryFailed;
        outcome.message = text("Pencarian tidak dapat dijalankan pada file data ini.");
        return outcome;
    }
    const Role role = request.target ? request.target->role : Role::Search;
    Recordset& rows = session.recordset(role);
    if (rows.recordCount() == 0) {
        outcome.status = Status::NotFound;
        outcome.message = text("Kata tidak ditemukan");
        if (request.target && !request.target->noTextMessage.isEmpty()
            && !hasAnyText(session.database(), request.target->table, request.column))
            outcome.message = request.target->noTextMessage;
        return outcome;
    }
    if (!direct) {
        pacer.start();
        const QString bookField = request.target ? request.target->bookColumn : u"Buku"_s;
        scan = scanRows(rows, request.column, bookField, filter, result, pacer);
    }
    if (scan.stopped && (!request.target || request.target->stopMarker))
        result.appendStopMarker();
    pacer.finish(scan.hits);
    // A chapter that could not be read must not pass for one without the words.
    if (const DataFailure damage = session.database().takeReadFailure(); damage.failed()) {
        outcome.status = Status::QueryFailed;
        outcome.message = describe(damage);
        return outcome;
    }

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
    outcome.entry = request.target && request.target->entry
        ? request.target->entry(outcome.path, scan.hits, outcome.elapsed)
        : resultEntry(request.text, request.translationName, outcome.scopeCaption, outcome.path, scan.hits,
            outcome.elapsed);
    return outcome;
}

} // namespace tirta::search
