#include "studysources.h"

#include "tools/bookcodes.h"
#include "tools/osistext.h"

#include <QRegularExpression>

#include <set>

namespace tirta::databuilder {

using namespace Qt::StringLiterals;

namespace {

/// The attribute value of a tag text such as `reference osisRef="Gen.1.1"`.
QString attribute(QStringView tag, QStringView name)
{
    const QString marker = name.toString() + u"=\""_s;
    const qsizetype start = tag.indexOf(marker);
    if (start < 0)
        return {};
    const qsizetype from = start + marker.size();
    const qsizetype end = tag.indexOf(u'"', from);
    return end < 0 ? QString() : tag.sliced(from, end - from).toString();
}

/// Plain text of inline markup, on one line.
QString inlineText(QStringView markup)
{
    const Conversion plain = osisToPlainText(markup, false);
    if (plain.ok())
        return plain.text;
    static const QRegularExpression tag(u"<[^>]*>"_s);
    return markup.toString().remove(tag).simplified();
}

/// Where the "Book Introduction" section of a commentary entry lies: from its title to the end of
/// its outline list, with the sentence on the period the book covers when it follows the list.
std::optional<std::pair<qsizetype, qsizetype>> introductionSection(QStringView markup)
{
    const qsizetype title = markup.indexOf(u"<title type=\"x-s\">Book Introduction");
    if (title < 0)
        return std::nullopt;
    const qsizetype list = markup.indexOf(u"</list>", title);
    if (list < 0)
        return std::pair { title, markup.size() };
    qsizetype end = list + 7;
    static const QRegularExpression period(
        u"^\\s*<div sID=\"[^\"]*\" type=\"x-p\"/>\\s*((?:The events|The time covered|Excluding)[^.]*\\.(?:\\s*\\(Ussher\\)\\.?)?)"_s);
    const QRegularExpressionMatch m = period.match(markup.sliced(end));
    if (m.hasMatch())
        end += m.capturedEnd(1);
    return std::pair { title, end };
}

DroppedReferences& count(DroppedReferences* dropped, const ResolvedReference& resolved)
{
    if (resolved.crossesChapters)
        ++dropped->crossChapter;
    else if (!resolved.passage)
        ++dropped->unresolved;
    return *dropped;
}

/// Adds a passage once; false when it was there already.
bool addOnce(std::vector<Passage>* list, const Passage& passage)
{
    if (std::find(list->cbegin(), list->cend(), passage) != list->cend())
        return false;
    list->push_back(passage);
    return true;
}

} // namespace

DroppedReferences& DroppedReferences::operator+=(const DroppedReferences& other)
{
    unresolved += other.unresolved;
    crossChapter += other.crossChapter;
    overflow += other.overflow;
    return *this;
}

std::vector<DumpEntry> dumpEntries(QStringView content)
{
    std::vector<DumpEntry> entries;
    const QList<QStringView> lines = content.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u"$$$")) {
            entries.push_back({ line.sliced(3).trimmed().toString(), i + 1, {} });
        } else if (!entries.empty() && !line.trimmed().isEmpty()) {
            QString& markup = entries.back().markup;
            if (!markup.isEmpty())
                markup += u' ';
            markup += line;
        }
    }
    return entries;
}

std::optional<VerseKey> verseKey(QStringView key)
{
    const qsizetype space = key.lastIndexOf(u' ');
    const qsizetype colon = key.lastIndexOf(u':');
    if (space <= 0 || colon < space)
        return std::nullopt;
    const std::optional<SourceBook> book = findSourceBook(key.first(space));
    bool chapterOk = false;
    bool verseOk = false;
    const int chapter = key.sliced(space + 1, colon - space - 1).toInt(&chapterOk);
    const int verse = key.sliced(colon + 1).toInt(&verseOk);
    if (!book || book->group != BookGroup::Bible || !chapterOk || !verseOk || chapter < 0 || verse < 0)
        return std::nullopt;
    return VerseKey { book->index, chapter, verse };
}

QString proseText(QStringView markup)
{
    static const QRegularExpression block(
        u"<div\\b[^>]*type=\"(?:x-p|introduction|paragraph)\"[^>]*/>|<lb\\s*/>|<item\\b[^>]*>|</item>|</?list\\b[^>]*>|<row>|</row>|</?p>|<title\\b.*?</title>"_s);
    QStringList lines;
    qsizetype from = 0;
    bool item = false;
    auto flush = [&](qsizetype to) {
        const QString text = inlineText(markup.sliced(from, to - from));
        if (!text.isEmpty())
            lines << (item ? u"- "_s : QString()) + text;
    };
    for (const QRegularExpressionMatch& m : block.globalMatch(markup)) {
        flush(m.capturedStart());
        item = m.capturedView().startsWith(u"<item");
        from = m.capturedEnd();
    }
    flush(markup.size());
    return lines.join(u'\n');
}

std::vector<Pericope> readSectionOutlines(
    const std::vector<DumpEntry>& entries, const VerseIndex& verses, DroppedReferences* dropped)
{
    static const QRegularExpression chapterTitle(u"<title type=\"x-s2\">Chapter (\\d+)</title>"_s);
    static const QRegularExpression row(
        u"<row>\\s*<cell>(.*?)</cell>\\s*<cell>\\s*\\(([^)]*)\\)\\s*</cell>\\s*</row>"_s);
    static const QRegularExpression firstParagraph(
        u"type=\"x-p\"/>(.*?)<div eID=\"[^\"]*\" type=\"x-p\"/>"_s);
    static const QRegularExpression reference(u"<reference osisRef=\"([^\"]*)\">.*?</reference>"_s);

    std::vector<Pericope> result;
    for (const DumpEntry& entry : entries) {
        const std::optional<VerseKey> key = verseKey(entry.key);
        if (!key)
            continue;
        const QStringView markup = entry.markup;
        QList<QRegularExpressionMatch> titles;
        for (const QRegularExpressionMatch& m : chapterTitle.globalMatch(markup))
            titles << m;
        for (qsizetype t = 0; t < titles.size(); ++t) {
            const int chapter = titles[t].captured(1).toInt();
            const qsizetype end = t + 1 < titles.size() ? titles[t + 1].capturedStart() : markup.size();
            const QStringView section = markup.sliced(titles[t].capturedEnd(), end - titles[t].capturedEnd());
            auto add = [&](const ResolvedReference& resolved, const QString& heading) {
                if (resolved.passage && !heading.isEmpty())
                    result.push_back({ *resolved.passage, heading, entry.line });
                else
                    count(dropped, resolved);
            };

            if (section.contains(u"Chapter Outline")) {
                for (const QRegularExpressionMatch& r : row.globalMatch(section))
                    add(resolveWrittenReference(
                            QString(QString::number(chapter) + u':' + r.captured(2)), verses, key->book),
                        inlineText(r.capturedView(1)));
                continue;
            }
            const QRegularExpressionMatch paragraph = firstParagraph.match(section);
            if (!paragraph.hasMatch())
                continue;
            const QStringView text = paragraph.capturedView(1);
            qsizetype from = 0;
            bool prose = false;
            for (const QRegularExpressionMatch& r : reference.globalMatch(text)) {
                // "Heading. (<reference ...>Jr 42:1-6</reference>)": the heading runs up to the "(".
                QString heading = inlineText(text.sliced(from, r.capturedStart() - from));
                while (heading.startsWith(u')'))
                    heading = heading.sliced(1).trimmed();
                if (heading.endsWith(u'('))
                    heading = heading.chopped(1).trimmed();
                add(resolveOsisReference(r.capturedView(1), verses), heading);
                from = r.capturedEnd();
                prose = true;
            }
            const QString summary = inlineText(text);
            if (!prose && !summary.isEmpty() && !summary.startsWith(u"Verse") && summary.size() < 250)
                add(resolveWrittenReference(QString::number(chapter), verses, key->book), summary);
        }
    }
    return result;
}

std::map<int, QString> readBookIntroductions(const std::vector<DumpEntry>& entries)
{
    static const QRegularExpression readFirst(u"^Read first chapter of [^\\n]*\\n?"_s);
    std::map<int, QString> result;
    for (const DumpEntry& entry : entries) {
        const std::optional<VerseKey> key = verseKey(entry.key);
        if (!key || result.contains(key->book))
            continue;
        const QStringView markup = entry.markup;
        QString text;
        if (const auto section = introductionSection(markup)) {
            const qsizetype titleEnd = markup.indexOf(u"</title>", section->first) + 8;
            text = proseText(markup.sliced(titleEnd, section->second - titleEnd)).remove(readFirst);
        } else if (const qsizetype title = markup.indexOf(u"<title type=\"x-ms\">");
                   title >= 0 || (key->verse == 0 && markup.contains(u"type=\"introduction\""))) {
            // A book of one chapter has its introduction in the heading entry, without a title.
            const qsizetype from = title >= 0 ? markup.indexOf(u"</title>", title) + 8 : 0;
            qsizetype end = markup.indexOf(u"<title type=\"x-s2\"", from);
            if (end < 0)
                end = markup.size();
            text = proseText(markup.sliced(from, end - from));
        }
        if (!text.trimmed().isEmpty())
            result.emplace(key->book, text.trimmed());
    }
    return result;
}

void readNoteReferences(const std::vector<DumpEntry>& entries, const VerseIndex& verses,
    CrossReferences* references, DroppedReferences* dropped)
{
    static const QRegularExpression crossNote(u"<note type=\"crossReference\">(.*?)</note>"_s);
    static const QRegularExpression plainReference(u"<reference>([^<]*)</reference>"_s);
    static const QRegularExpression commentaryReference(u"<reference osisRef=\"([^\"]*)\""_s);

    // A Bible text gives its cross-reference notes; a commentary the references of its notes.
    const bool bible = std::any_of(entries.cbegin(), entries.cend(),
        [](const DumpEntry& e) { return e.markup.contains(u"<note type=\"crossReference\">"); });
    for (const DumpEntry& entry : entries) {
        const std::optional<VerseKey> key = verseKey(entry.key);
        if (!key || key->chapter == 0 || key->verse == 0)
            continue;
        QStringList written;
        if (bible) {
            for (const QRegularExpressionMatch& note : crossNote.globalMatch(entry.markup)) {
                for (const QRegularExpressionMatch& r : plainReference.globalMatch(note.capturedView(1)))
                    written << splitReferenceList(r.capturedView(1));
            }
        } else {
            QString markup = entry.markup;
            if (const auto section = introductionSection(markup))
                markup.remove(section->first, section->second - section->first);
            for (const QRegularExpressionMatch& r : commentaryReference.globalMatch(markup)) {
                if (!r.capturedView(1).startsWith(u"Scofield:"))
                    written << splitReferenceList(r.capturedView(1));
            }
        }
        const Passage self { key->book, key->chapter, key->verse, key->verse };
        for (const QString& text : std::as_const(written)) {
            const ResolvedReference resolved = resolveWrittenReference(text, verses);
            if (!resolved.passage) {
                count(dropped, resolved);
                continue;
            }
            if (*resolved.passage != self)
                addOnce(&(*references)[{ key->book, key->chapter, key->verse }], *resolved.passage);
        }
    }
}

std::vector<Headword> readGlossary(const std::vector<DumpEntry>& entries)
{
    static const QRegularExpression item(u"<item\\b[^>]*>(.*?)</item>"_s);
    static const QRegularExpression keyword(u"<seg type=\"keyword\">(.*?)</seg>"_s);
    std::vector<Headword> result;
    for (const DumpEntry& entry : entries) {
        const qsizetype glossary = entry.markup.indexOf(u"type=\"glossary\"");
        if (glossary < 0)
            continue;
        for (const QRegularExpressionMatch& m :
            item.globalMatch(QStringView(entry.markup).sliced(glossary))) {
            const QRegularExpressionMatch word = keyword.match(m.capturedView(1));
            if (!word.hasMatch())
                continue;
            QString headword = inlineText(word.capturedView(1)).replace(u'\'', u'\u2019');
            if (headword.isEmpty())
                continue;
            headword[0] = headword[0].toUpper();
            const QString text = inlineText(QString(m.capturedView(1).first(word.capturedStart())
                + m.capturedView(1).sliced(word.capturedEnd())));
            result.push_back({ headword, text, entry.line });
        }
    }
    return result;
}

std::vector<Topic> readTopics(
    const std::vector<DumpEntry>& entries, const VerseIndex& verses, DroppedReferences* dropped)
{
    // The one-chapter books are sometimes marked "2Jo 1</ref>:6": the verse stands after the mark.
    static const QRegularExpression verseAfter(
        u"<ref osisRef=\"((?:Obad|Phlm|2John|3John|Jude)\\.1)\\.1\">([^<]*)</ref>:(\\d+)"_s);
    static const QRegularExpression piece(u"<lb\\s*/>|<ref\\b([^>]*)>(.*?)</ref>"_s);
    std::vector<Topic> result;
    for (const DumpEntry& entry : entries) {
        if (entry.key.startsWith(u'[') || verseKey(entry.key))
            continue;
        Topic topic { properCase(entry.key), {}, {}, entry.line };
        QString markup = entry.markup;
        markup.replace(verseAfter, u"<ref osisRef=\"\\1.\\3\">\\2:\\3</ref>"_s);

        // References become display references; a book is named once per line, as the source does.
        QString rendered;
        qsizetype from = 0;
        int lastBook = -1;
        for (const QRegularExpressionMatch& m : piece.globalMatch(markup)) {
            rendered += QStringView(markup).sliced(from, m.capturedStart() - from);
            from = m.capturedEnd();
            if (m.capturedView().startsWith(u"<lb")) {
                rendered += m.capturedView();
                lastBook = -1;
                continue;
            }
            const QString osisRef = attribute(m.capturedView(1), u"osisRef");
            if (osisRef.isEmpty()) { // a pointer to another topic
                rendered += properCase(inlineText(m.capturedView(2)));
                continue;
            }
            const ResolvedReference resolved = resolveOsisReference(osisRef, verses);
            if (!resolved.passage) {
                count(dropped, resolved);
                rendered += m.capturedView(2);
                continue;
            }
            const Passage& p = *resolved.passage;
            rendered += p.book == lastBook ? p.verses() : p.display();
            lastBook = p.book;
            addOnce(&topic.passages, p);
        }
        rendered += QStringView(markup).sliced(from);
        topic.text = proseText(rendered);
        result.push_back(std::move(topic));
    }
    return result;
}

} // namespace tirta::databuilder
