#pragma once
// Where roofs meet. In the plan each roof keeps the points where its ridge and
// eaves meet the other roofs (snap targets of the plan editor); in space a
// face of a heated roof that lies in the plane of a touching heated roof's
// face loses the part that face covers, so that it is not counted twice.
#include "model/CDach.h"
#include "model/Plane.h"

#include <span>

namespace zeva {

// Recomputes the junction points (m_Anschlusspunkte) of every finished roof
// of the house's roof array. Run after any change of a roof's points or
// heights while the house holds more than one roof.
void VerschneideDaecher(CObjektArray<CDach>& daecher);

// The rebuild of every roof after a document was read
// (CDach::AktualisiereNachLaden), then the junctions once.
void AktualisiereDaecherNachLaden(CObjektArray<CDach>& daecher);

// Whether the face remains beside the neighbouring roofs; abgedeckt receives
// the area of it that faces of those roofs in its own plane cover (the
// caller subtracts it).
bool Abschneiden(const Plane& flaeche, std::span<const CDach* const> nachbarn, double& abgedeckt);

// Area that two vertical planes in one plane have in common.
double Ueberlappung(const Plane& a, const Plane& b);

} // namespace zeva
