#pragma once
// A window: glazing and frame with their U-values, the glazing's solar
// transmittance, the frame share, orientation and inclination, what the
// renovation planning needs, its surface and one measure per building state.
// Windows have no layer build-up.
#include "model/CXmlObjektArray.h"
#include "model/DSFenster.h"
#include "model/KurznameFeld.h"
#include "model/Plane.h"
#include "model/SanierungsZeile.h"

#include <array>
#include <cstdint>
#include <string>

namespace zeva {

class DFenster : public CXmlSerializable<DFenster> {
public:
    static constexpr const char* XmlElementName = "DFenster";
    static auto GetXmlMembers(DFenster& f)
    {
        return std::array{XmlInt("Nummer", f.Nummer),
                          XmlString("NameGlas", f.NameGlas),
                          XmlString("NameRahmen", f.NameRahmen),
                          XmlString("Langtext", f.Langtext),
                          XmlDouble("Flaeche", f.Flaeche),
                          XmlDouble("kWertGlas", f.kWertGlas),
                          XmlDouble("gWert", f.gWert),
                          XmlInt("Richtung", f.Richtung),
                          XmlInt("Neigung", f.Neigung),
                          XmlDouble("Rahmenanteil", f.Rahmenanteil),
                          XmlDouble("kWertRahmen", f.kWertRahmen),
                          XmlInt("Sanbar", f.Sanbar),
                          XmlInt("SanMuss", f.SanMuss),
                          XmlDouble("Reduktionsfaktor", f.Reduktionsfaktor),
                          XmlString("Bitmappfad", f.Bitmappfad),
                          XmlDouble("Sowieso", f.Sowieso),
                          XmlString("Kommentar", f.Kommentar),
                          XmlInt("GesamteFassadeBetrachten", f.GesamteFassadeBetrachten),
                          XmlObject(f.m_plane),
                          XmlObject(f.m_aSan)};
    }

    DFenster() = default;
    DFenster(const DFenster&) = default;
    DFenster& operator=(const DFenster&) = default;

    // Not filled in: area or glazing U-value 0 or less (the frame does not
    // count).
    bool IstUngueltig() const { return Flaeche <= 0 || kWertGlas <= 0; }

    // U-value of the whole window, (1 - Ra) * glazing + Ra * frame; the
    // balances take this, it is not stored.
    double UWert() const { return (1.0 - Rahmenanteil) * kWertGlas + Rahmenanteil * kWertRahmen; }

    // Fills the measure of building state n from a row of SanFenster. The
    // frame's U-value comes from the row only when the measure replaces the
    // frame; Rahmenanteil and Preisfix of the measure are not touched. A slot
    // n that does not exist is left alone and gives false; otherwise true.
    bool SetzeSanierung(int n, const SanZeileFenster& zeile);

    // Older binary form: the members in document order, then the plane and
    // the measures.
    void Serialize(BinaryArchive& ar) override;

    // Every member equal, Kurzname included.
    bool operator==(const DFenster& o) const;

    KurznameFeld Kurzname; // short label, never stored
    std::int32_t GesamteFassadeBetrachten = 1;
    double Sowieso = 0; // EUR
    std::int32_t Nummer = 0;
    std::string NameGlas;
    std::string NameRahmen;
    std::string Langtext;
    double Flaeche = 0;   // m², glazing and frame
    double kWertGlas = 0; // W/(m²K)
    double gWert = 0;     // fraction
    // 0 "N", 1 "NO", 2 "O", 3 "SO", 4 "S", 5 "SW", 6 "W", 7 "NW".
    std::int32_t Richtung = 0;
    // 0 "0° (Wand)", 1 "45°", 2 "90° (Decke)".
    std::int32_t Neigung = 0;
    double Rahmenanteil = 0.3; // fraction of the area
    double kWertRahmen = 0;    // W/(m²K)
    std::int32_t Sanbar = 1;
    std::int32_t SanMuss = 0;
    double Reduktionsfaktor = 0.7; // of the solar gains
    std::string Bitmappfad;
    std::string Kommentar;
    Plane m_plane;
    CDSFensterArray m_aSan; // one measure per building state; slot 0 stays empty
};

using CDFensterArray = CXmlObjektArray<DFenster>;

} // namespace zeva
