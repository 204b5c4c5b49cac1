#include "views/C3DView.h"
#include "views/Ansichtsrahmen.h"

#include "geometry/C3DGenerator.h"
#include "geometry/Gaubeneingabe.h"
#include "model/Haus.h"
#include "model/PlaneID.h"
#include "platform/Meldung.h"
#include "shell/Befehle.h"
#include "shell/CZEVAApp.h"
#include "shell/CZEVADoc.h"
#include "shell/Dateiauswahl.h"
#include "shell/Druckauswahl.h"
#include "shell/ProjektBild.h"
#include "shell/Vorschaufabrik.h"
#include "ui/MeldungsNotifier.h"
#include "ui/SteuerelementId.h"
#include "views/C2DView.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <deque>
#include <optional>

namespace zeva {

namespace {

C3DView::Popupwaehler*& AktuellerPopupwaehler()
{
    static C3DView::Popupwaehler* w = nullptr;
    return w;
}
C3DView::Druckwaehler*& AktuellerDruckwaehler()
{
    static C3DView::Druckwaehler* w = nullptr;
    return w;
}
// Every live 3D view: one rebuild request of the house reaches all of them.
std::vector<C3DView*>& Ansichten()
{
    static std::vector<C3DView*> alle;
    return alle;
}

// ----- tessellation of the zone outlines ------------------------------------------

using Ecke = std::array<GLdouble, 3>;

// Vertex data of the tessellated polygons; alive until the list is compiled.
struct Tesselierung {
    std::deque<Ecke> punkte;
    bool fehler = false;
};

extern "C" {
static void GLAPIENTRY TessBeginn(GLenum art) { glBegin(art); }
static void GLAPIENTRY TessEcke(void* daten) { glVertex3dv(static_cast<const GLdouble*>(daten)); }
static void GLAPIENTRY TessEnde() { glEnd(); }
static void GLAPIENTRY TessVerbinde(GLdouble koord[3], void*[4], GLfloat[4], void** aus, void* daten)
{
    auto* t = static_cast<Tesselierung*>(daten);
    t->punkte.push_back({koord[0], koord[1], koord[2]});
    *aus = t->punkte.back().data();
}
static void GLAPIENTRY TessFehler(GLenum, void* daten) { static_cast<Tesselierung*>(daten)->fehler = true; }
}

void Materialfarbe(double r, double g, double b, GLenum seite = GL_FRONT)
{
    const GLfloat farbe[4] = {static_cast<GLfloat>(r), static_cast<GLfloat>(g), static_cast<GLfloat>(b), 1.0f};
    glMaterialfv(seite, GL_AMBIENT, farbe);
    glMaterialfv(seite, GL_DIFFUSE, farbe);
}

// ----- the parts of the display list -----------------------------------------------

// What every part of the display list shares: the house, its centre (the
// model is mirrored in x and centred), the explosion, the pick names loaded
// so far and the vertices of the tessellated outlines.
struct Listenbau {
    Listenbau(const Haus& h, double mitteX, double mitteY, double explosion)
        : haus(h), cx(mitteX), cy(mitteY), ex(explosion)
    {
    }

    void Ecke(const Punkt3D& p) const { glVertex3d(cx - p.x, p.y - cy, p.z - cx); }
    void Name(GLuint n)
    {
        glLoadName(n);
        ++namen;
    }
    const Zone* ZoneVon(int z) const
    {
        return z >= 0 && z < haus.m_aZone.GetSize() ? &haus.m_aZone[static_cast<std::size_t>(z)] : nullptr;
    }
    // Every plane that lies in a zone of the house, last to first.
    template <class F>
    void FuerFlaechen(F&& f) const
    {
        for (int i = haus.m_aPlane.GetSize() - 1; i >= 0; --i) {
            const Plane& p = haus.m_aPlane[static_cast<std::size_t>(i)];
            if (const Zone* zone = ZoneVon(p.ZoneAusID()))
                f(p, *zone);
        }
    }

    const Haus& haus;
    double cx, cy, ex;
    std::size_t namen = 0;
    Tesselierung tess;
};

// The light and the name stack every list starts with.
void BeginneListe()
{
    const GLfloat umgebung[4] = {0.4f, 0.4f, 0.4f, 0.4f};
    const GLfloat null[4] = {0, 0, 0, 0};
    const GLfloat lage[4] = {50, 50, 50, 0};
    glLightfv(GL_LIGHT0, GL_AMBIENT, umgebung);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, null);
    glLightfv(GL_LIGHT0, GL_SPECULAR, null);
    glLightfv(GL_LIGHT0, GL_POSITION, lage);
    Materialfarbe(1, 1, 1);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glInitNames();
    glPushName(0);
}

// Whether a plane is drawn and in which colour, by its kind: the walls of
// the heated zones, the roofs, dormers and gables only over a heated roof
// space.
struct Flaechenstil {
    bool zeichnen = false;
    double r = 0.95, g = 0.95, b = 0.95;
};

Flaechenstil StilDerFlaeche(const Haus& haus, const Plane& p, const Zone& zone)
{
    const bool klima = zone.KlimaZone == 1;
    const bool dach = haus.DachBeheizt != 0 && klima;
    Flaechenstil s;
    switch (ArtAusID(p.ID)) {
    case flaechenart::KellerWand:
        s.zeichnen = haus.KellerBeheizt != 0;
        s.r = s.g = s.b = 0.5;
        break;
    case flaechenart::Geschosswand: s.zeichnen = klima; break;
    // The ceiling under the roof closes the heated zone whether the
    // roof space is heated or not.
    case flaechenart::DeckeUnterDach:
    case flaechenart::GaubenDecke:
        s.zeichnen = ArtAusID(p.ID) == flaechenart::DeckeUnterDach ? klima : dach;
        s.r = s.g = s.b = 0.7;
        break;
    case flaechenart::Flachdach:
    case flaechenart::Steildach:
    case flaechenart::GaubenDach:
        s.zeichnen = dach;
        s.r = 1;
        s.g = s.b = 0.5;
        break;
    case flaechenart::Drempel:
    case flaechenart::Giebelwand:
    case flaechenart::GaubenFront:
    case flaechenart::GaubenLinks:
    case flaechenart::GaubenRechts: s.zeichnen = dach; break;
    default: break;
    }
    return s;
}

// The mark of a placed window: the plane's middle quarter just in front of it.
void ZeichneFenstermarke(const Listenbau& bau, const Plane& p)
{
    Materialfarbe(0.3, 0.3, 1);
    const Plane s = p.Skaliert(0.25);
    const Punkt3D n = s.Normale();
    const Punkt3D v = n * 0.01 + n * bau.ex;
    glBegin(GL_QUADS);
    for (const Punkt3D* q : {&s.lo, &s.lu, &s.ru, &s.ro})
        bau.Ecke(*q + v);
    glEnd();
}

// Planes by kind, last to first, each with its window mark.
void ZeichneFlaechen(Listenbau& bau)
{
    bau.FuerFlaechen([&bau](const Plane& p, const Zone& zone) {
        const Flaechenstil stil = StilDerFlaeche(bau.haus, p, zone);
        if (!stil.zeichnen)
            return;
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        Materialfarbe(stil.r, stil.g, stil.b);
        const Punkt3D versatz = p.Normale() * bau.ex;
        bau.Name(static_cast<GLuint>(p.ID));
        glBegin(GL_QUADS);
        for (const Punkt3D* q : {&p.lo, &p.ro, &p.ru, &p.lu})
            bau.Ecke(*q + versatz);
        glEnd();
        if (p.FensterAufFlaechePlaziert == 1)
            ZeichneFenstermarke(bau, p);
    });
}

// A zone's outline at a height, tessellated: the plan may be concave.
void ZeichneUmriss(Listenbau& bau, const Zone& zone, double hoehe)
{
    const int n = std::min(zone.m_a2DGrundrissPunkte.GetSize(), C3DGenerator::MaxGrundrissPunkte);
    if (n < 3)
        return;
    GLUtesselator* t = gluNewTess();
    if (!t)
        return;
    const double massstab = bau.haus.OpenGLWidth > 0 ? bau.haus.RealAreaWidth / bau.haus.OpenGLWidth : 1.0;
    gluTessCallback(t, GLU_TESS_BEGIN, reinterpret_cast<_GLUfuncptr>(&TessBeginn));
    gluTessCallback(t, GLU_TESS_VERTEX, reinterpret_cast<_GLUfuncptr>(&TessEcke));
    gluTessCallback(t, GLU_TESS_END, reinterpret_cast<_GLUfuncptr>(&TessEnde));
    gluTessCallback(t, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(&TessVerbinde));
    gluTessCallback(t, GLU_TESS_ERROR_DATA, reinterpret_cast<_GLUfuncptr>(&TessFehler));
    gluTessBeginPolygon(t, &bau.tess);
    gluTessBeginContour(t);
    for (int k = n - 1; k >= 0; --k) {
        const Punkt2D& q = zone.m_a2DGrundrissPunkte[static_cast<std::size_t>(k)];
        bau.tess.punkte.push_back({bau.cx - q.x * massstab, hoehe - bau.cy, q.y * massstab - bau.cx});
        gluTessVertex(t, bau.tess.punkte.back().data(), bau.tess.punkte.back().data());
    }
    gluTessEndContour(t);
    gluTessEndPolygon(t);
    gluDeleteTess(t);
}

// Tessellated outlines: zone tops of flat-roof houses and the floors.
void ZeichneUmrisse(Listenbau& bau, bool decken, bool boeden)
{
    const Haus& haus = bau.haus;
    const int zonenInGebrauch = std::clamp(haus.Zonen, 0, haus.m_aZone.GetSize());
    const Zone* erste = bau.ZoneVon(0);
    if (!erste)
        return;
    if (decken && haus.Steildach == 0) {
        for (int z = 0; z < zonenInGebrauch; ++z) {
            const Zone& zone = haus.m_aZone[static_cast<std::size_t>(z)];
            if (zone.KlimaZone != 1)
                continue;
            bau.Name(static_cast<GLuint>(z * IdZoneFaktor + flaechenart::Flachdach * IdArtFaktor));
            Materialfarbe(1, 0.5, 0.5);
            glNormal3d(0, 1, 0);
            ZeichneUmriss(bau, zone,
                          zone.Stockwerkszahl * zone.Stockwerkshoehe + erste->Kellerhoehe + zone.HoeheUeberGrund + bau.ex);
        }
    }
    if (boeden) {
        const bool keller = haus.KellerBeheizt != 0;
        for (int z = 0; z < zonenInGebrauch; ++z) {
            const Zone& zone = haus.m_aZone[static_cast<std::size_t>(z)];
            const int art = keller ? flaechenart::KellerBoden : flaechenart::Bodenplatte;
            const double hoehe = keller ? erste->Kellerhoehe - zone.Kellerhoehe + zone.HoeheUeberGrund
                                        : zone.HoeheUeberGrund + erste->Kellerhoehe;
            bau.Name(static_cast<GLuint>(z * IdZoneFaktor + art * IdArtFaktor));
            Materialfarbe(0, 0, 0, GL_FRONT_AND_BACK);
            glNormal3d(0, -1, 0);
            ZeichneUmriss(bau, zone, hoehe - bau.ex);
        }
    }
}

// Edges, at 98 % just in front of their planes.
void ZeichneKanten(Listenbau& bau)
{
    bau.Name(0);
    Materialfarbe(0, 0, 0);
    glBegin(GL_LINES);
    bau.FuerFlaechen([&bau](const Plane& p, const Zone&) {
        const Punkt3D v = p.Normale() * (bau.ex + 0.01);
        const Plane s = p.Skaliert(0.98);
        const std::pair<const Punkt3D*, const Punkt3D*> linien[] = {
            {&s.lu, &s.lo}, {&s.lu, &s.ru}, {&s.lo, &s.ro}, {&s.ru, &s.ro}};
        for (const auto& [a, b] : linien) {
            bau.Ecke(*a + v);
            bau.Ecke(*b + v);
        }
    });
    glEnd();
}

// The north arrow on the ground. Its tip and the "N" beyond it stay inside
// the view at zoom 1 whichever way north lies.
void ZeichneNordpfeil(Listenbau& bau)
{
    bau.Name(0);
    Materialfarbe(0, 0, 1);
    constexpr double grad = 0.0174532;
    constexpr double pfeil = 0.5;
    const double W = bau.haus.RealAreaWidth;
    const double A = bau.haus.Ausrichtung;
    const double y0 = bau.haus.Kellerhoehe - 0.01;
    const Punkt3D M(W / 2, y0, W / 2);
    const Punkt3D T = M + Punkt3D(std::cos(A * grad), 0, std::sin(A * grad)) * (pfeil * W);
    const Punkt3D d = T - M;
    const double laenge = std::sqrt(d.x * d.x + d.z * d.z);
    double a = laenge > 0 ? std::acos(std::clamp(d.x / laenge, -1.0, 1.0)) / grad : 0;
    if (d.z < 0)
        a = 360 - a;
    const auto richtung = [grad](double w) { return Punkt3D(std::cos(w * grad), 0, std::sin(w * grad)); };
    const Punkt3D L = M + d * (1 + 0.05 * W * 1.1 / (pfeil * W));
    const double r = 0.05 * W;
    const auto P = [&](double winkel, double faktor) { return L + richtung(a + winkel) * (r * faktor); };
    glBegin(GL_LINES);
    const Punkt3D linien[][2] = {{M, T},
                                 {T, T + richtung(a + 150) * (0.05 * W)},
                                 {T, T + richtung(a - 150) * (0.05 * W)},
                                 {P(123, 0.625), P(14, 0.52)},
                                 {P(194, 0.52), P(14, 0.52)},
                                 {P(194, 0.52), P(-47, 0.625)}};
    for (const auto& l : linien) {
        bau.Ecke(l[0]);
        bau.Ecke(l[1]);
    }
    glEnd();
}

// Unit normals from the centroids.
void ZeichneNormalen(Listenbau& bau)
{
    bau.Name(0);
    Materialfarbe(0, 0, 1);
    glBegin(GL_LINES);
    bau.FuerFlaechen([&bau](const Plane& p, const Zone&) {
        const Punkt3D m = (p.lo + p.ro + p.ru + p.lu) * 0.25;
        bau.Ecke(m);
        bau.Ecke(m + p.Normale());
    });
    glEnd();
}

// The program's printer, after the real print dialog.
QPaintDevice* DruckdialogWaehle(QWidget* eltern)
{
    QPrinter& drucker = Druckauswahl::Drucker();
    if (!Druckauswahl::Frage(drucker, eltern))
        return nullptr;
    return &drucker;
}

int PopupmenueWaehle(QWidget* ansicht, const QPoint& global, const ansicht3d::Popup& eintraege)
{
    QMenu menue(ansicht);
    for (const ansicht3d::Popupeintrag& e : eintraege) {
        QAction* a = menue.addAction(QString::fromUtf8(e.text));
        a->setData(e.befehl);
        a->setEnabled(e.aktiv);
    }
    QAction* gewaehlt = menue.exec(global);
    return gewaehlt ? gewaehlt->data().toInt() : 0;
}

} // namespace

C3DView::Popupwaehler* C3DView::SetzePopupwaehler(Popupwaehler* waehler)
{
    return std::exchange(AktuellerPopupwaehler(), waehler);
}

C3DView::Druckwaehler* C3DView::SetzeDruckwaehler(Druckwaehler* waehler)
{
    return std::exchange(AktuellerDruckwaehler(), waehler);
}

C3DView::C3DView(CMainFrame* rahmen, QWidget* eltern, bool vorschau)
    : GLAnsicht(eltern), m_pRahmen(rahmen), m_bVorschau(vorschau)
{
    SetzeId(this, FensterId);
    setWindowTitle(QString::fromUtf8(Fenstertitel));
    setFocusPolicy(Qt::ClickFocus);
    m_zeitgeber.setInterval(50);
    connect(&m_zeitgeber, &QTimer::timeout, this, &C3DView::Zeitschritt);
    Ansichten().push_back(this);
    Rahme();
}

C3DView::~C3DView()
{
    auto& alle = Ansichten();
    alle.erase(std::remove(alle.begin(), alle.end(), this), alle.end());
    if (QOpenGLContext* k = context()) {
        disconnect(k, nullptr, this, nullptr);
        if (m_liste) {
            GLAktiv aktiv(*this);
            LoescheListe();
        }
    }
}

CMainFrame* C3DView::Rahmen() const
{
    return RahmenDerAnsicht(this, m_pRahmen.data());
}

Haus* C3DView::AktuellesHaus() const
{
    return HausDesRahmens(Rahmen());
}

bool C3DView::DarfZeichnen() const
{
    const Haus* haus = AktuellesHaus();
    return haus && haus->Phase >= 15;
}

void C3DView::MarkiereAndereNeu()
{
    // A preview on show must not keep the old picture until something else
    // happens to repaint it.
    for (C3DView* v : Ansichten())
        if (v != this) {
            v->m_bNeuaufbau = true;
            v->update();
        }
}

// ----- scene ----------------------------------------------------------------------------

void C3DView::Rahme()
{
    const Haus* haus = AktuellesHaus();
    m_rahmung = haus ? ansicht3d::BerechneRahmung(haus->RealAreaWidth, haus->Haushoehe)
                     : ansicht3d::BerechneRahmung(20, 8);
    m_startabstand = m_rahmung.d0;
    m_augenabstand = m_startabstand * m_zoom;
}

void C3DView::SetzeDrehung(double x, double y)
{
    m_drehungX = x;
    m_drehungY = y;
    update();
}

void C3DView::SetzeProjektion()
{
    const QSize g = GeraetePixel();
    glViewport(0, 0, g.width(), g.height());
    const double seiten = g.height() == 0 ? g.width() : static_cast<double>(g.width()) / g.height();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(10.0, seiten, 1.0, m_rahmung.fern);
    glMatrixMode(GL_MODELVIEW);
}

void C3DView::InitSzene(bool kontextAktiv)
{
    Rahme();
    m_tasten.Leere();
    const Haus* haus = AktuellesHaus();
    m_bSzeneMitFlaechen = haus && !haus->m_aPlane.empty() ? 1 : 0;
    if (!isValid()) {
        // No context yet: the first paint compiles the list.
        m_bNeuaufbau = true;
        return;
    }
    std::optional<GLAktiv> aktiv;
    if (!kontextAktiv)
        aktiv.emplace(*this);
    glClearColor(1, 1, 1, 1);
    SetzeProjektion();
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    if (m_bSzeneMitFlaechen)
        Baue3DListe();
    else
        LoescheListe();
    m_bNeuaufbau = false;
}

void C3DView::LoescheListe()
{
    if (m_liste)
        glDeleteLists(m_liste, 1);
    m_liste = 0;
    m_namen = 0;
}

void C3DView::Baue3DListe()
{
    const Haus* haus = AktuellesHaus();
    LoescheListe();
    if (!haus)
        return;
    m_liste = glGenLists(1);
    if (!m_liste)
        return;

    Listenbau bau(*haus, m_rahmung.mitteX, m_rahmung.mitteY, m_explosion);
    glNewList(m_liste, GL_COMPILE);
    BeginneListe();
    if (m_bFlaechen) {
        ZeichneFlaechen(bau);
        ZeichneUmrisse(bau, m_bZonendecken != 0, m_bBoeden != 0);
    }
    if (m_bKanten)
        ZeichneKanten(bau);
    if (m_bNordpfeil)
        ZeichneNordpfeil(bau);
    if (m_bNormalen)
        ZeichneNormalen(bau);
    glEndList();
    m_namen = bau.namen;
}

void C3DView::ZeichneSzene()
{
    if (!m_bSzeneMitFlaechen || !m_liste)
        return;
    glClearColor(1, 1, 1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glLineWidth(1);
    glPushMatrix();
    glTranslated(0, 0, -m_augenabstand);
    glRotated(m_drehungX, 1, 0, 0);
    glRotated(m_drehungY, 0, 1, 0);
    glCallList(m_liste);
    glPopMatrix();
    glFlush();
}

// ----- GL life cycle and paint ----------------------------------------------------------

void C3DView::initializeGL()
{
    // A new context (first show, or the widget moved to another window):
    // the old list went with the old context.
    m_liste = 0;
    m_namen = 0;
    m_bNeuaufbau = true;
    if (QOpenGLContext* k = context())
        connect(k, &QOpenGLContext::aboutToBeDestroyed, this, [this] {
            if (!m_liste)
                return;
            GLAktiv aktiv(*this);
            LoescheListe();
        });
    glClearColor(1, 1, 1, 1);
}

void C3DView::resizeGL(int, int)
{
    SetzeProjektion();
}

void C3DView::paintGL()
{
    Haus* haus = AktuellesHaus();
    if (DarfZeichnen()) {
        if (!m_bSzeneMitFlaechen || haus->ListeNeuAufbauen == 1 || m_bNeuaufbau || !m_liste) {
            if (haus->ListeNeuAufbauen == 1) {
                haus->ListeNeuAufbauen = 0;
                MarkiereAndereNeu();
            }
            InitSzene(true);
        }
    }
    if (!DarfZeichnen() || !m_bSzeneMitFlaechen || !m_liste) {
        // Nothing to show: a frame buffer has no earlier picture to keep.
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        PruefeGLFehler();
        return;
    }
    SetzeProjektion();
    ZeichneSzene();
    if (m_bGLFehler) {
        const GLenum fehler = glGetError();
        const QString text = fehler == GL_NO_ERROR ? QStringLiteral("OpenGL im grünen Bereich") : GLFehlertext(fehler);
        if (!text.isEmpty())
            setWindowTitle(text);
    } else {
        PruefeGLFehler();
    }
}

// ----- mouse and keys -------------------------------------------------------------------

void C3DView::mousePressEvent(QMouseEvent* ereignis)
{
    if (ereignis->button() != Qt::LeftButton)
        return;
    setFocus();
    m_letzte = ereignis->position().toPoint();
    m_bLinks = true;
}

void C3DView::mouseReleaseEvent(QMouseEvent* ereignis)
{
    if (ereignis->button() == Qt::LeftButton)
        m_bLinks = false;
}

void C3DView::mouseMoveEvent(QMouseEvent* ereignis)
{
    // Exactly the left button, no other button and no key.
    if (ereignis->buttons() != Qt::LeftButton || ereignis->modifiers() != Qt::NoModifier)
        return;
    const QPoint p = ereignis->position().toPoint();
    // A degree for every two pixels. The odd pixel left over stays in the
    // step to come, so a slow drag of single pixels turns the model as far
    // as one quick step over the same way.
    const int x = (p.y() - m_letzte.y()) / 2;
    const int y = (p.x() - m_letzte.x()) / 2;
    m_drehungX += x;
    m_drehungY += y;
    m_letzte += QPoint(2 * y, 2 * x);
    update();
}

void C3DView::keyPressEvent(QKeyEvent* ereignis)
{
    Haus* haus = AktuellesHaus();
    switch (ereignis->key()) {
    case Qt::Key_PageUp:
        m_zoom -= 0.1;
        if (m_zoom < 0.5)
            m_zoom = 0.5;
        m_augenabstand = m_startabstand * m_zoom;
        update();
        return;
    case Qt::Key_PageDown:
        m_zoom += 0.1;
        if (m_zoom > 2.0)
            m_zoom = 2.0;
        m_augenabstand = m_startabstand * m_zoom;
        update();
        return;
    case Qt::Key_Pause:
        if (m_zeitgeber.isActive()) {
            m_zeitgeber.stop();
            m_explosion = 0;
        }
        m_tasten.Leere();
        if (haus)
            haus->ListeNeuAufbauen = 1;
        update();
        return;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
        // A key held with a letter is no key of its own.
        return;
    default: break;
    }
    if (m_bVorschau)
        return;
    const int taste = ereignis->key();
    const char buchstabe = taste >= Qt::Key_A && taste <= Qt::Key_Z ? static_cast<char>('A' + (taste - Qt::Key_A)) : 0;
    const ansicht3d::Folge folge = m_tasten.Taste(buchstabe);
    if (folge == ansicht3d::Folge::Keine)
        return;
    WendeFolgeAn(folge);
    if (haus)
        haus->ListeNeuAufbauen = 1;
    update();
}

void C3DView::WendeFolgeAn(ansicht3d::Folge folge)
{
    using ansicht3d::Folge;
    switch (folge) {
    case Folge::AllesAn:
        m_bFlaechen = m_bZonendecken = m_bBoeden = m_bNordpfeil = m_bKanten = 1;
        m_bNormalen = 0;
        m_bGLFehler = 0;
        break;
    case Folge::Kanten: m_bKanten = !m_bKanten; break;
    case Folge::Nordpfeil: m_bNordpfeil = !m_bNordpfeil; break;
    case Folge::Normalen: m_bNormalen = !m_bNormalen; break;
    case Folge::Boeden: m_bBoeden = !m_bBoeden; break;
    case Folge::Zonendecken: m_bZonendecken = !m_bZonendecken; break;
    case Folge::Flaechen: m_bFlaechen = !m_bFlaechen; break;
    case Folge::GLFehler: m_bGLFehler = !m_bGLFehler; break;
    case Folge::Explosion: m_zeitgeber.start(); break;
    case Folge::Keine: break;
    }
}

void C3DView::Zeitschritt()
{
    m_explosion += 0.1;
    if (m_explosion > 3.0)
        m_explosion = 0;
    if (Haus* haus = AktuellesHaus())
        haus->ListeNeuAufbauen = 1;
    update();
}

// ----- picking and dispatch --------------------------------------------------------------

int C3DView::Waehle(const QPoint& pixel)
{
    if (!isValid() || !m_bSzeneMitFlaechen || !m_liste)
        return -1;
    GLAktiv aktiv(*this);
    const QSize g = GeraetePixel();
    const double seiten = g.height() == 0 ? g.width() : static_cast<double>(g.width()) / g.height();
    // Four values a hit record, one record for every name in the list at
    // most, and room to spare: an overflow would lose the whole click.
    std::vector<GLuint> puffer(4 * (m_namen + 10));
    glViewport(0, 0, g.width(), g.height());
    GLint rahmen[4];
    glGetIntegerv(GL_VIEWPORT, rahmen);
    glSelectBuffer(static_cast<GLsizei>(puffer.size()), puffer.data());
    glRenderMode(GL_SELECT);
    glInitNames();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glDepthFunc(GL_ALWAYS);
    glEnable(GL_DEPTH_TEST);
    glLoadIdentity();
    const double dpr = devicePixelRatioF();
    gluPickMatrix(pixel.x() * dpr, rahmen[3] - pixel.y() * dpr, 5, 5, rahmen);
    gluPerspective(10.0, seiten, 1.0, m_rahmung.fern);
    glMatrixMode(GL_MODELVIEW);
    ZeichneSzene();
    const GLint treffer = glRenderMode(GL_RENDER);
    glInitNames();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glFlush();
    SetzeProjektion();
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    return ansicht3d::NaechsteFlaeche(std::span<const std::uint32_t>(puffer.data(), puffer.size()), treffer);
}

void C3DView::contextMenuEvent(QContextMenuEvent* ereignis)
{
    // Only the main view picks, and only what the mouse points at.
    if (m_bVorschau || ereignis->reason() != QContextMenuEvent::Mouse || !DarfZeichnen())
        return;
    const int id = Waehle(ereignis->pos());
    m_gewaehlt = id;
    ansicht3d::Auswahl auswahl = ansicht3d::Verteile(id);
    // A dormer ceiling is edited with the attic ceiling it belongs to.
    if (auswahl.aktion == ansicht3d::Aktion::Popup && ArtAusID(id) == flaechenart::GaubenDecke)
        auswahl.popup[0].aktiv = DeckeZurGewaehltenFlaeche() >= 0;
    Fuehreaus(auswahl, ereignis->globalPos());
}

int C3DView::DeckeZurGewaehltenFlaeche() const
{
    const Haus* haus = AktuellesHaus();
    if (!haus)
        return -1;
    return DeckeDerGaube(*haus, FindePlane(*haus, m_gewaehlt).GaubenID);
}

void C3DView::Fuehreaus(const ansicht3d::Auswahl& auswahl, const QPoint& global)
{
    CMainFrame* rahmen = Rahmen();
    if (!rahmen)
        return;
    using ansicht3d::Aktion;
    switch (auswahl.aktion) {
    case Aktion::Boden: rahmen->BearbeiteBoden(auswahl.id); break;
    case Aktion::Wand: rahmen->BearbeiteWand(auswahl.id); break;
    case Aktion::Decke: rahmen->BearbeiteDecke(auswahl.id); break;
    case Aktion::Flachdach: rahmen->BearbeiteFlachdach(auswahl.id); break;
    case Aktion::Steildach: rahmen->BearbeiteSteildach(auswahl.id); break;
    case Aktion::Popup: {
        Popupwaehler* w = AktuellerPopupwaehler();
        const int befehl = w ? w->Waehle(this, global, auswahl.popup) : PopupmenueWaehle(this, global, auswahl.popup);
        // A greyed entry cannot be chosen.
        for (const ansicht3d::Popupeintrag& e : auswahl.popup)
            if (e.befehl == befehl && e.aktiv)
                Popupbefehl(befehl);
        break;
    }
    case Aktion::Nichts: break;
    }
}

void C3DView::Popupbefehl(int befehl)
{
    if (befehl == ansicht3d::BefehlFlaecheEditieren) {
        const int decke = ArtAusID(m_gewaehlt) == flaechenart::GaubenDecke ? DeckeZurGewaehltenFlaeche() : -1;
        const ansicht3d::Auswahl a = ansicht3d::FlaecheEditieren(m_gewaehlt, decke);
        if (a.aktion != ansicht3d::Aktion::Nichts) {
            Fuehreaus(a, {});
            return;
        }
    }
    GaubenBefehl(befehl);
}

void C3DView::BeginneGaubeneingabe(const Plane& flaeche, int index)
{
    CMainFrame* rahmen = Rahmen();
    Haus* haus = AktuellesHaus();
    auto* plan = rahmen ? qobject_cast<C2DView*>(rahmen->Ansicht2D()) : nullptr;
    if (!haus || !plan)
        return;
    haus->Phase = 16;
    rahmen->ZeigeSchritt();
    plan->GaubeEinrichten(flaeche, index);
}

void C3DView::GaubenBefehl(int befehl)
{
    Haus* haus = AktuellesHaus();
    CMainFrame* rahmen = Rahmen();
    if (!haus || !rahmen)
        return;
    // Each command looks up what it needs first and stops quietly when it is
    // missing, before anything changes.
    switch (befehl) {
    case ansicht3d::BefehlGaubePlazieren: {
        if (const std::optional<Plane> flaeche = DachflaecheFuerGaube(*haus, m_gewaehlt))
            BeginneGaubeneingabe(*flaeche, -1);
        break;
    }
    case ansicht3d::BefehlGaubeBearbeiten: {
        const int index = GaubenIndexVon(*haus, FindePlane(*haus, m_gewaehlt).GaubenID);
        if (const std::optional<Plane> flaeche = DachflaecheDerGaube(*haus, index))
            BeginneGaubeneingabe(*flaeche, index);
        break;
    }
    case ansicht3d::BefehlGaubeLoeschen: {
        const int gaube = FindePlane(*haus, m_gewaehlt).GaubenID;
        if (GaubenIndexVon(*haus, gaube) < 0)
            break;
        if (!Meldung::Frage(QString::fromUtf8(FrageGaubeLoeschen), QMessageBox::No, Meldung::Symbol::Frage, this))
            break;
        if (CZEVADoc* dok = rahmen->GetActiveDocument())
            dok->SetModifiedFlag(true);
        if (auto* plan = qobject_cast<C2DView*>(rahmen->Ansicht2D()))
            plan->LoescheGaube(gaube);
        else
            LoescheGaube(*haus, gaube);
        // The envelope and the other figures change with the dormer's parts.
        rahmen->AktualisiereAnsichten();
        rahmen->AktualisiereKennzahlseiten();
        update();
        break;
    }
    default: break;
    }
}

// ----- rebuild ------------------------------------------------------------------------------

int C3DView::ErzeugeFlaechen(CMainFrame& rahmen)
{
    Haus& haus = rahmen.AktuellesHaus();
    MeldungsNotifier notifier(&rahmen);
    const int ergebnis = C3DGenerator(haus, notifier).Erzeuge3DFlaechen();
    if (ergebnis)
        if (CZEVADoc* dok = rahmen.GetActiveDocument())
            dok->SetModifiedFlag(true);
    return ergebnis;
}

int C3DView::Regeneriere3D()
{
    CMainFrame* rahmen = Rahmen();
    if (!rahmen || !rahmen->GetActiveDocument())
        return 0;
    const int ergebnis = ErzeugeFlaechen(*rahmen);
    InitSzene(false);
    return ergebnis;
}

void C3DView::LiesHausNeu()
{
    InitSzene(false);
    update();
}

// ----- show and hide -------------------------------------------------------------------------

void C3DView::Nummeriere()
{
    Haus* haus = AktuellesHaus();
    if (!haus)
        return;
    const auto zaehle = [](auto& records) {
        std::int32_t n = 0;
        for (auto& r : records)
            r.Nummer = ++n;
    };
    zaehle(haus->m_aWand);
    zaehle(haus->m_aFenster);
    zaehle(haus->m_aFlachdach);
    zaehle(haus->m_aBoden);
    zaehle(haus->m_aDecke);
    zaehle(haus->m_aSteildach);
}

void C3DView::showEvent(QShowEvent* ereignis)
{
    GLAnsicht::showEvent(ereignis);
    if (!m_bVorschau)
        Nummeriere();
    update();
}

void C3DView::hideEvent(QHideEvent* ereignis)
{
    GLAnsicht::hideEvent(ereignis);
    if (!m_bVorschau)
        Nummeriere();
}

// ----- printing and pictures -----------------------------------------------------------------

bool C3DView::BearbeiteBefehl(int id)
{
    if (id == ID_FILE_PRINT) {
        Drucke();
        return true;
    }
    if (id == ID_3D_ALS_JPEG) {
        SpeichereBildschirmfoto();
        return true;
    }
    return false;
}

void C3DView::Drucke()
{
    Druckwaehler* w = AktuellerDruckwaehler();
    QPaintDevice* geraet = w ? w->Waehle(this) : DruckdialogWaehle(this);
    if (!geraet)
        return;
    const QImage bild = grabFramebuffer();
    if (auto* drucker = dynamic_cast<QPrinter*>(geraet))
        drucker->setDocName(QString::fromUtf8(Dokumentname));
    QPainter maler;
    // Without a picture of the view there is nothing to print either.
    if (!Druckauswahl::Beginne(maler, bild.isNull() || bild.width() <= 0 ? nullptr : geraet, this))
        return;
    // Across the printable width, 400 device pixels below the top, in the
    // picture's proportions on paper whatever the device's resolutions.
    const double W = geraet->width();
    const double lx = geraet->logicalDpiX();
    const double ly = geraet->logicalDpiY();
    const double h = bild.height() * ly * W / (bild.width() * lx);
    maler.drawImage(QRect(0, 400, static_cast<int>(W), static_cast<int>(std::lround(h))), bild);
    maler.end();
}

void C3DView::SpeichereBildschirmfoto()
{
    m_strBilddatei.clear();
    const QString datei = Dateiauswahl::Speichern(
        this, QStringLiteral("*.jpg"), {QStringLiteral("JPEG Files (*.jpg)"), QStringLiteral("All Files (*)")},
        QStringLiteral("jpg"));
    if (datei.isEmpty())
        return;
    if (QFileInfo(datei).fileName().size() <= 4) {
        Meldung::Zeige(QString::fromUtf8(MeldungDateiname), QMessageBox::Ok, Meldung::Symbol::Vorgabe,
                       QMessageBox::NoButton, this, QStringLiteral("Fehler"));
        return;
    }
    m_strBilddatei = datei;
    repaint();
    QString fehler;
    if (!RendereInJpeg(m_strBilddatei, &fehler))
        Druckauswahl::MeldeBildfehler(m_strBilddatei, fehler, this);
}

void C3DView::ZuBitmap(const QImage& bild, BitmapKopf& kopf, std::vector<std::uint8_t>& zeilen)
{
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    kopf.breite = rgb.width();
    kopf.hoehe = rgb.height();
    kopf.bitzahl = 32;
    kopf.farbtabelle.clear();
    const std::size_t laenge = static_cast<std::size_t>(rgb.width()) * 4;
    zeilen.resize(laenge * static_cast<std::size_t>(rgb.height()));
    // Bottom-up, B, G, R and an unused byte.
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* quelle = reinterpret_cast<const QRgb*>(rgb.constScanLine(rgb.height() - 1 - y));
        std::uint8_t* ziel = zeilen.data() + laenge * static_cast<std::size_t>(y);
        for (int x = 0; x < rgb.width(); ++x) {
            ziel[4 * x] = static_cast<std::uint8_t>(qBlue(quelle[x]));
            ziel[4 * x + 1] = static_cast<std::uint8_t>(qGreen(quelle[x]));
            ziel[4 * x + 2] = static_cast<std::uint8_t>(qRed(quelle[x]));
            ziel[4 * x + 3] = 0;
        }
    }
}

bool C3DView::RendereInJpeg(const QString& datei, QString* fehler)
{
    // Rendered into the view's own frame buffer, so a window lying over the
    // view does not show in the picture.
    const QImage bild = grabFramebuffer();
    if (bild.isNull()) {
        if (fehler)
            *fehler = QString::fromUtf8(KeinBildDerAnsicht);
        return false;
    }
    BitmapKopf kopf;
    std::vector<std::uint8_t> zeilen;
    ZuBitmap(bild, kopf, zeilen);
    CJpegBild jpeg;
    if (jpeg.SchreibeJpeg(&kopf, zeilen.data(), QFile::encodeName(datei).toStdString(), 100))
        return true;
    if (fehler)
        *fehler = QString::fromLocal8Bit(jpeg.Fehlertext().c_str());
    return false;
}

bool C3DView::SpeichereAnsichtJpeg()
{
    CMainFrame* rahmen = Rahmen();
    if (!rahmen || !rahmen->GetActiveDocument())
        return false;
    return RendereInJpeg(ProjektBildAusTitel(rahmen->Startordner(), rahmen->GetActiveDocument()->GetTitle()));
}

// ----- installation -------------------------------------------------------------------------

void Installiere3DVorschau()
{
    Vorschaufabrik::SetzeErzeuger(
        Vorschaufabrik::Art::Ansicht3D, [](QWidget* eltern) -> QWidget* { return new C3DView(nullptr, eltern, true); },
        true);
}

} // namespace zeva
