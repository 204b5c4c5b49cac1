#include "results/CBedarfView.h"

#include "model/Haus.h"
#include "results/Ergebnisseiten.h"

namespace zeva {

CBedarfView::CBedarfView(CMainFrame& rahmen, QWidget* parent) : CErgebnisView(rahmen, parent)
{
    setObjectName(QStringLiteral("CBedarfView"));
}

void CBedarfView::SetzeVariante(Haus& haus, int n)
{
    m_nVariante = n;
    if (!haus.IstZustand(n)) {
        SchreibeSeite({});
        return;
    }
    SchreibeSeite(Bilanzseite(haus.m_aBedarf[static_cast<std::size_t>(n)], haus.Berechnungsverfahren, n,
                              haus.EndenergieBerechenbar(n)));
}

} // namespace zeva
