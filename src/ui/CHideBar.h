#pragma once
// A sizing bar with a hide button: a strip along the side that faces the
// main pane carries a small flat button with arrows; a click on it collapses
// the bar to the width of the strip and a second click restores the width
// the bar had before (also when the frame was resized meanwhile). An
// inactive button is drawn grey and ignores clicks. The arrows point to
// where the bar will move. Clicks and double-clicks inside the bar never
// float or move it.
//
// Geometry: the client area is the bar's window inset by 3; the strip is
// StreifenDicke (8) wide; the button is 1/8 of the client's length, centred
// along the strip; collapsed, the bar is the strip + 2 × Kante + 2 wide.
#include "ui/CSizingControlBar.h"

namespace zeva {

class CHideBar : public CSizingControlBar {
public:
    static constexpr int Kante = 2;         // the thin sizing edge of this bar
    static constexpr int StreifenDicke = 8; // twice the window frame

    explicit CHideBar(QWidget* parent = nullptr);

    void SetzeKnopfAktiv(bool aktiv);
    bool IstKnopfAktiv() const { return m_Knopf.aktiv; }
    void SetzeVersteckt(bool versteckt);
    bool IstVersteckt() const { return m_Knopf.versteckt; }

    virtual bool HatKnopf() const { return true; }

    // The button in the coordinates of the bar's window; held down or not.
    QRect KnopfRechteck() const { return m_Knopf.rechteck; }
    bool IstGedrueckt() const { return m_Knopf.gedrueckt; }
    // Which way the arrows point now.
    Qt::ArrowType Pfeilrichtung() const;
    // The window size remembered while expanded.
    QSize GemerkteGroesse() const { return m_GroesseGemerkt; }

    int MindestDicke() const override { return 0; }

protected:
    QRect BerechneInnenflaeche(const QRect& fenster) override;
    void ZeichneRahmenTeile(QPainter& maler, const QRect& klient) override;
    bool RahmenMaus(QMouseEvent* ereignis) override;
    void FensterGroesse(const QSize& groesse) override;
    // Resizes the bar to its collapsed or remembered size.
    virtual void WendeZustandAn();

private:
    struct VersteckKnopf {
        bool gedrueckt = false;
        QRect rechteck{0, 0, StreifenDicke, StreifenDicke};
        bool versteckt = false;
        bool nahSeite = false; // docked left or top: the strip lies right or below
        bool aktiv = true;
    };

    QSize m_GroesseGemerkt;
    VersteckKnopf m_Knopf;
};

} // namespace zeva
