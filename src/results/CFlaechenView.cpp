#include "results/CFlaechenView.h"

#include "model/Haus.h"
#include "results/Flaechenseite.h"
#include "shell/Befehle.h"

namespace zeva {

CFlaechenView::CFlaechenView(CMainFrame& rahmen, QWidget* parent) : CErgebnisView(rahmen, parent)
{
    setObjectName(QStringLiteral("CFlaechenView"));
    setContextMenuPolicy(Qt::NoContextMenu);
    Schreibe();
}

void CFlaechenView::Schreibe()
{
    SchreibeSeite(Flaechenseite(m_rahmen.AktuellesHaus()));
}

void CFlaechenView::BearbeiteLink(const QString& befehl)
{
    // Queued: closing deletes this view, which is inside its own click.
    if (befehl == QStringLiteral("close")) {
        CMainFrame* rahmen = &m_rahmen;
        QMetaObject::invokeMethod(
            rahmen, [rahmen] { rahmen->Flaechenansicht(ANSICHT_SCHLIESSEN); }, Qt::QueuedConnection);
    }
}

} // namespace zeva
