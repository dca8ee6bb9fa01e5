#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>
#include <vector>

namespace tirta::search {

/// The query language of "Cari Semua". One line of text is cut at its first "+" and its first "^"
/// into three word lists:
///
///   WordList1  every character before the first operator: the required list, alternatives
///              separated by "&"
///   WordList2  the characters between the first "+" and the first "^", when the "+" comes first:
///              further words, separated by "&" when the list holds one, else by "+"
///   WordList3  every character after the first "^": the exclusion list, separated by "+" only
///
/// A list means "any of these"; a list that begins with its own operator again ("a++b+c",
/// "a^^b+c") means "all of these". Spaces are part of the words and nothing is trimmed, so
/// "kasih + Allah" asks for "kasih " and " Allah". Quotes are ordinary characters.
class ParseQuery
{
public:
    /// Cuts `text` into the three lists (a fresh parse replaces the previous one).
    void Query(const QString& text);

    /// The required list: every character before the first operator.
    QString WordList1() const { return m_wordList1; }
    /// The additional list between the first "+" and the first "^".
    QString WordList2() const { return m_wordList2; }
    /// The exclusion list after the first "^".
    QString WordList3() const { return m_wordList3; }

    /// Whether `line` satisfies a required or additional list. An empty list is always satisfied;
    /// an empty word occurs in every non-empty line. Without `matchCase` letters compare lower-cased.
    static bool MatchWordList(const QString& list, QStringView line, bool matchCase);
    /// Whether `line` holds what an exclusion list excludes. A list of spaces only excludes nothing.
    static bool MatchExclusionList(const QString& list, QStringView line, bool matchCase);
    /// Whether `line` is a hit under the three lists: the required list must match; then, unless the
    /// other two lists are blank, the additional list must match and the exclusion list must not.
    static bool MatchLine(const QString& wordList1, const QString& wordList2, const QString& wordList3,
        QStringView line, bool matchCase);

private:
    QString m_wordList1;
    QString m_wordList2;
    QString m_wordList3;
};

/// The text with the spaces at both ends removed (only spaces: the query language keeps tabs).
QStringView trimSpaces(QStringView text);

/// The three word lists of a query prepared once for many lines, with the same answers as
/// `ParseQuery::MatchLine`. A search tests tens of thousands of lines; this one splits the lists
/// and lower-cases the words once instead of for every line.
class LineFilter
{
public:
    LineFilter(const QString& wordList1, const QString& wordList2, const QString& wordList3, bool matchCase);

    /// Whether the filter compares lower-cased lines, so the caller must pass them to `matches`.
    bool wantsLowered() const { return !m_matchCase; }
    /// Whether `line` is a hit. `lowered` is `line` lower-cased; it is read only when `wantsLowered`.
    bool matches(QStringView line, QStringView lowered) const;
    /// Convenience for one line: lower-cases it when needed.
    bool matches(QStringView line) const;

    /// Whether every word of the three lists is plain ASCII, so that lines may be tested as their
    /// UTF-8 bytes with `matchesUtf8`.
    bool isAscii() const { return m_ascii; }
    /// As `matches`, for a line in UTF-8; `lowered` is the line with its ASCII letters lower-cased,
    /// read only when `wantsLowered`. Only when `isAscii`: then a letter outside ASCII can make no
    /// difference, except the few that lower-case or fold into ASCII (see `search::isPlainText`).
    bool matchesUtf8(std::string_view line, std::string_view lowered) const;
    /// `anchorWords` as ASCII bytes, when `isAscii`.
    const std::vector<std::string>& anchorBytes() const { return m_anchorBytes; }

    /// The words of which every hit line holds at least one (lower-cased unless the filter matches
    /// case), or nothing when the required list cannot narrow the lines down that way (no words,
    /// all words required, or an empty word, which occurs in every line). A search looks for these
    /// words in a whole chapter and tests only the lines where they occur.
    const std::vector<QString>& anchorWords() const { return m_anchors; }
    /// Whether a line that holds an anchor word is a hit without further tests (only the required
    /// list counts, and it asks for any one of its words).
    bool anchorDecides() const { return m_onlyFirst && !m_anchors.empty(); }

private:
    struct WordSet
    {
        std::vector<QString> words; ///< lower-cased unless the filter matches case
        std::vector<std::string> bytes; ///< the same words in ASCII, when all of them are
        bool all = false; ///< every word must occur (else any one)
        bool fixed = false; ///< the answer does not depend on the line ...
        bool fixedAnswer = true; ///< ... and is this one
    };
    static WordSet wordList(const QString& list, bool matchCase);
    static WordSet exclusionList(const QString& list, bool matchCase);
    template <class Text> static bool test(const WordSet& set, Text text);

    bool m_matchCase = false;
    bool m_onlyFirst = true; ///< the additional and exclusion lists are blank
    WordSet m_first;
    WordSet m_second;
    WordSet m_excluded;
    std::vector<QString> m_anchors;
    bool m_ascii = false;
    std::vector<std::string> m_anchorBytes;
};

} // namespace tirta::search
