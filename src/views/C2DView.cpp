#include "views/C2DView.h"
#include "views/Ansichtsrahmen.h"

#include "geometry/DachEingabe.h"
#include "geometry/Flaechenberechnung.h"
#include "model/Haus.h"
#include "platform/Meldung.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVAApp.h"
#include "ui/MeldungsNotifier.h"
#include "ui/SteuerelementId.h"
#include "views/Ableseanzeige.h"
#include "views/Dachauswahl.h"
#include "views/GLZeichnung.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <QCursor>
#include <QMouseEvent>

#include <cmath>

namespace zeva {

// What a roof asks of the editor window while it is placed and edited.
class C2DView::Dachfenster final : public DachAnsicht {
public:
    explicit Dachfenster(C2DView& ansicht) : m_ansicht(ansicht) {}
    void FangePunkt(Punkt2D& p) override { m_ansicht.FangePunkt(p); }
    Punkt2D ModellZuFenster(const Punkt2D& p) const override
    {
        Punkt2D q = p;
        m_ansicht.ModellZuFenster(q);
        return q;
    }
    void FangeMaus() override
    {
        m_ansicht.grabMouse();
        m_ansicht.m_bMausGefangen = true;
    }
    void GibMausFrei() override { m_ansicht.GibMausFrei(); }
    void Neuzeichnen() override { m_ansicht.update(); }
    // Some display servers do not let a program move the cursor; the
    // editing works without the jump.
    void SetzeCursor(int x, int y) override { QCursor::setPos(m_ansicht.mapToGlobal(QPoint(x, y))); }

private:
    C2DView& m_ansicht;
};

namespace {

// Every figure a document stores of the house's roofs, one row per roof.
std::vector<std::vector<double>> Dachstand(const Haus& haus)
{
    std::vector<std::vector<double>> stand;
    stand.reserve(haus.m_aDach.size());
    for (const CDach& d : haus.m_aDach) {
        std::vector<double> zeile{static_cast<double>(d.Typ), d.DiagonalWinkel, d.Winkel, d.m_size.x, d.m_size.y,
                                  d.Hoehe, d.GeschossHoehe, d.MansardHoehe, static_cast<double>(d.m_IstBeheizt),
                                  static_cast<double>(d.Sperre), static_cast<double>(d.FirstGedreht)};
        for (const Punkt2D& p : d.m_points) {
            zeile.push_back(p.x);
            zeile.push_back(p.y);
        }
        stand.push_back(std::move(zeile));
    }
    return stand;
}

int Mausflags(const QMouseEvent& e)
{
    int flags = 0;
    if (e.buttons() & Qt::LeftButton)
        flags |= mausflag::Links;
    if (e.buttons() & Qt::RightButton)
        flags |= mausflag::Rechts;
    if (e.modifiers() & Qt::ControlModifier)
        flags |= mausflag::Strg;
    return flags;
}

} // namespace

C2DView::C2DView(CMainFrame* rahmen, QWidget* eltern, bool vorschau)
    : GLAnsicht(eltern), m_pRahmen(rahmen), m_bVorschau(vorschau), m_pDachfenster(std::make_unique<Dachfenster>(*this))
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

C2DView::~C2DView()
{
    GibMausFrei();
}

CMainFrame* C2DView::Rahmen() const
{
    return RahmenDerAnsicht(this, m_pRahmen.data());
}

Haus* C2DView::AktuellesHaus() const
{
    return HausDesRahmens(Rahmen());
}

void C2DView::MarkiereGeaendert()
{
    if (CMainFrame* rahmen = Rahmen())
        if (CZEVADoc* dok = rahmen->GetActiveDocument())
            dok->SetModifiedFlag(true);
}

Ableseanzeige* C2DView::Ablesefenster() const
{
    // The frame makes the pane anew when the input is entered again, so it
    // is looked up at every read-out.
    if (m_bVorschau || !m_pRahmen)
        return nullptr;
    // The roof step shows its read-outs in the roof pane.
    if (m_pRahmen->GetActiveDocument() && m_pRahmen->AktuellesHaus().Phase == 14)
        if (auto* dach = dynamic_cast<Ableseanzeige*>(m_pRahmen->Dacheingabe()))
            return dach;
    return dynamic_cast<Ableseanzeige*>(m_pRahmen->Eingabeassistent());
}

void C2DView::Zeige(const Ablesungen& werte)
{
    Ableseanzeige* fenster = Ablesefenster();
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
    case 13:
        ZeichneHoehenschnitt(liste, *haus);
        break;
    case 14:
        ZeichneRaster(liste, *haus, Seitenverhaeltnis());
        ZeichneUmrisse(liste, *haus, schritt, aktiv, Schnittzone);
        for (int i = 0; i < haus->m_aDach.GetSize(); ++i)
            Zeichne2D(liste, haus->m_aDach[static_cast<std::size_t>(i)], i == m_nAktivesDach);
        ZeichneKnoten(liste, *haus, m_Eingabe.Spur);
        break;
    case 15:
    case 16:
        ZeichneGaubenansicht(liste);
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
        if ((haus->Phase == 15 || haus->Phase == 16) && !m_bVorschau)
            AktualisiereGaube();
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
    // Moving a dormer's lines changes the house only when it is built; in
    // the roof step the release tells whether a roof changed.
    if (haus->Phase == 14)
        m_DachstandBeimDruck = Dachstand(*haus);
    else if (haus->Phase != 16)
        MarkiereGeaendert();
    const Punkt2D p = FensterZuModell(ereignis->position(), true);
    if (knopf == Qt::LeftButton) {
        LetzterKlick = p;
        if (haus->Phase == 8) {
            MeldungsNotifier notifier(window());
            m_Eingabe.NeuerGrundrisspunkt(*haus, p, notifier);
        } else if (haus->Phase == 10) {
            Zeige(m_Eingabe.NordDruck(*haus, p));
        } else if (haus->Phase == 14) {
            DachDruck(*haus, Mausflags(*ereignis), p);
        } else if (haus->Phase == 16) {
            m_Gaube.Druck(FensterZuModell(ereignis->position(), false), haus->OpenGLGrid);
        }
    } else if (haus->Phase == 8) {
        m_Eingabe.Rechtsklick(*haus);
    } else if (haus->Phase == 14) {
        DachRechtsklick(*haus, FensterZuModell(ereignis->position(), false));
    } else if (haus->Phase == 16) {
        GaubeRechtsklick(*haus);
        return;
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
    else if (ereignis->button() == Qt::LeftButton && haus->Phase == 14) {
        DachLoslassen(*haus, Mausflags(*ereignis), FensterZuModell(ereignis->position(), true));
        if (Dachstand(*haus) != m_DachstandBeimDruck)
            MarkiereGeaendert();
    }
    else if (ereignis->button() == Qt::LeftButton && haus->Phase == 16) {
        m_Gaube.Loslassen();
        AktualisiereGaube();
    }
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
    if (haus->Phase == 8) {
        MarkiereGeaendert();
        m_Eingabe.Doppelklick(*haus);
    }
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
    else if (haus->Phase == 14)
        DachBewegung(*haus, Mausflags(*ereignis), FensterZuModell(ereignis->position(), true));
    else if (haus->Phase == 16 && m_Gaube.EingabeAktiv) {
        m_Gaube.Bewegung(FensterZuModell(ereignis->position(), true));
        AktualisiereGaube();
    }
    Neuzeichnen();
}

void C2DView::hideEvent(QHideEvent* ereignis)
{
    // A hidden window must not keep the mouse of the whole program.
    GibMausFrei();
    GLAnsicht::hideEvent(ereignis);
}

// ----- roofs (step 14) -------------------------------------------------------------------

void C2DView::LiesHausNeu()
{
    GibMausFrei();
    m_nAktivesDach = -1;
    // A floating outline point, a north arrow being dragged and the
    // crossing trace all belonged to the house that was there before.
    m_Eingabe = Grundrisseingabe();
    // The face belonged to the house that was there before.
    m_Gaube.Schliesse();
    Setze2DProjektion();
}

void C2DView::GibMausFrei()
{
    if (!m_bMausGefangen)
        return;
    m_bMausGefangen = false;
    releaseMouse();
}

void C2DView::SetzeAktivesDach(int index)
{
    GibMausFrei();
    m_nAktivesDach = index;
    Neuzeichnen();
}

void C2DView::DachEntfernt(int index)
{
    if (index == m_nAktivesDach) {
        GibMausFrei();
        m_nAktivesDach = -1;
    } else if (index < m_nAktivesDach) {
        --m_nAktivesDach;
    }
}

Dachauswahl* C2DView::Dachpane() const
{
    if (m_bVorschau || !m_pRahmen)
        return nullptr;
    return dynamic_cast<Dachauswahl*>(m_pRahmen->Dacheingabe());
}

CDach* C2DView::Dach(int index) const
{
    Haus* haus = AktuellesHaus();
    if (!haus || index < 0 || index >= haus->m_aDach.GetSize())
        return nullptr;
    return &haus->m_aDach[static_cast<std::size_t>(index)];
}

void C2DView::DachDruck(Haus& haus, int flags, const Punkt2D& p)
{
    Dachumfeld umfeld = UmfeldVon(haus, *m_pDachfenster);
    if (CDach* aktiv = Dach(m_nAktivesDach); aktiv && !aktiv->IstFertig()) {
        OnLButtonDown(*aktiv, flags, p, umfeld);
        return;
    }
    Dachauswahl* pane = Dachpane();
    if (!pane)
        return;
    int index = pane->WaehleDachAmPunkt(p);
    if (index < 0)
        index = pane->ErstesDach(1);
    m_nAktivesDach = index;
    CDach* dach = Dach(index);
    if (!dach)
        return;
    if (!dach->IstFertig() && !dach->HatPunkte())
        BeginneNeu(*dach);
    OnLButtonDown(*dach, flags, p, umfeld);
}

void C2DView::DachBewegung(Haus& haus, int flags, const Punkt2D& p)
{
    CDach* aktiv = Dach(m_nAktivesDach);
    // The read-outs tell what the roof is after this move.
    if (aktiv) {
        Dachumfeld umfeld = UmfeldVon(haus, *m_pDachfenster);
        OnMouseMove(*aktiv, flags, p, umfeld);
    }
    double werte[3] = {-1, -1, -1};
    if (aktiv && !aktiv->IstFertig()) {
        werte[1] = std::fabs(aktiv->GetGroesse().x);
        werte[2] = std::fabs(aktiv->GetGroesse().y);
    } else if (aktiv && (flags & mausflag::Links)) {
        werte[0] = LaengeAuswahlKante(*aktiv);
        werte[1] = std::fabs(p.x - LetzterKlick.x);
        werte[2] = std::fabs(p.y - LetzterKlick.y);
    }
    Zeige({{ablesung::X, Ablesetext(p.x)},
           {ablesung::Y, Ablesetext(p.y)},
           {ablesung::Laenge, Ablesetext(werte[0])},
           {ablesung::XVersatz, Ablesetext(werte[1])},
           {ablesung::YVersatz, Ablesetext(werte[2])}});
    if (Dachauswahl* pane = Dachpane())
        pane->AktualisiereSchalter();
}

void C2DView::DachLoslassen(Haus& haus, int flags, const Punkt2D& p)
{
    if (CDach* aktiv = Dach(m_nAktivesDach)) {
        Dachumfeld umfeld = UmfeldVon(haus, *m_pDachfenster);
        OnLButtonUp(*aktiv, flags, p, umfeld);
        if (Dachauswahl* pane = Dachpane())
            pane->AktualisiereSchalter();
    }
}

void C2DView::DachRechtsklick(Haus& /*haus*/, const Punkt2D& p)
{
    if (CDach* aktiv = Dach(m_nAktivesDach); aktiv && !aktiv->IstFertig())
        return;
    Dachauswahl* pane = Dachpane();
    if (!pane)
        return;
    const int index = pane->WaehleDachAmPunkt(p);
    if (index < 0)
        return;
    pane->EntferneDach(index);
    m_nAktivesDach = -1;
}

// ----- dormers (steps 15 and 16) ----------------------------------------------------------

void C2DView::GaubeEinrichten(const Plane& flaeche, int gaubenIndex)
{
    Haus* haus = AktuellesHaus();
    if (!haus)
        return;
    m_Eingabe.EingabeAktiv = 0;
    m_Gaube.Einrichten(*haus, flaeche, gaubenIndex);
    AktualisiereGaube();
    show();
    repaint();
}

void C2DView::AktualisiereGaube()
{
    const Haus* haus = AktuellesHaus();
    if (!haus || !m_Gaube.Offen())
        return;
    m_Gaube.Aktualisiere();
    Zeige(m_Gaube.Ablesewerte(*haus));
}

void C2DView::ZeichneGaubenansicht(Zeichenliste& liste) const
{
    if (m_Gaube.Offen())
        m_Gaube.Zeichne(liste);
}

void C2DView::Neuzeichnen3D()
{
    if (CMainFrame* rahmen = Rahmen())
        if (QWidget* ansicht = rahmen->Ansicht3D())
            ansicht->update();
}

C2DView::Gaubenuebernahme C2DView::GaubeUebernehmen()
{
    Haus* haus = AktuellesHaus();
    if (!haus || !m_Gaube.Offen())
        return Gaubenuebernahme::Nichts;
    // A drag under way ends here; the lines stay where it left them.
    m_Gaube.Loslassen();
    switch (m_Gaube.Pruefe()) {
    case Gaubeneingabe::Pruefung::RagtHeraus:
        Meldung::Hinweis(QString::fromUtf8(MeldungGaubeRagtHeraus), Meldung::Symbol::Vorgabe, window());
        return Gaubenuebernahme::Verweigert;
    case Gaubeneingabe::Pruefung::Ueberschneidet:
        Meldung::Hinweis(QString::fromUtf8(MeldungGaubeUeberschneidet), Meldung::Symbol::Vorgabe, window());
        return Gaubenuebernahme::Verweigert;
    case Gaubeneingabe::Pruefung::Zulaessig: break;
    }
    if (!Meldung::Frage(QString::fromUtf8(FrageGaubendatenUebernehmen), QMessageBox::No, Meldung::Symbol::Frage,
                        window())) {
        m_Gaube.Schliesse();
        hide();
        Neuzeichnen3D();
        return Gaubenuebernahme::Abgelehnt;
    }
    MarkiereGeaendert();
    m_Gaube.Baue(*haus);
    hide();
    Neuzeichnen3D();
    return Gaubenuebernahme::Gebaut;
}

void C2DView::GaubeRechtsklick(Haus& haus)
{
    const Gaubenuebernahme ergebnis = GaubeUebernehmen();
    if (ergebnis == Gaubenuebernahme::Verweigert || ergebnis == Gaubenuebernahme::Nichts) {
        Neuzeichnen();
        return;
    }
    // Taken over or discarded: back to the 3D editing, as with the buttons.
    haus.Phase = 15;
    if (CMainFrame* rahmen = Rahmen())
        rahmen->ZeigeSchritt();
}

void C2DView::LoescheGaube(int gaubenID)
{
    Haus* haus = AktuellesHaus();
    if (!haus)
        return;
    if (m_Gaube.GaubenID == gaubenID)
        m_Gaube.Schliesse();
    zeva::LoescheGaube(*haus, gaubenID);
}

Plane C2DView::FindePlane(int id) const
{
    const Haus* haus = AktuellesHaus();
    return haus ? zeva::FindePlane(*haus, id) : Plane();
}

} // namespace zeva
