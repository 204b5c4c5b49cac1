// Method 2 of the heat-demand calculation: the annual balance of the 1995
// thermal insulation ordinance (WSVO´95), with fixed degree hours and
// irradiation values; no climate data.
#include "model/Bilanzhilfen.h"
#include "model/Haus.h"

#include <cstddef>

namespace zeva {

namespace {

constexpr double Gradstunden = 84;         // kKh per year
constexpr double LueftungProM3 = 22.85;    // kWh/(m³a) = 0.34 · 0.8 · 84
constexpr double InternProM3Wohnen = 10;   // kWh/(m³a)
constexpr double InternProM3Verwaltung = 12.5;
constexpr double SolarFaktor = 0.46;
constexpr double MaxRahmenanteil = 0.4;    // above it a window counts no solar gain
constexpr double Gewinnausnutzung = 0.9;

// Share of U · area that counts for walls and floors by their border code.
double FaktorWandBoden(std::int32_t angrenzung)
{
    switch (angrenzung) {
    case 0: return 1.0;
    case 2: case 3: case 4: case 5: case 6: return 0.5;
    default: return 0.0; // 1 "beheizt"
    }
}

// Annual irradiation in kWh/m² by orientation (0 N … 7 NW).
double Jahresstrahlung(std::int32_t richtung, std::int32_t neigung, double rahmenanteil)
{
    double strahlung = 0;
    switch (richtung) {
    case 4: strahlung = 400; break;
    case 2: case 3: case 5: case 6: strahlung = 275; break;
    case 0: case 1: case 7: strahlung = 160; break;
    default: strahlung = 0; break;
    }
    if (neigung == 2)
        strahlung = 275;
    if (rahmenanteil > MaxRahmenanteil)
        strahlung = 0;
    return strahlung;
}

} // namespace

double Haus::JahresbilanzWSVO95()
{
    // The method's inside temperature of 20 °C is contained in its fixed
    // degree hours; the user's Innentemperatur is not touched.
    DBedarf& bedarf = m_aBedarf[0];
    const double A = Energiebezugsflaeche;
    const double e = A > 1 ? 1 / A : 0;

    double summeH = 0;
    auto gruppe = [&](const auto& bauteile, auto faktor, CXmlDoubleArray& anteile) {
        for (std::size_t i = 0; i < bauteile.size(); ++i) {
            const auto& b = bauteile[i];
            const double h = faktor(b) * b.kWert * b.Flaeche;
            anteile[i] = e * h * Gradstunden;
            summeH += h;
        }
    };
    gruppe(m_aFlachdach, [](const DFlachdach&) { return 0.8; }, bedarf.m_aBedFlachdach);
    gruppe(m_aSteildach, [](const DSteildach&) { return 0.8; }, bedarf.m_aBedSteildach);
    gruppe(m_aDecke, [](const DDecke& d) { return d.Zone == 0 ? 0.0 : 0.8; }, bedarf.m_aBedDecke);
    gruppe(m_aWand, [](const DWand& w) { return FaktorWandBoden(w.Zone); }, bedarf.m_aBedWand);
    gruppe(m_aBoden, [](const DBoden& b) { return FaktorWandBoden(b.Zone); }, bedarf.m_aBedBoden);
    for (std::size_t w = 0; w < m_aFenster.size(); ++w) {
        const DFenster& f = m_aFenster[w];
        const double h = f.UWert() * f.Flaeche;
        bedarf.m_aBedFensterverlust[w] = e * h * Gradstunden;
        summeH += h;
    }
    const double QT = Gradstunden * summeH;

    const double QL = LueftungProM3 * Volumen;
    bedarf.Lueftung = e * QL;

    double QS = 0;
    for (std::size_t w = 0; w < m_aFenster.size(); ++w) {
        const DFenster& f = m_aFenster[w];
        const double g = f.gWert * f.Flaeche * Jahresstrahlung(f.Richtung, f.Neigung, f.Rahmenanteil) * SolarFaktor;
        bedarf.m_aBedFenstergewinn[w] = e * g;
        QS += g;
    }

    const double QI = (Nutzungstyp == Verwaltungsgebaeude ? InternProM3Verwaltung : InternProM3Wohnen) * Volumen;
    bedarf.Elektrizitaet = e * QI;
    bedarf.Personen = 0;

    SummiereGruppen(bedarf);
    // Without a utilisation factor every solar gain counts as usable.
    bedarf.Fenstergewinnnutzbarsumme = bedarf.Fenstergewinnsumme;

    // Heat demand after gains; it may come out negative.
    const double Q = Gewinnausnutzung * (QT + QL) - QI - QS;
    bedarf.Waermebedarf = e * Q;
    return 3.6 * Q; // MJ
}

} // namespace zeva
