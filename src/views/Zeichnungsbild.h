#pragma once
// The plan drawings replayed with QPainter instead of OpenGL, for the
// explanatory pictures of the panes (roof forms, height fields).
#include "geometry/Planzeichnung.h"

#include <QRectF>

class QPainter;

namespace zeva {

// Draws the list so that the plan rectangle `plan` (y up) fills the pixel
// rectangle `ziel` (y down) with equal scale on both axes, centred.
void MaleZeichnung(QPainter& maler, const Zeichenliste& liste, const QRectF& plan, const QRectF& ziel);

} // namespace zeva
