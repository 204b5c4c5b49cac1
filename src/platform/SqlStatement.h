#pragma once
// One prepared statement of a connection, finalized when it goes out of
// scope: every statement of our SQLite layer is made through it, so no path
// of an error can leave one open. For the platform's SQLite sources only.
#include "platform/SqlWert.h"

#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

namespace zeva {

class SqlStatement {
public:
    // Prepares the statement on the open connection (SqlDatabase::Handle())
    // and binds the values to its "?" markers in order. Throws SqlError with
    // the connection's text.
    SqlStatement(sqlite3* db, const std::string& sql, const std::vector<SqlValue>& params = {});
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    // Binds one value to the 1-based marker.
    void Bind(int index, const SqlValue& value);
    // Runs to the next row: true when there is one, false when the statement
    // is done. Throws SqlError with the connection's text.
    bool Step();

    int ColumnCount() const { return sqlite3_column_count(m_stmt.get()); }
    const char* ColumnName(int i) const { return sqlite3_column_name(m_stmt.get(), i); }
    SqlValue Column(int i) const { return SqlColumnValue(m_stmt.get(), i); }
    long long ColumnInt64(int i) const { return sqlite3_column_int64(m_stmt.get(), i); }

private:
    sqlite3* m_db;
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> m_stmt{nullptr, sqlite3_finalize};
};

} // namespace zeva
