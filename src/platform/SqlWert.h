#pragma once
// What a connection and its statements share: the value as SQLite holds it,
// the failure of the data base, and reading a column of a row. Plain C++ on
// the SQLite C API, no Qt.
#include <stdexcept>
#include <string>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

namespace zeva {

// A value as SQLite holds it: NULL, integer, real or text.
using SqlValue = std::variant<std::monostate, long long, double, std::string>;

// A failure of the data base: the text is SQLite's own (or ours for a
// misuse), and Meldung() is what a dialog shows the user.
class SqlError : public std::runtime_error {
public:
    explicit SqlError(const std::string& text) : std::runtime_error(text) {}

    // "Database error: " followed by the error text.
    std::string Meldung() const { return "Database error: " + std::string(what()); }
};

// Throws SqlError with the connection's last error text (or that it is not
// open, for nullptr).
[[noreturn]] void ThrowSqlError(sqlite3* db);

// Column i of the statement's current row: integers, reals and texts as
// they are stored, a blob as its bytes, NULL as the empty value.
SqlValue SqlColumnValue(sqlite3_stmt* stmt, int i);

} // namespace zeva
