// The roof's mouse dialogue and its plan drawing, with a window that records
// what the roof asks of it, and the height section of the height step.
#include "geometry/DachEingabe.h"
#include "geometry/DachTestHilfen.h"
#include "geometry/DachVerschneidung.h"
#include "geometry/Planzeichnung.h"
#include "geometry/Vektorhilfen.h"
#include "model/Haus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace zeva {
namespace {

using test::BaueDach;
using test::Nahe;

// A window of 20 pixels a plan unit; the snap leaves points alone unless a
// house is given, whose outlines it then snaps to.
class Aufzeichnung : public DachAnsicht {
public:
    void FangePunkt(Punkt2D& p) override
    {
        if (haus)
            zeva::FangePunkt(*haus, p);
    }
    Punkt2D ModellZuFenster(const Punkt2D& p) const override { return {20 * p.x + 0.7, 400 - 20 * p.y + 0.7}; }
    void FangeMaus() override { ereignisse.push_back("fangen"); }
    void GibMausFrei() override { ereignisse.push_back("freigeben"); }
    void Neuzeichnen() override { ++neuzeichnen; }
    void SetzeCursor(int x, int y) override { cursor.emplace_back(x, y); }

    Haus* haus = nullptr;
    std::vector<std::string> ereignisse;
    std::vector<std::pair<int, int>> cursor;
    int neuzeichnen = 0;
};

class DachEingabe : public ::testing::Test {
protected:
    CDach& Neu(int typ)
    {
        daecher.Add(CDach(typ));
        CDach& d = daecher[daecher.size() - 1];
        d.Hoehe = 3;
        return d;
    }
    CDach& Fertig(const test::DachMasse& m)
    {
        daecher.Add(BaueDach(m));
        return daecher[daecher.size() - 1];
    }
    // Press, one move with the button, release.
    void Ziehe(CDach& d, Punkt2D von, Punkt2D bis)
    {
        OnLButtonDown(d, mausflag::Links, von, umfeld);
        OnMouseMove(d, mausflag::Links, bis, umfeld);
        OnLButtonUp(d, 0, bis, umfeld);
    }

    CDachArray daecher;
    Aufzeichnung ansicht;
    Dachumfeld umfeld{daecher, 0.1, ansicht};
};

bool Gleich(const Punkt2DArray& a, const Punkt2DArray& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

void ErwartePunkte(const CDach& d, std::initializer_list<Punkt2D> erwartet)
{
    ASSERT_EQ(d.m_points.size(), erwartet.size());
    int i = 0;
    for (const Punkt2D& p : erwartet) {
        EXPECT_TRUE(Nahe(d.Punkt(i), p, 1e-9)) << "Punkt " << i << ": " << d.Punkt(i).x << ", " << d.Punkt(i).y;
        ++i;
    }
}

TEST_F(DachEingabe, PlacingASatteldachAndTurningItsRidge)
{
    CDach& d = Neu(dachtyp::Satteldach);
    BeginneNeu(d);
    EXPECT_EQ(d.Zustand, CDach::ZustandErsterPunkt);
    EXPECT_FALSE(d.IstFertig());

    OnLButtonDown(d, mausflag::Links, {2, 2}, umfeld);
    EXPECT_EQ(ansicht.ereignisse, std::vector<std::string>{"fangen"});
    OnMouseMove(d, mausflag::Links, {12, 10}, umfeld);
    OnLButtonUp(d, 0, {12, 10}, umfeld);
    EXPECT_EQ(d.Zustand, CDach::ZustandFertig);
    EXPECT_TRUE(d.IstFertig());
    EXPECT_TRUE(Nahe(d.m_size, {10, 8}, 1e-9));
    ErwartePunkte(d, {{2, 2}, {2, 10}, {12, 10}, {12, 2}, {2, 6}, {12, 6}});
    EXPECT_TRUE(Nahe(d.m_Firstachse.B, {10, 0}, 1e-9));
    EXPECT_EQ(ansicht.ereignisse, (std::vector<std::string>{"fangen", "freigeben"}));
    EXPECT_EQ(d.Flaechenzahl(), 4);
    EXPECT_TRUE(d.KannFirstDrehen());

    DreheFirst(d, umfeld);
    EXPECT_EQ(d.FirstGedreht, 1);
    ErwartePunkte(d, {{2, 2}, {12, 2}, {12, 10}, {2, 10}, {7, 2}, {7, 10}});
    EXPECT_TRUE(Nahe(d.m_Firstachse.B, {10, 0}, 1e-9)) << "the ridge axis stays";
    EXPECT_GE(ansicht.neuzeichnen, 1);
    DreheFirst(d, umfeld);
    EXPECT_EQ(d.FirstGedreht, 0);
    ErwartePunkte(d, {{2, 2}, {2, 10}, {12, 10}, {12, 2}, {2, 6}, {12, 6}});
}

TEST_F(DachEingabe, ARectangleTooSmallOnReleaseFollowsTheMouseUntilALargerRelease)
{
    CDach& d = Neu(dachtyp::Walmdach);
    BeginneNeu(d);
    OnLButtonDown(d, mausflag::Links, {2, 2}, umfeld);
    OnLButtonUp(d, 0, {2, 2}, umfeld);
    EXPECT_EQ(d.Zustand, CDach::ZustandPlatzieren);
    OnMouseMove(d, 0, {4, 4.2}, umfeld);
    EXPECT_TRUE(Nahe(d.m_size, {2, 2.2}, 1e-9));
    EXPECT_EQ(d.Zustand, CDach::ZustandPlatzieren);
    OnLButtonUp(d, 0, {4, 4.2}, umfeld);
    EXPECT_EQ(d.Zustand, CDach::ZustandFertig) << "diagonal 2.97";
    EXPECT_EQ(d.Flaechenzahl(), 4) << "the faces are built although no press came in between";
    EXPECT_EQ(ansicht.ereignisse, (std::vector<std::string>{"fangen", "freigeben"}));

    // Sides of 1 and 3 are not taken.
    CDach& e = Neu(dachtyp::Satteldach);
    BeginneNeu(e);
    Ziehe(e, {10, 10}, {11, 13});
    EXPECT_EQ(e.Zustand, CDach::ZustandPlatzieren);
    OnMouseMove(e, 0, {12, 13}, umfeld);
    OnLButtonUp(e, 0, {12, 13}, umfeld);
    EXPECT_TRUE(e.IstFertig());
}

TEST_F(DachEingabe, ControlTurnsTheRectangleAndThePlainMovePutsTheCursorOnCorner2)
{
    CDach& d = Neu(dachtyp::Satteldach);
    BeginneNeu(d);
    OnLButtonDown(d, mausflag::Links, {2, 2}, umfeld);
    OnMouseMove(d, mausflag::Links, {12, 10}, umfeld);
    const double diagonale = d.DiagonalWinkel;
    OnMouseMove(d, mausflag::Links | mausflag::Strg, {2, 12}, umfeld);
    EXPECT_NE(d.Zustand & CDach::ZustandDrehen, 0);
    EXPECT_NEAR(d.Winkel, std::numbers::pi - diagonale, 1e-12) << "v.x = 0";
    EXPECT_TRUE(ansicht.cursor.empty());
    const Punkt2D ecke2 = d.Punkt(2);
    EXPECT_TRUE(Nahe(d.Punkt(0), {2, 2}, 1e-12));
    EXPECT_NEAR((ecke2 - d.Punkt(0)).Betrag(), std::hypot(10, 8), 1e-9) << "turned, not resized";

    OnMouseMove(d, mausflag::Links, {5, 12}, umfeld);
    EXPECT_EQ(d.Zustand & CDach::ZustandDrehen, 0);
    ASSERT_EQ(ansicht.cursor.size(), 1u);
    const Punkt2D f = ansicht.ModellZuFenster(ecke2);
    EXPECT_EQ(ansicht.cursor[0], std::make_pair(static_cast<int>(f.x), static_cast<int>(f.y)));
    // The size follows the mouse again, in the turned frame.
    EXPECT_NEAR(d.m_size.Betrag(), std::hypot(3, 10), 1e-9);
    EXPECT_TRUE(Nahe(d.Punkt(2), {5, 12}, 1e-9));
}

TEST_F(DachEingabe, PickingAndDraggingTheCornerAndTheRidgeOfASatteldach)
{
    CDach& d = Fertig({.L = 10, .W = 8, .p0 = {2, 2}});
    ErwartePunkte(d, {{2, 2}, {2, 10}, {12, 10}, {12, 2}, {2, 6}, {12, 6}});
    EXPECT_EQ(OnLButtonDown(d, mausflag::Links, {12.1, 10.05}, umfeld), 2);
    EXPECT_EQ(d.AuswahlPunkt, 2);
    EXPECT_EQ(d.AuswahlKante, 1);
    EXPECT_TRUE(Nahe(d.m_Zuglinie.A, {2, 10}) && Nahe(d.m_Zuglinie.B, {12, 10}));
    OnMouseMove(d, mausflag::Links, {14, 10.3}, umfeld);
    ErwartePunkte(d, {{2, 2}, {2, 10}, {14, 10}, {12, 2}, {2, 6}, {13, 6}});
    EXPECT_FALSE(d.KannFirstDrehen());
    EXPECT_EQ(d.Sperre & 1, 1);
    OnMouseMove(d, 0, {16, 10}, umfeld);
    EXPECT_TRUE(Nahe(d.Punkt(2), {14, 10})) << "no drag without the button";

    CDach& e = Fertig({.L = 10, .W = 8, .p0 = {2, 2}});
    EXPECT_EQ(OnLButtonDown(e, mausflag::Links, {2.05, 6}, umfeld), 2);
    EXPECT_EQ(e.AuswahlPunkt, 4);
    EXPECT_EQ(e.AuswahlKante, 4);
    OnMouseMove(e, mausflag::Links, {3, 6.5}, umfeld);
    ErwartePunkte(e, {{3, 2}, {3, 10}, {12, 10}, {12, 2}, {3, 6}, {12, 6}});
    EXPECT_DOUBLE_EQ(LaengeAuswahlKante(e), 9);

    // The gable edge 0 dragged outwards carries the ridge end with it.
    CDach& g = Fertig({.L = 10, .W = 8, .p0 = {2, 2}});
    EXPECT_EQ(OnLButtonDown(g, mausflag::Links, {2.05, 4}, umfeld), 1);
    EXPECT_EQ(g.AuswahlKante, 0);
    EXPECT_EQ(g.AuswahlPunkt, -1);
    OnMouseMove(g, mausflag::Links, {1, 4.5}, umfeld);
    ErwartePunkte(g, {{1, 2}, {1, 10}, {12, 10}, {12, 2}, {1, 6}, {12, 6}});
    EXPECT_DOUBLE_EQ(LaengeAuswahlKante(g), 8);
}

TEST_F(DachEingabe, AWalmdachCornerDragThatFoldsItsFaceIsRefused)
{
    CDach& d = Fertig({.typ = dachtyp::Walmdach, .L = 10, .W = 8});
    const Punkt2DArray vorher = d.m_points;
    ASSERT_EQ(OnLButtonDown(d, mausflag::Links, {0.05, 0.05}, umfeld), 2);
    ASSERT_EQ(d.AuswahlPunkt, 0);
    OnMouseMove(d, mausflag::Links, {12, 0.4}, umfeld);
    EXPECT_TRUE(Gleich(d.m_points, vorher));
    EXPECT_TRUE(d.KannFirstDrehen());
    // A fold-free move along the eave is taken.
    OnMouseMove(d, mausflag::Links, {1, 0.4}, umfeld);
    EXPECT_TRUE(Nahe(d.Punkt(0), {1, 0}));
    EXPECT_FALSE(d.KannFirstDrehen());
}

TEST_F(DachEingabe, FormRulesOfKrueppelwalmAndMansarddach)
{
    CDach& k = Fertig({.typ = dachtyp::Krueppelwalmdach, .L = 12, .W = 8});
    // Points 6 (0,2) and 9 (12,2) move together along their gable sides.
    ASSERT_EQ(OnLButtonDown(k, mausflag::Links, {0.05, 2}, umfeld), 2);
    ASSERT_EQ(k.AuswahlPunkt, 6);
    OnMouseMove(k, mausflag::Links, {0.3, 3}, umfeld);
    EXPECT_TRUE(Nahe(k.Punkt(6), {0, 3}));
    EXPECT_TRUE(Nahe(k.Punkt(9), {12, 3}));
    // Beyond the corner the partner would leave its side: refused.
    OnMouseMove(k, mausflag::Links, {0, 9}, umfeld);
    EXPECT_TRUE(Nahe(k.Punkt(6), {0, 3}));

    CDach& m = Fertig({.typ = dachtyp::Mansarddach, .L = 16, .W = 8});
    // Only the ridge ends are points; a corner gives nothing, a break line
    // its edge.
    EXPECT_EQ(WaehleElement(m, m.Punkt(0), true), 0);
    EXPECT_EQ(WaehleElement(m, m.Punkt(6) + Punkt2D(0.02, 0.5), true), 1);
    EXPECT_EQ(m.AuswahlPunkt, -1);
    EXPECT_EQ(m.AuswahlKante, 5);
    EXPECT_EQ(WaehleElement(m, m.Punkt(4), true), 2);
    EXPECT_EQ(m.AuswahlPunkt, 4);
    // The break end (6,7) may not be dragged across the ridge.
    WaehleElement(m, m.Punkt(6) + Punkt2D(0.02, 0.5), true);
    ASSERT_EQ(m.AuswahlKante, 5);
    const Punkt2DArray vorher = m.m_points;
    OnMouseMove(m, mausflag::Links, {6, 4}, umfeld);
    EXPECT_TRUE(Gleich(m.m_points, vorher));
    OnMouseMove(m, mausflag::Links, {3, 4}, umfeld);
    EXPECT_TRUE(Nahe(m.Punkt(6), {3, 1}));
    EXPECT_TRUE(Nahe(m.Punkt(7), {3, 7}));
}

TEST_F(DachEingabe, EdgeSelectionAndHitScore)
{
    CDach& d = Fertig({.L = 10, .W = 8, .p0 = {2, 2}});
    // Near corner 1, where edges 0 and 1 meet: the first click takes edge 0,
    // the second the other one.
    EXPECT_EQ(OnLButtonDown(d, mausflag::Links, {2.12, 9.88}, umfeld), 1);
    EXPECT_EQ(d.AuswahlKante, 0);
    EXPECT_EQ(OnLButtonDown(d, mausflag::Links, {2.12, 9.88}, umfeld), 1);
    EXPECT_EQ(d.AuswahlKante, 1);
    // Elsewhere on the selected edge: kept, value 0.
    EXPECT_EQ(OnLButtonDown(d, mausflag::Links, {7, 10.05}, umfeld), 0);
    EXPECT_EQ(d.AuswahlKante, 1);

    struct Fall {
        Punkt2D p;
        int wert;
    };
    for (const Fall& f : {Fall{{7, 2.1}, 2}, Fall{{7, 9.9}, 1}, Fall{{5, 4}, 1}, Fall{{15, 15}, 0}, Fall{{7, 10.1}, 0}}) {
        EXPECT_EQ(Trefferwert(d, f.p), f.wert) << f.p.x << ", " << f.p.y;
        EXPECT_EQ(d.AuswahlKante, 1) << "the selection stays";
    }
}

TEST_F(DachEingabe, SnappingToTheOutlineAndToJunctionPoints)
{
    Haus haus;
    haus.m_aZone[0].m_a2DGrundrissPunkte = test::Rechteck(2, 2, 12, 10);
    haus.Zonen = 2;
    haus.m_aZone.SetSize(2);
    ansicht.haus = &haus;
    CDach& d = Neu(dachtyp::Satteldach);
    BeginneNeu(d);
    OnLButtonDown(d, mausflag::Links, {2.2, 2.2}, umfeld);
    EXPECT_TRUE(Nahe(d.Punkt(0), {2, 2}));
    ansicht.haus = nullptr;
    daecher.RemoveAt(0);

    Fertig({.L = 10, .W = 8});
    Fertig({.L = 6, .W = 12, .p0 = {7, -2}});
    VerschneideDaecher(daecher);
    ASSERT_FALSE(daecher[0].m_Anschlusspunkte.empty());
    const Punkt2D q = daecher[0].m_Anschlusspunkte[0];
    EXPECT_TRUE(Nahe(FangePunkt(daecher[0], q + Punkt2D(0.25, 0.1), umfeld), q));
    const Punkt2D weit = q + Punkt2D(0.31, 0);
    EXPECT_TRUE(Nahe(FangePunkt(daecher[0], weit, umfeld), weit));
}

// ----- drawing ---------------------------------------------------------------------

using Farbe = std::array<float, 4>;

void ErwarteFarbe(const Zeichenprimitiv& p, Farbe f)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(p.farbe[static_cast<std::size_t>(i)], f[static_cast<std::size_t>(i)], 1e-6) << i;
}

TEST(Dachzeichnung, ZeltdachUnselected)
{
    const CDach d = BaueDach({.typ = dachtyp::Zeltdach, .L = 10, .W = 10});
    Zeichenliste liste;
    Zeichne2D(liste, d, false);
    ASSERT_EQ(liste.size(), 2u);
    EXPECT_EQ(liste[0].art, Zeichenprimitiv::Art::Linienschleife);
    EXPECT_EQ(liste[0].punkte, (std::vector<Punkt2D>{d.Punkt(0), d.Punkt(1), d.Punkt(2), d.Punkt(3)}));
    ErwarteFarbe(liste[0], {1, 0.5f, 0.5f, 1});
    EXPECT_EQ(liste[1].art, Zeichenprimitiv::Art::Linien);
    ASSERT_EQ(liste[1].punkte.size(), 8u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Nahe(liste[1].punkte[2 * i], {5, 5}));
        EXPECT_EQ(liste[1].punkte[2 * i + 1], d.Punkt(i));
    }
    Zeichenliste leer;
    Zeichne2D(leer, CDach(dachtyp::Zeltdach), true);
    EXPECT_TRUE(leer.empty());
}

TEST(Dachzeichnung, SelectedSatteldachWithFacesJunctionsAndSelectedEdge)
{
    CDachArray daecher;
    daecher.Add(BaueDach({.L = 10, .W = 8}));
    daecher.Add(BaueDach({.L = 6, .W = 12, .p0 = {7, -2}}));
    VerschneideDaecher(daecher);
    CDach& d = daecher[0];
    const std::size_t anschluesse = d.m_Anschlusspunkte.size();
    ASSERT_GT(anschluesse, 0u);
    d.AuswahlKante = 1;
    Zeichenliste liste;
    Zeichne2D(liste, d, true);
    ASSERT_EQ(liste.size(), 1 + 2 + 1 + 2 * anschluesse + 1);
    for (int i : {1, 2}) {
        EXPECT_EQ(liste[i].art, Zeichenprimitiv::Art::Polygon);
        EXPECT_TRUE(liste[i].mischen);
        ErwarteFarbe(liste[i], {1, 0.5f, 0.5f, 0.1f});
        EXPECT_EQ(liste[i].punkte, FlaechenGrundriss(d, i - 1).Punkte());
    }
    EXPECT_EQ(liste[3].punkte, (std::vector<Punkt2D>{d.Punkt(4), d.Punkt(5)}));
    ErwarteFarbe(liste[3], {1, 0.2f, 1, 1});
    for (std::size_t k = 0; k < anschluesse; ++k) {
        const Punkt2D q = d.m_Anschlusspunkte[k];
        const Zeichenprimitiv& kreis = liste[4 + 2 * k];
        EXPECT_EQ(kreis.punkte, KreisLinienpunkte(q, 0.15, 50));
        ErwarteFarbe(kreis, {1, 0.5f, 0.5f, 1});
        const Zeichenprimitiv& kreuz = liste[5 + 2 * k];
        ErwarteFarbe(kreuz, {0, 0, 0, 1});
        EXPECT_EQ(kreuz.punkte, (std::vector<Punkt2D>{{q.x - 0.05, q.y}, {q.x + 0.05, q.y}, {q.x, q.y - 0.05},
                                                       {q.x, q.y + 0.05}}));
    }
    const Zeichenprimitiv& kante = liste.back();
    EXPECT_EQ(kante.linienbreite, 3);
    EXPECT_EQ(kante.punkte, (std::vector<Punkt2D>{d.Punkt(1), d.Punkt(2)}));
    ErwarteFarbe(kante, {1, 0.5f, 0.5f, 1});
    for (std::size_t i = 0; i + 1 < liste.size(); ++i)
        EXPECT_EQ(liste[i].linienbreite, 1);

    // The ridge selected: in the ridge colour; a selected point: its circle.
    d.AuswahlKante = 4;
    liste.clear();
    Zeichne2D(liste, d, true);
    ErwarteFarbe(liste.back(), {1, 0.2f, 1, 1});
    d.AuswahlPunkt = 2;
    liste.clear();
    Zeichne2D(liste, d, true);
    EXPECT_EQ(liste.back().punkte, KreisLinienpunkte(d.Punkt(2), 0.15, 50));
}

TEST(Dachzeichnung, MansarddachBreakLines)
{
    const CDach d = BaueDach({.typ = dachtyp::Mansarddach, .L = 16, .W = 8});
    Zeichenliste liste;
    Zeichne2D(liste, d, false);
    ASSERT_EQ(liste.size(), 4u);
    const std::vector<Punkt2D> erwartet = {d.Punkt(4), d.Punkt(6), d.Punkt(6), d.Punkt(0), d.Punkt(4), d.Punkt(7),
                                           d.Punkt(7), d.Punkt(1), d.Punkt(5), d.Punkt(8), d.Punkt(8), d.Punkt(2),
                                           d.Punkt(5), d.Punkt(9), d.Punkt(9), d.Punkt(3)};
    EXPECT_EQ(liste[2].punkte, erwartet);
    EXPECT_EQ(liste[3].art, Zeichenprimitiv::Art::Linienschleife);
    EXPECT_EQ(liste[3].punkte, (std::vector<Punkt2D>{d.Punkt(6), d.Punkt(7), d.Punkt(8), d.Punkt(9)}));
}

// ----- the height section ----------------------------------------------------------

bool HatStrecke(const Zeichenprimitiv& p, Punkt2D a, Punkt2D b)
{
    for (std::size_t i = 0; i + 1 < p.punkte.size(); i += 2)
        if ((Nahe(p.punkte[i], a, 1e-3) && Nahe(p.punkte[i + 1], b, 1e-3)) ||
            (Nahe(p.punkte[i], b, 1e-3) && Nahe(p.punkte[i + 1], a, 1e-3)))
            return true;
    return false;
}

// Two storeys of 2.5 m over a basement of 2.5 m, a roof of 4 m with a knee
// wall of 0.5 m and an attic of 2.5 m, on a plan 20 m wide.
void SetzeSchnitthoehen(Haus& h)
{
    h.OpenGLWidth = 20;
    h.Stockwerkszahl = 2;
    h.Stockwerkshoehe = 2.5;
    h.Kellerhoehe = 2.5;
    h.Drempelhoehe = 0.5;
    h.Dachhoehe = 4;
    h.Dachgeschosshoehe = 2.5;
}

TEST(Hoehenschnitt, TheSectionFollowsTheHeights)
{
    Haus h;
    SetzeSchnitthoehen(h);
    Zeichenliste l;
    ZeichneHoehenschnitt(l, h);
    // Roof, knee wall, attic, two storeys, ground, basement.
    ASSERT_EQ(l.size(), 7u);
    const double y = 19.0 / 12; // per metre
    const double rand = 0.5;     // the lift off the bottom edge
    EXPECT_TRUE(HatStrecke(l[0], {10, 19 + rand}, {2, 8 * y + rand}));
    EXPECT_TRUE(HatStrecke(l[0], {10, 19 + rand}, {18, 8 * y + rand}));
    ErwarteFarbe(l[0], {1, 0.4f, 0.4f, 1});
    EXPECT_TRUE(HatStrecke(l[1], {2, 12.375}, {18, 12.375}));
    EXPECT_TRUE(HatStrecke(l[1], {2, 13.1667}, {2, 12.375}));
    EXPECT_TRUE(HatStrecke(l[1], {18, 13.1667}, {18, 12.375}));
    ErwarteFarbe(l[1], {0.6f, 0.6f, 0.6f, 1});
    EXPECT_TRUE(HatStrecke(l[2], {14, 16.3333}, {6, 16.3333}));
    ErwarteFarbe(l[2], {1, 0.4f, 0.4f, 1});
    for (auto [i, oben, unten] : {std::tuple{3, 12.375, 8.4167}, std::tuple{4, 8.4167, 4.4583}}) {
        EXPECT_TRUE(HatStrecke(l[i], {2, oben}, {18, oben})) << i;
        EXPECT_TRUE(HatStrecke(l[i], {2, unten}, {18, unten})) << i;
        EXPECT_TRUE(HatStrecke(l[i], {2, unten}, {2, oben})) << i;
        EXPECT_TRUE(HatStrecke(l[i], {18, unten}, {18, oben})) << i;
        ErwarteFarbe(l[i], {0.6f, 0.6f, 0.6f, 1});
    }
    EXPECT_TRUE(HatStrecke(l[5], {0.5, 4.4583}, {19.5, 4.4583}));
    ErwarteFarbe(l[5], {0, 0, 0, 1});
    EXPECT_TRUE(HatStrecke(l[6], {2, rand}, {18, rand})) << "the basement floor inside the view";
    EXPECT_TRUE(HatStrecke(l[6], {2, 4.4583}, {18, 4.4583}));
    ErwarteFarbe(l[6], {0.4f, 0.4f, 0.4f, 1});

    // The attic below the knee wall: full width.
    h.Dachgeschosshoehe = 0.3;
    l.clear();
    ZeichneHoehenschnitt(l, h);
    EXPECT_TRUE(HatStrecke(l[2], {2, 7.8 * y + rand}, {18, 7.8 * y + rand}));

    // No storeys: no storey box; an attic above the ridge: no attic line.
    h.Stockwerkszahl = 0;
    h.Dachgeschosshoehe = 5;
    l.clear();
    ZeichneHoehenschnitt(l, h);
    EXPECT_EQ(l.size(), 4u);

    h.Kellerhoehe = h.Drempelhoehe = h.Dachhoehe = h.Stockwerkshoehe = h.Dachgeschosshoehe = 0;
    l.clear();
    ZeichneHoehenschnitt(l, h);
    EXPECT_TRUE(l.empty()) << "no height: no division by zero";
}

// A flat-roof house: no gable, no knee wall, no attic; the section ends with
// the top storey at the top of the drawing, whatever the roof fields hold.
TEST(Hoehenschnitt, AFlatRoofHouseHasNoPitchedRoof)
{
    Haus h;
    SetzeSchnitthoehen(h);
    h.Steildach = 0;
    Zeichenliste l;
    ZeichneHoehenschnitt(l, h);
    // Two storeys, ground, basement.
    ASSERT_EQ(l.size(), 4u);
    for (const Zeichenprimitiv& p : l)
        EXPECT_FALSE(p.farbe[0] == 1 && p.farbe[1] == 0.4f) << "nothing in the roof's red";
    const double y = 19.0 / 7.5; // per metre: 7.5 m from the basement floor to the top storey's ceiling
    const double rand = 0.5;
    EXPECT_TRUE(HatStrecke(l[0], {2, 7.5 * y + rand}, {18, 7.5 * y + rand})) << "the top storey's ceiling on top";
    EXPECT_TRUE(HatStrecke(l[2], {0.5, 2.5 * y + rand}, {19.5, 2.5 * y + rand})) << "the ground";
}

} // namespace
} // namespace zeva
