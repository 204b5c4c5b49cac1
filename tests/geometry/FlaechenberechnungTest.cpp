#include "geometry/DachTestHilfen.h"
#include "geometry/Flaechenberechnung.h"
#include "model/Haus.h"

#include <gtest/gtest.h>

#include <cmath>
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

// The snap grid is the editor's business: the same drawn outline has the same
// heated area whatever grid the options set (the field takes 0,01 to 5 m).
TEST(Flaechenberechnung, HeatedAreaDoesNotDependOnTheSnapGrid)
{
    const double raster[] = {0.01, 0.05, 0.1, 0.2, 0.25, 0.3, 0.5, 1, 2, 2.5, 5};
    for (const double g : raster) {
        SCOPED_TRACE(g);
        // An L-shaped outline whose corners lie on grid g.
        const auto aufRaster = [g](double x) { return g * std::round(x / g); };
        const double a = aufRaster(1.3), b = aufRaster(13.7), c = aufRaster(6.2), d = aufRaster(11.4);
        const Punkt2DArray umriss{{a, a}, {b, a}, {b, c}, {c, c}, {c, d}, {a, d}};

        Haus standard = Zeichnung(umriss);
        const double erwartet = GesamtFlaeche(standard);
        Haus mitRaster = Zeichnung(umriss);
        mitRaster.OpenGLGrid = mitRaster.RealGridWidth = g;
        EXPECT_DOUBLE_EQ(GesamtFlaeche(mitRaster), erwartet);
        EXPECT_DOUBLE_EQ(GesamtVolumen(mitRaster), GesamtVolumen(standard));
        // On the default counting raster an outline on a 0,1 m grid is
        // measured exactly.
        const double exakt = (b - a) * (c - a) + (c - a) * (d - c);
        if (std::fabs(std::remainder(g, 0.1)) < 1e-9) {
            EXPECT_NEAR(erwartet, exakt, 1e-6);
        }
    }
}

// The gross volume is the volume the air volume was made from: divided by
// the factor the air volume was made with, not a fixed 1,25.
TEST(Flaechenberechnung, GrossVolumeIsWhatTheAirVolumeWasMadeFrom)
{
    struct Case {
        int stockwerke;
        int nutzungstyp;
        double faktor;
    };
    const Case cases[] = {{1, 0, 0.76}, {2, 0, 0.76}, {3, 0, 0.8}, {1, 1, 0.8}, {2, 1, 0.8}, {3, 1, 0.8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stockwerke << " storeys, type " << c.nutzungstyp);
        Haus haus = Zeichnung(Rechteck(10, 10));
        haus.Stockwerkszahl = haus.m_aZone[0].Stockwerkszahl = c.stockwerke;
        haus.Nutzungstyp = c.nutzungstyp;
        const double brutto = 100 * 2.5 * c.stockwerke;
        EXPECT_NEAR(GesamtVolumen(haus), brutto * c.faktor, 1e-6);
        EXPECT_NEAR(haus.Bruttovolumen(), brutto, 1e-6);
    }
}

} // namespace
} // namespace zeva
