// Times of the plan editor's heaviest computations on the largest house the
// limits admit, run by hand (a Release build gives the figures that count):
//   generator_messung
// 1. The surface generator on 20 zones, each a regular 100-gon of radius
//    2 m with 100 storeys of 2.5 m under a flat roof (about 200,000 walls).
// 2. The heated floor area and the volume at the editor's largest settings:
//    one 100-gon of radius 9 m, 99 storeys, the counting raster of 500.
// It prints the seconds of each and the counts that show what was built.
#include "geometry/C3DGenerator.h"
#include "geometry/Flaechenberechnung.h"
#include "model/Haus.h"
#include "model/Notifier.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <numbers>

extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

namespace {

class Messnotifier final : public zeva::Notifier {
public:
    void Nachricht(const std::string& text, Art) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool Frage(const std::string&) override { return true; }
};

// A regular polygon of n corners, clockwise as the editor stores outlines.
zeva::Punkt2DArray Vieleck(double cx, double cy, double r, int n)
{
    zeva::Punkt2DArray u;
    for (int i = 0; i < n; ++i) {
        const double w = -2 * std::numbers::pi * i / n;
        u.Add(zeva::Punkt2D(cx + r * std::cos(w), cy + r * std::sin(w)));
    }
    return u;
}

zeva::Zone Turm(double cx, double cy, double r, int geschosse)
{
    zeva::Zone z;
    z.m_a2DGrundrissPunkte = Vieleck(cx, cy, r, zeva::C3DGenerator::MaxGrundrissPunkte);
    z.Geschlossen = 1;
    z.Stockwerkszahl = geschosse;
    z.Stockwerkshoehe = 2.5;
    return z;
}

template <class F>
double Sekunden(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main()
{
    using namespace zeva;
    Messnotifier notifier;

    Haus gross;
    gross.Steildach = 0;
    gross.OpenGLWidth = gross.OpenGLHeight = gross.RealAreaWidth = gross.RealAreaHeight = 25;
    gross.m_aZone.RemoveAll();
    for (int i = 0; i < C3DGenerator::MaxZonen; ++i)
        gross.m_aZone.Add(Turm(2.5 + 5 * (i % 5), 2.5 + 5 * (i / 5), 2, 100));
    gross.Zonen = C3DGenerator::MaxZonen;
    int ergebnis = 0;
    const double generator = Sekunden([&] { ergebnis = C3DGenerator(gross, notifier).Erzeuge3DFlaechen(); });
    std::printf("Generator, %d zones x %d points x 100 storeys: %.3f s (result %d, %zu walls, %zu planes)\n",
                C3DGenerator::MaxZonen, C3DGenerator::MaxGrundrissPunkte, generator, ergebnis, gross.m_aWand.size(),
                gross.m_aPlane.size());

    Haus haus;
    haus.Steildach = 0;
    haus.m_aZone[0] = Turm(10, 10, 9, 99);
    haus.m_aZone.Add(Zone());
    haus.Zonen = 2;
    haus.Stockwerkszahl = 99;
    haus.Flag2DPixelZaehlraster = 500;
    double flaeche = 0;
    double volumen = 0;
    const double zeitFlaeche = Sekunden([&] { flaeche = GesamtFlaeche(haus); });
    const double zeitVolumen = Sekunden([&] { volumen = GesamtVolumen(haus); });
    std::printf("Heated area, 99 storeys, raster 500, 100 points: %.3f s (%.1f m2); volume %.3f s (%.1f m3)\n",
                zeitFlaeche, flaeche, zeitVolumen, volumen);
    return ergebnis == 1 ? 0 : 1;
}
