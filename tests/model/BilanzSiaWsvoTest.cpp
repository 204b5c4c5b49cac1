// Method 1 (SIA 380/1, monthly degree-day balance) and method 2 (WSVO´95,
// annual balance with fixed values).
#include "BilanzTestHaus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace zeva {
namespace {

using test::Fenster;
using test::LeeresHaus;
using test::Opak;
using test::Rechne;

struct Bauteilfall {
    const char* name;
    std::function<void(Haus&)> baue;
    double DBedarf::*summe;
    double soll;
};

auto Wand(int code) { return [code](Haus& h) { h.m_aWand.Add(Opak<DWand>(100, 1, code)); }; }
auto Boden(int code) { return [code](Haus& h) { h.m_aBoden.Add(Opak<DBoden>(100, 1, code)); }; }
auto Decke(int code) { return [code](Haus& h) { h.m_aDecke.Add(Opak<DDecke>(100, 1, code)); }; }
auto Flachdach(int code) { return [code](Haus& h) { h.m_aFlachdach.Add(Opak<DFlachdach>(100, 1, code)); }; }
void Steildach(Haus& h) { h.m_aSteildach.Add(Opak<DSteildach>(100, 1)); }

// One component of 100 m² with U 1 on 100 m², 10 °C outside all year,
// heating days = days, 16 K·d per day, no ventilation. Through the degree
// days it loses 100 · 5840 · 0.0864 MJ = 140.16 kWh/m²; against an offset Δ
// (20 − 10 − Δ) · 365 · 100 · 0.0864 MJ = (10 − Δ) · 8.76 kWh/m².
TEST(MonatsbilanzSIA, TemperaturdifferenzNachAngrenzung)
{
    const Bauteilfall faelle[] = {
        {"Wand Außenluft", Wand(0), &DBedarf::Wandsumme, 140.16},
        {"Wand beheizt", Wand(1), &DBedarf::Wandsumme, 0},
        {"Wand Erdreich", Wand(2), &DBedarf::Wandsumme, 70.08},
        {"Wand unbeheizt + 2°C", Wand(3), &DBedarf::Wandsumme, 70.08},
        {"Wand unbeheizt + 4°C", Wand(4), &DBedarf::Wandsumme, 52.56},
        {"Wand unbeheizt + 6°C", Wand(5), &DBedarf::Wandsumme, 35.04},
        {"Wand unbeheizt + 8°C", Wand(6), &DBedarf::Wandsumme, 17.52},
        {"Boden Außenluft", Boden(0), &DBedarf::Bodensumme, 140.16},
        {"Boden beheizt", Boden(1), &DBedarf::Bodensumme, 0},
        {"Boden Erdreich", Boden(2), &DBedarf::Bodensumme, 52.56},
        {"Boden unbeheizt + 2°C", Boden(3), &DBedarf::Bodensumme, 70.08},
        {"Boden unbeheizt + 8°C", Boden(6), &DBedarf::Bodensumme, 17.52},
        {"Decke beheizt", Decke(0), &DBedarf::Deckesumme, 0},
        {"Decke unbeheizt + 2°C", Decke(1), &DBedarf::Deckesumme, 70.08},
        {"Decke unbeheizt + 4°C", Decke(2), &DBedarf::Deckesumme, 52.56},
        {"Decke unbeheizt + 6°C", Decke(3), &DBedarf::Deckesumme, 35.04},
        {"Decke unbeheizt + 8°C", Decke(4), &DBedarf::Deckesumme, 17.52},
        {"Flachdach", Flachdach(1), &DBedarf::Flachdachsumme, 140.16},
        {"Steildach", Steildach, &DBedarf::Steildachsumme, 140.16},
    };
    for (const Bauteilfall& f : faelle) {
        SCOPED_TRACE(f.name);
        Haus h;
        LeeresHaus(h, 100, 0);
        for (std::size_t m = 0; m < 12; ++m)
            h.Aussentemperatur[m] = 10;
        f.baue(h);
        const double y = Rechne(h, BerechnungSIA);
        const DBedarf& b = h.m_aBedarf[0];
        EXPECT_NEAR(b.*(f.summe), f.soll, 1e-9);
        EXPECT_NEAR(b.Waermebedarf, f.soll, 1e-9);
        EXPECT_NEAR(y, 360 * f.soll, 1e-6); // MJ of the whole house
    }
}

// A component against an unheated neighbour or the ground never gains heat:
// a month whose offset exceeds the temperature difference contributes 0.
TEST(MonatsbilanzSIA, NegativeDifferenzZaehltNull)
{
    Haus h;
    LeeresHaus(h, 100, 0);
    for (std::size_t m = 0; m < 12; ++m)
        h.Aussentemperatur[m] = 10;
    h.Aussentemperatur[5] = 19; // June: 20 − 19 − 2 = −1 for the wall against ground
    h.Aussentemperatur[6] = 15; // July: 20 − 15 − 4 = 1 for the floor against ground
    h.m_aWand.Add(Opak<DWand>(100, 1, 2));
    h.m_aBoden.Add(Opak<DBoden>(100, 1, 2));
    Rechne(h, BerechnungSIA);
    const double proKelvinTag = 100 * 0.0864 / 360; // kWh/m² per K and heating day
    EXPECT_EQ(h.MonatWand[5], 0);
    EXPECT_NEAR(h.MonatWand[4], 8 * 31 * proKelvinTag, 1e-12);
    EXPECT_NEAR(h.MonatBoden[6], 1 * 31 * proKelvinTag, 1e-12);
    // Every month at 8 K but June (0) and July (20 − 15 − 2 = 3 K).
    EXPECT_NEAR(h.m_aBedarf[0].m_aBedWand[0], (8 * (365 - 30 - 31) + 3 * 31) * proKelvinTag, 1e-9);
}

// With a reference area of at most 1 m² every per-area value is 0; the
// total of the house is still returned.
TEST(MonatsbilanzSIA, KleineBezugsflaeche)
{
    for (const double flaeche : {1.0, 0.0}) {
        SCOPED_TRACE(flaeche);
        Haus h;
        LeeresHaus(h, flaeche, 0);
        h.m_aWand.Add(Opak<DWand>(100, 1, 0));
        h.m_aFenster.Add(Fenster(10, 4, 0, 1, 1, 0.3, 0.6));
        const double y = Rechne(h, BerechnungSIA);
        EXPECT_NEAR(y, 100 * 5840 * 0.0864 + 10 * 5840 * 0.0864, 1e-6);
        for (const double w : test::AlleErgebnisse(h))
            EXPECT_EQ(w, 0);
    }
}

// The utilisation of the gains follows the polynomial below γ = 2.4685 and
// 1/γ from there on (the two meet to 5e-6); here γ is set through the electricity use against a wall that
// loses 138.24 MJ per heating day.
TEST(MonatsbilanzSIA, Nutzungsgrad)
{
    struct Fall {
        double gamma;
        double eta; // computed by hand
    };
    const Fall faelle[] = {{0.5, 0.954861612515042}, {1, 0.7983333333333333}, {2, 0.4622222222222223},
                           {2.4684999, 0.4050993419755362}, {2.4686, 1 / 2.4686}, {3, 1.0 / 3}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.gamma);
        Haus h;
        LeeresHaus(h, 100, 0);
        h.Personenzahl = 0;
        h.Elektrizitaet = f.gamma * 365 * 138.24 / 70;
        h.m_aWand.Add(Opak<DWand>(100, 1, 0));
        Rechne(h, BerechnungSIA);
        const DBedarf& b = h.m_aBedarf[0];
        EXPECT_NEAR(b.Elektrizitaet, h.Elektrizitaet * 70 / 360, 1e-9);
        EXPECT_NEAR(b.ElektrizitaetNutzbar, f.eta * b.Elektrizitaet, 1e-9);
        EXPECT_NEAR(test::Summe(h.MonatIntern), b.ElektrizitaetNutzbar, 1e-9);
    }
}

// Solar gains of a window: (1 − Ra) · I · 3.6 · (HT/days) · Reduktionsfaktor ·
// g · area · r · 0.85 MJ with r = 0.6 + 0.4 · HT/days. A month with half its
// days heated gets half the irradiation and r = 0.8. A month without degree
// days has no losses: its gain is counted but none of it is used.
TEST(MonatsbilanzSIA, SolargewinnUndMonateOhneVerluste)
{
    Haus h;
    LeeresHaus(h, 100, 0);
    h.Elektrizitaet = 0;
    h.Personenzahl = 0;
    h.m_aFenster.Add(Fenster(10, 6, 0, 1.0, 1.0, 0.2, 0.5, 0.5)); // west, 30 kWh/m²
    h.Heiztage[0] = 15.5;
    h.Gradtage[6] = 0;
    const double y = Rechne(h, BerechnungSIA);
    const DBedarf& b = h.m_aBedarf[0];
    const double voll = 0.8 * 30 * 3.6 * 0.5 * 0.5 * 10 * 0.85 / 360; // r = 1
    const double januar = 0.8 * 30 * 3.6 * 0.5 * 0.5 * 0.5 * 10 * 0.8 * 0.85 / 360;
    EXPECT_NEAR(b.Fenstergewinnsumme, januar + 11 * voll, 1e-12);
    EXPECT_NEAR(b.m_aBedFenstergewinn[0], b.Fenstergewinnsumme, 1e-12);
    EXPECT_EQ(h.MonatSolar[6], 0);
    EXPECT_EQ(h.MonatFenster[6], 0);
    EXPECT_GT(h.MonatSolar[7], 0);
    EXPECT_NEAR(b.Fenstergewinnnutzbarsumme, test::Summe(h.MonatSolar), 1e-12);
    EXPECT_NEAR(y, 10 * 16 * (365 - 31) * 0.0864, 1e-9);
}

// Shares of U · area · 84 kWh by border code on 100 m² (component 100 m²,
// U 1): roofs and every ceiling but one against a heated room 0.8, walls and
// floors 1 against outside air, 0.5 against ground or an unheated room.
TEST(JahresbilanzWSVO, TransmissionNachAngrenzung)
{
    const Bauteilfall faelle[] = {
        {"Flachdach", Flachdach(0), &DBedarf::Flachdachsumme, 67.2},
        {"Flachdach mit Angrenzung", Flachdach(1), &DBedarf::Flachdachsumme, 67.2},
        {"Steildach", Steildach, &DBedarf::Steildachsumme, 67.2},
        {"Decke beheizt", Decke(0), &DBedarf::Deckesumme, 0},
        {"Decke unbeheizt + 2°C", Decke(1), &DBedarf::Deckesumme, 67.2},
        {"Decke unbeheizt + 8°C", Decke(4), &DBedarf::Deckesumme, 67.2},
        {"Wand Außenluft", Wand(0), &DBedarf::Wandsumme, 84},
        {"Wand beheizt", Wand(1), &DBedarf::Wandsumme, 0},
        {"Wand Erdreich", Wand(2), &DBedarf::Wandsumme, 42},
        {"Wand unbeheizt + 8°C", Wand(6), &DBedarf::Wandsumme, 42},
        {"Boden Außenluft", Boden(0), &DBedarf::Bodensumme, 84},
        {"Boden beheizt", Boden(1), &DBedarf::Bodensumme, 0},
        {"Boden Erdreich", Boden(2), &DBedarf::Bodensumme, 42},
        {"Boden unbeheizt + 2°C", Boden(3), &DBedarf::Bodensumme, 42},
    };
    for (const Bauteilfall& f : faelle) {
        SCOPED_TRACE(f.name);
        Haus h;
        LeeresHaus(h, 100, 0);
        f.baue(h);
        const double ergebnis = Rechne(h, BerechnungWSVO95);
        EXPECT_NEAR(h.m_aBedarf[0].*(f.summe), f.soll, 1e-9);
        EXPECT_NEAR(ergebnis, 3.6 * 0.9 * 100 * f.soll, 1e-6);
    }
}

// Annual irradiation by orientation, then 275 for a horizontal window and
// nothing for a frame share above 0.4; the gain is g · area · I · 0.46.
TEST(JahresbilanzWSVO, SolarstrahlungNachRichtung)
{
    struct Fall {
        int richtung;
        int neigung;
        double rahmenanteil;
        double strahlung;
    };
    const Fall faelle[] = {
        {4, 0, 0.3, 400}, {4, 1, 0.3, 400}, {2, 0, 0.3, 275}, {3, 0, 0.3, 275}, {5, 0, 0.3, 275},
        {6, 0, 0.3, 275}, {0, 0, 0.3, 160}, {1, 0, 0.3, 160}, {7, 0, 0.3, 160},
        {4, 2, 0.3, 275}, {0, 2, 0.3, 275},  // horizontal
        {4, 0, 0.5, 0},   {4, 2, 0.5, 0},    {4, 0, 0.4, 400}, // frame share
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE("Richtung " + std::to_string(f.richtung) + ", Neigung " + std::to_string(f.neigung) +
                     ", Rahmenanteil " + std::to_string(f.rahmenanteil));
        Haus h;
        LeeresHaus(h, 100, 0);
        h.m_aFenster.Add(Fenster(10, f.richtung, f.neigung, 1.0, 1.0, f.rahmenanteil, 0.5));
        Rechne(h, BerechnungWSVO95);
        const DBedarf& b = h.m_aBedarf[0];
        const double gewinn = 0.5 * 10 * f.strahlung * 0.46 / 100;
        EXPECT_NEAR(b.m_aBedFenstergewinn[0], gewinn, 1e-12);
        EXPECT_NEAR(b.Fenstergewinnsumme, gewinn, 1e-12);
        EXPECT_NEAR(b.Fenstergewinnnutzbarsumme, gewinn, 1e-12);
        EXPECT_EQ(b.m_aBedFenstergewinnnutzbar[0], 0);
        EXPECT_NEAR(b.m_aBedFensterverlust[0], 8.4, 1e-12); // 10 W/K · 84 / 100
    }
}

// Q_T 100 W/K · 84 = 8400, Q_L 22.85 · 100 m³ = 2285, Q_I 1000, Q_S 500:
// Q = 0.9 · 10685 − 1500 = 8116.5 kWh, returned as 29 219.4 MJ.
TEST(JahresbilanzWSVO, Jahresbilanz)
{
    Haus h;
    LeeresHaus(h, 100, 100);
    h.m_aWand.Add(Opak<DWand>(90, 1, 0));
    h.m_aFenster.Add(Fenster(5, 4, 0, 2.0, 1.0, 0.0, 500 / (5 * 400 * 0.46)));
    EXPECT_NEAR(Rechne(h, BerechnungWSVO95), 29219.4, 1e-8);
    const DBedarf& b = h.m_aBedarf[0];
    EXPECT_NEAR(b.Waermebedarf, 81.165, 1e-12);
    EXPECT_NEAR(b.Lueftung, 22.85, 1e-12);
    EXPECT_NEAR(b.Elektrizitaet, 10, 1e-12);
    EXPECT_NEAR(b.Fenstergewinnsumme, 5, 1e-12);
    EXPECT_EQ(b.ElektrizitaetNutzbar, 0);
    EXPECT_EQ(b.Personen, 0);
    EXPECT_EQ(b.PersonenNutzbar, 0);

    h.Nutzungstyp = 2; // an office building: 12.5 kWh per m³
    EXPECT_NEAR(Rechne(h, BerechnungWSVO95), 3.6 * (8116.5 - 250), 1e-8);
    EXPECT_NEAR(h.m_aBedarf[0].Elektrizitaet, 12.5, 1e-12);
}

// Large solar gains make the annual demand negative; it is reported so.
TEST(JahresbilanzWSVO, NegativerBedarf)
{
    Haus h;
    LeeresHaus(h, 100, 0);
    h.m_aFenster.Add(Fenster(100, 4, 0, 0.5, 0.5, 0.0, 0.8));
    const double q = 0.9 * 84 * 50 - 0.8 * 100 * 400 * 0.46; // 3780 − 14720
    EXPECT_NEAR(Rechne(h, BerechnungWSVO95), 3.6 * q, 1e-8);
    EXPECT_NEAR(h.m_aBedarf[0].Waermebedarf, q / 100, 1e-12);
}

} // namespace
} // namespace zeva
