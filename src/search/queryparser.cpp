#include "queryparser.h"

#include <QStringList>

#include <algorithm>
#include <cstring>
#include <optional>
#include <type_traits>

namespace tirta::search {

using namespace Qt::StringLiterals;

namespace {

/// The words of a list split at `separator`; an empty list has none, empty words are kept.
QStringList splitWords(const QString& list, QChar separator)
{
    if (list.isEmpty())
        return {};
    return list.split(separator, Qt::KeepEmptyParts);
}

/// Whether `word` occurs in `line`. An empty word occurs in every line that is not empty.
bool occurs(QStringView word, QStringView line)
{
    if (word.isEmpty())
        return !line.isEmpty();
    return line.contains(word, Qt::CaseSensitive);
}

/// The same for UTF-8 bytes.
bool occurs(std::string_view word, std::string_view line)
{
    if (word.empty())
        return !line.empty();
    return memmem(line.data(), line.size(), word.data(), word.size()) != nullptr;
}

/// The words in ASCII, or nothing when one of them is not plain ASCII.
std::optional<std::vector<std::string>> asciiWords(const std::vector<QString>& words)
{
    std::vector<std::string> bytes;
    for (const QString& word : words) {
        if (std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.unicode() >= 0x80; }))
            return std::nullopt;
        bytes.push_back(word.toStdString());
    }
    return bytes;
}

/// All found: true; none found: false; some found: true unless every word is required.
/// A list without words always answers true.
bool judge(const QStringList& words, QStringView line, bool matchCase, bool allWords)
{
    if (words.isEmpty())
        return true;
    const QString lowered = matchCase ? QString() : line.toString().toLower();
    const QStringView text = matchCase ? line : QStringView(lowered);
    qsizetype found = 0;
    for (const QString& word : words) {
        if (occurs(matchCase ? word : word.toLower(), text))
            ++found;
    }
    if (found == words.size())
        return true;
    if (found == 0)
        return false;
    return !allWords;
}

} // namespace

QStringView trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

void ParseQuery::Query(const QString& text)
{
    // 1-based positions as the language is described: p of the first "+", 0 when there is none;
    // c of the first "^", one past the end when there is none.
    const qsizetype plus = text.indexOf(u'+');
    const qsizetype caret = text.indexOf(u'^');
    const qsizetype p = plus + 1;
    const qsizetype c = caret >= 0 ? caret + 1 : text.size() + 1;
    const qsizetype first = (p != 0 && p <= c) ? p : c;

    m_wordList1 = text.left(first - 1);
    m_wordList2 = (c <= p || p == 0) ? QString() : text.mid(p, c - p - 1);
    m_wordList3 = caret >= 0 ? text.mid(caret + 1) : QString();
}

bool ParseQuery::MatchWordList(const QString& list, QStringView line, bool matchCase)
{
    const bool allWords = list.startsWith(u'+');
    const QChar separator = list.contains(u'&') ? u'&' : u'+';
    return judge(splitWords(list, separator), line, matchCase, allWords);
}

bool ParseQuery::MatchExclusionList(const QString& list, QStringView line, bool matchCase)
{
    const bool allWords = list.startsWith(u'^');
    const QString words = allWords ? list.mid(1) : list;
    if (trimSpaces(words).isEmpty())
        return false;
    return judge(splitWords(words, u'+'), line, matchCase, allWords);
}

bool ParseQuery::MatchLine(const QString& wordList1, const QString& wordList2, const QString& wordList3,
    QStringView line, bool matchCase)
{
    if (!MatchWordList(wordList1, line, matchCase))
        return false;
    if (trimSpaces(QString(wordList2 + wordList3)).isEmpty())
        return true;
    return MatchWordList(wordList2, line, matchCase) && !MatchExclusionList(wordList3, line, matchCase);
}

LineFilter::LineFilter(
    const QString& wordList1, const QString& wordList2, const QString& wordList3, bool matchCase)
    : m_matchCase(matchCase)
    , m_onlyFirst(trimSpaces(QString(wordList2 + wordList3)).isEmpty())
    , m_first(wordList(wordList1, matchCase))
    , m_second(wordList(wordList2, matchCase))
    , m_excluded(exclusionList(wordList3, matchCase))
{
    const bool anyOf = !m_first.fixed && !m_first.all;
    const bool noEmptyWord = std::none_of(
        m_first.words.cbegin(), m_first.words.cend(), [](const QString& w) { return w.isEmpty(); });
    if (anyOf && noEmptyWord)
        m_anchors = m_first.words;

    m_ascii = true;
    for (WordSet* set : { &m_first, &m_second, &m_excluded }) {
        std::optional<std::vector<std::string>> bytes = asciiWords(set->words);
        m_ascii = m_ascii && bytes.has_value();
        if (bytes)
            set->bytes = std::move(*bytes);
    }
    if (m_ascii && !m_anchors.empty())
        m_anchorBytes = m_first.bytes;
}

LineFilter::WordSet LineFilter::wordList(const QString& list, bool matchCase)
{
    WordSet set;
    set.all = list.startsWith(u'+');
    const QStringList words = splitWords(list, list.contains(u'&') ? u'&' : u'+');
    for (const QString& word : words)
        set.words.push_back(matchCase ? word : word.toLower());
    // No words: every line satisfies the list.
    set.fixed = set.words.empty();
    set.fixedAnswer = true;
    return set;
}

LineFilter::WordSet LineFilter::exclusionList(const QString& list, bool matchCase)
{
    WordSet set;
    set.all = list.startsWith(u'^');
    const QString words = set.all ? list.mid(1) : list;
    if (trimSpaces(words).isEmpty()) {
        // Blank: nothing is excluded.
        set.fixed = true;
        set.fixedAnswer = false;
        return set;
    }
    for (const QString& word : splitWords(words, u'+'))
        set.words.push_back(matchCase ? word : word.toLower());
    return set;
}

template <class Text> bool LineFilter::test(const WordSet& set, Text text)
{
    if (set.fixed)
        return set.fixedAnswer;
    // With at least one word, "any" is true as soon as one occurs and "all" false as soon as one is
    // missing: the mixed case of the rule falls out of that.
    const auto& words = [&]() -> const auto&
    {
        if constexpr (std::is_same_v<Text, std::string_view>)
            return set.bytes;
        else
            return set.words;
    }
    ();
    for (const auto& word : words) {
        const bool found = occurs(word, text);
        if (found && !set.all)
            return true;
        if (!found && set.all)
            return false;
    }
    return set.all;
}

bool LineFilter::matches(QStringView line, QStringView lowered) const
{
    const QStringView text = m_matchCase ? line : lowered;
    if (!test(m_first, text))
        return false;
    if (m_onlyFirst)
        return true;
    return test(m_second, text) && !test(m_excluded, text);
}

bool LineFilter::matchesUtf8(std::string_view line, std::string_view lowered) const
{
    const std::string_view text = m_matchCase ? line : lowered;
    if (!test(m_first, text))
        return false;
    if (m_onlyFirst)
        return true;
    return test(m_second, text) && !test(m_excluded, text);
}

bool LineFilter::matches(QStringView line) const
{
    if (m_matchCase)
        return matches(line, line);
    const QString lowered = line.toString().toLower();
    return matches(line, lowered);
}

} // namespace tirta::search
