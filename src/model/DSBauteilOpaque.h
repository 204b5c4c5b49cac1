#pragma once
// The renovation measure of an opaque component (insulation inside, outside
// or as a core fill), and its five kinds, one per component kind. The kinds
// add nothing; they exist so that each component's measure array names its
// own element ("DSWand", "DSBoden", ...).
#include "model/CXmlObjektArray.h"
#include "model/DSBauteil.h"

#include <cstdint>

namespace zeva {

class DSBauteilOpaque : public CXmlSerializable<DSBauteilOpaque, DSBauteil> {
public:
    // Where a measure is applied.
    enum VerwendungsArt : std::int32_t { Keine = -1, Innen = 0, Aussen = 1, Zwischen = 2 };

    static constexpr const char* XmlElementName = "DSBauteilOpaque";
    static auto GetXmlMembers(DSBauteilOpaque& s)
    {
        return std::array{XmlString("Schichten", s.Schichten), XmlDouble("Tauwassermenge", s.Tauwassermenge),
                          XmlDouble("Dicke", s.Dicke), XmlDouble("kWert", s.kWert),
                          XmlInt("Verwendung", s.Verwendung)};
    }

    using DSBauteil::Kopiere;
    // Copies every member, the common ones, Verwendung and the row flags.
    virtual void Kopiere(const DSBauteilOpaque& s);
    bool IstLeer() const override;
    void Leere() override;

    bool operator==(const DSBauteilOpaque& o) const;

    // Older binary form of the five kinds.
    void Serialize(BinaryArchive& ar) override;

    std::string Schichten;     // the layers of the measure as text
    double Tauwassermenge = 0; // condensate in the build-up with the measure
    double Dicke = 0;          // m
    double kWert = 0;          // W/(m²K)
    std::int32_t Verwendung = Keine;
    // The data-base row's flags where the measure may be applied; set by the
    // manual measure pages, not stored.
    std::int32_t MoeglichInnen = 0;
    std::int32_t MoeglichAussen = 0;
    std::int32_t MoeglichZwischen = 0;

protected:
    DSBauteilOpaque() = default;
    DSBauteilOpaque(const DSBauteilOpaque&) = default;
    DSBauteilOpaque& operator=(const DSBauteilOpaque&) = default;
};

// The five kinds: an element of their own and no members.
class DSWand : public CXmlSerializable<DSWand, DSBauteilOpaque> {
public:
    static constexpr const char* XmlElementName = "DSWand";
    static std::array<XmlMember, 0> GetXmlMembers(DSWand&) { return {}; }
};

class DSBoden : public CXmlSerializable<DSBoden, DSBauteilOpaque> {
public:
    static constexpr const char* XmlElementName = "DSBoden";
    static std::array<XmlMember, 0> GetXmlMembers(DSBoden&) { return {}; }
};

class DSDecke : public CXmlSerializable<DSDecke, DSBauteilOpaque> {
public:
    static constexpr const char* XmlElementName = "DSDecke";
    static std::array<XmlMember, 0> GetXmlMembers(DSDecke&) { return {}; }
};

class DSFlachdach : public CXmlSerializable<DSFlachdach, DSBauteilOpaque> {
public:
    static constexpr const char* XmlElementName = "DSFlachdach";
    static std::array<XmlMember, 0> GetXmlMembers(DSFlachdach&) { return {}; }
};

class DSSteildach : public CXmlSerializable<DSSteildach, DSBauteilOpaque> {
public:
    static constexpr const char* XmlElementName = "DSSteildach";
    static std::array<XmlMember, 0> GetXmlMembers(DSSteildach&) { return {}; }
};

// The measure arrays of the component records, one slot per building state.
// Arrays copy their measures with Kopiere.
template <>
struct ObjektArrayKopie<DSWand> {
    static void Kopiere(DSWand& ziel, const DSWand& quelle) { ziel.Kopiere(quelle); }
};
template <>
struct ObjektArrayKopie<DSBoden> {
    static void Kopiere(DSBoden& ziel, const DSBoden& quelle) { ziel.Kopiere(quelle); }
};
template <>
struct ObjektArrayKopie<DSDecke> {
    static void Kopiere(DSDecke& ziel, const DSDecke& quelle) { ziel.Kopiere(quelle); }
};
template <>
struct ObjektArrayKopie<DSFlachdach> {
    static void Kopiere(DSFlachdach& ziel, const DSFlachdach& quelle) { ziel.Kopiere(quelle); }
};
template <>
struct ObjektArrayKopie<DSSteildach> {
    static void Kopiere(DSSteildach& ziel, const DSSteildach& quelle) { ziel.Kopiere(quelle); }
};

using CDSWandArray = CXmlObjektArray<DSWand>;
using CDSBodenArray = CXmlObjektArray<DSBoden>;
using CDSDeckeArray = CXmlObjektArray<DSDecke>;
using CDSFlachdachArray = CXmlObjektArray<DSFlachdach>;
using CDSSteildachArray = CXmlObjektArray<DSSteildach>;

} // namespace zeva
