#include "model/SanierungsZeile.h"

namespace zeva {

SanZeileOpaque SanZeileFlachdach::AlsOpaque() const
{
    SanZeileOpaque z;
    z.ID = ID;
    z.Kategorie = Kategorie;
    z.Name = Name;
    z.Langtext = Langtext;
    z.Innen = Innen;
    z.Zwischen = Zwischen;
    z.Aussen = Aussen;
    z.Schichten = Schichten;
    z.kWert = kWert;
    z.Dicke = Dicke;
    z.Lebensdauer = Lebensdauer;
    z.Sowiesokostenfix = Sowiesokostenfix;
    z.Sowiesokosten = Sowiesokosten;
    z.Zusatzkostenfix = Zusatzkostenfix;
    z.Zusatzkosten = Zusatzkosten;
    z.KEA = KEA;
    z.CO2 = CO2;
    z.Bitmappfad = Bitmappfad;
    return z;
}

bool BerechneSanPreis(const SanZeileOpaque& z, SanPreisWeg weg, SanPreis& preis)
{
    const double summeProQm = z.Zusatzkosten + z.Sowiesokosten;
    const double summeFix = z.Zusatzkostenfix + z.Sowiesokostenfix;

    if (weg == SanPreisWeg::Optimierer) {
        // Per m² only; an outside measure is charged without the costs that
        // arise anyway.
        if (z.Innen != 0)
            preis = {0, summeProQm, 0};
        else if (z.Aussen != 0)
            preis = {1, z.Zusatzkosten, 0};
        else if (z.Zwischen != 0)
            preis = {2, summeProQm, 0};
        else
            return false;
        return true;
    }

    // The browse dialogs: a core fill is charged without the costs that
    // arise anyway, and it is tested before outside.
    if (z.Innen != 0)
        preis = {0, summeProQm, summeFix};
    else if (z.Zwischen != 0)
        preis = {2, z.Zusatzkosten, z.Zusatzkostenfix};
    else if (z.Aussen != 0)
        preis = {1, summeProQm, summeFix};
    else
        return false;
    return true;
}

double BerechneHeizkesselPreis(const SanZeileHeizkessel& zeile, bool einzelraumheizung, double zentralheizung,
                               double energiebezugsflaeche, double heizkesselTauschen)
{
    if (einzelraumheizung)
        return zeile.Preis + zentralheizung * energiebezugsflaeche;
    return zeile.Preis + heizkesselTauschen;
}

} // namespace zeva
