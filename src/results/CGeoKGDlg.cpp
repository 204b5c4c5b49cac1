#include "results/CGeoKGDlg.h"

#include "model/Haus.h"
#include "model/Zahlentext.h"
#include "results/Kennzahlfelder.h"
#include "ui/CWertButton.h"
#include "ui/SteuerelementId.h"

#include <QVBoxLayout>
#include <cmath>

namespace zeva {

CGeoKGDlg::CGeoKGDlg(QWidget* parent) : CBaseDialog(parent)
{
    setObjectName(QStringLiteral("CGeoKGDlg"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(2);
    m_Huelle = NeuesKennzahlfeld(this, layout, 1010, QStringLiteral("Hüllfläche"));
    m_Kompaktheit = NeuesKennzahlfeld(this, layout, 1011, QStringLiteral("Kompaktheitsgrad"));
    m_Luftvolumen = NeuesKennzahlfeld(this, layout, 1012, QStringLiteral("Luftvolumen"));
    m_Bezugsflaeche = NeuesKennzahlfeld(this, layout, 1013, QStringLiteral("EnergieBezugsFläche"));
}

CWertButton* CGeoKGDlg::Feld(int id) const
{
    return FindeDirektId<CWertButton>(this, id);
}

bool CGeoKGDlg::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_Huelle->SetzeEinheit(QStringLiteral("m²"));
    m_Kompaktheit->SetzeEinheit(QStringLiteral("1/m"));
    m_Luftvolumen->SetzeEinheit(QStringLiteral("m³"));
    m_Bezugsflaeche->SetzeEinheit(QStringLiteral("m²"));
    for (CWertButton* feld : {m_Huelle, m_Kompaktheit, m_Luftvolumen, m_Bezugsflaeche})
        feld->SetzeWert(0);
    PasseKennzahlfelderAn(this, {m_Huelle, m_Kompaktheit, m_Luftvolumen, m_Bezugsflaeche});
    return true;
}

double CGeoKGDlg::Kompaktheit(double huellflaeche, double volumen)
{
    if (!(volumen > 0))
        return 0;
    const double r = huellflaeche / volumen;
    return RundeSignifikant(r, r < 1 ? 2 : 3);
}

void CGeoKGDlg::Aktualisiere(CZEVADoc& dokument)
{
    ZeigeHaus(dokument.HausRef());
}

void CGeoKGDlg::ZeigeHaus(const Haus& haus)
{
    // The figures as the areas page rounds them, so that both show the same
    // last digit.
    const auto gezeigt = [](double x) { return RundeSignifikant(x, 3); };
    m_Huelle->SetzeWert(gezeigt(haus.Huellflaeche()));
    m_Kompaktheit->SetzeWert(Kompaktheit(haus.Huellflaeche(), haus.Volumen));
    m_Luftvolumen->SetzeWert(gezeigt(haus.Volumen));
    m_Bezugsflaeche->SetzeWert(gezeigt(haus.Energiebezugsflaeche));
    repaint();
}

} // namespace zeva
