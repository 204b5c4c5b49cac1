#include "model/DSFenster.h"

#include "platform/BinaryArchive.h"

namespace zeva {

void DSFenster::Kopiere(const DSFenster& s)
{
    DSBauteil::Kopiere(s);
    kWertGlas = s.kWertGlas;
    gWert = s.gWert;
    Rahmenanteil = s.Rahmenanteil;
    kWertRahmen = s.kWertRahmen;
}

bool DSFenster::IstLeer() const
{
    return Name.empty() && Langtext.empty() && Bitmappfad.empty() && kWertGlas == 0 && gWert == 0 &&
           kWertRahmen == 0 && Lebensdauer == 0 && Preis == 0 && Preisfix == 0 && PreisProQm == 0;
}

void DSFenster::Leere()
{
    Name.clear();
    Langtext.clear();
    Bitmappfad.clear();
    kWertGlas = 0;
    gWert = 0;
    kWertRahmen = 0;
    Lebensdauer = 0;
    Preis = 0;
    Preisfix = 0;
    PreisProQm = 0;
    Rahmenanteil = NeuerRahmenanteil;
}

bool DSFenster::operator==(const DSFenster& o) const
{
    return DSBauteil::operator==(o) && kWertGlas == o.kWertGlas && gWert == o.gWert &&
           Rahmenanteil == o.Rahmenanteil && kWertRahmen == o.kWertRahmen;
}

void DSFenster::Serialize(BinaryArchive& ar)
{
    // Co2 and Kea are not in this form.
    Name = ar.ReadString();
    Langtext = ar.ReadString();
    kWertGlas = ar.ReadDouble();
    gWert = ar.ReadDouble();
    Rahmenanteil = ar.ReadDouble();
    kWertRahmen = ar.ReadDouble();
    Lebensdauer = ar.ReadDouble();
    Preis = ar.ReadDouble();
    Preisfix = ar.ReadDouble();
    PreisProQm = ar.ReadDouble();
    Bitmappfad = ar.ReadString();
}

} // namespace zeva
