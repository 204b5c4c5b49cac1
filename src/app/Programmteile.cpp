#include "app/Programmteile.h"

#include "renovation/ProgrammSanierung.h"
#include "shell/CZEVAApp.h"

namespace zeva {

void RegistriereProgrammteile(CZEVAApp& anwendung)
{
    // Each part that brings windows or commands to the frame adds its
    // installer here.
    anwendung.RegistriereProgrammteil(InstalliereProgrammSanierung);
}

} // namespace zeva
