#include "input/InstalliereBauteiltabellen.h"

#include "input/Bauteiltabellen.h"
#include "shell/CMainFrame.h"

namespace zeva {

namespace {

template <class T>
void InstalliereTabelle(CMainFrame& rahmen, CMainFrame::Bauteildialog art, void (CMainFrame::*geschlossen)())
{
    rahmen.SetzeBauteildialogErzeuger(art, [geschlossen](CMainFrame& r) -> QDialog* {
        Tabellenumgebung umgebung;
        umgebung.dokument = r.GetActiveDocument();
        umgebung.anzeige = &r.Variantenanzeige();
        umgebung.geschlossen = [&r, geschlossen] { (r.*geschlossen)(); };
        auto* dialog = new CBauteiltabelle<T>(umgebung, &r);
        if (!dialog->Oeffnet()) {
            // A surface without a record of its own opens nothing.
            delete dialog;
            return nullptr;
        }
        return dialog;
    });
}

} // namespace

void InstalliereBauteiltabellen(CMainFrame& rahmen)
{
    using B = CMainFrame::Bauteildialog;
    InstalliereTabelle<DBoden>(rahmen, B::Boden, &CMainFrame::BodenDialogGeschlossen);
    InstalliereTabelle<DDecke>(rahmen, B::Decke, &CMainFrame::DeckeDialogGeschlossen);
    InstalliereTabelle<DFlachdach>(rahmen, B::Flachdach, &CMainFrame::FlachdachDialogGeschlossen);
    InstalliereTabelle<DSteildach>(rahmen, B::Steildach, &CMainFrame::SteildachDialogGeschlossen);
    InstalliereTabelle<DWand>(rahmen, B::Wand, &CMainFrame::WandDialogGeschlossen);
}

} // namespace zeva
