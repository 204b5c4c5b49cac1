#include "input/Fenstertabelle.h"

#include "model/Eingabehilfen.h"
#include "model/Haus.h"

#include <vector>

namespace zeva {

Fenstertabelle::Fenstertabelle(const Haus& haus, CDFensterArray& fenster, const Plane& traeger, int vorgabeRichtung,
                               int vorgabeNeigung)
    : m_haus(haus), m_paFenster(fenster), m_Traegerflaeche(traeger)
{
    m_aZeilen = fenster;
    m_aZeilenAlt = fenster;
    for (int i = m_aZeilen.GetSize() - 1; i >= 0; --i)
        if (m_aZeilen[static_cast<std::size_t>(i)].m_plane.Traeger2ID != traeger.ID)
            m_aZeilen.RemoveAt(static_cast<std::size_t>(i));
    m_nZeilen = m_aZeilen.GetSize();
    while (m_nZeilen < ZeilenProSeite) {
        m_aZeilen.Add(haus.m_defaultFenster);
        ++m_nZeilen;
    }
    const bool vomTraeger = vorgabeRichtung == -1 && vorgabeNeigung == -1;
    for (DFenster& f : m_aZeilen) {
        f.Richtung = vomTraeger ? traeger.Richtungsklasse(haus.Ausrichtung) : vorgabeRichtung;
        f.Neigung = vomTraeger ? traeger.Neigungsklasse() : vorgabeNeigung;
    }
}

DFenster Fenstertabelle::NeueZeile() const
{
    DFenster f = m_haus.m_defaultFenster;
    f.Flaeche = 0;
    f.Richtung = m_Traegerflaeche.Richtungsklasse(m_haus.Ausrichtung);
    f.Neigung = m_Traegerflaeche.Neigungsklasse();
    return f;
}

Fenstertabelle::Seitenzeile Fenstertabelle::Anzeige(int k) const
{
    const DFenster& f = Zeile(m_nErsteZeile + k);
    Seitenzeile z;
    z.name = f.NameGlas;
    z.flaeche = f.Flaeche;
    z.rahmenanteil = f.Rahmenanteil * 100.0;
    z.richtung = f.Richtung >= 0 && f.Richtung < 8 ? f.Richtung : -1;
    return z;
}

void Fenstertabelle::UebernimmSeite(const std::array<Seitenzeile, ZeilenProSeite>& seite)
{
    for (int k = 1; k <= ZeilenProSeite; ++k) {
        const int r = m_nErsteZeile + k;
        const Seitenzeile& z = seite[static_cast<std::size_t>(k - 1)];
        DFenster& f = Zeile(r);
        f.Nummer = r;
        f.NameGlas = z.name;
        f.Flaeche = z.flaeche;
        // Divided rather than multiplied by 0.01: 30 % is then exactly 0.3.
        f.Rahmenanteil = z.rahmenanteil / 100.0;
        if (z.richtung >= 0)
            f.Richtung = z.richtung;
    }
}

bool Fenstertabelle::Runter()
{
    if (!KannRunter())
        return false;
    if (LetzteSeite()) {
        m_aZeilen.Add(NeueZeile());
        ++m_nZeilen;
    }
    ++m_nErsteZeile;
    return true;
}

bool Fenstertabelle::LoescheAktuelleZeile()
{
    if (!AktuelleZeileGueltig())
        return false;
    m_aZeilen.RemoveAt(static_cast<std::size_t>(m_nAktuelleZeile - 1));
    if (m_nZeilen < 6)
        m_aZeilen.Add(NeueZeile());
    else
        --m_nZeilen;
    NachLoeschen();
    return true;
}

bool Fenstertabelle::PruefeFlaechen() const
{
    double summe = 0;
    for (const DFenster& f : m_aZeilen)
        summe += f.Flaeche;
    return summe < m_Traegerflaeche.Flaeche();
}

void Fenstertabelle::Zurueckschreiben(int varianten)
{
    for (int i = m_aZeilen.GetSize() - 1; i >= 0; --i)
        if (m_aZeilen[static_cast<std::size_t>(i)].IstUngueltig())
            m_aZeilen.RemoveAt(static_cast<std::size_t>(i));
    m_nZeilen = m_aZeilen.GetSize();

    // The windows on the carrier's other part areas keep their IDs; none of
    // them is given again.
    std::vector<std::int32_t> belegt;
    for (const DFenster& f : m_paFenster)
        if (f.m_plane.Traeger1ID == m_Traegerflaeche.Traeger1ID && f.m_plane.Traeger2ID != m_Traegerflaeche.ID)
            belegt.push_back(f.m_plane.ID);
    std::vector<DFenster*> zeilen;
    for (DFenster& f : m_aZeilen)
        zeilen.push_back(&f);
    SetzeFensterPlanes(m_Traegerflaeche, zeilen, belegt);
    for (DFenster& f : m_aZeilen)
        f.m_aSan.SetSize(static_cast<std::size_t>(varianten + 1));

    // The opener's array is the one copied on opening (the dialog is modal
    // over its opener), so the old copy finds the carrier's windows by index.
    std::size_t ort = 0;
    for (int j = m_aZeilenAlt.GetSize() - 1; j >= 0; --j) {
        if (m_aZeilenAlt[static_cast<std::size_t>(j)].m_plane.Traeger2ID != m_Traegerflaeche.ID)
            continue;
        m_paFenster.RemoveAt(static_cast<std::size_t>(j));
        ort = static_cast<std::size_t>(j);
    }
    for (std::size_t i = 0; i < m_aZeilen.size(); ++i)
        m_paFenster.InsertAt(ort + i, m_aZeilen[i]);
}

} // namespace zeva
