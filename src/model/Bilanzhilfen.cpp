#include "model/Bilanzhilfen.h"

#include <cmath>
#include <string>

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

void SummiereGruppen(DBedarf& bedarf)
{
    bedarf.Flachdachsumme = Summe(bedarf.m_aBedFlachdach);
    bedarf.Steildachsumme = Summe(bedarf.m_aBedSteildach);
    bedarf.Deckesumme = Summe(bedarf.m_aBedDecke);
    bedarf.Wandsumme = Summe(bedarf.m_aBedWand);
    bedarf.Bodensumme = Summe(bedarf.m_aBedBoden);
    bedarf.Fensterverlustsumme = Summe(bedarf.m_aBedFensterverlust);
    bedarf.Fenstergewinnsumme = Summe(bedarf.m_aBedFenstergewinn);
    bedarf.Fenstergewinnnutzbarsumme = Summe(bedarf.m_aBedFenstergewinnnutzbar);
}

void MeldeFehlendeKlimadaten(Notifier& notifier, std::string_view verfahren)
{
    notifier.Nachricht("Die Datei KLIMA.RDT konnte nicht geöffnet werden. \n  Wärmebedarfsberechnung \n nach " +
                           std::string(verfahren) + " nicht möglich.",
                       Notifier::Art::Warnung);
}

} // namespace zeva
