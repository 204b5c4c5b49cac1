#include "model/Gaube.h"

#include "platform/BinaryArchive.h"

namespace zeva {

namespace {

// Keeps the divisions below finite when two heights coincide.
constexpr double Abstand = 1e-12;

Punkt3D AufKante(const Punkt3D& unten, const Punkt3D& oben, double anteil)
{
    return unten + (oben - unten) * anteil;
}

} // namespace

double Gaube::SchnittflaecheAufHoehe(double h) const
{
    const Plane& dach = m_Dachflaeche;
    const Plane& stirn = m_Stirnflaeche;
    const double unten = m_Dachauflage.lu.y;
    double oben = m_Dachauflage.ro.y;
    if (oben == unten)
        oben = unten + Abstand;
    double stirnOben = stirn.ro.y;
    if (stirnOben == unten)
        stirnOben = unten + Abstand;
    if (stirnOben == oben)
        stirnOben = oben - Abstand;

    if (h <= unten || h >= oben)
        return 0;

    const double m = (h - unten) / (oben - unten);
    Plane schnitt;
    schnitt.lo = AufKante(dach.lu, dach.lo, m);
    schnitt.ro = AufKante(dach.ru, dach.ro, m);
    if (h < stirnOben) {
        const double g = (h - unten) / (stirnOben - unten);
        schnitt.lu = AufKante(stirn.lu, stirn.lo, g);
        schnitt.ru = AufKante(stirn.ru, stirn.ro, g);
    } else {
        const double g = (h - stirnOben) / (oben - stirnOben);
        schnitt.lu = AufKante(dach.lu, dach.lo, g);
        schnitt.ru = AufKante(dach.ru, dach.ro, g);
    }
    return schnitt.Flaeche();
}

void Gaube::Serialize(BinaryArchive& ar)
{
    ID = ar.ReadInt();
    Traeger1ID = ar.ReadInt();
    Traeger2ID = ar.ReadInt();
    if (ar.Version() >= 4)
        FassadenID = ar.ReadInt();
    else
        FassadenID = Traeger1ID;
    m_Dachauflage.Serialize(ar);
    m_Deckenflaeche.Serialize(ar);
    m_Dachflaeche.Serialize(ar);
    m_Seitenflaeche_links.Serialize(ar);
    m_Seitenflaeche_rechts.Serialize(ar);
    m_Stirnflaeche.Serialize(ar);
}

} // namespace zeva
