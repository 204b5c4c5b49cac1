// The order of the wizard's steps without any window: where "Weiter >>" and
// "<< Zurück" lead for flat and pitched roofs, the step names the panels
// show, and what the house does on the way.
#include "shell/Schrittfolge.h"

#include "model/Haus.h"
#include "model/Notifier.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zeva {
namespace {

class StillerNotifier final : public Notifier {
public:
    void Nachricht(const std::string& text, Art) override { texte.push_back(text); }
    bool Frage(const std::string&) override { return true; }
    std::vector<std::string> texte;
};

// Every step with its moves as the wizard's table gives them.
struct Zug {
    int phase;
    int weiterSteil, weiterFlach;
    int zurueckSteil, zurueckFlach;
};
constexpr Zug Zuege[] = {
    {0, 1, 1, 0, 0},      {1, 2, 2, 0, 0},      {2, 3, 3, 1, 1},      {3, 4, 5, 2, 2},
    {4, 5, 5, 3, 3},      {5, 6, 7, 4, 3},      {6, 7, 7, 5, 5},      {7, 8, 8, 6, 5},
    {8, 10, 10, 7, 7},    {9, 10, 10, 8, 8},    {10, 13, 13, 8, 8},   {11, 13, 13, 10, 10},
    {12, 13, 13, 10, 10}, {13, 14, 15, 10, 10}, {14, 15, 15, 13, 13}, {15, 17, 17, 14, 13},
    {16, 15, 15, 15, 15}, {17, 18, 18, 15, 15}, {18, 19, 19, 17, 17}, {19, 19, 19, 18, 18},
};

TEST(Schrittfolge, MovesFollowTheRoofAndIgnoreTheHeatedAttic)
{
    for (const Zug& z : Zuege) {
        for (int steildach : {0, 1}) {
            for (int beheizt : {0, 1}) {
                Haus h;
                h.Steildach = steildach;
                h.DachBeheizt = beheizt;
                h.Phase = z.phase;
                StillerNotifier n;
                EXPECT_EQ(Schrittfolge::Weiter(h, n), steildach ? z.weiterSteil : z.weiterFlach)
                    << z.phase << " steil " << steildach << " beheizt " << beheizt;
                EXPECT_EQ(h.Phase, steildach ? z.weiterSteil : z.weiterFlach);
                h.Phase = z.phase;
                EXPECT_EQ(Schrittfolge::Zurueck(h), steildach ? z.zurueckSteil : z.zurueckFlach)
                    << z.phase << " steil " << steildach << " beheizt " << beheizt;
            }
        }
    }
}

TEST(Schrittfolge, PanelsNameTheStepsTheButtonsLeadTo)
{
    struct Fall {
        int phase;
        bool steildach;
        const char* vorher;
        const char* ist;
        const char* nach;
    };
    const Fall faelle[] = {
        {0, true, "", "Intro", "Projekt (1)"},
        {1, true, "Intro", "Projekt (1)", "Wand"},
        {2, false, "Projekt (1)", "Wand", "Fenster"},
        {3, true, "Wand", "Fenster", "Steildach"},
        {3, false, "Wand", "Fenster", "Flachdach"},
        {4, true, "Fenster", "Steildach", "Flachdach"},
        {5, true, "Steildach", "Flachdach", "Decke"},
        {5, false, "Fenster", "Flachdach", "Boden"},
        {6, true, "Flachdach", "Decke", "Boden"},
        {7, true, "Decke", "Boden", "Grundriß"},
        {7, false, "Flachdach", "Boden", "Grundriß"},
        {17, true, "3D", "Heizung", "Projekt (2)"},
        {17, false, "3D", "Heizung", "Projekt (2)"},
        {18, true, "Heizung", "Projekt (2)", "ENDE"},
    };
    for (const Fall& f : faelle) {
        const Schrittfolge::Beschriftung b = Schrittfolge::Beschriftungen(f.phase, f.steildach);
        EXPECT_EQ(b.vorher, QString::fromUtf8(f.vorher)) << f.phase << " steil " << f.steildach;
        EXPECT_EQ(b.ist, QString::fromUtf8(f.ist)) << f.phase;
        EXPECT_EQ(b.nach, QString::fromUtf8(f.nach)) << f.phase << " steil " << f.steildach;
    }
    // Every step's names agree with its moves, for both roofs.
    for (const Zug& z : Zuege) {
        for (bool steil : {false, true}) {
            const Schrittfolge::Beschriftung b = Schrittfolge::Beschriftungen(z.phase, steil);
            EXPECT_EQ(b.nach, Schrittfolge::Name(steil ? z.weiterSteil : z.weiterFlach)) << z.phase;
            if (z.phase > 0) {
                EXPECT_EQ(b.vorher, Schrittfolge::Name(steil ? z.zurueckSteil : z.zurueckFlach)) << z.phase;
            }
        }
    }
    EXPECT_EQ(Schrittfolge::Name(8), QStringLiteral("Grundriß"));
    EXPECT_EQ(Schrittfolge::Name(10), QStringLiteral("Geographische Ausrichtung"));
    EXPECT_EQ(Schrittfolge::Name(19), QStringLiteral("ENDE"));
}

TEST(Schrittfolge, TheZoneOfTheClosedOutlineGoesAndComesBack)
{
    Haus h;
    h.Zonen = 2; // the closed outline and the empty zone its closing appended
    h.Phase = 8;
    StillerNotifier n;
    Schrittfolge::Weiter(h, n);
    EXPECT_EQ(h.Zonen, 1);
    Schrittfolge::Zurueck(h);
    EXPECT_EQ(h.Phase, 8);
    EXPECT_EQ(h.Zonen, 2);
    for (int i = 0; i < 3; ++i) {
        Schrittfolge::Weiter(h, n);
        Schrittfolge::Zurueck(h);
    }
    EXPECT_EQ(h.Zonen, 2) << "alternating leaves it unchanged";
    // Other steps leave the zones alone.
    h.Phase = 13;
    Schrittfolge::Zurueck(h);
    Schrittfolge::Weiter(h, n);
    EXPECT_EQ(h.Zonen, 2);
}

TEST(Schrittfolge, LeavingStepsDoTheirWork)
{
    Haus h;
    h.m_aWand.SetSize(1);
    h.m_aWand[0].m_plane.ID = 104010100; // zone 1, storey wall
    h.m_aWand[0].Flaeche = 99;
    StillerNotifier n;

    h.Phase = 15;
    Schrittfolge::Weiter(h, n);
    EXPECT_EQ(h.Phase, 17);
    EXPECT_FALSE(h.m_aWand[0].Kurzname.empty()) << "labels made on leaving 15";

    // Leaving 17 computes the net areas: a wall without a plane has none.
    Schrittfolge::Weiter(h, n);
    EXPECT_EQ(h.Phase, 18);
    EXPECT_EQ(h.m_aWand[0].Flaeche, 0);

    h.m_aBedarf[0].Waermebedarf = -1;
    Schrittfolge::Weiter(h, n);
    EXPECT_EQ(h.Phase, 19);
    EXPECT_NE(h.m_aBedarf[0].Waermebedarf, -1) << "the existing state's demand computed on leaving 18";

    // Next at 19 and Previous at 0 keep the step.
    Schrittfolge::Weiter(h, n);
    EXPECT_EQ(h.Phase, 19);
    h.Phase = 0;
    Schrittfolge::Zurueck(h);
    EXPECT_EQ(h.Phase, 0);
}

} // namespace
} // namespace zeva
