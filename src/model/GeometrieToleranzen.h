#pragma once
// Tolerances of the plan and space geometry, in one place so that the point
// types, segments, polygons and the roof code agree on them.
namespace zeva::toleranz {

// Two plan points are equal within this distance (drawing units).
inline constexpr double Punkt2DGleich = 0.0001;
// Two space points are equal when every coordinate differs by less.
inline constexpr double Punkt3DGleich = 1e-9;

// A plane is vertical when |n.y| of its normal is at most this.
inline constexpr double Senkrecht = 0.01;
// A point lies in a plane when its distance from it is below this.
inline constexpr double InEbene = 0.01;
// A normal whose squared length is below this is degenerate; it is returned
// scaled by DegenerierteNormaleFaktor instead of normalised.
inline constexpr double DegenerierteNormale = 1e-7;
inline constexpr double DegenerierteNormaleFaktor = 1000000.0;
// A computed |n.y| this little above 1 is a rounding error of a unit normal.
inline constexpr double EinheitsnormaleRundung = 1e-9;

// Segments shorter than this have no direction.
inline constexpr double StreckeEntartet = 1e-8;
// A point lies on a segment within this distance.
inline constexpr double LiegtAuf = 0.001;
// Two plan segments are parallel below this determinant.
inline constexpr double Parallel2D = 1e-6;
// Space segments: the vertical projection is used above this determinant,
// the plan projection above Parallel2D.
inline constexpr double Projektion3D = 0.0001;
// A line is parallel to a plane when |n·d| is below this.
inline constexpr double LinieParallelEbene = 1e-8;
// A space segment with |d.y| below this has no point at a given height.
inline constexpr double Horizontal = 1e-12;

// Polygon areas and piercing points are given to this many significant digits.
inline constexpr int SignifikanteStellen = 3;

} // namespace zeva::toleranz
