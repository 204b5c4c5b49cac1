// The dormer input on the unrolled roof face, without any window: the face
// turned and fitted into the two panels, the lines and read-outs, the drags,
// the checks, the dormer built back in 3D with its parts below the attic
// ceiling, its numbering and its removal.
#include "geometry/C3DGenerator.h"
#include "geometry/DachTestHilfen.h"
#include "geometry/Gaubeneingabe.h"
#include "model/Haus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace zeva {
namespace {

using test::BaueDach;
using test::Nahe;
using test::Rechteck;
using test::RechteckWieGespeichert;

class StillerNotifier final : public Notifier {
public:
    void Nachricht(const std::string&, Art) override {}
    bool Frage(const std::string&) override { return false; }
};

// The generator's gable house: zone 10 × 8 over an unheated basement, one
// storey, a heated Satteldach 10 × 8 of Hoehe 3 (eaves at 5, ridge at 8).
class Gaubenhaus : public ::testing::Test {
protected:
    void SetUp() override { Baue(3); }
    // A new house; `dachgeschoss` is the house's attic storey, `geschoss`
    // the roof's (above it the faces are split).
    void Baue(double dachgeschoss, double geschoss = 3)
    {
        m_haus = std::make_unique<Haus>();
        Haus& h = *m_haus;
        h.Steildach = 1;
        h.Dachgeschosshoehe = dachgeschoss;
        h.m_aZone[0].m_a2DGrundrissPunkte = RechteckWieGespeichert(0, 0, 10, 8);
        h.m_aDach.Add(BaueDach({.L = 10, .W = 8, .hoehe = 3, .geschossHoehe = geschoss}));
        StillerNotifier n;
        ASSERT_EQ(C3DGenerator(h, n).Erzeuge3DFlaechen(), 1);
        ASSERT_FALSE(h.m_aSteildach.empty());
        const auto f = DachflaecheFuerGaube(h, h.m_aSteildach[0].m_plane.ID);
        ASSERT_TRUE(f.has_value());
        flaeche = *f;
    }
    Gaubeneingabe Neu(int index = -1) const
    {
        Gaubeneingabe e;
        e.Einrichten(H(), flaeche, index);
        return e;
    }
    // The panel y of a height above ground.
    static double Hoehe(const Gaubeneingabe& e, double h)
    {
        return e.ImOberenPanel(Punkt3D(0, h, e.Mittelpunkt.z)).y;
    }
    static void SetzeHoehen(Gaubeneingabe& e, double b, double m, double t)
    {
        e.LinieUnten = Hoehe(e, b);
        e.LinieMitte = Hoehe(e, m);
        e.LinieOben = Hoehe(e, t);
        e.Aktualisiere();
    }
    std::vector<std::int32_t> NeuePlaneIDs(std::size_t ab) const
    {
        std::vector<std::int32_t> ids;
        for (std::size_t i = ab; i < H().m_aPlane.size(); ++i)
            ids.push_back(H().m_aPlane[i].ID);
        return ids;
    }

    Haus& H() const { return *m_haus; }

    std::unique_ptr<Haus> m_haus;
    Plane flaeche;
};

std::string Wert(const Ablesungen& werte, int id)
{
    for (const auto& [i, text] : werte)
        if (i == id)
            return text;
    return "?";
}

TEST_F(Gaubenhaus, SettingUpTurnsTheFaceAndFitsItIntoThePanels)
{
    // The face is the record's face with the corners of the whole roof face.
    const Plane geometrie = FindePlane(H(), PlaneIDAus(0, flaechenart::DachGeometrie, 0, 0, flaeche.IndexAusID()));
    ASSERT_NE(geometrie.ID, -1);
    EXPECT_TRUE(Nahe(flaeche.lo, geometrie.lo) && Nahe(flaeche.ru, geometrie.ru));
    EXPECT_EQ(flaeche.ID, H().m_aSteildach[0].m_plane.ID);

    const Gaubeneingabe e = Neu();
    const Plane& t = e.Traegerflaeche;
    EXPECT_NEAR(t.lu.y, t.ru.y, 1e-12);
    EXPECT_NEAR(e.Flaechenansicht[0].y, e.Flaechenansicht[1].y, 1e-9) << "the eave runs across the front view";
    EXPECT_NEAR(t.lu.z, t.ru.z, 1e-9) << "and at one depth";
    EXPECT_TRUE(Nahe(e.Flaechenprofil[0], e.ImOberenPanel(t.ru)));
    EXPECT_TRUE(Nahe(e.Flaechenprofil[1], e.ImOberenPanel(t.lo)));
    // The width decides: 10 / 19 > 3 / 8.5.
    EXPECT_NEAR(e.s1, 1.9, 1e-12);
    EXPECT_NEAR(e.s2, 1.9, 1e-12);

    const double E = e.Flaechenprofil[0].y;
    const double T = e.Flaechenprofil[1].y;
    EXPECT_NEAR(e.LinieUnten, E + 0.25 * (T - E), 1e-12);
    EXPECT_NEAR(e.LinieMitte, E + 0.65 * (T - E), 1e-12);
    EXPECT_NEAR(e.LinieOben, E + 0.75 * (T - E), 1e-12);
    EXPECT_DOUBLE_EQ(e.LinieLinks, 9.4);
    EXPECT_DOUBLE_EQ(e.LinieRechts, 10.6);
    EXPECT_EQ(e.Dachgeschossmarke, -1) << "the attic ceiling at 8 is the ridge";

    const Ablesungen werte = e.Ablesewerte(H());
    EXPECT_EQ(Wert(werte, 1011), "0,75");
    EXPECT_EQ(Wert(werte, 1010), "1,95");
    EXPECT_EQ(Wert(werte, 1009), "2,25");
    EXPECT_EQ(Wert(werte, 1330), "0,70");

    // Lines on the face's corners come back as the corners.
    Gaubeneingabe k = e;
    k.LinieUnten = E;
    k.LinieOben = T;
    k.LinieMitte = E;
    k.LinieLinks = e.Flaechenansicht[0].x;
    k.LinieRechts = e.Flaechenansicht[1].x;
    k.Aktualisiere();
    const auto A = k.Ecken3D();
    EXPECT_TRUE(Nahe(A[0], flaeche.lu));
    EXPECT_TRUE(Nahe(A[1], flaeche.ru));
    EXPECT_TRUE(Nahe(A[3], flaeche.ro));
    EXPECT_TRUE(Nahe(A[4], flaeche.lo));

    // The attic ceiling across the face is marked.
    Baue(1.5);
    EXPECT_NEAR(Neu().Dachgeschossmarke, Hoehe(Neu(), 6.5), 1e-12);
}

TEST_F(Gaubenhaus, DragsKeepTheLinesInOrderAndOnTheFace)
{
    const double grid = H().OpenGLGrid;
    {
        Gaubeneingabe e = Neu();
        e.Druck(Punkt2D(3, e.LinieMitte + 0.05), grid);
        EXPECT_EQ(e.GezogeneLinie, gaubenlinie::Mitte);
        EXPECT_EQ(e.EingabeAktiv, 1);
        e.Bewegung(Punkt2D(3, e.LinieOben + 1));
        EXPECT_DOUBLE_EQ(e.LinieMitte, e.LinieOben) << "stops at the upper line";
        e.Loslassen();
        EXPECT_EQ(e.EingabeAktiv, 0);
        // Two lines on one spot move together; the later tested is dragged.
        e.Druck(Punkt2D(3, e.LinieOben), grid);
        EXPECT_EQ(e.GezogeneLinie, gaubenlinie::Mitte);
    }
    {
        Gaubeneingabe e = Neu();
        e.Druck(Punkt2D(e.LinieLinks, 5), grid);
        EXPECT_EQ(e.GezogeneLinie, gaubenlinie::Links);
        e.Bewegung(Punkt2D(e.LinieRechts + 2, 5));
        EXPECT_DOUBLE_EQ(e.LinieLinks, e.LinieRechts) << "stops at the right edge";
        e.Loslassen();
    }
    {
        // The right edge cannot leave the face (which ends at x 18.55).
        Gaubeneingabe e = Neu();
        e.Druck(Punkt2D(e.LinieRechts - 0.05, 5), grid);
        EXPECT_EQ(e.GezogeneLinie, gaubenlinie::Rechts);
        e.Bewegung(Punkt2D(19.5, 5));
        EXPECT_NEAR(e.LinieRechts, 18.55, 1e-9);
        e.Loslassen();
        EXPECT_EQ(e.Pruefe(), Gaubeneingabe::Pruefung::Zulaessig);
    }
    {
        // The upper line cannot rise above the ridge, nor the lower one sink
        // below the eave.
        Gaubeneingabe e = Neu();
        e.Druck(Punkt2D(3, e.LinieOben), grid);
        EXPECT_EQ(e.GezogeneLinie, gaubenlinie::Oben);
        e.Bewegung(Punkt2D(3, 19));
        EXPECT_NEAR(e.LinieOben, e.Flaechenprofil[1].y, 1e-12);
        e.Loslassen();
        e.Druck(Punkt2D(3, e.LinieUnten), grid);
        e.Bewegung(Punkt2D(3, 1));
        EXPECT_NEAR(e.LinieUnten, e.Flaechenprofil[0].y, 1e-12);
        e.Loslassen();
    }
    {
        // A press away from every line selects none, and moves change nothing.
        Gaubeneingabe e = Neu();
        const double vorher = e.LinieMitte;
        e.Druck(Punkt2D(3, 13.5), grid);
        e.Druck(Punkt2D(2, 5), grid);
        e.Druck(Punkt2D(3, e.LinieMitte + 1.5 * grid), grid);
        EXPECT_EQ(e.GezogeneLinie, gaubenlinie::Keine);
        EXPECT_EQ(e.EingabeAktiv, 0);
        e.Bewegung(Punkt2D(3, 12));
        EXPECT_EQ(e.LinieMitte, vorher);
    }
}

TEST_F(Gaubenhaus, ADormerMustStayOnTheFaceAndOffOtherDormers)
{
    Gaubeneingabe e = Neu();
    EXPECT_EQ(e.Pruefe(), Gaubeneingabe::Pruefung::Zulaessig);
    const double E = e.Flaechenprofil[0].y;
    const double T = e.Flaechenprofil[1].y;
    struct Fall {
        const char* was;
        double links, rechts, unten, oben;
    };
    for (const Fall& f : {Fall{"left of the face (corners 0, 4)", 1.0, 10.6, e.LinieUnten, e.LinieOben},
                          Fall{"right of it (1, 3)", 9.4, 19.0, e.LinieUnten, e.LinieOben},
                          Fall{"below the eave (0, 1)", 9.4, 10.6, E - 0.5, e.LinieOben},
                          Fall{"above the ridge (3, 4)", 9.4, 10.6, e.LinieUnten, T + 0.5}}) {
        Gaubeneingabe k = e;
        k.LinieLinks = f.links;
        k.LinieRechts = f.rechts;
        k.LinieUnten = f.unten;
        k.LinieMitte = f.unten;
        k.LinieOben = f.oben;
        k.Aktualisiere();
        EXPECT_EQ(k.Pruefe(), Gaubeneingabe::Pruefung::RagtHeraus) << f.was;
    }

    // A first dormer, tall and narrow.
    e.LinieLinks = 9.8;
    e.LinieRechts = 10.2;
    SetzeHoehen(e, 5.2, 7.0, 7.6);
    e.Baue(H());

    // A corner in it.
    Gaubeneingabe zweite = Neu();
    ASSERT_EQ(zweite.FremdeGauben.size(), 4u);
    zweite.LinieLinks = 10.0;
    zweite.LinieRechts = 11.0;
    SetzeHoehen(zweite, 5.6, 6.0, 6.2);
    EXPECT_EQ(zweite.Pruefe(), Gaubeneingabe::Pruefung::Ueberschneidet);
    // Crossing it like a plus sign: no corner of either lies in the other.
    zweite.LinieLinks = 9.0;
    zweite.LinieRechts = 11.0;
    zweite.Aktualisiere();
    EXPECT_EQ(zweite.Pruefe(), Gaubeneingabe::Pruefung::Ueberschneidet);
    // Beside it.
    zweite.LinieLinks = 11.0;
    zweite.LinieRechts = 12.0;
    zweite.Aktualisiere();
    EXPECT_EQ(zweite.Pruefe(), Gaubeneingabe::Pruefung::Zulaessig);
}

TEST(Gaubenanteile, FractionsBelowTheAtticCeiling)
{
    struct Fall {
        double hc, front, flaeche, dach;
    };
    for (const Fall& f : {Fall{5.5, 0.5, 0.25, 0}, Fall{6.5, 1, 0.75, 0.5}, Fall{7, 1, 1, 1}, Fall{9, 1, 1, 1},
                          Fall{5, 0, 0, 0}, Fall{4, 0, 0, 0}, Fall{6, 1, 0.5, 0}}) {
        const Gaubenanteile a = BerechneGaubenanteile(5, 6, 7, f.hc);
        EXPECT_DOUBLE_EQ(a.front, f.front) << f.hc;
        EXPECT_DOUBLE_EQ(a.flaeche, f.flaeche) << f.hc;
        EXPECT_DOUBLE_EQ(a.dach, f.dach) << f.hc;
    }
}

TEST_F(Gaubenhaus, ADormerWhollyBelowTheAtticCeilingHasAllFourComponents)
{
    const std::size_t planes = H().m_aPlane.size();
    const std::size_t steildaecher = H().m_aSteildach.size();
    const std::size_t waende = H().m_aWand.size();
    const std::size_t decken = H().m_aDecke.size();
    Gaubeneingabe e = Neu();
    EXPECT_EQ(e.Baue(H()), 0);
    EXPECT_FALSE(e.Offen());

    const std::int32_t G = 92000000;
    EXPECT_EQ(NeuePlaneIDs(planes), (std::vector<std::int32_t>{G, G, G, G, 11000000, 12000000, 13000000, 14000000}));
    ASSERT_EQ(H().m_aSteildach.size(), steildaecher + 1);
    ASSERT_EQ(H().m_aWand.size(), waende + 3);
    EXPECT_EQ(H().m_aDecke.size(), decken);

    ASSERT_EQ(H().m_aGaube.size(), 1u);
    const Gaube& g = H().m_aGaube[0];
    EXPECT_EQ(g.ID, 10000000);
    EXPECT_EQ(g.Traeger1ID, flaeche.ID);
    EXPECT_EQ(g.Traeger2ID, flaeche.Traeger1ID);
    EXPECT_EQ(g.FassadenID, flaeche.FassadenID);
    const std::int32_t D = flaeche.FassadenID;
    for (std::size_t i = planes; i < H().m_aPlane.size(); ++i) {
        const Plane& p = H().m_aPlane[i];
        SCOPED_TRACE(p.ID);
        EXPECT_EQ(p.GaubenID, 10000000);
        EXPECT_EQ(p.Traeger1ID, p.ID);
        EXPECT_EQ(p.Traeger2ID, p.ID);
        const bool front = i == planes + 1 || p.ID == 12000000;
        EXPECT_EQ(p.FassadenID, front ? D - 5000000 : D);
    }
    // The geometry planes are the whole parts: the component planes equal
    // them when the dormer lies below the ceiling.
    for (std::size_t k = 0; k < 4; ++k)
        for (int c = 0; c < 4; ++c)
            EXPECT_TRUE(Nahe(H().m_aPlane[planes + k].Ecke(c), H().m_aPlane[planes + 4 + k].Ecke(c))) << k << c;

    const DSteildach& dach = H().m_aSteildach[steildaecher];
    EXPECT_EQ(dach.m_plane.ID, 11000000);
    EXPECT_DOUBLE_EQ(dach.Flaeche, dach.m_plane.Flaeche());
    EXPECT_EQ(dach.Nummer, static_cast<std::int32_t>(steildaecher));
    EXPECT_DOUBLE_EQ(dach.kWert, H().m_defaultSteildach.kWert);
    for (std::size_t i = 0; i < 3; ++i) {
        const DWand& w = H().m_aWand[waende + i];
        EXPECT_EQ(w.m_plane.ID, 12000000 + 1000000 * static_cast<int>(i));
        EXPECT_EQ(w.Zone, 0);
        EXPECT_DOUBLE_EQ(w.Flaeche, w.m_plane.Flaeche());
        EXPECT_EQ(w.Nummer, static_cast<std::int32_t>(waende + i));
        EXPECT_FALSE(w.Kurzname.empty()) << "the labels are made anew";
    }
    EXPECT_EQ(g.m_Deckenflaeche.ID, -1);
    EXPECT_EQ(g.m_Stirnflaeche.ID, 12000000);
    EXPECT_EQ(g.m_Seitenflaeche_links.ID, 13000000);
    EXPECT_EQ(g.m_Seitenflaeche_rechts.ID, 14000000);
    EXPECT_EQ(H().ListeNeuAufbauen, 1);

    // The dormer in the house: foot 5.75, top of the front 6.95, top 7.25;
    // front wall 0.70 wide and 1.2 high; the footprint reaches back to the
    // slope at 7.25.
    const Plane& F = g.m_Dachauflage;
    const Plane& R = g.m_Dachflaeche;
    EXPECT_NEAR(F.lu.y, 5.75, 1e-9);
    EXPECT_NEAR(F.ru.y, 5.75, 1e-9);
    EXPECT_NEAR(R.lu.y, 6.95, 1e-9);
    EXPECT_NEAR(F.lo.y, 7.25, 1e-9);
    EXPECT_TRUE(Nahe(R.lo, F.lo) && Nahe(R.ro, F.ro)) << "the roof meets the main roof on the footprint's top";
    EXPECT_NEAR(g.m_Stirnflaeche.Flaeche(), 1.2 * 1.2 / 1.71, 1e-9);
    EXPECT_TRUE(flaeche.LiegtInEbene(F.lo) && flaeche.LiegtInEbene(F.ru)) << "the footprint lies on the face";
    EXPECT_NEAR(std::fabs(F.lu.x - F.ru.x), 1.2 / 1.71, 1e-9);
}

TEST_F(Gaubenhaus, TheAtticCeilingCutsTheDormer)
{
    struct Fall {
        const char* was;
        double dachgeschoss; // house Dachgeschosshoehe; h_c = 5 + it
        double b, m, t;
        std::vector<int> teile; // component planes after the four geometry planes
        std::size_t steildaecher, waende;
    };
    const std::vector<Fall> faelle{
        {"ceiling through the front wall", 1.5, 5.75, 6.95, 7.25, {12, 13, 14, 15}, 0, 3},
        {"ceiling through the dormer roof", 1.5, 5, 6, 7, {11, 12, 13, 14, 15}, 1, 3},
        {"ceiling low in the front wall", 0.5, 5, 6, 7, {12, 13, 14, 15}, 0, 3},
        {"ceiling at the foot", 0.75, 5.75, 6.95, 7.25, {}, 0, 0},
        {"ceiling below the foot", 0.5, 5.75, 6.95, 7.25, {}, 0, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Baue(f.dachgeschoss);
        const double hc = 5 + f.dachgeschoss;
        const std::size_t planes = H().m_aPlane.size();
        const std::size_t steildaecher = H().m_aSteildach.size();
        const std::size_t waende = H().m_aWand.size();
        Gaubeneingabe e = Neu();
        SetzeHoehen(e, f.b, f.m, f.t);
        e.Baue(H());
        std::vector<std::int32_t> erwartet(4, 92000000);
        for (int t : f.teile)
            erwartet.push_back(t * 1000000);
        EXPECT_EQ(NeuePlaneIDs(planes), erwartet);
        EXPECT_EQ(H().m_aSteildach.size(), steildaecher + f.steildaecher);
        EXPECT_EQ(H().m_aWand.size(), waende + f.waende);
        const Gaube& g = H().m_aGaube[0];
        const Gaubenanteile a = BerechneGaubenanteile(f.b, f.m, f.t, hc);
        // Edited again, the dormer shows its own three heights, also where
        // the ceiling cut its front wall.
        const Gaubeneingabe wieder = Neu(0);
        EXPECT_NEAR(wieder.LinieUnten, Hoehe(wieder, f.b), 1e-9);
        EXPECT_NEAR(wieder.LinieMitte, Hoehe(wieder, f.m), 1e-9);
        EXPECT_NEAR(wieder.LinieOben, Hoehe(wieder, f.t), 1e-9);
        if (f.teile.empty()) {
            EXPECT_EQ(g.m_Stirnflaeche.ID, -1);
            continue;
        }
        // The ceiling lies at h_c with the dormer's depth cut at f_F.
        const Plane& decke = g.m_Deckenflaeche;
        EXPECT_EQ(decke.ID, 15000000);
        EXPECT_EQ(decke.FassadenID, 5000000);
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(decke.Ecke(c).y, hc, 1e-9) << c;
        const Plane& F = g.m_Dachauflage;
        EXPECT_NEAR(decke.lo.z, F.lu.z + a.flaeche * (F.lo.z - F.lu.z), 1e-9);
        // The front wall ends at the ceiling or at its top.
        EXPECT_NEAR(g.m_Stirnflaeche.lo.y, std::min(hc, f.m), 1e-9);
        // Below the top of the front wall the side walls are triangles.
        const Plane& links = g.m_Seitenflaeche_links;
        const Plane& rechts = g.m_Seitenflaeche_rechts;
        EXPECT_EQ(links.lo == links.lu, hc < f.m);
        EXPECT_EQ(rechts.ro == rechts.ru, hc < f.m);
        for (const Plane* p : {&links, &rechts})
            for (int c = 0; c < 4; ++c)
                EXPECT_LE(p->Ecke(c).y, hc + 1e-9);
        if (f.steildaecher) {
            const Plane& d = H().m_aSteildach[steildaecher].m_plane;
            EXPECT_NEAR(d.lo.y, hc, 1e-9);
            EXPECT_NEAR(d.lu.y, f.m, 1e-9);
        }
    }
}

TEST_F(Gaubenhaus, NumberingEditingAndRemoval)
{
    Gaubeneingabe e = Neu();
    e.LinieLinks = 5;
    e.LinieRechts = 6;
    e.Baue(H());
    Gaubeneingabe zweite = Neu();
    EXPECT_DOUBLE_EQ(zweite.LinieLinks, 9.4) << "a new dormer's edges start in the middle";
    EXPECT_DOUBLE_EQ(zweite.LinieUnten, e.LinieUnten) << "its heights are the last dormer's";
    SetzeHoehen(zweite, 5.5, 6.5, 7.0);
    zweite.Baue(H());
    ASSERT_EQ(H().m_aGaube.size(), 2u);
    EXPECT_EQ(H().m_aGaube[1].ID, 10000001);
    EXPECT_EQ(FindePlane(H(), 12000001).GaubenID, 10000001);

    // A window on the second dormer's front wall, one on the house.
    DFenster aufGaube;
    aufGaube.m_plane.GaubenID = 10000001;
    aufGaube.m_plane.ID = 62000001;
    DFenster aufHaus;
    aufHaus.m_plane.ID = 54000001;
    H().m_aFenster.Add(aufGaube);
    H().m_aFenster.Add(aufHaus);

    // Editing the first: its own edges, the heights of the last dormer on
    // the face, the other dormer as a foreign outline.
    Gaubeneingabe bearbeiten = Neu(0);
    EXPECT_EQ(bearbeiten.GaubenID, 10000000);
    EXPECT_NEAR(bearbeiten.LinieLinks, 5, 1e-9);
    EXPECT_NEAR(bearbeiten.LinieRechts, 6, 1e-9);
    EXPECT_NEAR(bearbeiten.LinieUnten, Hoehe(bearbeiten, 5.5), 1e-9);
    EXPECT_NEAR(bearbeiten.LinieMitte, Hoehe(bearbeiten, 6.5), 1e-9);
    EXPECT_NEAR(bearbeiten.LinieOben, Hoehe(bearbeiten, 7.0), 1e-9);
    EXPECT_EQ(bearbeiten.FremdeGauben.size(), 4u);
    // Confirmed, it is replaced: the next free number.
    bearbeiten.Baue(H());
    ASSERT_EQ(H().m_aGaube.size(), 2u);
    EXPECT_EQ(H().m_aGaube[1].ID, 10000002);
    EXPECT_EQ(FindePlane(H(), 12000000).ID, -1) << "the old dormer's planes are gone";

    // Editing the highest dormer keeps its number.
    Gaubeneingabe hoechste = Neu(1);
    hoechste.Baue(H());
    EXPECT_EQ(H().m_aGaube[1].ID, 10000002);

    // Removing a dormer takes its planes and records and nothing else.
    const std::size_t planes = H().m_aPlane.size();
    const std::size_t waende = H().m_aWand.size();
    const std::size_t steildaecher = H().m_aSteildach.size();
    LoescheGaube(H(), 10000001);
    ASSERT_EQ(H().m_aGaube.size(), 1u);
    EXPECT_EQ(H().m_aGaube[0].ID, 10000002);
    EXPECT_EQ(H().m_aPlane.size(), planes - 8);
    EXPECT_EQ(H().m_aWand.size(), waende - 3);
    EXPECT_EQ(H().m_aSteildach.size(), steildaecher - 1);
    ASSERT_EQ(H().m_aFenster.size(), 1u);
    EXPECT_EQ(H().m_aFenster[0].m_plane.ID, 54000001);
    for (const Plane& p : H().m_aPlane)
        EXPECT_NE(p.GaubenID, 10000001);
    LoescheGaube(H(), 10000009);
    EXPECT_EQ(H().m_aPlane.size(), planes - 8) << "an unknown dormer removes nothing";
}

TEST_F(Gaubenhaus, LookUpsOfTheThreeDCommands)
{
    EXPECT_FALSE(DachflaecheFuerGaube(H(), 9000099).has_value());
    EXPECT_EQ(FindePlane(H(), 123).ID, -1);
    EXPECT_EQ(FindePlane(H(), 123).Traeger1ID, -1);
    Gaubeneingabe e = Neu();
    e.Baue(H());
    EXPECT_EQ(GaubenIndexVon(H(), 10000000), 0);
    EXPECT_EQ(GaubenIndexVon(H(), 10000001), -1);
    EXPECT_EQ(DeckeDerGaube(H(), 10000000), -1) << "no attic ceiling in this house";

    // With the attic storey of 1.5 the roof makes the attic ceiling.
    Baue(1.5, 1.5);
    EXPECT_NEAR(flaeche.lo.y, 8, 1e-9) << "the record holds the lower part, the face is whole";
    EXPECT_LT(H().m_aSteildach[0].m_plane.Flaeche(), flaeche.Flaeche());
    Gaubeneingabe g;
    g.Einrichten(H(), flaeche, -1);
    g.Baue(H());
    EXPECT_EQ(DeckeDerGaube(H(), 10000000), 5000001);
}

// Whichever way the user drew the outline, the editor stores it clockwise and
// the roof faces come out the same; the default dormer on every face of every
// roof form looks out of the roof, and so does a window on its front.
TEST(Gaubeneingabe, EveryDormerLooksOutOfItsFaceWhicheverWayTheOutlineWasDrawn)
{
    struct Fall {
        int typ;
        int firstGedreht;
    };
    const std::vector<Fall> faelle{{dachtyp::Satteldach, 0}, {dachtyp::Satteldach, 1},  {dachtyp::Walmdach, 0},
                                   {dachtyp::Walmdach, 1},   {dachtyp::Krueppelwalmdach, 0},
                                   {dachtyp::Mansarddach, 0}, {dachtyp::Mansarddach, 1}, {dachtyp::Zeltdach, 0}};
    StillerNotifier n;
    int dormers = 0;
    for (const Fall& f : faelle)
        for (int uzs : {0, 1}) {
            Haus h;
            h.Steildach = 1;
            h.Ausrichtung = 90;
            h.Flag2DEingabeImUZS = uzs;
            h.m_aZone[0].m_a2DGrundrissPunkte = RechteckWieGespeichert(0, 0, 10, 8);
            h.m_aDach.Add(BaueDach({.typ = f.typ, .L = 10, .W = 8, .hoehe = 3, .firstGedreht = f.firstGedreht}));
            ASSERT_EQ(C3DGenerator(h, n).Erzeuge3DFlaechen(), 1);
            std::vector<int> flaechen;
            for (const DSteildach& d : h.m_aSteildach)
                flaechen.push_back(d.m_plane.ID);
            for (int id : flaechen) {
                SCOPED_TRACE(testing::Message() << "form " << f.typ << " turned " << f.firstGedreht << " UZS " << uzs
                                                << " face " << id);
                Haus mitGaube = h;
                const auto flaeche = DachflaecheFuerGaube(mitGaube, id);
                ASSERT_TRUE(flaeche.has_value());
                if (flaeche->Neigungsklasse() == 2)
                    continue; // a flat top carries no dormer
                Gaubeneingabe e;
                e.Einrichten(mitGaube, *flaeche, -1);
                const int index = e.Baue(mitGaube);
                const Gaube& g = mitGaube.m_aGaube[static_cast<std::size_t>(index)];
                const int richtung = flaeche->Richtungsklasse(h.Ausrichtung);
                EXPECT_EQ(g.m_Stirnflaeche.Richtungsklasse(h.Ausrichtung), richtung);
                // The side walls look away from each other.
                const Plane& l = g.m_Seitenflaeche_links;
                const Plane& r = g.m_Seitenflaeche_rechts;
                const Punkt3D quer = (r.lo + r.ro + r.ru + r.lu) - (l.lo + l.ro + l.ru + l.lu);
                EXPECT_LT(l.Normale().Skalarprodukt(quer), 0);
                EXPECT_GT(r.Normale().Skalarprodukt(quer), 0);
                // A window on the front takes its direction from the wall
                // that carries it.
                const Plane traeger = FindePlane(mitGaube, g.m_Stirnflaeche.ID);
                EXPECT_EQ(traeger.Richtungsklasse(h.Ausrichtung), richtung);
                ++dormers;
            }
        }
    EXPECT_GE(dormers, 60);
}

// A roof over the second zone: its faces carry the zone in their IDs, their
// FassadenID does not; editing a dormer there finds its face all the same.
TEST(Gaubeneingabe, TheFaceOfADormerInTheSecondZone)
{
    Haus h;
    h.Steildach = 1;
    h.Zonen = 2;
    h.m_aZone[0].m_a2DGrundrissPunkte = Rechteck(0, 0, 10, 8);
    Zone zwei = h.m_aZone[0];
    zwei.m_a2DGrundrissPunkte = Rechteck(20, 0, 30, 8);
    h.m_aZone.Add(zwei);
    h.m_aDach.Add(BaueDach({.L = 10, .W = 8, .hoehe = 3, .p0 = {20, 0}}));
    StillerNotifier n;
    ASSERT_EQ(C3DGenerator(h, n).Erzeuge3DFlaechen(), 1);
    ASSERT_FALSE(h.m_aSteildach.empty());
    const int id = h.m_aSteildach[0].m_plane.ID;
    ASSERT_EQ(ZoneAusID(id), 1);
    const auto f = DachflaecheFuerGaube(h, id);
    ASSERT_TRUE(f.has_value());
    ASSERT_NE(f->FassadenID, id);
    Gaubeneingabe e;
    e.Einrichten(h, *f, -1);
    e.Baue(h);
    ASSERT_EQ(h.m_aGaube.size(), 1u);

    const auto traeger = DachflaecheDerGaube(h, 0);
    ASSERT_TRUE(traeger.has_value());
    EXPECT_EQ(traeger->ID, id);
    EXPECT_TRUE(Nahe(traeger->lo, f->lo) && Nahe(traeger->ru, f->ru));
    EXPECT_FALSE(DachflaecheDerGaube(h, 1).has_value());
    EXPECT_FALSE(DachflaecheDerGaube(h, -1).has_value());
}

} // namespace
} // namespace zeva
