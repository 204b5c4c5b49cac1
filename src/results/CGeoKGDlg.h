#pragma once
// The left-bar page "Geometrische Kenngrößen": envelope area, compactness,
// air volume and energy reference area of the document's house.
#include "shell/CMainFrame.h"
#include "ui/CBaseDialog.h"

namespace zeva {

class CWertButton;

class CGeoKGDlg : public CBaseDialog, public AktualisierbareSeite {
public:
    explicit CGeoKGDlg(QWidget* parent = nullptr);

    void Aktualisiere(CZEVADoc& dokument) override;
    void ZeigeHaus(const Haus& haus);

    // A / V rounded as the page shows it: two significant digits below 1,
    // else three; 0 without a volume.
    static double Kompaktheit(double huellflaeche, double volumen);

    CWertButton* Feld(int id) const;

protected:
    bool OnInitDialog() override;

private:
    CWertButton* m_Huelle = nullptr;
    CWertButton* m_Kompaktheit = nullptr;
    CWertButton* m_Luftvolumen = nullptr;
    CWertButton* m_Bezugsflaeche = nullptr;
};

} // namespace zeva
