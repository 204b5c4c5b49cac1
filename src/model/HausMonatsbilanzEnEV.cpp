// Method 0 of the heat-demand calculation ("EnEV"): a monthly balance with
// the simplified constants of DIN V 4108-6.
#include "model/Bilanzhilfen.h"
#include "model/Haus.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

namespace zeva {

namespace {

constexpr double WaermebrueckenZuschlag = 0.1;     // W/(m²K) on the whole envelope
constexpr double LuftWaermekapazitaet = 0.34;      // Wh/(m³K)
constexpr double InterneGewinneWohnen = 1.6;       // W per m³
constexpr double InterneGewinneVerwaltung = 1.92;  // W per m³
constexpr double SolarAbminderung = 0.81;          // frame, shading, non-perpendicular incidence
constexpr double WirksameWaermekapazitaet = 50;    // Wh/(m³K)
constexpr double ZeitkonstanteReferenz = 16;       // h
constexpr std::int32_t Verwaltungsgebaeude = 2;

// Temperature-correction factors. Components against ground take their
// factor whatever their resistance: a poorly insulated wall or floor against
// ground loses more, never nothing.
double FaktorWand(std::int32_t angrenzung)
{
    switch (angrenzung) {
    case 0: return 1.0;  // "Außenluft"
    case 1: return 0.0;  // "beheizt"
    case 2: return 0.6;  // "Erdreich"
    case 3: case 4: case 5: case 6: return 0.5; // "unbeheizt + 2°C" to "+ 8°C"
    default: return 0.0;
    }
}

double FaktorBoden(std::int32_t angrenzung, bool kellerBeheizt)
{
    switch (angrenzung) {
    case 0: return 0.9;
    case 1: return 0.0;
    case 2: return kellerBeheizt ? 0.4 : 0.5;
    case 3: case 4: case 5: case 6: return 0.65;
    default: return 0.0;
    }
}

constexpr double FaktorDecke = 0.8; // whatever the ceiling borders

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

} // namespace

double Haus::MonatsbilanzEnEV(Notifier& notifier)
{
    if (Klimazone == KlimazoneKeine) {
        MeldeFehlendeKlimadaten(notifier, "EnEV");
        return 0;
    }
    DBedarf& bedarf = m_aBedarf[0];

    for (Monatsreihe* tabelle : {&MonatWand, &MonatDecke, &MonatBoden, &MonatFenster, &MonatSteildach,
                                 &MonatFlachdach, &MonatLueftung, &MonatSolar, &MonatIntern})
        tabelle->fill(0);

    // Everything is computed in kWh for the whole house and turned into kWh
    // per m² with e; a house without a usable reference area gets no per-area
    // values, but its total and its utilisation factors stay defined.
    const double A = Energiebezugsflaeche;
    const double e = A > 1 ? 1 / A : 0;
    const double thetaI = Innentemperatur;

    // Heat-loss coefficients H = F · U · area (W/K) and the envelope area.
    double summeH = 0;
    double summeA = 0;
    auto koeffizienten = [&](const auto& bauteile, auto faktor) {
        std::vector<double> h;
        h.reserve(bauteile.size());
        for (const auto& b : bauteile) {
            h.push_back(faktor(b) * b.kWert * b.Flaeche);
            summeH += h.back();
            summeA += b.Flaeche;
        }
        return h;
    };
    const bool kellerBeheizt = KellerBeheizt != 0;
    const std::vector<double> hWand = koeffizienten(m_aWand, [](const DWand& w) { return FaktorWand(w.Zone); });
    const std::vector<double> hSteildach = koeffizienten(m_aSteildach, [](const DSteildach&) { return 1.0; });
    const std::vector<double> hFlachdach = koeffizienten(m_aFlachdach, [](const DFlachdach&) { return 1.0; });
    const std::vector<double> hDecke = koeffizienten(m_aDecke, [](const DDecke&) { return FaktorDecke; });
    std::vector<double> hFenster;
    hFenster.reserve(m_aFenster.size());
    for (const DFenster& f : m_aFenster) {
        hFenster.push_back(f.UWert() * f.Flaeche);
        summeH += hFenster.back();
        summeA += f.Flaeche;
    }
    const std::vector<double> hBoden =
        koeffizienten(m_aBoden, [kellerBeheizt](const DBoden& b) { return FaktorBoden(b.Zone, kellerBeheizt); });

    // The thermal-bridge surcharge acts only through the time constant.
    const double HT = summeH + WaermebrueckenZuschlag * summeA;
    const double HV = LuftWaermekapazitaet * Luftwechsel * Volumen;

    const double Pi =
        Volumen * (Nutzungstyp == Verwaltungsgebaeude ? InterneGewinneVerwaltung : InterneGewinneWohnen);

    std::array<double, 12> internKWh{};
    std::array<double, 12> solarKWh{};
    std::array<double, 12> verlustKWh{};
    for (std::size_t m = 0; m < 12; ++m) {
        const double stunden = Monatstage[m] * 24.0;
        internKWh[m] = Pi * stunden / 1000;
        MonatIntern[m] = e * internKWh[m];
    }

    for (std::size_t w = 0; w < m_aFenster.size(); ++w) {
        const DFenster& f = m_aFenster[w];
        for (std::size_t m = 0; m < 12; ++m) {
            const double qs = FensterEinstrahlung(*this, m, f.Richtung, f.Neigung) * (1 - f.Rahmenanteil) * f.gWert *
                              f.Flaeche * SolarAbminderung;
            solarKWh[m] += qs;
            bedarf.m_aBedFenstergewinn[w] += e * qs;
            MonatSolar[m] += e * qs;
        }
    }

    // Transmission, component by component; months warmer than inside count
    // with their sign.
    auto transmission = [&](const std::vector<double>& h, CXmlDoubleArray& anteile, Monatsreihe& tabelle) {
        for (std::size_t i = 0; i < h.size(); ++i) {
            double summe = 0;
            for (std::size_t m = 0; m < 12; ++m) {
                const double q = h[i] * (thetaI - Aussentemperatur[m]) * Monatstage[m] * 24.0 / 1000;
                verlustKWh[m] += q;
                summe += e * q;
                tabelle[m] += e * q;
            }
            anteile[i] = summe;
        }
    };
    transmission(hWand, bedarf.m_aBedWand, MonatWand);
    transmission(hSteildach, bedarf.m_aBedSteildach, MonatSteildach);
    transmission(hFlachdach, bedarf.m_aBedFlachdach, MonatFlachdach);
    transmission(hDecke, bedarf.m_aBedDecke, MonatDecke);
    transmission(hFenster, bedarf.m_aBedFensterverlust, MonatFenster);
    transmission(hBoden, bedarf.m_aBedBoden, MonatBoden);

    for (std::size_t m = 0; m < 12; ++m) {
        const double q = HV * (thetaI - Aussentemperatur[m]) * Monatstage[m] * 24.0 / 1000;
        verlustKWh[m] += q;
        MonatLueftung[m] = e * q;
    }

    const double tau = WirksameWaermekapazitaet * Volumen / (HT + HV);
    const double a = 1 + tau / ZeitkonstanteReferenz;
    double verlusteGesamt = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        const double eta = Ausnutzungsgrad(internKWh[m] + solarKWh[m], verlustKWh[m], a);
        bedarf.ElektrizitaetNutzbar += eta * MonatIntern[m];
        bedarf.Fenstergewinnnutzbarsumme += eta * MonatSolar[m];
        verlusteGesamt += verlustKWh[m];
    }

    auto jahressumme = [](const Monatsreihe& tabelle) {
        double summe = 0;
        for (const double q : tabelle)
            summe += q;
        return summe;
    };
    bedarf.Wandsumme = jahressumme(MonatWand);
    bedarf.Steildachsumme = jahressumme(MonatSteildach);
    bedarf.Flachdachsumme = jahressumme(MonatFlachdach);
    bedarf.Deckesumme = jahressumme(MonatDecke);
    bedarf.Bodensumme = jahressumme(MonatBoden);
    bedarf.Fensterverlustsumme = jahressumme(MonatFenster);
    bedarf.Lueftung = jahressumme(MonatLueftung);
    bedarf.Fenstergewinnsumme = jahressumme(MonatSolar);
    bedarf.Elektrizitaet = jahressumme(MonatIntern);

    // Gross losses; the usable gains are subtracted by the demand per state.
    bedarf.Waermebedarf = bedarf.Fensterverlustsumme + bedarf.Bodensumme + bedarf.Wandsumme + bedarf.Deckesumme +
                          bedarf.Steildachsumme + bedarf.Flachdachsumme + bedarf.Lueftung;

    // A · 3.6 · Waermebedarf, taken from the kWh so that it holds for any area.
    return 3.6 * verlusteGesamt;
}

} // namespace zeva
