#include "geometry/CPolygon2D.h"
#include "geometry/Clipping.h"
#include "model/Plane.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace zeva {
namespace {

// The points of a polygon as a plain list, for comparisons in messages.
std::vector<Punkt2D> PunkteVon(const CPolygon2D& p)
{
    return p.Punkte();
}

bool GleicheFolge(const std::vector<Punkt2D>& a, const std::vector<Punkt2D>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

// The same closed contour, whatever its start point and direction.
bool GleicheKontur(std::vector<Punkt2D> a, const std::vector<Punkt2D>& b)
{
    if (a.size() != b.size())
        return false;
    for (int richtung = 0; richtung < 2; ++richtung) {
        for (std::size_t start = 0; start < a.size(); ++start) {
            std::rotate(a.begin(), a.begin() + 1, a.end());
            if (GleicheFolge(a, b))
                return true;
        }
        std::reverse(a.begin(), a.end());
    }
    return false;
}

CPolygon2D Rechteck(double x0, double y0, double x1, double y1)
{
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

TEST(CPolygon2D, PunktInPolygon)
{
    // The closing edge (10,0)-(10,10) is the right side of the square.
    const CPolygon2D q{{10, 10}, {0, 10}, {0, 0}, {10, 0}};
    struct Case {
        const char* was;
        Punkt2D p;
        int flag;
        int erwartet;
    };
    const Case cases[] = {
        {"innen", {5, 5}, 0, 1},
        {"aussen", {15, 5}, 0, 0},
        {"aussen mit Kante", {15, 5}, 1, 0},
        {"Mitte der Schlusskante, nur Kreuzungsregel", {10, 5}, 0, 0},
        {"Mitte der Schlusskante, Kante zaehlt", {10, 5}, 1, 1},
        {"Mitte der linken Kante, Kreuzungsregel", {0, 5}, 0, 1},
        {"Ecke oben rechts, Kreuzungsregel", {10, 10}, 0, 0},
        {"Ecke oben rechts, auch mit Kante", {10, 10}, 1, 0},
        {"Ecke unten links, Kreuzungsregel", {0, 0}, 0, 1},
        {"Ecke unten links, auch mit Kante", {0, 0}, 1, 1},
        {"Flag 2 zaehlt wie 0", {10, 5}, 2, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(q.PunktInPolygon(c.p, c.flag), c.erwartet) << c.was;

    // A space point is tested by its plan point (x, z).
    EXPECT_EQ(q.PunktInPolygon(Punkt3D(5, 100, 5), 0), 1);
    EXPECT_EQ(q.PunktInPolygon(Punkt3D(5, 5, 50), 0), 0);
    EXPECT_EQ(CPolygon2D().PunktInPolygon(Punkt2D(0, 0), 1), 0);
}

TEST(CPolygon2D, Flaeche)
{
    struct Case {
        const char* was;
        CPolygon2D p;
        double erwartet;
    };
    const Case cases[] = {
        {"Quadrat", Rechteck(0, 0, 10, 10), 100},
        {"Quadrat im Uhrzeigersinn", {{0, 0}, {0, 10}, {10, 10}, {10, 0}}, 100},
        {"Dreieck 12.345 auf drei Stellen", {{0, 0}, {4.938, 0}, {0, 5}}, 12.3},
        {"L-Form", {{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}}, 64},
        {"ein Punkt", {{1, 1}}, 0},
        {"zwei Punkte", {{1, 1}, {5, 5}}, 0},
        {"leer", {}, 0},
        {"kleine Flaeche auf drei Stellen", Rechteck(0, 0, 0.12345, 1), 0.123},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(c.p.Flaeche(), c.erwartet) << c.was;
}

TEST(CPolygon2D, HinzufuegenUebergehtGleichePunkte)
{
    CPolygon2D p;
    EXPECT_TRUE(p.FuegeHinzu(Punkt2D(1, 1)));
    EXPECT_FALSE(p.FuegeHinzu(Punkt2D(1.00005, 1))); // within 0.0001
    EXPECT_TRUE(p.FuegeHinzu(Punkt2D(1.0002, 1)));
    EXPECT_TRUE(p.FuegeHinzu(Punkt3D(7, 99, 8))); // plan point (x, z)
    EXPECT_FALSE(p.FuegeHinzu(Punkt3D(7, -5, 8)));
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[2], Punkt2D(7, 8));

    // A list with repeated points adds only the first of them; the points
    // already present stay.
    const CPolygon2D kandidaten{{1, 1}, {2, 2}, {2, 2}, {3, 3}};
    EXPECT_TRUE(p.FuegeAlleHinzu(kandidaten));
    EXPECT_TRUE(GleicheFolge(PunkteVon(p), {{1, 1}, {1.0002, 1}, {7, 8}, {2, 2}, {3, 3}}));
    EXPECT_FALSE(p.FuegeAlleHinzu(kandidaten));

    // A wall stands on a line in the plan: two of its corners are left.
    Plane wand;
    wand.lu = Punkt3D(0, 0, 0);
    wand.ru = Punkt3D(4, 0, 0);
    wand.ro = Punkt3D(4, 2.5, 0);
    wand.lo = Punkt3D(0, 2.5, 0);
    CPolygon2D grundriss;
    EXPECT_TRUE(grundriss.FuegeEckenHinzu(wand));
    EXPECT_TRUE(GleicheFolge(PunkteVon(grundriss), {{0, 0}, {4, 0}}));
    EXPECT_FALSE(grundriss.FuegeEckenHinzu(wand));
}

TEST(CPolygon2D, SortiereOrdnetUmDenErstenPunkt)
{
    CPolygon2D gegen{{0, 0}, {1, 1}, {1, 0}, {0, 1}};
    gegen.Sortiere(1);
    EXPECT_TRUE(GleicheFolge(PunkteVon(gegen), {{0, 0}, {1, 0}, {1, 1}, {0, 1}}));

    CPolygon2D mit{{0, 0}, {1, 1}, {1, 0}, {0, 1}};
    mit.Sortiere(0);
    EXPECT_TRUE(GleicheFolge(PunkteVon(mit), {{0, 0}, {0, 1}, {1, 1}, {1, 0}}));

    CPolygon2D fuenfeck{{2, 0}, {0, 3}, {4, 3}, {-1, 1}, {5, 1}};
    fuenfeck.Sortiere(1);
    EXPECT_TRUE(GleicheFolge(PunkteVon(fuenfeck), {{2, 0}, {5, 1}, {4, 3}, {0, 3}, {-1, 1}}));
}

TEST(CPolygon2D, SortiereEndetAuchWennDiePunkteDenErstenUmgeben)
{
    // Around the centre the pairwise rule has no consistent order and keeps
    // swapping; the walk must stop all the same, with the same points.
    const std::vector<Punkt2D> punkte{{0, 0}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 1}, {-1, -1}};
    CPolygon2D p(punkte);
    p.Sortiere(1);
    ASSERT_EQ(p.size(), punkte.size());
    EXPECT_EQ(p[0], Punkt2D(0, 0));
    for (const Punkt2D& q : punkte)
        EXPECT_NE(std::find(p.begin(), p.end(), q), p.end());
}

TEST(CPolygon2D, SchnittflaecheUeberlappenderQuadrate)
{
    const CPolygon2D a = Rechteck(0, 0, 10, 10);
    const CPolygon2D b = Rechteck(5, 5, 15, 15);
    CPolygon2D out;
    EXPECT_DOUBLE_EQ(a.Schnittflaeche(b, out), 25);
    EXPECT_TRUE(GleicheKontur(PunkteVon(out), {{5, 5}, {10, 5}, {10, 10}, {5, 10}}));

    CPolygon2D getrennt;
    EXPECT_DOUBLE_EQ(a.Schnittflaeche(Rechteck(20, 0, 30, 10), getrennt), 0);
    EXPECT_TRUE(getrennt.empty());
}

TEST(CPolygon2D, EnthalteneFlaechenWerdenOhneClipperEntschieden)
{
    const CPolygon2D aussen = Rechteck(0, 0, 10, 10);
    // Clockwise, with two corners on the outer square's edge: the clipper
    // would hand back a counter-clockwise contour of its own, the shortcut
    // hands back these very points.
    const CPolygon2D innen{{0, 2}, {0, 6}, {4, 6}, {4, 2}};

    CPolygon2D out{{99, 99}};
    EXPECT_DOUBLE_EQ(aussen.Schnittflaeche(innen, out), 16);
    EXPECT_TRUE(GleicheFolge(PunkteVon(out), PunkteVon(innen)));

    CPolygon2D umgekehrt{{99, 99}};
    EXPECT_DOUBLE_EQ(innen.Schnittflaeche(aussen, umgekehrt), 16);
    EXPECT_TRUE(GleicheFolge(PunkteVon(umgekehrt), PunkteVon(innen)));

    // Difference: the areas subtracted, the inner polygon reversed in out.
    const CPolygon2D klein = Rechteck(2, 2, 5, 5);
    CPolygon2D rest;
    EXPECT_DOUBLE_EQ(aussen.Differenz(klein, rest), 91);
    EXPECT_TRUE(GleicheFolge(PunkteVon(rest), {{2, 5}, {5, 5}, {5, 2}, {2, 2}}));

    CPolygon2D nichts{{1, 1}};
    EXPECT_DOUBLE_EQ(klein.Differenz(aussen, nichts), 0);
    EXPECT_TRUE(nichts.empty());
}

TEST(CPolygon2D, DifferenzInZweiTeilen)
{
    // An L-shape minus a rectangle over its corner falls apart into the ends
    // of both arms: 4 × 4 and 4 × 5.
    const CPolygon2D l{{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}};
    const CPolygon2D ecke = Rechteck(-1, -1, 6, 5);
    CPolygon2D out;
    EXPECT_DOUBLE_EQ(l.Differenz(ecke, out), 36);
    EXPECT_TRUE(GleicheKontur(PunkteVon(out), {{0, 5}, {4, 5}, {4, 10}, {0, 10}}));

    CPolygon2D schnitt;
    EXPECT_DOUBLE_EQ(l.Schnittflaeche(ecke, schnitt), 28);
}

TEST(Clipping, FlaecheZiehtLoecherAbUndLiefertDieGroessteAussenkontur)
{
    // A ring (one contour with a slit) inside a square: the difference is the
    // square with a hole plus the island in the ring's middle.
    const std::vector<Punkt2D> a{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const std::vector<Punkt2D> ring{{2, 2}, {8, 2}, {8, 8}, {2, 8}, {2, 5}, {4, 5},
                                    {4, 6}, {6, 6}, {6, 4}, {4, 4}, {4, 5}, {2, 5}};
    const ClipResult r = Clip(ClipOperation::Difference, a, ring);
    EXPECT_EQ(r.contours.size(), 3u);
    EXPECT_NEAR(r.area, 100 - 36 + 4, 1e-9);
    ASSERT_NE(r.LargestOuterContour(), nullptr);
    EXPECT_TRUE(GleicheKontur(*r.LargestOuterContour(), a));

    // The polygon takes the containment path here and agrees.
    CPolygon2D out;
    EXPECT_DOUBLE_EQ(CPolygon2D(a).Differenz(CPolygon2D(ring), out), 68);
}

TEST(CPolygon2D, EckenInEinerLFormReichenNichtFuerDieAbkuerzung)
{
    // All three corners of the triangle lie in the L-shaped outline, but its
    // long edge cuts through the notch: 1.125 of its 36.125 lie outside.
    const CPolygon2D l{{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}};
    const CPolygon2D dreieck{{0.5, 0.5}, {9, 0.5}, {0.5, 9}};
    CPolygon2D schnitt;
    EXPECT_DOUBLE_EQ(l.Schnittflaeche(dreieck, schnitt), 35);
    EXPECT_TRUE(GleicheKontur(PunkteVon(schnitt), {{0.5, 0.5}, {9, 0.5}, {5.5, 4}, {4, 4}, {4, 5.5}, {0.5, 9}}));
    CPolygon2D rest;
    EXPECT_DOUBLE_EQ(l.Differenz(dreieck, rest), 29);
}

TEST(CPolygon2D, BeruehrendeKanten)
{
    const CPolygon2D a = Rechteck(0, 0, 10, 10);
    struct Case {
        const char* was;
        CPolygon2D b;
        double schnitt;
        double differenz;
    };
    const Case cases[] = {
        {"gemeinsame Kante", Rechteck(10, 0, 20, 10), 0, 100},
        {"gemeinsame Ecke", Rechteck(10, 10, 20, 20), 0, 100},
        {"halbe gemeinsame Kante", Rechteck(10, 5, 20, 15), 0, 100},
        {"innen an einer Kante", Rechteck(0, 0, 5, 10), 50, 50},
        {"gleiches Quadrat", Rechteck(0, 0, 10, 10), 100, 0},
    };
    for (const Case& c : cases) {
        CPolygon2D s;
        CPolygon2D d;
        EXPECT_DOUBLE_EQ(a.Schnittflaeche(c.b, s), c.schnitt) << c.was;
        EXPECT_DOUBLE_EQ(a.Differenz(c.b, d), c.differenz) << c.was;
    }
}

TEST(Clipping, UngueltigeEingabenGebenKeineFlaeche)
{
    const std::vector<Punkt2D> quadrat{{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const std::vector<Punkt2D> linie{{0, 0}, {1, 1}};
    const std::vector<Punkt2D> unendlich{{0, 0}, {INFINITY, 0}, {1, 1}};
    const std::vector<Punkt2D> riesig{{0, 0}, {1e14, 0}, {1e14, 1e14}};

    EXPECT_EQ(Clip(ClipOperation::Intersection, quadrat, linie).area, 0);
    EXPECT_EQ(Clip(ClipOperation::Intersection, unendlich, quadrat).area, 0);
    EXPECT_EQ(Clip(ClipOperation::Intersection, riesig, quadrat).area, 0);
    // Taking away nothing leaves the polygon itself.
    EXPECT_NEAR(Clip(ClipOperation::Difference, quadrat, linie).area, 1, 1e-12);
    EXPECT_NEAR(Clip(ClipOperation::Difference, quadrat, unendlich).area, 1, 1e-12);
}

// Area of a ∩ b or a \ b by counting the centres of the cells of a raster
// over a's bounding box, each judged by the even-odd rule.
double RasterFlaeche(ClipOperation op, const CPolygon2D& a, const CPolygon2D& b, double zelle)
{
    double x0 = a[0].x, x1 = a[0].x, y0 = a[0].y, y1 = a[0].y;
    for (const Punkt2D& p : a) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    long treffer = 0;
    for (double y = y0 + zelle / 2; y < y1; y += zelle) {
        for (double x = x0 + zelle / 2; x < x1; x += zelle) {
            const bool inA = a.PunktInPolygon(Punkt2D(x, y), 0) == 1;
            const bool inB = b.PunktInPolygon(Punkt2D(x, y), 0) == 1;
            if (inA && (op == ClipOperation::Intersection ? inB : !inB))
                ++treffer;
        }
    }
    return static_cast<double>(treffer) * zelle * zelle;
}

// A random axis-aligned rectangle or L-shape, in either direction.
CPolygon2D ZufallsForm(std::mt19937& zufall, double raster)
{
    std::uniform_int_distribution<int> stufe(0, static_cast<int>(20 / raster));
    auto wert = [&] { return stufe(zufall) * raster; };
    double x0 = wert(), x1 = wert(), y0 = wert(), y1 = wert();
    if (x1 < x0)
        std::swap(x0, x1);
    if (y1 < y0)
        std::swap(y0, y1);
    x1 += 2 * raster;
    y1 += 2 * raster;
    std::vector<Punkt2D> p;
    if (std::uniform_int_distribution<int>(0, 1)(zufall) == 0) {
        p = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    } else {
        // Cut the top right corner out at a point strictly inside.
        const double xm = x0 + raster * std::uniform_int_distribution<int>(1, static_cast<int>((x1 - x0) / raster) - 1)(zufall);
        const double ym = y0 + raster * std::uniform_int_distribution<int>(1, static_cast<int>((y1 - y0) / raster) - 1)(zufall);
        p = {{x0, y0}, {x1, y0}, {x1, ym}, {xm, ym}, {xm, y1}, {x0, y1}};
    }
    if (std::uniform_int_distribution<int>(0, 1)(zufall) == 1)
        std::reverse(p.begin(), p.end());
    return CPolygon2D(p);
}

TEST(Clipping, FlaechenStimmenMitEinemRasterUeberein)
{
    // Corners on a 0.5 grid and a raster of 0.25: every raster cell lies
    // wholly in or out of each shape, so the count is exact, shared and
    // touching edges included.
    std::mt19937 zufall(20240611);
    for (int i = 0; i < 300; ++i) {
        const CPolygon2D a = ZufallsForm(zufall, 0.5);
        const CPolygon2D b = ZufallsForm(zufall, 0.5);
        for (ClipOperation op : {ClipOperation::Intersection, ClipOperation::Difference}) {
            const ClipResult r = Clip(op, a.Punkte(), b.Punkte());
            EXPECT_NEAR(r.area, RasterFlaeche(op, a, b, 0.25), 1e-6)
                << "Fall " << i << (op == ClipOperation::Intersection ? " Schnitt" : " Differenz");
            double summe = 0;
            for (const auto& k : r.contours)
                summe += std::fabs(SignedArea(k));
            EXPECT_GE(summe + 1e-9, r.area);
        }
    }
}

TEST(Clipping, FlaechenFreierKoordinatenStimmenMitEinemRasterUngefaehrUeberein)
{
    // Off the grid the raster only estimates: the error is at most the cells
    // along the edges of both shapes.
    std::mt19937 zufall(7);
    std::uniform_real_distribution<double> versatz(0, 0.37);
    for (int i = 0; i < 40; ++i) {
        CPolygon2D a = ZufallsForm(zufall, 1);
        CPolygon2D b = ZufallsForm(zufall, 1);
        const double dx = versatz(zufall), dy = versatz(zufall);
        CPolygon2D bVerschoben;
        for (const Punkt2D& p : b)
            bVerschoben.push_back(Punkt2D(p.x + dx, p.y + dy));
        const double zelle = 0.02;
        for (ClipOperation op : {ClipOperation::Intersection, ClipOperation::Difference}) {
            const double flaeche = Clip(op, a.Punkte(), bVerschoben.Punkte()).area;
            EXPECT_NEAR(flaeche, RasterFlaeche(op, a, bVerschoben, zelle), 2 * 4 * 22 * zelle) << "Fall " << i;
        }
    }
}

} // namespace
} // namespace zeva
