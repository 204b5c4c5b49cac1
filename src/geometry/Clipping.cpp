#include "geometry/Clipping.h"

#include <polyclipping/clipper.hpp>

#include <cmath>
#include <optional>

namespace zeva {

namespace {

// Drawing units become the clipper's 64-bit integers at a millionth of a
// unit: far below the three significant digits of every area we report, and
// plans of up to 10^12 units stay inside the clipper's range.
constexpr double Skala = 1e6;
constexpr double GroessteKoordinate = 1e12;

// The polygon as a clipper path; nullopt when it cannot be one.
std::optional<ClipperLib::Path> AlsPfad(std::span<const Punkt2D> polygon)
{
    if (polygon.size() < 3)
        return std::nullopt;
    ClipperLib::Path pfad;
    pfad.reserve(polygon.size());
    for (const Punkt2D& p : polygon) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::fabs(p.x) > GroessteKoordinate
            || std::fabs(p.y) > GroessteKoordinate)
            return std::nullopt;
        pfad.emplace_back(static_cast<ClipperLib::cInt>(std::llround(p.x * Skala)),
                          static_cast<ClipperLib::cInt>(std::llround(p.y * Skala)));
    }
    return pfad;
}

std::vector<Punkt2D> AlsKontur(const ClipperLib::Path& pfad)
{
    std::vector<Punkt2D> kontur;
    kontur.reserve(pfad.size());
    for (const ClipperLib::IntPoint& p : pfad)
        kontur.emplace_back(static_cast<double>(p.X) / Skala, static_cast<double>(p.Y) / Skala);
    return kontur;
}

ClipResult AusKonturen(std::vector<std::vector<Punkt2D>> konturen)
{
    ClipResult r;
    r.contours = std::move(konturen);
    for (const auto& k : r.contours)
        r.area += SignedArea(k);
    return r;
}

} // namespace

const std::vector<Punkt2D>* ClipResult::LargestOuterContour() const
{
    const std::vector<Punkt2D>* groesste = nullptr;
    double groessteFlaeche = 0;
    for (const auto& k : contours) {
        const double f = SignedArea(k);
        if (f > groessteFlaeche) {
            groessteFlaeche = f;
            groesste = &k;
        }
    }
    return groesste;
}

double SignedArea(std::span<const Punkt2D> contour)
{
    const std::size_t n = contour.size();
    if (n < 3)
        return 0;
    double s = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Punkt2D& p = contour[i];
        const Punkt2D& q = contour[(i + 1) % n];
        s += p.x * q.y - q.x * p.y;
    }
    return s / 2;
}

ClipResult Clip(ClipOperation op, std::span<const Punkt2D> a, std::span<const Punkt2D> b)
{
    const std::optional<ClipperLib::Path> pa = AlsPfad(a);
    const std::optional<ClipperLib::Path> pb = AlsPfad(b);
    if (!pa || (!pb && op == ClipOperation::Intersection))
        return {};

    ClipperLib::Paths loesung;
    try {
        ClipperLib::Clipper clipper;
        clipper.AddPath(*pa, ClipperLib::ptSubject, true);
        // Without b nothing is taken away; the clipper then only brings a
        // into its orientation and fill rule.
        if (pb)
            clipper.AddPath(*pb, ClipperLib::ptClip, true);
        const ClipperLib::ClipType typ =
            op == ClipOperation::Intersection ? ClipperLib::ctIntersection : ClipperLib::ctDifference;
        if (!clipper.Execute(typ, loesung, ClipperLib::pftEvenOdd, ClipperLib::pftEvenOdd))
            return {};
    } catch (const ClipperLib::clipperException&) {
        return {};
    }

    std::vector<std::vector<Punkt2D>> konturen;
    konturen.reserve(loesung.size());
    for (const ClipperLib::Path& pfad : loesung)
        konturen.push_back(AlsKontur(pfad));
    return AusKonturen(std::move(konturen));
}

} // namespace zeva
