#pragma once
// The plan editor: the OpenGL drawing surface of the graphic steps of the
// input. It shows what belongs to the house's step (Phase) in an orthographic
// map of the plan: the grid and the floor-plan outline (step 8), the north
// arrow (step 10), the roofs (step 14), and turns the mouse into edits of the
// house. The editor instance lies over the frame's view area; preview
// instances on the "Grafiken" page draw the outline as in step 8 without the
// grid in every step and take no mouse input.
//
// The house is looked up afresh in every handler (the frame's active
// document), so a replaced document is simply drawn on the next paint. The
// picture of a step is built as a list of primitives (geometry/
// Planzeichnung.h) and replayed here.
#include "geometry/Gaubeneingabe.h"
#include "geometry/Grundrisseingabe.h"
#include "geometry/Planzeichnung.h"
#include "platform/GLAnsicht.h"
#include "shell/Schrittfenster.h"

#include <QPointer>
#include <array>
#include <memory>
#include <vector>

namespace zeva {

class Ableseanzeige;
class CDach;
class CMainFrame;
class DachAnsicht;
class Dachauswahl;
class Haus;

class C2DView : public GLAnsicht, public Schrittfenster {
    Q_OBJECT
public:
    static constexpr const char* Fenstertitel = "2D Ansicht";
    static constexpr int FensterId = 209;

    // `rahmen` may be null (previews): the frame is then the window the view
    // lies in, or the application's frame.
    C2DView(CMainFrame* rahmen, QWidget* eltern, bool vorschau);
    ~C2DView() override;

    bool IstVorschau() const { return m_bVorschau; }

    // 1 while an input gesture is under way (a point follows the cursor, the
    // north arrow is dragged).
    int EingabeAktiv() const { return m_Eingabe.EingabeAktiv ? m_Eingabe.EingabeAktiv : m_Gaube.EingabeAktiv; }
    Grundrisseingabe& Eingabe() { return m_Eingabe; }
    // Snapped plan position of the last left press.
    Punkt2D LetzterKlick;
    // Zone drawn highlighted (-1 none); cleared by a paint outside step 13.
    int Schnittzone = -1;
    double Seitenverhaeltnis() const { return m_Projektion.Seitenverhaeltnis(); }
    const Planprojektion& Projektion() const { return m_Projektion; }
    // Corners of the dormer steps' two panels, from the plot size at
    // construction.
    const std::array<Punkt2D, 4>& Panelecken() const { return m_Panelecken; }

    // Fits the map to the client size and the house's drawing width, then
    // repaints. An empty client area leaves the map as it was.
    void Setze2DProjektion();
    // Client pixels (logical, y down) to plan coordinates, optionally snapped
    // to the grid (RealGridWidth).
    Punkt2D FensterZuModell(const QPointF& pixel, bool fangen) const;
    // Plan point to client pixels, in place.
    void ModellZuFenster(Punkt2D& p) const;
    // Highlights a zone (height section) and repaints.
    void SetzeZone(int zone);
    // Snaps a plan point to the nearest zone corner or edge (roof input).
    void FangePunkt(Punkt2D& p);

    // Area and volume of the house (stored in it and returned).
    double SchnittflaecheGeschoss(double h, int zone) const;
    double GesamtFlaeche();
    double GesamtVolumen();

    // The pane whose read-outs the view writes: the frame's input assistant
    // (none for a preview).
    Ableseanzeige* Ablesefenster() const;

    // The picture that the next paint draws (empty without a house).
    Zeichenliste Bild() const;

    CMainFrame* Rahmen() const;

    // The roof step: the index in the house's roofs of the roof that takes
    // the mouse, -1 for none. Setting it ends a placing under way.
    int AktivesDach() const { return m_nAktivesDach; }
    void SetzeAktivesDach(int index);
    // The house's roof `index` was removed: the active roof follows.
    void DachEntfernt(int index);
    // The mouse is captured while a roof is being placed.
    bool MausGefangen() const { return m_bMausGefangen; }
    // What the roofs ask of this window while they are edited.
    DachAnsicht& Dachschnittstelle() { return *m_pDachfenster; }
    // The house was replaced or read again: no roof is active any more.
    void LiesHausNeu() override;

    // The dormer step (16): the face unrolled with the dormer's five lines.
    // Sets the step up for the face (a dormer index of the house to edit
    // that dormer, -1 for a new one), shows the view and paints it.
    void GaubeEinrichten(const Plane& flaeche, int gaubenIndex);
    // Profile, front view and the read-outs from the lines.
    void AktualisiereGaube();
    // What became of the dormer being drawn.
    enum class Gaubenuebernahme {
        Gebaut,     // confirmed and built
        Abgelehnt,  // the question was answered No: the input is discarded
        Verweigert, // a geometry check failed: the input stays open
        Nichts,     // no input open (none set up, or already taken over)
    };
    // Checks the dormer, asks, and builds it into the house.
    Gaubenuebernahme GaubeUebernehmen();
    // Removes a dormer with its planes, records and windows.
    void LoescheGaube(int gaubenID);
    // A copy of the house's plane with that ID (a default plane when none).
    Plane FindePlane(int id) const;
    const Gaubeneingabe& Gaubenzustand() const { return m_Gaube; }

protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    class Dachfenster;
    friend class Dachfenster;
    // The roof pane of the frame (step 14), when there is one.
    Dachauswahl* Dachpane() const;
    CDach* Dach(int index) const;
    void DachDruck(Haus& haus, int flags, const Punkt2D& p);
    void DachBewegung(Haus& haus, int flags, const Punkt2D& p);
    void DachLoslassen(Haus& haus, int flags, const Punkt2D& p);
    void DachRechtsklick(Haus& haus, const Punkt2D& p);
    void GibMausFrei();
    void ZeichneGaubenansicht(Zeichenliste& liste) const;
    void GaubeRechtsklick(Haus& haus);
    void Neuzeichnen3D();

    Haus* AktuellesHaus() const;
    void MarkiereGeaendert();
    void Zeige(const Ablesungen& werte);
    void Neuzeichnen();

    QPointer<CMainFrame> m_pRahmen;
    const bool m_bVorschau;
    Grundrisseingabe m_Eingabe;
    Planprojektion m_Projektion;
    std::array<Punkt2D, 4> m_Panelecken{};
    int m_nAktivesDach = -1;
    // What the roofs stored when the button went down in the roof step: a
    // click that only selects a roof leaves the project unchanged.
    std::vector<std::vector<double>> m_DachstandBeimDruck;
    bool m_bMausGefangen = false;
    std::unique_ptr<DachAnsicht> m_pDachfenster;
    Gaubeneingabe m_Gaube;
};

} // namespace zeva
