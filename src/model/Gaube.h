#pragma once
// A dormer on a pitched roof face: its identity, the identities of the face it
// stands on, and six planes: the part of the roof face it covers, its own
// roof, ceiling, side walls and front wall.
//
// The dormer is roof geometry, but the house stores its dormers with the
// document, so the record lives with the other stored records in the model;
// the plan editor and the surface generator make and fill it.
#include "model/CXmlObjektArray.h"
#include "model/CXmlObject.h"
#include "model/Plane.h"

#include <array>
#include <cstdint>

namespace zeva {

class Gaube : public CXmlSerializable<Gaube> {
public:
    static constexpr const char* XmlElementName = "Gaube";
    // Document order: the IDs, then the planes in an order of their own.
    static auto GetXmlMembers(Gaube& g)
    {
        return std::array{XmlInt("ID", g.ID),
                          XmlInt("Traeger1ID", g.Traeger1ID),
                          XmlInt("Traeger2ID", g.Traeger2ID),
                          XmlInt("FassadenID", g.FassadenID),
                          XmlObject(g.m_Dachauflage),
                          XmlObject(g.m_Deckenflaeche),
                          XmlObject(g.m_Dachflaeche),
                          XmlObject(g.m_Seitenflaeche_links),
                          XmlObject(g.m_Seitenflaeche_rechts),
                          XmlObject(g.m_Stirnflaeche)};
    }

    // First running number of the dormer IDs (kind 10 of the plane IDs).
    static constexpr std::int32_t IdBasis = 10000000;

    Gaube() = default;
    Gaube(const Gaube&) = default;
    Gaube& operator=(const Gaube&) = default;

    // Area of the horizontal section through the dormer at height h (the y
    // coordinate): between the bottom and the top of the covered roof part
    // the quadrilateral from the side edges of the dormer roof to the side
    // edges of the front wall (below its top) or of the dormer roof (above
    // it); 0 at or outside the bottom and the top. Not rounded.
    double SchnittflaecheAufHoehe(double h) const;

    // Older binary form: the four IDs as 32-bit integers, then the planes in
    // document order. Documents below version 4 hold no FassadenID; it is
    // then the Traeger1ID.
    void Serialize(BinaryArchive& ar) override;

    Plane m_Dachflaeche;          // the dormer's roof; its top corners are those of m_Dachauflage
    Plane m_Deckenflaeche;        // its ceiling
    Plane m_Stirnflaeche;         // its front wall
    Plane m_Seitenflaeche_rechts; // right side wall
    Plane m_Seitenflaeche_links;  // left side wall
    Plane m_Dachauflage;          // the part of the carrying roof face it covers
    std::int32_t ID = -1;         // IdBasis + running number
    std::int32_t Traeger1ID = -1; // ID of the roof face it stands on
    std::int32_t Traeger2ID = -1; // that face's Traeger1ID
    std::int32_t FassadenID = -1; // that face's FassadenID
};

using CGaubeArray = CXmlObjektArray<Gaube>;

} // namespace zeva
