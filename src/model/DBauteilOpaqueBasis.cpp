#include "model/DBauteilOpaqueBasis.h"

namespace zeva {

bool SetzeOpakeSanierung(DSBauteilOpaque& m, const SanZeileOpaque& zeile, double flaeche, std::int32_t schicht,
                         const CDSchichtArray& schichtaufbau)
{
    m.Name = zeile.Name;
    m.Langtext = zeile.Langtext;
    m.Lebensdauer = zeile.Lebensdauer;
    m.Bitmappfad = zeile.Bitmappfad;
    m.Schichten = zeile.Schichten;

    // A row that names no place keeps the use and price the slot had.
    SanPreis preis;
    if (BerechneSanPreis(zeile, SanPreisWeg::Optimierer, preis)) {
        m.Verwendung = preis.Verwendung;
        m.PreisProQm = preis.PreisProQm;
    }
    m.Preis = m.PreisProQm * flaeche;

    bool ergebnis = true;
    // A core fill fills the component's own cavities: the thickness is that
    // of its air layers, and the fill material's conductivity (row U-value
    // times row thickness) is spread over it. The row's Zwischen column
    // decides, whatever use was chosen above.
    if (zeile.Zwischen != 0 && schicht == 1) {
        double hohlraum = 0;
        for (const DSchicht& s : schichtaufbau)
            if (s.IstLuftschicht())
                hohlraum += s.Dicke;
        m.Dicke = hohlraum;
        if (hohlraum > 1e-8) {
            m.kWert = zeile.kWert * zeile.Dicke / hohlraum;
        } else {
            // No cavity: as if it were 1e-8 m thick. Applying a measure
            // without thickness changes nothing, so the value does no harm.
            m.kWert = zeile.Dicke * zeile.kWert * 1e8;
            ergebnis = false;
        }
    } else {
        m.Dicke = zeile.Dicke;
        m.kWert = zeile.kWert;
    }

    m.Kea = zeile.KEA;
    m.Co2 = zeile.CO2;
    return ergebnis;
}

} // namespace zeva
