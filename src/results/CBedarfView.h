#pragma once
// The energy balance of one building state in the main pane: demand, gain
// path and loss path of the state's demand record, by the house's method.
// The frame makes it with the heat-demand pane and hands it the state to
// show after every computation of the pane.
#include "results/CErgebnisView.h"

namespace zeva {

class CBedarfView : public CErgebnisView, public Bedarfsseite {
    Q_OBJECT
public:
    CBedarfView(CMainFrame& rahmen, QWidget* parent);

    // Writes the page of state n of the house; a state the house does not
    // have gives an empty page.
    void SetzeVariante(Haus& haus, int n) override;
    int Variante() const { return m_nVariante; }

private:
    int m_nVariante = 0;
};

} // namespace zeva
