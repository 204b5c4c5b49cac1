#pragma once
// The plan editor's side of the frame's graphic input steps: it makes the
// plan editor (laid over the frame's view area) and the input-assistant pane
// of the right bar for the frame's step switch. The 3D view and the heights
// and roof panes come with the roof input; until then the frame's
// placeholders stand in for them.
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
    void GaubeUebernehmen(QWidget* ansicht2D) override;

private:
    CMainFrame& m_rahmen;
    std::unique_ptr<Eingabeansichten> m_pPlatzhalter;
};

// The program part of the plan editor: the plan preview of the "Grafiken"
// page and the frame's plan editor with its pane.
void InstalliereEingabeansichten(CMainFrame& rahmen);

} // namespace zeva
