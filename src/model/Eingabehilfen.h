#pragma once
// What the input pages of the project data, the heating and the windows
// compute before they write into the house, kept here so that the pages only
// show and ask.
#include "model/DFenster.h"
#include "model/DHeizung.h"
#include "model/Plane.h"

#include <optional>
#include <span>

namespace zeva {

// The house's electricity gains (MJ per m² and year) from the yearly
// electricity consumption (kWh) and the usable area (m²); 0 for an area
// below 1 m².
double ElektrizitaetAusStromverbrauch(double stromverbrauchKWh, double nutzflaeche);

// The climate zone of an entry of the project page's region list: entry 0
// ("0: Klimadaten nach DIN 4108-6") is zone 13, entry k zone k.
int KlimazoneAusAuswahl(int eintrag);

// The heating page's checks of the existing heating; true when the page may
// go on without asking. The annual demand in MJ must fit into the boiler's
// power over its standby time; the standard heat load (kW) into its power.
bool KesselDecktWaermebedarf(double waermebilanzMJ, const DHeizung& heizung);
bool KesselDecktNormwaermebedarf(double normwaermebedarfKW, const DHeizung& heizung);

// The questions the heating page asks when a check fails (Yes goes on).
inline constexpr const char* WarnungWaermebedarf =
    "Warnung: Mit der angegebenen Kesselleistung und Einschaltdauer kann der Wärmebedarf des Gebäudes nicht "
    "gedeckt werden. Trotzdem fortsetzen?";
inline constexpr const char* WarnungNormwaermebedarf =
    "Warnung: Mit der angegebenen Kesselleistung kann der Normwärmebedarf des Gebäudes nicht gedeckt werden. "
    "Trotzdem fortsetzen?";

// The kinds of heat distribution a heating page and the options offer, with
// the distribution efficiency each one stands for (per cent).
struct Verteilungsart {
    const char* text;
    double prozent;
};
inline constexpr Verteilungsart Verteilungsarten[4] = {
    {"Stockwerksheizung mit (mehreren) Wärmeerzeugern in den Räumen", 100},
    {"Stockwerksheizung mit einem Wärmeerzeuger innerhalb der Wohnung", 98},
    {"Zentralheizung (Wärmeerzeugung im Gebäude)", 96},
    {"Blockheizung (Wärmeerzeugung für mehrere Gebäude)", 93},
};

// The single-room heaters of each fuel (Brennstoff code) with their
// efficiency in per cent; the fuels 4 to 7 have none.
struct Einzelheizgeraet {
    int brennstoff;
    const char* name;
    double prozent;
};
inline constexpr Einzelheizgeraet Einzelheizgeraete[16] = {
    {BrennstoffGas, "Raumheizstrahler", 88},
    {BrennstoffGas, "Gasheizstrahler", 73},
    {BrennstoffGas, "Gasraumheizer", 83},
    {BrennstoffGas, "Außenwand-Gasraumheizer", 83},
    {BrennstoffGas, "Flüssiggasheizgerät", 83},
    {BrennstoffOel, "Ölofen mit Schornsteinanschluß", 75},
    {BrennstoffHolz, "offener Kamin", 18},
    {BrennstoffHolz, "Kamineinsatzofen", 70},
    {BrennstoffHolz, "Kachelofen", 70},
    {BrennstoffHolz, "Durchbrandofen", 68},
    {BrennstoffHolz, "Unterbrandofen", 73},
    {BrennstoffHolz, "Universal-Dauerbrandofen", 70},
    {BrennstoffStrom, "Direktheizgerät", 98},
    {BrennstoffStrom, "Direkt-Flächenheizung", 98},
    {BrennstoffStrom, "Speicherheizgerät", 98},
    {BrennstoffStrom, "Speicher-Flächenheizung", 98},
};

// The boiler as the heating page's fields describe it: power (kW), hours
// switched on per year, and the losses and the distribution efficiency in
// per cent.
struct Kesselkennwerte {
    double nennleistung = 0;
    double einschaltdauer = 0;
    double abgasverlust = 0;
    double strahlungsverlust = 0;
    double bereitschaftsverlust = 0;
    double verteilungsnutzungsgrad = 0;
};

// Whether the fields can give an annual efficiency at all, before the heat
// balance is asked: distribution above 1 %, each loss from 0 to 100 %, power
// above 0.1 kW and 0 to 8760 hours.
bool KesselkennwerteBrauchbar(const Kesselkennwerte& k);

// The boiler's annual efficiency in per cent (4 significant digits) for the
// annual heat demand q (MJ), computed from its losses. Nothing when the
// fields are not usable, when the boiler cannot deliver q in its hours
// (power × hours × 3.6 must exceed q) or when all three losses are 0 (the
// efficiency then describes the boiler by itself). With a result the heating
// has taken the fields (fractions) as a central heating, and its annual
// efficiency and full-load hours are those of the result.
std::optional<double> KesselnutzungsgradAusVerlusten(double q, const Kesselkennwerte& k, DHeizung& heizung);

// Gives the windows of a carrying surface their planes, in the order given
// (a window's index is its number on the carrier): a flat rectangle of the
// window's area, the carrier's Traeger1ID, the carrier's ID as Traeger2ID,
// its GaubenID and FassadenID, and the window ID of the carrier. belegteIDs
// are IDs already given to other windows of the same carrying surface (on its
// other part areas); none of them is given again. False when a carrier holds
// more windows than it has numbers; those windows keep their old ID.
bool SetzeFensterPlanes(const Plane& traeger, std::span<DFenster* const> fenster,
                        std::span<const std::int32_t> belegteIDs = {});

} // namespace zeva
