#pragma once
// One layer of a component's build-up, from inside to outside.
#include "model/CXmlObjektArray.h"

#include <array>
#include <string>

namespace zeva {

class DSchicht : public CXmlSerializable<DSchicht> {
public:
    static constexpr const char* XmlElementName = "DSchicht";
    // Layer names with a meaning of their own (compared byte for byte).
    static constexpr const char* NameLuftschicht = "Luftschicht";
    static constexpr const char* NameHinterlueftung = "Hinterlüftung";

    DSchicht() = default;
    DSchicht(const DSchicht&) = default;
    DSchicht& operator=(const DSchicht&) = default;

    static auto GetXmlMembers(DSchicht& s)
    {
        return std::array{XmlString("Name", s.Name),         XmlDouble("Dicke", s.Dicke),
                          XmlDouble("Lambda", s.Lambda),     XmlDouble("Mu", s.Mu),
                          XmlString("Langtext", s.Langtext), XmlString("Bitmappfad", s.Bitmappfad)};
    }

    // All six members equal, the numbers exactly.
    bool operator==(const DSchicht& o) const;
    // Equal to a new layer; trailing empty layers are dropped from build-ups.
    bool IstLeer() const;

    bool IstLuftschicht() const { return Name == NameLuftschicht; }
    bool IstHinterlueftung() const { return Name == NameHinterlueftung; }

    void Serialize(BinaryArchive& ar) override;

    std::string Name;
    double Dicke = 0;  // m
    double Lambda = 0; // W/(m·K)
    double Mu = 0;     // water-vapour diffusion resistance factor
    std::string Langtext;
    std::string Bitmappfad;
};

// A layer build-up, from inside to outside.
using CDSchichtArray = CXmlObjektArray<DSchicht>;

} // namespace zeva
