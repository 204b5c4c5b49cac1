#include "platform/SqlWert.h"

#include <sqlite3.h>

namespace zeva {

void ThrowSqlError(sqlite3* db)
{
    throw SqlError(db != nullptr ? sqlite3_errmsg(db) : "the data base is not open");
}

SqlValue SqlColumnValue(sqlite3_stmt* stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return sqlite3_column_int64(stmt, i);
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, i);
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
    }
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, i));
        return std::string(data != nullptr ? data : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
    }
    default:
        return SqlValue{};
    }
}

} // namespace zeva
