#include "app/Programmteile.h"

#include "renovation/ProgrammSanierung.h"
#include "results/InstalliereErgebnisse.h"
#include "shell/CZEVAApp.h"

namespace zeva {

void RegistriereProgrammteile(CZEVAApp& anwendung)
{
    // Each part that brings windows or commands to the frame adds its
    // installer here.
    anwendung.RegistriereProgrammteil(InstalliereErgebnisse);
    anwendung.RegistriereProgrammteil(InstalliereProgrammSanierung);
}

} // namespace zeva
