#include "model/Zone.h"

#include "platform/BinaryArchive.h"

namespace zeva {

void Zone::Serialize(BinaryArchive& ar)
{
    Innerhalb = ar.ReadInt();
    Dachhoehe = ar.ReadDouble();
    Dachgeschosshoehe = ar.ReadDouble();
    Drempelhoehe = ar.ReadDouble();
    Stockwerkshoehe = ar.ReadDouble();
    Stockwerkszahl = ar.ReadInt();
    Kellerhoehe = ar.ReadDouble();
    Geschlossen = ar.ReadInt();
    StartPunktInZone = ar.ReadInt();
    StartPunktAufLinie = ar.ReadInt();
    EndPunktInZone = ar.ReadInt();
    EndPunktAufLinie = ar.ReadInt();
    KlimaZone = ar.ReadInt();
    KellerBeheizt = ar.ReadInt();
    HoeheUeberGrund = ar.ReadDouble();
    m_a2DGrundrissPunkte.Serialize(ar);
}

bool Zone::operator==(const Zone& o) const
{
    return Innerhalb == o.Innerhalb && Dachhoehe == o.Dachhoehe && Dachgeschosshoehe == o.Dachgeschosshoehe &&
           Drempelhoehe == o.Drempelhoehe && Stockwerkshoehe == o.Stockwerkshoehe &&
           Stockwerkszahl == o.Stockwerkszahl && Kellerhoehe == o.Kellerhoehe &&
           HoeheUeberGrund == o.HoeheUeberGrund && Geschlossen == o.Geschlossen &&
           StartPunktInZone == o.StartPunktInZone && StartPunktAufLinie == o.StartPunktAufLinie &&
           EndPunktInZone == o.EndPunktInZone && EndPunktAufLinie == o.EndPunktAufLinie &&
           KlimaZone == o.KlimaZone && KellerBeheizt == o.KellerBeheizt &&
           m_a2DGrundrissPunkte.Elemente() == o.m_a2DGrundrissPunkte.Elemente();
}

} // namespace zeva
