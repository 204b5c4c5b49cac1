// Method 0 ("EnEV"), the monthly balance with the constants of DIN V 4108-6,
// and the irradiation on a window that the monthly methods share.
#include "BilanzTestHaus.h"
#include "model/Bilanzhilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace zeva {
namespace {

using test::Fenster;
using test::LeeresHaus;
using test::Opak;

double RechneEnEV(Haus& h)
{
    return test::Rechne(h, BerechnungEnEV);
}

TEST(FensterEinstrahlung, NachRichtungUndNeigung)
{
    Klimadaten k;
    k.StrahlungSued[2] = 40;
    k.StrahlungWest[2] = 25;
    k.StrahlungOst[2] = 16;
    k.StrahlungNord[2] = 9;
    k.StrahlungHorizontal[2] = 90;
    struct Fall {
        int richtung;
        int neigung;
        double soll;
    };
    const Fall faelle[] = {
        {0, 0, 9},  {1, 0, 12}, {2, 0, 16},  {3, 0, std::sqrt(640.0)}, {4, 0, 40},
        {5, 0, std::sqrt(1000.0)}, {6, 0, 25}, {7, 0, 15},
        {4, 1, 60},                     // inclined south: √(40 · 90)
        {0, 1, std::sqrt(810.0)},       // inclined north: √(9 · 90)
        {4, 2, 90}, {0, 2, 90}, {9, 2, 90}, // horizontal: the orientation plays no part
        {8, 0, 0}, {-1, 1, 0},          // unknown orientation
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE("Richtung " + std::to_string(f.richtung) + ", Neigung " + std::to_string(f.neigung));
        EXPECT_NEAR(FensterEinstrahlung(k, 2, f.richtung, f.neigung), f.soll, 1e-12);
        EXPECT_EQ(FensterEinstrahlung(k, 3, f.richtung, f.neigung), 0); // another month
    }
}

// An inclined south window in a month with 40 kWh/m² on the south face and 90
// on the horizontal receives 60; the gain is I · (1 − Ra) · g · area · 0.81 / A.
TEST(MonatsbilanzEnEV, SolargewinnDesGeneigtenSuedfensters)
{
    Haus h;
    LeeresHaus(h, 100, 300);
    for (std::size_t m = 0; m < 12; ++m) {
        h.StrahlungSued[m] = 40;
        h.StrahlungHorizontal[m] = 90;
    }
    h.m_aFenster.Add(Fenster(10, 4, 1, 1.2, 1.6, 0.2, 0.5));
    RechneEnEV(h);
    const double monat = 60 * 0.8 * 0.5 * 10 * 0.81 / 100; // 1.944 kWh/m²
    EXPECT_NEAR(h.MonatSolar[0], monat, 1e-12);
    EXPECT_NEAR(h.m_aBedarf[0].Fenstergewinnsumme, 12 * monat, 1e-12);
    EXPECT_NEAR(h.m_aBedarf[0].m_aBedFenstergewinn[0], 12 * monat, 1e-12);
}

// A window that is all frame gains nothing and loses through the frame only.
TEST(MonatsbilanzEnEV, FensterNurRahmen)
{
    Haus h;
    LeeresHaus(h, 100, 300);
    h.m_aFenster.Add(Fenster(10, 4, 0, 1.1, 1.5, 1.0, 0.6));
    RechneEnEV(h);
    const DBedarf& b = h.m_aBedarf[0];
    EXPECT_EQ(b.Fenstergewinnsumme, 0);
    EXPECT_EQ(b.m_aBedFenstergewinn[0], 0);
    // 1.5 W/(m²K) · 10 m² · 15 K · 8760 h / (100 m² · 1000)
    EXPECT_NEAR(b.Fensterverlustsumme, 19.71, 1e-9);
    EXPECT_NEAR(b.m_aBedFensterverlust[0], 19.71, 1e-9);
}

// Temperature-correction factors by border code: the annual loss of one
// component of 50 m² with U 2 (100 W/K) at 15 K (19 °C inside, 4 °C
// outside) over 8760 h is F · 131.4 kWh/m² on 100 m², F being the factor.
TEST(MonatsbilanzEnEV, Temperaturkorrekturfaktoren)
{
    struct Fall {
        const char* name;
        std::function<void(Haus&)> baue;
        double DBedarf::*summe;
        double faktor;
    };
    const auto wand = [](int code) { return [code](Haus& h) { h.m_aWand.Add(Opak<DWand>(50, 2, code)); }; };
    const auto boden = [](int code, int keller) {
        return [code, keller](Haus& h) {
            h.KellerBeheizt = keller;
            h.m_aBoden.Add(Opak<DBoden>(50, 2, code));
        };
    };
    const auto decke = [](int code) { return [code](Haus& h) { h.m_aDecke.Add(Opak<DDecke>(50, 2, code)); }; };
    const Fall faelle[] = {
        {"Wand Außenluft", wand(0), &DBedarf::Wandsumme, 1.0},
        {"Wand beheizt", wand(1), &DBedarf::Wandsumme, 0.0},
        {"Wand Erdreich, 1/U unter 1", wand(2), &DBedarf::Wandsumme, 0.6},
        {"Wand unbeheizt + 2°C", wand(3), &DBedarf::Wandsumme, 0.5},
        {"Wand unbeheizt + 8°C", wand(6), &DBedarf::Wandsumme, 0.5},
        {"Boden Außenluft", boden(0, 0), &DBedarf::Bodensumme, 0.9},
        {"Boden beheizt", boden(1, 0), &DBedarf::Bodensumme, 0.0},
        {"Boden Erdreich, Keller unbeheizt", boden(2, 0), &DBedarf::Bodensumme, 0.5},
        {"Boden Erdreich, Keller beheizt", boden(2, 1), &DBedarf::Bodensumme, 0.4},
        {"Boden unbeheizt + 4°C", boden(4, 0), &DBedarf::Bodensumme, 0.65},
        {"Decke gegen Beheizt", decke(0), &DBedarf::Deckesumme, 0.8},
        {"Decke unbeheizt + 6°C", decke(3), &DBedarf::Deckesumme, 0.8},
        {"Flachdach", [](Haus& h) { h.m_aFlachdach.Add(Opak<DFlachdach>(50, 2, 1)); }, &DBedarf::Flachdachsumme, 1.0},
        {"Steildach", [](Haus& h) { h.m_aSteildach.Add(Opak<DSteildach>(50, 2)); }, &DBedarf::Steildachsumme, 1.0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Haus h;
        LeeresHaus(h, 100, 300);
        f.baue(h);
        const double ergebnis = RechneEnEV(h);
        const double soll = f.faktor * 131.4; // 100 W/K · 15 K · 8760 h / 100 m² / 1000
        EXPECT_NEAR(h.m_aBedarf[0].*(f.summe), soll, 1e-9);
        // The total: 3.6 · A · (the component plus ventilation 81.6 W/K).
        EXPECT_NEAR(ergebnis, 3.6 * 100 * (soll + 107.2224), 1e-6);
    }
}

// A wall against a heated room loses nothing, but its area still enters the
// thermal-bridge surcharge and with it the time constant and the usable
// gains.
TEST(MonatsbilanzEnEV, BeheizteWandZaehltNurImWaermebrueckenzuschlag)
{
    struct Fall {
        double flaecheBeheizt;
        double nutzbarIntern; // computed by hand from H_T = 100 + 0.1 · ΣA, H_V = 81.6
    };
    const Fall faelle[] = {{0, 42.04675135701427}, {200, 42.04521302210605}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.flaecheBeheizt);
        Haus h;
        LeeresHaus(h, 100, 300);
        for (std::size_t m = 0; m < 12; ++m)
            h.StrahlungSued[m] = h.StrahlungWest[m] = h.StrahlungOst[m] = h.StrahlungNord[m] = 0;
        h.m_aWand.Add(Opak<DWand>(100, 1, 0));
        if (f.flaecheBeheizt > 0)
            h.m_aWand.Add(Opak<DWand>(f.flaecheBeheizt, 1, 1));
        RechneEnEV(h);
        const DBedarf& b = h.m_aBedarf[0];
        EXPECT_NEAR(b.Wandsumme, 131.4, 1e-9);
        if (f.flaecheBeheizt > 0) {
            EXPECT_EQ(b.m_aBedWand[1], 0);
        }
        EXPECT_NEAR(b.ElektrizitaetNutzbar, f.nutzbarIntern, 1e-12);
    }
}

// A month whose gains equal its losses uses a / (a + 1) of them; a month
// without losses uses nothing.
TEST(MonatsbilanzEnEV, AusnutzungsgradBeiGleichenGewinnenUndVerlusten)
{
    Haus h;
    LeeresHaus(h, 100, 100, 0); // internal gains 160 W, no ventilation
    for (std::size_t m = 0; m < 12; ++m) {
        h.StrahlungSued[m] = h.StrahlungWest[m] = h.StrahlungOst[m] = h.StrahlungNord[m] = 0;
        h.StrahlungHorizontal[m] = 0;
        h.Aussentemperatur[m] = 19; // as warm as inside
    }
    h.Aussentemperatur[0] = 3;                 // 10 W/K · 16 K = 160 W in January
    h.m_aWand.Add(Opak<DWand>(10, 1, 0));      // H_T = 10 + 0.1 · 10 = 11 W/K
    RechneEnEV(h);
    const double a = 1 + 50.0 * 100 / 11 / 16; // 29.409…
    const double januar = 160 * 31 * 24 / 100000.0;
    EXPECT_NEAR(h.MonatIntern[0], januar, 1e-12);
    EXPECT_NEAR(h.m_aBedarf[0].ElektrizitaetNutzbar, a / (a + 1) * januar, 1e-12);
    EXPECT_NEAR(h.m_aBedarf[0].Elektrizitaet, 160 * 8760 / 100000.0, 1e-12);
}

// A month warmer than inside has negative losses and uses none of its gains,
// even where the utilisation formula would give a number: with a time
// constant of 16 h the exponent a is exactly 2 and γ² and γ³ of a negative γ
// are finite.
TEST(MonatsbilanzEnEV, WarmeMonateNutzenKeineGewinne)
{
    Haus h;
    LeeresHaus(h, 100, 100, 0);
    for (std::size_t m = 0; m < 12; ++m)
        h.Aussentemperatur[m] = 29;
    h.m_aWand.Add(Opak<DWand>(125, 2.4, 0)); // H_T = 300 + 12.5: τ = 5000 / 312.5 = 16 h
    const double ergebnis = RechneEnEV(h);
    const DBedarf& b = h.m_aBedarf[0];
    EXPECT_NEAR(b.Wandsumme, -300 * 10 * 8760 / 100000.0, 1e-9);
    EXPECT_NEAR(ergebnis, 3.6 * 100 * b.Wandsumme, 1e-6);
    EXPECT_GT(b.Elektrizitaet, 0);
    EXPECT_EQ(b.ElektrizitaetNutzbar, 0);
    EXPECT_EQ(b.Fenstergewinnnutzbarsumme, 0);
}

// Internal gains per m³: 1.92 W for an office building, 1.6 W otherwise.
TEST(MonatsbilanzEnEV, InterneGewinneNachNutzung)
{
    struct Fall {
        int nutzungstyp;
        double januar;
        double februar;
    };
    const Fall faelle[] = {{2, 5.71392, 5.16096}, {0, 4.7616, 4.3008}, {5, 4.7616, 4.3008}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.nutzungstyp);
        Haus h;
        LeeresHaus(h, 250, 1000);
        h.Nutzungstyp = f.nutzungstyp;
        RechneEnEV(h);
        EXPECT_NEAR(h.MonatIntern[0], f.januar, 1e-12);
        EXPECT_NEAR(h.MonatIntern[1], f.februar, 1e-12);
    }
}

// The return value is A · 3.6 · Waermebedarf: 54 000 MJ for 150 kWh/m² on
// 100 m². Months warmer than inside count with their sign.
TEST(MonatsbilanzEnEV, RueckgabeUndNegativeMonate)
{
    Haus h;
    LeeresHaus(h, 100, 300, 0);
    for (std::size_t m = 0; m < 12; ++m)
        h.Aussentemperatur[m] = 19 - 5000.0 / 365; // 5000 K·d over the year
    h.m_aWand.Add(Opak<DWand>(125, 1, 0));
    EXPECT_NEAR(RechneEnEV(h), 54000, 1e-6);
    EXPECT_NEAR(h.m_aBedarf[0].Waermebedarf, 150, 1e-9);

    h.Aussentemperatur[6] = 29; // July 10 K warmer than inside
    const double juli = -125 * 10 * 31 * 24 / 100000.0;
    RechneEnEV(h);
    EXPECT_NEAR(h.MonatWand[6], juli, 1e-12);
    EXPECT_NEAR(h.m_aBedarf[0].Wandsumme, 150 - 125 * (5000.0 / 365) * 31 * 24 / 100000.0 + juli, 1e-9);
}

} // namespace
} // namespace zeva
