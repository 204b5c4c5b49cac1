#pragma once
// What the benchmark programs share: the largest house the plan editor's
// limits admit (20 zones, each a regular 100-gon of radius 2 m with 100
// storeys of 2.5 m under a flat roof), a notifier that prints, and a stop
// watch. Benchmarks only: no test may depend on a time.
#include "geometry/C3DGenerator.h"
#include "model/Haus.h"
#include "model/Notifier.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace zeva::messung {

class Messnotifier final : public Notifier {
public:
    void Nachricht(const std::string& text, Art) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool Frage(const std::string&) override { return true; }
};

// A regular polygon of n corners, clockwise as the editor stores outlines.
inline Punkt2DArray Vieleck(double cx, double cy, double r, int n)
{
    Punkt2DArray u;
    for (int i = 0; i < n; ++i) {
        const double w = -2 * std::numbers::pi * i / n;
        u.Add(Punkt2D(cx + r * std::cos(w), cy + r * std::sin(w)));
    }
    return u;
}

inline Zone Turm(double cx, double cy, double r, int geschosse)
{
    Zone z;
    z.m_a2DGrundrissPunkte = Vieleck(cx, cy, r, C3DGenerator::MaxGrundrissPunkte);
    z.Geschlossen = 1;
    z.Stockwerkszahl = geschosse;
    z.Stockwerkshoehe = 2.5;
    return z;
}

// The zones of the largest house, on a plan of 25 m, not yet generated.
inline void BaueGrenzhaus(Haus& haus)
{
    haus.Steildach = 0;
    haus.OpenGLWidth = haus.OpenGLHeight = haus.RealAreaWidth = haus.RealAreaHeight = 25;
    haus.m_aZone.RemoveAll();
    for (int i = 0; i < C3DGenerator::MaxZonen; ++i)
        haus.m_aZone.Add(Turm(2.5 + 5 * (i % 5), 2.5 + 5 * (i / 5), 2, 100));
    haus.Zonen = C3DGenerator::MaxZonen;
}

template <class F>
double Sekunden(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace zeva::messung
