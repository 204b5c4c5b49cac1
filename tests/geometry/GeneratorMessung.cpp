// Times of the plan editor's heaviest computations on the largest house the
// limits admit, run by hand (a Release build gives the figures that count):
//   generator_messung
// 1. The surface generator on 20 zones, each a regular 100-gon of radius
//    2 m with 100 storeys of 2.5 m under a flat roof (about 200,000 walls).
// 2. The heated floor area and the volume at the editor's largest settings:
//    one 100-gon of radius 9 m, 99 storeys, the counting raster of 500.
// It prints the seconds of each and the counts that show what was built.
#include "Grenzhaus.h"
#include "geometry/C3DGenerator.h"
#include "geometry/Flaechenberechnung.h"
#include "model/Haus.h"

#include <cstdio>

extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

int main()
{
    using namespace zeva;
    using namespace zeva::messung;
    Messnotifier notifier;

    Haus gross;
    BaueGrenzhaus(gross);
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
