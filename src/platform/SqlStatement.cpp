#include "platform/SqlStatement.h"

namespace zeva {

SqlStatement::SqlStatement(sqlite3* db, const std::string& sql, const std::vector<SqlValue>& params) : m_db(db)
{
    if (db == nullptr)
        ThrowSqlError(db);
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
    // Owned at once: a member is finalized even when the constructor throws.
    m_stmt.reset(stmt);
    if (rc != SQLITE_OK)
        ThrowSqlError(db);
    for (std::size_t i = 0; i < params.size(); ++i)
        Bind(static_cast<int>(i) + 1, params[i]);
}

void SqlStatement::Bind(int index, const SqlValue& v)
{
    int rc = SQLITE_OK;
    if (const auto* i = std::get_if<long long>(&v))
        rc = sqlite3_bind_int64(m_stmt.get(), index, *i);
    else if (const auto* d = std::get_if<double>(&v))
        rc = sqlite3_bind_double(m_stmt.get(), index, *d);
    else if (const auto* s = std::get_if<std::string>(&v))
        rc = sqlite3_bind_text(m_stmt.get(), index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    else
        rc = sqlite3_bind_null(m_stmt.get(), index);
    if (rc != SQLITE_OK)
        ThrowSqlError(m_db);
}

bool SqlStatement::Step()
{
    const int rc = sqlite3_step(m_stmt.get());
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    ThrowSqlError(m_db);
}

} // namespace zeva
