// "Cari Semua" from the search text to the statement the data file runs: the key of the result
// file, the word lists, the criterion and the preselection of every scope, translated and run on a
// small table. Input: one byte for the scope and "Kata Tepat", then the search text.
#include "dialectdb.h"
#include "fuzzinput.h"

#include "foundation/dialect.h"
#include "search/queryparser.h"
#include "search/searchengine.h"

#include <cstring>

using namespace Qt::StringLiterals;
using namespace tirta::search;

namespace {

// Two chapters, with a quote, brackets and the characters SQLite's own LIKE would treat as wildcards.
constexpr const char* kChapters
    = "CREATE TABLE UsysAlkitab (Urutan INTEGER, Buku TEXT, Bab INTEGER, Ayat INTEGER, "
      "Perjanjian TEXT, Kitab1 TEXT);"
      "INSERT INTO UsysAlkitab VALUES (1, 'Kejadian', 1, 2, 'Lama', "
      "'1:1 Pada mulanya Allah menciptakan langit dan bumi.\r\n1:2 Bumi belum berbentuk.');"
      "INSERT INTO UsysAlkitab VALUES (2, 'Yohanes', 3, 1, 'Baru', "
      "'3:16 Karena begitu besar kasih Allah akan dunia ini, O''Allah [*] 100%_');";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    Request request;
    request.scope = static_cast<Scope>(data[0] % 4);
    request.matchCase = (data[0] & 4) != 0;
    request.text = tirta::fuzz::text(data + 1, size - 1);
    request.column = u"Kitab1"_s;
    request.book = u"Kejadian"_s;
    request.testament = u"Lama"_s;
    request.chapterIndex = 0;
    (void)searchKey(request);
    (void)scopeCaption(request);

    ParseQuery query;
    query.Query(doubleQuotes(request.text));
    const QString sql = preselectionSql(request, likeCriterion(request.column, query.WordList1()));
    const QByteArray translated = tirta::dialect::toSqlite(sql).toUtf8();

    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(tirta::fuzz::dialectDatabase(kChapters), translated.constData(),
            static_cast<int>(translated.size()), &statement, &tail)
        == SQLITE_OK) {
        // Whatever was typed, it stays inside its quotes: one statement, and one that only reads.
        if (tail && std::strspn(tail, " \t\r\n;") != std::strlen(tail))
            __builtin_trap();
        if (statement && !sqlite3_stmt_readonly(statement))
            __builtin_trap();
        while (sqlite3_step(statement) == SQLITE_ROW) { }
    }
    sqlite3_finalize(statement);
    return 0;
}
