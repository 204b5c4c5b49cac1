// Method 0 of the heat-demand calculation ("EnEV"): a monthly balance with
// the simplified constants of DIN V 4108-6.
#include "model/Bilanzhilfen.h"
#include "model/Bilanzkern.h"
#include "model/Haus.h"

#include <array>
#include <cstddef>

namespace zeva {

namespace {

constexpr double LuftWaermekapazitaet = 0.34;      // Wh/(m³K)
constexpr double InterneGewinneWohnen = 1.6;       // W per m³
constexpr double InterneGewinneVerwaltung = 1.92;  // W per m³
constexpr double SolarAbminderung = 0.81;          // frame, shading, non-perpendicular incidence

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

    // Each group on its own: heat-loss coefficients H = F · U · area (W/K),
    // the envelope area, and the transmission per month, component by
    // component; months warmer than inside count with their sign.
    Bilanzteile& teile = m_Bilanzteile;
    teile = Bilanzteile{};
    auto gruppe = [&](Sanierungsgruppe g, const auto& bauteile, auto faktor, CXmlDoubleArray& anteile,
                      Monatsreihe& tabelle) {
        Gruppensumme& s = teile.Gruppen[static_cast<std::size_t>(g)];
        for (std::size_t i = 0; i < bauteile.size(); ++i) {
            const auto& b = bauteile[i];
            const double h = faktor(b);
            s.H += h;
            s.Flaeche += b.Flaeche;
            double summe = 0;
            for (std::size_t m = 0; m < 12; ++m) {
                const double q = h * (thetaI - Aussentemperatur[m]) * Monatstage[m] * 24.0 / 1000;
                s.Verlust[m] += q;
                summe += e * q;
                tabelle[m] += e * q;
            }
            anteile[i] = summe;
        }
    };
    const bool kellerBeheizt = KellerBeheizt != 0;
    gruppe(GruppeFlachdach, m_aFlachdach, [](const DFlachdach& d) { return 1.0 * d.kWert * d.Flaeche; },
           bedarf.m_aBedFlachdach, MonatFlachdach);
    gruppe(GruppeSteildach, m_aSteildach, [](const DSteildach& d) { return 1.0 * d.kWert * d.Flaeche; },
           bedarf.m_aBedSteildach, MonatSteildach);
    gruppe(GruppeDecke, m_aDecke, [](const DDecke& d) { return FaktorDecke * d.kWert * d.Flaeche; },
           bedarf.m_aBedDecke, MonatDecke);
    gruppe(GruppeWand, m_aWand, [](const DWand& w) { return FaktorWand(w.Zone) * w.kWert * w.Flaeche; },
           bedarf.m_aBedWand, MonatWand);
    gruppe(GruppeBoden, m_aBoden,
           [kellerBeheizt](const DBoden& b) { return FaktorBoden(b.Zone, kellerBeheizt) * b.kWert * b.Flaeche; },
           bedarf.m_aBedBoden, MonatBoden);
    gruppe(GruppeFenster, m_aFenster, [](const DFenster& f) { return f.UWert() * f.Flaeche; },
           bedarf.m_aBedFensterverlust, MonatFenster);

    Gruppensumme& fenster = teile.Gruppen[GruppeFenster];
    for (std::size_t w = 0; w < m_aFenster.size(); ++w) {
        const DFenster& f = m_aFenster[w];
        for (std::size_t m = 0; m < 12; ++m) {
            const double qs = FensterEinstrahlung(*this, m, f.Richtung, f.Neigung) * (1 - f.Rahmenanteil) * f.gWert *
                              f.Flaeche * SolarAbminderung;
            fenster.Solar[m] += qs;
            fenster.SolarJeFlaeche[m] += e * qs;
            bedarf.m_aBedFenstergewinn[w] += e * qs;
            MonatSolar[m] += e * qs;
        }
    }

    Bilanzkonstanten& k = teile.Konstanten;
    k.Verfahren = BerechnungEnEV;
    k.e = e;
    k.HV = LuftWaermekapazitaet * Luftwechsel * Volumen;
    k.Volumen = Volumen;
    const double Pi =
        Volumen * (Nutzungstyp == Verwaltungsgebaeude ? InterneGewinneVerwaltung : InterneGewinneWohnen);
    for (std::size_t m = 0; m < 12; ++m) {
        const double stunden = Monatstage[m] * 24.0;
        k.Intern[m] = Pi * stunden / 1000;
        k.InternJeFlaeche[m] = e * k.Intern[m];
        MonatIntern[m] = k.InternJeFlaeche[m];
        k.Lueftung[m] = k.HV * (thetaI - Aussentemperatur[m]) * Monatstage[m] * 24.0 / 1000;
        MonatLueftung[m] = e * k.Lueftung[m];
    }
    teile.Gueltig = true;

    const Bilanzergebnis ergebnis = KombiniereBilanz(SummeDerGruppen(teile.Gruppen), k);
    bedarf.ElektrizitaetNutzbar = ergebnis.ElektrizitaetNutzbar;
    bedarf.Fenstergewinnnutzbarsumme = ergebnis.FenstergewinnNutzbar;

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

    return ergebnis.Verluste;
}

} // namespace zeva
