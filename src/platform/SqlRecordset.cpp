#include "platform/SqlRecordset.h"

#include "platform/SqlDatabase.h"
#include "platform/SqlStatement.h"

#include <sqlite3.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <memory>

namespace zeva {

namespace {

const SqlValue NullValue{};

std::string BareName(const std::string& column)
{
    if (column.size() >= 2 && column.front() == '[' && column.back() == ']')
        return column.substr(1, column.size() - 2);
    return column;
}

int ToInt(const SqlValue& v)
{
    if (const auto* i = std::get_if<long long>(&v)) {
        if (*i > std::numeric_limits<int>::max())
            return std::numeric_limits<int>::max();
        if (*i < std::numeric_limits<int>::min())
            return std::numeric_limits<int>::min();
        return static_cast<int>(*i);
    }
    if (const auto* d = std::get_if<double>(&v)) {
        if (!std::isfinite(*d))
            return 0;
        const double t = std::trunc(*d);
        if (t >= static_cast<double>(std::numeric_limits<int>::max()))
            return std::numeric_limits<int>::max();
        if (t <= static_cast<double>(std::numeric_limits<int>::min()))
            return std::numeric_limits<int>::min();
        return static_cast<int>(t);
    }
    if (const auto* s = std::get_if<std::string>(&v)) {
        double d = 0;
        const auto r = std::from_chars(s->data(), s->data() + s->size(), d);
        return r.ec == std::errc() ? ToInt(SqlValue(d)) : 0;
    }
    return 0;
}

double ToDouble(const SqlValue& v)
{
    if (const auto* i = std::get_if<long long>(&v))
        return static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&v))
        return *d;
    if (const auto* s = std::get_if<std::string>(&v)) {
        double d = 0;
        const auto r = std::from_chars(s->data(), s->data() + s->size(), d);
        return r.ec == std::errc() ? d : 0.0;
    }
    return 0.0;
}

std::string ToText(const SqlValue& v)
{
    if (const auto* s = std::get_if<std::string>(&v))
        return *s;
    char buf[32];
    if (const auto* i = std::get_if<long long>(&v)) {
        const auto r = std::to_chars(buf, buf + sizeof buf, *i);
        return std::string(buf, r.ptr);
    }
    if (const auto* d = std::get_if<double>(&v)) {
        const auto r = std::to_chars(buf, buf + sizeof buf, *d);
        return std::string(buf, r.ptr);
    }
    return {};
}

} // namespace

// ---------------------------------------------------------------------------

const SqlValue& FieldExchange::Next()
{
    if (m_row == nullptr || m_index >= m_row->size())
        return NullValue;
    return (*m_row)[m_index++];
}

void FieldExchange::Int(const char* column, int& value)
{
    switch (m_mode) {
    case Mode::Describe: m_columns.emplace_back(BareName(column)); break;
    case Mode::Load: value = ToInt(Next()); break;
    case Mode::Clear: value = 0; break;
    }
}

void FieldExchange::Double(const char* column, double& value)
{
    switch (m_mode) {
    case Mode::Describe: m_columns.emplace_back(BareName(column)); break;
    case Mode::Load: value = ToDouble(Next()); break;
    case Mode::Clear: value = 0.0; break;
    }
}

void FieldExchange::Text(const char* column, std::string& value)
{
    switch (m_mode) {
    case Mode::Describe: m_columns.emplace_back(BareName(column)); break;
    case Mode::Load: value = ToText(Next()); break;
    case Mode::Clear: value.clear(); break;
    }
}

void FieldExchange::Param(int value)
{
    if (m_mode == Mode::Describe)
        m_params.emplace_back(static_cast<long long>(value));
}

void FieldExchange::Param(double value)
{
    if (m_mode == Mode::Describe)
        m_params.emplace_back(value);
}

// ---------------------------------------------------------------------------

int CountMarkers(const std::string& filter)
{
    int count = 0;
    char close = 0; // the character that ends the quoted part we are in
    for (char c : filter) {
        if (close != 0) {
            // A doubled quote inside quoted text closes and reopens it, which
            // this scan sees as two quoted parts: the count stays right.
            if (c == close)
                close = 0;
            continue;
        }
        if (c == '\'' || c == '"')
            close = c;
        else if (c == '[')
            close = ']';
        else if (c == '`')
            close = '`';
        else if (c == '?')
            ++count;
    }
    return count;
}

SqlRecordset::SqlRecordset(SqlDatabase* db, std::string table)
    : m_pDatabase(db), m_table(std::move(table))
{
}

SqlRecordset::SqlRecordset(const SqlRecordset& other)
    : m_strFilter(other.m_strFilter),
      m_strSort(other.m_strSort),
      m_table(other.m_table)
{
}

SqlRecordset& SqlRecordset::operator=(const SqlRecordset& other)
{
    if (this != &other) {
        Close();
        m_pDatabase = nullptr;
        m_table = other.m_table;
        m_strFilter = other.m_strFilter;
        m_strSort = other.m_strSort;
        m_lookup.reset();
    }
    return *this;
}

SqlRecordset::~SqlRecordset() = default;

void SqlRecordset::DoFieldExchange(FieldExchange&)
{
}

std::vector<SqlValue> SqlRecordset::CollectParams()
{
    FieldExchange fx(FieldExchange::Mode::Describe, nullptr);
    DoFieldExchange(fx);
    return fx.m_params;
}

std::vector<std::string> SqlRecordset::DescribeColumns()
{
    FieldExchange fx(FieldExchange::Mode::Describe, nullptr);
    DoFieldExchange(fx);
    return fx.m_columns;
}

void SqlRecordset::SetLookup(const std::string& column, const std::string& value)
{
    m_strFilter = SqlName(BareName(column)) + " = ?";
    m_lookup = Lookup{m_strFilter, value};
}

bool SqlRecordset::FindByName(const std::string& name)
{
    SetLookup("Name", name);
    Requery();
    return !IsEOF();
}

void SqlRecordset::RequireOpen(const char* what) const
{
    if (!m_open)
        throw SqlError(std::string(what) + ": the record set on [" + m_table + "] is not open");
}

void SqlRecordset::Open()
{
    if (m_pDatabase == nullptr || !m_pDatabase->IsOpen())
        throw SqlError("the record set on [" + m_table + "] has no open connection");
    m_columns = DescribeColumns();
    m_allColumns = m_columns.empty();
    m_open = true;
    try {
        Query();
    } catch (...) {
        Close();
        throw;
    }
}

void SqlRecordset::Requery()
{
    RequireOpen("Requery");
    Query();
}

void SqlRecordset::Close()
{
    m_open = false;
    m_rows.clear();
    m_pos = 0;
    m_deleted = false;
    m_editMode = EditMode::None;
    m_pending.clear();
}

void SqlRecordset::Query()
{
    SqlDatabase& db = *m_pDatabase;
    if (m_lookup && m_lookup->filter != m_strFilter)
        m_lookup.reset();

    std::string sql = "SELECT rowid";
    if (m_allColumns) {
        sql += ", *";
    } else {
        for (const auto& c : m_columns)
            sql += ", " + SqlName(c);
    }
    sql += " FROM " + SqlName(m_table);
    if (!m_strFilter.empty())
        sql += " WHERE (" + m_strFilter + ")";
    // Without a sort the rows come in the order they were stored, so "the
    // first row of that name" is always the same row; with one, rows that
    // sort equal keep that order too.
    sql += m_strSort.empty() ? " ORDER BY rowid" : " ORDER BY " + m_strSort + ", rowid";

    SqlStatement stmt(db.Handle(), sql);

    // A statement takes as many parameters as it has markers, from the front
    // of the binding order; the set's parameters are all there regardless.
    const int markers = CountMarkers(m_strFilter);
    if (m_lookup) {
        stmt.Bind(1, m_lookup->value);
    } else if (markers > 0) {
        const std::vector<SqlValue> params = CollectParams();
        if (static_cast<std::size_t>(markers) > params.size())
            throw SqlError("the filter of [" + m_table + "] has " + std::to_string(markers) +
                           " markers but the set has " + std::to_string(params.size()) + " parameters");
        for (int i = 0; i < markers; ++i)
            stmt.Bind(i + 1, params[static_cast<std::size_t>(i)]);
    }

    std::vector<Row> rows;
    const int n = stmt.ColumnCount();
    if (m_allColumns) {
        m_columns.clear();
        for (int i = 1; i < n; ++i)
            m_columns.emplace_back(stmt.ColumnName(i));
    }
    while (stmt.Step()) {
        Row row;
        row.rowid = stmt.ColumnInt64(0);
        row.values.reserve(static_cast<std::size_t>(n - 1));
        for (int i = 1; i < n; ++i)
            row.values.push_back(stmt.Column(i));
        rows.push_back(std::move(row));
    }
    m_rows = std::move(rows);
    m_pos = 0;
    m_deleted = false;
    m_editMode = EditMode::None;
    m_pending.clear();
    LoadCurrent();
}

void SqlRecordset::LoadCurrent()
{
    if (IsEOF() || IsBOF()) {
        FieldExchange fx(FieldExchange::Mode::Clear, nullptr);
        DoFieldExchange(fx);
        return;
    }
    FieldExchange fx(FieldExchange::Mode::Load, &m_rows[static_cast<std::size_t>(m_pos)].values);
    DoFieldExchange(fx);
}

bool SqlRecordset::IsEOF() const
{
    return m_rows.empty() || m_pos >= static_cast<long long>(m_rows.size());
}

bool SqlRecordset::IsBOF() const
{
    return m_rows.empty() || m_pos < 0;
}

void SqlRecordset::MoveFirst()
{
    RequireOpen("MoveFirst");
    m_deleted = false;
    m_pos = 0;
    LoadCurrent();
}

void SqlRecordset::MoveNext()
{
    RequireOpen("MoveNext");
    if (m_deleted)
        m_deleted = false; // the place of the deleted row holds the next one
    else if (m_pos < static_cast<long long>(m_rows.size()))
        ++m_pos;
    LoadCurrent();
}

void SqlRecordset::MovePrev()
{
    RequireOpen("MovePrev");
    m_deleted = false;
    if (m_pos >= 0)
        --m_pos;
    LoadCurrent();
}

void SqlRecordset::MoveLast()
{
    RequireOpen("MoveLast");
    m_deleted = false;
    m_pos = m_rows.empty() ? 0 : static_cast<long long>(m_rows.size()) - 1;
    LoadCurrent();
}

bool SqlRecordset::CanUpdate() const
{
    return m_open && m_pDatabase != nullptr && m_pDatabase->CanUpdate();
}

int SqlRecordset::ColumnIndex(const std::string& column) const
{
    const std::string bare = BareName(column);
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i] == bare)
            return static_cast<int>(i);
    return -1;
}

const SqlValue& SqlRecordset::Value(const std::string& column) const
{
    if (m_deleted || IsEOF() || IsBOF())
        return NullValue;
    const int i = ColumnIndex(column);
    if (i < 0)
        return NullValue;
    return m_rows[static_cast<std::size_t>(m_pos)].values[static_cast<std::size_t>(i)];
}

bool SqlRecordset::IsFieldNull(const std::string& column) const
{
    return std::holds_alternative<std::monostate>(Value(column));
}

void SqlRecordset::AddNew()
{
    RequireOpen("AddNew");
    if (!CanAppend())
        throw SqlError("the data base cannot be changed");
    m_editMode = EditMode::Add;
    m_pending.clear();
}

void SqlRecordset::Edit()
{
    RequireOpen("Edit");
    if (!CanUpdate())
        throw SqlError("the data base cannot be changed");
    if (m_deleted || IsEOF() || IsBOF())
        throw SqlError("Edit: no current row in [" + m_table + "]");
    m_editMode = EditMode::Edit;
    m_pending.clear();
}

void SqlRecordset::SetField(const std::string& column, SqlValue value)
{
    if (m_editMode == EditMode::None)
        throw SqlError("SetField without AddNew or Edit on [" + m_table + "]");
    const std::string bare = BareName(column);
    for (auto& p : m_pending) {
        if (p.first == bare) {
            p.second = std::move(value);
            return;
        }
    }
    m_pending.emplace_back(bare, std::move(value));
}

void SqlRecordset::CancelUpdate()
{
    m_editMode = EditMode::None;
    m_pending.clear();
}

long long SqlRecordset::Update()
{
    RequireOpen("Update");
    SqlDatabase& db = *m_pDatabase;
    std::string sql;
    if (m_editMode == EditMode::Add) {
        if (m_pending.empty()) {
            sql = "INSERT INTO " + SqlName(m_table) + " DEFAULT VALUES";
        } else {
            std::string names;
            std::string marks;
            for (const auto& p : m_pending) {
                names += (names.empty() ? "" : ", ") + SqlName(p.first);
                marks += marks.empty() ? "?" : ", ?";
            }
            sql = "INSERT INTO " + SqlName(m_table) + " (" + names + ") VALUES (" + marks + ")";
        }
    } else if (m_editMode == EditMode::Edit) {
        if (m_pending.empty()) {
            CancelUpdate();
            return m_rows[static_cast<std::size_t>(m_pos)].rowid;
        }
        std::string sets;
        for (const auto& p : m_pending)
            sets += (sets.empty() ? "" : ", ") + SqlName(p.first) + " = ?";
        sql = "UPDATE " + SqlName(m_table) + " SET " + sets + " WHERE rowid = ?";
    } else {
        throw SqlError("Update without AddNew or Edit on [" + m_table + "]");
    }

    SqlStatement stmt(db.Handle(), sql);
    int index = 1;
    for (const auto& p : m_pending)
        stmt.Bind(index++, p.second);
    if (m_editMode == EditMode::Edit)
        stmt.Bind(index, m_rows[static_cast<std::size_t>(m_pos)].rowid);
    if (stmt.Step())
        db.ThrowLastError();

    long long rowid = 0;
    if (m_editMode == EditMode::Add) {
        rowid = sqlite3_last_insert_rowid(db.Handle());
    } else {
        // Show what the data base stored (its column types may have changed
        // the values), not what was handed in.
        Row& current = m_rows[static_cast<std::size_t>(m_pos)];
        rowid = current.rowid;
        current = ReadRow(rowid);
        LoadCurrent();
    }
    m_editMode = EditMode::None;
    m_pending.clear();
    return rowid;
}

int SqlRecordset::UpdateWithNewKey(const std::string& keyColumn)
{
    if (m_editMode != EditMode::Add)
        throw SqlError("UpdateWithNewKey without AddNew on [" + m_table + "]");
    SqlDatabase& db = *m_pDatabase;
    SqlTransaction transaction(db);
    const int key = db.NextKey(m_table, BareName(keyColumn));
    SetField(keyColumn, static_cast<long long>(key));
    Update();
    transaction.Commit();
    return key;
}

SqlRecordset::Row SqlRecordset::ReadRow(long long rowid)
{
    SqlDatabase& db = *m_pDatabase;
    std::string sql = "SELECT rowid";
    for (const auto& c : m_columns)
        sql += ", " + SqlName(c);
    sql += " FROM " + SqlName(m_table) + " WHERE rowid = ?";
    SqlStatement stmt(db.Handle(), sql);
    stmt.Bind(1, rowid);
    Row row;
    row.rowid = rowid;
    if (stmt.Step()) {
        const int n = stmt.ColumnCount();
        for (int i = 1; i < n; ++i)
            row.values.push_back(stmt.Column(i));
    } else {
        row.values.resize(m_columns.size());
    }
    return row;
}

void SqlRecordset::Delete()
{
    RequireOpen("Delete");
    if (!CanUpdate())
        throw SqlError("the data base cannot be changed");
    if (m_deleted || IsEOF() || IsBOF())
        throw SqlError("Delete: no current row in [" + m_table + "]");
    SqlDatabase& db = *m_pDatabase;
    SqlStatement stmt(db.Handle(), "DELETE FROM " + SqlName(m_table) + " WHERE rowid = ?");
    stmt.Bind(1, m_rows[static_cast<std::size_t>(m_pos)].rowid);
    if (stmt.Step())
        db.ThrowLastError();
    m_rows.erase(m_rows.begin() + m_pos);
    m_deleted = true;
}

} // namespace zeva
