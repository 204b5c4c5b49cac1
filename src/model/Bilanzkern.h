#pragma once
// The common core of the two monthly balances (methods 0 and 1): each
// component group's contributions are summed first, then the groups are
// combined in one fixed order (flat roofs, pitched roofs, ceilings, walls,
// floors, windows) and the utilisation of the gains is worked out month by
// month. The house's balance and the optimiser's fast search both go through
// KombiniereBilanz, so a combination of measures computed from stored group
// sums gives bit for bit what the balance of a house with those measures
// gives.
#include <array>
#include <cstddef>
#include <cstdint>

namespace zeva {

// Order of the component groups in the balance and in the optimiser.
enum Sanierungsgruppe : int {
    GruppeFlachdach = 0,
    GruppeSteildach = 1,
    GruppeDecke = 2,
    GruppeWand = 3,
    GruppeBoden = 4,
    GruppeFenster = 5,
    GruppeHeizung = 6,
};
constexpr std::size_t AnzahlBauteilgruppen = 6;

using Monatswerte = std::array<double, 12>;

// What one component group adds to a monthly balance. Method 0 counts in kWh
// for the whole house, method 1 in MJ.
struct Gruppensumme {
    double H = 0;          // method 0: Σ F·U·A of the group, W/K
    double Flaeche = 0;    // method 0: Σ area, m²
    Monatswerte Verlust{}; // transmission losses per month
    Monatswerte Solar{};   // windows: solar gains per month
    Monatswerte SolarJeFlaeche{}; // method 0, windows: the same per m² of heated area

    // Element by element, in the order the combination uses.
    Gruppensumme& operator+=(const Gruppensumme& g)
    {
        H += g.H;
        Flaeche += g.Flaeche;
        for (std::size_t m = 0; m < 12; ++m) {
            Verlust[m] += g.Verlust[m];
            Solar[m] += g.Solar[m];
            SolarJeFlaeche[m] += g.SolarJeFlaeche[m];
        }
        return *this;
    }
};

// The part of a balance that no component measure changes: ventilation,
// internal gains, the house's volume and heated area.
struct Bilanzkonstanten {
    std::int32_t Verfahren = 0; // 0 or 1
    double e = 0;               // per-m² factor of the method
    double HV = 0;              // method 0: ventilation coefficient, W/K
    double Volumen = 0;         // m³
    Monatswerte Lueftung{};     // ventilation losses per month
    Monatswerte Intern{};       // method 0: internal gains (kWh); method 1: electricity Em (MJ)
    Monatswerte InternJeFlaeche{}; // method 0: internal gains per m²
    Monatswerte Personen{};     // method 1: Pm (MJ)
};

struct Bilanzergebnis {
    double Verluste = 0; // the balance's answer in MJ (Waermebilanz)
    double FenstergewinnNutzbar = 0;
    double ElektrizitaetNutzbar = 0;
    double PersonenNutzbar = 0;
    Monatswerte Eta{};                // utilisation factor per month
    std::array<bool, 12> Aktiv{};     // method 1: the month has losses
};

// The groups' sum ((0 + g0) + g1) + ... + g5 of the groups in balance order.
Gruppensumme SummeDerGruppen(const std::array<Gruppensumme, AnzahlBauteilgruppen>& gruppen);

// The balance from the groups' sum and the constants.
Bilanzergebnis KombiniereBilanz(const Gruppensumme& summe, const Bilanzkonstanten& k);

// Everything a monthly balance combines, as the house's last balance left it.
struct Bilanzteile {
    std::array<Gruppensumme, AnzahlBauteilgruppen> Gruppen{};
    Bilanzkonstanten Konstanten{};
    bool Gueltig = false; // a monthly method ran with climate data
};

} // namespace zeva
