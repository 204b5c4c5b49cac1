// The house root: a new house, what assignment and copy take and keep, the
// invariants of the per-state arrays, and the house element.
#include "model/Haus.h"
#include "model/Klimadaten.h"
#include "model/RuntimeClass.h"

#include "DatensatzTestHilfen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zeva {
namespace {

namespace fs = std::filesystem;

class HausTest : public ::testing::Test {
protected:
    void SetUp() override { SetzeKlimaOrdner(fs::path(ZEVA_DATA_DIR) / "klima"); }
    void TearDown() override { SetzeKlimaOrdner({}); }
};

// Every state has its heating and demand record, every component one
// measure slot per state.
::testing::AssertionResult InvariantenHalten(const Haus& h)
{
    const std::size_t n = static_cast<std::size_t>(h.Varianten) + 1;
    if (h.m_aHeizung.size() != n)
        return ::testing::AssertionFailure() << h.m_aHeizung.size() << " Heizungen bei " << h.Varianten << " Varianten";
    if (h.m_aBedarf.size() != n)
        return ::testing::AssertionFailure() << h.m_aBedarf.size() << " Bedarfe bei " << h.Varianten << " Varianten";
    auto pruefe = [&](const auto& feld, const char* art) -> ::testing::AssertionResult {
        for (const auto& b : feld)
            if (b.m_aSan.size() != n)
                return ::testing::AssertionFailure() << art << " mit " << b.m_aSan.size() << " Maßnahmen";
        return ::testing::AssertionSuccess();
    };
    for (auto r : {pruefe(h.m_aFlachdach, "Flachdach"), pruefe(h.m_aSteildach, "Steildach"), pruefe(h.m_aDecke, "Decke"),
                   pruefe(h.m_aWand, "Wand"), pruefe(h.m_aBoden, "Boden"), pruefe(h.m_aFenster, "Fenster")})
        if (!r)
            return r;
    return ::testing::AssertionSuccess();
}

TEST_F(HausTest, NeuesHaus)
{
    const Haus h;
    EXPECT_EQ(h.Version, 10);
    EXPECT_EQ(h.Beschreibung, "");
    EXPECT_EQ(h.Baujahr, 1955);
    EXPECT_EQ(h.Nutzungstyp, 0);
    EXPECT_EQ(h.Etagenflaeche, 0);
    EXPECT_EQ(h.Energiebezugsflaeche, 0);
    EXPECT_EQ(h.Klimazone, 13);
    EXPECT_EQ(h.Aussentemperatur[0], -1.3);
    EXPECT_EQ(h.Aussentemperatur[6], 18.0);
    EXPECT_EQ(h.Innentemperatur, 19);
    EXPECT_EQ(h.Luftwechsel, 0.8);
    EXPECT_EQ(h.Volumen, 0);
    EXPECT_EQ(h.Elektrizitaet, 80);
    EXPECT_EQ(h.Personenzahl, 2);
    EXPECT_EQ(h.NutzungszeitProTag, 12);
    EXPECT_EQ(h.Varianten, 0);
    EXPECT_EQ(h.Berechnungsverfahren, 0);
    EXPECT_EQ(h.DachBeheizt, 1);
    EXPECT_EQ(h.KellerBeheizt, 0);
    EXPECT_EQ(h.Steildach, 1);
    EXPECT_EQ(h.ListeNeuAufbauen, 1);
    EXPECT_EQ(h.Flag2DAutoGratlinien, 0);
    EXPECT_EQ(h.Flag2DOnlineFirstDocken, 0);
    EXPECT_EQ(h.Flag2DNachherFirstDocken, 1);
    EXPECT_EQ(h.Flag2DGratAnGrundrissDocken, 1);
    EXPECT_EQ(h.Flag2DGratAnFirstDocken, 1);
    EXPECT_EQ(h.Flag2DTesthausGenerieren, 1);
    EXPECT_EQ(h.Flag2DPixelZaehlraster, 200);
    EXPECT_EQ(h.Flag2DSchritteDachvolumen, 10);
    EXPECT_EQ(h.Flag2DKnotenGrundriss, 0);
    EXPECT_EQ(h.m_2DKnotenGrundriss, Punkt2D(0, 0));
    EXPECT_EQ(h.Ausrichtung, 90);
    EXPECT_EQ(h.Dachhoehe, 3.0);
    EXPECT_EQ(h.Dachgeschosshoehe, 3.0);
    EXPECT_EQ(h.Drempelhoehe, 0);
    EXPECT_EQ(h.Stockwerkshoehe, 2.5);
    EXPECT_EQ(h.Stockwerkszahl, 1);
    EXPECT_EQ(h.Kellerhoehe, 2.5);
    EXPECT_EQ(h.Haushoehe, 8);
    EXPECT_EQ(h.Flaeche2DEingabe, 400);
    EXPECT_EQ(h.Flag2DEingabeImUZS, 0);
    EXPECT_EQ(h.Phase, 0);
    EXPECT_EQ(h.OpenGLGrid, 0.1);
    EXPECT_EQ(h.OpenGLWidth, 20);
    EXPECT_EQ(h.OpenGLHeight, 20);
    EXPECT_EQ(h.RealAreaWidth, 20);
    EXPECT_EQ(h.RealAreaHeight, 20);
    EXPECT_EQ(h.RealGridWidth, 0.1);
    EXPECT_EQ(h.AktuelleTraegerID, 0);
    EXPECT_EQ(h.Zonen, 1);
    const std::array<std::int32_t, 12> tage{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    EXPECT_EQ(h.Monatstage, tage);
    for (double w : h.MonatWand)
        EXPECT_EQ(w, 0);

    EXPECT_EQ(h.m_aZone.size(), 1u);
    EXPECT_EQ(h.m_aZone[0].KlimaZone, 1); // a default zone
    EXPECT_EQ(h.m_aHeizung.size(), 1u);
    EXPECT_EQ(h.m_aHeizung[0].Bereitschaftszeit, 8760); // a default heating
    EXPECT_EQ(h.m_aBedarf.size(), 1u);
    EXPECT_EQ(h.m_aBedarf[0].Zielfunktion, 0);
    EXPECT_TRUE(h.m_aFlachdach.empty());
    EXPECT_TRUE(h.m_aSteildach.empty());
    EXPECT_TRUE(h.m_aDecke.empty());
    EXPECT_TRUE(h.m_aWand.empty());
    EXPECT_TRUE(h.m_aBoden.empty());
    EXPECT_TRUE(h.m_aFenster.empty());
    EXPECT_TRUE(h.m_aPlane.empty());
    EXPECT_TRUE(h.m_aGaube.empty());
    EXPECT_TRUE(h.m_aDach.empty());
    EXPECT_TRUE(h.m_aLinien1.empty());
    EXPECT_TRUE(h.m_aLinien2.empty());
    // The six default records are new records of their kind.
    EXPECT_EQ(h.m_defaultWand.SanbarAussen, 1);
    EXPECT_EQ(h.m_defaultFenster.Rahmenanteil, 0.3);
    EXPECT_TRUE(InvariantenHalten(h));
}

TEST_F(HausTest, OhneKlimadateiZoneNullUndLeereTabellen)
{
    SetzeKlimaOrdner(fs::path(ZEVA_TEST_DATA_DIR) / "gibt_es_nicht");
    const Haus h;
    EXPECT_EQ(h.Klimazone, 0);
    for (int z = 0; z < 8; ++z)
        for (double w : h.Zeile(z))
            EXPECT_EQ(w, 0);
    // Everything else as in a house with climate data.
    EXPECT_EQ(h.m_aZone.size(), 1u);
    EXPECT_EQ(h.m_aHeizung.size(), 1u);
    EXPECT_EQ(h.Innentemperatur, 19);
}

// A house in which every member differs from a new house's.
Haus Quellhaus()
{
    Haus h;
    h.LeseKlimadaten(3);
    h.Version = 7;
    h.Beschreibung = "Doppelhaushälfte";
    h.Strasse = "Lindenweg 4";
    h.Ort = "Kassel";
    h.Kommentar = "Baujahr geschätzt";
    h.Baujahr = 1962;
    h.Nutzungstyp = 1;
    h.Etagenflaeche = 140;
    h.Energiebezugsflaeche = 120;
    h.Innentemperatur = 20;
    h.Luftwechsel = 0.6;
    h.Volumen = 300;
    h.Elektrizitaet = 90;
    h.Personenzahl = 4;
    h.NutzungszeitProTag = 14;
    h.Monatstage[1] = 29;
    h.Berechnungsverfahren = 1;
    h.DachBeheizt = 0;
    h.KellerBeheizt = 1;
    h.Steildach = 0;
    h.ListeNeuAufbauen = 0;
    h.Flag2DAutoGratlinien = 1;
    h.Flag2DOnlineFirstDocken = 1;
    h.Flag2DNachherFirstDocken = 0;
    h.Flag2DGratAnGrundrissDocken = 0;
    h.Flag2DGratAnFirstDocken = 0;
    h.Flag2DTesthausGenerieren = 0;
    h.Flag2DPixelZaehlraster = 150;
    h.Flag2DSchritteDachvolumen = 20;
    h.Flag2DKnotenGrundriss = 1;
    h.m_2DKnotenGrundriss = Punkt2D(3, 4);
    h.Ausrichtung = 45;
    h.Dachhoehe = 4;
    h.Dachgeschosshoehe = 2.8;
    h.Drempelhoehe = 0.5;
    h.Stockwerkshoehe = 2.7;
    h.Stockwerkszahl = 2;
    h.Kellerhoehe = 2.2;
    h.Haushoehe = 10;
    h.Flaeche2DEingabe = 900;
    h.Flag2DEingabeImUZS = 1;
    h.Phase = 17;
    h.OpenGLGrid = 0.25;
    h.OpenGLWidth = 30;
    h.OpenGLHeight = 31;
    h.RealAreaWidth = 32;
    h.RealAreaHeight = 33;
    h.RealGridWidth = 0.2;
    h.AktuelleTraegerID = 104000101;
    h.MonatWand[0] = 12;
    h.MonatIntern[11] = 3;

    // Three variants: four states.
    h.Varianten = 3;
    h.m_aHeizung.SetSize(4);
    h.m_aBedarf.SetSize(4);
    h.m_aHeizung[2].Name = "Brennwert";
    h.m_aBedarf[3].Gesamtkosten = 15000;
    h.m_aBedarf[3].SetKeaSanierung(500);
    h.m_aWand.SetSize(2);
    h.m_aWand[1].Name = "Außenwand Süd";
    h.m_aFenster.SetSize(1);
    h.m_aBoden.SetSize(1);
    h.m_aDecke.SetSize(1);
    h.m_aSteildach.SetSize(1);
    h.m_aFlachdach.SetSize(1);
    for (auto* feld : {&h.m_aWand})
        for (auto& b : *feld)
            b.m_aSan.SetSize(4);
    h.m_aFenster[0].m_aSan.SetSize(4);
    h.m_aBoden[0].m_aSan.SetSize(4);
    h.m_aDecke[0].m_aSan.SetSize(4);
    h.m_aSteildach[0].m_aSan.SetSize(4);
    h.m_aFlachdach[0].m_aSan.SetSize(4);
    h.m_defaultWand.Name = "Vorgabewand";
    h.m_defaultBoden.Name = "Vorgabeboden";
    h.m_defaultDecke.Name = "Vorgabedecke";
    h.m_defaultFenster.NameGlas = "Vorgabefenster";
    h.m_defaultFlachdach.Name = "Vorgabeflachdach";
    h.m_defaultSteildach.Name = "Vorgabesteildach";
    h.m_aPlane.SetSize(2);
    h.m_aPlane[1].ID = 190000001;

    h.Zonen = 2;
    h.m_aZone.SetSize(2);
    h.m_aZone[1].Stockwerkszahl = 3;
    // A placed roof: one without points is never written.
    CDach dach(dachtyp::Satteldach);
    dach.m_size = Punkt2D(10, 6);
    dach.BerechneDachpunkte(true);
    h.m_aDach.Add(dach);
    h.m_aGaube.SetSize(1);
    h.m_aGaube[0].ID = 10000000;
    h.m_aLinien1.Add(Punkt2D(1, 1));
    h.m_aLinien2.Add(Punkt2D(2, 2));
    return h;
}

// What assignment takes from the source.
void ErwarteUebernommen(const Haus& z, const Haus& q)
{
    EXPECT_EQ(z.Beschreibung, q.Beschreibung);
    EXPECT_EQ(z.Strasse, q.Strasse);
    EXPECT_EQ(z.Ort, q.Ort);
    EXPECT_EQ(z.Kommentar, q.Kommentar);
    EXPECT_EQ(z.Baujahr, q.Baujahr);
    EXPECT_EQ(z.Nutzungstyp, q.Nutzungstyp);
    EXPECT_EQ(z.Etagenflaeche, q.Etagenflaeche);
    EXPECT_EQ(z.Energiebezugsflaeche, q.Energiebezugsflaeche);
    EXPECT_EQ(z.Innentemperatur, q.Innentemperatur);
    EXPECT_EQ(z.Luftwechsel, q.Luftwechsel);
    EXPECT_EQ(z.Volumen, q.Volumen);
    EXPECT_EQ(z.Elektrizitaet, q.Elektrizitaet);
    EXPECT_EQ(z.Personenzahl, q.Personenzahl);
    EXPECT_EQ(z.NutzungszeitProTag, q.NutzungszeitProTag);
    EXPECT_EQ(z.Klimazone, q.Klimazone);
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(z.Zeile(r), q.Zeile(r)) << "Klimazeile " << r;
    EXPECT_EQ(z.Monatstage, q.Monatstage);
    EXPECT_EQ(z.Varianten, q.Varianten);
    EXPECT_EQ(z.Berechnungsverfahren, q.Berechnungsverfahren);
    EXPECT_EQ(z.DachBeheizt, q.DachBeheizt);
    EXPECT_EQ(z.KellerBeheizt, q.KellerBeheizt);
    EXPECT_EQ(z.Steildach, q.Steildach);
    EXPECT_EQ(z.Flag2DAutoGratlinien, q.Flag2DAutoGratlinien);
    EXPECT_EQ(z.Flag2DOnlineFirstDocken, q.Flag2DOnlineFirstDocken);
    EXPECT_EQ(z.Flag2DNachherFirstDocken, q.Flag2DNachherFirstDocken);
    EXPECT_EQ(z.Flag2DGratAnGrundrissDocken, q.Flag2DGratAnGrundrissDocken);
    EXPECT_EQ(z.Flag2DGratAnFirstDocken, q.Flag2DGratAnFirstDocken);
    EXPECT_EQ(z.Flag2DTesthausGenerieren, q.Flag2DTesthausGenerieren);
    EXPECT_EQ(z.Flag2DPixelZaehlraster, q.Flag2DPixelZaehlraster);
    EXPECT_EQ(z.Flag2DSchritteDachvolumen, q.Flag2DSchritteDachvolumen);
    EXPECT_EQ(z.Flag2DKnotenGrundriss, q.Flag2DKnotenGrundriss);
    EXPECT_EQ(z.m_2DKnotenGrundriss, q.m_2DKnotenGrundriss);
    EXPECT_EQ(z.Ausrichtung, q.Ausrichtung);
    EXPECT_EQ(z.Dachhoehe, q.Dachhoehe);
    EXPECT_EQ(z.Dachgeschosshoehe, q.Dachgeschosshoehe);
    EXPECT_EQ(z.Drempelhoehe, q.Drempelhoehe);
    EXPECT_EQ(z.Stockwerkshoehe, q.Stockwerkshoehe);
    EXPECT_EQ(z.Stockwerkszahl, q.Stockwerkszahl);
    EXPECT_EQ(z.Kellerhoehe, q.Kellerhoehe);
    EXPECT_EQ(z.Haushoehe, q.Haushoehe);
    EXPECT_EQ(z.Flaeche2DEingabe, q.Flaeche2DEingabe);
    EXPECT_EQ(z.Flag2DEingabeImUZS, q.Flag2DEingabeImUZS);
    EXPECT_EQ(z.Phase, q.Phase);
    EXPECT_EQ(z.OpenGLGrid, q.OpenGLGrid);
    EXPECT_EQ(z.OpenGLWidth, q.OpenGLWidth);
    EXPECT_EQ(z.OpenGLHeight, q.OpenGLHeight);
    EXPECT_EQ(z.RealAreaWidth, q.RealAreaWidth);
    EXPECT_EQ(z.RealAreaHeight, q.RealAreaHeight);
    EXPECT_EQ(z.RealGridWidth, q.RealGridWidth);
    EXPECT_EQ(z.Zonen, q.Zonen);

    ASSERT_EQ(z.m_aHeizung.size(), q.m_aHeizung.size());
    EXPECT_EQ(z.m_aHeizung[2].Name, "Brennwert");
    ASSERT_EQ(z.m_aBedarf.size(), q.m_aBedarf.size());
    EXPECT_EQ(z.m_aBedarf[3].Gesamtkosten, 15000);
    ASSERT_EQ(z.m_aWand.size(), 2u);
    EXPECT_EQ(z.m_aWand[1].Name, "Außenwand Süd");
    EXPECT_EQ(z.m_aFenster.size(), 1u);
    EXPECT_EQ(z.m_aBoden.size(), 1u);
    EXPECT_EQ(z.m_aDecke.size(), 1u);
    EXPECT_EQ(z.m_aSteildach.size(), 1u);
    EXPECT_EQ(z.m_aFlachdach.size(), 1u);
    EXPECT_EQ(z.m_defaultWand.Name, "Vorgabewand");
    EXPECT_EQ(z.m_defaultBoden.Name, "Vorgabeboden");
    EXPECT_EQ(z.m_defaultDecke.Name, "Vorgabedecke");
    EXPECT_EQ(z.m_defaultFenster.NameGlas, "Vorgabefenster");
    EXPECT_EQ(z.m_defaultFlachdach.Name, "Vorgabeflachdach");
    EXPECT_EQ(z.m_defaultSteildach.Name, "Vorgabesteildach");
    ASSERT_EQ(z.m_aPlane.size(), 2u);
    EXPECT_EQ(z.m_aPlane[1].ID, 190000001);
}

TEST_F(HausTest, ZuweisungNimmtWasDieRechnungBrauchtUndLaesstDenRest)
{
    const Haus q = Quellhaus();
    Haus z;
    z.Version = 9;
    z.ListeNeuAufbauen = 1;
    z.AktuelleTraegerID = 55;
    z.MonatWand[0] = 99;
    z.m_aZone[0].Stockwerkszahl = 5;
    z.m_aGaube.SetSize(2);
    z.m_aDach.SetSize(3);
    z.m_aLinien1.Add(Punkt2D(7, 7));
    z.m_aBedarf[0].SetKeaSanierung(8);

    z = q;
    ErwarteUebernommen(z, q);
    // Kept from the target.
    EXPECT_EQ(z.Version, 9);
    EXPECT_EQ(z.ListeNeuAufbauen, 1);
    EXPECT_EQ(z.AktuelleTraegerID, 55);
    EXPECT_EQ(z.MonatWand[0], 99);
    EXPECT_EQ(z.MonatIntern[11], 0);
    ASSERT_EQ(z.m_aZone.size(), 1u);
    EXPECT_EQ(z.m_aZone[0].Stockwerkszahl, 5);
    EXPECT_EQ(z.m_aGaube.size(), 2u);
    EXPECT_EQ(z.m_aDach.size(), 3u);
    ASSERT_EQ(z.m_aLinien1.size(), 1u);
    EXPECT_EQ(z.m_aLinien1[0], Punkt2D(7, 7));
    EXPECT_TRUE(z.m_aLinien2.empty());
    // The demand records are assigned record by record: their cumulative
    // energy stays the target's (new records start at 0).
    EXPECT_EQ(z.m_aBedarf[0].GetKeaSanierung(), 8);
    EXPECT_EQ(z.m_aBedarf[3].GetKeaSanierung(), 0);
    EXPECT_TRUE(InvariantenHalten(z));
}

TEST_F(HausTest, KopieHatKeineZonenDaecherUndGauben)
{
    const Haus q = Quellhaus();
    const Haus k(q);
    ErwarteUebernommen(k, q);
    EXPECT_EQ(k.Zonen, 2);
    EXPECT_TRUE(k.m_aZone.empty());
    EXPECT_TRUE(k.m_aDach.empty());
    EXPECT_TRUE(k.m_aGaube.empty());
    EXPECT_TRUE(k.m_aLinien1.empty());
    EXPECT_EQ(k.Version, 10);
    EXPECT_EQ(k.ListeNeuAufbauen, 1);
    EXPECT_EQ(k.AktuelleTraegerID, 0);
    EXPECT_EQ(k.MonatWand[0], 0);
    EXPECT_TRUE(InvariantenHalten(k));
}

TEST_F(HausTest, KopieIstTief)
{
    const Haus q = Quellhaus();
    Haus k(q);
    k.m_aWand[1].Name = "geändert";
    k.m_aWand[1].m_aSan.SetSize(1);
    k.m_defaultWand.Name = "geändert";
    k.m_aHeizung[2].Name = "geändert";
    EXPECT_EQ(q.m_aWand[1].Name, "Außenwand Süd");
    EXPECT_EQ(q.m_aWand[1].m_aSan.size(), 4u);
    EXPECT_EQ(q.m_defaultWand.Name, "Vorgabewand");
    EXPECT_EQ(q.m_aHeizung[2].Name, "Brennwert");
}

TEST_F(HausTest, DreiVariantenInNeuesHaus)
{
    Haus q;
    q.Varianten = 3;
    q.m_aHeizung.SetSize(4);
    q.m_aBedarf.SetSize(4);
    q.m_aWand.SetSize(1);
    q.m_aWand[0].m_aSan.SetSize(4);
    q.Zonen = 2;
    q.m_aZone.SetSize(2);

    Haus z;
    z = q;
    EXPECT_EQ(z.m_aHeizung.size(), 4u);
    EXPECT_EQ(z.m_aBedarf.size(), 4u);
    EXPECT_EQ(z.m_aZone.size(), 1u);
    EXPECT_EQ(z.Zonen, 2);
    EXPECT_TRUE(InvariantenHalten(z));

    // And back to a house without variants: the surplus records go.
    const Haus leer;
    z = leer;
    EXPECT_EQ(z.m_aHeizung.size(), 1u);
    EXPECT_EQ(z.m_aBedarf.size(), 1u);
    EXPECT_TRUE(z.m_aWand.empty());
    EXPECT_TRUE(InvariantenHalten(z));
}

TEST_F(HausTest, SelbstzuweisungAendertNichts)
{
    Haus h = Quellhaus();
    const Haus vorher(h);
    Haus& ref = h;
    h = ref;
    ErwarteUebernommen(h, vorher);
    EXPECT_EQ(h.m_aZone.size(), 2u);
}

TEST_F(HausTest, LaufzeitklasseVorhanden)
{
    RegisterModelClasses();
    for (const char* name : {"Haus", "DHeizung", "DBedarf", "Gaube"})
        EXPECT_TRUE(RuntimeClassRegistry::Instance().Create(name)) << name;
    std::unique_ptr<CXmlObject> o = RuntimeClassRegistry::Instance().Create("Haus");
    const Haus* h = dynamic_cast<const Haus*>(o.get());
    ASSERT_TRUE(h);
    EXPECT_EQ(h->m_aZone.size(), 1u);
}

TEST_F(HausTest, HauselementReihenfolgeUndRundreise)
{
    Haus q = Quellhaus();
    const std::string xml = test::XmlVon(q);
    const std::vector<std::string> erwartet = {
        "Version", "Beschreibung", "Strasse", "Ort", "Kommentar", "Baujahr", "Nutzungstyp",
        "Energiebezugsflaeche", "Etagenflaeche", "Innentemperatur", "Luftwechsel", "Volumen", "Elektrizitaet",
        "Personenzahl", "NutzungszeitProTag", "Klimazone", "Varianten", "Berechnungsverfahren", "Stockwerkshoehe",
        "Stockwerkszahl", "Dachhoehe", "Drempelhoehe", "Dachgeschosshoehe", "Kellerhoehe", "Ausrichtung",
        "Haushoehe", "Flag2DAutoGratlinien", "Flag2DOnlineFirstDocken", "Flag2DNachherFirstDocken",
        "Flag2DGratAnGrundrissDocken", "Flag2DGratAnFirstDocken", "Flag2DTesthausGenerieren",
        "Flag2DPixelZaehlraster", "Flag2DSchritteDachvolumen", "Flaeche2DEingabe", "Flag2DEingabeImUZS",
        "Flag2DKnotenGrundriss", "Punkt2D", "DachBeheizt", "KellerBeheizt", "Steildach", "Phase", "RealAreaWidth",
        "RealAreaHeight", "RealGridWidth", "OpenGLGrid", "OpenGLWidth", "OpenGLHeight", "Zonen",
        "DFlachdachArray", "DSteildachArray", "DDeckeArray", "DWandArray", "DBodenArray", "DFensterArray",
        "DHeizungArray", "DBedarfArray", "DBoden", "DDecke", "DFenster", "DFlachdach", "DSteildach", "DWand",
        "PlaneArray", "DachArray", "ZoneArray", "GaubeArray"};
    EXPECT_EQ(test::Kindelemente(xml), erwartet);
    // Neither the climate tables nor the monthly results nor the in-memory
    // state are stored.
    for (const char* nicht : {"Aussentemperatur", "Gradtage", "MonatWand", "Monatstage", "ListeNeuAufbauen",
                              "AktuelleTraegerID", "Linien"})
        EXPECT_EQ(xml.find(nicht), std::string::npos) << nicht;

    Haus z;
    ASSERT_TRUE(test::LiesXml(xml, z));
    EXPECT_EQ(z.Version, 7);
    EXPECT_EQ(z.Beschreibung, "Doppelhaushälfte");
    EXPECT_EQ(z.Klimazone, 3);
    EXPECT_EQ(z.Varianten, 3);
    EXPECT_EQ(z.m_aHeizung.size(), 4u);
    EXPECT_EQ(z.m_aHeizung[2].Name, "Brennwert");
    EXPECT_EQ(z.m_aBedarf[3].Gesamtkosten, 15000);
    EXPECT_EQ(z.m_aWand[1].Name, "Außenwand Süd");
    EXPECT_EQ(z.m_aWand[1].m_aSan.size(), 4u);
    EXPECT_EQ(z.m_defaultSteildach.Name, "Vorgabesteildach");
    EXPECT_EQ(z.m_2DKnotenGrundriss, Punkt2D(3, 4));
    EXPECT_EQ(z.Drempelhoehe, 0.5);
    EXPECT_EQ(z.Dachgeschosshoehe, 2.8);
    EXPECT_EQ(z.OpenGLHeight, 31);
    EXPECT_EQ(z.Zonen, 2);
    ASSERT_EQ(z.m_aZone.size(), 2u);
    EXPECT_EQ(z.m_aZone[1].Stockwerkszahl, 3);
    EXPECT_EQ(z.m_aDach.size(), 1u);
    ASSERT_EQ(z.m_aGaube.size(), 1u);
    EXPECT_EQ(z.m_aGaube[0].ID, 10000000);
    EXPECT_EQ(z.m_aPlane[1].ID, 190000001);
    EXPECT_TRUE(InvariantenHalten(z));
}

} // namespace
} // namespace zeva
