// Times and sizes of saving and opening the largest project the limits
// admit, run by hand (a Release build gives the figures that count), each
// direction in a process of its own so that /usr/bin/time -v shows the peak
// memory of that direction alone:
//   /usr/bin/time -v dokument_messung schreiben /tmp/gross.vza
//   /usr/bin/time -v dokument_messung lesen /tmp/gross.vza
// "schreiben" builds the house of generator_messung (20 zones, each a
// regular 100-gon with 100 storeys, about 200,000 walls), gives it three
// renovation variants (four building states, as a finished project has; a
// third argument gives another number) and saves it; "lesen" opens that
// file (and with a third argument saves what it read there, to compare with
// cmp). Each prints the seconds it took and the counts that show what was
// written or read.
#include "Grenzhaus.h"
#include "geometry/C3DGenerator.h"
#include "geometry/Projektdatei.h"
#include "model/DOptionen.h"
#include "model/Haus.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string_view>

extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

namespace {

using namespace zeva::messung;

int Schreiben(const std::filesystem::path& datei, int varianten)
{
    using namespace zeva;
    Messnotifier notifier;
    DOptionen optionen;
    Haus haus;
    BaueGrenzhaus(haus);
    int ergebnis = 0;
    const double generator = Sekunden([&] { ergebnis = C3DGenerator(haus, notifier).Erzeuge3DFlaechen(); });
    for (int v = 0; v < varianten; ++v)
        haus.NeueVariante(true, optionen);
    std::printf("Generator: %.3f s (result %d, %zu walls, %zu planes, %d building states)\n", generator, ergebnis,
                haus.m_aWand.size(), haus.m_aPlane.size(), haus.AnzahlZustaende());
    const double speichern = Sekunden([&] { SpeichereProjekt(datei, haus, optionen); });
    std::printf("Save: %.3f s (%ju bytes)\n", speichern, static_cast<std::uintmax_t>(std::filesystem::file_size(datei)));
    return ergebnis == 1 ? 0 : 1;
}

int Lesen(const std::filesystem::path& datei, const char* kopie)
{
    using namespace zeva;
    Messnotifier notifier;
    DOptionen optionen;
    std::unique_ptr<Haus> haus;
    const double oeffnen = Sekunden([&] { haus = OeffneProjekt(datei, optionen, notifier); });
    std::printf("Open: %.3f s (%zu walls, %zu planes, %d building states)\n", oeffnen, haus->m_aWand.size(),
                haus->m_aPlane.size(), haus->AnzahlZustaende());
    if (kopie != nullptr)
        SpeichereProjekt(kopie, *haus, optionen);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string_view art = argc >= 3 ? argv[1] : "";
    if ((art != "schreiben" && art != "lesen") || argc > 4) {
        std::fprintf(stderr, "usage: dokument_messung schreiben FILE [VARIANTS, default 3]\n"
                             "       dokument_messung lesen FILE [COPY, saved again for comparison]\n");
        return 2;
    }
    try {
        if (art == "schreiben")
            return Schreiben(argv[2], argc == 4 ? std::atoi(argv[3]) : 3);
        return Lesen(argv[2], argc == 4 ? argv[3] : nullptr);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
