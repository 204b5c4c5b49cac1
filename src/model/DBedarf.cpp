#include "model/DBedarf.h"

#include "platform/BinaryArchive.h"

namespace zeva {

DBedarf::DBedarf(const DBedarf& quelle) : CXmlSerializable<DBedarf>()
{
    *this = quelle;
}

DBedarf& DBedarf::operator=(const DBedarf& quelle)
{
    if (this == &quelle)
        return *this;
    Brennstoffenergiebedarf = quelle.Brennstoffenergiebedarf;
    Waermebedarf = quelle.Waermebedarf;
    Heizungsverlust = quelle.Heizungsverlust;
    Lueftung = quelle.Lueftung;
    Elektrizitaet = quelle.Elektrizitaet;
    ElektrizitaetNutzbar = quelle.ElektrizitaetNutzbar;
    Personen = quelle.Personen;
    PersonenNutzbar = quelle.PersonenNutzbar;
    Flachdachsumme = quelle.Flachdachsumme;
    Steildachsumme = quelle.Steildachsumme;
    Deckesumme = quelle.Deckesumme;
    Wandsumme = quelle.Wandsumme;
    Bodensumme = quelle.Bodensumme;
    Fensterverlustsumme = quelle.Fensterverlustsumme;
    Fenstergewinnsumme = quelle.Fenstergewinnsumme;
    Fenstergewinnnutzbarsumme = quelle.Fenstergewinnnutzbarsumme;
    m_aBedFlachdach = quelle.m_aBedFlachdach;
    m_aBedSteildach = quelle.m_aBedSteildach;
    m_aBedDecke = quelle.m_aBedDecke;
    m_aBedWand = quelle.m_aBedWand;
    m_aBedBoden = quelle.m_aBedBoden;
    m_aBedFensterverlust = quelle.m_aBedFensterverlust;
    m_aBedFenstergewinn = quelle.m_aBedFenstergewinn;
    m_aBedFenstergewinnnutzbar = quelle.m_aBedFenstergewinnnutzbar;
    Gesamtkosten = quelle.Gesamtkosten;
    GesamtkostenProJahr = quelle.GesamtkostenProJahr;
    Zielfunktion = quelle.Zielfunktion;
    Grenze = quelle.Grenze;
    return *this;
}

void DBedarf::Serialize(BinaryArchive& ar)
{
    for (double* summe : {&Brennstoffenergiebedarf, &Waermebedarf, &Heizungsverlust, &Lueftung, &Elektrizitaet,
                          &ElektrizitaetNutzbar, &Personen, &PersonenNutzbar, &Flachdachsumme, &Steildachsumme,
                          &Deckesumme, &Wandsumme, &Bodensumme, &Fensterverlustsumme, &Fenstergewinnsumme,
                          &Fenstergewinnnutzbarsumme})
        *summe = ar.ReadDouble();
    for (CXmlDoubleArray* reihe : {&m_aBedFlachdach, &m_aBedSteildach, &m_aBedDecke, &m_aBedWand, &m_aBedBoden,
                                   &m_aBedFensterverlust, &m_aBedFenstergewinn, &m_aBedFenstergewinnnutzbar})
        reihe->Serialize(ar);
    Gesamtkosten = ar.ReadDouble();
    GesamtkostenProJahr = ar.ReadDouble();
}

} // namespace zeva
