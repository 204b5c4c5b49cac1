#include "views/C2DView.h"

#include "geometry/Flaechenberechnung.h"
#include "model/Haus.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVAApp.h"
#include "ui/MeldungsNotifier.h"
#include "ui/SteuerelementId.h"
#include "views/CEingabeAssistentDlg.h"
#include "views/GLZeichnung.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <QMouseEvent>

namespace zeva {

C2DView::C2DView(CMainFrame* rahmen, QWidget* eltern, bool vorschau)
    : GLAnsicht(eltern), m_pRahmen(rahmen), m_bVorschau(vorschau)
{
    SetzeId(this, FensterId);
    setWindowTitle(QString::fromUtf8(Fenstertitel));
    // Moves without a button drive the floating point and the read-outs.
    setMouseTracking(!vorschau);
    if (const Haus* haus = AktuellesHaus()) {
        const double W = haus->OpenGLWidth;
        const double H = haus->OpenGLHeight;
        m_Panelecken = {Punkt2D(0.025 * W, 0.9 * H), Punkt2D(0.975 * W, 0.525 * H), Punkt2D(0.025 * W, 0.525 * H),
                        Punkt2D(0.975 * W, 0.1 * H)};
    }
    Setze2DProjektion();
}

C2DView::~C2DView() = default;

CMainFrame* C2DView::Rahmen() const
{
    if (m_pRahmen)
        return m_pRahmen;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* rahmen = qobject_cast<CMainFrame*>(w))
            return rahmen;
    if (CZEVAApp* app = CZEVAApp::Instanz())
        return app->Hauptfenster();
    return nullptr;
}

Haus* C2DView::AktuellesHaus() const
{
    CMainFrame* rahmen = Rahmen();
    if (!rahmen || !rahmen->GetActiveDocument())
        return nullptr;
    return &rahmen->AktuellesHaus();
}

void C2DView::MarkiereGeaendert()
{
    if (CMainFrame* rahmen = Rahmen())
        if (CZEVADoc* dok = rahmen->GetActiveDocument())
            dok->SetModifiedFlag(true);
}

CEingabeAssistentDlg* C2DView::Ablesefenster() const
{
    // The frame makes the pane anew when the input is entered again, so it
    // is looked up at every read-out.
    if (m_bVorschau || !m_pRahmen)
        return nullptr;
    return qobject_cast<CEingabeAssistentDlg*>(m_pRahmen->Eingabeassistent());
}

void C2DView::Zeige(const Ablesungen& werte)
{
    CEingabeAssistentDlg* fenster = Ablesefenster();
    if (!fenster)
        return;
    for (const auto& [id, text] : werte)
        fenster->SetzeText(id, QString::fromStdString(text));
}

void C2DView::Neuzeichnen()
{
    update();
}

// ----- projection and conversion -------------------------------------------------

void C2DView::Setze2DProjektion()
{
    const Haus* haus = AktuellesHaus();
    const double W = haus ? haus->OpenGLWidth : 20.0;
    m_Projektion.Setze(width(), height(), W);
    Neuzeichnen();
}

Punkt2D C2DView::FensterZuModell(const QPointF& pixel, bool fangen) const
{
    Punkt2D p = m_Projektion.FensterZuModell(pixel.x(), pixel.y());
    if (fangen)
        if (const Haus* haus = AktuellesHaus()) {
            p.x = RasterRunde(p.x, haus->RealGridWidth);
            p.y = RasterRunde(p.y, haus->RealGridWidth);
        }
    return p;
}

void C2DView::ModellZuFenster(Punkt2D& p) const
{
    p = m_Projektion.ModellZuFenster(p);
}

void C2DView::SetzeZone(int zone)
{
    Schnittzone = zone;
    Neuzeichnen();
}

void C2DView::FangePunkt(Punkt2D& p)
{
    if (Haus* haus = AktuellesHaus())
        zeva::FangePunkt(*haus, p, &m_Eingabe.Spur);
}

double C2DView::SchnittflaecheGeschoss(double h, int zone) const
{
    const Haus* haus = AktuellesHaus();
    return haus ? zeva::SchnittflaecheGeschoss(*haus, h, zone) : 0.0;
}

double C2DView::GesamtFlaeche()
{
    Haus* haus = AktuellesHaus();
    return haus ? zeva::GesamtFlaeche(*haus) : 0.0;
}

double C2DView::GesamtVolumen()
{
    Haus* haus = AktuellesHaus();
    return haus ? zeva::GesamtVolumen(*haus) : 0.0;
}

// ----- drawing -------------------------------------------------------------------------

Zeichenliste C2DView::Bild() const
{
    Zeichenliste liste;
    const Haus* haus = AktuellesHaus();
    if (!haus)
        return liste;
    const int schritt = m_bVorschau ? 8 : haus->Phase;
    const bool aktiv = m_Eingabe.EingabeAktiv != 0;
    switch (schritt) {
    case 8:
        if (!m_bVorschau)
            ZeichneRaster(liste, *haus, Seitenverhaeltnis());
        ZeichneUmrisse(liste, *haus, schritt, aktiv, Schnittzone);
        ZeichneKnoten(liste, *haus, m_Eingabe.Spur);
        break;
    case 10:
        ZeichneRaster(liste, *haus, Seitenverhaeltnis());
        ZeichneUmrisse(liste, *haus, schritt, aktiv, Schnittzone);
        ZeichneNordpfeil(liste, *haus);
        ZeichneKnoten(liste, *haus, m_Eingabe.Spur);
        break;
    case 14:
        // The roofs on the plan join this picture with the roof input.
        ZeichneRaster(liste, *haus, Seitenverhaeltnis());
        ZeichneUmrisse(liste, *haus, schritt, aktiv, Schnittzone);
        ZeichneKnoten(liste, *haus, m_Eingabe.Spur);
        break;
    default:
        break;
    }
    return liste;
}

void C2DView::initializeGL()
{
    // Nothing is kept across paints: a new context (after re-parenting)
    // needs no set-up of its own.
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
}

void C2DView::paintGL()
{
    const QSize pixel = GeraetePixel();
    glViewport(0, 0, pixel.width(), pixel.height());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, m_Projektion.XMax(), 0, m_Projektion.YMax());
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPointSize(1);
    glLineWidth(1);

    if (Haus* haus = AktuellesHaus()) {
        if (haus->Phase != 13)
            Schnittzone = -1;
        glPushMatrix();
        SpieleAb(Bild());
        glPopMatrix();
    }
    glFlush();
    PruefeGLFehler();
}

void C2DView::resizeEvent(QResizeEvent* ereignis)
{
    GLAnsicht::resizeEvent(ereignis);
    Setze2DProjektion();
}

// ----- mouse -----------------------------------------------------------------------------

void C2DView::mousePressEvent(QMouseEvent* ereignis)
{
    Haus* haus = m_bVorschau ? nullptr : AktuellesHaus();
    const Qt::MouseButton knopf = ereignis->button();
    if (!haus || (knopf != Qt::LeftButton && knopf != Qt::RightButton)) {
        ereignis->ignore();
        return;
    }
    MarkiereGeaendert();
    const Punkt2D p = FensterZuModell(ereignis->position(), true);
    if (knopf == Qt::LeftButton) {
        LetzterKlick = p;
        if (haus->Phase == 8) {
            MeldungsNotifier notifier(window());
            m_Eingabe.NeuerGrundrisspunkt(*haus, p, notifier);
        } else if (haus->Phase == 10) {
            Zeige(m_Eingabe.NordDruck(*haus, p));
        }
    } else if (haus->Phase == 8) {
        m_Eingabe.Rechtsklick(*haus);
    }
    Neuzeichnen();
}

void C2DView::mouseReleaseEvent(QMouseEvent* ereignis)
{
    Haus* haus = m_bVorschau ? nullptr : AktuellesHaus();
    if (!haus) {
        ereignis->ignore();
        return;
    }
    if (ereignis->button() == Qt::LeftButton && haus->Phase == 10)
        m_Eingabe.NordLoslassen(*haus, FensterZuModell(ereignis->position(), true));
    Neuzeichnen();
}

void C2DView::mouseDoubleClickEvent(QMouseEvent* ereignis)
{
    // The base class would treat the double click as another press.
    Haus* haus = m_bVorschau ? nullptr : AktuellesHaus();
    if (!haus || ereignis->button() != Qt::LeftButton) {
        ereignis->ignore();
        return;
    }
    MarkiereGeaendert();
    if (haus->Phase == 8)
        m_Eingabe.Doppelklick(*haus);
    Neuzeichnen();
}

void C2DView::mouseMoveEvent(QMouseEvent* ereignis)
{
    Haus* haus = m_bVorschau ? nullptr : AktuellesHaus();
    if (!haus) {
        ereignis->ignore();
        return;
    }
    if (haus->Phase == 8)
        Zeige(m_Eingabe.Bewegung(*haus, FensterZuModell(ereignis->position(), true)));
    else if (haus->Phase == 10)
        Zeige(m_Eingabe.NordBewegung(*haus, FensterZuModell(ereignis->position(), false)));
    Neuzeichnen();
}

} // namespace zeva
