#pragma once
// What the input pages of the project data, the heating and the windows
// compute before they write into the house, kept here so that the pages only
// show and ask.
#include "model/DFenster.h"
#include "model/DHeizung.h"
#include "model/Plane.h"

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
