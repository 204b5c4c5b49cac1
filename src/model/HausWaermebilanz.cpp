// The one entry to the heat-demand calculation of a house: it prepares the
// demand record of the existing state and runs the selected method.
#include "model/Haus.h"

namespace zeva {

double Haus::Waermebilanz(Notifier& notifier)
{
    if (m_aBedarf.empty())
        m_aBedarf.SetSize(1);
    DBedarf& bedarf = m_aBedarf[0];
    m_Bilanzteile.Gueltig = false;

    // The 16 sums start from 0; costs, Zielfunktion and Grenze belong to the
    // variant operations and stay.
    for (double* summe : {&bedarf.Brennstoffenergiebedarf, &bedarf.Waermebedarf, &bedarf.Heizungsverlust,
                          &bedarf.Lueftung, &bedarf.Elektrizitaet, &bedarf.ElektrizitaetNutzbar, &bedarf.Personen,
                          &bedarf.PersonenNutzbar, &bedarf.Flachdachsumme, &bedarf.Steildachsumme,
                          &bedarf.Deckesumme, &bedarf.Wandsumme, &bedarf.Bodensumme, &bedarf.Fensterverlustsumme,
                          &bedarf.Fenstergewinnsumme, &bedarf.Fenstergewinnnutzbarsumme})
        *summe = 0;

    // One zero per component of the group.
    auto bereite = [](CXmlDoubleArray& werte, std::size_t anzahl) {
        werte.RemoveAll();
        werte.SetSize(anzahl);
    };
    bereite(bedarf.m_aBedFlachdach, m_aFlachdach.size());
    bereite(bedarf.m_aBedSteildach, m_aSteildach.size());
    bereite(bedarf.m_aBedDecke, m_aDecke.size());
    bereite(bedarf.m_aBedWand, m_aWand.size());
    bereite(bedarf.m_aBedBoden, m_aBoden.size());
    bereite(bedarf.m_aBedFensterverlust, m_aFenster.size());
    bereite(bedarf.m_aBedFenstergewinn, m_aFenster.size());
    bereite(bedarf.m_aBedFenstergewinnnutzbar, m_aFenster.size());

    switch (Berechnungsverfahren) {
    case BerechnungEnEV: return MonatsbilanzEnEV(notifier);
    case BerechnungSIA: return MonatsbilanzSIA(notifier);
    case BerechnungWSVO95: return JahresbilanzWSVO95();
    default: return 0;
    }
}

} // namespace zeva
