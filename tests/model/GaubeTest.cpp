// The dormer: its section at a height and both document forms.
#include "model/Gaube.h"
#include "model/RuntimeClass.h"

#include "DatensatzTestHilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zeva {
namespace {

using test::ByteBuilder;

Plane Viereck(Punkt3D lo, Punkt3D ro, Punkt3D ru, Punkt3D lu)
{
    return Plane::AusEcken(lo, ro, ru, lu);
}

// A dormer 2 m wide: the covered roof part from height 0 to 2, a front wall
// from 0 to 1 in the plane z = 0, its roof from the top of the front wall
// (height 1) up to the carrying roof at height 2, 2 m further back.
Gaube Beispielgaube()
{
    Gaube g;
    g.m_Dachauflage = Viereck({0, 2, 2}, {2, 2, 2}, {2, 0, 0}, {0, 0, 0});
    g.m_Stirnflaeche = Viereck({0, 1, 0}, {2, 1, 0}, {2, 0, 0}, {0, 0, 0});
    g.m_Dachflaeche = Viereck({0, 2, 2}, {2, 2, 2}, {2, 1, 0}, {0, 1, 0});
    return g;
}

TEST(Gaube, Vorgaben)
{
    const Gaube g;
    EXPECT_EQ(g.ID, -1);
    EXPECT_EQ(g.Traeger1ID, -1);
    EXPECT_EQ(g.Traeger2ID, -1);
    EXPECT_EQ(g.FassadenID, -1);
    EXPECT_EQ(g.m_Dachflaeche.ID, -1);
    EXPECT_EQ(g.m_Stirnflaeche.lo, Punkt3D(0, 0, 0));
    for (const double h : {-1.0, 0.0, 1e-12, 0.5, 1.0, 3.0})
        EXPECT_EQ(g.SchnittflaecheAufHoehe(h), 0) << h;
}

TEST(Gaube, SchnittflaecheAufHoehe)
{
    const Gaube g = Beispielgaube();
    struct Fall {
        double h;
        double flaeche;
    };
    // Below the top of the front wall (h = 0.5): from the roof's side edges at
    // a quarter of their rise, (·, 1.25, 0.5), to the front wall's at half its
    // height, (·, 0.5, 0); above (h = 1.5): from three quarters, (·, 1.75, 1.5),
    // to the roof's edges at half way, (·, 1.5, 1).
    const std::vector<Fall> faelle = {
        {0.5, 2 * std::hypot(0.75, 0.5)},
        {1.5, 2 * std::hypot(0.25, 0.5)},
        // At the top of the front wall: from half way up the roof edges to
        // their lower ends, (·, 1, 0), where the front wall's edges end too.
        {1.0, 2 * std::hypot(0.5, 1.0)},
        {1.0 - 1e-9, 2 * std::hypot(0.5, 1.0)},
        {0.0, 0},
        {-0.5, 0},
        {2.0, 0},
        {2.5, 0},
    };
    for (const auto& f : faelle)
        EXPECT_NEAR(g.SchnittflaecheAufHoehe(f.h), f.flaeche, 1e-8) << f.h;
}

TEST(Gaube, SchnittflaecheNichtGerundet)
{
    Gaube g = Beispielgaube();
    // A width that three significant digits would change.
    for (Plane* p : {&g.m_Dachauflage, &g.m_Stirnflaeche, &g.m_Dachflaeche})
        for (Punkt3D* e : {&p->lo, &p->ro, &p->ru, &p->lu})
            if (e->x > 0)
                e->x = 2.34567;
    EXPECT_NEAR(g.SchnittflaecheAufHoehe(0.5), 2.34567 * std::hypot(0.75, 0.5), 1e-12);
}

TEST(Gaube, GleicheHoehenTeilenNichtDurchNull)
{
    Gaube g = Beispielgaube();
    // Front wall as high as the covered part: the front wall's top is moved
    // just below the top, the section stays finite.
    g.m_Stirnflaeche.ro.y = 2;
    g.m_Stirnflaeche.lo.y = 2;
    for (const double h : {0.5, 1.0, 1.999})
        EXPECT_TRUE(std::isfinite(g.SchnittflaecheAufHoehe(h))) << h;
    // A flat covered part counts as 1e-12 high.
    Gaube flach = Beispielgaube();
    flach.m_Dachauflage.ro.y = 0;
    EXPECT_EQ(flach.SchnittflaecheAufHoehe(0), 0);
    EXPECT_EQ(flach.SchnittflaecheAufHoehe(1e-12), 0);
    EXPECT_TRUE(std::isfinite(flach.SchnittflaecheAufHoehe(5e-13)));
}

Gaube MitKennungen()
{
    Gaube g = Beispielgaube();
    g.ID = 10000003;
    g.Traeger1ID = 109000101;
    g.Traeger2ID = 104000101;
    g.FassadenID = 104000102;
    // Each plane gets an ID of its own so that a mix-up shows.
    int n = 1;
    for (Plane* p : {&g.m_Dachflaeche, &g.m_Deckenflaeche, &g.m_Stirnflaeche, &g.m_Seitenflaeche_rechts,
                     &g.m_Seitenflaeche_links, &g.m_Dachauflage})
        p->ID = 111000000 + n++;
    return g;
}

TEST(Gaube, XmlReihenfolgeUndRundreise)
{
    Gaube quelle = MitKennungen();
    const std::string xml = test::XmlVon(quelle);
    const std::vector<std::string> erwartet = {"ID",    "Traeger1ID", "Traeger2ID", "FassadenID",
                                               "Plane", "Plane",      "Plane",      "Plane",
                                               "Plane", "Plane"};
    EXPECT_EQ(test::Kindelemente(xml), erwartet);
    // The planes follow as covered part, ceiling, roof, left, right, front.
    std::vector<std::size_t> stellen;
    for (const int id : {6, 2, 1, 5, 4, 3})
        stellen.push_back(xml.find("<ID>11100000" + std::to_string(id) + "</ID>"));
    for (std::size_t i = 1; i < stellen.size(); ++i)
        EXPECT_LT(stellen[i - 1], stellen[i]) << i;

    Gaube ziel;
    ASSERT_TRUE(test::LiesXml(xml, ziel));
    EXPECT_EQ(ziel.ID, 10000003);
    EXPECT_EQ(ziel.Traeger1ID, 109000101);
    EXPECT_EQ(ziel.Traeger2ID, 104000101);
    EXPECT_EQ(ziel.FassadenID, 104000102);
    EXPECT_EQ(ziel.m_Dachflaeche.ID, 111000001);
    EXPECT_EQ(ziel.m_Deckenflaeche.ID, 111000002);
    EXPECT_EQ(ziel.m_Stirnflaeche.ID, 111000003);
    EXPECT_EQ(ziel.m_Seitenflaeche_rechts.ID, 111000004);
    EXPECT_EQ(ziel.m_Seitenflaeche_links.ID, 111000005);
    EXPECT_EQ(ziel.m_Dachauflage.ID, 111000006);
    EXPECT_EQ(ziel.m_Dachflaeche.lo, Punkt3D(0, 2, 2));
    EXPECT_NEAR(ziel.SchnittflaecheAufHoehe(0.5), quelle.SchnittflaecheAufHoehe(0.5), 1e-12);
}

// A plane of a version-3 document: corners, Traeger1ID, Traeger2ID, ID,
// GaubenID, the two flags (no FassadenID yet).
void PlaneVersion3(ByteBuilder& b, int id)
{
    for (int i = 0; i < 12; ++i)
        b.Double(i);
    b.Int(-1).Int(-1).Int(id).Int(10000000).Int(0).Int(1);
}

TEST(Gaube, BinaerVersion3OhneFassadenID)
{
    RegisterModelClasses();
    ByteBuilder b;
    b.NewClass("Gaube");
    b.Int(10000001).Int(109000101).Int(104000101);
    for (int n = 1; n <= 6; ++n)
        PlaneVersion3(b, 120 + n);
    BinaryArchive ar = test::Archiv(b, 3);
    std::unique_ptr<Gaube> g = ReadObject<Gaube>(ar);
    ASSERT_TRUE(g);
    EXPECT_TRUE(ar.AtEnd());
    EXPECT_EQ(g->ID, 10000001);
    EXPECT_EQ(g->Traeger1ID, 109000101);
    EXPECT_EQ(g->Traeger2ID, 104000101);
    EXPECT_EQ(g->FassadenID, 109000101);
    EXPECT_EQ(g->m_Dachauflage.ID, 121);
    EXPECT_EQ(g->m_Deckenflaeche.ID, 122);
    EXPECT_EQ(g->m_Dachflaeche.ID, 123);
    EXPECT_EQ(g->m_Seitenflaeche_links.ID, 124);
    EXPECT_EQ(g->m_Seitenflaeche_rechts.ID, 125);
    EXPECT_EQ(g->m_Stirnflaeche.ID, 126);
    EXPECT_EQ(g->m_Stirnflaeche.GaubenID, 10000000);
    EXPECT_EQ(g->m_Stirnflaeche.lu, Punkt3D(9, 10, 11));
}

TEST(Gaube, BinaerAbVersion4MitFassadenID)
{
    for (const int version : {4, 9, 10}) {
        ByteBuilder b;
        b.Int(10000002).Int(109000101).Int(104000101).Int(104000105);
        for (int n = 1; n <= 6; ++n) {
            test::PlaneBytes p;
            p.id = 130 + n;
            p.fassaden = 7;
            p.Schreibe(b);
        }
        BinaryArchive ar = test::Archiv(b, version);
        Gaube g;
        g.Serialize(ar);
        EXPECT_TRUE(ar.AtEnd()) << version;
        EXPECT_EQ(g.FassadenID, 104000105) << version;
        EXPECT_EQ(g.m_Dachauflage.ID, 131) << version;
        EXPECT_EQ(g.m_Stirnflaeche.ID, 136) << version;
        EXPECT_EQ(g.m_Stirnflaeche.FassadenID, 7) << version;
    }

    // Cut short: the archive's error, no read past the end.
    ByteBuilder kurz;
    kurz.Int(1).Int(2).Int(3).Int(4).Double(0);
    BinaryArchive ar = test::Archiv(kurz, 10);
    Gaube g;
    EXPECT_THROW(g.Serialize(ar), BinaryArchiveError);
}

} // namespace
} // namespace zeva
