#include "results/InstalliereErgebnisse.h"

#include "results/CBedarfDlg.h"
#include "results/CBedarfView.h"
#include "results/CFlaechenView.h"
#include "results/CGeoKGDlg.h"
#include "results/CHeizungDlg.h"
#include "shell/Befehle.h"
#include "shell/CMainFrame.h"
#include "ui/CRollupCtrl.h"

namespace zeva {

void InstalliereErgebnisse(CMainFrame& rahmen)
{
    CMainFrame* r = &rahmen;
    rahmen.SetzeBedarfErzeuger([r](QWidget* eltern, int n) -> QWidget* { return new CBedarfDlg(*r, eltern, n); },
                               [r](QWidget* eltern) -> QWidget* { return new CBedarfView(*r, eltern); });
    rahmen.SetzeBefehl(ID_BESTAND, [r] { r->ZeigeBedarf(0); });
    rahmen.SetzeFlaechenansichtErzeuger([r](QWidget* eltern) -> QWidget* { return new CFlaechenView(*r, eltern); });

    auto* geo = new CGeoKGDlg(rahmen.Rollup());
    geo->Create(rahmen.Rollup());
    rahmen.SetzeGeoKGSeite(geo);
    auto* heizung = new CHeizungDlg(rahmen.Rollup(), [r]() -> const DOptionen& { return r->Optionen(); });
    heizung->Create(rahmen.Rollup());
    rahmen.SetzeHeizungSeite(heizung);
    rahmen.AktualisiereKennzahlseiten();
}

} // namespace zeva
