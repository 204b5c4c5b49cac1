#pragma once
// The heat-demand result of one building state: annual sums per m² of the
// heated floor area, one value per component of each group, the costs of the
// state and how the variant was made. The house keeps one per state, index 0
// the existing building.
#include "model/CXmlDoubleArray.h"
#include "model/CXmlObjektArray.h"
#include "model/CXmlObject.h"

#include <array>
#include <cstdint>

namespace zeva {

class DBedarf : public CXmlSerializable<DBedarf> {
public:
    static constexpr const char* XmlElementName = "DBedarf";
    // Document order. The arrays write their own "DoubleArray" elements;
    // KeaSanierung and Co2Sanierung are not stored.
    static auto GetXmlMembers(DBedarf& b)
    {
        return std::array{XmlDouble("Brennstoffenergiebedarf", b.Brennstoffenergiebedarf),
                          XmlDouble("Waermebedarf", b.Waermebedarf),
                          XmlDouble("Heizungsverlust", b.Heizungsverlust),
                          XmlDouble("Lueftung", b.Lueftung),
                          XmlDouble("Elektrizitaet", b.Elektrizitaet),
                          XmlDouble("ElektrizitaetNutzbar", b.ElektrizitaetNutzbar),
                          XmlDouble("Personen", b.Personen),
                          XmlDouble("PersonenNutzbar", b.PersonenNutzbar),
                          XmlDouble("Flachdachsumme", b.Flachdachsumme),
                          XmlDouble("Steildachsumme", b.Steildachsumme),
                          XmlDouble("Deckesumme", b.Deckesumme),
                          XmlDouble("Wandsumme", b.Wandsumme),
                          XmlDouble("Bodensumme", b.Bodensumme),
                          XmlDouble("Fensterverlustsumme", b.Fensterverlustsumme),
                          XmlDouble("Fenstergewinnsumme", b.Fenstergewinnsumme),
                          XmlDouble("Fenstergewinnnutzbarsumme", b.Fenstergewinnnutzbarsumme),
                          XmlObject(b.m_aBedFlachdach),
                          XmlObject(b.m_aBedSteildach),
                          XmlObject(b.m_aBedDecke),
                          XmlObject(b.m_aBedWand),
                          XmlObject(b.m_aBedBoden),
                          XmlObject(b.m_aBedFensterverlust),
                          XmlObject(b.m_aBedFenstergewinn),
                          XmlObject(b.m_aBedFenstergewinnnutzbar),
                          XmlDouble("Gesamtkosten", b.Gesamtkosten),
                          XmlDouble("GesamtkostenProJahr", b.GesamtkostenProJahr),
                          XmlInt("Zielfunktion", b.Zielfunktion),
                          XmlDouble("Grenze", b.Grenze)};
    }

    DBedarf() = default;
    // A copy takes what the assignment takes: KeaSanierung and Co2Sanierung
    // start at 0.
    DBedarf(const DBedarf& quelle);
    // Copies everything but KeaSanierung and Co2Sanierung, which the variant
    // operations set on the target and a recalculation must not wipe out.
    DBedarf& operator=(const DBedarf& quelle);
    // Moving (the arrays do it when they grow, insert or remove records)
    // carries the whole record, so a variant's sums travel with it.
    DBedarf(DBedarf&&) noexcept = default;
    DBedarf& operator=(DBedarf&&) noexcept = default;

    double GetCo2Sanierung() const { return Co2Sanierung; }
    void SetCo2Sanierung(double wert) { Co2Sanierung = wert; }
    double GetKeaSanierung() const { return KeaSanierung; }
    void SetKeaSanierung(double wert) { KeaSanierung = wert; }
    int GetZielfunktion() const { return Zielfunktion; }
    void SetZielfunktion(int wert) { Zielfunktion = wert; }
    double GetGrenze() const { return Grenze; }
    void SetGrenze(double wert) { Grenze = wert; }

    // Older binary form: the 16 sums, the eight arrays, Gesamtkosten and
    // GesamtkostenProJahr. Zielfunktion and Grenze are not in it.
    void Serialize(BinaryArchive& ar) override;

    // Annual sums in kWh/m²a.
    double Brennstoffenergiebedarf = 0; // fuel energy minus usable gains
    double Waermebedarf = 0;
    double Heizungsverlust = 0;
    double Lueftung = 0;
    double Elektrizitaet = 0; // internal gains
    double ElektrizitaetNutzbar = 0;
    double Personen = 0;
    double PersonenNutzbar = 0;
    double Flachdachsumme = 0;
    double Steildachsumme = 0;
    double Deckesumme = 0;
    double Wandsumme = 0;
    double Bodensumme = 0;
    double Fensterverlustsumme = 0;
    double Fenstergewinnsumme = 0;
    double Fenstergewinnnutzbarsumme = 0;
    // One value per component of the group, in the order of the house's array.
    CXmlDoubleArray m_aBedFlachdach;
    CXmlDoubleArray m_aBedSteildach;
    CXmlDoubleArray m_aBedDecke;
    CXmlDoubleArray m_aBedWand;
    CXmlDoubleArray m_aBedBoden;
    CXmlDoubleArray m_aBedFensterverlust;
    CXmlDoubleArray m_aBedFenstergewinn;
    CXmlDoubleArray m_aBedFenstergewinnnutzbar;
    double Gesamtkosten = 0;        // EUR
    double GesamtkostenProJahr = 0; // EUR/a

private:
    double KeaSanierung = 0; // not stored
    double Co2Sanierung = 0; // not stored

public:
    // -1 made by hand, 0 to 2 the optimiser's criterion.
    std::int32_t Zielfunktion = 0;
    double Grenze = 0;
};

using CDBedarfArray = CXmlObjektArray<DBedarf>;

} // namespace zeva
