// Method 1 of the heat-demand calculation: a monthly degree-day balance after
// SIA 380/1.
#include "model/Bilanzhilfen.h"
#include "model/Haus.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace zeva {

namespace {

constexpr double InnentemperaturSIA = 20;     // °C, fixed by the method
constexpr double SekundenProTagInMega = 0.0864; // W·d → MJ
constexpr double MJProKWh = 3.6;
constexpr double LueftungsFaktor = 0.030168;  // MJ/(m³·K·d) for the air change rate
constexpr double SolarReduktion = 0.85;
constexpr double Elektrizitaetsanteil = 0.7;  // share of the electricity that heats
constexpr double PersonenFaktor = 0.288;      // 80 W per person over an hour, in MJ
constexpr double MinVerluste = 1e-8;

// How a component meets the outside in method 1: through the degree days,
// through the mean outdoor temperature raised by an offset Δ (an unheated
// neighbour or the ground), or not at all.
struct Behandlung {
    enum Art { Keine, Gradtage, Versatz } art = Keine;
    double delta = 0;
};

Behandlung BehandlungDecke(std::int32_t angrenzung)
{
    switch (angrenzung) {
    case 1: return {Behandlung::Versatz, 2};
    case 2: return {Behandlung::Versatz, 4};
    case 3: return {Behandlung::Versatz, 6};
    case 4: return {Behandlung::Versatz, 8};
    default: return {}; // 0 "beheizt"
    }
}

// Walls and floors differ only in the offset against ground.
Behandlung BehandlungWandBoden(std::int32_t angrenzung, double deltaErdreich)
{
    switch (angrenzung) {
    case 0: return {Behandlung::Gradtage, 0};
    case 2: return {Behandlung::Versatz, deltaErdreich};
    case 3: return {Behandlung::Versatz, 2};
    case 4: return {Behandlung::Versatz, 4};
    case 5: return {Behandlung::Versatz, 6};
    case 6: return {Behandlung::Versatz, 8};
    default: return {}; // 1 "beheizt"
    }
}

// Utilisation of the gains at the gain/loss ratio γ; the polynomial meets 1/γ
// at the switch. Only gains below zero (a negative input somewhere) could
// reach a pole of the polynomial; such a month uses nothing.
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

double Haus::MonatsbilanzSIA(Notifier& notifier)
{
    // The method prescribes 20 °C; the user's Innentemperatur stays as it is
    // for the other method and the standard heat load.
    const double thetaI = InnentemperaturSIA;
    if (Klimazone == KlimazoneKeine) {
        MeldeFehlendeKlimadaten(notifier, "SIA");
        return 0;
    }
    DBedarf& bedarf = m_aBedarf[0];

    const double A = Energiebezugsflaeche;
    const double e = A > 1 ? 1 / (MJProKWh * A) : 0;
    double Y = 0;
    std::vector<double> gFenster(m_aFenster.size());

    for (std::size_t m = 0; m < 12; ++m) {
        const double ht = Heiztage[m];
        const double hgt = Gradtage[m];
        const double thetaE = Aussentemperatur[m];
        const double tage = Monatstage[m];

        for (Monatsreihe* tabelle : {&MonatWand, &MonatDecke, &MonatBoden, &MonatFenster, &MonatSteildach,
                                     &MonatFlachdach, &MonatLueftung, &MonatSolar, &MonatIntern})
            (*tabelle)[m] = 0;
        double T = 0;
        double S = 0;

        auto verlust = [&](double u, double flaeche, Behandlung b) {
            switch (b.art) {
            case Behandlung::Gradtage: return u * flaeche * hgt * SekundenProTagInMega;
            case Behandlung::Versatz: {
                const double q = (thetaI - thetaE - b.delta) * ht * u * flaeche * SekundenProTagInMega;
                return q < 0 ? 0.0 : q;
            }
            case Behandlung::Keine: break;
            }
            return 0.0;
        };
        auto gruppe = [&](const auto& bauteile, auto behandlung, CXmlDoubleArray& anteile, Monatsreihe& tabelle) {
            for (std::size_t i = 0; i < bauteile.size(); ++i) {
                const auto& b = bauteile[i];
                const double q = verlust(b.kWert, b.Flaeche, behandlung(b));
                T += q;
                anteile[i] += e * q;
                tabelle[m] += e * q;
            }
        };
        const Behandlung gradtage{Behandlung::Gradtage, 0};
        gruppe(m_aFlachdach, [&](const DFlachdach&) { return gradtage; }, bedarf.m_aBedFlachdach, MonatFlachdach);
        gruppe(m_aSteildach, [&](const DSteildach&) { return gradtage; }, bedarf.m_aBedSteildach, MonatSteildach);
        gruppe(m_aDecke, [](const DDecke& d) { return BehandlungDecke(d.Zone); }, bedarf.m_aBedDecke, MonatDecke);
        gruppe(m_aWand, [](const DWand& w) { return BehandlungWandBoden(w.Zone, 2); }, bedarf.m_aBedWand, MonatWand);
        gruppe(m_aBoden, [](const DBoden& b) { return BehandlungWandBoden(b.Zone, 4); }, bedarf.m_aBedBoden, MonatBoden);

        const double r = 0.6 + 0.4 * ht / tage;
        for (std::size_t w = 0; w < m_aFenster.size(); ++w) {
            const DFenster& f = m_aFenster[w];
            const double q = f.UWert() * f.Flaeche * hgt * SekundenProTagInMega;
            T += q;
            bedarf.m_aBedFensterverlust[w] += e * q;
            MonatFenster[m] += e * q;
            // The climate tables hold kWh/m²; this method counts in MJ.
            const double strahlung = FensterEinstrahlung(*this, m, f.Richtung, f.Neigung) * MJProKWh;
            gFenster[w] = (1 - f.Rahmenanteil) * strahlung * (ht / tage) * f.Reduktionsfaktor * f.gWert * f.Flaeche *
                          r * SolarReduktion;
            S += gFenster[w];
            bedarf.m_aBedFenstergewinn[w] += e * gFenster[w];
        }

        const double Vm = hgt * Volumen * Luftwechsel * LueftungsFaktor;
        bedarf.Lueftung += e * Vm;
        MonatLueftung[m] += e * Vm;

        const double Em = ht * Elektrizitaet * A * Elektrizitaetsanteil / 365;
        bedarf.Elektrizitaet += e * Em;
        const double Pm = NutzungszeitProTag * Personenzahl * ht * PersonenFaktor;
        bedarf.Personen += e * Pm;

        // A month without losses uses no gains and adds nothing to the annual
        // losses; its components keep their shares in the group sums.
        const double L = T + Vm;
        if (L > MinVerluste) {
            const double G = S + Pm + Em;
            const double eta = Nutzungsgrad(G / L);
            Y += L;
            bedarf.ElektrizitaetNutzbar += e * eta * Em;
            bedarf.PersonenNutzbar += e * eta * Pm;
            MonatIntern[m] += e * eta * (Pm + Em);
            for (std::size_t w = 0; w < m_aFenster.size(); ++w) {
                bedarf.m_aBedFenstergewinnnutzbar[w] += e * eta * gFenster[w];
                MonatSolar[m] += e * eta * gFenster[w];
            }
        }
    }

    SummiereGruppen(bedarf);

    bedarf.Waermebedarf = e * Y;
    return Y;
}

} // namespace zeva
