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
    throw SqlError(m_db != nullptr ? sqlite3_errmsg(m_db) : "the data base is not open");
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
    SqlStatement stmt(*this, sql, params);
    stmt.Step();
    return sqlite3_changes(m_db);
}

void SqlDatabase::Bind(sqlite3_stmt* stmt, int index, const SqlValue& v) const
{
    int rc = SQLITE_OK;
    if (const auto* i = std::get_if<long long>(&v))
        rc = sqlite3_bind_int64(stmt, index, *i);
    else if (const auto* d = std::get_if<double>(&v))
        rc = sqlite3_bind_double(stmt, index, *d);
    else if (const auto* s = std::get_if<std::string>(&v))
        rc = sqlite3_bind_text(stmt, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    else
        rc = sqlite3_bind_null(stmt, index);
    if (rc != SQLITE_OK)
        ThrowLastError();
}

std::vector<std::vector<SqlValue>> SqlDatabase::Query(const std::string& sql, const std::vector<SqlValue>& params)
{
    SqlStatement stmt(*this, sql, params);
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
    SqlStatement stmt(*this, "SELECT COALESCE(MAX(" + SqlName(keyColumn) + "), 0) + 1 FROM " + SqlName(table));
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

SqlStatement::SqlStatement(const SqlDatabase& db, const std::string& sql, const std::vector<SqlValue>& params)
    : m_db(db)
{
    if (db.Handle() == nullptr)
        db.ThrowLastError();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(db.Handle(), sql.c_str(), -1, &stmt, nullptr);
    // Owned at once: a member is finalized even when the constructor throws.
    m_stmt.reset(stmt);
    if (rc != SQLITE_OK)
        db.ThrowLastError();
    for (std::size_t i = 0; i < params.size(); ++i)
        Bind(static_cast<int>(i) + 1, params[i]);
}

void SqlStatement::Bind(int index, const SqlValue& value)
{
    m_db.Bind(m_stmt.get(), index, value);
}

bool SqlStatement::Step()
{
    const int rc = sqlite3_step(m_stmt.get());
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db.ThrowLastError();
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
