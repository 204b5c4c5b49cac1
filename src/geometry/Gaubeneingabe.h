#pragma once
// The dormer input on the unrolled roof face: the picked pitched-roof face is
// turned in plan about its corner lu until its eave runs along x, then drawn
// twice in the plan editor's square: as a side profile in the upper panel
// (depth across, height up) and as a front elevation in the lower panel
// (width across, height up). Five lines fix the shed dormer: three heights
// in the profile (foot of the front wall, top of the front wall, where the
// dormer roof meets the main roof) and its two side edges in the elevation.
// Taking the input over turns the lines back into 3D and builds the dormer
// with its geometry planes, its component planes below the attic ceiling and
// their component records.
//
// Plain arithmetic on the house: the plan editor keeps one of these for its
// step 16, feeds it the mouse, draws its primitives and asks the questions.
#include "geometry/Grundrisseingabe.h"
#include "geometry/Planzeichnung.h"
#include "model/Plane.h"
#include "model/Punkt2DArray.h"

#include <array>
#include <optional>
#include <vector>

namespace zeva {

class Haus;

// The texts of the dormer input.
inline constexpr const char* MeldungGaubeRagtHeraus =
    "Die Geometrie der Gaube ist nicht zulässig.\nGrund: die Gaube ragt über die Dachfläche\nheraus.\n"
    "Überprüfen Sie bitte noch einmal die Einstellungen.";
inline constexpr const char* MeldungGaubeUeberschneidet =
    "Die Geometrie der Gaube ist nicht zulässig.\nGrund: die Gaube überschneidet sich\nmit bereits vorhandenen "
    "Gauben.\nÜberprüfen Sie bitte noch einmal die Einstellungen.";
inline constexpr const char* FrageGaubendatenUebernehmen = "Gaubendaten übernehmen?";
inline constexpr const char* FrageGaubeLoeschen = "Gaube wirklich löschen?";

// The read-outs of the input pane in the dormer step.
namespace gaubenablesung {
inline constexpr int HoeheOben = 1009;
inline constexpr int HoeheMitte = 1010;
inline constexpr int HoeheUnten = 1011;
inline constexpr int Breite = 1330;
} // namespace gaubenablesung

// The five lines, as numbered while one is dragged.
namespace gaubenlinie {
inline constexpr int Keine = 0;
inline constexpr int Oben = 100;
inline constexpr int Mitte = 200;
inline constexpr int Unten = 300;
inline constexpr int Links = 400;
inline constexpr int Rechts = 500;
} // namespace gaubenlinie

// Attic ceiling height of the house: storeys, basement and attic storey.
double Dachgeschossdecke(const Haus& haus);

// Shares of a dormer below the attic ceiling h_c, from the foot of its front
// wall b, the top of its front wall m and the top of its roof t: front wall
// (f_S), footprint depth (f_F) and dormer roof (f_R).
struct Gaubenanteile {
    double front = 0;   // f_S
    double flaeche = 0; // f_F
    double dach = 0;    // f_R
};
Gaubenanteile BerechneGaubenanteile(double b, double m, double t, double hc);

// A copy of the house's plane (of its plane list) with that ID, the first one;
// a default plane (IDs -1) when there is none.
Plane FindePlane(const Haus& haus, int id);
// The face with its corners taken from the house's roof geometry plane (kind
// 90) of equal number, storey and index parts, when there is one: a record's
// plane may hold only the part below the attic ceiling, or a rectangle of
// its area.
Plane MitDachgeometrie(const Haus& haus, const Plane& flaeche);
// The face a new dormer goes on: the first pitched-roof record whose plane has
// that ID, completed from the roof geometry; nullopt without such a record.
std::optional<Plane> DachflaecheFuerGaube(const Haus& haus, int steildachID);
// The face the dormer at that index of the house stands on (its first
// carrier, which is the face's own ID in every zone), completed from the
// roof geometry; nullopt when there is no such dormer or face.
std::optional<Plane> DachflaecheDerGaube(const Haus& haus, int gaubenIndex);
// Index in the house's dormers of the dormer with that ID, -1 for none.
int GaubenIndexVon(const Haus& haus, int gaubenID);
// The ID of the ceiling record a dormer's ceiling area is added to (the first
// attic ceiling of the zone of the dormer's roof face), -1 for none.
int DeckeDerGaube(const Haus& haus, int gaubenID);
// Removes every wall, ceiling, pitched-roof and window record whose plane
// belongs to the dormer (GaubenID), every such plane, and the dormer itself.
void LoescheGaube(Haus& haus, int gaubenID);

class Gaubeneingabe {
public:
    enum class Pruefung { Zulaessig, RagtHeraus, Ueberschneidet };

    // Sets the display up for the face (an index of the house's dormers to
    // edit that dormer, -1 for a new one) in the square W × H of the house.
    void Einrichten(const Haus& haus, const Plane& flaeche, int gaubenIndex);
    // Set up and neither taken over nor discarded.
    bool Offen() const { return m_offen; }
    void Schliesse();

    // Profile and front view from the five lines.
    void Aktualisiere();
    // Width and the three heights above the attic floor, for the input pane.
    Ablesungen Ablesewerte(const Haus& haus) const;

    // Mouse: a press (unsnapped point) picks the lines it lies on, a move
    // (snapped) drags them within the face and in their order, the release
    // ends the drag.
    void Druck(const Punkt2D& p, double fangweite);
    void Bewegung(const Punkt2D& p);
    void Loslassen();

    // Whether the dormer drawn fits the face and misses the other dormers.
    Pruefung Pruefe() const;
    // Builds the dormer into the house (the edited one removed first) and
    // returns its index in the dormer list. The input must be open; the
    // check is the caller's.
    int Baue(Haus& haus);

    // The picture of the dormer step.
    void Zeichne(Zeichenliste& liste) const;

    // Conversions: a face point turned about lu, and a turned point in the
    // lower (front) and upper (profile) panel; a front-view and a profile
    // point back to the house.
    Punkt3D Gedreht(const Punkt3D& p) const;
    Punkt2D ImUnterenPanel(const Punkt3D& gedreht) const;
    Punkt2D ImOberenPanel(const Punkt3D& gedreht) const;
    Punkt3D Zurueck(const Punkt2D& ansicht, const Punkt2D& profil) const;
    // The six corners of the front view in the house (lower left, lower
    // right, middle right, upper right, upper left, middle left).
    std::array<Punkt3D, 6> Ecken3D() const;

    // State, named as the plan editor names it.
    int GaubenIndex = -1;
    int GaubenID = -1; // ID of the dormer being edited, -1 for a new one
    Plane Flaeche;        // the face as handed over
    Plane Traegerflaeche; // the face, turned
    double Drehwinkel = 0;
    Punkt3D Mittelpunkt;
    double s1 = 1; // front elevation
    double s2 = 1; // profile
    double W = 20;
    double H = 20;
    Punkt2D Mitte_oben;  // c_u
    Punkt2D Mitte_unten; // c_l
    Punkt2DArray Flaechenprofil;  // E, T
    Punkt2DArray Flaechenansicht; // lu, ru, ro, lo
    std::vector<Punkt2D> FremdeGauben; // four points per dormer
    double LinieOben = 0;
    double LinieMitte = 0;
    double LinieUnten = 0;
    double LinieLinks = 0;
    double LinieRechts = 0;
    int GezogeneLinie = gaubenlinie::Keine;
    int EingabeAktiv = 0;
    std::array<Punkt2D, 3> GaubenProfil{};
    std::array<Punkt2D, 6> GaubenAnsicht{};
    double Dachgeschossmarke = -1;
    double Dachgeschosshoehe = 0; // h_c

    static constexpr double Zeichenfaktor = 0.9;

private:
    // x of the face's two sides in the lower panel at height y.
    std::pair<double, double> Seiten(double y) const;
    Punkt2D Unten(const Punkt3D& p) const { return ImUnterenPanel(Gedreht(p)); }
    bool m_offen = false;
};

} // namespace zeva
