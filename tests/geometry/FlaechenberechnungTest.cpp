#include "geometry/DachTestHilfen.h"
#include "geometry/Flaechenberechnung.h"
#include "model/Haus.h"

#include <gtest/gtest.h>

#include <functional>

namespace zeva {
namespace {

using test::BaueDach;
using test::DachMasse;

Punkt2DArray Rechteck(double b, double t)
{
    return {{0, 0}, {b, 0}, {b, t}, {0, t}};
}

// A drawn house: one counted zone with its outline, flat roof, the zone's and
// the house's heights alike.
Haus Zeichnung(const Punkt2DArray& umriss)
{
    Haus haus;
    haus.Steildach = 0;
    haus.m_aZone[0].m_a2DGrundrissPunkte = umriss;
    haus.m_aZone[0].Geschlossen = 1;
    return haus;
}

void SetzeDrempel(Haus& haus, double d)
{
    haus.Drempelhoehe = d;
    haus.m_aZone[0].Drempelhoehe = d;
}

TEST(Flaechenberechnung, AreaAndVolumeOfDrawnHouses)
{
    struct Case {
        const char* was;
        Punkt2DArray umriss;
        std::function<void(Haus&)> aendern;
        double flaeche;
        double volumen;
    };
    const auto satteldach = [](double L, double W, double hoehe) {
        return [=](Haus& h) {
            h.Steildach = 1;
            h.m_aDach.Add(BaueDach({.L = L, .W = W, .hoehe = hoehe, .geschossHoehe = 3}));
        };
    };
    const Case cases[] = {
        {"one storey, cold basement, flat roof", Rechteck(10, 10), [](Haus&) {}, 100, 100 * 2.5 * 0.76},
        // The house's flag decides, not the zone's.
        {"heated basement", Rechteck(10, 10), [](Haus& h) { h.KellerBeheizt = 1; }, 200, 500 * 0.76},
        {"three storeys", Rechteck(10, 10),
         [](Haus& h) { h.Stockwerkszahl = h.m_aZone[0].Stockwerkszahl = 3; }, 300, 750 * 0.8},
        {"apartment house", Rechteck(10, 10), [](Haus& h) { h.Nutzungstyp = 1; }, 100, 250 * 0.8},
        {"L-shape", {{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}}, [](Haus&) {}, 64, 64 * 2.5 * 0.76},
        // Pitched roof 10 × 10, ridge 5 m: sections 80 at 1 m, 60 at 2 m.
        {"heated attic", Rechteck(10, 10), satteldach(10, 10, 5), 100 + 70, (250 + 210) * 0.76},
        {"attic storey below 2 m", Rechteck(10, 10),
         [&](Haus& h) {
             satteldach(10, 10, 5)(h);
             h.Dachgeschosshoehe = 1.9;
         },
         100, (250 + 210) * 0.76},
        {"unheated roof", Rechteck(10, 10),
         [&](Haus& h) {
             satteldach(10, 10, 5)(h);
             h.m_aDach[0].SetzeBeheizt(0);
         },
         100, 250 * 0.76},
        // Zone 10 × 8 under a roof of 3 m: sections 53.33 at 1 m, 26.67 at 2 m.
        {"attic 10 x 8", Rechteck(10, 8), satteldach(10, 8, 3), 120, (200 + 120) * 0.76},
        // With a knee wall of 1 m the clear heights count from the attic
        // floor: sections at the eaves (80) and 1 m above (53.3, as the roof
        // gives its sections, to 0.1 m²); the roof volume up to 2 m is 106.66.
        {"knee wall", Rechteck(10, 8),
         [&](Haus& h) {
             satteldach(10, 8, 3)(h);
             SetzeDrempel(h, 1);
         },
         80 + 66.65, (200 + 80 + 106.66) * 0.76},
        {"knee wall under a cold roof space", Rechteck(10, 8),
         [&](Haus& h) {
             satteldach(10, 8, 3)(h);
             SetzeDrempel(h, 1);
             h.DachBeheizt = 0;
         },
         80 + 66.65, (200 + 106.66) * 0.76},
        {"knee wall of a flat-roof house", Rechteck(10, 8), [](Haus& h) { SetzeDrempel(h, 1); }, 80, 200 * 0.76},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        Haus haus = Zeichnung(c.umriss);
        c.aendern(haus);
        EXPECT_NEAR(GesamtFlaeche(haus), c.flaeche, 1e-6);
        EXPECT_NEAR(haus.Energiebezugsflaeche, c.flaeche, 1e-6);
        EXPECT_NEAR(GesamtVolumen(haus), c.volumen, 1e-6);
        EXPECT_NEAR(haus.Volumen, c.volumen, 1e-6);
    }
}

TEST(Flaechenberechnung, SectionOfAZone)
{
    Haus haus = Zeichnung(Rechteck(10, 10));
    EXPECT_DOUBLE_EQ(SchnittflaecheGeschoss(haus, 0, 0), 100);
    EXPECT_DOUBLE_EQ(SchnittflaecheGeschoss(haus, 5, 0), 100); // the eaves
    EXPECT_EQ(SchnittflaecheGeschoss(haus, -0.01, 0), 0);
    EXPECT_EQ(SchnittflaecheGeschoss(haus, 5.01, 0), 0);
    EXPECT_EQ(SchnittflaecheGeschoss(haus, 1, 1), 0); // not a zone of the house

    // A later zone takes the overlap.
    haus.m_aZone.SetSize(2);
    haus.m_aZone[1].m_a2DGrundrissPunkte = {{5, 5}, {15, 5}, {15, 15}, {5, 15}};
    haus.Zonen = 2;
    EXPECT_DOUBLE_EQ(SchnittflaecheGeschoss(haus, 1, 0), 75);
    EXPECT_DOUBLE_EQ(SchnittflaecheGeschoss(haus, 1, 1), 100);

    // Off-grid outlines are estimated on the 0.1 m raster.
    Haus schraeg = Zeichnung({{0, 0}, {10, 0}, {0, 10}});
    EXPECT_NEAR(SchnittflaecheGeschoss(schraeg, 1, 0), 50, 0.6);

    // A wider drawing square with its own counting raster.
    Haus gross = Zeichnung(Rechteck(10, 10));
    gross.OpenGLWidth = gross.OpenGLHeight = 40;
    gross.Flaeche2DEingabe = 1600;
    gross.Flag2DPixelZaehlraster = 400;
    EXPECT_DOUBLE_EQ(SchnittflaecheGeschoss(gross, 1, 0), 100);
}

} // namespace
} // namespace zeva
