#include "model/SchichtUWert.h"

#include "model/Zahlentext.h"

namespace zeva {

SchichtBeitrag SchichtUWertRechner::Schicht(const DSchicht& s)
{
    m_dickeM += s.Dicke;
    SchichtBeitrag b;
    if (m_beendet)
        return b;
    if (s.IstHinterlueftung()) {
        b.r = MitHinterlueftung - Oberflaechen;
        m_beendet = true;
    } else if (s.IstLuftschicht()) {
        // A still air layer of no thickness is no layer at all (its table
        // value would be a resistance of 1e8).
        if (s.Dicke > Mindestwert)
            b.r = LuftschichtWert(s.Dicke, m_fall);
    } else if (s.Dicke > Mindestwert && s.Lambda > Mindestwert) {
        b.r = s.Dicke / s.Lambda;
    }
    b.eigenerWert = !s.IstHinterlueftung() && b.r > 0;
    m_r += b.r;
    return b;
}

SchichtUWert SchichtUWertRechner::Ergebnis() const
{
    return {RundeSignifikant(1.0 / m_r, 4), m_dickeM * 100.0};
}

void EntferneLeereEndschichten(CObjektArray<DSchicht>& schichten)
{
    std::size_t n = schichten.size();
    while (n > 0 && schichten[n - 1].IstLeer())
        --n;
    schichten.SetSize(n);
}

} // namespace zeva
