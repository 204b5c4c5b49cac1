#include "results/Zeichenflaeche.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygon>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace zeva {

namespace {

int Begrenzt(double x)
{
    return diagramm::Ganz(std::round(x));
}

} // namespace

Zeichenflaeche::Zeichenflaeche(QPainter& painter) : m_painter(painter), m_stift(Qt::black, 1), m_schrift(QApplication::font())
{
    m_stift.setCosmetic(true);
}

Zeichenflaeche::Zeichenflaeche(QPainter& painter, double dpiX, double dpiY)
    : m_painter(painter), m_bPapier(true), m_sx(dpiX / 254.0), m_sy(dpiY / 254.0), m_schrift(QApplication::font())
{
    SetzeStift(Qt::black, 1);
}

QPoint Zeichenflaeche::Geraet(int x, int y) const
{
    if (!m_bPapier)
        return {x, y};
    return {Begrenzt(x * m_sx), Begrenzt(-y * m_sy)};
}

double Zeichenflaeche::GeraetLaenge(double logisch) const
{
    return std::fabs(logisch) * (m_bPapier ? m_sy : 1.0);
}

void Zeichenflaeche::SetzeStift(const QColor& farbe, double breite)
{
    m_stift = QPen(farbe);
    m_stift.setWidthF(std::max(GeraetLaenge(breite), 1.0));
    m_stift.setJoinStyle(Qt::MiterJoin);
    m_stift.setCapStyle(Qt::FlatCap);
}

QBrush Zeichenflaeche::Pinsel(const QColor& farbe, Qt::BrushStyle stil) const
{
    QBrush pinsel(farbe, stil);
    // The hatch patterns are 8 device pixels wide: on a 1200-dpi page they
    // would melt into a tint.
    if (m_bPapier && stil != Qt::SolidPattern) {
        const double s = std::max(1.0, m_sx * 254.0 / 96.0);
        pinsel.setTransform(QTransform::fromScale(s, s));
    }
    return pinsel;
}

void Zeichenflaeche::SetzeSchrift(double hoehe, double breite, int gewicht, bool unterstrichen, bool kursiv,
                                  const QString& familie)
{
    QFont f = QApplication::font();
    if (!familie.isEmpty())
        f.setFamily(familie);
    f.setPixelSize(std::clamp(Begrenzt(GeraetLaenge(hoehe)), 1, 4000));
    f.setWeight(static_cast<QFont::Weight>(std::clamp(gewicht, 1, 1000)));
    f.setUnderline(unterstrichen);
    f.setItalic(kursiv);
    f.setStretch(QFont::Unstretched);
    if (breite != 0) {
        // The average character width asked for, as a stretch of the font.
        const double natuerlich = QFontMetricsF(f, m_painter.device()).averageCharWidth();
        const double gewuenscht = GeraetLaenge(breite);
        if (natuerlich > 0 && gewuenscht > 0)
            f.setStretch(std::clamp(static_cast<int>(std::lround(100 * gewuenscht / natuerlich)), 25, 400));
    }
    m_schrift = f;
}

int Zeichenflaeche::TextHoehe() const
{
    const double h = QFontMetricsF(m_schrift, m_painter.device()).height();
    return Begrenzt(m_bPapier ? h / m_sy : h);
}

int Zeichenflaeche::TextBreite(const QString& text) const
{
    const double w = QFontMetricsF(m_schrift, m_painter.device()).horizontalAdvance(text);
    return Begrenzt(m_bPapier ? w / m_sx : w);
}

void Zeichenflaeche::Polygon(std::span<const diagramm::Ecke> ecken, const QBrush& pinsel)
{
    QPolygon p;
    p.reserve(static_cast<int>(ecken.size()));
    for (const diagramm::Ecke& e : ecken)
        p << Geraet(e);
    m_painter.setPen(m_stift);
    m_painter.setBrush(pinsel);
    m_painter.drawPolygon(p, Qt::WindingFill);
}

void Zeichenflaeche::FuelleRechteck(int x1, int y1, int x2, int y2, const QBrush& pinsel)
{
    const QPoint a = Geraet(x1, y1);
    const QPoint b = Geraet(x2, y2);
    const QRect r(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                  QSize(std::abs(b.x() - a.x()), std::abs(b.y() - a.y())));
    if (!r.isEmpty())
        m_painter.fillRect(r, pinsel);
}

void Zeichenflaeche::Linie(int x1, int y1, int x2, int y2)
{
    m_painter.setPen(m_stift);
    m_painter.drawLine(Geraet(x1, y1), Geraet(x2, y2));
}

void Zeichenflaeche::Polylinie(std::span<const diagramm::Ecke> ecken)
{
    QPolygon p;
    for (const diagramm::Ecke& e : ecken)
        p << Geraet(e);
    m_painter.setPen(m_stift);
    m_painter.drawPolyline(p);
}

void Zeichenflaeche::Text(int x, int y, const QString& text, H h, V v)
{
    if (m_protokoll)
        m_protokoll->append(text);
    const QPoint p = Geraet(x, y);
    const QFontMetricsF m(m_schrift, m_painter.device());
    const double breite = m.horizontalAdvance(text);
    double dx = 0;
    if (h == H::Mitte)
        dx = -breite / 2;
    else if (h == H::Rechts)
        dx = -breite;
    double dy = 0; // to the baseline
    switch (v) {
    case V::Oben: dy = m.ascent(); break;
    case V::Grundlinie: dy = 0; break;
    case V::Unten: dy = -m.descent(); break;
    case V::Mitte: dy = (m.ascent() - m.descent()) / 2; break;
    }
    m_painter.setFont(m_schrift);
    m_painter.setPen(QPen(Qt::black));
    m_painter.drawText(QPointF(p.x() + dx, p.y() + dy), text);
}

} // namespace zeva
