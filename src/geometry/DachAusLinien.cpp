#include "geometry/DachAusLinien.h"

#include "geometry/CPolygon2D.h"
#include "geometry/DachVerschneidung.h"
#include "geometry/Strecke2D.h"
#include "model/Haus.h"

#include <cmath>
#include <utility>

namespace zeva {

std::vector<CDach> DaecherAusLinien(const Punkt2DArray& linien1, const Punkt2DArray& linien2, const Zone* ersteZone,
                                    double dachhoehe, double dachgeschosshoehe)
{
    std::vector<CDach> daecher;
    for (std::size_t l = 0; l + 1 < linien1.size(); l += 2) {
        const Punkt2D a = linien1[l];
        const Punkt2D b = linien1[l + 1];

        // The corners are the other ends of the hip lines that leave the
        // ridge ends.
        CPolygon2D ecken;
        for (std::size_t g = 0; g + 1 < linien2.size(); g += 2) {
            const Punkt2D& s = linien2[g];
            const Punkt2D& t = linien2[g + 1];
            if (s == a || s == b)
                ecken.FuegeHinzu(t);
            else if (t == a || t == b)
                ecken.FuegeHinzu(s);
        }
        ecken.Sortiere(1);

        CDach dach = ersteZone != nullptr ? CDach(dachtyp::Walmdach, *ersteZone) : CDach(dachtyp::Walmdach);
        dach.SetzePunktzahl();
        dach.SetzeKanten();
        dach.BerechneDachpunkte(true);
        dach.m_points[4] = a;
        dach.m_points[5] = b;

        // The end edges are those that the ridge line crosses: the ridge ends
        // lie inside the outline, so the ridge segment itself never reaches
        // them. Corners 0 and 1 take the edge nearer A, 2 and 3 the other.
        const Strecke2D first(a, b);
        const std::size_t n = ecken.size();
        for (std::size_t i = 0; n >= 2 && i < n; ++i) {
            const Punkt2D& c0 = ecken[i];
            const Punkt2D& c1 = ecken[(i + 1) % n];
            const Strecke2D kante(c0, c1);
            Punkt2D x;
            if (kante.Schnittpunkt(first, x) == -1)
                continue;
            const Punkt2D d = c1 - c0;
            const double laenge2 = d.x * d.x + d.y * d.y;
            const double t = ((x - c0).x * d.x + (x - c0).y * d.y) / laenge2;
            if (t < -1e-9 || t > 1 + 1e-9)
                continue;
            if ((b - c0).Betrag() > (a - c0).Betrag()) {
                dach.m_points[0] = c0;
                dach.m_points[1] = c1;
            } else {
                dach.m_points[2] = c0;
                dach.m_points[3] = c1;
            }
        }

        const Punkt2D diagonale = dach.m_points[2] - dach.m_points[0];
        dach.m_size = Punkt2D(std::fabs(diagonale.x), std::fabs(diagonale.y));
        dach.Hoehe = dachhoehe;
        dach.BerechneKnickhoehen();
        dach.GeschossHoehe = dachgeschosshoehe;
        dach.SetzeFirstachse();
        dach.BaueFlaechenliste();
        dach.Sperre = 1;
        dach.FirstGedreht = 0;
        daecher.push_back(std::move(dach));
    }
    return daecher;
}

std::size_t DaecherAusLinien(Haus& haus)
{
    const Zone* ersteZone = haus.m_aZone.empty() ? nullptr : &haus.m_aZone[0];
    std::vector<CDach> daecher =
        DaecherAusLinien(haus.m_aLinien1, haus.m_aLinien2, ersteZone, haus.Dachhoehe, haus.Dachgeschosshoehe);
    for (const CDach& dach : daecher)
        haus.m_aDach.Add(dach);
    if (!daecher.empty() && haus.m_aDach.size() > 1)
        VerschneideDaecher(haus.m_aDach);
    return daecher.size();
}

} // namespace zeva
