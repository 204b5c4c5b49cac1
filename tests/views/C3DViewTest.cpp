// The 3D view: its rules without OpenGL (framing, hit ranking, dispatch, key
// sequences), then the view as a user meets it in the started program under
// Xvfb: the picture read back from the frame buffer, right clicks sent as
// context-menu events, the mouse and keys, printing and pictures.
#include "shell/RahmenTestHilfen.h"
#include "support/Ausgabedatei.h"

#include "geometry/C3DGenerator.h"
#include "geometry/DachTestHilfen.h"
#include "geometry/Gaubeneingabe.h"
#include "geometry/Plangeometrie.h"
#include "model/Haus.h"
#include "model/PlaneID.h"
#include "results/CGeoKGDlg.h"
#include "results/CJpegBild.h"
#include "ui/CWertButton.h"
#include "results/JpegLesen.h"
#include "shell/Befehle.h"
#include "shell/Vorschaufabrik.h"
#include "ui/MeldungsNotifier.h"
#include "views/Ansicht3DRegeln.h"
#include "views/C2DView.h"
#include "views/C3DView.h"
#include "views/CEingabeAssistentDlg.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cmath>
#include <map>
#include <optional>
#include <set>

namespace zeva {
namespace {

using namespace ansicht3d;

// ----- rules without OpenGL -------------------------------------------------------------

TEST(Ansicht3DRegeln, FramingFollowsPlanWidthAndHouseHeight)
{
    const Rahmung r = BerechneRahmung(20, 8);
    EXPECT_DOUBLE_EQ(r.mitteX, 10);
    EXPECT_DOUBLE_EQ(r.mitteY, 4);
    EXPECT_DOUBLE_EQ(r.d0, 200);
    EXPECT_DOUBLE_EQ(r.fern, 1000);
    EXPECT_DOUBLE_EQ(BerechneRahmung(20, 12).d0, 120) << "a house higher than half the plan width";
    EXPECT_DOUBLE_EQ(BerechneRahmung(40, 8).d0, 400);
}

TEST(Ansicht3DRegeln, TheNearestSurfaceWins)
{
    // Records {names, zmin, zmax, name}.
    const std::vector<std::uint32_t> puffer = {1, 100, 120, 4000001, 1, 50, 60, 0,
                                               1, 50, 70, 9000002,   1, 50, 55, 4000005};
    EXPECT_EQ(NaechsteFlaeche(puffer, 4), 9000002) << "equal depths keep buffer order, name 0 skipped";
    const std::vector<std::uint32_t> nurKanten = {1, 10, 20, 0, 1, 5, 6, 999999};
    EXPECT_EQ(NaechsteFlaeche(nurKanten, 2), -1);
    EXPECT_EQ(NaechsteFlaeche(puffer, 0), -1);
    EXPECT_EQ(NaechsteFlaeche(puffer, -1), -1) << "an overflowed buffer";
    // Depths are unsigned: a depth above 2^31 is far, not negative.
    const std::vector<std::uint32_t> tief = {1, 0xF0000000u, 0xF0000001u, 4000001, 1, 7, 8, 4000002};
    EXPECT_EQ(NaechsteFlaeche(tief, 2), 4000002);
}

TEST(Ansicht3DRegeln, DispatchByKind)
{
    struct Fall {
        int id;
        Aktion aktion;
    };
    for (const Fall& f : {Fall{3000000, Aktion::Boden}, Fall{101000000, Aktion::Boden}, Fall{104000003, Aktion::Wand},
                          Fall{2000001, Aktion::Wand}, Fall{6000002, Aktion::Wand}, Fall{8000004, Aktion::Wand},
                          Fall{5000001, Aktion::Decke}, Fall{7000000, Aktion::Flachdach},
                          Fall{9000001, Aktion::Popup}, Fall{12000000, Aktion::Popup}, Fall{15000003, Aktion::Popup},
                          Fall{90000001, Aktion::Nichts}, Fall{10000001, Aktion::Nichts}, Fall{54000001, Aktion::Nichts},
                          Fall{-1, Aktion::Nichts}}) {
        const Auswahl a = Verteile(f.id);
        EXPECT_EQ(a.aktion, f.aktion) << f.id;
        EXPECT_EQ(a.id, f.id);
    }
    const auto aktiv = [](const Popup& p) {
        std::vector<std::pair<int, bool>> v;
        for (const Popupeintrag& e : p)
            v.emplace_back(e.befehl, e.aktiv);
        return v;
    };
    using V = std::vector<std::pair<int, bool>>;
    EXPECT_EQ(aktiv(Verteile(9000001).popup), (V{{32811, true}, {32815, true}, {32816, false}, {32813, false}}));
    EXPECT_EQ(aktiv(Verteile(12000000).popup), (V{{32811, true}, {32815, false}, {32816, true}, {32813, true}}));
    EXPECT_STREQ(Verteile(9000001).popup[0].text, "Fläche editieren");
    EXPECT_STREQ(Verteile(9000001).popup[1].text, "Gaube plazieren");
    EXPECT_STREQ(Verteile(9000001).popup[2].text, "Gaube bearbeiten");
    EXPECT_STREQ(Verteile(9000001).popup[3].text, "Gaube löschen");
    EXPECT_EQ(FlaecheEditieren(109000001).aktion, Aktion::Steildach);
    EXPECT_EQ(FlaecheEditieren(109000001).id, 109000001);
    // Dormer parts: the roof and walls open themselves, the ceiling the attic
    // ceiling it belongs to, and nothing without one.
    struct Teil {
        int id;
        int decke;
        Aktion aktion;
        int geoeffnet;
    };
    for (const Teil& t : {Teil{11000002, -1, Aktion::Steildach, 11000002}, Teil{12000000, -1, Aktion::Wand, 12000000},
                          Teil{13000001, -1, Aktion::Wand, 13000001}, Teil{14000000, -1, Aktion::Wand, 14000000},
                          Teil{15000000, 5000001, Aktion::Decke, 5000001}, Teil{15000000, -1, Aktion::Nichts, 15000000},
                          Teil{92000000, 5000001, Aktion::Nichts, 92000000}, Teil{5000001, -1, Aktion::Nichts, 5000001}}) {
        const Auswahl a = FlaecheEditieren(t.id, t.decke);
        EXPECT_EQ(a.aktion, t.aktion) << t.id;
        EXPECT_EQ(a.id, t.geoeffnet) << t.id;
    }
}

TEST(Ansicht3DRegeln, KeySequences)
{
    const auto tippe = [](Tastenfolgen& t, const char* text) {
        Folge f = Folge::Keine;
        for (const char* c = text; *c; ++c)
            f = t.Taste(*c == '?' ? 0 : *c);
        return f;
    };
    struct Fall {
        const char* text;
        Folge folge;
    };
    for (const Fall& f : {Fall{"WUXTOR", Folge::AllesAn}, Fall{"WUXHOLMEN", Folge::Kanten},
                          Fall{"WUXSEDA", Folge::Nordpfeil}, Fall{"WUXPIRTEL", Folge::Normalen},
                          Fall{"WUXFALMO", Folge::Boeden}, Fall{"WUXQUIRE", Folge::Zonendecken},
                          Fall{"WUXBRANTIL", Folge::Flaechen}, Fall{"QOVINTA", Folge::GLFehler},
                          Fall{"ZEPHAK", Folge::Explosion}, Fall{"WUXGORVAN", Folge::Keine},
                          Fall{"WUXMELT", Folge::Keine}}) {
        Tastenfolgen t;
        EXPECT_EQ(tippe(t, f.text), f.folge) << f.text;
    }
    Tastenfolgen t;
    EXPECT_EQ(tippe(t, "WUXSEDA"), Folge::Nordpfeil);
    EXPECT_EQ(t.Anzahl(), 0) << "a match empties the keys";
    EXPECT_EQ(tippe(t, "AWUXSEDA"), Folge::Keine) << "a wrong first key spoils it";
    EXPECT_EQ(tippe(t, "WUXSEDA"), Folge::Keine) << "until the keys are emptied";
    t.Leere();
    EXPECT_EQ(tippe(t, "?WUXSED"), Folge::Keine) << "any key counts, also one without a letter";
    t.Leere();
    EXPECT_EQ(tippe(t, "ABCDEFGHIJKLMNOPQRSTUVW"), Folge::Keine);
    EXPECT_EQ(t.Anzahl(), Tastenfolgen::MaxTasten) << "keys beyond 20 are ignored";
}

// ----- the view in the started program ------------------------------------------------------

struct Aufruf {
    CMainFrame::Bauteildialog art;
    int id;
    bool operator==(const Aufruf&) const = default;
};

class WaehlePopup final : public C3DView::Popupwaehler {
public:
    WaehlePopup() { m_vorher = C3DView::SetzePopupwaehler(this); }
    ~WaehlePopup() override { C3DView::SetzePopupwaehler(m_vorher); }
    int Waehle(QWidget*, const QPoint&, const Popup& e) override
    {
        eintraege.push_back(e);
        return antwort;
    }
    int antwort = BefehlFlaecheEditieren;
    std::vector<Popup> eintraege;

private:
    C3DView::Popupwaehler* m_vorher;
};

class DruckAuf final : public C3DView::Druckwaehler {
public:
    DruckAuf() { m_vorher = C3DView::SetzeDruckwaehler(this); }
    ~DruckAuf() override { C3DView::SetzeDruckwaehler(m_vorher); }
    QPaintDevice* Waehle(QWidget*) override
    {
        ++gefragt;
        return geraet;
    }
    QPaintDevice* geraet = nullptr;
    int gefragt = 0;

private:
    C3DView::Druckwaehler* m_vorher;
};

// The editor stores outlines clockwise; the walls then face outwards.
Punkt2DArray Uhrzeigersinn(double x0, double y0, double x1, double y1)
{
    return {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}};
}

class DreiDAnsicht : public test::GestartetesProgramm {
protected:
    void VorDemStart() override
    {
        ASSERT_TRUE(ordner.isValid());
        vorherOrdner = QDir::currentPath();
        // The frame's start folder, where project pictures go.
        QDir::setCurrent(ordner.path());
    }
    void SetUp() override
    {
        test::GestartetesProgramm::SetUp();
        for (auto art : {CMainFrame::Bauteildialog::Boden, CMainFrame::Bauteildialog::Wand,
                         CMainFrame::Bauteildialog::Decke, CMainFrame::Bauteildialog::Flachdach,
                         CMainFrame::Bauteildialog::Steildach})
            rahmen->SetzeBauteildialogErzeuger(art, [this, art](CMainFrame& r) {
                aufrufe.push_back({art, r.AktuellesHaus().AktuelleTraegerID});
                auto* d = new QDialog(&r);
                QMetaObject::invokeMethod(d, &QDialog::reject, Qt::QueuedConnection);
                return d;
            });
        Giebelhaus(H());
        Erzeuge();
        H().Phase = 15;
        rahmen->ZeigeSchritt();
        ansicht = qobject_cast<C3DView*>(rahmen->Ansicht3D());
        ASSERT_NE(ansicht, nullptr) << "OpenGL is there under Xvfb";
        // The view on its own, 640 × 480 pixels.
        ansicht->setParent(nullptr);
        ansicht->resize(640, 480);
        ansicht->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ansicht));
    }
    void TearDown() override
    {
        if (ansicht && !ansicht->parentWidget())
            delete ansicht.data();
        delete vorschau.data();
        test::GestartetesProgramm::TearDown();
        QDir::setCurrent(vorherOrdner);
    }

    zeva::Haus& H() const { return rahmen->AktuellesHaus(); }

    static void Giebelhaus(zeva::Haus& h)
    {
        test::GezeichnetesHaus(h);
        h.m_aZone[0].m_a2DGrundrissPunkte = Uhrzeigersinn(0, 0, 10, 8);
        h.Zonen = std::max(h.Zonen, 1);
    }
    void Erzeuge()
    {
        MeldungsNotifier notifier(rahmen);
        ASSERT_EQ(C3DGenerator(H(), notifier).Erzeuge3DFlaechen(), 1);
        H().ListeNeuAufbauen = 1;
    }
    void Neu()
    {
        H().ListeNeuAufbauen = 1;
        ansicht->update();
    }

    QImage Bild() const { return ansicht->grabFramebuffer().convertToFormat(QImage::Format_RGB32); }

    // The view's matrices on the CPU: the pixel (logical, y down) of a house
    // point and its distance in front of the eye.
    QPointF Pixel(const Punkt3D& p, double* tiefe = nullptr) const
    {
        const Rahmung& r = ansicht->Rahmung();
        const double x = r.mitteX - p.x, y = p.y - r.mitteY, z = p.z - r.mitteX;
        const double a = ansicht->DrehungY() * M_PI / 180, b = ansicht->DrehungX() * M_PI / 180;
        const double x1 = std::cos(a) * x + std::sin(a) * z, z1 = -std::sin(a) * x + std::cos(a) * z;
        const double y2 = std::cos(b) * y - std::sin(b) * z1, z2 = std::sin(b) * y + std::cos(b) * z1 - ansicht->Augenabstand();
        const double f = 1 / std::tan(5 * M_PI / 180);
        const double w = ansicht->width(), h = ansicht->height();
        if (tiefe)
            *tiefe = -z2;
        return {(f * h / w * x1 / -z2 + 1) / 2 * w, (1 - f * y2 / -z2) / 2 * h};
    }
    QColor Farbe(const QImage& bild, const Punkt3D& p) const
    {
        const QPointF q = Pixel(p);
        return bild.pixelColor(static_cast<int>(q.x()), static_cast<int>(q.y()));
    }
    static void ErwarteFarbe(const QColor& c, int r, int g, int b, const char* was)
    {
        EXPECT_NEAR(c.red(), r, 1) << was;
        EXPECT_NEAR(c.green(), g, 1) << was;
        EXPECT_NEAR(c.blue(), b, 1) << was;
    }
    const Plane* Finde(const std::function<bool(const Plane&)>& wie) const
    {
        for (const Plane& p : H().m_aPlane)
            if (wie(p))
                return &p;
        return nullptr;
    }
    static Punkt3D Mitte(const Plane& p) { return (p.lo + p.ro + p.ru + p.lu) * 0.25; }
    static int Art(const Plane& p) { return ArtAusID(p.ID); }

    void Rechtsklick(QPoint p)
    {
        QContextMenuEvent e(QContextMenuEvent::Mouse, p, ansicht->mapToGlobal(p));
        QApplication::sendEvent(ansicht, &e);
    }
    void Rechtsklick(const Punkt3D& p) { Rechtsklick(Pixel(p).toPoint()); }
    void Tippe(const char* text) { QTest::keyClicks(ansicht, QString::fromLatin1(text)); }
    void Taste(Qt::Key k) { QTest::keyClick(ansicht, k); }
    void Ziehe(QPoint von, QPoint nach, Qt::MouseButtons knoepfe = Qt::LeftButton,
               Qt::KeyboardModifiers tasten = Qt::NoModifier)
    {
        QMouseEvent druck(QEvent::MouseButtonPress, von, ansicht->mapToGlobal(von), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(ansicht, &druck);
        QMouseEvent zug(QEvent::MouseMove, nach, ansicht->mapToGlobal(nach), Qt::NoButton, knoepfe, tasten);
        QApplication::sendEvent(ansicht, &zug);
        QMouseEvent los(QEvent::MouseButtonRelease, nach, ansicht->mapToGlobal(nach), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
        QApplication::sendEvent(ansicht, &los);
    }
    // Pixels of the north arrow's blue (the window marks have red and green).
    static int Blau(const QImage& bild)
    {
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QRgb c = bild.pixel(x, y);
                n += qBlue(c) > 120 && qRed(c) < 30 && qGreen(c) < 30;
            }
        return n;
    }
    static bool IstWeiss(const QImage& bild)
    {
        for (int y = 0; y < bild.height(); y += 7)
            for (int x = 0; x < bild.width(); x += 7)
                if (bild.pixel(x, y) != qRgb(255, 255, 255))
                    return false;
        return true;
    }

    QTemporaryDir ordner;
    QString vorherOrdner;
    QPointer<C3DView> ansicht;
    QPointer<C3DView> vorschau;
    std::vector<Aufruf> aufrufe;
};

TEST_F(DreiDAnsicht, ShadesTheSurfacesByKind)
{
    EXPECT_EQ(ansicht->objectName(), QStringLiteral("id210"));
    EXPECT_EQ(ansicht->windowTitle(), QStringLiteral("3D-Editiermodus")) << "the step switch names the step";
    Plane* vorn = nullptr;
    for (Plane& p : H().m_aPlane)
        if (Art(p) == flaechenart::Geschosswand && p.lo.z == 8 && p.ro.z == 8)
            vorn = &p;
    ASSERT_NE(vorn, nullptr);
    const Plane* dach = Finde([](const Plane& p) { return Art(p) == flaechenart::Steildach && p.lu.z == 8 && p.ru.z == 8; });
    ASSERT_NE(dach, nullptr);

    ansicht->SetzeDrehung(0, 0);
    QImage bild = Bild();
    bild.save(test::Ausgabedatei(QStringLiteral("zeva_3d_vorn.png")));
    ErwarteFarbe(Farbe(bild, Mitte(*vorn)), 145, 145, 145, "front storey wall");
    ErwarteFarbe(Farbe(bild, Mitte(*dach)), 153, 76, 76, "the roof face above it");
    ErwarteFarbe(bild.pixelColor(5, 5), 255, 255, 255, "background");

    vorn->FensterAufFlaechePlaziert = 1;
    Neu();
    bild = Bild();
    bild.save(test::Ausgabedatei(QStringLiteral("zeva_3d_fenster.png")));
    ErwarteFarbe(Farbe(bild, Mitte(*vorn)), 46, 46, 153, "the window mark");
    EXPECT_EQ(ansicht->windowTitle(), QStringLiteral("3D-Editiermodus")) << "no GL error";

    // The GL error display writes its verdict into the title.
    Tippe("QOVINTA");
    Bild();
    EXPECT_EQ(ansicht->windowTitle(), QStringLiteral("OpenGL im grünen Bereich"));
}

// Every drawn surface whose centroid is not hidden (a ray cast on the CPU
// through the same matrices) opens its own input when right-clicked there.
TEST_F(DreiDAnsicht, ARightClickOpensTheInputOfTheVisibleSurface)
{
    WaehlePopup popup;
    EXPECT_DOUBLE_EQ(ansicht->DrehungX(), 60);
    EXPECT_DOUBLE_EQ(ansicht->DrehungY(), 60);
    Bild().save(test::Ausgabedatei(QStringLiteral("zeva_3d_start.png")));

    struct Flaeche {
        std::vector<Punkt3D> ecken;
        int id;
    };
    std::vector<Flaeche> flaechen;
    for (const Plane& p : H().m_aPlane) {
        const int art = Art(p);
        if (art == flaechenart::Geschosswand || art == flaechenart::Steildach || art == flaechenart::Giebelwand ||
            art == flaechenart::DeckeUnterDach || art == flaechenart::Drempel)
            flaechen.push_back({{p.lo, p.ro, p.ru, p.lu}, p.ID});
    }
    std::vector<Punkt3D> boden;
    for (const Punkt2D& q : H().m_aZone[0].m_a2DGrundrissPunkte)
        boden.emplace_back(q.x, H().m_aZone[0].Kellerhoehe, q.y);
    flaechen.push_back({boden, 3000000});

    // Ray through a pixel: the nearest surface whose projection holds it.
    const auto innen = [](const std::vector<QPointF>& poly, QPointF p) {
        bool drin = false;
        for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++)
            if ((poly[i].y() > p.y()) != (poly[j].y() > p.y()) &&
                p.x() < (poly[j].x() - poly[i].x()) * (p.y() - poly[i].y()) / (poly[j].y() - poly[i].y()) + poly[i].x())
                drin = !drin;
        return drin;
    };
    const auto abstand = [](QPointF a, QPointF b, QPointF p) {
        const QPointF d = b - a;
        const double l = QPointF::dotProduct(d, d);
        const double t = l > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / l, 0.0, 1.0) : 0;
        const QPointF q = a + d * t - p;
        return std::hypot(q.x(), q.y());
    };
    int geprueft = 0;
    std::set<int> arten;
    for (const Flaeche& f : flaechen) {
        Punkt3D m;
        for (const Punkt3D& e : f.ecken)
            m += e;
        m = m * (1.0 / f.ecken.size());
        double tiefe = 0;
        const QPointF pixel = Pixel(m, &tiefe);
        bool frei = true;
        for (const Flaeche& g : flaechen) {
            std::vector<QPointF> poly;
            for (const Punkt3D& e : g.ecken)
                poly.push_back(Pixel(e));
            for (std::size_t i = 0; i < poly.size(); ++i)
                if (abstand(poly[i], poly[(i + 1) % poly.size()], pixel) < 3)
                    frei = false;
            if (&g == &f || !innen(poly, pixel))
                continue;
            // Depth of g along the ray: the plane through its first three
            // corners, solved by bisection between near and far points of
            // the ray (enough for the few planes of a house).
            const Punkt3D a = g.ecken[0], b = g.ecken[1], c = g.ecken[2] == g.ecken[1] ? g.ecken[3] : g.ecken[2];
            const Punkt3D n = (b - a).Kreuzprodukt(c - a);
            const Punkt3D auge = [&] {
                // The eye in house coordinates: the point that projects to
                // the centre at depth 0, found from the view's set-up.
                const Rahmung& r = ansicht->Rahmung();
                const double ay = ansicht->DrehungY() * M_PI / 180, bx = ansicht->DrehungX() * M_PI / 180;
                const double d = ansicht->Augenabstand();
                // Inverse of translate, Rx, Ry applied to (0, 0, 0) eye.
                const double y1 = std::sin(bx) * d * 1, z1 = std::cos(bx) * d;
                const double x0 = -std::sin(ay) * z1, z0 = std::cos(ay) * z1;
                return Punkt3D(r.mitteX - x0, y1 + r.mitteY, z0 + r.mitteX);
            }();
            const Punkt3D richtung = m - auge;
            const double nenner = n.Skalarprodukt(richtung);
            if (std::fabs(nenner) < 1e-12)
                continue;
            const double t = n.Skalarprodukt(a - auge) / nenner;
            if (t > 0 && t < 1 - 1e-6)
                frei = false;
        }
        if (!frei)
            continue;
        aufrufe.clear();
        popup.eintraege.clear();
        Rechtsklick(pixel.toPoint());
        QCoreApplication::processEvents();
        const Auswahl erwartet = Verteile(f.id);
        ASSERT_NE(erwartet.aktion, Aktion::Nichts);
        const std::map<Aktion, CMainFrame::Bauteildialog> dialog = {
            {Aktion::Boden, CMainFrame::Bauteildialog::Boden}, {Aktion::Wand, CMainFrame::Bauteildialog::Wand},
            {Aktion::Decke, CMainFrame::Bauteildialog::Decke}, {Aktion::Flachdach, CMainFrame::Bauteildialog::Flachdach},
            {Aktion::Popup, CMainFrame::Bauteildialog::Steildach}};
        EXPECT_EQ(aufrufe, (std::vector<Aufruf>{{dialog.at(erwartet.aktion), f.id}})) << f.id;
        EXPECT_EQ(popup.eintraege.size(), erwartet.aktion == Aktion::Popup ? 1u : 0u) << f.id;
        EXPECT_EQ(ansicht->GewaehlteFlaeche(), f.id);
        ++geprueft;
        arten.insert(ArtAusID(f.id));
    }
    EXPECT_GE(geprueft, 3);
    EXPECT_TRUE(arten.count(flaechenart::Steildach)) << "a roof face was among them";
    EXPECT_TRUE(arten.count(flaechenart::Geschosswand));

    aufrufe.clear();
    Rechtsklick(QPoint(3, 3));
    QContextMenuEvent tastatur(QContextMenuEvent::Keyboard, QPoint(320, 240), ansicht->mapToGlobal(QPoint(320, 240)));
    QApplication::sendEvent(ansicht, &tastatur);
    EXPECT_TRUE(aufrufe.empty()) << "the background and a keyboard menu do nothing";
    EXPECT_EQ(ansicht->GewaehlteFlaeche(), -1);

    // Cancelling the popup or choosing a greyed dormer command opens nothing.
    const Plane* dach = Finde([](const Plane& p) { return Art(p) == flaechenart::Steildach && p.lu.z == 8 && p.ru.z == 8; });
    ansicht->SetzeDrehung(0, 0);
    Bild();
    for (int antwort : {0, BefehlGaubeBearbeiten, BefehlGaubeLoeschen}) {
        popup.antwort = antwort;
        Rechtsklick(Mitte(*dach));
    }
    EXPECT_TRUE(aufrufe.empty());
    EXPECT_EQ(popup.eintraege.size(), 3u);
    EXPECT_EQ(H().Phase, 15);
}

// ----- dormers: from the 3D view into step 16 and back -------------------------------------------

class Gaubenbefehle : public DreiDAnsicht {
protected:
    void TearDown() override
    {
        if (plan && !plan->parentWidget())
            delete plan.data();
        DreiDAnsicht::TearDown();
    }
    // A point of the front pitched-roof face (eaves at z 8, height 5; ridge
    // at z 4, height 8), left of where the dormers go.
    static Punkt3D AufVorderseite() { return Punkt3D(2, 5.375, 7.5); }
    int Vorderseite() const
    {
        const Plane* f = Finde([](const Plane& p) { return Art(p) == flaechenart::Steildach && p.lu.z == 8; });
        return f ? f->ID : -1;
    }
    // The 3D view shown and drawn, then the popup command on the point.
    void Befehl(WaehlePopup& popup, int befehl, const Punkt3D& punkt)
    {
        ansicht->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ansicht));
        Bild();
        popup.antwort = befehl;
        Rechtsklick(punkt);
    }
    // The default dormer on the front face, placed and taken over.
    void GaubeAufVorderseite(WaehlePopup& popup)
    {
        ansicht->SetzeDrehung(0, 0);
        Befehl(popup, BefehlGaubePlazieren, AufVorderseite());
        ZeigePlan();
        meldungen.Antworte(QMessageBox::Yes);
        Rechtsklick2D();
    }
    // The plan editor of the frame on its own, 400 × 400 pixels (20 a metre).
    void ZeigePlan()
    {
        plan = qobject_cast<C2DView*>(rahmen->Ansicht2D());
        ASSERT_NE(plan, nullptr);
        if (plan->parentWidget())
            plan->setParent(nullptr);
        plan->resize(400, 400);
        plan->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(plan));
    }
    QPoint PlanPixel(double x, double y) const
    {
        Punkt2D p(x, y);
        plan->ModellZuFenster(p);
        return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
    }
    QString Wert(int id) const
    {
        auto* assistent = qobject_cast<CEingabeAssistentDlg*>(rahmen->Eingabeassistent());
        return assistent ? assistent->Text(id) : QStringLiteral("?");
    }
    // A colour within one of the wanted near the plan point (lines may lie
    // on a pixel boundary).
    bool FarbeNahe(const QImage& bild, double x, double y, int r, int g, int b) const
    {
        const QPoint p = PlanPixel(x, y);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QColor c = bild.pixelColor(p.x() + dx, p.y() + dy);
                if (std::abs(c.red() - r) <= 1 && std::abs(c.green() - g) <= 1 && std::abs(c.blue() - b) <= 1)
                    return true;
            }
        return false;
    }
    void Rechtsklick2D() { QTest::mouseClick(plan, Qt::RightButton, {}, PlanPixel(3, 15)); }
    std::size_t Gaubenflaechen(int gaube) const
    {
        std::size_t n = 0;
        for (const Plane& p : H().m_aPlane)
            n += p.GaubenID == gaube;
        return n;
    }

    QPointer<C2DView> plan;
};

TEST_F(Gaubenbefehle, PlacingADormerOnTheFrontRoofFace)
{
    WaehlePopup popup;
    ansicht->SetzeDrehung(0, 0);
    const int flaeche = Vorderseite();
    ASSERT_NE(flaeche, -1);
    Befehl(popup, BefehlGaubePlazieren, AufVorderseite());
    ASSERT_EQ(popup.eintraege.size(), 1u);
    EXPECT_EQ(H().Phase, 16);
    ZeigePlan();
    EXPECT_EQ(plan->windowTitle(), QStringLiteral("Gaubeneingabe"));
    const Gaubeneingabe& g = plan->Gaubenzustand();
    ASSERT_TRUE(g.Offen());
    EXPECT_EQ(g.Flaeche.ID, flaeche);

    QImage bild = plan->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    bild.save(test::Ausgabedatei(QStringLiteral("zeva_gaube_eingabe.png")));
    const auto& a = g.GaubenAnsicht;
    const double mitteX = (a[0].x + a[1].x) / 2;
    EXPECT_TRUE(FarbeNahe(bild, mitteX, (a[0].y + a[2].y) / 2, 153, 153, 255)) << "the dormer's front";
    EXPECT_TRUE(FarbeNahe(bild, mitteX, (a[2].y + a[3].y) / 2, 255, 153, 153)) << "its roof";
    EXPECT_TRUE(FarbeNahe(bild, 4, g.Flaechenansicht[0].y, 255, 102, 102)) << "the face's eave";
    EXPECT_EQ(Wert(1011), QStringLiteral("0,75"));
    EXPECT_EQ(Wert(1010), QStringLiteral("1,95"));
    EXPECT_EQ(Wert(1009), QStringLiteral("2,25"));
    EXPECT_EQ(Wert(1330), QStringLiteral("0,70"));

    // The right edge dragged one metre of the panel to the right.
    const double R = g.LinieRechts;
    QTest::mousePress(plan, Qt::LeftButton, {}, PlanPixel(R, 5));
    const QPoint ziel = PlanPixel(R + 1, 5);
    QMouseEvent zug(QEvent::MouseMove, ziel, plan->mapToGlobal(ziel), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(plan, &zug);
    QTest::mouseRelease(plan, Qt::LeftButton, {}, ziel);
    EXPECT_NEAR(g.LinieRechts, R + 1, 1e-9);
    EXPECT_EQ(Wert(1330), QString::fromStdString(Ablesetext((R + 1 - g.LinieLinks) / 1.71)));
    EXPECT_NE(Wert(1330), QStringLiteral("0,70"));
    plan->grabFramebuffer().save(test::Ausgabedatei(QStringLiteral("zeva_gaube_gezogen.png")));

    // The right click asks, and Yes builds the dormer.
    Dok().SetModifiedFlag(false);
    meldungen.Antworte(QMessageBox::Yes);
    Rechtsklick2D();
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    const Meldung::Anfrage& frage = meldungen.Anfragen()[0];
    EXPECT_EQ(frage.text, QStringLiteral("Gaubendaten übernehmen?"));
    EXPECT_EQ(frage.knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(frage.vorgabe, QMessageBox::No);
    EXPECT_EQ(frage.symbol, Meldung::Symbol::Frage);
    ASSERT_EQ(H().m_aGaube.size(), 1u);
    EXPECT_EQ(H().m_aGaube[0].ID, 10000000);
    EXPECT_EQ(H().m_aGaube[0].Traeger1ID, flaeche);
    EXPECT_EQ(H().Phase, 15);
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_FALSE(plan->isVisible());
    // The rebuild request may already be used up by the 3D view shown again;
    // the pick at the end proves that it drew the dormer.

    // Leaving step 16 later takes nothing over a second time.
    H().Phase = 16;
    rahmen->NaechsterSchritt();
    EXPECT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(H().m_aGaube.size(), 1u);
    EXPECT_EQ(H().Phase, 15);

    // The 3D view shows the dormer: its front wall is pickable.
    ansicht->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ansicht));
    bild = Bild();
    bild.save(test::Ausgabedatei(QStringLiteral("zeva_3d_gaube.png")));
    const Plane front = FindePlane(H(), 12000000);
    ASSERT_EQ(front.GaubenID, 10000000);
    EXPECT_EQ(ansicht->Waehle(Pixel(Mitte(front)).toPoint()), 12000000);

    // A window on the dormer's front: the wall looks out of the roof, so its
    // mark lies in front of it and is seen.
    for (Plane& p : H().m_aPlane)
        if (p.ID == 12000000)
            p.FensterAufFlaechePlaziert = 1;
    H().ListeNeuAufbauen = 1;
    bild = Bild();
    bild.save(test::Ausgabedatei(QStringLiteral("zeva_3d_gaube_fenster.png")));
    const QColor marke = bild.pixelColor(Pixel(Mitte(front)).toPoint());
    EXPECT_GT(marke.blue(), marke.red() + 60) << "the window mark on the dormer's front";
}

TEST_F(Gaubenbefehle, DeclinedAndRefusedDormers)
{
    WaehlePopup popup;
    ansicht->SetzeDrehung(0, 0);
    const std::size_t planes = H().m_aPlane.size();
    const std::size_t waende = H().m_aWand.size();
    Dok().SetModifiedFlag(false);

    // No: the house stays as it was, back to step 15.
    Befehl(popup, BefehlGaubePlazieren, AufVorderseite());
    ZeigePlan();
    meldungen.Antworte(QMessageBox::No);
    Rechtsklick2D();
    EXPECT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_TRUE(H().m_aGaube.empty());
    EXPECT_EQ(H().m_aPlane.size(), planes);
    EXPECT_EQ(H().m_aWand.size(), waende);
    EXPECT_FALSE(Dok().IsModified());
    EXPECT_EQ(H().Phase, 15);
    EXPECT_FALSE(plan->isVisible());
    EXPECT_FALSE(plan->Gaubenzustand().Offen());

    // A first dormer, then a second one where the first stands.
    Befehl(popup, BefehlGaubePlazieren, AufVorderseite());
    meldungen.Antworte(QMessageBox::Yes);
    Rechtsklick2D();
    ASSERT_EQ(H().m_aGaube.size(), 1u);
    Befehl(popup, BefehlGaubePlazieren, AufVorderseite());
    ASSERT_EQ(H().Phase, 16);
    const Gaubeneingabe vorher = plan->Gaubenzustand();
    EXPECT_EQ(vorher.FremdeGauben.size(), 4u);
    plan->grabFramebuffer().save(test::Ausgabedatei(QStringLiteral("zeva_gaube_zweite.png")));

    const QString ueberschneidung = QString::fromUtf8(
        "Die Geometrie der Gaube ist nicht zulässig.\nGrund: die Gaube überschneidet sich\nmit bereits vorhandenen "
        "Gauben.\nÜberprüfen Sie bitte noch einmal die Einstellungen.");
    const std::size_t gefragt = meldungen.Anfragen().size();
    Rechtsklick2D();
    ASSERT_EQ(meldungen.Anfragen().size(), gefragt + 1);
    EXPECT_EQ(meldungen.Anfragen().back().text, ueberschneidung);
    EXPECT_EQ(meldungen.Anfragen().back().knoepfe, QMessageBox::Ok);
    // Through the wizard's button as well: the step stays.
    rahmen->NaechsterSchritt();
    ASSERT_EQ(meldungen.Anfragen().size(), gefragt + 2);
    EXPECT_EQ(meldungen.Anfragen().back().text, ueberschneidung);
    EXPECT_EQ(H().Phase, 16);
    EXPECT_EQ(H().m_aGaube.size(), 1u);
    const Gaubeneingabe& nachher = plan->Gaubenzustand();
    EXPECT_TRUE(nachher.Offen());
    EXPECT_TRUE(plan->isVisible());
    for (auto [a, b] : {std::pair{vorher.LinieOben, nachher.LinieOben}, {vorher.LinieMitte, nachher.LinieMitte},
                        {vorher.LinieUnten, nachher.LinieUnten}, {vorher.LinieLinks, nachher.LinieLinks},
                        {vorher.LinieRechts, nachher.LinieRechts}})
        EXPECT_EQ(a, b);
}

TEST_F(Gaubenbefehle, PlacingOnAFaceWithoutItsRecordDoesNothing)
{
    WaehlePopup popup;
    ansicht->SetzeDrehung(0, 0);
    const int flaeche = Vorderseite();
    for (std::size_t i = H().m_aSteildach.size(); i-- > 0;)
        if (H().m_aSteildach[i].m_plane.ID == flaeche)
            H().m_aSteildach.RemoveAt(i);
    Befehl(popup, BefehlGaubePlazieren, AufVorderseite());
    ASSERT_EQ(popup.eintraege.size(), 1u) << "the face was picked";
    EXPECT_EQ(H().Phase, 15);
    auto* plan2D = qobject_cast<C2DView*>(rahmen->Ansicht2D());
    ASSERT_NE(plan2D, nullptr);
    EXPECT_FALSE(plan2D->isVisible());
    EXPECT_FALSE(plan2D->Gaubenzustand().Offen());
    EXPECT_TRUE(ansicht->isVisible());
}

// A dormer with a ceiling: the attic storey of 1.5 m ends at 6.5 m, within
// the dormer's front wall (5.75 to 6.95 m); the roof made the attic ceiling.
TEST_F(Gaubenbefehle, TheCommandsOnADormerPart)
{
    WaehlePopup popup;
    H().Dachgeschosshoehe = 1.5;
    GaubeAufVorderseite(popup);
    ASSERT_EQ(H().m_aGaube.size(), 1u);
    ASSERT_EQ(FindePlane(H(), 15000000).GaubenID, 10000000);
    ASSERT_EQ(DeckeDerGaube(H(), 10000000), 5000001);

    // The ceiling lies inside the dormer; lifted above the house, it is the
    // first thing seen from above.
    const auto decke = [this] {
        for (Plane& p : H().m_aPlane)
            if (p.ID == 15000000) {
                for (int k = 0; k < 4; ++k)
                    p.Ecke(k).y += 5;
                H().ListeNeuAufbauen = 1;
                return Mitte(p);
            }
        return Punkt3D();
    };
    ansicht->SetzeDrehung(90, 0);
    Punkt3D punkt = decke();

    // "Gaube löschen" answered No changes nothing.
    const std::size_t gefragt = meldungen.Anfragen().size();
    meldungen.Antworte(QMessageBox::No);
    popup.eintraege.clear();
    Befehl(popup, BefehlGaubeLoeschen, punkt);
    ASSERT_EQ(popup.eintraege.size(), 1u);
    EXPECT_EQ(ansicht->GewaehlteFlaeche(), 15000000);
    std::vector<std::pair<int, bool>> aktiv;
    for (const Popupeintrag& e : popup.eintraege[0])
        aktiv.emplace_back(e.befehl, e.aktiv);
    EXPECT_EQ(aktiv, (std::vector<std::pair<int, bool>>{{32811, true}, {32815, false}, {32816, true}, {32813, true}}));
    ASSERT_EQ(meldungen.Anfragen().size(), gefragt + 1);
    EXPECT_EQ(meldungen.Anfragen().back().text, QStringLiteral("Gaube wirklich löschen?"));
    EXPECT_EQ(meldungen.Anfragen().back().vorgabe, QMessageBox::No);
    EXPECT_EQ(meldungen.Anfragen().back().symbol, Meldung::Symbol::Frage);
    EXPECT_EQ(H().m_aGaube.size(), 1u);
    EXPECT_EQ(Gaubenflaechen(10000000), 8u);

    // "Fläche editieren" opens the attic ceiling the dormer ceiling joins.
    Befehl(popup, BefehlFlaecheEditieren, punkt);
    EXPECT_EQ(aufrufe, (std::vector<Aufruf>{{CMainFrame::Bauteildialog::Decke, 5000001}}));

    // Without an attic ceiling in the house the entry is greyed.
    aufrufe.clear();
    CDDeckeArray decken = H().m_aDecke;
    H().m_aDecke.RemoveAll();
    popup.eintraege.clear();
    Befehl(popup, BefehlFlaecheEditieren, punkt);
    ASSERT_EQ(popup.eintraege.size(), 1u);
    EXPECT_FALSE(popup.eintraege[0][0].aktiv);
    EXPECT_TRUE(aufrufe.empty());
    H().m_aDecke = decken;

    // "Gaube bearbeiten" shows the dormer's own lines; confirmed, it is
    // replaced under its number.
    Befehl(popup, BefehlGaubeBearbeiten, punkt);
    ASSERT_EQ(H().Phase, 16);
    ZeigePlan();
    const Gaubeneingabe& g = plan->Gaubenzustand();
    EXPECT_EQ(g.GaubenIndex, 0);
    EXPECT_NEAR(g.LinieLinks, 9.4, 1e-9);
    EXPECT_NEAR(g.LinieRechts, 10.6, 1e-9);
    EXPECT_TRUE(g.FremdeGauben.empty());
    EXPECT_GT(g.Dachgeschossmarke, 0);
    plan->grabFramebuffer().save(test::Ausgabedatei(QStringLiteral("zeva_gaube_bearbeiten.png")));
    meldungen.Antworte(QMessageBox::Yes);
    Rechtsklick2D();
    ASSERT_EQ(H().m_aGaube.size(), 1u);
    EXPECT_EQ(H().m_aGaube[0].ID, 10000000);
    EXPECT_EQ(Gaubenflaechen(10000000), 8u) << "the old dormer's planes went with it";
    EXPECT_EQ(H().Phase, 15);

    // "Gaube löschen" answered Yes removes it with everything it had.
    ansicht->SetzeDrehung(90, 0);
    punkt = decke();
    Dok().SetModifiedFlag(false);
    const std::size_t waende = H().m_aWand.size();
    meldungen.Antworte(QMessageBox::Yes);
    Befehl(popup, BefehlGaubeLoeschen, punkt);
    EXPECT_TRUE(H().m_aGaube.empty());
    EXPECT_EQ(Gaubenflaechen(10000000), 0u);
    EXPECT_EQ(H().m_aWand.size(), waende - 3);
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_EQ(H().ListeNeuAufbauen, 1);
}

// After "Gaube löschen" the figures of the left bar and every 3D view on show
// follow at once.
TEST_F(Gaubenbefehle, DeletingADormerRefreshesTheFiguresAndThePreview)
{
    WaehlePopup popup;
    GaubeAufVorderseite(popup);
    ASSERT_EQ(H().m_aGaube.size(), 1u);
    auto* geo = dynamic_cast<CGeoKGDlg*>(rahmen->GeoKGSeite());
    ASSERT_NE(geo, nullptr);
    rahmen->AktualisiereSeiten();
    const QString mitGaube = geo->Feld(1010)->Wert();

    vorschau = qobject_cast<C3DView*>(Vorschaufabrik::Erzeuge(Vorschaufabrik::Art::Ansicht3D, nullptr));
    ASSERT_NE(vorschau, nullptr);
    vorschau->resize(320, 240);
    vorschau->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(vorschau));
    vorschau->grabFramebuffer();
    QCoreApplication::processEvents();
    struct Zaehler : QObject {
        int bilder = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            bilder += e->type() == QEvent::Paint;
            return false;
        }
    } zaehler;
    vorschau->installEventFilter(&zaehler);

    ansicht->SetzeDrehung(0, 0);
    const Plane front = FindePlane(H(), 12000000);
    meldungen.Antworte(QMessageBox::Yes);
    Befehl(popup, BefehlGaubeLoeschen, Mitte(front));
    ASSERT_TRUE(H().m_aGaube.empty());
    EXPECT_LT(geo->Feld(1010)->Wert().toDouble(), mitGaube.toDouble()) << "the envelope without the dormer";
    EXPECT_EQ(geo->Feld(1010)->Wert(), QString::number(std::floor(H().Huellflaeche())));
    // The main view paints the new list; the preview on show paints too.
    Bild();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_GT(zaehler.bilder, 0) << "the preview is repainted without being asked";
    vorschau->removeEventFilter(&zaehler);
}

// The dormer question comes while the plan still shows the dormer.
TEST_F(Gaubenbefehle, TheDormerQuestionComesOverTheVisiblePlan)
{
    WaehlePopup popup;
    ansicht->SetzeDrehung(0, 0);
    for (bool weiter : {true, false}) {
        Befehl(popup, BefehlGaubePlazieren, AufVorderseite());
        ZeigePlan();
        struct Sichtpruefer final : Meldung::Beantworter {
            QPointer<C2DView> plan;
            std::vector<bool> sichtbar;
            QMessageBox::StandardButton Beantworte(const Meldung::Anfrage&) override
            {
                sichtbar.push_back(plan && plan->isVisible());
                return QMessageBox::No;
            }
        } pruefer;
        pruefer.plan = plan;
        Meldung::Beantworter* vorher = Meldung::SetzeBeantworter(&pruefer);
        if (weiter)
            rahmen->NaechsterSchritt();
        else
            rahmen->VorherigerSchritt();
        Meldung::SetzeBeantworter(vorher);
        ASSERT_EQ(pruefer.sichtbar.size(), 1u);
        EXPECT_TRUE(pruefer.sichtbar[0]) << (weiter ? "Weiter" : "Zurück");
        EXPECT_EQ(H().Phase, 15);
        EXPECT_TRUE(H().m_aGaube.empty());
    }
}

TEST_F(DreiDAnsicht, TopsAndFloorsArePickable)
{
    // The unheated roof: its faces are geometry, the ceiling closes the zone.
    H().m_aDach.RemoveAll();
    H().m_aDach.Add(test::BaueDach({.L = 10, .W = 8, .hoehe = 3, .geschossHoehe = 1.5, .beheizt = 0}));
    H().DachBeheizt = 0;
    Erzeuge();
    const Plane* decke = Finde([](const Plane& p) { return Art(p) == flaechenart::DeckeUnterDach; });
    ASSERT_NE(decke, nullptr);
    EXPECT_EQ(Finde([](const Plane& p) { return Art(p) == flaechenart::Steildach; }), nullptr);
    ansicht->SetzeDrehung(90, 0);
    Tippe("WUXHOLMEN");  // no edges over the ceiling
    QImage bild = Bild();
    bild.save(test::Ausgabedatei(QStringLiteral("zeva_3d_decke.png")));
    const Punkt3D punkt = Mitte(*decke) * 0.7 + decke->lu * 0.3;
    ErwarteFarbe(Farbe(bild, punkt), 107, 107, 107, "the ceiling");
    Rechtsklick(punkt);
    EXPECT_EQ(aufrufe, (std::vector<Aufruf>{{CMainFrame::Bauteildialog::Decke, decke->ID}}));

    // A flat-roof house shows its top.
    aufrufe.clear();
    H().m_aDach.RemoveAll();
    H().Steildach = 0;
    H().DachBeheizt = 1;
    Erzeuge();
    bild = Bild();
    const Punkt3D oben(3, H().m_aZone[0].Kellerhoehe + H().m_aZone[0].Stockwerkshoehe, 3);
    ErwarteFarbe(Farbe(bild, oben), 153, 76, 76, "the flat roof");
    Rechtsklick(oben);
    EXPECT_EQ(aufrufe, (std::vector<Aufruf>{{CMainFrame::Bauteildialog::Flachdach, 7000000}}));

    // Two zones over a heated basement, seen from below: the floor of zone 1
    // is its own.
    aufrufe.clear();
    H().KellerBeheizt = 1;
    Zone zwei = H().m_aZone[0];
    zwei.m_a2DGrundrissPunkte = Uhrzeigersinn(10, 0, 16, 8);
    if (H().m_aZone.GetSize() < 2)
        H().m_aZone.Add(zwei);
    else
        H().m_aZone[1] = zwei;
    H().Zonen = 2;
    Erzeuge();
    ansicht->SetzeDrehung(-90, 0);
    bild = Bild();
    bild.save(test::Ausgabedatei(QStringLiteral("zeva_3d_unten.png")));
    Rechtsklick(Punkt3D(13, 0, 4));
    Rechtsklick(Punkt3D(5, 0, 3));
    EXPECT_EQ(aufrufe, (std::vector<Aufruf>{{CMainFrame::Bauteildialog::Boden, 101000000},
                                            {CMainFrame::Bauteildialog::Boden, 1000000}}));
}

TEST_F(DreiDAnsicht, MouseAndKeys)
{
    Ziehe({100, 100}, {103, 100});
    EXPECT_DOUBLE_EQ(ansicht->DrehungY(), 61);
    Ziehe({100, 100}, {101, 100});
    EXPECT_DOUBLE_EQ(ansicht->DrehungY(), 61) << "a pixel does not turn";
    Ziehe({100, 100}, {97, 100});
    EXPECT_DOUBLE_EQ(ansicht->DrehungY(), 60);
    Ziehe({100, 100}, {97, 100});
    EXPECT_DOUBLE_EQ(ansicht->DrehungY(), 59);
    Ziehe({100, 100}, {100, 104});
    EXPECT_DOUBLE_EQ(ansicht->DrehungX(), 62);
    Ziehe({100, 100}, {110, 100}, Qt::LeftButton, Qt::ShiftModifier);
    Ziehe({100, 100}, {110, 100}, Qt::LeftButton | Qt::RightButton);
    EXPECT_DOUBLE_EQ(ansicht->DrehungY(), 59) << "a key or another button held";

    // A slow drag of single pixels turns as far as one quick step the same way.
    const auto langsam = [this](QPoint von, QPoint schritt, int n) {
        QMouseEvent druck(QEvent::MouseButtonPress, von, ansicht->mapToGlobal(von), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(ansicht, &druck);
        QPoint p = von;
        for (int i = 0; i < n; ++i) {
            p += schritt;
            QMouseEvent zug(QEvent::MouseMove, p, ansicht->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                            Qt::NoModifier);
            QApplication::sendEvent(ansicht, &zug);
        }
        QMouseEvent los(QEvent::MouseButtonRelease, p, ansicht->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
        QApplication::sendEvent(ansicht, &los);
    };
    for (const auto& [schritt, x, y] : {std::tuple{QPoint(1, 0), 0, 15}, std::tuple{QPoint(-1, 0), 0, -15},
                                        std::tuple{QPoint(0, 1), 15, 0}, std::tuple{QPoint(1, -1), -15, 15}}) {
        const double x0 = ansicht->DrehungX();
        const double y0 = ansicht->DrehungY();
        langsam({200, 200}, schritt, 30);
        EXPECT_NEAR(ansicht->DrehungX() - x0, x, 1) << "30 moves of one pixel";
        EXPECT_NEAR(ansicht->DrehungY() - y0, y, 1) << "30 moves of one pixel";
        ansicht->SetzeDrehung(x0, y0);
        langsam({200, 200}, schritt * 30, 1);
        EXPECT_NEAR(ansicht->DrehungX() - x0, x, 1) << "one move of 30 pixels";
        EXPECT_NEAR(ansicht->DrehungY() - y0, y, 1) << "one move of 30 pixels";
        ansicht->SetzeDrehung(x0, y0);
    }

    for (int i = 0; i < 10; ++i)
        Taste(Qt::Key_PageUp);
    EXPECT_DOUBLE_EQ(ansicht->Zoom(), 0.5);
    EXPECT_DOUBLE_EQ(ansicht->Augenabstand(), 100);
    for (int i = 0; i < 20; ++i)
        Taste(Qt::Key_PageDown);
    EXPECT_DOUBLE_EQ(ansicht->Zoom(), 2.0);
    EXPECT_DOUBLE_EQ(ansicht->Augenabstand(), 400);
    for (int i = 0; i < 10; ++i)
        Taste(Qt::Key_PageUp);
    EXPECT_NEAR(ansicht->Zoom(), 1.0, 1e-9);

    const int blau = Blau(Bild());
    EXPECT_GT(blau, 20) << "the north arrow";
    Tippe("WUXSEDA");
    EXPECT_EQ(Blau(Bild()), 0);
    Tippe("WUXSEDA");
    EXPECT_EQ(Blau(Bild()), blau);
    Tippe("AWUXSEDA");
    EXPECT_EQ(Blau(Bild()), blau) << "a wrong first key spoils the sequence";
    Taste(Qt::Key_Pause);
    Tippe("WUXSEDA");
    EXPECT_EQ(Blau(Bild()), 0) << "until Pause";
    Tippe("WUXTOR");
    EXPECT_EQ(Blau(Bild()), blau) << "everything on again";

    // The two sequences that changed the house without asking are gone.
    const std::size_t planes = H().m_aPlane.size();
    Tippe("WUXGORVAN");
    Taste(Qt::Key_Pause);
    Tippe("WUXMELT");
    EXPECT_EQ(H().KellerBeheizt, 0);
    EXPECT_EQ(H().DachBeheizt, 1);
    EXPECT_EQ(H().m_aPlane.size(), planes);
    Taste(Qt::Key_Pause);

    // The explode animation.
    Tippe("ZEPHAK");
    EXPECT_TRUE(ansicht->ZeitgeberLaeuft());
    const double start = ansicht->Explosion();
    ansicht->Zeitschritt();
    ansicht->Zeitschritt();
    EXPECT_NEAR(ansicht->Explosion(), start + 0.2, 1e-9);
    EXPECT_EQ(H().ListeNeuAufbauen, 1);
    int schritte = 2 + static_cast<int>(std::lround(start * 10));
    while (ansicht->Explosion() > 0 && schritte < 40) {
        ansicht->Zeitschritt();
        ++schritte;
    }
    EXPECT_GE(schritte, 30);
    EXPECT_LE(schritte, 31) << "back to 0 once above 3";
    ansicht->Zeitschritt();
    Taste(Qt::Key_Pause);
    EXPECT_FALSE(ansicht->ZeitgeberLaeuft());
    EXPECT_EQ(ansicht->Explosion(), 0);
}

// At zoom 1 the north arrow with its "N" lies wholly inside the view, which
// way north lies and whether the view is wide or tall.
TEST_F(DreiDAnsicht, TheNorthArrowStaysInsideTheViewAtZoomOne)
{
    ASSERT_NEAR(ansicht->Zoom(), 1.0, 1e-9);
    for (const QSize groesse : {QSize(640, 480), QSize(480, 640)}) {
        ansicht->resize(groesse);
        QCoreApplication::processEvents();
        for (int richtung = 0; richtung < 360; richtung += 45) {
            SCOPED_TRACE(testing::Message() << groesse.width() << "x" << groesse.height() << ", north " << richtung);
            H().Ausrichtung = richtung;
            Neu();
            const QImage bild = Bild();
            ASSERT_GT(Blau(bild), 20) << "the arrow is drawn";
            int amRand = 0;
            for (int x = 0; x < bild.width(); ++x)
                for (int y : {0, 1, bild.height() - 2, bild.height() - 1})
                    amRand += qBlue(bild.pixel(x, y)) > 120 && qRed(bild.pixel(x, y)) < 30;
            for (int y = 0; y < bild.height(); ++y)
                for (int x : {0, 1, bild.width() - 2, bild.width() - 1})
                    amRand += qBlue(bild.pixel(x, y)) > 120 && qRed(bild.pixel(x, y)) < 30;
            EXPECT_EQ(amRand, 0);
            if (richtung == 90 && groesse.width() < groesse.height())
                bild.save(test::Ausgabedatei(QStringLiteral("zeva_3d_nordpfeil.png")));
        }
    }
}

TEST_F(DreiDAnsicht, ThePreviewFollowsTheMainViewButTakesNoSequencesOrPicks)
{
    vorschau = qobject_cast<C3DView*>(Vorschaufabrik::Erzeuge(Vorschaufabrik::Art::Ansicht3D, nullptr));
    ASSERT_NE(vorschau, nullptr);
    EXPECT_TRUE(vorschau->IstVorschau());
    vorschau->resize(640, 480);
    vorschau->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(vorschau));
    const QImage vorher = vorschau->grabFramebuffer();
    EXPECT_EQ(vorher.convertToFormat(QImage::Format_RGB32), Bild()) << "the same picture in both";

    // The main view paints first and takes the house's request; the preview
    // still follows.
    ansicht->SetzeDrehung(0, 0);
    vorschau->SetzeDrehung(0, 0);
    const Plane* dach = Finde([](const Plane& p) { return Art(p) == flaechenart::Steildach && p.lu.z == 8 && p.ru.z == 8; });
    const Punkt3D mitte = Mitte(*dach);
    EXPECT_EQ(vorschau->grabFramebuffer().pixelColor(Pixel(mitte).toPoint()).red(), 153);
    const QImage mitDach = Bild();
    // Every roof face goes.
    for (std::size_t i = H().m_aPlane.size(); i-- > 0;)
        if (Art(H().m_aPlane[i]) == flaechenart::Steildach)
            H().m_aPlane.RemoveAt(i);
    H().ListeNeuAufbauen = 1;
    const QImage ohneDach = Bild();
    EXPECT_EQ(H().ListeNeuAufbauen, 0);
    EXPECT_NE(ohneDach, mitDach);
    const QImage nachher = vorschau->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(nachher.pixelColor(Pixel(mitte).toPoint()).red(), 153) << "the face is gone";
    EXPECT_EQ(nachher, ohneDach);

    // Sequences and picks are the main view's.
    const int blau = Blau(vorschau->grabFramebuffer());
    QTest::keyClicks(vorschau, QStringLiteral("WUXSEDA"));
    EXPECT_EQ(Blau(vorschau->grabFramebuffer()), blau);
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(320, 300), vorschau->mapToGlobal(QPoint(320, 300)));
    QApplication::sendEvent(vorschau, &e);
    EXPECT_TRUE(aufrufe.empty());
    // The page keys work in both.
    QTest::keyClick(vorschau, Qt::Key_PageUp);
    EXPECT_NEAR(vorschau->Zoom(), 0.9, 1e-9);
}

TEST_F(DreiDAnsicht, NothingIsDrawnBeforeTheThreeDStepOrWithoutPlanes)
{
    H().Phase = 14;
    ansicht->update();
    EXPECT_TRUE(IstWeiss(Bild()));
    delete ansicht.data();
    // A new view before step 15 builds no list.
    ansicht = new C3DView(rahmen, nullptr, false);
    ansicht->resize(320, 240);
    ansicht->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ansicht));
    EXPECT_TRUE(IstWeiss(Bild()));
    EXPECT_EQ(ansicht->Liste(), 0u);

    H().Phase = 15;
    H().m_aPlane.RemoveAll();
    H().ListeNeuAufbauen = 1;
    EXPECT_TRUE(IstWeiss(Bild()));
    EXPECT_EQ(ansicht->Liste(), 0u);
    Rechtsklick(QPoint(160, 120));
    EXPECT_TRUE(aufrufe.empty());

    Erzeuge();
    EXPECT_FALSE(IstWeiss(Bild()));
    EXPECT_NE(ansicht->Liste(), 0u);
}

TEST_F(DreiDAnsicht, FramingFollowsTheHouseAtEverySetUp)
{
    EXPECT_DOUBLE_EQ(ansicht->Rahmung().d0, 200);
    EXPECT_DOUBLE_EQ(ansicht->Augenabstand(), 200);
    EXPECT_DOUBLE_EQ(ansicht->Rahmung().mitteX, 10);
    EXPECT_DOUBLE_EQ(ansicht->Rahmung().mitteY, 4);
    H().RealAreaWidth = 40;
    ansicht->InitSzene(false);
    EXPECT_DOUBLE_EQ(ansicht->Rahmung().d0, 400);
    EXPECT_DOUBLE_EQ(ansicht->Rahmung().fern, 2000);
    EXPECT_DOUBLE_EQ(ansicht->Augenabstand(), 400);
}

TEST_F(DreiDAnsicht, ShowingAndHidingRenumberTheComponents)
{
    for (auto& w : H().m_aWand)
        w.Nummer = 0;
    H().m_aFenster.Add(DFenster());
    H().m_aFenster.Add(DFenster());
    ansicht->hide();
    for (std::size_t i = 0; i < H().m_aWand.size(); ++i)
        EXPECT_EQ(H().m_aWand[i].Nummer, static_cast<int>(i) + 1);
    EXPECT_EQ(H().m_aFenster[1].Nummer, 2);
    ASSERT_FALSE(H().m_aSteildach.empty());
    H().m_aSteildach[0].Nummer = 7;
    ansicht->show();
    EXPECT_EQ(H().m_aSteildach[0].Nummer, 1);

    H().m_aSteildach[0].Nummer = 7;
    vorschau = new C3DView(nullptr, nullptr, true);
    vorschau->show();
    vorschau->hide();
    EXPECT_EQ(H().m_aSteildach[0].Nummer, 7) << "the preview leaves the numbers";
}

TEST_F(DreiDAnsicht, AReparentedViewDrawsTheSamePicture)
{
    const QImage vorher = Bild();
    const unsigned int liste = ansicht->Liste();
    EXPECT_NE(liste, 0u);
    QWidget fenster;
    fenster.resize(640, 480);
    ansicht->setParent(&fenster);
    ansicht->move(0, 0);
    fenster.show();
    ansicht->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    EXPECT_EQ(Bild(), vorher);
    ansicht->setParent(nullptr);
    ansicht->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ansicht));
    EXPECT_EQ(Bild(), vorher);
}

TEST_F(DreiDAnsicht, Printing)
{
    DruckAuf drucker;
    ansicht->resize(400, 300);
    QCoreApplication::processEvents();
    struct Fall {
        int dpiY;
        int unten;
    };
    for (const Fall& f : {Fall{600, 3999}, Fall{300, 2199}}) {
        QImage seite(4800, 4400, QImage::Format_RGB32);
        seite.fill(Qt::green);
        seite.setDotsPerMeterX(qRound(600 / 0.0254));
        seite.setDotsPerMeterY(qRound(f.dpiY / 0.0254));
        drucker.geraet = &seite;
        rahmen->Befehl(ID_FILE_PRINT);
        EXPECT_EQ(seite.pixel(0, 399), qRgb(0, 255, 0)) << f.dpiY;
        EXPECT_EQ(seite.pixel(0, 400), qRgb(255, 255, 255)) << f.dpiY;
        EXPECT_EQ(seite.pixel(4799, 400), qRgb(255, 255, 255)) << f.dpiY;
        EXPECT_EQ(seite.pixel(4799, f.unten), qRgb(255, 255, 255)) << f.dpiY;
        EXPECT_EQ(seite.pixel(0, f.unten + 1), qRgb(0, 255, 0)) << f.dpiY;
    }
    const int vorher = drucker.gefragt;
    drucker.geraet = nullptr;
    rahmen->Befehl(ID_FILE_PRINT);
    EXPECT_EQ(drucker.gefragt, vorher + 1) << "cancelled: nothing printed";

    H().Phase = 14;
    rahmen->Befehl(ID_FILE_PRINT);
    EXPECT_EQ(drucker.gefragt, vorher + 1) << "only in the 3D step";
    H().Phase = 15;

    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    const QString datei = ordner.filePath(QStringLiteral("druck.pdf"));
    pdf.setOutputFileName(datei);
    drucker.geraet = &pdf;
    rahmen->Befehl(ID_FILE_PRINT);
    EXPECT_EQ(pdf.docName(), QStringLiteral("3D Hausansicht"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
                                                QStringLiteral("-singlefile"), datei, ordner.filePath(QStringLiteral("seite"))});
    ASSERT_TRUE(pdftoppm.waitForFinished(60000));
    const QImage seite(ordner.filePath(QStringLiteral("seite.png")));
    ASSERT_FALSE(seite.isNull());
    int rot = 0;
    for (int y = 0; y < seite.height(); ++y)
        for (int x = 0; x < seite.width(); ++x) {
            const QColor c = seite.pixelColor(x, y);
            rot += std::abs(c.red() - 153) < 12 && std::abs(c.green() - 76) < 12 && std::abs(c.blue() - 76) < 12;
        }
    EXPECT_GT(rot, 20) << "the roof on the page";
}

TEST_F(DreiDAnsicht, ScreenshotsAndTheProjectPicture)
{
    test::SkriptDateiauswahl auswahl;
    auswahl.Antworte(ordner.filePath(QStringLiteral(".jpg")));
    rahmen->Befehl(ID_3D_ALS_JPEG);
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text, QStringLiteral("Fehlerhafter Dateiname..."));
    EXPECT_EQ(meldungen.Anfragen()[0].titel, QStringLiteral("Fehler"));
    EXPECT_FALSE(QFile::exists(ordner.filePath(QStringLiteral(".jpg"))));
    EXPECT_EQ(auswahl.Filter(), (QStringList{QStringLiteral("JPEG Files (*.jpg)"), QStringLiteral("All Files (*)")}));

    // Covered by another window, the picture is still the view's.
    QWidget decke;
    decke.setGeometry(ansicht->geometry());
    decke.show();
    decke.raise();
    auswahl.Antworte(ordner.filePath(QStringLiteral("Haus.jpg")));
    rahmen->Befehl(ID_3D_ALS_JPEG);
    const test::JpegBild bild = test::LiesJpeg(ordner.filePath(QStringLiteral("Haus.jpg")).toStdString());
    EXPECT_EQ(bild.breite, 640);
    EXPECT_EQ(bild.hoehe, 480);
    EXPECT_EQ(ansicht->Bilddatei(), ordner.filePath(QStringLiteral("Haus.jpg")));
    if (bild.breite == 640) {
        const QImage gl = Bild();
        for (QPoint p : {QPoint(5, 5), QPoint(320, 240), QPoint(400, 300)}) {
            const test::JpegPixel j = bild.Pixel(p.x(), p.y());
            EXPECT_NEAR(j.r, qRed(gl.pixel(p)), 12);
            EXPECT_NEAR(j.g, qGreen(gl.pixel(p)), 12);
        }
    }
    decke.hide();

    auswahl.Antworte(QString());
    rahmen->Befehl(ID_3D_ALS_JPEG);
    EXPECT_EQ(ansicht->Bilddatei(), QString()) << "cancelled";

    H().Phase = 14;
    const int gefragt = auswahl.Gefragt();
    rahmen->Befehl(ID_3D_ALS_JPEG);
    EXPECT_EQ(auswahl.Gefragt(), gefragt) << "only in the 3D step";
    H().Phase = 15;

    // Saving the untitled project writes its picture and copies it.
    QFile::remove(ordner.filePath(QStringLiteral("Haus.jpg")));
    auswahl.Antworte(ordner.filePath(QStringLiteral("Haus.vza")));
    ASSERT_TRUE(rahmen->OnFileSaveAs());
    for (const char* name : {"Unben.jpg", "Haus.jpg"}) {
        const test::JpegBild j = test::LiesJpeg(ordner.filePath(QString::fromLatin1(name)).toStdString());
        EXPECT_EQ(j.breite, 640) << name;
        EXPECT_EQ(j.hoehe, 480) << name;
    }

    // At the end of the input, the 3D view put away, a project whose picture
    // went missing gets it from the view again and no message.
    QFile::remove(ordner.filePath(QStringLiteral("Haus.jpg")));
    H().Phase = 19;
    ansicht->hide();
    auswahl.Antworte(ordner.filePath(QStringLiteral("Ende.vza")));
    const std::size_t gemeldet = meldungen.Anfragen().size();
    ASSERT_TRUE(rahmen->OnFileSaveAs());
    EXPECT_EQ(meldungen.Anfragen().size(), gemeldet) << meldungen.Texte().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(test::LiesJpeg(ordner.filePath(QStringLiteral("Ende.jpg")).toStdString()).breite, 640);
}

TEST_F(DreiDAnsicht, APictureOrAPrintThatFailsIsToldOnce)
{
    // A folder that does not exist: the file and the system's reason come
    // with the text, in German as the program runs under a German locale.
    test::SkriptDateiauswahl auswahl;
    const QString datei = ordner.filePath(QStringLiteral("fehlt/Haus.jpg"));
    auswahl.Antworte(datei);
    const std::string vorher = std::setlocale(LC_MESSAGES, nullptr);
    ASSERT_NE(std::setlocale(LC_MESSAGES, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 is installed by tools/install-deps";
    rahmen->Befehl(ID_3D_ALS_JPEG);
    std::setlocale(LC_MESSAGES, vorher.c_str());
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text, QStringLiteral("Das Bild konnte nicht gespeichert werden:\n") + datei +
                                                QStringLiteral("\nDatei oder Verzeichnis nicht gefunden"));
    EXPECT_FALSE(QFile::exists(datei));

    // The print dialog is the program's own, with the PDF file offered; a
    // file that cannot be written stops the print with a message.
    test::SkriptDrucker drucker;
    drucker.pdf = ordner.filePath(QStringLiteral("fehlt/druck.pdf"));
    rahmen->Befehl(ID_FILE_PRINT);
    ASSERT_EQ(drucker.gefragt, 1);
    EXPECT_TRUE(drucker.optionen.testFlag(QAbstractPrintDialog::PrintToFile));
    ASSERT_EQ(meldungen.Anfragen().size(), 2u);
    EXPECT_EQ(meldungen.Anfragen()[1].text, QStringLiteral("Der Druck konnte nicht gestartet werden."));

    drucker.pdf = ordner.filePath(QStringLiteral("druck.pdf"));
    rahmen->Befehl(ID_FILE_PRINT);
    EXPECT_GT(QFileInfo(drucker.pdf).size(), 0);
    EXPECT_EQ(meldungen.Anfragen().size(), 2u);
}

} // namespace
} // namespace zeva
