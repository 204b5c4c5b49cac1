// Where the data bases are opened from: the files beside the program are
// templates that are never written; the user works on a copy in his data
// folder, and a newer template gets a fresh copy that keeps his own rows.
#include "platform/Datenbankort.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace zeva {
namespace {

namespace fs = std::filesystem;

std::string Inhalt(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Schreibe(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

void Ausfuehren(const fs::path& file, const std::string& sql)
{
    fs::create_directories(file.parent_path());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    // No waiting for the disk: the tests look at the files, not at crashes.
    sqlite3_exec(db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

// The rows of a query, each as its columns joined by "|".
std::vector<std::string> Zeilen(const fs::path& file, const std::string& sql)
{
    std::vector<std::string> zeilen;
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    while (stmt != nullptr && sqlite3_step(stmt) == SQLITE_ROW) {
        std::string zeile;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            if (i > 0)
                zeile += '|';
            zeile += text != nullptr ? text : "NULL";
        }
        zeilen.push_back(zeile);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return zeilen;
}

// A small data base of the program's shape: build-ups with layers, materials
// with an autoincrement key, a table without categories and a version table.
const char* const Schema = R"(
CREATE TABLE [Wand] ([Wand-ID] INTEGER PRIMARY KEY, [Kategorie] INTEGER NOT NULL DEFAULT 0,
  [Name] TEXT, [kWert] REAL);
CREATE TABLE [Wandschicht] ([LfdNr] INTEGER PRIMARY KEY AUTOINCREMENT, [Wand-ID] INTEGER,
  [Name] TEXT, [Position] INTEGER);
CREATE TABLE [Schicht] ([LfdNr] INTEGER PRIMARY KEY AUTOINCREMENT, [Kategorie] INTEGER NOT NULL DEFAULT 0,
  [Name] TEXT, [Lambda] REAL);
CREATE TABLE [Verglasung] ([VerglasungID] INTEGER PRIMARY KEY, [Kategorie] REAL NOT NULL DEFAULT 0,
  [Name] TEXT);
CREATE TABLE [Kategorie] ([Kennummer] INTEGER PRIMARY KEY, [Bezeichnung] TEXT);
)";

// What lies beside a copy at rest: the copy, its note and its lock file.
const std::vector<std::string> NurKopieUndIhreDateien = {"Bestand2000.db", "Bestand2000.db.sperre",
                                                         "Bestand2000.db.vorlage"};

class DatenbankortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root = test::ProcessTempDir() / info->name();
        fs::remove_all(root);
        ort.programmOrdner = root / "programm";
        ort.benutzerOrdner = root / "benutzer";
        vorlage = ort.programmOrdner / "DB" / "Bestand2000.db";
        kopie = ort.benutzerOrdner / "DB" / "Bestand2000.db";
    }

    fs::path Oeffne(std::string* fehler = nullptr)
    {
        const Datenbankwahl wahl = Datenbankdatei(ort, "Bestand2000.db");
        if (fehler != nullptr)
            *fehler = wahl.meldung;
        EXPECT_EQ(wahl.nurLesen, wahl.datei == vorlage);
        return wahl.datei;
    }

    // Replaces the template by a new build `sekunden` after the first one.
    void NeueVorlage(const std::string& sql, int sekunden)
    {
        const auto zeit = fs::last_write_time(vorlage);
        fs::remove(vorlage);
        Ausfuehren(vorlage, sql);
        fs::last_write_time(vorlage, zeit + std::chrono::seconds(sekunden));
    }

    std::vector<std::string> UebrigeDateien() const
    {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(kopie.parent_path()))
            namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }

    fs::path root;
    Datenbankort ort;
    fs::path vorlage;
    fs::path kopie;
};

TEST_F(DatenbankortTest, TheTemplateIsCopiedAtFirstUseAndNeverWritten)
{
    // A writable template, as in the build folder: it is still not the file in use.
    Ausfuehren(vorlage, std::string(Schema) + "INSERT INTO [Wand] VALUES (1, 1, 'Vollziegel', 1.4);");
    const std::string vorher = Inhalt(vorlage);
    std::string fehler = "alt";
    EXPECT_EQ(Oeffne(&fehler), kopie);
    EXPECT_EQ(fehler, "");
    EXPECT_EQ(Inhalt(kopie), vorher);

    // The user stores a row; the next start keeps the copy as it is.
    Ausfuehren(kopie, "INSERT INTO [Wand] VALUES (2, 0, 'Meine Wand', 0.3);");
    EXPECT_EQ(Oeffne(), kopie);
    EXPECT_EQ(Zeilen(kopie, "SELECT [Name] FROM [Wand] ORDER BY 1"),
              (std::vector<std::string>{"Meine Wand", "Vollziegel"}));
    EXPECT_EQ(Inhalt(vorlage), vorher);
    EXPECT_EQ(UebrigeDateien(), NurKopieUndIhreDateien);
}

TEST_F(DatenbankortTest, ANewerTemplateGetsAFreshCopyWithTheUsersRowsAndTheirLayers)
{
    Ausfuehren(vorlage, std::string(Schema) + R"(
        INSERT INTO [Wand] VALUES (1, 1, 'Vollziegel', 1.4);
        INSERT INTO [Wandschicht] ([Wand-ID], [Name], [Position]) VALUES (1, 'Ziegel', 1);
        INSERT INTO [Schicht] VALUES (1, 3, 'Beton', 2.0);
        INSERT INTO [Verglasung] VALUES (1, 2, 'Einfachglas');
        INSERT INTO [Kategorie] VALUES (3, 'Beton');)");
    ASSERT_EQ(Oeffne(), kopie);
    // The user's own rows: two build-ups (one under a key the new template
    // takes), a material, a glazing.
    Ausfuehren(kopie, R"(
        INSERT INTO [Wand] VALUES (2, 0, 'Meine Wand', 0.3);
        INSERT INTO [Wandschicht] ([Wand-ID], [Name], [Position]) VALUES (2, 'Putz', 1), (2, 'Dämmung', 2);
        INSERT INTO [Wand] VALUES (5, 0, 'Meine zweite Wand', 0.25);
        INSERT INTO [Wandschicht] ([Wand-ID], [Name], [Position]) VALUES (5, 'Holz', 1);
        INSERT INTO [Schicht] ([Kategorie], [Name], [Lambda]) VALUES (0, 'Mein Stoff', 0.04);
        INSERT INTO [Verglasung] VALUES (9, 0, 'Mein Glas');)");

    // The new template: one row changed, one added (under the user's key 2),
    // a layer row of its own, and a column more.
    NeueVorlage(std::string(Schema) + R"(
        ALTER TABLE [Wand] ADD COLUMN [Dicke] REAL DEFAULT 0.5;
        INSERT INTO [Wand] VALUES (1, 1, 'Vollziegel', 1.5, 0.36);
        INSERT INTO [Wand] VALUES (2, 1, 'Hohlblock', 1.1, 0.3);
        INSERT INTO [Wandschicht] ([Wand-ID], [Name], [Position]) VALUES (1, 'Ziegel', 1), (2, 'Block', 1);
        INSERT INTO [Schicht] VALUES (1, 3, 'Beton', 2.1);
        INSERT INTO [Verglasung] VALUES (1, 2, 'Einfachglas');
        INSERT INTO [Kategorie] VALUES (3, 'Beton');)",
                10);

    std::string fehler = "alt";
    EXPECT_EQ(Oeffne(&fehler), kopie);
    EXPECT_EQ(fehler, "");
    // Key 2 was taken by the template: the user's build-up moved to the next
    // free key with its layers; key 5 was free and kept.
    EXPECT_EQ(Zeilen(kopie, "SELECT [Wand-ID], [Kategorie], [Name], [kWert], [Dicke] FROM [Wand] ORDER BY 1"),
              (std::vector<std::string>{"1|1|Vollziegel|1.5|0.36", "2|1|Hohlblock|1.1|0.3",
                                        "3|0|Meine Wand|0.3|0.5", "5|0|Meine zweite Wand|0.25|0.5"}));
    EXPECT_EQ(Zeilen(kopie, "SELECT [Wand-ID], [Name], [Position] FROM [Wandschicht] ORDER BY 1, 3"),
              (std::vector<std::string>{"1|Ziegel|1", "2|Block|1", "3|Putz|1", "3|Dämmung|2", "5|Holz|1"}));
    EXPECT_EQ(Zeilen(kopie, "SELECT [Kategorie], [Name], [Lambda] FROM [Schicht] ORDER BY 2"),
              (std::vector<std::string>{"3|Beton|2.1", "0|Mein Stoff|0.04"}));
    EXPECT_EQ(Zeilen(kopie, "SELECT [VerglasungID], [Name] FROM [Verglasung] ORDER BY 1"),
              (std::vector<std::string>{"1|Einfachglas", "9|Mein Glas"}));
    // No dated or half-made copy is left once the new one is complete.
    EXPECT_EQ(UebrigeDateien(), NurKopieUndIhreDateien);

    // The next start finds the copy up to date and renews nothing.
    Ausfuehren(kopie, "INSERT INTO [Verglasung] VALUES (10, 1, 'nicht vom Benutzer');");
    EXPECT_EQ(Oeffne(), kopie);
    EXPECT_EQ(Zeilen(kopie, "SELECT count(*) FROM [Verglasung]"), std::vector<std::string>{"3"});
}

TEST_F(DatenbankortTest, TheVersionRowDecidesBeforeTheBuildTime)
{
    const std::string versionen = "CREATE TABLE [Versionsnummer] ([ID] INTEGER PRIMARY KEY, "
                                  "[Version-Nr] INTEGER, [Datum] TEXT);";
    Ausfuehren(vorlage, std::string(Schema) + versionen + "INSERT INTO [Versionsnummer] VALUES (1, 3, '2026-01-01');");
    ASSERT_EQ(Oeffne(), kopie);
    Ausfuehren(kopie, "INSERT INTO [Verglasung] VALUES (10, 1, 'Zeile der Kopie');");

    // Built later, but an older version: the copy stays.
    NeueVorlage(std::string(Schema) + versionen + "INSERT INTO [Versionsnummer] VALUES (1, 2, '2025-01-01');", 10);
    Oeffne();
    EXPECT_EQ(Zeilen(kopie, "SELECT count(*) FROM [Verglasung]"), std::vector<std::string>{"1"});

    // A higher version with an earlier build time is newer.
    NeueVorlage(std::string(Schema) + versionen + "INSERT INTO [Versionsnummer] VALUES (1, 4, '2027-01-01');", -20);
    Oeffne();
    EXPECT_EQ(Zeilen(kopie, "SELECT count(*) FROM [Verglasung]"), std::vector<std::string>{"0"});
    EXPECT_EQ(Zeilen(kopie, "SELECT [Version-Nr] FROM [Versionsnummer]"), std::vector<std::string>{"4"});

    EXPECT_TRUE(IstNeuer({5, 0}, {4, 100}));
    EXPECT_FALSE(IstNeuer({4, 100}, {5, 0}));
    EXPECT_TRUE(IstNeuer({4, 100}, {4, 50}));
    EXPECT_TRUE(IstNeuer({-1, 100}, {4, 50}));
    EXPECT_FALSE(IstNeuer({-1, 50}, {-1, 50}));
}

TEST_F(DatenbankortTest, AFailedRenewalKeepsTheOldCopyAndSaysWhy)
{
    Ausfuehren(vorlage, std::string(Schema) + "INSERT INTO [Wand] VALUES (1, 1, 'Vollziegel', 1.4);");
    ASSERT_EQ(Oeffne(), kopie);
    // The user's copy has a row the new template cannot take (its table
    // turned [Name] into a NOT NULL column the old row leaves empty).
    Ausfuehren(kopie, "INSERT INTO [Wand] VALUES (2, 0, NULL, 0.3);");
    const std::string vorher = Inhalt(kopie);
    NeueVorlage(R"(CREATE TABLE [Wand] ([Wand-ID] INTEGER PRIMARY KEY, [Kategorie] INTEGER NOT NULL DEFAULT 0,
                   [Name] TEXT NOT NULL, [kWert] REAL);)",
                10);

    std::string fehler;
    EXPECT_EQ(Oeffne(&fehler), kopie);
    // The real file, the reason, what happens now; never a temporary file.
    EXPECT_EQ(fehler.rfind("Die Datenbank \u201E" + kopie.string() + "\u201C konnte nicht aktualisiert werden (", 0),
              0U)
        << fehler;
    EXPECT_NE(fehler.find("NOT NULL"), std::string::npos) << fehler;
    EXPECT_NE(fehler.find("Die bisherige Kopie mit Ihren eigenen Einträgen bleibt in Gebrauch; der nächste Start "
                          "versucht es erneut."),
              std::string::npos)
        << fehler;
    for (const char* temporaer : {".neu", ".part", ".bis-", "Database error"})
        EXPECT_EQ(fehler.find(temporaer), std::string::npos) << fehler;
    EXPECT_EQ(Inhalt(kopie), vorher);
    EXPECT_EQ(UebrigeDateien(), NurKopieUndIhreDateien);
}

TEST_F(DatenbankortTest, ACopyWithoutItsNoteIsRenewedOnceKeepingTheUsersRows)
{
    // A copy from before the notes were kept: its age is unknown.
    Ausfuehren(vorlage, std::string(Schema) + "INSERT INTO [Wand] VALUES (1, 1, 'Vollziegel', 1.5);");
    Ausfuehren(kopie, std::string(Schema) + R"(INSERT INTO [Wand] VALUES (1, 1, 'Vollziegel', 1.4);
                                              INSERT INTO [Wand] VALUES (3, 0, 'Meine Wand', 0.3);)");
    EXPECT_EQ(Oeffne(), kopie);
    EXPECT_EQ(Zeilen(kopie, "SELECT [Wand-ID], [kWert] FROM [Wand] ORDER BY 1"),
              (std::vector<std::string>{"1|1.5", "3|0.3"}));
    EXPECT_TRUE(fs::exists(kopie.string() + ".vorlage"));
}

// A damaged copy (cut short, overwritten, emptied) is set aside under a dated
// name, a fresh copy takes its place with every user row that can still be
// read, and the message names both files.
TEST_F(DatenbankortTest, ADamagedCopyIsSetAsideAndReplacedWithTheReadableRows)
{
    struct Fall {
        const char* name;
        // Damages the copy; true when the user's build-up can still be read.
        std::function<bool(const fs::path&)> beschaedige;
    };
    const Fall faelle[] = {
        {"Seite überschrieben",
         [](const fs::path& k) {
             // The glazings' page is garbage: the build-ups stay readable.
             const auto seite = std::stoul(Zeilen(k, "PRAGMA page_size").at(0));
             const auto nr =
                 std::stoul(Zeilen(k, "SELECT rootpage FROM sqlite_master WHERE name = 'Verglasung'").at(0));
             std::fstream datei(k, std::ios::binary | std::ios::in | std::ios::out);
             datei.seekp(static_cast<std::streamoff>(seite * (nr - 1)));
             datei << std::string(seite, 'x');
             return true;
         }},
        {"abgeschnitten",
         [](const fs::path& k) {
             fs::resize_file(k, fs::file_size(k) / 2);
             return false;
         }},
        {"keine Datenbank",
         [](const fs::path& k) {
             Schreibe(k, std::string(5000, 'x'));
             return false;
         }},
        {"leer",
         [](const fs::path& k) {
             fs::resize_file(k, 0);
             return false;
         }},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        fs::remove_all(root);
        Ausfuehren(vorlage, std::string(Schema) + "INSERT INTO [Wand] VALUES (1, 1, 'Vollziegel', 1.4);");
        ASSERT_EQ(Oeffne(), kopie);
        Ausfuehren(kopie, R"(
            INSERT INTO [Wand] VALUES (2, 0, 'Meine Wand', 0.3);
            INSERT INTO [Wandschicht] ([Wand-ID], [Name], [Position]) VALUES (2, 'Putz', 1), (2, 'Dämmung', 2);
            INSERT INTO [Verglasung] VALUES (9, 0, 'Mein Glas');)");
        const bool lesbar = fall.beschaedige(kopie);
        const std::string beschaedigt = Inhalt(kopie);

        std::string fehler;
        EXPECT_EQ(Oeffne(&fehler), kopie);
        std::vector<fs::path> beiseite;
        for (const auto& e : fs::directory_iterator(kopie.parent_path()))
            if (e.path().filename().string().starts_with("Bestand2000.beschaedigt-"))
                beiseite.push_back(e.path());
        ASSERT_EQ(beiseite.size(), 1U);
        EXPECT_EQ(beiseite[0].extension(), ".db");
        EXPECT_EQ(Inhalt(beiseite[0]), beschaedigt);
        EXPECT_NE(fehler.find("\u201E" + kopie.string() + "\u201C"), std::string::npos) << fehler;
        EXPECT_NE(fehler.find("\u201E" + beiseite[0].string() + "\u201C"), std::string::npos) << fehler;
        EXPECT_NE(fehler.find("beschädigt"), std::string::npos) << fehler;

        EXPECT_EQ(Zeilen(kopie, "PRAGMA quick_check"), std::vector<std::string>{"ok"});
        EXPECT_EQ(Zeilen(kopie, "SELECT [Name] FROM [Wand] WHERE [Kategorie] = 1"),
                  std::vector<std::string>{"Vollziegel"});
        EXPECT_EQ(Zeilen(kopie, "SELECT [Name] FROM [Wand] WHERE [Kategorie] = 0"),
                  lesbar ? std::vector<std::string>{"Meine Wand"} : std::vector<std::string>{});
        EXPECT_EQ(Zeilen(kopie, "SELECT count(*) FROM [Wandschicht] JOIN [Wand] USING ([Wand-ID]) "
                                "WHERE [Kategorie] = 0"),
                  std::vector<std::string>{lesbar ? "2" : "0"});
        EXPECT_EQ(Zeilen(kopie, "SELECT count(*) FROM [Verglasung]"), std::vector<std::string>{"0"});

        // The fresh copy is sound: the next start says nothing and sets nothing aside.
        EXPECT_EQ(Oeffne(&fehler), kopie);
        EXPECT_EQ(fehler, "");
        EXPECT_EQ(std::count_if(fs::directory_iterator(kopie.parent_path()), fs::directory_iterator(),
                                [](const auto& e) { return e.path().filename().string().find("beschaedigt") !=
                                                           std::string::npos; }),
                  1);
    }
}

// Two programs started together after an update: both renew the same copies
// at the same moment. One renews, the other finds the copy renewed; neither
// reports a failure, and the copy holds the user's rows and the template's.
TEST_F(DatenbankortTest, TwoProgramsStartedTogetherLoseNoRow)
{
    const std::vector<std::string> dateien = {"Bestand2000.db", "San2kvyke.db"};
    constexpr int Versuche = 30;
    for (int versuch = 0; versuch < Versuche; ++versuch) {
        SCOPED_TRACE("Versuch " + std::to_string(versuch));
        fs::remove_all(root);
        for (const auto& name : dateien) {
            const fs::path v = ort.programmOrdner / "DB" / name;
            Ausfuehren(v, std::string(Schema) + "INSERT INTO [Wand] VALUES (1, 1, 'Vollziegel', 1.4);");
            ASSERT_EQ(Datenbankdatei(ort, name).datei, ort.benutzerOrdner / "DB" / name);
            Ausfuehren(ort.benutzerOrdner / "DB" / name, R"(
                INSERT INTO [Wand] VALUES (2, 0, 'Meine Wand', 0.3);
                INSERT INTO [Wandschicht] ([Wand-ID], [Name], [Position]) VALUES (2, 'Putz', 1), (2, 'Dämmung', 2);
                INSERT INTO [Verglasung] VALUES (9, 0, 'Mein Glas');)");
            const auto zeit = fs::last_write_time(v);
            fs::remove(v);
            Ausfuehren(v, std::string(Schema) + R"(
                INSERT INTO [Wand] VALUES (1, 1, 'Vollziegel', 1.5);
                INSERT INTO [Wand] VALUES (2, 1, 'Hohlblock', 1.1);)");
            fs::last_write_time(v, zeit + std::chrono::seconds(10));
        }

        // Both start at one moment, some way after the forks.
        const auto start = std::chrono::steady_clock::now() + std::chrono::milliseconds(50);
        std::vector<pid_t> programme;
        for (int i = 0; i < 2; ++i) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                std::this_thread::sleep_until(start);
                int ergebnis = 0;
                for (const auto& name : dateien) {
                    const Datenbankwahl wahl = Datenbankdatei(ort, name);
                    if (wahl.datei != ort.benutzerOrdner / "DB" / name || !wahl.meldung.empty()) {
                        std::fprintf(stderr, "%s: %s\n", name.c_str(), wahl.meldung.c_str());
                        ergebnis = 1;
                    }
                }
                std::fflush(stderr);
                ::_exit(ergebnis);
            }
            programme.push_back(pid);
        }
        for (const pid_t pid : programme) {
            int status = 0;
            ASSERT_EQ(::waitpid(pid, &status, 0), pid);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        }

        for (const auto& name : dateien) {
            SCOPED_TRACE(name);
            const fs::path k = ort.benutzerOrdner / "DB" / name;
            EXPECT_EQ(Zeilen(k, "PRAGMA quick_check"), std::vector<std::string>{"ok"});
            EXPECT_EQ(Zeilen(k, "SELECT [Wand-ID], [Kategorie], [Name], [kWert] FROM [Wand] ORDER BY 1"),
                      (std::vector<std::string>{"1|1|Vollziegel|1.5", "2|1|Hohlblock|1.1", "3|0|Meine Wand|0.3"}));
            EXPECT_EQ(Zeilen(k, "SELECT [Wand-ID], [Name] FROM [Wandschicht] ORDER BY [Position]"),
                      (std::vector<std::string>{"3|Putz", "3|Dämmung"}));
            EXPECT_EQ(Zeilen(k, "SELECT [Name] FROM [Verglasung]"), std::vector<std::string>{"Mein Glas"});
        }
        // Nothing half-made or dated is left behind.
        for (const auto& e : fs::directory_iterator(kopie.parent_path())) {
            const std::string n = e.path().filename().string();
            EXPECT_TRUE(n.ends_with(".db") || n.ends_with(".vorlage") || n.ends_with(".sperre")) << n;
            EXPECT_EQ(n.find(".bis-"), std::string::npos) << n;
        }
        if (HasFailure())
            break;
    }
}

TEST_F(DatenbankortTest, WithoutATemplateOrAUserFolder)
{
    // No template, no copy: the template's path, so opening reports the missing file.
    std::string fehler;
    EXPECT_EQ(Oeffne(&fehler), vorlage);
    EXPECT_EQ(fehler, "");
    EXPECT_FALSE(fs::exists(kopie));
    // No template, but the user's copy: the copy.
    Schreibe(kopie, "kopie");
    EXPECT_EQ(Oeffne(), kopie);

    // Without a user folder the template is all there is, for reading only.
    Ausfuehren(vorlage, Schema);
    Datenbankort ohne = ort;
    ohne.benutzerOrdner.clear();
    const Datenbankwahl ohneOrdner = Datenbankdatei(ohne, "Bestand2000.db");
    EXPECT_EQ(ohneOrdner.datei, vorlage);
    EXPECT_TRUE(ohneOrdner.nurLesen);
    EXPECT_NE(ohneOrdner.meldung.find("eigene Einträge können nicht gespeichert werden"), std::string::npos);

    // A user folder that cannot be made (a file stands in its way, which
    // stops root too): the template, for reading only, and a German sentence
    // with the folder and the system's reason.
    Schreibe(root / "datei", "x");
    Datenbankort versperrt = ort;
    versperrt.benutzerOrdner = root / "datei";
    const std::string vorher = Inhalt(vorlage);
    const Datenbankwahl wahl = Datenbankdatei(versperrt, "Bestand2000.db");
    EXPECT_EQ(wahl.datei, vorlage);
    EXPECT_TRUE(wahl.nurLesen);
    const std::string grund = std::make_error_code(std::errc::not_a_directory).message();
    EXPECT_EQ(wahl.meldung, "Im Ordner \u201E" + (root / "datei" / "DB").string() +
                                "\u201C kann keine Kopie der Datenbank Bestand2000.db angelegt werden (" + grund +
                                "). Die mitgelieferte Datenbank \u201E" + vorlage.string() +
                                "\u201C wird nur gelesen; eigene Einträge können nicht gespeichert werden. Der "
                                "nächste Start versucht es erneut.");
    EXPECT_EQ(Inhalt(vorlage), vorher);
}

// Another program holds the lock (it is renewing the copy) past the wait:
// the copy is used as it is, without a message, and renewed at a later start.
TEST_F(DatenbankortTest, WhileAnotherProgramHoldsTheLockTheCopyIsUsedAsItIs)
{
    Ausfuehren(vorlage, std::string(Schema) + "INSERT INTO [Wand] VALUES (1, 1, 'Vollziegel', 1.4);");
    ASSERT_EQ(Oeffne(), kopie);
    Ausfuehren(kopie, "INSERT INTO [Wand] VALUES (2, 0, 'Meine Wand', 0.3);");
    NeueVorlage(std::string(Schema) + "INSERT INTO [Wand] VALUES (1, 1, 'Vollziegel', 1.5);", 10);

    const std::string sperre = kopie.string() + ".sperre";
    const int fd = ::open(sperre.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    ort.sperrfrist = std::chrono::milliseconds(20);
    std::string fehler = "alt";
    EXPECT_EQ(Oeffne(&fehler), kopie);
    EXPECT_EQ(fehler, "");
    EXPECT_EQ(Zeilen(kopie, "SELECT [Wand-ID], [kWert] FROM [Wand] ORDER BY 1"),
              (std::vector<std::string>{"1|1.4", "2|0.3"}));
    ::close(fd);

    EXPECT_EQ(Oeffne(&fehler), kopie);
    EXPECT_EQ(fehler, "");
    EXPECT_EQ(Zeilen(kopie, "SELECT [Wand-ID], [kWert] FROM [Wand] ORDER BY 1"),
              (std::vector<std::string>{"1|1.5", "2|0.3"}));
}

} // namespace
} // namespace zeva
