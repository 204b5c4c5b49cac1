#include "results/InstalliereErgebnisse.h"

#include "results/CBedarfDlg.h"
#include "results/CBedarfView.h"
#include "results/CFlaechenView.h"
#include "results/CGeoKGDlg.h"
#include "results/CHeizungDlg.h"
#include "shell/CMainFrame.h"
#include "ui/CRollupCtrl.h"

namespace zeva {

void InstalliereErgebnisse(CMainFrame& rahmen)
{
    CMainFrame* r = &rahmen;
    rahmen.SetzeBedarfsErzeuger(
        [](CMainFrame& f, QWidget* eltern, int n) -> QWidget* {
            auto* pane = new CBedarfDlg(f, eltern, n);
            pane->Erzeuge();
            return pane;
        },
        [r](QWidget* eltern) -> QWidget* { return new CBedarfView(*r, eltern); });
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
