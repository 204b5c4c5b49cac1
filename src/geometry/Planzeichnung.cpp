#include "geometry/Planzeichnung.h"

#include "model/Haus.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zeva {

namespace {

constexpr std::array<float, 4> Rastergrau{0.8f, 0.8f, 0.8f, 1};
constexpr std::array<float, 4> Grau{0.5f, 0.5f, 0.5f, 1};
constexpr std::array<float, 4> Schwarz{0, 0, 0, 1};
constexpr std::array<float, 4> Rot{1, 0, 0, 1};
constexpr std::array<float, 4> Blau{0, 0, 1, 1};
constexpr std::array<float, 4> Hervorhebung{1, 0.5f, 0.5f, 1};
constexpr std::uint16_t Strichmuster = 0x3333;

Zeichenprimitiv Linien(std::vector<Punkt2D> punkte, std::array<float, 4> farbe, float breite = 1,
                       std::uint16_t muster = 0)
{
    Zeichenprimitiv p;
    p.art = Zeichenprimitiv::Art::Linien;
    p.punkte = std::move(punkte);
    p.farbe = farbe;
    p.linienbreite = breite;
    p.muster = muster;
    return p;
}

// Vertical and horizontal grid lines at m = erste, erste + s, … (m grows by
// addition, as the grid has always been drawn).
void Rasterlinien(Zeichenliste& liste, const Haus& haus, double v, double erste, std::uint16_t muster)
{
    const double s = Rasterschritt(haus.RealAreaWidth);
    std::vector<Punkt2D> punkte;
    const double W = haus.OpenGLWidth, H = haus.OpenGLHeight;
    for (double m = erste; m <= haus.RealAreaWidth * v; m += s) {
        const double x = m * W / haus.RealAreaWidth;
        punkte.emplace_back(x, 0);
        punkte.emplace_back(x, H * v);
    }
    for (double m = erste; m <= haus.RealAreaHeight * v; m += s) {
        const double y = m * H / haus.RealAreaHeight;
        punkte.emplace_back(0, y);
        punkte.emplace_back(W * v, y);
    }
    if (!punkte.empty())
        liste.push_back(Linien(std::move(punkte), Rastergrau, 1, muster));
}

void Umrisslinien(Zeichenliste& liste, const Punkt2DArray& u, const std::array<float, 4>& schliessfarbe,
                  const std::array<float, 4>& farbe, float breite)
{
    liste.push_back(Linien({u.back(), u.front()}, schliessfarbe, breite));
    std::vector<Punkt2D> kanten;
    for (std::size_t k = u.size() - 1; k >= 1; --k) {
        kanten.push_back(u[k]);
        kanten.push_back(u[k - 1]);
    }
    liste.push_back(Linien(std::move(kanten), farbe, breite));
}

} // namespace

double Rasterschritt(double R)
{
    if (R <= 25)
        return 1;
    if (R <= 50)
        return 2;
    if (R <= 75)
        return 3;
    return 4;
}

void ZeichneRaster(Zeichenliste& liste, const Haus& haus, double seitenverhaeltnis)
{
    const double R = haus.RealAreaWidth;
    if (!(R > 0) || !(haus.RealAreaHeight > 0))
        return;
    const double s = Rasterschritt(R);
    if (R >= 1)
        Rasterlinien(liste, haus, seitenverhaeltnis, s, 0);
    if (R >= 0.5)
        Rasterlinien(liste, haus, seitenverhaeltnis, s / 2, Strichmuster);
    liste.push_back(Linien({{0, R}, {R, R}, {R, 0}, {R, R}}, Grau, 2));
}

void ZeichneUmrisse(Zeichenliste& liste, const Haus& haus, int schritt, bool eingabeAktiv, int schnittzone)
{
    const int zonen = std::clamp(haus.Zonen, 0, haus.m_aZone.GetSize());
    for (int i = 0; i < zonen; ++i) {
        const Zone& z = haus.m_aZone[static_cast<std::size_t>(i)];
        if (z.m_a2DGrundrissPunkte.size() < 2)
            continue;
        const bool offen = schritt == 8 && eingabeAktiv && z.Geschlossen == 0;
        Umrisslinien(liste, z.m_a2DGrundrissPunkte, offen ? Grau : Schwarz, Schwarz, 1);
    }
    if (schnittzone >= 0 && schnittzone < haus.m_aZone.GetSize()) {
        const Punkt2DArray& u = haus.m_aZone[static_cast<std::size_t>(schnittzone)].m_a2DGrundrissPunkte;
        if (u.size() >= 2)
            Umrisslinien(liste, u, Hervorhebung, Hervorhebung, 3);
    }
}

void ZeichneKnoten(Zeichenliste& liste, const Haus& haus, const Pruefspur& spur)
{
    if (!haus.Flag2DKnotenGrundriss)
        return;
    // A small square, so that it marks the crossing at any plot size.
    const double r = 0.015 * haus.OpenGLWidth;
    const Punkt2D& k = haus.m_2DKnotenGrundriss;
    Zeichenprimitiv quadrat;
    quadrat.art = Zeichenprimitiv::Art::Linienschleife;
    quadrat.punkte = {{k.x - r, k.y - r}, {k.x + r, k.y - r}, {k.x + r, k.y + r}, {k.x - r, k.y + r}};
    quadrat.farbe = Rot;
    liste.push_back(std::move(quadrat));
    const auto& s = spur.Pruefstrecken;
    liste.push_back(Linien({s[0], s[1], s[2], s[3]}, Rot));
}

void ZeichneNordpfeil(Zeichenliste& liste, const Haus& haus)
{
    const double W = haus.OpenGLWidth;
    const Punkt2D Z(W / 2, W / 2);
    const double a = haus.Ausrichtung * std::numbers::pi / 180.0;
    const Punkt2D richtung(std::cos(a), std::sin(a));
    const double L = 0.025 * W;
    const Punkt2D spitze = Z + richtung * (0.36 * W);
    const Punkt2D N = Z + richtung * (0.36 * W + 1.5 * L);
    liste.push_back(Linien({Z, spitze,
                            {N.x - 0.75 * L, N.y - L}, {N.x - 0.25 * L, N.y + L},
                            {N.x - 0.25 * L, N.y + L}, {N.x + 0.25 * L, N.y - L},
                            {N.x + 0.25 * L, N.y - L}, {N.x + 0.75 * L, N.y + L}},
                           Blau));
}

} // namespace zeva
