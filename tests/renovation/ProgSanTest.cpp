// The optimiser: candidate lists, the search, ranking and adoption, the
// figures of the decided semantics against a brute force, both modes bit for
// bit, messages, and the time budget of the progress interface.
#include "SanierungsTestDaten.h"

#include "model/DaempfbarerNotifier.h"
#include "model/Zahlentext.h"
#include "platform/SqlDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace zeva::test {
namespace {

// ---- helpers

int ZeilenId(const ProgSan& p, int g, int i)
{
    const auto ii = static_cast<std::size_t>(i);
    if (p.Eintrag(g, i).m_bKeineMassnahme != 0)
        return -1;
    switch (g) {
    case GruppeFlachdach: return p.m_Flachdach[ii].ID;
    case GruppeSteildach: return p.m_Steildach[ii].ID;
    case GruppeDecke: return p.m_Decke[ii].ID;
    case GruppeWand: return p.m_Wand[ii].ID;
    case GruppeBoden: return p.m_Boden[ii].ID;
    case GruppeFenster: return p.m_Fenster[ii].FensterID;
    default: return p.m_Heizung[ii].HeizungID;
    }
}

// Synthetic entries with the given values; the last is the no-measure one.
template <class Liste>
void FuelleListe(Liste& liste, const std::vector<double>& kosten, double einsparung = 1, double reduktion = 0)
{
    using K = std::remove_reference_t<decltype(liste[0])>;
    for (std::size_t i = 0; i < kosten.size(); ++i) {
        auto k = std::make_unique<K>();
        k->m_Kosten = kosten[i];
        k->m_Einsparung = einsparung * static_cast<double>(i + 1);
        k->m_Reduktion = reduktion;
        liste.Anhaengen(std::move(k));
    }
    auto keine = std::make_unique<K>();
    keine->m_bKeineMassnahme = 1;
    liste.Anhaengen(std::move(keine));
}

// Every figure of two candidate lists and result lists compared with ==.
void ErwarteGleich(const ProgSan& a, const ProgSan& b, const std::string& fall)
{
    ASSERT_EQ(a.Gruppengroessen(), b.Gruppengroessen()) << fall;
    const auto n = a.Gruppengroessen();
    for (int g = 0; g < AnzahlSanierungsgruppen; ++g) {
        for (int i = 0; i < n[static_cast<std::size_t>(g)]; ++i) {
            const SanKandidatenwerte& x = a.Eintrag(g, i);
            const SanKandidatenwerte& y = b.Eintrag(g, i);
            EXPECT_EQ(ZeilenId(a, g, i), ZeilenId(b, g, i)) << fall << " Gruppe " << g << " Eintrag " << i;
            EXPECT_EQ(x.m_bKeineMassnahme, y.m_bKeineMassnahme) << fall;
            EXPECT_EQ(x.m_Kosten, y.m_Kosten) << fall << " Gruppe " << g << " Eintrag " << i;
            EXPECT_EQ(x.m_Einsparung, y.m_Einsparung) << fall << " Gruppe " << g << " Eintrag " << i;
            EXPECT_EQ(x.m_Gewinn, y.m_Gewinn) << fall << " Gruppe " << g << " Eintrag " << i;
            EXPECT_EQ(x.m_Reduktion, y.m_Reduktion) << fall << " Gruppe " << g << " Eintrag " << i;
        }
    }
    ASSERT_EQ(a.m_Ergebnisse.size(), b.m_Ergebnisse.size()) << fall;
    for (std::size_t i = 0; i < a.m_Ergebnisse.size(); ++i) {
        const SanErgebnis& x = a.m_Ergebnisse[i];
        const SanErgebnis& y = b.m_Ergebnisse[i];
        EXPECT_EQ(x.m_Kombination.m_anIndex, y.m_Kombination.m_anIndex) << fall << " Ergebnis " << i;
        EXPECT_EQ(x.m_bHeizkessel, y.m_bHeizkessel) << fall << " Ergebnis " << i;
        EXPECT_EQ(x.m_Kosten, y.m_Kosten) << fall << " Ergebnis " << i;
        EXPECT_EQ(x.m_Einsparung, y.m_Einsparung) << fall << " Ergebnis " << i;
        EXPECT_EQ(x.m_Gewinn, y.m_Gewinn) << fall << " Ergebnis " << i;
        EXPECT_EQ(x.m_Reduktion, y.m_Reduktion) << fall << " Ergebnis " << i;
    }
    EXPECT_EQ(a.m_BestwertText, b.m_BestwertText) << fall;
    EXPECT_EQ(a.m_nBestwertWechsel, b.m_nBestwertWechsel) << fall;
    EXPECT_EQ(a.m_nKesselBestanden, b.m_nKesselBestanden) << fall;
}

// A run of one mode; the optimiser stays for the comparison.
std::unique_ptr<ProgSan> Lauf(const Haus& h, const DOptionen& o, const std::filesystem::path& db, ProgSan::Modus modus,
                              std::uint64_t hoechstens = 0)
{
    auto p = std::make_unique<ProgSan>(h, o);
    p->SetzeModus(modus);
    p->SetzeDatenbankdatei(db);
    p->m_nHoechstens = hoechstens;
    AntwortNotifier anzeige;
    p->Optimiere(anzeige);
    return p;
}

// The search alone, without the exact figures of the results the whole run
// computes after it: what the search itself found.
std::unique_ptr<ProgSan> Suchlauf(const Haus& h, const DOptionen& o, const std::filesystem::path& db,
                                  ProgSan::Modus modus)
{
    auto p = std::make_unique<ProgSan>(h, o);
    p->SetzeModus(modus);
    p->SetzeDatenbankdatei(db);
    AntwortNotifier anzeige;
    StillerNotifier modell;
    p->BerechneBasis(modell);
    EXPECT_EQ(p->OeffneDatenbank(anzeige, modell), 1);
    p->Suche(modell);
    return p;
}

// The boiler load of the existing state, as the optimiser computes it.
double Kessellast(const Haus& h, const DOptionen& o)
{
    ProgSan p(h, o);
    StillerNotifier n;
    p.BerechneBasis(n);
    return p.m_Last0;
}

// ---- candidates

TEST(Kandidaten, ReihenfolgeGleicheWerteUndKeineMassnahmeZuletzt)
{
    for (int modus = 0; modus < 3; ++modus) {
        SortierteListe<XDBWandSanKandidat> liste;
        auto fuegeEin = [&](int id, double wert, bool keine = false) {
            auto k = std::make_unique<XDBWandSanKandidat>();
            k->ID = id;
            k->m_bKeineMassnahme = keine ? 1 : 0;
            k->m_Gewinn = k->m_Einsparung = wert;
            k->m_Kosten = -wert; // mode 2: cheaper is better
            liste.FuegeEin(std::move(k), [modus](const auto& a, const auto& b) { return Vergleiche(a, b, modus); });
        };
        fuegeEin(1, 5);
        fuegeEin(2, 7);
        fuegeEin(99, 0, true);
        fuegeEin(3, 5);
        fuegeEin(4, 9);
        fuegeEin(5, 7);
        std::vector<int> ids;
        for (std::size_t i = 0; i < liste.size(); ++i)
            ids.push_back(liste[i].ID);
        EXPECT_EQ(ids, (std::vector<int>{4, 2, 5, 1, 3, 99})) << "Modus " << modus;
    }
}

class KandidatenDB : public testing::Test {
protected:
    void SetUp() override { ReferenzHausMitKessel(haus); }
    std::unique_ptr<ProgSan> Abfrage(const std::string& zeilen, const DOptionen& o)
    {
        optionen = o;
        auto p = std::make_unique<ProgSan>(haus, optionen);
        p->SetzeDatenbankdatei(SanDatenbank("kandidaten.db", zeilen));
        StillerNotifier n;
        p->BerechneBasis(n);
        EXPECT_EQ(p->OeffneDatenbank(n, n), 1);
        return p;
    }
    Haus haus;
    DOptionen optionen;
};

TEST_F(KandidatenDB, Kriterium1WeistKostenAnDerGrenzeZurueck)
{
    // 100 m² of wall at 49.99, 50 and 50.01 EUR/m²: the second costs exactly
    // the limit of 5000 EUR and is no candidate, nor is the third.
    const std::string zeilen = OpakZeile("SanWand", 1, "billig", 0, 0, 1, 0.35, 0.1, 49.99) +
                               OpakZeile("SanWand", 2, "grenze", 0, 0, 1, 0.35, 0.1, 50) +
                               OpakZeile("SanWand", 3, "teuer", 0, 0, 1, 0.35, 0.1, 50.01);
    auto p = Abfrage(zeilen, Optionen(1, 5000));
    ASSERT_EQ(p->m_Wand.size(), 2u);
    EXPECT_EQ(p->m_Wand[0].ID, 1);
    EXPECT_NEAR(p->m_Wand[0].m_Kosten, 4999, 1e-9);
    EXPECT_EQ(p->m_Wand[1].m_bKeineMassnahme, 1);

    // Criterion 2 takes every measure.
    auto q = Abfrage(zeilen, Optionen(2, 5000));
    EXPECT_EQ(q->m_Wand.size(), 4u);
}

TEST_F(KandidatenDB, FilterVomErstenBauteil)
{
    const std::string zeilen = OpakZeile("SanWand", 1, "aussen", 0, 0, 1, 0.35, 0.1, 40) +
                               OpakZeile("SanWand", 2, "kern", 0, 1, 0, 0.5, 0.06, 20) +
                               OpakZeile("SanWand", 3, "innen", 1, 0, 0, 0.6, 0.06, 30);
    // A first wall without any flag: only the no-measure entry.
    haus.m_aWand[0].SanbarInnen = haus.m_aWand[0].SanbarZwischen = haus.m_aWand[0].SanbarAussen = 0;
    auto p = Abfrage(zeilen, Optionen(0, 0));
    ASSERT_EQ(p->m_Wand.size(), 1u);
    EXPECT_EQ(p->m_Wand[0].m_bKeineMassnahme, 1);

    // Core fill allowed but the wall has no layers (Schicht 0): ZwischenParam
    // is 0 and the core fill is no candidate; with layers it is.
    haus.m_aWand[0].SanbarZwischen = 1;
    haus.m_aWand[0].Schicht = 0;
    auto q = Abfrage(zeilen, Optionen(0, 0));
    EXPECT_EQ(q->m_Wand.size(), 1u);
    haus.m_aWand[0].Schicht = 1;
    auto r = Abfrage(zeilen, Optionen(0, 0));
    ASSERT_EQ(r->m_Wand.size(), 2u);
    EXPECT_EQ(r->m_Wand[0].ID, 2);
}

TEST_F(KandidatenDB, KesselLeistungUndBrennstoff)
{
    DOptionen o = Optionen(0, 0);
    ProgSan p(haus, o);
    StillerNotifier n;
    p.BerechneBasis(n);
    p.m_Last0 = 12;
    struct Fall {
        double ab, bis;
        int brennstoff;
        bool erwartet;
    };
    // r1 = 1.2, r2 = 0.3: 3·r2 < r1 and r1 + r2 < 2 → refused; with 25 kW
    // r2 = 0.48 and 3·r2 ≥ r1 → accepted; a boiler above the load, or of
    // another fuel while the fuel is kept, is refused.
    for (const Fall& f : {Fall{10, 40, BrennstoffGas, false}, Fall{10, 25, BrennstoffGas, true},
                          Fall{13, 25, BrennstoffGas, false}, Fall{10, 25, BrennstoffOel, false}}) {
        XDBHeizungSanKandidat k;
        k.LeistungAb = f.ab;
        k.LeistungBis = f.bis;
        k.Brennstoff = f.brennstoff;
        k.Preis = 5000;
        EXPECT_EQ(p.BewerteHeizkessel(k, n), f.erwartet) << f.ab << " " << f.bis << " " << f.brennstoff;
        EXPECT_DOUBLE_EQ(k.m_Kosten, 1500 + 5000);
    }
    // A single-room heating adds a new central heating per m².
    haus.m_aHeizung[0].Einzelheiz = 1;
    ProgSan q(haus, o);
    q.BerechneBasis(n);
    XDBHeizungSanKandidat k;
    k.LeistungBis = 1000;
    k.Preis = 5000;
    q.BewerteHeizkessel(k, n);
    EXPECT_DOUBLE_EQ(k.m_Kosten, 100 * 40 + 1500 + 5000);
}

// ---- the search on synthetic lists

class SucheSynthetisch : public testing::TestWithParam<ProgSan::Modus> {
protected:
    void SetUp() override { ReferenzHausMitKessel(haus); }
    std::unique_ptr<ProgSan> Optimierer(const DOptionen& o)
    {
        optionen = o;
        auto p = std::make_unique<ProgSan>(haus, optionen);
        p->SetzeModus(GetParam());
        StillerNotifier n;
        p->BerechneBasis(n);
        return p;
    }
    Haus haus;
    DOptionen optionen;
    StillerNotifier n;
};

TEST_P(SucheSynthetisch, OdometerUeberAlleKombinationen)
{
    auto p = Optimierer(Optionen(0, 0));
    FuelleListe(p->m_Flachdach, {1, 2});
    FuelleListe(p->m_Decke, {});
    FuelleListe(p->m_Wand, {1, 2, 3});
    FuelleListe(p->m_Boden, {1});
    FuelleListe(p->m_Fenster, {1, 2, 3, 4});
    FuelleListe(p->m_Heizung, {1});
    FuelleListe(p->m_Steildach, {});
    p->m_Bedarf0 = 0; // no boiler passes
    std::vector<SanKombination> gesehen;
    p->m_Beobachter = [&](const SanKombination& k) { gesehen.push_back(k); };
    p->Suche(n);
    // 3 · 1 · 1 · 4 · 2 · 5 · 2 is 240.
    EXPECT_EQ(p->m_nKombinationen, 240);
    ASSERT_EQ(gesehen.size(), 240u);
    EXPECT_EQ(gesehen[0].m_anIndex, (std::array<int, 7>{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(gesehen[1].m_anIndex, (std::array<int, 7>{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(gesehen[2].m_anIndex, (std::array<int, 7>{0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(gesehen.back().m_anIndex, (std::array<int, 7>{2, 0, 0, 3, 1, 4, 1}));

    // An empty list keeps index 0 and passes the carry.
    auto q = Optimierer(Optionen(0, 0));
    FuelleListe(q->m_Flachdach, {1, 2});
    FuelleListe(q->m_Wand, {1, 2, 3});
    FuelleListe(q->m_Fenster, {1});
    q->m_Bedarf0 = 0;
    gesehen.clear();
    q->m_Beobachter = [&](const SanKombination& k) { gesehen.push_back(k); };
    q->Suche(n);
    EXPECT_EQ(q->m_nKombinationen, 24);
    ASSERT_EQ(gesehen.size(), 24u);
    EXPECT_EQ(gesehen[2].m_anIndex, (std::array<int, 7>{0, 0, 0, 1, 0, 0, 0}));
    for (const SanKombination& k : gesehen)
        EXPECT_EQ(k.m_anIndex[GruppeSteildach] + k.m_anIndex[GruppeDecke] + k.m_anIndex[GruppeHeizung], 0);
}

TEST_P(SucheSynthetisch, GrenzenJeKriterium)
{
    // Criterion 1: a sum of exactly the limit is refused.
    auto p = Optimierer(Optionen(1, 0));
    p->m_KostenBauteile = 0;
    p->m_KostenHeizung = 0;
    FuelleListe(p->m_Wand, {3000, 5000});
    FuelleListe(p->m_Fenster, {2000});
    p->m_Bedarf0 = 0;
    optionen.Grenze = 5000;
    p->Suche(n);
    std::vector<double> kosten;
    for (std::size_t i = 0; i < p->m_Ergebnisse.size(); ++i)
        kosten.push_back(p->m_Ergebnisse[i].m_Kosten);
    std::sort(kosten.begin(), kosten.end());
    EXPECT_EQ(kosten, (std::vector<double>{0, 2000, 3000}));

    // Criterion 2: every remaining demand above the limit → nothing.
    auto q = Optimierer(Optionen(2, -1e9));
    FuelleListe(q->m_Wand, {3000});
    q->Suche(n);
    EXPECT_TRUE(q->m_Ergebnisse.empty());
    EXPECT_TRUE(q->m_BestwertText.empty());
}

TEST_P(SucheSynthetisch, AnzahlVariantenUndUebernahme)
{
    for (const int anzahl : {5, 30}) {
        auto p = Optimierer(Optionen(0, 0, anzahl));
        p->m_Bedarf0 = 0;
        // The all-no-measure combination is the best: no cost, gain 0, every
        // other has a negative gain (cost, saving -1 per entry).
        std::vector<double> kosten(7, 100);
        FuelleListe(p->m_Wand, kosten, -1);
        FuelleListe(p->m_Fenster, kosten, -1);
        p->m_KostenBauteile = 0;
        p->m_KostenHeizung = 0;
        p->Suche(n);
        EXPECT_EQ(p->m_Ergebnisse.size(), static_cast<std::size_t>(std::max(anzahl, 20))) << anzahl;
        EXPECT_FALSE(p->HatMassnahme(p->m_Ergebnisse[0].m_Kombination));
    }
    // Adoption: at most AnzahlVarianten, the all-no-measure result skipped
    // and not replaced. With real rows from a data base.
    const std::string zeilen = OpakZeile("SanWand", 1, "w1", 0, 0, 1, 0.35, 0.1, 40) +
                               OpakZeile("SanWand", 2, "w2", 0, 0, 1, 0.25, 0.14, 55) +
                               FensterZeile(1, "f1", 1.1, 0.6, 1.3, 1, 300);
    DOptionen o = Optionen(2, 1e9, 5); // cheapest first: the no-measure result leads
    auto p = Lauf(haus, o, SanDatenbank("uebernahme.db", zeilen), GetParam());
    ASSERT_GE(p->m_Ergebnisse.size(), 5u);
    EXPECT_FALSE(p->HatMassnahme(p->m_Ergebnisse[0].m_Kombination));
    Haus ziel(haus);
    AntwortNotifier a;
    EXPECT_EQ(p->UebernehmeBeste(ziel, a), 4);
    EXPECT_EQ(ziel.Varianten, 4);
    for (int v = 1; v <= 4; ++v) {
        EXPECT_EQ(ziel.m_aBedarf[static_cast<std::size_t>(v)].Zielfunktion, 2);
        EXPECT_EQ(ziel.m_aBedarf[static_cast<std::size_t>(v)].Grenze, 1e9);
    }
    // The same proposals a second time are twins of what the house has: no
    // variant is added, and those there stay as they were.
    const Haus vorher(ziel);
    EXPECT_EQ(p->UebernehmeBeste(ziel, a), 0);
    EXPECT_EQ(ziel.Varianten, 4);
    for (int v = 1; v <= 4; ++v)
        EXPECT_TRUE(ziel.GleicheVarianten(v, v)) << v;
    EXPECT_EQ(ziel.m_aBedarf.size(), vorher.m_aBedarf.size());
    // One proposal already made by hand is not adopted again either; the
    // others are.
    Haus teilweise(haus);
    teilweise.NeueVariante(false, o);
    p->WendeKombinationAn(teilweise, 1, p->m_Ergebnisse[1], a);
    EXPECT_EQ(p->UebernehmeBeste(teilweise, a), 3);
    EXPECT_EQ(teilweise.Varianten, 4);
    for (int v = 2; v <= 4; ++v)
        EXPECT_FALSE(teilweise.GleicheVarianten(1, v)) << v;
}

// The proposals go into new variants only: the existing building keeps
// every record and its demand, the house never passes its 30 variants, the
// answer is what the house gained, and the limit is told exactly when
// proposals were left out.
TEST_P(SucheSynthetisch, UebernahmeAnDerVariantengrenze)
{
    DOptionen o = Optionen(0, 0, 25);
    auto p = Lauf(haus, o, SanDatenbank("grenze.db", SynthetischeZeilen(0, 0, 0, 5, 0, 5, 0, 0, 0, 0)), GetParam());
    ASSERT_EQ(p->m_Ergebnisse.size(), 25u);
    std::size_t mitMassnahme = 0;
    for (std::size_t i = 0; i < p->m_Ergebnisse.size(); ++i)
        mitMassnahme += p->HatMassnahme(p->m_Ergebnisse[i].m_Kombination) ? 1 : 0;
    ASSERT_GE(mitMassnahme, 24u);

    struct Fall {
        int vorher;
        int gefragt;
    };
    for (const Fall f : {Fall{0, 5}, Fall{27, 5}, Fall{28, 5}, Fall{30, 3}, Fall{27, 25}}) {
        const std::string fall = std::to_string(f.vorher) + " Varianten, " + std::to_string(f.gefragt) + " Vorschläge";
        o.AnzahlVarianten = f.gefragt;
        Haus ziel(haus);
        for (int i = 0; i < f.vorher; ++i)
            ziel.NeueVariante(true, o);
        StillerNotifier still;
        const Haus bestand(ziel);
        const double bedarfVorher = Haus(bestand).BerechneBedarf(0, still);

        AntwortNotifier a;
        const int neu = p->UebernehmeBeste(ziel, a);
        int angeboten = 0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(f.gefragt); ++i)
            angeboten += p->HatMassnahme(p->m_Ergebnisse[i].m_Kombination) ? 1 : 0;
        const int erwartet = std::min(angeboten, 30 - f.vorher);
        EXPECT_EQ(neu, erwartet) << fall;
        EXPECT_EQ(ziel.Varianten, f.vorher + erwartet) << fall;
        EXPECT_LE(ziel.Varianten, 30) << fall;
        if (erwartet < angeboten) {
            ASSERT_EQ(a.nachrichten.size(), 1u) << fall;
            EXPECT_EQ(a.nachrichten[0], "Es können höchstens 30 Sanierungsvarianten angelegt werden; " +
                                            std::to_string(angeboten - erwartet) +
                                            " der Vorschläge wurden nicht übernommen.")
                << fall;
        } else {
            EXPECT_TRUE(a.nachrichten.empty()) << fall;
        }

        // The existing building as it was.
        EXPECT_TRUE(ziel.m_aHeizung[0].IstGleich(bestand.m_aHeizung[0])) << fall;
        EXPECT_EQ(ziel.m_aHeizung[0].Name, bestand.m_aHeizung[0].Name) << fall;
        auto gleicherBestand = [](const auto& a, const auto& b) {
            if (a.m_aSan.size() == 0 || b.m_aSan.size() == 0)
                return b.m_aSan.size() == 0;
            return a.m_aSan[0] == b.m_aSan[0];
        };
        for (std::size_t w = 0; w < ziel.m_aWand.size(); ++w)
            EXPECT_TRUE(gleicherBestand(ziel.m_aWand[w], bestand.m_aWand[w])) << fall << " Wand " << w;
        for (std::size_t w = 0; w < ziel.m_aFenster.size(); ++w)
            EXPECT_TRUE(gleicherBestand(ziel.m_aFenster[w], bestand.m_aFenster[w])) << fall << " Fenster " << w;
        EXPECT_EQ(Haus(ziel).BerechneBedarf(0, still), bedarfVorher) << fall;
    }
}

TEST_P(SucheSynthetisch, KesselZwillingUndBestwert)
{
    auto p = Optimierer(Optionen(0, 0));
    FuelleListe(p->m_Wand, {1000});
    p->m_Wand[0].m_Reduktion = 5;
    FuelleListe(p->m_Heizung, {3000});
    p->m_Heizung[0].LeistungBis = 0.001; // far below any load: refused
    p->Suche(n);
    // Four combinations, two distinct results: the refused boiler's twin is
    // stored once.
    EXPECT_EQ(p->m_nKombinationen, 4);
    ASSERT_EQ(p->m_Ergebnisse.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(p->m_Ergebnisse[i].m_bHeizkessel, 0);
        EXPECT_EQ(p->m_Ergebnisse[i].m_Kombination.m_anIndex[GruppeHeizung], 1);
    }
    EXPECT_EQ(p->m_nKesselBestanden, 0u);
    // Criterion 0 in German numbers.
    EXPECT_NE(p->m_BestwertText.find("Bester Wert: "), std::string::npos);
    EXPECT_NE(p->m_BestwertText.find(" EUR/a Gewinn pro 1000 EUR Investition"), std::string::npos);
    EXPECT_EQ(p->m_BestwertText.find('.'), std::string::npos) << p->m_BestwertText;
}

INSTANTIATE_TEST_SUITE_P(BeideModi, SucheSynthetisch,
                         testing::Values(ProgSan::Modus::Referenz, ProgSan::Modus::Schnell));

// ---- the figures of the decided semantics

// The house of the brute force: the reference house with a required wall
// renovation (an amount due anyway) and an old boiler that must be renewed.
void BruteForceHaus(Haus& h)
{
    ReferenzHausMitKessel(h);
    h.m_aWand[0].SanMussAussen = 1;
    h.m_aWand[0].SowiesoAussen = 1800;
    h.m_aHeizung[0].SanMuss = 1;
    h.m_aHeizung[0].Preis = 0;
}

struct BruteErgebnis {
    std::array<int, 7> ids; // row IDs, -1 no measure
    bool kessel = false;
    double kosten = 0, einsparung = 0, gewinn = 0, reduktion = 0;
};

// Every combination computed straight from the model: each row's figures on
// a house of its own, then sums, the boiler check and the whole combination
// on a house copy for a passing boiler.
std::vector<BruteErgebnis> BruteForce(const Haus& original, const DOptionen& o, const std::filesystem::path& datei)
{
    StillerNotifier n;
    Haus basis(original);
    const int v = basis.NeueVariante(false, o);
    const double B0 = basis.BerechneBedarf(0, n);
    basis.m_aHeizung[static_cast<std::size_t>(v)] = basis.Variantenheizung(o);
    const double B1 = basis.BerechneBedarf(v, n);
    Haus w(original);
    const double W0 = w.Waermebilanz(n);
    basis.BerechneKosten(v, o);
    const double KH = o.AlteHeizung; // the old boiler must be renewed and stays
    const double KB = basis.m_aBedarf[1].Gesamtkosten - KH;
    const double A = original.Energiebezugsflaeche;

    struct Zeile {
        int id;
        double kosten, einsparung, reduktion;
        std::function<void(Haus&, int)> setze;
    };
    std::array<std::vector<Zeile>, 6> gruppen;
    SqlDatabase db;
    db.Open(datei);
    auto bewerte = [&](int g, int id, std::function<void(Haus&, int)> setze) {
        Haus c(basis);
        setze(c, v);
        const double b1 = c.BerechneBedarf(v, n);
        c.BerechneKosten(v, o);
        const double G = c.m_aBedarf[1].Gesamtkosten;
        Haus t(c);
        t.WendeVarianteAn(v);
        const double wt = t.Waermebilanz(n);
        gruppen[static_cast<std::size_t>(g)].push_back({id, G - KB - KH, B1 - b1, W0 - wt, setze});
    };
    XDBWandSanSet wand(&db);
    for (wand.Open(); !wand.IsEOF(); wand.MoveNext()) {
        const SanZeileOpaque z = wand.Zeile();
        bewerte(GruppeWand, z.ID, [z](Haus& h, int m) { h.m_aWand[0].SetzeSanierung(m, z); });
    }
    XDBDeckeSanSet decke(&db);
    for (decke.Open(); !decke.IsEOF(); decke.MoveNext()) {
        const SanZeileOpaque z = decke.Zeile();
        bewerte(GruppeDecke, z.ID, [z](Haus& h, int m) { h.m_aDecke[0].SetzeSanierung(m, z); });
    }
    XDBBodenSanSet boden(&db);
    for (boden.Open(); !boden.IsEOF(); boden.MoveNext()) {
        const SanZeileOpaque z = boden.Zeile();
        bewerte(GruppeBoden, z.ID, [z](Haus& h, int m) { h.m_aBoden[0].SetzeSanierung(m, z); });
    }
    XDBFensterSanSet fenster(&db);
    for (fenster.Open(); !fenster.IsEOF(); fenster.MoveNext()) {
        const SanZeileFenster z = fenster.Zeile();
        bewerte(GruppeFenster, z.FensterID, [z](Haus& h, int m) { h.m_aFenster[0].SetzeSanierung(m, z); });
    }
    for (auto& g : gruppen) // the no-measure entry of every present group
        g.push_back({-1, 0, 0, 0, [](Haus&, int) {}});
    std::vector<SanZeileHeizkessel> kessel;
    XDBHeizungSanSet k(&db);
    for (k.Open(); !k.IsEOF(); k.MoveNext())
        kessel.push_back(k.Zeile());

    const double L0 = Kessellast(original, o);
    const double lastfaktor = L0 / B0;
    std::vector<BruteErgebnis> alle;
    std::vector<const Zeile*> wahl(6);
    auto leer = [&](int g) { return gruppen[static_cast<std::size_t>(g)].size() == 1; };
    auto rekursion = [&](auto&& selbst, int g) -> void {
        if (g == 6) {
            BruteErgebnis r;
            double kosten = KB + KH, einsp = B0 - B1, red = 0, kostenOhneH = KB;
            for (int i = 0; i < 6; ++i) {
                const Zeile* z = wahl[static_cast<std::size_t>(i)];
                r.ids[static_cast<std::size_t>(i)] = z ? z->id : -1;
                if (z != nullptr) {
                    kosten += z->kosten;
                    kostenOhneH += z->kosten;
                    einsp += z->einsparung;
                    red += z->reduktion;
                }
            }
            r.ids[6] = -1;
            r.kosten = kosten;
            r.einsparung = einsp;
            r.reduktion = red;
            r.gewinn = A * o.Brennstoffpreis(original.m_aHeizung[0].Brennstoff) * einsp / (kosten * 0.001);
            alle.push_back(r);
            for (const SanZeileHeizkessel& z : kessel) {
                // Candidates of this test's rows all pass the power and fuel
                // test; the combination check decides.
                const double L = lastfaktor * (B0 - einsp);
                const double E = o.Einschaltdauer * z.LeistungBis * 3.6;
                if (!(L < z.LeistungBis && L != z.LeistungAb && W0 - red < E))
                    continue;
                Haus c(basis);
                for (int i = 0; i < 6; ++i)
                    if (wahl[static_cast<std::size_t>(i)] != nullptr)
                        wahl[static_cast<std::size_t>(i)]->setze(c, v);
                DHeizung& h = c.m_aHeizung[1];
                h.SetzeSanierung(z);
                const double kesselKosten = o.HeizkesselTauschen + z.Preis;
                h.Preis = kesselKosten;
                BruteErgebnis b = r;
                b.ids[6] = z.HeizungID;
                b.kessel = true;
                b.einsparung = B0 - c.BerechneBedarf(v, n);
                b.kosten = kostenOhneH + kesselKosten;
                b.gewinn = A * o.Brennstoffpreis(z.Brennstoff) * b.einsparung / (b.kosten * 0.001);
                alle.push_back(b);
            }
            return;
        }
        if (g == GruppeFlachdach || g == GruppeSteildach || leer(g)) {
            wahl[static_cast<std::size_t>(g)] = nullptr;
            selbst(selbst, g + 1);
            return;
        }
        for (const Zeile& z : gruppen[static_cast<std::size_t>(g)]) {
            wahl[static_cast<std::size_t>(g)] = z.id < 0 ? nullptr : &z;
            selbst(selbst, g + 1);
        }
    };
    rekursion(rekursion, 0);
    return alle;
}

TEST(Zahlen, SucheGegenBruteForce)
{
    Haus haus;
    BruteForceHaus(haus);
    DOptionen o = Optionen(0, 0, 300);
    const double last = Kessellast(haus, o);
    const std::string zeilen = OpakZeile("SanWand", 1, "w8", 0, 0, 1, 0.035 / 0.08, 0.08, 38) +
                               OpakZeile("SanWand", 2, "w16", 0, 0, 1, 0.035 / 0.16, 0.16, 52) +
                               OpakZeile("SanDecke", 1, "d12", 1, 0, 1, 0.035 / 0.12, 0.12, 25) +
                               OpakZeile("SanBoden", 1, "b6", 1, 0, 0, 0.035 / 0.06, 0.06, 24) +
                               OpakZeile("SanBoden", 2, "b10", 1, 0, 0, 0.035 / 0.1, 0.1, 33) +
                               FensterZeile(1, "f2", 1.1, 0.6, 1.3, 1, 320) +
                               FensterZeile(2, "f3", 0.7, 0.5, 0.9, 1, 450) +
                               KesselZeile(1, "k1", last * 0.9, last * 1.6, BrennstoffGas, 5200) +
                               KesselZeile(2, "k2", last * 0.8, last * 2.0, BrennstoffGas, 4100, 0.09) +
                               KesselZeile(3, "klein", last * 0.2, last * 0.5, BrennstoffGas, 3000);
    const auto datei = SanDatenbank("brute.db", zeilen);
    const std::vector<BruteErgebnis> erwartet = BruteForce(haus, o, datei);
    ASSERT_GT(erwartet.size(), 100u);

    for (const int kriterium : {0, 1, 2}) {
        o.Index = kriterium;
        o.Grenze = kriterium == 1 ? 9000 : (kriterium == 2 ? 150 : 0);
        auto ref = Suchlauf(haus, o, datei, ProgSan::Modus::Referenz);
        auto schnell = Suchlauf(haus, o, datei, ProgSan::Modus::Schnell);
        ErwarteGleich(*ref, *schnell, "Kriterium " + std::to_string(kriterium));

        // The brute force's accepted, distinct results by value.
        std::map<std::array<int, 7>, BruteErgebnis> brute;
        for (const BruteErgebnis& b : erwartet) {
            const bool zulaessig = kriterium == 0   ? true
                                   : kriterium == 1 ? b.kosten < o.Grenze
                                                    : ref->m_Bedarf0 - b.einsparung < o.Grenze;
            if (zulaessig)
                brute.emplace(b.ids, b);
        }
        ASSERT_EQ(ref->m_Ergebnisse.size(), brute.size()) << "Kriterium " << kriterium;
        double vorher = 0;
        for (std::size_t i = 0; i < ref->m_Ergebnisse.size(); ++i) {
            const SanErgebnis& r = ref->m_Ergebnisse[i];
            std::array<int, 7> ids{};
            for (int g = 0; g < 7; ++g) {
                const int n = ref->Gruppengroessen()[static_cast<std::size_t>(g)];
                ids[static_cast<std::size_t>(g)] = n == 0 ? -1 : ZeilenId(*ref, g, r.m_Kombination.m_anIndex[static_cast<std::size_t>(g)]);
            }
            const auto it = brute.find(ids);
            ASSERT_NE(it, brute.end()) << "Kriterium " << kriterium << " Ergebnis " << i;
            const BruteErgebnis& b = it->second;
            EXPECT_EQ(r.m_bHeizkessel != 0, b.kessel);
            EXPECT_NEAR(r.m_Kosten, b.kosten, 1e-9 * std::abs(b.kosten));
            EXPECT_NEAR(r.m_Einsparung, b.einsparung, 1e-9 * std::max(1.0, std::abs(b.einsparung)));
            EXPECT_NEAR(r.m_Reduktion, b.reduktion, 1e-6);
            EXPECT_NEAR(r.m_Gewinn, b.gewinn, 1e-9 * std::max(1.0, std::abs(b.gewinn)));
            // Best first.
            const double wert = kriterium == 0 ? r.m_Gewinn : kriterium == 1 ? r.m_Einsparung : -r.m_Kosten;
            if (i > 0) {
                EXPECT_LE(wert, vorher);
            }
            vorher = wert;
        }
        EXPECT_GT(ref->m_nKesselBestanden, 0u) << kriterium;

        // Adoption: each variant's Gesamtkosten is its result's cost, a
        // variant without boiler keeps the heating of a new variant.
        Haus ziel(haus);
        AntwortNotifier a;
        o.AnzahlVarianten = 12;
        const int neu = ref->UebernehmeBeste(ziel, a);
        EXPECT_GT(neu, 0);
        int v = 0;
        for (std::size_t i = 0; i < 12 && i < ref->m_Ergebnisse.size(); ++i) {
            const SanErgebnis& r = ref->m_Ergebnisse[i];
            if (!ref->HatMassnahme(r.m_Kombination))
                continue;
            ++v;
            const DBedarf& bedarf = ziel.m_aBedarf[static_cast<std::size_t>(v)];
            EXPECT_NEAR(bedarf.Gesamtkosten, r.m_Kosten, 1e-9 * std::abs(r.m_Kosten)) << "Variante " << v;
            const DHeizung& h = ziel.m_aHeizung[static_cast<std::size_t>(v)];
            if (r.m_bHeizkessel == 0) {
                EXPECT_TRUE(h.IstGleich(ziel.Variantenheizung(o)));
            } else {
                EXPECT_EQ(h.Preis, ref->Eintrag(GruppeHeizung, r.m_Kombination.m_anIndex[GruppeHeizung]).m_Kosten);
            }
        }
        EXPECT_EQ(v, neu);
        o.AnzahlVarianten = 300;
    }
}

TEST(Zahlen, BasisformelnUndKesselpruefung)
{
    Haus haus;
    BruteForceHaus(haus);
    DOptionen o = Optionen(0, 0, 5);
    ProgSan p(haus, o);
    StillerNotifier n;
    p.BerechneBasis(n);
    // The baseline from the model: B0 of the existing state, B1′ and the
    // costs of the automatic variant without measures.
    Haus h(haus);
    const int v = h.NeueVariante(false, o);
    EXPECT_EQ(p.m_Bedarf0, h.BerechneBedarf(0, n));
    h.m_aHeizung[static_cast<std::size_t>(v)] = h.Variantenheizung(o);
    EXPECT_EQ(p.m_Bedarf1, h.BerechneBedarf(v, n));
    h.BerechneKosten(v, o);
    EXPECT_EQ(p.m_KostenBauteile, 1800);
    EXPECT_EQ(p.m_KostenHeizung, o.AlteHeizung);
    EXPECT_EQ(p.m_KostenBauteile + p.m_KostenHeizung, h.m_aBedarf[1].Gesamtkosten);

    // The boiler check: the remaining demand times the load factor below the
    // boiler's upper power, and W0 − Σ reduction below the energy the boiler
    // can deliver.
    p.m_Lastfaktor = 0.1;
    SanErgebnis r;
    r.m_Einsparung = p.m_Bedarf0 - 100; // 100 kWh/m²a remain: L = 10 kW
    r.m_Reduktion = p.m_Bilanz0 - 1000;  // 1000 MJ remain
    XDBHeizungSanKandidat k;
    k.LeistungAb = 5;
    k.LeistungBis = 10.5;
    o.Einschaltdauer = 100; // E = 100 · 10.5 · 3.6 = 3780 MJ
    EXPECT_TRUE(p.PasstHeizkessel(r, k));
    k.LeistungBis = 10; // L not below
    EXPECT_FALSE(p.PasstHeizkessel(r, k));
    k.LeistungBis = 10.5;
    k.LeistungAb = 10; // L equal to the lower power (kept as written)
    EXPECT_FALSE(p.PasstHeizkessel(r, k));
    k.LeistungAb = 5;
    o.Einschaltdauer = 26; // E = 982.8 MJ < 1000
    EXPECT_FALSE(p.PasstHeizkessel(r, k));
    o.Einschaltdauer = 100;
    const double bedarf0 = p.m_Bedarf0;
    p.m_Bedarf0 = 0; // no demand: every boiler refused
    EXPECT_FALSE(p.PasstHeizkessel(r, k));
    p.m_Bedarf0 = bedarf0;
    p.m_Lastfaktor = std::nan("");
    EXPECT_FALSE(p.PasstHeizkessel(r, k));
}

// ---- messages

TEST(Meldungen, VerweigerungUndFehler)
{
    Haus haus;
    ReferenzHausMitKessel(haus);
    DOptionen o = Optionen(0, 0);
    {
        Haus h(haus);
        h.Berechnungsverfahren = BerechnungWSVO95;
        ProgSan p(h, o);
        MerkFortschritt f;
        p.SetzeFortschritt(&f);
        AntwortNotifier a;
        EXPECT_EQ(p.Optimiere(a), 0);
        EXPECT_EQ(a.nachrichten, std::vector<std::string>{ProgSan::TextWSVO});
        EXPECT_EQ(f.begonnen, 0);
    }
    {
        Haus h(haus);
        h.Klimazone = KlimazoneKeine;
        ProgSan p(h, o);
        AntwortNotifier a;
        EXPECT_EQ(p.Optimiere(a), 0);
        ASSERT_EQ(a.nachrichten.size(), 1u);
        EXPECT_NE(a.nachrichten[0].find("KLIMA.RDT"), std::string::npos);
    }
    {
        ProgSan p(haus, o);
        p.SetzeDatenbankdatei(ProcessTempDir() / "fehlt" / "San2kvyke.db");
        MerkFortschritt f;
        p.SetzeFortschritt(&f);
        AntwortNotifier a;
        EXPECT_EQ(p.Optimiere(a), 0);
        ASSERT_EQ(a.nachrichten.size(), 2u);
        EXPECT_EQ(a.nachrichten[0].rfind("Database error: ", 0), 0u) << a.nachrichten[0];
        EXPECT_EQ(a.nachrichten[1], ProgSan::TextFehler);
        EXPECT_EQ(f.beendet, 1);
    }
    {
        // Criterion 2 below every reachable demand: no proposal.
        DOptionen o2 = Optionen(2, -1);
        ProgSan q(haus, o2);
        q.SetzeDatenbankdatei(SanDatenbank("meldung.db", OpakZeile("SanWand", 1, "w", 0, 0, 1, 0.35, 0.1, 40)));
        AntwortNotifier a;
        EXPECT_EQ(q.Optimiere(a), 0);
        EXPECT_EQ(a.nachrichten, std::vector<std::string>{ProgSan::TextKeineErgebnisse});
    }
    {
        // A text the model repeats during the run (the standard heat load
        // without a design temperature, once per boiler) is shown once
        // afterwards.
        Haus h(haus);
        h.Klimazone = 99;
        DOptionen o3 = Optionen(0, 0);
        ProgSan q(h, o3);
        q.SetzeModus(ProgSan::Modus::Referenz); // adopts every passing boiler combination on its copy
        q.SetzeDatenbankdatei(SanDatenbank("wiederholt.db", KesselZeile(1, "k", -1, 20, BrennstoffGas, 3000) +
                                                                KesselZeile(2, "k2", -1, 20, BrennstoffGas, 3500)));
        AntwortNotifier a;
        q.Optimiere(a);
        const auto anzahl = std::count_if(a.nachrichten.begin(), a.nachrichten.end(), [](const std::string& t) {
            return t.find("Normwärmebedarfs") != std::string::npos;
        });
        EXPECT_EQ(anzahl, 1);
    }
}

// ---- both modes bit for bit

struct Gleichheitsfall {
    const char* name;
    bool gross;
    int verfahren;
    bool einzelofen;
    bool kesselPassen;
};

TEST(Modi, BitgleichAufSechsFaellen)
{
    const Gleichheitsfall faelle[] = {
        {"15 EnEV zentral passend", false, 0, false, true},   {"15 SIA Einzelofen passend", false, 1, true, true},
        {"15 EnEV zentral zu klein", false, 0, false, false}, {"100 SIA zentral passend", true, 1, false, true},
        {"100 EnEV Einzelofen passend", true, 0, true, true}, {"100 SIA Einzelofen zu klein", true, 1, true, false},
    };
    const std::filesystem::path ausgeliefert = std::filesystem::path(ZEVA_BUILT_DB_DIR) / "San2kvyke.db";
    for (const Gleichheitsfall& f : faelle) {
        Haus h;
        if (f.gross)
            Haus100(h);
        else
            Haus15(h);
        h.Berechnungsverfahren = f.verfahren;
        h.m_aHeizung[0] = ReferenzKessel();
        h.m_aHeizung[0].Einzelheiz = f.einzelofen ? 1 : 0;
        h.m_aHeizung[0].EtaEinzel = 0.8;
        h.m_aWand[0].SanMussAussen = 1;
        h.m_aWand[0].SowiesoAussen = 2500;
        const double last = Kessellast(h, Optionen(0, 0));
        // Boilers sized around the load (passing) or all below it.
        const double bis = f.kesselPassen ? last * 1.5 : last * 0.3;
        const std::string zeilen = SynthetischeZeilen(2, 2, 2, 3, 2, 3, 3, BrennstoffGas, 0, bis);
        const auto synthetisch = SanDatenbank("gleich.db", zeilen);
        for (const int kriterium : {0, 1, 2}) {
            const double grenze = kriterium == 1 ? 100000 : (kriterium == 2 ? 120 : 0);
            DOptionen o = Optionen(kriterium, grenze, 5);
            const std::string fall = std::string(f.name) + " Kriterium " + std::to_string(kriterium);
            auto a = Lauf(h, o, synthetisch, ProgSan::Modus::Referenz);
            auto b = Lauf(h, o, synthetisch, ProgSan::Modus::Schnell);
            ErwarteGleich(*a, *b, fall + " synthetisch");
            if (f.kesselPassen) {
                EXPECT_GT(b->m_nKesselBestanden, 0u) << fall;
            } else {
                EXPECT_EQ(b->m_nKesselBestanden, 0u) << fall;
            }
            // The adopted variants.
            Haus ha(h), hb(h);
            AntwortNotifier n;
            EXPECT_EQ(a->UebernehmeBeste(ha, n), b->UebernehmeBeste(hb, n));
            ASSERT_EQ(ha.Varianten, hb.Varianten);
            for (int v = 1; v <= ha.Varianten; ++v) {
                const auto iv = static_cast<std::size_t>(v);
                EXPECT_EQ(ha.m_aBedarf[iv].Brennstoffenergiebedarf, hb.m_aBedarf[iv].Brennstoffenergiebedarf);
                EXPECT_EQ(ha.m_aBedarf[iv].Gesamtkosten, hb.m_aBedarf[iv].Gesamtkosten);
                EXPECT_TRUE(ha.m_aHeizung[iv].IstGleich(hb.m_aHeizung[iv]));
            }
            // The shipped data base, over the same first combinations.
            if (kriterium != 1 || f.gross)
                continue;
            auto c = Lauf(h, o, ausgeliefert, ProgSan::Modus::Referenz, 300);
            auto d = Lauf(h, o, ausgeliefert, ProgSan::Modus::Schnell, 300);
            ErwarteGleich(*c, *d, fall + " ausgeliefert");
        }
    }
}

// On the shipped data base the list the run leaves holds each proposal's
// exact figures: adopted, every variant shows the saving, cost and gain of
// its list entry, the variants come in the order of those figures, and the
// best value shown is the first variant's.
TEST(Zahlen, VorschlaegeNachIhrenGenauenZahlen)
{
    const std::filesystem::path ausgeliefert = std::filesystem::path(ZEVA_BUILT_DB_DIR) / "San2kvyke.db";
    Haus h;
    Haus15(h);
    h.Berechnungsverfahren = BerechnungEnEV;
    h.m_aHeizung[0] = ReferenzKessel();
    for (const int kriterium : {0, 1}) {
        SCOPED_TRACE("Kriterium " + std::to_string(kriterium));
        DOptionen o = Optionen(kriterium, kriterium == 1 ? 100000 : 0, 10);
        auto p = Lauf(h, o, ausgeliefert, ProgSan::Modus::Schnell, 3000);
        ASSERT_GE(p->m_Ergebnisse.size(), 10u);
        Haus ziel(h);
        AntwortNotifier n;
        const int neu = p->UebernehmeBeste(ziel, n);
        ASSERT_GT(neu, 1);
        StillerNotifier still;
        const double b0 = Haus(h).BerechneBedarf(0, still);
        int v = 0;
        double vorher = 0;
        for (std::size_t i = 0; i < 10; ++i) {
            const SanErgebnis& r = p->m_Ergebnisse[i];
            if (!p->HatMassnahme(r.m_Kombination))
                continue;
            const auto iv = static_cast<std::size_t>(++v);
            const DBedarf& b = ziel.m_aBedarf[iv];
            const double einsparung = b0 - b.Brennstoffenergiebedarf;
            const double gewinn = h.Energiebezugsflaeche * o.Brennstoffpreis(ziel.m_aHeizung[iv].Brennstoff) *
                                  einsparung / (b.Gesamtkosten * 0.001);
            EXPECT_NEAR(r.m_Einsparung, einsparung, 1e-9 * std::max(1.0, std::abs(einsparung))) << "Variante " << v;
            EXPECT_NEAR(r.m_Kosten, b.Gesamtkosten, 1e-9 * std::abs(b.Gesamtkosten)) << "Variante " << v;
            EXPECT_NEAR(r.m_Gewinn, gewinn, 1e-9 * std::max(1.0, std::abs(gewinn))) << "Variante " << v;
            const double wert = kriterium == 0 ? gewinn : einsparung;
            if (v > 1) {
                EXPECT_LE(wert, vorher) << "Variante " << v;
            }
            vorher = wert;
        }
        const double erster = kriterium == 0 ? p->m_Ergebnisse[0].m_Gewinn : p->m_Ergebnisse[0].m_Einsparung;
        EXPECT_NE(p->m_BestwertText.find(": " + Zahltext(erster, 2) + " "), std::string::npos) << p->m_BestwertText;
    }
}

// ---- the time budget and Cancel

class Takt : public testing::TestWithParam<ProgSan::Modus> {};

TEST_P(Takt, AbfragenAlle40msUndAbbruch)
{
    Haus h;
    Haus15(h);
    h.m_aHeizung[0] = ReferenzKessel();
    const double last = Kessellast(h, Optionen(0, 0));
    const auto datei =
        SanDatenbank("takt.db", SynthetischeZeilen(2, 3, 2, 6, 3, 4, 4, BrennstoffGas, 0, last * 1.5));
    DOptionen o = Optionen(0, 0);
    for (const bool abbrechen : {false, true}) {
        ProgSan p(h, o);
        p.SetzeModus(GetParam());
        p.SetzeDatenbankdatei(datei);
        // A clock that moves 7 ms at every reading, and what the run had done
        // at each reading and each ask.
        std::int64_t jetzt = 0;
        std::vector<std::uint64_t> gelesenBei;
        std::vector<std::int64_t> frageZeit;
        std::vector<std::uint64_t> frageBei;
        p.SetzeUhr([&] {
            jetzt += 7000;
            gelesenBei.push_back(p.m_nUntersucht);
            return jetzt;
        });
        MerkFortschritt f;
        f.beiFrage = [&] {
            frageZeit.push_back(jetzt);
            frageBei.push_back(p.m_nUntersucht);
        };
        f.abbrechenBei = abbrechen ? 6 : 0;
        p.SetzeFortschritt(&f);
        AntwortNotifier a;
        const int antwort = p.Optimiere(a);
        ASSERT_GE(frageZeit.size(), 3u);
        for (std::size_t i = 1; i < frageZeit.size(); ++i) {
            EXPECT_GE(frageZeit[i] - frageZeit[i - 1], 40000);
            EXPECT_LE(frageZeit[i] - frageZeit[i - 1], 40000 + 7000);
        }
        // The clock is read at least every 1024 combinations (every one in
        // the reference mode).
        const std::uint64_t takt = GetParam() == ProgSan::Modus::Referenz ? 1 : ProgSan::UhrTakt;
        for (std::size_t i = 1; i < gelesenBei.size(); ++i)
            EXPECT_LE(gelesenBei[i] - gelesenBei[i - 1], takt);
        if (abbrechen) {
            EXPECT_EQ(p.m_nUntersucht, frageBei.back()) << "no combination after Cancel";
            EXPECT_LT(p.m_nUntersucht, static_cast<std::uint64_t>(p.m_nKombinationen));
            EXPECT_EQ(antwort, p.m_Ergebnisse.empty() ? 0 : 1);
            EXPECT_EQ(f.fragen, 6);
        } else {
            EXPECT_EQ(p.m_nUntersucht, static_cast<std::uint64_t>(p.m_nKombinationen));
            EXPECT_EQ(antwort, 1);
            // Status and progress during the search.
            EXPECT_FALSE(f.positionen.empty());
            EXPECT_EQ(f.phasen, (std::vector<std::string>{"Öffne Datenbank...", "Suche Sanierungsmaßnahmen..."}));
            EXPECT_FALSE(f.bestwerte.empty());
        }
    }
}

TEST_P(Takt, AbbruchWaehrendDerWandabfrage)
{
    Haus h;
    Haus15(h);
    h.m_aHeizung[0] = ReferenzKessel();
    const auto datei = SanDatenbank("wandabbruch.db", SynthetischeZeilen(2, 2, 2, 30, 3, 4, 4, BrennstoffGas, 0, 100));
    DOptionen o = Optionen(0, 0);
    ProgSan p(h, o);
    p.SetzeModus(GetParam());
    p.SetzeDatenbankdatei(datei);
    std::int64_t jetzt = 0;
    p.SetzeUhr([&] { return jetzt += 25000; });
    MerkFortschritt f;
    f.beiFrage = [&] {
        if (!f.status.empty() && f.status.back() == "Wand" && p.m_Wand.size() >= 3)
            f.abgebrochen = true;
    };
    p.SetzeFortschritt(&f);
    AntwortNotifier a;
    p.Optimiere(a);
    // The walls read so far and the no-measure entry; the later groups only
    // their no-measure entries; one combination after Cancel.
    EXPECT_GE(p.m_Wand.size(), 4u);
    EXPECT_LT(p.m_Wand.size(), 31u);
    EXPECT_EQ(p.m_Wand[p.m_Wand.size() - 1].m_bKeineMassnahme, 1);
    EXPECT_EQ(p.m_Boden.size(), 1u);
    EXPECT_EQ(p.m_Fenster.size(), 1u);
    EXPECT_EQ(p.m_Heizung.size(), 1u);
    EXPECT_EQ(p.m_nUntersucht, 1u);
}

TEST_P(Takt, ZaehlerMit64Bit)
{
    Haus h;
    ReferenzHausMitKessel(h);
    DOptionen o = Optionen(0, 0);
    ProgSan p(h, o);
    p.SetzeModus(GetParam());
    StillerNotifier n;
    p.BerechneBasis(n);
    const std::vector<double> dreissig(29, 1.0);
    FuelleListe(p.m_Flachdach, dreissig);
    FuelleListe(p.m_Steildach, dreissig);
    FuelleListe(p.m_Decke, dreissig);
    FuelleListe(p.m_Wand, dreissig);
    FuelleListe(p.m_Boden, dreissig);
    FuelleListe(p.m_Fenster, dreissig);
    FuelleListe(p.m_Heizung, std::vector<double>(9, 1.0));
    p.m_Bedarf0 = 0;
    std::int64_t jetzt = 0;
    p.SetzeUhr([&] { return jetzt += 1000; });
    MerkFortschritt f;
    f.abbrechenBei = 2;
    p.SetzeFortschritt(&f);
    p.Suche(n);
    EXPECT_EQ(p.m_nKombinationen, 7290000000LL);
    ASSERT_FALSE(f.status.empty());
    EXPECT_NE(f.status.back().find(" von 7290000000..."), std::string::npos) << f.status.back();
    EXPECT_EQ(f.status.back().rfind("Analysiere Variante ", 0), 0u);
    // The last multiple of 10 reached.
    const long long c = std::stoll(f.status.back().substr(20));
    EXPECT_EQ(c % 10, 0);
    EXPECT_LE(static_cast<std::uint64_t>(c), p.m_nUntersucht);
    EXPECT_GT(static_cast<std::uint64_t>(c) + 10, p.m_nUntersucht);
}

INSTANTIATE_TEST_SUITE_P(BeideModi, Takt, testing::Values(ProgSan::Modus::Referenz, ProgSan::Modus::Schnell));

} // namespace
} // namespace zeva::test
