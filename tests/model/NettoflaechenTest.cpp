// Net areas, envelope area and component labels of the house.
#include "model/Haus.h"
#include "model/PlaneID.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeva {
namespace {

// A plane of the given area (a horizontal rectangle 1 m deep) with its IDs.
Plane Flaeche(double a, std::int32_t id, std::int32_t traeger1 = -2, std::int32_t traeger2 = -2)
{
    Plane p;
    p.SetzeRechteck(a);
    p.ID = id;
    p.Traeger1ID = traeger1 == -2 ? id : traeger1;
    p.Traeger2ID = traeger2 == -2 ? id : traeger2;
    return p;
}

template <class T>
T Bauteil(const Plane& p, double gespeichert = 0)
{
    T b;
    b.m_plane = p;
    b.Flaeche = gespeichert;
    return b;
}

// A window with its plane of area a in the carrier with the ID traeger.
DFenster Fenster(double a, std::int32_t id, std::int32_t traeger, double gespeichert = 0)
{
    DFenster f;
    f.m_plane = Flaeche(a, id, traeger, traeger);
    f.Flaeche = gespeichert;
    return f;
}

// A dormer standing on the roof face traeger, with a ceiling and a footprint
// of the given areas.
Gaube Gaube_(std::int32_t traeger, double decke, double auflage)
{
    Gaube g;
    g.ID = Gaube::IdBasis;
    g.Traeger1ID = traeger;
    g.m_Deckenflaeche = Flaeche(decke, PlaneIDAus(0, flaechenart::GaubenDecke, 0, 0, 1));
    g.m_Dachauflage = Flaeche(auflage, PlaneIDAus(0, flaechenart::GaubenGeometrie, 0, 0, 0));
    return g;
}

constexpr std::int32_t Wand0 = 4000005;
constexpr std::int32_t Dach1 = 9000001;

TEST(Nettoflaechen, WallLosesItsWindows)
{
    Haus h;
    h.m_aWand.Add(Bauteil<DWand>(Flaeche(12, Wand0), 12));
    h.m_aFenster.Add(Fenster(1.5, 54000005, Wand0, 1.5));
    h.m_aFenster.Add(Fenster(1.5, 54010005, Wand0, 1.5));
    h.BerechneNettoflaechen();
    EXPECT_DOUBLE_EQ(h.m_aWand[0].Flaeche, 9);
    // Windows keep what they had; the envelope counts them.
    EXPECT_DOUBLE_EQ(h.m_aFenster[0].Flaeche, 1.5);
    EXPECT_DOUBLE_EQ(h.Huellflaeche(), 12);
}

TEST(Nettoflaechen, StoredValuesAreReplacedByThePlaneArea)
{
    // Stored areas (rounded, stale or zero) never enter the computation.
    Haus h;
    h.m_aWand.Add(Bauteil<DWand>(Flaeche(30.8625, Wand0), 30.9));
    h.m_aBoden.Add(Bauteil<DBoden>(Flaeche(80, 3000000), 0));
    h.m_aDecke.Add(Bauteil<DDecke>(Flaeche(40, 5000001), 7));
    h.m_aSteildach.Add(Bauteil<DSteildach>(Flaeche(50, Dach1), 99));
    h.m_aFlachdach.Add(Bauteil<DFlachdach>(Flaeche(80, 7000000), -3));
    // A window whose own carrier field names the wall but whose carrier is
    // elsewhere takes nothing from the wall.
    h.m_aFenster.Add(Fenster(2, 54000004, 4000004));
    h.BerechneNettoflaechen();
    EXPECT_DOUBLE_EQ(h.m_aWand[0].Flaeche, 30.8625);
    EXPECT_DOUBLE_EQ(h.m_aBoden[0].Flaeche, 80);
    EXPECT_DOUBLE_EQ(h.m_aDecke[0].Flaeche, 40);
    EXPECT_DOUBLE_EQ(h.m_aSteildach[0].Flaeche, 50);
    EXPECT_DOUBLE_EQ(h.m_aFlachdach[0].Flaeche, 80);
}

TEST(Nettoflaechen, CarriedSurfacesOfEachGroup)
{
    Haus h;
    // Walls: a part standing on the wall by either carrier field.
    h.m_aWand.Add(Bauteil<DWand>(Flaeche(20, Wand0)));
    h.m_aWand.Add(Bauteil<DWand>(Flaeche(3, Wand0 + 10000, Wand0, Wand0)));
    h.m_aWand.Add(Bauteil<DWand>(Flaeche(2, Wand0 + 20000, 8000001, Wand0)));
    h.m_aWand.Add(Bauteil<DWand>(Flaeche(1, Wand0 + 30000, Wand0, 8000001)));
    // Pitched roofs and the other groups: only Traeger1ID carries.
    h.m_aSteildach.Add(Bauteil<DSteildach>(Flaeche(50, Dach1)));
    h.m_aSteildach.Add(Bauteil<DSteildach>(Flaeche(4, Dach1 + 10000, Dach1, Dach1)));
    h.m_aSteildach.Add(Bauteil<DSteildach>(Flaeche(6, Dach1 + 20000, 9000002, Dach1)));
    h.m_aFenster.Add(Fenster(1.25, 59000001, Dach1));
    h.m_aGaube.Add(Gaube_(Dach1, 3, 2.5));
    h.m_aFlachdach.Add(Bauteil<DFlachdach>(Flaeche(80, 7000000)));
    h.m_aFlachdach.Add(Bauteil<DFlachdach>(Flaeche(10, 7010000, 7000000, 7000000)));
    h.m_aFenster.Add(Fenster(2, 57000000, 7000000));
    h.m_aBoden.Add(Bauteil<DBoden>(Flaeche(80, 3000000)));
    h.m_aBoden.Add(Bauteil<DBoden>(Flaeche(15, 3010000, 3000000, 3000000)));
    h.BerechneNettoflaechen();

    EXPECT_DOUBLE_EQ(h.m_aWand[0].Flaeche, 20 - 3 - 2 - 1);
    EXPECT_DOUBLE_EQ(h.m_aWand[1].Flaeche, 3);
    // 50 - part 4 - window 1.25 - dormer footprint 2.5; part 6 is carried by
    // Traeger2ID only.
    EXPECT_DOUBLE_EQ(h.m_aSteildach[0].Flaeche, 42.25);
    EXPECT_DOUBLE_EQ(h.m_aSteildach[2].Flaeche, 6);
    EXPECT_DOUBLE_EQ(h.m_aFlachdach[0].Flaeche, 68);
    EXPECT_DOUBLE_EQ(h.m_aBoden[0].Flaeche, 65);
    EXPECT_DOUBLE_EQ(h.m_aBoden[1].Flaeche, 15);
}

TEST(Nettoflaechen, ResultMayBeNegative)
{
    Haus h;
    h.m_aWand.Add(Bauteil<DWand>(Flaeche(2, Wand0)));
    h.m_aFenster.Add(Fenster(1.5, 54000005, Wand0));
    h.m_aFenster.Add(Fenster(1.5, 54010005, Wand0));
    h.BerechneNettoflaechen();
    EXPECT_DOUBLE_EQ(h.m_aWand[0].Flaeche, -1);
}

TEST(Nettoflaechen, DormerCeilingIsAddedOnceToTheAtticCeilingOfItsZone)
{
    const std::int32_t decke0a = 5000001, decke0b = 5000002, decke1 = 105000003;
    const std::int32_t gaubenDecke = PlaneIDAus(0, flaechenart::GaubenDecke, 0, 0, 1);
    struct Fall {
        const char* name;
        std::int32_t traeger;            // the dormer's roof face
        std::vector<double> erwartet;    // gaubenDecke, decke0a, decke0b, decke1
    };
    const std::vector<Fall> faelle{
        {"zone 0: the first attic ceiling of zone 0 only", Dach1, {3, 43, 20, 10}},
        {"zone 1: the ceiling of zone 1", 109000001, {3, 40, 20, 13}},
        {"zone 2 has no ceiling: added nowhere", 209000001, {3, 40, 20, 10}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Haus h;
        // The dormer's own ceiling (kind 15) comes first and never gains.
        h.m_aDecke.Add(Bauteil<DDecke>(Flaeche(3, gaubenDecke)));
        h.m_aDecke.Add(Bauteil<DDecke>(Flaeche(40, decke0a)));
        h.m_aDecke.Add(Bauteil<DDecke>(Flaeche(20, decke0b)));
        h.m_aDecke.Add(Bauteil<DDecke>(Flaeche(10, decke1)));
        h.m_aGaube.Add(Gaube_(f.traeger, 3, 0));
        h.BerechneNettoflaechen();
        std::vector<double> ist;
        for (const DDecke& d : h.m_aDecke)
            ist.push_back(d.Flaeche);
        EXPECT_EQ(ist, f.erwartet);
    }
}

TEST(Nettoflaechen, EnvelopeIsTheSumOfAllStoredAreas)
{
    Haus h;
    EXPECT_EQ(h.Huellflaeche(), 0);
    // Every group counts, whatever it borders, with what is stored (not the
    // plane area).
    h.m_aFenster.Add(Fenster(0, 54000000, Wand0, 2.5));
    h.m_aWand.Add(Bauteil<DWand>(Flaeche(1, Wand0), 20));
    h.m_aDecke.Add(Bauteil<DDecke>(Flaeche(1, 5000001), 40));
    h.m_aSteildach.Add(Bauteil<DSteildach>(Flaeche(1, Dach1), 50));
    h.m_aFlachdach.Add(Bauteil<DFlachdach>(Flaeche(1, 7000000), 8));
    h.m_aBoden.Add(Bauteil<DBoden>(Flaeche(1, 3000000), 80));
    h.m_aBoden.Add(Bauteil<DBoden>(Flaeche(1, 1000000), -0.5));
    EXPECT_DOUBLE_EQ(h.Huellflaeche(), 2.5 + 20 + 40 + 50 + 8 + 80 - 0.5);
}

// Labels of the components, one case per record.
struct LabelFall {
    const char* gruppe; // "Wa", "Bo", "De", "Sd", "Fd", "Fe"
    std::int32_t id;
    int zonen;
    const char* erwartet;
};

std::string Label(const LabelFall& f)
{
    Haus h;
    h.Zonen = f.zonen;
    Plane p = Flaeche(1, f.id);
    const std::string g = f.gruppe;
    if (g == "Wa")
        h.m_aWand.Add(Bauteil<DWand>(p));
    else if (g == "Bo")
        h.m_aBoden.Add(Bauteil<DBoden>(p));
    else if (g == "De")
        h.m_aDecke.Add(Bauteil<DDecke>(p));
    else if (g == "Sd")
        h.m_aSteildach.Add(Bauteil<DSteildach>(p));
    else if (g == "Fd")
        h.m_aFlachdach.Add(Bauteil<DFlachdach>(p));
    else {
        DFenster fe;
        fe.m_plane = p;
        h.m_aFenster.Add(fe);
    }
    // A label that was there before is replaced.
    for (DWand& w : h.m_aWand)
        w.Kurzname = "alt-alt-alt";
    h.ErzeugeBauteilnamen();
    if (g == "Wa")
        return h.m_aWand[0].Kurzname.str();
    if (g == "Bo")
        return h.m_aBoden[0].Kurzname.str();
    if (g == "De")
        return h.m_aDecke[0].Kurzname.str();
    if (g == "Sd")
        return h.m_aSteildach[0].Kurzname.str();
    if (g == "Fd")
        return h.m_aFlachdach[0].Kurzname.str();
    return h.m_aFenster[0].Kurzname.str();
}

TEST(Bauteilnamen, LabelsFromThePlaneIDs)
{
    const std::vector<LabelFall> faelle{
        // Walls: storey, kinds with a fixed piece, zone piece with Zonen > 1.
        {"Wa", 4000005, 1, "Wa-EG-05-00"},
        {"Wa", 104000112, 2, "Wa-01-01-12-00"},
        {"Wa", 104000112, 1, "Wa-01-12-00"},
        {"Wa", 4001203, 1, "Wa-12-03-00"},
        {"Wa", 1204000003, 2, "Wa-EG-12-03-00"},
        {"Wa", 2000003, 1, "Wa-KE-03-00"},
        {"Wa", 6000002, 1, "Wa-DR-02-00"},
        {"Wa", 8000001, 1, "Wa-DG-01-00"},
        {"Wa", 8000012, 1, "Wa-DG-12-00"},
        {"Wa", 4120000, 1, "Wa-EG-00-12"},
        {"Wa", 12010000, 1, "Wa-GB-00-M1"},
        {"Wa", 13010000, 1, "Wa-GB-00-L1"},
        {"Wa", 14120000, 1, "Wa-GB-00-R12"},
        // The default ID -1: K = -1 with the format "0%1d-".
        {"Wa", -1, 1, "Wa-EG-0-1-00"},
        // Floors, ceilings, pitched and flat roofs.
        {"Bo", 3000000, 1, "Bo-EG-00-00"},
        {"Bo", 1000000, 1, "Bo-KE-00-00"},
        {"Bo", 103000000, 2, "Bo-EG-01-00-00"},
        {"De", 5000001, 1, "De-OG-01-00"},
        {"De", 105000001, 2, "De-OG-01-00"},
        {"De", 15010000, 1, "De-OG-00-01"},
        {"Sd", 9000001, 1, "Sd-DG-01-00"},
        {"Sd", 109000002, 2, "Sd-DG-02-00"},
        {"Sd", 11020000, 1, "Sd-GB-00-02"},
        {"Fd", 7000000, 1, "Fd-OG-00-00"},
        {"Fd", 107000000, 2, "Fd-OG-01-00-00"},
        {"Fd", 7000001, 1, "Fd-OG-01-00"},
        // Windows by the kind of their carrier; never a zone piece.
        {"Fe", 54100112, 2, "FW-01-12-10"},
        {"Fe", 54500005, 1, "FW-EG-05-50"},
        {"Fe", 51000000, 1, "FB-KE-00-00"},
        {"Fe", 52000003, 1, "FW-EG-03-00"},
        {"Fe", 53000000, 1, "FB-EG-00-00"},
        {"Fe", 55000001, 1, "FD-DG-01-00"},
        {"Fe", 56000002, 1, "FW-DR-02-00"},
        {"Fe", 57000000, 1, "FF-DG-00-00"},
        {"Fe", 58100001, 1, "FW-EG-01-10"},
        {"Fe", 59100001, 1, "FS-DG-01-10"},
        {"Fe", 61020000, 1, "FS-GB-00-S2"},
        {"Fe", 62010000, 1, "FG-GB-00-M1"},
        {"Fe", 63010000, 1, "FG-GB-00-L1"},
        {"Fe", 64030000, 1, "FG-GB-00-R3"},
    };
    for (const LabelFall& f : faelle)
        EXPECT_EQ(Label(f), f.erwartet) << f.gruppe << " " << f.id << " Zonen " << f.zonen;
}

TEST(Bauteilnamen, EveryRecordOfEveryGroupIsLabelled)
{
    Haus h;
    h.m_aWand.Add(Bauteil<DWand>(Flaeche(1, 4000003)));
    h.m_aWand.Add(Bauteil<DWand>(Flaeche(1, 4000102)));
    h.m_aBoden.Add(Bauteil<DBoden>(Flaeche(1, 3000000)));
    h.m_aFenster.Add(Fenster(1, 54000003, 4000003));
    h.m_aFenster.Add(Fenster(1, 54010003, 4000003));
    h.ErzeugeBauteilnamen();
    EXPECT_EQ(h.m_aWand[0].Kurzname, "Wa-EG-03-00");
    EXPECT_EQ(h.m_aWand[1].Kurzname, "Wa-01-02-00");
    EXPECT_EQ(h.m_aBoden[0].Kurzname, "Bo-EG-00-00");
    EXPECT_EQ(h.m_aFenster[0].Kurzname, "FW-EG-03-00");
    EXPECT_EQ(h.m_aFenster[1].Kurzname, "FW-EG-03-01");
}

} // namespace
} // namespace zeva
