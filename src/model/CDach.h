#pragma once
// A roof placed on the floor plan: a rectangle (corner 0, side lengths, turn
// angle), one of six forms and its heights. Every other point, edge and face
// follows from them; points dragged by hand survive until the rectangle is
// rebuilt.
//
// The house stores its roofs with the document, so the roof lives with the
// other stored records in the model, together with the construction of its
// plan points. What needs the plan polygons and space geometry (outline, face
// planes, junctions with other roofs, planes and component records, section
// and volume) is in the geometry library (geometry/DachGeometrie.h and its
// neighbours), as functions on the roof.
//
// Plan points are in the plan editor's drawing units; a plan point (x, y)
// becomes the space point (x, h, y). All heights are relative to the eaves.
#include "model/CObjektArray.h"
#include "model/CXmlObject.h"
#include "model/CXmlObjektArray.h"
#include "model/Dachform.h"
#include "model/Notifier.h"
#include "model/Punkt2D.h"
#include "model/Punkt2DArray.h"
#include "model/Zone.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zeva {

class CDach : public CXmlSerializable<CDach> {
public:
    static constexpr const char* XmlElementName = "Dach";
    // Only these eleven members are stored; everything else is derived.
    static auto GetXmlMembers(CDach& d)
    {
        return std::array{XmlByte("Typ", d.Typ),
                          XmlDouble("DiagonalWinkel", d.DiagonalWinkel),
                          XmlDouble("Winkel", d.Winkel),
                          XmlObject(d.m_size),
                          XmlObject(d.m_points),
                          XmlDouble("Hoehe", d.Hoehe),
                          XmlDouble("GeschossHoehe", d.GeschossHoehe),
                          XmlDouble("MansardHoehe", d.MansardHoehe),
                          XmlInt("IstBeheizt", d.m_IstBeheizt),
                          XmlInt("Sperre", d.Sperre),
                          XmlInt("FirstGedreht", d.FirstGedreht)};
    }

    // Documents of older versions store neither the lock nor the ridge
    // flip: the flip stays off and the lock is derived (LeiteSperreAb).
    bool ReadXml(CXmlArchiveFile& ar) override;

    // What the user is told when a stored roof cannot be used; the roof is
    // then left out of the house (see EntferneBeschaedigteDaecher).
    static constexpr const char* MeldungBeschaedigt = "Ein Dach des Projekts ist beschädigt und wurde nicht geladen.";

    // Edit states; bit 28 is set while the user turns the rectangle.
    static constexpr int ZustandFertig = 0;
    static constexpr int ZustandErsterPunkt = 1;
    static constexpr int ZustandPlatzieren = 2;
    static constexpr int ZustandDrehen = 0x10000000;

    // A plan line from A to B (the ridge axis and the slide line).
    struct Linie {
        Punkt2D A;
        Punkt2D B;
    };

    // One entry of the face list: the turning sense of the face's plan
    // polygon and its row of the form's face table.
    struct FlaechenEintrag {
        int Umlaufsinn = 0;
        int zeile = 0;
    };

    // Type 0, every height 0: what creation by name and a growing array make.
    CDach() = default;
    // Heights 0 (no house to take them from).
    explicit CDach(int typ);
    // Heights from the house's first zone: Hoehe = its Dachhoehe,
    // GeschossHoehe = its Dachgeschosshoehe, MansardHoehe = 2/3 of Hoehe.
    CDach(int typ, const Zone& ersteZone);
    CDach(const CDach&) = default;
    CDach& operator=(const CDach&) = default;

    // Queries.
    int GetTyp() const { return Typ; }
    double GetHoehe() const { return Hoehe; }
    double GetGeschossHoehe() const { return GeschossHoehe; }
    double GetMansardHoehe() const { return MansardHoehe; }
    bool IstBeheizt() const { return m_IstBeheizt == 1; }
    Punkt2D GetGroesse() const { return m_size; }
    bool HatPunkte() const { return !m_points.empty(); }
    // The mansard break that the roof pane offers: two thirds of the height,
    // to the centimetre as the user could have entered it.
    static double VorgabeMansardHoehe(double hoehe);
    // A roof added but never placed has no points to store; written, it
    // would come back as a damaged roof.
    bool WirdGespeichert() const { return PunkteVollstaendig(); }
    // Has the points of its form and is not being placed.
    bool IstFertig() const;
    // The ridge may be turned: a pitched form whose points were not moved by
    // hand (nor converted from the older document).
    bool KannFirstDrehen() const;
    // The form is unknown or the point list does not have the form's count
    // (a damaged document); such a roof must not be used.
    bool IstBeschaedigt() const;
    // The point list has exactly the form's count; every geometric operation
    // of a roof without it yields nothing.
    bool PunkteVollstaendig() const;

    // Setters. The height setters rebuild the break heights of a finished
    // roof; the junctions with other roofs are the caller's
    // (VerschneideDaecher) when the house holds more than one roof.
    void SetzeGeschossHoehe(double h) { GeschossHoehe = h; }
    void SetzeBeheizt(int flag) { m_IstBeheizt = flag; }
    void SetzeHoehe(double h);
    void SetzeMansardHoehe(double h);

    // Construction of the points, edges and faces.
    void SetzePunktzahl();
    void SetzeKanten();
    // With neu the plan points are rebuilt from point 0, m_size and Winkel;
    // without, hand-edited points stay. Both end with the break heights.
    void BerechneDachpunkte(bool neu);
    void BerechneKnickhoehen();
    // The ridge runs along the rectangle's first axis (m_size.x) unless that
    // is the shorter side; the flip flag turns it.
    bool FirstLaengs() const;
    void SetzeFirstachse();
    void BaueFlaechenliste();

    // Number of faces in the face list.
    int Flaechenzahl() const { return static_cast<int>(m_Flaechen.size()); }
    // Row i of the form's face table.
    const DachFlaechenZeile& Flaechenzeile(int i) const;
    // Height of a height code (0 eaves, 1 Hoehe, 2 and 3 the break heights).
    double HoeheVonCode(int code) const;
    // The distinct plan points of face i, in table order.
    std::vector<Punkt2D> FlaechenPunkte(int i) const;
    // Plan point i (no bounds check beyond an assertion).
    const Punkt2D& Punkt(int i) const;

    // The rebuild after the stored members were read: edges, break heights,
    // ridge axis and face list. The junctions with the other roofs follow
    // once over the whole roof array (AktualisiereDaecherNachLaden).
    void AktualisiereNachLaden();

    // Older binary document: reads the stored members and rebuilds the
    // points, the ridge axis and the face list. Below document version 9 the
    // heating flag is not stored: it stays 1 and BeheiztGelesen() tells the
    // owner to take the house's DachBeheizt.
    void Serialize(BinaryArchive& ar) override;
    bool BeheiztGelesen() const { return m_beheiztGelesen; }

    // Persistent members.
    std::uint8_t Typ = 0;
    double DiagonalWinkel = 0; // radians, the rectangle's diagonal while placing
    double Winkel = 0;         // radians, turn of the rectangle in the plan
    Punkt2D m_size;            // x = L along the first axis, y = W; signed
    Punkt2DArray m_points;     // corners 0 to 3, then the form's inner points
    double Hoehe = 0;          // m, ridge above the eaves
    double GeschossHoehe = 0;  // m, attic storey above the storey ceiling
    double MansardHoehe = 0;   // m
    std::int32_t m_IstBeheizt = 1;

    std::int32_t Sperre = 0; // bit 0: points moved by hand
    std::int32_t FirstGedreht = 0;

    // Derived and editing state, not stored.
    int Zustand = ZustandFertig;
    double Knickhoehe2 = 0;
    double Knickhoehe3 = 0;
    Punkt2DArray m_Anschlusspunkte; // where this roof meets other roofs
    std::vector<FlaechenEintrag> m_Flaechen;
    Linie m_Firstachse; // from (0, 0) along the rectangle's first axis
    Linie m_Zuglinie;
    Punkt2D m_Zugpunkt;
    int AuswahlPunkt = -1;
    std::vector<int> m_Kanten; // consecutive pairs of point indices
    int AuswahlKante = -1;
    std::vector<int> m_Zugkanten; // per point: the edge it slides along, -1 free
    int Testflaeche = -1;
    int ZaehlerSteil = 0;
    int ZaehlerSenkrecht = 0;
    int ZaehlerDecke = 0;

private:
    // For a roof read without its lock: locked when its points are not those
    // that corner 0, the size and the angle give, i.e. moved by hand.
    void LeiteSperreAb();

    bool m_beheiztGelesen = true;
    bool m_beschaedigt = false;
};

using CDachArray = CXmlObjektArray<CDach>;

// Drops every damaged roof (IstBeschaedigt) from the array, keeping the order
// of the others, and tells the user once for each (MeldungBeschaedigt).
// Returns the number dropped.
std::size_t EntferneBeschaedigteDaecher(CObjektArray<CDach>& daecher, Notifier& notifier);

} // namespace zeva
