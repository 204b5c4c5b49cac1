#include "model/GleichePlane.h"

namespace zeva {

bool GleichePlane(const Plane& a, const Plane& b)
{
    return a.lo == b.lo && a.ro == b.ro && a.ru == b.ru && a.lu == b.lu && a.Traeger1ID == b.Traeger1ID &&
           a.Traeger2ID == b.Traeger2ID && a.ID == b.ID && a.GaubenID == b.GaubenID &&
           a.FassadenID == b.FassadenID && a.FlaecheWurdeBearbeitet == b.FlaecheWurdeBearbeitet &&
           a.FensterAufFlaechePlaziert == b.FensterAufFlaechePlaziert;
}

} // namespace zeva
