#pragma once
// A planar quadrilateral in space (a triangle when two corners coincide) with
// the identity of the surface it describes and of the surfaces that carry it.
// Corners in cyclic order lo (left top), ro, ru, lu (left bottom).
#include "model/CXmlObject.h"
#include "model/PlaneID.h"
#include "model/Punkt3D.h"

#include <array>
#include <cstdint>

namespace zeva {

class Plane : public CXmlSerializable<Plane> {
public:
    static constexpr const char* XmlElementName = "Plane";
    // Document order: the corners, then the IDs with ID before GaubenID.
    static auto GetXmlMembers(Plane& p)
    {
        return std::array{XmlObject(p.lo),
                          XmlObject(p.ro),
                          XmlObject(p.ru),
                          XmlObject(p.lu),
                          XmlInt("Traeger1ID", p.Traeger1ID),
                          XmlInt("Traeger2ID", p.Traeger2ID),
                          XmlInt("ID", p.ID),
                          XmlInt("GaubenID", p.GaubenID),
                          XmlInt("FassadenID", p.FassadenID),
                          XmlInt("FlaecheWurdeBearbeitet", p.FlaecheWurdeBearbeitet),
                          XmlInt("FensterAufFlaechePlaziert", p.FensterAufFlaechePlaziert)};
    }

    Plane() = default;
    Plane(const Plane&) = default;
    Plane& operator=(const Plane&) = default;

    // A plane of these corners, its IDs default.
    static Plane AusEcken(const Punkt3D& lo, const Punkt3D& ro, const Punkt3D& ru, const Punkt3D& lu)
    {
        Plane p;
        p.lo = lo;
        p.ro = ro;
        p.ru = ru;
        p.lu = lu;
        return p;
    }

    // Corner i: 0 lo, 1 ro, 2 ru, 3 lu.
    Punkt3D& Ecke(int i);
    const Punkt3D& Ecke(int i) const;

    // Unit normal, never pointing downwards; a degenerate plane (corners on
    // one line) gives the unnormalised normal times 1 000 000.
    Punkt3D Normale() const;
    // |n.y| <= 0.01.
    bool IstSenkrecht() const;
    // |(p - lu) · n| < 0.01.
    bool LiegtInEbene(const Punkt3D& p) const;
    // Area in m²; exact for triangles and for quadrilaterals whose edges
    // lu-ru and lo-ro are parallel.
    double Flaeche() const;

    // Compass angle of the normal in radians, 0 to below 2π; -1 for a
    // horizontal surface.
    double AzimutBogen() const;
    // Bearing of the normal in degrees relative to the house's north
    // direction (its Ausrichtung, 90 by default), 0 to below 360; -1 for a
    // horizontal surface.
    double AzimutGrad(double ausrichtung) const;
    // Window orientation code 0 to 7: N, NO, O, SO, S, SW, W, NW; horizontal
    // surfaces give 0.
    int Richtungsklasse(double ausrichtung) const;
    // Angle of the normal above the horizontal in degrees (0 vertical, 90
    // horizontal); 359 for a degenerate normal with |n.y| > 1.
    double Normalenwinkel() const;
    // Window inclination code: 0 "0° (Wand)", 1 "45°", 2 "90° (Decke)".
    int Neigungsklasse() const;

    // The horizontal rectangle lo (0,0,1), ro (w,0,1), ru (w,0,0), lu (0,0,0)
    // of area w, for components with an area but no drawn geometry; the IDs
    // stay.
    void SetzeRechteck(double w);
    // A copy scaled about the mean of the corners so that its area is f times
    // as large.
    Plane Skaliert(double f) const;

    int ZoneAusID() const { return zeva::ZoneAusID(ID); }
    // The kind times 1 000 000, for comparisons with IDs such as 54 000 000.
    int ArtAusID() const { return zeva::ArtAusID(ID) * IdArtFaktor; }
    int NummerAusID() const { return zeva::NummerAusID(ID); }
    int GeschossAusID() const { return zeva::GeschossAusID(ID); }
    int IndexAusID() const { return zeva::IndexAusID(ID); }

    // Older binary form; which fields a record holds depends on the version
    // of the house being read (ar.Version()).
    void Serialize(BinaryArchive& ar) override;

    std::int32_t FensterAufFlaechePlaziert = 0;
    std::int32_t FlaecheWurdeBearbeitet = 0;
    Punkt3D lo;
    Punkt3D ro;
    Punkt3D ru;
    Punkt3D lu;
    std::int32_t Traeger1ID = -1;
    std::int32_t Traeger2ID = -1;
    std::int32_t GaubenID = -1;
    std::int32_t ID = -1;
    std::int32_t FassadenID = -1;
};

} // namespace zeva
