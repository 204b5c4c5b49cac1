#pragma once
// One row of a renovation-measure table, as plain values. The data-base layer
// fills these from its record sets; the component records and the heating
// record take a measure from them, so the model never sees a data base.
//
// The members follow the columns of each table in their order.
#include <cstdint>
#include <string>

namespace zeva {

// Row of SanWand, SanBoden, SanDecke and SanSteildach.
struct SanZeileOpaque {
    std::int32_t ID = 0;
    std::int32_t Kategorie = 0;
    std::string Name;      // up to 255 characters
    std::string Langtext;  // up to 2048 characters
    std::int32_t Innen = 0;    // non-zero: the measure can be applied inside
    std::int32_t Zwischen = 0; // ... as a core or cavity fill
    std::int32_t Aussen = 0;   // ... outside
    std::string Schichten; // up to 255 characters
    double kWert = 0;      // W/(m²K)
    double Dicke = 0;      // m
    double Lebensdauer = 0; // years
    double Sowiesokostenfix = 0; // EUR
    double Sowiesokosten = 0;    // EUR/m²
    double Zusatzkostenfix = 0;  // EUR
    double Zusatzkosten = 0;     // EUR/m²
    double KEA = 0; // per m²
    double CO2 = 0; // per m²
    std::string Bitmappfad; // up to 255 characters
};

using SanZeileWand = SanZeileOpaque;
using SanZeileBoden = SanZeileOpaque;
using SanZeileDecke = SanZeileOpaque;
using SanZeileSteildach = SanZeileOpaque;

// Row of SanFlachdach: the opaque columns with Warmdach after Langtext.
struct SanZeileFlachdach {
    std::int32_t ID = 0;
    std::int32_t Kategorie = 0;
    std::string Name;
    std::string Langtext;
    std::int32_t Warmdach = 0; // 1 warm roof, 0 cold roof
    std::int32_t Innen = 0;
    std::int32_t Zwischen = 0;
    std::int32_t Aussen = 0;
    std::string Schichten;
    double kWert = 0;
    double Dicke = 0;
    double Lebensdauer = 0;
    double Sowiesokostenfix = 0;
    double Sowiesokosten = 0;
    double Zusatzkostenfix = 0;
    double Zusatzkosten = 0;
    double KEA = 0;
    double CO2 = 0;
    std::string Bitmappfad;

    // The same row without the roof kind, which no measure setting reads.
    SanZeileOpaque AlsOpaque() const;
};

// Row of SanFenster.
struct SanZeileFenster {
    std::int32_t FensterID = 0;
    std::int32_t Kategorie = 0;
    std::string Name;
    std::string Langtext;
    double kWertGlas = 0;   // W/(m²K)
    double gWert = 0;       // fraction
    double kWertRahmen = 0; // W/(m²K)
    std::int32_t Rahmenaustausch = 0; // non-zero: the measure replaces the frame as well
    double Lebensdauer = 0;
    double Sowiesokostenfix = 0;
    double Sowiesokosten = 0;
    double Zusatzkostenfix = 0;
    double Zusatzkosten = 0;
    double KEA = 0;
    double CO2 = 0;
    std::string Bitmappfad;
};

// Row of SanHeizkessel (read by the heating record).
struct SanZeileHeizkessel {
    std::int32_t HeizungID = 0;
    std::int32_t Kategorie = 0;
    std::string Name;
    std::string Langtext;
    double LeistungAb = 0;  // kW, column [Leistung ab]
    double LeistungBis = 0; // kW, column [Leistung bis]
    double Abgasverlust = 0;         // fraction
    double Strahlungsverlust = 0;    // fraction
    double Bereitschaftsverlust = 0; // fraction
    double Kesselnutzungsgrad = 0;   // fraction
    std::int32_t Brennstoff = 0;     // fuel code of the heating record
    double Lebensdauer = 0; // years
    double Preis = 0;       // EUR
    double KEA = 0;
    double CO2 = 0;
    std::string Bitmappfad;
};

// Where a measure price is asked for. The optimiser takes a row's price by
// one rule; the browse dialogs of the manual measure pages by another (they
// also hand back a fixed price and rank core fill before outside).
enum class SanPreisWeg {
    Optimierer,
    Auswahldialog,
};

struct SanPreis {
    std::int32_t Verwendung = -1; // 0 inside, 1 outside, 2 core fill: the column that decided
    double PreisProQm = 0;        // EUR/m²
    double Preisfix = 0;          // EUR; always 0 on the optimiser's path
};

// The price of a row on the given path; false when none of Innen, Zwischen,
// Aussen is set (the caller then keeps what it had).
bool BerechneSanPreis(const SanZeileOpaque& zeile, SanPreisWeg weg, SanPreis& preis);

// Price of a replacement boiler as the boiler browse dialog hands it back:
// the row's Preis plus, when the variant heats room by room, a new central
// heating (the options' Zentralheizung per m² of Energiebezugsflaeche), else
// the options' HeizkesselTauschen for swapping the boiler.
double BerechneHeizkesselPreis(const SanZeileHeizkessel& zeile, bool einzelraumheizung, double zentralheizung,
                               double energiebezugsflaeche, double heizkesselTauschen);

} // namespace zeva
