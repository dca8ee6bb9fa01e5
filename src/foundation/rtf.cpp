#include "rtf.h"

#include <QSet>

#include <algorithm>

namespace tirta::rtf {

using namespace Qt::StringLiterals;

namespace {

// ---- writing ---------------------------------------------------------------------------------

/// Appends one character of text, escaped as rich text needs it.
void appendCharacter(QByteArray& out, char16_t c)
{
    if (c == u'\\' || c == u'{' || c == u'}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c == u'\t') {
        out += "\\tab ";
    } else if (c >= 0x20 && c < 0x7F) {
        out += static_cast<char>(c);
    } else if (c >= 0x80) {
        // \uN takes a signed 16-bit number; "?" is what a reader that does not know \u shows.
        out += "\\u" + QByteArray::number(static_cast<qint16>(c)) + '?';
    }
    // Other control characters have no meaning in a document and are left out.
}

void appendText(QByteArray& out, QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += "\\par\r\n";
        } else {
            appendCharacter(out, c);
        }
    }
}

// ---- reading ---------------------------------------------------------------------------------

/// Windows-1252 characters for the bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr char16_t kCp1252High[32] = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
    0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

char16_t fromCodePage(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
}

enum class Destination
{
    Text,
    Skip,
    ColourTable,
};

struct GroupState
{
    bool bold = false;
    int colour = 0;
    int unicodeSkip = 1; ///< characters that stand in for a \uN character
    Destination destination = Destination::Text;
};

/// Destinations whose content is not text of the document.
const QSet<QByteArray>& skippedDestinations()
{
    static const QSet<QByteArray> names { "fonttbl", "stylesheet", "info", "pict", "object", "header",
        "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation",
        "listtable", "listoverridetable", "revtbl", "filetbl", "rsidtbl", "xmlnstbl", "generator",
        "themedata", "colorschememapping", "latentstyles", "datastore", "fldinst", "author", "operator",
        "title", "subject", "keywords", "comment", "doccomm", "nonshppict", "shpinst", "bkmkstart", "bkmkend",
        "pgdsctbl", "mmathPr", "userprops", "template", "printim", "buptim", "creatim", "revtim" };
    return names;
}

class Reader
{
public:
    explicit Reader(const QByteArray& bytes)
        : m_bytes(bytes)
    { }

    ReadResult run()
    {
        ReadResult result;
        qsizetype start = 0;
        while (start < m_bytes.size() && isSpace(m_bytes[start]))
            ++start;
        if (!m_bytes.mid(start, 5).startsWith("{\\rtf")) {
            result.error = ReadError::NotRtf;
            result.position = start;
            return result;
        }
        m_at = start;
        bool closed = false;
        while (m_at < m_bytes.size() && !closed) {
            const char c = m_bytes[m_at];
            if (c == '{') {
                ++m_at;
                m_skipPending = 0;
                m_stack.push_back(m_stack.empty() ? GroupState {} : m_stack.back());
            } else if (c == '}') {
                ++m_at;
                m_skipPending = 0;
                if (!m_stack.empty())
                    m_stack.pop_back();
                // What follows the document's last brace (Word pads with NULs) is not part of it.
                closed = m_stack.empty();
            } else if (c == '\\') {
                controlSequence();
            } else if (c == '\r' || c == '\n') {
                ++m_at;
            } else {
                ++m_at;
                character(fromCodePage(static_cast<unsigned char>(c)));
            }
        }
        if (!closed) {
            result.error = ReadError::Unterminated;
            result.position = m_bytes.size();
        }
        result.runs = std::move(m_runs);
        return result;
    }

private:
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    GroupState& state()
    {
        // Text before the first brace has no group of its own; it cannot occur after the check in
        // run(), but a state is always there to write to.
        if (m_stack.empty())
            m_stack.push_back({});
        return m_stack.back();
    }

    void controlSequence()
    {
        ++m_at; // the backslash
        if (m_at >= m_bytes.size())
            return;
        const char c = m_bytes[m_at];
        if (!isLetter(c)) {
            controlSymbol(c);
            return;
        }
        const qsizetype nameStart = m_at;
        while (m_at < m_bytes.size() && isLetter(m_bytes[m_at]))
            ++m_at;
        const QByteArray name = m_bytes.mid(nameStart, m_at - nameStart);
        std::optional<int> parameter;
        const qsizetype numberStart = m_at;
        if (m_at < m_bytes.size() && m_bytes[m_at] == '-')
            ++m_at;
        while (m_at < m_bytes.size() && isDigit(m_bytes[m_at]))
            ++m_at;
        if (m_at > numberStart && isDigit(m_bytes[m_at - 1])) {
            bool ok = false;
            const qlonglong n = m_bytes.mid(numberStart, m_at - numberStart).toLongLong(&ok);
            parameter = ok ? static_cast<int>(std::clamp<qlonglong>(n, -2147483647LL, 2147483647LL)) : 0;
        } else {
            m_at = numberStart; // a lone "-" is text
        }
        if (m_at < m_bytes.size() && m_bytes[m_at] == ' ')
            ++m_at; // the delimiter belongs to the control word
        controlWord(name, parameter);
    }

    void controlSymbol(char c)
    {
        ++m_at;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            character(static_cast<char16_t>(c));
            break;
        case '\'': {
            const QByteArray hex = m_bytes.mid(m_at, 2);
            bool ok = false;
            const int byte = hex.toInt(&ok, 16);
            if (ok && hex.size() == 2) {
                m_at += 2;
                character(fromCodePage(static_cast<unsigned char>(byte)));
            }
            break;
        }
        case '~':
            character(0x00A0);
            break;
        case '_':
            character(0x2011);
            break;
        case '*':
            state().destination = Destination::Skip;
            break;
        case '\r':
        case '\n':
            character(u'\n');
            break;
        default:
            // "\-" (optional hyphen), "\|", "\:" and anything unknown: no text.
            consumeFallback();
            break;
        }
    }

    void controlWord(const QByteArray& name, std::optional<int> parameter)
    {
        GroupState& s = state();
        if (s.destination == Destination::ColourTable) {
            int* part = name == "red" ? &m_colour.red
                : name == "green"     ? &m_colour.green
                : name == "blue"      ? &m_colour.blue
                                      : nullptr;
            if (part) {
                *part = std::clamp(parameter.value_or(0), 0, 255);
                m_colourGiven = true;
            }
            return;
        }
        if (name == "colortbl") {
            s.destination = Destination::ColourTable;
            m_colours.clear();
            m_colour = {};
            m_colourGiven = false;
            return;
        }
        if (skippedDestinations().contains(name)) {
            s.destination = Destination::Skip;
            return;
        }
        if (s.destination == Destination::Skip)
            return;
        if (name == "u") {
            // A signed 16-bit number; anything outside that range is not a character.
            const int code = parameter.value_or(0);
            character(code < -32768 || code > 65535 ? char16_t(0xFFFD)
                                                    : static_cast<char16_t>(code < 0 ? code + 65536 : code));
            m_skipPending = s.unicodeSkip;
        } else if (name == "uc") {
            s.unicodeSkip = std::max(0, parameter.value_or(1));
        } else if (name == "par" || name == "line" || name == "sect" || name == "page" || name == "row") {
            character(u'\n');
        } else if (name == "tab" || name == "cell") {
            character(u'\t');
        } else if (name == "b") {
            s.bold = parameter.value_or(1) != 0;
        } else if (name == "cf") {
            s.colour = parameter.value_or(0);
        } else if (name == "plain") {
            s.bold = false;
            s.colour = 0;
        } else if (name == "emdash") {
            character(0x2014);
        } else if (name == "endash") {
            character(0x2013);
        } else if (name == "bullet") {
            character(0x2022);
        } else if (name == "lquote") {
            character(0x2018);
        } else if (name == "rquote") {
            character(0x2019);
        } else if (name == "ldblquote") {
            character(0x201C);
        } else if (name == "rdblquote") {
            character(0x201D);
        } else {
            consumeFallback();
        }
    }

    /// A character that may be the stand-in of the last \uN: then it is dropped.
    bool consumeFallback()
    {
        if (m_skipPending <= 0)
            return false;
        --m_skipPending;
        return true;
    }

    void character(char16_t c)
    {
        GroupState& s = state();
        if (s.destination == Destination::ColourTable) {
            if (c == u';') {
                m_colours.push_back(m_colourGiven ? std::optional<Colour>(m_colour) : std::nullopt);
                m_colour = {};
                m_colourGiven = false;
            }
            return;
        }
        if (s.destination == Destination::Skip)
            return;
        if (c != u'\n' && consumeFallback())
            return;
        std::optional<Colour> colour;
        if (s.colour > 0 && s.colour < static_cast<int>(m_colours.size()))
            colour = m_colours[static_cast<size_t>(s.colour)];
        if (m_runs.empty() || m_runs.back().bold != s.bold || m_runs.back().colour != colour)
            m_runs.push_back(Run { QString(), s.bold, colour });
        m_runs.back().text += QChar(c);
    }

    const QByteArray& m_bytes;
    qsizetype m_at = 0;
    std::vector<GroupState> m_stack;
    std::vector<Run> m_runs;
    std::vector<std::optional<Colour>> m_colours;
    Colour m_colour;
    bool m_colourGiven = false;
    int m_skipPending = 0;
};

} // namespace

QByteArray write(const std::vector<Run>& runs, const WriteOptions& options)
{
    std::vector<Colour> colours;
    for (const Run& run : runs) {
        if (run.colour && std::find(colours.cbegin(), colours.cend(), *run.colour) == colours.cend())
            colours.push_back(*run.colour);
    }
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1057{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    appendText(out, options.fontName);
    out += ";}}\r\n{\\colortbl ;";
    for (const Colour& c : colours) {
        out += "\\red" + QByteArray::number(std::clamp(c.red, 0, 255)) + "\\green"
            + QByteArray::number(std::clamp(c.green, 0, 255)) + "\\blue"
            + QByteArray::number(std::clamp(c.blue, 0, 255)) + ';';
    }
    out += "}\r\n{\\*\\generator Tirtamaya;}\\viewkind4\\uc1\\pard\\f0\\fs"
        + QByteArray::number(std::max(1, options.fontSize) * 2) + ' ';

    bool bold = false;
    int colour = 0;
    for (const Run& run : runs) {
        if (run.text.isEmpty())
            continue;
        const int wanted = run.colour
            ? static_cast<int>(std::find(colours.cbegin(), colours.cend(), *run.colour) - colours.cbegin())
                + 1
            : 0;
        if (wanted != colour) {
            out += "\\cf" + QByteArray::number(wanted) + ' ';
            colour = wanted;
        }
        if (run.bold != bold) {
            out += run.bold ? "\\b " : "\\b0 ";
            bold = run.bold;
        }
        appendText(out, run.text);
    }
    if (bold)
        out += "\\b0";
    if (colour != 0)
        out += "\\cf0";
    out += "\r\n}\r\n";
    return out;
}

ReadResult read(const QByteArray& document)
{
    return Reader(document).run();
}

QString plainText(const std::vector<Run>& runs)
{
    QString text;
    for (const Run& run : runs)
        text += run.text;
    return text;
}

QString ReadResult::plainText() const
{
    return rtf::plainText(runs);
}

} // namespace tirta::rtf
