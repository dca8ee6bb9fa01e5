#include "deuterosearch.h"

#include <QCoreApplication>

namespace tirta::search {

using namespace Qt::StringLiterals;

QString deuteroHeading()
{
    return u"Pencarian di Kitab Deuterokanonika"_s;
}

QString deuteroSearchKey(int translation, const QString& text, bool matchCase)
{
    return QString::number(translation) + text + (matchCase ? u"1"_s : u"0"_s);
}

ResultEntry deuteroEntry(const QString& text, const QString& shortName, bool matchCase, const QString& path,
    int hits, const QString& elapsed)
{
    const QString exactTag = matchCase ? u" -- Kata Tepat"_s : QString();
    ResultEntry entry;
    entry.label = text + u" ("_s + shortName + u')';
    entry.path = path;
    entry.summary = shortName + u"\r\n-- Sintaks pencarian : "_s + text + u' ' + exactTag
        + u" \r\n-- Pencarian di seluruh Kitab Deuterokanonika \r\n-- Ditemukan : "_s + QString::number(hits)
        + u" ayat\r\n-- Waktu pencarian : "_s + elapsed;
    return entry;
}

QString deuteroNoTextMessage(const QString& shortName)
{
    return QCoreApplication::translate("CariDeutro",
        "Terjemahan %1 tidak memuat teks Kitab Deuterokanonika, "
        "jadi tidak ada yang dapat dicari.")
        .arg(shortName);
}

Request deuteroRequest(const QString& text, int translation, const QString& shortName, bool matchCase,
    bool optimal, const QString& tempFolder)
{
    const QString n = QString::number(translation);
    Request request;
    request.text = text;
    request.matchCase = matchCase;
    request.column = u"Kitab"_s + n;
    request.translationName = shortName;
    request.caption = deuteroHeading();
    request.optimal = optimal;
    request.tempFolder = tempFolder;
    TableTarget target;
    target.table = kDeuteroTable.toString();
    target.bookColumn = u"Buku"_s + n;
    target.key = deuteroSearchKey(translation, text, matchCase);
    target.noTextMessage = deuteroNoTextMessage(shortName);
    target.entry = [text, shortName, matchCase](const QString& path, int hits, const QString& elapsed) {
        return deuteroEntry(text, shortName, matchCase, path, hits, elapsed);
    };
    request.target = std::move(target);
    return request;
}

} // namespace tirta::search
