#pragma once
// The heating system of one building state and the conversion of a heat
// demand into fuel energy and losses. The house keeps one per state, index 0
// the existing heating.
#include "model/CXmlObjektArray.h"
#include "model/CXmlObject.h"
#include "model/SanierungsZeile.h"

#include <array>
#include <cstdint>
#include <string>

namespace zeva {

// Fuel codes of Brennstoff; the same codes index the fuel prices of the
// options.
enum Brennstoffart : std::int32_t {
    BrennstoffGas = 0,
    BrennstoffOel = 1,
    BrennstoffHolz = 2,
    BrennstoffStrom = 3,
    BrennstoffSonstige = 4,
    BrennstoffHackschnitzel = 5,
    BrennstoffBraunkohle = 6,
    BrennstoffSteinkohle = 7,
};

class DHeizung : public CXmlSerializable<DHeizung> {
public:
    static constexpr const char* XmlElementName = "DHeizung";
    // Document order: Sowieso, declared first, comes after Bitmappfad.
    static auto GetXmlMembers(DHeizung& h)
    {
        return std::array{XmlString("Name", h.Name),
                          XmlString("Langtext", h.Langtext),
                          XmlInt("Sanbar", h.Sanbar),
                          XmlInt("SanMuss", h.SanMuss),
                          XmlInt("Brennstoff", h.Brennstoff),
                          XmlInt("Einzelheiz", h.Einzelheiz),
                          XmlDouble("EtaEinzel", h.EtaEinzel),
                          XmlDouble("Nennwaermeleistung", h.Nennwaermeleistung),
                          XmlDouble("Jahresnutzungsgrad", h.Jahresnutzungsgrad),
                          XmlDouble("Bereitschaftszeit", h.Bereitschaftszeit),
                          XmlDouble("Vollbenutzungsstunden", h.Vollbenutzungsstunden),
                          XmlDouble("Strahlungsverlust", h.Strahlungsverlust),
                          XmlDouble("Abgasverlust", h.Abgasverlust),
                          XmlDouble("Bereitschaftsverlust", h.Bereitschaftsverlust),
                          XmlString("Heizungsverteilung", h.Heizungsverteilung),
                          XmlDouble("Verteilungsnutzungsgrad", h.Verteilungsnutzungsgrad),
                          XmlDouble("Preis", h.Preis),
                          XmlDouble("Lebensdauer", h.Lebensdauer),
                          XmlString("Bitmappfad", h.Bitmappfad),
                          XmlDouble("Sowieso", h.Sowieso),
                          XmlString("Kommentar", h.Kommentar),
                          XmlDouble("Co2", h.Co2),
                          XmlDouble("Kea", h.Kea)};
    }

    DHeizung() = default;
    // Copies every member but the four results of BerechneEndenergie, which
    // keep the target's values (a new record's are 0).
    DHeizung(const DHeizung& quelle);
    DHeizung& operator=(const DHeizung& quelle);
    DHeizung(DHeizung&&) noexcept = default;
    DHeizung& operator=(DHeizung&&) noexcept = default;

    // What the heating makes of the heat demand q (MJ per year): fuel energy
    // and losses (same unit), the full-load hours and the annual efficiency
    // of the generator (0 for a single-room heating and for invalid data,
    // which give Endenergie 0).
    struct Endenergiewerte {
        double Endenergie = 0;
        double VerlustVerteilung = 0;
        double VerlustErzeugung = 0;
        double VerlustBereitschaft = 0;
        double Vollbenutzungsstunden = 0;
        double Jahresnutzungsgrad = 0;
    };
    // Leaves the record as it is: the balances of a building state call it
    // any number of times, and the annual efficiency they derive must not
    // turn into the user's input (the variants compare it).
    Endenergiewerte BerechneEndenergiewerte(double q) const;
    // Keeps the fuel energy and the three losses as the four results; the
    // stored members stay.
    void SetzeErgebnisse(const Endenergiewerte& w);

    // For the input pages, which show the efficiency the losses give: runs
    // BerechneEndenergiewerte and takes its figures into the four results,
    // Vollbenutzungsstunden and Jahresnutzungsgrad; returns the efficiency.
    double BerechneEndenergie(double q);

    // CO2 per kWh of fuel energy by fuel; -1 for an unknown code.
    double Co2Faktor() const;
    // Fuel quantity per kWh of fuel energy (m³ gas, l oil, kg wood; 1 for
    // electricity and for the fuels counted in kWh); -1 for an unknown code.
    double Brennstoffeinheit() const;

    // Same heating as far as the variant costs are concerned; the efficiency
    // is compared to 3 significant digits and not at all when this record is
    // a single-room heating. Numbers are otherwise compared exactly.
    bool IstGleich(const DHeizung& o) const;
    bool operator!=(const DHeizung& o) const { return !IstGleich(o); }

    // The record was never filled in (note: a new record is a central
    // heating and therefore not empty).
    bool IstLeer() const;

    // Takes the boiler of a row of the boiler renovation table as the new
    // heating; the price stays for the caller to set. Always true.
    bool SetzeSanierung(const SanZeileHeizkessel& zeile);

    // The members of one kind of heating, as the input page and the variant's
    // heating page both write them: a single-room heating has no power,
    // boiler losses or distribution (all year ready, distribution 1), a
    // central heating no stove efficiency. The name and everything else stay
    // for the caller.
    struct Zentralheizungswerte {
        double Nennwaermeleistung = 0;
        double Jahresnutzungsgrad = 0;
        double Bereitschaftszeit = 8760;
        double Strahlungsverlust = 0;
        double Abgasverlust = 0;
        double Bereitschaftsverlust = 0;
        std::string Heizungsverteilung;
        double Verteilungsnutzungsgrad = 1.0;
    };
    void SetzeEinzelheizung(double etaEinzel);
    void SetzeZentralheizung(const Zentralheizungswerte& werte);
    Zentralheizungswerte Zentralwerte() const;

    // Older binary form: the members in document order without Co2 and Kea.
    void Serialize(BinaryArchive& ar) override;

    double Sowieso = 0; // EUR, costs that fall due anyway
    std::string Name;
    std::string Langtext;
    std::int32_t Sanbar = 1;
    std::int32_t SanMuss = 0;
    std::int32_t Brennstoff = BrennstoffGas;
    std::int32_t Einzelheiz = 0; // 1 single-room heating, 0 central heating
    double Jahresnutzungsgrad = 0;
    // Results of BerechneEndenergie; not stored, not copied.
    double VerlustVerteilung = 0;
    double VerlustErzeugung = 0;
    double VerlustBereitschaft = 0;
    double Endenergie = 0;
    std::string Bitmappfad;
    std::string Kommentar;
    double Co2 = 0;
    double Kea = 0;
    double EtaEinzel = 1.0;
    double Nennwaermeleistung = 0; // kW
    double Bereitschaftszeit = 8760; // h/a
    double Vollbenutzungsstunden = 0; // h/a
    double Strahlungsverlust = 0;    // fraction of the power
    double Abgasverlust = 0;         // fraction of the power
    double Bereitschaftsverlust = 0; // fraction of the power
    std::string Heizungsverteilung;
    double Verteilungsnutzungsgrad = 1.0;
    double Preis = 0;       // EUR
    double Lebensdauer = 0; // years
};

using CDHeizungArray = CXmlObjektArray<DHeizung>;

} // namespace zeva
