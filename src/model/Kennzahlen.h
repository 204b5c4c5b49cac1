#pragma once
// The figures that the result panes, the variant pane and the report derive
// from a building state, computed in one place so that all of them show the
// same numbers.
#include "model/DBedarf.h"
#include "model/DHeizung.h"
#include "model/Klimadaten.h"

#include <array>
#include <string>

namespace zeva {

class DOptionen;
class Haus;

// ---- Heat-demand view (kWh/m²a)

// "Heizwärmebedarf": methods 0 and 1 store the gross losses, from which the
// usable gains come off; method 2 stores the demand after gains.
double Heizwaermebedarf(const DBedarf& bedarf, int berechnungsverfahren);
// "Heizenergiebedarf": the fuel energy of methods 0 and 1; method 2 has none
// (0).
double Heizenergiebedarf(const DBedarf& bedarf, int berechnungsverfahren);
// The figure a variant saves on: the fuel energy of methods 0 and 1, the
// heat demand of method 2, which has no fuel balance.
double Endbedarf(const DBedarf& bedarf, int berechnungsverfahren);
// The usable internal and solar gains as the energy balance counts them:
// method 2 counts every gain, the monthly methods their usable share.
double NutzbareInterneGewinne(const DBedarf& bedarf, int berechnungsverfahren);
double NutzbareSolareGewinne(const DBedarf& bedarf, int berechnungsverfahren);
// "EnEV", "SIA 380/1", "WSVO´95"; empty for any other code.
std::string Verfahrensname(int berechnungsverfahren);

// ---- Fuel of a heating record, as the heating pane shows it

// "Gas", "Öl", "Fester Brennstoff" (wood), "Strom"; every other code
// "Sonstige".
std::string BrennstoffAnzeige(int brennstoff);
// "m³", "l", "kg", "kWh"; every other code "kWh".
std::string BrennstoffMengeneinheit(int brennstoff);
// Fuel quantity per m² and year in the unit of BrennstoffMengeneinheit; a
// fuel the heating record knows no factor for counts in kWh.
double BrennstoffmengeProQm(const DBedarf& bedarf, const DHeizung& heizung);
// The same for the whole house.
double BrennstoffmengeGesamt(const DBedarf& bedarf, const DHeizung& heizung, double energiebezugsflaeche);
// CO2 of the heating in kg per m² and year; a fuel without a known factor
// gives 0.
double Co2ProQm(const DBedarf& bedarf, const DHeizung& heizung);
// CO2 of the heating of the whole house in t per year.
double Co2Gesamt(const DBedarf& bedarf, const DHeizung& heizung, double energiebezugsflaeche);
// Heating costs in EUR per m² and year, with the options' price of the fuel.
double HeizkostenProQm(const DBedarf& bedarf, const DHeizung& heizung, const DOptionen& optionen);
// Heating costs of the whole house in EUR per year.
double HeizkostenGesamt(const DBedarf& bedarf, const DHeizung& heizung, const DOptionen& optionen,
                        double energiebezugsflaeche);

// ---- Key figures of a variant

// The CO2 of a variant's measures in t (the record holds kg).
double Co2SanierungTonnen(const DBedarf& bedarf);
// A figure of the whole house per m² of the heated area; 0 without an area.
double ProQm(double wert, double energiebezugsflaeche);

// ---- Savings of a variant by component group

// The groups in the order of the renovation details: Dach (flat and pitched
// roofs), Decke, Wand, Fenster, Boden, Heizung (the losses of the heating).
inline constexpr int AnzahlEinsparungsgruppen = 6;

struct Gruppeneinsparungen {
    std::array<double, AnzahlEinsparungsgruppen> gruppen{};
    // What the variant saves as a whole; the groups alone miss how the
    // measures act together (lost solar gains of new glazing, a smaller
    // usable share of the gains, another fuel).
    double gesamt = 0;
    double Gruppensumme() const;
    double Wechselwirkung() const { return gesamt - Gruppensumme(); }
    // The groups and the whole rounded to the digits a table shows; the
    // interaction then is what makes the shown rows add up to the shown sum.
    Gruppeneinsparungen Gerundet(int signifikant) const;
    // The same for money: the groups and the whole in whole euros.
    Gruppeneinsparungen InGanzenEuro() const;
};

// Computes states 0 and n of the house: demand, costs, CO2, KEA, each for 0
// then n (the heat demand as the house's method gives it). Every view of a
// variant computes it so, on a copy of the document's house, before it shows
// a figure: the stored records may belong to another method or options.
void BerechneZustaende(Haus& haus, int n, const DOptionen& optionen);

// Energy saved per year (kWh/a) of variant n against the existing state, by
// the house's method; all zero for a state the house does not have or n < 1.
Gruppeneinsparungen Energieeinsparungen(const Haus& haus, int n);
// Heating costs saved per year (EUR/a), each state at its own fuel's price.
Gruppeneinsparungen Heizkosteneinsparungen(const Haus& haus, int n, const DOptionen& optionen);

// ---- How a variant was made

struct ZielfunktionText {
    std::string art;          // "Manuell" or "Automatisch"
    // The criterion of an automatic variant ("Unbekannt" for a code the
    // program does not know: still a variant it did not make by hand), empty
    // for a manual one.
    std::string beschreibung;
};
// The limit is shown with German grouping, e.g. 10000 as "10.000" and 45.5
// as "45,5".
ZielfunktionText BeschreibeZielfunktion(int zielfunktion, double grenze);

// ---- Report

// Sum of the twelve monthly degree days of the climate tables.
double JahresGradtage(const Klimadaten& klima);

} // namespace zeva
