#pragma once
// The windows of the graphic input steps that every main frame owns: the
// plan editor (laid over the frame's view area) and the input-assistant pane
// in the right bar; the roof and heights panes join them with the roof
// input. One object per frame makes them once and keeps them; the step
// switch reaches them through it.
//
// On a display without OpenGL (the offscreen platform of the widget tests, a
// bare remote session) the plan editor is a plain placeholder, so the rest
// of the frame keeps working.
#include <QObject>
#include <QPointer>

namespace zeva {

class C2DView;
class CEingabeAssistentDlg;
class CMainFrame;

class Eingabeansichten : public QObject {
    Q_OBJECT
public:
    explicit Eingabeansichten(CMainFrame& rahmen);
    ~Eingabeansichten() override;

    // The frame's object (made by the frame's set-up), or nullptr.
    static Eingabeansichten* Von(const CMainFrame& rahmen);

    // The plan editor, or nullptr when a placeholder stands in for it.
    C2DView* Ansicht2D() const;
    QWidget* Fenster2D() const;
    CEingabeAssistentDlg* Assistent() const;

    // After the house was replaced or changed: the plan editor fits its map
    // again and repaints, the panes re-read the house.
    void Aktualisiere();

private:
    CMainFrame& m_rahmen;
    QPointer<QWidget> m_p2D;
    QPointer<CEingabeAssistentDlg> m_pAssistent;
};

// Registers, once at program start before the frame exists, the plan
// preview of the "Grafiken" page and the set-up that gives every frame its
// input views.
void RegistriereEingabeansichten();

} // namespace zeva
