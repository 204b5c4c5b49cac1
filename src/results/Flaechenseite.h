#pragma once
// The areas and volumes of a house as the page "Volumen und Flächen" lists
// them: volumes, the envelope, the windows by orientation and the opaque
// component groups, each area with the area-weighted mean U-value of its
// components.
#include <array>
#include <string>

namespace zeva {

class Haus;

// An area and the sum of area × U-value of its components.
struct Flaechensumme {
    double flaeche = 0;
    double flaecheMalU = 0;
    void Addiere(double a, double u)
    {
        flaeche += a;
        flaecheMalU += a * u;
    }
    // Σ(A·U) / ΣA; 0 for an empty set.
    double MittlererUWert() const { return flaeche > 0 ? flaecheMalU / flaeche : 0.0; }
};

struct Flaechenkennzahlen {
    double bruttovolumen = 0; // 1.25 × the heated air volume
    double luftvolumen = 0;
    double huellflaeche = 0;                 // every window and opaque component
    std::array<Flaechensumme, 8> fensterNach; // orientation 0 north … 7 north-west
    Flaechensumme fenster;
    Flaechensumme wandUnbeheizt; // walls bordering unheated spaces (3 to 6)
    Flaechensumme wandAussenluft;
    Flaechensumme wandErdreich;
    Flaechensumme wand; // all walls, whatever they border
    Flaechensumme decke;
    Flaechensumme steildach;
    Flaechensumme flachdach;
    Flaechensumme boden;
    double energiebezugsflaeche = 0;
};

Flaechenkennzahlen BerechneFlaechenkennzahlen(const Haus& haus);

// The page: the title with the close link "#close", the project's
// description, the 21 rows (classes alternating from "evenLine") and the
// table's end.
std::string Flaechenseite(const Haus& haus);

} // namespace zeva
