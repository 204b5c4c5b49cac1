#pragma once
// Condensation check of an opaque component by the Glaser method: steady
// one-dimensional heat conduction and water-vapour diffusion through plane
// layers, winter 20 °C / 50 % inside and −10 °C / 80 % outside, condensate
// collected over 1440 h and dried out over 2160 h of summer.
//
// The object keeps the temperatures, pressures and the vapour-pressure line
// of its last run; the Glaser diagram draws them. Plain C++: no Qt.
#include "model/Punkt2D.h"
#include "results/CSchichtquelle.h"
#include "results/SanierungsSchicht.h"

#include <string_view>
#include <vector>

namespace zeva {

class CGlaser {
public:
    CGlaser() = default;
    CGlaser(const CGlaser&) = delete;
    CGlaser& operator=(const CGlaser&) = delete;
    virtual ~CGlaser() = default;

    // Saturation vapour pressure of water (Pa) at t °C, and its derivative
    // by t (Pa/K); over ice for t <= 0.
    static double Saettigungsdruck(double t);
    static double SaettigungsdruckAbleitung(double t);

    // Resets the object and keeps the source (not owned; may be null).
    void SetzeSchichtquelle(CSchichtquelle* quelle);

    // Resets the object, reads a measure's layer text into its layers and
    // hands them to the layer source. Entries are separated by ";", their
    // fields name, placement code, thickness, conductivity and factor by "/";
    // numbers may have leading blanks and a decimal comma or point.
    void LeseSchichttext(std::string_view text);

    // Runs the check on the source's build-up. True when the straight
    // vapour-pressure line crosses the saturation curve. A build-up that
    // cannot be computed (no diffusion resistance at all, a layer other than
    // an air layer without a positive conductivity) gives false and leaves
    // every result 0.
    // A second call on a build-up of the same number of layers answers from
    // the last run; SetzeSchichtquelle or LeseSchichttext start afresh.
    bool Berechne();

    // Results to 0, all arrays emptied.
    void Zuruecksetzen();

    // Samples the saturation pressure along the sd axis for a drawing w
    // device units wide, unless it is sampled already.
    void ErzeugeSaettigungskurve(int w);

    double Kondensat() const { return m_Kondensat; }     // winter condensate, kg/m²
    double Verdunstung() const { return m_Verdunstung; } // summer evaporation, kg/m²
    // 0: no problem; positive: water left after the summer; negative: the
    // winter condensate, which exceeds 0.35 kg/m².
    double Ergebnis() const { return m_Ergebnis; }
    double q() const { return m_q; } // W/m² for the 30 K difference
    const std::vector<double>& Sd() const { return m_aSd; }
    double SdSumme() const { return m_SdSumme; }
    // Inner surface, then the boundary after each layer (last: outer surface).
    const std::vector<double>& Temperaturen() const { return m_aTemperatur; }
    const std::vector<double>& Saettigungsdruecke() const { return m_aSaettigungsdruck; }
    int ErsteSchicht() const { return m_nErsteSchicht; }
    CSchichtquelle* Schichtquelle() const { return m_pQuelle; }
    const std::vector<SanierungsSchicht>& SanierungsSchichten() const { return m_aSanierungsSchichten; }
    // x: m on the sd axis from the inner surface, y: Pa. Two points without
    // condensation, three with (the middle one the tangent point).
    const std::vector<Punkt2D>& Dampfdrucklinie() const { return m_aDampfdrucklinie; }
    const std::vector<Punkt2D>& Saettigungskurve() const { return m_aSaettigungskurve; }

private:
    bool Rechne(const std::vector<GlaserSchicht>& schichten);

    double m_Kondensat = 0;
    double m_Verdunstung = 0;
    double m_Ergebnis = 0;
    double m_q = 0;
    std::vector<double> m_aSd;
    double m_SdSumme = 0;
    std::vector<double> m_aTemperatur;
    std::vector<double> m_aSaettigungsdruck;
    int m_nErsteSchicht = 0;
    CSchichtquelle* m_pQuelle = nullptr;
    std::vector<SanierungsSchicht> m_aSanierungsSchichten;
    std::vector<Punkt2D> m_aDampfdrucklinie;
    std::vector<Punkt2D> m_aSaettigungskurve;
};

} // namespace zeva
