#include "views/Zeichnungsbild.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace zeva {

void MaleZeichnung(QPainter& maler, const Zeichenliste& liste, const QRectF& plan, const QRectF& ziel)
{
    if (plan.width() <= 0 || plan.height() <= 0)
        return;
    const double s = std::min(ziel.width() / plan.width(), ziel.height() / plan.height());
    const double x0 = ziel.center().x() - s * plan.center().x();
    const double y0 = ziel.center().y() + s * plan.center().y();
    const auto pixel = [&](const Punkt2D& p) { return QPointF(x0 + s * p.x, y0 - s * p.y); };

    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, true);
    for (const Zeichenprimitiv& p : liste) {
        const QColor farbe = QColor::fromRgbF(p.farbe[0], p.farbe[1], p.farbe[2], p.farbe[3]);
        QPen stift(farbe, std::max(1.0f, p.linienbreite));
        if (p.muster)
            stift.setStyle(Qt::DashLine);
        maler.setPen(stift);
        QPolygonF punkte;
        for (const Punkt2D& q : p.punkte)
            punkte << pixel(q);
        switch (p.art) {
        case Zeichenprimitiv::Art::Linien:
            for (qsizetype i = 0; i + 1 < punkte.size(); i += 2)
                maler.drawLine(punkte[i], punkte[i + 1]);
            break;
        case Zeichenprimitiv::Art::Linienschleife:
            maler.setBrush(Qt::NoBrush);
            maler.drawPolygon(punkte);
            break;
        case Zeichenprimitiv::Art::Polygon:
            maler.setPen(Qt::NoPen);
            maler.setBrush(farbe);
            maler.drawPolygon(punkte);
            maler.setBrush(Qt::NoBrush);
            break;
        }
    }
    maler.restore();
}

} // namespace zeva
