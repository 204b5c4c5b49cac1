#include "platform/SqlDatabase.h"

#include "platform/SqlStatement.h"

#include <sqlite3.h>

namespace zeva {

namespace {

// TRUE and FALSE in the filters of the window measures need 3.23.
constexpr int MinimumSqliteVersion = 3023000;

// Nested dialogs hold their own connections; a writer waits this long for
// another connection's lock before it reports the error.
constexpr int BusyTimeoutMs = 5000;

} // namespace

std::string SqlName(const std::string& name)
{
    if (name.size() >= 2 && name.front() == '[' && name.back() == ']')
        return name;
    return "[" + name + "]";
}

SqlDatabase::~SqlDatabase()
{
    Close();
}

void SqlDatabase::Open(const std::filesystem::path& file, bool readOnly)
{
    Close();
    if (sqlite3_libversion_number() < MinimumSqliteVersion)
        throw SqlError("SQLite " + std::string(sqlite3_libversion()) + " is too old (3.23 or later needed)");

    // URI names are taken in ATTACH (a file attached for reading only); the
    // file itself is always a plain path.
    const int flags =
        (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string text = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        throw SqlError(text + " (" + file.string() + ")");
    }
    m_db = db;
    m_file = file;
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 1);

    // SQLite reads the file lazily; the probe makes a damaged or foreign
    // file fail now, at opening, as the callers expect.
    char* error = nullptr;
    if (sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &error) != SQLITE_OK) {
        std::string text = error != nullptr ? error : sqlite3_errmsg(m_db);
        sqlite3_free(error);
        Close();
        throw SqlError(text + " (" + file.string() + ")");
    }
}

void SqlDatabase::Close()
{
    if (m_db == nullptr)
        return;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_file.clear();
}

bool SqlDatabase::CanUpdate() const
{
    return m_db != nullptr && sqlite3_db_readonly(m_db, "main") == 0;
}

void SqlDatabase::ThrowLastError() const
{
    ThrowSqlError(m_db);
}

void SqlDatabase::Execute(const std::string& sql)
{
    if (m_db == nullptr)
        ThrowLastError();
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string text = error != nullptr ? error : sqlite3_errmsg(m_db);
        sqlite3_free(error);
        throw SqlError(text);
    }
}

int SqlDatabase::Execute(const std::string& sql, const std::vector<SqlValue>& params)
{
    SqlStatement stmt(m_db, sql, params);
    stmt.Step();
    return sqlite3_changes(m_db);
}

std::vector<std::vector<SqlValue>> SqlDatabase::Query(const std::string& sql, const std::vector<SqlValue>& params)
{
    SqlStatement stmt(m_db, sql, params);
    std::vector<std::vector<SqlValue>> zeilen;
    const int spalten = stmt.ColumnCount();
    while (stmt.Step()) {
        std::vector<SqlValue> zeile;
        zeile.reserve(static_cast<std::size_t>(spalten));
        for (int i = 0; i < spalten; ++i)
            zeile.push_back(stmt.Column(i));
        zeilen.push_back(std::move(zeile));
    }
    return zeilen;
}

void SqlDatabase::BeginTrans()
{
    Execute("BEGIN IMMEDIATE");
}

void SqlDatabase::CommitTrans()
{
    Execute("COMMIT");
}

void SqlDatabase::Rollback()
{
    if (InTransaction())
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool SqlDatabase::InTransaction() const
{
    return m_db != nullptr && sqlite3_get_autocommit(m_db) == 0;
}

int SqlDatabase::NextKey(const std::string& table, const std::string& keyColumn)
{
    SqlStatement stmt(m_db, "SELECT COALESCE(MAX(" + SqlName(keyColumn) + "), 0) + 1 FROM " + SqlName(table));
    if (!stmt.Step())
        ThrowLastError();
    return static_cast<int>(stmt.ColumnInt64(0));
}

SqlTransaction::SqlTransaction(SqlDatabase& db) : m_db(db), m_joined(db.InTransaction())
{
    if (!m_joined)
        m_db.BeginTrans();
}

SqlTransaction::~SqlTransaction()
{
    if (!m_done && !m_joined)
        m_db.Rollback();
}

void SqlTransaction::Commit()
{
    if (!m_joined)
        m_db.CommitTrans();
    m_done = true;
}

} // namespace zeva
