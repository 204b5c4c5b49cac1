#pragma once
// The figures that the result panes, the variant pane and the report derive
// from a building state, computed in one place so that all of them show the
// same numbers.
#include "model/DBedarf.h"
#include "model/DHeizung.h"
#include "model/Klimadaten.h"

#include <string>

namespace zeva {

class DOptionen;

// ---- Heat-demand view (kWh/m²a)

// "Heizwärmebedarf": methods 0 and 1 store the gross losses, from which the
// usable gains come off; method 2 stores the demand after gains.
double Heizwaermebedarf(const DBedarf& bedarf, int berechnungsverfahren);
// "Heizenergiebedarf": the fuel energy of methods 0 and 1; method 2 has none
// (0).
double Heizenergiebedarf(const DBedarf& bedarf, int berechnungsverfahren);

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
