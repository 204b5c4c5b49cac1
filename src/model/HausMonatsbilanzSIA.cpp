// Method 1 of the heat-demand calculation: a monthly degree-day balance after
// SIA 380/1.
#include "model/Bilanzhilfen.h"
#include "model/Einheiten.h"
#include "model/Bilanzkern.h"
#include "model/Haus.h"

#include <array>
#include <cstddef>
#include <vector>

namespace zeva {

namespace {

constexpr double InnentemperaturSIA = 20;     // °C, fixed by the method
constexpr double SekundenProTagInMega = 0.0864; // W·d → MJ
constexpr double LueftungsFaktor = 0.030168;  // MJ/(m³·K·d) for the air change rate
constexpr double SolarReduktion = 0.85;
constexpr double Elektrizitaetsanteil = 0.7;  // share of the electricity that heats
constexpr double PersonenFaktor = 0.288;      // 80 W per person over an hour, in MJ

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
    std::vector<std::array<double, 12>> gFenster(m_aFenster.size());

    // Each group on its own, month by month; the groups are combined below.
    Bilanzteile& teile = m_Bilanzteile;
    teile = Bilanzteile{};
    Bilanzkonstanten& k = teile.Konstanten;
    k.Verfahren = BerechnungSIA;
    k.e = e;
    k.Volumen = Volumen;

    for (std::size_t m = 0; m < 12; ++m) {
        const double ht = Heiztage[m];
        const double hgt = Gradtage[m];
        const double thetaE = Aussentemperatur[m];
        const double tage = Monatstage[m];

        for (Monatsreihe* tabelle : {&MonatWand, &MonatDecke, &MonatBoden, &MonatFenster, &MonatSteildach,
                                     &MonatFlachdach, &MonatLueftung, &MonatSolar, &MonatIntern})
            (*tabelle)[m] = 0;

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
        auto gruppe = [&](Sanierungsgruppe g, const auto& bauteile, auto behandlung, CXmlDoubleArray& anteile,
                          Monatsreihe& tabelle) {
            double& T = teile.Gruppen[static_cast<std::size_t>(g)].Verlust[m];
            for (std::size_t i = 0; i < bauteile.size(); ++i) {
                const auto& b = bauteile[i];
                const double q = verlust(b.kWert, b.Flaeche, behandlung(b));
                T += q;
                anteile[i] += e * q;
                tabelle[m] += e * q;
            }
        };
        const Behandlung gradtage{Behandlung::Gradtage, 0};
        gruppe(GruppeFlachdach, m_aFlachdach, [&](const DFlachdach&) { return gradtage; }, bedarf.m_aBedFlachdach,
               MonatFlachdach);
        gruppe(GruppeSteildach, m_aSteildach, [&](const DSteildach&) { return gradtage; }, bedarf.m_aBedSteildach,
               MonatSteildach);
        gruppe(GruppeDecke, m_aDecke, [](const DDecke& d) { return BehandlungDecke(d.Zone); }, bedarf.m_aBedDecke,
               MonatDecke);
        gruppe(GruppeWand, m_aWand, [](const DWand& w) { return BehandlungWandBoden(w.Zone, 2); }, bedarf.m_aBedWand,
               MonatWand);
        gruppe(GruppeBoden, m_aBoden, [](const DBoden& b) { return BehandlungWandBoden(b.Zone, 4); },
               bedarf.m_aBedBoden, MonatBoden);

        Gruppensumme& fenster = teile.Gruppen[GruppeFenster];
        const double r = 0.6 + 0.4 * ht / tage;
        for (std::size_t w = 0; w < m_aFenster.size(); ++w) {
            const DFenster& f = m_aFenster[w];
            const double q = f.UWert() * f.Flaeche * hgt * SekundenProTagInMega;
            fenster.Verlust[m] += q;
            bedarf.m_aBedFensterverlust[w] += e * q;
            MonatFenster[m] += e * q;
            // The climate tables hold kWh/m²; this method counts in MJ.
            const double strahlung = FensterEinstrahlung(*this, m, f.Richtung, f.Neigung) * MJProKWh;
            gFenster[w][m] = (1 - f.Rahmenanteil) * strahlung * (ht / tage) * f.Reduktionsfaktor * f.gWert *
                             f.Flaeche * r * SolarReduktion;
            fenster.Solar[m] += gFenster[w][m];
            bedarf.m_aBedFenstergewinn[w] += e * gFenster[w][m];
        }

        k.Lueftung[m] = hgt * Volumen * Luftwechsel * LueftungsFaktor;
        bedarf.Lueftung += e * k.Lueftung[m];
        MonatLueftung[m] += e * k.Lueftung[m];

        k.Intern[m] = ht * Elektrizitaet * A * Elektrizitaetsanteil / 365;
        bedarf.Elektrizitaet += e * k.Intern[m];
        k.Personen[m] = NutzungszeitProTag * Personenzahl * ht * PersonenFaktor;
        bedarf.Personen += e * k.Personen[m];
    }
    teile.Gueltig = true;

    const Bilanzergebnis ergebnis = KombiniereBilanz(SummeDerGruppen(teile.Gruppen), k);
    bedarf.ElektrizitaetNutzbar = ergebnis.ElektrizitaetNutzbar;
    bedarf.PersonenNutzbar = ergebnis.PersonenNutzbar;
    // The usable share of each window and of each month's gains.
    for (std::size_t m = 0; m < 12; ++m) {
        if (!ergebnis.Aktiv[m])
            continue;
        const double eta = ergebnis.Eta[m];
        MonatIntern[m] += e * eta * (k.Personen[m] + k.Intern[m]);
        for (std::size_t w = 0; w < m_aFenster.size(); ++w) {
            bedarf.m_aBedFenstergewinnnutzbar[w] += e * eta * gFenster[w][m];
            MonatSolar[m] += e * eta * gFenster[w][m];
        }
    }

    SummiereGruppen(bedarf);
    bedarf.Fenstergewinnnutzbarsumme = ergebnis.FenstergewinnNutzbar;

    bedarf.Waermebedarf = e * ergebnis.Verluste;
    return ergebnis.Verluste;
}

} // namespace zeva
