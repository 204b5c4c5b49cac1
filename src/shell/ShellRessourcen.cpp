#include "shell/ShellRessourcen.h"

#include <QtCore/qresource.h>

// Outside any namespace: the registration function has a global name.
static void RegistriereZevaRessourcen()
{
    Q_INIT_RESOURCE(zeva);
}

namespace zeva {

void LadeShellRessourcen()
{
    static const bool geladen = [] {
        RegistriereZevaRessourcen();
        return true;
    }();
    (void)geladen;
}

} // namespace zeva
