#include "model/DSBauteil.h"

namespace zeva {

void DSBauteil::Kopiere(const DSBauteil& s)
{
    Name = s.Name;
    Langtext = s.Langtext;
    Lebensdauer = s.Lebensdauer;
    Preis = s.Preis;
    Preisfix = s.Preisfix;
    PreisProQm = s.PreisProQm;
    Bitmappfad = s.Bitmappfad;
    Co2 = s.Co2;
    Kea = s.Kea;
}

bool DSBauteil::IstLeer() const
{
    return Name.empty() && Langtext.empty() && Bitmappfad.empty() && Lebensdauer == 0 && Preis == 0 &&
           Preisfix == 0 && PreisProQm == 0;
}

void DSBauteil::Leere()
{
    Name.clear();
    Langtext.clear();
    Bitmappfad.clear();
    Lebensdauer = 0;
    Preis = 0;
    Preisfix = 0;
    PreisProQm = 0;
    Co2 = 0;
    Kea = 0;
}

bool DSBauteil::operator==(const DSBauteil& o) const
{
    return Name == o.Name && Langtext == o.Langtext && Lebensdauer == o.Lebensdauer && Preis == o.Preis &&
           Preisfix == o.Preisfix && PreisProQm == o.PreisProQm && Bitmappfad == o.Bitmappfad && Co2 == o.Co2 &&
           Kea == o.Kea;
}

} // namespace zeva
