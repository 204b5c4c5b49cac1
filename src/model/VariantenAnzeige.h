#pragma once
// What the user interface must do when the existing building is about to
// change while renovation variants exist. The model calls it and never knows
// which windows are open; the main window implements it, tests record the
// calls.
namespace zeva {

class VariantenAnzeige {
public:
    virtual ~VariantenAnzeige() = default;

    // The heat-demand pane of the existing state, when one is shown,
    // recomputes the document's house and refreshes itself.
    virtual void AktualisiereBestandsbedarf() = 0;

    // Every open variant dialog ends as through its OK: it takes its measures
    // over and closes.
    virtual void BeendeVariantendialoge() = 0;
};

} // namespace zeva
