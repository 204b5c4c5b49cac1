#include "model/CXmlObjektArray.h"
#include "model/DatensatzTestHilfen.h"
#include "model/Plane.h"
#include "model/PlaneID.h"
#include "model/PunktTestHilfen.h"
#include "model/RuntimeClass.h"
#include "platform/BinaryArchive.h"
#include "platform/ByteBuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace zeva {
namespace {

using test::ErwartePunkt;

Plane Ebene(Punkt3D lo, Punkt3D ro, Punkt3D ru, Punkt3D lu)
{
    return Plane::AusEcken(lo, ro, ru, lu);
}

// A vertical wall 4 wide and 2.5 high whose normal is n (one of ±x, ±z).
Plane WandMitNormale(const Punkt3D& n)
{
    // The bottom edge runs along t from lu to ru; the normal then points to
    // (t.z, 0, -t.x).
    const Punkt3D t(-n.z, 0, n.x);
    const Punkt3D a = t * -2;
    const Punkt3D b = t * 2;
    return Ebene(a + Punkt3D(0, 2.5, 0), b + Punkt3D(0, 2.5, 0), b, a);
}

TEST(Plane, Flaeche)
{
    struct Case {
        const char* was;
        Plane p;
        double erwartet;
    };
    const Case cases[] = {
        {"Wand 4 x 2.5", Ebene({0, 2.5, 0}, {4, 2.5, 0}, {4, 0, 0}, {0, 0, 0}), 10},
        {"Trapez unten 4, oben 2, Hoehe 1", Ebene({1, 1, 0}, {3, 1, 0}, {4, 0, 0}, {0, 0, 0}), 3},
        // ro = ru: the triangle lu, ru, lo.
        {"Dreieck mit ro = ru", Ebene({0, 3, 0}, {4, 0, 0}, {4, 0, 0}, {0, 0, 0}), 6},
        // lo = lu: the triangle ru, lu, ro.
        {"Dreieck mit lo = lu", Ebene({0, 0, 0}, {2, 3, 0}, {4, 0, 0}, {0, 0, 0}), 6},
        {"Dachflaeche", Ebene({0, 3, 4}, {6, 3, 4}, {6, 0, 0}, {0, 0, 0}), 30},
        {"alle Ecken gleich", Plane(), 0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(c.p.Flaeche(), c.erwartet, 1e-12) << c.was;

    Plane r;
    r.ID = 4711;
    r.SetzeRechteck(7.25);
    EXPECT_DOUBLE_EQ(r.Flaeche(), 7.25);
    EXPECT_EQ(r.lo, Punkt3D(0, 0, 1));
    EXPECT_EQ(r.ro, Punkt3D(7.25, 0, 1));
    EXPECT_EQ(r.ru, Punkt3D(7.25, 0, 0));
    EXPECT_EQ(r.lu, Punkt3D(0, 0, 0));
    EXPECT_EQ(r.ID, 4711);
}

TEST(Plane, WaagerechteEbeneInJederEckenfolge)
{
    const std::array<Punkt3D, 4> ecken{Punkt3D(0, 3, 0), Punkt3D(5, 3, 0), Punkt3D(5, 3, 4), Punkt3D(0, 3, 4)};
    for (int start = 0; start < 4; ++start) {
        for (int richtung : {1, 3}) {
            Plane p;
            for (int i = 0; i < 4; ++i)
                p.Ecke(i) = ecken[(start + richtung * i) % 4];
            const std::string was = "Start " + std::to_string(start) + ", Schritt " + std::to_string(richtung);
            ErwartePunkt(p.Normale(), {0, 1, 0}, was);
            EXPECT_FALSE(p.IstSenkrecht()) << was;
            EXPECT_DOUBLE_EQ(p.Normalenwinkel(), 90) << was;
            EXPECT_EQ(p.Neigungsklasse(), 2) << was;
            EXPECT_EQ(p.AzimutGrad(90), -1) << was;
            EXPECT_EQ(p.AzimutBogen(), -1) << was;
            EXPECT_EQ(p.Richtungsklasse(90), 0) << was;
        }
    }
}

TEST(Plane, NormaleVonDreiecken)
{
    struct Case {
        const char* was;
        Plane p;
        Punkt3D erwartet;
    };
    // Triangles in the plane z = 0; the doubled corner decides which edges
    // give the normal. With ro = lu (opposite corners) the figure folds onto
    // itself and one of those edges has no length.
    const Punkt3D a(0, 0, 0), b(4, 0, 0), c(0, 3, 0);
    const Case cases[] = {
        {"ro = lo", Ebene(c, c, b, a), {0, 0, -1}},
        {"ru = lu", Ebene(c, b, a, a), {0, 0, -1}},
        {"lo = lu", Ebene(a, c, b, a), {0, 0, -1}},
        {"ro = lu", Ebene(c, a, b, a), {0, 0, 0}},
        {"ru = lo", Ebene(c, b, c, a), {0, 0, -1}},
        {"ro = ru", Ebene(c, b, b, a), {0, 0, -1}},
    };
    for (const Case& k : cases) {
        ErwartePunkt(k.p.Normale(), k.erwartet, k.was);
        EXPECT_TRUE(k.p.IstSenkrecht()) << k.was;
    }
}

TEST(Plane, EntarteteEbenen)
{
    // Area 1e-5: the normal is too short to normalise and comes back times
    // 1 000 000, so its y is 10 and the angle rule gives 359.
    Plane winzig;
    winzig.SetzeRechteck(1e-5);
    ErwartePunkt(winzig.Normale(), {0, 10, 0}, "winzig");
    EXPECT_EQ(winzig.Normalenwinkel(), 359);
    EXPECT_EQ(winzig.Neigungsklasse(), 0);

    // All corners on one line: a zero normal; nothing becomes NaN.
    const Plane linie = Ebene({0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3});
    ErwartePunkt(linie.Normale(), {0, 0, 0}, "Linie");
    EXPECT_EQ(linie.Normalenwinkel(), 0);
    EXPECT_EQ(linie.AzimutGrad(90), -1);
    EXPECT_EQ(linie.Flaeche(), 0);
}

TEST(Plane, HimmelsrichtungMitAusrichtung90)
{
    struct Case {
        Punkt3D normale;
        double azimutGrad;
        double azimutBogen;
        int klasse;
    };
    constexpr double pi = std::numbers::pi;
    const Case cases[] = {
        {{0, 0, 1}, 0, pi / 2, 0},      // north
        {{1, 0, 0}, 90, 0, 2},          // east
        {{0, 0, -1}, 180, 3 * pi / 2, 4}, // south
        {{-1, 0, 0}, 270, pi, 6},       // west
    };
    for (const Case& c : cases) {
        const Plane w = WandMitNormale(c.normale);
        const std::string was = std::to_string(c.klasse);
        ErwartePunkt(w.Normale(), c.normale, was);
        EXPECT_TRUE(w.IstSenkrecht()) << was;
        EXPECT_NEAR(w.AzimutGrad(90), c.azimutGrad, 1e-9) << was;
        EXPECT_NEAR(w.AzimutBogen(), c.azimutBogen, 1e-12) << was;
        EXPECT_EQ(w.Richtungsklasse(90), c.klasse) << was;
        EXPECT_DOUBLE_EQ(w.Normalenwinkel(), 0) << was;
        EXPECT_EQ(w.Neigungsklasse(), 0) << was;
    }

    // The wall lu (0,0,0), ru (4,0,0), ro (4,2.5,0), lo (0,2.5,0) faces -z: south.
    const Plane sued = Ebene({0, 2.5, 0}, {4, 2.5, 0}, {4, 0, 0}, {0, 0, 0});
    ErwartePunkt(sued.Normale(), {0, 0, -1}, "Suedwand");
    EXPECT_NEAR(sued.AzimutGrad(90), 180, 1e-9);
    EXPECT_EQ(sued.Richtungsklasse(90), 4);
}

TEST(Plane, RichtungsklassenGrenzen)
{
    // A wall facing +x has the bearing Ausrichtung itself.
    const Plane ost = WandMitNormale({1, 0, 0});
    struct Case {
        double ausrichtung;
        int klasse;
    };
    const Case cases[] = {
        {0, 0},     {22.4, 0},  {22.5, 1},  {67.4, 1}, {67.5, 2}, {180, 4},
        {292.5, 7}, {337.4, 7}, {337.5, 0}, {359.9, 0}, {400, 1}, {-10, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ost.Richtungsklasse(c.ausrichtung), c.klasse) << c.ausrichtung;

    // Diagonal normal (1, 0, 1): bearing 45 with the default north.
    const Plane diagonal = Ebene({1, 2, -1}, {-1, 2, 1}, {-1, 0, 1}, {1, 0, -1});
    EXPECT_NEAR(diagonal.AzimutGrad(90), 45, 1e-9);
    EXPECT_EQ(diagonal.Richtungsklasse(90), 1);
}

TEST(Plane, NeigungsklasseNachDachneigung)
{
    struct Case {
        double neigung; // roof pitch in degrees
        int klasse;
    };
    const Case cases[] = {{10, 2}, {22, 2}, {23, 1}, {45, 1}, {67, 1}, {68, 0}, {80, 0}};
    for (const Case& c : cases) {
        const double a = c.neigung * std::numbers::pi / 180;
        const Plane dach = Ebene({0, 4 * std::sin(a), 4 * std::cos(a)}, {5, 4 * std::sin(a), 4 * std::cos(a)},
                                 {5, 0, 0}, {0, 0, 0});
        EXPECT_NEAR(dach.Normalenwinkel(), 90 - c.neigung, 1e-9) << c.neigung;
        EXPECT_EQ(dach.Neigungsklasse(), c.klasse) << c.neigung;
        EXPECT_NEAR(dach.Flaeche(), 20, 1e-12) << c.neigung;
    }
}

TEST(Plane, LiegtInEbeneUndSkaliert)
{
    Plane w = Ebene({0, 2.5, 0}, {4, 2.5, 0}, {4, 0, 0}, {0, 0, 0});
    EXPECT_TRUE(w.LiegtInEbene({2, 1, 0.009}));
    EXPECT_FALSE(w.LiegtInEbene({2, 1, 0.011}));
    EXPECT_TRUE(w.LiegtInEbene({100, -3, 0})); // the plane, not the quadrilateral

    w.ID = 104000101;
    w.Traeger1ID = 1;
    w.FlaecheWurdeBearbeitet = 1;
    const Plane doppelt = w.Skaliert(4);
    EXPECT_NEAR(doppelt.Flaeche(), 40, 1e-12);
    EXPECT_EQ(doppelt.lu, Punkt3D(-2, -1.25, 0));
    EXPECT_EQ(doppelt.ro, Punkt3D(6, 3.75, 0));
    EXPECT_EQ(doppelt.ID, w.ID);
    EXPECT_EQ(doppelt.Traeger1ID, 1);
    EXPECT_EQ(doppelt.FlaecheWurdeBearbeitet, 1);

    // A negative factor shrinks to the centre instead of yielding NaN.
    const Plane nichts = w.Skaliert(-1);
    EXPECT_EQ(nichts.lo, Punkt3D(2, 1.25, 0));
    EXPECT_EQ(nichts.Flaeche(), 0);
}

TEST(Plane, EckenUndVorgaben)
{
    Plane p;
    EXPECT_EQ(p.ID, -1);
    EXPECT_EQ(p.Traeger1ID, -1);
    EXPECT_EQ(p.Traeger2ID, -1);
    EXPECT_EQ(p.GaubenID, -1);
    EXPECT_EQ(p.FassadenID, -1);
    EXPECT_EQ(p.FlaecheWurdeBearbeitet, 0);
    EXPECT_EQ(p.FensterAufFlaechePlaziert, 0);
    p.Ecke(0).x = 1;
    p.Ecke(1).x = 2;
    p.Ecke(2).x = 3;
    p.Ecke(3).x = 4;
    EXPECT_EQ(p.lo.x, 1);
    EXPECT_EQ(p.ro.x, 2);
    EXPECT_EQ(p.ru.x, 3);
    EXPECT_EQ(p.lu.x, 4);
}

TEST(PlaneID, Zerlegen)
{
    struct Case {
        std::int32_t id;
        int z, t, n, m, k;
    };
    const Case cases[] = {
        {123456789, 1, 23, 45, 67, 89},
        {54500000, 0, 54, 50, 0, 0}, // the sixth window on a storey wall
        {99000000, 0, 99, 0, 0, 0},
        {92000000, 0, 92, 0, 0, 0},
        {-1, 0, 0, 0, 0, -1},
        {2147483647, 21, 47, 48, 36, 47},
        {-123456789, -1, -23, -45, -67, -89}, // truncation towards zero
        {0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Plane p;
        p.ID = c.id;
        EXPECT_EQ(p.ZoneAusID(), c.z) << c.id;
        EXPECT_EQ(p.ArtAusID(), c.t * 1000000) << c.id;
        EXPECT_EQ(p.NummerAusID(), c.n) << c.id;
        EXPECT_EQ(p.GeschossAusID(), c.m) << c.id;
        EXPECT_EQ(p.IndexAusID(), c.k) << c.id;
        EXPECT_EQ(ArtAusID(c.id), c.t) << c.id;
        if (c.id >= 0) {
            EXPECT_EQ(PlaneIDAus(c.z, c.t, c.n, c.m, c.k), c.id);
        }
    }
}

TEST(PlaneID, Fensternummern)
{
    const std::int32_t wand = PlaneIDAus(1, flaechenart::Geschosswand, 1, 2, 3);
    const std::int32_t langeWand = PlaneIDAus(2, flaechenart::Geschosswand, 15, 0, 7);
    const std::int32_t dach = PlaneIDAus(0, flaechenart::Steildach, 0, 0, 2);
    struct Case {
        std::int32_t traeger;
        int n;
        std::int32_t erwartet;
    };
    const Case cases[] = {
        {wand, 0, 54010203},  {wand, 5, 54510203},  {wand, 9, 54910203},
        {langeWand, 3, 54030007}, {langeWand, 9, 54090007},
        {dach, 0, 59000002},  {dach, 1, 59100002},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FensterPlaneID(c.traeger, c.n, {}), c.erwartet) << c.traeger << " n=" << c.n;
}

TEST(PlaneID, FensternummernBleibenUeberZehnFensterEindeutig)
{
    for (const std::int32_t traeger : {PlaneIDAus(1, 4, 0, 0, 1), PlaneIDAus(1, 4, 3, 1, 2), PlaneIDAus(3, 2, 42, 0, 0)}) {
        std::vector<std::int32_t> belegt;
        for (int n = 0; n < 40; ++n) {
            const auto id = FensterPlaneID(traeger, n, belegt);
            ASSERT_TRUE(id.has_value()) << n;
            EXPECT_EQ(ZoneAusID(*id), 0);
            EXPECT_EQ(ArtAusID(*id), 50 + ArtAusID(traeger));
            EXPECT_EQ(GeschossAusID(*id), GeschossAusID(traeger));
            EXPECT_EQ(IndexAusID(*id), IndexAusID(traeger));
            belegt.push_back(*id);
        }
        EXPECT_EQ(std::set<std::int32_t>(belegt.begin(), belegt.end()).size(), belegt.size()) << traeger;
    }

    // Past ten windows: the smallest number still free on the carrier.
    const std::int32_t wand = PlaneIDAus(1, 4, 0, 0, 1);
    std::vector<std::int32_t> zehn;
    for (int n = 0; n < 10; ++n)
        zehn.push_back(*FensterPlaneID(wand, n, zehn));
    EXPECT_EQ(FensterPlaneID(wand, 10, zehn), PlaneIDAus(0, 54, 1, 0, 1));

    std::vector<std::int32_t> alle;
    for (int nummer = 0; nummer < 100; ++nummer)
        alle.push_back(PlaneIDAus(0, 54, nummer, 0, 1));
    EXPECT_FALSE(FensterPlaneID(wand, 100, alle).has_value());
}

TEST(PlaneID, FensternummerEinerAnderenTeilflaecheWirdNichtWiederholt)
{
    // Window 1 of a wall numbered 0 and window 0 of its part area numbered 10
    // both come out as number 10 by the plain rule.
    const std::int32_t wand = PlaneIDAus(1, 4, 0, 0, 3);
    const std::int32_t teil = PlaneIDAus(1, 4, 10, 0, 3);
    const std::vector<std::int32_t> belegt{*FensterPlaneID(wand, 0, {}), *FensterPlaneID(wand, 1, {})};
    ASSERT_EQ(belegt[1], PlaneIDAus(0, 54, 10, 0, 3));
    EXPECT_EQ(FensterPlaneID(teil, 0, belegt), PlaneIDAus(0, 54, 1, 0, 3)) << "the smallest free number";
    EXPECT_EQ(FensterPlaneID(teil, 1, belegt), PlaneIDAus(0, 54, 1, 0, 3)) << "number 1 of the rule is free";
}

// --- persistence ------------------------------------------------------------

Plane BeispielEbene()
{
    Plane p = Ebene({0, 2.5, 0}, {4, 2.5, 0}, {4, 0, -1.25}, {0, 0, -1.25});
    p.Traeger1ID = 104000101;
    p.Traeger2ID = 104000102;
    p.ID = 54010203;
    p.GaubenID = 10000003;
    p.FassadenID = 7;
    p.FlaecheWurdeBearbeitet = 1;
    p.FensterAufFlaechePlaziert = 0;
    return p;
}

void ErwarteGleich(const Plane& a, const Plane& b)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(a.Ecke(i), b.Ecke(i)) << "Ecke " << i;
    EXPECT_EQ(a.Traeger1ID, b.Traeger1ID);
    EXPECT_EQ(a.Traeger2ID, b.Traeger2ID);
    EXPECT_EQ(a.ID, b.ID);
    EXPECT_EQ(a.GaubenID, b.GaubenID);
    EXPECT_EQ(a.FassadenID, b.FassadenID);
    EXPECT_EQ(a.FlaecheWurdeBearbeitet, b.FlaecheWurdeBearbeitet);
    EXPECT_EQ(a.FensterAufFlaechePlaziert, b.FensterAufFlaechePlaziert);
}

TEST(PlaneXml, SchreibtDieVorgegebeneFormUndLiestSieZurueck)
{
    Plane p = BeispielEbene();
    const std::string xml = test::XmlVon(p);
    EXPECT_EQ(xml, test::TextDatei("punkte_ebenen/Plane.xml"));

    Plane gelesen;
    test::LiesXml(xml, gelesen);
    ErwarteGleich(gelesen, p);
}

TEST(PlaneXml, FehlendeUndFalscheWerteBleibenStehen)
{
    Plane p;
    p.GaubenID = 5;
    test::LiesXml("<Plane><Punkt3D x=\"1\" y=\"2\" z=\"3\"/><ID>abc</ID><FassadenID>12</FassadenID></Plane>", p);
    EXPECT_EQ(p.lo, Punkt3D(1, 2, 3));
    EXPECT_EQ(p.ro, Punkt3D());
    EXPECT_EQ(p.ID, -1);
    EXPECT_EQ(p.GaubenID, 5);
    EXPECT_EQ(p.FassadenID, 12);
}

// --- older binary form ------------------------------------------------------

TEST(PlaneBinaer, FelderJeNachHausversion)
{
    struct Case {
        int version;
        bool mitFlags, mitGaube, mitFassade;
        std::int32_t gauben, fassaden, bearbeitet, plaziert;
    };
    const Case cases[] = {
        {1, false, false, false, -1, 11, 0, 0},
        {2, true, false, false, -1, 11, 1, 1},
        {3, true, true, false, 33, 11, 1, 1},
        {4, true, true, true, 33, 44, 1, 1},
        {10, true, true, true, 33, 44, 1, 1},
    };
    for (const Case& c : cases) {
        test::ByteBuilder b;
        const double ecken[4][3] = {{0, 2.5, 0}, {4, 2.5, 0}, {4, 0, 0}, {0, 0, 0}};
        for (const auto& e : ecken)
            b.Double(e[0]).Double(e[1]).Double(e[2]);
        b.Int(11).Int(22).Int(104000101);
        if (c.mitGaube)
            b.Int(33);
        if (c.mitFassade)
            b.Int(44);
        if (c.mitFlags)
            b.Int(1).Int(1);

        BinaryArchive ar(b.Bytes());
        ar.SetVersion(c.version);
        Plane p;
        p.GaubenID = 77;
        p.FlaecheWurdeBearbeitet = 9;
        p.FensterAufFlaechePlaziert = 9;
        p.Serialize(ar);
        const std::string was = "Version " + std::to_string(c.version);
        EXPECT_TRUE(ar.AtEnd()) << was;
        EXPECT_EQ(p.lo, Punkt3D(0, 2.5, 0)) << was;
        EXPECT_EQ(p.ru, Punkt3D(4, 0, 0)) << was;
        EXPECT_EQ(p.Traeger1ID, 11) << was;
        EXPECT_EQ(p.Traeger2ID, 22) << was;
        EXPECT_EQ(p.ID, 104000101) << was;
        EXPECT_EQ(p.GaubenID, c.gauben) << was;
        EXPECT_EQ(p.FassadenID, c.fassaden) << was;
        EXPECT_EQ(p.FlaecheWurdeBearbeitet, c.bearbeitet) << was;
        EXPECT_EQ(p.FensterAufFlaechePlaziert, c.plaziert) << was;
        EXPECT_NEAR(p.Flaeche(), 10, 1e-12) << was;
    }
}

TEST(PlaneBinaer, AbgeschnitteneEbeneMeldetDenFehler)
{
    test::ByteBuilder b;
    b.Repeat(0, 12 * 8).Int(1).Int(2);
    BinaryArchive ar(b.Bytes());
    ar.SetVersion(4);
    Plane p;
    EXPECT_THROW(p.Serialize(ar), BinaryArchiveError);
}

TEST(PlaneBinaer, EbenenlisteErzeugtEbenenUeberIhrenKlassennamen)
{
    RegisterModelClasses();
    for (const char* name : {"Plane", "Punkt2D", "Punkt3D"})
        EXPECT_TRUE(RuntimeClassRegistry::Instance().Contains(name)) << name;

    // The house's plane list of a version 2 document: no dormer or facade IDs.
    test::ByteBuilder b;
    b.Count(2).NewClass("Plane");
    b.Repeat(0, 12 * 8).Int(1).Int(2).Int(3).Int(0).Int(1);
    b.ClassRef(1);
    b.Repeat(0, 12 * 8).Int(4).Int(5).Int(6).Int(1).Int(0);
    BinaryArchive ar(b.Bytes());
    ar.SetVersion(2);
    CXmlObjektArray<Plane> ebenen;
    ebenen.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    ASSERT_EQ(ebenen.size(), 2u);
    EXPECT_EQ(ebenen[0].ID, 3);
    EXPECT_EQ(ebenen[0].FassadenID, 1);
    EXPECT_EQ(ebenen[0].FensterAufFlaechePlaziert, 1);
    EXPECT_EQ(ebenen[1].Traeger1ID, 4);
    EXPECT_EQ(ebenen[1].GaubenID, -1);
    EXPECT_EQ(ebenen[1].FlaecheWurdeBearbeitet, 1);
}

} // namespace
} // namespace zeva
