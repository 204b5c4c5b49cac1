#pragma once
// The house of the table tests: the drawn zone 10 × 8 with its Satteldach,
// its surfaces generated as on leaving the roof input, and the component
// labels; and ways to find a carrier and to make records the user has filled
// in.
#include "geometry/C3DGenerator.h"
#include "geometry/DachTestHilfen.h"
#include "model/Haus.h"

#include <gtest/gtest.h>

#include <string>

namespace zeva::test {

inline void TabellenHaus(Haus& h)
{
    GezeichnetesHaus(h);
    StillerNotifier still;
    ASSERT_EQ(C3DGenerator(h, still).Erzeuge3DFlaechen(), 1);
    h.ErzeugeBauteilnamen();
}

// The index of the record labelled `kurzname`, -1 when there is none.
template <class Feld>
int IndexVon(const Feld& feld, const std::string& kurzname)
{
    for (int i = 0; i < feld.GetSize(); ++i)
        if (feld[static_cast<std::size_t>(i)].Kurzname == kurzname)
            return i;
    return -1;
}

// The carrier of most table tests: the storey wall "Wa-EG-03-00".
inline const char* const TraegerWand = "Wa-EG-03-00";

// A wall of 20 m² entered by hand with the number part `nummer`, appended
// (the reference lasts until the array changes).
inline const DWand& HandgemachteWand(Haus& h, int nummer)
{
    DWand eigen;
    eigen.m_plane.SetzeRechteck(20);
    eigen.m_plane.ID = PlaneIDAus(1, flaechenart::Geschosswand, nummer, 0, 5);
    eigen.m_plane.Traeger1ID = eigen.m_plane.ID;
    eigen.kWert = 1;
    return h.m_aWand[h.m_aWand.Add(eigen)];
}

// A window of the opener as the window table would have written it.
inline DFenster FensterAuf(const Plane& traeger, double flaeche, std::int32_t id)
{
    DFenster f;
    f.Flaeche = flaeche;
    f.kWertGlas = 2.8;
    f.m_plane.SetzeRechteck(flaeche);
    f.m_plane.ID = id;
    f.m_plane.Traeger1ID = traeger.Traeger1ID;
    f.m_plane.Traeger2ID = traeger.ID;
    return f;
}

} // namespace zeva::test
