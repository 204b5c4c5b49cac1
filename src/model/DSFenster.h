#pragma once
// The renovation measure of a window: a new glazing, and a new frame when the
// measure replaces it.
#include "model/CXmlObjektArray.h"
#include "model/DSBauteil.h"

namespace zeva {

class DSFenster : public CXmlSerializable<DSFenster, DSBauteil> {
public:
    static constexpr double NeuerRahmenanteil = 0.2;

    static constexpr const char* XmlElementName = "DSFenster";
    static auto GetXmlMembers(DSFenster& s)
    {
        return std::array{XmlDouble("kWertGlas", s.kWertGlas), XmlDouble("gWert", s.gWert),
                          XmlDouble("Rahmenanteil", s.Rahmenanteil), XmlDouble("kWertRahmen", s.kWertRahmen)};
    }

    DSFenster() = default;
    DSFenster(const DSFenster&) = default;
    DSFenster& operator=(const DSFenster&) = default;

    using DSBauteil::Kopiere;
    // Copies every member.
    virtual void Kopiere(const DSFenster& s);
    // Rahmenanteil, Co2 and Kea are not looked at.
    bool IstLeer() const override;
    // Co2 and Kea keep their values; Rahmenanteil goes back to 0.2.
    void Leere() override;

    bool operator==(const DSFenster& o) const;

    void Serialize(BinaryArchive& ar) override;

    double kWertGlas = 0;   // W/(m²K)
    double gWert = 0;       // fraction
    double Rahmenanteil = NeuerRahmenanteil; // fraction of the window area
    double kWertRahmen = 0; // W/(m²K)
};

template <>
struct ObjektArrayKopie<DSFenster> {
    static void Kopiere(DSFenster& ziel, const DSFenster& quelle) { ziel.Kopiere(quelle); }
};

using CDSFensterArray = CXmlObjektArray<DSFenster>;

} // namespace zeva
