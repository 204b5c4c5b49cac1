// The rows of the component tables and the window table without their
// dialogs: opening on a carrier, the net area of row 1, paging, deleting, the
// checks, and the numbering and write-back of OK, on the drawn test house.
#include "TabellenTestHaus.h"

#include "input/Bauteiltabelle.h"
#include "input/Fenstertabelle.h"
#include "model/PlaneID.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace zeva {
namespace {

using test::FensterAuf;
using test::IndexVon;
using test::TraegerWand;

class TabellenModell : public testing::Test {
protected:
    void SetUp() override
    {
        test::TabellenHaus(haus);
        const int i = IndexVon(haus.m_aWand, TraegerWand);
        ASSERT_GE(i, 0);
        wandIndex = static_cast<std::size_t>(i);
        W = haus.m_aWand[wandIndex].m_plane;
        haus.AktuelleTraegerID = W.ID;
        ASSERT_EQ(ArtAusID(W.ID), 4);
        ASSERT_EQ(NummerAusID(W.ID), 0);
        ASSERT_EQ(GeschossAusID(W.ID), 0);
        ASSERT_EQ(IndexAusID(W.ID), 3);
        anderer = W;
        anderer.ID = W.ID + 1;
    }

    // The window ID of window n on a carrier ID (zone digits dropped).
    static std::int32_t Fenster(std::int32_t traeger, int nummer)
    {
        return PlaneIDAus(0, 50 + ArtAusID(traeger), nummer, GeschossAusID(traeger), IndexAusID(traeger));
    }

    template <class T>
    static typename Bauteiltabelle<T>::Seitenzeile Zeile(const std::string& name, double flaeche, int zone = -1)
    {
        return {name, flaeche, zone};
    }

    // The page as shown, with line k replaced.
    template <class T>
    static std::array<typename Bauteiltabelle<T>::Seitenzeile, 5> Seite(const Bauteiltabelle<T>& t)
    {
        std::array<typename Bauteiltabelle<T>::Seitenzeile, 5> s;
        for (int k = 1; k <= 5; ++k)
            s[static_cast<std::size_t>(k - 1)] = t.Anzeige(k);
        return s;
    }

    // The opener's windows: one of another carrier, one of W (area 4), one
    // of the other carrier again.
    CDFensterArray FensterUmW() const
    {
        CDFensterArray fenster;
        fenster.Add(FensterAuf(anderer, 1, Fenster(anderer.ID, 0)));
        fenster.Add(FensterAuf(W, 4, Fenster(W.ID, 0)));
        fenster.Add(FensterAuf(anderer, 2, Fenster(anderer.ID, 1)));
        return fenster;
    }

    Haus haus;
    std::size_t wandIndex = 0;
    Plane W;
    Plane anderer; // the next wall
};

// ------------------------------------------------------------ window table

TEST_F(TabellenModell, FensterAufDerWandEintragenUndZurueckschreiben)
{
    // Windows of other carriers before and after W's one old window.
    CDFensterArray fenster = FensterUmW();

    {
        Fenstertabelle t(haus, fenster, W);
        ASSERT_EQ(t.Zeilen(), 5);
        EXPECT_DOUBLE_EQ(t.Zeile(1).Flaeche, 4);
        for (int r = 2; r <= 5; ++r) {
            EXPECT_EQ(t.Zeile(r).Flaeche, 0) << r;
            EXPECT_EQ(t.Zeile(r).kWertGlas, haus.m_defaultFenster.kWertGlas);
        }
        for (int r = 1; r <= 5; ++r) {
            EXPECT_EQ(t.Zeile(r).Richtung, W.Richtungsklasse(haus.Ausrichtung));
            EXPECT_EQ(t.Zeile(r).Neigung, W.Neigungsklasse());
        }
    }

    haus.m_defaultFenster.kWertGlas = 2.8;
    fenster.RemoveAt(1);
    Fenstertabelle t(haus, fenster, W);
    std::array<Fenstertabelle::Seitenzeile, 5> seite;
    for (int k = 1; k <= 5; ++k)
        seite[static_cast<std::size_t>(k - 1)] = t.Anzeige(k);
    const double flaechen[] = {1.5, 2, 1.2};
    for (std::size_t i = 0; i < 3; ++i) {
        seite[i].flaeche = flaechen[i];
        seite[i].rahmenanteil = 30;
        seite[i].name = "Isolierglas";
    }
    t.UebernimmSeite(seite);
    ASSERT_TRUE(t.PruefeFlaechen());
    t.Zurueckschreiben(2);

    // No old window: the rows go to the front, the others keep their order.
    ASSERT_EQ(fenster.GetSize(), 5);
    const std::int32_t ids[] = {54000003, 54100003, 54200003};
    for (std::size_t i = 0; i < 3; ++i) {
        const DFenster& f = fenster[i];
        EXPECT_EQ(f.m_plane.ID, ids[i]);
        EXPECT_EQ(f.m_plane.Traeger1ID, W.Traeger1ID);
        EXPECT_EQ(f.m_plane.Traeger2ID, W.ID);
        EXPECT_NEAR(f.m_plane.Flaeche(), flaechen[i], 1e-12);
        EXPECT_DOUBLE_EQ(f.Flaeche, flaechen[i]);
        EXPECT_DOUBLE_EQ(f.Rahmenanteil, 0.3);
        EXPECT_EQ(f.Nummer, static_cast<int>(i) + 1);
        EXPECT_EQ(f.m_aSan.GetSize(), 3);
    }
    EXPECT_EQ(fenster[3].m_plane.Traeger2ID, anderer.ID);
    EXPECT_EQ(fenster[4].m_plane.Traeger2ID, anderer.ID);

    // Reopened: the frame share shows as 30, the orientation is the carrier's
    // again whatever the details dialog set.
    fenster[1].Neigung = 1;
    Fenstertabelle wieder(haus, fenster, W);
    EXPECT_DOUBLE_EQ(wieder.Anzeige(1).rahmenanteil, 30);
    EXPECT_EQ(wieder.Zeile(2).Neigung, W.Neigungsklasse());
}

TEST_F(TabellenModell, OKOhneEingabeSchreibtKeinFenster)
{
    CDFensterArray fenster;
    Fenstertabelle t(haus, fenster, W);
    auto seite = std::array<Fenstertabelle::Seitenzeile, 5>{};
    for (int k = 1; k <= 5; ++k)
        seite[static_cast<std::size_t>(k - 1)] = t.Anzeige(k);
    t.UebernimmSeite(seite);
    ASSERT_TRUE(t.PruefeFlaechen());
    t.Zurueckschreiben(0);
    EXPECT_TRUE(fenster.empty());

    // Nor does a carrier opened and confirmed at once: its own record goes
    // back where it stood.
    const std::vector<DWand> vorher = haus.m_aWand.Elemente();
    Bauteiltabelle<DWand> b;
    ASSERT_TRUE(b.Oeffne(haus));
    b.UebernimmSeite(Seite(b));
    b.BerechneNettoflaeche();
    ASSERT_EQ(b.PruefeFlaechen(), Flaechenpruefung::Gut);
    b.Zurueckschreiben(haus);
    ASSERT_EQ(haus.m_aWand.GetSize(), static_cast<int>(vorher.size()));
    EXPECT_EQ(haus.m_aWand[wandIndex].m_plane.ID, W.ID);
    EXPECT_TRUE(haus.m_aFenster.empty());
}

TEST_F(TabellenModell, FensterErsetzenDieAltenAnIhrerStelle)
{
    CDFensterArray fenster = FensterUmW();
    fenster.Add(FensterAuf(W, 3, Fenster(W.ID, 1)));
    Fenstertabelle t(haus, fenster, W);
    auto seite = std::array<Fenstertabelle::Seitenzeile, 5>{};
    for (int k = 1; k <= 5; ++k)
        seite[static_cast<std::size_t>(k - 1)] = t.Anzeige(k);
    seite[0].flaeche = 0; // dropped on OK
    t.UebernimmSeite(seite);
    t.Zurueckschreiben(0);
    ASSERT_EQ(fenster.GetSize(), 3);
    EXPECT_EQ(fenster[0].m_plane.Traeger2ID, anderer.ID);
    EXPECT_DOUBLE_EQ(fenster[1].Flaeche, 3) << "at the index of W's first old window";
    EXPECT_EQ(fenster[1].m_plane.ID, Fenster(W.ID, 0));
    EXPECT_EQ(fenster[2].m_plane.Traeger2ID, anderer.ID);
}

TEST_F(TabellenModell, FensterflaecheGleichDerTragendenIstZuGross)
{
    CDFensterArray fenster;
    Fenstertabelle t(haus, fenster, W);
    auto seite = std::array<Fenstertabelle::Seitenzeile, 5>{};
    seite[0].flaeche = W.Flaeche() - 1;
    seite[1].flaeche = 1;
    t.UebernimmSeite(seite);
    EXPECT_FALSE(t.PruefeFlaechen());
    seite[1].flaeche = 0.99;
    t.UebernimmSeite(seite);
    EXPECT_TRUE(t.PruefeFlaechen());
}

TEST_F(TabellenModell, FensterzeilenBlaetternUndLoeschen)
{
    CDFensterArray fenster;
    Fenstertabelle t(haus, fenster, W);
    t.SetzeAktuelleZeile(2);
    ASSERT_TRUE(t.LoescheAktuelleZeile());
    EXPECT_EQ(t.Zeilen(), 5) << "a fresh row at the end";
    EXPECT_FALSE(t.Hoch());
    EXPECT_FALSE(t.Anfang());
    EXPECT_TRUE(t.Runter());
    EXPECT_EQ(t.Zeilen(), 6);
    EXPECT_EQ(t.ErsteZeile(), 1);
    EXPECT_EQ(t.Zeile(6).Flaeche, 0);
    EXPECT_EQ(t.Zeile(6).Richtung, W.Richtungsklasse(haus.Ausrichtung));
    t.SetzeAktuelleZeile(6);
    ASSERT_TRUE(t.LoescheAktuelleZeile());
    EXPECT_EQ(t.Zeilen(), 5);
    EXPECT_EQ(t.ErsteZeile(), 0);
    EXPECT_EQ(t.AktuelleZeile(), 5) << "kept on an existing row";
    while (t.Runter()) {
    }
    EXPECT_EQ(t.Zeilen(), 100);
    EXPECT_EQ(t.ErsteZeile(), 95);
    EXPECT_TRUE(t.Anfang());
    EXPECT_EQ(t.ErsteZeile(), 0);
    EXPECT_TRUE(t.Ende());
    EXPECT_EQ(t.ErsteZeile(), 95);
}

TEST_F(TabellenModell, OrientierungslisteOhneAuswahlBehaeltDieRichtung)
{
    CDFensterArray fenster;
    Fenstertabelle t(haus, fenster, W, 5, 1);
    EXPECT_EQ(t.Zeile(1).Richtung, 5);
    EXPECT_EQ(t.Zeile(1).Neigung, 1);
    auto seite = std::array<Fenstertabelle::Seitenzeile, 5>{};
    seite[1].richtung = 2;
    t.UebernimmSeite(seite);
    EXPECT_EQ(t.Zeile(1).Richtung, 5);
    EXPECT_EQ(t.Zeile(2).Richtung, 2);
}

// ---------------------------------------------------------- component table

TEST_F(TabellenModell, WandMitTeilflaechenUndFenstern)
{
    haus.m_aWand[wandIndex].m_plane.GaubenID = 77;
    haus.m_aWand[wandIndex].m_plane.FassadenID = 88;
    const auto wandVorher = haus.m_aWand[wandIndex];
    const int waendeVorher = haus.m_aWand.GetSize();
    haus.Varianten = 1;
    haus.m_aWand[0].m_aSan.SetSize(1);

    Bauteiltabelle<DWand> t;
    ASSERT_TRUE(t.Oeffne(haus));
    ASSERT_EQ(t.Zeilen(), 5);
    EXPECT_EQ(t.Zeile(1).m_plane.ID, W.ID);
    EXPECT_DOUBLE_EQ(t.Zeile(1).Flaeche, W.Flaeche()) << "nothing on it yet";
    for (int r = 2; r <= 5; ++r) {
        EXPECT_EQ(t.Zeile(r).m_plane.ID, Bauteiltabelle<DWand>::ErsteTemporaereID + r - 2);
        EXPECT_EQ(t.Zeile(r).m_plane.Traeger1ID, W.ID);
        EXPECT_EQ(t.Zeile(r).m_plane.Traeger2ID, W.ID);
        EXPECT_EQ(t.Zeile(r).m_plane.GaubenID, 77);
        EXPECT_EQ(t.Zeile(r).m_plane.FassadenID, 88);
        EXPECT_NEAR(t.Zeile(r).m_plane.Flaeche(), 0, 1e-12);
    }

    auto seite = Seite(t);
    seite[1] = Zeile<DWand>("Nische", 2, 3);
    seite[2] = Zeile<DWand>("Tür", 3, 0);
    seite[3] = Zeile<DWand>("ohne U", 1.5);
    t.UebernimmSeite(seite);
    t.Zeile(2).kWert = 0.5;
    t.Zeile(3).kWert = 2.0;
    t.BerechneNettoflaeche();
    EXPECT_DOUBLE_EQ(t.Zeile(1).Flaeche, W.Flaeche() - 5) << "the row without U-value is not subtracted";
    EXPECT_EQ(t.Zeile(2).Zone, 3);

    // A window on part area 2 and two on the carrier row.
    t.Fensterliste().Add(FensterAuf(W, 1, Fenster(W.ID, 0)));
    t.Fensterliste().Add(FensterAuf(t.Zeile(2).m_plane, 0.5, 4711));
    t.Fensterliste().Add(FensterAuf(W, 1, Fenster(W.ID, 1)));
    t.Fensterliste().Add(FensterAuf(t.Zeile(4).m_plane, 0.5, 4712)); // goes with its row
    ASSERT_EQ(t.PruefeFlaechen(), Flaechenpruefung::Gut);
    t.Zurueckschreiben(haus);

    // The carrier's records at the old index, row 1 first.
    ASSERT_EQ(haus.m_aWand.GetSize(), waendeVorher + 2);
    const DWand& eins = haus.m_aWand[wandIndex];
    const DWand& zwei = haus.m_aWand[wandIndex + 1];
    const DWand& drei = haus.m_aWand[wandIndex + 2];
    EXPECT_EQ(eins.m_plane.ID, W.ID);
    EXPECT_DOUBLE_EQ(eins.Flaeche, W.Flaeche() - 5);
    EXPECT_EQ(eins.Name, wandVorher.Name);
    EXPECT_EQ(zwei.Name, "Nische");
    EXPECT_EQ(drei.Name, "Tür");
    EXPECT_EQ(zwei.m_plane.ID, W.ID + 10000);
    EXPECT_EQ(drei.m_plane.ID, W.ID + 20000);
    for (const DWand* b : {&zwei, &drei}) {
        EXPECT_EQ(b->m_plane.Traeger1ID, W.ID);
        EXPECT_EQ(b->m_plane.Traeger2ID, W.ID);
        EXPECT_EQ(b->m_plane.GaubenID, 77);
        EXPECT_EQ(b->m_plane.FassadenID, 88);
    }
    for (const DWand& b : haus.m_aWand)
        EXPECT_EQ(b.m_aSan.GetSize(), 2);

    std::vector<std::int32_t> ids;
    int aufZwei = 0;
    for (const DFenster& f : haus.m_aFenster) {
        if (f.m_plane.Traeger1ID != W.ID)
            continue;
        ids.push_back(f.m_plane.ID);
        EXPECT_NE(f.m_plane.Traeger2ID, Bauteiltabelle<DWand>::ErsteTemporaereID + 2) << "dropped with its row";
        if (f.m_plane.Traeger2ID == zwei.m_plane.ID) {
            ++aufZwei;
            EXPECT_EQ(ArtAusID(f.m_plane.ID), 54);
        }
    }
    EXPECT_EQ(aufZwei, 1);
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_EQ(std::set<std::int32_t>(ids.begin(), ids.end()).size(), 3u)
        << "window 1 of number 0 and window 0 of number 1 … must differ";
    for (const std::int32_t id : ids)
        EXPECT_LE(NummerAusID(id), 99);

    EXPECT_EQ(eins.m_plane.FensterAufFlaechePlaziert, 1);
    EXPECT_EQ(zwei.m_plane.FensterAufFlaechePlaziert, 1);
    EXPECT_EQ(drei.m_plane.FensterAufFlaechePlaziert, 0);
}

TEST_F(TabellenModell, FensterDerTeilflaechenBleibenUeberAlleZeilenEindeutig)
{
    // Ten part areas: window 1 of row 1 and window 0 of part area 10 would
    // both get number 10.
    Bauteiltabelle<DWand> t;
    ASSERT_TRUE(t.Oeffne(haus));
    while (t.Zeilen() < 12)
        t.Runter();
    for (int r = 2; r <= 12; ++r) {
        t.Zeile(r).m_plane.SetzeRechteck(0.1);
        t.Zeile(r).Flaeche = 0.1;
        t.Zeile(r).kWert = 1;
    }
    t.Fensterliste().Add(FensterAuf(W, 0.5, Fenster(W.ID, 0)));
    t.Fensterliste().Add(FensterAuf(W, 0.5, Fenster(W.ID, 10)));
    t.Fensterliste().Add(FensterAuf(t.Zeile(11).m_plane, 0.05, 1));
    t.Zurueckschreiben(haus);
    std::set<std::int32_t> ids;
    for (const DFenster& f : haus.m_aFenster)
        if (f.m_plane.Traeger1ID == W.ID)
            ids.insert(f.m_plane.ID);
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_EQ(ids.count(Fenster(W.ID, 10)), 1u);
}

TEST_F(TabellenModell, PruefungenVorOK)
{
    Bauteiltabelle<DWand> t;
    ASSERT_TRUE(t.Oeffne(haus));
    auto seite = Seite(t);
    const double flaeche = W.Flaeche();
    seite[1] = Zeile<DWand>("a", flaeche / 2);
    seite[2] = Zeile<DWand>("b", flaeche / 2);
    t.UebernimmSeite(seite);
    t.Zeile(2).kWert = 1;
    t.Zeile(3).kWert = 1;
    t.BerechneNettoflaeche();
    EXPECT_EQ(t.PruefeFlaechen(), Flaechenpruefung::Gut) << "net area 0 passes";
    seite[2].flaeche = flaeche / 2 + 0.01;
    t.UebernimmSeite(seite);
    t.BerechneNettoflaeche();
    EXPECT_NEAR(t.Zeile(1).Flaeche, -0.01, 1e-9);
    EXPECT_EQ(t.PruefeFlaechen(), Flaechenpruefung::TeilflaechenZuGross);

    Bauteiltabelle<DWand> mitFenstern;
    ASSERT_TRUE(mitFenstern.Oeffne(haus));
    mitFenstern.Fensterliste().Add(FensterAuf(W, flaeche - 1, 1));
    mitFenstern.Fensterliste().Add(FensterAuf(W, 1, 2));
    EXPECT_EQ(mitFenstern.PruefeFlaechen(), Flaechenpruefung::FensterZuGross);
    mitFenstern.Fensterliste()[1].Flaeche = 0.99;
    EXPECT_EQ(mitFenstern.PruefeFlaechen(), Flaechenpruefung::Gut);
}

TEST_F(TabellenModell, ZeilenBlaetternUndLoeschen)
{
    Bauteiltabelle<DWand> t;
    ASSERT_TRUE(t.Oeffne(haus));
    t.Fensterliste().Add(FensterAuf(t.Zeile(3).m_plane, 0.5, 1));
    t.SetzeAktuelleZeile(1);
    EXPECT_FALSE(t.LoescheAktuelleZeile()) << "row 1 stays";
    t.SetzeAktuelleZeile(3);
    const std::int32_t geloescht = t.Zeile(3).m_plane.ID;
    ASSERT_TRUE(t.LoescheAktuelleZeile());
    EXPECT_EQ(t.Zeilen(), 5);
    EXPECT_TRUE(t.Fensterliste().empty()) << "its windows go with it";
    std::set<std::int32_t> ids;
    for (int r = 1; r <= 5; ++r) {
        EXPECT_NE(t.Zeile(r).m_plane.ID, geloescht);
        ids.insert(t.Zeile(r).m_plane.ID);
    }
    EXPECT_EQ(ids.size(), 5u) << "the fresh row has an ID of its own";

    EXPECT_TRUE(t.Runter());
    EXPECT_EQ(t.Zeilen(), 6);
    EXPECT_EQ(t.ErsteZeile(), 1);
    EXPECT_TRUE(t.Runter());
    EXPECT_EQ(t.Zeilen(), 7);
    t.SetzeAktuelleZeile(7);
    ASSERT_TRUE(t.LoescheAktuelleZeile());
    EXPECT_EQ(t.Zeilen(), 6);
    EXPECT_EQ(t.ErsteZeile(), 1);
    EXPECT_EQ(t.AktuelleZeile(), 6) << "the window button acts on an existing row";
    EXPECT_TRUE(t.Anfang());
    EXPECT_EQ(t.ErsteZeile(), 0);
    EXPECT_TRUE(t.Ende());
    EXPECT_EQ(t.ErsteZeile(), 1);

    while (t.Runter()) {
    }
    EXPECT_EQ(t.ErsteZeile(), 95);
    EXPECT_EQ(t.Zeilen(), 100);
    EXPECT_FALSE(t.Runter());
}

TEST_F(TabellenModell, NummernBleibenUnterHundert)
{
    const std::int32_t eigen = test::HandgemachteWand(haus, 97).m_plane.ID;
    haus.AktuelleTraegerID = eigen;
    Bauteiltabelle<DWand> t;
    ASSERT_TRUE(t.Oeffne(haus));
    EXPECT_TRUE(t.Fuellbar(2));
    EXPECT_TRUE(t.Fuellbar(3));
    EXPECT_FALSE(t.Fuellbar(4));
    EXPECT_FALSE(t.Fuellbar(5));
    EXPECT_FALSE(t.Runter()) << "no row 6 numbered 102";
    for (int r = 2; r <= 5; ++r) {
        t.Zeile(r).m_plane.SetzeRechteck(1);
        t.Zeile(r).Flaeche = 1;
        t.Zeile(r).kWert = 1;
        t.Fensterliste().Add(FensterAuf(t.Zeile(r).m_plane, 0.2, r));
    }
    t.Zurueckschreiben(haus);
    int teile = 0;
    for (const DWand& b : haus.m_aWand) {
        EXPECT_LE(NummerAusID(b.m_plane.ID), 99);
        teile += b.m_plane.Traeger1ID == eigen ? 1 : 0;
    }
    EXPECT_EQ(teile, 3) << "rows 2 and 3 only";
    for (const DFenster& f : haus.m_aFenster)
        EXPECT_LE(NummerAusID(f.m_plane.ID), 99);
}

TEST_F(TabellenModell, TraegerOhneEigenenDatensatzOeffnetNicht)
{
    haus.AktuelleTraegerID = PlaneIDAus(1, 4, 55, 0, 1);
    Bauteiltabelle<DWand> t;
    EXPECT_FALSE(t.Oeffne(haus));
}

// -------------------------------------------------------------- the kinds

TEST_F(TabellenModell, BodenBehaeltUnbekannteGrenzartUndRechnetNettoflaechen)
{
    ASSERT_FALSE(haus.m_aBoden.empty());
    DBoden& boden = haus.m_aBoden[0];
    boden.Zone = 7;
    boden.Flaeche = 1;
    haus.AktuelleTraegerID = boden.m_plane.ID;
    Bauteiltabelle<DBoden> t;
    ASSERT_TRUE(t.Oeffne(haus));
    EXPECT_EQ(t.Anzeige(1).zone, -1) << "7 is not in the list";
    EXPECT_DOUBLE_EQ(t.Zeile(1).Flaeche, boden.m_plane.Flaeche()) << "floors take their plane's area";
    t.UebernimmSeite(Seite(t));
    t.Zurueckschreiben(haus);
    EXPECT_EQ(haus.m_aBoden[0].Zone, 7);

    // Only the floor recomputes the house's net areas; walls and pitched
    // roofs keep the stored area of their part areas, the others take the
    // plane's.
    Haus ohne;
    test::TabellenHaus(ohne);
    const int w = IndexVon(ohne.m_aWand, TraegerWand);
    const Plane wandEbene = ohne.m_aWand[static_cast<std::size_t>(w)].m_plane;
    DWand teil;
    teil.m_plane = wandEbene;
    teil.m_plane.SetzeRechteck(2);
    teil.m_plane.ID = wandEbene.ID + 10000;
    teil.Flaeche = 1.5;
    teil.kWert = 1;
    ohne.m_aWand.InsertAt(static_cast<std::size_t>(w) + 1, teil);
    DBoden bodenTeil;
    bodenTeil.m_plane = ohne.m_aBoden[0].m_plane;
    bodenTeil.m_plane.SetzeRechteck(2);
    bodenTeil.m_plane.ID = bodenTeil.m_plane.Traeger1ID + 10000;
    bodenTeil.Flaeche = 1.5;
    bodenTeil.kWert = 1;
    ohne.m_aBoden.Add(bodenTeil);
    ohne.m_aBoden[0].Flaeche = 4321;
    ohne.AktuelleTraegerID = wandEbene.ID;
    Bauteiltabelle<DWand> wt;
    ASSERT_TRUE(wt.Oeffne(ohne));
    EXPECT_DOUBLE_EQ(wt.Zeile(2).Flaeche, 1.5);
    wt.Zurueckschreiben(ohne);
    EXPECT_DOUBLE_EQ(ohne.m_aBoden[0].Flaeche, 4321);
    ohne.AktuelleTraegerID = ohne.m_aBoden[0].m_plane.ID;
    Bauteiltabelle<DBoden> bt;
    ASSERT_TRUE(bt.Oeffne(ohne));
    EXPECT_DOUBLE_EQ(bt.Zeile(2).Flaeche, 2);
    bt.Zurueckschreiben(ohne);
    EXPECT_NEAR(ohne.m_aBoden[0].Flaeche, ohne.m_aBoden[0].m_plane.Flaeche() - 2, 1e-9);
}

TEST_F(TabellenModell, SteildachBehaeltSeineFlaecheUndZeigtSie)
{
    ASSERT_FALSE(haus.m_aSteildach.empty());
    DSteildach& dach = haus.m_aSteildach[0];
    dach.Flaeche = 17;
    haus.AktuelleTraegerID = dach.m_plane.ID;
    Bauteiltabelle<DSteildach> t;
    ASSERT_TRUE(t.Oeffne(haus));
    t.Zeile(2).Flaeche = 3; // shown as stored, not as its plane
    EXPECT_DOUBLE_EQ(t.Anzeige(2).flaeche, 3);
    Bauteiltabelle<DWand> w;
    haus.AktuelleTraegerID = W.ID;
    ASSERT_TRUE(w.Oeffne(haus));
    w.Zeile(2).Flaeche = 3;
    EXPECT_DOUBLE_EQ(w.Anzeige(2).flaeche, 0) << "a wall's part area shows its plane";

    // The window presets come from the roof geometry plane of the same index.
    const Fenstervorgabe v = t.Fenstervorgaben(haus, 1);
    const Plane* geometrie = nullptr;
    for (const Plane& p : haus.m_aPlane)
        if (p.ArtAusID() == 90 * IdArtFaktor && p.IndexAusID() == dach.m_plane.IndexAusID()) {
            geometrie = &p;
            break;
        }
    const Plane& quelle = geometrie != nullptr ? *geometrie : dach.m_plane;
    EXPECT_EQ(v.richtung, quelle.Richtungsklasse(haus.Ausrichtung));
    EXPECT_EQ(v.neigung, quelle.Neigungsklasse());
    EXPECT_EQ(t.Fenstervorgaben(haus, 2).richtung, v.richtung) << "a part area lies on the roof face";
    Bauteiltabelle<DDecke> decke;
    EXPECT_EQ(decke.Fenstervorgaben(haus, 1).richtung, -1);
}

TEST(Luftschicht, NurMitLuftschichtBleibtDerZwischenraumSanierbar)
{
    DWand ohneSchichten;
    ohneSchichten.Schicht = 0;
    ohneSchichten.SanbarZwischen = 1;
    PruefeLuftschicht(ohneSchichten);
    EXPECT_EQ(ohneSchichten.SanbarZwischen, 1);

    DWand geschichtet = ohneSchichten;
    geschichtet.Schicht = 1;
    geschichtet.SanbarZwischen = 1;
    DSchicht s;
    s.Name = "luftschicht";
    geschichtet.m_Schichtaufbau.Add(s);
    DWand mitLuft = geschichtet;
    PruefeLuftschicht(geschichtet);
    EXPECT_EQ(geschichtet.SanbarZwischen, 0) << "names compare exactly";
    mitLuft.m_Schichtaufbau.Add(DSchicht{});
    mitLuft.m_Schichtaufbau[1].Name = "Luftschicht";
    PruefeLuftschicht(mitLuft);
    EXPECT_EQ(mitLuft.SanbarZwischen, 1);
}

} // namespace
} // namespace zeva
