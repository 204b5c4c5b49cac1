#include "results/CSankeyDlg.h"

#include "model/Haus.h"
#include "results/CEnergiebilanzDlg.h"
#include "results/Zeichenflaeche.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVAApp.h"

#include <QKeyEvent>
#include <QPainter>

namespace zeva {

using diagramm::Ganz;

CSankeyDlg::CSankeyDlg(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CSankeyDlg"));
}

CMainFrame* CSankeyDlg::Rahmen()
{
    CZEVAApp* anwendung = CZEVAApp::Instanz();
    return anwendung ? anwendung->Hauptfenster() : nullptr;
}

void CSankeyDlg::SetzeVariante(int n)
{
    m_nVariante = n;
    update();
}

void CSankeyDlg::SetzeHaus(std::shared_ptr<const Haus> haus)
{
    m_pHaus = std::move(haus);
    update();
}

void CSankeyDlg::SankeyDiagramm(Zeichenflaeche& z, const Haus& haus, int w, int h) const
{
    if ((w == 0 && h == 0) || haus.Phase < 19)
        return;
    const diagramm::Bereich b{0, 0, static_cast<double>(w), static_cast<double>(h)};
    const DBedarf leer;
    const DBedarf& d = m_nVariante >= 0 && static_cast<std::size_t>(m_nVariante) < haus.m_aBedarf.size()
                           ? haus.m_aBedarf[static_cast<std::size_t>(m_nVariante)]
                           : leer;
    const diagramm::Energiefluesse e = diagramm::Energiefluesse::Aus(d);
    const diagramm::Anteile a = diagramm::Anteile::Aus(e);
    const bool heizverlust = e.Heizungsverlust > 0;

    z.FuelleRechteck(0, 0, w, h, z.Pinsel(Qt::white));
    const diagramm::SankeyPolygone p = diagramm::SankeyEcken(b, a, heizverlust);
    z.SetzeStift(Qt::black, 1);
    z.Polygon(p.Haus, z.Pinsel(QColor(128, 128, 128)));
    if (a.Zeichenbar) {
        z.Polygon(p.Zufuhr, z.Pinsel(QColor(255, 0, 0)));
        z.Polygon(p.Verluste, z.Pinsel(QColor(0, 0, 255)));
    }

    using H = Zeichenflaeche::H;
    using V = Zeichenflaeche::V;
    z.SetzeSchrift(Ganz(0.06 * h), 0, 700, true);
    z.Text(b.X(0.054), b.Y(0.08), QStringLiteral("ENERGIEZUFUHR"), H::Links, V::Grundlinie);
    z.Text(b.X(0.969), b.Y(0.08), QString::fromUtf8("WÄRMEVERLUSTE"), H::Rechts, V::Grundlinie);
    if (!a.Zeichenbar)
        return;
    z.SetzeSchrift(Ganz(0.05 * h), 0, 700);
    const std::pair<const char*, std::pair<double, double>> texte[] = {
        {"Intern", {0.054, 0.3}},   {"Solar", {0.054, 0.475}},   {"Heiz-", {0.054, 0.64}},
        {"energie-", {0.054, 0.69}}, {"bedarf", {0.054, 0.74}},   {"Dach", {0.785, 0.24}},
        {"Wände", {0.785, 0.49}},   {"Fenster", {0.785, 0.58}}, {"Lüftung", {0.785, 0.67}},
        {"Boden", {0.785, 0.85}},
    };
    for (const auto& [text, ort] : texte)
        z.Text(b.X(ort.first), b.Y(ort.second), QString::fromUtf8(text), H::Links, V::Grundlinie);
    if (heizverlust)
        z.Text(b.X(0.409), b.Y(0.15), QStringLiteral("Heizungsverluste"), H::Links, V::Grundlinie);
}

void CSankeyDlg::paintEvent(QPaintEvent*)
{
    CMainFrame* rahmen = Rahmen();
    if (!m_pHaus && (!rahmen || !rahmen->GetActiveDocument()))
        return;
    QPainter painter(this);
    Zeichenflaeche z(painter);
    SankeyDiagramm(z, m_pHaus ? *m_pHaus : rahmen->AktuellesHaus(), width(), height());
}

void CSankeyDlg::mouseDoubleClickEvent(QMouseEvent* ereignis)
{
    QWidget::mouseDoubleClickEvent(ereignis);
    CMainFrame* rahmen = Rahmen();
    if (!rahmen || !rahmen->GetActiveDocument())
        return;
    CEnergiebilanzDlg dialog(this, rahmen->AktuellesHaus(), rahmen->Optionen(), m_nVariante,
                             CEnergiebilanzDlg::Sankey);
    dialog.exec();
}

void CSankeyDlg::keyPressEvent(QKeyEvent* ereignis)
{
    // Enter and Escape belong to no dialog here.
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter || ereignis->key() == Qt::Key_Escape) {
        ereignis->accept();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

} // namespace zeva
