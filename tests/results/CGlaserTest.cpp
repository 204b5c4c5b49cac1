// The Glaser condensation check: saturation pressures, the worked build-ups,
// the measure's layer text and the placement of its layers.
#include "results/CGlaser.h"
#include "results/CSchichtquelle.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zeva {
namespace {

GlaserSchicht S(const char* name, double d, double lambda, double mu)
{
    return {name, d, lambda, mu};
}

// A component as the measure pages hold it: the existing build-up and the
// working copy with the measure's layers placed into it.
class Bauteilpaar : public CSchichtquelle {
public:
    explicit Bauteilpaar(std::vector<GlaserSchicht> bestand = {})
        : m_Bestand(bestand)
        , m_Saniert(std::move(bestand))
    {
    }

    std::vector<GlaserSchicht> HoleSchichtaufbau() const override { return m_Saniert; }

    void UebernehmeSanierungsschichten(const std::vector<SanierungsSchicht>& schichten) override
    {
        m_Saniert = m_Bestand;
        FuegeSanierungsschichtenEin(m_Saniert, schichten, [](const SanierungsSchicht& s) {
            return GlaserSchicht{s.Name, s.Dicke, s.Lambda, s.Mu};
        });
    }

    std::vector<std::string> Namen() const
    {
        std::vector<std::string> namen;
        for (const GlaserSchicht& s : m_Saniert)
            namen.push_back(s.Name);
        return namen;
    }

    std::vector<GlaserSchicht> m_Bestand;
    std::vector<GlaserSchicht> m_Saniert;
};

// Runs the check on a build-up as a measure page does.
struct Lauf {
    explicit Lauf(std::vector<GlaserSchicht> schichten)
        : paar(std::move(schichten))
    {
        glaser.SetzeSchichtquelle(&paar);
        ergebnis = glaser.Berechne();
    }
    Bauteilpaar paar;
    CGlaser glaser;
    bool ergebnis = false;
};

const std::vector<GlaserSchicht> WandMitInnendaemmung = {
    S("Kalkputz", 0.015, 0.7, 10), S("Mineralwolle", 0.06, 0.04, 1),
    S("Mauerwerk", 0.24, 0.8, 10), S("Außenputz", 0.02, 0.87, 20)};

void ErwarteAllesNull(const CGlaser& g)
{
    EXPECT_EQ(g.Kondensat(), 0);
    EXPECT_EQ(g.Verdunstung(), 0);
    EXPECT_EQ(g.Ergebnis(), 0);
    EXPECT_EQ(g.q(), 0);
    EXPECT_EQ(g.SdSumme(), 0);
    EXPECT_TRUE(g.Sd().empty());
    EXPECT_TRUE(g.Temperaturen().empty());
    EXPECT_TRUE(g.Saettigungsdruecke().empty());
    EXPECT_TRUE(g.Dampfdrucklinie().empty());
}

TEST(CGlaser, SaturationPressureMatchesTheTables)
{
    struct Fall {
        double t;
        double ps;
    };
    const Fall faelle[] = {{20, 2337.9}, {12, 1402.3}, {10, 1227.8}, {0, 610.7}, {-10, 259.5}};
    for (const Fall& f : faelle)
        EXPECT_NEAR(CGlaser::Saettigungsdruck(f.t), f.ps, 0.1) << f.t << " °C";
}

TEST(CGlaser, SaturationPressureDerivativeIsTheSlopeOnBothSidesOfZero)
{
    for (double t : {-15.0, -10.0, -0.5, 0.5, 8.0, 20.0}) {
        const double h = 1e-4;
        const double steigung = (CGlaser::Saettigungsdruck(t + h) - CGlaser::Saettigungsdruck(t - h)) / (2 * h);
        EXPECT_NEAR(CGlaser::SaettigungsdruckAbleitung(t), steigung, 1e-4 * steigung) << t << " °C";
    }
    // Over ice below zero: the curve has a kink there, not a jump.
    EXPECT_NEAR(CGlaser::Saettigungsdruck(-1e-9), CGlaser::Saettigungsdruck(1e-9), 1e-3);
}

// Inner insulation of a brick wall: the line crosses in the mineral wool and
// the tangent point is held at the wool's outer side.
TEST(CGlaser, InnerInsulationCondensesAtTheOuterSideOfTheWool)
{
    Lauf l(WandMitInnendaemmung);
    const CGlaser& g = l.glaser;
    EXPECT_TRUE(l.ergebnis);
    EXPECT_NEAR(g.q() / 30, 0.49766, 1e-5);
    EXPECT_NEAR(g.q(), 14.9297, 1e-4);
    const std::vector<double> t = {18.134, 17.814, -4.581, -9.060, -9.403};
    ASSERT_EQ(g.Temperaturen().size(), t.size());
    for (std::size_t i = 0; i < t.size(); ++i)
        EXPECT_NEAR(g.Temperaturen()[i], t[i], 1e-3) << i;
    ASSERT_EQ(g.Saettigungsdruecke().size(), t.size());
    for (std::size_t i = 0; i < t.size(); ++i)
        EXPECT_DOUBLE_EQ(g.Saettigungsdruecke()[i], CGlaser::Saettigungsdruck(g.Temperaturen()[i]));
    ASSERT_EQ(g.Sd().size(), 4u);
    EXPECT_NEAR(g.Sd()[0], 0.15, 1e-12);
    EXPECT_NEAR(g.Sd()[1], 0.06, 1e-12);
    EXPECT_NEAR(g.Sd()[2], 2.4, 1e-12);
    EXPECT_NEAR(g.Sd()[3], 0.4, 1e-12);
    EXPECT_NEAR(g.SdSumme(), 3.01, 1e-12);
    EXPECT_EQ(g.ErsteSchicht(), 1);

    const std::vector<Punkt2D>& linie = g.Dampfdrucklinie();
    ASSERT_EQ(linie.size(), 3u);
    EXPECT_EQ(linie[0].x, 0);
    EXPECT_NEAR(linie[0].y, 1040.54, 0.01);
    EXPECT_NEAR(linie[1].x, 0.21, 1e-9);
    EXPECT_NEAR(linie[1].y, 415.99, 0.01);
    EXPECT_NEAR(linie[2].x, 3.01, 1e-12);
    EXPECT_NEAR(linie[2].y, 218.87, 0.01);

    EXPECT_NEAR(g.Kondensat(), 2.7875, 1e-4);
    EXPECT_NEAR(g.Verdunstung(), 2.9855, 1e-4);
    // More than 0.35 kg/m² in winter fails the build-up although the summer
    // would dry it out.
    EXPECT_DOUBLE_EQ(g.Ergebnis(), -g.Kondensat());
}

TEST(CGlaser, BuildUpsWithoutCondensation)
{
    struct Fall {
        const char* was;
        std::vector<GlaserSchicht> schichten;
        double u;
        double sd;
        double pi;
        double pe;
    };
    const Fall faelle[] = {
        {"outer insulation of a brick wall",
         {S("Kalkputz", 0.015, 0.7, 10), S("Mauerwerk", 0.24, 0.8, 10), S("Dämmung", 0.12, 0.035, 30),
          S("Außenputz", 0.01, 0.7, 15)},
         0.2545, 6.30, 1101.65, 213.28},
        {"pitched roof with a vapour barrier",
         {S("Gipskarton", 0.0125, 0.25, 8), S("Dampfsperre", 0.0002, 0.2, 50000), S("Mineralwolle", 0.16, 0.04, 1),
          S("Unterspannbahn", 0.0005, 0.2, 200)},
         0.23705, 10.36, 1106.15, 212.89},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Lauf l(f.schichten);
        const CGlaser& g = l.glaser;
        EXPECT_FALSE(l.ergebnis);
        EXPECT_NEAR(g.q() / 30, f.u, 1e-4);
        EXPECT_NEAR(g.SdSumme(), f.sd, 1e-9);
        EXPECT_EQ(g.Temperaturen().size(), f.schichten.size() + 1);
        ASSERT_EQ(g.Dampfdrucklinie().size(), 2u);
        EXPECT_EQ(g.Dampfdrucklinie()[0].x, 0);
        EXPECT_NEAR(g.Dampfdrucklinie()[0].y, f.pi, 0.01);
        EXPECT_NEAR(g.Dampfdrucklinie()[1].x, f.sd, 1e-9);
        EXPECT_NEAR(g.Dampfdrucklinie()[1].y, f.pe, 0.01);
        EXPECT_EQ(g.Kondensat(), 0);
        EXPECT_EQ(g.Verdunstung(), 0);
        EXPECT_EQ(g.Ergebnis(), 0);
    }
}

// The three outcomes of the result value once condensation is found.
TEST(CGlaser, ResultValueFollowsCondensateAndEvaporation)
{
    struct Fall {
        const char* was;
        std::vector<GlaserSchicht> schichten;
        double kondensat;
        double verdunstung;
        double ergebnis;
    };
    const Fall faelle[] = {
        {"little condensate that the summer dries out",
         {S("Kalkputz", 0.015, 0.7, 10), S("Mineralwolle", 0.12, 0.04, 1), S("Platte", 0.002, 0.2, 10)},
         0.2191, 6.2676, 0},
        {"little condensate, less drying: the rest stays",
         {S("Gipskarton", 0.0125, 0.25, 8), S("Dampfbremse", 0.0002, 0.2, 10000), S("Mineralwolle", 0.06, 0.04, 1),
          S("Bahn", 0.001, 0.2, 10000)},
         0.3243, 0.2887, 0.0357},
        {"more than 0.35 kg/m² in winter", WandMitInnendaemmung, 2.7875, 2.9855, -2.7875},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Lauf l(f.schichten);
        EXPECT_TRUE(l.ergebnis);
        EXPECT_EQ(l.glaser.Dampfdrucklinie().size(), 3u);
        EXPECT_NEAR(l.glaser.Kondensat(), f.kondensat, 1e-4);
        EXPECT_NEAR(l.glaser.Verdunstung(), f.verdunstung, 1e-4);
        EXPECT_NEAR(l.glaser.Ergebnis(), f.ergebnis, 1e-4);
        if (f.ergebnis > 0) {
            EXPECT_DOUBLE_EQ(l.glaser.Ergebnis(), l.glaser.Kondensat() - l.glaser.Verdunstung());
        }
    }
}

TEST(CGlaser, AirLayerAddsItsOwnResistance)
{
    std::vector<GlaserSchicht> mit = {S("Kalkputz", 0.015, 0.7, 10), S("Luftschicht", 0.03, 0, 1),
                                      S("Mauerwerk", 0.24, 0.8, 10)};
    std::vector<GlaserSchicht> ohne = {mit[0], mit[2]};
    Lauf a(mit);
    Lauf b(ohne);
    const double rMit = 30 / a.glaser.q();
    const double rOhne = 30 / b.glaser.q();
    EXPECT_NEAR(rMit - rOhne, 0.15, 1e-12); // 0.14 + 0.5 · 0.02
    const std::vector<double>& t = a.glaser.Temperaturen();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_NEAR(t[1] - t[2], a.glaser.q() * 0.15, 1e-12);
    EXPECT_NEAR(a.glaser.Sd()[1], 0.03, 1e-12);

    // A rear ventilation is an ordinary layer: its conductivity counts.
    Lauf c({S("Kalkputz", 0.015, 0.7, 10), S("Hinterlüftung", 0.03, 0, 1)});
    EXPECT_FALSE(c.ergebnis);
    ErwarteAllesNull(c.glaser);
}

TEST(CGlaser, BuildUpsThatCannotBeComputedGiveFalseAndZeros)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Fall {
        const char* was;
        std::vector<GlaserSchicht> schichten;
    };
    const Fall faelle[] = {
        {"empty build-up", {}},
        {"zero conductivity", {S("Kalkputz", 0.015, 0.7, 10), S("Dämmung", 0.1, 0, 1)}},
        {"negative conductivity", {S("Dämmung", 0.1, -0.04, 1)}},
        {"no diffusion resistance at all", {S("Kalkputz", 0.015, 0.7, 0), S("Dämmung", 0.1, 0.04, 0)}},
        {"no thickness at all", {S("Kalkputz", 0, 0.7, 10)}},
        {"thickness not a number", {S("Kalkputz", nan, 0.7, 10)}},
        {"factor not a number", {S("Kalkputz", 0.015, 0.7, nan)}},
        {"infinite conductivity", {S("Kalkputz", 0.015, std::numeric_limits<double>::infinity(), 10)}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Lauf l(f.schichten);
        EXPECT_FALSE(l.ergebnis);
        ErwarteAllesNull(l.glaser);
        // Asking again changes nothing.
        EXPECT_FALSE(l.glaser.Berechne());
        ErwarteAllesNull(l.glaser);
    }

    CGlaser ohneQuelle;
    EXPECT_FALSE(ohneQuelle.Berechne());
    ErwarteAllesNull(ohneQuelle);
}

// A layer without diffusion resistance sits at one point of the sd axis; the
// build-up around it is still computed and stays finite.
TEST(CGlaser, LayerWithoutDiffusionResistanceStaysFinite)
{
    Lauf l({S("Kalkputz", 0.015, 0.7, 10), S("Dämmung", 0.1, 0.04, 0), S("Mauerwerk", 0.24, 0.8, 10)});
    EXPECT_EQ(l.glaser.Temperaturen().size(), 4u);
    EXPECT_EQ(l.glaser.Sd()[1], 0);
    for (const Punkt2D& p : l.glaser.Dampfdrucklinie()) {
        EXPECT_TRUE(std::isfinite(p.x));
        EXPECT_TRUE(std::isfinite(p.y));
    }
    EXPECT_TRUE(std::isfinite(l.glaser.Kondensat()));
    EXPECT_TRUE(std::isfinite(l.glaser.Ergebnis()));
}

TEST(CGlaser, SecondRunOnTheSameLayerCountAnswersFromTheFirst)
{
    Lauf l(WandMitInnendaemmung);
    ASSERT_TRUE(l.glaser.Berechne()); // |result| > 1e-5
    const double kondensat = l.glaser.Kondensat();

    // The source changed behind the object's back: the last run stands …
    l.paar.m_Saniert[1].Mu = 1000;
    EXPECT_TRUE(l.glaser.Berechne());
    EXPECT_EQ(l.glaser.Kondensat(), kondensat);

    // … until the source is set again.
    l.glaser.SetzeSchichtquelle(&l.paar);
    ErwarteAllesNull(l.glaser);
    l.glaser.Berechne();
    EXPECT_NE(l.glaser.Kondensat(), kondensat);
}

TEST(CGlaser, LayerTextReadsCommaAndPointAlike)
{
    const char* komma = "Mineralwolle/ -1/ 0,12/ 0,036/ 1;Putz, mineralisch/ 11/ 0,015/ 0,7/ 10";
    const char* punkt = "Mineralwolle/ -1/ 0.12/ 0.036/ 1;Putz, mineralisch/ 11/ 0.015/ 0.7/ 10";
    for (const char* text : {komma, punkt}) {
        SCOPED_TRACE(text);
        Bauteilpaar paar;
        CGlaser g;
        g.SetzeSchichtquelle(&paar);
        g.LeseSchichttext(text);
        const std::vector<SanierungsSchicht>& s = g.SanierungsSchichten();
        ASSERT_EQ(s.size(), 2u);
        EXPECT_EQ(s[0].Name, "Mineralwolle");
        EXPECT_EQ(s[0].Position, -1);
        EXPECT_DOUBLE_EQ(s[0].Dicke, 0.12);
        EXPECT_DOUBLE_EQ(s[0].Lambda, 0.036);
        EXPECT_DOUBLE_EQ(s[0].Mu, 1);
        // A comma in a name is the user's and stays.
        EXPECT_EQ(s[1].Name, "Putz, mineralisch");
        EXPECT_EQ(s[1].Position, 11);
        EXPECT_DOUBLE_EQ(s[1].Dicke, 0.015);
        EXPECT_DOUBLE_EQ(s[1].Lambda, 0.7);
        EXPECT_DOUBLE_EQ(s[1].Mu, 10);
        EXPECT_EQ(paar.Namen(), (std::vector<std::string>{"Putz, mineralisch", "Mineralwolle"}));
    }
}

TEST(CGlaser, LayerTextDoesNotDependOnTheProcessLocale)
{
    // The German runs of this test have LC_ALL set; setting it here as well
    // makes the C run check it when the locale is installed.
    const std::string vorher = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    for (const char* text : {"Dämmung/ 11/ 0,05/ 0,04/ 1,5", "Dämmung/ 11/ 0.05/ 0.04/ 1.5"}) {
        CGlaser g;
        g.LeseSchichttext(text);
        ASSERT_EQ(g.SanierungsSchichten().size(), 1u);
        EXPECT_DOUBLE_EQ(g.SanierungsSchichten()[0].Dicke, 0.05) << text;
        EXPECT_DOUBLE_EQ(g.SanierungsSchichten()[0].Lambda, 0.04) << text;
        EXPECT_DOUBLE_EQ(g.SanierungsSchichten()[0].Mu, 1.5) << text;
    }
    std::setlocale(LC_NUMERIC, vorher.c_str());
}

TEST(CGlaser, DamagedLayerTextReadsWhatIsThere)
{
    struct Fall {
        const char* text;
        std::vector<SanierungsSchicht> erwartet;
    };
    const Fall faelle[] = {
        {"", {}},
        {" ; ;", {}},
        {"A/1/0,1/0,04/1;", {{"A", 1, 0.1, 0.04, 1}}},
        // Fields missing at the end read as 0; the next entry is not touched.
        {"A/ 1/ 0,1;B/ -1/ 0,02/ 0,8/ 20", {{"A", 1, 0.1, 0, 0}, {"B", -1, 0.02, 0.8, 20}}},
        {"Nur ein Name", {{"Nur ein Name", 0, 0, 0, 0}}},
        // Text after a number, a plus sign, tabs and line ends around it.
        {"A/\t+9 /0,1 m/\n0,04/ 1/ überzählig", {{"A", 9, 0.1, 0.04, 1}}},
        // Words, non-finite and out-of-range numbers read as 0.
        {"A/ elf/ nan/ inf/ x", {{"A", 0, 0, 0, 0}}},
        {"A/ 99999999999/ 1e999/ 0,04/ 1", {{"A", 0, 0, 0.04, 1}}},
        // Blanks before a name are part of it.
        {" A/ 1/ 0,1/ 0,04/ 1", {{" A", 1, 0.1, 0.04, 1}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        CGlaser g;
        g.LeseSchichttext(f.text);
        const std::vector<SanierungsSchicht>& s = g.SanierungsSchichten();
        ASSERT_EQ(s.size(), f.erwartet.size());
        for (std::size_t i = 0; i < s.size(); ++i) {
            EXPECT_EQ(s[i].Name, f.erwartet[i].Name);
            EXPECT_EQ(s[i].Position, f.erwartet[i].Position);
            EXPECT_DOUBLE_EQ(s[i].Dicke, f.erwartet[i].Dicke);
            EXPECT_DOUBLE_EQ(s[i].Lambda, f.erwartet[i].Lambda);
            EXPECT_DOUBLE_EQ(s[i].Mu, f.erwartet[i].Mu);
        }
    }
}

std::vector<GlaserSchicht> Schichten(const std::vector<std::string>& namen)
{
    std::vector<GlaserSchicht> s;
    for (const std::string& n : namen)
        s.push_back({n, 0.1, 1, 1});
    return s;
}

std::vector<SanierungsSchicht> Massnahme(const std::vector<std::pair<std::string, int>>& codes)
{
    std::vector<SanierungsSchicht> s;
    for (const auto& [name, code] : codes)
        s.push_back({name, code, 0.1, 1, 1});
    return s;
}

TEST(PlatziereSanierungsschichten, PlacesByCode)
{
    struct Fall {
        const char* was;
        std::vector<std::string> bestand;
        std::vector<std::pair<std::string, int>> massnahme;
        std::vector<std::string> erwartet;
    };
    const Fall faelle[] = {
        {"one of each series", {"A", "B", "C"}, {{"Z", 1}, {"Y", -1}, {"W", 9}, {"X", 11}},
         {"X", "A", "W", "B", "Z", "C", "Y"}},
        {"order in the text does not matter", {"A", "B", "C"}, {{"X", 11}, {"W", 9}, {"Y", -1}, {"Z", 1}},
         {"X", "A", "W", "B", "Z", "C", "Y"}},
        {"higher codes further in from the outside", {"A", "B", "C"}, {{"Z2", 2}, {"Z1", 1}},
         {"A", "B", "Z2", "Z1", "C"}},
        {"lower codes further out", {"A"}, {{"Y2", -2}, {"Y1", -1}}, {"A", "Y1", "Y2"}},
        {"lower codes further out from the inside", {"A", "B"}, {{"W8", 8}, {"W9", 9}}, {"A", "W9", "W8", "B"}},
        {"higher codes further in at the front", {"A"}, {{"X12", 12}, {"X11", 11}}, {"X12", "X11", "A"}},
        {"a gap ends the series", {"A", "B"}, {{"Z1", 1}, {"Z3", 3}, {"Y2", -2}, {"X12", 12}}, {"A", "Z1", "B"}},
        {"codes 0 and 10 never", {"A", "B"}, {{"N", 0}, {"T", 10}}, {"A", "B"}},
        {"first of duplicate codes", {"A"}, {{"X", 11}, {"X'", 11}, {"Y", -1}, {"Y'", -1}}, {"X", "A", "Y"}},
        {"a code goes in once although two series reach it", {"A", "B"},
         {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}, {"6", 6}, {"7", 7}, {"8", 8}, {"9", 9}, {"10", 10}},
         {"A", "9", "8", "7", "6", "5", "4", "3", "2", "1", "B"}},
        {"code 1 on an empty build-up", {}, {{"Z", 1}}, {"Z"}},
        {"code 9 on an empty build-up", {}, {{"W", 9}}, {"W"}},
        {"codes 1 and 2 on an empty build-up", {}, {{"Z1", 1}, {"Z2", 2}}, {"Z2", "Z1"}},
        {"codes 9 and 8 on an empty build-up", {}, {{"W9", 9}, {"W8", 8}}, {"W9", "W8"}},
        {"series 1 on a single layer", {"A"}, {{"Z1", 1}, {"Z2", 2}, {"Z3", 3}}, {"Z3", "Z2", "Z1", "A"}},
        {"series 9 on a single layer", {"A"}, {{"W9", 9}, {"W8", 8}, {"W7", 7}}, {"A", "W9", "W8", "W7"}},
        {"all series on an empty build-up", {}, {{"Z", 1}, {"Y", -1}, {"W", 9}, {"X", 11}}, {"X", "Z", "W", "Y"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Bauteilpaar paar(Schichten(f.bestand));
        paar.UebernehmeSanierungsschichten(Massnahme(f.massnahme));
        EXPECT_EQ(paar.Namen(), f.erwartet);
        // The existing build-up is never changed, and a second measure
        // starts from it again.
        paar.UebernehmeSanierungsschichten({});
        EXPECT_EQ(paar.Namen(), f.bestand);
    }
}

TEST(PlatziereSanierungsschichten, NamesTheMeasureLayerOfEachInsertion)
{
    const std::vector<SanierungsSchicht> m = Massnahme({{"X", 11}, {"Z", 1}, {"X'", 11}});
    const std::vector<SchichtEinfuegung> e = PlatziereSanierungsschichten(3, m);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].Index, 2u); // code 1 into [A, B, C]
    EXPECT_EQ(e[0].Schicht, 1u);
    EXPECT_EQ(e[1].Index, 0u); // code 11
    EXPECT_EQ(e[1].Schicht, 0u);
}

// A brick wall gets an inner insulation from its measure text and is then
// the wall of the worked example above.
TEST(CGlaser, MeasureTextInsertsIntoTheExistingBuildUp)
{
    Bauteilpaar paar({WandMitInnendaemmung[0], WandMitInnendaemmung[2], WandMitInnendaemmung[3]});
    CGlaser g;
    g.SetzeSchichtquelle(&paar);
    g.LeseSchichttext("Mineralwolle/ 9/ 0,06/ 0,04/ 1");
    EXPECT_EQ(paar.Namen(), (std::vector<std::string>{"Kalkputz", "Mineralwolle", "Mauerwerk", "Außenputz"}));
    EXPECT_TRUE(g.Berechne());
    EXPECT_NEAR(g.Ergebnis(), -2.7875, 1e-4);
    // The run starts afresh: the measure layers are handed over and gone.
    EXPECT_TRUE(g.SanierungsSchichten().empty());

    // Inner insulation by code 11 and an outer render by code −1.
    g.SetzeSchichtquelle(&paar);
    g.LeseSchichttext("Dämmplatte/ 11/ 0,04/ 0,04/ 5;Oberputz/ -1/ 0,01/ 0,7/ 15");
    EXPECT_EQ(paar.Namen(),
              (std::vector<std::string>{"Dämmplatte", "Kalkputz", "Mauerwerk", "Außenputz", "Oberputz"}));
}

TEST(CGlaser, SaturationCurveSamplesEachLayerByItsShareOfTheWidth)
{
    Lauf l(WandMitInnendaemmung); // sd 0.15, 0.06, 2.4, 0.4 of 3.01
    CGlaser& g = l.glaser;
    g.ErzeugeSaettigungskurve(1000);
    const std::vector<Punkt2D>& k = g.Saettigungskurve();
    // 49 + 19 + 797 + 132 points inside the layers and the outer face.
    ASSERT_EQ(k.size(), 998u);
    EXPECT_EQ(k.front().x, 0);
    EXPECT_DOUBLE_EQ(k.front().y, g.Saettigungsdruecke()[0]);
    EXPECT_NEAR(k[49].x, 0.15, 1e-12);
    EXPECT_NEAR(k[49].y, g.Saettigungsdruecke()[1], 1e-9);
    EXPECT_NEAR(k[68].x, 0.21, 1e-12);
    EXPECT_NEAR(k[68].y, g.Saettigungsdruecke()[2], 1e-9);
    EXPECT_NEAR(k.back().x, 3.01, 1e-12);
    EXPECT_NEAR(k.back().y, g.Saettigungsdruecke().back(), 1e-9);
    for (std::size_t i = 1; i < k.size(); ++i)
        EXPECT_GT(k[i].x, k[i - 1].x);

    // Kept for later drawings of other sizes …
    g.ErzeugeSaettigungskurve(50);
    EXPECT_EQ(g.Saettigungskurve().size(), 998u);
    // … and at least one point per layer when narrow.
    Lauf schmal(WandMitInnendaemmung);
    schmal.glaser.ErzeugeSaettigungskurve(10);
    EXPECT_EQ(schmal.glaser.Saettigungskurve().size(), 1u + 1u + 7u + 1u + 1u);
}

// Outside insulation of low sd as the last layer, the usual measure: the
// last layer gets a single sample at its inner side, and only the point at
// the outer face shows the cold outside of the insulation.
TEST(CGlaser, SaturationCurveOfOutsideInsulationFallsToTheOuterFace)
{
    Lauf l({S("Kalkputz", 0.015, 0.7, 10), S("Mauerwerk", 0.24, 0.8, 10), S("Polystyrol", 0.12, 0.035, 1)});
    CGlaser& g = l.glaser;
    g.ErzeugeSaettigungskurve(20); // a narrow drawing: one sample in the insulation
    const std::vector<Punkt2D>& k = g.Saettigungskurve();
    ASSERT_EQ(k.size(), 1u + 17u + 1u + 1u);
    const double aussen = g.Saettigungsdruecke().back();
    const double vorDerDaemmung = g.Saettigungsdruecke()[g.Saettigungsdruecke().size() - 2];
    EXPECT_GT(vorDerDaemmung, 1400); // warm behind the insulation
    EXPECT_LT(aussen, 400);          // near the outside air's
    EXPECT_NEAR(k.back().x, g.SdSumme(), 1e-12);
    EXPECT_NEAR(k.back().y, aussen, 1e-9);
    EXPECT_NEAR(k[k.size() - 2].y, vorDerDaemmung, 1e-9);
}

} // namespace
} // namespace zeva
