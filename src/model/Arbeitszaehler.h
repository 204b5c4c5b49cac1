#pragma once
// Steps of the passes whose work must grow with the house and never faster:
// the net areas (one step per record indexed and per record or window taken
// off a plane), the surface generator (one step per outline edge, section
// point and record it makes) and the junctions between roofs (one step per
// pair of roofs computed in full, after their outlines were found to meet). A test builds a house four times as large and
// expects about four times the steps, on any machine, where a clock would
// say nothing on a busy one. Counted per thread, so tests that run side by
// side do not mix their counts.
#include <cstdint>

namespace zeva::arbeitszaehler {

inline thread_local std::uint64_t nettoflaechenSchritte = 0;
inline thread_local std::uint64_t generatorSchritte = 0;
inline thread_local std::uint64_t dachpaarSchritte = 0;

} // namespace zeva::arbeitszaehler
