#include "views/Ansichtsrahmen.h"

#include "shell/CMainFrame.h"
#include "shell/CZEVAApp.h"

namespace zeva {

CMainFrame* RahmenDerAnsicht(const QWidget* ansicht, QWidget* gesetzt)
{
    if (gesetzt)
        return qobject_cast<CMainFrame*>(gesetzt);
    for (QWidget* w = ansicht->parentWidget(); w; w = w->parentWidget())
        if (auto* rahmen = qobject_cast<CMainFrame*>(w))
            return rahmen;
    if (CZEVAApp* app = CZEVAApp::Instanz())
        return app->Hauptfenster();
    return nullptr;
}

Haus* HausDesRahmens(CMainFrame* rahmen)
{
    if (!rahmen || !rahmen->GetActiveDocument())
        return nullptr;
    return &rahmen->AktuellesHaus();
}

} // namespace zeva
