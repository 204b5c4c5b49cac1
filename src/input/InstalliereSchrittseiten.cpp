#include "input/InstalliereSchrittseiten.h"

#include "input/CEinzelSeite.h"
#include "input/CHeizungEingabeDlg.h"
#include "input/CProjektDlg.h"
#include "shell/CMainFrame.h"

namespace zeva {

namespace {

template <class Seite>
CMainFrame::PanelErzeuger Erzeuger()
{
    return [](CMainFrame& rahmen) -> QDialog* { return new Seite(rahmen); };
}

} // namespace

void InstalliereSchrittseiten(CMainFrame& rahmen)
{
    using Panel = CMainFrame::Panel;
    rahmen.SetzePanelErzeuger(Panel::Projekt, Erzeuger<CProjektDlg>());
    rahmen.SetzePanelErzeuger(Panel::Wand, Erzeuger<Wand_einzel>());
    rahmen.SetzePanelErzeuger(Panel::Fenster, Erzeuger<Fenster_einzel>());
    rahmen.SetzePanelErzeuger(Panel::Steildach, Erzeuger<Steildach_einzel>());
    rahmen.SetzePanelErzeuger(Panel::Flachdach, Erzeuger<Flachdach_einzel>());
    rahmen.SetzePanelErzeuger(Panel::Decke, Erzeuger<Decke_einzel>());
    rahmen.SetzePanelErzeuger(Panel::Boden, Erzeuger<Boden_einzel>());
    rahmen.SetzePanelErzeuger(Panel::Heizung, Erzeuger<CHeizungEingabeDlg>());
}

} // namespace zeva
