#include "app/Programmteile.h"

#include "shell/CZEVAApp.h"

namespace zeva {

void RegistriereProgrammteile(CZEVAApp& anwendung)
{
    // Each part that brings windows to the frame adds its installer here,
    // e.g. anwendung.RegistriereProgrammteil(InstalliereErgebnisse).
    static_cast<void>(anwendung);
}

} // namespace zeva
