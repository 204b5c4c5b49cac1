#pragma once
// A record set on one table of a SQLite data base, in the manner of the
// framework's dynaset the data-base dialogs were designed on: a filter with
// "?" markers and a sort order, parameters bound by position, a current row
// that moves first/next/previous/last, and appending, changing and deleting
// rows.
//
// Open and Requery read the whole result into memory and finalise their
// statement at once, so no statement stays open while the set lives and the
// nested dialogs with their own connections never hold locks on each other.
//
// Typed sets derive from it and describe their columns (in table order) and
// their parameters (in binding order) in DoFieldExchange; the current row is
// copied into their members after every move. Plain C++, no Qt.
#include "platform/SqlDatabase.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zeva {

// The typed set's side of the column and parameter binding.
class FieldExchange {
public:
    enum class Mode {
        Describe, // collect the column names and the parameter values
        Load,     // copy the current row into the members
        Clear,    // no current row: members become 0 and empty
    };

    // Integer columns (int, long, byte, bool of the design). A real stored in
    // an integer column is cut toward zero, as the long exchange does.
    void Int(const char* column, int& value);
    void Double(const char* column, double& value);
    void Text(const char* column, std::string& value);

    // Parameters, called in binding order after the columns.
    void Param(int value);
    void Param(double value);

    Mode GetMode() const { return m_mode; }

private:
    friend class SqlRecordset;
    FieldExchange(Mode mode, const std::vector<SqlValue>* row) : m_mode(mode), m_row(row) {}
    const SqlValue& Next();

    Mode m_mode;
    const std::vector<SqlValue>* m_row;
    std::size_t m_index = 0;
    std::vector<std::string> m_columns;
    std::vector<SqlValue> m_params;
};

class SqlRecordset {
public:
    // A set on table (without brackets, e.g. "Boden") of the connection; the
    // connection may be given later with SetDatabase, before Open.
    SqlRecordset(SqlDatabase* db, std::string table);

    // The copy is a detached snapshot: it belongs to no connection, is never
    // open and keeps the source's current row in the members of the typed set
    // and the source's parameters. It never touches the data base.
    SqlRecordset(const SqlRecordset& other);
    SqlRecordset& operator=(const SqlRecordset& other);
    virtual ~SqlRecordset();

    void SetDatabase(SqlDatabase* db) { m_pDatabase = db; }
    SqlDatabase* GetDatabase() const { return m_pDatabase; }
    const std::string& Table() const { return m_table; }

    // Filter (the WHERE condition, "" for all rows) and sort (the ORDER BY
    // list, "" for data-base order). They take effect at the next Requery.
    std::string m_strFilter;
    std::string m_strSort;

    // Looks rows up by the text of one column: the filter becomes
    // "[column] = ?" and the value is bound as its only parameter, never
    // pasted into the text, whatever apostrophes it holds. The set's own
    // parameters are not used. Takes effect at the next Requery; setting
    // another filter drops it.
    void SetLookup(const std::string& column, const std::string& value);
    // SetLookup on [Name] and Requery; true when a row was found (the set
    // then stands on the first one in data-base order).
    bool FindByName(const std::string& name);

    // Runs the query and stands on the first row (IsEOF when there is none).
    // Throws SqlError.
    void Open();
    void Requery();
    void Close();
    bool IsOpen() const { return m_open; }

    bool IsEOF() const;
    bool IsBOF() const;
    // True right after Delete, until the set is moved or requeried.
    bool IsDeleted() const { return m_deleted; }
    void MoveFirst();
    void MoveNext();
    void MovePrev();
    void MoveLast();
    std::size_t GetRecordCount() const { return m_rows.size(); }

    // Whether rows may be changed or appended: the connection is writable.
    bool CanUpdate() const;
    bool CanAppend() const { return CanUpdate(); }

    // The current row's value of a column (with or without brackets);
    // NULL when there is no current row or no such column.
    const SqlValue& Value(const std::string& column) const;
    bool IsFieldNull(const std::string& column) const;

    // Appending and changing: AddNew (a new row) or Edit (the current row),
    // then SetField for each column to write, then Update. Columns not set
    // are not written, so the data base gives new rows its defaults. A new
    // row shows in the set after the next Requery.
    void AddNew();
    void Edit();
    void SetField(const std::string& column, SqlValue value);
    // Writes; returns the row id of the appended or changed row.
    long long Update();
    // Appends with the key column set to the highest key plus 1, read inside
    // the same write transaction (its own one unless one is open); returns
    // the key.
    int UpdateWithNewKey(const std::string& keyColumn);
    void CancelUpdate();

    // Deletes the current row; the set then stands on the deleted row's place
    // (IsDeleted) until it is moved: MoveNext goes to the row after it,
    // MovePrev to the row before it.
    void Delete();

protected:
    // Columns in table order, then parameters in binding order. A set that
    // does not override it reads every column of the table.
    virtual void DoFieldExchange(FieldExchange& fx);

    // Where the parameters of the set come from for one query; the default
    // collects them through DoFieldExchange.
    std::vector<SqlValue> CollectParams();

private:
    struct Row {
        long long rowid = 0;
        std::vector<SqlValue> values;
    };

    void Query();
    void LoadCurrent();
    std::vector<std::string> DescribeColumns();
    int ColumnIndex(const std::string& column) const;
    void RequireOpen(const char* what) const;
    Row ReadRow(long long rowid);

    SqlDatabase* m_pDatabase = nullptr;
    std::string m_table;
    bool m_open = false;
    std::vector<std::string> m_columns; // bare names, in select order
    bool m_allColumns = false;
    std::vector<Row> m_rows;
    long long m_pos = 0; // -1 before the first row, size() after the last
    bool m_deleted = false;

    struct Lookup {
        std::string filter; // the filter text SetLookup produced
        std::string value;
    };
    std::optional<Lookup> m_lookup;

    enum class EditMode { None, Add, Edit };
    EditMode m_editMode = EditMode::None;
    std::vector<std::pair<std::string, SqlValue>> m_pending;
};

// Number of "?" markers in a filter text, not counting those inside quoted
// text or bracketed names.
int CountMarkers(const std::string& filter);

} // namespace zeva
