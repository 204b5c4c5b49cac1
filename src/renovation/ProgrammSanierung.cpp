#include "renovation/ProgrammSanierung.h"

#include "platform/Datenbankort.h"
#include "platform/Meldung.h"
#include "platform/QtProfil.h"
#include "platform/StandardDatenbankort.h"
#include "renovation/CAutoSanierungDlg.h"
#include "shell/Befehle.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVADoc.h"
#include "shell/OptionenBefehl.h"
#include "ui/MeldungsNotifier.h"

#include <QApplication>

namespace zeva {

int NeuProgramm(CMainFrame& rahmen, const ProgrammSanierungEinstellung& einstellung)
{
    rahmen.VerlasseStartseite();
    const QMessageBox::StandardButton antwort =
        Meldung::Zeige(QString::fromUtf8(FrageOptionenEingestellt),
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Meldung::Symbol::Frage,
                       QMessageBox::Yes, &rahmen);
    if (antwort == QMessageBox::Cancel) {
        rahmen.ZeigeZwischenseite();
        return 0;
    }
    if (antwort == QMessageBox::No) {
        QtProfil profil;
        const DialogErgebnis ergebnis = ZeigeOptionen(&rahmen, rahmen.Optionen(), rahmen.AktuellesHaus(), profil);
        if (ergebnis.geaendert && rahmen.GetActiveDocument() != nullptr)
            rahmen.GetActiveDocument()->SetModifiedFlag();
    }
    rahmen.repaint();

    Haus& haus = rahmen.AktuellesHaus();
    MeldungsNotifier anzeige(&rahmen);
    int neu = 0;
    {
        ProgSan optimierer(haus, rahmen.Optionen());
        optimierer.SetzeModus(einstellung.modus);
        optimierer.SetzeDatenbankdatei(einstellung.datenbank);
        CAutoSanierungDlg dialog(&rahmen);
        optimierer.SetzeFortschritt(&dialog);
        if (einstellung.beimStart)
            einstellung.beimStart(dialog);
        if (optimierer.Optimiere(anzeige) == 1) {
            neu = optimierer.UebernehmeBeste(haus, anzeige);
            // The variant dialogs of the new variants (the last neu ones)
            // open here once the variant dialog exists.
            if (rahmen.GetActiveDocument() != nullptr)
                rahmen.GetActiveDocument()->SetModifiedFlag();
        } else {
            rahmen.ZeigeZwischenseite();
        }
    }
    // The variant pane is refilled here once it exists.
    return neu;
}

void InstalliereProgrammSanierung(CMainFrame& rahmen)
{
    rahmen.SetzeBefehl(ID_NEU_PROGRAMM, [&rahmen] {
        ProgrammSanierungEinstellung e;
        e.datenbank = Datenbankdatei(StandardDatenbankort(), "San2kvyke.db");
        NeuProgramm(rahmen, e);
    });
}

} // namespace zeva
