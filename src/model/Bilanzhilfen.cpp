#include "model/Bilanzhilfen.h"

#include <cmath>

namespace zeva {

double FensterEinstrahlung(const Klimadaten& klima, std::size_t monat, std::int32_t richtung, std::int32_t neigung)
{
    const double horizontal = klima.StrahlungHorizontal[monat];
    if (neigung == 2)
        return horizontal;

    const double nord = klima.StrahlungNord[monat];
    const double ost = klima.StrahlungOst[monat];
    const double sued = klima.StrahlungSued[monat];
    const double west = klima.StrahlungWest[monat];
    double wert = 0;
    switch (richtung) {
    case 0: wert = nord; break;
    case 1: wert = std::sqrt(nord * ost); break;
    case 2: wert = ost; break;
    case 3: wert = std::sqrt(sued * ost); break;
    case 4: wert = sued; break;
    case 5: wert = std::sqrt(sued * west); break;
    case 6: wert = west; break;
    case 7: wert = std::sqrt(west * nord); break;
    default: return 0;
    }
    if (neigung == 1)
        wert = std::sqrt(wert * horizontal);
    return wert;
}

double Summe(const CXmlDoubleArray& werte)
{
    double summe = 0;
    for (const double w : werte)
        summe += w;
    return summe;
}

} // namespace zeva
