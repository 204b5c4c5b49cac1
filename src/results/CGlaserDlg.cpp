#include "results/CGlaserDlg.h"

#include "results/CGlaser.h"
#include "results/Diagrammgeometrie.h"
#include "results/Zeichenflaeche.h"
#include "shell/Druckauswahl.h"
#include "ui/SteuerelementId.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace zeva {

using diagramm::Ecke;
using diagramm::Ganz;
using H = Zeichenflaeche::H;
using V = Zeichenflaeche::V;

namespace {

QPen Stift(const QColor& farbe, double breite)
{
    QPen p(farbe);
    p.setWidthF(std::max(1.0, breite));
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

QString U(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

GlaserStifte GlaserStifte::Bildschirm()
{
    return {Stift(Qt::black, 1), Stift(QColor(0, 192, 0), 2), Stift(QColor(0, 0, 192), 2),
            Stift(QColor(192, 0, 0), 2)};
}

GlaserStifte GlaserStifte::Drucker(bool farbe, double w1, double w2)
{
    if (farbe)
        return {Stift(Qt::black, w1), Stift(QColor(0, 192, 0), w2), Stift(QColor(0, 0, 192), w2),
                Stift(QColor(192, 0, 0), w2)};
    return {Stift(Qt::black, w1), Stift(Qt::black, w2), Stift(QColor(32, 32, 32), 2 * w2),
            Stift(QColor(64, 64, 64), 3 * w2)};
}

void ZeichneGlaser(Zeichenflaeche& z, const CGlaser& glaser, const QRect& r, int legendenteiler, int legendenversatz,
                   const GlaserStifte& stifte)
{
    const int th = z.TextHoehe();
    z.FuelleRechteck(r.left(), r.top(), r.left() + r.width(), r.top() + r.height(), z.Pinsel(Qt::white));
    const int w = r.width(), h = r.height();
    const diagramm::GlaserLayout l = diagramm::GlaserLayout::Aus(w, h, legendenteiler);
    const int g = l.g, tick = l.tick, W = l.W, Ht = l.H;

    const std::vector<double>& sd = glaser.Sd();
    const double SD = glaser.SdSumme();
    // An empty build-up or one without diffusion resistance has no sd axis
    // to map onto: axes and legend only.
    const bool zeichenbar = !sd.empty() && SD > 0 && std::isfinite(SD);

    // ---- The diagram
    const int X = r.left() + g, Y = r.top() + g, B = Y + Ht;
    z.SetzeStift(stifte.Achsen);
    const int xT = X + g;
    z.Linie(xT, Y, xT, B);
    z.Text(xT, Y - th / 2, QString::fromUtf8("T [°C]"), H::Rechts, V::Unten);
    const char* const tLabels[] = {"20", "", "10", "", "0", "", "-10"};
    for (int k = 0; k <= 6; ++k) {
        const int y = Y + Ganz(k * Ht / 6.0);
        z.Linie(xT - tick, y, xT, y);
        z.Text(xT - 2 * tick, y, QString::fromLatin1(tLabels[k]), H::Rechts, V::Mitte);
    }
    const int xP = X + 2 * g + W;
    z.Linie(xP, Y, xP, B);
    z.Text(xP, Y - th / 2, QStringLiteral("P [Pa]"), H::Links, V::Unten);
    const char* const pLabels[] = {"2500", "1875", "1250", "625", "0"};
    for (int k = 0; k <= 4; ++k) {
        const int y = Y + Ganz(k * Ht / 4.0);
        z.Linie(xP, y, xP + tick, y);
        z.Text(xP + 2 * tick, y, QString::fromLatin1(pLabels[k]), H::Links, V::Mitte);
    }
    const int x0 = X + g + g / 2;
    z.Linie(x0, B, x0 + W, B);
    z.Text(x0 + W, B + th / 2 + th, QString::fromUtf8("diffusionsäquivalente Luftschichtdicke [m]"), H::Rechts, V::Oben);
    const std::vector<std::string> sdTexte = diagramm::SdBeschriftungen(zeichenbar ? SD : 0);
    for (int k = 0; k <= 5; ++k) {
        const int x = x0 + Ganz(k * W / 5.0);
        z.Linie(x, B, x, B + tick);
        z.Text(x, B + tick, U(sdTexte[static_cast<std::size_t>(k)]), H::Mitte, V::Oben);
    }
    const Ecke rahmen[] = {{x0 + W, B}, {x0, B}, {x0, Y}, {x0 + W, Y}};
    z.Polylinie(rahmen);

    const std::size_t n = sd.size();
    auto grau = [&](std::size_t i) {
        const int c = diagramm::SchichtGrau(static_cast<int>(i));
        return z.Pinsel(QColor(c, c, c));
    };
    const QBrush kondensat = z.Pinsel(QColor(128, 128, 255));
    if (zeichenbar) {
        const double s = W / SD;
        double c = 0;
        std::vector<int> grenzen{x0};
        for (std::size_t i = 0; i < n; ++i) {
            const int xl = x0 + Ganz(c);
            z.FuelleRechteck(xl + 1, Y + 1, xl + Ganz(s * sd[i]) + 1, B, grau(i));
            c += s * sd[i];
            const int xg = x0 + Ganz(c);
            grenzen.push_back(xg);
            z.SetzeStift(stifte.Achsen);
            z.Linie(xg, Y, xg, B);
            z.Text((xl + xg) / 2, Y - th / 2, QStringLiteral("(%1)").arg(i + 1), H::Mitte, V::Unten);
        }

        const std::vector<Punkt2D>& linie = glaser.Dampfdrucklinie();
        z.SetzeStift(stifte.Dampfdruck);
        if (linie.size() == 3) {
            const int xc = x0 + Ganz(s * linie[1].x);
            z.FuelleRechteck(xc + 1, Y + 1, xc + 6, B, kondensat);
            z.Linie(xc, Y, xc, B);
            z.Linie(xc + 5, Y, xc + 5, B);
        } else if (linie.size() >= 4) {
            const int xa = x0 + Ganz(s * linie[1].x);
            const int xb = x0 + Ganz(s * linie[2].x);
            z.FuelleRechteck(xa + 1, Y + 1, xa + Ganz(s * (linie[2].x - linie[1].x)) + 1, B, kondensat);
            z.Linie(xa, Y, xa, B);
            z.Linie(xb, Y, xb, B);
        }

        const std::vector<double>& t = glaser.Temperaturen();
        std::vector<Ecke> kurve;
        for (std::size_t j = 0; j < t.size() && j < grenzen.size(); ++j)
            kurve.push_back({grenzen[j], diagramm::GlaserTemperaturY(t[j], B, Ht)});
        z.SetzeStift(stifte.Temperatur);
        z.Polylinie(kurve);

        auto druckkurve = [&](const std::vector<Punkt2D>& punkte, const QPen& stift) {
            if (punkte.size() <= 1)
                return;
            std::vector<Ecke> e;
            for (const Punkt2D& p : punkte)
                e.push_back({diagramm::GlaserX(p.x, x0, W, SD), diagramm::GlaserDruckY(p.y, B, Ht)});
            z.SetzeStift(stift);
            z.Polylinie(e);
        };
        druckkurve(linie, stifte.Dampfdruck);
        druckkurve(glaser.Saettigungskurve(), stifte.Saettigung);
    }

    // ---- The legend
    const int lx = r.left() + g;
    const int ly = r.top() + (h - l.hl - g) + 2 * g * legendenversatz + th;
    const int lw = w - 2 * g;
    const int cx = z.TextBreite(QStringLiteral("(10)"));
    std::vector<std::string> namen;
    if (glaser.Schichtquelle())
        for (const GlaserSchicht& schicht : glaser.Schichtquelle()->HoleSchichtaufbau())
            namen.push_back(schicht.Name);
    int y = ly;
    // Each layer's swatch is a square of the text's height, whatever the
    // margin of the page.
    for (std::size_t i = 0; i < n; ++i) {
        z.Text(lx, y, QStringLiteral("(%1)").arg(i + 1));
        z.SetzeStift(stifte.Achsen);
        const Ecke feld[] = {{lx + cx, y}, {lx + cx + th, y}, {lx + cx + th, y + th}, {lx + cx, y + th}};
        z.Polygon(feld, grau(i));
        if (i < namen.size())
            z.Text(lx + cx + th + cx / 4, y, U(namen[i]));
        y += th + th / 4;
    }
    const int xr = lx + (lw - g) / 2 + g;
    y = ly;
    z.Text(xr, y, QStringLiteral("Kondensation im Winter"));
    y += th + th / 4;
    z.Text(xr + xr / 2, y, U(diagramm::Zahl(glaser.Kondensat(), 3) + " [kg/m²]"), H::Rechts);
    y += th + th / 2;
    z.Text(xr, y, QStringLiteral("Austrocknung im Sommer"));
    y += th + th / 4;
    z.Text(xr + xr / 2, y, U(diagramm::Zahl(glaser.Verdunstung(), 3) + " [kg/m²]"), H::Rechts);
    y += 2 * th;
    const std::pair<const QPen*, const char*> schluessel[] = {
        {&stifte.Saettigung, "Sättigungsdampfdruck"}, {&stifte.Dampfdruck, "Wasserdampfdruck"},
        {&stifte.Temperatur, "Temperatur"}};
    for (const auto& [stift, text] : schluessel) {
        z.SetzeStift(*stift);
        z.Linie(xr, y + th / 2, xr + g / 2, y + th / 2);
        z.Text(xr + g, y, QString::fromUtf8(text));
        y += th + th / 4;
    }
}

CGlaserDiagramm::CGlaserDiagramm(QWidget* parent) : QWidget(parent)
{
    SetzeId(this, 1121);
}

void CGlaserDiagramm::paintEvent(QPaintEvent*)
{
    if (!m_pGlaser)
        return;
    m_pGlaser->ErzeugeSaettigungskurve(width());
    QPainter painter(this);
    Zeichenflaeche z(painter);
    z.SetzeSchrift(12, 0, 400, false, false, QStringLiteral("Arial"));
    ZeichneGlaser(z, *m_pGlaser, rect(), 4, 0, GlaserStifte::Bildschirm());
}

CGlaserDlg::CGlaserDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CGlaserDlg"));
    setWindowTitle(QString::fromUtf8(Titel));
    setWindowIcon(QIcon(QStringLiteral(":/zeva/bilder/zeva.svg")));
    auto* layout = new QVBoxLayout(this);
    m_Diagramm = new CGlaserDiagramm(this);
    m_Diagramm->setMinimumSize(504 * 3 / 2, 321 * 13 / 8);
    layout->addWidget(m_Diagramm, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    m_Drucken = new QPushButton(QStringLiteral("Drucken"), this);
    SetzeId(m_Drucken, 3);
    m_Schliessen = new QPushButton(QString::fromUtf8("Schließen"), this);
    SetzeId(m_Schliessen, 1);
    m_Schliessen->setDefault(true);
    knoepfe->addWidget(m_Drucken);
    knoepfe->addWidget(m_Schliessen);
    layout->addLayout(knoepfe);
    connect(m_Schliessen, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_Drucken, &QPushButton::clicked, this, [this] { OnDrucken(); });
}

CGlaserDlg::~CGlaserDlg() = default;

void CGlaserDlg::SetzeGlaser(CGlaser* glaser)
{
    m_pGlaser = glaser;
    m_Diagramm->SetzeGlaser(glaser);
    m_Diagramm->update();
}

void CGlaserDlg::Drucke(QPrinter& drucker)
{
    if (!m_pGlaser)
        return;
    drucker.setDocName(QString::fromUtf8(Titel));
    drucker.setFullPage(false);
    QPainter painter;
    if (!Druckauswahl::Beginne(painter, &drucker, this))
        return;
    const double dpi = drucker.logicalDpiY();
    const double mm = dpi / 25.4;
    const QRect seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
    const int rand = static_cast<int>(std::lround(20 * mm));
    const QRect r(rand, rand, std::max(1, seite.width() - 2 * rand), std::max(1, seite.height() - 2 * rand));
    const bool farbe = drucker.colorMode() == QPrinter::Color;
    // The screen's samples serve the page as well when the diagram was shown.
    m_pGlaser->ErzeugeSaettigungskurve(r.width());
    Zeichenflaeche z(painter);
    z.SetzeSchrift(std::lround(3.6 * mm), 0, 400, false, false, QStringLiteral("Arial"));
    ZeichneGlaser(z, *m_pGlaser, r, 3, 1, GlaserStifte::Drucker(farbe, 0.1 * mm, 0.2 * mm));
    painter.end();
}

void CGlaserDlg::OnDrucken()
{
    QPrinter& drucker = Druckauswahl::Drucker();
    if (Druckauswahl::Frage(drucker, this))
        Drucke(drucker);
}

} // namespace zeva
