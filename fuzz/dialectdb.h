#pragma once

// An in-memory database with the data file's query dialect, for targets that run statements.

#include "foundation/dialect.h"

#include <sqlite3.h>

namespace tirta::fuzz {

/// One connection for the whole run, made on first use with the dialect's functions and then
/// `setup` (tables and rows) run on it.
inline sqlite3* dialectDatabase(const char* setup = nullptr)
{
    static sqlite3* db = [setup] {
        sqlite3* opened = nullptr;
        if (sqlite3_open(":memory:", &opened) != SQLITE_OK || !tirta::dialect::registerFunctions(opened)
            || (setup && sqlite3_exec(opened, setup, nullptr, nullptr, nullptr) != SQLITE_OK))
            __builtin_trap();
        return opened;
    }();
    return db;
}

} // namespace tirta::fuzz
