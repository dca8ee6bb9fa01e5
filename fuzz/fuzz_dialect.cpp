// The data file's query dialect: LIKE over raw bytes as SQLite hands them over (stray UTF-8 bytes
// included), the text comparison, and the translation of criteria into SQL. Input: text NUL pattern.
#include "dialectdb.h"
#include "fuzzinput.h"

#include "foundation/dialect.h"

namespace {

void run(const char* sql, const QByteArray& first, const QByteArray& second)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(tirta::fuzz::dialectDatabase(), sql, -1, &statement, nullptr) != SQLITE_OK)
        __builtin_trap();
    sqlite3_bind_text(statement, 1, first.constData(), static_cast<int>(first.size()), SQLITE_STATIC);
    sqlite3_bind_text(statement, 2, second.constData(), static_cast<int>(second.size()), SQLITE_STATIC);
    while (sqlite3_step(statement) == SQLITE_ROW) { }
    sqlite3_finalize(statement);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [text, pattern] = tirta::fuzz::split(data, size);
    // Bytes go to the functions exactly as stored, not cleaned up by a conversion to QString.
    run("SELECT ?1 LIKE ?2", text, pattern);
    run("SELECT ?2 LIKE ?1", text, pattern);

    const QString first = QString::fromUtf8(text);
    const QString second = QString::fromUtf8(pattern);
    (void)tirta::dialect::like(first, second);
    (void)tirta::dialect::compareText(first, second);
    (void)tirta::dialect::toSqlite(tirta::fuzz::text(data, size));
    return 0;
}
