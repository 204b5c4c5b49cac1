#pragma once
// What every renovation measure has: the common part of the opaque measures
// and the window measure. Never created on its own.
#include "model/CXmlObject.h"

#include <array>
#include <string>

namespace zeva {

class DSBauteil : public CXmlSerializable<DSBauteil> {
public:
    static constexpr const char* XmlElementName = "DSBauteil";
    static auto GetXmlMembers(DSBauteil& s)
    {
        return std::array{XmlString("Name", s.Name),
                          XmlString("Langtext", s.Langtext),
                          XmlDouble("Lebensdauer", s.Lebensdauer),
                          XmlDouble("Preis", s.Preis),
                          XmlDouble("Preisfix", s.Preisfix),
                          XmlDouble("PreisProQm", s.PreisProQm),
                          XmlString("Bitmappfad", s.Bitmappfad),
                          XmlDouble("Co2", s.Co2),
                          XmlDouble("Kea", s.Kea)};
    }

    // Copies the common members, Co2 and Kea included.
    virtual void Kopiere(const DSBauteil& s);
    // True when no common member but Co2 and Kea is set.
    virtual bool IstLeer() const;
    // Clears the common members, Co2 and Kea included.
    virtual void Leere();

    bool operator==(const DSBauteil& o) const;

    std::string Name;
    std::string Langtext;
    double Lebensdauer = 0; // years; the costs per year divide Preis by it
    double Preis = 0;       // EUR on this component
    double Preisfix = 0;    // EUR, fixed part of Preis
    double PreisProQm = 0;  // EUR/m²
    std::string Bitmappfad;
    double Co2 = 0; // per m² of the component
    double Kea = 0; // cumulative energy expenditure per m² of the component

protected:
    DSBauteil() = default;
    DSBauteil(const DSBauteil&) = default;
    DSBauteil& operator=(const DSBauteil&) = default;
};

} // namespace zeva
