#include "geometry/Planzeichnung.h"

#include "geometry/DachEingabe.h"
#include "geometry/DachGeometrie.h"
#include "geometry/Vektorhilfen.h"
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

namespace zeva {

namespace {

constexpr std::array<float, 4> Dachrot{1, 0.4f, 0.4f, 1};
constexpr std::array<float, 4> Mittelgrau{0.6f, 0.6f, 0.6f, 1};
constexpr std::array<float, 4> Dunkelgrau{0.4f, 0.4f, 0.4f, 1};
constexpr std::array<float, 4> Dachlinie{1, 0.5f, 0.5f, 1};
constexpr std::array<float, 4> Dachflaeche{1, 0.5f, 0.5f, 0.1f};
constexpr std::array<float, 4> Firstfarbe{1, 0.2f, 1, 1};
constexpr std::array<float, 4> Kreuzfarbe{0, 0, 0, 1};
// Junction and selected points: circles of this radius and segment count,
// the junction crosses reaching this far to each side (plan units).
constexpr double Kreisradius = 0.15;
constexpr int Kreissegmente = 50;
constexpr double Kreuzarm = 0.05;

Zeichenprimitiv Strecken(std::vector<Punkt2D> punkte, std::array<float, 4> farbe, float breite = 1)
{
    Zeichenprimitiv p;
    p.punkte = std::move(punkte);
    p.farbe = farbe;
    p.linienbreite = breite;
    return p;
}

void Rechteck(std::vector<Punkt2D>& l, double x0, double x1, double y0, double y1)
{
    l.insert(l.end(), {{x0, y1}, {x1, y1}, {x0, y0}, {x1, y0}, {x0, y0}, {x0, y1}, {x1, y0}, {x1, y1}});
}

} // namespace

void ZeichneHoehenschnitt(Zeichenliste& liste, const Haus& haus)
{
    // A flat-roof house has no knee wall, no pitched roof and no attic: its
    // section ends with the top storey.
    const bool steildach = haus.Steildach != 0;
    const double N = haus.Stockwerkszahl;
    const double S = haus.Stockwerkshoehe;
    const double K = haus.Kellerhoehe;
    const double D = steildach ? haus.Drempelhoehe : 0;
    const double H = steildach ? haus.Dachhoehe : 0;
    const double G = haus.Dachgeschosshoehe;
    const double W = haus.OpenGLWidth;
    const double T = N * S + K + D + H;
    if (!(T > 0) || !(W > 0))
        return;
    // Lifted off the bottom edge, where the basement's floor line would be
    // cut away.
    const auto y = [&](double z) { return 0.025 * W + 0.95 * W * z / T; };
    const double l = 0.1 * W, r = 0.9 * W, m = 0.5 * W;
    const double traufe = y(N * S + K + D);
    const double decke = y(N * S + K);
    const double first = y(T);

    if (steildach) {
        liste.push_back(Strecken({{m, first}, {l, traufe}, {m, first}, {r, traufe}}, Dachrot));
        liste.push_back(Strecken({{l, decke}, {r, decke}, {l, traufe}, {l, decke}, {r, traufe}, {r, decke}}, Mittelgrau));
    }
    if (steildach && G > 0 && G < H + D && H != 0) {
        const double yg = y(N * S + K + G);
        if (G < D)
            liste.push_back(Strecken({{l, yg}, {r, yg}}, Dachrot));
        else
            liste.push_back(Strecken({{r + (m - r) * (G - D) / H, yg}, {l + (m - l) * (G - D) / H, yg}}, Dachrot));
    }
    const int geschosse = haus.Stockwerkszahl;
    for (int i = 0; i < geschosse; ++i) {
        std::vector<Punkt2D> box;
        const double oben = N * S + K - i * S;
        Rechteck(box, l, r, y(oben - S), y(oben));
        liste.push_back(Strecken(std::move(box), Mittelgrau));
    }
    liste.push_back(Strecken({{0.025 * W, y(K)}, {0.975 * W, y(K)}}, Schwarz));
    std::vector<Punkt2D> keller;
    Rechteck(keller, l, r, y(0), y(K));
    liste.push_back(Strecken(std::move(keller), Dunkelgrau));
}

void Zeichne2D(Zeichenliste& liste, const CDach& dach, bool ausgewaehlt)
{
    if (!dach.PunkteVollstaendig())
        return;
    const auto p = [&](int i) { return dach.Punkt(i); };

    Zeichenprimitiv umriss;
    umriss.art = Zeichenprimitiv::Art::Linienschleife;
    umriss.punkte = {p(0), p(1), p(2), p(3)};
    umriss.farbe = Dachlinie;
    liste.push_back(std::move(umriss));

    if (ausgewaehlt) {
        for (const CDach::FlaechenEintrag& f : dach.m_Flaechen) {
            if (dach.Flaechenzeile(f.zeile).senkrecht != 0)
                continue;
            Zeichenprimitiv flaeche;
            flaeche.art = Zeichenprimitiv::Art::Polygon;
            flaeche.punkte = FlaechenGrundriss(dach, f.zeile).Punkte();
            flaeche.farbe = Dachflaeche;
            flaeche.mischen = true;
            liste.push_back(std::move(flaeche));
        }
    }

    const int typ = dach.Typ;
    if (typ >= dachtyp::Satteldach && typ <= dachtyp::Mansarddach)
        liste.push_back(Strecken({p(4), p(5)}, Firstfarbe));
    std::vector<Punkt2D> linien;
    switch (typ) {
    case dachtyp::Walmdach:
        linien = {p(0), p(4), p(1), p(4), p(2), p(5), p(3), p(5)};
        break;
    case dachtyp::Krueppelwalmdach:
        linien = {p(6), p(4), p(7), p(4), p(8), p(5), p(9), p(5)};
        break;
    case dachtyp::Mansarddach:
        for (int i = 0; i < 4; ++i)
            linien.insert(linien.end(), {p(i < 2 ? 4 : 5), p(6 + i), p(6 + i), p(i)});
        break;
    case dachtyp::Zeltdach:
        for (int i = 0; i < 4; ++i)
            linien.insert(linien.end(), {p(4), p(i)});
        break;
    default:
        break;
    }
    if (!linien.empty())
        liste.push_back(Strecken(std::move(linien), Dachlinie));
    if (typ == dachtyp::Mansarddach) {
        Zeichenprimitiv knicke;
        knicke.art = Zeichenprimitiv::Art::Linienschleife;
        knicke.punkte = {p(6), p(7), p(8), p(9)};
        knicke.farbe = Dachlinie;
        liste.push_back(std::move(knicke));
    }

    if (!ausgewaehlt)
        return;
    for (const Punkt2D& q : dach.m_Anschlusspunkte) {
        liste.push_back(Strecken(KreisLinienpunkte(q, Kreisradius, Kreissegmente), Dachlinie));
        liste.push_back(Strecken({{q.x - Kreuzarm, q.y}, {q.x + Kreuzarm, q.y}, {q.x, q.y - Kreuzarm}, {q.x, q.y + Kreuzarm}},
                                 Kreuzfarbe));
    }
    const int n = static_cast<int>(dach.m_points.size());
    if (dach.AuswahlPunkt >= 0 && dach.AuswahlPunkt < n) {
        liste.push_back(Strecken(KreisLinienpunkte(p(dach.AuswahlPunkt), Kreisradius, Kreissegmente), Dachlinie));
    } else if (dach.AuswahlKante >= 0 && 2 * static_cast<std::size_t>(dach.AuswahlKante) + 1 < dach.m_Kanten.size()) {
        const Strecke2D k = Kante(dach, dach.AuswahlKante);
        liste.push_back(Strecken({k.A, k.B}, dach.AuswahlKante == 4 ? Firstfarbe : Dachlinie, 3));
    }
}

} // namespace zeva
