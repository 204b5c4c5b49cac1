#pragma once
// The plan editor's side of the frame's graphic input steps: it makes the
// plan editor (laid over the frame's view area), the input-assistant pane
// and the heights and roof panes of the right bar for the frame's step
// switch, and hands the roof pane its plan editor. The 3D view comes with
// its own part; until then the frame's placeholder stands in for it.
//
// On a display without OpenGL (the offscreen platform of the widget tests, a
// bare remote session) the plan editor is the frame's placeholder as well,
// so the rest of the frame keeps working.
#include "shell/Schrittfenster.h"

namespace zeva {

class CMainFrame;

class Planeditoransichten final : public Eingabeansichten {
public:
    explicit Planeditoransichten(CMainFrame& rahmen);
    ~Planeditoransichten() override;

    QWidget* Erzeuge(Fenster art, QWidget* eltern) override;
    void ZeigeZone(QWidget* ansicht2D, int zone) override;
    void VerbindeDach(QWidget* dacheingabe, QWidget* ansicht2D) override;
    bool GaubeUebernehmen(QWidget* ansicht2D) override;

private:
    CMainFrame& m_rahmen;
    std::unique_ptr<Eingabeansichten> m_pPlatzhalter;
};

// The program part of the plan editor: the plan preview of the "Grafiken"
// page and the frame's plan editor with its pane.
void InstalliereEingabeansichten(CMainFrame& rahmen);

} // namespace zeva
