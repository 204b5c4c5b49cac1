#pragma once
// The settings of the renovation calculation that belong to no building: the
// prices of the eight fuels, three heating cost figures, what the automatic
// renovation optimises and how many variants it makes, how the heating of a
// new variant is set up, and the optimiser's algorithm and tries.
//
// The program keeps one record (read from the user's profile at start and on
// File New), stores it in every project document and writes it back to the
// profile when the user confirms the options dialog. Whoever needs it is
// handed the record; nothing reaches it through a global.
#include "model/CXmlObject.h"

#include <array>
#include <cstdint>
#include <string>

namespace zeva {

class BinaryArchive;
class Profil;

class DOptionen : public CXmlSerializable<DOptionen> {
public:
    static constexpr const char* XmlElementName = "Optionen";
    // Profile section of the options.
    static constexpr const char* ProfilAbschnitt = "Optionen";

    // One child element per member, in declaration order, no attributes.
    static auto GetXmlMembers(DOptionen& o)
    {
        return std::array{XmlDouble("Brennstoffkosten1", o.Brennstoffkosten1),
                          XmlDouble("Brennstoffkosten2", o.Brennstoffkosten2),
                          XmlDouble("Brennstoffkosten3", o.Brennstoffkosten3),
                          XmlDouble("Brennstoffkosten4", o.Brennstoffkosten4),
                          XmlDouble("Brennstoffkosten5", o.Brennstoffkosten5),
                          XmlDouble("Brennstoffkosten6", o.Brennstoffkosten6),
                          XmlDouble("Brennstoffkosten7", o.Brennstoffkosten7),
                          XmlDouble("Brennstoffkosten8", o.Brennstoffkosten8),
                          XmlDouble("Zentralheizung", o.Zentralheizung),
                          XmlDouble("HeizkesselTauschen", o.HeizkesselTauschen),
                          XmlDouble("AlteHeizung", o.AlteHeizung),
                          XmlInt("Index", o.Index),
                          XmlDouble("Grenze", o.Grenze),
                          XmlInt("AnzahlVarianten", o.AnzahlVarianten),
                          XmlInt("BrennstoffBeibehalten", o.BrennstoffBeibehalten),
                          XmlInt("Brennstoff", o.Brennstoff),
                          XmlInt("WaermeverteilungBeibehalten", o.WaermeverteilungBeibehalten),
                          XmlString("HeizungsverteilungsArt", o.HeizungsverteilungsArt),
                          XmlDouble("Verteilungsnutzungsgrad", o.Verteilungsnutzungsgrad),
                          XmlInt("EinschaltdauerBeibehalten", o.EinschaltdauerBeibehalten),
                          XmlDouble("Einschaltdauer", o.Einschaltdauer),
                          XmlInt("Sanierungsalgorithmus", o.Sanierungsalgorithmus),
                          XmlInt("Versuche", o.Versuche)};
    }

    // A record with the defaults of SetzeStandard.
    DOptionen() { SetzeStandard(); }
    DOptionen(const DOptionen&) = default;
    DOptionen& operator=(const DOptionen&) = default;
    // Without allocating: a reader hands over what it read only at the end,
    // where nothing may fail half-way any more.
    DOptionen(DOptionen&&) noexcept = default;
    DOptionen& operator=(DOptionen&&) noexcept = default;
    ~DOptionen() override = default;

    // Every member equal.
    bool operator==(const DOptionen& o) const;

    // The defaults (also the options dialog's "&Vorgabe").
    void SetzeStandard();

    double GetGrenze() const { return Grenze; }
    void SetGrenze(double wert) { Grenze = wert; }

    // Price of the fuel with the code (0 to 7, as DHeizung::Brennstoff), EUR
    // per kWh of fuel energy; 0 for any other code.
    double Brennstoffpreis(int brennstoff) const;

    // Writes every member to the profile section "Optionen" in declaration
    // order: integers as integers, the distribution name as a string, the
    // doubles as 8-byte values. True when every single value was written.
    bool SchreibeOptionen(Profil& profil) const;
    // Reads every member from the profile section "Optionen"; a missing value
    // (or one of another kind) keeps the member's current value.
    void LeseOptionen(const Profil& profil);

    // The older binary document form, members in declaration order; a
    // document of version 9 or lower holds only the first five prices, and the
    // other three keep their values. A damaged archive raises
    // BinaryArchiveError and leaves the record as it was.
    void LeseBinaer(BinaryArchive& ar, int version);

    // EUR per kWh of fuel energy for fuels 0 to 7.
    double Brennstoffkosten1 = 0;
    double Brennstoffkosten2 = 0;
    double Brennstoffkosten3 = 0;
    double Brennstoffkosten4 = 0;
    double Brennstoffkosten5 = 0;
    double Brennstoffkosten6 = 0;
    double Brennstoffkosten7 = 0;
    double Brennstoffkosten8 = 0;
    double Zentralheizung = 0;     // EUR per m² of the heated area, for a new central heating
    double HeizkesselTauschen = 0; // EUR, added to a replacement boiler's price
    double AlteHeizung = 0;        // EUR, an old heating that must be renewed but stays
    std::int32_t Index = 0;        // the optimiser's criterion, 0 to 2 (as DBedarf::Zielfunktion)
    double Grenze = 0;             // limit of criterion 1 (EUR) or 2 (kWh/m²a)
    std::int32_t AnzahlVarianten = 0; // variants the optimiser makes
    // How a new variant's heating differs from the existing one.
    std::int32_t BrennstoffBeibehalten = 0;
    std::int32_t Brennstoff = 0;
    std::int32_t WaermeverteilungBeibehalten = 0;
    std::string HeizungsverteilungsArt;
    double Verteilungsnutzungsgrad = 0;
    std::int32_t EinschaltdauerBeibehalten = 0;
    double Einschaltdauer = 0; // h/a
    std::int32_t Sanierungsalgorithmus = 0;
    std::int32_t Versuche = 0;
};

} // namespace zeva
