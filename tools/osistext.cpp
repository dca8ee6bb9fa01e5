#include "osistext.h"

#include <QRegularExpression>
#include <QStringList>

namespace tirta::databuilder {

using namespace Qt::StringLiterals;

namespace {

/// One piece of markup: a run of text or a tag.
struct Token
{
    enum Kind
    {
        Text,
        Start, ///< <name ...>
        End, ///< </name>
        Empty ///< <name .../>
    };
    Kind kind = Text;
    QStringView text; ///< the text run, or the tag without its angle brackets and slashes
    QStringView name;

    /// The value of an attribute of the tag, or a null view.
    QStringView attribute(QStringView attr) const
    {
        qsizetype i = name.size();
        const qsizetype n = text.size();
        while (i < n) {
            while (i < n && text[i].isSpace())
                ++i;
            const qsizetype nameStart = i;
            while (i < n && text[i] != u'=' && !text[i].isSpace())
                ++i;
            const QStringView key = text.sliced(nameStart, i - nameStart);
            while (i < n && text[i].isSpace())
                ++i;
            if (i >= n || text[i] != u'=')
                continue;
            ++i;
            while (i < n && text[i].isSpace())
                ++i;
            if (i >= n)
                break;
            const QChar quote = text[i];
            if (quote != u'"' && quote != u'\'')
                break;
            const qsizetype valueStart = ++i;
            while (i < n && text[i] != quote)
                ++i;
            const QStringView value = text.sliced(valueStart, i - valueStart);
            ++i;
            if (key == attr)
                return value;
        }
        return {};
    }
};

/// Walks markup token by token; `next` returns false at the end or on a "<" without its ">".
class Tokenizer
{
public:
    explicit Tokenizer(QStringView markup)
        : m_markup(markup)
    { }

    bool next(Token* token)
    {
        if (m_pos >= m_markup.size())
            return false;
        if (m_markup[m_pos] != u'<') {
            qsizetype end = m_markup.indexOf(u'<', m_pos);
            if (end < 0)
                end = m_markup.size();
            *token = { Token::Text, m_markup.sliced(m_pos, end - m_pos), {} };
            m_pos = end;
            return true;
        }
        const qsizetype close = m_markup.indexOf(u'>', m_pos);
        if (close < 0) {
            m_broken = true;
            return false;
        }
        QStringView inner = m_markup.sliced(m_pos + 1, close - m_pos - 1);
        m_pos = close + 1;
        Token::Kind kind = Token::Start;
        if (inner.startsWith(u'/')) {
            kind = Token::End;
            inner = inner.sliced(1);
        } else if (inner.endsWith(u'/')) {
            kind = Token::Empty;
            inner.chop(1);
        }
        qsizetype nameEnd = 0;
        while (nameEnd < inner.size() && !inner[nameEnd].isSpace())
            ++nameEnd;
        *token = { kind, inner, inner.first(nameEnd) };
        return true;
    }

    bool broken() const { return m_broken; }

private:
    QStringView m_markup;
    qsizetype m_pos = 0;
    bool m_broken = false;
};

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

bool isOpening(QChar c)
{
    return QStringView(u"“‘([{¿¡«").contains(c);
}

/// Marks that never follow a blank, even one the source has: its blanks around a removed note
/// ("coins <note/> ?", "penny.</q> <note/> <q>”") are the markup's, not the sentence's. The
/// single closing quote is left out: it is also the apostrophe that may begin a word.
bool isSentencePunctuation(QChar c)
{
    return QStringView(u".,;:!?”»").contains(c);
}

bool isClosing(QChar c)
{
    return QStringView(u".,;:!?)]}’”»…").contains(c);
}

/// Decodes the five XML entities and numeric character references; anything else stays as written.
QString decodeEntities(QStringView text)
{
    if (!text.contains(u'&'))
        return text.toString();
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype semicolon = text[i] == u'&' ? text.indexOf(u';', i) : -1;
        if (semicolon < 0 || semicolon - i > 10) {
            out += text[i++];
            continue;
        }
        const QStringView entity = text.sliced(i + 1, semicolon - i - 1);
        QString decoded;
        if (entity == u"amp")
            decoded = u"&"_s;
        else if (entity == u"lt")
            decoded = u"<"_s;
        else if (entity == u"gt")
            decoded = u">"_s;
        else if (entity == u"quot")
            decoded = u"\""_s;
        else if (entity == u"apos")
            decoded = u"'"_s;
        else if (entity.startsWith(u'#')) {
            bool ok = false;
            const uint code = entity.startsWith(u"#x", Qt::CaseInsensitive)
                ? entity.sliced(2).toUInt(&ok, 16)
                : entity.sliced(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF) {
                const char32_t c = code;
                decoded = QString::fromUcs4(&c, 1);
            }
        }
        if (decoded.isEmpty()) {
            out += text[i++];
            continue;
        }
        out += decoded;
        i = semicolon + 1;
    }
    return out;
}

/// The divine name as small capitals print it: in capitals, all but an ending after an apostrophe
/// ("LORD’s").
QString smallCapitals(const QString& text)
{
    QString out = text;
    bool afterApostrophe = false;
    for (QChar& c : out) {
        if (c == u'’' || c == u'\'')
            afterApostrophe = true;
        else if (!isWordChar(c))
            afterApostrophe = false;
        else if (!afterApostrophe)
            c = c.toUpper();
    }
    return out;
}

/// Builds the verse text character by character, deciding where blanks go.
class TextBuilder
{
public:
    /// A place where removed or structural markup stood: words on either side are separate.
    void boundary() { m_boundary = true; }

    void append(QStringView text)
    {
        for (const QChar c : text) {
            if (c == u'\u00B6') // the paragraph sign of the printed edition is layout, not text
                continue;
            if (c.isSpace()) {
                m_space = !m_out.isEmpty();
                continue;
            }
            if (!m_out.isEmpty()
                && ((m_space && !isSentencePunctuation(c)) || (m_boundary && needsBlank(m_out.back(), c))))
                m_out += u' ';
            m_space = false;
            m_boundary = false;
            m_out += c;
        }
    }

    bool isEmpty() const { return m_out.isEmpty(); }
    QString text() const { return m_out; }
    qsizetype size() const { return m_out.size(); }
    /// Whether the next character would follow the last one without a blank in the source.
    bool gluedToWord() const
    {
        return !m_out.isEmpty() && !m_space && !m_boundary && isWordChar(m_out.back());
    }
    /// Joins text added at `at` (with the blank a boundary put before it) to the word before it.
    void joinAt(qsizetype at)
    {
        if (at < m_out.size() && m_out[at] == u' ')
            m_out.remove(at, 1);
    }

private:
    /// A boundary separates two words, or a word and a quotation around it; it never puts a blank
    /// inside opening or before closing punctuation, nor next to a dash.
    static bool needsBlank(QChar before, QChar after)
    {
        return (isWordChar(before) || isClosing(before)) && (isWordChar(after) || isOpening(after));
    }

    QString m_out;
    bool m_space = false;
    bool m_boundary = false;
};

/// Whether added words are an object pronoun that Spanish writes onto the verb before it
/// ("sáca" + "lo", "dános" + "lo"): me, te, se, nos, os, lo, la, los, las, le, les or a pair of them.
bool isEnclitic(QStringView added)
{
    static const QRegularExpression pronouns(
        u"^(?:(?:me|te|se|nos|os)(?:lo|la|los|las|le|les)?|lo|la|los|las|le|les)$"_s,
        QRegularExpression::CaseInsensitiveOption);
    return pronouns.match(added.toString()).hasMatch();
}

/// Whether the last word of `text` is a verb form that takes such a pronoun: an infinitive or a
/// plural command (-r, -d), a short command or past form (di, haz, vi, ...), or a form the
/// Reina-Valera spelling marks with an accent for the pronoun (díjo, oyéndo, púso). A name in
/// the middle of a sentence (Josué, Jehová) and words that only stand before a pronoun do not.
bool takesEnclitic(QStringView text)
{
    static const QStringList shortForms { u"da"_s, u"di"_s, u"haz"_s, u"he"_s, u"pon"_s, u"sal"_s, u"ten"_s,
        u"ve"_s, u"ven"_s, u"vi"_s };
    static const QStringList notVerbs { u"así"_s, u"aún"_s, u"allí"_s, u"allá"_s, u"aquí"_s, u"acá"_s,
        u"ahí"_s, u"cómo"_s, u"cuál"_s, u"cuán"_s, u"cuándo"_s, u"cuánto"_s, u"cuántos"_s, u"cuánta"_s,
        u"cuántas"_s, u"después"_s, u"dónde"_s, u"él"_s, u"jamás"_s, u"más"_s, u"mí"_s, u"por"_s, u"qué"_s,
        u"quién"_s, u"sí"_s, u"sólo"_s, u"también"_s, u"tú"_s };
    qsizetype start = text.size();
    while (start > 0 && isWordChar(text[start - 1]))
        --start;
    const QStringView host = text.sliced(start);
    if (host.isEmpty())
        return false;
    if (host.front().isUpper()) {
        qsizetype i = start;
        while (i > 0 && (text[i - 1].isSpace() || isOpening(text[i - 1])))
            --i;
        if (i > 0 && !QStringView(u".!?:;").contains(text[i - 1]))
            return false;
    }
    const QString word = host.toString().toLower();
    if (notVerbs.contains(word))
        return false;
    static const QRegularExpression accent(u"[áéíóú]"_s);
    return word.endsWith(u'r') || word.endsWith(u'd') || shortForms.contains(word)
        || accent.match(word).hasMatch();
}

bool isStructural(QStringView name)
{
    static const QStringList names { u"l"_s, u"lb"_s, u"lg"_s, u"div"_s, u"p"_s, u"milestone"_s, u"chapter"_s,
        u"verse"_s, u"list"_s, u"item"_s, u"head"_s, u"transChange"_s, u"table"_s, u"row"_s, u"cell"_s };
    return names.contains(name);
}

} // namespace

Conversion osisToPlainText(QStringView markup, bool verseOne)
{
    TextBuilder out;
    Tokenizer tokens(markup);
    Token token;
    QStringView skipping; // the element whose content is being left out
    int skipDepth = 0;
    bool keptTitle = false;
    int divineName = 0; // depth of divine-name elements: printed in small capitals, kept as capitals
    qsizetype addedAt = -1; // where added words glued to the word before them begin

    while (tokens.next(&token)) {
        if (skipDepth > 0) {
            if (token.name == skipping && token.kind == Token::Start)
                ++skipDepth;
            else if (token.name == skipping && token.kind == Token::End && --skipDepth == 0)
                out.boundary();
            continue;
        }
        switch (token.kind) {
        case Token::Text:
            out.append(
                divineName > 0 ? smallCapitals(decodeEntities(token.text)) : decodeEntities(token.text));
            continue;
        case Token::Empty:
        case Token::Start:
        case Token::End:
            break;
        }
        const QStringView name = token.name;
        if (name == u"note" || name == u"speaker" || name == u"title") {
            if (token.kind == Token::End && name == u"title" && keptTitle) {
                keptTitle = false;
                out.boundary();
                continue;
            }
            // A title the text itself carries (a psalm's superscription, the letters of Psalm 119)
            // stays where it opens its verse; a psalm title of verse 1 counts as such too.
            const bool partOfText = name == u"title" && out.isEmpty()
                && (token.attribute(u"canonical") == u"true"
                    || (verseOne && token.attribute(u"type") == u"psalm"));
            if (token.kind == Token::Start && partOfText) {
                keptTitle = true;
                continue;
            }
            if (token.kind == Token::Start) {
                skipping = name;
                skipDepth = 1;
            }
            out.boundary();
            continue;
        }
        if (name == u"q") {
            // A quotation is a unit of its own: the word after its closing mark starts anew. It may
            // carry the mark to print; the modules at hand leave it empty.
            const bool closes = token.kind == Token::End || !token.attribute(u"eID").isNull();
            if (!closes)
                out.boundary();
            out.append(token.attribute(u"marker"));
            if (closes)
                out.boundary();
            continue;
        }
        if (name == u"divineName" && token.kind != Token::Empty) {
            divineName = std::max(0, divineName + (token.kind == Token::Start ? 1 : -1));
            continue;
        }
        if (name == u"transChange" && token.kind == Token::Start) {
            addedAt = out.gluedToWord() ? out.size() : -1;
        } else if (name == u"transChange" && token.kind == Token::End && addedAt >= 0) {
            // Added words the source writes onto the word before them belong to it when they are a
            // pronoun that verb takes; any other added words stand apart.
            const QString text = out.text();
            if (isEnclitic(QStringView(text).sliced(addedAt).trimmed())
                && takesEnclitic(QStringView(text).first(addedAt)))
                out.joinAt(addedAt);
            addedAt = -1;
        }
        if (isStructural(name))
            out.boundary();
        // Every other element (words, foreign words, ...) only wraps text.
    }
    if (tokens.broken())
        return { {}, u"markup rusak: \"<\" tanpa \">\""_s };
    if (skipDepth > 0)
        return { {}, u"markup rusak: <"_s + skipping.toString() + u"> tidak ditutup"_s };
    return { out.text(), {} };
}

void OsisBookNames::read(QStringView markup)
{
    Tokenizer tokens(markup);
    Token token;
    while (tokens.next(&token)) {
        if (token.kind == Token::Text || token.kind == Token::End)
            continue;
        if (token.name == u"div" && token.attribute(u"type") == u"book") {
            // Headings after the end of a book belong to no book.
            m_book = token.attribute(u"eID").isNull() ? token.attribute(u"osisID").toString() : QString();
        } else if (token.name == u"milestone" && !m_book.isEmpty()) {
            const QStringView type = token.attribute(u"type");
            const QString name = decodeEntities(token.attribute(u"n")).simplified();
            if (name.isEmpty())
                continue;
            if (type == u"x-usfm-toc2" && !m_shortNames.contains(m_book))
                m_shortNames.insert(m_book, name);
            else if (type == u"x-usfm-h" && !m_heads.contains(m_book))
                m_heads.insert(m_book, name);
        }
    }
}

QHash<QString, QString> OsisBookNames::names() const
{
    QHash<QString, QString> result = m_heads;
    result.insert(m_shortNames);
    return result;
}

} // namespace tirta::databuilder
