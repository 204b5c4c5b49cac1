#pragma once
// What the wizard shows while the part that makes a step's real window is
// not in the program: a panel per component page, project page and heating
// page, and plan and 3D views with the three side panes of the graphic steps.
// They carry the control ids of the real windows (step buttons, step names,
// the project page's fields, the assistant's read-out rows), so the step
// switch treats them exactly as it treats the real ones.
#include "shell/Schrittfenster.h"

#include <QDialog>

namespace zeva {

class Schrittsteuerung;

namespace Schrittplatzhalter {

// The step panels that a part of the program makes.
enum class Panel { Projekt, Wand, Fenster, Steildach, Flachdach, Decke, Boden, Heizung };

// The control ids of a panel's "Weiter >>", "<< Zurück" and the three step
// names (previous, current, next).
struct Schrittids {
    int weiter;
    int zurueck;
    int vorher;
    int ist;
    int nach;
};
Schrittids Ids(Panel panel);
// The panel of a step that shows one (2 to 7, 17; 1 and 18 the project page).
Panel PanelDesSchritts(int phase);
QString Titel(Panel panel);

// A step panel standing in for a missing one.
QDialog* ErzeugePanel(Panel panel, Schrittsteuerung& rahmen, QWidget* eltern);

// The maker of the plan editor's windows standing in for the plan editor.
std::unique_ptr<Eingabeansichten> ErzeugeEingabeansichten(Schrittsteuerung& rahmen);

// True for every window made here.
bool IstPlatzhalter(const QWidget* fenster);

} // namespace Schrittplatzhalter

// Sets the text of a label, button, field or group box.
void SetzeSteuerText(QWidget* steuerelement, const QString& text);
QString SteuerText(const QWidget* steuerelement);

} // namespace zeva
