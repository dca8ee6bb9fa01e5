#pragma once

#include "search/searchengine.h"

#include <QString>

/// The search over the deuterocanonical books ("CariDeutro"): the same engine as "Cari Semua", run
/// on the table of the deuterocanonical chapters in one of its three translations.
namespace tirta::search {

/// The table of the deuterocanonical chapters.
inline constexpr QStringView kDeuteroTable = u"UsysDeuterokanonika";

/// The first line of a deuterocanonical result file: "Pencarian di Kitab Deuterokanonika".
QString deuteroHeading();
/// The key that names the result file: the translation number, the text as typed, then "Kata Tepat"
/// as "0" or "1".
QString deuteroSearchKey(int translation, const QString& text, bool matchCase);
/// The result-list entry: label "text (short name)", and the summary lines (short name, syntax with
/// " -- Kata Tepat" when on, "-- Pencarian di seluruh Kitab Deuterokanonika ", count, time).
ResultEntry deuteroEntry(const QString& text, const QString& shortName, bool matchCase, const QString& path,
    int hits, const QString& elapsed);
/// What a search in a translation without any deuterocanonical text tells the user.
QString deuteroNoTextMessage(const QString& shortName);

/// The request of a search over translation `translation` (1 to 3) of the deuterocanonical books:
/// text column "Kitab" + n, reference lines from "Buku" + n, no scope, and a stopped search ends
/// without the closing stop line. `shortName` names the translation in the file and the list.
Request deuteroRequest(const QString& text, int translation, const QString& shortName, bool matchCase,
    bool optimal, const QString& tempFolder = {});

} // namespace tirta::search
