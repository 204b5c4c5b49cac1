#include "model/Kennzahlen.h"

#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/Notifier.h"
#include "model/Zahlentext.h"

#include <charconv>
#include <cmath>
#include <numeric>

namespace zeva {

namespace {

bool HatBrennstoffbilanz(int verfahren)
{
    return verfahren == BerechnungEnEV || verfahren == BerechnungSIA;
}

// Quantity per kWh of fuel energy; fuels without a factor count in kWh, the
// unit the pane names for them.
double Mengenfaktor(const DHeizung& heizung)
{
    const double f = heizung.Brennstoffeinheit();
    return f > 0 ? f : 1.0;
}

double Co2Faktor(const DHeizung& heizung)
{
    const double f = heizung.Co2Faktor();
    return f > 0 ? f : 0.0;
}

// The limit in German number text, shortened as the figure panes shorten:
// no decimals from three integer digits on, else up to three digits.
std::string GrenzeText(double grenze)
{
    if (!std::isfinite(grenze))
        return {};
    char puffer[64];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, grenze, std::chars_format::fixed, 3);
    if (fehler != std::errc())
        return {};
    std::string text(puffer, ende);
    if (!FormatiereTausender(text, true, 3))
        return {};
    return text;
}

std::string Einsetzen(std::string muster, const std::string& wert)
{
    const std::size_t p = muster.find("%s");
    if (p != std::string::npos)
        muster.replace(p, 2, wert);
    return muster;
}

} // namespace

double Heizwaermebedarf(const DBedarf& bedarf, int berechnungsverfahren)
{
    if (HatBrennstoffbilanz(berechnungsverfahren))
        return bedarf.Waermebedarf -
               (bedarf.Fenstergewinnnutzbarsumme + bedarf.PersonenNutzbar + bedarf.ElektrizitaetNutzbar);
    return bedarf.Waermebedarf;
}

double Heizenergiebedarf(const DBedarf& bedarf, int berechnungsverfahren)
{
    return HatBrennstoffbilanz(berechnungsverfahren) ? bedarf.Brennstoffenergiebedarf : 0.0;
}

double Endbedarf(const DBedarf& bedarf, int berechnungsverfahren)
{
    return HatBrennstoffbilanz(berechnungsverfahren) ? bedarf.Brennstoffenergiebedarf
                                                     : Heizwaermebedarf(bedarf, berechnungsverfahren);
}

double NutzbareInterneGewinne(const DBedarf& bedarf, int berechnungsverfahren)
{
    if (berechnungsverfahren == BerechnungWSVO95)
        return bedarf.Elektrizitaet;
    return bedarf.PersonenNutzbar + bedarf.ElektrizitaetNutzbar;
}

double NutzbareSolareGewinne(const DBedarf& bedarf, int berechnungsverfahren)
{
    if (berechnungsverfahren == BerechnungWSVO95)
        return bedarf.Fenstergewinnsumme;
    return bedarf.Fenstergewinnnutzbarsumme;
}

std::string Verfahrensname(int berechnungsverfahren)
{
    switch (berechnungsverfahren) {
    case BerechnungEnEV: return "EnEV";
    case BerechnungSIA: return "SIA 380/1";
    case BerechnungWSVO95: return "WSVO´95";
    default: return {};
    }
}

double Gruppeneinsparungen::Gruppensumme() const
{
    return std::accumulate(gruppen.begin(), gruppen.end(), 0.0);
}

Gruppeneinsparungen Gruppeneinsparungen::Gerundet(int signifikant) const
{
    Gruppeneinsparungen r;
    for (std::size_t g = 0; g < gruppen.size(); ++g)
        r.gruppen[g] = RundeSignifikant(gruppen[g], signifikant);
    r.gesamt = RundeSignifikant(gesamt, signifikant);
    return r;
}

Gruppeneinsparungen Gruppeneinsparungen::InGanzenEuro() const
{
    Gruppeneinsparungen r;
    for (std::size_t g = 0; g < gruppen.size(); ++g)
        r.gruppen[g] = GanzeEuro(gruppen[g]);
    r.gesamt = GanzeEuro(gesamt);
    return r;
}

namespace {

// The losses of the saving groups in a demand record, per m² and year.
std::array<double, AnzahlEinsparungsgruppen> Gruppenverluste(const DBedarf& b)
{
    return {b.Flachdachsumme + b.Steildachsumme, b.Deckesumme, b.Wandsumme, b.Fensterverlustsumme, b.Bodensumme,
            b.Heizungsverlust};
}

// Savings with the existing state at price p0 and the variant at pn (1 and 1
// for energy).
Gruppeneinsparungen Einsparungen(const Haus& haus, int n, double p0, double pn)
{
    Gruppeneinsparungen e;
    if (n < 1 || !haus.IstZustand(n) || !haus.IstZustand(0))
        return e;
    const double f = haus.Energiebezugsflaeche;
    const DBedarf& b0 = haus.m_aBedarf[0];
    const DBedarf& bn = haus.m_aBedarf[static_cast<std::size_t>(n)];
    const auto v0 = Gruppenverluste(b0);
    const auto vn = Gruppenverluste(bn);
    for (std::size_t g = 0; g < e.gruppen.size(); ++g)
        e.gruppen[g] = f * (p0 * v0[g] - pn * vn[g]);
    const int verfahren = haus.Berechnungsverfahren;
    e.gesamt = f * (p0 * Endbedarf(b0, verfahren) - pn * Endbedarf(bn, verfahren));
    // A heating that turns no heat into fuel energy has no fuel figure (the
    // pages show "–"): its losses and the fuel it would save count as no
    // saving, and the whole is what the components save.
    if (!haus.EndenergieBerechenbar(0) || !haus.EndenergieBerechenbar(n)) {
        e.gruppen[AnzahlEinsparungsgruppen - 1] = 0;
        e.gesamt = e.Gruppensumme();
    }
    return e;
}

} // namespace

void BerechneZustaende(Haus& haus, int n, const DOptionen& optionen)
{
    StillerNotifier still;
    haus.BerechneBedarf(0, still);
    haus.BerechneBedarf(n, still);
    haus.BerechneKosten(0, optionen);
    haus.BerechneKosten(n, optionen);
    haus.BerechneCo2(0);
    haus.BerechneCo2(n);
    haus.BerechneKea(0);
    haus.BerechneKea(n);
}

Gruppeneinsparungen Energieeinsparungen(const Haus& haus, int n)
{
    return Einsparungen(haus, n, 1.0, 1.0);
}

Gruppeneinsparungen Heizkosteneinsparungen(const Haus& haus, int n, const DOptionen& optionen)
{
    if (n < 1 || !haus.IstZustand(n) || !haus.IstZustand(0))
        return {};
    return Einsparungen(haus, n, optionen.Brennstoffpreis(haus.m_aHeizung[0].Brennstoff),
                        optionen.Brennstoffpreis(haus.m_aHeizung[static_cast<std::size_t>(n)].Brennstoff));
}

std::string BrennstoffAnzeige(int brennstoff)
{
    switch (brennstoff) {
    case BrennstoffGas: return "Gas";
    case BrennstoffOel: return "Öl";
    case BrennstoffHolz: return "Fester Brennstoff";
    case BrennstoffStrom: return "Strom";
    default: return "Sonstige";
    }
}

std::string BrennstoffMengeneinheit(int brennstoff)
{
    switch (brennstoff) {
    case BrennstoffGas: return "m³";
    case BrennstoffOel: return "l";
    case BrennstoffHolz: return "kg";
    default: return "kWh";
    }
}

double BrennstoffmengeProQm(const DBedarf& bedarf, const DHeizung& heizung)
{
    return bedarf.Brennstoffenergiebedarf * Mengenfaktor(heizung);
}

double BrennstoffmengeGesamt(const DBedarf& bedarf, const DHeizung& heizung, double energiebezugsflaeche)
{
    return BrennstoffmengeProQm(bedarf, heizung) * energiebezugsflaeche;
}

double Co2ProQm(const DBedarf& bedarf, const DHeizung& heizung)
{
    return bedarf.Brennstoffenergiebedarf * Co2Faktor(heizung);
}

double Co2Gesamt(const DBedarf& bedarf, const DHeizung& heizung, double energiebezugsflaeche)
{
    return Co2ProQm(bedarf, heizung) * energiebezugsflaeche * 0.001;
}

double HeizkostenProQm(const DBedarf& bedarf, const DHeizung& heizung, const DOptionen& optionen)
{
    return bedarf.Brennstoffenergiebedarf * optionen.Brennstoffpreis(heizung.Brennstoff);
}

double HeizkostenGesamt(const DBedarf& bedarf, const DHeizung& heizung, const DOptionen& optionen,
                        double energiebezugsflaeche)
{
    return HeizkostenProQm(bedarf, heizung, optionen) * energiebezugsflaeche;
}

double Co2SanierungTonnen(const DBedarf& bedarf)
{
    return bedarf.GetCo2Sanierung() * 0.001;
}

double ProQm(double wert, double energiebezugsflaeche)
{
    return energiebezugsflaeche > 0 ? wert / energiebezugsflaeche : 0.0;
}

ZielfunktionText BeschreibeZielfunktion(int zielfunktion, double grenze)
{
    switch (zielfunktion) {
    case -1: return {"Manuell", ""};
    case 0: return {"Automatisch", "des maximalen jährlichen Gewinn pro 1.000 EUR Investition"};
    case 1: return {"Automatisch", Einsetzen("der maximalen Einsparung bei %s EUR Kosten", GrenzeText(grenze))};
    case 2:
        return {"Automatisch", Einsetzen("minimaler Kosten bei vorgegebenem Heizenergiebedarf von %s kWh/m²a",
                                         GrenzeText(grenze))};
    default: return {"Automatisch", "Unbekannt"};
    }
}

double JahresGradtage(const Klimadaten& klima)
{
    return std::accumulate(klima.Gradtage.begin(), klima.Gradtage.end(), 0.0);
}

} // namespace zeva
