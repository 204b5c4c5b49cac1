#include "renovation/ProgSan.h"

#include "model/Bilanzhilfen.h"
#include "model/DaempfbarerNotifier.h"
#include "model/Dokumentgrenzen.h"
#include "model/Zahlentext.h"
#include "platform/SqlDatabase.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace zeva {

namespace {

constexpr const char* Gruppennamen[AnzahlSanierungsgruppen] = {"Flachdach", "Steildach", "Decke", "Wand",
                                                               "Boden",     "Fenster",   "Heizung"};

// Calls f with the component array of group g (0..5).
template <class H, class F>
void MitGruppe(H& h, int g, F&& f)
{
    switch (g) {
    case GruppeFlachdach: f(h.m_aFlachdach); break;
    case GruppeSteildach: f(h.m_aSteildach); break;
    case GruppeDecke: f(h.m_aDecke); break;
    case GruppeWand: f(h.m_aWand); break;
    case GruppeBoden: f(h.m_aBoden); break;
    case GruppeFenster: f(h.m_aFenster); break;
    default: break;
    }
}

// Empties measure n of a component. An emptied window measure keeps the
// window's own frame share: the variant would otherwise take the share a
// blank measure starts with.
template <class B>
void LeereSlot(B& bauteil, int n)
{
    if (n < 0 || static_cast<std::size_t>(n) >= bauteil.m_aSan.size())
        return;
    auto& m = bauteil.m_aSan[static_cast<std::size_t>(n)];
    m.Leere();
    if constexpr (std::is_same_v<B, DFenster>)
        m.Rahmenanteil = bauteil.Rahmenanteil;
}

// Reads the rows of an open set: bewerte for each row, then the move on; the
// progress is looked at after every row. A row the set cannot move past is
// skipped; three such failures in a row end the reading, as does Cancel.
template <class Set, class F, class P>
void LiesZeilen(Set& set, const bool& abgebrochen, F&& bewerte, P&& pruefe)
{
    int fehlversuche = 0;
    bool auswerten = true;
    while (!set.IsEOF() && !abgebrochen) {
        if (auswerten)
            bewerte();
        try {
            set.MoveNext();
            fehlversuche = 0;
            auswerten = true;
        } catch (const SqlError&) {
            auswerten = false;
            if (++fehlversuche >= 3)
                break;
        }
        pruefe();
    }
}

// The criterion's figure of a result (0 for an unknown criterion).
double Wert(const SanErgebnis& r, int kriterium)
{
    switch (kriterium) {
    case 0: return r.m_Gewinn;
    case 1: return r.m_Einsparung;
    case 2: return r.m_Kosten;
    default: return 0;
    }
}

// d of the result order: positive when neu ranks before e.
double Abstand(const SanErgebnis& neu, const SanErgebnis& e, int kriterium)
{
    switch (kriterium) {
    case 0: return neu.m_Gewinn - e.m_Gewinn;
    case 1: return neu.m_Einsparung - e.m_Einsparung;
    case 2: return e.m_Kosten - neu.m_Kosten;
    default: return 0;
    }
}

std::int64_t SteadyMikro()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

void XDBHeizungSanKandidat::SetzeKeineMassnahme()
{
    static_cast<SanZeileHeizkessel&>(*this) = SanZeileHeizkessel{};
    m_bKeineMassnahme = 1;
    m_Kosten = 0;
    m_Einsparung = 0;
    m_Gewinn = 0;
    m_Reduktion = 0;
}

int Vergleiche(const SanKandidatenwerte& a, const SanKandidatenwerte& b, int modus)
{
    double d = 0;
    switch (modus) {
    case 0: d = a.m_Gewinn - b.m_Gewinn; break;
    case 1: d = a.m_Einsparung - b.m_Einsparung; break;
    case 2: d = b.m_Kosten - a.m_Kosten; break;
    default: break;
    }
    if (d < 0 || a.m_bKeineMassnahme != 0)
        return -1;
    if (d > 0 || (d == 0 && b.m_bKeineMassnahme != 0))
        return 1;
    return 0;
}

ProgSan::ProgSan(const Haus& haus, const DOptionen& optionen)
    : m_Haus(haus), m_pOptionen(&optionen), m_Uhr(SteadyMikro)
{
    m_nKriterium = optionen.Index;
    m_nKombinationen = 0;
    m_LetzterBestwert = 0;
    m_Haus.LoescheAlleVarianten();
    m_Haus.NeueVariante(false, optionen);
}

ProgSan::~ProgSan() = default;

const SanKandidatenwerte& ProgSan::Eintrag(int g, int i) const
{
    const auto ii = static_cast<std::size_t>(i);
    switch (g) {
    case GruppeFlachdach: return m_Flachdach[ii];
    case GruppeSteildach: return m_Steildach[ii];
    case GruppeDecke: return m_Decke[ii];
    case GruppeWand: return m_Wand[ii];
    case GruppeBoden: return m_Boden[ii];
    case GruppeFenster: return m_Fenster[ii];
    default: return m_Heizung[ii];
    }
}

std::array<int, AnzahlSanierungsgruppen> ProgSan::Gruppengroessen() const
{
    return {static_cast<int>(m_Flachdach.size()), static_cast<int>(m_Steildach.size()),
            static_cast<int>(m_Decke.size()),     static_cast<int>(m_Wand.size()),
            static_cast<int>(m_Boden.size()),     static_cast<int>(m_Fenster.size()),
            static_cast<int>(m_Heizung.size())};
}

// ---- the run

int ProgSan::Optimiere(Notifier& anzeige)
{
    if (m_Haus.Berechnungsverfahren != BerechnungEnEV && m_Haus.Berechnungsverfahren != BerechnungSIA) {
        // Without a fuel demand every saving would be 0.
        anzeige.Nachricht(TextWSVO, Notifier::Art::Warnung);
        return 0;
    }
    if (m_Haus.Klimazone == KlimazoneKeine) {
        MeldeFehlendeKlimadaten(anzeige, m_Haus.Berechnungsverfahren == BerechnungEnEV ? "EnEV" : "SIA");
        return 0;
    }

    m_nKombinationen = 1;
    m_bAbgebrochen = false;
    m_LetzteAbfrage = m_Uhr();
    if (m_pFortschritt != nullptr) {
        m_pFortschritt->Beginne();
        m_pFortschritt->Phase("Öffne Datenbank...");
    }

    DaempfbarerNotifier modell(anzeige);
    bool fehler = false;
    {
        const DaempfbarerNotifier::Stumm stumm(modell);
        BerechneBasis(modell);
        if (OeffneDatenbank(anzeige, modell) != 1) {
            fehler = true;
        } else {
            if (m_pFortschritt != nullptr)
                m_pFortschritt->Phase("Suche Sanierungsmaßnahmen...");
            Suche(modell);
            BewerteErgebnisseGenau(modell);
        }
    }
    if (m_pFortschritt != nullptr)
        m_pFortschritt->Beende();
    for (const std::string& text : modell.VerschluckteTexte())
        anzeige.Nachricht(text, Notifier::Art::Warnung);

    if (fehler) {
        anzeige.Nachricht(TextFehler, Notifier::Art::Fehler);
        return 0;
    }
    if (m_Ergebnisse.empty()) {
        anzeige.Nachricht(TextKeineErgebnisse, Notifier::Art::Information);
        return 0;
    }
    return 1;
}

void ProgSan::BerechneBasis(Notifier& notifier)
{
    m_Bedarf0 = m_Haus.BerechneBedarf(0, notifier);
    // The scratch variant's heating starts from the existing heating, as a
    // variant made now would, so that an unchanged heating counts as
    // unchanged in the costs.
    m_Haus.m_aHeizung[1] = m_Haus.Variantenheizung(*m_pOptionen);
    m_Bedarf1 = m_Haus.BerechneBedarf(1, notifier);
    m_Bilanz0 = m_Haus.Waermebilanz(notifier);
    m_Basisteile = m_Haus.LetzteBilanzteile();
    m_Haus.BerechneKosten(1, *m_pOptionen);
    m_KostenBauteile = m_Haus.Bauteilkosten(1);
    const DHeizung& h0 = m_Haus.m_aHeizung[0];
    const DHeizung& h1 = m_Haus.m_aHeizung[1];
    if (h1 != h0)
        m_KostenHeizung = h1.Preis;
    else if (h1.SanMuss != 0)
        m_KostenHeizung = m_pOptionen->AlteHeizung;
    else
        m_KostenHeizung = 0;

    // The boiler's load: the standard heat load through the distribution of
    // a central heating, or with the allowance of a single-room heating.
    const double eta = std::max(h0.Verteilungsnutzungsgrad, 0.001);
    const double norm = m_Haus.BerechneNormwaermebedarf(0, notifier);
    m_Last0 = h0.Einzelheiz == 0 ? norm / eta : norm * 1.0526315789473684;
}

// ---- the queries

void ProgSan::LoescheKandidatenmassnahmen()
{
    for (int g = 0; g < static_cast<int>(AnzahlBauteilgruppen); ++g)
        MitGruppe(m_Haus, g, [](auto& bauteile) {
            for (auto& b : bauteile)
                LeereSlot(b, 1);
        });
}

template <class Liste>
void ProgSan::HaengeKeineMassnahmeAn(int gruppe, Liste& liste)
{
    using Kandidat = std::remove_reference_t<decltype(liste[0])>;
    auto k = std::make_unique<Kandidat>();
    k->m_bKeineMassnahme = 1;
    if (gruppe < static_cast<int>(AnzahlBauteilgruppen))
        k->m_Summe = m_Basisteile.Gruppen[static_cast<std::size_t>(gruppe)];
    liste.FuegeEin(std::move(k), [this](const auto& a, const auto& b) { return Vergleiche(a, b, m_nKriterium); });
    m_nKombinationen *= static_cast<std::int64_t>(liste.size());
}

template <class Kandidat>
bool ProgSan::BewerteBauteil(int gruppe, Kandidat& k, Notifier& modell)
{
    if (k.m_bKeineMassnahme != 0)
        return true;
    Haus t(m_Haus);
    t.WendeVarianteAn(1);
    const double wt = t.Waermebilanz(modell);
    k.m_Summe = t.LetzteBilanzteile().Gruppen[static_cast<std::size_t>(gruppe)];
    // The fast mode computes the variant on the copy it has; the reference
    // mode lets the house make its own.
    const double b1 = m_Modus == Modus::Referenz ? m_Haus.BerechneBedarf(1, modell) : t.BerechneBedarf(0, modell);
    m_Haus.BerechneKosten(1, *m_pOptionen);
    const double gesamt = m_Haus.m_aBedarf[1].Gesamtkosten;

    // The measure's own share: its prices less the amounts due anyway that
    // it replaces (every other group's and the heating's part come off).
    k.m_Kosten = gesamt - m_KostenBauteile - m_KostenHeizung;
    k.m_Einsparung = m_Bedarf1 - b1;
    k.m_Reduktion = m_Bilanz0 - wt;
    const double nenner = gesamt * 0.001;
    k.m_Gewinn = nenner != 0 ? k.m_Einsparung * m_Haus.Energiebezugsflaeche / nenner : 0;
    switch (m_nKriterium) {
    case 0:
    case 2: return true;
    case 1: return gesamt < m_pOptionen->GetGrenze();
    default: return false;
    }
}

template <class Liste, class Set, class Bauteile>
bool ProgSan::SucheBauteil(int gruppe, Liste& liste, Set& set, Bauteile& bauteile, Notifier& modell)
{
    using Kandidat = std::remove_reference_t<decltype(liste[0])>;
    if (bauteile.empty())
        return true;
    if (m_pFortschritt != nullptr)
        m_pFortschritt->Status(Gruppennamen[gruppe]);
    LoescheKandidatenmassnahmen();

    // The opaque groups take filter and parameters from their first
    // component; every window measure is a candidate.
    if constexpr (!std::is_same_v<Set, XDBFensterSanSet>) {
        const auto& erstes = bauteile[0];
        set.AussenParam = erstes.SanbarAussen;
        set.InnenParam = erstes.SanbarInnen;
        set.ZwischenParam = (erstes.SanbarZwischen != 0 && erstes.Schicht != 0) ? 1 : 0;
        if constexpr (std::is_same_v<Set, XDBFlachdachSanSet>) {
            set.ZwischenParam = erstes.SanbarZwischen;
            set.WarmdachParam = erstes.Warmdach;
            set.m_strFilter = XDBFlachdachSanSet::Warmdachfilter;
        } else {
            set.m_strFilter = XDBOpakSanSet::Platzierungsfilter;
        }
    }
    set.Open();

    LiesZeilen(
        set, m_bAbgebrochen,
        [&] {
            for (auto& b : bauteile)
                b.SetzeSanierung(1, set.Zeile());
            Kandidat k(set);
            if (BewerteBauteil(gruppe, k, modell))
                liste.FuegeEin(std::make_unique<Kandidat>(k),
                               [this](const auto& a, const auto& b) { return Vergleiche(a, b, m_nKriterium); });
        },
        [this] { Pruefe(); });
    LoescheKandidatenmassnahmen();
    HaengeKeineMassnahmeAn(gruppe, liste);
    return true;
}

bool ProgSan::BewerteHeizkessel(XDBHeizungSanKandidat& k, Notifier& modell)
{
    if (k.m_bKeineMassnahme != 0)
        return true;
    const DOptionen& o = *m_pOptionen;
    m_Haus.m_aHeizung[1] = m_Haus.Variantenheizung(o);
    m_Haus.m_aHeizung[1].SetzeSanierung(k.Zeile());
    const double b1 = m_Haus.BerechneBedarf(1, modell);

    const DHeizung& h0 = m_Haus.m_aHeizung[0];
    const double A = m_Haus.Energiebezugsflaeche;
    double kosten = o.HeizkesselTauschen;
    if (h0.Einzelheiz != 0)
        kosten = A * o.Zentralheizung + o.HeizkesselTauschen;
    kosten += k.Preis;
    k.m_Kosten = kosten;
    k.m_Einsparung = m_Bedarf0 - b1;
    const double nenner = kosten * 0.001;
    const double p0 = o.Brennstoffpreis(h0.Brennstoff);
    const double p1 = o.Brennstoffpreis(m_Haus.m_aHeizung[1].Brennstoff);
    k.m_Gewinn = nenner != 0 ? (p0 * m_Bedarf0 - p1 * b1) * A / nenner : 0;

    bool annehmen = false;
    switch (m_nKriterium) {
    case 0:
    case 2: annehmen = true; break;
    case 1: annehmen = kosten < o.GetGrenze(); break;
    default: break;
    }

    // Power: the boiler must not be far too large for the load.
    const double L = m_Last0;
    const double pab = k.LeistungAb;
    const double pbis = k.LeistungBis;
    double r1 = 0;
    double r2 = 0;
    if (pab > 0 && pbis > 0) {
        r1 = L / pab;
        r2 = L / pbis;
    }
    if (L < pab)
        return false;
    if (!(3 * r2 >= r1) && !(r1 + r2 >= 2))
        return false;

    if (o.BrennstoffBeibehalten == 1 && k.Brennstoff != h0.Brennstoff)
        return false;
    if (o.BrennstoffBeibehalten == 0 && k.Brennstoff != o.Brennstoff)
        return false;
    return annehmen;
}

bool ProgSan::SucheHeizung(SqlDatabase& db, Notifier& modell)
{
    if (m_Haus.m_aHeizung[0].Sanbar != 1)
        return true;
    if (m_pFortschritt != nullptr)
        m_pFortschritt->Status(Gruppennamen[GruppeHeizung]);
    LoescheKandidatenmassnahmen();
    XDBHeizungSanSet set(&db);
    set.Open();
    LiesZeilen(
        set, m_bAbgebrochen,
        [&] {
            XDBHeizungSanKandidat k(set);
            if (BewerteHeizkessel(k, modell))
                m_Heizung.FuegeEin(std::make_unique<XDBHeizungSanKandidat>(k),
                                   [this](const auto& a, const auto& b) { return Vergleiche(a, b, m_nKriterium); });
        },
        [this] { Pruefe(); });
    m_Haus.m_aHeizung[1] = m_Haus.Variantenheizung(*m_pOptionen);
    auto keine = std::make_unique<XDBHeizungSanKandidat>();
    keine->SetzeKeineMassnahme();
    m_Heizung.FuegeEin(std::move(keine),
                       [this](const auto& a, const auto& b) { return Vergleiche(a, b, m_nKriterium); });
    m_nKombinationen *= static_cast<std::int64_t>(m_Heizung.size());
    return true;
}

int ProgSan::OeffneDatenbank(Notifier& anzeige, Notifier& modell)
{
    // The optimiser only reads; the file may be the template beside the
    // program, which is never written.
    SqlDatabase db;
    try {
        db.Open(m_Datei, true);
    } catch (const SqlError& e) {
        anzeige.Nachricht(e.Meldung(), Notifier::Art::Fehler);
    }
    try {
        XDBFlachdachSanSet flachdach(&db);
        SucheBauteil(GruppeFlachdach, m_Flachdach, flachdach, m_Haus.m_aFlachdach, modell);
        XDBSteildachSanSet steildach(&db);
        SucheBauteil(GruppeSteildach, m_Steildach, steildach, m_Haus.m_aSteildach, modell);
        XDBDeckeSanSet decke(&db);
        SucheBauteil(GruppeDecke, m_Decke, decke, m_Haus.m_aDecke, modell);
        XDBWandSanSet wand(&db);
        SucheBauteil(GruppeWand, m_Wand, wand, m_Haus.m_aWand, modell);
        XDBBodenSanSet boden(&db);
        SucheBauteil(GruppeBoden, m_Boden, boden, m_Haus.m_aBoden, modell);
        XDBFensterSanSet fenster(&db);
        SucheBauteil(GruppeFenster, m_Fenster, fenster, m_Haus.m_aFenster, modell);
        SucheHeizung(db, modell);
    } catch (const std::exception&) {
        return 0;
    }
    return 1;
}

// ---- progress

bool ProgSan::Pruefe()
{
    if (m_bAbgebrochen)
        return true;
    const std::int64_t jetzt = m_Uhr();
    if (jetzt - m_LetzteAbfrage < AbfrageIntervall)
        return false;
    m_LetzteAbfrage = jetzt;
    Frage();
    return m_bAbgebrochen;
}

void ProgSan::Frage()
{
    ++m_nAbfragen;
    if (m_pFortschritt == nullptr)
        return;
    if (m_bSuche) {
        const std::uint64_t c = m_nZaehler - m_nZaehler % 10;
        char text[96];
        std::snprintf(text, sizeof text, "Analysiere Variante %lld von %lld...", static_cast<long long>(c),
                      static_cast<long long>(m_nKombinationen));
        m_pFortschritt->Status(text);
        const double anteil =
            m_nKombinationen > 0 ? static_cast<double>(c) / static_cast<double>(m_nKombinationen) : 0.0;
        m_pFortschritt->Position(static_cast<int>(std::clamp(anteil, 0.0, 1.0) * 1000));
    }
    if (m_BestwertText != m_GezeigterBestwert) {
        m_pFortschritt->Bestwert(m_BestwertText);
        m_GezeigterBestwert = m_BestwertText;
    }
    if (m_pFortschritt->Abgebrochen())
        m_bAbgebrochen = true;
}

void ProgSan::ZeigeBestenWert()
{
    const double v = m_Ergebnisse.empty() ? 0.0 : Wert(m_Ergebnisse[0], m_nKriterium);
    if (v == m_LetzterBestwert)
        return;
    if (m_nKriterium >= 0 && m_nKriterium <= 2)
        m_BestwertText = BestwertText(m_nKriterium, v);
    m_LetzterBestwert = v;
    ++m_nBestwertWechsel;
}

// ---- the search

bool ProgSan::IstZulaessig(const SanErgebnis& r) const
{
    const double grenze = m_pOptionen->GetGrenze();
    switch (m_nKriterium) {
    case 0: return true;
    case 1: return r.m_Kosten < grenze;
    case 2: return m_Bedarf0 - r.m_Einsparung < grenze;
    default: return false;
    }
}

bool ProgSan::PasstHeizkessel(const SanErgebnis& r, const XDBHeizungSanKandidat& kessel) const
{
    if (!(m_Bedarf0 > 0) || !std::isfinite(m_Lastfaktor))
        return false;
    // The load that remains after the combination's measures.
    const double L = m_Lastfaktor * (m_Bedarf0 - r.m_Einsparung);
    const double E = m_pOptionen->Einschaltdauer * kessel.LeistungBis * 3.6;
    return L < kessel.LeistungBis && L != kessel.LeistungAb && m_Bilanz0 - r.m_Reduktion < E;
}

bool ProgSan::HatMassnahme(const SanKombination& k) const
{
    const auto groesse = Gruppengroessen();
    for (int g = 0; g < AnzahlSanierungsgruppen; ++g) {
        if (groesse[static_cast<std::size_t>(g)] > 0 &&
            k.m_anIndex[static_cast<std::size_t>(g)] < groesse[static_cast<std::size_t>(g)] - 1)
            return true;
    }
    return false;
}

double ProgSan::Gewinn(double einsparung, double kosten, int brennstoff) const
{
    const double nenner = kosten * 0.001;
    return nenner != 0
               ? m_Haus.Energiebezugsflaeche * m_pOptionen->Brennstoffpreis(brennstoff) * einsparung / nenner
               : 0.0;
}

DHeizung ProgSan::Kesselheizung(const XDBHeizungSanKandidat& k, const Haus& haus) const
{
    DHeizung h = haus.Variantenheizung(*m_pOptionen);
    h.SetzeSanierung(k.Zeile());
    h.Preis = k.m_Kosten;
    Haus::SetzeHeizungsvorgaben(h, *m_pOptionen);
    return h;
}

bool ProgSan::FaelltHeraus(const SanErgebnis& r) const
{
    // In a full list ordered by value (no NaN among them), a result that is
    // not strictly better than the last one would be dropped or cut.
    if (m_Ergebnisse.size() < m_nErgebnisGroesse || m_bListeMitNaN)
        return false;
    return !(Abstand(r, m_Ergebnisse.back(), m_nKriterium) > 0);
}

void ProgSan::Speichere(const SanErgebnis& r)
{
    bool verworfen = false;
    bool eingefuegt = false;
    for (std::size_t i = 0; i < m_Ergebnisse.size(); ++i) {
        const double d = Abstand(r, m_Ergebnisse[i], m_nKriterium);
        if (d > 0) {
            m_Ergebnisse.Einfuegen(i, std::make_unique<SanErgebnis>(r));
            eingefuegt = true;
            break;
        }
        if (d == 0 && r.m_Kombination == m_Ergebnisse[i].m_Kombination) {
            verworfen = true;
            break;
        }
    }
    if (!verworfen) {
        if (!eingefuegt)
            m_Ergebnisse.Anhaengen(std::make_unique<SanErgebnis>(r));
        m_Ergebnisse.Kuerze(m_nErgebnisGroesse);
        m_bListeMitNaN = false;
        for (std::size_t i = 0; i < m_Ergebnisse.size(); ++i)
            if (std::isnan(Wert(m_Ergebnisse[i], m_nKriterium)))
                m_bListeMitNaN = true;
    }
    ZeigeBestenWert();
}

void ProgSan::Suche(Notifier& modell)
{
    const auto groesse = Gruppengroessen();
    m_nKombinationen = 1;
    for (const int n : groesse)
        if (n > 0)
            m_nKombinationen *= n;
    m_Lastfaktor = m_Bedarf0 > 0 ? m_Last0 / m_Bedarf0 : std::nan("");
    m_nErgebnisGroesse = static_cast<std::size_t>(std::max(m_pOptionen->AnzahlVarianten, 20));
    m_bSuche = true;
    m_nZaehler = 0;
    m_nUntersucht = 0;
    m_nKesselBestanden = 0;
    if (m_pFortschritt != nullptr)
        m_pFortschritt->Position(0);
    if (m_Modus == Modus::Referenz)
        SucheReferenz(modell);
    else
        SucheSchnell(modell);
    m_bSuche = false;
}

void ProgSan::BewerteReferenz(SanErgebnis& r, Notifier& modell)
{
    const auto groesse = Gruppengroessen();
    r.m_bHeizkessel = 0;
    r.m_Kosten = m_KostenBauteile + m_KostenHeizung;
    r.m_Einsparung = m_Bedarf0 - m_Bedarf1;
    r.m_Reduktion = 0;
    for (int g = 0; g < static_cast<int>(AnzahlBauteilgruppen); ++g) {
        if (groesse[static_cast<std::size_t>(g)] == 0)
            continue;
        const SanKandidatenwerte& e = Eintrag(g, r.m_Kombination.m_anIndex[static_cast<std::size_t>(g)]);
        r.m_Kosten += e.m_Kosten;
        r.m_Einsparung += e.m_Einsparung;
        r.m_Reduktion += e.m_Reduktion;
    }
    int f = m_Haus.m_aHeizung[0].Brennstoff;
    const int nKessel = groesse[GruppeHeizung];
    if (nKessel > 0) {
        const XDBHeizungSanKandidat& e = m_Heizung[static_cast<std::size_t>(r.m_Kombination.m_anIndex[GruppeHeizung])];
        if (e.m_bKeineMassnahme == 0 && PasstHeizkessel(r, e)) {
            r.m_bHeizkessel = 1;
            WendeKombinationAn(m_Haus, 1, r, modell);
            r.m_Einsparung = m_Bedarf0 - m_Haus.BerechneBedarf(1, modell);
            // The new boiler replaces the heating's part of the costs.
            r.m_Kosten = m_KostenBauteile;
            for (int g = 0; g < static_cast<int>(AnzahlBauteilgruppen); ++g) {
                if (groesse[static_cast<std::size_t>(g)] > 0)
                    r.m_Kosten += Eintrag(g, r.m_Kombination.m_anIndex[static_cast<std::size_t>(g)]).m_Kosten;
            }
            r.m_Kosten += e.m_Kosten;
            f = e.Brennstoff;
            ++m_nKesselBestanden;
        } else {
            r.m_Kombination.m_anIndex[GruppeHeizung] = nKessel - 1;
        }
    }
    r.m_Gewinn = Gewinn(r.m_Einsparung, r.m_Kosten, f);
}

void ProgSan::SucheReferenz(Notifier& modell)
{
    const auto groesse = Gruppengroessen();
    SanKombination k;
    for (;;) {
        if (m_Beobachter)
            m_Beobachter(k);
        SanErgebnis r;
        r.m_Kombination = k;
        BewerteReferenz(r, modell);
        if (IstZulaessig(r))
            Speichere(r);
        ++m_nZaehler;
        ++m_nUntersucht;

        int g = AnzahlSanierungsgruppen - 1;
        for (; g >= 0; --g) {
            auto& i = k.m_anIndex[static_cast<std::size_t>(g)];
            if (groesse[static_cast<std::size_t>(g)] > 0 && ++i < groesse[static_cast<std::size_t>(g)])
                break;
            i = 0;
        }
        if (g < 0)
            break;
        if (m_nHoechstens != 0 && m_nUntersucht >= m_nHoechstens)
            break;
        if (Pruefe())
            break;
    }
}

void ProgSan::SucheSchnell(Notifier&)
{
    constexpr int G = static_cast<int>(AnzahlBauteilgruppen);
    const auto groesse = Gruppengroessen();

    // What each entry stored, in flat arrays.
    struct Spalten {
        std::vector<double> kosten, einsparung, reduktion;
        std::vector<const Gruppensumme*> summe;
    };
    std::array<Spalten, AnzahlBauteilgruppen> s;
    for (int g = 0; g < G; ++g) {
        for (int i = 0; i < groesse[static_cast<std::size_t>(g)]; ++i) {
            const SanKandidatenwerte& e = Eintrag(g, i);
            s[static_cast<std::size_t>(g)].kosten.push_back(e.m_Kosten);
            s[static_cast<std::size_t>(g)].einsparung.push_back(e.m_Einsparung);
            s[static_cast<std::size_t>(g)].reduktion.push_back(e.m_Reduktion);
            s[static_cast<std::size_t>(g)].summe.push_back(&e.m_Summe);
        }
    }
    // The heating record each boiler would give the scratch variant, built
    // once by the steps the reference mode takes for every combination.
    const int nKessel = groesse[GruppeHeizung];
    std::vector<DHeizung> kesselheizung(static_cast<std::size_t>(nKessel));
    for (int j = 0; j < nKessel; ++j) {
        if (m_Heizung[static_cast<std::size_t>(j)].m_bKeineMassnahme == 0)
            kesselheizung[static_cast<std::size_t>(j)] = Kesselheizung(m_Heizung[static_cast<std::size_t>(j)], m_Haus);
    }
    DHeizung heizung;
    const Gruppensumme null{};
    const int f0 = m_Haus.m_aHeizung[0].Brennstoff;
    const double A = m_Haus.Energiebezugsflaeche;
    const Bilanzkonstanten& konstanten = m_Basisteile.Konstanten;

    // Sums along the odometer: level g holds the sum over groups 0..g, so a
    // change of index g recomputes the levels from g on only. Each sum runs
    // in the order of the reference loop, so it is that loop's value.
    const double startKosten = m_KostenBauteile + m_KostenHeizung;
    const double startEinsparung = m_Bedarf0 - m_Bedarf1;
    std::array<double, AnzahlBauteilgruppen> pKosten{}, pKostenKessel{}, pEinsparung{}, pReduktion{};
    std::array<Gruppensumme, AnzahlBauteilgruppen> pSumme{};
    int summeGueltig = 0; // levels of pSumme that are valid

    SanKombination k;
    int geaendert = 0;
    SanErgebnis zwilling;
    Bilanzergebnis bilanz;
    bool bilanzDa = false;
    for (;;) {
        if (geaendert < G) {
            for (int g = geaendert; g < G; ++g) {
                const auto gg = static_cast<std::size_t>(g);
                double kk = g == 0 ? startKosten : pKosten[gg - 1];
                double kb = g == 0 ? m_KostenBauteile : pKostenKessel[gg - 1];
                double ee = g == 0 ? startEinsparung : pEinsparung[gg - 1];
                double rr = g == 0 ? 0.0 : pReduktion[gg - 1];
                if (groesse[gg] > 0) {
                    const auto i = static_cast<std::size_t>(k.m_anIndex[gg]);
                    kk += s[gg].kosten[i];
                    kb += s[gg].kosten[i];
                    ee += s[gg].einsparung[i];
                    rr += s[gg].reduktion[i];
                }
                pKosten[gg] = kk;
                pKostenKessel[gg] = kb;
                pEinsparung[gg] = ee;
                pReduktion[gg] = rr;
            }
            summeGueltig = std::min(summeGueltig, geaendert);
            bilanzDa = false;
            zwilling.m_Kombination = k;
            zwilling.m_bHeizkessel = 0;
            zwilling.m_Kosten = pKosten[G - 1];
            zwilling.m_Einsparung = pEinsparung[G - 1];
            zwilling.m_Reduktion = pReduktion[G - 1];
            if (nKessel > 0)
                zwilling.m_Kombination.m_anIndex[GruppeHeizung] = nKessel - 1;
            zwilling.m_Gewinn = Gewinn(zwilling.m_Einsparung, zwilling.m_Kosten, f0);
        }
        if (m_Beobachter)
            m_Beobachter(k);

        const int j = k.m_anIndex[GruppeHeizung];
        const XDBHeizungSanKandidat* kessel =
            nKessel > 0 && m_Heizung[static_cast<std::size_t>(j)].m_bKeineMassnahme == 0
                ? &m_Heizung[static_cast<std::size_t>(j)]
                : nullptr;
        if (kessel != nullptr && PasstHeizkessel(zwilling, *kessel)) {
            if (!bilanzDa) {
                for (int g = summeGueltig; g < G; ++g) {
                    const auto gg = static_cast<std::size_t>(g);
                    pSumme[gg] = g == 0 ? null : pSumme[gg - 1];
                    pSumme[gg] += groesse[gg] > 0 ? *s[gg].summe[static_cast<std::size_t>(k.m_anIndex[gg])] : null;
                }
                summeGueltig = G;
                bilanz = KombiniereBilanz(pSumme[G - 1], konstanten);
                bilanzDa = true;
            }
            heizung = kesselheizung[static_cast<std::size_t>(j)];
            SanErgebnis r;
            r.m_Kombination = k;
            r.m_bHeizkessel = 1;
            r.m_Einsparung =
                m_Bedarf0 - Haus::Brennstoffenergie(A, heizung, bilanz.Verluste, bilanz.FenstergewinnNutzbar,
                                                    bilanz.ElektrizitaetNutzbar, bilanz.PersonenNutzbar);
            r.m_Kosten = pKostenKessel[G - 1] + kessel->m_Kosten;
            r.m_Reduktion = zwilling.m_Reduktion;
            r.m_Gewinn = Gewinn(r.m_Einsparung, r.m_Kosten, kessel->Brennstoff);
            ++m_nKesselBestanden;
            if (IstZulaessig(r) && !FaelltHeraus(r))
                Speichere(r);
        } else if (IstZulaessig(zwilling) && !FaelltHeraus(zwilling)) {
            Speichere(zwilling);
        }
        ++m_nZaehler;
        ++m_nUntersucht;

        int g = AnzahlSanierungsgruppen - 1;
        for (; g >= 0; --g) {
            auto& i = k.m_anIndex[static_cast<std::size_t>(g)];
            if (groesse[static_cast<std::size_t>(g)] > 0 && ++i < groesse[static_cast<std::size_t>(g)])
                break;
            i = 0;
        }
        if (g < 0)
            break;
        geaendert = g; // 6: only the boiler moved
        if (m_nHoechstens != 0 && m_nUntersucht >= m_nHoechstens)
            break;
        if ((m_nZaehler % UhrTakt) == 0 || m_bAbgebrochen) {
            if (Pruefe())
                break;
        }
    }
}

void ProgSan::BewerteErgebnisseGenau(Notifier& modell)
{
    if (m_Ergebnisse.empty())
        return;
    std::vector<SanErgebnis> genau;
    genau.reserve(m_Ergebnisse.size());
    for (std::size_t i = 0; i < m_Ergebnisse.size(); ++i) {
        SanErgebnis r = m_Ergebnisse[i];
        Haus h(m_Haus);
        WendeKombinationAn(h, 1, r, modell);
        const DBedarf& b = h.m_aBedarf[1];
        r.m_Einsparung = m_Bedarf0 - b.Brennstoffenergiebedarf;
        r.m_Kosten = b.Gesamtkosten;
        r.m_Gewinn = Gewinn(r.m_Einsparung, r.m_Kosten, h.m_aHeizung[1].Brennstoff);
        genau.push_back(r);
    }
    // Best first, equal ones in the search's order; a figure that is not a
    // number goes to the end.
    std::stable_sort(genau.begin(), genau.end(), [this](const SanErgebnis& a, const SanErgebnis& b) {
        const bool aNaN = std::isnan(Wert(a, m_nKriterium));
        const bool bNaN = std::isnan(Wert(b, m_nKriterium));
        if (aNaN || bNaN)
            return !aNaN && bNaN;
        return Abstand(a, b, m_nKriterium) > 0;
    });
    m_Ergebnisse.Leere();
    for (const SanErgebnis& r : genau)
        m_Ergebnisse.Anhaengen(std::make_unique<SanErgebnis>(r));
    ZeigeBestenWert();
    if (m_pFortschritt != nullptr && m_BestwertText != m_GezeigterBestwert) {
        m_pFortschritt->Bestwert(m_BestwertText);
        m_GezeigterBestwert = m_BestwertText;
    }
}

// ---- adoption

void ProgSan::WendeKombinationAn(Haus& haus, int n, const SanErgebnis& r, Notifier& notifier) const
{
    const auto groesse = Gruppengroessen();
    auto schreibe = [&](int g, auto& liste, auto& bauteile) {
        if (groesse[static_cast<std::size_t>(g)] == 0)
            return;
        const auto& e = liste[static_cast<std::size_t>(r.m_Kombination.m_anIndex[static_cast<std::size_t>(g)])];
        for (auto& b : bauteile) {
            if (e.m_bKeineMassnahme != 0)
                LeereSlot(b, n);
            else
                b.SetzeSanierung(n, e.Zeile());
        }
    };
    schreibe(GruppeFlachdach, m_Flachdach, haus.m_aFlachdach);
    schreibe(GruppeSteildach, m_Steildach, haus.m_aSteildach);
    schreibe(GruppeDecke, m_Decke, haus.m_aDecke);
    schreibe(GruppeWand, m_Wand, haus.m_aWand);
    schreibe(GruppeBoden, m_Boden, haus.m_aBoden);
    schreibe(GruppeFenster, m_Fenster, haus.m_aFenster);

    const auto in = static_cast<std::size_t>(n);
    const XDBHeizungSanKandidat* kessel =
        groesse[GruppeHeizung] > 0 ? &m_Heizung[static_cast<std::size_t>(r.m_Kombination.m_anIndex[GruppeHeizung])]
                                   : nullptr;
    if (r.m_bHeizkessel != 0 && kessel != nullptr && kessel->m_bKeineMassnahme == 0)
        haus.m_aHeizung[in] = Kesselheizung(*kessel, haus);
    else
        haus.m_aHeizung[in] = haus.Variantenheizung(*m_pOptionen);

    haus.BerechneNormwaermebedarf(n, notifier);
    haus.BerechneBedarf(n, notifier);
    haus.BerechneKosten(n, *m_pOptionen);
    haus.BerechneCo2(n);
    haus.BerechneKea(n);
}

int ProgSan::UebernehmeBeste(Haus& haus, Notifier& notifier)
{
    const std::size_t n =
        std::min(m_Ergebnisse.size(), static_cast<std::size_t>(std::max(m_pOptionen->AnzahlVarianten, 0)));
    int neu = 0;
    int uebrig = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const SanErgebnis& r = m_Ergebnisse[i];
        if (!HatMassnahme(r.m_Kombination))
            continue;
        if (uebrig > 0) {
            ++uebrig;
            continue;
        }
        // A house at its limit answers 0: state 0 is the existing building,
        // which a proposal must never be written into.
        const int v = haus.NeueVariante(false, *m_pOptionen);
        if (v < 1) {
            uebrig = 1;
            continue;
        }
        WendeKombinationAn(haus, v, r, notifier);
        // A proposal the house has already (from an earlier run or by hand)
        // is a twin: it is not adopted a second time.
        bool zwilling = false;
        for (int k = 1; k < v && !zwilling; ++k)
            zwilling = haus.GleicheVarianten(k, v);
        if (zwilling) {
            haus.LoescheVariante(v);
            continue;
        }
        ++neu;
    }
    if (uebrig > 0)
        notifier.Nachricht(TextVariantengrenze(uebrig), Notifier::Art::Information);
    return neu;
}

std::string ProgSan::BestwertText(int kriterium, double v)
{
    // The figures by the program's one rule: two decimals rounded on the
    // shown digits (0,625 → "0,63"), money in whole euros.
    switch (kriterium) {
    case 0: return "Bester Wert: " + Zahltext(v, 2) + " EUR/a Gewinn pro 1000 EUR Investition";
    case 1: return "Bester Wert: " + Zahltext(v, 2) + " kWh/m²a Energieeinsparung";
    case 2: return "Bester Wert: " + Geldtext(v) + " EUR Gesamtkosten";
    default: return {};
    }
}

std::string ProgSan::TextVariantengrenze(int nichtUebernommen)
{
    return "Es können höchstens " + std::to_string(grenzen::MaxVarianten) +
           " Sanierungsvarianten angelegt werden; " + std::to_string(nichtUebernommen) +
           " der Vorschläge wurden nicht übernommen.";
}

} // namespace zeva
