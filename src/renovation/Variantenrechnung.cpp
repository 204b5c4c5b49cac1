#include "renovation/Variantenrechnung.h"

#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/Kennzahlen.h"
#include "model/Notifier.h"
#include "model/Zahlentext.h"
#include "renovation/ManuelleSanierung.h"

#include <cmath>

namespace zeva {

// ----- windows ------------------------------------------------------------------

std::array<std::string, 6> Fensterzeilentexte(int i, const DFenster& fenster, const DSFenster* massnahme)
{
    std::array<std::string, 6> texte;
    texte[0] = Zeilennummer(i, false);
    texte[1] = fenster.Kurzname.str();
    texte[2] = fenster.NameGlas;
    if (massnahme != nullptr) {
        const double r = massnahme->Rahmenanteil;
        texte[3] = massnahme->Name;
        texte[4] = Zehnstellen((1 - r) * massnahme->kWertGlas + r * massnahme->kWertRahmen);
        texte[5] = Zehnstellen(RundeNachkomma(massnahme->Preis, 2));
    }
    return texte;
}

void WendeFensterauswahlAn(DSFenster& m, const SanZeileFenster& zeile, double preisfix, double preisProQm,
                           const DFenster& fenster, bool rahmenAustauschen)
{
    m.Name = zeile.Name;
    m.Langtext = zeile.Langtext;
    m.kWertGlas = zeile.kWertGlas;
    m.gWert = zeile.gWert;
    // A measure that keeps the frame keeps the window's own frame U-value.
    m.kWertRahmen = rahmenAustauschen ? zeile.kWertRahmen : fenster.kWertRahmen;
    m.Lebensdauer = zeile.Lebensdauer;
    m.Preis = preisProQm * fenster.Flaeche + preisfix;
    m.Preisfix = preisfix;
    m.PreisProQm = preisProQm;
    m.Co2 = zeile.CO2;
    m.Kea = zeile.KEA;
}

// ----- heating ------------------------------------------------------------------------

const std::vector<Auswahlwert>& Verteilungsarten()
{
    static const std::vector<Auswahlwert> arten{
        {"Stockwerksheizung mit (mehreren) Wärmeerzeugern in den Räumen", 100},
        {"Stockwerksheizung mit einem Wärmeerzeuger innerhalb der Wohnung", 98},
        {"Zentralheizung (Wärmeerzeugung im Gebäude)", 96},
        {"Blockheizung (Wärmeerzeugung für mehrere Gebäude)", 93},
    };
    return arten;
}

const std::vector<Auswahlwert>& Waermeerzeuger(int brennstoff)
{
    static const std::vector<Auswahlwert> gas{{"Raumheizstrahler", 88},
                                              {"Gasheizstrahler", 73},
                                              {"Gasraumheizer", 83},
                                              {"Außenwand-Gasraumheizer", 83},
                                              {"Flüssiggasheizgerät", 83}};
    static const std::vector<Auswahlwert> oel{{"Ölofen mit Schornsteinanschluß", 75}};
    static const std::vector<Auswahlwert> holz{{"offener Kamin", 18},  {"Kamineinsatzofen", 70},
                                               {"Kachelofen", 70},     {"Durchbrandofen", 68},
                                               {"Unterbrandofen", 73}, {"Universal-Dauerbrandofen", 70}};
    static const std::vector<Auswahlwert> strom{{"Direktheizgerät", 98},
                                                {"Direkt-Flächenheizung", 98},
                                                {"Speicherheizgerät", 98},
                                                {"Speicher-Flächenheizung", 98}};
    static const std::vector<Auswahlwert> keine;
    switch (brennstoff) {
    case BrennstoffGas: return gas;
    case BrennstoffOel: return oel;
    case BrennstoffHolz: return holz;
    case BrennstoffStrom: return strom;
    default: return keine;
    }
}

double WirkungsgradDesErzeugers(int brennstoff, const std::string& text, double bisher)
{
    if (text.empty())
        return 0;
    for (const Auswahlwert& w : Waermeerzeuger(brennstoff))
        if (text == w.text)
            return w.prozent;
    return bisher;
}

bool DecktWaermebedarf(double nennleistung, double einschaltdauer, double d)
{
    // kW · h · 3.6 = MJ, the unit of the heat balance.
    return nennleistung * einschaltdauer * 3.6 >= d;
}

bool KesselnutzungsgradBerechenbar(const Kesselfelder& k, double d)
{
    auto verlust = [](double v) { return v >= 0 && v <= 100; };
    return k.verteilung > 1 && verlust(k.abgas) && verlust(k.strahlung) && verlust(k.bereitschaft) &&
           k.nennleistung > 0.1 && k.einschaltdauer >= 0 && k.einschaltdauer <= 8760 &&
           k.nennleistung * k.einschaltdauer * 3.6 > d && (k.abgas != 0 || k.strahlung != 0 || k.bereitschaft != 0);
}

// ----- calculation page -----------------------------------------------------------------

std::string Berechnungstext(double x, Feldart art)
{
    // What the page cannot show: a negative figure (a variant that needs
    // more than the existing state), one that is rounded to more than ten
    // digits, no number.
    if (!std::isfinite(x) || x < 0)
        return "###";
    const double gezeigt = art == Feldart::Geld   ? GanzeEuro(x)
                           : art == Feldart::Satz ? RundeNachkomma(x, 2)
                                                         : RundeSignifikant(x, 3);
    if (gezeigt >= 9999999999.5)
        return "###";
    switch (art) {
    case Feldart::Geld: return Geldtext(x);
    case Feldart::Satz: return Zahltext(x, 2);
    default: return Kennwerttext(x);
    }
}

std::vector<std::pair<int, std::string>> Berechnungstexte(const Berechnungswerte& w, int verfahren)
{
    std::vector<std::pair<int, std::string>> texte;
    // Every figure by the rule of its kind: energies to three digits as the
    // pane shows them, money in whole euros, rates per m² with their cents.
    auto setze = [&](int id, double x, Feldart art = Feldart::Energie) {
        texte.emplace_back(id, Berechnungstext(x, art));
    };
    using A = Feldart;
    if (verfahren == 0 || verfahren == 1) {
        setze(1220, w.B0 * w.A);
        setze(1224, w.B0);
        setze(1225, w.Bn * w.A);
        setze(1226, w.Bn);
        setze(1221, (w.B0 - w.Bn) * w.A);
        setze(1227, w.B0 - w.Bn);
        setze(1240, w.P0 * w.B0 * w.A, A::Geld);
        setze(1242, w.P0 * w.B0, A::Satz);
        setze(1243, w.Pn * w.Bn * w.A, A::Geld);
        setze(1244, w.Pn * w.Bn, A::Satz);
        setze(1241, (w.P0 * w.B0 - w.Pn * w.Bn) * w.A, A::Geld);
        setze(1245, w.P0 * w.B0 - w.Pn * w.Bn, A::Satz);
        setze(1222, w.Gn, A::Geld);
        setze(1000, w.Sowieso, A::Geld);
        setze(1247, w.Jn, A::Geld);
        // The whole saving valued at the price of the variant's fuel.
        setze(1223, (w.B0 - w.Bn) * w.Pn * w.A / (w.Gn * 0.001), A::Satz);
    } else if (verfahren == 2) {
        const double bezug = 0.4 * w.V;
        setze(1220, w.A * w.Q0);
        setze(1224, w.A * w.Q0 / bezug);
        setze(1225, w.A * w.Qn);
        setze(1226, w.A * w.Qn / bezug);
        setze(1221, (w.Q0 - w.Qn) * w.A);
        setze(1227, (w.Q0 - w.Qn) * w.A / bezug);
    }
    return texte;
}

Berechnungswerte LeseBerechnungswerte(const Haus& haus, int n, const DOptionen& optionen)
{
    Berechnungswerte w;
    w.A = haus.Energiebezugsflaeche;
    w.V = haus.Volumen;
    w.Sowieso = haus.SowiesoKosten(optionen);
    if (haus.IstZustand(0)) {
        w.B0 = haus.m_aBedarf[0].Brennstoffenergiebedarf;
        w.Q0 = haus.m_aBedarf[0].Waermebedarf;
        w.P0 = optionen.Brennstoffpreis(haus.m_aHeizung[0].Brennstoff);
    }
    if (haus.IstZustand(n)) {
        const auto i = static_cast<std::size_t>(n);
        w.Bn = haus.m_aBedarf[i].Brennstoffenergiebedarf;
        w.Qn = haus.m_aBedarf[i].Waermebedarf;
        w.Pn = optionen.Brennstoffpreis(haus.m_aHeizung[i].Brennstoff);
        w.Gn = haus.m_aBedarf[i].Gesamtkosten;
        w.Jn = haus.m_aBedarf[i].GesamtkostenProJahr;
    }
    return w;
}

// ----- variant pane --------------------------------------------------------------------

std::array<std::pair<double, double>, 5> SanKenndaten(const Haus& haus, int n, const DOptionen& optionen)
{
    std::array<std::pair<double, double>, 5> werte{};
    if (!haus.IstZustand(n) || !haus.IstZustand(0))
        return werte;
    const double a = haus.Energiebezugsflaeche;
    const DBedarf& dn = haus.m_aBedarf[static_cast<std::size_t>(n)];
    const double einsparung = Energieeinsparungen(haus, n).gesamt;
    const double kosten = Heizkosteneinsparungen(haus, n, optionen).gesamt;
    werte[0] = {dn.Gesamtkosten, ProQm(dn.Gesamtkosten, a)};
    werte[1] = {dn.GetKeaSanierung(), ProQm(dn.GetKeaSanierung(), a)};
    werte[2] = {Co2SanierungTonnen(dn), ProQm(dn.GetCo2Sanierung(), a)};
    werte[3] = {einsparung, ProQm(einsparung, a)};
    werte[4] = {kosten, ProQm(kosten, a)};
    return werte;
}

namespace {

template <class Gruppe>
bool HatMassnahme(const Gruppe& gruppe, int n)
{
    for (const auto& bauteil : gruppe)
        if (const auto* m = MassnahmeSlot(bauteil, n); m != nullptr && !m->IstLeer())
            return true;
    return false;
}

} // namespace

std::array<bool, 6> SanierteGruppen(const Haus& haus, int n)
{
    std::array<bool, 6> gruppen{};
    gruppen[MarkeDach] = HatMassnahme(haus.m_aFlachdach, n) || HatMassnahme(haus.m_aSteildach, n);
    gruppen[MarkeDecke] = HatMassnahme(haus.m_aDecke, n);
    gruppen[MarkeWand] = HatMassnahme(haus.m_aWand, n);
    gruppen[MarkeFenster] = HatMassnahme(haus.m_aFenster, n);
    gruppen[MarkeBoden] = HatMassnahme(haus.m_aBoden, n);
    gruppen[MarkeHeizung] = haus.IstZustand(n) && n > 0 &&
                             haus.m_aHeizung[static_cast<std::size_t>(n)] != haus.m_aHeizung[0];
    return gruppen;
}

int TabDerGruppe(int gruppe)
{
    // Tabs of the variant dialog: 1 pitched roof, 2 ceiling, 3 wall, 4 floor,
    // 5 window, 6 heating.
    switch (gruppe) {
    case MarkeDach: return 1;
    case MarkeDecke: return 2;
    case MarkeWand: return 3;
    case MarkeFenster: return 5;
    case MarkeBoden: return 4;
    case MarkeHeizung: return 6;
    default: return -1;
    }
}

} // namespace zeva
