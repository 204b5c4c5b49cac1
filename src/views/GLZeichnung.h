#pragma once
// Replays a list of plan drawing primitives with OpenGL immediate mode into
// the current context (model-view and projection set by the caller).
#include "geometry/Planzeichnung.h"

namespace zeva {

void SpieleAb(const Zeichenliste& liste);

} // namespace zeva
