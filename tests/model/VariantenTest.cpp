// The variant slots of a house: adding, applying, deleting, asking before the
// existing building changes, costs, CO2 and cumulative energy, taking a
// variant over from another house, and the existing state staying untouched
// whatever is computed in whatever order.
#include "VariantenTestHaus.h"
#include "model/Dokumentgrenzen.h"
#include "support/Rechenzeit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zeva {
namespace {

using test::AlleErgebnisse;
using test::AntwortNotifier;
using test::FensterMassnahme;
using test::MerkAnzeige;
using test::Opak;
using test::OpakeMassnahme;
using test::ReferenzHausMitKessel;
using test::ReferenzKessel;

// One component of every group.
void HausMitAllenGruppen(Haus& h)
{
    ReferenzHausMitKessel(h);
    h.m_aFlachdach.Add(Opak<DFlachdach>(20, 0.9));
    h.m_aSteildach.Add(Opak<DSteildach>(30, 1.1));
    h.m_aFenster[0].Rahmenanteil = 0.35;
    // Every component holds the empty slot of the existing state.
    auto slotNull = [](auto& gruppe) {
        for (auto& b : gruppe)
            b.m_aSan.SetSize(1);
    };
    slotNull(h.m_aFlachdach);
    slotNull(h.m_aSteildach);
    slotNull(h.m_aDecke);
    slotNull(h.m_aWand);
    slotNull(h.m_aBoden);
    slotNull(h.m_aFenster);
}

// The names of the measures of every component in slot order.
std::vector<std::vector<std::string>> MassnahmenNamen(const Haus& h)
{
    std::vector<std::vector<std::string>> namen;
    auto sammle = [&](const auto& gruppe) {
        for (const auto& b : gruppe) {
            std::vector<std::string> n;
            for (const auto& m : b.m_aSan)
                n.push_back(m.Name);
            namen.push_back(n);
        }
    };
    sammle(h.m_aFlachdach);
    sammle(h.m_aSteildach);
    sammle(h.m_aDecke);
    sammle(h.m_aWand);
    sammle(h.m_aBoden);
    sammle(h.m_aFenster);
    return namen;
}

// Gives every component in slot v a measure named after the group and v.
void BenenneMassnahmen(Haus& h, int v)
{
    const auto s = static_cast<std::size_t>(v);
    const std::string n = std::to_string(v);
    for (auto& b : h.m_aFlachdach)
        b.m_aSan[s] = OpakeMassnahme<DSFlachdach>("F" + n, 0.2, DSBauteilOpaque::Aussen);
    for (auto& b : h.m_aSteildach)
        b.m_aSan[s] = OpakeMassnahme<DSSteildach>("S" + n, 0.2, DSBauteilOpaque::Innen);
    for (auto& b : h.m_aDecke)
        b.m_aSan[s] = OpakeMassnahme<DSDecke>("D" + n, 0.25, DSBauteilOpaque::Aussen);
    for (auto& b : h.m_aWand)
        b.m_aSan[s] = OpakeMassnahme<DSWand>("W" + n, 0.3, DSBauteilOpaque::Aussen);
    for (auto& b : h.m_aBoden)
        b.m_aSan[s] = OpakeMassnahme<DSBoden>("B" + n, 0.35, DSBauteilOpaque::Innen);
    for (auto& b : h.m_aFenster)
        b.m_aSan[s] = FensterMassnahme("G" + n, 0.7 + 0.1 * v, 0.5, 1.0, 0.25);
}

// ---------------------------------------------------------------- new

TEST(NeueVariante, ManuellOhneVorgabenDerOptionen)
{
    Haus h;
    HausMitAllenGruppen(h);
    h.m_aHeizung[0].Brennstoff = BrennstoffStrom;
    const DOptionen optionen;
    EXPECT_EQ(h.NeueVariante(true, optionen), 1);
    EXPECT_EQ(h.Varianten, 1);
    ASSERT_EQ(h.m_aHeizung.size(), 2u);
    ASSERT_EQ(h.m_aBedarf.size(), 2u);
    EXPECT_TRUE(h.m_aHeizung[1].IstGleich(h.m_aHeizung[0]));
    EXPECT_EQ(h.m_aHeizung[1].Brennstoff, BrennstoffStrom);
    EXPECT_EQ(h.m_aBedarf[1].Zielfunktion, -1);
    EXPECT_EQ(h.m_aBedarf[1].Grenze, 0);
    for (const auto& namen : MassnahmenNamen(h))
        EXPECT_EQ(namen.size(), 2u);
    EXPECT_TRUE(h.m_aWand[0].m_aSan[1].IstLeer());
    EXPECT_TRUE(h.m_aFenster[0].m_aSan[1].IstLeer());
    // A new window measure keeps the window's frame share.
    EXPECT_EQ(h.m_aFenster[0].m_aSan[1].Rahmenanteil, 0.35);

    EXPECT_EQ(h.NeueVariante(true, optionen), 2);
    EXPECT_EQ(h.m_aHeizung.size(), 3u);
    EXPECT_EQ(h.m_aWand[0].m_aSan.size(), 3u);
}

TEST(NeueVariante, HeizungNachDenOptionen)
{
    struct Fall {
        const char* was;
        int brennstoffBeibehalten, einschaltdauerBeibehalten, verteilungBeibehalten;
        int brennstoff;
        double bereitschaftszeit;
        const char* verteilung;
        double etaV;
    };
    const Fall faelle[] = {
        {"alles beibehalten", 1, 1, 1, BrennstoffGas, 8760, "Radiatoren", 0.9},
        {"Öl statt Gas", 0, 1, 1, BrennstoffOel, 8760, "Radiatoren", 0.9},
        {"Einschaltdauer", 1, 0, 1, BrennstoffGas, 5000, "Radiatoren", 0.9},
        {"Verteilung", 1, 1, 0, BrennstoffGas, 8760, "Fußboden", 0.97},
        {"alles neu", 0, 0, 0, BrennstoffOel, 5000, "Fußboden", 0.97},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Haus h;
        ReferenzHausMitKessel(h);
        h.m_aHeizung[0].Heizungsverteilung = "Radiatoren";
        DOptionen o;
        o.BrennstoffBeibehalten = f.brennstoffBeibehalten;
        o.Brennstoff = BrennstoffOel;
        o.EinschaltdauerBeibehalten = f.einschaltdauerBeibehalten;
        o.Einschaltdauer = 5000;
        o.WaermeverteilungBeibehalten = f.verteilungBeibehalten;
        o.HeizungsverteilungsArt = "Fußboden";
        o.Verteilungsnutzungsgrad = 0.97;
        h.NeueVariante(true, o);
        const DHeizung& v = h.m_aHeizung[1];
        EXPECT_EQ(v.Brennstoff, f.brennstoff);
        EXPECT_EQ(v.Bereitschaftszeit, f.bereitschaftszeit);
        EXPECT_EQ(v.Heizungsverteilung, f.verteilung);
        EXPECT_EQ(v.Verteilungsnutzungsgrad, f.etaV);
        EXPECT_EQ(v.Nennwaermeleistung, 20);
        // The existing heating keeps what it had.
        EXPECT_EQ(h.m_aHeizung[0].Brennstoff, BrennstoffGas);
        EXPECT_EQ(h.m_aHeizung[0].Heizungsverteilung, "Radiatoren");
    }
}

TEST(NeueVariante, AutomatischMitKriteriumDerOptionen)
{
    Haus h;
    ReferenzHausMitKessel(h);
    DOptionen o;
    o.Index = 2;
    o.SetGrenze(70);
    EXPECT_EQ(h.NeueVariante(false, o), 1);
    EXPECT_EQ(h.m_aBedarf[1].Zielfunktion, 2);
    EXPECT_EQ(h.m_aBedarf[1].Grenze, 70);
}

// A damaged document may hold more records than variants: the new variant
// gets fresh ones, not the leftovers.
TEST(NeueVariante, UeberzaehligeDatensaetzeWerdenErsetzt)
{
    Haus h;
    ReferenzHausMitKessel(h);
    h.m_aHeizung.SetSize(3);
    h.m_aHeizung[1].Name = "Altlast";
    h.m_aBedarf.SetSize(3);
    h.m_aBedarf[1].Gesamtkosten = 99;
    h.m_aWand[0].m_aSan.SetSize(3);
    h.m_aWand[0].m_aSan[1].Name = "Altlast";
    EXPECT_EQ(h.NeueVariante(true, DOptionen()), 1);
    EXPECT_EQ(h.m_aHeizung.size(), 2u);
    EXPECT_EQ(h.m_aHeizung[1].Name, "Kessel");
    EXPECT_EQ(h.m_aBedarf.size(), 2u);
    EXPECT_EQ(h.m_aBedarf[1].Gesamtkosten, 0);
    EXPECT_EQ(h.m_aWand[0].m_aSan.size(), 2u);
    EXPECT_TRUE(h.m_aWand[0].m_aSan[1].IstLeer());
    // A component with too few slots gets them.
    EXPECT_EQ(h.m_aDecke[0].m_aSan.size(), 2u);
}

// The count stops at the largest the program addresses, and a count that
// only a damaged document holds neither overflows nor takes forever.
TEST(NeueVariante, HoechstensMaxVarianten)
{
    Haus h;
    ReferenzHausMitKessel(h);
    const DOptionen o;
    for (int k = 1; k <= grenzen::MaxVarianten; ++k)
        ASSERT_EQ(h.NeueVariante(true, o), k);
    EXPECT_EQ(h.NeueVariante(true, o), 0);
    EXPECT_EQ(h.Varianten, grenzen::MaxVarianten);
    EXPECT_EQ(h.m_aHeizung.size(), static_cast<std::size_t>(grenzen::MaxVarianten) + 1);
    EXPECT_EQ(h.m_aWand[0].m_aSan.size(), static_cast<std::size_t>(grenzen::MaxVarianten) + 1);

    Haus kaputt;
    ReferenzHausMitKessel(kaputt);
    kaputt.Varianten = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(kaputt.NeueVariante(true, o), 0);
    EXPECT_EQ(kaputt.m_aHeizung.size(), 1u);
}

TEST(LoescheAlleVarianten, RiesigeZahlEinesBeschaedigtenDokuments)
{
    Haus h;
    ReferenzHausMitKessel(h);
    h.NeueVariante(true, DOptionen());
    h.NeueVariante(true, DOptionen());
    h.m_aWand[0].m_aSan[2].Name = "Dämmung";
    h.Varianten = std::numeric_limits<std::int32_t>::max();
    const auto beginn = test::Rechenzeit();
    h.LoescheAlleVarianten();
    EXPECT_LT(test::Rechenzeit() - beginn, std::chrono::seconds(1));
    EXPECT_EQ(h.Varianten, 0);
    EXPECT_EQ(h.m_aHeizung.size(), 1u);
    EXPECT_EQ(h.m_aBedarf.size(), 1u);
    EXPECT_EQ(h.m_aWand[0].m_aSan.size(), 1u);

    // Records beyond the variants stay, as deleting variant 1 one by one
    // would leave them.
    Haus ueber;
    ReferenzHausMitKessel(ueber);
    ueber.NeueVariante(true, DOptionen());
    ueber.m_aHeizung.SetSize(4);
    ueber.m_aHeizung[3].Name = "Altlast";
    ueber.LoescheAlleVarianten();
    ASSERT_EQ(ueber.m_aHeizung.size(), 3u);
    EXPECT_EQ(ueber.m_aHeizung[2].Name, "Altlast");
}

// ---------------------------------------------------------------- apply

// U of a component of the given group with U 1.2 after a measure of U 0.6.
TEST(WendeVarianteAn, UWertJeVerwendungUndGruppe)
{
    enum Gruppe { Wand, Boden, Decke, Flachdach, Steildach };
    struct Fall {
        const char* was;
        Gruppe gruppe;
        int verwendung;
        double dicke;
        double u;        // the component's
        double massnahme; // the measure's kWert
        double erwartet;
    };
    const Fall faelle[] = {
        {"Innendämmung", Wand, DSBauteilOpaque::Innen, 0.1, 1.0, 0.5, 1.0 / 3},
        {"Außendämmung", Boden, DSBauteilOpaque::Aussen, 0.1, 1.0, 0.5, 1.0 / 3},
        {"ohne Verwendung", Decke, DSBauteilOpaque::Keine, 0.1, 1.0, 0.5, 1.0 / 3},
        // Cavity fill of 0.06 m: the wall's air layer counts 0.178, the
        // roof's and ceiling's 0.16, the floor's 0.21.
        {"Kerndämmung Wand", Wand, DSBauteilOpaque::Zwischen, 0.06, 1.2, 0.6, 1 / (1 / 1.2 - 0.178 + 1 / 0.6)},
        {"Kerndämmung Decke", Decke, DSBauteilOpaque::Zwischen, 0.06, 1.2, 0.6, 1 / (1 / 1.2 - 0.16 + 1 / 0.6)},
        {"Kerndämmung Flachdach", Flachdach, DSBauteilOpaque::Zwischen, 0.06, 1.2, 0.6,
         1 / (1 / 1.2 - 0.16 + 1 / 0.6)},
        {"Kerndämmung Steildach", Steildach, DSBauteilOpaque::Zwischen, 0.06, 1.2, 0.6,
         1 / (1 / 1.2 - 0.16 + 1 / 0.6)},
        {"Kerndämmung Boden", Boden, DSBauteilOpaque::Zwischen, 0.06, 1.2, 0.6, 1 / (1 / 1.2 - 0.21 + 1 / 0.6)},
        // A fill with no thickness, a measure without U, a component without U.
        {"Kerndämmung ohne Dicke", Wand, DSBauteilOpaque::Zwischen, 0, 1.2, 0.6, 1.2},
        {"Maßnahme ohne U", Wand, DSBauteilOpaque::Aussen, 0.1, 1.2, 0, 1.2},
        {"Bauteil ohne U", Wand, DSBauteilOpaque::Aussen, 0.1, 0, 0.5, 0},
        // A component poorer than the air layer it has: the formula would
        // give a negative resistance; U stays.
        {"Kerndämmung nicht berechenbar", Wand, DSBauteilOpaque::Zwischen, 0.06, 8, 100, 8},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Haus h;
        test::LeeresHaus(h, 100, 300);
        h.m_aWand.Add(Opak<DWand>(10, 1));
        h.m_aBoden.Add(Opak<DBoden>(10, 1));
        h.m_aDecke.Add(Opak<DDecke>(10, 1));
        h.m_aFlachdach.Add(Opak<DFlachdach>(10, 1));
        h.m_aSteildach.Add(Opak<DSteildach>(10, 1));
        h.NeueVariante(true, DOptionen());
        auto setze = [&](auto& gruppe) {
            using S = typename std::decay_t<decltype(gruppe[0])>::Massnahme;
            gruppe[0].kWert = f.u;
            gruppe[0].m_aSan[1] = OpakeMassnahme<S>("M", f.massnahme, f.verwendung, f.dicke);
            return &gruppe[0].kWert;
        };
        double* u = nullptr;
        switch (f.gruppe) {
        case Wand: u = setze(h.m_aWand); break;
        case Boden: u = setze(h.m_aBoden); break;
        case Decke: u = setze(h.m_aDecke); break;
        case Flachdach: u = setze(h.m_aFlachdach); break;
        case Steildach: u = setze(h.m_aSteildach); break;
        }
        h.WendeVarianteAn(1);
        EXPECT_NEAR(*u, f.erwartet, 1e-12);
        // The other groups had no measure.
        int unveraendert = 0;
        for (const double k : {h.m_aWand[0].kWert, h.m_aBoden[0].kWert, h.m_aDecke[0].kWert,
                               h.m_aFlachdach[0].kWert, h.m_aSteildach[0].kWert})
            unveraendert += k == 1 ? 1 : 0;
        EXPECT_EQ(unveraendert, 4);
    }
}

TEST(WendeVarianteAn, KerndaemmungDerHauswand)
{
    Haus h;
    test::LeeresHaus(h, 100, 300);
    h.m_aWand.Add(Opak<DWand>(10, 1.2));
    h.NeueVariante(true, DOptionen());
    h.m_aWand[0].m_aSan[1] = OpakeMassnahme<DSWand>("Einblasdämmung", 0.6, DSBauteilOpaque::Zwischen, 0.06);
    h.WendeVarianteAn(1);
    EXPECT_NEAR(h.m_aWand[0].kWert, 0.4307, 5e-5);
}

TEST(WendeVarianteAn, FensterHeizungUndKriterium)
{
    Haus h;
    HausMitAllenGruppen(h);
    h.m_aFenster.Add(test::Fenster(4, 0, 0, 2.8, 2.5, 0.3, 0.75));
    DOptionen o;
    o.Index = 1;
    o.SetGrenze(25000);
    h.NeueVariante(false, o);
    h.m_aFenster[0].m_aSan[1] = FensterMassnahme("Wärmeschutzglas", 0.7, 0.5, 1.3, 0.25);
    DHeizung neu = ReferenzKessel();
    neu.Name = "Brennwertkessel";
    neu.Brennstoff = BrennstoffOel;
    h.m_aHeizung[1] = neu;

    h.WendeVarianteAn(1);
    const DFenster& f = h.m_aFenster[0];
    EXPECT_EQ(f.kWertGlas, 0.7);
    EXPECT_EQ(f.gWert, 0.5);
    EXPECT_EQ(f.kWertRahmen, 1.3);
    EXPECT_EQ(f.Rahmenanteil, 0.25);
    // The window without a measure keeps its values.
    EXPECT_EQ(h.m_aFenster[1].kWertGlas, 2.8);
    EXPECT_EQ(h.m_aFenster[1].Rahmenanteil, 0.3);
    EXPECT_TRUE(h.m_aHeizung[0].IstGleich(neu));
    EXPECT_EQ(h.m_aBedarf[0].Zielfunktion, 1);
    EXPECT_EQ(h.m_aBedarf[0].Grenze, 25000);
}

TEST(WendeVarianteAn, UnbekannteVarianteAendertNichts)
{
    Haus h;
    HausMitAllenGruppen(h);
    h.NeueVariante(true, DOptionen());
    BenenneMassnahmen(h, 1);
    // Slot 0 never holds a measure, but a damaged document might.
    h.m_aWand[0].m_aSan[0] = OpakeMassnahme<DSWand>("Falsch", 0.1, DSBauteilOpaque::Aussen);
    const Haus vorher(h);
    for (const int n : {-1, 0, 2, 7}) {
        h.WendeVarianteAn(n);
        EXPECT_EQ(h.m_aWand[0].kWert, vorher.m_aWand[0].kWert) << n;
        EXPECT_EQ(h.m_aFenster[0].kWertGlas, vorher.m_aFenster[0].kWertGlas) << n;
        EXPECT_TRUE(h.m_aHeizung[0].IstGleich(vorher.m_aHeizung[0])) << n;
    }
    // A component that lacks the variant's slot has no measure in it.
    h.m_aDecke[0].m_aSan.SetSize(1);
    h.WendeVarianteAn(1);
    EXPECT_EQ(h.m_aDecke[0].kWert, 0.8);
    EXPECT_NEAR(h.m_aWand[0].kWert, 1 / (1 / 0.3 + 1.0), 1e-12);
}

// ---------------------------------------------------------------- delete

TEST(LoescheVariante, HoehereVariantenRueckenNach)
{
    Haus h;
    HausMitAllenGruppen(h);
    for (int v = 1; v <= 3; ++v) {
        h.NeueVariante(true, DOptionen());
        h.m_aHeizung[static_cast<std::size_t>(v)].Name = "H" + std::to_string(v);
        h.m_aBedarf[static_cast<std::size_t>(v)].Gesamtkosten = v;
        BenenneMassnahmen(h, v);
    }
    h.LoescheVariante(2);
    EXPECT_EQ(h.Varianten, 2);
    ASSERT_EQ(h.m_aHeizung.size(), 3u);
    EXPECT_EQ(h.m_aHeizung[0].Name, "Kessel");
    EXPECT_EQ(h.m_aHeizung[1].Name, "H1");
    EXPECT_EQ(h.m_aHeizung[2].Name, "H3");
    ASSERT_EQ(h.m_aBedarf.size(), 3u);
    EXPECT_EQ(h.m_aBedarf[1].Gesamtkosten, 1);
    EXPECT_EQ(h.m_aBedarf[2].Gesamtkosten, 3);
    const auto namen = MassnahmenNamen(h);
    const std::vector<std::string> gruppen = {"F", "S", "D", "W", "B", "G"};
    ASSERT_EQ(namen.size(), gruppen.size());
    for (std::size_t g = 0; g < namen.size(); ++g)
        EXPECT_EQ(namen[g], (std::vector<std::string>{"", gruppen[g] + "1", gruppen[g] + "3"})) << gruppen[g];

    // Numbers that name no variant change nothing.
    for (const int n : {0, -1, 3})
        h.LoescheVariante(n);
    EXPECT_EQ(h.Varianten, 2);
    EXPECT_EQ(MassnahmenNamen(h), namen);

    h.LoescheAlleVarianten();
    EXPECT_EQ(h.Varianten, 0);
    EXPECT_EQ(h.m_aHeizung.size(), 1u);
    EXPECT_EQ(h.m_aBedarf.size(), 1u);
    for (const auto& n : MassnahmenNamen(h))
        EXPECT_EQ(n, std::vector<std::string>{""});
}

// ---------------------------------------------------------------- asking

const char* const LoeschFrage =
    "Für Änderungen am bestehenden Gebäude müssen alle\nSanierungsvarianten gelöscht werden. Jetzt löschen?";

TEST(BestandAendernErlaubt, FrageUndAntworten)
{
    struct Fall {
        const char* was;
        int varianten;
        bool fragen;
        bool antwort;
        bool erlaubt;
        std::size_t fragenGestellt;
        int variantenDanach;
        std::vector<std::string> aufrufe;
    };
    const Fall faelle[] = {
        {"Nein behält alles", 2, true, false, false, 1, 2, {"Bedarf"}},
        {"Ja löscht alle", 2, true, true, true, 1, 0, {"Bedarf", "Dialoge"}},
        {"ohne Varianten keine Frage", 0, true, false, true, 0, 0, {"Bedarf"}},
        {"ohne Frage gelöscht", 3, false, false, true, 0, 0, {"Bedarf", "Dialoge"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Haus h;
        HausMitAllenGruppen(h);
        for (int v = 0; v < f.varianten; ++v)
            h.NeueVariante(true, DOptionen());
        AntwortNotifier n(f.antwort);
        MerkAnzeige anzeige;
        EXPECT_EQ(h.BestandAendernErlaubt(f.fragen, n, &anzeige), f.erlaubt);
        ASSERT_EQ(n.fragen.size(), f.fragenGestellt);
        if (f.fragenGestellt > 0) {
            EXPECT_EQ(n.fragen[0], LoeschFrage);
        }
        EXPECT_EQ(h.Varianten, f.variantenDanach);
        EXPECT_EQ(h.m_aHeizung.size(), static_cast<std::size_t>(f.variantenDanach + 1));
        EXPECT_EQ(h.m_aWand[0].m_aSan.size(), static_cast<std::size_t>(f.variantenDanach + 1));
        EXPECT_EQ(anzeige.aufrufe, f.aufrufe);
    }
    // Without a display the question is the same.
    Haus h;
    h.NeueVariante(true, DOptionen());
    AntwortNotifier ja(true);
    EXPECT_TRUE(h.BestandAendernErlaubt(true, ja));
    EXPECT_EQ(h.Varianten, 0);
}

// ---------------------------------------------------------------- costs

TEST(BerechneKosten, MassnahmenSowiesoUndHeizung)
{
    Haus h;
    HausMitAllenGruppen(h);
    DOptionen o;
    o.AlteHeizung = 2700;
    h.NeueVariante(true, o);

    // The wall and the window get measures, the others stay empty.
    auto wand = OpakeMassnahme<DSWand>("WDVS", 0.3, DSBauteilOpaque::Aussen);
    wand.Preis = 12000;
    wand.Lebensdauer = 40;
    h.m_aWand[0].m_aSan[1] = wand;
    auto fenster = FensterMassnahme("Glas", 0.7, 0.5, 1.3, 0.25);
    fenster.Preis = 3000;
    fenster.Lebensdauer = 0; // no service life
    h.m_aFenster[0].m_aSan[1] = fenster;
    // Required renovations left undone.
    h.m_aDecke[0].SanMussInnen = 1;
    h.m_aDecke[0].SowiesoInnen = 400;
    h.m_aDecke[0].SowiesoAussen = 9999; // not required: does not count
    h.m_aBoden[0].SanMussInnen = 1;
    h.m_aBoden[0].SanMussAussen = 1;
    h.m_aBoden[0].SowiesoInnen = 100;
    h.m_aBoden[0].SowiesoAussen = 200;
    // A required wall renovation is done by the measure: its due does not count.
    h.m_aWand[0].SanMussAussen = 1;
    h.m_aWand[0].SowiesoAussen = 5000;
    h.m_aFlachdach[0].SowiesoInnen = 77; // not required

    h.m_aBedarf[1].Gesamtkosten = -1;
    EXPECT_FALSE(h.BerechneKosten(1, o));
    EXPECT_EQ(h.m_aBedarf[1].Gesamtkosten, 12000 + 3000 + 400 + 300);
    EXPECT_EQ(h.m_aBedarf[1].GesamtkostenProJahr, 300);

    // With a life for the window and a new heating.
    h.m_aFenster[0].m_aSan[1].Lebensdauer = 30;
    DHeizung neu = ReferenzKessel();
    neu.Name = "Brennwert";
    neu.Preis = 8000;
    neu.Lebensdauer = 20;
    h.m_aHeizung[1] = neu;
    EXPECT_TRUE(h.BerechneKosten(1, o));
    EXPECT_EQ(h.m_aBedarf[1].Gesamtkosten, 12000 + 3000 + 400 + 300 + 8000);
    EXPECT_DOUBLE_EQ(h.m_aBedarf[1].GesamtkostenProJahr, 300 + 100 + 400);

    // A new heating without a life still costs its price.
    h.m_aHeizung[1].Lebensdauer = 0;
    EXPECT_FALSE(h.BerechneKosten(1, o));
    EXPECT_EQ(h.m_aBedarf[1].Gesamtkosten, 12000 + 3000 + 400 + 300 + 8000);
    EXPECT_DOUBLE_EQ(h.m_aBedarf[1].GesamtkostenProJahr, 400);

    // The old heating must be renewed but stays: the options' cost.
    h.m_aHeizung[0].SanMuss = 1;
    h.m_aHeizung[1] = h.m_aHeizung[0];
    EXPECT_TRUE(h.BerechneKosten(1, o));
    EXPECT_EQ(h.m_aBedarf[1].Gesamtkosten, 12000 + 3000 + 400 + 300 + 2700);

    // The existing state costs nothing; a state that does not exist is left.
    h.m_aBedarf[0].Gesamtkosten = 5;
    h.m_aBedarf[0].GesamtkostenProJahr = 5;
    EXPECT_TRUE(h.BerechneKosten(0, o));
    EXPECT_EQ(h.m_aBedarf[0].Gesamtkosten, 0);
    EXPECT_EQ(h.m_aBedarf[0].GesamtkostenProJahr, 0);
    EXPECT_FALSE(h.BerechneKosten(2, o));
    EXPECT_FALSE(h.BerechneKosten(-1, o));
}

TEST(BerechneKosten, SowiesoKostenDesBestands)
{
    Haus h;
    HausMitAllenGruppen(h);
    DOptionen o;
    EXPECT_EQ(h.SowiesoKosten(o), 0);
    h.m_aWand[0].SanMussInnen = 1;
    h.m_aWand[0].SowiesoInnen = 100;
    h.m_aSteildach[0].SanMussAussen = 1;
    h.m_aSteildach[0].SowiesoAussen = 200;
    h.m_aSteildach[0].SowiesoInnen = 999; // not required
    h.m_aFenster[0].SanMuss = 1;
    h.m_aFenster[0].Sowieso = 400;
    h.m_aHeizung[0].SanMuss = 1;
    EXPECT_EQ(h.SowiesoKosten(o), 100 + 200 + 400 + 2500);
}

TEST(BerechneCo2UndKea, FlaecheMalWertUndNeueHeizung)
{
    Haus h;
    HausMitAllenGruppen(h); // wall 100 m², window 10 m², flat roof 20 m²
    h.NeueVariante(true, DOptionen());
    auto wand = OpakeMassnahme<DSWand>("WDVS", 0.3, DSBauteilOpaque::Aussen);
    wand.Co2 = 2;
    wand.Kea = 30;
    h.m_aWand[0].m_aSan[1] = wand;
    auto fenster = FensterMassnahme("Glas", 0.7, 0.5, 1.3, 0.25);
    fenster.Co2 = 5;
    fenster.Kea = 60;
    h.m_aFenster[0].m_aSan[1] = fenster;
    // CO2 of an empty slot does not count.
    h.m_aFlachdach[0].m_aSan[1].Co2 = 1000;
    h.m_aHeizung[0].Co2 = 777; // the existing heating's own

    EXPECT_TRUE(h.BerechneCo2(1));
    EXPECT_TRUE(h.BerechneKea(1));
    EXPECT_EQ(h.m_aBedarf[1].GetCo2Sanierung(), 2 * 100 + 5 * 10);
    EXPECT_EQ(h.m_aBedarf[1].GetKeaSanierung(), 30 * 100 + 60 * 10);

    DHeizung neu = ReferenzKessel();
    neu.Name = "Neu";
    neu.Co2 = 900;
    neu.Kea = 9000;
    h.m_aHeizung[1] = neu;
    h.BerechneCo2(1);
    h.BerechneKea(1);
    EXPECT_EQ(h.m_aBedarf[1].GetCo2Sanierung(), 250 + 900);
    EXPECT_EQ(h.m_aBedarf[1].GetKeaSanierung(), 3600 + 9000);

    h.m_aBedarf[0].SetCo2Sanierung(3);
    EXPECT_TRUE(h.BerechneCo2(0));
    EXPECT_EQ(h.m_aBedarf[0].GetCo2Sanierung(), 0);
    EXPECT_FALSE(h.BerechneCo2(2));
    EXPECT_FALSE(h.BerechneKea(-1));
}

// ---------------------------------------------------------------- take over

TEST(UebernehmeVariante, AusDerKopieDesDialogs)
{
    Haus h;
    HausMitAllenGruppen(h);
    DOptionen o;
    AntwortNotifier n;
    h.BerechneBedarf(0, n);
    h.NeueVariante(true, o);
    h.NeueVariante(true, o);

    // The dialog edits variant 2 of its own copy.
    Haus dialog(h);
    BenenneMassnahmen(dialog, 2);
    DSWand& wand = dialog.m_aWand[0].m_aSan[2];
    wand.Preis = 5000;
    wand.Lebensdauer = 25;
    wand.Co2 = 3;
    DHeizung neu = ReferenzKessel();
    neu.Name = "Neu";
    neu.Preis = 6000;
    neu.Lebensdauer = 20;
    dialog.m_aHeizung[2] = neu;

    EXPECT_TRUE(h.UebernehmeVariante(dialog, 2, 1, o, n));
    EXPECT_TRUE(h.m_aHeizung[1].IstGleich(neu));
    const auto namen = MassnahmenNamen(h);
    const std::vector<std::string> gruppen = {"F", "S", "D", "W", "B", "G"};
    for (std::size_t g = 0; g < namen.size(); ++g)
        EXPECT_EQ(namen[g], (std::vector<std::string>{"", gruppen[g] + "2", ""})) << gruppen[g];
    // Computed: demand, then costs, CO2 and KEA.
    EXPECT_GT(h.m_aBedarf[1].Brennstoffenergiebedarf, 0);
    EXPECT_LT(h.m_aBedarf[1].Brennstoffenergiebedarf, h.m_aBedarf[0].Brennstoffenergiebedarf);
    EXPECT_EQ(h.m_aBedarf[1].Gesamtkosten, 5000 + 6000);
    EXPECT_DOUBLE_EQ(h.m_aBedarf[1].GesamtkostenProJahr, 200 + 300);
    EXPECT_EQ(h.m_aBedarf[1].GetCo2Sanierung(), 3 * 100);
    // The dialog's house is not touched.
    EXPECT_EQ(dialog.m_aWand[0].kWert, 1.0);
}

TEST(UebernehmeVariante, FalscheNummernOderAndereBauteile)
{
    Haus h;
    HausMitAllenGruppen(h);
    DOptionen o;
    AntwortNotifier n;
    h.NeueVariante(true, o);
    Haus andere(h);
    BenenneMassnahmen(andere, 1);
    struct Fall {
        int i, j;
    };
    for (const Fall f : {Fall{1, 0}, Fall{1, 2}, Fall{0, 1}, Fall{2, 1}, Fall{-1, 1}}) {
        EXPECT_FALSE(h.UebernehmeVariante(andere, f.i, f.j, o, n)) << f.i << " " << f.j;
        EXPECT_EQ(h.m_aWand[0].m_aSan[1].Name, "");
    }
    // Another list of components would put measures on the wrong ones.
    andere.m_aWand.Add(Opak<DWand>(5, 1));
    andere.m_aWand.back().m_aSan.SetSize(2);
    EXPECT_FALSE(h.UebernehmeVariante(andere, 1, 1, o, n));
    EXPECT_EQ(h.m_aWand[0].m_aSan[1].Name, "");
}

// ---------------------------------------------------------------- the existing state

// Computing a state, again and again and in any order, leaves the user's
// records as they were: the existing boiler below has losses and a stored
// annual efficiency that is not the one the losses give at this demand, so a
// calculation that kept its derived efficiency would change which variants
// count as "heating unchanged".
TEST(Varianten, RechnenAendertKeineEingabe)
{
    for (const int verfahren : {0, 1, 2}) {
        SCOPED_TRACE("Verfahren " + std::to_string(verfahren));
        Haus h;
        HausMitAllenGruppen(h);
        h.Berechnungsverfahren = verfahren;
        h.m_aHeizung[0].Jahresnutzungsgrad = 0.8;
        h.m_aHeizung[0].Vollbenutzungsstunden = 1234;
        DOptionen o;
        h.NeueVariante(true, o);
        h.NeueVariante(true, o);
        h.m_aWand[0].m_aSan[2] = OpakeMassnahme<DSWand>("WDVS", 0.3, DSBauteilOpaque::Aussen);
        const Haus vorher(h);
        ASSERT_TRUE(h.m_aHeizung[1].IstGleich(h.m_aHeizung[0]));

        AntwortNotifier n;
        for (int runde = 0; runde < 3; ++runde) {
            for (const int v : {0, 2, 1, 0}) {
                h.BerechneBedarf(v, n);
                h.BerechneNormwaermebedarf(v, n);
                h.BerechneKosten(v, o);
                h.BerechneCo2(v);
                h.BerechneKea(v);
            }
        }
        for (std::size_t i = 0; i < 3; ++i) {
            const DHeizung& a = h.m_aHeizung[i];
            const DHeizung& b = vorher.m_aHeizung[i];
            EXPECT_TRUE(a.IstGleich(b)) << i;
            EXPECT_EQ(a.Jahresnutzungsgrad, b.Jahresnutzungsgrad) << i;
            EXPECT_EQ(a.Vollbenutzungsstunden, b.Vollbenutzungsstunden) << i;
        }
        EXPECT_TRUE(h.m_aHeizung[1].IstGleich(h.m_aHeizung[0])) << "variant 1 keeps the existing heating";
        EXPECT_TRUE(h.m_aWand.Elemente() == vorher.m_aWand.Elemente());
        EXPECT_TRUE(h.m_aFenster.Elemente() == vorher.m_aFenster.Elemente());
    }
}

// A new variant of a house with a single-room heating starts with that very
// heating: the options' switch-on time and distribution belong to a central
// heating and leave a stove alone.
TEST(Varianten, EinzelheizungBleibtInNeuerVariante)
{
    Haus h;
    HausMitAllenGruppen(h);
    DHeizung& ofen = h.m_aHeizung[0];
    ofen.Einzelheiz = 1;
    ofen.Name = "Kachelofen";
    ofen.EtaEinzel = 0.7;
    ofen.SanMuss = 1;
    ofen.Nennwaermeleistung = 0;
    ofen.Jahresnutzungsgrad = 0;
    ofen.Bereitschaftszeit = 8760;
    ofen.Strahlungsverlust = ofen.Abgasverlust = ofen.Bereitschaftsverlust = 0;
    ofen.Heizungsverteilung.clear();
    ofen.Verteilungsnutzungsgrad = 1;
    DOptionen o;
    o.EinschaltdauerBeibehalten = 0;
    o.Einschaltdauer = 2000;
    o.WaermeverteilungBeibehalten = 0;
    o.HeizungsverteilungsArt = "Zentral";
    o.Verteilungsnutzungsgrad = 0.9;
    ASSERT_EQ(h.NeueVariante(true, o), 1);
    EXPECT_TRUE(h.m_aHeizung[1].IstGleich(h.m_aHeizung[0]));
    EXPECT_TRUE(h.Variantenheizung(o).IstGleich(h.m_aHeizung[0]));

    // A central heating takes them.
    h.m_aHeizung[0] = ReferenzKessel();
    const DHeizung zentral = h.Variantenheizung(o);
    EXPECT_EQ(zentral.Bereitschaftszeit, 2000);
    EXPECT_EQ(zentral.Heizungsverteilung, "Zentral");
    EXPECT_EQ(zentral.Verteilungsnutzungsgrad, 0.9);
}

// Everything of the existing state that a variant calculation could touch.
struct Bestand {
    std::vector<double> ergebnisse;
    double gesamtkosten, co2, kea, endenergie;
    DHeizung heizung;
    Haus bauteile;

    explicit Bestand(const Haus& h)
        : ergebnisse(AlleErgebnisse(h)),
          gesamtkosten(h.m_aBedarf[0].Gesamtkosten),
          co2(h.m_aBedarf[0].GetCo2Sanierung()),
          kea(h.m_aBedarf[0].GetKeaSanierung()),
          endenergie(h.m_aHeizung[0].Endenergie),
          heizung(h.m_aHeizung[0]),
          bauteile(h)
    {
    }

    void ErwarteGleich(const Haus& h) const
    {
        EXPECT_EQ(AlleErgebnisse(h), ergebnisse);
        EXPECT_EQ(h.m_aBedarf[0].Gesamtkosten, gesamtkosten);
        EXPECT_EQ(h.m_aBedarf[0].GetCo2Sanierung(), co2);
        EXPECT_EQ(h.m_aBedarf[0].GetKeaSanierung(), kea);
        EXPECT_EQ(h.m_aHeizung[0].Endenergie, endenergie);
        EXPECT_TRUE(h.m_aHeizung[0].IstGleich(heizung));
        EXPECT_EQ(h.m_aHeizung[0].Jahresnutzungsgrad, heizung.Jahresnutzungsgrad);
        EXPECT_TRUE(h.m_aFlachdach.Elemente() == bauteile.m_aFlachdach.Elemente());
        EXPECT_TRUE(h.m_aSteildach.Elemente() == bauteile.m_aSteildach.Elemente());
        EXPECT_TRUE(h.m_aDecke.Elemente() == bauteile.m_aDecke.Elemente());
        EXPECT_TRUE(h.m_aWand.Elemente() == bauteile.m_aWand.Elemente());
        EXPECT_TRUE(h.m_aBoden.Elemente() == bauteile.m_aBoden.Elemente());
        EXPECT_TRUE(h.m_aFenster.Elemente() == bauteile.m_aFenster.Elemente());
        EXPECT_EQ(h.Innentemperatur, bauteile.Innentemperatur);
    }
};

// Three variants with measures of every kind and new heatings, computed in
// every order: the existing state never changes, and each variant's results
// do not depend on the order.
TEST(Varianten, BestandBleibtInJederReihenfolge)
{
    for (const int verfahren : {0, 1, 2}) {
        SCOPED_TRACE("Verfahren " + std::to_string(verfahren));
        Haus h;
        HausMitAllenGruppen(h);
        h.Berechnungsverfahren = verfahren;
        DOptionen o;
        AntwortNotifier n;
        h.BerechneBedarf(0, n);
        h.BerechneKosten(0, o);
        for (int v = 1; v <= 3; ++v) {
            DOptionen ov;
            ov.BrennstoffBeibehalten = v == 2 ? 0 : 1;
            ov.Brennstoff = BrennstoffOel;
            h.NeueVariante(v != 3, ov);
            BenenneMassnahmen(h, v);
            h.m_aWand[0].m_aSan[static_cast<std::size_t>(v)].Verwendung = DSBauteilOpaque::Zwischen;
            h.m_aWand[0].m_aSan[static_cast<std::size_t>(v)].Dicke = 0.02 * v;
            h.m_aHeizung[static_cast<std::size_t>(v)].Verteilungsnutzungsgrad = 0.9 + 0.02 * v;
        }
        std::array<int, 3> reihenfolge{1, 2, 3};
        std::vector<std::vector<double>> ersteErgebnisse;
        do {
            Haus k(h);
            k.BerechneBedarf(0, n);
            k.BerechneKosten(0, o);
            const Bestand bestand(k);
            std::vector<std::vector<double>> ergebnisse(4);
            for (const int v : reihenfolge) {
                const double r = k.BerechneBedarf(v, n);
                const double last = k.BerechneNormwaermebedarf(v, n);
                k.BerechneKosten(v, o);
                k.BerechneCo2(v);
                k.BerechneKea(v);
                const DBedarf& b = k.m_aBedarf[static_cast<std::size_t>(v)];
                ergebnisse[static_cast<std::size_t>(v)] = {r, last, b.Waermebedarf, b.Heizungsverlust,
                                                           b.Gesamtkosten, b.GetCo2Sanierung(),
                                                           b.GetKeaSanierung()};
                bestand.ErwarteGleich(k);
            }
            if (ersteErgebnisse.empty())
                ersteErgebnisse = ergebnisse;
            else
                EXPECT_EQ(ergebnisse, ersteErgebnisse);
        } while (std::next_permutation(reihenfolge.begin(), reihenfolge.end()));

        // The variants differ from each other and, for the fuel methods, from
        // the existing state.
        EXPECT_NE(ersteErgebnisse[1], ersteErgebnisse[2]);
        EXPECT_NE(ersteErgebnisse[2], ersteErgebnisse[3]);
        EXPECT_TRUE(n.nachrichten.empty());
    }
}

} // namespace
} // namespace zeva
