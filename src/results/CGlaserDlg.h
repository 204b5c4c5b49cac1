#pragma once
// The Glaser diagram of a component: its layers as grey bands over the
// diffusion-equivalent air-layer thickness, the temperature, saturation and
// vapour-pressure curves, the place of condensation and a legend with the
// layer names and the winter condensate and summer evaporation. The dialog
// draws what the page's last check left in its CGlaser; it never computes.
#include <QDialog>
#include <QPen>
#include <QRect>

class QPrinter;
class QPushButton;

namespace zeva {

class CGlaser;
class Zeichenflaeche;

// The four pens of the diagram: axes, saturation, vapour pressure, temperature.
struct GlaserStifte {
    QPen Achsen;
    QPen Saettigung;
    QPen Dampfdruck;
    QPen Temperatur;
    static GlaserStifte Bildschirm();
    // On paper: w1 and w2 are 0.1 and 0.2 mm in device pixels; without
    // colour the curves are black and greys of growing width.
    static GlaserStifte Drucker(bool farbe, double w1, double w2);
};

// Draws the diagram of `glaser` into the device rectangle `r` with the font
// already set on the canvas; the legend takes r's height / legendenteiler
// and moves down by 2g · legendenversatz. The saturation curve must be
// sampled before (CGlaser::ErzeugeSaettigungskurve).
void ZeichneGlaser(Zeichenflaeche& z, const CGlaser& glaser, const QRect& r, int legendenteiler, int legendenversatz,
                   const GlaserStifte& stifte);

// The drawing control of the dialog.
class CGlaserDiagramm : public QWidget {
public:
    explicit CGlaserDiagramm(QWidget* parent = nullptr);
    void SetzeGlaser(CGlaser* glaser) { m_pGlaser = glaser; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    CGlaser* m_pGlaser = nullptr; // the page's, not owned
};

class CGlaserDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGlaserDlg(QWidget* parent = nullptr);
    ~CGlaserDlg() override;

    static constexpr const char* Titel = "Glaser-Diagramm";

    void SetzeGlaser(CGlaser* glaser);
    CGlaserDiagramm* Diagramm() const { return m_Diagramm; }

    // Prints the diagram on one page inside a 20 mm margin, in colour when
    // the printer prints colour.
    void Drucke(QPrinter& drucker);
    void OnDrucken();

private:
    CGlaser* m_pGlaser = nullptr;
    CGlaserDiagramm* m_Diagramm = nullptr;
    QPushButton* m_Schliessen = nullptr;
    QPushButton* m_Drucken = nullptr;
};

} // namespace zeva
