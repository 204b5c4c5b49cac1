#include "model/DSchicht.h"

#include "platform/BinaryArchive.h"

namespace zeva {

bool DSchicht::operator==(const DSchicht& o) const
{
    return Name == o.Name && Dicke == o.Dicke && Lambda == o.Lambda && Mu == o.Mu && Langtext == o.Langtext &&
           Bitmappfad == o.Bitmappfad;
}

bool DSchicht::IstLeer() const
{
    return *this == DSchicht();
}

void DSchicht::Serialize(BinaryArchive& ar)
{
    Name = ar.ReadString();
    Dicke = ar.ReadDouble();
    Lambda = ar.ReadDouble();
    Mu = ar.ReadDouble();
    Langtext = ar.ReadString();
    Bitmappfad = ar.ReadString();
}

} // namespace zeva
