#include "geometry/Flaechenberechnung.h"

#include "geometry/DachFlaechen.h"
#include "geometry/DachSchnitt.h"
#include "geometry/Plangeometrie.h"
#include "model/Haus.h"

#include <algorithm>

namespace zeva {

namespace {

int GezaehlteZonen(const Haus& haus)
{
    return std::clamp(haus.Zonen, 0, haus.m_aZone.GetSize());
}

double Umrissflaeche(const Haus& haus, int zone)
{
    const int n = haus.Flag2DPixelZaehlraster;
    if (n <= 0)
        return 0;
    const double dx = haus.OpenGLWidth / n;
    const double dy = haus.OpenGLHeight / n;
    const int zonen = GezaehlteZonen(haus);
    const Punkt2DArray& umriss = haus.m_aZone[static_cast<std::size_t>(zone)].m_a2DGrundrissPunkte;
    long gesamt = 0;
    long treffer = 0;
    // The samples lie at the centres of the counting raster's cells, whatever
    // grid the editor snaps to: an outline on any grid is measured as on the
    // default one. Each sample is computed from its index, so that a raster
    // of many steps does not drift off the centres.
    for (int i = 0;; ++i) {
        const double x = dx / 2 + i * dx;
        if (!(x <= haus.OpenGLWidth))
            break;
        for (int j = 0;; ++j) {
            const double y = dy / 2 + j * dy;
            if (!(y <= haus.OpenGLHeight))
                break;
            ++gesamt;
            const Punkt2D q(x, y);
            if (!PunktInUmriss(q, umriss))
                continue;
            bool spaeter = false;
            for (int z = zone + 1; z < zonen && !spaeter; ++z)
                spaeter = PunktInUmriss(q, haus.m_aZone[static_cast<std::size_t>(z)].m_a2DGrundrissPunkte);
            if (!spaeter)
                ++treffer;
        }
    }
    if (gesamt == 0)
        return 0;
    return static_cast<double>(treffer) / static_cast<double>(gesamt) * haus.Flaeche2DEingabe;
}

// Whether the zone has a section of its own at height h: counted, and
// between the basement floor and the eaves (above them the roofs give it).
bool HatSchnitt(const Haus& haus, double h, int zone)
{
    if (zone < 0 || zone >= GezaehlteZonen(haus))
        return false;
    const Zone& z = haus.m_aZone[static_cast<std::size_t>(zone)];
    const double traufe = z.Stockwerkszahl * z.Stockwerkshoehe + z.Kellerhoehe + z.Drempelhoehe;
    return !(h < 0 || h > traufe);
}

// The sections of one zone: the same at every height it has one, so the
// raster is counted once however many storeys and slices ask.
class Zonenschnitt {
public:
    Zonenschnitt(const Haus& haus, int zone) : m_haus(haus), m_zone(zone) {}
    double Bei(double h)
    {
        if (!HatSchnitt(m_haus, h, m_zone))
            return 0;
        if (m_flaeche < 0)
            m_flaeche = Umrissflaeche(m_haus, m_zone);
        return m_flaeche;
    }

private:
    const Haus& m_haus;
    int m_zone;
    double m_flaeche = -1;
};

// The heated basements (by the house's flag) and every storey of the counted
// zones: their sections, with `volumen` each times its height.
double KellerUndGeschosse(const Haus& haus, bool volumen)
{
    double summe = 0;
    for (int i = 0; i < GezaehlteZonen(haus); ++i) {
        const Zone& z = haus.m_aZone[static_cast<std::size_t>(i)];
        Zonenschnitt schnitt(haus, i);
        if (haus.KellerBeheizt && z.Kellerhoehe > 0)
            summe += schnitt.Bei(0) * (volumen ? z.Kellerhoehe : 1.0);
        if (z.Stockwerkshoehe > 0 && z.Stockwerkszahl >= 1)
            for (int k = 1; k <= z.Stockwerkszahl; ++k)
                summe += schnitt.Bei((k - 1) * z.Stockwerkshoehe + z.Kellerhoehe) * (volumen ? z.Stockwerkshoehe : 1.0);
    }
    return summe;
}

} // namespace

double SchnittflaecheGeschoss(const Haus& haus, double h, int zone)
{
    return Zonenschnitt(haus, zone).Bei(h);
}

double GesamtFlaeche(Haus& haus)
{
    const double geschosse = KellerUndGeschosse(haus, false);
    double dach = 0;
    if (haus.Steildach == 1 && haus.Dachgeschosshoehe >= 2.0) {
        for (const CDach& d : haus.m_aDach) {
            if (!d.IstBeheizt())
                continue;
            // Clear heights count from the attic floor, below the eaves by
            // the knee wall of the zone under the roof.
            double drempel = 0;
            if (!haus.m_aZone.empty())
                drempel = haus.m_aZone[static_cast<std::size_t>(ZoneUnterDach(d, haus.m_aZone))].Drempelhoehe;
            const double a1 = SchnittflaecheAufHoehe(d, std::max(0.0, 1.0 - drempel));
            const double a2 = SchnittflaecheAufHoehe(d, std::max(0.0, 2.0 - drempel));
            dach += a1 > a2 ? a2 + 0.5 * (a1 - a2) : a2;
        }
    }
    haus.Energiebezugsflaeche = dach + geschosse;
    return haus.Energiebezugsflaeche;
}

double GesamtVolumen(Haus& haus)
{
    const double geschosse = KellerUndGeschosse(haus, true);
    double dach = 0;
    if (haus.Steildach == 1) {
        // The knee wall encloses heated volume only below a heated roof space.
        const int schritte = haus.Flag2DSchritteDachvolumen;
        if (haus.DachBeheizt != 0 && schritte > 0) {
            const double dz = haus.Drempelhoehe / schritte;
            if (dz > 0) {
                const double unten = haus.Stockwerkszahl * haus.Stockwerkshoehe + haus.Kellerhoehe;
                Zonenschnitt schnitt(haus, 0);
                for (int k = 0; k < schritte; ++k)
                    dach += schnitt.Bei(unten + dz / 2 + k * dz) * dz;
            }
        }
        for (const CDach& d : haus.m_aDach)
            if (d.IstBeheizt())
                dach += Dachvolumen(d, haus);
    }
    const double summe = dach + geschosse;
    haus.Volumen = summe * haus.Luftvolumenfaktor();
    return haus.Volumen;
}

} // namespace zeva
