#include "model/DFenster.h"

#include "model/GleichePlane.h"
#include "platform/BinaryArchive.h"

namespace zeva {

bool DFenster::SetzeSanierung(int n, const SanZeileFenster& zeile)
{
    if (n < 0 || static_cast<std::size_t>(n) >= m_aSan.size())
        return false;
    DSFenster& m = m_aSan[static_cast<std::size_t>(n)];
    m.Name = zeile.Name;
    m.Langtext = zeile.Langtext;
    m.Bitmappfad = zeile.Bitmappfad;
    m.kWertGlas = zeile.kWertGlas;
    m.gWert = zeile.gWert;
    m.kWertRahmen = zeile.Rahmenaustausch != 0 ? zeile.kWertRahmen : kWertRahmen;
    m.Lebensdauer = zeile.Lebensdauer;
    m.PreisProQm = zeile.Zusatzkosten + zeile.Sowiesokosten;
    m.Preis = m.PreisProQm * Flaeche;
    m.Kea = zeile.KEA;
    m.Co2 = zeile.CO2;
    return true;
}

void DFenster::Serialize(BinaryArchive& ar)
{
    Nummer = ar.ReadInt();
    NameGlas = ar.ReadString();
    NameRahmen = ar.ReadString();
    Langtext = ar.ReadString();
    Flaeche = ar.ReadDouble();
    kWertGlas = ar.ReadDouble();
    gWert = ar.ReadDouble();
    Richtung = ar.ReadInt();
    Neigung = ar.ReadInt();
    Rahmenanteil = ar.ReadDouble();
    kWertRahmen = ar.ReadDouble();
    Sanbar = ar.ReadInt();
    SanMuss = ar.ReadInt();
    Reduktionsfaktor = ar.ReadDouble();
    Bitmappfad = ar.ReadString();
    Sowieso = ar.ReadDouble();
    Kommentar = ar.ReadString();
    GesamteFassadeBetrachten = ar.ReadInt();
    m_plane.Serialize(ar);
    m_aSan.Serialize(ar);
}

bool DFenster::operator==(const DFenster& o) const
{
    return Kurzname == o.Kurzname && GesamteFassadeBetrachten == o.GesamteFassadeBetrachten &&
           Sowieso == o.Sowieso && Nummer == o.Nummer && NameGlas == o.NameGlas && NameRahmen == o.NameRahmen &&
           Langtext == o.Langtext && Flaeche == o.Flaeche && kWertGlas == o.kWertGlas && gWert == o.gWert &&
           Richtung == o.Richtung && Neigung == o.Neigung && Rahmenanteil == o.Rahmenanteil &&
           kWertRahmen == o.kWertRahmen && Sanbar == o.Sanbar && SanMuss == o.SanMuss &&
           Reduktionsfaktor == o.Reduktionsfaktor && Bitmappfad == o.Bitmappfad && Kommentar == o.Kommentar &&
           GleichePlane(m_plane, o.m_plane) && m_aSan.Elemente() == o.m_aSan.Elemente();
}

} // namespace zeva
