#pragma once
// The one canvas every chart draws through. It takes the charts' logical
// coordinates: on screen they are pixels (y down) and pass unchanged; on
// paper they are tenths of a millimetre with y up, converted point by point
// into device pixels from the top-left of the printable area. Text is drawn
// at converted points, never through a mirrored transform (that would
// mirror the letters).
#include "results/Diagrammgeometrie.h"

#include <QBrush>
#include <QFont>
#include <QPen>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <span>

class QPainter;
class QPrinter;
class QWidget;

namespace zeva {

class Zeichenflaeche {
public:
    // On screen: logical = device pixels.
    explicit Zeichenflaeche(QPainter& painter);
    // On paper: tenths of a millimetre, y up, at the device's resolution.
    Zeichenflaeche(QPainter& painter, double dpiX, double dpiY);

    bool Papier() const { return m_bPapier; }
    QPainter& Painter() { return m_painter; }

    QPoint Geraet(int x, int y) const;
    QPoint Geraet(const diagramm::Ecke& e) const { return Geraet(e.x, e.y); }
    // A length in logical units as device pixels (absolute).
    double GeraetLaenge(double logisch) const;

    // Pen: colour and width in logical units (on screen pixels; 0 is the
    // thinnest line the device draws).
    void SetzeStift(const QColor& farbe, double breite = 1);
    void SetzeStift(const QPen& stift) { m_stift = stift; }
    QPen Stift() const { return m_stift; }
    // A brush for the device: hatches scaled so that they stay visible on
    // paper.
    QBrush Pinsel(const QColor& farbe, Qt::BrushStyle stil = Qt::SolidPattern) const;

    // Font of the given logical height (character height) and average
    // width (0: the font's own); no family: the application's font.
    void SetzeSchrift(double hoehe, double breite, int gewicht, bool unterstrichen = false, bool kursiv = false,
                      const QString& familie = {});
    QFont Schrift() const { return m_schrift; }
    // Height of a text line of the present font in logical units.
    int TextHoehe() const;
    int TextBreite(const QString& text) const;

    // Closed polygon, winding fill, outlined with the pen.
    void Polygon(std::span<const diagramm::Ecke> ecken, const QBrush& pinsel);
    // Filled rectangle without outline (left/top included, right/bottom not).
    void FuelleRechteck(int x1, int y1, int x2, int y2, const QBrush& pinsel);
    void Linie(int x1, int y1, int x2, int y2);
    void Polylinie(std::span<const diagramm::Ecke> ecken);

    enum class H { Links, Mitte, Rechts };
    enum class V { Oben, Grundlinie, Unten, Mitte };
    // Text with its reference point at (x, y).
    void Text(int x, int y, const QString& text, H h = H::Links, V v = V::Oben);

    // Keeps every text drawn from now on (nullptr: none), for checks of
    // what a chart wrote.
    void SetzeTextprotokoll(QStringList* protokoll) { m_protokoll = protokoll; }

private:
    QPainter& m_painter;
    bool m_bPapier = false;
    double m_sx = 1;
    double m_sy = 1;
    QPen m_stift;
    QFont m_schrift;
    QStringList* m_protokoll = nullptr;
};

} // namespace zeva
