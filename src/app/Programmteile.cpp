#include "app/Programmteile.h"

#include "input/InstalliereBauteiltabellen.h"
#include "input/InstalliereSchrittseiten.h"
#include "renovation/CSanierungVarianteDlg.h"
#include "renovation/ProgrammSanierung.h"
#include "results/InstalliereErgebnisse.h"
#include "results/InstalliereReport.h"
#include "shell/CZEVAApp.h"
#include "views/Planeditoransichten.h"

namespace zeva {

void RegistriereProgrammteile(CZEVAApp& anwendung)
{
    // Each part that brings windows or commands to the frame adds its
    // installer here.
    anwendung.RegistriereProgrammteil(InstalliereEingabeansichten);
    anwendung.RegistriereProgrammteil(InstalliereSchrittseiten);
    anwendung.RegistriereProgrammteil(InstalliereErgebnisse);
    anwendung.RegistriereProgrammteil(InstalliereReport);
    anwendung.RegistriereProgrammteil(InstalliereProgrammSanierung);
    anwendung.RegistriereProgrammteil(InstalliereSanierungsdialoge);
    anwendung.RegistriereProgrammteil(InstalliereBauteiltabellen);
}

} // namespace zeva
