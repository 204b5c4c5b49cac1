// The renovation variants of a house: slots that are added, applied to a copy
// of the house, taken over from another house and deleted, and the sums of
// their costs, CO2 and cumulative energy expenditure.
#include "model/DOptionen.h"
#include "model/Dokumentgrenzen.h"
#include "model/Haus.h"
#include "model/VariantenAnzeige.h"
#include "model/Zahlentext.h"

#include <algorithm>
#include <cstddef>

namespace zeva {

namespace {

// Below this a U-value, thickness or service life counts as missing.
constexpr double Klein = 1e-8;

// Calls f(array, fall) for each of the five opaque groups, with the case of
// LuftschichtWert for the air layer a cavity fill replaces: 1 flat roofs,
// pitched roofs and ceilings, 0 walls, 2 floors.
template <class H, class F>
void FuerOpakeGruppen(H& h, F&& f)
{
    f(h.m_aFlachdach, 1);
    f(h.m_aSteildach, 1);
    f(h.m_aDecke, 1);
    f(h.m_aWand, 0);
    f(h.m_aBoden, 2);
}

// Calls f(array) for all six component groups, windows last.
template <class H, class F>
void FuerAlleGruppen(H& h, F&& f)
{
    FuerOpakeGruppen(h, [&](auto& gruppe, int) { f(gruppe); });
    f(h.m_aFenster);
}

// The measure of state n of a component, or null when the component has no
// such slot (a damaged document).
template <class B>
auto* Massnahme(B& bauteil, int n)
{
    using Zeiger = decltype(&bauteil.m_aSan[0]);
    if (n < 0 || static_cast<std::size_t>(n) >= bauteil.m_aSan.size())
        return Zeiger{nullptr};
    return &bauteil.m_aSan[static_cast<std::size_t>(n)];
}

template <class B>
bool HatMassnahme(const B& bauteil, int n)
{
    const auto* m = Massnahme(bauteil, n);
    return m != nullptr && !m->IstLeer();
}

// Makes slot k the last slot of the component's measures, and a new, empty
// one; slots that had to be added before it are empty as well. Returns the
// index of the first new slot.
template <class B>
std::size_t NeuerLetzterSlot(B& bauteil, std::size_t k)
{
    const std::size_t erster = std::min(bauteil.m_aSan.size(), k);
    bauteil.m_aSan.SetSize(erster);
    bauteil.m_aSan.SetSize(k + 1);
    return erster;
}

// Grows the measures to hold slot n (new slots empty, a window's taking its
// frame share); slots that exist stay.
template <class B>
void SichereSlot(B& bauteil, int n)
{
    const std::size_t alt = bauteil.m_aSan.size();
    if (static_cast<std::size_t>(n) < alt)
        return;
    bauteil.m_aSan.SetSize(static_cast<std::size_t>(n) + 1);
    if constexpr (std::is_same_v<B, DFenster>) {
        for (std::size_t s = alt; s < bauteil.m_aSan.size(); ++s)
            bauteil.m_aSan[s].Rahmenanteil = bauteil.Rahmenanteil;
    }
}

// Costs due anyway for a component whose required renovation is not done.
template <class B>
double SowiesoBetrag(const B& bauteil)
{
    if constexpr (std::is_same_v<B, DFenster>) {
        return bauteil.SanMuss != 0 ? bauteil.Sowieso : 0.0;
    } else {
        double s = 0;
        if (bauteil.SanMussInnen != 0)
            s += bauteil.SowiesoInnen;
        if (bauteil.SanMussAussen != 0)
            s += bauteil.SowiesoAussen;
        return s;
    }
}

// The sum of a per-m² figure of the measures of state n (CO2 or cumulative
// energy) over all components, plus the heating's own when it was changed.
double MassnahmenSumme(const Haus& h, int n, double DSBauteil::*feld, double DHeizung::*heizfeld)
{
    double summe = 0;
    FuerAlleGruppen(h, [&](const auto& gruppe) {
        for (const auto& bauteil : gruppe) {
            if (HatMassnahme(bauteil, n))
                summe += bauteil.Flaeche * (*Massnahme(bauteil, n)).*feld;
        }
    });
    const DHeizung& heizung = h.m_aHeizung[static_cast<std::size_t>(n)];
    if (heizung != h.m_aHeizung[0])
        summe += heizung.*heizfeld;
    return summe;
}

} // namespace

bool Haus::IstZustand(int n) const
{
    return n >= 0 && n <= Varianten && static_cast<std::size_t>(n) < m_aHeizung.size() &&
           static_cast<std::size_t>(n) < m_aBedarf.size();
}

int Haus::NeueVariante(bool manuell, const DOptionen& optionen)
{
    // Counted before it is added, so that the count never passes the limit
    // (nor the largest int).
    if (Varianten >= grenzen::MaxVarianten)
        return 0;
    const int k = std::max(Varianten, 0) + 1;
    const auto ik = static_cast<std::size_t>(k);
    Varianten = k;

    // Records that a damaged document may have left beyond the variants make
    // way for fresh ones.
    if (m_aHeizung.empty())
        m_aHeizung.SetSize(1);
    m_aHeizung.SetSize(ik + 1);
    m_aHeizung[ik] = DHeizung(m_aHeizung[0]);
    SetzeHeizungsvorgaben(m_aHeizung[ik], optionen);

    m_aBedarf.SetSize(ik + 1);
    m_aBedarf[ik] = DBedarf();

    FuerAlleGruppen(*this, [&](auto& gruppe) {
        for (auto& bauteil : gruppe) {
            const std::size_t erster = NeuerLetzterSlot(bauteil, ik);
            if constexpr (std::is_same_v<std::decay_t<decltype(bauteil)>, DFenster>) {
                for (std::size_t s = erster; s <= ik; ++s)
                    bauteil.m_aSan[s].Rahmenanteil = bauteil.Rahmenanteil;
            }
        }
    });

    DBedarf& bedarf = m_aBedarf[ik];
    if (manuell) {
        bedarf.Zielfunktion = -1;
        bedarf.Grenze = 0;
    } else {
        bedarf.Zielfunktion = optionen.Index;
        bedarf.Grenze = optionen.GetGrenze();
    }
    return k;
}

DHeizung Haus::Variantenheizung(const DOptionen& optionen) const
{
    DHeizung heizung = m_aHeizung.empty() ? DHeizung() : m_aHeizung[0];
    SetzeHeizungsvorgaben(heizung, optionen);
    return heizung;
}

void Haus::SetzeHeizungsvorgaben(DHeizung& heizung, const DOptionen& optionen)
{
    if (optionen.BrennstoffBeibehalten == 0)
        heizung.Brennstoff = optionen.Brennstoff;
    // A single-room heating has neither a switch-on time nor a
    // distribution: the options' values for them would only make an
    // untouched stove count as a new heating.
    if (heizung.Einzelheiz != 0)
        return;
    if (optionen.EinschaltdauerBeibehalten == 0)
        heizung.Bereitschaftszeit = optionen.Einschaltdauer;
    if (optionen.WaermeverteilungBeibehalten == 0) {
        heizung.Heizungsverteilung = optionen.HeizungsverteilungsArt;
        heizung.Verteilungsnutzungsgrad = optionen.Verteilungsnutzungsgrad;
    }
}

double Haus::UWertMitMassnahme(double u, const DSBauteilOpaque& m, int luftschichtFall)
{
    if (m.Verwendung == DSBauteilOpaque::Zwischen) {
        // The fill takes the place of the air layer it fills: its
        // resistance comes off, the fill's goes on.
        if (u > Klein && m.Dicke > Klein && m.kWert > Klein) {
            const double r = 1 / u - LuftschichtWert(m.Dicke, luftschichtFall) + 1 / m.kWert;
            // A component poorer than any air layer (U of several W/m²K)
            // would come out with no or a negative resistance; it keeps its
            // U-value.
            if (r > 0)
                return 1 / r;
        }
        return u;
    }
    if (u > Klein && m.kWert > Klein)
        return 1 / (1 / m.kWert + 1 / u);
    return u;
}

void Haus::WendeVarianteAn(int n)
{
    if (n < 1 || !IstZustand(n))
        return;

    FuerOpakeGruppen(*this, [&](auto& gruppe, int luftschichtFall) {
        for (auto& bauteil : gruppe) {
            if (HatMassnahme(bauteil, n))
                bauteil.kWert = UWertMitMassnahme(bauteil.kWert, *Massnahme(bauteil, n), luftschichtFall);
        }
    });

    for (DFenster& f : m_aFenster) {
        if (!HatMassnahme(f, n))
            continue;
        const DSFenster& m = *Massnahme(f, n);
        f.kWertGlas = m.kWertGlas;
        f.gWert = m.gWert;
        f.kWertRahmen = m.kWertRahmen;
        f.Rahmenanteil = m.Rahmenanteil;
    }

    const auto in = static_cast<std::size_t>(n);
    m_aHeizung[0] = m_aHeizung[in];
    m_aBedarf[0].Zielfunktion = m_aBedarf[in].Zielfunktion;
    m_aBedarf[0].Grenze = m_aBedarf[in].Grenze;
}

void Haus::LoescheVariante(int n)
{
    if (n < 1 || n > Varianten)
        return;
    const auto in = static_cast<std::size_t>(n);
    --Varianten;
    m_aHeizung.RemoveAt(in);
    m_aBedarf.RemoveAt(in);
    FuerAlleGruppen(*this, [&](auto& gruppe) {
        for (auto& bauteil : gruppe)
            bauteil.m_aSan.RemoveAt(in);
    });
}

void Haus::LoescheAlleVarianten()
{
    if (Varianten <= 0)
        return;
    // What deleting variant 1 over and over leaves, in one step: records
    // that a damaged document holds beyond the variants stay.
    const auto n = static_cast<std::size_t>(Varianten);
    Varianten = 0;
    m_aHeizung.RemoveAt(1, n);
    m_aBedarf.RemoveAt(1, n);
    FuerAlleGruppen(*this, [&](auto& gruppe) {
        for (auto& bauteil : gruppe)
            bauteil.m_aSan.RemoveAt(1, n);
    });
}

bool Haus::BestandAendernErlaubt(bool fragen, Notifier& notifier, VariantenAnzeige* anzeige)
{
    if (anzeige != nullptr)
        anzeige->AktualisiereBestandsbedarf();
    if (Varianten <= 0)
        return true;
    if (fragen && !notifier.Frage("Für Änderungen am bestehenden Gebäude müssen alle\nSanierungsvarianten "
                                  "gelöscht werden. Jetzt löschen?"))
        return false;
    if (anzeige != nullptr)
        anzeige->BeendeVariantendialoge();
    LoescheAlleVarianten();
    return true;
}

namespace {

template <class T>
const char* Gruppenname()
{
    if constexpr (std::is_same_v<T, DFlachdach>)
        return "Flachdach";
    else if constexpr (std::is_same_v<T, DSteildach>)
        return "Steildach";
    else if constexpr (std::is_same_v<T, DDecke>)
        return "Decke";
    else if constexpr (std::is_same_v<T, DWand>)
        return "Wand";
    else if constexpr (std::is_same_v<T, DBoden>)
        return "Boden";
    else
        return "Fenster";
}

} // namespace

bool Haus::GleicheVarianten(int a, int b) const
{
    if (!IstZustand(a) || !IstZustand(b))
        return false;
    bool gleich = true;
    FuerAlleGruppen(*this, [&](const auto& gruppe) {
        for (const auto& bauteil : gruppe) {
            if (!gleich)
                return;
            const bool hatA = HatMassnahme(bauteil, a);
            const bool hatB = HatMassnahme(bauteil, b);
            gleich = hatA == hatB && (!hatA || *Massnahme(bauteil, a) == *Massnahme(bauteil, b));
        }
    });
    return gleich && m_aHeizung[static_cast<std::size_t>(a)].IstGleich(m_aHeizung[static_cast<std::size_t>(b)]);
}

std::vector<Haus::Kostenposten> Haus::Kostenzeilen(int n, const DOptionen& optionen) const
{
    std::vector<Kostenposten> zeilen;
    if (!IstZustand(n) || n == 0)
        return zeilen;
    FuerAlleGruppen(*this, [&](const auto& gruppe) {
        for (const auto& bauteil : gruppe) {
            Kostenposten p;
            p.gruppe = Gruppenname<std::decay_t<decltype(bauteil)>>();
            p.position = bauteil.Kurzname.str();
            if (HatMassnahme(bauteil, n)) {
                const auto& m = *Massnahme(bauteil, n);
                p.name = m.Name;
                p.preis = GanzeEuro(m.Preis);
                p.massnahme = true;
                p.lebensdauer = m.Lebensdauer;
            } else {
                // A required renovation left undone still costs its due.
                p.preis = GanzeEuro(SowiesoBetrag(bauteil));
                if (p.preis == 0)
                    continue;
            }
            zeilen.push_back(std::move(p));
        }
    });

    const DHeizung& heizung = m_aHeizung[static_cast<std::size_t>(n)];
    Kostenposten p;
    p.gruppe = "Heizung";
    if (heizung != m_aHeizung[0]) {
        p.name = heizung.Name;
        p.preis = GanzeEuro(heizung.Preis);
        p.massnahme = true;
        p.lebensdauer = heizung.Lebensdauer;
        zeilen.push_back(std::move(p));
    } else if (heizung.SanMuss != 0 && GanzeEuro(optionen.AlteHeizung) != 0) {
        p.name = heizung.Name;
        p.preis = GanzeEuro(optionen.AlteHeizung);
        zeilen.push_back(std::move(p));
    }
    return zeilen;
}

bool Haus::BerechneKosten(int n, const DOptionen& optionen)
{
    if (!IstZustand(n))
        return false;
    DBedarf& bedarf = m_aBedarf[static_cast<std::size_t>(n)];
    double gesamt = 0;
    double proJahr = 0;
    bool ergebnis = true;
    for (const Kostenposten& p : Kostenzeilen(n, optionen)) {
        gesamt += p.preis;
        if (!p.massnahme)
            continue;
        if (p.lebensdauer >= Klein)
            proJahr += p.preis / p.lebensdauer;
        else
            ergebnis = false;
    }
    bedarf.Gesamtkosten = gesamt;
    bedarf.GesamtkostenProJahr = proJahr;
    return ergebnis;
}

double Haus::Bauteilkosten(int n) const
{
    if (!IstZustand(n) || n == 0)
        return 0;
    double gesamt = 0;
    FuerAlleGruppen(*this, [&](const auto& gruppe) {
        for (const auto& bauteil : gruppe)
            gesamt += GanzeEuro(HatMassnahme(bauteil, n) ? (*Massnahme(bauteil, n)).Preis : SowiesoBetrag(bauteil));
    });
    return gesamt;
}

bool Haus::BerechneCo2(int n)
{
    if (!IstZustand(n))
        return false;
    m_aBedarf[static_cast<std::size_t>(n)].SetCo2Sanierung(n == 0 ? 0.0
                                                                   : MassnahmenSumme(*this, n, &DSBauteil::Co2,
                                                                                     &DHeizung::Co2));
    return true;
}

bool Haus::BerechneKea(int n)
{
    if (!IstZustand(n))
        return false;
    m_aBedarf[static_cast<std::size_t>(n)].SetKeaSanierung(n == 0 ? 0.0
                                                                   : MassnahmenSumme(*this, n, &DSBauteil::Kea,
                                                                                     &DHeizung::Kea));
    return true;
}

double Haus::SowiesoKosten(const DOptionen& optionen) const
{
    double summe = 0;
    FuerAlleGruppen(*this, [&](const auto& gruppe) {
        for (const auto& bauteil : gruppe)
            summe += GanzeEuro(SowiesoBetrag(bauteil));
    });
    if (!m_aHeizung.empty() && m_aHeizung[0].SanMuss != 0)
        summe += GanzeEuro(optionen.AlteHeizung);
    return summe;
}

bool Haus::UebernehmeVariante(const Haus& andere, int i, int j, const DOptionen& optionen, Notifier& notifier)
{
    if (j < 1 || !IstZustand(j) || i < 1 || !andere.IstZustand(i))
        return false;
    // The measures go by index onto the same components; another list of
    // components would put them on the wrong ones.
    if (andere.m_aFlachdach.size() != m_aFlachdach.size() || andere.m_aSteildach.size() != m_aSteildach.size() ||
        andere.m_aDecke.size() != m_aDecke.size() || andere.m_aWand.size() != m_aWand.size() ||
        andere.m_aBoden.size() != m_aBoden.size() || andere.m_aFenster.size() != m_aFenster.size())
        return false;

    m_aHeizung[static_cast<std::size_t>(j)] = andere.m_aHeizung[static_cast<std::size_t>(i)];

    auto uebernimm = [&](auto& gruppe, const auto& andereGruppe) {
        for (std::size_t k = 0; k < gruppe.size(); ++k) {
            auto& bauteil = gruppe[k];
            SichereSlot(bauteil, j);
            auto& ziel = *Massnahme(bauteil, j);
            if (const auto* quelle = Massnahme(andereGruppe[k], i))
                ziel.Kopiere(*quelle);
            else
                ziel.Leere();
        }
    };
    uebernimm(m_aFlachdach, andere.m_aFlachdach);
    uebernimm(m_aSteildach, andere.m_aSteildach);
    uebernimm(m_aDecke, andere.m_aDecke);
    uebernimm(m_aWand, andere.m_aWand);
    uebernimm(m_aBoden, andere.m_aBoden);
    uebernimm(m_aFenster, andere.m_aFenster);

    // The demand first: it carries the existing state's costs into the
    // record, which the variant's own costs then replace; CO2 and KEA are
    // not touched by the demand's assignment.
    BerechneBedarf(j, notifier);
    BerechneKosten(j, optionen);
    BerechneCo2(j);
    BerechneKea(j);
    return true;
}

} // namespace zeva
