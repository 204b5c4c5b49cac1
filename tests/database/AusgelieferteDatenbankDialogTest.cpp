// The immediate take-over of every browse dialog on the data base the
// program ships (DB/Bestand2000.db as the build puts it beside the program).
#include "DialogTestHilfen.h"

#include "database/CBestandDBDlg.h"
#include "database/CFensterBestandDBDlg.h"
#include "platform/SkriptMeldungen.h"

#include <vector>

namespace zeva {
namespace {

std::filesystem::path Ausgeliefert()
{
    return std::filesystem::path(ZEVA_BUILT_DB_DIR) / "Bestand2000.db";
}

template <class Dlg>
void PruefeSofort(const char* erwartet)
{
    SkriptMeldungen meldungen;
    Dlg dlg(1955);
    dlg.m_bSofortUebernehmen = true;
    bool gezeigt = false;
    EXPECT_EQ(test::ExecOhneAnzeige(dlg, gezeigt), QDialog::Accepted) << erwartet;
    EXPECT_FALSE(gezeigt);
    EXPECT_EQ(dlg.m_Bauteil.Name, erwartet);
    EXPECT_FALSE(dlg.m_Bauteil.m_Schichtaufbau.empty()) << erwartet;
    EXPECT_GT(dlg.m_Bauteil.kWert, 0) << erwartet;
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(AusgelieferteDatenbank, EveryKindTakesItsDefaultAtOnce)
{
    const test::Bestandsdatei datei(Ausgeliefert());
    // The alphabetically first type beginning with the kind's default.
    PruefeSofort<CBodenBestandDBDlg>("Ortbeton, schw. Estrich");
    PruefeSofort<CDeckeBestandDBDlg>("Holzdecke, begehbar");
    PruefeSofort<CFlachdachBestandDBDlg>("Warmdach Beton, 10 cm Dämmung");
    PruefeSofort<CSteildachBestandDBDlg>("Sparrensteildach, ungedämmt");
    PruefeSofort<CWandBestandDBDlg>("Hohlblockmauerwerk 30 cm");

    SkriptMeldungen meldungen;
    CFensterBestandDBDlg fenster;
    fenster.m_bSofortUebernehmen = true;
    bool gezeigt = false;
    EXPECT_EQ(test::ExecOhneAnzeige(fenster, gezeigt), QDialog::Accepted);
    EXPECT_FALSE(gezeigt);
    EXPECT_EQ(fenster.m_Bauteil.NameGlas, "2-fach Isolierverglasung");
    EXPECT_EQ(fenster.m_Bauteil.NameRahmen, "Holzrahmen");
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(AusgelieferteDatenbank, TheDefaultWallArrivesAsStoredWithItsLayersInOrder)
{
    const test::Bestandsdatei datei(Ausgeliefert());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(Ausgeliefert().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    auto abfrage = [&](const char* sql, auto zeile) {
        sqlite3_stmt* stmt = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr), SQLITE_OK) << sql;
        while (sqlite3_step(stmt) == SQLITE_ROW)
            zeile(stmt);
        sqlite3_finalize(stmt);
    };
    double dicke = -1;
    double kWert = -1;
    abfrage("SELECT [Dicke], [kWert] FROM [Wand] WHERE [Name] = 'Hohlblockmauerwerk 30 cm' ORDER BY rowid LIMIT 1",
            [&](sqlite3_stmt* s) {
                dicke = sqlite3_column_double(s, 0);
                kWert = sqlite3_column_double(s, 1);
            });
    std::vector<std::string> namen;
    abfrage("SELECT s.[Name] FROM [Wandschicht] s JOIN [Wand] w ON s.[Wand-ID] = w.[Wand-ID] "
            "WHERE w.[Name] = 'Hohlblockmauerwerk 30 cm' ORDER BY s.[Position], s.rowid",
            [&](sqlite3_stmt* s) { namen.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))); });
    sqlite3_close(db);
    ASSERT_GT(kWert, 0);
    ASSERT_GE(namen.size(), 2u);

    SkriptMeldungen meldungen;
    CWandBestandDBDlg dlg(1955);
    dlg.m_bSofortUebernehmen = true;
    dlg.m_Bauteil.Flaeche = 42;
    bool gezeigt = false;
    ASSERT_EQ(test::ExecOhneAnzeige(dlg, gezeigt), QDialog::Accepted);
    EXPECT_EQ(dlg.m_Bauteil.Dicke, dicke);
    EXPECT_EQ(dlg.m_Bauteil.kWert, kWert);
    EXPECT_EQ(dlg.m_Bauteil.Flaeche, 42);
    std::vector<std::string> genommen;
    for (const auto& s : dlg.m_Bauteil.m_Schichtaufbau)
        genommen.push_back(s.Name);
    EXPECT_EQ(genommen, namen);
}

} // namespace
} // namespace zeva
