#include "model/DSBauteilOpaque.h"

#include "platform/BinaryArchive.h"

namespace zeva {

void DSBauteilOpaque::Kopiere(const DSBauteilOpaque& s)
{
    DSBauteil::Kopiere(s);
    Schichten = s.Schichten;
    Tauwassermenge = s.Tauwassermenge;
    Dicke = s.Dicke;
    kWert = s.kWert;
    Verwendung = s.Verwendung;
    MoeglichInnen = s.MoeglichInnen;
    MoeglichAussen = s.MoeglichAussen;
    MoeglichZwischen = s.MoeglichZwischen;
}

bool DSBauteilOpaque::IstLeer() const
{
    return DSBauteil::IstLeer() && Schichten.empty() && Tauwassermenge == 0 && Dicke == 0 && kWert == 0 &&
           Verwendung == Keine;
}

void DSBauteilOpaque::Leere()
{
    DSBauteil::Leere();
    Schichten.clear();
    Tauwassermenge = 0;
    Dicke = 0;
    kWert = 0;
    MoeglichInnen = 0;
    MoeglichAussen = 0;
    MoeglichZwischen = 0;
    Verwendung = Keine;
}

bool DSBauteilOpaque::operator==(const DSBauteilOpaque& o) const
{
    return DSBauteil::operator==(o) && Schichten == o.Schichten && Tauwassermenge == o.Tauwassermenge &&
           Dicke == o.Dicke && kWert == o.kWert && Verwendung == o.Verwendung && MoeglichInnen == o.MoeglichInnen &&
           MoeglichAussen == o.MoeglichAussen && MoeglichZwischen == o.MoeglichZwischen;
}

void DSBauteilOpaque::Serialize(BinaryArchive& ar)
{
    // Tauwassermenge, Co2, Kea and the row flags are not in this form.
    Name = ar.ReadString();
    Langtext = ar.ReadString();
    Schichten = ar.ReadString();
    Dicke = ar.ReadDouble();
    kWert = ar.ReadDouble();
    Lebensdauer = ar.ReadDouble();
    Verwendung = ar.ReadInt();
    Preis = ar.ReadDouble();
    Preisfix = ar.ReadDouble();
    PreisProQm = ar.ReadDouble();
    Bitmappfad = ar.ReadString();
}

} // namespace zeva
