#pragma once
// A docked bar of the main window whose thickness the user sets by dragging
// the separator between the bar and the main pane. Its children live in
// Inhalt() and always fill it. In fill mode (SB_KINDER_FUELLEN) Inhalt() is
// the bar's client area; in scroll mode (SB_ROLLEN, for narrow frames) it
// keeps its own width (the width the bar was created with) inside a scroll
// area with a horizontal scroll bar along the bottom, one pixel per arrow
// click, a page as wide as the visible part.
//
// The dragging itself is the main window's: one bar per dock side, never
// floating, so nothing has to share a row. The bar keeps the main pane at
// least 2 pixels wide and never gets narrower than its least size. Bar
// sizes are not stored; a new frame starts with the default sizes.
//
// The bar's window (the dock's widget) has a thin margin around the client
// area, where derived bars draw extras (the hide bar's button).
#include <QDockWidget>
#include <QPointer>

class QMainWindow;
class QPainter;
class QScrollArea;
class QScrollBar;

namespace zeva {

class CSizingControlBar : public QDockWidget {
public:
    enum Stil : int { SB_KINDER_FUELLEN = 0x20, SB_ROLLEN = 0x80 };

    explicit CSizingControlBar(QWidget* parent = nullptr);
    ~CSizingControlBar() override;

    // Docks the bar in `bereich` of `rahmen` with thickness `dicke` (the width
    // of a left or right bar) and the style SB_KINDER_FUELLEN or SB_ROLLEN.
    // The object name becomes "id<id>". False without a main window.
    bool Create(QMainWindow* rahmen, Qt::DockWidgetArea bereich, int dicke, int id, int stil);

    int BalkenStil() const { return m_nBalkenStil; }
    void SetzeBalkenStil(int stil);

    // Where the bar's children go; every direct child fills it.
    QWidget* Inhalt() const;
    // The bar's window and its client area in it.
    QWidget* Fenster() const;
    QRect KlientRechteck() const;
    // Scroll mode: the scroll area and its horizontal scroll bar (else nullptr).
    QScrollArea* Rollbereich() const { return m_rollbereich; }
    QScrollBar* Rollbalken() const;
    int RollPos() const;
    // Width of Inhalt() in scroll mode; the creation thickness by default.
    int InhaltsBreite() const { return m_inhaltsBreite; }
    void SetzeInhaltsBreite(int breite);

    Qt::DockWidgetArea DockSeite() const { return m_seite; }
    bool IstVertikal() const { return m_seite == Qt::LeftDockWidgetArea || m_seite == Qt::RightDockWidgetArea; }
    QMainWindow* Rahmen() const { return m_rahmen; }

    // Sets the thickness through the main window's dock layout.
    void SetzeDicke(int dicke);
    int Dicke() const;

    // The least thickness; 33 for a plain bar.
    virtual int MindestDicke() const { return 33; }

protected:
    // The client area inside the bar's window: inset 5 on every side.
    virtual QRect BerechneInnenflaeche(const QRect& fenster);
    // Paints extras into the margin around the client area.
    virtual void ZeichneRahmenTeile(QPainter&, const QRect& /*klient*/) {}
    // Mouse events in the margin; true when handled.
    virtual bool RahmenMaus(QMouseEvent*) { return false; }
    // The bar's window was resized (new size of the window).
    virtual void FensterGroesse(const QSize&) {}

    void AktualisiereRahmen(); // lays the client out anew and repaints the margin
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    class BalkenFenster;
    class FuellBereich;
    friend class BalkenFenster;

    void OrdneKlientAn();
    void PlaneZiehGrenze();
    void AktualisiereZiehGrenze();

    QPointer<QMainWindow> m_rahmen;
    QPointer<QObject> m_rahmenObjekt; // compared in the event filter, also while the frame goes
    BalkenFenster* m_fenster = nullptr;
    FuellBereich* m_inhalt = nullptr;
    QScrollArea* m_rollbereich = nullptr;
    QPointer<QWidget> m_zentral;
    Qt::DockWidgetArea m_seite = Qt::LeftDockWidgetArea;
    int m_nBalkenStil = 0;
    int m_inhaltsBreite = 200;
    bool m_grenzeGeplant = false;
};

} // namespace zeva
