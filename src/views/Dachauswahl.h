#pragma once
// What the plan editor asks of the roof pane while the roofs are drawn: the
// roof at a plan point, the selected roof, removing a roof, and the switches
// that follow the selected roof. The pane implements it, so the editor needs
// to know no more of the pane than this.
//
// Roofs are named by their index in the house's roof array (-1 none).
#include "model/Punkt2D.h"

namespace zeva {

class Dachauswahl {
public:
    // The finished roof at p, which becomes the selection; -1 for none.
    virtual int WaehleDachAmPunkt(const Punkt2D& p) = 0;
    // The selected roof; with flag 1 in a house without roofs one is made.
    virtual int ErstesDach(int flag) = 0;
    virtual void EntferneDach(int index) = 0;
    virtual void AktualisiereSchalter() = 0;

protected:
    ~Dachauswahl() = default;
};

} // namespace zeva
