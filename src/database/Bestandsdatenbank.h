#pragma once
// The files of the two data bases and the writes to the existing-components
// data base that keep its tables consistent.
#include "database/Bauteilart.h"
#include "database/BestandZeilen.h"

#include <vector>

namespace zeva {

class SqlDatabase;

// File names in the folder "DB" (see Datenbankdatei for where it lies).
inline constexpr const char* BestandsdatenbankDatei = "Bestand2000.db";
inline constexpr const char* SanierungsdatenbankDatei = "San2kvyke.db";

// The layers of one construction type, innermost first (ascending
// [Position]; equal positions in stored order).
std::vector<SchichtaufbauZeile> LeseSchichtaufbau(SqlDatabase& db, Bauteilart art, int id);

// Appends a construction type and its layers in one write transaction and
// returns its key: the highest key of the table plus 1, read inside the
// transaction (1 in an empty table). The type row gets [Kategorie] 0 and the
// given name, text, [Warmdach] (flat roofs), thickness, U-value, years and
// picture; [Schichtzahl] is the number of layers. The layer rows get the key,
// [Position] 1, 2, ... in list order, name, text, thickness, conductivity and
// µ, a flat-roof layer's µ cut toward zero to a whole number; [LfdNr] and
// [BitmapPfad] are left to the data base; layer rows that an earlier type
// under the same key left behind are removed. Any failure rolls the whole append
// back and throws SqlError.
int SpeichereBauteiltyp(SqlDatabase& db, Bauteilart art, const BauteiltypZeile& typ,
                        const std::vector<SchichtaufbauZeile>& schichten);

// Deletes a construction type and its layer rows in one transaction.
void LoescheBauteiltyp(SqlDatabase& db, Bauteilart art, int id);

// Appends a boiler with [Kategorie] 0 under the highest key plus 1; returns the key.
int SpeichereHeizkessel(SqlDatabase& db, const HeizkesselZeile& kessel);

// Appends a layer material under the category given in the row (the layer
// dialog stores the user's materials under 0); [LfdNr] is the data base's.
void SpeichereSchichtmaterial(SqlDatabase& db, const SchichtmaterialZeile& material);

} // namespace zeva
