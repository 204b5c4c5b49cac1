// The immediate take-over of every browse dialog on the data base the
// program ships (DB/Bestand2000.db as the build puts it beside the program).
#include "DialogTestHilfen.h"

#include "database/CBestandDBDlg.h"
#include "database/CFensterBestandDBDlg.h"
#include "database/CHeizkesselBestandDBDlg.h"
#include "database/CHeizkesselSanDBDlg.h"
#include "database/CSanierungDBDlg.h"
#include "database/Datenbankdateien.h"
#include "model/DHeizung.h"
#include "model/DOptionen.h"
#include "model/Eingabehilfen.h"
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
    // The flat roof of an old house starts uninsulated, like every other kind.
    PruefeSofort<CFlachdachBestandDBDlg>("Warmdach Beton, ungedämmt");
    {
        SkriptMeldungen meldungen;
        CFlachdachBestandDBDlg dach(1955);
        dach.m_bSofortUebernehmen = true;
        bool gezeigt = false;
        ASSERT_EQ(test::ExecOhneAnzeige(dach, gezeigt), QDialog::Accepted);
        EXPECT_GT(dach.m_Bauteil.kWert, 2.5);
    }
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

// Every fuel the heating page offers has a central boiler of the existing
// building and a replacement boiler; the single-room heaters have their own
// list on the heating page and are no central boilers.
TEST(AusgelieferteDatenbank, EveryFuelOfTheHeatingPageHasCentralBoilers)
{
    const test::Bestandsdatei datei(Ausgeliefert());
    SetzeSanierungsdatenbankdatei(std::filesystem::path(ZEVA_BUILT_DB_DIR) / "San2kvyke.db");
    SkriptMeldungen meldungen;
    DOptionen optionen;
    // The fuel codes of the heating page's list, "Gas" to "Steinkohle".
    for (int brennstoff = BrennstoffGas; brennstoff <= BrennstoffSteinkohle; ++brennstoff) {
        const QString was = QString::number(brennstoff);
        for (int jahr : {1960, 1990, 2005}) {
            CHeizkesselBestandDBDlg bestand(jahr);
            bestand.m_nBrennstoff = brennstoff;
            bestand.show();
            const QStringList kessel = test::Eintraege(test::Id<QComboBox>(bestand, 1106));
            EXPECT_FALSE(kessel.isEmpty()) << was.toStdString() << " " << jahr;
            EXPECT_FALSE(kessel.contains(QStringLiteral("(keine Einträge vorhanden)"))) << was.toStdString();
            for (const QString& name : kessel) {
                for (const char* einzel : {"Einzelofen", "raumheizer", "Direktheiz", "Nachtspeicher", "Ofen"})
                    EXPECT_FALSE(name.contains(QString::fromUtf8(einzel), Qt::CaseInsensitive)) << name.toStdString();
                for (const auto& geraet : Einzelheizgeraete)
                    EXPECT_NE(name, QString::fromUtf8(geraet.name));
            }
        }
        // A single-family house and a block of flats.
        for (double heizlast : {15.0, 60.0}) {
            CHeizkesselSanDBDlg ersatz;
            ersatz.m_pOptionen = &optionen;
            ersatz.m_Normheizlast = heizlast;
            ersatz.m_Energiebezugsflaeche = 150;
            ersatz.m_Heizung.Brennstoff = brennstoff;
            ersatz.m_Heizung.Sanbar = 1;
            ersatz.show();
            const QStringList kessel = test::Eintraege(test::Id<QComboBox>(ersatz, 1106));
            // Central electric storage is built up to 35 kW only.
            if (brennstoff == 3 && heizlast > 35)
                continue;
            EXPECT_FALSE(kessel.isEmpty()) << was.toStdString() << " " << heizlast << " kW";
            EXPECT_FALSE(kessel.contains(QStringLiteral("(keine Einträge vorhanden)")))
                << was.toStdString() << " " << heizlast << " kW";
        }
    }
    SetzeSanierungsdatenbankdatei({});
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

// A measure's U-value as the program shows U-values: three decimals, not
// the digits of an unrounded quotient ("1,283316881").
TEST(AusgelieferteDatenbank, AMeasuresUValueShowsThreeDecimals)
{
    SetzeSanierungsdatenbankdatei(std::filesystem::path(ZEVA_BUILT_DB_DIR) / "San2kvyke.db");
    SkriptMeldungen meldungen;
    CWandSanDBDlg dlg;
    dlg.show();
    test::Waehle(test::Id<QComboBox>(dlg, 1106), "Innendämmung Calciumsilikat 5 cm");
    EXPECT_EQ(test::Id<QLabel>(dlg, 1053)->text(), "1,283");
    SetzeSanierungsdatenbankdatei({});
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

} // namespace
} // namespace zeva
