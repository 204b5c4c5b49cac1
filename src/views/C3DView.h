#pragma once
// The 3D view: the surfaces the generator made for the house as a lit, solid
// model that the user turns with the left mouse button and moves nearer or
// farther with Page Up and Page Down. From step 15 on a right click picks
// the surface under the cursor and opens the input of its components; the
// view is printed and saved as a JPEG picture. The main instance lies over
// the frame's view area; preview instances on the "Grafiken" page show the
// same model but take no picks and no hidden key sequences.
//
// The whole model is one display list of the view's own context, compiled
// in the scene set-up whenever the house asks for it (Haus::ListeNeuAufbauen)
// and replayed by every paint, pick and picture.
#include "platform/GLAnsicht.h"
#include "results/CJpegBild.h"
#include "shell/CMainFrame.h"
#include "shell/Schrittfenster.h"
#include "views/Ansicht3DRegeln.h"

#include <QPointer>
#include <QTimer>
#include <memory>

class QPaintDevice;

namespace zeva {

class Haus;
class Plane;

class C3DView : public GLAnsicht, public BefehlsZiel, public Schrittfenster {
    Q_OBJECT
public:
    static constexpr const char* Fenstertitel = "3D Ansicht";
    static constexpr int FensterId = 210;
    static constexpr const char* Dokumentname = "3D Hausansicht";
    static constexpr const char* MeldungDateiname = "Fehlerhafter Dateiname...";
    // The reason of a picture that could not be taken from the view.
    static constexpr const char* KeinBildDerAnsicht = "Die 3D-Ansicht hat kein Bild geliefert.";

    // Popup menu 103 in place of the real menu: gets the four entries with
    // their enabled states and returns the chosen command, 0 for none.
    class Popupwaehler {
    public:
        virtual ~Popupwaehler() = default;
        virtual int Waehle(QWidget* ansicht, const QPoint& global, const ansicht3d::Popup& eintraege) = 0;
    };
    // The print dialog in place of the real one: the device to print on
    // (kept by the chooser until its next call), nullptr when cancelled.
    class Druckwaehler {
    public:
        virtual ~Druckwaehler() = default;
        virtual QPaintDevice* Waehle(QWidget* ansicht) = 0;
    };
    // Install a chooser (nullptr: the real menu or dialog); return the
    // previous one.
    static Popupwaehler* SetzePopupwaehler(Popupwaehler* waehler);
    static Druckwaehler* SetzeDruckwaehler(Druckwaehler* waehler);

    // `rahmen` may be null (previews): the frame is then the window the view
    // lies in, or the application's frame.
    C3DView(CMainFrame* rahmen, QWidget* eltern, bool vorschau);
    ~C3DView() override;

    bool IstVorschau() const { return m_bVorschau; }

    // Scene set-up: framing from the house, the typed keys emptied, the
    // display list compiled (none for a house without planes).
    // `kontextAktiv`: the caller made the view's context current.
    void InitSzene(bool kontextAktiv);
    // Rebuilds the planes and component records of the house, marks the
    // document modified and sets the scene up again; the generator's result.
    int Regeneriere3D();
    // The rebuild of the planes shared with the plan editor's step into the
    // 3D phase: the generator (its refusals told the user), the document
    // marked modified on success.
    static int ErzeugeFlaechen(CMainFrame& rahmen);

    // Output: the print dialog and the picture across the page; the
    // "Bildschirmfoto" file dialog and its JPEG; the project picture under
    // the document's title in the frame's start folder.
    void Drucke();
    void SpeichereBildschirmfoto();
    // False when no picture was written; `fehler` then holds the reason.
    bool RendereInJpeg(const QString& datei, QString* fehler = nullptr);
    bool SpeichereAnsichtJpeg();

    // 57607 prints, 32817 saves the picture.
    bool BearbeiteBefehl(int id) override;
    // The frame re-reads the house.
    void LiesHausNeu() override;

    // The animation step of the explode timer.
    void Zeitschritt();

    // State, for the frame and for tests.
    const ansicht3d::Rahmung& Rahmung() const { return m_rahmung; }
    double Augenabstand() const { return m_augenabstand; }
    double Zoom() const { return m_zoom; }
    double DrehungX() const { return m_drehungX; }
    double DrehungY() const { return m_drehungY; }
    void SetzeDrehung(double x, double y);
    double Explosion() const { return m_explosion; }
    bool ZeitgeberLaeuft() const { return m_zeitgeber.isActive(); }
    // The display list number, 0 when none exists.
    unsigned int Liste() const { return m_liste; }
    int GewaehlteFlaeche() const { return m_gewaehlt; }
    QString Bilddatei() const { return m_strBilddatei; }

    // The plane ID under a client pixel (-1 none), by the GL selection.
    int Waehle(const QPoint& pixel);

    CMainFrame* Rahmen() const;

    // The view's picture as a bottom-up 32-bit bitmap for the JPEG writer.
    static void ZuBitmap(const QImage& bild, BitmapKopf& kopf, std::vector<std::uint8_t>& zeilen);

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    Haus* AktuellesHaus() const;
    bool DarfZeichnen() const;
    void Rahme();
    void SetzeProjektion();
    void ZeichneSzene();
    void Baue3DListe();
    void LoescheListe();
    void WendeFolgeAn(ansicht3d::Folge folge);
    void Fuehreaus(const ansicht3d::Auswahl& auswahl, const QPoint& global);
    void Popupbefehl(int befehl);
    // The dormer commands of the popup (placing, editing, deleting a dormer,
    // and editing a dormer's part) belong to the dormer input.
    void GaubenBefehl(int befehl);
    // The attic ceiling a picked dormer ceiling belongs to, -1 for none.
    int DeckeZurGewaehltenFlaeche() const;
    // Step 16 on that face, for a new dormer (-1) or the dormer at `index`.
    void BeginneGaubeneingabe(const Plane& flaeche, int index);
    void Nummeriere();
    // The other 3D views rebuild at their next paint.
    void MarkiereAndereNeu();

    // Held as a widget: while the frame is being destroyed it is no frame
    // any more, and the cast below then finds none.
    QPointer<QWidget> m_pRahmen;
    const bool m_bVorschau;

    int m_bGLFehler = 0;
    int m_bFlaechen = 1;
    int m_bZonendecken = 1;
    int m_bBoeden = 1;
    int m_bNordpfeil = 1;
    int m_bKanten = 1;
    int m_bNormalen = 0;
    ansicht3d::Rahmung m_rahmung;
    double m_augenabstand = 0;
    double m_startabstand = 0;
    double m_drehungX = 60;
    double m_drehungY = 60;
    double m_zoom = 1.0;
    bool m_bLinks = false;
    QPoint m_letzte;
    int m_bSzeneMitFlaechen = 0;
    int m_gewaehlt = 0;
    double m_explosion = 0;
    QTimer m_zeitgeber;
    ansicht3d::Tastenfolgen m_tasten;
    QString m_strBilddatei;

    unsigned int m_liste = 0;
    // Pick names compiled into the list (the selection buffer's size).
    std::size_t m_namen = 0;
    // Set when another view consumed the house's rebuild request, or the
    // context was made anew.
    bool m_bNeuaufbau = true;
};

// The 3D view's installer for the frame's owner of the input views and the
// preview page.
void Installiere3DVorschau();

} // namespace zeva
