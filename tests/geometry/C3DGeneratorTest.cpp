// The surface generator: planes, records, IDs and areas of the drawn
// building, its limits, the section at a height, and the whole road from an
// outline to the heat demand.
#include "geometry/C3DGenerator.h"
#include "geometry/DachTestHilfen.h"
#include "model/Arbeitszaehler.h"
#include "model/Haus.h"
#include "model/Klimadaten.h"
#include "model/Zahlentext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <numbers>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace zeva {
namespace {

using test::BaueDach;
using test::DachMasse;

class MerkNotifier final : public Notifier {
public:
    void Nachricht(const std::string& text, Art) override { texte.push_back(text); }
    bool Frage(const std::string&) override { return false; }
    std::vector<std::string> texte;
};

using test::GezeichnetesHaus;
using test::Rechteck;

// A new house (basement 2.5 m unheated, one storey of 2.5 m, no knee wall)
// whose zone 0 is the rectangle 10 × 8.
struct Plan {
    Haus haus;
    MerkNotifier notifier;

    explicit Plan(int steildach = 0)
    {
        haus.Steildach = steildach;
        haus.m_aZone[0].m_a2DGrundrissPunkte = Rechteck(0, 0, 10, 8);
    }
    int Erzeuge()
    {
        C3DGenerator g(haus, notifier);
        return g.Erzeuge3DFlaechen();
    }
};

std::vector<std::int32_t> PlaneIDs(const Haus& h)
{
    std::vector<std::int32_t> ids;
    for (const Plane& p : h.m_aPlane)
        ids.push_back(p.ID);
    return ids;
}

template <class A>
std::vector<std::int32_t> IDs(const A& records)
{
    std::vector<std::int32_t> ids;
    for (const auto& r : records)
        ids.push_back(r.m_plane.ID);
    return ids;
}

template <class A>
std::vector<double> Flaechen(const A& records)
{
    std::vector<double> f;
    for (const auto& r : records)
        f.push_back(r.Flaeche);
    return f;
}

template <class A>
std::vector<std::int32_t> Angrenzungen(const A& records)
{
    std::vector<std::int32_t> z;
    for (const auto& r : records)
        z.push_back(r.Zone);
    return z;
}

std::vector<std::int32_t> Folge(std::int32_t basis, std::vector<int> k)
{
    for (int& x : k)
        x += basis;
    return {k.begin(), k.end()};
}

const std::vector<int> Rueckwaerts{3, 2, 1, 0};

TEST(C3DGenerator, RectangularZoneOfAFlatRoofHouse)
{
    Plan p;
    p.haus.m_defaultWand.Name = "Vollziegel 36,5";
    p.haus.m_defaultWand.kWert = 1.4;
    p.haus.m_defaultWand.m_Schichtaufbau.SetSize(2);
    p.haus.m_defaultBoden.kWert = 1.1;
    p.haus.m_defaultFlachdach.Warmdach = 0;
    EXPECT_EQ(p.Erzeuge(), 1);
    EXPECT_TRUE(p.notifier.texte.empty());
    const Haus& h = p.haus;

    // Basement walls (no records), then the storey walls, each walked
    // backwards from the closing edge.
    std::vector<std::int32_t> planes = Folge(2000000, Rueckwaerts);
    for (std::int32_t id : Folge(4000000, Rueckwaerts))
        planes.push_back(id);
    EXPECT_EQ(PlaneIDs(h), planes);

    EXPECT_EQ(IDs(h.m_aWand), Folge(4000000, Rueckwaerts));
    EXPECT_EQ(Flaechen(h.m_aWand), (std::vector<double>{20, 25, 20, 25}));
    for (std::size_t i = 0; i < h.m_aWand.size(); ++i) {
        const DWand& w = h.m_aWand[i];
        EXPECT_EQ(w.Nummer, static_cast<std::int32_t>(i));
        EXPECT_EQ(w.Name, "Vollziegel 36,5");
        EXPECT_EQ(w.kWert, 1.4);
        EXPECT_EQ(w.m_Schichtaufbau.size(), 2u);
        EXPECT_EQ(w.Zone, 0);
    }
    // Edge 3 runs from P0 to P3, 2.5 to 5 m high.
    const Plane& w0 = h.m_aWand[0].m_plane;
    EXPECT_TRUE(test::Nahe(w0.lo, Punkt3D(0, 5, 0)));
    EXPECT_TRUE(test::Nahe(w0.ro, Punkt3D(0, 5, 8)));
    EXPECT_TRUE(test::Nahe(w0.ru, Punkt3D(0, 2.5, 8)));
    EXPECT_TRUE(test::Nahe(w0.lu, Punkt3D(0, 2.5, 0)));
    const Plane& k1 = h.m_aPlane[2]; // basement edge 1, P2 to P1
    EXPECT_TRUE(test::Nahe(k1.lo, Punkt3D(10, 2.5, 8)));
    EXPECT_TRUE(test::Nahe(k1.ru, Punkt3D(10, 0, 0)));

    // Every wall names itself as carrier; one facade per outline edge.
    for (const Plane& pl : h.m_aPlane) {
        EXPECT_EQ(pl.Traeger1ID, pl.ID);
        EXPECT_EQ(pl.Traeger2ID, pl.ID);
        EXPECT_EQ(pl.GaubenID, -1);
        EXPECT_EQ(pl.FassadenID, 4000000 + pl.IndexAusID());
        EXPECT_EQ(pl.FensterAufFlaechePlaziert, 0);
        EXPECT_EQ(pl.FlaecheWurdeBearbeitet, 0);
    }

    ASSERT_EQ(h.m_aBoden.size(), 1u);
    const DBoden& b = h.m_aBoden[0];
    EXPECT_EQ(b.m_plane.ID, 3000000);
    EXPECT_EQ(b.m_plane.Traeger1ID, 3000000);
    EXPECT_EQ(b.m_plane.FassadenID, 3000000);
    EXPECT_EQ(b.Flaeche, 80);
    EXPECT_EQ(b.Zone, 6); // over the unheated basement
    EXPECT_EQ(b.kWert, 1.1);

    ASSERT_EQ(h.m_aFlachdach.size(), 1u);
    const DFlachdach& d = h.m_aFlachdach[0];
    EXPECT_EQ(d.m_plane.ID, 7000000);
    EXPECT_EQ(d.m_plane.FassadenID, 7000000);
    EXPECT_EQ(d.Flaeche, 80);
    EXPECT_EQ(d.Zone, 0);
    EXPECT_EQ(d.Warmdach, 0);

    EXPECT_TRUE(h.m_aDecke.empty());
    EXPECT_TRUE(h.m_aSteildach.empty());
    EXPECT_DOUBLE_EQ(h.Huellflaeche(), 90 + 80 + 80);
}

struct Variante {
    const char* name;
    std::function<void(Haus&)> setze;
    std::vector<std::int32_t> planes;
    std::vector<std::int32_t> waende;
    std::vector<double> wandflaechen;
    std::vector<std::int32_t> wandzonen;
    std::vector<std::int32_t> boeden;
    std::vector<std::int32_t> bodenzonen;
    std::vector<std::int32_t> flachdaecher;
};

std::vector<std::int32_t> Verbinde(std::initializer_list<std::vector<std::int32_t>> teile)
{
    std::vector<std::int32_t> r;
    for (const auto& t : teile)
        r.insert(r.end(), t.begin(), t.end());
    return r;
}

TEST(C3DGenerator, HeightsStoreysBasementAndZones)
{
    const auto keller = Folge(2000000, Rueckwaerts);
    const auto eg = Folge(4000000, Rueckwaerts);
    const auto og = Folge(4000100, Rueckwaerts);
    const auto drempel = Folge(6000000, Rueckwaerts);
    const std::vector<double> rund{20, 25, 20, 25};
    const std::vector<Variante> faelle{
        {"no basement", [](Haus& h) { h.m_aZone[0].Kellerhoehe = 0; }, eg, eg, rund, {0, 0, 0, 0}, {3000000}, {2},
         {7000000}},
        {"heated basement", [](Haus& h) { h.KellerBeheizt = 1; }, Verbinde({keller, eg}), Verbinde({keller, eg}),
         {20, 25, 20, 25, 20, 25, 20, 25}, {2, 2, 2, 2, 0, 0, 0, 0}, {1000000}, {2}, {7000000}},
        // The zone's own flag is not the house's.
        {"zone flag alone", [](Haus& h) { h.m_aZone[0].KellerBeheizt = 1; }, Verbinde({keller, eg}), eg, rund,
         {0, 0, 0, 0}, {3000000}, {6}, {7000000}},
        {"two storeys", [](Haus& h) { h.m_aZone[0].Stockwerkszahl = 2; }, Verbinde({keller, eg, og}),
         Verbinde({eg, og}), {20, 25, 20, 25, 20, 25, 20, 25}, {0, 0, 0, 0, 0, 0, 0, 0}, {3000000}, {6}, {7000000}},
        {"heated knee wall",
         [](Haus& h) {
             h.m_aZone[0].Drempelhoehe = 1;
             h.DachBeheizt = 1;
         },
         Verbinde({keller, eg, drempel}), Verbinde({eg, drempel}), {20, 25, 20, 25, 8, 10, 8, 10},
         {0, 0, 0, 0, 0, 0, 0, 0}, {3000000}, {6}, {7000000}},
        {"unheated knee wall",
         [](Haus& h) {
             h.m_aZone[0].Drempelhoehe = 1;
             h.DachBeheizt = 0;
         },
         Verbinde({keller, eg, drempel}), eg, rund, {0, 0, 0, 0}, {3000000}, {6}, {7000000}},
        {"no storeys", [](Haus& h) { h.m_aZone[0].Stockwerkszahl = 0; }, keller, {}, {}, {}, {3000000}, {6},
         {7000000}},
        {"storey height 0", [](Haus& h) { h.m_aZone[0].Stockwerkshoehe = 0; }, keller, {}, {}, {}, {3000000}, {6},
         {7000000}},
        {"zone index 1",
         [](Haus& h) {
             h.Zonen = 2;
             h.m_aZone.SetSize(2);
             h.m_aZone[1].m_a2DGrundrissPunkte = h.m_aZone[0].m_a2DGrundrissPunkte;
             h.m_aZone[0].m_a2DGrundrissPunkte.RemoveAll();
         },
         Verbinde({Folge(102000000, Rueckwaerts), Folge(104000000, Rueckwaerts)}),
         Folge(104000000, Rueckwaerts), rund, {0, 0, 0, 0}, {103000000}, {6}, {107000000}},
        {"pitched-roof house without roofs", [](Haus& h) { h.Steildach = 1; }, Verbinde({keller, eg}), eg, rund,
         {0, 0, 0, 0}, {3000000}, {6}, {}},
        // The roofs of the oldest documents come from their hip lines.
        {"hip lines of an old document", [](Haus& h) { h.m_aLinien2 = {{0, 0}, {5, 4}}; }, Verbinde({keller, eg}),
         eg, rund, {0, 0, 0, 0}, {3000000}, {6}, {}},
    };
    for (const Variante& f : faelle) {
        SCOPED_TRACE(f.name);
        Plan p;
        f.setze(p.haus);
        EXPECT_EQ(p.Erzeuge(), 1);
        const Haus& h = p.haus;
        EXPECT_EQ(PlaneIDs(h), f.planes);
        EXPECT_EQ(IDs(h.m_aWand), f.waende);
        EXPECT_EQ(Flaechen(h.m_aWand), f.wandflaechen);
        EXPECT_EQ(Angrenzungen(h.m_aWand), f.wandzonen);
        EXPECT_EQ(IDs(h.m_aBoden), f.boeden);
        EXPECT_EQ(Angrenzungen(h.m_aBoden), f.bodenzonen);
        EXPECT_EQ(Flaechen(h.m_aBoden), std::vector<double>(f.boeden.size(), 80));
        EXPECT_EQ(IDs(h.m_aFlachdach), f.flachdaecher);
        EXPECT_EQ(Flaechen(h.m_aFlachdach), std::vector<double>(f.flachdaecher.size(), 80));
    }
}

TEST(C3DGenerator, WallHeightsFollowBasementStoreysAndKneeWall)
{
    Plan p;
    p.haus.m_aZone[0].Kellerhoehe = 2;
    p.haus.m_aZone[0].Stockwerkshoehe = 3;
    p.haus.m_aZone[0].Stockwerkszahl = 2;
    p.haus.m_aZone[0].Drempelhoehe = 0.75;
    p.Erzeuge();
    // Basement 0-2, storeys 2-5 and 5-8, knee wall 8-8.75.
    const std::vector<std::pair<double, double>> erwartet{{0, 2}, {2, 5}, {5, 8}, {8, 8.75}};
    ASSERT_EQ(p.haus.m_aPlane.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i) {
        const Plane& pl = p.haus.m_aPlane[i];
        EXPECT_EQ(pl.lu.y, erwartet[i / 4].first) << i;
        EXPECT_EQ(pl.ru.y, erwartet[i / 4].first) << i;
        EXPECT_EQ(pl.lo.y, erwartet[i / 4].second) << i;
        EXPECT_EQ(pl.ro.y, erwartet[i / 4].second) << i;
    }
}

TEST(C3DGenerator, DegenerateOutlines)
{
    // One point: no walls, but a floor (and a flat roof) of area 0.
    Plan einer;
    einer.haus.m_aZone[0].m_a2DGrundrissPunkte = {{3, 4}};
    EXPECT_EQ(einer.Erzeuge(), 1);
    EXPECT_TRUE(einer.haus.m_aPlane.empty());
    EXPECT_TRUE(einer.haus.m_aWand.empty());
    EXPECT_EQ(Flaechen(einer.haus.m_aBoden), (std::vector<double>{0}));
    EXPECT_EQ(Flaechen(einer.haus.m_aFlachdach), (std::vector<double>{0}));

    // No point: nothing at all for the zone.
    Plan keiner;
    keiner.haus.m_aZone[0].m_a2DGrundrissPunkte.RemoveAll();
    EXPECT_EQ(keiner.Erzeuge(), 1);
    EXPECT_TRUE(keiner.haus.m_aPlane.empty());
    EXPECT_TRUE(keiner.haus.m_aWand.empty());
    EXPECT_TRUE(keiner.haus.m_aBoden.empty());
    EXPECT_TRUE(keiner.haus.m_aFlachdach.empty());

    // Two points: a wall there and one back, no area.
    Plan zwei;
    zwei.haus.m_aZone[0].m_a2DGrundrissPunkte = {{0, 0}, {4, 0}};
    zwei.haus.m_aZone[0].Kellerhoehe = 0;
    zwei.Erzeuge();
    EXPECT_EQ(IDs(zwei.haus.m_aWand), (std::vector<std::int32_t>{4000001, 4000000}));
    EXPECT_EQ(Flaechen(zwei.haus.m_aWand), (std::vector<double>{10, 10}));
    EXPECT_EQ(Flaechen(zwei.haus.m_aBoden), (std::vector<double>{0}));

    // A copy of a house has no zones although it keeps Zonen.
    Plan quelle;
    Haus kopie(quelle.haus);
    ASSERT_TRUE(kopie.m_aZone.empty());
    MerkNotifier n;
    EXPECT_EQ(C3DGenerator(kopie, n).Erzeuge3DFlaechen(), 1);
    EXPECT_TRUE(kopie.m_aPlane.empty());
    EXPECT_TRUE(kopie.m_aBoden.empty());
}

TEST(C3DGenerator, RebuildDropsWindowsDormersAndEverythingDerived)
{
    Plan p;
    p.Erzeuge();
    // What the user added afterwards.
    p.haus.m_aFenster.Add(DFenster());
    p.haus.m_aGaube.Add(Gaube());
    p.haus.m_aDecke.Add(DDecke());
    p.haus.m_aSteildach.Add(DSteildach());
    p.haus.m_aWand[0].kWert = 9;
    p.haus.m_aHeizung[0].Nennwaermeleistung = 17;
    p.haus.m_defaultWand.Name = "neu";
    const std::vector<std::int32_t> planes = PlaneIDs(p.haus);

    EXPECT_EQ(p.Erzeuge(), 1);
    const Haus& h = p.haus;
    EXPECT_TRUE(h.m_aFenster.empty());
    EXPECT_TRUE(h.m_aGaube.empty());
    EXPECT_TRUE(h.m_aDecke.empty());
    EXPECT_TRUE(h.m_aSteildach.empty());
    // The same surfaces again, from the current defaults, once each.
    EXPECT_EQ(PlaneIDs(h), planes);
    EXPECT_EQ(h.m_aWand.size(), 4u);
    EXPECT_EQ(h.m_aWand[0].kWert, h.m_defaultWand.kWert);
    EXPECT_EQ(h.m_aWand[0].Name, "neu");
    EXPECT_EQ(h.m_aBoden.size(), 1u);
    EXPECT_EQ(h.m_aFlachdach.size(), 1u);
    // Zones, heating and defaults stay.
    EXPECT_EQ(h.m_aZone[0].m_a2DGrundrissPunkte.size(), 4u);
    EXPECT_EQ(h.m_aHeizung[0].Nennwaermeleistung, 17);
}

TEST(C3DGenerator, EveryZoneOfAFlatRoofHouseHasItsOwnRoof)
{
    Plan p;
    p.haus.Zonen = 2;
    p.haus.m_aZone.SetSize(2);
    p.haus.m_aZone[1].m_a2DGrundrissPunkte = Rechteck(10, 0, 16, 5);
    p.Erzeuge();
    EXPECT_EQ(IDs(p.haus.m_aFlachdach), (std::vector<std::int32_t>{7000000, 107000000}));
    EXPECT_EQ(Flaechen(p.haus.m_aFlachdach), (std::vector<double>{80, 30}));
    EXPECT_EQ(IDs(p.haus.m_aBoden), (std::vector<std::int32_t>{3000000, 103000000}));
    // Zone 1's walls follow zone 0's; a zone beyond Zonen is not built.
    EXPECT_EQ(p.haus.m_aWand.size(), 8u);
    EXPECT_EQ(p.haus.m_aWand[4].m_plane.ID, 104000003);
    p.haus.Zonen = 1;
    p.Erzeuge();
    EXPECT_EQ(IDs(p.haus.m_aFlachdach), (std::vector<std::int32_t>{7000000}));
}

TEST(C3DGenerator, DrawingScaleAppliesToWallsFloorsAndRoofs)
{
    // Half a metre per drawing unit: 20 × 16 units are 10 × 8 m.
    Plan p;
    p.haus.RealAreaWidth = 10;
    p.haus.OpenGLWidth = 20;
    p.haus.m_aZone[0].m_a2DGrundrissPunkte = Rechteck(0, 0, 20, 16);
    p.Erzeuge();
    EXPECT_EQ(Flaechen(p.haus.m_aWand), (std::vector<double>{20, 25, 20, 25}));
    EXPECT_TRUE(test::Nahe(p.haus.m_aWand[0].m_plane.ro, Punkt3D(0, 5, 8)));
    EXPECT_EQ(Flaechen(p.haus.m_aBoden), (std::vector<double>{80}));
    EXPECT_EQ(Flaechen(p.haus.m_aFlachdach), (std::vector<double>{80}));
    // The section itself stays in drawing units.
    MerkNotifier n;
    EXPECT_EQ(C3DGenerator(p.haus, n).Schnittflaeche(0, 0), 320);

    // A damaged scale (width 0) counts as 1 instead of spreading inf.
    Plan kaputt;
    kaputt.haus.OpenGLWidth = 0;
    kaputt.Erzeuge();
    EXPECT_EQ(Flaechen(kaputt.haus.m_aWand), (std::vector<double>{20, 25, 20, 25}));
    EXPECT_EQ(Flaechen(kaputt.haus.m_aBoden), (std::vector<double>{80}));
}

TEST(C3DGenerator, NetAreasReplaceTheRoundedWallAreas)
{
    Plan p;
    p.haus.m_aZone[0].Kellerhoehe = 0;
    p.haus.m_aZone[0].m_a2DGrundrissPunkte = Rechteck(0, 0, 12.345, 8);
    p.Erzeuge();
    // Edge 2 (P3 to P2) is 12.345 long: 30.8625 m², not the 30.9 the
    // generator wrote first. The floor keeps its 3-digit section.
    ASSERT_EQ(p.haus.m_aWand.size(), 4u);
    EXPECT_NEAR(p.haus.m_aWand[1].Flaeche, 30.8625, 1e-9);
    EXPECT_EQ(p.haus.m_aBoden[0].Flaeche, 98.8);
}

Punkt2DArray Vieleck(int n)
{
    Punkt2DArray p;
    for (int i = 0; i < n; ++i) {
        const double w = 2 * std::numbers::pi * i / n;
        p.Add(Punkt2D(10 + 5 * std::cos(w), 10 + 5 * std::sin(w)));
    }
    return p;
}

TEST(C3DGenerator, OutlinePointsAndZonesAreLimited)
{
    // 100 points fit the two edge digits: every ID once.
    Plan hundert;
    hundert.haus.m_aZone[0].m_a2DGrundrissPunkte = Vieleck(100);
    EXPECT_EQ(hundert.Erzeuge(), 1);
    const std::vector<std::int32_t> ids = PlaneIDs(hundert.haus);
    EXPECT_EQ(ids.size(), 200u);
    EXPECT_EQ(std::set<std::int32_t>(ids.begin(), ids.end()).size(), 200u);
    EXPECT_EQ(ids.front(), 2000099);
    EXPECT_EQ(ids.back(), 4000000);
    EXPECT_TRUE(hundert.notifier.texte.empty());

    struct Fall {
        const char* name;
        std::function<void(Haus&)> setze;
        const char* meldung;
    };
    const std::vector<Fall> faelle{
        {"101 points", [](Haus& h) { h.m_aZone[0].m_a2DGrundrissPunkte = Vieleck(101); },
         "Ein Grundriss darf höchstens 100 Punkte haben."},
        {"101 points in zone 1",
         [](Haus& h) {
             h.Zonen = 2;
             h.m_aZone.SetSize(2);
             h.m_aZone[1].m_a2DGrundrissPunkte = Vieleck(101);
         },
         "Ein Grundriss darf höchstens 100 Punkte haben."},
        {"21 zones in use",
         [](Haus& h) {
             h.Zonen = 21;
             h.m_aZone.SetSize(21);
         },
         "Es sind höchstens 20 Zonen möglich."},
        {"a drawn zone beyond the twentieth",
         [](Haus& h) {
             h.m_aZone.SetSize(21);
             h.m_aZone[20].m_a2DGrundrissPunkte = Rechteck(20, 0, 30, 8);
         },
         "Es sind höchstens 20 Zonen möglich."},
        {"101 storeys", [](Haus& h) { h.m_aZone[0].Stockwerkszahl = 101; },
         "Eine Zone darf höchstens 100 Vollgeschosse haben."},
        {"INT_MAX storeys in zone 1",
         [](Haus& h) {
             h.Zonen = 2;
             h.m_aZone.SetSize(2);
             h.m_aZone[1].m_a2DGrundrissPunkte = Rechteck(20, 0, 30, 8);
             h.m_aZone[1].Stockwerkszahl = std::numeric_limits<std::int32_t>::max();
         },
         "Eine Zone darf höchstens 100 Vollgeschosse haben."},
        {"101 roofs",
         [](Haus& h) {
             for (int i = 0; i < 101; ++i) {
                 DachMasse m;
                 m.p0 = Punkt2D(30.0 * i, 0);
                 h.m_aDach.Add(BaueDach(m));
             }
         },
         "Es sind höchstens 100 Dächer möglich."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Plan p;
        p.Erzeuge();
        p.haus.m_aFenster.Add(DFenster());
        f.setze(p.haus);
        // Refused before anything is deleted.
        EXPECT_EQ(p.Erzeuge(), 0);
        EXPECT_EQ(p.notifier.texte, (std::vector<std::string>{f.meldung}));
        EXPECT_EQ(p.haus.m_aFenster.size(), 1u);
        EXPECT_EQ(p.haus.m_aWand.size(), 4u);
        EXPECT_EQ(p.haus.m_aPlane.size(), 8u);
    }

    // Twenty zones are fine; so is a 21st zone slot that is not drawn.
    Plan zwanzig;
    zwanzig.haus.Zonen = 20;
    zwanzig.haus.m_aZone.SetSize(21);
    zwanzig.haus.m_aZone[19].m_a2DGrundrissPunkte = Rechteck(20, 0, 30, 8);
    EXPECT_EQ(zwanzig.Erzeuge(), 1);
    EXPECT_EQ(IDs(zwanzig.haus.m_aFlachdach), (std::vector<std::int32_t>{7000000, 1907000000}));

    // A hundred storeys fill the storey digits: storey 99 is the top one.
    Plan hochhaus;
    hochhaus.haus.m_aZone[0].Stockwerkszahl = 100;
    EXPECT_EQ(hochhaus.Erzeuge(), 1);
    EXPECT_EQ(hochhaus.haus.m_aWand.size(), 400u);
    EXPECT_EQ(hochhaus.haus.m_aWand[399].m_plane.ID, PlaneIDAus(0, flaechenart::Geschosswand, 0, 99, 0));
}

// The work of the generator and of the net areas grows with the house and
// no faster, counted in steps rather than seconds: four times the storeys
// (and a window in every wall) take about four times the steps, where a pass
// that compared every record with every other would take sixteen times.
TEST(C3DGenerator, WorkGrowsLinearlyWithTheHouse)
{
    struct Schritte {
        std::uint64_t generator = 0;
        std::uint64_t netto = 0;
        std::size_t waende = 0;
    };
    const auto miss = [](int stockwerke) {
        Plan plan;
        plan.haus.m_aZone[0].Stockwerkszahl = stockwerke;
        Schritte s;
        arbeitszaehler::generatorSchritte = 0;
        EXPECT_EQ(plan.Erzeuge(), 1);
        s.generator = arbeitszaehler::generatorSchritte;
        for (const DWand& w : plan.haus.m_aWand) {
            DFenster f;
            f.m_plane.Traeger1ID = f.m_plane.Traeger2ID = w.m_plane.ID;
            plan.haus.m_aFenster.Add(f);
        }
        arbeitszaehler::nettoflaechenSchritte = 0;
        plan.haus.BerechneNettoflaechen();
        s.netto = arbeitszaehler::nettoflaechenSchritte;
        s.waende = plan.haus.m_aWand.size();
        return s;
    };
    const Schritte klein = miss(10);
    const Schritte gross = miss(40);
    ASSERT_EQ(klein.waende, 40u);
    ASSERT_EQ(gross.waende, 160u);
    // Every wall is at least one step of each pass: the counters count.
    EXPECT_GE(klein.generator, klein.waende);
    EXPECT_GE(klein.netto, 2 * klein.waende);
    const double waende = static_cast<double>(gross.waende) / static_cast<double>(klein.waende);
    EXPECT_LE(static_cast<double>(gross.generator), 1.25 * waende * static_cast<double>(klein.generator));
    EXPECT_LE(static_cast<double>(gross.netto), 1.25 * waende * static_cast<double>(klein.netto));
}

TEST(C3DGenerator, SectionOfAZone)
{
    Plan p(1);
    // Repeated points count once.
    p.haus.m_aZone[0].m_a2DGrundrissPunkte = {{0, 0}, {10, 0}, {10, 0}, {10, 8}, {0, 8}, {0, 0}};
    p.haus.m_aDach.Add(BaueDach({.L = 10, .W = 8, .hoehe = 3, .geschossHoehe = 3}));
    MerkNotifier n;
    C3DGenerator g(p.haus, n);
    g.Erzeuge3DFlaechen();
    // Eaves at 2.5 + 2.5 = 5, ridge at 5 + the zone's Dachhoehe 3.
    struct Fall {
        double h;
        double flaeche;
    };
    // Inside the roof the section shrinks to the ridge: 10 × 4 halfway up,
    // 10 × 6 a quarter up.
    const std::vector<Fall> faelle{{-1, 80}, {0, 80}, {5, 80}, {5.75, 60}, {6.5, 40}, {8, 0}, {9, 0}};
    for (const Fall& f : faelle)
        EXPECT_EQ(g.Schnittflaeche(f.h, 0), f.flaeche) << f.h;
    EXPECT_EQ(g.Schnittflaeche(0, 1), 0);
    EXPECT_EQ(g.Schnittflaeche(0, -1), 0);

    // A pyramid roof's faces are triangles: halfway up, the rectangle
    // halfway between the corners and the apex.
    Plan z(1);
    z.haus.m_aDach.Add(BaueDach({.typ = dachtyp::Zeltdach, .L = 10, .W = 8, .hoehe = 3, .geschossHoehe = 3}));
    C3DGenerator gz(z.haus, n);
    gz.Erzeuge3DFlaechen();
    EXPECT_EQ(gz.Schnittflaeche(6.5, 0), 20);
    // Without pitched faces there is nothing to cut inside the roof.
    Plan flach;
    C3DGenerator gf(flach.haus, n);
    gf.Erzeuge3DFlaechen();
    EXPECT_EQ(gf.Schnittflaeche(6.5, 0), 0);
}

// The house of the roof tests: zone 10 × 8 with a heated Satteldach placed
// exactly on it, Hoehe 3.
TEST(C3DGenerator, GableRoofHouse)
{
    struct Fall {
        double geschossHoehe;
        double huelle;
        std::vector<double> steildach;
        std::vector<double> waende; // gable walls, then the storey walls
        std::vector<double> decken;
    };
    const std::vector<Fall> faelle{
        // 100 roof + 24 gables + 90 walls + 80 floor.
        {3, 294, {50, 50}, {12, 12, 20, 25, 20, 25}, {}},
        // The faces split at 1.5: lower parts 25 and 9, attic ceiling 10 × 4.
        {1.5, 278, {25, 25}, {9, 9, 20, 25, 20, 25}, {40}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.geschossHoehe);
        Plan p(1);
        p.haus.m_aDach.Add(BaueDach({.L = 10, .W = 8, .hoehe = 3, .geschossHoehe = f.geschossHoehe}));
        EXPECT_EQ(p.Erzeuge(), 1);
        const Haus& h = p.haus;
        EXPECT_NEAR(h.Huellflaeche(), f.huelle, 1e-9);
        std::vector<double> sd = Flaechen(h.m_aSteildach);
        std::vector<double> wa = Flaechen(h.m_aWand);
        std::vector<double> de = Flaechen(h.m_aDecke);
        for (auto* v : {&sd, &wa, &de})
            for (double& x : *v)
                x = RundeSignifikant(x, 6);
        EXPECT_EQ(sd, f.steildach);
        EXPECT_EQ(wa, f.waende);
        EXPECT_EQ(de, f.decken);
        EXPECT_TRUE(h.m_aFlachdach.empty());
        EXPECT_EQ(Flaechen(h.m_aBoden), (std::vector<double>{80}));

        // The roof's planes come first, then the zone's walls; the roof's
        // walls head the wall records.
        const std::size_t n = h.m_aPlane.size();
        ASSERT_GT(n, 8u);
        for (std::size_t i = 0; i + 8 < n; ++i)
            EXPECT_GE(h.m_aPlane[i].ArtAusID(), 5000000) << i;
        std::vector<std::int32_t> zonenwaende;
        for (std::size_t i = n - 8; i < n; ++i)
            zonenwaende.push_back(h.m_aPlane[i].ID);
        EXPECT_EQ(zonenwaende, Verbinde({Folge(2000000, Rueckwaerts), Folge(4000000, Rueckwaerts)}));
        EXPECT_EQ(IDs(h.m_aWand),
                  Verbinde({{8000001, 8000002}, Folge(4000000, Rueckwaerts)}));

        p.haus.ErzeugeBauteilnamen();
        EXPECT_EQ(h.m_aWand[0].Kurzname, "Wa-DG-01-00");
        EXPECT_EQ(h.m_aWand[2].Kurzname, "Wa-EG-03-00");
        EXPECT_EQ(h.m_aSteildach[0].Kurzname, "Sd-DG-01-00");
        EXPECT_EQ(h.m_aBoden[0].Kurzname, "Bo-EG-00-00");
    }
}

// ---- From the outline to the heat demand

// The same climate in every month.
void KonstantesKlima(Haus& h, double aussen)
{
    h.Klimazone = KlimazoneDIN4108;
    for (std::size_t m = 0; m < 12; ++m) {
        h.Aussentemperatur[m] = aussen;
        h.StrahlungSued[m] = h.StrahlungWest[m] = h.StrahlungOst[m] = h.StrahlungNord[m] = 30;
        h.StrahlungHorizontal[m] = 40;
        h.Heiztage[m] = h.Monatstage[m];
        h.Gradtage[m] = (19 - aussen) * h.Monatstage[m];
    }
}

TEST(C3DGeneratorBilanz, TransmissionFollowsTheDrawnAreas)
{
    Haus h;
    GezeichnetesHaus(h);
    MerkNotifier n;
    ASSERT_EQ(C3DGenerator(h, n).Erzeuge3DFlaechen(), 1);
    KonstantesKlima(h, 4);
    h.Berechnungsverfahren = BerechnungEnEV;
    h.Waermebilanz(n);
    EXPECT_TRUE(n.texte.empty());

    // kWh per m² and year for a coefficient H (W/K): 15 K all year long.
    const double proWK = 15 * 8760 / 1000.0 / 120;
    const DBedarf& b = h.m_aBedarf[0];
    // Walls to outdoor air: gables 9 + 9 and storey walls 90, U 1.4.
    EXPECT_NEAR(b.Wandsumme, 1.4 * 108 * proWK, 1e-9);
    // Pitched-roof parts 25 + 25, U 0.8.
    EXPECT_NEAR(b.Steildachsumme, 0.8 * 50 * proWK, 1e-9);
    // Attic ceiling 40, U 0.9, ceiling factor 0.8.
    EXPECT_NEAR(b.Deckesumme, 0.8 * 0.9 * 40 * proWK, 1e-9);
    // Floor 80 over the unheated basement, U 1.0, factor 0.65.
    EXPECT_NEAR(b.Bodensumme, 0.65 * 1.0 * 80 * proWK, 1e-9);
    EXPECT_EQ(b.Flachdachsumme, 0);
}

TEST(C3DGeneratorBilanz, DrawnHouseHasAPlausibleDemand)
{
    SetzeKlimaOrdner(std::filesystem::path(ZEVA_DATA_DIR) / "klima");
    Haus h;
    SetzeKlimaOrdner({});
    ASSERT_EQ(h.Klimazone, KlimazoneDIN4108);
    GezeichnetesHaus(h);
    MerkNotifier n;
    ASSERT_EQ(C3DGenerator(h, n).Erzeuge3DFlaechen(), 1);
    // A gas boiler of 15 kW.
    DHeizung& kessel = h.m_aHeizung[0];
    kessel.Nennwaermeleistung = 15;
    kessel.Abgasverlust = 0.08;
    kessel.Strahlungsverlust = 0.02;
    kessel.Bereitschaftsverlust = 0.01;
    kessel.Verteilungsnutzungsgrad = 0.95;
    h.Berechnungsverfahren = BerechnungEnEV;
    const double mj = h.Waermebilanz(n);
    const double kwh = h.BerechneBedarf(0, n);
    EXPECT_TRUE(n.texte.empty());
    EXPECT_TRUE(h.EndenergieBerechenbar(0));
    EXPECT_TRUE(std::isfinite(mj));
    EXPECT_TRUE(std::isfinite(kwh));
    // An uninsulated small house of the fifties: a few hundred kWh/m²a of
    // heat, more of fuel.
    const double waerme = h.m_aBedarf[0].Waermebedarf;
    EXPECT_NEAR(mj, 3.6 * 120 * waerme, 1e-6 * mj);
    EXPECT_GT(waerme, 100);
    EXPECT_LT(waerme, 600);
    EXPECT_GT(kwh, 100);
    EXPECT_LT(kwh, 900);
}

} // namespace
} // namespace zeva
