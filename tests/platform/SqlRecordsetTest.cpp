// The record-set layer on SQLite: opening without creating, markers bound by
// position, lookups that bind the name, row order, moving around deleted
// rows, appending only the columns set, keys, transactions, detached copies
// and connections that do not block each other.
#include "platform/SqlDatabase.h"
#include "platform/SqlRecordset.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zeva {
namespace {

namespace fs = std::filesystem;

// Makes a data-base file from SQL text with the plain SQLite API, so the
// layer under test is not used to build its own fixture.
fs::path MakeDb(const std::string& name, const std::string& sql)
{
    const fs::path file = test::ProcessTempDir() / name;
    fs::remove(file);
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
    return file;
}

const char* const TypenSql = R"(
CREATE TABLE [Typ] ([Typ-ID] INTEGER PRIMARY KEY, [Kategorie] INTEGER NOT NULL DEFAULT 0,
  [Name] TEXT, [Wert] REAL, [Ab] INTEGER, [Bis] INTEGER, [Mu] INTEGER, [Pfad] TEXT DEFAULT '');
INSERT INTO [Typ] VALUES (7, 1, 'Gamma', 3.5, 1950, 1960, 5, 'g');
INSERT INTO [Typ] VALUES (2, 1, 'Alpha', 1.5, 1961, 1970, 5, 'a');
INSERT INTO [Typ] VALUES (5, 1, 'Beta', 2.5, 1960, 1960, 5, 'b');
)";

// A typed set as the data-base classes write them: columns in table order,
// then parameters in binding order.
class TypSet : public SqlRecordset {
public:
    explicit TypSet(SqlDatabase* db) : SqlRecordset(db, "Typ") {}

    int ID = 0;
    int Kategorie = 0;
    std::string Name;
    double Wert = 0;
    int Ab = 0;
    int Bis = 0;
    int Mu = 0;
    std::string Pfad;

    int JahrParam = 0;
    int ZweitParam = 0;
    int DrittParam = 0;

protected:
    void DoFieldExchange(FieldExchange& fx) override
    {
        fx.Int("[Typ-ID]", ID);
        fx.Int("[Kategorie]", Kategorie);
        fx.Text("[Name]", Name);
        fx.Double("[Wert]", Wert);
        fx.Int("[Ab]", Ab);
        fx.Int("[Bis]", Bis);
        fx.Int("[Mu]", Mu);
        fx.Text("[Pfad]", Pfad);
        fx.Param(JahrParam);
        fx.Param(ZweitParam);
        fx.Param(DrittParam);
    }
};

std::vector<std::string> Names(TypSet& set)
{
    std::vector<std::string> names;
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext())
        names.push_back(set.Name);
    return names;
}

using Names_t = std::vector<std::string>;

TEST(SqlDatabase, OpeningNeverCreatesAndReportsDamageAtOnce)
{
    const fs::path missing = test::ProcessTempDir() / "fehlt.db";
    const fs::path garbage = test::ProcessTempDir() / "kaputt.db";
    {
        std::ofstream out(garbage, std::ios::binary);
        out << std::string(4096, 'x');
    }
    for (const fs::path& file : {missing, garbage}) {
        SqlDatabase db;
        try {
            db.Open(file);
            FAIL() << file << " opened";
        } catch (const SqlError& e) {
            EXPECT_EQ(e.Meldung().rfind("Database error: ", 0), 0u) << e.Meldung();
            EXPECT_GT(std::string(e.what()).size(), 0u);
        }
        EXPECT_FALSE(db.IsOpen());
    }
    EXPECT_FALSE(fs::exists(missing));
}

TEST(SqlDatabase, ReadOnlyConnectionRefusesChanges)
{
    const fs::path file = MakeDb("ro.db", TypenSql);
    SqlDatabase db;
    db.Open(file, true);
    EXPECT_FALSE(db.CanUpdate());
    TypSet set(&db);
    set.Open();
    EXPECT_FALSE(set.CanUpdate());
    EXPECT_FALSE(set.CanAppend());
    EXPECT_THROW(set.Delete(), SqlError);
    EXPECT_THROW(set.AddNew(), SqlError);
    EXPECT_EQ(set.GetRecordCount(), 3u);
}

TEST(SqlDatabase, QueryGivesEveryRowWithItsTypesAndWholeTexts)
{
    const fs::path file = MakeDb("abfrage.db", TypenSql);
    SqlDatabase db;
    db.Open(file);
    // A text with a NUL inside: copying rows between data bases must keep
    // every byte of it.
    db.Execute("UPDATE [Typ] SET [Pfad] = CAST(X'610062' AS TEXT), [Wert] = NULL WHERE [Typ-ID] = 5");
    const auto zeilen =
        db.Query("SELECT [Typ-ID], [Name], [Wert], [Pfad] FROM [Typ] WHERE [Ab] >= ? ORDER BY [Typ-ID]", {1960LL});
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0], (std::vector<SqlValue>{2LL, std::string("Alpha"), 1.5, std::string("a")}));
    EXPECT_EQ(zeilen[1], (std::vector<SqlValue>{5LL, std::string("Beta"), SqlValue{}, std::string("a\0b", 3)}));
    EXPECT_TRUE(db.Query("SELECT 1 FROM [Typ] WHERE [Name] = ?", {std::string("Delta")}).empty());
    EXPECT_THROW(db.Query("SELECT [Fehlt] FROM [Typ]"), SqlError);
}

TEST(SqlRecordset, CountsOnlyMarkersOutsideQuotesAndNames)
{
    struct Case {
        const char* filter;
        int markers;
    };
    const Case cases[] = {
        {"", 0},
        {"(Ab <= ?) * (Bis >= ?)", 2},
        {"Name = 'wer?' AND Ab = ?", 1},
        {"[Wer?] = ? AND \"x?\" = ?", 2},
        {"Name = 'O''Neil?' OR Ab = ?", 1},
        {"(([Aussen] = ?) * ([Aussen] = 1)) + \t\t\t(([Innen] = ?) * ([Innen] = 1))", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountMarkers(c.filter), c.markers) << c.filter;
}

TEST(SqlRecordset, MarkersTakeTheParametersFromTheFrontOfTheBindingOrder)
{
    const fs::path file = MakeDb("marker.db", TypenSql);
    SqlDatabase db;
    db.Open(file);
    TypSet set(&db);
    set.Open();
    EXPECT_EQ(Names(set), (Names_t{"Alpha", "Beta", "Gamma"}));

    // Two markers: the first two parameters, whatever their names say.
    set.JahrParam = 1960;
    set.ZweitParam = 1960;
    set.DrittParam = 1;
    set.m_strFilter = "(Ab <= ?) * (Bis >= ?)";
    set.Requery();
    EXPECT_EQ(Names(set), (Names_t{"Beta", "Gamma"}));

    // One marker: only the first.
    set.m_strFilter = "(Ab = ?)";
    set.Requery();
    EXPECT_EQ(Names(set), (Names_t{"Beta"}));

    // More markers than parameters is a fault of the caller.
    set.m_strFilter = "Ab = ? OR Ab = ? OR Ab = ? OR Ab = ?";
    EXPECT_THROW(set.Requery(), SqlError);
}

TEST(SqlRecordset, WithoutSortRowsComeInStoredOrderAndTiesKeepIt)
{
    const fs::path file = MakeDb("order.db", R"(
        CREATE TABLE [Typ] ([Typ-ID] INTEGER PRIMARY KEY AUTOINCREMENT, [Kategorie] INTEGER, [Name] TEXT,
          [Wert] REAL, [Ab] INTEGER, [Bis] INTEGER, [Mu] INTEGER, [Pfad] TEXT);
        INSERT INTO [Typ]([Name],[Ab]) VALUES ('z', 2), ('y', 1), ('x', 2), ('w', 1);
    )");
    SqlDatabase db;
    db.Open(file);
    TypSet set(&db);
    set.Open();
    EXPECT_EQ(Names(set), (Names_t{"z", "y", "x", "w"}));
    set.m_strSort = "Ab";
    set.Requery();
    EXPECT_EQ(Names(set), (Names_t{"y", "w", "z", "x"}));
}

TEST(SqlRecordset, LookupBindsTheNameAndAnotherFilterDropsIt)
{
    const fs::path file = MakeDb("lookup.db", TypenSql);
    SqlDatabase db;
    db.Open(file);
    {
        TypSet add(&db);
        add.Open();
        add.AddNew();
        add.SetField("Name", std::string("Wand 'alt' ?"));
        add.SetField("Ab", 1000LL);
        add.UpdateWithNewKey("Typ-ID");
    }
    TypSet set(&db);
    set.Open();
    set.JahrParam = 1961; // would select Alpha if it were bound to the lookup
    EXPECT_TRUE(set.FindByName("Wand 'alt' ?"));
    EXPECT_EQ(set.Name, "Wand 'alt' ?");
    EXPECT_EQ(set.GetRecordCount(), 1u);
    EXPECT_FALSE(set.FindByName("Wand 'alt'"));
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(set.Name, "");
    EXPECT_TRUE(set.IsFieldNull("Name"));

    set.m_strFilter = "(Ab = ?)";
    set.Requery();
    EXPECT_EQ(Names(set), (Names_t{"Alpha"}));
}

TEST(SqlRecordset, MovingAroundADeletedRow)
{
    struct Case {
        const char* name;      // row to delete
        bool forward;          // MoveNext (else MovePrev) after the delete
        const char* landsOn;   // "" for end of set
    };
    const Case cases[] = {
        {"Beta", true, "Gamma"},
        {"Beta", false, "Alpha"},
        {"Gamma", true, ""},
        {"Gamma", false, "Beta"},
        {"Alpha", true, "Beta"},
    };
    for (const auto& c : cases) {
        const fs::path file = MakeDb("move.db", TypenSql);
        SqlDatabase db;
        db.Open(file);
        TypSet set(&db);
        set.m_strSort = "Name";
        set.Open();
        while (set.Name != c.name)
            set.MoveNext();
        set.Delete();
        EXPECT_TRUE(set.IsDeleted());
        EXPECT_TRUE(set.IsFieldNull("Name"));
        if (c.forward)
            set.MoveNext();
        else
            set.MovePrev();
        EXPECT_FALSE(set.IsDeleted());
        if (*c.landsOn == '\0')
            EXPECT_TRUE(set.IsEOF()) << c.name;
        else
            EXPECT_EQ(set.Name, c.landsOn) << c.name << (c.forward ? " next" : " prev");

        set.Requery();
        EXPECT_EQ(set.GetRecordCount(), 2u);
    }
}

TEST(SqlRecordset, AppendWritesOnlyTheColumnsSetAndKeysFollowTheHighest)
{
    struct Case {
        const char* setup;
        int key;
    };
    const Case cases[] = {
        {"", 1}, // an empty table takes its first row
        {"INSERT INTO [Typ]([Typ-ID]) VALUES (1), (2), (7);", 8},
    };
    for (const auto& c : cases) {
        const fs::path file = MakeDb("append.db", std::string(R"(
            CREATE TABLE [Typ] ([Typ-ID] INTEGER PRIMARY KEY, [Kategorie] INTEGER NOT NULL DEFAULT 0,
              [Name] TEXT, [Wert] REAL DEFAULT 4.5, [Ab] INTEGER, [Bis] INTEGER, [Mu] INTEGER,
              [Pfad] TEXT DEFAULT '');)") + c.setup);
        SqlDatabase db;
        db.Open(file);
        TypSet set(&db);
        set.Open();
        set.AddNew();
        set.SetField("[Name]", std::string("neu"));
        set.SetField("Mu", 12.7);
        EXPECT_EQ(set.UpdateWithNewKey("[Typ-ID]"), c.key);
        EXPECT_FALSE(db.InTransaction());

        EXPECT_TRUE(set.FindByName("neu"));
        EXPECT_EQ(set.ID, c.key);
        EXPECT_EQ(set.Kategorie, 0);
        EXPECT_DOUBLE_EQ(set.Wert, 4.5);
        EXPECT_EQ(set.Pfad, "");
        EXPECT_TRUE(set.IsFieldNull("Ab"));
        // A real in an integer column is read back cut toward zero.
        EXPECT_EQ(set.Mu, 12);
    }
}

TEST(SqlRecordset, EditChangesTheCurrentRowAndShowsWhatWasStored)
{
    const fs::path file = MakeDb("edit.db", TypenSql);
    SqlDatabase db;
    db.Open(file);
    TypSet set(&db);
    set.Open();
    ASSERT_TRUE(set.FindByName("Beta"));
    set.Edit();
    set.SetField("Wert", 9.25);
    set.SetField("Ab", std::string("1955"));
    set.Update();
    EXPECT_DOUBLE_EQ(set.Wert, 9.25);
    EXPECT_EQ(set.Ab, 1955);
    EXPECT_EQ(std::get<long long>(set.Value("Ab")), 1955); // integer affinity

    TypSet other(&db);
    other.Open();
    ASSERT_TRUE(other.FindByName("Beta"));
    EXPECT_DOUBLE_EQ(other.Wert, 9.25);
    EXPECT_EQ(other.Kategorie, 1);
}

TEST(SqlRecordset, TransactionScopeRollsBackUnlessCommitted)
{
    const fs::path file = MakeDb("trans.db", TypenSql);
    SqlDatabase db;
    db.Open(file);
    TypSet set(&db);
    set.Open();
    try {
        SqlTransaction t(db);
        set.AddNew();
        set.SetField("Name", std::string("weg"));
        EXPECT_EQ(set.UpdateWithNewKey("Typ-ID"), 8);
        throw SqlError("abgebrochen");
    } catch (const SqlError&) {
    }
    EXPECT_FALSE(db.InTransaction());
    EXPECT_FALSE(set.FindByName("weg"));
    {
        SqlTransaction t(db);
        set.AddNew();
        set.SetField("Name", std::string("bleibt"));
        EXPECT_EQ(set.UpdateWithNewKey("Typ-ID"), 8);
        t.Commit();
    }
    EXPECT_TRUE(set.FindByName("bleibt"));
}

TEST(SqlRecordset, CopyIsADetachedSnapshotOfRowAndParameters)
{
    const fs::path file = MakeDb("copy.db", TypenSql);
    SqlDatabase db;
    db.Open(file);
    TypSet set(&db);
    set.JahrParam = 1975;
    set.DrittParam = 3;
    set.Open();
    TypSet copy = set; // stands on Alpha
    set.MoveNext();
    set.MoveNext();
    EXPECT_EQ(set.Name, "Gamma");

    EXPECT_EQ(copy.Name, "Alpha");
    EXPECT_DOUBLE_EQ(copy.Wert, 1.5);
    EXPECT_EQ(copy.JahrParam, 1975);
    EXPECT_EQ(copy.DrittParam, 3);
    EXPECT_FALSE(copy.IsOpen());
    EXPECT_EQ(copy.GetDatabase(), nullptr);
    EXPECT_THROW(copy.Requery(), SqlError);
    EXPECT_THROW(copy.Delete(), SqlError);
    { TypSet gone = set; }
    set.Requery();
    EXPECT_EQ(set.GetRecordCount(), 3u);
}

TEST(SqlRecordset, AnOpenSetHoldsNoLockOnAnotherConnectionsWrite)
{
    const fs::path file = MakeDb("nested.db", TypenSql);
    SqlDatabase outer;
    outer.Open(file);
    TypSet list(&outer);
    list.Open(); // stands on its first row, as a browse dialog's list does
    ASSERT_FALSE(list.IsEOF());

    SqlDatabase inner;
    inner.Open(file);
    sqlite3_busy_timeout(inner.Handle(), 50); // a held lock would fail fast
    TypSet store(&inner);
    store.Open();
    store.AddNew();
    store.SetField("Name", std::string("Delta"));
    EXPECT_NO_THROW(store.UpdateWithNewKey("Typ-ID"));

    list.MoveNext();
    EXPECT_EQ(list.Name, "Beta");
    list.Requery();
    EXPECT_EQ(list.GetRecordCount(), 4u);
}

TEST(SqlRecordset, SetWithoutColumnsReadsTheWholeTable)
{
    const fs::path file = MakeDb("generic.db", TypenSql);
    SqlDatabase db;
    db.Open(file);
    SqlRecordset set(&db, "Typ");
    set.m_strSort = "[Typ-ID] DESC";
    set.Open();
    EXPECT_EQ(std::get<long long>(set.Value("[Typ-ID]")), 7);
    EXPECT_EQ(std::get<std::string>(set.Value("Pfad")), "g");
    EXPECT_TRUE(set.IsFieldNull("Gibt es nicht"));
    set.MoveLast();
    EXPECT_EQ(std::get<std::string>(set.Value("Name")), "Alpha");
}

TEST(SqlRecordset, OpeningWithoutConnectionOrOnAMissingTableFails)
{
    TypSet none(nullptr);
    EXPECT_THROW(none.Open(), SqlError);
    EXPECT_FALSE(none.IsOpen());

    const fs::path file = MakeDb("notable.db", "CREATE TABLE [Anders] ([x] INTEGER);");
    SqlDatabase db;
    db.Open(file);
    TypSet set(&db);
    EXPECT_THROW(set.Open(), SqlError);
    EXPECT_FALSE(set.IsOpen());
    EXPECT_TRUE(set.IsEOF());
}

} // namespace
} // namespace zeva
