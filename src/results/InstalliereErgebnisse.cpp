#include "results/InstalliereErgebnisse.h"

#include "results/CBedarfDlg.h"
#include "results/CBedarfView.h"
#include "results/CEnergiebilanzDlg.h"
#include "results/CFlaechenView.h"
#include "results/CGeoKGDlg.h"
#include "results/CHeizungDlg.h"
#include "results/CSankeyDlg.h"
#include "shell/CMainFrame.h"
#include "shell/Vorschaufabrik.h"
#include "ui/CRollupCtrl.h"

#include <QPointer>

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
    // The chart dialog of the "&Grafik" button starts on the annual bars.
    CBedarfDlg::SetzeGrafik([rahmenZeiger = QPointer<CMainFrame>(r)](Haus& haus, int n, QWidget* eltern) {
        if (!rahmenZeiger)
            return;
        CEnergiebilanzDlg dialog(eltern, haus, rahmenZeiger->Optionen(), n, CEnergiebilanzDlg::BalkenJaehrlich);
        dialog.exec();
    });
    Vorschaufabrik::SetzeErzeuger(
        Vorschaufabrik::Art::Sankey, [](QWidget* eltern) -> QWidget* { return new CSankeyDlg(eltern); }, false);
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
