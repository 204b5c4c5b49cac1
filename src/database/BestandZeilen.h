#pragma once
// Rows of the existing-components data base ("DB/Bestand2000.db") as plain
// values. The record sets of that data base derive from them, so a set's
// members are its current row; the members follow the columns of each table
// in their order (bracketed column names with hyphens or blanks lose them).
#include <string>

namespace zeva {

// [Boden], [Decke], [Flachdach], [Steildach], [Wand]: one construction type.
struct BauteiltypZeile {
    int ID = 0;          // [Boden-ID] .. [Wand-ID]
    int Kategorie = 0;   // 0: stored by the user, the only rows offered for deletion
    std::string Name;    // up to 255 characters, compared exactly in lookups
    std::string Langtext;
    int Warmdach = 0;    // [Flachdach] only: non-zero warm roof, 0 cold roof
    int Schichtzahl = 0; // number of layer rows; > 0: the type has a build-up
    double Dicke = 0;    // m
    double kWert = 0;    // W/(m²K)
    int BaujahrAb = 0;   // first construction year the type is typical for
    int BaujahrBis = 0;  // last one (both inclusive)
    std::string Bitmappfad;
};

// [Bodenschicht] .. [Wandschicht]: one layer of a construction type.
struct SchichtaufbauZeile {
    int LfdNr = 0;    // assigned by the data base
    int ID = 0;       // key of the type ([Boden-ID] .. [Wand-ID])
    std::string Name; // "Luftschicht" and "Hinterlüftung" have a meaning of their own
    std::string Langtext;
    int Position = 0;  // 1 = innermost
    double Dicke = 0;  // m
    double Lambda = 0; // W/(mK)
    double Mu = 0;     // a whole number in [Flachdachschicht]
    std::string BitmapPfad;
};

// [Schicht]: one layer material.
struct SchichtmaterialZeile {
    int LfdNr = 0;
    int Kategorie = 0; // byte: a [Kennummer] of [Kategorie]; 0 for the user's materials
    std::string Name;
    std::string Langtext;
    double Lambda = 0;
    double Mu = 0;
    std::string Bitmappfad;
};

// [Kategorie]: a material category.
struct KategorieZeile {
    int Kennummer = 0; // byte
    std::string Bezeichnung;
};

// [Verglasung]: a glazing.
struct VerglasungZeile {
    int VerglasungID = 0;
    double Kategorie = 0; // a double in this table; 0 marks a user row
    std::string Name;
    std::string Langtext;
    double kWert = 0; // [k-Wert], W/(m²K)
    double gWert = 0; // [g-Wert], a fraction (0.6, not 60)
    std::string Bitmappfad;
};

// [Rahmen]: a window frame.
struct RahmenZeile {
    int RahmenID = 0;
    double Kategorie = 0;
    std::string Name;
    std::string Langtext;
    double kWert = 0; // [k-Wert], W/(m²K)
    std::string Bitmappfad;
};

// [Heizkessel]: a boiler of the existing building.
struct HeizkesselZeile {
    int HeizungID = 0;
    int Kategorie = 0;
    std::string Name;
    std::string Langtext;
    double Kesselleistung = 0;       // kW
    double Abgasverlust = 0;         // fractions ...
    double Strahlungsverlust = 0;
    double Bereitschaftsverlust = 0;
    double Kesselnutzungsgrad = 0;   // ... (0 when the losses describe the boiler)
    int Brennstoff = 0;              // fuel code of the heating record
    int BaujahrAb = 0;
    int BaujahrBis = 0;
    std::string Bitmappfad;
};

// [Versionsnummer]: the file's version row (never read by the program).
struct VersionsnummerZeile {
    int ID = 0;
    int VersionNr = 0;  // [Version-Nr], byte
    std::string Datum;  // ISO date text
};

} // namespace zeva
