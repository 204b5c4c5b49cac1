#include "model/SanierungsZeile.h"

#include <gtest/gtest.h>

#include <vector>

namespace zeva {
namespace {

struct PreisFall {
    const char* was;
    int innen, zwischen, aussen;
    bool gesetzt;
    int verwendung;
    double proQm;
    double fix;
};

// Zusatzkosten 40, Sowiesokosten 10 per m²; Zusatzkostenfix 300,
// Sowiesokostenfix 100.
SanZeileOpaque Zeile(int innen, int zwischen, int aussen)
{
    SanZeileOpaque z;
    z.Innen = innen;
    z.Zwischen = zwischen;
    z.Aussen = aussen;
    z.Zusatzkosten = 40;
    z.Sowiesokosten = 10;
    z.Zusatzkostenfix = 300;
    z.Sowiesokostenfix = 100;
    return z;
}

void Pruefe(SanPreisWeg weg, const std::vector<PreisFall>& faelle)
{
    for (const auto& f : faelle) {
        SanPreis p{7, -1, -1};
        const bool gesetzt = BerechneSanPreis(Zeile(f.innen, f.zwischen, f.aussen), weg, p);
        ASSERT_EQ(gesetzt, f.gesetzt) << f.was;
        if (!gesetzt) {
            // Nothing is handed back, so the caller keeps what it had.
            EXPECT_EQ(p.Verwendung, 7) << f.was;
            EXPECT_EQ(p.PreisProQm, -1) << f.was;
            continue;
        }
        EXPECT_EQ(p.Verwendung, f.verwendung) << f.was;
        EXPECT_DOUBLE_EQ(p.PreisProQm, f.proQm) << f.was;
        EXPECT_DOUBLE_EQ(p.Preisfix, f.fix) << f.was;
    }
}

TEST(SanierungsPreis, OptimiererWeg)
{
    Pruefe(SanPreisWeg::Optimierer,
           {
               {"inside: both per-m² sums, no fixed price", 1, 0, 0, true, 0, 50, 0},
               {"outside: additional costs alone", 0, 0, 1, true, 1, 40, 0},
               {"core fill: both sums", 0, 1, 0, true, 2, 50, 0},
               {"inside wins over outside", 1, 0, 1, true, 0, 50, 0},
               {"outside is tested before core fill", 0, 1, 1, true, 1, 40, 0},
               {"any non-zero value counts as set", 0, -3, 0, true, 2, 50, 0},
               {"no column set: nothing", 0, 0, 0, false, 0, 0, 0},
           });
}

TEST(SanierungsPreis, AuswahldialogWeg)
{
    Pruefe(SanPreisWeg::Auswahldialog,
           {
               {"inside: both sums, fixed and per m²", 1, 0, 0, true, 0, 50, 400},
               {"core fill: additional costs alone", 0, 1, 0, true, 2, 40, 300},
               {"outside: both sums", 0, 0, 1, true, 1, 50, 400},
               {"inside wins over core fill", 1, 1, 0, true, 0, 50, 400},
               {"core fill is tested before outside", 0, 1, 1, true, 2, 40, 300},
               {"no column set: nothing", 0, 0, 0, false, 0, 0, 0},
           });
}

TEST(SanierungsPreis, Heizkessel)
{
    SanZeileHeizkessel kessel;
    kessel.Preis = 4000;
    // Room-by-room heating: a central heating for 150 m² at 30 EUR/m² comes
    // on top; a central heating only pays for swapping the boiler.
    EXPECT_DOUBLE_EQ(BerechneHeizkesselPreis(kessel, true, 30, 150, 1200), 8500);
    EXPECT_DOUBLE_EQ(BerechneHeizkesselPreis(kessel, false, 30, 150, 1200), 5200);
}

} // namespace
} // namespace zeva
