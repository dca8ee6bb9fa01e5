#include "searchengine.h"

#include "foundation/datafailure.h"
#include "foundation/datasession.h"
#include "foundation/recordset.h"
#include "foundation/tempfolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>

#include <chrono>

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
bool isBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

/// The position after the line break at `end` (or `end` itself at the end of the text).
qsizetype afterBreak(QStringView text, qsizetype end)
{
    if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
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

QString likeCriterion(const QString& column, const QString& wordList1)
{
    const QStringList alternatives = wordList1.split(u'&', Qt::KeepEmptyParts);
    QString criterion;
    for (qsizetype i = 0; i < alternatives.size(); ++i) {
        criterion += column + u" LIKE '*"_s + literalPattern(alternatives[i]) + u"*' "_s;
        criterion += i + 1 < alternatives.size() ? u" or "_s : u" "_s;
    }
    return criterion;
}

QString preselectionSql(const Request& request, const QString& criterion)
{
    // Book names and testaments are the program's own words; their quotes are doubled all the same
    // so that no value can end the quoted text early.
    const QString base = u"SELECT * FROM UsysAlkitab "_s + u"WHERE ("_s + criterion + u')';
    switch (request.scope) {
    case Scope::Chapter:
        return base + u" AND Buku ='"_s + doubleQuotes(request.book) + u"' AND Bab="_s
            + QString::number(request.chapterIndex + 1);
    case Scope::Book:
        return base + u" AND Buku ='"_s + doubleQuotes(request.book) + u'\'';
    case Scope::Testament:
        return base + u" AND Perjanjian = '"_s + doubleQuotes(request.testament) + u'\'';
    case Scope::Bible:
        break;
    }
    return base;
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

/// Tests only the lines that hold one of the filter's anchor words, found in the whole chapter at
/// once. `searched` is the text the words are looked for in, position for position the same as
/// `rowText` (lower-cased or the row text itself).
void testAnchoredLines(const LineFilter& filter, QStringView rowText, QStringView searched,
    QStringView header, ResultText& out, int& hits, Pacer* pacer)
{
    const std::vector<QString>& words = filter.anchorWords();
    // The next occurrence of each word at or after `from`; -1 when there is none left.
    std::vector<qsizetype> next(words.size(), -2);
    qsizetype from = 0;
    int sincePoll = 0;
    while (from <= searched.size()) {
        qsizetype best = -1;
        for (size_t i = 0; i < words.size(); ++i) {
            if (next[i] != -1 && next[i] < from)
                next[i] = searched.indexOf(words[i], from);
            if (next[i] >= 0 && (best < 0 || next[i] < best))
                best = next[i];
        }
        if (best < 0)
            break;
        // `from` is always the start of a line, so the line of `best` starts after the last break
        // between them.
        qsizetype start = best;
        while (start > from && !isBreak(searched[start - 1]))
            --start;
        qsizetype end = best;
        while (end < searched.size() && !isBreak(searched[end]))
            ++end;
        const QStringView line = rowText.mid(start, end - start);
        if (filter.matches(line, searched.mid(start, end - start))) {
            ++hits;
            out.appendHit(header, line);
        }
        from = afterBreak(searched, end);
        if (pacer && ++sincePoll == kLinesPerPoll) {
            sincePoll = 0;
            pacer->poll(hits);
        }
    }
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

    outcome.sql = preselectionSql(request, likeCriterion(request.column, query.WordList1()));
    DataFailure failure;
    std::unique_ptr<Recordset> preselection = session.database().openRecordset(outcome.sql, &failure);
    if (!preselection) {
        // The previous search recordset stays, so no holder of the role finds it missing.
        qCDebug(lcSearch) << "preselection rejected:" << outcome.sql << failure.detail;
        outcome.status = Status::QueryFailed;
        outcome.message = describe(failure);
        return outcome;
    }
    session.setSearch(std::move(preselection));
    Recordset& rows = session.recordset(Role::Search);
    if (rows.recordCount() == 0) {
        outcome.status = Status::NotFound;
        outcome.message = text("Kata tidak ditemukan");
        return outcome;
    }

    const LineFilter filter(undoubleQuotes(query.WordList1()), undoubleQuotes(query.WordList2()),
        undoubleQuotes(query.WordList3()), request.matchCase);
    Pacer pacer(progress, clock);
    pacer.start();
    const ScanResult scan = scanRows(rows, request.column, u"Buku"_s, filter, result, pacer);
    if (scan.stopped)
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
    if (!writeResultFile(outcome.path,
            result.finished(scan.hits, outcome.elapsed, scan.stopped ? stopTag() : QString()), &error)) {
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
