#pragma once
// One connection to a SQLite data-base file, in place of the framework's
// data-base object the record sets were designed on.
//
// Every data-base dialog owns its own connection; several may be open on the
// same file at once. Record sets read their whole result into memory, so no
// statement stays open between calls and nested dialogs never block each
// other. Plain C++ on the SQLite C API, no Qt.
#include "platform/SqlWert.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zeva {

class SqlDatabase {
public:
    SqlDatabase() = default;
    SqlDatabase(const SqlDatabase&) = delete;
    SqlDatabase& operator=(const SqlDatabase&) = delete;
    ~SqlDatabase();

    // Opens an existing file; never creates one. A probe query runs at once,
    // so a missing, unreadable or damaged file fails here with SqlError and
    // not at the first record set. readOnly opens the file for reading only
    // (CanUpdate is then false).
    void Open(const std::filesystem::path& file, bool readOnly = false);
    void Close();
    bool IsOpen() const { return m_db != nullptr; }

    // True when rows may be written through this connection.
    bool CanUpdate() const;

    // Write transaction: BEGIN IMMEDIATE takes the write lock at once, so a
    // key read inside it (NextKey) cannot be taken by another connection.
    void BeginTrans();
    void CommitTrans();
    // Undoes the open transaction; does nothing when none is open.
    void Rollback();
    bool InTransaction() const;

    // Runs statements without result rows (schema scripts, pragmas).
    void Execute(const std::string& sql);
    // Runs one statement with its "?" markers bound to the values in order;
    // returns the number of rows it changed.
    int Execute(const std::string& sql, const std::vector<SqlValue>& params);

    // The key for a row to append: the highest key of the column plus 1, or
    // 1 in an empty table. Call it inside the write transaction.
    int NextKey(const std::string& table, const std::string& keyColumn);

    const std::filesystem::path& File() const { return m_file; }
    sqlite3* Handle() const { return m_db; }

    // Throws SqlError with the connection's last error text.
    [[noreturn]] void ThrowLastError() const;

    // Every row of one statement with its "?" markers bound to the values in
    // order, each row's columns as the statement gives them.
    std::vector<std::vector<SqlValue>> Query(const std::string& sql, const std::vector<SqlValue>& params = {});

private:
    sqlite3* m_db = nullptr;
    std::filesystem::path m_file;
};

// Keeps a write transaction open for one scope: rolls it back unless
// Commit() was called, so an exception between the writes leaves nothing.
// Inside a transaction the caller opened already, it joins that one and
// leaves commit and rollback to the caller.
class SqlTransaction {
public:
    explicit SqlTransaction(SqlDatabase& db);
    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;
    ~SqlTransaction();
    void Commit();

private:
    SqlDatabase& m_db;
    bool m_joined = false;
    bool m_done = false;
};

// Brackets a table or column name for SQL text: "Leistung ab" -> "[Leistung ab]";
// a name already in brackets is returned unchanged.
std::string SqlName(const std::string& name);

} // namespace zeva
