#include "renovation/ProgrammSanierung.h"

#include "database/Datenbankdateien.h"
#include "platform/Meldung.h"
#include "renovation/CAutoSanierungDlg.h"
#include "shell/Befehle.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVADoc.h"
#include "shell/Schrittfenster.h"
#include "ui/MeldungsNotifier.h"

#include <QApplication>

namespace zeva {

namespace {

// The search with its progress dialog, as the frame's command runs it: the
// frame asks its question, offers the options and opens the new variants'
// dialogs; this part searches and adopts.
class ProgrammOptimierer final : public Optimierer {
public:
    ProgrammOptimierer(Haus& haus, const DOptionen& optionen, QWidget* eltern,
                       const ProgrammSanierungEinstellung& einstellung)
        : m_optimierer(haus, optionen), m_dialog(eltern), m_anzeige(eltern), m_eltern(eltern)
    {
        m_optimierer.SetzeModus(einstellung.modus);
        m_optimierer.SetzeDatenbankdatei(einstellung.datenbank);
        m_optimierer.SetzeFortschritt(&m_dialog);
        if (einstellung.beimStart)
            einstellung.beimStart(m_dialog);
    }

    bool Optimiere() override
    {
        if (m_optimierer.Optimiere(m_anzeige) == 1)
            return true;
        // The optimiser has told the user why; the between page follows.
        if (auto* rahmen = qobject_cast<CMainFrame*>(m_eltern))
            rahmen->ZeigeZwischenseite();
        return false;
    }

    int UebernehmeBeste(Haus& haus) override { return m_optimierer.UebernehmeBeste(haus, m_anzeige); }

private:
    ProgSan m_optimierer;
    CAutoSanierungDlg m_dialog;
    MeldungsNotifier m_anzeige;
    QWidget* m_eltern;
};

void SetzeErzeuger(CMainFrame& rahmen, ProgrammSanierungEinstellung einstellung)
{
    rahmen.SetzeOptimiererErzeuger(
        [einstellung = std::move(einstellung)](Haus& haus, const DOptionen& optionen, QWidget* eltern) {
            return std::make_unique<ProgrammOptimierer>(haus, optionen, eltern, einstellung);
        });
}

} // namespace

int NeuProgramm(CMainFrame& rahmen, const ProgrammSanierungEinstellung& einstellung)
{
    SetzeErzeuger(rahmen, einstellung);
    const int vorher = rahmen.AktuellesHaus().Varianten;
    rahmen.Befehl(ID_NEU_PROGRAMM);
    return rahmen.AktuellesHaus().Varianten - vorher;
}

void InstalliereProgrammSanierung(CMainFrame& rahmen)
{
    ProgrammSanierungEinstellung e;
    e.datenbank = Sanierungsdatenbankdatei();
    SetzeErzeuger(rahmen, std::move(e));
}

} // namespace zeva
