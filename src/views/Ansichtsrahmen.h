#pragma once
// The frame and house a plan or 3D view works on, for the views themselves
// and for their previews in a pane.
class QWidget;

namespace zeva {

class CMainFrame;
class Haus;

// The frame a view works for: the one it was given, else the frame it sits
// in, else the program's main window (a preview lives in a pane).
CMainFrame* RahmenDerAnsicht(const QWidget* ansicht, QWidget* gesetzt);

// The house of the frame's active document, or nullptr without one.
Haus* HausDesRahmens(CMainFrame* rahmen);

} // namespace zeva
