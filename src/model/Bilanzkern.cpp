#include "model/Bilanzkern.h"

#include <cmath>

namespace zeva {

namespace {

// Method 0 ("EnEV", DIN V 4108-6).
constexpr double WaermebrueckenZuschlag = 0.1;  // W/(m²K) on the whole envelope
constexpr double WirksameWaermekapazitaet = 50; // Wh/(m³K)
constexpr double ZeitkonstanteReferenz = 16;    // h

// Method 1 ("SIA 380/1").
constexpr double MinVerluste = 1e-8;

// Utilisation factor of the gains of a month with gains g and losses l (both
// in the same unit) for the time-constant parameter a. A month without losses
// (or with negative ones) uses nothing; so does a ratio that is not a number.
double Ausnutzungsgrad(double gewinne, double verluste, double a)
{
    if (!(verluste > 0))
        return 0;
    const double gamma = gewinne / verluste;
    if (!std::isfinite(gamma))
        return 0;
    double eta = 0;
    if (std::abs(gamma - 1) < 1e-8)
        eta = a / (a + 1);
    else
        eta = (1 - std::pow(gamma, a)) / (1 - std::pow(gamma, a + 1));
    if (!std::isfinite(eta)) {
        // γ^(a+1) overflowed: the quotient tends to 1/γ for large γ.
        eta = (gamma > 1 && std::isfinite(1 / gamma)) ? 1 / gamma : 0;
    }
    return eta;
}

// Utilisation of the gains at the gain/loss ratio γ (method 1); the
// polynomial meets 1/γ at the switch. Only gains below zero (a negative input
// somewhere) could reach a pole of the polynomial; such a month uses nothing.
double Nutzungsgrad(double gamma)
{
    double eta = 0;
    if (gamma < 2.4685) {
        const double g2 = gamma * gamma;
        eta = 1.21 / (1 + 0.08 * g2 + 0.18 * g2 * gamma - 0.06 * g2 * g2) - 0.21;
    } else {
        eta = 1 / gamma;
    }
    return std::isfinite(eta) ? eta : 0;
}

} // namespace

Gruppensumme SummeDerGruppen(const std::array<Gruppensumme, AnzahlBauteilgruppen>& gruppen)
{
    Gruppensumme s;
    for (const Gruppensumme& g : gruppen)
        s += g;
    return s;
}

Bilanzergebnis KombiniereBilanz(const Gruppensumme& s, const Bilanzkonstanten& k)
{
    Bilanzergebnis r;
    if (k.Verfahren == 0) {
        // The thermal-bridge surcharge acts only through the time constant.
        const double HT = s.H + WaermebrueckenZuschlag * s.Flaeche;
        const double tau = WirksameWaermekapazitaet * k.Volumen / (HT + k.HV);
        const double a = 1 + tau / ZeitkonstanteReferenz;
        double verlusteGesamt = 0;
        for (std::size_t m = 0; m < 12; ++m) {
            const double verlust = s.Verlust[m] + k.Lueftung[m];
            const double eta = Ausnutzungsgrad(k.Intern[m] + s.Solar[m], verlust, a);
            r.Eta[m] = eta;
            r.Aktiv[m] = true;
            r.ElektrizitaetNutzbar += eta * k.InternJeFlaeche[m];
            r.FenstergewinnNutzbar += eta * s.SolarJeFlaeche[m];
            verlusteGesamt += verlust;
        }
        // A · 3.6 · Waermebedarf, taken from the kWh so that it holds for any
        // area.
        r.Verluste = 3.6 * verlusteGesamt;
        return r;
    }

    double Y = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        // A month without losses uses no gains and adds nothing to the annual
        // losses.
        const double L = s.Verlust[m] + k.Lueftung[m];
        if (!(L > MinVerluste))
            continue;
        const double G = s.Solar[m] + k.Personen[m] + k.Intern[m];
        const double eta = Nutzungsgrad(G / L);
        r.Eta[m] = eta;
        r.Aktiv[m] = true;
        Y += L;
        r.ElektrizitaetNutzbar += k.e * eta * k.Intern[m];
        r.PersonenNutzbar += k.e * eta * k.Personen[m];
        r.FenstergewinnNutzbar += k.e * eta * s.Solar[m];
    }
    r.Verluste = Y;
    return r;
}

} // namespace zeva
