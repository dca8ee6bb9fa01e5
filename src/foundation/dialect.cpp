#include "dialect.h"

#include "foundation/schema.h"

#include <QChar>
#include <QSet>
#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tirta::dialect {

using namespace Qt::StringLiterals;

namespace {

// ---- UTF-8 and case folding ------------------------------------------------------------

char32_t decodeUtf8(std::string_view s, size_t& i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    const size_t length = b0 >= 0xF8 ? 1 : b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 1;
    bool whole = length > 1 && i + length <= s.size();
    for (size_t k = 1; whole && k < length; ++k)
        whole = (byte(i + k) & 0xC0) == 0x80;
    if (!whole) {
        ++i; // a stray byte stands for itself and never swallows the bytes after it
        return b0;
    }
    char32_t c = b0 & (0x7F >> length);
    for (size_t k = 1; k < length; ++k)
        c = (c << 6) | (byte(i + k) & 0x3F);
    i += length;
    return c;
}

// Writes the UTF-8 form of `c` (at most four bytes) at `d`; returns how many bytes it took.
size_t putUtf8(char* d, char32_t c)
{
    if (c < 0x80) {
        d[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        d[0] = static_cast<char>(0xC0 | (c >> 6));
        d[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        d[0] = static_cast<char>(0xE0 | (c >> 12));
        d[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        d[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    d[0] = static_cast<char>(0xF0 | ((c >> 18) & 0x07));
    d[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    d[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    d[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

void appendUtf8(std::string& out, char32_t c)
{
    char bytes[4];
    out.append(bytes, putUtf8(bytes, c));
}

char32_t fold(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return c <= QChar::LastValidCodePoint ? QChar::toCaseFolded(c) : c;
}

// Folds UTF-8 text into `out`. A folded character may take more bytes than the original one ("Ⱥ"
// becomes "ⱥ", a stray byte two bytes), but never more than twice as many: room for that is made
// first, and the bytes are written straight into it.
void foldUtf8(std::string_view s, std::string& out)
{
    out.resize(2 * s.size());
    char* d = out.data();
    size_t n = 0;
    size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            d[n++] = static_cast<char>((b >= 'A' && b <= 'Z') ? b + 32 : b);
            ++i;
            continue;
        }
        n += putUtf8(d + n, fold(decodeUtf8(s, i)));
    }
    out.resize(n);
}

// ---- LIKE patterns -----------------------------------------------------------------------

struct Token
{
    enum Kind
    {
        Literal,
        AnyRun,
        AnyOne,
        Digit,
        Class
    } kind
        = Literal;
    std::string literal; // folded UTF-8, for Literal
    std::vector<std::pair<char32_t, char32_t>> ranges; // folded, for Class
    bool negated = false;
};

struct Pattern
{
    std::vector<Token> tokens;
    // "*word*", the shape of every search criterion: a plain substring test.
    bool isContains = false;
};

Pattern compile(std::string_view pattern)
{
    Pattern compiled;
    auto literal = [&]() -> std::string& {
        if (compiled.tokens.empty() || compiled.tokens.back().kind != Token::Literal)
            compiled.tokens.push_back(Token {});
        return compiled.tokens.back().literal;
    };
    size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '*') {
            if (compiled.tokens.empty() || compiled.tokens.back().kind != Token::AnyRun)
                compiled.tokens.push_back(Token { Token::AnyRun, {}, {}, false });
            ++i;
        } else if (c == '?') {
            compiled.tokens.push_back(Token { Token::AnyOne, {}, {}, false });
            ++i;
        } else if (c == '#') {
            compiled.tokens.push_back(Token { Token::Digit, {}, {}, false });
            ++i;
        } else if (c == '[' && pattern.find(']', i + 1) != std::string_view::npos) {
            const size_t close = pattern.find(']', i + 1);
            std::string_view body = pattern.substr(i + 1, close - i - 1);
            Token token { Token::Class, {}, {}, false };
            if (!body.empty() && body.front() == '!') {
                token.negated = true;
                body.remove_prefix(1);
            }
            size_t k = 0;
            while (k < body.size()) {
                const char32_t from = fold(decodeUtf8(body, k));
                char32_t to = from;
                if (k + 1 < body.size() && body[k] == '-') {
                    ++k;
                    to = fold(decodeUtf8(body, k));
                }
                token.ranges.emplace_back(from, to);
            }
            if (token.ranges.empty() && !token.negated)
                literal(); // "[]" matches the empty string: nothing to add
            else
                compiled.tokens.push_back(std::move(token));
            i = close + 1;
        } else {
            std::string& out = literal();
            appendUtf8(out, fold(decodeUtf8(pattern, i)));
        }
    }
    const auto& t = compiled.tokens;
    compiled.isContains = t.size() == 3 && t[0].kind == Token::AnyRun && t[1].kind == Token::Literal
        && t[2].kind == Token::AnyRun;
    return compiled;
}

bool matchOne(const Token& token, char32_t c)
{
    switch (token.kind) {
    case Token::AnyOne:
        return true;
    case Token::Digit:
        return c >= '0' && c <= '9';
    case Token::Class: {
        bool inside = false;
        for (const auto& [from, to] : token.ranges)
            inside = inside || (c >= from && c <= to);
        return inside != token.negated;
    }
    default:
        return false;
    }
}

size_t nextChar(std::string_view text, size_t i)
{
    decodeUtf8(text, i);
    return i;
}

// Glob match of folded text. On a mismatch only the last "*" seen takes one more character and
// the tokens after it start again, so a match costs at most text length × pattern length steps
// whatever the pattern ("a*a*a*a*~" included) and never recurses.
bool matchTokens(const Pattern& p, std::string_view text)
{
    const size_t count = p.tokens.size();
    size_t t = 0;
    size_t i = 0;
    size_t star = count; // token index of the last "*", none yet
    size_t starText = 0; // where the text after that "*" starts now
    while (true) {
        if (t < count && p.tokens[t].kind == Token::AnyRun) {
            if (t + 1 == count)
                return true;
            star = t++;
            starText = i;
            const Token& next = p.tokens[t];
            if (next.kind == Token::Literal) {
                // Characters before the next occurrence of the literal cannot start a match.
                const size_t found = text.find(next.literal, i);
                if (found == std::string_view::npos)
                    return false;
                starText = i = found;
            }
            continue;
        }
        if (t < count) {
            const Token& token = p.tokens[t];
            bool matched = false;
            if (token.kind == Token::Literal) {
                matched = text.substr(i, token.literal.size()) == token.literal;
                if (matched)
                    i += token.literal.size();
            } else if (i < text.size()) {
                matched = matchOne(token, decodeUtf8(text, i));
            }
            if (matched) {
                ++t;
                continue;
            }
        } else if (i == text.size()) {
            return true;
        }
        // Mismatch, or pattern used up with text left over: the last "*" takes one character more.
        if (star == count || starText >= text.size())
            return false;
        starText = nextChar(text, starText);
        const Token& next = p.tokens[star + 1];
        if (next.kind == Token::Literal) {
            const size_t found = text.find(next.literal, starText);
            if (found == std::string_view::npos)
                return false;
            starText = found;
        }
        i = starText;
        t = star + 1;
    }
}

bool matchFolded(const Pattern& p, std::string_view foldedText)
{
    if (p.isContains) {
        const std::string& word = p.tokens[1].literal;
        return memmem(foldedText.data(), foldedText.size(), word.data(), word.size()) != nullptr;
    }
    return matchTokens(p, foldedText);
}

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (argc < 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL
        || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    // The pattern is the same for every row of a statement: compile it once.
    auto* pattern = static_cast<Pattern*>(sqlite3_get_auxdata(context, 0));
    if (!pattern) {
        const auto* raw = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        auto compiled = std::make_unique<Pattern>(
            compile(std::string_view(raw, static_cast<size_t>(sqlite3_value_bytes(argv[0])))));
        pattern = compiled.get();
        sqlite3_set_auxdata(context, 0, compiled.release(), [](void* p) { delete static_cast<Pattern*>(p); });
        if (!sqlite3_get_auxdata(context, 0)) {
            // SQLite may drop auxiliary data at once; keep a private copy for this call.
            thread_local Pattern fallback;
            fallback = compile(std::string_view(raw, static_cast<size_t>(sqlite3_value_bytes(argv[0]))));
            pattern = &fallback;
        }
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    const std::string_view raw(text, static_cast<size_t>(sqlite3_value_bytes(argv[1])));
    // A search with several words tests the same chapter once per word: fold it only once.
    thread_local std::string lastRaw;
    thread_local std::string folded;
    if (raw != lastRaw) {
        lastRaw.assign(raw);
        foldUtf8(raw, folded);
    }
    sqlite3_result_int(context, matchFolded(*pattern, folded) ? 1 : 0);
}

int compareUtf8(std::string_view a, std::string_view b)
{
    size_t i = 0;
    size_t k = 0;
    while (i < a.size() && k < b.size()) {
        const char32_t ca = fold(decodeUtf8(a, i));
        const char32_t cb = fold(decodeUtf8(b, k));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    return k < b.size() ? -1 : 0;
}

int collate(void*, int n1, const void* p1, int n2, const void* p2)
{
    return compareUtf8(std::string_view(static_cast<const char*>(p1), static_cast<size_t>(n1)),
        std::string_view(static_cast<const char*>(p2), static_cast<size_t>(n2)));
}

bool isIdentifierStart(QChar c)
{
    return c.isLetter() || c == u'_';
}
bool isIdentifierPart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

} // namespace

namespace {

/// Fields that hold a number in every table of the file. Their comparisons and orders need no
/// collation, and leaving them plain lets the engine order by their indexes.
bool isNumericField(QStringView name)
{
    static const QSet<QString> numeric = [] {
        QSet<QString> numbers { u"rowid"_s };
        QSet<QString> texts;
        for (const schema::TableDef& table : schema::tables(schema::Shape {})) {
            for (const schema::FieldDef& field : table.fields) {
                const bool isNumber
                    = field.type == schema::FieldType::Number || field.type == schema::FieldType::Boolean;
                (isNumber ? numbers : texts).insert(field.name.toLower());
            }
        }
        return numbers - texts;
    }();
    return numeric.contains(name.toString().toLower());
}

bool isWord(QStringView word, QStringView keyword)
{
    return word.compare(keyword, Qt::CaseInsensitive) == 0;
}

bool isAnyWord(QStringView word, std::initializer_list<QStringView> keywords)
{
    return std::any_of(keywords.begin(), keywords.end(), [&](QStringView k) { return isWord(word, k); });
}

/// Where a list of sort, group or distinct terms ends.
bool endsTerms(QStringView word)
{
    return isAnyWord(word,
        { u"FROM", u"WHERE", u"GROUP", u"ORDER", u"HAVING", u"LIMIT", u"OFFSET", u"UNION", u"EXCEPT",
            u"INTERSECT", u"WINDOW" });
}

/// A name, bracketed or plain, optionally qualified by a table name, starting at `i`; its end.
qsizetype nameEnd(QStringView jet, qsizetype i)
{
    const qsizetype n = jet.size();
    while (i < n) {
        if (jet[i] == u'[') {
            const qsizetype close = jet.indexOf(u']', i);
            i = close < 0 ? n : close + 1;
        } else if (isIdentifierStart(jet[i])) {
            while (i < n && isIdentifierPart(jet[i]))
                ++i;
        } else {
            break;
        }
        if (i < n && jet[i] == u'.')
            ++i;
        else
            break;
    }
    return i;
}

/// Whether the name that ends at `end` is a whole term: what follows it ends the term.
bool isWholeTerm(QStringView jet, qsizetype end)
{
    qsizetype i = end;
    while (i < jet.size() && jet[i].isSpace())
        ++i;
    if (i == jet.size() || jet[i] == u',' || jet[i] == u')' || jet[i] == u';')
        return true;
    if (!isIdentifierStart(jet[i]))
        return false;
    qsizetype k = i;
    while (k < jet.size() && isIdentifierPart(jet[k]))
        ++k;
    const QStringView next = jet.mid(i, k - i);
    return endsTerms(next) || isAnyWord(next, { u"ASC", u"DESC", u"NULLS" });
}

/// The column part of a possibly qualified name ("T.[Buku]" gives "[Buku]").
QStringView columnPart(QStringView name)
{
    // A bracketed name may hold dots of its own.
    const qsizetype open = name.endsWith(u']') ? name.lastIndexOf(u'[') : -1;
    const qsizetype dot
        = open >= 0 ? (open > 0 && name[open - 1] == u'.' ? open - 1 : -1) : name.lastIndexOf(u'.');
    return dot < 0 ? name : name.mid(dot + 1);
}

QStringView bare(QStringView name)
{
    return name.startsWith(u'[') && name.endsWith(u']') ? name.mid(1, name.size() - 2) : name;
}

} // namespace

QString toSqlite(QStringView jet)
{
    static const QString collate = u" COLLATE "_s + QLatin1StringView(kCollation);
    QString out;
    out.reserve(jet.size() + 32);
    qsizetype i = 0;
    const qsizetype n = jet.size();
    // The word just before the current token (empty after any other token), and the terms of an
    // ORDER BY, GROUP BY or SELECT DISTINCT list while one is being read, with their nesting depth.
    QString lastWord;
    enum class Terms
    {
        None,
        Order,
        Distinct
    } terms
        = Terms::None;
    int depth = 0;
    int termDepth = 0;
    bool termStart = false;
    const auto afterText = [&] {
        // A text compared with a field compares as the dialect does: without regard to case. A LIKE
        // pattern carries its own rule.
        if (!isWord(lastWord, u"LIKE") && !isWord(lastWord, u"ESCAPE"))
            out += collate;
    };
    while (i < n) {
        const QChar c = jet[i];
        if (c.isSpace()) {
            out += c;
            ++i;
            continue;
        }
        const bool atTermStart = terms != Terms::None && termStart && depth == termDepth;
        termStart = false;
        if (c == u'\'') {
            // A quoted text: copy it whole, doubled quotes included.
            const qsizetype start = i++;
            while (i < n) {
                if (jet[i] == u'\'' && i + 1 < n && jet[i + 1] == u'\'')
                    i += 2;
                else if (jet[i] == u'\'')
                    break;
                else
                    ++i;
            }
            i = qMin(i + 1, n);
            out += jet.mid(start, i - start);
            if (i == n && (i - start < 2 || jet[n - 1] != u'\''))
                out += u'\''; // close an unterminated text so the statement fails cleanly, not oddly
            afterText();
            lastWord.clear();
        } else if (c == u'"') {
            // The dialect also quotes texts with double quotes; SQLite reads those as names.
            out += u'\'';
            ++i;
            while (i < n) {
                if (jet[i] == u'"' && i + 1 < n && jet[i + 1] == u'"') {
                    out += u'"';
                    i += 2;
                } else if (jet[i] == u'"') {
                    ++i;
                    break;
                } else {
                    if (jet[i] == u'\'')
                        out += u'\'';
                    out += jet[i++];
                }
            }
            out += u'\'';
            afterText();
            lastWord.clear();
        } else if (c.isDigit() && (i == 0 || !isIdentifierPart(jet[i - 1]))) {
            const qsizetype start = i;
            while (i < n && (jet[i].isDigit() || jet[i] == u'.'))
                ++i;
            out += jet.mid(start, i - start);
            // "nr=1AND Aktif=1": the dialect lets a keyword touch a number, SQLite does not.
            if (i < n && isIdentifierStart(jet[i]))
                out += u' ';
            lastWord.clear();
        } else if (c == u'[' || isIdentifierStart(c)) {
            const qsizetype start = i;
            i = nameEnd(jet, i);
            const QStringView word = jet.mid(start, i - start);
            if (terms != Terms::None && depth == termDepth && endsTerms(word))
                terms = Terms::None;
            if (atTermStart && terms != Terms::None && isWholeTerm(jet, i) && !endsTerms(word)
                && !isNumericField(bare(columnPart(word)))) {
                // A text field sorted, grouped or made distinct: by the dialect's comparison.
                out += word + collate;
                if (terms == Terms::Distinct)
                    out += u" AS "_s + columnPart(word);
            } else if (isWord(word, u"True")) {
                out += u"-1"_s;
            } else if (isWord(word, u"False")) {
                out += u'0';
            } else {
                out += word;
            }
            if (isWord(word, u"BY") && (isWord(lastWord, u"ORDER") || isWord(lastWord, u"GROUP"))) {
                terms = Terms::Order;
                termDepth = depth;
                termStart = true;
            } else if (isWord(word, u"DISTINCT") && isWord(lastWord, u"SELECT")) {
                terms = Terms::Distinct;
                termDepth = depth;
                termStart = true;
            }
            lastWord = word.toString();
        } else {
            if (c == u'(') {
                ++depth;
            } else if (c == u')') {
                --depth;
                if (terms != Terms::None && depth < termDepth)
                    terms = Terms::None;
            } else if (c == u',' && depth == termDepth) {
                termStart = true;
            }
            out += c;
            ++i;
            lastWord.clear();
        }
    }
    return out;
}

bool registerFunctions(sqlite3* db)
{
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_collation(db, kCollation, SQLITE_UTF8, nullptr, collate) == SQLITE_OK
        && sqlite3_create_function(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr) == SQLITE_OK
        && sqlite3_create_function(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr)
        == SQLITE_OK;
}

bool like(QStringView text, QStringView pattern)
{
    const QByteArray p = pattern.toUtf8();
    const QByteArray t = text.toUtf8();
    std::string folded;
    foldUtf8(std::string_view(t.constData(), static_cast<size_t>(t.size())), folded);
    return matchFolded(compile(std::string_view(p.constData(), static_cast<size_t>(p.size()))), folded);
}

int compareText(QStringView a, QStringView b)
{
    const QByteArray ua = a.toUtf8();
    const QByteArray ub = b.toUtf8();
    return compareUtf8(std::string_view(ua.constData(), static_cast<size_t>(ua.size())),
        std::string_view(ub.constData(), static_cast<size_t>(ub.size())));
}

} // namespace tirta::dialect
